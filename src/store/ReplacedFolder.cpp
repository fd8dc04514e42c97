#include "store/ReplacedFolder.h"

#include "store/DataFolder.h"
#include "store/FolderLock.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <QDir>
#include <QFileInfo>

namespace store {

namespace {

QString markerPath(const QString& dataRoot)
{
    return QDir(dataRoot).filePath(kReplacedMarkerFile);
}

// Named in messages by its path, as a file of the folder's own making.
FileSubject markerSubject(const QString& dataRoot)
{
    return FileSubject(FileSubject::StarterFile, QDir::toNativeSeparators(markerPath(dataRoot)));
}

} // namespace

void markFolderReplaced(const QString& oldRoot, const QString& restoredFolder)
{
    const FolderLock lock(oldRoot);
    const QString folder = QDir::cleanPath(restoredFolder);
    const QString scratch = markerPath(oldRoot) + QStringLiteral(".new");
    writeScratchFile(scratch, {QFileInfo(folder).fileName(), folder}, markerSubject(oldRoot));
    replaceWithScratch(scratch, markerPath(oldRoot), markerSubject(oldRoot));
}

bool folderWasReplaced(const QString& dataRoot)
{
    return QFileInfo::exists(markerPath(dataRoot));
}

QString replacingFolder(const QString& dataRoot)
{
    QStringList lines;
    try {
        lines = readTextLines(markerPath(dataRoot), markerSubject(dataRoot));
    } catch (const StoreError&) {
        return QString();
    }
    const QString beside =
        lines.value(0).isEmpty()
            ? QString()
            : QDir(QFileInfo(QDir::cleanPath(dataRoot)).absolutePath()).filePath(lines.value(0));
    if (!beside.isEmpty() && QFileInfo(beside).isDir())
        return beside;
    return QFileInfo(lines.value(1)).isDir() ? lines.value(1) : QString();
}

} // namespace store
