#pragma once

#include "store/DueActions.h"

#include <QVector>

namespace widgets {
class Grid;
}

namespace screens::duerows {

// The columns of a list of due actions, on the task list and the week view.
enum Column
{
    BatchColumn,
    CustomerColumn,
    DueDateColumn,
    ActionColumn
};

// Empties the grid to its heading row and sets the four columns.
void setUp(widgets::Grid* grid);

// Fills the rows below the heading with `actions`, overdue due dates in red.
void fill(widgets::Grid* grid, const QVector<store::DueAction>& actions);

} // namespace screens::duerows
