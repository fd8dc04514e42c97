#pragma once

#include "store/DueActions.h"

#include <QDate>
#include <QVector>

namespace store {

// How many open actions fall on one day of the days ahead.
struct DayCount
{
    QDate day;
    int count = 0;
};

// The days from today on, with their actions: the first day, today, also holds
// what is overdue, since that is still to be done today; a later day holds the
// actions due on it.
struct ComingDays
{
    QVector<DayCount> days;
    DueScan scan; // every listed action, batch by batch as the task list orders them
};

constexpr int kWeekDays = 7;

// One scan of the active batches for `days` days from `today`.
ComingDays scanComingDays(const QString& dataRoot, const QDate& today, int days = kWeekDays);

// The actions to do on `day`: on today, the task list's own (overdue ones
// included); on another day, the open actions due on it.
DueScan scanActionsOfDay(const QString& dataRoot, const QDate& today, const QDate& day);

// The day of the days ahead an action is counted on.
QDate dayOfAction(const DueAction& action, const QDate& today);

} // namespace store
