#pragma once

#include "store/BatchFile.h"

#include <QDate>
#include <QString>
#include <QVector>
#include <optional>

namespace store {

// The number a measurement text holds: its leading number, after an optional
// word such as "SG" or "Brix" (and a colon after it). Nothing for a text
// without one, such as "racked" or an empty cell.
std::optional<double> measurementValue(const QString& text);

// One measured value of a batch, at the day its action was completed.
struct MeasurementPoint
{
    QDate date;
    double value = 0;
    int record = 0; // from 1, in the order the records were given
};

// The points of the completed records whose completion date reads as a date and
// whose measurement holds a number, by date (records of one day in their order).
QVector<MeasurementPoint> measurementPoints(const QVector<ActionRecord>& records);

// A chart needs two points to show a change.
constexpr int kLeastChartPoints = 2;

} // namespace store
