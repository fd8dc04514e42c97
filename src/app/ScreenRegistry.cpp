#include "app/AboutForm.h"
#include "app/MainMenu.h"
#include "app/Opening_Screen.h"
#include "app/Shell.h"
#include "screens/Registration.h"

namespace app {

void registerAllScreens(Shell& shell)
{
    shell.registerScreen<Opening_Screen>();
    shell.registerScreen<MainMenu>();
    shell.registerScreen<AboutForm>();
    screens::registerBatchScreens(shell);
    screens::registerTaskScreens(shell);
    screens::registerRecordScreens(shell);
    screens::registerRecipeScreens(shell);
    screens::registerChartScreens(shell);
    screens::registerBackupScreens(shell);
    screens::registerFindScreens(shell);
}

} // namespace app
