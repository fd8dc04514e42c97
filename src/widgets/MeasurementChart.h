#pragma once

#include "store/MeasurementPoints.h"

#include <QChartView>
#include <QVector>

class QLineSeries;
class QDateTimeAxis;
class QValueAxis;

namespace widgets {

// A batch's measurements against the days they were taken, drawn as a line.
// It shows itself only when there are at least two points; otherwise it stays
// hidden and takes no room from the screen.
class MeasurementChart : public QChartView
{
    Q_OBJECT

public:
    explicit MeasurementChart(QWidget* parent = nullptr);

    // Redraws from the records as a screen holds them now.
    void showRecords(const QVector<store::ActionRecord>& records);
    void showPoints(const QVector<store::MeasurementPoint>& points);

    QLineSeries* series() const { return m_series; }
    QDateTimeAxis* dateAxis() const { return m_dates; }
    QValueAxis* valueAxis() const { return m_values; }

    QSize sizeHint() const override;

private:
    QLineSeries* m_series;
    QDateTimeAxis* m_dates;
    QValueAxis* m_values;
};

} // namespace widgets
