#include "widgets/MeasurementChart.h"

#include <QDateTimeAxis>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>
#include <algorithm>

namespace widgets {

namespace {

const QString kFont = QStringLiteral("Georgia");

qreal timeOf(const QDate& day)
{
    return qreal(day.startOfDay().toMSecsSinceEpoch());
}

// Decimals a tick label needs to tell ticks `step` apart.
int decimalsFor(double step)
{
    int decimals = 0;
    while (decimals < 4 && step < 1.0 - 1e-9) {
        step *= 10;
        ++decimals;
    }
    return decimals;
}

} // namespace

MeasurementChart::MeasurementChart(QWidget* parent)
    : QChartView(parent), m_series(new QLineSeries), m_dates(new QDateTimeAxis),
      m_values(new QValueAxis)
{
    // The view's own chart: setChart() would only release it, never delete it.
    QChart* chart = this->chart();
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    QFont titleFont(kFont, 10);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->setTitle(tr("Measurements"));
    m_series->setPointsVisible(true);
    chart->addSeries(m_series);

    const QFont labels(kFont, 8);
    m_dates->setLabelsFont(labels);
    m_dates->setTitleFont(labels);
    m_dates->setTitleText(tr("Date Completed"));
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    m_dates->setFormat(format);
    m_dates->setTickCount(4);
    m_values->setLabelsFont(labels);
    m_values->setTitleFont(labels);
    m_values->setTitleText(tr("Measurement"));
    chart->addAxis(m_dates, Qt::AlignBottom);
    chart->addAxis(m_values, Qt::AlignLeft);
    m_series->attachAxis(m_dates);
    m_series->attachAxis(m_values);

    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(280, 180);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    setAccessibleName(tr("Measurements"));
    // A picture of the grid's own numbers: Tab goes by it, to the controls.
    setFocusPolicy(Qt::NoFocus);
    viewport()->setFocusPolicy(Qt::NoFocus);
    hide();
}

QSize MeasurementChart::sizeHint() const
{
    return QSize(340, 240);
}

void MeasurementChart::showRecords(const QVector<store::ActionRecord>& records)
{
    showPoints(store::measurementPoints(records));
}

void MeasurementChart::showPoints(const QVector<store::MeasurementPoint>& points)
{
    QList<QPointF> xy;
    xy.reserve(points.size());
    for (const store::MeasurementPoint& point : points)
        xy.append(QPointF(timeOf(point.date), point.value));
    m_series->replace(xy);
    if (points.size() < store::kLeastChartPoints) {
        hide();
        return;
    }

    QDate first = points.first().date;
    QDate last = points.last().date;
    if (first == last) {
        first = first.addDays(-1);
        last = last.addDays(1);
    }
    m_dates->setRange(first.startOfDay(), last.startOfDay());

    double low = points.first().value;
    double high = low;
    for (const store::MeasurementPoint& point : points) {
        low = std::min(low, point.value);
        high = std::max(high, point.value);
    }
    if (high - low < 1e-9) {
        const double band = std::max(std::abs(low) * 0.05, 0.001);
        low -= band;
        high += band;
    }
    m_values->setRange(low, high);
    // Round ticks only for readings of a sensible size; past that the axis spans them as they are.
    if (std::abs(low) < 1e12 && std::abs(high) < 1e12)
        m_values->applyNiceNumbers();
    const double step =
        (m_values->max() - m_values->min()) / std::max(1, m_values->tickCount() - 1);
    const bool large = std::max(std::abs(m_values->min()), std::abs(m_values->max())) >= 1e7;
    m_values->setLabelFormat(large ? QStringLiteral("%.6g")
                                   : QStringLiteral("%.%1f").arg(decimalsFor(step)));
    show();
}

} // namespace widgets
