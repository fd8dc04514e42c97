#pragma once

#include <QDate>
#include <QString>

namespace store {

// The counter file under the name it has in the folder ("Batch-ID.txt" in any
// letter case), for reading, writing and messages.
QString batchCounterFilePath(const QString& dataRoot);

// Line 1 of "Batch-ID.txt", unchanged. Throws StoreError naming the file when it
// is missing or cannot be read.
QString readBatchCounter(const QString& dataRoot);

// The four-digit year, a hyphen and the last six characters of "00000000" and the
// counter text: counter "41" in 2026 gives "2026-000041".
QString makeBatchID(const QString& counterText, const QDate& today);

// The counter text that follows `counterText`: its leading number in whole
// batches plus one, as plain decimal text ("41" and "41.5" give "42").
QString nextCounterValue(const QString& counterText);

// Reads the counter again, adds 1 and stores it as the only line of the file,
// replaced in one rename. Returns the value written. Throws StoreError naming
// the file when it cannot be read or written; the file is then unchanged.
QString advanceBatchCounter(const QString& dataRoot);

} // namespace store
