#include "screens/tasks/DueRows.h"

#include "widgets/Grid.h"

#include <QColor>

namespace screens::duerows {

void fill(widgets::Grid* grid, const QVector<store::DueAction>& actions)
{
    // Colour 12 of the 16-colour palette marks an overdue due date.
    const QColor overdue(255, 0, 0);
    QStringList texts;
    texts.reserve(actions.size() * 4);
    QVector<widgets::CellColour> marks;
    for (int i = 0; i < actions.size(); ++i) {
        const store::DueAction& due = actions.at(i);
        texts << due.batchId << due.customer << due.dueDate << due.action;
        if (due.overdue)
            marks.append({i + 1, DueDateColumn, overdue});
    }
    grid->fillRows(1, texts, marks);
}

} // namespace screens::duerows
