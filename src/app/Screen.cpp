#include "app/Screen.h"

#include "app/ScreenSizes.h"
#include "app/Shell.h"
#include "widgets/FormRules.h"
#include "widgets/Grid.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHideEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace app {

Screen::Screen(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowIcon(QIcon(QStringLiteral(":/icons/vintrelo.png")));
}

QString Screen::screenName() const
{
    return screenName(*metaObject());
}

QString Screen::screenName(const QMetaObject& type)
{
    QString name = QString::fromLatin1(type.className());
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

void Screen::setVisible(bool visible)
{
    if (visible && !m_sized && !isVisible() && Shell::exists() && holdsGrid()) {
        m_sized = true;
        openAtChosenSize();
    }
    QWidget::setVisible(visible);
}

bool Screen::holdsGrid() const
{
    return findChild<widgets::Grid*>() != nullptr;
}

QSize Screen::roomOnScreen() const
{
    const QScreen* shownOn = screen();
    if (!shownOn)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // The window system adds a title bar and borders around the window.
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    return shownOn->availableGeometry().size() - QSize(2 * border, title + 2 * border);
}

void Screen::openAtChosenSize()
{
    const ScreenSizes sizes(shell().options().places.configDir);
    const QSize room = roomOnScreen();
    if (const std::optional<ChosenSize> chosen = sizes.chosen(screenName())) {
        resize(chosen->size.boundedTo(room).expandedTo(minimumSizeHint()));
        if (chosen->maximized)
            setWindowState(windowState() | Qt::WindowMaximized);
        m_openedMaximized = chosen->maximized;
    } else {
        resize(sizeFittingGrids(this, room));
    }
    m_openedSize = size();
}

void Screen::rememberChosenSize()
{
    ChosenSize now;
    now.maximized = isMaximized();
    now.size = now.maximized ? normalGeometry().size() : size();
    if (!now.size.isValid() || now.size.isEmpty())
        now.size = m_openedSize;
    // Only a size the user changed is kept; a window nobody resized fits its
    // grids afresh next time.
    if (now.size == m_openedSize && now.maximized == m_openedMaximized)
        return;
    ScreenSizes(shell().options().places.configDir).remember(screenName(), now);
    m_openedSize = now.size;
    m_openedMaximized = now.maximized;
}

void Screen::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (m_sized && !event->spontaneous() && Shell::exists())
        rememberChosenSize();
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
