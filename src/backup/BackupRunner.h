#pragma once

#include "backup/BackupArchive.h"

#include <QMetaType>
#include <QObject>
#include <QStringList>
#include <memory>

class QThread;

namespace backup {

// What one backup came to.
struct BackupOutcome
{
    bool ok = false;
    BackupRecord record; // when ok
    QStringList deleted; // archives the rotation deleted
    QString problem;     // when not ok: a sentence for the user naming the folder
    QString notice;      // when ok: what the user should know (rotation withheld)
    QStringList leftOut; // when ok: links and special files the program never reads
    int reread = 0;      // files read again because they changed while read
};

// What one backup is asked to do.
struct BackupJob
{
    QString dataRoot;
    QString backupFolder;
    bool createFolder = false; // the default folder is created; a chosen one must exist
    QDateTime made;            // the time in the archive's name, from the program's clock
    bool rotate = true;        // false for the backup a restore makes: nothing is deleted then
};

// Reads the data folder, writes and verifies the archive, then rotates: the
// whole backup, on whichever thread calls it. Never throws.
BackupOutcome runBackup(const BackupJob& job);

// Runs backups on a worker thread of their own, one at a time. The worker never
// touches a widget: its outcome reaches the thread that owns the runner by a
// queued signal.
class BackupRunner : public QObject
{
    Q_OBJECT

public:
    explicit BackupRunner(QObject* parent = nullptr);
    ~BackupRunner() override; // waits for a backup under way

    bool isRunning() const { return m_thread != nullptr; }
    // False when a backup is already under way.
    bool start(const BackupJob& job);
    // Waits until a backup under way has ended and its outcome was reported.
    void wait();

Q_SIGNALS:
    void finished(const backup::BackupOutcome& outcome);
    // From the worker thread; connected queued to the runner's own thread.
    void workerDone(const backup::BackupOutcome& outcome, QPrivateSignal);

private:
    void reportDone(const backup::BackupOutcome& outcome);

    QThread* m_thread = nullptr;
};

} // namespace backup

Q_DECLARE_METATYPE(backup::BackupOutcome)
