#pragma once

namespace app {

// Screens ask for "Georgia" and printouts for "Arial". Where those faces are not
// installed, map them to free faces of the same kind.
void installFontSubstitutes();

} // namespace app
