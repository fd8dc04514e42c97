#include "screens/tasks/DueRows.h"

#include "widgets/Grid.h"

#include <QColor>
#include <QCoreApplication>

namespace screens::duerows {

void setUp(widgets::Grid* grid)
{
    // The task list's headings, translated in its context on both screens.
    grid->setRows(1);
    grid->setFixedRows(1);
    grid->setFixedCols(1);
    grid->setColumns({{QCoreApplication::translate("screens::ThingsToDoToday", "Batch I.D."), 1900,
                       Qt::AlignCenter, Qt::AlignCenter},
                      {QCoreApplication::translate("screens::ThingsToDoToday", "Customer"), 2400,
                       Qt::AlignCenter, Qt::AlignCenter},
                      {QCoreApplication::translate("screens::ThingsToDoToday", "Due Date"), 2200,
                       Qt::AlignCenter, Qt::AlignCenter, true},
                      {QCoreApplication::translate("screens::ThingsToDoToday", "Action"), 69000}});
}

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
