#pragma once

#include "store/BatchRewrite.h"

#include <QString>

namespace store {

// The action the task screen has open: its batch, its record number and the
// texts it shows. A change is made only when the record still holds those texts,
// so it can never land on a record other than the one the user sees.
struct OpenedAction
{
    QString batchId;
    int record = 0;  // from 1
    QString dueDate; // as stored in the file
    QString action;
};

// Writes the results and the completion date into the opened record; the batch
// moves to the completed folder when its last record is then completed.
RewriteOutcome completeAction(const QString& dataRoot, const OpenedAction& opened,
                              const QString& amount, const QString& measurement,
                              const QString& notes, const QString& dateCompleted);

// Moves the opened record and every later one by a whole number of days, in
// their day numbers and their due dates. Refuses when a due date to be moved is
// not a date, or would fall before the batch's start date or off the storable
// calendar. Zero days changes nothing and writes nothing. Never moves the batch
// to the completed folder.
void postponeActions(const QString& dataRoot, const OpenedAction& opened, qint64 days);

// The note kept for a postponement: dated today and already completed.
ActionRecord manualActionRecord(const QString& todayText, const QString& action,
                                const QString& amount, const QString& measurement,
                                const QString& notes);

// Inserts `manual` just before record `record`, which must still be the open
// action `postponedAction`. Never moves the batch to the completed folder.
void insertManualAction(const QString& dataRoot, const QString& batchId, int record,
                        const QString& postponedAction, const ActionRecord& manual);

} // namespace store
