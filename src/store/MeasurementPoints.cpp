#include "store/MeasurementPoints.h"

#include "store/LongDate.h"
#include "store/TextNumber.h"

#include <algorithm>

namespace store {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Where a number starts at `i`: a digit, or a sign or point followed by one.
bool numberStartsAt(const QString& text, qsizetype i)
{
    const qsizetype size = text.size();
    if (i < size && (text.at(i) == u'+' || text.at(i) == u'-'))
        ++i;
    if (i < size && text.at(i) == u'.')
        ++i;
    return i < size && isDigit(text.at(i));
}

} // namespace

std::optional<double> measurementValue(const QString& text)
{
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size && isBlank(text.at(i)))
        ++i;
    if (!numberStartsAt(text, i)) {
        // One word of letters names what was measured.
        while (i < size && text.at(i).isLetter())
            ++i;
        if (i < size && text.at(i) == u':')
            ++i;
        while (i < size && isBlank(text.at(i)))
            ++i;
        if (!numberStartsAt(text, i))
            return std::nullopt;
    }
    return readLeadingNumber(text.mid(i));
}

QVector<MeasurementPoint> measurementPoints(const QVector<ActionRecord>& records)
{
    QVector<MeasurementPoint> points;
    for (int i = 0; i < records.size(); ++i) {
        const ActionRecord& record = records.at(i);
        if (record.isOpen())
            continue;
        const QDate date = parseDate(record.DateCompleted);
        const std::optional<double> value = measurementValue(record.Measurement);
        if (date.isValid() && value)
            points.append({date, *value, i + 1});
    }
    std::stable_sort(
        points.begin(), points.end(),
        [](const MeasurementPoint& a, const MeasurementPoint& b) { return a.date < b.date; });
    return points;
}

} // namespace store
