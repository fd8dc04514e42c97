#include "backup/BackupRotation.h"

#include "backup/BackupNames.h"
#include "backup/ZipHandle.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <algorithm>
#include <zip.h>

namespace backup {

namespace {

bool newerFirst(const ArchiveFile& a, const ArchiveFile& b)
{
    return a.made != b.made ? a.made > b.made : a.copy > b.copy;
}

} // namespace

QVector<ArchiveFile> listArchives(const QString& backupFolder)
{
    QVector<ArchiveFile> archives;
    const QDir folder(backupFolder);
    for (const QString& name :
         folder.entryList({QStringLiteral("Vintrelo Backup *.zip")}, QDir::Files)) {
        const QDateTime made = archiveTime(name);
        if (made.isValid())
            archives << ArchiveFile{name, made, archiveCopy(name)};
    }
    std::sort(archives.begin(), archives.end(), newerFirst);
    return archives;
}

QStringList archivesKept(const QVector<ArchiveFile>& archives, const QDate& today)
{
    QVector<ArchiveFile> newestFirst = archives;
    std::sort(newestFirst.begin(), newestFirst.end(), newerFirst);
    QStringList kept;
    QSet<qint64> days;
    QSet<qint64> weeks;
    QSet<qint64> months;
    for (const ArchiveFile& archive : std::as_const(newestFirst)) {
        const QDate date = archive.made.date();
        if (date > today) {
            kept << archive.name;
            continue;
        }
        int weekYear = 0;
        const int week = date.weekNumber(&weekYear);
        const qint64 day = date.toJulianDay();
        const qint64 weekKey = qint64(weekYear) * 100 + week;
        const qint64 monthKey = qint64(date.year()) * 100 + date.month();
        // Every archive of today stays until tomorrow: one made this morning is
        // still a restore point after "Back up now" or a restore.
        bool keep = date == today;
        // The first archive met of a day, week or month is its newest.
        if (!days.contains(day) && days.size() < kDailyKept) {
            days.insert(day);
            keep = true;
        }
        if (!weeks.contains(weekKey) && weeks.size() < kWeeklyKept) {
            weeks.insert(weekKey);
            keep = true;
        }
        if (!months.contains(monthKey) && months.size() < kMonthlyKept) {
            months.insert(monthKey);
            keep = true;
        }
        if (keep)
            kept << archive.name;
    }
    return kept;
}

namespace {

// The program's own archive, whole as far as its directory tells.
bool isGenuineArchive(const QString& archivePath)
{
    ZipHandle archive;
    QString problem;
    return archive.open(archivePath, ZIP_RDONLY | ZIP_CHECKCONS, &problem) &&
           writtenByVintrelo(archivePath);
}

} // namespace

bool writtenByVintrelo(const QString& archivePath)
{
    ZipHandle archive;
    QString problem;
    if (!archive.open(archivePath, ZIP_RDONLY, &problem))
        return false;
    int length = 0;
    const char* comment = zip_get_archive_comment(archive.get(), &length, ZIP_FL_ENC_RAW);
    return comment && QByteArray(comment, length) == QByteArray(kArchiveComment);
}

QStringList rotateArchives(const QString& backupFolder, const QDate& today,
                           const QDateTime& verified, QString* withheld)
{
    const QDir folder(backupFolder);
    QVector<ArchiveFile> archives;
    for (const ArchiveFile& archive : listArchives(backupFolder)) {
        if (isGenuineArchive(folder.filePath(archive.name)))
            archives << archive;
    }
    for (const ArchiveFile& archive : std::as_const(archives)) {
        if (archive.made > verified) {
            if (withheld) {
                *withheld = store::StoreText::tr(
                                "Vintrelo kept every older backup in \"%1\", because the "
                                "archive \"%2\" is dated after this computer's clock. Check "
                                "that this computer's date and time are right; old backups are "
                                "thinned out again once no archive is dated ahead.")
                                .arg(shownPath(backupFolder), archive.name);
            }
            return {};
        }
    }
    const QStringList kept = archivesKept(archives, today);
    QStringList deleted;
    for (const ArchiveFile& archive : std::as_const(archives)) {
        if (kept.contains(archive.name) || archive.made >= verified)
            continue;
        if (QFile::remove(folder.filePath(archive.name)))
            deleted << archive.name;
    }
    return deleted;
}

} // namespace backup
