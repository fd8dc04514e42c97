#include "screens/records/BatchSheet.h"

#include "store/LongDate.h"
#include "widgets/Grid.h"

#include <QCoreApplication>

namespace screens::batchsheet {

namespace {

const int kWidths[ColumnCount] = {800, 2600, 5000, 4000, 4000, 6000, 2600};

QString headerText(int col)
{
    static const char* const texts[ColumnCount] = {
        QT_TRANSLATE_NOOP("screens::ExistingInventory2", "Day #"),
        QT_TRANSLATE_NOOP("screens::ExistingInventory2", "Due Date"),
        QT_TRANSLATE_NOOP("screens::ExistingInventory2", "Action"),
        QT_TRANSLATE_NOOP("screens::ExistingInventory2", "Amount"),
        QT_TRANSLATE_NOOP("screens::ExistingInventory2", "Measurement"),
        QT_TRANSLATE_NOOP("screens::ExistingInventory2", "Notes"),
        QT_TRANSLATE_NOOP("screens::ExistingInventory2", "Date Completed")};
    return QCoreApplication::translate("screens::ExistingInventory2", texts[col]);
}

// The mark of a completed action's due date: light green of the 16-colour palette.
const QColor kCompletedMark(0, 255, 0);

Qt::Alignment columnAlignment(int col)
{
    switch (col) {
    case DayColumn:
    case AmountColumn:
    case MeasurementColumn:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

void fillActionGrid(widgets::Grid* grid, const QVector<store::ActionRecord>& records)
{
    grid->setRows(1); // nothing of a batch shown before stays
    grid->setFixedRows(1);
    grid->setFixedCols(1);
    QVector<widgets::GridColumn> columns;
    for (int col = 0; col < ColumnCount; ++col) {
        // The day and the two dates show whole, also when an edit makes them longer.
        const bool fits = col == DayColumn || col == DueDateColumn || col == CompletedColumn;
        columns.append(
            {headerText(col), kWidths[col], columnAlignment(col), Qt::AlignCenter, fits});
    }
    grid->setColumns(columns);

    QStringList texts;
    texts.reserve(records.size() * ColumnCount);
    QVector<widgets::CellColour> marks;
    for (int i = 0; i < records.size(); ++i) {
        const store::ActionRecord& record = records.at(i);
        texts << record.DayNumber << record.DueDate << record.Action << record.Amount
              << record.Measurement << record.Notes << record.DateCompleted;
        if (!record.isOpen())
            marks.append({i + 1, DueDateColumn, kCompletedMark});
    }
    grid->fillRows(1, texts, marks);
}

QVector<store::ActionRecord> recordsFromGrid(const widgets::Grid* grid)
{
    QVector<store::ActionRecord> records;
    for (int row = 1; row < grid->rows(); ++row) {
        if (grid->textAt(row, DueDateColumn).isEmpty())
            continue;
        store::ActionRecord record;
        record.DayNumber = grid->textAt(row, DayColumn);
        record.DueDate = grid->textAt(row, DueDateColumn);
        record.Action = grid->textAt(row, ActionColumn);
        record.Amount = grid->textAt(row, AmountColumn);
        record.Measurement = grid->textAt(row, MeasurementColumn);
        record.Notes = grid->textAt(row, NotesColumn);
        record.DateCompleted = store::longFormIfDate(grid->textAt(row, CompletedColumn));
        records << record;
    }
    return records;
}

QString normaliseCell(int col, const QString& text, widgets::CellEditor::Commit how,
                      const QDate& today)
{
    if (col != DueDateColumn && col != CompletedColumn)
        return text;
    const QDate date = store::parseDate(text);
    if (date.isValid())
        return store::formatLongDate(date);
    // Clicking away from an emptied completion date leaves the action open.
    if (text.isEmpty() && col == CompletedColumn && how == widgets::CellEditor::Commit::LeaveCell)
        return QString();
    return store::formatLongDate(today);
}

} // namespace screens::batchsheet
