#pragma once

namespace app {

// How the screens meet another copy's lock on a shared data folder: a wait
// cursor while a save waits for it, and the question before a lock that another
// computer left more than a minute ago is taken over.
void installLockPrompts();
void removeLockPrompts();

} // namespace app
