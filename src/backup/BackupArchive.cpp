#include "backup/BackupArchive.h"

#include "backup/BackupNames.h"
#include "backup/ZipHandle.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

namespace backup {

namespace {

using store::StoreError;
using store::StoreText;

std::function<void(const QString&)>& writtenHook()
{
    static std::function<void(const QString&)> hook;
    return hook;
}

QString writeFailed(const QString& folder, const QString& why)
{
    return StoreText::tr("Vintrelo could not write a backup into the folder \"%1\" (%2). No "
                         "part of that backup was kept, and your data folder is unchanged. "
                         "Check that the folder is there and that its disk has room (a USB "
                         "stick may have been pulled out), or choose another backup folder on "
                         "the Backups screen.")
        .arg(shownPath(folder), why);
}

QString checkFailed(const QString& folder, const QString& entry)
{
    return StoreText::tr("Vintrelo wrote a backup into the folder \"%1\", but reading it back "
                         "gave a different \"%2\", so the backup was not kept. The disk of that "
                         "folder may be failing: choose another backup folder on the Backups "
                         "screen.")
        .arg(shownPath(folder), entry);
}

QByteArray timeField(std::time_t modified)
{
    // Flags (modification time present), then the time in seconds, little-endian.
    const auto seconds = static_cast<quint32>(modified);
    QByteArray field(5, '\0');
    field[0] = 1;
    for (int i = 0; i < 4; ++i)
        field[1 + i] = static_cast<char>((seconds >> (8 * i)) & 0xff);
    return field;
}

void addEntries(zip* archive, const DataSnapshot& snapshot, const QString& folder)
{
    for (const SnapshotEntry& entry : snapshot.entries) {
        const QByteArray name = entry.relative.toUtf8();
        zip_int64_t index = -1;
        if (entry.folder) {
            index = zip_dir_add(archive, name.constData(), ZIP_FL_ENC_UTF_8);
        } else {
            zip_source_t* source = zip_source_buffer(
                archive, entry.bytes.constData(), static_cast<zip_uint64_t>(entry.bytes.size()), 0);
            if (source) {
                index = zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8);
                if (index < 0)
                    zip_source_free(source);
            }
        }
        const QByteArray time = timeField(entry.modified);
        const zip_uint32_t mode = entry.folder ? (S_IFDIR | 0755) : (S_IFREG | 0644);
        if (index < 0 || zip_file_set_mtime(archive, index, entry.modified, 0) != 0 ||
            zip_file_extra_field_set(archive, index, kTimeFieldId, ZIP_EXTRA_FIELD_NEW,
                                     reinterpret_cast<const zip_uint8_t*>(time.constData()),
                                     static_cast<zip_uint16_t>(time.size()),
                                     ZIP_FL_LOCAL | ZIP_FL_CENTRAL) != 0 ||
            zip_file_set_external_attributes(archive, index, 0, ZIP_OPSYS_UNIX, mode << 16) != 0) {
            throw StoreError(writeFailed(folder, QString::fromLocal8Bit(zip_strerror(archive))));
        }
    }
    if (zip_set_archive_comment(archive, kArchiveComment,
                                static_cast<zip_uint16_t>(qstrlen(kArchiveComment))) != 0)
        throw StoreError(writeFailed(folder, QString::fromLocal8Bit(zip_strerror(archive))));
}

// Reads the archive back and compares every entry with what was read.
void verify(const QString& path, const DataSnapshot& snapshot, const QString& folder)
{
    ZipHandle archive;
    QString problem;
    if (!archive.open(path, ZIP_RDONLY | ZIP_CHECKCONS, &problem))
        throw StoreError(checkFailed(folder, QFileInfo(path).fileName()));
    zip* z = archive.get();
    if (zip_get_num_entries(z, 0) != snapshot.entries.size())
        throw StoreError(checkFailed(folder, QFileInfo(path).fileName()));
    QByteArray read;
    for (qsizetype i = 0; i < snapshot.entries.size(); ++i) {
        const SnapshotEntry& entry = snapshot.entries.at(i);
        const auto index = static_cast<zip_uint64_t>(i);
        const QString expected = entry.relative + (entry.folder ? QStringLiteral("/") : QString());
        const char* name = zip_get_name(z, index, ZIP_FL_ENC_RAW);
        zip_uint16_t length = 0;
        const zip_uint8_t* time =
            zip_file_extra_field_get_by_id(z, index, kTimeFieldId, 0, &length, ZIP_FL_CENTRAL);
        if (!name || QString::fromUtf8(name) != expected || !time ||
            QByteArray(reinterpret_cast<const char*>(time), length) != timeField(entry.modified))
            throw StoreError(checkFailed(folder, entry.relative));
        if (entry.folder)
            continue;
        zip_file_t* file = zip_fopen_index(z, index, 0);
        if (!file)
            throw StoreError(checkFailed(folder, entry.relative));
        // One byte more than expected shows an entry that is too long.
        read.resize(entry.bytes.size() + 1);
        const zip_int64_t got =
            zip_fread(file, read.data(), static_cast<zip_uint64_t>(read.size()));
        const bool closed = zip_fclose(file) == 0;
        if (!closed || got != entry.bytes.size() ||
            std::memcmp(read.constData(), entry.bytes.constData(),
                        static_cast<size_t>(entry.bytes.size())) != 0)
            throw StoreError(checkFailed(folder, entry.relative));
    }
}

bool flushToDisk(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && ::fsync(file.handle()) == 0;
}

} // namespace

void setArchiveWrittenHook(std::function<void(const QString&)> hook)
{
    writtenHook() = std::move(hook);
}

void requireBackupFolder(const QString& backupFolder)
{
    const QString folderPath = QDir::cleanPath(backupFolder);
    if (!QFileInfo(folderPath).isDir())
        throw StoreError(writeFailed(folderPath, StoreText::tr("the folder is not there")));
}

BackupRecord writeArchive(const DataSnapshot& snapshot, const QString& backupFolder,
                          const QDateTime& made, bool create)
{
    const QString folderPath = QDir::cleanPath(backupFolder);
    // An archive that its own restore would refuse is no backup at all.
    QStringList unrestorable;
    for (const SnapshotEntry& entry : snapshot.entries) {
        if (!restorableName(entry.relative))
            unrestorable << entry.relative;
    }
    if (!unrestorable.isEmpty()) {
        throw StoreError(
            StoreText::tr("Vintrelo did not make a backup into \"%1\", because the data folder "
                          "holds names a restore could not give back: %2. Rename them, then back "
                          "up again on the Backups screen.")
                .arg(shownPath(folderPath), unrestorable.join(QStringLiteral(", "))));
    }
    if (create && !QDir().mkpath(folderPath))
        throw StoreError(writeFailed(folderPath, StoreText::tr("the folder cannot be created")));
    requireBackupFolder(folderPath);
    const QDir folder(folderPath);
    removeLeftScratch(folderPath, {QStringLiteral("Vintrelo Backup *.zip")});

    int copy = 1;
    while (QFileInfo::exists(folder.filePath(archiveName(made, copy))))
        ++copy;
    QString finalPath = folder.filePath(archiveName(made, copy));
    const QString scratch = scratchPath(finalPath);

    try {
        ZipHandle archive;
        QString problem;
        if (!archive.open(scratch, ZIP_CREATE | ZIP_TRUNCATE, &problem))
            throw StoreError(writeFailed(folderPath, problem));
        addEntries(archive.get(), snapshot, folderPath);
        if (!archive.close(&problem))
            throw StoreError(writeFailed(folderPath, problem));
        if (writtenHook())
            writtenHook()(scratch);
        verify(scratch, snapshot, folderPath);
        if (!flushToDisk(scratch))
            throw StoreError(
                writeFailed(folderPath, StoreText::tr("it could not be flushed to the disk")));
        // Another PC may have given an archive of this minute its name meanwhile:
        // the next copy number is free, and nothing is ever replaced.
        while (!QFile::rename(scratch, finalPath)) {
            if (!QFileInfo::exists(finalPath) || !QFileInfo::exists(scratch))
                throw StoreError(
                    writeFailed(folderPath, StoreText::tr("it could not be given its name \"%1\"")
                                                .arg(QFileInfo(finalPath).fileName())));
            finalPath = folder.filePath(archiveName(made, ++copy));
        }
    } catch (const StoreError&) {
        QFile::remove(scratch);
        // Whatever failed, a folder that went away (a stick pulled out) is the cause.
        if (!QFileInfo(folderPath).isDir())
            throw StoreError(writeFailed(
                folderPath, StoreText::tr("the folder went away while it was written")));
        throw;
    } catch (...) {
        QFile::remove(scratch);
        throw;
    }

    BackupRecord record;
    record.path = finalPath;
    record.made = made;
    record.size = QFileInfo(finalPath).size();
    record.files = snapshot.files;
    return record;
}

} // namespace backup
