#include "store/DataFolder.h"

#include "store/StoreError.h"
#include "store/TextLines.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace store {

QString dataPath(const QString& dataRoot, const QString& relative)
{
    // The first line of the location file may end in a separator already;
    // cleanPath folds the doubled separator into one. A folder copied from a
    // system that ignores letter case may hold "BATCH-ID.TXT" or "misc": each
    // part is taken as the folder spells it, or as given when it is not there.
    QString path = QDir::cleanPath(dataRoot);
    for (const QString& part : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const QString found = existingNameAnyCase(path, part);
        path = QDir(path).filePath(found.isEmpty() ? part : found);
    }
    return QDir::cleanPath(path);
}

QString folderPath(const QString& dataRoot, const QString& folder)
{
    return dataPath(dataRoot, folder);
}

QString miscFilePath(const QString& dataRoot, const QString& fileName)
{
    return dataPath(dataRoot, kMiscFolder + QLatin1Char('/') + fileName);
}

QString findLocationFile(const LocationPlaces& places)
{
    for (const QString& folder : {places.programDir, places.configDir}) {
        if (folder.isEmpty())
            continue;
        const QString name = existingNameAnyCase(folder, kLocationFileName);
        if (!name.isEmpty() && QFileInfo(QDir(folder).filePath(name)).isFile())
            return QDir(folder).filePath(name);
    }
    return QString();
}

DataRootResult loadDataRoot(const LocationPlaces& places)
{
    DataRootResult result;
    result.locationFile = findLocationFile(places);
    if (result.locationFile.isEmpty()) {
        result.problem = DataRootProblem::NoLocationFile;
        result.message =
            StoreText::tr("Vintrelo could not find its location file \"%1\" in \"%2\". "
                          "This file names the folder that holds your batches and "
                          "recipes.")
                .arg(kLocationFileName, QDir::toNativeSeparators(places.programDir));
        return result;
    }

    QStringList lines;
    try {
        lines = readTextLines(result.locationFile, FileSubject(FileSubject::LocationFile));
    } catch (const StoreError& error) {
        result.problem = DataRootProblem::UnreadableLocationFile;
        result.message = error.message();
        return result;
    }
    const QString firstLine = lines.isEmpty() ? QString() : lines.constFirst();
    if (firstLine.isEmpty()) {
        result.problem = DataRootProblem::EmptyFirstLine;
        // A file with lines, the first of them blank, is not "empty".
        result.message =
            (lines.isEmpty()
                 ? StoreText::tr(
                       "The location file \"%1\" is empty: its first line should name the "
                       "folder that holds your batches and recipes.")
                 : StoreText::tr("The location file \"%1\" has an empty first line: that line "
                                 "should name the folder that holds your batches and recipes."))
                .arg(QDir::toNativeSeparators(result.locationFile));
        return result;
    }

    // The line is taken as written; a relative path is read from the location
    // file's own folder rather than from wherever the program was started.
    QString folder = firstLine;
    if (QDir::isRelativePath(folder))
        folder = QFileInfo(result.locationFile).dir().filePath(folder);
    if (!QFileInfo(folder).isDir()) {
        result.problem = DataRootProblem::FolderMissing;
        result.message =
            StoreText::tr("The data folder \"%1\" named in the location file \"%2\" does "
                          "not exist. If it is on a removable or network drive, connect "
                          "the drive and start Vintrelo again.")
                .arg(firstLine, QDir::toNativeSeparators(result.locationFile));
        return result;
    }
    result.dataRoot = folder + QLatin1Char('/');
    return result;
}

QString writeLocationFile(const LocationPlaces& places, const QString& dataFolder)
{
    const QString line = QDir::toNativeSeparators(QDir::cleanPath(dataFolder));
    QString lastError;
    for (const QString& folder : {places.programDir, places.configDir}) {
        if (folder.isEmpty() || !QDir().mkpath(folder))
            continue;
        const QDir dir(folder);
        QString name = existingNameAnyCase(folder, kLocationFileName);
        if (name.isEmpty())
            name = kLocationFileName;
        try {
            const QString scratch = dir.filePath(kLocationFileName + QStringLiteral(".new"));
            LineRules rules;
            rules.fieldOf = [](qsizetype) {
                return LineField{LineField::DataFolderPath, QString(), 0};
            };
            const FileSubject location(FileSubject::LocationFile);
            writeScratchFile(scratch, {line}, location, rules);
            replaceWithScratch(scratch, dir.filePath(name), location);
            return dir.filePath(name);
        } catch (const StoreError& error) {
            lastError = error.message();
        }
    }
    throw StoreError(StoreText::tr("Vintrelo could not write its location file \"%1\" beside the "
                                   "program or in your configuration folder. %2")
                         .arg(kLocationFileName, lastError));
}

QStringList missingDataFolderParts(const QString& dataRoot)
{
    // Names are matched without regard to letter case, as every reader matches them.
    QStringList missing;
    if (!QFileInfo(dataPath(dataRoot, kCounterFile)).isFile())
        missing << kCounterFile;
    for (const QString& folder : {kRecipesFolder, kActiveFolder, kCompletedFolder, kMiscFolder}) {
        if (!QFileInfo(folderPath(dataRoot, folder)).isDir())
            missing << folder;
    }
    for (const QString& file : {kVarietiesFile, kRecipeActionsFile, kChemicalsFile}) {
        if (!QFileInfo(miscFilePath(dataRoot, file)).isFile())
            missing << kMiscFolder + QLatin1Char('/') + file;
    }
    return missing;
}

QStringList listDataFiles(const QString& folder, const FileSubject& what)
{
    const QDir dir(folder);
    if (!QFileInfo(folder).isDir()) {
        throw StoreError(what.say(FileSubject::FolderMissing, {QDir::toNativeSeparators(folder)}));
    }
    // QDir's name filters ignore letter case unless told otherwise.
    QStringList names = dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::NoSort);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int byName = a.compare(b, Qt::CaseInsensitive);
        return byName != 0 ? byName < 0 : a < b;
    });
    return names;
}

QStringList listBatchFiles(const QString& folder, const FileSubject& what)
{
    QStringList names = listDataFiles(folder, what);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString& name) {
                                   return name.compare(kScratchFile, Qt::CaseInsensitive) == 0;
                               }),
                names.end());
    return names;
}

} // namespace store
