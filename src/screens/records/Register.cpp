#include "app/Shell.h"
#include "screens/Registration.h"
#include "screens/records/Completed1.h"
#include "screens/records/ExistingInventory.h"

namespace screens {

void registerRecordScreens(app::Shell& shell)
{
    shell.registerScreen(QStringLiteral("ExistingInventory"), [] { return new ExistingInventory; });
    shell.registerScreen(QStringLiteral("Completed1"), [] { return new Completed1; });
}

} // namespace screens
