#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <ctime>
#include <functional>

namespace backup {

// One file or folder of the data folder as it was read.
struct SnapshotEntry
{
    QString relative; // with '/' separators, folders without a trailing one
    bool folder = false;
    QByteArray bytes; // a file's contents
    std::time_t modified = 0;
};

// Every file and folder under a data folder, read into memory, in one state of
// the folder: files are read without the folder's lock, then under the lock
// (held only for that) every entry is looked at again and whatever another copy
// of the program changed meanwhile is read once more. So the backup never holds
// up another computer's saving for longer than that look, and a file changed
// while it was read never makes the backup fail.
//
// The four folders are read through a link, as the program reads them; other
// links and special files are left out (and listed), and so are the lock file
// and `skipFolder`, when the backup folder lies inside the data folder. Throws
// StoreError naming a file or folder that cannot be read or listed.
struct DataSnapshot
{
    QVector<SnapshotEntry> entries; // sorted by relative path
    qint64 bytes = 0;
    int files = 0;
    int reread = 0; // files read again under the lock because they changed
    // Links outside the four folders and special files, which the program
    // never reads: not in the archive, and named to the user.
    QStringList leftOut;
};

// For tests: runs between the read without the lock and the look under it.
void setBetweenPassesHook(std::function<void()> hook);

DataSnapshot readDataFolder(const QString& dataRoot, const QString& skipFolder = QString());

} // namespace backup
