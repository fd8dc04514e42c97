#pragma once

#include <QString>
#include <QVector>

class QWidget;

namespace print {

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

} // namespace print
