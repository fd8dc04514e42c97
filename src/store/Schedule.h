#pragma once

#include "store/RecipeFile.h"

#include <QDate>
#include <QString>
#include <QVector>

namespace store {

// One scheduled action of a new batch, as the preview shows it and the batch
// file receives it.
struct ScheduleRow
{
    QString DayNumber;
    QString DueDate; // long date format
    QString Action;
};

// A schedule day text read as a whole number of days: an optional sign and
// digits, nothing else. False for anything else ("ten", "14 days", "1.5", "").
bool readScheduleDay(const QString& dayText, int* day);

// Day 1 falls on the start date itself. Invalid when the result leaves the
// years the long date format can show (1 to 9999).
QDate scheduleDueDate(const QDate& start, int day);

// The schedule a recipe gives a batch started on `start`, one row per step in
// file order. Throws StoreError naming `recipeFileLabel` and the line of the
// first step whose day is not a whole number or lands outside the calendar.
QVector<ScheduleRow> scheduleFromRecipe(const Recipe& recipe, const QDate& start,
                                        const QString& recipeFileLabel);

} // namespace store
