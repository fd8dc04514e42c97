#pragma once

#include "backup/BackupRunner.h"
#include "backup/BackupSettings.h"

#include <QObject>

namespace app {

class Shell;

// The program's backups: the daily one made in the background when the opening
// screen loads (the first start of a day) or, if none was made that day, on
// "Exit Program"; and those the Backups screen asks for. A failure is told in
// one message box and never stops the user's work.
class BackupService : public QObject
{
    Q_OBJECT

public:
    explicit BackupService(Shell& shell);
    ~BackupService() override;

    backup::BackupSettings settings() const;
    QString backupFolder(const QString& dataRoot) const;
    bool isRunning() const { return m_runner.isRunning(); }

    // True when no backup of today is known, neither in the settings nor in the
    // backup folder (another computer sharing it may have made one).
    bool dueToday(const QString& dataRoot) const;

    // Starts the daily backup when automatic backups are on and one is due.
    void startIfDue(const QString& dataRoot);
    // Starts a backup now in the background; false when one is under way.
    bool start(const QString& dataRoot);
    // Runs a backup on this thread, after one under way has ended; the
    // outcome is reported as for a background backup. The backup a restore
    // makes first deletes no older archive (`rotate` false).
    backup::BackupOutcome runHere(const QString& dataRoot, bool rotate = true);
    // On "Exit Program": waits for a backup under way, then makes the daily
    // one if none was made today.
    void finishBeforeExit(const QString& dataRoot);

Q_SIGNALS:
    // After the outcome is recorded and any message shown.
    void backupEnded(const backup::BackupOutcome& outcome);

private:
    backup::BackupJob job(const QString& dataRoot) const;
    void report(const backup::BackupOutcome& outcome);

    Shell& m_shell;
    backup::BackupRunner m_runner;
    bool m_noticeShown = false; // the rotation notice, once a run
};

} // namespace app
