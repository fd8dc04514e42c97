#include "app/Shell.h"
#include "screens/Registration.h"
#include "screens/tasks/ComingDays.h"
#include "screens/tasks/InsertNewAction.h"
#include "screens/tasks/ThingsToDoToday.h"

namespace screens {

void registerTaskScreens(app::Shell& shell)
{
    shell.registerScreen<ThingsToDoToday>();
    shell.registerScreen<InsertNewAction>();
    shell.registerScreen<ComingDays>();
}

} // namespace screens
