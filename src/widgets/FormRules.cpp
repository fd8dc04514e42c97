#include "widgets/FormRules.h"

#include "widgets/SingleLine.h"

#include <QLabel>
#include <QLineEdit>

namespace widgets {

void applyFormRules(QWidget* form)
{
    for (QLineEdit* box : form->findChildren<QLineEdit*>())
        keepOnOneLine(box);
    for (QLabel* label : form->findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
}

} // namespace widgets
