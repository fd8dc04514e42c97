#pragma once

#include "app/Shell.h"
#include "store/RunState.h"

#include <QString>

namespace app {
class Screen;
}

namespace screens {

// Opens the batch of an identifier typed or scanned (any letter case, blanks
// around it ignored): a batch in progress in the editor, a completed one in the
// completed view, each returning to where `openedFrom` says. An identifier no
// batch has is said so in a message, and `from` stays on screen. True when opened.
bool openBatchById(app::Screen* from, const QString& typed, store::BatchOpenedFrom openedFrom,
                   app::Shell::Leave leave = app::Shell::Leave::Unload);

// "Go Back" of the batch editor and the completed view: to the search or the
// main menu when the batch was opened from there, else to `list`.
void returnFromBatch(app::Screen* from, const QMetaObject& list);

} // namespace screens
