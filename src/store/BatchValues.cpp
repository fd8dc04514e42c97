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

LineField batchLineField(qsizetype line)
{
    if (line < kHeaderFields)
        return {LineField::HeaderField, StoreText::tr(kHeaderFieldNames[line])};
    if (line < kHeaderLines)
        return {LineField::Line, QString(), line + 1};
    const qsizetype action = (line - kHeaderLines) / kRecordLines + 1;
    const qsizetype field = (line - kHeaderLines) % kRecordLines;
    if (field >= kRecordFields)
        return {LineField::Line, QString(), line + 1};
    return {LineField::ActionField, StoreText::tr(kRecordFieldNames[field]), action};
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

void requireDateReadsBack(const QString& batchId, BatchDate date, int action, const QString& text)
{
    if (readsBackAsItself(text))
        return;
    const QString example = exampleDateText();
    switch (date) {
    case BatchDate::Start:
        throw StoreError(StoreText::tr("Vintrelo did not write batch %1: its start date \"%2\" is "
                                       "not a date that Vintrelo can read back as the same day. "
                                       "Nothing was changed. Enter a date with its year, such as "
                                       "%3, then try again.")
                             .arg(batchId, text, example));
    case BatchDate::Due:
        throw StoreError(StoreText::tr("Vintrelo did not write batch %1: the due date of its "
                                       "action %2 \"%3\" is not a date that Vintrelo can read "
                                       "back as the same day. Nothing was changed. Enter a date "
                                       "with its year, such as %4, then try again.")
                             .arg(batchId, QString::number(action), text, example));
    case BatchDate::Completion:
        throw StoreError(StoreText::tr("Vintrelo did not write batch %1: the completion date of "
                                       "its action %2 \"%3\" is not a date that Vintrelo can "
                                       "read back as the same day. Nothing was changed. Enter a "
                                       "date with its year, such as %4, then try again.")
                             .arg(batchId, QString::number(action), text, example));
    }
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
        requireDateReadsBack(batchId, BatchDate::Start, 0, start);
    for (int i = 0; i < batch.records.size(); ++i) {
        const QString& due = batch.records.at(i).DueDate;
        if (!kept.contains(due))
            requireDateReadsBack(batchId, BatchDate::Due, i + 1, due);
    }
}

} // namespace store
