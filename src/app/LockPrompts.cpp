#include "app/LockPrompts.h"

#include "store/FolderLock.h"
#include "widgets/Messages.h"

#include <QApplication>

namespace app {

void installLockPrompts()
{
    store::setOldLockAnswer([](const store::LockHolder& holder) {
        return widgets::Messages::question(QApplication::activeWindow(),
                                           store::oldLockQuestion(holder));
    });
    store::setLockWaitNotice([](bool waiting) {
        if (waiting)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });
}

void removeLockPrompts()
{
    store::setOldLockAnswer({});
    store::setLockWaitNotice({});
}

} // namespace app
