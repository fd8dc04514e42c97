#include "widgets/FormRules.h"

#include "widgets/SingleLine.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>

namespace widgets {

void applyFormRules(QWidget* form)
{
    for (QLineEdit* box : form->findChildren<QLineEdit*>())
        keepOnOneLine(box);
    for (QLabel* label : form->findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    // A grid or list is one stop on the way round the form; the arrow keys move
    // within it. Tab from cell to cell would hold a keyboard user in a list of
    // hundreds of batches.
    for (QAbstractItemView* view : form->findChildren<QAbstractItemView*>())
        view->setTabKeyNavigation(false);
}

} // namespace widgets
