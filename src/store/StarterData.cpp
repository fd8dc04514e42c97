#include "store/StarterData.h"

#include "store/BatchFile.h"
#include "store/DataFolder.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

// Resources compiled into a static library are registered only when asked for.
static void registerStarterResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(starter);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace store {

void initStarterResources()
{
    registerStarterResources();
}

namespace {

const QString kStarterRoot = QStringLiteral(":/starter");

void createFolder(const QString& path)
{
    if (!QDir().mkpath(path)) {
        throw StoreError(STORE_TR("Vintrelo could not create the folder \"%1\". Choose a folder "
                                  "you may write to, then try again.")
                             .arg(QDir::toNativeSeparators(path)));
    }
}

// Creates one file unless a file of that name (in any letter case) is there.
bool createIfMissing(const QString& folder, const QString& relative, const QStringList& lines)
{
    const QString path = QDir(folder).filePath(relative);
    const QFileInfo info(path);
    if (fileExistsAnyCase(info.absolutePath(), info.fileName()))
        return false;
    createTextFile(path, QDir(info.absolutePath()).filePath(QStringLiteral("starter.new")), lines,
                   STORE_TR("the file"));
    return true;
}

} // namespace

QStringList createDataFolder(const QString& folder)
{
    initStarterResources();
    QStringList created;
    // A folder that already holds a counter is a shop's own: it gets what it is
    // missing, but no starter recipes mixed into its numbering.
    const bool newFolder = !fileExistsAnyCase(folder, kCounterFile);
    createFolder(folder);
    for (const QString& sub : {kRecipesFolder, kActiveFolder, kCompletedFolder, kMiscFolder}) {
        if (!QFileInfo(QDir(folder).filePath(sub)).isDir()) {
            createFolder(QDir(folder).filePath(sub));
            created << sub;
        }
    }
    if (createIfMissing(folder, kCounterFile, {QStringLiteral("1")}))
        created << kCounterFile;

    QDirIterator it(kStarterRoot, QDir::Files, QDirIterator::Subdirectories);
    QStringList resources;
    while (it.hasNext())
        resources << it.next();
    resources.sort();
    for (const QString& resource : resources) {
        QFile file(resource);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString relative = resource.mid(kStarterRoot.size() + 1);
        if (!newFolder && relative.startsWith(kRecipesFolder + QLatin1Char('/')))
            continue;
        if (createIfMissing(folder, relative, decodeLines(file.readAll())))
            created << relative;
    }
    return created;
}

} // namespace store
