#include "app/BackupService.h"

#include "app/Screen.h"
#include "app/Shell.h"
#include "backup/BackupNames.h"
#include "backup/BackupRotation.h"
#include "store/Clock.h"
#include "store/DataFolder.h"
#include "store/ReplacedFolder.h"
#include "widgets/Messages.h"

#include <QDir>
#include <QFileInfo>
#include <QTime>

namespace app {

BackupService::BackupService(Shell& shell) : m_shell(shell)
{
    connect(&m_runner, &backup::BackupRunner::finished, this, &BackupService::report);
}

BackupService::~BackupService() = default;

backup::BackupSettings BackupService::settings() const
{
    return backup::BackupSettings(m_shell.options().places.configDir);
}

QString BackupService::backupFolder(const QString& dataRoot) const
{
    return settings().backupFolder(dataRoot);
}

bool BackupService::dueToday(const QString& dataRoot) const
{
    // A folder with parts missing is never backed up by itself: it needs a
    // restore, and its archive would be the newest one.
    if (!store::missingDataFolderParts(dataRoot).isEmpty())
        return false;
    // A folder a restore replaced is the restored folder's to back up now.
    if (store::folderWasReplaced(dataRoot))
        return false;
    const QDate today = store::Clock::today();
    if (settings().lastBackup().date() == today)
        return false;
    for (const backup::ArchiveFile& archive : backup::listArchives(backupFolder(dataRoot))) {
        if (archive.made.date() == today)
            return false;
    }
    return true;
}

backup::BackupJob BackupService::job(const QString& dataRoot) const
{
    backup::BackupJob job;
    job.dataRoot = dataRoot;
    job.backupFolder = backupFolder(dataRoot);
    job.createFolder = !settings().folderChosen();
    // The program's clock gives the day, so a fixed "today" names the archive.
    const QTime now = QTime::currentTime();
    job.made = QDateTime(store::Clock::today(), QTime(now.hour(), now.minute()));
    return job;
}

void BackupService::startIfDue(const QString& dataRoot)
{
    if (!m_shell.options().automaticBackups || dataRoot.isEmpty() || isRunning())
        return;
    if (dueToday(dataRoot))
        start(dataRoot);
}

bool BackupService::start(const QString& dataRoot)
{
    return m_runner.start(job(dataRoot));
}

backup::BackupOutcome BackupService::runHere(const QString& dataRoot, bool rotate)
{
    m_runner.wait();
    backup::BackupJob made = job(dataRoot);
    made.rotate = rotate;
    const backup::BackupOutcome outcome = backup::runBackup(made);
    report(outcome);
    return outcome;
}

void BackupService::finishBeforeExit(const QString& dataRoot)
{
    // A backup under way is finished, never cut off: the program ends after it.
    if (isRunning()) {
        widgets::WaitCursor wait;
        m_runner.wait();
    }
    if (!m_shell.options().automaticBackups || dataRoot.isEmpty() || !dueToday(dataRoot))
        return;
    widgets::WaitCursor wait;
    runHere(dataRoot);
}

void BackupService::report(const backup::BackupOutcome& outcome)
{
    if (outcome.ok)
        settings().recordBackup(outcome.record);
    else if (!m_shell.isEnding())
        widgets::Messages::warning(m_shell.visibleScreen(), outcome.problem);
    if (outcome.ok && !outcome.leftOut.isEmpty() && !m_shell.isEnding()) {
        widgets::Messages::warning(
            m_shell.visibleScreen(),
            tr("The backup \"%1\" holds everything Vintrelo reads, but these were left out of "
               "it: links and special files in the data folder, which Vintrelo never reads: "
               "%2. If you keep anything there, copy it yourself.")
                .arg(QFileInfo(outcome.record.path).fileName(),
                     outcome.leftOut.join(QStringLiteral(", "))));
    }
    // Said once a run: every backup until the clock is put right would say it again.
    if (outcome.ok && !outcome.notice.isEmpty() && !m_noticeShown && !m_shell.isEnding()) {
        m_noticeShown = true;
        widgets::Messages::warning(m_shell.visibleScreen(), outcome.notice);
    }
    Q_EMIT backupEnded(outcome);
}

} // namespace app
