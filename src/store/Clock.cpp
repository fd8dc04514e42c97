#include "store/Clock.h"

#include <atomic>
#include <limits>

namespace store {

namespace {

// Julian day of the fixed date; the lowest value means "use the system clock".
// Atomic because tests may fix the date while worker threads ask for it.
std::atomic<qint64> fixedJulianDay{std::numeric_limits<qint64>::min()};

} // namespace

QDate Clock::today()
{
    const qint64 day = fixedJulianDay.load();
    if (day != std::numeric_limits<qint64>::min())
        return QDate::fromJulianDay(day);
    return QDate::currentDate();
}

void Clock::setFixedToday(const QDate& date)
{
    fixedJulianDay.store(date.isValid() ? date.toJulianDay() : std::numeric_limits<qint64>::min());
}

} // namespace store
