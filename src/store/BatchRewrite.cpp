#include "store/BatchRewrite.h"

#include "store/BatchValues.h"
#include "store/DataFolder.h"
#include "store/FolderLock.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace store {

void requireRecord(const BatchFile& batch, int index, const QString& batchId)
{
    if (index < 1 || index > batch.records.size()) {
        throw StoreError(StoreText::tr("Batch %1 has no action number %2 (it has %3 actions), so "
                                       "nothing was changed. Close this screen and open the batch "
                                       "again.")
                             .arg(batchId)
                             .arg(index)
                             .arg(batch.records.size()));
    }
}

namespace {

// In progress when it was listed or opened, completed now.
bool finishedMeanwhile(const QString& dataRoot, const QString& batchId)
{
    const QString path = batchFilePath(dataRoot, BatchFolder::Active, batchId);
    return !QFileInfo(path).isFile() &&
           fileExistsAnyCase(batchFolderPath(dataRoot, BatchFolder::Completed),
                             QFileInfo(path).fileName());
}

} // namespace

BatchFile readListedBatch(const QString& dataRoot, const QString& batchId)
{
    if (finishedMeanwhile(dataRoot, batchId)) {
        throw ChangedElsewhere(StoreText::tr("Batch %1 was finished on another computer since "
                                             "the list was shown and is now among the completed "
                                             "batches. Nothing was changed.")
                                   .arg(batchId));
    }
    return readBatchFile(dataRoot, BatchFolder::Active, batchId);
}

void requireUnchangedSinceShown(const BatchFile& batch, const BatchFile& shown,
                                const QString& batchId)
{
    if (batchToLines(batch) != batchToLines(shown)) {
        throw ChangedElsewhere(
            StoreText::tr("Batch %1 was changed on another computer since you opened "
                          "it. Nothing was saved. Note your changes, close this "
                          "screen and open the batch again.")
                .arg(batchId));
    }
}

RewriteOutcome rewriteBatchFile(const QString& dataRoot, const QString& batchId,
                                const std::function<void(BatchFile&)>& change, AfterRewrite after)
{
    // Read, checked and written under the lock: what `change` checks is what is
    // replaced, whatever another copy of the program did before.
    const FolderLock lock(dataRoot);
    const QString path = batchFilePath(dataRoot, BatchFolder::Active, batchId);
    const QString fileName = QFileInfo(path).fileName();
    const QString completed = batchFolderPath(dataRoot, BatchFolder::Completed);
    if (finishedMeanwhile(dataRoot, batchId)) {
        throw ChangedElsewhere(StoreText::tr("Batch %1 was finished on another computer since "
                                             "you opened it and is now among the completed "
                                             "batches. Nothing was changed.")
                                   .arg(batchId));
    }
    BatchFile batch = readBatchFile(dataRoot, BatchFolder::Active, batchId);
    const BatchFile before = batch;
    change(batch);
    requireStorableDates(batch, batchId, &before);

    // Everything the move needs is checked before the first byte is written, so a
    // finished batch is never left rewritten but stranded.
    const bool finished = after == AfterRewrite::MoveWhenFinished && batch.lastRecordCompleted();
    if (finished) {
        if (!QFileInfo(completed).isDir()) {
            throw StoreError(
                StoreText::tr("Batch %1 was not changed: it is finished and belongs in "
                              "the folder \"%2\", which does not exist. Restore the "
                              "folder, then try again.")
                    .arg(batchId, QDir::toNativeSeparators(completed)));
        }
        if (fileExistsAnyCase(completed, fileName)) {
            throw StoreError(
                StoreText::tr("Batch %1 was not changed: it is finished, but the folder "
                              "\"%2\" already holds a file named \"%3\". Move or rename "
                              "that file, then try again.")
                    .arg(batchId, QDir::toNativeSeparators(completed), fileName));
        }
    }

    const FileSubject what = FileSubject::batchFile(batchId);
    const QString scratch = QDir(QFileInfo(path).absolutePath()).filePath(kScratchFile);
    writeScratchFile(scratch, batchToLines(batch), what, batchLineRules(&before));
    // Renaming over a file that was moved or deleted since it was read would bring
    // the batch back, perhaps beside its own copy in the completed folder.
    if (!QFileInfo(path).isFile()) {
        QFile::remove(scratch);
        throw StoreError(
            StoreText::tr("Batch %1 was not changed: its file \"%2\" was moved or deleted "
                          "while Vintrelo was saving it. Look for the file in the data "
                          "folder, or restore it from your backup.")
                .arg(batchId, QDir::toNativeSeparators(path)));
    }
    replaceWithScratch(scratch, path, what);

    if (!finished)
        return RewriteOutcome::StillActive;
    try {
        moveFileNoReplace(path, QDir(completed).filePath(fileName), what);
    } catch (const StoreError& error) {
        throw StoreError(StoreText::tr("Batch %1 was saved, but it could not be moved to the "
                                       "completed batches. %2")
                             .arg(batchId, error.message()));
    }
    return RewriteOutcome::MovedToCompleted;
}

} // namespace store
