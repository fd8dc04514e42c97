// The whole program with backups on: the daily backup in the background at the
// first start of a day and on "Exit Program", the Backups screen, choosing a
// folder, a failure told in one message, and a restore that ends with the
// program working on the restored folder.
#include "AppHarness.h"
#include "BackupFixture.h"
#include "DataFixture.h"
#include "MessageScript.h"
#include "TestMain.h"
#include "app/BackupService.h"
#include "backup/BackupNames.h"
#include "store/BatchCounter.h"
#include "store/Clock.h"
#include "store/DataFolder.h"
#include "store/ReplacedFolder.h"
#include "store/StoreError.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>

using namespace backuptest;

class BackupScreenTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }
    void dailyBackupThenRestoreThroughTheScreen();
    void failuresAreToldOnceAndWorkGoesOn();

private:
    static app::ShellOptions options(const DataFixture& fx, const QDate& today);
};

app::ShellOptions BackupScreenTest::options(const DataFixture& fx, const QDate& today)
{
    app::ShellOptions options{{fx.programDir(), fx.configDir()},
                              QDir(fx.base()).filePath(QStringLiteral("Documents/Vintrelo Data")),
                              today};
    options.automaticBackups = true;
    return options;
}

namespace {

QString label(AppHarness& app, const QString& name)
{
    auto* found = app.control<QLabel>(name);
    return found ? found->text() : QStringLiteral("<no %1>").arg(name);
}

bool waitForBackups(AppHarness& app)
{
    // The outcome arrives by a queued signal, so events must run meanwhile.
    return QTest::qWaitFor([&] { return !app.shell().backups().isRunning(); }, 30000);
}

} // namespace

void BackupScreenTest::dailyBackupThenRestoreThroughTheScreen()
{
    DataFixture fx;
    writeShop(fx);
    const QMap<QString, QString> backedUp = tree(fx.dataFolder());
    const QString folder = QDir(fx.base()).filePath(QStringLiteral("Vintrelo Backups"));
    MessageScript script;
    AppHarness app(options(fx, QDate(2026, 12, 7)));

    // The first start of the day backs up in the background.
    app.start();
    QCOMPARE(app.visibleName(), QStringLiteral("Opening_Screen"));
    QVERIFY(waitForBackups(app));
    QCOMPARE(names(folder).size(), 1);
    const QString daily = names(folder).first();
    QVERIFY(daily.startsWith(QStringLiteral("Vintrelo Backup 2026-12-07 ")));
    // Its time lives in the program's settings, not in the data folder.
    QVERIFY(QFileInfo::exists(QDir(fx.configDir()).filePath(QStringLiteral("backups.ini"))));
    QCOMPARE(tree(fx.dataFolder()), backedUp);

    // The same day again: no second backup.
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QVERIFY(app.click(QStringLiteral("CommandButton7")));
    QVERIFY(!app.shell().backups().isRunning());
    QCOMPARE(names(folder).size(), 1);

    // The new button sits below the given ones and opens the Backups screen.
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    auto* exitBack = app.control<QWidget>(QStringLiteral("CommandButton7"));
    auto* backups = app.control<QWidget>(QStringLiteral("Backups_Command"));
    QVERIFY(exitBack && backups);
    QVERIFY(backups->y() > exitBack->y());
    QCOMPARE(app.control<QAbstractButton>(QStringLiteral("Backups_Command"))->text(),
             QStringLiteral("Backups"));
    QVERIFY(app.click(QStringLiteral("Backups_Command")));
    QCOMPARE(app.visibleName(), QStringLiteral("Backups"));
    QCOMPARE(app.visible()->windowTitle(), QStringLiteral("Vintrelo - Backups"));
    QCOMPARE(label(app, QStringLiteral("BackupFolder_Label")), backup::shownPath(folder));
    QVERIFY2(label(app, QStringLiteral("LastBackup_Label"))
                 .startsWith(QStringLiteral("Monday, December 7, 2026 at ")),
             qPrintable(label(app, QStringLiteral("LastBackup_Label"))));
    auto* list = app.control<QListWidget>(QStringLiteral("Archives_List"));
    QCOMPARE(list->count(), 1);
    QVERIFY(list->item(0)->text().startsWith(names(folder).first()));

    // The shop goes on working; then the folder is restored from the archive.
    const QString counterBefore =
        QString::fromUtf8(fx.bytes(QStringLiteral("Batch-ID.txt"))).trimmed();
    fx.writeBatch(QStringLiteral("2026-000041"), sampleBatch(1));
    fx.writeLines(QStringLiteral("Batch-ID.txt"), {QString::number(counterBefore.toInt() + 1)});
    QCOMPARE(list->currentRow(), 0); // the newest is chosen to begin with
    list->setCurrentRow(-1);
    QVERIFY(app.click(QStringLiteral("Restore_Command")));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.shown().last().text.contains(QStringLiteral("Choose the archive")));
    script.clear();

    list = app.control<QListWidget>(QStringLiteral("Archives_List"));
    list->setCurrentRow(0);
    script.answer(0).answer(0); // Yes to the question, OK to the note
    QVERIFY(app.click(QStringLiteral("Restore_Command")));
    QVERIFY2(script.unexpected().isEmpty(), qPrintable(script.unexpected().join('\n')));
    QCOMPARE(script.shown().size(), 2);
    const QString restored =
        QDir(fx.base()).filePath(QStringLiteral("Vintrelo Data restored 2026-12-07"));
    const QString question = script.shown().at(0).text;
    QCOMPARE(script.shown().at(0).kind, widgets::Messages::Shown::Question);
    QVERIFY2(question.contains(backup::shownPath(restored)), qPrintable(question));
    QVERIFY2(question.contains(backup::shownPath(fx.dataFolder())), qPrintable(question));
    // Batch 41 is only in the folder in use: its number must not be given out again.
    QVERIFY2(
        question.contains(
            QStringLiteral("counter of the restored folder (%1) is behind").arg(counterBefore)),
        qPrintable(question));

    // The restored folder holds the archive's state; the folder in use was
    // backed up before the location file was pointed away from it, and kept.
    QCOMPARE(tree(restored), backedUp);
    QVERIFY(fx.exists(QStringLiteral("Active Batches/2026-000041.txt")));
    QStringList archives = names(folder);
    QCOMPARE(archives.size(), 2);
    archives.removeOne(daily);
    const QString beforeRestore = archives.first();
    const store::DataRootResult now = store::loadDataRoot({fx.programDir(), fx.configDir()});
    QCOMPARE(QDir::cleanPath(now.dataRoot), restored);
    // The running program works on the restored folder at once; the old one
    // tells other PCs so, and takes no more writes.
    QCOMPARE(QDir::cleanPath(app.state().DataRoot), restored);
    QCOMPARE(store::replacingFolder(fx.dataRoot()), restored);
    QVERIFY_THROWS_EXCEPTION(store::StoreError, store::advanceBatchCounter(fx.dataRoot()));
    QCOMPARE(label(app, QStringLiteral("BackupFolder_Label")), backup::shownPath(folder));
    QCOMPARE(app.control<QListWidget>(QStringLiteral("Archives_List"))->count(), 2);

    // Left running past midnight: "Exit Program" makes that day's backup.
    QVERIFY(app.click(QStringLiteral("Back_Command")));
    QVERIFY(app.click(QStringLiteral("CommandButton7")));
    store::Clock::setFixedToday(QDate(2026, 12, 8));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QVERIFY(app.ended());
    // Only the newest archive of December 7 is kept beside it.
    const QStringList kept = names(folder);
    QCOMPARE(kept.size(), 2);
    QCOMPARE(kept.first(), beforeRestore);
    QVERIFY(kept.last().startsWith(QStringLiteral("Vintrelo Backup 2026-12-08 ")));
    QVERIFY(script.unexpected().isEmpty());
}

void BackupScreenTest::failuresAreToldOnceAndWorkGoesOn()
{
    DataFixture fx;
    writeShop(fx);
    const QString stick = QDir(fx.base()).filePath(QStringLiteral("USB stick"));
    QDir().mkpath(stick);
    MessageScript script;
    {
        app::ShellOptions noDaily = options(fx, QDate(2026, 12, 7));
        noDaily.automaticBackups = false;
        AppHarness app(noDaily);
        app.start();
        QVERIFY(app.click(QStringLiteral("CommandButton2")));
        QVERIFY(app.click(QStringLiteral("Backups_Command")));

        // A folder inside the data folder is refused; the stick is taken.
        script.pickFolder(fx.path(QStringLiteral("Misc"))).answer(0);
        QVERIFY(app.click(QStringLiteral("ChooseFolder_Command")));
        QCOMPARE(script.shown().size(), 1);
        QVERIFY(script.shown().last().text.contains(QStringLiteral("inside the data folder")));
        // So is one reached through a link.
        const QString link = QDir(fx.base()).filePath(QStringLiteral("shortcut to Misc"));
        QVERIFY(QFile::link(fx.path(QStringLiteral("Misc")), link));
        script.pickFolder(link).answer(0);
        QVERIFY(app.click(QStringLiteral("ChooseFolder_Command")));
        QCOMPARE(script.shown().size(), 2);
        QVERIFY(script.shown().last().text.contains(QStringLiteral("inside the data folder")));
        script.clear();
        script.pickFolder(stick);
        QVERIFY(app.click(QStringLiteral("ChooseFolder_Command")));
        QCOMPARE(label(app, QStringLiteral("BackupFolder_Label")), backup::shownPath(stick));
        // Nothing on it to restore yet.
        script.answer(0);
        QVERIFY(app.click(QStringLiteral("Restore_Command")));
        QVERIFY(script.shown().last().text.contains(QStringLiteral("holds no backup")));
        script.clear();

        // The stick is pulled out: one message naming it, and the screen stays usable.
        QDir(stick).removeRecursively();
        script.answer(0);
        QVERIFY(app.click(QStringLiteral("BackUpNow_Command")));
        QVERIFY(waitForBackups(app));
        AppHarness::settle();
        QCOMPARE(script.shown().size(), 1);
        QVERIFY2(script.shown().last().text.contains(backup::shownPath(stick)),
                 qPrintable(script.shown().last().text));
        QVERIFY(!QFileInfo::exists(stick)); // a chosen folder is never made up
        QCOMPARE(app.visibleName(), QStringLiteral("Backups"));
        QVERIFY(app.control<QAbstractButton>(QStringLiteral("BackUpNow_Command"))->isEnabled());
        QVERIFY(
            label(app, QStringLiteral("LastBackup_Label")).contains(QStringLiteral("No backup")));

        // Plugged in again, it works.
        QDir().mkpath(stick);
        QVERIFY(app.click(QStringLiteral("BackUpNow_Command")));
        QVERIFY(waitForBackups(app));
        AppHarness::settle();
        QCOMPARE(names(stick).size(), 1);
        QCOMPARE(app.control<QListWidget>(QStringLiteral("Archives_List"))->count(), 1);
        QVERIFY(label(app, QStringLiteral("Status_Label")).contains(names(stick).first()));
    }
    QVERIFY2(script.unexpected().isEmpty(), qPrintable(script.unexpected().join('\n')));
}

VINTRELO_TEST_MAIN(BackupScreenTest)
#include "tst_backup_screen.moc"
