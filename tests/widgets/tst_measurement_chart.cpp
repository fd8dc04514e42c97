// The measurement chart drawn from points: shown only from two points on, its
// series holding exactly the points, its axes spanning them, whatever the values.
#include "TestMain.h"
#include "widgets/MeasurementChart.h"

#include <QDateTimeAxis>
#include <QLineSeries>
#include <QTest>
#include <QValueAxis>
#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(QVector<store::MeasurementPoint>)

class MeasurementChartTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pointsAndAxes_data();
    void pointsAndAxes();
};

void MeasurementChartTest::pointsAndAxes_data()
{
    QTest::addColumn<QVector<store::MeasurementPoint>>("points");
    QTest::addColumn<bool>("shown");
    const QDate d(2026, 11, 2);
    const double huge = std::numeric_limits<double>::max();
    QTest::newRow("none") << QVector<store::MeasurementPoint>{} << false;
    QTest::newRow("one") << QVector<store::MeasurementPoint>{{d, 1.090, 1}} << false;
    QTest::newRow("a gravity fall") << QVector<store::MeasurementPoint>{{d, 1.090, 1},
                                                                        {d.addDays(7), 1.050, 2},
                                                                        {d.addDays(21), 0.994, 3}}
                                    << true;
    QTest::newRow("one day, one value")
        << QVector<store::MeasurementPoint>{{d, 22.5, 1}, {d, 22.5, 2}} << true;
    QTest::newRow("the largest numbers")
        << QVector<store::MeasurementPoint>{{d, -huge, 1}, {d.addDays(1), huge, 2}} << true;
}

void MeasurementChartTest::pointsAndAxes()
{
    QFETCH(QVector<store::MeasurementPoint>, points);
    QFETCH(bool, shown);
    QWidget window;
    auto* chart = new widgets::MeasurementChart(&window);
    window.show();
    chart->showPoints(points);
    QCOMPARE(chart->isVisible(), shown);
    QCOMPARE(chart->series()->count(), points.size());
    if (!shown)
        return;
    for (int i = 0; i < points.size(); ++i) {
        const QPointF xy = chart->series()->at(i);
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(qint64(xy.x())).date(), points.at(i).date);
        QCOMPARE(xy.y(), points.at(i).value);
        QVERIFY(chart->valueAxis()->min() <= points.at(i).value);
        QVERIFY(chart->valueAxis()->max() >= points.at(i).value);
        QVERIFY(chart->dateAxis()->min().date() <= points.at(i).date);
        QVERIFY(chart->dateAxis()->max().date() >= points.at(i).date);
    }
    QVERIFY(std::isfinite(chart->valueAxis()->min()));
    QVERIFY(std::isfinite(chart->valueAxis()->max()));
    QVERIFY(chart->valueAxis()->max() > chart->valueAxis()->min());
    // Painting the axes and labels finishes, also for extreme values.
    QVERIFY(!chart->grab().isNull());
}

VINTRELO_TEST_MAIN(MeasurementChartTest)
#include "tst_measurement_chart.moc"
