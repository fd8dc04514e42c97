#include "store/StarterData.h"

#include "store/BatchFile.h"
#include "store/DataFolder.h"
#include "store/FolderLock.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <optional>

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

// What one set-up has created so far, so that a set-up that fails part way
// can take it away again and leave the folder as it found it.
class CreatedSoFar
{
public:
    void folder(const QString& path) { m_folders.prepend(path); }
    void file(const QString& path) { m_files << path; }
    void takeAway() const
    {
        for (const QString& file : m_files)
            QFile::remove(file);
        for (const QString& folder : m_folders)
            QDir().rmdir(folder); // only while empty: never anything of the shop's
    }

private:
    QStringList m_files;
    QStringList m_folders; // innermost first
};

void createFolder(const QString& path, CreatedSoFar& created)
{
    // mkpath may make parents too; each is noted, outermost first.
    QStringList missing;
    for (QString at = QDir::cleanPath(path); !at.isEmpty() && !QFileInfo::exists(at);) {
        missing.prepend(at);
        const QString parent = QFileInfo(at).path();
        if (parent == at)
            break;
        at = parent;
    }
    if (!QDir().mkpath(path)) {
        throw StoreError(
            StoreText::tr("Vintrelo could not create the folder \"%1\". Choose a folder "
                          "you may write to, then try again.")
                .arg(QDir::toNativeSeparators(path)));
    }
    for (const QString& folder : missing)
        created.folder(folder);
}

// Creates one file unless a file of that name (in any letter case) is there.
bool createIfMissing(const QString& folder, const QString& relative, const QStringList& lines,
                     CreatedSoFar& created)
{
    const QString path = dataPath(folder, relative);
    const QFileInfo info(path);
    if (fileExistsAnyCase(info.absolutePath(), info.fileName()))
        return false;
    createTextFile(path, QDir(info.absolutePath()).filePath(QStringLiteral("starter.new")), lines,
                   FileSubject(FileSubject::StarterFile, QDir::toNativeSeparators(relative)));
    created.file(path);
    return true;
}

} // namespace

QStringList createDataFolder(const QString& folder)
{
    initStarterResources();
    QStringList created;
    CreatedSoFar made;
    // A folder that already holds a counter is a shop's own: it gets what it is
    // missing, but no starter recipes mixed into its numbering.
    const bool newFolder = !fileExistsAnyCase(folder, kCounterFile);
    std::optional<FolderLock> lock;
    try {
        createFolder(folder, made);
        // Another copy setting up the same shared folder waits, then finds the
        // files there and leaves them alone.
        lock.emplace(folder);
        for (const QString& sub : {kRecipesFolder, kActiveFolder, kCompletedFolder, kMiscFolder}) {
            if (!QFileInfo(dataPath(folder, sub)).isDir()) {
                createFolder(QDir(folder).filePath(sub), made);
                created << sub;
            }
        }

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
            if (createIfMissing(folder, relative, decodeLines(file.readAll()), made))
                created << relative;
        }
        // The counter comes last: a folder holding one is taken as set up, and
        // would get no starter recipes on a second try.
        if (createIfMissing(folder, kCounterFile, {QStringLiteral("1")}, made))
            created << kCounterFile;
    } catch (const StoreError&) {
        lock.reset(); // the lock file must not stop the folder being taken away
        made.takeAway();
        throw;
    }
    return created;
}

} // namespace store
