#include "backup/BackupNames.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace backup {

namespace {

QString dataFolderParent(const QString& dataRoot)
{
    return QFileInfo(QDir::cleanPath(dataRoot)).absolutePath();
}

} // namespace

QString archiveName(const QDateTime& made, int copy)
{
    QString name =
        QStringLiteral("Vintrelo Backup ") + made.toString(QStringLiteral("yyyy-MM-dd HHmm"));
    if (copy > 1)
        name += QStringLiteral(" (%1)").arg(copy);
    return name + QStringLiteral(".zip");
}

QDateTime archiveTime(const QString& fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^Vintrelo Backup (\d{4}-\d{2}-\d{2} \d{4})(?: \(\d+\))?\.zip$)"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return QDateTime();
    return QDateTime::fromString(match.captured(1), QStringLiteral("yyyy-MM-dd HHmm"));
}

int archiveCopy(const QString& fileName)
{
    static const QRegularExpression copy(QStringLiteral(R"( \((\d+)\)\.zip$)"));
    const QRegularExpressionMatch match = copy.match(fileName);
    return match.hasMatch() ? match.captured(1).toInt() : 1;
}

QString defaultBackupFolder(const QString& dataRoot)
{
    return QDir(dataFolderParent(dataRoot)).filePath(QStringLiteral("Vintrelo Backups"));
}

QString restoredFolderPath(const QString& dataRoot, const QDate& today)
{
    const QDir parent(dataFolderParent(dataRoot));
    const QString base =
        QStringLiteral("Vintrelo Data restored ") + today.toString(QStringLiteral("yyyy-MM-dd"));
    QString path = parent.filePath(base);
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = parent.filePath(base + QStringLiteral(" (%1)").arg(copy));
    return path;
}

QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

} // namespace backup
