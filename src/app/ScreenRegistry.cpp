#include "app/AboutForm.h"
#include "app/MainMenu.h"
#include "app/Opening_Screen.h"
#include "app/Shell.h"
#include "screens/batch/NewBatch.h"
#include "screens/chart/Chart1.h"
#include "screens/recipes/ModifyRecipe.h"
#include "screens/recipes/NewRecipe.h"
#include "screens/records/Completed1.h"
#include "screens/records/ExistingInventory.h"
#include "screens/tasks/ThingsToDoToday.h"

namespace app {

namespace {
template <typename T> Shell::Factory factory()
{
    return [] { return new T; };
}
} // namespace

void registerAllScreens(Shell& shell)
{
    shell.registerScreen(QStringLiteral("Opening_Screen"), factory<Opening_Screen>());
    shell.registerScreen(QStringLiteral("MainMenu"), factory<MainMenu>());
    shell.registerScreen(QStringLiteral("AboutForm"), factory<AboutForm>());
    shell.registerScreen(QStringLiteral("NewBatch"), factory<screens::NewBatch>());
    shell.registerScreen(QStringLiteral("ExistingInventory"),
                         factory<screens::ExistingInventory>());
    shell.registerScreen(QStringLiteral("ThingsToDoToday"), factory<screens::ThingsToDoToday>());
    shell.registerScreen(QStringLiteral("Completed1"), factory<screens::Completed1>());
    shell.registerScreen(QStringLiteral("NewRecipe"), factory<screens::NewRecipe>());
    shell.registerScreen(QStringLiteral("ModifyRecipe"), factory<screens::ModifyRecipe>());
    shell.registerScreen(QStringLiteral("Chart1"), factory<screens::Chart1>());
}

} // namespace app
