#pragma once

#include "backup/BackupArchive.h"

#include <QDateTime>
#include <QString>

namespace backup {

// The backup folder the user chose and the last backup made, kept in the
// program's settings file in the user's configuration folder (never in the
// data folder). Read and written on the main thread only.
class BackupSettings
{
public:
    // An empty folder keeps nothing: the default folder, no last backup.
    explicit BackupSettings(const QString& configDir);

    // The folder chosen, or "Vintrelo Backups" beside the data folder.
    QString backupFolder(const QString& dataRoot) const;
    bool folderChosen() const; // false while the default is used
    void chooseFolder(const QString& folder);

    QDateTime lastBackup() const;
    qint64 lastBackupSize() const;
    void recordBackup(const BackupRecord& record);

private:
    QString m_file;
};

} // namespace backup
