#include "store/BatchValues.h"

#include "store/LongDate.h"
#include "store/StoreError.h"

namespace store {

namespace {

// The captions the user knows the fields by.
const char* const kHeaderFieldNames[kHeaderFields] = {
    QT_TRANSLATE_NOOP("Store", "Name"),
    QT_TRANSLATE_NOOP("Store", "Address"),
    QT_TRANSLATE_NOOP("Store", "City / Town"),
    QT_TRANSLATE_NOOP("Store", "Province / State"),
    QT_TRANSLATE_NOOP("Store", "Postal / Zip Code"),
    QT_TRANSLATE_NOOP("Store", "Phone Number #1"),
    QT_TRANSLATE_NOOP("Store", "Phone Number #2"),
    QT_TRANSLATE_NOOP("Store", "Email Address"),
    QT_TRANSLATE_NOOP("Store", "Other I.D."),
    QT_TRANSLATE_NOOP("Store", "Serial Number"),
    QT_TRANSLATE_NOOP("Store", "Variety"),
    QT_TRANSLATE_NOOP("Store", "Colour"),
    QT_TRANSLATE_NOOP("Store", "Vintage"),
    QT_TRANSLATE_NOOP("Store", "Must Type"),
    QT_TRANSLATE_NOOP("Store", "Source"),
    QT_TRANSLATE_NOOP("Store", "Batch Size"),
    QT_TRANSLATE_NOOP("Store", "Cost"),
    QT_TRANSLATE_NOOP("Store", "Vintner"),
    QT_TRANSLATE_NOOP("Store", "Start Date"),
    QT_TRANSLATE_NOOP("Store", "Recipe")};

const char* const kRecordFieldNames[kRecordFields] = {
    QT_TRANSLATE_NOOP("Store", "Day #"),         QT_TRANSLATE_NOOP("Store", "Due Date"),
    QT_TRANSLATE_NOOP("Store", "Action"),        QT_TRANSLATE_NOOP("Store", "Amount"),
    QT_TRANSLATE_NOOP("Store", "Measurement"),   QT_TRANSLATE_NOOP("Store", "Notes"),
    QT_TRANSLATE_NOOP("Store", "Date Completed")};

// A date text that reads as the same day whenever it is read again.
bool readsBackAsItself(const QString& text)
{
    return parseDate(text).isValid() && !dateTextOmitsYear(text);
}

} // namespace

QString batchLineField(qsizetype line)
{
    if (line < kHeaderFields)
        return STORE_TR("the \"%1\"").arg(STORE_TR(kHeaderFieldNames[line]));
    if (line < kHeaderLines)
        return STORE_TR("line %1").arg(line + 1);
    const qsizetype action = (line - kHeaderLines) / kRecordLines + 1;
    const qsizetype field = (line - kHeaderLines) % kRecordLines;
    if (field >= kRecordFields)
        return STORE_TR("line %1").arg(line + 1);
    return STORE_TR("the \"%1\" of action %2").arg(STORE_TR(kRecordFieldNames[field])).arg(action);
}

LineRules batchLineRules(const BatchFile* replaced)
{
    LineRules rules;
    rules.fieldOf = batchLineField;
    if (replaced) {
        const QStringList lines = batchToLines(*replaced);
        rules.kept = QSet<QString>(lines.cbegin(), lines.cend());
    }
    return rules;
}

void requireDateReadsBack(const QString& batchId, const QString& what, const QString& text)
{
    if (readsBackAsItself(text))
        return;
    throw StoreError(STORE_TR("Vintrelo did not write batch %1: %2 \"%3\" is not a date that "
                              "Vintrelo can read back as the same day. Nothing was changed. "
                              "Enter a date with its year, such as %4, then try again.")
                         .arg(batchId, what, text, exampleDateText()));
}

void requireStorableDates(const BatchFile& batch, const QString& batchId, const BatchFile* replaced)
{
    QSet<QString> kept;
    if (replaced) {
        kept << replaced->header.field(BatchHeader::StartDate);
        for (const ActionRecord& record : replaced->records)
            kept << record.DueDate;
    }
    const QString start = batch.header.field(BatchHeader::StartDate);
    if (!kept.contains(start))
        requireDateReadsBack(batchId, STORE_TR("its start date"), start);
    for (int i = 0; i < batch.records.size(); ++i) {
        const QString& due = batch.records.at(i).DueDate;
        if (!kept.contains(due))
            requireDateReadsBack(batchId, STORE_TR("the due date of its action %1").arg(i + 1),
                                 due);
    }
}

} // namespace store
