#include "store/BatchCounter.h"

#include "store/DataFolder.h"
#include "store/FolderLock.h"
#include "store/StoreError.h"
#include "store/TextLines.h"
#include "store/TextNumber.h"

#include <cmath>

namespace store {

namespace {

FileSubject counterWhat()
{
    return FileSubject(FileSubject::BatchCounter);
}

} // namespace

QString batchCounterFilePath(const QString& dataRoot)
{
    return dataPath(dataRoot, kCounterFile);
}

QString readBatchCounter(const QString& dataRoot)
{
    return readFirstLine(batchCounterFilePath(dataRoot), counterWhat());
}

QString makeBatchID(const QString& counterText, const QDate& today)
{
    const QString year = QStringLiteral("%1").arg(today.year(), 4, 10, QLatin1Char('0'));
    return year + QLatin1Char('-') + (QStringLiteral("00000000") + counterText).right(6);
}

QString nextCounterValue(const QString& counterText)
{
    // A hand-edited "41.5" still counts on in whole batches.
    return formatPlainNumber(std::trunc(readLeadingNumber(counterText)) + 1);
}

QString advanceBatchCounter(const QString& dataRoot)
{
    const FolderLock lock(dataRoot);
    const QString path = batchCounterFilePath(dataRoot);
    const QString next = nextCounterValue(readFirstLine(path, counterWhat()));
    const QString scratch = dataPath(dataRoot, QStringLiteral("Batch-ID.new"));
    writeScratchFile(scratch, {next}, counterWhat());
    replaceWithScratch(scratch, path, counterWhat());
    return next;
}

} // namespace store
