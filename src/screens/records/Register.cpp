#include "app/Shell.h"
#include "screens/Registration.h"
#include "screens/records/Completed1.h"
#include "screens/records/Completed2.h"
#include "screens/records/ExistingInventory.h"
#include "screens/records/ExistingInventory2.h"

namespace screens {

void registerRecordScreens(app::Shell& shell)
{
    shell.registerScreen<ExistingInventory>();
    shell.registerScreen<Completed1>();
    shell.registerScreen<ExistingInventory2>();
    shell.registerScreen<Completed2>();
}

} // namespace screens
