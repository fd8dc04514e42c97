// A picture of the Backups screen with a few archives, saved when
// VINTRELO_GALLERY names a folder.
#include "AppHarness.h"
#include "BackupFixture.h"
#include "DataFixture.h"
#include "Gallery.h"
#include "MessageScript.h"
#include "TestMain.h"
#include "backup/BackupNames.h"
#include "backup/BackupRunner.h"

#include <QListWidget>

class BackupGalleryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }
    void backupsScreen();
};

void BackupGalleryTest::backupsScreen()
{
    DataFixture fx;
    backuptest::writeShop(fx);
    for (const QDate& day : {QDate(2026, 11, 30), QDate(2026, 12, 6), QDate(2026, 12, 7)}) {
        backup::BackupJob job;
        job.dataRoot = fx.dataRoot();
        job.backupFolder = backup::defaultBackupFolder(fx.dataRoot());
        job.createFolder = true;
        job.made = QDateTime(day, QTime(9, 30));
        QVERIFY(backup::runBackup(job).ok);
    }
    MessageScript script;
    AppHarness app(fx);
    app.start();
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    snapGallery(app, QStringLiteral("with-backups-button"));
    QVERIFY(app.click(QStringLiteral("Backups_Command")));
    QCOMPARE(app.visibleName(), QStringLiteral("Backups"));
    app.control<QListWidget>(QStringLiteral("Archives_List"))->setCurrentRow(0);
    snapGallery(app);
    QVERIFY(script.shown().isEmpty());
}

VINTRELO_TEST_MAIN(BackupGalleryTest)
#include "tst_backup_gallery.moc"
