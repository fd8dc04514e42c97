#include "app/Shell.h"
#include "screens/Registration.h"
#include "screens/backup/Backups.h"

namespace screens {

void registerBackupScreens(app::Shell& shell)
{
    shell.registerScreen<Backups>();
}

} // namespace screens
