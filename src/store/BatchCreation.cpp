#include "store/BatchCreation.h"

#include "store/BatchCounter.h"
#include "store/BatchFile.h"
#include "store/DataFolder.h"
#include "store/FolderLock.h"
#include "store/Particulars.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <QDir>
#include <QRegularExpression>

namespace store {

namespace {

bool isDigitsOnly(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

QString nextBatchId(const QString& dataRoot, const QDate& today)
{
    const QString counter = readBatchCounter(dataRoot);
    if (!isDigitsOnly(counter)) {
        throw StoreError(
            StoreText::tr("The batch counter file \"%1\" should hold the number of the "
                          "next batch alone on its first line, but it holds \"%2\". Put "
                          "a number alone on that line, such as %3 (the next number no "
                          "batch has used), then start the new batch again.")
                .arg(QDir::toNativeSeparators(batchCounterFilePath(dataRoot)), counter,
                     unusedCounterValue(dataRoot)));
    }
    return makeBatchID(counter, today);
}

QString folderHoldingBatch(const QString& dataRoot, const QString& batchId)
{
    const QString fileName = batchId + QStringLiteral(".txt");
    for (const BatchFolder folder : {BatchFolder::Active, BatchFolder::Completed}) {
        const QString path = batchFolderPath(dataRoot, folder);
        if (fileExistsAnyCase(path, fileName))
            return QDir::toNativeSeparators(path);
    }
    return QString();
}

QString unusedCounterValue(const QString& dataRoot)
{
    static const QRegularExpression batchName(QStringLiteral("^\\d{4}-(\\d{6})\\.txt$"),
                                              QRegularExpression::CaseInsensitiveOption);
    int highest = 0;
    for (const BatchFolder folder : {BatchFolder::Active, BatchFolder::Completed}) {
        const QStringList names =
            QDir(batchFolderPath(dataRoot, folder)).entryList(QDir::Files | QDir::Hidden);
        for (const QString& name : names) {
            const QRegularExpressionMatch match = batchName.match(name);
            if (match.hasMatch())
                highest = std::max(highest, match.captured(1).toInt());
        }
    }
    return QString::number(highest + 1);
}

QString createBatch(const QString& dataRoot, const QString& batchId, const BatchFile& batch)
{
    const FolderLock lock(dataRoot);
    // The counter read again: the identifier the screen showed must still be the
    // next one, or another copy has created a batch since. A counter that cannot
    // be read any more is reported by its advance, as it always was: the batch
    // itself is still refused if its file exists.
    QString counter;
    try {
        counter = readBatchCounter(dataRoot);
    } catch (const StoreError&) {
    }
    if (isDigitsOnly(counter) &&
        makeBatchID(counter, QDate(batchId.left(4).toInt(), 1, 1)) != batchId) {
        throw ChangedElsewhere(
            StoreText::tr("Batch %1 was not created, because the batch counter \"%2\" has "
                          "changed since this batch was started: another computer has "
                          "probably created a batch meanwhile. Nothing was written. Go back: "
                          "your entries are kept, under the next free identifier.")
                .arg(batchId, QDir::toNativeSeparators(batchCounterFilePath(dataRoot))));
    }
    writeBatchFile(dataRoot, batchId, batch);
    // The batch exists from here on, whatever becomes of the counter.
    try {
        advanceBatchCounter(dataRoot);
    } catch (const StoreError& error) {
        return error.message();
    }
    return QString();
}

BatchFile newBatchFile(const PendingBatch& pending, const QVector<ScheduleRow>& schedule)
{
    BatchFile batch;
    batch.header = headerOf(pending);
    for (const ScheduleRow& row : schedule) {
        ActionRecord record;
        record.DayNumber = row.DayNumber;
        record.DueDate = row.DueDate;
        record.Action = row.Action;
        batch.records << record;
    }
    return batch;
}

} // namespace store
