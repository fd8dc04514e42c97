#include "print/ReportChart.h"

#include "print/PageSurface.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace print {

namespace {

const QString kFont = QStringLiteral("Arial");
constexpr double kLabelPoints = 8;
constexpr double kLabelHeight = 0.16; // an 8-point line, in inches
constexpr double kTick = 0.06;
constexpr double kPointRadius = 0.03;
constexpr int kMostDateTicks = 5;
constexpr double kInset = 0.12;

QString valueLabel(double value, int decimals)
{
    if (std::abs(value) >= 1e7)
        return QString::number(value, 'g', 6);
    return QString::number(value, 'f', decimals);
}

QString dateLabel(const QDate& date)
{
    const QLocale locale;
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return locale.toString(date, format);
}

} // namespace

AxisTicks niceTicks(double low, double high, int most)
{
    AxisTicks ticks;
    if (high < low)
        std::swap(low, high);
    double span = high - low;
    if (!(span > 0)) {
        // One value: a band around it, so the line lies across the middle.
        span = std::max(std::abs(low) * 0.1, 0.001);
        low -= span / 2;
        high += span / 2;
    }
    const double raw = span / std::max(1, most - 1);
    if (!std::isfinite(raw) || raw <= 0) {
        ticks.first = low;
        ticks.last = high;
        ticks.step = high / 2 - low / 2;
        ticks.count = 2;
        ticks.decimals = 3;
        return ticks;
    }
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double norm = raw / magnitude;
    const double factor = norm <= 1 ? 1 : norm <= 2 ? 2 : norm <= 2.5 ? 2.5 : norm <= 5 ? 5 : 10;
    ticks.step = factor * magnitude;
    ticks.first = std::floor(low / ticks.step) * ticks.step;
    const double last = std::ceil(high / ticks.step) * ticks.step;
    if (!std::isfinite(ticks.first) || !std::isfinite(last)) {
        // Readings near the largest number: the ends themselves are the ticks.
        ticks.first = low;
        ticks.last = high;
        ticks.step = high / 2 - low / 2;
        ticks.count = 3;
        ticks.decimals = 0;
        return ticks;
    }
    ticks.count = int(std::lround((last - ticks.first) / ticks.step)) + 1;
    ticks.count = std::clamp(ticks.count, 2, most + 2);
    ticks.last = ticks.first + ticks.step * (ticks.count - 1);
    const int stepDigits = int(-std::floor(std::log10(ticks.step) + 1e-9));
    ticks.decimals = std::clamp(stepDigits + (factor == 2.5 ? 1 : 0), 0, 6);
    return ticks;
}

void drawMeasurementChart(PageSurface& page, const QVector<store::MeasurementPoint>& points,
                          double x, double y, double width, double height)
{
    if (points.isEmpty())
        return;
    double low = points.first().value;
    double high = low;
    for (const store::MeasurementPoint& point : points) {
        low = std::min(low, point.value);
        high = std::max(high, point.value);
    }
    const AxisTicks ticks = niceTicks(low, high);
    const double bottomValue = ticks.at(0);
    const double topValue = ticks.at(ticks.count - 1);

    page.setFont(kFont, kLabelPoints);
    double labelWidth = 0;
    for (int i = 0; i < ticks.count; ++i)
        labelWidth = std::max(labelWidth, page.textWidth(valueLabel(ticks.at(i), ticks.decimals)));
    const QDate firstDay = points.first().date;
    const QDate lastDay = points.last().date;
    const double halfDate = page.textWidth(dateLabel(lastDay)) / 2;

    const double left = x + labelWidth + kTick + 0.05;
    const double right = x + width - halfDate;
    const double top = y + kLabelHeight / 2;
    const double bottom = y + height - kLabelHeight - kTick - 0.05;
    page.line(left, top, right, top);
    page.line(right, top, right, bottom);
    page.line(right, bottom, left, bottom);
    page.line(left, bottom, left, top);

    // Halved first, so that readings near the largest number do not overflow.
    const auto yOf = [&](double value) {
        const double span = topValue / 2 - bottomValue / 2;
        return span > 0 ? bottom - (value / 2 - bottomValue / 2) / span * (bottom - top)
                        : (top + bottom) / 2;
    };
    const qint64 days = firstDay.daysTo(lastDay);
    // Points stand clear of the frame's sides.
    const double inset = std::min(kInset, (right - left) / 4);
    const auto xOf = [&](const QDate& day) {
        return days > 0
                   ? left + inset + double(firstDay.daysTo(day)) / days * (right - left - 2 * inset)
                   : (left + right) / 2;
    };

    for (int i = 0; i < ticks.count; ++i) {
        const double value = ticks.at(i);
        const double ty = yOf(value);
        page.line(left - kTick, ty, left, ty);
        const QString label = valueLabel(value, ticks.decimals);
        page.text(left - kTick - 0.03 - page.textWidth(label), ty - kLabelHeight / 2, label);
    }

    // Dates evenly spread over the days measured, each labelled once.
    QVector<QDate> dateTicks;
    const int wanted = days == 0 ? 1 : int(std::min<qint64>(days + 1, kMostDateTicks));
    for (int i = 0; i < wanted; ++i) {
        const QDate day = wanted == 1 ? firstDay : firstDay.addDays(days * i / (wanted - 1));
        if (!dateTicks.contains(day))
            dateTicks << day;
    }
    double lastLabelRight = -1e9;
    for (const QDate& day : std::as_const(dateTicks)) {
        const double tx = xOf(day);
        page.line(tx, bottom, tx, bottom + kTick);
        const QString label = dateLabel(day);
        const double w = page.textWidth(label);
        const double lx = std::clamp(tx - w / 2, x, x + width - w);
        // Labels that would run into the one before are left out; the tick stays.
        if (lx < lastLabelRight + 0.05)
            continue;
        page.text(lx, bottom + kTick + 0.02, label);
        lastLabelRight = lx + w;
    }

    for (int i = 0; i < points.size(); ++i) {
        const double px = xOf(points.at(i).date);
        const double py = yOf(points.at(i).value);
        if (i > 0)
            page.line(xOf(points.at(i - 1).date), yOf(points.at(i - 1).value), px, py);
        page.circle(px, py, kPointRadius);
    }
}

} // namespace print
