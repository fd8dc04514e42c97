#include "backup/BackupSettings.h"

#include "backup/BackupNames.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace backup {

namespace {
const QString kFileName = QStringLiteral("backups.ini");
const QString kFolder = QStringLiteral("backups/folder");
const QString kLastTime = QStringLiteral("backups/lastTime");
const QString kLastSize = QStringLiteral("backups/lastSize");
} // namespace

BackupSettings::BackupSettings(const QString& configDir)
    : m_file(configDir.isEmpty() ? QString() : QDir(configDir).filePath(kFileName))
{
}

QString BackupSettings::backupFolder(const QString& dataRoot) const
{
    QString folder;
    if (!m_file.isEmpty())
        folder = QSettings(m_file, QSettings::IniFormat).value(kFolder).toString();
    return folder.isEmpty() ? defaultBackupFolder(dataRoot) : folder;
}

bool BackupSettings::folderChosen() const
{
    return !m_file.isEmpty() &&
           !QSettings(m_file, QSettings::IniFormat).value(kFolder).toString().isEmpty();
}

void BackupSettings::chooseFolder(const QString& folder)
{
    if (m_file.isEmpty())
        return;
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    QSettings(m_file, QSettings::IniFormat).setValue(kFolder, QDir::cleanPath(folder));
}

QDateTime BackupSettings::lastBackup() const
{
    if (m_file.isEmpty())
        return QDateTime();
    return QDateTime::fromString(
        QSettings(m_file, QSettings::IniFormat).value(kLastTime).toString(), Qt::ISODate);
}

qint64 BackupSettings::lastBackupSize() const
{
    if (m_file.isEmpty())
        return 0;
    return QSettings(m_file, QSettings::IniFormat).value(kLastSize).toLongLong();
}

void BackupSettings::recordBackup(const BackupRecord& record)
{
    if (m_file.isEmpty())
        return;
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    QSettings settings(m_file, QSettings::IniFormat);
    settings.setValue(kLastTime, record.made.toString(Qt::ISODate));
    settings.setValue(kLastSize, record.size);
}

} // namespace backup
