// A recipe file with any bytes: read, cut into columns as the editor and the
// schedule read them, saved back from the editor's cells, and used to offer
// the next recipe number.
#include "FuzzSupport.h"
#include "store/DataFolder.h"
#include "store/RecipeFile.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

namespace {

QString root;

QString recipesFolder()
{
    return QDir(root).filePath(QStringLiteral("Recipes"));
}

void resetDataFolder()
{
    QDir(recipesFolder()).removeRecursively();
    QDir().mkpath(recipesFolder());
}

// A step as the editor shows it must save to a line that both readers read
// back as the same day and action.
void checkStep(const QString& step)
{
    const QString day = store::editorDayOf(step);
    const QString action = store::editorActionOf(step);
    store::scheduleDayOf(step);
    store::scheduleActionOf(step);
    if (day.isEmpty() || action.isEmpty())
        return;
    const QString saved = store::recipeStepLine(day, action);
    FUZZ_CHECK(!saved.contains(QLatin1Char('\n')), "a saved step spans two lines");
    FUZZ_CHECK(store::editorDayOf(saved) == day, "the editor reads another day back");
    FUZZ_CHECK(store::editorActionOf(saved) == action, "the editor reads another action back");
    FUZZ_CHECK(store::scheduleDayOf(saved) == day, "the schedule reads another day");
    FUZZ_CHECK(store::scheduleActionOf(saved) == action, "the schedule reads another action");
}

// A number taken from the file leads to the recipe folder or nowhere.
void checkNumberPath(const QString& number)
{
    try {
        const QString path = store::recipeFilePath(root, number);
        FUZZ_CHECK(store::isRecipeNumber(number), "a path for a text that is no recipe number");
        FUZZ_CHECK(fuzz::isInside(path, recipesFolder()), "a recipe path outside the folder");
    } catch (const store::StoreError&) {
        FUZZ_CHECK(!store::isRecipeNumber(number), "a recipe number was refused");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    root = fuzz::scratchFolder("recipe_file") + QLatin1Char('/');
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    resetDataFolder();
    fuzz::putFile(root, QStringLiteral("Recipes/0001.txt"), bytes);

    store::Recipe recipe;
    try {
        recipe = store::readRecipeFile(root, QStringLiteral("0001.txt"));
    } catch (const store::StoreError& error) {
        FUZZ_CHECK(store::decodeLines(bytes).isEmpty(), "a recipe with lines was refused");
        FUZZ_CHECK(error.message().contains(QStringLiteral("0001.txt")),
                   "the message names no file");
        return 0;
    }
    FUZZ_CHECK(QStringList(recipe.line1) + recipe.steps == store::decodeLines(bytes),
               "the recipe lost or gained lines");

    const QString number = store::recipeNumberOf(recipe.line1);
    store::recipeDescriptionOf(recipe.line1);
    checkNumberPath(number);
    QVector<store::RecipeRow> rows;
    for (const QString& step : recipe.steps) {
        checkStep(step);
        rows.append({store::editorDayOf(step), store::editorActionOf(step)});
    }

    // Saving what the editor shows, then loading it, shows the same again.
    const QStringList saved =
        store::recipeToLines(QStringLiteral("0001"), QStringLiteral("x"), rows);
    int kept = 0;
    for (const store::RecipeRow& row : rows) {
        if (row.first.isEmpty() || row.second.isEmpty())
            continue;
        ++kept;
        FUZZ_CHECK(store::editorDayOf(saved.at(kept)) == row.first, "a saved day moved");
        FUZZ_CHECK(store::editorActionOf(saved.at(kept)) == row.second, "a saved action moved");
    }
    FUZZ_CHECK(saved.size() == kept + 1, "saving added or dropped steps");

    try {
        const QString next = store::nextRecipeNumber(root);
        FUZZ_CHECK(store::isRecipeNumber(next), "the next recipe number is not four digits");
        FUZZ_CHECK(!QFile::exists(store::recipeFilePath(root, next)),
                   "the next recipe number already has a file");
    } catch (const store::StoreError&) {
    }
    return 0;
}
