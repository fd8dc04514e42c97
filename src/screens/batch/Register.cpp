#include "app/Shell.h"
#include "screens/Registration.h"
#include "screens/batch/NewBatch.h"
#include "screens/batch/NewBatch2.h"
#include "screens/batch/NewBatch3.h"

namespace screens {

void registerBatchScreens(app::Shell& shell)
{
    shell.registerScreen(QStringLiteral("NewBatch"), [] { return new NewBatch; });
    shell.registerScreen(QStringLiteral("NewBatch2"), [] { return new NewBatch2; });
    shell.registerScreen(QStringLiteral("NewBatch3"), [] { return new NewBatch3; });
}

} // namespace screens
