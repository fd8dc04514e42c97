#pragma once

#include "store/BatchFile.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

namespace store {

// One open action of an active batch that is due on or before today.
struct DueAction
{
    QString batchId;  // the file name less its last four characters
    QString customer; // header line 1
    QString dueDate;  // in the long form, as the task list shows it
    QString action;
    int record = 0; // number of the record in its file, from 1
    bool overdue = false;
    QDate due; // the due date read
};

struct DueScan
{
    QVector<DueAction> actions; // batch by batch in file-name order, record order within
    QStringList skipped;        // names of files left out because they are damaged or unreadable
    QStringList problems;       // for each skipped file, a sentence naming it and what is wrong
};

// Reads every active batch file once and collects its due open actions. A damaged
// or unreadable file is skipped and named in `skipped`; the scan goes on. A
// missing active folder throws StoreError.
DueScan scanDueActions(const QString& dataRoot, const QDate& today);

// The same scan for the open actions due from `first` to `last`, both included;
// an invalid `first` takes every day up to `last`. `overdue` is against `today`.
DueScan scanActionsDue(const QString& dataRoot, const QDate& today, const QDate& first,
                       const QDate& last);

// The first open record (from 1) whose due date, as the task list shows it, and
// action text equal the given ones; 0 when there is none.
int findListedRecord(const BatchFile& batch, const QString& shownDate, const QString& action);

} // namespace store
