#include "app/Shell.h"
#include "screens/Registration.h"
#include "screens/tasks/InsertNewAction.h"
#include "screens/tasks/ThingsToDoToday.h"

namespace screens {

void registerTaskScreens(app::Shell& shell)
{
    shell.registerScreen(QStringLiteral("ThingsToDoToday"), [] { return new ThingsToDoToday; });
    shell.registerScreen(QStringLiteral("InsertNewAction"), [] { return new InsertNewAction; });
}

} // namespace screens
