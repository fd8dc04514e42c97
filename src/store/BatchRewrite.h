#pragma once

#include "store/BatchFile.h"

#include <functional>

namespace store {

// The one way an existing batch file is changed: the whole file is read and
// checked, the change is applied in memory, the result is written to "temp.txt"
// in the active folder and flushed, the batch file is replaced by one rename, and
// only then, with MoveWhenFinished and the last record completed, the file moves
// to the completed folder. Any failure leaves the batch file as it was, removes
// "temp.txt" and throws StoreError naming the batch.
//
// `change` may throw StoreError to refuse (for example a record number that does
// not exist); nothing is written then. New values holding a line break and new
// dates that would not read back are refused too (BatchValues.h).
enum class RewriteOutcome
{
    StillActive,
    MovedToCompleted
};

// Only completing an action and saving in the batch editor finish a batch:
// postponing and noting an action leave it where it is, whatever its last record
// holds, so that the note that follows a postponement always finds the file.
enum class AfterRewrite
{
    MoveWhenFinished,
    StayActive
};

RewriteOutcome rewriteBatchFile(const QString& dataRoot, const QString& batchId,
                                const std::function<void(BatchFile&)>& change,
                                AfterRewrite after = AfterRewrite::MoveWhenFinished);

// The batch in progress the user picked from a list, read for a screen; a batch
// completed since the list was read (by another computer) is refused as such.
BatchFile readListedBatch(const QString& dataRoot, const QString& batchId);

// Throws StoreError unless `batch`, as read under the lock, is still `shown`, the
// batch as a screen read it: a change made elsewhere in between is never lost.
void requireUnchangedSinceShown(const BatchFile& batch, const BatchFile& shown,
                                const QString& batchId);

// Throws StoreError unless record `index` (from 1) exists in `batch`.
void requireRecord(const BatchFile& batch, int index, const QString& batchId);

} // namespace store
