#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

namespace backup {

inline constexpr int kDailyKept = 14;
inline constexpr int kWeeklyKept = 8;
inline constexpr int kMonthlyKept = 12;

struct ArchiveFile
{
    QString name;
    QDateTime made;
    int copy = 1; // of its minute
};

// The program's archives in a folder (by name), newest first.
QVector<ArchiveFile> listArchives(const QString& backupFolder);

// Which of `archives` are kept: the newest of each of the newest 14 days, 8
// weeks and 12 months that have archives. An archive dated after `today` (a
// clock set wrong) is kept and counts for nothing. Returns the names kept.
QStringList archivesKept(const QVector<ArchiveFile>& archives, const QDate& today);

// Deletes the program's archives of the folder that are not kept, but only
// those older than `verified` (the archive just written and verified). Only
// archives that carry the program's comment and open whole are ranked: a file
// someone else named like one neither is deleted nor takes a genuine one's
// place. While any archive is dated after `verified` (a clock set wrong, now or
// then) nothing is deleted, and `withheld` says why. Returns the names
// deleted; an archive that cannot be deleted stays for the next time.
QStringList rotateArchives(const QString& backupFolder, const QDate& today,
                           const QDateTime& verified, QString* withheld = nullptr);

// True when the archive carries the comment the program writes.
bool writtenByVintrelo(const QString& archivePath);

} // namespace backup
