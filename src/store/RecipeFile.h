#pragma once

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

namespace store {

// A recipe file: line 1 is number, " - ", description; every further line one
// step in fixed columns: "Day " and the day filled to column 17, "* ", the action.
struct Recipe
{
    QString line1;
    QStringList steps;
};

QString recipeFolderPath(const QString& dataRoot);

// True for exactly four decimal digits; no other text ever becomes a recipe path.
bool isRecipeNumber(const QString& number);

// True when `number`, as line 1 of the file begins, is the recipe number that
// names the file. Only such a file is opened for changing: saving writes the file
// of the number in line 1, which must never be another recipe's file.
bool isOwnRecipeNumber(const QString& fileName, const QString& number);

// The file of a recipe number. Throws StoreError when the number is not four
// digits, so that a hand-edited batch header can never lead outside the folder.
QString recipeFilePath(const QString& dataRoot, const QString& recipeNumber);

// Column rules of the readers.
QString recipeNumberOf(const QString& line1);      // first 4 characters
QString recipeDescriptionOf(const QString& line1); // from column 8 to the end
QString editorDayOf(const QString& step);          // columns 5-14, trimmed
QString editorActionOf(const QString& step);       // column 19 to the end, trimmed
QString scheduleDayOf(const QString& step);        // first 17 characters trimmed, from column 5
QString scheduleActionOf(const QString& step);     // column 20 to the end, unchanged

// A step line from the editor's cells: both trimmed, the day cut to 13 characters.
QString recipeStepLine(const QString& day, const QString& action);

// The lines of a recipe file. Rows with an exactly empty day or action are left
// out; cells holding only blanks count as filled.
using RecipeRow = QPair<QString, QString>; // day cell, action cell
QStringList recipeToLines(const QString& number, const QString& description,
                          const QVector<RecipeRow>& rows);

// Reads a recipe by its file name in the recipe folder. Throws StoreError naming
// the file when it is missing, unreadable or empty.
Recipe readRecipeFile(const QString& dataRoot, const QString& fileName);

// Reads the recipe file of `number` and checks it is that recipe's own: its line 1
// must begin with the number that names the file. Throws StoreError otherwise.
Recipe readOwnRecipeFile(const QString& dataRoot, const QString& number);

// Writes a recipe file whole, through a scratch file and one rename.
// Create refuses an existing file of that number; Replace requires it to exist.
enum class RecipeWrite
{
    Create,
    Replace
};
// Replace with `shown` (the recipe as the screen read it) refuses, with
// ChangedElsewhere, a file another copy changed since.
void writeRecipeFile(const QString& dataRoot, const QString& number, const QString& description,
                     const QVector<RecipeRow>& rows, RecipeWrite mode,
                     const Recipe* shown = nullptr);

// The number offered for a new recipe: the number at the start of line 1 of the
// last listed recipe file, plus one, as four digits ("0001" for an empty folder).
// Throws StoreError when that would pass 9999 or names a file that exists.
QString nextRecipeNumber(const QString& dataRoot);

} // namespace store
