#include "store/Schedule.h"

#include "store/LongDate.h"
#include "store/StoreError.h"

namespace store {

namespace {

constexpr int kFirstStepLine = 2; // line 1 holds the number and description
constexpr int kMaxDayDigits = 7;  // beyond that no date is left in the calendar

} // namespace

bool readScheduleDay(const QString& dayText, int* day)
{
    int at = 0;
    bool negative = false;
    if (at < dayText.size() && (dayText.at(at) == u'-' || dayText.at(at) == u'+')) {
        negative = dayText.at(at) == u'-';
        ++at;
    }
    if (at == dayText.size())
        return false;
    int value = 0;
    int significant = 0; // leading zeros do not count towards the limit
    for (; at < dayText.size(); ++at) {
        const QChar c = dayText.at(at);
        if (c < u'0' || c > u'9')
            return false;
        if (value == 0 && c == u'0')
            continue;
        if (++significant > kMaxDayDigits)
            return false;
        value = value * 10 + (c.unicode() - u'0');
    }
    *day = negative ? -value : value;
    return true;
}

QDate scheduleDueDate(const QDate& start, int day)
{
    if (!start.isValid())
        return QDate();
    const QDate due = start.addDays(qint64(day) - 1);
    if (!due.isValid() || due.year() < 1 || due.year() > 9999)
        return QDate();
    return due;
}

QVector<ScheduleRow> scheduleFromRecipe(const Recipe& recipe, const QDate& start,
                                        const QString& recipeFileLabel)
{
    QVector<ScheduleRow> rows;
    rows.reserve(recipe.steps.size());
    for (int i = 0; i < recipe.steps.size(); ++i) {
        const QString& step = recipe.steps.at(i);
        const int line = kFirstStepLine + i;
        const QString dayText = scheduleDayOf(step);
        int day = 0;
        if (!readScheduleDay(dayText, &day)) {
            throw StoreError(StoreText::tr("The recipe file \"%1\" cannot give a schedule: the day "
                                           "\"%2\" on its line %3 is not a whole number of days. "
                                           "Correct that step with \"Modify an existing Recipe\", "
                                           "or choose another recipe.")
                                 .arg(recipeFileLabel, dayText)
                                 .arg(line));
        }
        const QDate due = scheduleDueDate(start, day);
        if (!due.isValid()) {
            throw StoreError(
                StoreText::tr("The recipe file \"%1\" cannot give a schedule: the day %2 "
                              "on its line %3 falls outside the calendar. Correct that "
                              "step with \"Modify an existing Recipe\", or choose "
                              "another recipe.")
                    .arg(recipeFileLabel, dayText)
                    .arg(line));
        }
        rows.append({dayText, formatLongDate(due), scheduleActionOf(step)});
    }
    return rows;
}

} // namespace store
