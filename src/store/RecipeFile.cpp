#include "store/RecipeFile.h"

#include "store/DataFolder.h"
#include "store/FolderLock.h"
#include "store/StoreError.h"
#include "store/TextLines.h"
#include "store/TextNumber.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace store {

namespace {

constexpr int kDayFieldWidth = 17; // "Day " and the day, filled with blanks
constexpr int kLastRecipeNumber = 9999;

// Fields are trimmed of blanks only, as they were typed into the grid.
QString trimBlanks(const QString& text)
{
    int first = 0;
    int last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

FileSubject recipeWhat(const QString& fileName)
{
    return FileSubject::recipeFile(fileName);
}

// Line 1 holds the description, every further line one step.
LineRules recipeLineRules()
{
    LineRules rules;
    rules.fieldOf = [](qsizetype line) {
        return line == 0 ? LineField{LineField::Description, QString(), 0}
                         : LineField{LineField::Step, QString(), line};
    };
    return rules;
}

QString recipesFolderFor(const QString& dataRoot)
{
    const QString folder = recipeFolderPath(dataRoot);
    if (!QFileInfo(folder).isDir()) {
        throw StoreError(
            StoreText::tr("The recipe folder \"%1\" does not exist. Check the data folder "
                          "named in the location file, or restore the folder from your "
                          "backup.")
                .arg(QDir::toNativeSeparators(folder)));
    }
    return folder;
}

} // namespace

QString recipeFolderPath(const QString& dataRoot)
{
    return folderPath(dataRoot, kRecipesFolder);
}

bool isRecipeNumber(const QString& number)
{
    if (number.size() != 4)
        return false;
    for (const QChar c : number) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

bool isOwnRecipeNumber(const QString& fileName, const QString& number)
{
    return isRecipeNumber(number) && QFileInfo(fileName).completeBaseName() == number;
}

QString recipeFilePath(const QString& dataRoot, const QString& recipeNumber)
{
    if (!isRecipeNumber(recipeNumber)) {
        throw StoreError(
            StoreText::tr("\"%1\" is not a recipe number: a recipe number has four digits, "
                          "such as 0003. Vintrelo did not open any file for it.")
                .arg(recipeNumber));
    }
    const QString folder = recipeFolderPath(dataRoot);
    const QString wanted = recipeNumber + QStringLiteral(".txt");
    const QString existing = existingNameAnyCase(folder, wanted);
    return QDir(folder).filePath(existing.isEmpty() ? wanted : existing);
}

QString recipeNumberOf(const QString& line1)
{
    return line1.left(4);
}

QString recipeDescriptionOf(const QString& line1)
{
    return line1.mid(7);
}

QString editorDayOf(const QString& step)
{
    return trimBlanks(step.mid(4, 10));
}

QString editorActionOf(const QString& step)
{
    return trimBlanks(step.mid(18));
}

QString scheduleDayOf(const QString& step)
{
    return trimBlanks(step.left(kDayFieldWidth)).mid(4);
}

QString scheduleActionOf(const QString& step)
{
    return step.mid(19);
}

QString recipeStepLine(const QString& day, const QString& action)
{
    const QString dayField =
        (QStringLiteral("Day ") + trimBlanks(day) + QString(30, QLatin1Char(' ')))
            .left(kDayFieldWidth);
    return dayField + QStringLiteral("* ") + trimBlanks(action);
}

QStringList recipeToLines(const QString& number, const QString& description,
                          const QVector<RecipeRow>& rows)
{
    QStringList lines{number + QStringLiteral(" - ") + description};
    for (const RecipeRow& row : rows) {
        // Blanks-only cells count as filled; only an exactly empty cell drops the row.
        if (row.first.isEmpty() || row.second.isEmpty())
            continue;
        lines << recipeStepLine(row.first, row.second);
    }
    return lines;
}

Recipe readRecipeFile(const QString& dataRoot, const QString& fileName)
{
    if (fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\')) ||
        fileName.isEmpty() || fileName.startsWith(QLatin1Char('.'))) {
        throw StoreError(
            StoreText::tr("\"%1\" cannot be the name of a recipe file, so Vintrelo did not "
                          "open it.")
                .arg(fileName));
    }
    const QString path = QDir(recipesFolderFor(dataRoot)).filePath(fileName);
    const QStringList lines = readTextLines(path, recipeWhat(fileName));
    if (lines.isEmpty()) {
        throw StoreError(
            StoreText::tr("The recipe file \"%1\" is empty: its first line should hold "
                          "the recipe's number and description. Restore it from your "
                          "backup, or save the recipe again.")
                .arg(QDir::toNativeSeparators(path)));
    }
    return Recipe{lines.constFirst(), lines.mid(1)};
}

Recipe readOwnRecipeFile(const QString& dataRoot, const QString& number)
{
    const QString fileName = QFileInfo(recipeFilePath(dataRoot, number)).fileName();
    Recipe recipe = readRecipeFile(dataRoot, fileName);
    const QString ownNumber = recipeNumberOf(recipe.line1);
    if (!isOwnRecipeNumber(fileName, ownNumber)) {
        throw StoreError(
            StoreText::tr("The recipe file \"%1\" begins with the number \"%2\", not %3, so "
                          "Vintrelo does not treat it as recipe %3. Correct the first line of "
                          "the file, then try again. Nothing was changed.")
                .arg(fileName, ownNumber, number));
    }
    return recipe;
}

void writeRecipeFile(const QString& dataRoot, const QString& number, const QString& description,
                     const QVector<RecipeRow>& rows, RecipeWrite mode, const Recipe* shown)
{
    // Under the lock, creating refuses a number another copy took meanwhile.
    const FolderLock lock(dataRoot);
    const QString path = recipeFilePath(dataRoot, number);
    const QString folder = recipesFolderFor(dataRoot);
    const QString fileName = QFileInfo(path).fileName();
    const QString scratch = QDir(folder).filePath(QStringLiteral("recipe.new"));
    const QStringList lines = recipeToLines(number, description, rows);
    if (mode == RecipeWrite::Create) {
        createTextFile(path, scratch, lines, recipeWhat(fileName), recipeLineRules());
        return;
    }
    if (!QFileInfo(path).isFile()) {
        throw StoreError(
            StoreText::tr("The recipe file \"%1\" is no longer there, so the changes were "
                          "not saved. Check the recipe folder, or restore the file from "
                          "your backup.")
                .arg(QDir::toNativeSeparators(path)));
    }
    if (shown) {
        const Recipe now = readRecipeFile(dataRoot, fileName);
        if (now.line1 != shown->line1 || now.steps != shown->steps) {
            throw ChangedElsewhere(
                StoreText::tr("The recipe file \"%1\" was changed on another computer since "
                              "you opened it, so your changes were not saved. Note your "
                              "changes, open the recipe again and make them there.")
                    .arg(QDir::toNativeSeparators(path)));
        }
    }
    writeScratchFile(scratch, lines, recipeWhat(fileName), recipeLineRules());
    // Checked again: a file deleted while it was being saved is not brought back.
    if (!QFileInfo(path).isFile()) {
        QFile::remove(scratch);
        throw StoreError(
            StoreText::tr("The recipe file \"%1\" was moved or deleted while Vintrelo was "
                          "saving it, so the changes were not saved. Check the recipe "
                          "folder, or restore the file from your backup.")
                .arg(QDir::toNativeSeparators(path)));
    }
    replaceWithScratch(scratch, path, recipeWhat(fileName));
}

QString nextRecipeNumber(const QString& dataRoot)
{
    const QString folder = recipesFolderFor(dataRoot);
    const QStringList files = listDataFiles(folder, FileSubject(FileSubject::Recipes));
    double highest = 0;
    if (!files.isEmpty()) {
        const QString last = files.constLast();
        highest = std::trunc(
            readLeadingNumber(readFirstLine(QDir(folder).filePath(last), recipeWhat(last))));
    }
    if (highest >= kLastRecipeNumber) {
        throw StoreError(
            StoreText::tr("No new recipe number is left: the last recipe file \"%1\" "
                          "already has number %2, and a recipe number has at most four "
                          "digits. Change one of the existing recipes instead.")
                .arg(files.constLast(), formatPlainNumber(highest)));
    }
    // Compared before the cast: a hand-edited "-1e300" has no int value.
    const int next = (highest < 0 ? 0 : static_cast<int>(highest)) + 1;
    const QString number = QStringLiteral("%1").arg(next, 4, 10, QLatin1Char('0'));
    if (fileExistsAnyCase(folder, number + QStringLiteral(".txt"))) {
        throw StoreError(
            StoreText::tr("Vintrelo cannot offer a new recipe number: the next number, "
                          "%1, already has a recipe file, because the last file in the "
                          "recipe folder, \"%2\", is not a recipe. Move that file out of "
                          "\"%3\", then try again.")
                .arg(number, files.constLast(), QDir::toNativeSeparators(folder)));
    }
    return number;
}

} // namespace store
