// A recipe file's lines with any bytes, in memory: cut into columns as the
// editor and the schedule read them, and saved back from the editor's cells.
// fuzz_recipe_file_disk reads the same bytes from a recipe folder.
#include "FuzzSupport.h"
#include "store/RecipeFile.h"
#include "store/TextLines.h"

namespace {

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines = store::decodeLines(fuzz::bytesOf(data, size));
    if (lines.isEmpty())
        return 0; // the reader refuses an empty file: fuzz_recipe_file_disk checks how
    const QString line1 = lines.constFirst();
    const QString number = store::recipeNumberOf(line1);
    FUZZ_CHECK(number == line1.left(4), "the number is not the first four characters");
    FUZZ_CHECK(number + line1.mid(4, 3) + store::recipeDescriptionOf(line1) == line1,
               "number and description do not make up line 1");
    store::isRecipeNumber(number);

    QVector<store::RecipeRow> rows;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        checkStep(lines.at(i));
        rows.append({store::editorDayOf(lines.at(i)), store::editorActionOf(lines.at(i))});
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
    FUZZ_CHECK(store::decodeLines(store::encodeLines(saved)) == saved,
               "a saved recipe does not read back as written");
    return 0;
}
