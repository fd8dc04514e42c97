#pragma once

#include "store/DataFolder.h"

class QWidget;

namespace app {

// Offered when the location file is missing or names no usable folder: sets up
// a new data folder (or adopts an existing one) and writes the location file.
// Returns false when the user chooses to end the program.
bool offerFirstRun(QWidget* parent, const store::DataRootResult& problem,
                   const store::LocationPlaces& places, const QString& defaultDataFolder);

} // namespace app
