#include "app/Shell.h"
#include "screens/Registration.h"
#include "screens/chart/Chart1.h"

namespace screens {

void registerChartScreens(app::Shell& shell)
{
    shell.registerScreen<Chart1>();
}

} // namespace screens
