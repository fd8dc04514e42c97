// The archive engine on real folders: a round trip byte for byte, the faults a
// shop meets (a folder that vanishes, a full disk, damaged and hostile
// archives), a file changed by another copy while it is read, and 400 days of
// rotation.
#include "BackupFixture.h"
#include "DataFixture.h"
#include "TestMain.h"
#include "backup/BackupArchive.h"
#include "backup/BackupNames.h"
#include "backup/BackupRestore.h"
#include "backup/BackupRotation.h"
#include "backup/BackupRunner.h"
#include "backup/DataSnapshot.h"
#include "store/Clock.h"
#include "store/FolderLock.h"
#include "store/StoreError.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <zip.h>

using namespace backuptest;

class BackupEngineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void roundTripByteForByte();
    void writeFaultsLeaveNoArchive_data();
    void writeFaultsLeaveNoArchive();
    void hostileArchivesAreRefused_data();
    void hostileArchivesAreRefused();
    void fileChangedWhileReadIsTakenAsItIsUnderTheLock();
    void anotherThreadWaitsForTheFolderLock();
    void leftoversOfACrashAndASecondPcInTheSameMinute();
    void aReadOnlyDataFolderIsBackedUp();
    void whatTheProgramReadsIsAllInTheBackup();
    void rotationOver400DaysKeeps14Daily8Weekly12Monthly();
    void rotationTrustsOnlyGenuineArchivesAndAClockSetRight();

private:
    static backup::BackupJob job(const DataFixture& fx, const QDateTime& made);
};

namespace {

// An archive written by hand with libzip, for the archives the program would
// never write.
struct HandMade
{
    QString name;
    QByteArray bytes;
    bool link = false;
};

void writeZip(const QString& path, const QList<HandMade>& entries)
{
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    QVERIFY(z);
    for (const HandMade& entry : entries) {
        zip_source_t* source = zip_source_buffer(z, entry.bytes.constData(),
                                                 static_cast<zip_uint64_t>(entry.bytes.size()), 0);
        const zip_int64_t index = zip_file_add(z, entry.name.toUtf8().constData(), source, 0);
        QVERIFY(index >= 0);
        if (entry.link) {
            zip_file_set_external_attributes(z, static_cast<zip_uint64_t>(index), 0, ZIP_OPSYS_UNIX,
                                             (S_IFLNK | 0777) << 16);
        }
    }
    QCOMPARE(zip_close(z), 0);
}

} // namespace

void BackupEngineTest::cleanup()
{
    backup::setArchiveWrittenHook({});
    backup::setBetweenPassesHook({});
    store::Clock::setFixedToday(QDate());
}

backup::BackupJob BackupEngineTest::job(const DataFixture& fx, const QDateTime& made)
{
    backup::BackupJob job;
    job.dataRoot = fx.dataRoot();
    job.backupFolder = backup::defaultBackupFolder(fx.dataRoot());
    job.createFolder = true;
    job.made = made;
    return job;
}

void BackupEngineTest::roundTripByteForByte()
{
    DataFixture fx;
    writeShop(fx);
    const QMap<QString, QString> before = tree(fx.dataFolder());
    const QDateTime made(QDate(2026, 12, 7), QTime(9, 30));

    const backup::BackupOutcome outcome = backup::runBackup(job(fx, made));
    QVERIFY2(outcome.ok, qPrintable(outcome.problem));
    const QString folder = QDir(fx.base()).filePath(QStringLiteral("Vintrelo Backups"));
    QCOMPARE(outcome.record.path,
             QDir(folder).filePath(QStringLiteral("Vintrelo Backup 2026-12-07 0930.zip")));
    QCOMPARE(names(folder), QStringList{QStringLiteral("Vintrelo Backup 2026-12-07 0930.zip")});
    QCOMPARE(outcome.record.size, QFileInfo(outcome.record.path).size());
    QVERIFY(backup::writtenByVintrelo(outcome.record.path));
    // Backing up changed nothing in the data folder.
    QCOMPARE(tree(fx.dataFolder()), before);

    // Another archive tool accepts it.
    const QString unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
    if (!unzip.isEmpty()) {
        QProcess test;
        test.start(unzip, {QStringLiteral("-t"), outcome.record.path});
        QVERIFY(test.waitForFinished(30000));
        QCOMPARE(test.exitCode(), 0);
        QVERIFY(test.readAllStandardOutput().contains("No errors detected"));
    }
    const backup::ArchiveCheck check = backup::checkArchive(outcome.record.path);
    QCOMPARE(check.files, 8);

    // Restored into a new folder: every file, folder, byte and time as it was.
    const QString restored = backup::restoredFolderPath(fx.dataRoot(), QDate(2026, 12, 8));
    QCOMPARE(QFileInfo(restored).fileName(), QStringLiteral("Vintrelo Data restored 2026-12-08"));
    backup::restoreArchive(outcome.record.path, restored);
    QCOMPARE(tree(restored), before);
    QVERIFY(QFileInfo(QDir(restored).filePath(QStringLiteral("Old Records"))).isDir());
    // A second restore on the same day gets a name of its own.
    QCOMPARE(QFileInfo(backup::restoredFolderPath(fx.dataRoot(), QDate(2026, 12, 8))).fileName(),
             QStringLiteral("Vintrelo Data restored 2026-12-08 (2)"));

    // A second backup in the same minute never replaces the first.
    const backup::BackupOutcome again = backup::runBackup(job(fx, made));
    QVERIFY(again.ok);
    QCOMPARE(QFileInfo(again.record.path).fileName(),
             QStringLiteral("Vintrelo Backup 2026-12-07 0930 (2).zip"));
}

void BackupEngineTest::writeFaultsLeaveNoArchive_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("folder vanishes mid-write") << QStringLiteral("vanish");
    QTest::newRow("chosen folder not there") << QStringLiteral("missing");
    QTest::newRow("full file system (1 MiB tmpfs)") << QStringLiteral("tmpfs");
    QTest::newRow("write refused past a file size limit") << QStringLiteral("limit");
    QTest::newRow("archive changed before read back") << QStringLiteral("corrupt");
}

void BackupEngineTest::writeFaultsLeaveNoArchive()
{
    QFETCH(QString, fault);
    DataFixture fx;
    writeShop(fx);
    const QMap<QString, QString> before = tree(fx.dataFolder());
    backup::BackupJob j = job(fx, QDateTime(QDate(2026, 12, 7), QTime(9, 30)));
    const QString folder = j.backupFolder;
    QDir().mkpath(folder);
    bool mounted = false;

    if (fault == QLatin1String("vanish")) {
        backup::setArchiveWrittenHook(
            [folder](const QString&) { QDir(folder).removeRecursively(); });
    } else if (fault == QLatin1String("missing")) {
        QDir(folder).removeRecursively();
        j.createFolder = false; // a chosen folder (a stick not plugged in) is never made
    } else if (fault == QLatin1String("tmpfs") || fault == QLatin1String("limit")) {
        // More than 1 MiB that does not compress.
        QByteArray noise(1536 * 1024, '\0');
        QRandomGenerator generator(42);
        generator.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        fx.writeBytes(QStringLiteral("Misc/scan.bin"), noise);
        if (fault == QLatin1String("tmpfs")) {
            if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=1m") != 0)
                QSKIP("this machine does not let the test mount a small tmpfs (needs root)");
            mounted = true;
        }
    } else if (fault == QLatin1String("corrupt")) {
        backup::setArchiveWrittenHook([](const QString& scratch) {
            QFile file(scratch);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.seek(40));
            file.write("XXXX");
        });
    }

    backup::BackupOutcome outcome;
    if (fault == QLatin1String("limit")) {
        // The kernel refuses writes past the limit, as a full disk does.
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 256 * 1024;
        setrlimit(RLIMIT_FSIZE, &small);
        outcome = backup::runBackup(j);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    } else {
        outcome = backup::runBackup(j);
    }
    const QStringList left = names(folder);
    if (mounted)
        ::umount(QFile::encodeName(folder).constData());

    QVERIFY(!outcome.ok);
    // One plain sentence naming the folder and what to do.
    QVERIFY2(outcome.problem.contains(backup::shownPath(folder)), qPrintable(outcome.problem));
    QVERIFY2(outcome.problem.contains(QStringLiteral("choose another backup folder")),
             qPrintable(outcome.problem));
    if (fault == QLatin1String("vanish") || fault == QLatin1String("missing"))
        QVERIFY2(outcome.problem.contains(QStringLiteral("folder")), qPrintable(outcome.problem));
    if (fault == QLatin1String("corrupt"))
        QVERIFY2(outcome.problem.contains(QStringLiteral("reading it back")),
                 qPrintable(outcome.problem));
    // No archive and no part of one remains; the data folder is as it was.
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char(','))));
    if (fault != QLatin1String("tmpfs") && fault != QLatin1String("limit"))
        QCOMPARE(tree(fx.dataFolder()), before);
}

void BackupEngineTest::hostileArchivesAreRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("named"); // what the message names besides the archive
    QTest::newRow("damaged inside") << QStringLiteral("damaged") << QString();
    QTest::newRow("cut short") << QStringLiteral("short") << QString();
    QTest::newRow("not a zip") << QStringLiteral("text") << QString();
    QTest::newRow("parent folder")
        << QStringLiteral("../evil.txt") << QStringLiteral("../evil.txt");
    QTest::newRow("deeper parent")
        << QStringLiteral("Recipes/../../evil.txt") << QStringLiteral("Recipes/../../evil.txt");
    QTest::newRow("absolute") << QStringLiteral("/tmp/evil.txt") << QStringLiteral("/tmp/evil.txt");
    QTest::newRow("backslash") << QStringLiteral("..\\evil.txt") << QStringLiteral("..\\evil.txt");
    QTest::newRow("drive") << QStringLiteral("C:/evil.txt") << QStringLiteral("C:/evil.txt");
    QTest::newRow("link") << QStringLiteral("link") << QStringLiteral("Misc/Varieties.txt");
    QTest::newRow("foreign") << QStringLiteral("foreign") << QStringLiteral("Batch-ID.txt");
    QTest::newRow("one name in two letter cases")
        << QStringLiteral("BATCH-ID.TXT") << QStringLiteral("\"BATCH-ID.TXT\" twice");
    QTest::newRow("a file taken for a folder")
        << QStringLiteral("Batch-ID.txt/notes.txt")
        << QStringLiteral("\"Batch-ID.txt\" both as a file and as a folder");
    QTest::newRow("a counter that is no number")
        << QStringLiteral("counter") << QStringLiteral("\"hello world\"");
}

void BackupEngineTest::hostileArchivesAreRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, named);
    DataFixture fx;
    writeShop(fx);
    const QString archive = QDir(fx.base()).filePath(QStringLiteral("shop.zip"));
    const QByteArray counter("42\r\n");
    if (kind == QLatin1String("damaged") || kind == QLatin1String("short")) {
        const backup::BackupOutcome outcome =
            backup::runBackup(job(fx, QDateTime(QDate(2026, 12, 7), QTime(9, 30))));
        QVERIFY(outcome.ok);
        QFile file(outcome.record.path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        if (kind == QLatin1String("damaged"))
            bytes[bytes.size() / 3] = static_cast<char>(bytes.at(bytes.size() / 3) ^ 0x55);
        else
            bytes.truncate(bytes.size() / 2);
        QFile out(archive);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    } else if (kind == QLatin1String("text")) {
        QFile out(archive);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("Batch-ID.txt\r\n41\r\n");
    } else if (kind == QLatin1String("link")) {
        writeZip(archive, {{QStringLiteral("Batch-ID.txt"), counter},
                           {QStringLiteral("Misc/Varieties.txt"), "/etc/passwd", true}});
    } else if (kind == QLatin1String("counter")) {
        writeZip(archive, {{QStringLiteral("Batch-ID.txt"), "hello world\r\n"}});
    } else if (kind == QLatin1String("foreign")) {
        writeZip(archive, {{QStringLiteral("holiday.jpg"), "JFIF"}});
    } else {
        writeZip(archive, {{QStringLiteral("Batch-ID.txt"), counter}, {kind, "owned"}});
    }

    const QStringList around = names(fx.base());
    const QString target = backup::restoredFolderPath(fx.dataRoot(), QDate(2026, 12, 8));
    try {
        backup::restoreArchive(archive, target);
        QFAIL("the archive was restored");
    } catch (const store::StoreError& error) {
        QVERIFY2(error.message().contains(backup::shownPath(archive)), qPrintable(error.message()));
        if (!named.isEmpty())
            QVERIFY2(error.message().contains(named), qPrintable(error.message()));
        QVERIFY(error.message().contains(QStringLiteral("Nothing was restored")));
    }
    // Nothing was written anywhere: not the new folder, nor beside or above it.
    QCOMPARE(names(fx.base()), around);
    QVERIFY(!QFileInfo::exists(QDir(QFileInfo(fx.base()).absolutePath()).filePath("evil.txt")));
    QVERIFY(!QFileInfo::exists(QStringLiteral("/tmp/evil.txt")));
}

void BackupEngineTest::fileChangedWhileReadIsTakenAsItIsUnderTheLock()
{
    DataFixture fx;
    writeShop(fx);
    const QString batch = fx.path(QStringLiteral("Active Batches/2026-000038.txt"));
    bool lockHeldWhileReading = true;
    backup::setBetweenPassesHook([&] {
        // The long read ran without the folder's lock.
        store::LockHolder holder;
        lockHeldWhileReading = store::folderLockHolder(fx.dataRoot(), &holder);
        // Another copy saves a batch the way every writer does: a new file
        // renamed over the old one; and creates another batch.
        fx.writeBytes(QStringLiteral("Active Batches/temp.txt"), "changed\r\n");
        QFile::remove(batch);
        QFile::rename(fx.path(QStringLiteral("Active Batches/temp.txt")), batch);
        fx.writeBytes(QStringLiteral("Active Batches/2026-000041.txt"), "new\r\n");
        QFile::remove(fx.path(QStringLiteral("Misc/Varieties.txt")));
    });
    const backup::BackupOutcome outcome =
        backup::runBackup(job(fx, QDateTime(QDate(2026, 12, 7), QTime(9, 30))));
    QVERIFY2(outcome.ok, qPrintable(outcome.problem));
    QVERIFY(!lockHeldWhileReading);
    QCOMPARE(outcome.reread, 2);
    // The lock is given back after the backup.
    store::LockHolder holder;
    QVERIFY(!store::folderLockHolder(fx.dataRoot(), &holder));

    const QString restored = QDir(fx.base()).filePath(QStringLiteral("restored"));
    backup::restoreArchive(outcome.record.path, restored);
    QCOMPARE(tree(restored), tree(fx.dataFolder()));
}

void BackupEngineTest::anotherThreadWaitsForTheFolderLock()
{
    // The backup's thread and the screens' thread share one process: the lock
    // keeps them apart as it keeps two computers apart.
    DataFixture fx;
    QElapsedTimer held;
    std::atomic<bool> taken{false};
    QThread* other = QThread::create([&] {
        store::FolderLock lock(fx.dataRoot());
        taken = true;
        held.start();
        QThread::msleep(300);
    });
    other->start();
    while (!taken)
        QThread::msleep(5);
    {
        store::FolderLock lock(fx.dataRoot());
        QVERIFY(held.elapsed() >= 250);
    }
    other->wait();
    delete other;
}

void BackupEngineTest::leftoversOfACrashAndASecondPcInTheSameMinute()
{
    DataFixture fx;
    writeShop(fx);
    const QString folder = backup::defaultBackupFolder(fx.dataRoot());
    QDir().mkpath(folder);
    const QDir dir(folder);
    // A copy of this installation killed while it wrote (its process is gone),
    // another PC's backup in progress, and a file that is not the program's.
    QProcess gone;
    gone.start(QStringLiteral("sleep"), {QStringLiteral("0.1")});
    QVERIFY(gone.waitForStarted());
    const qint64 pid = gone.processId();
    QVERIFY(gone.waitForFinished());
    const QString stem = QStringLiteral("Vintrelo Backup 2026-12-07 0900.zip.partial");
    const QString crashed =
        stem + QStringLiteral("-%1-%2.Ab12Cd").arg(store::installationId()).arg(pid);
    const QString otherPc = stem + QStringLiteral("-0f4c6c53-7a1e-4a53-9d8e-3c1d2b4a5e6f-1");
    const QString notOurs = QStringLiteral("notes.zip.partial");
    for (const QString& name : {crashed, otherPc, notOurs})
        fx.writeBytes(QStringLiteral("../Vintrelo Backups/") + name, "320 MB, say");

    // Meanwhile another PC gives its archive of the same minute the first name.
    const QDateTime made(QDate(2026, 12, 7), QTime(9, 30));
    backup::setArchiveWrittenHook([&](const QString&) {
        QFile first(dir.filePath(backup::archiveName(made)));
        QVERIFY(first.open(QIODevice::WriteOnly));
        first.write("the other PC's archive");
    });
    const backup::BackupOutcome outcome = backup::runBackup(job(fx, made));
    QVERIFY2(outcome.ok, qPrintable(outcome.problem));
    QCOMPARE(QFileInfo(outcome.record.path).fileName(), backup::archiveName(made, 2));
    QCOMPARE(fx.bytes(QStringLiteral("../Vintrelo Backups/") + backup::archiveName(made)),
             QByteArray("the other PC's archive"));
    const QStringList left = names(folder);
    QCOMPARE(
        QSet<QString>(left.cbegin(), left.cend()),
        (QSet<QString>{backup::archiveName(made), backup::archiveName(made, 2), notOurs, otherPc}));

    // A restore killed halfway left its folder: today's restore goes ahead all the same.
    const QString restored = backup::restoredFolderPath(fx.dataRoot(), QDate(2026, 12, 8));
    const QString halfway =
        restored + QStringLiteral(".partial-%1-%2").arg(store::installationId()).arg(pid);
    QVERIFY(QDir().mkpath(halfway + QStringLiteral("/Misc")));
    backup::restoreArchive(outcome.record.path, restored);
    QVERIFY(QFileInfo(restored).isDir());
    QVERIFY(!QFileInfo::exists(halfway));
}

void BackupEngineTest::aReadOnlyDataFolderIsBackedUp()
{
    // A share mounted read-only: the backup reads it without its lock file.
    DataFixture fx;
    writeShop(fx);
    const QMap<QString, QString> before = tree(fx.dataFolder());
    const QByteArray data = QFile::encodeName(fx.dataFolder());
    if (::mount(data.constData(), data.constData(), nullptr, MS_BIND, nullptr) != 0)
        QSKIP("this machine does not let the test bind-mount a folder (needs root)");
    const bool readOnly =
        ::mount(nullptr, data.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    const backup::BackupOutcome outcome =
        backup::runBackup(job(fx, QDateTime(QDate(2026, 12, 7), QTime(9, 30))));
    ::umount(data.constData());
    QVERIFY(readOnly);
    QVERIFY2(outcome.ok, qPrintable(outcome.problem));
    const QString restored = backup::restoredFolderPath(fx.dataRoot(), QDate(2026, 12, 8));
    backup::restoreArchive(outcome.record.path, restored);
    QCOMPARE(tree(restored), before);
}

void BackupEngineTest::whatTheProgramReadsIsAllInTheBackup()
{
    // "Active Batches" kept on another disk behind a link, as the program reads
    // it; names Linux allows that a Windows path would read otherwise; a link
    // elsewhere, which the program never reads, left out and named.
    DataFixture fx;
    writeShop(fx);
    const QString active = fx.path(QStringLiteral("Active Batches"));
    const QString elsewhere = QDir(fx.base()).filePath(QStringLiteral("other disk"));
    QVERIFY(QDir().rename(active, elsewhere));
    QVERIFY(QFile::link(elsewhere, active));
    fx.writeBytes(QStringLiteral("Misc/prices 2026\\2027.txt"), "12.50\r\n");
    fx.writeBytes(QStringLiteral("a:b notes.txt"), "call Ann\r\n");
    // The linked folder is compared on its own: the trees do not follow links.
    const auto withoutActive = [](QMap<QString, QString> files) {
        files.removeIf([](const auto& file) { return file.key().startsWith(u"Active Batches"); });
        return files;
    };
    const QMap<QString, QString> before = withoutActive(tree(fx.dataFolder()));
    QVERIFY(QFile::link(fx.path(QStringLiteral("Misc")), fx.path(QStringLiteral("shortcut"))));
    const backup::BackupOutcome made =
        backup::runBackup(job(fx, QDateTime(QDate(2026, 12, 7), QTime(9, 30))));
    QVERIFY2(made.ok, qPrintable(made.problem));
    QCOMPARE(made.leftOut, QStringList{QStringLiteral("shortcut")});
    const QString restored = backup::restoredFolderPath(fx.dataRoot(), QDate(2026, 12, 8));
    backup::restoreArchive(made.record.path, restored);
    QCOMPARE(withoutActive(tree(restored)), before);
    QCOMPARE(tree(QDir(restored).filePath(QStringLiteral("Active Batches"))), tree(elsewhere));

    // No archive where a restore could not give a name back, or a name is not
    // whole UTF-8: the backup fails, saying where.
    const QByteArray notUtf8 = QFile::encodeName(fx.path(QStringLiteral("Misc"))) + "/caf\xE9.txt";
    for (const QByteArray& odd :
         {QFile::encodeName(fx.path(QStringLiteral("odd\\\\name"))), notUtf8}) {
        const int fd = ::open(odd.constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
        const backup::BackupOutcome refused =
            backup::runBackup(job(fx, QDateTime(QDate(2026, 12, 7), QTime(9, 31))));
        ::unlink(odd.constData()); // the temporary folder's removal reads names as UTF-8
        QVERIFY(!refused.ok);
        QVERIFY2(refused.problem.contains(odd == notUtf8 ? backup::shownPath(fx.path("Misc"))
                                                         : QStringLiteral("odd\\\\name")),
                 qPrintable(refused.problem));
    }
}

void BackupEngineTest::rotationOver400DaysKeeps14Daily8Weekly12Monthly()
{
    DataFixture fx;
    const QString folder = backup::defaultBackupFolder(fx.dataRoot());
    QDir().mkpath(folder);
    // Files the program did not write, one named like its archives.
    writeZip(QDir(folder).filePath(QStringLiteral("Vintrelo Backup 2023-01-15 0800.zip")),
             {{QStringLiteral("Batch-ID.txt"), "1\r\n"}});
    fx.writeBytes(QStringLiteral("../Vintrelo Backups/notes.txt"), "mine\r\n");

    const QDate first(2025, 11, 1);
    QDate today = first;
    for (int day = 0; day < 400; ++day, today = today.addDays(1)) {
        store::Clock::setFixedToday(today);
        const backup::BackupOutcome outcome =
            backup::runBackup(job(fx, QDateTime(store::Clock::today(), QTime(9, 30))));
        QVERIFY2(outcome.ok, qPrintable(outcome.problem));
        QVERIFY(backup::listArchives(folder).size() <= 1 + 14 + 8 + 12);
    }
    const QDate last = first.addDays(399);

    // Worked out from the calendar: the 14 newest days, the newest day of each
    // of the 8 newest weeks and of the 12 newest months.
    QSet<QDate> expected;
    for (int i = 0; i < 14; ++i)
        expected.insert(last.addDays(-i));
    QDate day = last;
    for (int week = 0; week < 8; ++week) {
        expected.insert(day);
        day = day.addDays(-day.dayOfWeek()); // the Sunday before: the last day of the week before
    }
    day = last;
    for (int month = 0; month < 12; ++month) {
        expected.insert(day);
        day = QDate(day.year(), day.month(), 1).addDays(-1);
    }
    QStringList wanted;
    for (const QDate& date : std::as_const(expected))
        wanted << backup::archiveName(QDateTime(date, QTime(9, 30)));
    wanted << QStringLiteral("Vintrelo Backup 2023-01-15 0800.zip") << QStringLiteral("notes.txt");
    wanted.sort();
    QCOMPARE(names(folder), wanted);

    // "Back up now" later the same day keeps the morning's archive: every
    // archive of today is a restore point until tomorrow.
    const QDateTime afternoon(last, QTime(15, 0));
    QVERIFY(backup::runBackup(job(fx, afternoon)).ok);
    wanted << backup::archiveName(afternoon);
    wanted.sort();
    QCOMPARE(names(folder), wanted);
}

void BackupEngineTest::rotationTrustsOnlyGenuineArchivesAndAClockSetRight()
{
    DataFixture fx;
    const QString folder = backup::defaultBackupFolder(fx.dataRoot());
    const auto backupOn = [&](const QDate& day) {
        return backup::runBackup(job(fx, QDateTime(day, QTime(9, 30))));
    };
    // The only August archive, and a text file named as a newer one of August.
    QVERIFY(backupOn(QDate(2026, 8, 10)).ok);
    fx.writeBytes(QStringLiteral("../Vintrelo Backups/Vintrelo Backup 2026-08-31 2359.zip"),
                  "not an archive");
    // Autumn fills the days and weeks kept: August keeps only its month's archive.
    for (QDate day(2026, 9, 1); day < QDate(2026, 12, 8); day = day.addDays(3))
        QVERIFY(backupOn(day).ok);
    const QString august = backup::archiveName(QDateTime(QDate(2026, 8, 10), QTime(9, 30)));
    QVERIFY(names(folder).contains(august));
    QVERIFY(names(folder).contains(QStringLiteral("Vintrelo Backup 2026-08-31 2359.zip")));

    // With an archive made while the clock ran ahead, nothing is deleted, and it is said.
    QVERIFY(backupOn(QDate(2027, 3, 1)).ok);
    const int before = int(names(folder).size());
    const backup::BackupOutcome outcome = backupOn(QDate(2026, 12, 8));
    QVERIFY(outcome.ok);
    QVERIFY(outcome.deleted.isEmpty());
    QCOMPARE(int(names(folder).size()), before + 1);
    QVERIFY2(outcome.notice.contains(QStringLiteral("Vintrelo Backup 2027-03-01 0930.zip")),
             qPrintable(outcome.notice));
}

VINTRELO_TEST_MAIN(BackupEngineTest)
#include "tst_backup_engine.moc"
