#include "app/Shell.h"
#include "screens/Registration.h"
#include "screens/find/FindBatch.h"

namespace screens {

void registerFindScreens(app::Shell& shell)
{
    shell.registerScreen<FindBatch>();
}

} // namespace screens
