#include "backup/BackupRestore.h"

#include "backup/BackupArchive.h"
#include "backup/BackupNames.h"
#include "backup/ZipHandle.h"
#include "store/DataFolder.h"
#include "store/StoreError.h"
#include "store/TextNumber.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QVector>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

namespace backup {

namespace {

using store::StoreError;
using store::StoreText;

QString refused(const QString& archive, const QString& why)
{
    return StoreText::tr("Vintrelo cannot restore \"%1\": %2. Nothing was restored and "
                         "nothing was changed.")
        .arg(shownPath(archive), why);
}

struct Entry
{
    QString name;
    bool folder = false;
    std::time_t modified = 0;
};

// A counter as the program reads one: a whole number of batches, 1 or more, at
// the start of its first line.
bool holdsBatchNumber(const QByteArray& bytes)
{
    const QString first =
        QString::fromUtf8(bytes.left(64)).section(QLatin1Char('\n'), 0, 0).trimmed();
    return !first.isEmpty() && first.at(0).isDigit() && store::readLeadingNumber(first) >= 1;
}

// The start of a file's first line, for a message.
QString quotedStart(const QByteArray& bytes)
{
    const QString first =
        QString::fromUtf8(bytes.left(64)).section(QLatin1Char('\n'), 0, 0).trimmed();
    return first.size() > 40 ? first.left(39) + QChar(0x2026) : first;
}

std::time_t entryTime(zip* z, zip_uint64_t index, const zip_stat_t& stat)
{
    zip_uint16_t length = 0;
    const zip_uint8_t* field =
        zip_file_extra_field_get_by_id(z, index, kTimeFieldId, 0, &length, ZIP_FL_CENTRAL);
    if (field && length >= 5 && (field[0] & 1)) {
        quint32 seconds = 0;
        for (int i = 0; i < 4; ++i)
            seconds |= quint32(field[1 + i]) << (8 * i);
        return static_cast<std::time_t>(seconds);
    }
    return (stat.valid & ZIP_STAT_MTIME) ? stat.mtime : 0;
}

// Every entry, checked; `write` (when set) receives each file's bytes.
QVector<Entry> readEntries(const QString& archivePath, ArchiveCheck* check,
                           const std::function<void(const Entry&, const QByteArray&)>& write)
{
    ZipHandle archive;
    QString problem;
    if (!QFileInfo(archivePath).isFile())
        throw StoreError(refused(archivePath, StoreText::tr("the file is not there")));
    if (!archive.open(archivePath, ZIP_RDONLY | ZIP_CHECKCONS, &problem)) {
        throw StoreError(refused(
            archivePath, StoreText::tr("it is damaged or is not a zip archive (%1)").arg(problem)));
    }
    zip* z = archive.get();
    const zip_int64_t count = zip_get_num_entries(z, 0);
    QVector<Entry> entries;
    QSet<QString> seen;  // every name, case-folded
    QSet<QString> files; // the names of files, case-folded
    bool counter = false;
    QByteArray bytes;
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(z, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME))
            throw StoreError(refused(archivePath, StoreText::tr("it is damaged")));
        const QString name = QString::fromUtf8(stat.name);
        if (!restorableName(name)) {
            throw StoreError(
                refused(archivePath,
                        StoreText::tr("it holds \"%1\", a name that would lie outside the restored "
                                      "folder")
                            .arg(name)));
        }
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        zip_file_get_external_attributes(z, index, 0, &system, &attributes);
        const bool folder = name.endsWith(QLatin1Char('/'));
        if (system == ZIP_OPSYS_UNIX) {
            const zip_uint32_t type = (attributes >> 16) & S_IFMT;
            if (type != 0 && type != (folder ? S_IFDIR : S_IFREG)) {
                throw StoreError(refused(
                    archivePath,
                    StoreText::tr("it holds \"%1\", which is a link or a special file, not a "
                                  "file or folder")
                        .arg(name)));
            }
        }
        Entry entry;
        entry.name = folder ? name.chopped(1) : name;
        entry.folder = folder;
        entry.modified = entryTime(z, index, stat);
        // The program finds its files without regard to letter case, so two
        // names that differ only in case would be one file to it.
        const QString folded = entry.name.toCaseFolded();
        if (seen.contains(folded))
            throw StoreError(
                refused(archivePath, StoreText::tr("it holds \"%1\" twice").arg(entry.name)));
        seen.insert(folded);
        if (!folder)
            files.insert(folded);
        if (folder) {
            ++check->folders;
        } else {
            if (entry.name.compare(store::kCounterFile, Qt::CaseInsensitive) == 0)
                counter = true;
            zip_file_t* file = zip_fopen_index(z, index, 0);
            bytes.clear();
            bool good = file != nullptr;
            char buffer[65536];
            while (good) {
                const zip_int64_t got = zip_fread(file, buffer, sizeof buffer);
                if (got < 0)
                    good = false;
                else if (got == 0)
                    break;
                else
                    bytes.append(buffer, static_cast<qsizetype>(got));
            }
            if (file && zip_fclose(file) != 0)
                good = false;
            if (!good || ((stat.valid & ZIP_STAT_SIZE) && stat.size != zip_uint64_t(bytes.size())))
                throw StoreError(refused(
                    archivePath,
                    StoreText::tr("its entry \"%1\" cannot be read back whole: the archive is "
                                  "damaged")
                        .arg(name)));
            if (entry.name.compare(store::kCounterFile, Qt::CaseInsensitive) == 0 &&
                !holdsBatchNumber(bytes)) {
                throw StoreError(refused(
                    archivePath, StoreText::tr("its \"%1\" does not hold the number of the next "
                                               "batch (\"%2\"), so batches restored from it would "
                                               "be numbered wrongly")
                                     .arg(entry.name, quotedStart(bytes))));
            }
            ++check->files;
            check->bytes += bytes.size();
            if (write)
                write(entry, bytes);
        }
        entries << entry;
    }
    // A file that another entry takes for a folder could not be written.
    for (const Entry& entry : std::as_const(entries)) {
        const QString folded = entry.name.toCaseFolded();
        for (qsizetype slash = folded.indexOf(QLatin1Char('/')); slash > 0;
             slash = folded.indexOf(QLatin1Char('/'), slash + 1)) {
            if (files.contains(folded.left(slash))) {
                throw StoreError(refused(
                    archivePath, StoreText::tr("it holds \"%1\" both as a file and as a folder")
                                     .arg(entry.name.left(slash))));
            }
        }
    }
    if (!counter) {
        throw StoreError(
            refused(archivePath, StoreText::tr("it is not a backup of a Vintrelo data folder (it "
                                               "holds no \"%1\")")
                                     .arg(store::kCounterFile)));
    }
    return entries;
}

void setTime(const QString& path, std::time_t modified)
{
    struct timespec times[2];
    times[0].tv_sec = modified;
    times[0].tv_nsec = 0;
    times[1] = times[0];
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

} // namespace

ArchiveCheck checkArchive(const QString& archivePath)
{
    ArchiveCheck check;
    readEntries(archivePath, &check, {});
    return check;
}

ArchiveCheck restoreArchive(const QString& archivePath, const QString& targetFolder)
{
    checkArchive(archivePath);
    const QString target = QDir::cleanPath(targetFolder);
    // What a restore stopped halfway left beside it is no one's any more.
    removeLeftScratch(QFileInfo(target).absolutePath(),
                      {QStringLiteral("Vintrelo Data restored *")});
    const QString scratch = scratchPath(target);
    const auto cannotWrite = [&](const QString& what) {
        return StoreText::tr("Vintrelo could not restore \"%1\" into the new folder \"%2\", "
                             "because it cannot write \"%3\". Nothing was restored and your "
                             "data folder is unchanged. Check that the disk has room, then try "
                             "again.")
            .arg(shownPath(archivePath), shownPath(target), what);
    };
    if (QFileInfo::exists(target) || QFileInfo::exists(scratch) || !QDir().mkdir(scratch))
        throw StoreError(cannotWrite(shownPath(QFileInfo::exists(target) ? target : scratch)));

    const QDir dir(scratch);
    ArchiveCheck written;
    try {
        const QVector<Entry> entries =
            readEntries(archivePath, &written, [&](const Entry& entry, const QByteArray& bytes) {
                const QString path = dir.filePath(entry.name);
                QFile file(path);
                if (!QDir().mkpath(QFileInfo(path).absolutePath()) ||
                    !file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
                    file.write(bytes) != bytes.size() || !file.flush())
                    throw StoreError(cannotWrite(entry.name));
                file.close();
                setTime(path, entry.modified);
            });
        // Folders last, deepest first, since writing into a folder changes its time.
        for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
            if (!it->folder)
                continue;
            const QString path = dir.filePath(it->name);
            if (!QDir().mkpath(path))
                throw StoreError(cannotWrite(it->name));
            setTime(path, it->modified);
        }
        // One flush of the whole disk instead of one per file: thousands of
        // small files restore in seconds, and all of them are on the disk
        // before the folder gets its name.
        const int folderHandle = ::open(QFile::encodeName(scratch).constData(), O_RDONLY);
        const bool flushed = folderHandle >= 0 && ::syncfs(folderHandle) == 0;
        if (folderHandle >= 0)
            ::close(folderHandle);
        if (!flushed)
            throw StoreError(cannotWrite(shownPath(scratch)));
        if (!QDir().rename(scratch, target))
            throw StoreError(cannotWrite(shownPath(target)));
    } catch (...) {
        QDir(scratch).removeRecursively();
        throw;
    }
    return written;
}

} // namespace backup
