#include "screens/find/OpenBatch.h"

#include "app/MainMenu.h"
#include "app/Screen.h"
#include "screens/find/FindBatch.h"
#include "screens/records/Completed2.h"
#include "screens/records/ExistingInventory2.h"
#include "store/BatchIndex.h"
#include "widgets/Messages.h"

#include <QCoreApplication>

namespace screens {

bool openBatchById(app::Screen* from, const QString& typed, store::BatchOpenedFrom openedFrom,
                   app::Shell::Leave leave)
{
    app::Shell& shell = app::Shell::instance();
    store::BatchFolder folder = store::BatchFolder::Active;
    QString batchId;
    if (!store::locateBatch(shell.state().DataRoot, typed, &folder, &batchId)) {
        // A scanner fed the wrong label can type a page of text: the message shows its start.
        constexpr int kShown = 60;
        QString shown = typed.trimmed();
        if (shown.size() > kShown)
            shown = shown.left(kShown - 1) + QChar(0x2026);
        widgets::Messages::warning(
            from,
            QCoreApplication::translate("screens::FindBatch", "No batch has the identifier \"%1\".")
                .arg(shown));
        return false;
    }
    shell.state().SelectedBatchID = batchId;
    shell.state().OpenedFrom = openedFrom;
    if (folder == store::BatchFolder::Active)
        shell.switchScreen<ExistingInventory2>(from, leave);
    else
        shell.switchScreen<Completed2>(from, leave);
    return true;
}

void returnFromBatch(app::Screen* from, const QMetaObject& list)
{
    app::Shell& shell = app::Shell::instance();
    const store::BatchOpenedFrom openedFrom = shell.state().OpenedFrom;
    shell.state().OpenedFrom = store::BatchOpenedFrom::List;
    switch (openedFrom) {
    case store::BatchOpenedFrom::Find:
        if (FindBatch* find = shell.switchScreen<FindBatch>(from))
            find->batchClosed(shell.state().SelectedBatchID);
        return;
    case store::BatchOpenedFrom::MainMenu:
        shell.switchScreen<app::MainMenu>(from);
        return;
    case store::BatchOpenedFrom::List:
        break;
    }
    shell.switchScreen(from, list);
}

} // namespace screens
