#include "screens/records/BatchSheet.h"

#include "store/GivenWords.h"
#include "store/LongDate.h"
#include "widgets/Grid.h"
#include "widgets/Messages.h"

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

// What a cell shows for the text its file holds.
QString shownText(int col, const QString& stored)
{
    switch (col) {
    case DueDateColumn:
    case CompletedColumn:
        return store::longFormIfDate(stored);
    case ActionColumn:
        return store::shownAction(stored);
    default:
        return stored;
    }
}

QString fieldOf(const store::ActionRecord& record, int col)
{
    const QString* fields[ColumnCount] = {&record.DayNumber,    &record.DueDate,     &record.Action,
                                          &record.Amount,       &record.Measurement, &record.Notes,
                                          &record.DateCompleted};
    return *fields[col];
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
        for (int col = 0; col < ColumnCount; ++col)
            texts << shownText(col, fieldOf(record, col));
        if (!record.isOpen())
            marks.append({i + 1, DueDateColumn, kCompletedMark});
    }
    grid->fillRows(1, texts, marks);
}

void markCompletion(widgets::Grid* grid, int row)
{
    const bool done = !grid->textAt(row, CompletedColumn).isEmpty();
    grid->setBackgroundAt(row, DueDateColumn, done ? kCompletedMark : QColor());
}

void ShownRecords::fill(widgets::Grid* grid, const QVector<store::ActionRecord>& records)
{
    fillActionGrid(grid, records);
    m_records = records;
    m_source.resize(records.size() + 1);
    m_source[0] = -1;
    for (int i = 0; i < records.size(); ++i)
        m_source[i + 1] = i;
}

void ShownRecords::rowInserted(int row)
{
    if (row >= 0 && row <= m_source.size())
        m_source.insert(row, -1);
}

QString ShownRecords::textToWrite(const widgets::Grid* grid, int row, int col) const
{
    const QString text = grid->textAt(row, col);
    const int source = row < m_source.size() ? m_source.at(row) : -1;
    if (source < 0)
        return text;
    const QString stored = fieldOf(m_records.at(source), col);
    return text == shownText(col, stored) ? stored : text;
}

QVector<store::ActionRecord> recordsFromGrid(const widgets::Grid* grid, const ShownRecords* shown)
{
    const auto cell = [&](int row, int col) {
        return shown ? shown->textToWrite(grid, row, col) : grid->textAt(row, col);
    };
    QVector<store::ActionRecord> records;
    for (int row = 1; row < grid->rows(); ++row) {
        if (grid->textAt(row, DueDateColumn).isEmpty())
            continue;
        store::ActionRecord record;
        record.DayNumber = cell(row, DayColumn);
        record.DueDate = cell(row, DueDateColumn);
        record.Action = cell(row, ActionColumn);
        record.Amount = cell(row, AmountColumn);
        record.Measurement = cell(row, MeasurementColumn);
        record.Notes = cell(row, NotesColumn);
        record.DateCompleted = cell(row, CompletedColumn);
        records << record;
    }
    return records;
}

QStringList rowsWithoutDueDate(const widgets::Grid* grid)
{
    QStringList rows;
    for (int row = 1; row < grid->rows(); ++row) {
        if (!grid->textAt(row, DueDateColumn).isEmpty())
            continue;
        for (int col = ActionColumn; col < ColumnCount; ++col) {
            if (!grid->textAt(row, col).isEmpty()) {
                rows << QString::number(row);
                break;
            }
        }
    }
    return rows;
}

widgets::CellEditor::Verdict checkCell(int row, int col, const QString& typed, const QString& held)
{
    if (col != DueDateColumn && col != CompletedColumn)
        return {typed, QString()};
    const QString trimmed = typed.trimmed();
    // An empty completion date means the action is still to do, whichever key stored it.
    if (trimmed.isEmpty() && (col == CompletedColumn || held.isEmpty()))
        return {QString(), QString()};
    const QDate date = store::parseDate(trimmed);
    if (!trimmed.isEmpty() && date.isValid() && store::isStorableDate(date))
        return {store::formatLongDate(date), QString()};

    const QString keeps =
        held.isEmpty()
            ? QCoreApplication::translate("screens::ExistingInventory2", "The cell stays empty.")
            : QCoreApplication::translate("screens::ExistingInventory2", "The cell keeps \"%1\".")
                  .arg(widgets::Messages::quotedEntry(held));
    QString refusal;
    if (trimmed.isEmpty()) {
        refusal = QCoreApplication::translate("screens::ExistingInventory2",
                                              "The Due Date of row %1 cannot be left empty. %2 "
                                              "To remove the action, use \"Delete Row\".")
                      .arg(QString::number(row), keeps);
    } else if (col == DueDateColumn) {
        refusal = QCoreApplication::translate("screens::ExistingInventory2",
                                              "The Due Date \"%1\" in row %2 is not a date "
                                              "Vintrelo can read. %3 Please type it like this: %4")
                      .arg(widgets::Messages::quotedEntry(typed), QString::number(row), keeps,
                           store::exampleDateText());
    } else {
        refusal = QCoreApplication::translate("screens::ExistingInventory2",
                                              "The Date Completed \"%1\" in row %2 is not a date "
                                              "Vintrelo can read. %3 Please type it like this: "
                                              "%4, or leave it empty while the action is to do.")
                      .arg(widgets::Messages::quotedEntry(typed), QString::number(row), keeps,
                           store::exampleDateText());
    }
    return {QString(), refusal};
}

} // namespace screens::batchsheet
