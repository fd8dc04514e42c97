// A recipe file with any bytes, in a recipe folder: read, its number taken to
// a path, and used to offer the next recipe number. The checks of its columns
// need no file and are fuzz_recipe_file's, which runs far faster.
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
    root = fuzz::scratchFolder("recipe_file_disk") + QLatin1Char('/');
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

    checkNumberPath(store::recipeNumberOf(recipe.line1));

    try {
        const QString next = store::nextRecipeNumber(root);
        FUZZ_CHECK(store::isRecipeNumber(next), "the next recipe number is not four digits");
        FUZZ_CHECK(!QFile::exists(store::recipeFilePath(root, next)),
                   "the next recipe number already has a file");
    } catch (const store::StoreError&) {
    }
    return 0;
}
