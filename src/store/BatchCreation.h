#pragma once

#include "store/BatchFile.h"
#include "store/RunState.h"
#include "store/Schedule.h"

#include <QDate>
#include <QString>
#include <QVector>

namespace store {

// The identifier the next new batch gets: the counter file's first line and
// today's year. Throws StoreError naming the counter file when it cannot be read
// or its first line is not a number alone (a blank or a letter would end up in
// the batch's file name).
QString nextBatchId(const QString& dataRoot, const QDate& today);

// The batch folder (active or completed) that already holds a file of
// `batchId`, in any letter case, or an empty text.
QString folderHoldingBatch(const QString& dataRoot, const QString& batchId);

// A counter value that no batch file in either folder has used: one more than
// the highest six-digit number among their identifiers ("1" when there is none).
QString unusedCounterValue(const QString& dataRoot);

// Creates batch `batchId`, shown to the user as the next identifier, and
// advances the counter, both under the data folder's lock. Refuses, writing
// nothing, when the counter is a number that no longer gives that identifier, or
// a file of it exists (writeBatchFile). Returns an empty text, or the counter's problem
// when the batch was written but the counter could not be advanced.
QString createBatch(const QString& dataRoot, const QString& batchId, const BatchFile& batch);

// The file batch creation writes: the pending batch's twenty header fields and
// one open action per schedule row.
BatchFile newBatchFile(const PendingBatch& pending, const QVector<ScheduleRow>& schedule);

} // namespace store
