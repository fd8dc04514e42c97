#pragma once

#include <QString>
#include <QVector>

class QWidget;

namespace print {

class PageSurface;

// One row of the day's task list as the task grid shows it.
struct ToDoRow
{
    QString batchId;
    QString dueDate;
    QString action;
};

// Prints the ruled to-do sheet on the default printer (or offers a PDF when
// there is none or the job fails). The caller handles an empty list. True when
// a page was produced.
bool printToDoList(QWidget* parent, const QVector<ToDoRow>& rows, const QString& todayText);

// Draws the ruled sheet, in inches: the page header on every page and 35 rows a
// page. A new page starts only for a row that does not fit, so a full last page
// is not followed by one holding the header alone. When a due date is too long
// for its column, the sheet's dates are all printed in the locale's numeric form,
// so none runs through the column's rule; the printing date is made smaller (or
// numeric) as needed to stay within the printable width.
void drawToDoList(PageSurface& page, const QVector<ToDoRow>& rows, const QString& todayText);

// The name a saved PDF of the list is offered under, from the day it lists.
QString toDoListFileName(const QString& todayText);

} // namespace print
