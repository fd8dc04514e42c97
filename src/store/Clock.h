#pragma once

#include <QDate>

namespace store {

// The program's one notion of the current date. Tests fix it so that due dates
// and completion dates are deterministic.
class Clock
{
public:
    static QDate today();
    static void setFixedToday(const QDate& date); // an invalid date returns to the system clock
};

} // namespace store
