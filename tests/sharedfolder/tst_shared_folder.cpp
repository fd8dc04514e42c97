// Several copies of the program on one data folder: separate driver processes
// writing at once (some killed while they save), and the folder's lock met
// as a second PC leaves it.

#include "LockFixture.h"
#include "StressRun.h"
#include "TestMain.h"
#include "store/BatchCounter.h"
#include "store/BatchCreation.h"
#include "store/BatchFile.h"
#include "store/BatchRewrite.h"
#include "store/Clock.h"
#include "store/DataFolder.h"
#include "store/FolderLock.h"
#include "store/LongDate.h"
#include "store/RecipeFile.h"
#include "store/StarterData.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString rootOf(const QTemporaryDir& dir)
{
    return dir.path() + QLatin1Char('/');
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QVector<store::RecipeRow> oneStep()
{
    return {{QStringLiteral("1"), QStringLiteral("Stir the must")}};
}

} // namespace

class SharedFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void copiesWritingAtOnceLoseNothing_data();
    void copiesWritingAtOnceLoseNothing();
    void oldLockOfAnotherComputerIsAskedAbout_data();
    void oldLockOfAnotherComputerIsAskedAbout();
    void liveLockIsWaitedForAFewSecondsOnly();
    void lockOfACrashedCopyIsTakenOverAndItsLeftoversMended();
    void aPcOfTheSameNameIsNeverTakenForThisOne_data();
    void aPcOfTheSameNameIsNeverTakenForThisOne();
    void changesSinceReadingAreRefused();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_root;
};

void SharedFolderTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_root = rootOf(*m_dir);
    // The real first-run set-up: four folders, counter 1, starter recipes.
    store::createDataFolder(m_dir->path());
    store::Clock::setFixedToday(QDate(2026, 12, 8));
    store::setOldLockAnswer({});
    store::setLockWaitNotice({});
    store::setLockWaitLimit(5000);
}

void SharedFolderTest::cleanup()
{
    store::Clock::setFixedToday(QDate());
    store::setOldLockAnswer({});
    store::setLockWaitNotice({});
    store::setLockWaitLimit(5000);
}

void SharedFolderTest::copiesWritingAtOnceLoseNothing_data()
{
    QTest::addColumn<int>("kills");
    QTest::addColumn<bool>("clonedPcs");
    QTest::newRow("four copies") << 0 << false;
    QTest::newRow("four copies, three killed while saving") << 3 << false;
    QTest::newRow("four PCs of one host name, one process number") << 0 << true;
}

void SharedFolderTest::copiesWritingAtOnceLoseNothing()
{
    QFETCH(int, kills);
    QFETCH(bool, clonedPcs);
    QString why;
    if (clonedPcs && !stress::processNamespacesAvailable(&why))
        QSKIP(qPrintable(why));
    stress::Options options;
    options.clonedPcs = clonedPcs;
    options.dataRoot = m_root;
    options.processes = 4;
    options.operations = 40;
    options.kills = kills;
    options.seed = 7 + quint32(kills);
    const stress::Result result = stress::run(options);

    const QStringList problems = stress::check(m_root, result);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    QCOMPARE(result.killed, kills);
    QVERIFY2(result.driverErrors.isEmpty(), qPrintable(result.driverErrors.join('\n')));
    // Every kind of write really happened side by side.
    for (const char* kind : {"create", "complete", "postpone", "manual", "edit", "recipe"}) {
        QVERIFY2(result.count(QStringLiteral("done"), QLatin1String(kind)) > 0, kind);
    }
    qInfo("%d operations done, %d refused, %d copies killed, in %lld ms",
          result.count(QStringLiteral("done")), result.count(QStringLiteral("refused")),
          result.killed, result.milliseconds);
}

void SharedFolderTest::oldLockOfAnotherComputerIsAskedAbout_data()
{
    QTest::addColumn<int>("answer"); // -1: no question set, 0: no, 1: yes
    QTest::addColumn<qint64>("age");
    QTest::addColumn<QString>("question");
    const QString three = QStringLiteral(
        "Vintrelo on FRONT-DESK has been saving for 3 minutes. If that computer is off, continue.");
    QTest::newRow("continue") << 1 << qint64(200) << three;
    QTest::newRow("do not continue") << 0 << qint64(200) << three;
    QTest::newRow("one minute") << 1 << qint64(61)
                                << QStringLiteral("Vintrelo on FRONT-DESK has been saving for 1 "
                                                  "minute. If that computer is off, continue.");
    QTest::newRow("nobody to ask") << -1 << qint64(200) << three;
    // This computer's clock is an hour behind the other one's.
    const QString ahead = QStringLiteral(
        "Vintrelo on FRONT-DESK is saving, but the clock of that computer is ahead of this "
        "one's, so how long it has been saving is not known. If that computer is off, continue.");
    QTest::newRow("dated ahead, continue") << 1 << qint64(-3600) << ahead;
    QTest::newRow("dated ahead, nobody to ask") << -1 << qint64(-3600) << ahead;
}

void SharedFolderTest::oldLockOfAnotherComputerIsAskedAbout()
{
    QFETCH(int, answer);
    QFETCH(qint64, age);
    QFETCH(QString, question);
    store::setLockWaitLimit(300);
    QVERIFY(plantFolderLock(m_root, QCoreApplication::applicationPid(),
                            QStringLiteral("FRONT-DESK"), age));
    QStringList asked;
    if (answer >= 0) {
        store::setOldLockAnswer([&](const store::LockHolder& holder) {
            asked << store::oldLockQuestion(holder);
            return answer == 1;
        });
    }
    const QString recipe = store::nextRecipeNumber(m_root);
    QString refusal;
    try {
        store::writeRecipeFile(m_root, recipe, QStringLiteral("Merlot"), oneStep(),
                               store::RecipeWrite::Create);
    } catch (const store::StoreError& error) {
        refusal = error.message();
    }
    const QString lock = QDir(m_root).filePath(store::kLockFile);
    const bool written = QFile::exists(store::recipeFilePath(m_root, recipe));
    if (answer == 1) {
        QCOMPARE(asked, QStringList{question});
        QVERIFY2(refusal.isEmpty(), qPrintable(refusal));
        QVERIFY(written);
        QVERIFY(!QFile::exists(lock));
        return;
    }
    QVERIFY(!written);
    QVERIFY(QFile::exists(lock)); // still the other computer's
    QVERIFY(refusal.contains(QStringLiteral("FRONT-DESK")));
    QVERIFY(refusal.contains(QStringLiteral("Nothing was written")));
    if (answer == 0) {
        QCOMPARE(asked, QStringList{question});
    } else {
        // Nobody to ask: no "continue" without a way to continue, but what to do.
        QVERIFY2(!refusal.contains(QStringLiteral("continue")), qPrintable(refusal));
        QVERIFY(refusal.contains(QDir::toNativeSeparators(lock)));
    }
}

void SharedFolderTest::liveLockIsWaitedForAFewSecondsOnly()
{
    // Another PC made from the same disk image (same machine id) is saving; its
    // process number means nothing here, and its lock is not this computer's to take.
    QProcess ended;
    ended.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(ended.waitForStarted());
    const qint64 pid = ended.processId();
    ended.kill();
    QVERIFY(ended.waitForFinished());
    QVERIFY(plantFolderLock(m_root, pid, QStringLiteral("BOTTLING"), 2, true));
    store::setLockWaitLimit(300);
    QString busy;
    try {
        store::advanceBatchCounter(m_root);
    } catch (const store::StoreError& error) {
        busy = error.message();
    }
    QVERIFY2(busy.contains(QStringLiteral("Vintrelo on BOTTLING")), qPrintable(busy));
    QCOMPARE(store::readBatchCounter(m_root), QStringLiteral("1"));
    QVERIFY(QFile::remove(QDir(m_root).filePath(store::kLockFile)));

    // A live copy on this computer (here: a process named "sleep" named in the
    // lock file) is saving and does not finish.
    QProcess other;
    other.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(other.waitForStarted());
    const QString lock = QDir(m_root).filePath(store::kLockFile);
    writeAll(lock, QStringLiteral("%1\nsleep\n%2\n\n\nvintrelo-installation=%3\n")
                       .arg(other.processId())
                       .arg(QSysInfo::machineHostName(), store::installationId())
                       .toUtf8());
    QStringList notices;
    store::setLockWaitNotice([&](bool waiting) {
        notices << (waiting ? QStringLiteral("wait") : QStringLiteral("end"));
    });
    store::setLockWaitLimit(800);
    const QByteArray counter = readAll(store::batchCounterFilePath(m_root));
    QElapsedTimer timer;
    timer.start();
    QString refusal;
    try {
        store::advanceBatchCounter(m_root);
    } catch (const store::StoreError& error) {
        refusal = error.message();
    }
    QVERIFY(timer.elapsed() >= 800);
    QVERIFY(timer.elapsed() < 3000);
    QVERIFY2(refusal.contains(QStringLiteral("another copy of Vintrelo on this computer (%1)")
                                  .arg(QSysInfo::machineHostName())),
             qPrintable(refusal));
    QVERIFY(refusal.contains(QStringLiteral("Nothing was written")));
    QCOMPARE(notices, (QStringList{QStringLiteral("wait"), QStringLiteral("end")}));
    QCOMPARE(readAll(store::batchCounterFilePath(m_root)), counter);

    // Once it is done, the same write goes through at once.
    QVERIFY(QFile::remove(lock));
    other.kill();
    other.waitForFinished();
    notices.clear();
    QCOMPARE(store::advanceBatchCounter(m_root), QStringLiteral("2"));
    QVERIFY(notices.isEmpty());
}

void SharedFolderTest::lockOfACrashedCopyIsTakenOverAndItsLeftoversMended()
{
    // A copy of this computer died while it created batch 1: the batch file and
    // the scratch files are there, the counter was not advanced.
    QProcess crashed;
    crashed.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(crashed.waitForStarted());
    const qint64 pid = crashed.processId();
    crashed.kill();
    QVERIFY(crashed.waitForFinished());
    QVERIFY(plantFolderLock(m_root, pid, QSysInfo::machineHostName(), 5));
    const QString id = store::nextBatchId(m_root, store::Clock::today());
    store::BatchFile batch;
    batch.records << store::ActionRecord();
    const QString active = store::batchFolderPath(m_root, store::BatchFolder::Active);
    writeAll(QDir(active).filePath(id + QStringLiteral(".txt")),
             store::encodeLines(store::batchToLines(batch)));
    writeAll(QDir(active).filePath(store::kScratchFile), "half a batch\r\n");
    writeAll(QDir(m_root).filePath(QStringLiteral("Batch-ID.new")), "2");

    QStringList asked;
    store::setOldLockAnswer([&](const store::LockHolder&) {
        asked << QStringLiteral("asked");
        return false;
    });
    QElapsedTimer timer;
    timer.start();
    const QString recipe = store::nextRecipeNumber(m_root);
    store::writeRecipeFile(m_root, recipe, QStringLiteral("Merlot"), oneStep(),
                           store::RecipeWrite::Create);
    QVERIFY(timer.elapsed() < 1000); // at once, and without a question
    QVERIFY(asked.isEmpty());
    QVERIFY(QFile::exists(store::recipeFilePath(m_root, recipe)));
    QVERIFY(!QFile::exists(QDir(m_root).filePath(store::kLockFile)));
    QVERIFY(!QFile::exists(QDir(active).filePath(store::kScratchFile)));
    QVERIFY(!QFile::exists(QDir(m_root).filePath(QStringLiteral("Batch-ID.new"))));
    QCOMPARE(store::readBatchCounter(m_root), QStringLiteral("2"));

    // A copy that crashed between creating its lock file and naming itself in
    // it left an empty file: after a minute it holds no one back.
    const QString lock = QDir(m_root).filePath(store::kLockFile);
    writeAll(lock, QByteArray());
    {
        QFile file(lock);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-600),
                                 QFileDevice::FileModificationTime));
    }
    timer.restart();
    QCOMPARE(store::advanceBatchCounter(m_root), QStringLiteral("3"));
    QVERIFY(timer.elapsed() < 1000);
    QVERIFY(asked.isEmpty());
    QVERIFY(!QFile::exists(lock));
}

void SharedFolderTest::aPcOfTheSameNameIsNeverTakenForThisOne_data()
{
    QTest::addColumn<QString>("installation"); // of the lock: empty for an earlier version
    QTest::addColumn<qint64>("age");
    QTest::addColumn<bool>("asked"); // else refused as busy, after the wait
    const QString clone = QStringLiteral("0f4c6c53-7a1e-4a53-9d8e-3c1d2b4a5e6f");
    QTest::newRow("a clone under this process number") << clone << qint64(2) << false;
    QTest::newRow("an earlier version's lock") << QString() << qint64(2) << false;
    QTest::newRow("a clone's old lock is asked about") << clone << qint64(200) << true;
}

void SharedFolderTest::aPcOfTheSameNameIsNeverTakenForThisOne()
{
    QFETCH(QString, installation);
    QFETCH(qint64, age);
    QFETCH(bool, asked);
    store::setLockWaitLimit(300);
    // This host's name and this very process number: only the installation differs.
    QVERIFY(plantFolderLock(m_root, QCoreApplication::applicationPid(), QSysInfo::machineHostName(),
                            age, true, installation));
    const QByteArray planted = readAll(QDir(m_root).filePath(store::kLockFile));
    int questions = 0;
    store::setOldLockAnswer([&](const store::LockHolder&) { return ++questions < 0; });
    QString refusal;
    try {
        store::advanceBatchCounter(m_root);
    } catch (const store::StoreError& error) {
        refusal = error.message();
    }
    QCOMPARE(readAll(QDir(m_root).filePath(store::kLockFile)), planted);
    QCOMPARE(store::readBatchCounter(m_root), QStringLiteral("1"));
    QCOMPARE(questions, asked ? 1 : 0);
    // Named as another computer's, never as a copy on this one.
    QVERIFY2(!refusal.contains(QStringLiteral("on this computer")), qPrintable(refusal));
}

void SharedFolderTest::changesSinceReadingAreRefused()
{
    // Two PCs start a batch at counter 1; the second one to save is refused.
    const QDate today(2026, 12, 8);
    const QString id = store::nextBatchId(m_root, today);
    store::BatchFile first;
    first.header.setField(store::BatchHeader::CustomerName, QStringLiteral("Ann"));
    first.header.setField(store::BatchHeader::StartDate, store::formatLongDate(today));
    first.records << store::ActionRecord();
    first.records[0].DayNumber = QStringLiteral("1");
    first.records[0].DueDate = store::formatLongDate(today);
    first.records[0].Action = QStringLiteral("Stir");
    QVERIFY(store::createBatch(m_root, id, first).isEmpty());
    store::BatchFile second = first;
    second.header.setField(store::BatchHeader::CustomerName, QStringLiteral("Bob"));
    const QString counter = store::batchCounterFilePath(m_root);
    const QByteArray counterBefore = readAll(counter);
    try {
        store::createBatch(m_root, id, second);
        QFAIL("a second batch under one identifier was created");
    } catch (const store::StoreError& error) {
        QVERIFY2(error.message().contains(id), qPrintable(error.message()));
        QVERIFY(error.message().contains(QDir::toNativeSeparators(counter)));
    }
    QCOMPARE(readAll(counter), counterBefore);
    QCOMPARE(store::readBatchFile(m_root, store::BatchFolder::Active, id)
                 .header.field(store::BatchHeader::CustomerName),
             QStringLiteral("Ann"));

    // The editor on one PC, a completion on the other: the editor's save is refused.
    const store::BatchFile shown = store::readBatchFile(m_root, store::BatchFolder::Active, id);
    store::rewriteBatchFile(
        m_root, id,
        [](store::BatchFile& batch) {
            batch.records[0].Notes = QStringLiteral("done on the other PC");
        },
        store::AfterRewrite::StayActive);
    const QString path = store::batchFilePath(m_root, store::BatchFolder::Active, id);
    const QByteArray before = readAll(path);
    try {
        store::rewriteBatchFile(m_root, id, [&](store::BatchFile& batch) {
            store::requireUnchangedSinceShown(batch, shown, id);
            batch.records[0].Action = QStringLiteral("Rack");
        });
        QFAIL("an edit over another PC's change was saved");
    } catch (const store::StoreError& error) {
        QCOMPARE(error.message(),
                 QStringLiteral("Batch %1 was changed on another computer since you opened it. "
                                "Nothing was saved. Note your changes, close this screen and "
                                "open the batch again.")
                     .arg(id));
    }
    QCOMPARE(readAll(path), before);
    QVERIFY(!QFile::exists(QDir(store::batchFolderPath(m_root, store::BatchFolder::Active))
                               .filePath(store::kScratchFile)));
}

VINTRELO_TEST_MAIN(SharedFolderTest)
#include "tst_shared_folder.moc"
