#pragma once

#include <QString>

namespace backup {

struct ArchiveCheck
{
    int files = 0;
    int folders = 0;
    qint64 bytes = 0;
};

// Checks an archive whole before anything is restored from it: it opens as a
// zip, every entry reads back with its checksum, every name stays inside the
// folder it is restored into (no absolute path, no "..", no drive, no
// backslash), no entry is a link or anything but a file or folder, and it holds
// a data folder ("Batch-ID.txt" at its top). Throws StoreError naming the
// archive otherwise.
ArchiveCheck checkArchive(const QString& archivePath);

// Checks the archive, then writes it into `targetFolder`, which must not exist:
// into a scratch folder beside it first, with every file flushed to the disk
// and given its modification time, then renamed. On failure the scratch folder
// is removed and nothing else was touched; StoreError says what happened.
ArchiveCheck restoreArchive(const QString& archivePath, const QString& targetFolder);

} // namespace backup
