#include "backup/BackupNames.h"

#include "store/FolderLock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <csignal>

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

QString scratchPath(const QString& path)
{
    return path + QStringLiteral(".partial-%1-%2")
                      .arg(store::installationId())
                      .arg(QCoreApplication::applicationPid());
}

void removeLeftScratch(const QString& folder, const QStringList& prefixes)
{
    const QDir dir(folder);
    QStringList patterns;
    for (const QString& prefix : prefixes)
        patterns << prefix + QStringLiteral(".partial*");
    const QString ours = QStringLiteral(".partial-") + store::installationId() + QLatin1Char('-');
    for (const QString& name :
         dir.entryList(patterns, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QFileInfo info(dir.filePath(name));
        bool gone = false;
        const qsizetype at = name.indexOf(ours);
        if (at >= 0) {
            // The process number runs to the end or to the zip library's ".XXXXXX".
            const QString rest = name.mid(at + ours.size());
            const qint64 pid = rest.section(QLatin1Char('.'), 0, 0).toLongLong();
            gone = pid > 0 && pid != QCoreApplication::applicationPid() &&
                   ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
        }
        const bool old = info.lastModified().secsTo(QDateTime::currentDateTime()) > 24 * 3600;
        if (!gone && !old)
            continue;
        if (info.isDir())
            QDir(info.filePath()).removeRecursively();
        else
            QFile::remove(info.filePath());
    }
}

bool restorableName(const QString& name)
{
    if (name.isEmpty() || name.contains(QChar(0)))
        return false;
    // A drive ("C:" at the start, alone or before a separator) or a root.
    static const QRegularExpression drive(QStringLiteral(R"(^[A-Za-z]:([/\\]|$))"));
    if (name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char('\\')) ||
        drive.match(name).hasMatch())
        return false;
    QString path = name;
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    static const QRegularExpression separators(QStringLiteral(R"([/\\])"));
    for (const QString& part : path.split(separators)) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return false;
    }
    return true;
}

QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

} // namespace backup
