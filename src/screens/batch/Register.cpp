#include "app/Shell.h"
#include "screens/Registration.h"
#include "screens/batch/NewBatch.h"

namespace screens {

void registerBatchScreens(app::Shell& shell)
{
    shell.registerScreen(QStringLiteral("NewBatch"), [] { return new NewBatch; });
}

} // namespace screens
