#include "store/DueActions.h"

#include "store/BatchLayout.h"
#include "store/DataFolder.h"
#include "store/LongDate.h"
#include "store/StoreError.h"
#include "store/TextFileLines.h"

#include <QDir>
#include <QHash>

namespace store {

namespace {

// Batches started together share their due dates; parsing each text once keeps
// a large folder quick to scan.
class DateCache
{
public:
    QDate date(QStringView text)
    {
        // Looked up in place; a text is copied only the first time it is met.
        const QString key = QString::fromRawData(text.data(), text.size());
        auto it = m_dates.constFind(key);
        if (it == m_dates.constEnd())
            it = m_dates.insert(text.toString(), parseDate(key));
        return it.value();
    }
    QString shown(QStringView text)
    {
        const QString key = QString::fromRawData(text.data(), text.size());
        auto it = m_shown.constFind(key);
        if (it == m_shown.constEnd()) {
            // Kept past this file's lines: a copy, since `key` only borrows them.
            const QString owned = text.toString();
            it = m_shown.insert(owned, longFormIfDate(owned));
        }
        return it.value();
    }

private:
    QHash<QString, QDate> m_dates;
    QHash<QString, QString> m_shown;
};

// What is wrong with a file the scan left out, in the batch reader's words.
QString damageOf(const QString& dataRoot, const QString& folder, const QString& name)
{
    try {
        readBatchFile(dataRoot, BatchFolder::Active, batchIdFromFileName(name),
                      BatchCheck::LayoutAndDueDates);
    } catch (const StoreError& error) {
        return error.message();
    }
    // Mended or replaced since the scan read it.
    return StoreText::tr("The batch file \"%1\" could not be read.")
        .arg(QDir::toNativeSeparators(QDir(folder).filePath(name)));
}

} // namespace

int findListedRecord(const BatchFile& batch, const QString& shownDate, const QString& action)
{
    for (int i = 0; i < batch.records.size(); ++i) {
        const ActionRecord& record = batch.records.at(i);
        if (record.isOpen() && record.Action == action &&
            longFormIfDate(record.DueDate) == shownDate)
            return i + 1;
    }
    return 0;
}

DueScan scanDueActions(const QString& dataRoot, const QDate& today)
{
    return scanActionsDue(dataRoot, today, QDate(), today);
}

DueScan scanActionsDue(const QString& dataRoot, const QDate& today, const QDate& first,
                       const QDate& last)
{
    DueScan scan;
    const QString folder = batchFolderPath(dataRoot, BatchFolder::Active);
    const QStringList names = listBatchFiles(folder, FileSubject(FileSubject::ActiveBatches));
    const QDir dir(folder);
    DateCache dates;
    for (const QString& name : names) {
        // Each file is read once, whole, and only the lines the list needs are
        // looked at: line 1, and the due date, action and completion date of
        // each record.
        TextFileLines lines;
        try {
            lines = TextFileLines::read(dir.filePath(name),
                                        FileSubject::batchFile(batchIdFromFileName(name)));
        } catch (const StoreError&) {
            scan.skipped << name;
            scan.problems << damageOf(dataRoot, folder, name);
            continue;
        }
        const qsizetype count = lines.size();
        if (!isWholeBatchLayout(count)) {
            scan.skipped << name;
            scan.problems << damageOf(dataRoot, folder, name);
            continue;
        }
        // A due date that is not a date could hide a due action: the whole file
        // is left out and named rather than listed in part.
        bool damaged = false;
        for (qsizetype at = kHeaderLines; at < count; at += kRecordLines) {
            if (!dates.date(lines.at(at + kDueDateLine)).isValid()) {
                damaged = true;
                break;
            }
        }
        if (damaged) {
            scan.skipped << name;
            scan.problems << damageOf(dataRoot, folder, name);
            continue;
        }
        const QString batchId = batchIdFromFileName(name);
        const QString customer = lines.text(BatchHeader::CustomerName);
        for (qsizetype at = kHeaderLines; at < count; at += kRecordLines) {
            // Open exactly while the completion date is empty.
            if (!lines.at(at + kCompletedLine).isEmpty())
                continue;
            const QDate due = dates.date(lines.at(at + kDueDateLine));
            if (due > last || (first.isValid() && due < first))
                continue;
            DueAction action;
            action.batchId = batchId;
            action.customer = customer;
            action.dueDate = dates.shown(lines.at(at + kDueDateLine));
            action.action = lines.text(at + kActionLine);
            action.record = int((at - kHeaderLines) / kRecordLines) + 1;
            action.overdue = due < today;
            action.due = due;
            scan.actions << action;
        }
    }
    return scan;
}

} // namespace store
