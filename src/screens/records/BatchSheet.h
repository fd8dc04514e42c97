#pragma once

#include "store/BatchFile.h"
#include "widgets/CellEditor.h"

#include <QDate>
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
// alignments) and fills one row per record; a completed record's due date is marked.
void fillActionGrid(widgets::Grid* grid, const QVector<store::ActionRecord>& records);

// The records a save writes: every data row with a due date, in grid order; a
// completion date that reads as a date is written in long form.
QVector<store::ActionRecord> recordsFromGrid(const widgets::Grid* grid);

// What an edit of a date column stores (other columns are stored as typed):
// a date in long form; today for text that is not a date; an empty due date
// becomes today, an empty completion date stays empty unless committed by Enter.
QString normaliseCell(int col, const QString& text, widgets::CellEditor::Commit how,
                      const QDate& today);

} // namespace screens::batchsheet
