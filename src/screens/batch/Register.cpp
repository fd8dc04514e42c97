#include "app/Shell.h"
#include "screens/Registration.h"
#include "screens/batch/NewBatch.h"
#include "screens/batch/NewBatch2.h"
#include "screens/batch/NewBatch3.h"

namespace screens {

void registerBatchScreens(app::Shell& shell)
{
    shell.registerScreen<NewBatch>();
    shell.registerScreen<NewBatch2>();
    shell.registerScreen<NewBatch3>();
}

} // namespace screens
