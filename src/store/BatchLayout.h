#pragma once

#include <QString>

namespace store {

// How a batch file is laid out: a header of 26 lines, then 13 lines for each
// action. The readers and the writers all count lines by these.
inline constexpr int kHeaderLines = 26;
inline constexpr int kHeaderFields = 20; // the particulars; reserved lines and the separator follow
inline constexpr int kRecordLines = 13;
inline constexpr int kRecordFields = 7; // the fields; reserved lines and the separator follow
inline const QString kSeparatorLine = QString(40, QLatin1Char('*'));

// The lines of an action's record, from 0.
inline constexpr int kDayNumberLine = 0;
inline constexpr int kDueDateLine = 1;
inline constexpr int kActionLine = 2;
inline constexpr int kAmountLine = 3;
inline constexpr int kMeasurementLine = 4;
inline constexpr int kNotesLine = 5;
inline constexpr int kCompletedLine = 6;

} // namespace store
