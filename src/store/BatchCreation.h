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

// The file batch creation writes: the pending batch's twenty header fields and
// one open action per schedule row.
BatchFile newBatchFile(const PendingBatch& pending, const QVector<ScheduleRow>& schedule);

} // namespace store
