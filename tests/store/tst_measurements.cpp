// The numbers a measurement column holds, and the points a batch's chart draws.
#include "TestMain.h"
#include "store/LongDate.h"
#include "store/MeasurementPoints.h"

#include <QObject>
#include <QTest>
#include <optional>

using namespace store;

Q_DECLARE_METATYPE(std::optional<double>)

class TestMeasurements : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valueOfAText_data();
    void valueOfAText();
    void pointsOfABatch();
};

void TestMeasurements::valueOfAText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<double>>("value");
    const std::optional<double> none;
    QTest::newRow("plain gravity") << "1.090" << std::optional<double>(1.090);
    QTest::newRow("SG word") << "SG 1.050" << std::optional<double>(1.050);
    QTest::newRow("Brix word") << "Brix 22.5" << std::optional<double>(22.5);
    QTest::newRow("word without blank") << "SG0.994" << std::optional<double>(0.994);
    QTest::newRow("word and colon") << "pH: 3.4" << std::optional<double>(3.4);
    QTest::newRow("leading blanks and tab") << " \tSG  1.000" << std::optional<double>(1.0);
    QTest::newRow("number then words") << "1.020 still fermenting" << std::optional<double>(1.020);
    QTest::newRow("point first") << ".994" << std::optional<double>(0.994);
    QTest::newRow("negative") << "-2 C" << std::optional<double>(-2);
    QTest::newRow("accented word") << "Densité 1.010" << std::optional<double>(1.010);
    QTest::newRow("only a word") << "racked" << none;
    QTest::newRow("empty") << "" << none;
    QTest::newRow("blanks") << "   " << none;
    QTest::newRow("two words first") << "SG reading 1.050" << none;
    QTest::newRow("a lone point") << "SG ." << none;
    QTest::newRow("emoji") << "\U0001F377 1.000" << none;
}

void TestMeasurements::valueOfAText()
{
    QFETCH(QString, text);
    QFETCH(std::optional<double>, value);
    const std::optional<double> read = measurementValue(text);
    QCOMPARE(read.has_value(), value.has_value());
    if (value)
        QCOMPARE(*read, *value);
}

void TestMeasurements::pointsOfABatch()
{
    const auto record = [](const QString& measurement, const QString& completed) {
        ActionRecord r;
        r.DueDate = formatLongDate(QDate(2026, 11, 1));
        r.Action = QStringLiteral("Check");
        r.Measurement = measurement;
        r.DateCompleted = completed;
        return r;
    };
    const QString nov3 = formatLongDate(QDate(2026, 11, 3));
    const QString nov10 = formatLongDate(QDate(2026, 11, 10));
    const QVector<ActionRecord> records{
        record(QStringLiteral("SG 1.050"), nov10),      // 1: later date, listed first
        record(QStringLiteral("1.090"), nov3),          // 2
        record(QStringLiteral("racked"), nov3),         // 3: no number
        record(QStringLiteral("0.994"), QString()),     // 4: open
        record(QStringLiteral("Brix 22.5"), "someday"), // 5: no date
        record(QStringLiteral("0.996"), "11/20/2026"),  // 6: a numeric date
        record(QStringLiteral("1.040"), nov10),         // 7: same day as 1
    };
    const QVector<MeasurementPoint> points = measurementPoints(records);
    QCOMPARE(points.size(), 4);
    QCOMPARE(points[0].record, 2);
    QCOMPARE(points[0].date, QDate(2026, 11, 3));
    QCOMPARE(points[0].value, 1.090);
    QCOMPARE(points[1].record, 1);
    QCOMPARE(points[2].record, 7);
    QCOMPARE(points[3].record, 6);
    QCOMPARE(points[3].date, QDate(2026, 11, 20));
    QCOMPARE(points[3].value, 0.996);
}

VINTRELO_TEST_MAIN(TestMeasurements)
#include "tst_measurements.moc"
