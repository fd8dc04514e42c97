#include "app/Screen.h"

#include "app/Shell.h"
#include "widgets/FormRules.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>

namespace app {

Screen::Screen(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowIcon(QIcon(QStringLiteral(":/icons/vintrelo.png")));
}

QString Screen::screenName() const
{
    QString name = QString::fromLatin1(metaObject()->className());
    return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
}

void Screen::setUpControls()
{
    widgets::applyFormRules(this);
}

Shell& Screen::shell() const
{
    return Shell::instance();
}

store::RunState& Screen::state() const
{
    return Shell::instance().state();
}

void Screen::closeEvent(QCloseEvent* event)
{
    // The shell hides and deletes screens itself; a close that reaches here came
    // from the title bar (or the window manager) while the screen was shown.
    event->ignore();
    if (Shell::exists() && !shell().isEnding())
        closeByTitleBar();
}

QPushButton* Screen::buttonForReturn() const
{
    const auto usable = [](const QPushButton* button) {
        return button && button->isVisible() && button->isEnabled();
    };
    auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
    if (focused && focused->window() == this)
        return usable(focused) ? focused : nullptr;
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button->isDefault() && usable(button))
            return button;
    }
    return nullptr;
}

void Screen::keyPressEvent(QKeyEvent* event)
{
    // A push button ignores Return outside a dialog, so it arrives here from
    // the focused control.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (QPushButton* button = buttonForReturn()) {
            // Holding the key down must not save or leave twice.
            if (!event->isAutoRepeat())
                button->click();
            event->accept();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

} // namespace app
