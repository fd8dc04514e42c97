#include "backup/DataSnapshot.h"

#include "backup/BackupNames.h"
#include "store/DataFolder.h"
#include "store/FolderLock.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <algorithm>
#include <dirent.h>
#include <optional>
#include <sys/stat.h>

namespace backup {

namespace {

std::function<void()>& betweenPassesHook()
{
    static std::function<void()> hook;
    return hook;
}

// What tells one version of a file from another: a writer replaces a file by
// renaming a new one over it, which changes the inode, and an edit in place
// changes the size or the time.
struct Version
{
    bool folder = false;
    qint64 size = 0;
    qint64 seconds = 0;
    qint64 nanoseconds = 0;
    quint64 inode = 0;

    bool operator==(const Version& other) const
    {
        return folder == other.folder && size == other.size && seconds == other.seconds &&
               nanoseconds == other.nanoseconds && inode == other.inode;
    }
    bool operator!=(const Version& other) const { return !(*this == other); }
};

bool versionOf(const QString& path, Version* version, bool followLink = false)
{
    struct stat info
    {
    };
    const QByteArray name = QFile::encodeName(path);
    if ((followLink ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info)) != 0)
        return false;
    version->folder = S_ISDIR(info.st_mode);
    version->size = info.st_size;
    version->seconds = info.st_mtim.tv_sec;
    version->nanoseconds = info.st_mtim.tv_nsec;
    version->inode = info.st_ino;
    return S_ISDIR(info.st_mode) || S_ISREG(info.st_mode);
}

QString cannotListMessage(const QString& path)
{
    return store::StoreText::tr("Vintrelo could not make a backup, because it cannot read the "
                                "folder \"%1\" in the data folder, or a name in it. Check that "
                                "you may read that folder and that its names are whole, then "
                                "back up again.")
        .arg(shownPath(path));
}

// The folders the program reads its data from: followed through a link, as
// the program itself reads them.
bool isDataFolderPart(const QString& name)
{
    for (const QString& part : {store::kRecipesFolder, store::kActiveFolder,
                                store::kCompletedFolder, store::kMiscFolder}) {
        if (name.compare(part, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

class FolderLister
{
public:
    FolderLister(const QString& root, const QString& skipFolder, QStringList* leftOut)
        : m_root(root), m_skip(skipFolder.isEmpty() ? QString() : QDir::cleanPath(skipFolder)),
          m_leftOut(leftOut)
    {
    }

    QMap<QString, Version> list()
    {
        m_found.clear();
        listFolder(m_root, QString(), true);
        return m_found;
    }

private:
    // Every entry of `path` (its names `prefix` + name), and below its folders.
    void listFolder(const QString& path, const QString& prefix, bool top)
    {
        // A folder that cannot be listed would leave its files out without a word.
        DIR* handle = ::opendir(QFile::encodeName(path).constData());
        if (!handle)
            throw store::StoreError(cannotListMessage(path));
        QList<QByteArray> names;
        while (const dirent* entry = ::readdir(handle)) {
            const QByteArray name(entry->d_name);
            if (name != "." && name != "..")
                names << name;
        }
        ::closedir(handle);
        for (const QByteArray& raw : std::as_const(names)) {
            const QString name = QFile::decodeName(raw);
            const QString full = path + QLatin1Char('/') + name;
            const QString relative = prefix + name;
            if (top && name.compare(store::kLockFile, Qt::CaseInsensitive) == 0)
                continue;
            if (!m_skip.isEmpty() && (QDir::cleanPath(full) == m_skip ||
                                      QDir::cleanPath(full).startsWith(m_skip + QLatin1Char('/'))))
                continue;
            // A name that does not come back as the same bytes cannot be read by it.
            if (QFile::encodeName(name) != raw)
                throw store::StoreError(cannotListMessage(path));
            const bool followed = top && isDataFolderPart(name);
            Version version;
            if (!versionOf(full, &version, followed)) {
                // Links elsewhere and special files: the program reads none of them.
                if (followed)
                    throw store::StoreError(cannotListMessage(full));
                *m_leftOut << relative;
                continue;
            }
            m_found.insert(relative, version);
            if (version.folder)
                listFolder(full, relative + QLatin1Char('/'), false);
        }
    }

    QString m_root;
    QString m_skip;
    QStringList* m_leftOut;
    QMap<QString, Version> m_found;
};

QString cannotReadMessage(const QString& path)
{
    return store::StoreText::tr("Vintrelo could not make a backup, because it cannot read the "
                                "file \"%1\" in the data folder. Check that you may read that "
                                "file, then back up again.")
        .arg(shownPath(path));
}

// The file's bytes, or false when it changed or vanished while it was read.
bool readSteady(const QString& path, const Version& before, QByteArray* bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    Version after;
    return versionOf(path, &after) && after == before && after.size == bytes->size();
}

} // namespace

void setBetweenPassesHook(std::function<void()> hook)
{
    betweenPassesHook() = std::move(hook);
}

DataSnapshot readDataFolder(const QString& dataRoot, const QString& skipFolder)
{
    const QString root = QDir::cleanPath(dataRoot);
    if (!QFileInfo(root).isDir()) {
        throw store::StoreError(
            store::StoreText::tr("Vintrelo could not make a backup, because the data folder "
                                 "\"%1\" is not there. Connect the drive that holds it, then "
                                 "back up again.")
                .arg(shownPath(root)));
    }
    const QDir dir(root);

    // First without the lock: the long part, during which others may save.
    QHash<QString, QPair<Version, QByteArray>> read;
    QStringList leftOut;
    FolderLister lister(root, skipFolder, &leftOut);
    const QMap<QString, Version> first = lister.list();
    for (auto it = first.constBegin(); it != first.constEnd(); ++it) {
        if (it.value().folder) {
            read.insert(it.key(), {it.value(), QByteArray()});
            continue;
        }
        QByteArray bytes;
        if (readSteady(dir.filePath(it.key()), it.value(), &bytes))
            read.insert(it.key(), {it.value(), bytes});
    }

    if (betweenPassesHook())
        betweenPassesHook()();

    DataSnapshot snapshot;
    {
        // Then, under the lock, one look at every entry: what changed since is
        // read again while no one can change it. A folder this user may not
        // write (a read-only share) has no lock to take: no one saves through
        // this mount either, and a backup only reads.
        std::optional<store::FolderLock> lock;
        if (QFileInfo(root).isWritable())
            lock.emplace(root);
        leftOut.clear();
        const QMap<QString, Version> now = lister.list();
        for (auto it = now.constBegin(); it != now.constEnd(); ++it) {
            SnapshotEntry entry;
            entry.relative = it.key();
            entry.folder = it.value().folder;
            entry.modified = static_cast<std::time_t>(it.value().seconds);
            const auto earlier = read.constFind(it.key());
            if (earlier != read.constEnd() && earlier->first == it.value()) {
                entry.bytes = earlier->second;
            } else if (!entry.folder) {
                QFile file(dir.filePath(it.key()));
                if (!file.open(QIODevice::ReadOnly))
                    throw store::StoreError(cannotReadMessage(file.fileName()));
                entry.bytes = file.readAll();
                if (file.error() != QFileDevice::NoError)
                    throw store::StoreError(cannotReadMessage(file.fileName()));
                ++snapshot.reread;
            }
            if (!entry.folder) {
                ++snapshot.files;
                snapshot.bytes += entry.bytes.size();
            }
            snapshot.entries << entry;
        }
    }
    snapshot.leftOut = leftOut;
    return snapshot;
}

} // namespace backup
