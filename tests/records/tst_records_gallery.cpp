// Pictures of the batch-record screens; saved when VINTRELO_GALLERY names a folder.
#include "AppHarness.h"
#include "DataFixture.h"
#include "Gallery.h"
#include "MessageScript.h"
#include "RecordScreens.h"
#include "TestMain.h"

#include <QDir>
#include <QLineEdit>

using namespace records;

class TestRecordsGallery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }
    void recordScreens();
};

void TestRecordsGallery::recordScreens()
{
    DataFixture fx;
    writeShopRecipe(fx);
    store::BatchFile started = sampleBatch(4, QStringLiteral("Ann Smith"));
    started.records[0].Amount = QStringLiteral("5 g");
    started.records[0].Notes = QStringLiteral("started warm");
    started.records[0].DateCompleted = longDate(2026, 12, 1);
    fx.writeBatch(QStringLiteral("2026-000040"), started);
    fx.writeBatch(QStringLiteral("2026-000041"), sampleBatch(2, QStringLiteral("Bob Brown")));
    fx.writeBatch(QStringLiteral("2026-000042"), sampleBatch(30, QStringLiteral("Dana Lee")));
    store::BatchFile measured = sampleBatch(8, QStringLiteral("Eve Moss"));
    const QStringList gravity{"1.090", "SG 1.060", "SG 1.031", "racked", "SG 1.000", "SG 0.994"};
    for (int i = 0; i < gravity.size(); ++i) {
        measured.records[i].Measurement = gravity.at(i);
        measured.records[i].DateCompleted = measured.records[i].DueDate;
    }
    fx.writeBatch(QStringLiteral("2026-000043"), measured);
    store::BatchFile done = sampleBatch(3, QStringLiteral("Carla Cruz"));
    for (store::ActionRecord& record : done.records)
        record.DateCompleted = record.DueDate;
    fx.writeBatch(QStringLiteral("2026-000030"), done, QStringLiteral("Completed Batches"));
    MessageScript script;
    AppHarness app(fx);

    QVERIFY(openActiveList(app));
    snapGallery(app);
    doubleClickCell(grid(app), 1, 1);
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory2"));
    QVERIFY(QTest::qWaitForWindowExposed(app.visible()));
    snapGallery(app);
    doubleClickCell(grid(app), 2, 2);
    QVERIFY(app.control<QLineEdit>(QStringLiteral("Text1"))->isVisible());
    snapGallery(app, QStringLiteral("editing"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));

    // A long batch in a window the user made small: scrolled to its last
    // completion date, the headings and the day numbers stay in view.
    doubleClickCell(grid(app), 3, 1);
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory2"));
    QVERIFY(QTest::qWaitForWindowExposed(app.visible()));
    app.visible()->resize(1000, 640);
    AppHarness::settle();
    grid(app)->setFocus();
    QTest::keyClick(grid(app), Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(grid(app)->row(), 30);
    QCOMPARE(grid(app)->textAt(0, 0),
             QCoreApplication::translate("screens::ExistingInventory2", "Day #"));
    snapGallery(app, QStringLiteral("scrolled"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));

    QVERIFY(app.click(QStringLiteral("CommandButton6")));
    QCOMPARE(app.visibleName(), QStringLiteral("Completed1"));
    snapGallery(app);
    doubleClickCell(grid(app), 1, 1);
    QCOMPARE(app.visibleName(), QStringLiteral("Completed2"));
    QVERIFY(QTest::qWaitForWindowExposed(app.visible()));
    snapGallery(app);
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));

    // A fermentation's readings drawn beside its actions.
    QVERIFY(app.click(QStringLiteral("CommandButton3")));
    doubleClickCell(grid(app), 4, 1);
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory2"));
    QVERIFY(QTest::qWaitForWindowExposed(app.visible()));
    QVERIFY(app.control<QWidget>(QStringLiteral("MeasurementChart"))->isVisible());
    snapGallery(app, QStringLiteral("chart"));
    QVERIFY(script.shown().isEmpty());
}

VINTRELO_TEST_MAIN_ON_DESKTOP(TestRecordsGallery)
#include "tst_records_gallery.moc"
