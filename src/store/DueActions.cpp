#include "store/DueActions.h"

#include "store/DataFolder.h"
#include "store/LongDate.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <QDir>
#include <QHash>

namespace store {

namespace {

// Batches started together share their due dates; parsing each text once keeps
// a large folder quick to scan.
class DateCache
{
public:
    QDate date(const QString& text)
    {
        auto it = m_dates.constFind(text);
        if (it == m_dates.constEnd())
            it = m_dates.insert(text, parseDate(text));
        return it.value();
    }
    QString shown(const QString& text)
    {
        auto it = m_shown.constFind(text);
        if (it == m_shown.constEnd()) {
            const QDate parsed = date(text);
            it = m_shown.insert(text, parsed.isValid() ? formatLongDate(parsed) : text);
        }
        return it.value();
    }

private:
    QHash<QString, QDate> m_dates;
    QHash<QString, QString> m_shown;
};

} // namespace

QString shownDueDate(const QString& stored)
{
    const QDate date = parseDate(stored);
    return date.isValid() ? formatLongDate(date) : stored;
}

int findListedRecord(const BatchFile& batch, const QString& shownDate, const QString& action)
{
    for (int i = 0; i < batch.records.size(); ++i) {
        const ActionRecord& record = batch.records.at(i);
        if (record.isOpen() && record.Action == action && shownDueDate(record.DueDate) == shownDate)
            return i + 1;
    }
    return 0;
}

DueScan scanDueActions(const QString& dataRoot, const QDate& today)
{
    DueScan scan;
    const QString folder = batchFolderPath(dataRoot, BatchFolder::Active);
    const QStringList names = listBatchFiles(folder, STORE_TR("the batches in progress"));
    const QDir dir(folder);
    DateCache dates;
    for (const QString& name : names) {
        BatchFile batch;
        try {
            batch = batchFromLines(readTextLines(dir.filePath(name), name), name);
        } catch (const StoreError&) {
            scan.skipped << name;
            continue;
        }
        // A due date that is not a date could hide a due action: the whole file
        // is left out and named rather than listed in part.
        bool damaged = false;
        for (const ActionRecord& record : batch.records) {
            if (!dates.date(record.DueDate).isValid()) {
                damaged = true;
                break;
            }
        }
        if (damaged) {
            scan.skipped << name;
            continue;
        }
        const QString batchId = batchIdFromFileName(name);
        const QString customer = batch.header.field(BatchHeader::CustomerName);
        for (int i = 0; i < batch.records.size(); ++i) {
            const ActionRecord& record = batch.records.at(i);
            if (!record.isOpen())
                continue;
            const QDate due = dates.date(record.DueDate);
            if (due > today)
                continue;
            DueAction action;
            action.batchId = batchId;
            action.customer = customer;
            action.dueDate = dates.shown(record.DueDate);
            action.action = record.Action;
            action.record = i + 1;
            action.overdue = due < today;
            scan.actions << action;
        }
    }
    return scan;
}

} // namespace store
