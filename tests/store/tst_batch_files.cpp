// Batch files as the shop keeps them: exact bytes, line numbers, damaged files.
#include "DataFixture.h"
#include "TestMain.h"
#include "store/BatchFile.h"
#include "store/BatchSummary.h"
#include "store/DueActions.h"
#include "store/LongDate.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <QDir>

using namespace store;

namespace {

const QString kId = QStringLiteral("2026-000041");

QStringList fileLines(const DataFixture& fx, const QString& relative)
{
    return decodeLines(fx.bytes(relative));
}

} // namespace

class BatchFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newBatchIsByteExact();
    void emptyFieldsKeepTheirLines();
    void batchWithoutActionsIsTheHeaderAlone();
    void readBackKeepsEveryValue();
    void headerAndRecordTailsRoundTripUnchanged();
    void creatingRefusesAnExistingIdentifier();
    void damagedFilesAreRefusedAndLeftAlone_data();
    void damagedFilesAreRefusedAndLeftAlone();
    void dueDateThatIsNotADateIsReportedWhenDatesAreNeeded();
    void movingToCompleted();
    void movingRefusesAnExistingDestination();
    void capitalisedExtensionIsFoundAndKept();
    void identifiersThatCouldLeaveTheFolderAreRefused();
    void listsAndEditorReadAnOlderWindowsFileAlike();
};

void BatchFilesTest::newBatchIsByteExact()
{
    DataFixture fx;
    BatchFile batch = sampleBatch(3);
    writeBatchFile(fx.dataRoot(), kId, batch);

    const QByteArray bytes = fx.bytes(QStringLiteral("Active Batches/2026-000041.txt"));
    // 26 + 13 x 3 lines, each ending in CR LF, nothing after the last separator.
    QCOMPARE(bytes.count("\r\n"), 65);
    QCOMPARE(bytes.count('\n'), 65);
    QVERIFY(bytes.endsWith(QByteArray(40, '*') + "\r\n"));
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));

    const QStringList lines = fileLines(fx, QStringLiteral("Active Batches/2026-000041.txt"));
    QCOMPARE(lines.size(), 65);
    QCOMPARE(lines.at(0), QStringLiteral("Ann Smith"));
    QCOMPARE(lines.at(10), QStringLiteral("Merlot"));
    QCOMPARE(lines.at(18), formatLongDate(QDate(2026, 12, 1)));
    QCOMPARE(lines.at(19), QStringLiteral("0003"));
    for (int line = 21; line <= 25; ++line)
        QCOMPARE(lines.at(line - 1), QString());
    QCOMPARE(lines.at(25), QString(40, QLatin1Char('*')));
    // Line 27 is the first action's day, line 39 its separator, line 40 the next day.
    QCOMPARE(lines.at(26), QStringLiteral("1"));
    QCOMPARE(lines.at(27), QStringLiteral("Tuesday, December 1, 2026"));
    QCOMPARE(lines.at(28), QStringLiteral("Step 1"));
    for (int line = 30; line <= 38; ++line)
        QCOMPARE(lines.at(line - 1), QString());
    QCOMPARE(lines.at(38), QString(40, QLatin1Char('*')));
    QCOMPARE(lines.at(39), QStringLiteral("8"));
    QCOMPARE(lines.at(64), QString(40, QLatin1Char('*')));
    QVERIFY(!fx.exists(QStringLiteral("Active Batches/temp.txt")));
}

void BatchFilesTest::emptyFieldsKeepTheirLines()
{
    DataFixture fx;
    BatchFile batch = sampleBatch(1);
    batch.header.setField(BatchHeader::Phone2, QString());
    batch.header.setField(BatchHeader::Email, QStringLiteral("  ann@example.com "));
    batch.header.setField(BatchHeader::Cost, QStringLiteral("$89.95"));
    writeBatchFile(fx.dataRoot(), kId, batch);

    const QStringList lines = fileLines(fx, QStringLiteral("Active Batches/2026-000041.txt"));
    QCOMPARE(lines.at(6), QString());                            // line 7, Phone2
    QCOMPARE(lines.at(7), QStringLiteral("  ann@example.com ")); // blanks kept
    QCOMPARE(lines.at(16), QStringLiteral("$89.95"));            // line 17, Cost
    QCOMPARE(lines.at(17), QStringLiteral("Joe"));               // line 18, Vintner
}

void BatchFilesTest::batchWithoutActionsIsTheHeaderAlone()
{
    DataFixture fx;
    writeBatchFile(fx.dataRoot(), kId, sampleBatch(0));
    const QByteArray bytes = fx.bytes(QStringLiteral("Active Batches/2026-000041.txt"));
    QCOMPARE(bytes.count("\r\n"), 26);
    QVERIFY(bytes.endsWith(QByteArray(40, '*') + "\r\n"));

    const BatchFile read = readBatchFile(fx.dataRoot(), BatchFolder::Active, kId);
    QVERIFY(read.records.isEmpty());
    QVERIFY(!read.lastRecordCompleted());
}

void BatchFilesTest::readBackKeepsEveryValue()
{
    DataFixture fx;
    BatchFile batch = sampleBatch(2);
    batch.header.setField(BatchHeader::CustomerName, QStringLiteral("Zoë Brûlé"));
    batch.records[0].Amount = QStringLiteral("5 g");
    batch.records[0].Measurement = QStringLiteral("1.090");
    batch.records[0].Notes = QStringLiteral(" stirred well ");
    batch.records[0].DateCompleted = QStringLiteral(" "); // a blank counts as completed
    writeBatchFile(fx.dataRoot(), kId, batch);

    const BatchFile read = readBatchFile(fx.dataRoot(), BatchFolder::Active, kId);
    QCOMPARE(read.header.field(BatchHeader::CustomerName), QStringLiteral("Zoë Brûlé"));
    QCOMPARE(read.records.size(), 2);
    QCOMPARE(read.records[0].Amount, QStringLiteral("5 g"));
    QCOMPARE(read.records[0].Measurement, QStringLiteral("1.090"));
    QCOMPARE(read.records[0].Notes, QStringLiteral(" stirred well "));
    QVERIFY(!read.records[0].isOpen());
    QVERIFY(read.records[1].isOpen());
    QCOMPARE(read.records[1].Action, QStringLiteral("Step 2"));
}

void BatchFilesTest::headerAndRecordTailsRoundTripUnchanged()
{
    // Hand-edited reserved lines and separators survive a read and write.
    QStringList lines = batchToLines(sampleBatch(2));
    lines[21] = QStringLiteral("kept note");
    lines[25] = QString(39, QLatin1Char('*'));
    lines[26 + 9] = QStringLiteral("reserved");
    const BatchFile batch = batchFromLines(lines, QStringLiteral("x"));
    QCOMPARE(batchToLines(batch), lines);
}

void BatchFilesTest::creatingRefusesAnExistingIdentifier()
{
    DataFixture fx;
    fx.writeBatch(kId, sampleBatch(1, QStringLiteral("Completed Customer")),
                  QStringLiteral("Completed Batches"));
    const auto before = fx.snapshot();
    try {
        writeBatchFile(fx.dataRoot(), kId, sampleBatch(2));
        QFAIL("an existing identifier was overwritten");
    } catch (const StoreError& error) {
        QVERIFY(error.message().contains(kId));
    }
    QCOMPARE(fx.snapshot(), before);
}

void BatchFilesTest::damagedFilesAreRefusedAndLeftAlone_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QString>("named");
    QTest::newRow("empty file") << 0 << QStringLiteral("0 lines");
    QTest::newRow("short header") << 25 << QStringLiteral("25 lines");
    QTest::newRow("record cut short") << 26 + 13 + 12 << QStringLiteral("action 2");
    QTest::newRow("one line of a record") << 26 + 1 << QStringLiteral("action 1");
}

void BatchFilesTest::damagedFilesAreRefusedAndLeftAlone()
{
    QFETCH(int, lineCount);
    QFETCH(QString, named);
    DataFixture fx;
    QStringList lines = batchToLines(sampleBatch(2));
    while (lines.size() < lineCount)
        lines << QString();
    lines = lines.mid(0, lineCount);
    fx.writeLines(QStringLiteral("Active Batches/2026-000041.txt"), lines);
    const auto before = fx.snapshot();
    try {
        readBatchFile(fx.dataRoot(), BatchFolder::Active, kId);
        QFAIL("a damaged file was read as a batch");
    } catch (const StoreError& error) {
        QVERIFY2(error.message().contains(QStringLiteral("2026-000041.txt")),
                 qPrintable(error.message()));
        QVERIFY2(error.message().contains(named), qPrintable(error.message()));
    }
    QCOMPARE(fx.snapshot(), before);
}

void BatchFilesTest::dueDateThatIsNotADateIsReportedWhenDatesAreNeeded()
{
    DataFixture fx;
    BatchFile batch = sampleBatch(3);
    batch.records[1].DueDate = QStringLiteral("next Tuesday");
    fx.writeBatch(kId, batch);

    QCOMPARE(firstRecordWithBadDueDate(batch), 2);
    // The layout is sound, so a reader that needs no dates still reads it.
    QCOMPARE(readBatchFile(fx.dataRoot(), BatchFolder::Active, kId).records.size(), 3);
    try {
        readBatchFile(fx.dataRoot(), BatchFolder::Active, kId, BatchCheck::LayoutAndDueDates);
        QFAIL("a due date that is not a date was accepted");
    } catch (const StoreError& error) {
        QVERIFY(error.message().contains(QStringLiteral("next Tuesday")));
        QVERIFY(error.message().contains(QStringLiteral("action 2")));
    }
}

void BatchFilesTest::movingToCompleted()
{
    DataFixture fx;
    fx.writeBatch(kId, sampleBatch(1));
    const QByteArray bytes = fx.bytes(QStringLiteral("Active Batches/2026-000041.txt"));
    moveBatchFile(fx.dataRoot(), kId);
    QVERIFY(!fx.exists(QStringLiteral("Active Batches/2026-000041.txt")));
    QCOMPARE(fx.bytes(QStringLiteral("Completed Batches/2026-000041.txt")), bytes);
}

void BatchFilesTest::movingRefusesAnExistingDestination()
{
    DataFixture fx;
    fx.writeBatch(kId, sampleBatch(1, QStringLiteral("Active one")));
    fx.writeLines(QStringLiteral("Completed Batches/2026-000041.TXT"), {QStringLiteral("older")});
    const auto before = fx.snapshot();
    QVERIFY_THROWS_EXCEPTION(StoreError, moveBatchFile(fx.dataRoot(), kId));
    QCOMPARE(fx.snapshot(), before);
}

void BatchFilesTest::capitalisedExtensionIsFoundAndKept()
{
    DataFixture fx;
    fx.writeLines(QStringLiteral("Active Batches/2026-000007.TXT"), batchToLines(sampleBatch(1)));
    const BatchFile read =
        readBatchFile(fx.dataRoot(), BatchFolder::Active, QStringLiteral("2026-000007"));
    QCOMPARE(read.records.size(), 1);
    moveBatchFile(fx.dataRoot(), QStringLiteral("2026-000007"));
    QVERIFY(fx.exists(QStringLiteral("Completed Batches/2026-000007.TXT")));
}

void BatchFilesTest::identifiersThatCouldLeaveTheFolderAreRefused()
{
    DataFixture fx;
    for (const char* id : {"../Recipes/0001", "", "..", "a/b", "temp", "TEMP"}) {
        QVERIFY2(!isSafeBatchId(QString::fromLatin1(id)), id);
        QVERIFY_THROWS_EXCEPTION(
            StoreError, writeBatchFile(fx.dataRoot(), QString::fromLatin1(id), sampleBatch(1)));
    }
    QVERIFY(isSafeBatchId(kId));
    QVERIFY(!fx.exists(QStringLiteral("Active Batches/temp.txt")));
}

void BatchFilesTest::listsAndEditorReadAnOlderWindowsFileAlike()
{
    // A file from an older installation, in Windows-1252: a note further down
    // holds "café", and the name's bytes happen to be valid UTF-8 for "José".
    // Each line is read in its own encoding, so the name reads as UTF-8, and
    // every reader shows it as the editor does, the lists that stop at line 20
    // included.
    DataFixture fx;
    QStringList lines = batchToLines(sampleBatch(2));
    lines[0] = QStringLiteral("NAME");
    lines[26 + 5] = QStringLiteral("NOTE");
    QByteArray bytes = encodeLines(lines);
    bytes.replace("NAME", "Jos\xC3\xA9");
    bytes.replace("NOTE", "caf\xE9");
    fx.writeBytes(QStringLiteral("Active Batches/2026-000041.txt"), bytes);

    const BatchFile batch = readBatchFile(fx.dataRoot(), BatchFolder::Active, kId);
    const QString name = QStringLiteral("Jos\u00E9");
    QCOMPARE(batch.header.field(BatchHeader::CustomerName), name);
    QCOMPARE(batch.records[0].Notes, QStringLiteral("caf\u00E9"));

    const QVector<BatchSummary> rows = listBatchSummaries(fx.dataRoot(), BatchFolder::Active);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].customerName, name);
    QCOMPARE(rows[0].variety, QStringLiteral("Merlot"));

    const DueScan scan = scanDueActions(fx.dataRoot(), QDate(2026, 12, 8));
    QCOMPARE(scan.actions.size(), 2);
    QCOMPARE(scan.actions[0].customer, name);
}

VINTRELO_TEST_MAIN(BatchFilesTest)
#include "tst_batch_files.moc"
