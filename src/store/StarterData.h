#pragma once

#include <QString>
#include <QStringList>

namespace store {

// Sets up `folder` as a data folder for a first run: the four folders, a counter
// of 1, the Misc lists and a few starter recipes. Only what is missing is created;
// an existing file is never replaced, and a folder that already has a counter
// gets no starter recipes. Returns the relative names created.
// Throws StoreError naming what could not be created, after taking away what
// this call had created, so that a failed set-up leaves the folder as it was.
QStringList createDataFolder(const QString& folder);

// Makes the starter files and the program's icon available as resources.
void initStarterResources();

} // namespace store
