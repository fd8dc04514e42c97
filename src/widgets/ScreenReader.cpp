#include "widgets/ScreenReader.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace widgets {

namespace {

bool isControlKind(const QWidget* widget)
{
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           (qobject_cast<const QAbstractItemView*>(widget) &&
            !qobject_cast<const QHeaderView*>(widget));
}

// A caption as it is read: plain text, no mnemonic marks, no trailing colon.
QString spoken(const QString& caption)
{
    QString text = Qt::mightBeRichText(caption)
                       ? QTextDocumentFragment::fromHtml(caption).toPlainText()
                       : caption;
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    text = text.simplified();
    while (text.endsWith(QLatin1Char(':')))
        text = text.chopped(1).trimmed();
    return text;
}

QString labelCaption(const QLayoutItem* item)
{
    const auto* label = item ? qobject_cast<const QLabel*>(item->widget()) : nullptr;
    return label ? spoken(label->text()) : QString();
}

QLayout* layoutHolding(QLayout* layout, const QWidget* widget)
{
    if (!layout)
        return nullptr;
    if (layout->indexOf(widget) >= 0)
        return layout;
    for (int i = 0; i < layout->count(); ++i) {
        if (QLayout* found = layoutHolding(layout->itemAt(i)->layout(), widget))
            return found;
    }
    return nullptr;
}

// The label to the widget's left, or above it, in the layout that places it.
QString captionInLayout(QWidget* widget)
{
    QWidget* parent = widget->parentWidget();
    QLayout* layout = parent ? layoutHolding(parent->layout(), widget) : nullptr;
    if (!layout)
        return QString();
    const int index = layout->indexOf(widget);
    if (auto* form = qobject_cast<QFormLayout*>(layout)) {
        auto* label = qobject_cast<QLabel*>(form->labelForField(widget));
        return label ? spoken(label->text()) : QString();
    }
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        int row = 0, col = 0, rowSpan = 0, colSpan = 0;
        grid->getItemPosition(index, &row, &col, &rowSpan, &colSpan);
        QString caption = col > 0 ? labelCaption(grid->itemAtPosition(row, col - 1)) : QString();
        if (caption.isEmpty() && row > 0)
            caption = labelCaption(grid->itemAtPosition(row - 1, col));
        return caption;
    }
    // In a row or a column: the first thing before the widget, spacing aside.
    for (int i = index - 1; i >= 0; --i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->spacerItem())
            continue;
        return labelCaption(item);
    }
    return QString();
}

QString frameTitle(const QWidget* widget)
{
    for (const QWidget* parent = widget->parentWidget(); parent && !parent->isWindow();
         parent = parent->parentWidget()) {
        if (const auto* frame = qobject_cast<const QGroupBox*>(parent)) {
            if (!spoken(frame->title()).isEmpty())
                return spoken(frame->title());
        }
    }
    return QString();
}

} // namespace

bool isControl(const QWidget* widget)
{
    if (!widget || widget->isWindow() || !isControlKind(widget))
        return false;
    // A scroll bar's buttons, a grid's corner button and the like belong to
    // the control around them.
    for (const QWidget* parent = widget->parentWidget(); parent && !parent->isWindow();
         parent = parent->parentWidget()) {
        if (isControlKind(parent))
            return false;
    }
    return true;
}

QString accessibleNameOf(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

void nameControlsForScreenReaders(QWidget* window)
{
    if (!window)
        return;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!isControl(widget) || !accessibleNameOf(widget).isEmpty())
            continue;
        QString name = captionInLayout(widget);
        if (name.isEmpty())
            name = frameTitle(widget);
        if (name.isEmpty())
            name = spoken(window->windowTitle());
        widget->setAccessibleName(name);
    }
}

} // namespace widgets
