#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace bench {

// A shop's data folder after years of use, written in the exact file formats:
// half the batches completed and moved, half in progress with their first six
// actions done, and one batch in progress of 200 actions for the editor.
struct Shop
{
    QString base; // holds program/ (with VT.Loc), config/ and data/
    QString programDir;
    QString configDir;
    QString dataFolder;
    QString bigBatchId; // the batch of 200 actions
    // Paths relative to the data folder, for timing cat on the same files.
    QStringList activeFiles;
    QStringList completedFiles;
    QStringList recipeFiles;
};

inline constexpr int kRecipes = 200;
inline constexpr int kActionsPerBatch = 12;
inline constexpr int kBigBatchActions = 200;

// The "today" every run of the program is given, so due lists are reproducible.
QDate shopToday();

// Where the files of a shop of `batches` batch files lie under `base`; the same
// answer for the run that writes the shop and for every run that measures it.
Shop planShop(const QString& base, int batches);

// Writes the shop: the folders, VT.Loc, the counter, the Misc lists, kRecipes
// recipes and the batch files.
void writeShop(const Shop& shop, int batches);

} // namespace bench
