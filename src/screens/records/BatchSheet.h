#pragma once

#include "store/BatchFile.h"
#include "widgets/CellEditor.h"

#include <QVector>

namespace widgets {
class Grid;
}

// What the batch editor and the completed view share: the action grid and how
// its rows map to action records.
namespace screens::batchsheet {

// The action grid's columns: Day #, Due Date, Action, Amount, Measurement,
// Notes, Date Completed.
enum Column
{
    DayColumn,
    DueDateColumn,
    ActionColumn,
    AmountColumn,
    MeasurementColumn,
    NotesColumn,
    CompletedColumn,
    ColumnCount
};

// Shapes the grid (7 columns, fixed row 0 and column 0, widths, headers,
// alignments) and fills one row per record, dates and the default note in this
// PC's words; a completed record's due date is marked.
void fillActionGrid(widgets::Grid* grid, const QVector<store::ActionRecord>& records);

// Marks a row's due date as its completion date says: green when done.
void markCompletion(widgets::Grid* grid, int row);

// The records the grid was filled from, row by row, so that a cell nobody
// changed is written back exactly as the file held it (a date written on a PC
// in another language stays as written). Rows the user inserts come from no record.
class ShownRecords
{
public:
    void fill(widgets::Grid* grid, const QVector<store::ActionRecord>& records);
    void rowInserted(int row);
    // The text to write for a cell: the file's own while the cell shows what
    // it was filled with, else the cell's text.
    QString textToWrite(const widgets::Grid* grid, int row, int col) const;

private:
    QVector<store::ActionRecord> m_records;
    QVector<int> m_source; // per grid row: index into m_records, or -1
};

// The records a save writes: every data row with a due date, in grid order.
// Without `shown`, the texts as the grid shows them (for printing).
QVector<store::ActionRecord> recordsFromGrid(const widgets::Grid* grid,
                                             const ShownRecords* shown = nullptr);

// The data rows that hold something but no due date: a save leaves them out.
QStringList rowsWithoutDueDate(const widgets::Grid* grid);

// What an edit of a date column stores (other columns are stored as typed): a
// date in this PC's long form, or an empty completion date (the action is
// open). A text that is not a date, or an emptied due date, is refused with a
// message naming the cell and the text; the cell keeps what it held.
widgets::CellEditor::Verdict checkCell(int row, int col, const QString& typed, const QString& held);

} // namespace screens::batchsheet
