#include "backup/BackupRunner.h"

#include "backup/BackupRotation.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QThread>
#include <new>

namespace backup {

BackupOutcome runBackup(const BackupJob& job)
{
    BackupOutcome outcome;
    try {
        // A chosen folder that is not there (a stick not plugged in) is told at
        // once, before the data folder is read for nothing.
        if (!job.createFolder)
            requireBackupFolder(job.backupFolder);
        const DataSnapshot snapshot = readDataFolder(job.dataRoot, job.backupFolder);
        outcome.reread = snapshot.reread;
        outcome.leftOut = snapshot.leftOut;
        outcome.record = writeArchive(snapshot, job.backupFolder, job.made, job.createFolder);
        outcome.ok = true;
        if (job.rotate)
            outcome.deleted =
                rotateArchives(job.backupFolder, job.made.date(), job.made, &outcome.notice);
    } catch (const store::StoreError& error) {
        outcome.problem = error.message();
    } catch (const std::bad_alloc&) {
        outcome.problem =
            store::StoreText::tr(
                "Vintrelo could not make a backup into the folder \"%1\", because the computer ran "
                "out of memory. Close other programs, then back up again on the Backups screen.")
                .arg(job.backupFolder);
    }
    return outcome;
}

BackupRunner::BackupRunner(QObject* parent) : QObject(parent)
{
    qRegisterMetaType<BackupOutcome>();
    connect(this, &BackupRunner::workerDone, this, &BackupRunner::reportDone, Qt::QueuedConnection);
}

BackupRunner::~BackupRunner()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

bool BackupRunner::start(const BackupJob& job)
{
    if (m_thread)
        return false;
    m_thread =
        QThread::create([this, job] { Q_EMIT workerDone(runBackup(job), QPrivateSignal()); });
    m_thread->start();
    return true;
}

void BackupRunner::wait()
{
    if (!m_thread)
        return;
    m_thread->wait();
    // The outcome is queued for this thread: deliver it now.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void BackupRunner::reportDone(const BackupOutcome& outcome)
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
    }
    Q_EMIT finished(outcome);
}

} // namespace backup
