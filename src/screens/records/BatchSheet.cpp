#include "screens/records/BatchSheet.h"

#include "store/LongDate.h"
#include "widgets/Grid.h"

#include <QCoreApplication>
#include <QLabel>
#include <QSignalBlocker>
#include <QWidget>

namespace screens::batchsheet {

namespace {

// Value labels in header-line order (lines 1 to 19).
const char* const kValueLabels[] = {
    "Name_Label",      "Address_Label", "City_Label",    "Province_Label", "PostalCode_Label",
    "Phone1_Label",    "Phone2_Label",  "email_Label",   "OtherID_Label",  "SerialNumber_Label",
    "Variety_Label",   "Colour_Label",  "Vintage_Label", "MustType_Label", "Source_Label",
    "BatchSize_Label", "Cost_Label",    "Vintner_Label", "StartDate_Label"};

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

QString longFormIfDate(const QString& text)
{
    const QDate date = store::parseDate(text);
    return date.isValid() ? store::formatLongDate(date) : text;
}

} // namespace

QColor completedMark()
{
    return QColor(0, 255, 0);
}

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

void fillHeaderLabels(QWidget* form, const store::BatchHeader& header)
{
    for (int line = 0; line < int(std::size(kValueLabels)); ++line) {
        if (auto* label = form->findChild<QLabel*>(QString::fromLatin1(kValueLabels[line])))
            label->setText(header.lines.at(line));
    }
}

void alignRow(widgets::Grid* grid, int row)
{
    for (int col = 0; col < ColumnCount; ++col)
        grid->setAlignmentAt(row, col, columnAlignment(col));
}

void fillActionGrid(widgets::Grid* grid, const QVector<store::ActionRecord>& records)
{
    grid->setRows(1);
    grid->setCols(ColumnCount);
    grid->setFixedRows(1);
    grid->setFixedCols(1);
    grid->setRows(records.size() + 1);
    {
        // Looks first, quietly: the one model reset of fillRows() below repaints
        // the lot, where a signal per cell would repaint cell by cell.
        const QSignalBlocker quiet(grid->model());
        for (int col = 0; col < ColumnCount; ++col)
            grid->setAlignmentAt(0, col, Qt::AlignCenter);
        for (int row = 1; row <= records.size(); ++row) {
            alignRow(grid, row);
            if (!records.at(row - 1).isOpen())
                grid->setBackgroundAt(row, DueDateColumn, completedMark());
        }
    }
    QStringList texts;
    texts.reserve((records.size() + 1) * ColumnCount);
    for (int col = 0; col < ColumnCount; ++col)
        texts << headerText(col);
    for (const store::ActionRecord& record : records) {
        texts << record.DayNumber << record.DueDate << record.Action << record.Amount
              << record.Measurement << record.Notes << record.DateCompleted;
    }
    grid->fillRows(0, texts);
    for (int col = 0; col < ColumnCount; ++col)
        grid->setColumnWidthTwips(col, kWidths[col]);
    // The day and the two dates show whole, also when an edit makes them longer.
    for (const int col : {0, static_cast<int>(DueDateColumn), ColumnCount - 1})
        grid->keepColumnFitting(col);
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
        record.DateCompleted = longFormIfDate(grid->textAt(row, CompletedColumn));
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
