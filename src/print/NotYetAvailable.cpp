#include "print/ToDoList.h"
#include "print/TrackingTag.h"
#include "widgets/Messages.h"

#include <QCoreApplication>

// Stands in until the page drawing and printer back ends are built.
namespace print {

namespace {
bool notAvailable(QWidget* parent)
{
    widgets::Messages::warning(
        parent, QCoreApplication::translate("print", "Printing is not available in this version "
                                                     "of Vintrelo yet. Nothing was printed."));
    return false;
}
} // namespace

bool printTrackingTag(QWidget* parent, const TagData&)
{
    return notAvailable(parent);
}

bool printToDoList(QWidget* parent, const QVector<ToDoRow>&, const QString&)
{
    return notAvailable(parent);
}

} // namespace print
