#pragma once

#include "backup/DataSnapshot.h"

#include <QDateTime>
#include <QString>
#include <functional>

namespace backup {

// One archive written and verified.
struct BackupRecord
{
    QString path;
    QDateTime made;
    qint64 size = 0; // of the archive
    int files = 0;
};

// Writes the snapshot as "Vintrelo Backup <made>.zip" into `backupFolder`:
// first under a scratch name, then read back whole and every entry compared
// with the bytes and time that were read, flushed to the disk, and only then
// renamed to its name. On any failure no part of it is left and StoreError says
// what happened, naming the folder. The folder is created only when `create`.
BackupRecord writeArchive(const DataSnapshot& snapshot, const QString& backupFolder,
                          const QDateTime& made, bool create);

// Throws the StoreError of writeArchive when the folder is not there.
void requireBackupFolder(const QString& backupFolder);

// For tests: runs after the archive is written under its scratch name and
// before it is read back (a folder that vanishes, a byte that changes).
void setArchiveWrittenHook(std::function<void(const QString& scratchPath)> hook);

// The extra field that keeps a file's modification time to the second (the
// zip's own time keeps even seconds only, in local time).
inline constexpr quint16 kTimeFieldId = 0x5455;

} // namespace backup
