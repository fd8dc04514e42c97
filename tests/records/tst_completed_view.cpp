// A completed batch, shown read-only from "Completed wine".
#include "AppHarness.h"
#include "DataFixture.h"
#include "MessageScript.h"
#include "RecordScreens.h"
#include "TestMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace records;

namespace {

const QString kBatch = QStringLiteral("2026-000030");

// Four actions: all done but the third, whose completion date was removed by hand.
store::BatchFile finishedBatch()
{
    store::BatchFile batch = sampleBatch(4, QStringLiteral("Fiona Finch"));
    for (int i : {0, 1, 3})
        batch.records[i].DateCompleted = longDate(2026, 12, 2 + 7 * i);
    batch.records[3].Notes = QStringLiteral("30 bottles");
    return batch;
}

} // namespace

class TestCompletedView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }
    void showsTheBatchWithItsCompletedMarks();
    void nothingOnItChangesTheBatch();
    void damagedArchiveIsNotShown();
};

void TestCompletedView::showsTheBatchWithItsCompletedMarks()
{
    DataFixture fx;
    writeShopRecipe(fx);
    fx.writeBatch(kBatch, finishedBatch(), QStringLiteral("Completed Batches"));
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openCompletedList(app));
    doubleClickCell(grid(app), 1, 2);
    QCOMPARE(app.visibleName(), QStringLiteral("Completed2"));

    QCOMPARE(app.visible()->windowTitle(), QStringLiteral("Vintrelo - Completed Batches"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("Label20"))->text(), QStringLiteral("Vintrelo"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("Label2"))->text(),
             QStringLiteral("Existing Batch"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("BatchID_Label"))->text(), kBatch);
    QCOMPARE(app.control<QLabel>(QStringLiteral("Name_Label"))->text(),
             QStringLiteral("Fiona Finch"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("Phone1_Label"))->text(),
             QStringLiteral("555-0101"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("Vintner_Label"))->text(), QStringLiteral("Joe"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("StartDate_Label"))->text(), longDate(2026, 12, 1));

    widgets::Grid* actions = grid(app);
    QCOMPARE(actions->rows(), 5);
    QCOMPARE(actions->textAt(0, 6), QStringLiteral("Date Completed"));
    QCOMPARE(actions->textAt(4, 5), QStringLiteral("30 bottles"));
    QCOMPARE(actions->textAt(4, 6), longDate(2026, 12, 23));
    const QColor green(0, 255, 0);
    QCOMPARE(actions->backgroundAt(1, 1), green);
    QCOMPARE(actions->backgroundAt(2, 1), green);
    QVERIFY(!actions->backgroundAt(3, 1).isValid());
    QCOMPARE(actions->backgroundAt(4, 1), green);
    QVERIFY(!actions->backgroundAt(4, 6).isValid());
    QCOMPARE(actions->alignmentAt(2, 3), Qt::AlignHCenter | Qt::AlignVCenter);
    QVERIFY(script.shown().isEmpty());
}

void TestCompletedView::nothingOnItChangesTheBatch()
{
    DataFixture fx;
    writeShopRecipe(fx);
    fx.writeBatch(kBatch, finishedBatch(), QStringLiteral("Completed Batches"));
    const auto before = fx.snapshot();
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openCompletedList(app));
    doubleClickCell(grid(app), 1, 1);
    QCOMPARE(app.visibleName(), QStringLiteral("Completed2"));

    // No editor, no hint, and only the one way back (beside the report, which
    // only prints).
    QVERIFY(!app.control<QLineEdit>(QStringLiteral("Text1")));
    QVERIFY(!app.control<QLabel>(QStringLiteral("Label4")));
    QList<QPushButton*> buttons = app.visible()->findChildren<QPushButton*>();
    buttons.removeAll(app.control<QPushButton>(QStringLiteral("PrintReport_Command")));
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(buttons.first()->objectName(), QStringLiteral("CommandButton1"));
    // "&&" shows one ampersand rather than underlining the "G".
    QCOMPARE(buttons.first()->text(), QStringLiteral("Quit && Go Back"));

    widgets::Grid* actions = grid(app);
    doubleClickCell(actions, 3, 6);
    QTest::keyClicks(actions, QStringLiteral("12/25/2026"));
    QTest::keyClick(actions, Qt::Key_Return);
    QCOMPARE(actions->textAt(3, 6), QString());
    QCOMPARE(app.visibleName(), QStringLiteral("Completed2"));
    QCOMPARE(app.visibleWindowCount(), 1);

    app.visible()->close(); // the title bar acts as Quit & Go Back
    AppHarness::settle();
    QCOMPARE(app.visibleName(), QStringLiteral("Completed1"));
    QCOMPARE(fx.snapshot(), before);
    QVERIFY(script.shown().isEmpty());
}

void TestCompletedView::damagedArchiveIsNotShown()
{
    DataFixture fx;
    writeShopRecipe(fx);
    fx.writeLines(QStringLiteral("Completed Batches/2026-000030.txt"),
                  store::batchToLines(finishedBatch()).mid(0, 26 + 13 + 9));
    const auto before = fx.snapshot();
    MessageScript script;
    script.answer(0);
    AppHarness app(fx);
    QVERIFY(openCompletedList(app));
    doubleClickCell(grid(app), 1, 1);
    QCOMPARE(app.visibleName(), QStringLiteral("Completed1"));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().at(0).contains(QStringLiteral("2026-000030.txt")));
    QCOMPARE(fx.snapshot(), before);
}

VINTRELO_TEST_MAIN(TestCompletedView)
#include "tst_completed_view.moc"
