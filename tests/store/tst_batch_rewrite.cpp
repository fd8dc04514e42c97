// The one way a batch file is changed: whole file checked, "temp.txt" written and
// flushed, one rename, then the move. Every failure leaves the data as it was.
#include "DataFixture.h"
#include "TestMain.h"
#include "store/BatchRewrite.h"
#include "store/DataFolder.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <QDir>

using namespace store;

namespace {

const QString kId = QStringLiteral("2026-000041");
const QString kActiveFile = QStringLiteral("Active Batches/2026-000041.txt");
const QString kCompletedFile = QStringLiteral("Completed Batches/2026-000041.txt");

// Completes record `index` the way the daily task screen does.
std::function<void(BatchFile&)> complete(int index)
{
    return [index](BatchFile& batch) {
        requireRecord(batch, index, kId);
        ActionRecord& record = batch.records[index - 1];
        record.Amount = QStringLiteral("5 g");
        record.Measurement = QStringLiteral("1.000");
        record.Notes = QString();
        record.DateCompleted = QStringLiteral("Monday, December 7, 2026");
    };
}

// Makes one step of the writer fail, as a full disk or a refusing device would.
class FailStep
{
public:
    explicit FailStep(WriteStep step)
    {
        setWriteFaultHook([step](WriteStep now, const QString&) { return now != step; });
    }
    ~FailStep() { setWriteFaultHook(nullptr); }
};

} // namespace

class BatchRewriteTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void completingChangesOnlyTheTargetLines();
    void completingTheLastRecordMovesTheFile();
    void lastRecordAloneDecidesTheMove();
    void recordNumbersOutsideTheBatchAreRefused();
    void failuresLeaveTheBatchAsItWas_data();
    void failuresLeaveTheBatchAsItWas();
    void folderInTheWayOfTheScratchFile();
    void finishedBatchWithTakenCompletedNameIsNotTouched();
    void finishedBatchWithoutCompletedFolderIsNotTouched();
    void vanishedBatchFileIsReported();
    void staleScratchFileIsNeitherListedNorKept();
};

void BatchRewriteTest::completingChangesOnlyTheTargetLines()
{
    DataFixture fx;
    fx.writeBatch(kId, sampleBatch(3));
    const QStringList before = decodeLines(fx.bytes(kActiveFile));

    QCOMPARE(rewriteBatchFile(fx.dataRoot(), kId, complete(1)), RewriteOutcome::StillActive);

    const QStringList after = decodeLines(fx.bytes(kActiveFile));
    QCOMPARE(after.size(), before.size());
    for (int line = 1; line <= after.size(); ++line) {
        if (line >= 30 && line <= 33)
            continue;
        QVERIFY2(after.at(line - 1) == before.at(line - 1), qPrintable(QString::number(line)));
    }
    QCOMPARE(after.at(29), QStringLiteral("5 g"));
    QCOMPARE(after.at(30), QStringLiteral("1.000"));
    QCOMPARE(after.at(31), QString());
    QCOMPARE(after.at(32), QStringLiteral("Monday, December 7, 2026"));
    QVERIFY(fx.bytes(kActiveFile).endsWith("****\r\n"));
    QVERIFY(!fx.exists(QStringLiteral("Active Batches/temp.txt")));
}

void BatchRewriteTest::completingTheLastRecordMovesTheFile()
{
    DataFixture fx;
    fx.writeBatch(kId, sampleBatch(3));
    // Record 2 is still open: only the last record decides.
    QCOMPARE(rewriteBatchFile(fx.dataRoot(), kId, complete(3)), RewriteOutcome::MovedToCompleted);
    QVERIFY(!fx.exists(kActiveFile));
    const QStringList moved = decodeLines(fx.bytes(kCompletedFile));
    QCOMPARE(moved.size(), 65);
    QCOMPARE(moved.at(26 + 26 + 6), QStringLiteral("Monday, December 7, 2026"));
    QCOMPARE(moved.at(26 + 13 + 6), QString());
    QVERIFY(!fx.exists(QStringLiteral("Active Batches/temp.txt")));
}

void BatchRewriteTest::lastRecordAloneDecidesTheMove()
{
    DataFixture fx;
    BatchFile batch = sampleBatch(3);
    batch.records[2].DateCompleted = QStringLiteral("Sunday, December 6, 2026");
    fx.writeBatch(kId, batch);
    QCOMPARE(rewriteBatchFile(fx.dataRoot(), kId, complete(2)), RewriteOutcome::MovedToCompleted);
    QVERIFY(fx.exists(kCompletedFile));

    DataFixture single;
    single.writeBatch(kId, sampleBatch(1));
    QCOMPARE(rewriteBatchFile(single.dataRoot(), kId, complete(1)),
             RewriteOutcome::MovedToCompleted);
}

void BatchRewriteTest::recordNumbersOutsideTheBatchAreRefused()
{
    DataFixture fx;
    fx.writeBatch(kId, sampleBatch(2));
    const auto before = fx.snapshot();
    for (int index : {0, 3, -1}) {
        try {
            rewriteBatchFile(fx.dataRoot(), kId, complete(index));
            QFAIL("a record that does not exist was written");
        } catch (const StoreError& error) {
            QVERIFY(error.message().contains(kId));
        }
        QCOMPARE(fx.snapshot(), before);
    }
}

void BatchRewriteTest::failuresLeaveTheBatchAsItWas_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("lastRecord");
    QTest::newRow("temp.txt cannot be created") << int(WriteStep::OpenScratch) << false;
    QTest::newRow("write fails part way") << int(WriteStep::WriteScratch) << false;
    QTest::newRow("flush fails") << int(WriteStep::FlushScratch) << false;
    QTest::newRow("rename refused") << int(WriteStep::Rename) << false;
    QTest::newRow("rename refused, finished batch") << int(WriteStep::Rename) << true;
}

void BatchRewriteTest::failuresLeaveTheBatchAsItWas()
{
    QFETCH(int, step);
    QFETCH(bool, lastRecord);
    DataFixture fx;
    fx.writeBatch(kId, sampleBatch(3));
    fx.writeBatch(QStringLiteral("2026-000042"), sampleBatch(2, QStringLiteral("Other")));
    const auto before = fx.snapshot();
    {
        FailStep failing(static_cast<WriteStep>(step));
        try {
            rewriteBatchFile(fx.dataRoot(), kId, complete(lastRecord ? 3 : 1));
            QFAIL("a failed rewrite was reported as done");
        } catch (const StoreError& error) {
            QVERIFY2(error.message().contains(QStringLiteral("2026-000041")),
                     qPrintable(error.message()));
        }
    }
    QCOMPARE(fx.snapshot(), before);
}

void BatchRewriteTest::folderInTheWayOfTheScratchFile()
{
    // A real obstacle, not a seam: a folder named "temp.txt" cannot be written.
    DataFixture fx;
    fx.writeBatch(kId, sampleBatch(2));
    QVERIFY(QDir(fx.path(QStringLiteral("Active Batches"))).mkdir(QStringLiteral("temp.txt")));
    const auto before = fx.snapshot();
    QVERIFY_THROWS_EXCEPTION(StoreError, rewriteBatchFile(fx.dataRoot(), kId, complete(1)));
    QCOMPARE(fx.snapshot(), before);
}

void BatchRewriteTest::finishedBatchWithTakenCompletedNameIsNotTouched()
{
    DataFixture fx;
    fx.writeBatch(kId, sampleBatch(1));
    fx.writeLines(QStringLiteral("Completed Batches/2026-000041.TXT"), {QStringLiteral("older")});
    const auto before = fx.snapshot();
    try {
        rewriteBatchFile(fx.dataRoot(), kId, complete(1));
        QFAIL("the completed folder's file was overwritten");
    } catch (const StoreError& error) {
        QVERIFY(error.message().contains(QStringLiteral("2026-000041.txt")));
    }
    QCOMPARE(fx.snapshot(), before);
}

void BatchRewriteTest::finishedBatchWithoutCompletedFolderIsNotTouched()
{
    DataFixture fx;
    fx.writeBatch(kId, sampleBatch(1));
    QVERIFY(QDir(fx.path(QStringLiteral("Completed Batches"))).removeRecursively());
    const auto before = fx.snapshot();
    QVERIFY_THROWS_EXCEPTION(StoreError, rewriteBatchFile(fx.dataRoot(), kId, complete(1)));
    QCOMPARE(fx.snapshot(), before);
}

void BatchRewriteTest::vanishedBatchFileIsReported()
{
    DataFixture fx;
    try {
        rewriteBatchFile(fx.dataRoot(), kId, complete(1));
        QFAIL("a missing batch was rewritten");
    } catch (const StoreError& error) {
        QVERIFY(error.message().contains(QStringLiteral("2026-000041")));
    }
    QVERIFY(!fx.exists(kActiveFile));
    QVERIFY(!fx.exists(QStringLiteral("Active Batches/temp.txt")));
}

void BatchRewriteTest::staleScratchFileIsNeitherListedNorKept()
{
    DataFixture fx;
    fx.writeBatch(kId, sampleBatch(2));
    fx.writeLines(QStringLiteral("Active Batches/temp.txt"), {QStringLiteral("half a batch")});
    fx.writeLines(QStringLiteral("Active Batches/TEMP.TXT"), {QStringLiteral("another")});
    const QStringList listed = listBatchFiles(fx.path(QStringLiteral("Active Batches")),
                                              FileSubject(FileSubject::ActiveBatches));
    QCOMPARE(listed, QStringList{QStringLiteral("2026-000041.txt")});

    rewriteBatchFile(fx.dataRoot(), kId, complete(1));
    QVERIFY(!fx.exists(QStringLiteral("Active Batches/temp.txt")));
    QCOMPARE(decodeLines(fx.bytes(kActiveFile)).size(), 52);
}

VINTRELO_TEST_MAIN(BatchRewriteTest)
#include "tst_batch_rewrite.moc"
