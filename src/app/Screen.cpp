#include "app/Screen.h"

#include "app/Shell.h"
#include "widgets/FormRules.h"

#include <QCloseEvent>
#include <QIcon>

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

} // namespace app
