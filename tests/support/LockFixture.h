#pragma once

#include <QString>
#include <optional>

// The data folder's lock file as another copy of the program leaves it: this
// computer's own lock lines, with the process, host and age given. A host other
// than this computer's gets another machine identity too, unless it is a clone
// of this one (a PC made from the same disk image keeps its machine id). The
// installation is this process's unless given; an empty one is left out, as
// earlier versions of the program wrote their locks.
bool plantFolderLock(const QString& dataRoot, qint64 pid, const QString& host, qint64 ageSeconds,
                     bool cloneOfThisMachine = false,
                     const std::optional<QString>& installation = std::nullopt);
