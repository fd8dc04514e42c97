#include "store/ActionChanges.h"

#include "store/LongDate.h"
#include "store/StoreError.h"
#include "store/TextNumber.h"

#include <cmath>

namespace store {

namespace {

// More than this many days (some 2,700 years) is a slip of the keyboard, not a plan.
constexpr double kMostDays = 1000000.0;

StoreError changedSinceOpened(const QString& batchId, int record)
{
    return StoreError(STORE_TR("Action %1 of batch %2 is no longer the action shown on the screen; "
                               "the batch file has changed since the action was opened. Nothing "
                               "was changed. Go back to the list and open the action again.")
                          .arg(record)
                          .arg(batchId));
}

void requireOpened(const BatchFile& batch, const OpenedAction& opened)
{
    requireRecord(batch, opened.record, opened.batchId);
    const ActionRecord& record = batch.records.at(opened.record - 1);
    if (!record.isOpen() || record.DueDate != opened.dueDate || record.Action != opened.action)
        throw changedSinceOpened(opened.batchId, opened.record);
}

} // namespace

RewriteOutcome completeAction(const QString& dataRoot, const OpenedAction& opened,
                              const QString& amount, const QString& measurement,
                              const QString& notes, const QString& dateCompleted)
{
    return rewriteBatchFile(dataRoot, opened.batchId, [&](BatchFile& batch) {
        requireOpened(batch, opened);
        ActionRecord& record = batch.records[opened.record - 1];
        record.Amount = amount;
        record.Measurement = measurement;
        record.Notes = notes;
        record.DateCompleted = dateCompleted;
    });
}

void postponeActions(const QString& dataRoot, const OpenedAction& opened, double days)
{
    if (days == 0)
        return;
    if (!std::isfinite(days) || std::fabs(days) > kMostDays) {
        throw StoreError(STORE_TR("Vintrelo cannot move an action by %1 days. Batch %2 was not "
                                  "changed. Enter a number of days such as 3 or -2.")
                             .arg(formatPlainNumber(days), opened.batchId));
    }
    const auto wholeDays = static_cast<qint64>(std::floor(days));
    rewriteBatchFile(dataRoot, opened.batchId, [&](BatchFile& batch) {
        requireOpened(batch, opened);
        // Every date is checked before any is moved, so a bad one refuses the lot.
        QVector<QDate> moved;
        for (int i = opened.record - 1; i < batch.records.size(); ++i) {
            const ActionRecord& record = batch.records.at(i);
            const QDate due = parseDate(record.DueDate);
            if (!due.isValid()) {
                throw StoreError(STORE_TR("Batch %1 was not changed: the due date \"%2\" of its "
                                          "action %3 is not a date, so the actions cannot be "
                                          "moved. Correct it in the batch editor, then try again.")
                                     .arg(opened.batchId, record.DueDate)
                                     .arg(i + 1));
            }
            moved << due.addDays(wholeDays);
        }
        for (int i = opened.record - 1, k = 0; i < batch.records.size(); ++i, ++k) {
            ActionRecord& record = batch.records[i];
            record.DayNumber = formatPlainNumber(readLeadingNumber(record.DayNumber) + days);
            record.DueDate = formatLongDate(moved.at(k));
        }
    });
}

ActionRecord manualActionRecord(const QString& todayText, const QString& action,
                                const QString& amount, const QString& measurement,
                                const QString& notes)
{
    ActionRecord record;
    record.DueDate = todayText;
    record.Action = action;
    record.Amount = amount;
    record.Measurement = measurement;
    record.Notes = notes;
    record.DateCompleted = todayText;
    return record;
}

void insertManualAction(const QString& dataRoot, const QString& batchId, int record,
                        const QString& postponedAction, const ActionRecord& manual)
{
    rewriteBatchFile(dataRoot, batchId, [&](BatchFile& batch) {
        requireRecord(batch, record, batchId);
        const ActionRecord& postponed = batch.records.at(record - 1);
        if (!postponed.isOpen() || postponed.Action != postponedAction)
            throw changedSinceOpened(batchId, record);
        batch.records.insert(record - 1, manual);
    });
}

} // namespace store
