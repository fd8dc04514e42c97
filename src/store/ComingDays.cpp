#include "store/ComingDays.h"

namespace store {

QDate dayOfAction(const DueAction& action, const QDate& today)
{
    return action.due < today ? today : action.due;
}

ComingDays scanComingDays(const QString& dataRoot, const QDate& today, int days)
{
    ComingDays coming;
    coming.scan = scanActionsDue(dataRoot, today, QDate(), today.addDays(days - 1));
    for (int i = 0; i < days; ++i)
        coming.days.append({today.addDays(i), 0});
    for (const DueAction& action : std::as_const(coming.scan.actions)) {
        const qint64 at = today.daysTo(dayOfAction(action, today));
        if (at >= 0 && at < days)
            ++coming.days[int(at)].count;
    }
    return coming;
}

DueScan scanActionsOfDay(const QString& dataRoot, const QDate& today, const QDate& day)
{
    if (day == today)
        return scanDueActions(dataRoot, today);
    return scanActionsDue(dataRoot, today, day, day);
}

} // namespace store
