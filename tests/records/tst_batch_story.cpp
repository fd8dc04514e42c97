// A batch's story on its screens: the measurement chart in the editor, redrawn
// as measurements and dates are edited, the chart in the completed view, and
// the batch report printed from both.
#include "../print/PdfTools.h"
#include "MessageScript.h"
#include "RecordScreens.h"
#include "TestMain.h"
#include "print/PrintJob.h"
#include "store/LongDate.h"
#include "widgets/MeasurementChart.h"

#include <QAbstractButton>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QTemporaryDir>
#include <QValueAxis>

using namespace records;

namespace {

const QString kBatch = QStringLiteral("2026-000041");

// A fermentation: three gravity readings, a racking without one, an open action.
store::BatchFile fermentation()
{
    store::BatchFile batch = sampleBatch(5);
    const QStringList measured{QStringLiteral("1.090"), QStringLiteral("SG 1.050"),
                               QStringLiteral("racked"), QStringLiteral("SG 0.994")};
    for (int i = 0; i < measured.size(); ++i) {
        batch.records[i].Measurement = measured.at(i);
        batch.records[i].DateCompleted = longDate(QDate(2026, 11, 2).addDays(7 * i));
    }
    return batch;
}

widgets::MeasurementChart* chart(AppHarness& app)
{
    return app.control<widgets::MeasurementChart>(QStringLiteral("MeasurementChart"));
}

QList<QPointF> pointsOf(widgets::MeasurementChart* chart)
{
    return chart->series()->points();
}

QPointF point(const QDate& day, double value)
{
    return QPointF(qreal(day.startOfDay().toMSecsSinceEpoch()), value);
}

} // namespace

class BatchStoryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        print::setDefaultPrinterLookup([] { return QString(); });
    }
    void cleanup()
    {
        print::setDefaultPrinterLookup(nullptr);
        AppHarness::settle();
    }
    void editorChartFollowsEdits();
    void completedViewChartAndReport();
};

void BatchStoryTest::editorChartFollowsEdits()
{
    DataFixture fx;
    writeShopRecipe(fx);
    fx.writeBatch(kBatch, fermentation());
    const QByteArray before = fx.bytes(QStringLiteral("Active Batches/2026-000041.txt"));
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openEditor(app, kBatch));
    QVERIFY(chart(app)->isVisible());
    QCOMPARE(pointsOf(chart(app)),
             (QList<QPointF>{point({2026, 11, 2}, 1.090), point({2026, 11, 9}, 1.050),
                             point({2026, 11, 23}, 0.994)}));
    // The value axis spans the fall, so it reads at a glance.
    QVERIFY(chart(app)->valueAxis()->min() <= 0.994);
    QVERIFY(chart(app)->valueAxis()->max() >= 1.090);
    QVERIFY(chart(app)->valueAxis()->max() - chart(app)->valueAxis()->min() < 0.5);
    QCOMPARE(chart(app)->dateAxis()->min().date(), QDate(2026, 11, 2));
    QCOMPARE(chart(app)->dateAxis()->max().date(), QDate(2026, 11, 23));
    // The given buttons keep their places beside the chart and the new button.
    for (const char* name : {"CommandButton3", "CommandButton4", "CommandButton5",
                             "PrintReport_Command", "CommandButton2", "CommandButton1"}) {
        auto* button = app.control<QAbstractButton>(QLatin1String(name));
        QVERIFY(button && button->isVisible());
        QVERIFY(button->width() >= button->sizeHint().width());
    }

    // The racking gets a reading: a fourth point, in date order.
    user::enterCell(app, 3, 4, QStringLiteral("Brix 2.5"));
    QCOMPARE(pointsOf(chart(app)).size(), 4);
    QCOMPARE(pointsOf(chart(app)).at(2), point({2026, 11, 16}, 2.5));
    // A completion date moved: the point moves with it.
    user::enterCell(app, 1, 6, QStringLiteral("2026-11-20"));
    QCOMPARE(pointsOf(chart(app)).at(2), point({2026, 11, 20}, 1.090));
    // Two readings wiped: one point is no curve, and the chart goes.
    user::enterCell(app, 2, 4, QString());
    user::enterCell(app, 3, 4, QStringLiteral("racked"));
    QCOMPARE(pointsOf(chart(app)).size(), 2);
    user::enterCell(app, 4, 4, QStringLiteral("Tasted"));
    QVERIFY(!chart(app)->isVisible());

    // The report prints the batch as the editor holds it; nothing is written.
    const QString missing = pdftools::missingTools();
    if (missing.isEmpty()) {
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("report.pdf"));
        script.answer(0).pickFolder(path).answer(0);
        QVERIFY(app.click(QStringLiteral("PrintReport_Command")));
        const pdftools::Document pdf = pdftools::read(path);
        QVERIFY(pdf.pageText(1).contains(QStringLiteral("Batch Report")));
        QVERIFY(pdf.pageText(1).contains(kBatch));
        QVERIFY(pdf.pageText(1).contains(QStringLiteral("Recipe #: 0003")));
        QCOMPARE(pdf.count(QStringLiteral("Tasted")), 1);
        QVERIFY(!pdf.pageText(1).contains(QStringLiteral("Measurements")));
    }
    QCOMPARE(fx.bytes(QStringLiteral("Active Batches/2026-000041.txt")), before);
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));
    QVERIFY(script.unexpected().isEmpty());
}

void BatchStoryTest::completedViewChartAndReport()
{
    const QString missing = pdftools::missingTools();
    if (!missing.isEmpty())
        QSKIP(qPrintable(missing));
    DataFixture fx;
    writeShopRecipe(fx);
    store::BatchFile batch = fermentation();
    batch.records[4].DateCompleted = longDate(2026, 11, 30);
    batch.records[4].Notes = QStringLiteral("Bottled: 30 bottles, handed over with this report.");
    fx.writeBatch(kBatch, batch, QStringLiteral("Completed Batches"));
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openCompletedList(app));
    doubleClickCell(grid(app), listRowOf(grid(app), kBatch), 1);
    QCOMPARE(app.visibleName(), QStringLiteral("Completed2"));
    QVERIFY(chart(app)->isVisible());
    QCOMPARE(pointsOf(chart(app)).size(), 3);

    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("report.pdf"));
    script.answer(0).pickFolder(path).answer(0);
    QVERIFY(app.click(QStringLiteral("PrintReport_Command")));
    const pdftools::Document pdf = pdftools::read(path);
    QCOMPARE(pdf.pages, 1);
    const QString text = pdf.pageText(1);
    for (const QString& expected :
         {QStringLiteral("Measurements"), QStringLiteral("Ann Smith"), QStringLiteral("1.050"),
          QStringLiteral("racked"), QStringLiteral("handed"), QStringLiteral("Page 1 of 1")})
        QVERIFY2(text.contains(expected), qPrintable(expected));
    QVERIFY(script.unexpected().isEmpty());
}

VINTRELO_TEST_MAIN(BatchStoryTest)
#include "tst_batch_story.moc"
