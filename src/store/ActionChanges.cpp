#include "store/ActionChanges.h"

#include "store/BatchValues.h"
#include "store/LongDate.h"
#include "store/StoreError.h"
#include "store/TextNumber.h"

namespace store {

namespace {

ChangedElsewhere changedSinceOpened(const QString& batchId, int record)
{
    return ChangedElsewhere(
        StoreText::tr("Action %1 of batch %2 is no longer as shown on the screen: the batch "
                      "file has changed since the list was made, probably on another "
                      "computer. Nothing was changed.")
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
    requireDateReadsBack(opened.batchId, BatchDate::Completion, opened.record, dateCompleted);
    return rewriteBatchFile(dataRoot, opened.batchId, [&](BatchFile& batch) {
        requireOpened(batch, opened);
        ActionRecord& record = batch.records[opened.record - 1];
        record.Amount = amount;
        record.Measurement = measurement;
        record.Notes = notes;
        record.DateCompleted = dateCompleted;
    });
}

void postponeActions(const QString& dataRoot, const OpenedAction& opened, qint64 days)
{
    if (days == 0)
        return;
    // Further than from the first storable day to the last moves every date off
    // the calendar (and past what a day count can hold).
    const qint64 calendarDays = firstStorableDate().daysTo(lastStorableDate());
    if (days > calendarDays || days < -calendarDays) {
        throw StoreError(
            StoreText::tr("Postponing by %1 days would move the actions of batch %2 off "
                          "the calendar, which runs from %3 to %4. Batch %2 was not "
                          "changed. Enter a smaller number of days.")
                .arg(QString::number(days), opened.batchId, formatLongDate(firstStorableDate()),
                     formatLongDate(lastStorableDate())));
    }
    const auto moveDates = [&](BatchFile& batch) {
        requireOpened(batch, opened);
        const QDate start = parseDate(batch.header.field(BatchHeader::StartDate));
        // Every date is checked before any is moved, so a bad one refuses the lot.
        QVector<QDate> moved;
        for (int i = opened.record - 1; i < batch.records.size(); ++i) {
            const ActionRecord& record = batch.records.at(i);
            const QDate due = parseDate(record.DueDate);
            if (!due.isValid()) {
                throw StoreError(
                    StoreText::tr("Batch %1 was not changed: the due date \"%2\" of its "
                                  "action %3 is not a date, so the actions cannot be "
                                  "moved. Correct it in the batch editor, then try again.")
                        .arg(opened.batchId, record.DueDate, QString::number(i + 1)));
            }
            const QDate to = due.addDays(days);
            if (!isStorableDate(to)) {
                throw StoreError(
                    StoreText::tr("Batch %1 was not changed: postponing its action %2 by "
                                  "%3 days would make it due on %4, outside the calendar "
                                  "Vintrelo keeps (%5 to %6). Enter a smaller number of "
                                  "days.")
                        .arg(opened.batchId)
                        .arg(i + 1)
                        .arg(QString::number(days), formatLongDate(to),
                             formatLongDate(firstStorableDate()),
                             formatLongDate(lastStorableDate())));
            }
            // Only a move earlier can cross the start; a completed action that
            // was already before it stays allowed to move later.
            if (start.isValid() && to < start && days < 0) {
                throw StoreError(
                    StoreText::tr("Batch %1 was not changed: moving its action %2 by %3 "
                                  "days would make it due on %4, before the batch's start "
                                  "date, %5. Enter a number of days that keeps it on or "
                                  "after %5.")
                        .arg(opened.batchId)
                        .arg(i + 1)
                        .arg(QString::number(days), formatLongDate(to), formatLongDate(start)));
            }
            moved << to;
        }
        for (int i = opened.record - 1, k = 0; i < batch.records.size(); ++i, ++k) {
            ActionRecord& record = batch.records[i];
            record.DayNumber =
                formatPlainNumber(readLeadingNumber(record.DayNumber) + double(days));
            record.DueDate = formatLongDate(moved.at(k));
        }
    };
    rewriteBatchFile(dataRoot, opened.batchId, moveDates, AfterRewrite::StayActive);
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
    const auto insert = [&](BatchFile& batch) {
        requireRecord(batch, record, batchId);
        const ActionRecord& postponed = batch.records.at(record - 1);
        if (!postponed.isOpen() || postponed.Action != postponedAction)
            throw changedSinceOpened(batchId, record);
        batch.records.insert(record - 1, manual);
    };
    rewriteBatchFile(dataRoot, batchId, insert, AfterRewrite::StayActive);
}

} // namespace store
