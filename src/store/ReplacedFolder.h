#pragma once

#include <QString>

namespace store {

// A restore moves the PC that made it to a new folder; the other PCs sharing
// the old one would go on writing there, and the shop would split in two. So
// the old folder gets this file, naming the restored folder beside it: no copy
// writes to a folder that holds it, and one that starts there offers to switch.
inline const QString kReplacedMarkerFile = QStringLiteral("Replaced by a restored folder.txt");

// Marks `oldRoot` as replaced by `restoredFolder` (under the folder's lock).
// Throws StoreError naming the file when it cannot be written.
void markFolderReplaced(const QString& oldRoot, const QString& restoredFolder);

// True when `dataRoot` holds the marker.
bool folderWasReplaced(const QString& dataRoot);

// The folder that replaced `dataRoot`, as this PC finds it: beside it (a
// shared drive mounted elsewhere), else where the restoring PC saw it; empty
// when neither is there.
QString replacingFolder(const QString& dataRoot);

} // namespace store
