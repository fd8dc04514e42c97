#include "store/BatchFile.h"

#include "store/BatchValues.h"
#include "store/DataFolder.h"
#include "store/FolderLock.h"
#include "store/LongDate.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <QDir>
#include <QFileInfo>

namespace store {

namespace {

QStringList reservedTail()
{
    QStringList tail;
    for (int i = 0; i < 5; ++i)
        tail << QString();
    tail << kSeparatorLine;
    return tail;
}

FileSubject batchWhat(const QString& batchId)
{
    return FileSubject::batchFile(batchId);
}

QString folderName(BatchFolder folder)
{
    return folder == BatchFolder::Active ? kActiveFolder : kCompletedFolder;
}

void requireSafeId(const QString& batchId)
{
    if (!isSafeBatchId(batchId)) {
        throw StoreError(
            StoreText::tr("\"%1\" cannot be the identifier of a batch, so Vintrelo did not "
                          "open or write any file for it.")
                .arg(batchId));
    }
}

} // namespace

BatchHeader::BatchHeader()
{
    for (int i = 0; i < kHeaderFields; ++i)
        lines << QString();
    lines << reservedTail();
}

ActionRecord::ActionRecord() : tail(reservedTail()) {}

QString batchFolderPath(const QString& dataRoot, BatchFolder folder)
{
    return folderPath(dataRoot, folderName(folder));
}

QString batchFilePath(const QString& dataRoot, BatchFolder folder, const QString& batchId)
{
    requireSafeId(batchId);
    const QString dir = batchFolderPath(dataRoot, folder);
    const QString wanted = batchId + QStringLiteral(".txt");
    // A file copied from another machine may be named "….TXT"; use its own name
    // so that a rewrite replaces it instead of adding a second file.
    const QString existing = existingNameAnyCase(dir, wanted);
    return QDir(dir).filePath(existing.isEmpty() ? wanted : existing);
}

QString batchIdFromFileName(const QString& fileName)
{
    return fileName.left(fileName.size() - 4);
}

bool isSafeBatchId(const QString& batchId)
{
    if (batchId.isEmpty() || batchId == QLatin1String(".") || batchId == QLatin1String(".."))
        return false;
    if (batchId.contains(QLatin1Char('/')) || batchId.contains(QLatin1Char('\\')) ||
        batchId.contains(QChar(0)))
        return false;
    return (batchId + QStringLiteral(".txt")).compare(kScratchFile, Qt::CaseInsensitive) != 0;
}

QStringList batchToLines(const BatchFile& batch)
{
    QStringList lines = batch.header.lines;
    for (const ActionRecord& record : batch.records) {
        lines << record.DayNumber << record.DueDate << record.Action << record.Amount
              << record.Measurement << record.Notes << record.DateCompleted << record.tail;
    }
    return lines;
}

BatchFile batchFromLines(const QStringList& lines, const QString& fileLabel)
{
    if (lines.size() < kHeaderLines) {
        throw StoreError(
            StoreText::tr("The batch file \"%1\" is damaged: it has %2 lines, fewer than "
                          "the %3 lines every batch file starts with. Vintrelo will not "
                          "use it until it is repaired or restored from your backup.")
                .arg(fileLabel)
                .arg(lines.size())
                .arg(kHeaderLines));
    }
    const int cut = (lines.size() - kHeaderLines) % kRecordLines;
    if (cut != 0) {
        const int lastRecord = (lines.size() - kHeaderLines) / kRecordLines + 1;
        throw StoreError(
            StoreText::tr("The batch file \"%1\" is damaged: its action %2 is cut short "
                          "after %3 of its %4 lines. Vintrelo will not use it until it is "
                          "repaired or restored from your backup.")
                .arg(fileLabel)
                .arg(lastRecord)
                .arg(cut)
                .arg(kRecordLines));
    }

    BatchFile batch;
    batch.header.lines = lines.mid(0, kHeaderLines);
    for (int at = kHeaderLines; at < lines.size(); at += kRecordLines) {
        ActionRecord record;
        record.DayNumber = lines.at(at + kDayNumberLine);
        record.DueDate = lines.at(at + kDueDateLine);
        record.Action = lines.at(at + kActionLine);
        record.Amount = lines.at(at + kAmountLine);
        record.Measurement = lines.at(at + kMeasurementLine);
        record.Notes = lines.at(at + kNotesLine);
        record.DateCompleted = lines.at(at + kCompletedLine);
        record.tail = lines.mid(at + kRecordFields, kRecordLines - kRecordFields);
        batch.records << record;
    }
    return batch;
}

int firstRecordWithBadDueDate(const BatchFile& batch)
{
    for (int i = 0; i < batch.records.size(); ++i) {
        if (!parseDate(batch.records.at(i).DueDate).isValid())
            return i + 1;
    }
    return 0;
}

BatchFile readBatchFile(const QString& dataRoot, BatchFolder folder, const QString& batchId,
                        BatchCheck check)
{
    const QString path = batchFilePath(dataRoot, folder, batchId);
    BatchFile batch =
        batchFromLines(readTextLines(path, batchWhat(batchId)), QDir::toNativeSeparators(path));
    if (check == BatchCheck::LayoutAndDueDates) {
        const int bad = firstRecordWithBadDueDate(batch);
        if (bad != 0) {
            throw StoreError(
                StoreText::tr("The batch file \"%1\" is damaged: the due date \"%2\" of its "
                              "action %3 is not a date. Correct it in the batch editor, or "
                              "restore the file from your backup.")
                    .arg(QDir::toNativeSeparators(path), batch.records.at(bad - 1).DueDate)
                    .arg(bad));
        }
    }
    return batch;
}

void writeBatchFile(const QString& dataRoot, const QString& batchId, const BatchFile& batch)
{
    requireSafeId(batchId);
    const FolderLock lock(dataRoot);
    const QString fileName = batchId + QStringLiteral(".txt");
    const QString active = batchFolderPath(dataRoot, BatchFolder::Active);
    const QString completed = batchFolderPath(dataRoot, BatchFolder::Completed);
    for (const QString& folder : {active, completed}) {
        if (!QDir(folder).exists()) {
            throw StoreError(StoreText::tr("Vintrelo could not create batch %1 because the folder "
                                           "\"%2\" does not exist. Nothing was written.")
                                 .arg(batchId, QDir::toNativeSeparators(folder)));
        }
        if (fileExistsAnyCase(folder, fileName)) {
            throw StoreError(
                StoreText::tr("Vintrelo did not create batch %1 because the folder \"%2\" "
                              "already holds a batch file of that identifier. Nothing was "
                              "written; the existing batch is unchanged.")
                    .arg(batchId, QDir::toNativeSeparators(folder)));
        }
    }
    requireStorableDates(batch, batchId, nullptr);
    createTextFile(QDir(active).filePath(fileName), QDir(active).filePath(kScratchFile),
                   batchToLines(batch), batchWhat(batchId), batchLineRules(nullptr));
}

void moveBatchFile(const QString& dataRoot, const QString& batchId)
{
    const FolderLock lock(dataRoot);
    const QString from = batchFilePath(dataRoot, BatchFolder::Active, batchId);
    const QString to = QDir(batchFolderPath(dataRoot, BatchFolder::Completed))
                           .filePath(QFileInfo(from).fileName());
    moveFileNoReplace(from, to, batchWhat(batchId));
}

} // namespace store
