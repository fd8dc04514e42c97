#pragma once

#include "store/FileSubject.h"

#include <QString>
#include <QStringList>

namespace store {

// Names in the data folder. Paths are always joined with QDir, never with a
// hard-coded separator.
inline const QString kLocationFileName = QStringLiteral("VT.Loc");
inline const QString kCounterFile = QStringLiteral("Batch-ID.txt");
inline const QString kRecipesFolder = QStringLiteral("Recipes");
inline const QString kActiveFolder = QStringLiteral("Active Batches");
inline const QString kCompletedFolder = QStringLiteral("Completed Batches");
inline const QString kMiscFolder = QStringLiteral("Misc");
inline const QString kScratchFile = QStringLiteral("temp.txt");
inline const QString kVarietiesFile = QStringLiteral("Varieties.txt");
inline const QString kRecipeActionsFile = QStringLiteral("Recipe Actions.txt");
inline const QString kChemicalsFile = QStringLiteral("Chemical Ingredients.txt");

// `DataRoot` joined with a relative path ("Recipes", "Misc/Varieties.txt"),
// each part of it matched without regard to letter case where the folder holds
// it in another ("misc/VARIETIES.TXT"), and kept as given where it does not.
QString dataPath(const QString& dataRoot, const QString& relative);
QString folderPath(const QString& dataRoot, const QString& folder);
QString miscFilePath(const QString& dataRoot, const QString& fileName);

// Where the location file is looked for: beside the program first, then in the
// user's configuration folder (used when the program's folder is read-only).
struct LocationPlaces
{
    QString programDir;
    QString configDir;
};
QString findLocationFile(const LocationPlaces& places); // empty when there is none

// Why a data folder cannot be used, so the start-up can offer the first-run set-up.
enum class DataRootProblem
{
    None,
    NoLocationFile,
    UnreadableLocationFile,
    EmptyFirstLine,
    FolderMissing
};

struct DataRootResult
{
    QString dataRoot;     // first line of the location file and one separator
    QString locationFile; // the file that was read
    DataRootProblem problem = DataRootProblem::None;
    QString message; // for the user, when problem is not None
};

// Reads the first line of the location file (taken as read, no trimming) and
// checks that it names an existing folder. Never throws.
DataRootResult loadDataRoot(const LocationPlaces& places);

// Writes a location file naming `dataFolder`: beside the program when that folder
// can be written, otherwise in the configuration folder. Returns the file written;
// throws StoreError when neither can be written.
QString writeLocationFile(const LocationPlaces& places, const QString& dataFolder);

// The parts a usable data folder holds that are missing from this one
// (relative names such as "Batch-ID.txt" or "Misc/Varieties.txt").
QStringList missingDataFolderParts(const QString& dataRoot);

// Names of the files in `folder` matching "*.TXT" in any letter case, sorted by
// name without regard to case. Names only, never "." or "..". A missing folder
// throws StoreError.
QStringList listDataFiles(const QString& folder, const FileSubject& what);

// The batch files of a batch folder: as listDataFiles, without the scratch file.
QStringList listBatchFiles(const QString& folder, const FileSubject& what);

} // namespace store
