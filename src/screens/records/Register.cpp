#include "app/Shell.h"
#include "screens/Registration.h"
#include "screens/records/Completed1.h"
#include "screens/records/Completed2.h"
#include "screens/records/ExistingInventory.h"
#include "screens/records/ExistingInventory2.h"

namespace screens {

void registerRecordScreens(app::Shell& shell)
{
    shell.registerScreen(QStringLiteral("ExistingInventory"), [] { return new ExistingInventory; });
    shell.registerScreen(QStringLiteral("Completed1"), [] { return new Completed1; });
    shell.registerScreen(QStringLiteral("ExistingInventory2"),
                         [] { return new ExistingInventory2; });
    shell.registerScreen(QStringLiteral("Completed2"), [] { return new Completed2; });
}

} // namespace screens
