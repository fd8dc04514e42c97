// The schedule a recipe gives a new batch, and what the store makes of the
// counter and the batch folders when a batch is created.
#include "DataFixture.h"
#include "TestMain.h"
#include "store/BatchCreation.h"
#include "store/Schedule.h"
#include "store/StoreError.h"

#include <QFile>

namespace {

const QDate kMonday(2026, 12, 7);

// A step line as the recipe editor writes it: the day field filled to column 17.
QString step(const QString& day, const QString& action)
{
    return (QStringLiteral("Day ") + day).leftJustified(17, QLatin1Char(' ')) +
           QStringLiteral("* ") + action;
}

QString refusal(const store::Recipe& recipe, const QDate& start)
{
    try {
        store::scheduleFromRecipe(recipe, start, QStringLiteral("/shop/Recipes/0003.txt"));
    } catch (const store::StoreError& error) {
        return error.message();
    }
    return QString();
}

} // namespace

class ScheduleTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dueDateIsStartPlusDayMinusOne_data();
    void dueDateIsStartPlusDayMinusOne();
    void stepsKeepFileOrderAndTheirActionText();
    void dayTextsThatAreNotWholeDaysAreRefusedWithTheirLine_data();
    void dayTextsThatAreNotWholeDaysAreRefusedWithTheirLine();
    void counterGivesTheIdentifierOrIsRefused_data();
    void counterGivesTheIdentifierOrIsRefused();
    void identifierTakenInEitherFolderIsFound();
    void unusedCounterLooksAtEveryBatchOfEveryYear();
    void newBatchFileHasTheHeaderInItsLinesAndOpenActions();
};

void ScheduleTest::dueDateIsStartPlusDayMinusOne_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("due");
    QTest::newRow("day 1 is the start") << kMonday << "1"
                                        << "Monday, December 7, 2026";
    QTest::newRow("day 0 the day before") << kMonday << "0"
                                          << "Sunday, December 6, 2026";
    QTest::newRow("day 8 a week on") << kMonday << "8"
                                     << "Monday, December 14, 2026";
    QTest::newRow("day 15 two weeks on") << kMonday << "15"
                                         << "Monday, December 21, 2026";
    QTest::newRow("negative day") << kMonday << "-2"
                                  << "Friday, December 4, 2026";
    QTest::newRow("into the next year") << kMonday << "26"
                                        << "Friday, January 1, 2027";
    QTest::newRow("leap day") << QDate(2028, 2, 28) << "2"
                              << "Tuesday, February 29, 2028";
    QTest::newRow("leading zeros") << kMonday << "008"
                                   << "Monday, December 14, 2026";
    QTest::newRow("plus sign") << kMonday << "+15"
                               << "Monday, December 21, 2026";
}

void ScheduleTest::dueDateIsStartPlusDayMinusOne()
{
    QFETCH(QDate, start);
    QFETCH(QString, day);
    QFETCH(QString, due);
    const store::Recipe recipe{QStringLiteral("0003 - Red kit"),
                               {step(day, QStringLiteral("Stir"))}};
    const auto rows = store::scheduleFromRecipe(recipe, start, QStringLiteral("0003.txt"));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0).DayNumber, day);
    QCOMPARE(rows.at(0).DueDate, due);
}

void ScheduleTest::stepsKeepFileOrderAndTheirActionText()
{
    // Hand-edited lines: a day of 14 written before day 1, blanks around an
    // action, an action cut off entirely, a day field of full width.
    const store::Recipe recipe{QStringLiteral("0003 - Red kit"),
                               {step(QStringLiteral("14"), QStringLiteral("Rack")),
                                step(QStringLiteral("1"), QStringLiteral("  Add yeast  ")),
                                QStringLiteral("Day 5"),
                                QStringLiteral("Day 0000000000021* Bottle")}};
    const auto rows = store::scheduleFromRecipe(recipe, kMonday, QStringLiteral("0003.txt"));
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows.at(0).DayNumber, QStringLiteral("14"));
    QCOMPARE(rows.at(0).DueDate, QStringLiteral("Sunday, December 20, 2026"));
    QCOMPARE(rows.at(0).Action, QStringLiteral("Rack"));
    QCOMPARE(rows.at(1).DayNumber, QStringLiteral("1"));
    QCOMPARE(rows.at(1).Action, QStringLiteral("  Add yeast  "));
    QCOMPARE(rows.at(2).DayNumber, QStringLiteral("5"));
    QCOMPARE(rows.at(2).DueDate, QStringLiteral("Friday, December 11, 2026"));
    QCOMPARE(rows.at(2).Action, QString());
    QCOMPARE(rows.at(3).DayNumber, QStringLiteral("0000000000021"));
    QCOMPARE(rows.at(3).DueDate, QStringLiteral("Sunday, December 27, 2026"));
    QCOMPARE(rows.at(3).Action, QStringLiteral("Bottle"));

    const store::Recipe noSteps{QStringLiteral("0002 - Nothing yet"), {}};
    QVERIFY(store::scheduleFromRecipe(noSteps, kMonday, QStringLiteral("0002.txt")).isEmpty());
}

void ScheduleTest::dayTextsThatAreNotWholeDaysAreRefusedWithTheirLine_data()
{
    QTest::addColumn<QString>("badLine");
    QTest::addColumn<QString>("shownDay");
    QTest::newRow("a word") << step(QStringLiteral("ten"), QStringLiteral("Rack")) << "\"ten\"";
    QTest::newRow("number and unit")
        << step(QStringLiteral("14 days"), QStringLiteral("Rack")) << "\"14 days\"";
    QTest::newRow("fraction") << step(QStringLiteral("1.5"), QStringLiteral("Rack")) << "\"1.5\"";
    QTest::newRow("blank day cell") << step(QString(), QStringLiteral("Rack")) << "\"\"";
    QTest::newRow("empty line") << QString() << "\"\"";
    QTest::newRow("sign alone") << step(QStringLiteral("-"), QStringLiteral("Rack")) << "\"-\"";
    QTest::newRow("past the calendar")
        << step(QStringLiteral("9999999"), QStringLiteral("Rack")) << "9999999";
}

void ScheduleTest::dayTextsThatAreNotWholeDaysAreRefusedWithTheirLine()
{
    QFETCH(QString, badLine);
    QFETCH(QString, shownDay);
    // Line 1 is the header, line 2 a good step: the bad step is line 3, and a
    // second bad step after it is not the one named.
    const store::Recipe recipe{QStringLiteral("0003 - Red kit"),
                               {step(QStringLiteral("1"), QStringLiteral("Add yeast")), badLine,
                                step(QStringLiteral("x"), QStringLiteral("Bottle"))}};
    const QString message = refusal(recipe, kMonday);
    QVERIFY2(message.contains(QStringLiteral("/shop/Recipes/0003.txt")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("line 3 ")), qPrintable(message));
    QVERIFY2(message.contains(shownDay), qPrintable(message));
    QVERIFY2(!message.contains(QStringLiteral("\"x\"")), qPrintable(message));
}

void ScheduleTest::counterGivesTheIdentifierOrIsRefused_data()
{
    QTest::addColumn<QByteArray>("counterFile");
    QTest::addColumn<QString>("identifier"); // empty: refused
    QTest::newRow("plain") << QByteArray("41\r\n") << "2026-000041";
    QTest::newRow("leading zeros") << QByteArray("0041\r\n") << "2026-000041";
    QTest::newRow("seven digits keep the last six") << QByteArray("1000041\r\n") << "2026-000041";
    QTest::newRow("only line 1 counts") << QByteArray("41\r\n99\r\n") << "2026-000041";
    QTest::newRow("blank before") << QByteArray(" 41\r\n") << "";
    QTest::newRow("blank after") << QByteArray("41 \r\n") << "";
    QTest::newRow("words") << QByteArray("forty-one\r\n") << "";
    QTest::newRow("empty file") << QByteArray() << "";
}

void ScheduleTest::counterGivesTheIdentifierOrIsRefused()
{
    QFETCH(QByteArray, counterFile);
    QFETCH(QString, identifier);
    DataFixture fx;
    fx.writeBytes(QStringLiteral("Batch-ID.txt"), counterFile);
    fx.writeBatch(QStringLiteral("2025-000057"), sampleBatch(1),
                  QStringLiteral("Completed Batches"));
    try {
        QCOMPARE(store::nextBatchId(fx.dataRoot(), kMonday), identifier);
    } catch (const store::StoreError& error) {
        QVERIFY2(identifier.isEmpty(), qPrintable(error.message()));
        QVERIFY(error.message().contains(fx.path(QStringLiteral("Batch-ID.txt"))));
        // The way out names a number no batch has used.
        QVERIFY(error.message().contains(QStringLiteral(" 58 ")));
    }
    QCOMPARE(fx.bytes(QStringLiteral("Batch-ID.txt")), counterFile);

    QFile::remove(fx.path(QStringLiteral("Batch-ID.txt")));
    QVERIFY_THROWS_EXCEPTION(store::StoreError, store::nextBatchId(fx.dataRoot(), kMonday));
}

void ScheduleTest::identifierTakenInEitherFolderIsFound()
{
    DataFixture fx;
    QCOMPARE(store::folderHoldingBatch(fx.dataRoot(), QStringLiteral("2026-000041")), QString());
    fx.writeBytes(QStringLiteral("Completed Batches/2026-000041.TXT"), "x\r\n");
    QCOMPARE(store::folderHoldingBatch(fx.dataRoot(), QStringLiteral("2026-000041")),
             fx.path(QStringLiteral("Completed Batches")));
    fx.writeBatch(QStringLiteral("2026-000041"), sampleBatch(1));
    QCOMPARE(store::folderHoldingBatch(fx.dataRoot(), QStringLiteral("2026-000041")),
             fx.path(QStringLiteral("Active Batches")));
    QCOMPARE(store::folderHoldingBatch(fx.dataRoot(), QStringLiteral("2026-000042")), QString());
}

void ScheduleTest::unusedCounterLooksAtEveryBatchOfEveryYear()
{
    DataFixture fx;
    QCOMPARE(store::unusedCounterValue(fx.dataRoot()), QStringLiteral("1"));
    fx.writeBatch(QStringLiteral("2026-000041"), sampleBatch(1));
    fx.writeBatch(QStringLiteral("2025-000077"), sampleBatch(1),
                  QStringLiteral("Completed Batches"));
    // Neither the scratch file nor a stray note counts as a batch.
    fx.writeBytes(QStringLiteral("Active Batches/temp.txt"), "x\r\n");
    fx.writeBytes(QStringLiteral("Active Batches/notes 999999.txt"), "x\r\n");
    QCOMPARE(store::unusedCounterValue(fx.dataRoot()), QStringLiteral("78"));
}

void ScheduleTest::newBatchFileHasTheHeaderInItsLinesAndOpenActions()
{
    store::PendingBatch pending;
    pending.BatchID = QStringLiteral("2026-000041");
    pending.CustomerName = QStringLiteral("Ann Smith");
    pending.Phone2 = QString();
    pending.Email = QStringLiteral("ann@example.com");
    pending.Variety = QStringLiteral("Merlot");
    pending.Cost = QStringLiteral(" $149.99 ");
    pending.Vintner = QStringLiteral("Joe");
    pending.StartDate = QStringLiteral("12/7/26");
    pending.RecipeNumber = QStringLiteral("0003");
    const QVector<store::ScheduleRow> rows{
        {QStringLiteral("1"), QStringLiteral("Monday, December 7, 2026"), QStringLiteral("Yeast")},
        {QStringLiteral("0"), QStringLiteral("Sunday, December 6, 2026"), QStringLiteral("Oak")}};

    const QStringList lines = store::batchToLines(store::newBatchFile(pending, rows));
    QCOMPARE(lines.size(), 26 + 2 * 13);
    QCOMPARE(lines.at(0), QStringLiteral("Ann Smith"));
    QCOMPARE(lines.at(6), QString());
    QCOMPARE(lines.at(7), QStringLiteral("ann@example.com"));
    QCOMPARE(lines.at(10), QStringLiteral("Merlot"));
    QCOMPARE(lines.at(16), QStringLiteral(" $149.99 "));
    QCOMPARE(lines.at(17), QStringLiteral("Joe"));
    QCOMPARE(lines.at(18), QStringLiteral("12/7/26"));
    QCOMPARE(lines.at(19), QStringLiteral("0003"));
    QVERIFY(!lines.contains(QStringLiteral("2026-000041"))); // only the file name holds it
    QCOMPARE(lines.at(25), QString(40, QLatin1Char('*')));
    QCOMPARE(lines.at(26), QStringLiteral("1"));
    QCOMPARE(lines.at(27), QStringLiteral("Monday, December 7, 2026"));
    QCOMPARE(lines.at(28), QStringLiteral("Yeast"));
    for (int line = 29; line < 38; ++line)
        QCOMPARE(lines.at(line), QString());
    QCOMPARE(lines.at(38), QString(40, QLatin1Char('*')));
    QCOMPARE(lines.at(39), QStringLiteral("0"));
    QCOMPARE(lines.constLast(), QString(40, QLatin1Char('*')));
}

VINTRELO_TEST_MAIN(ScheduleTest)
#include "tst_schedule.moc"
