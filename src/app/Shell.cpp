#include "app/Shell.h"

#include "app/Screen.h"
#include "store/Clock.h"
#include "store/StarterData.h"
#include "widgets/ScreenReader.h"

#include <utility>

namespace app {

namespace {
Shell* current = nullptr;
}

Shell::Shell(const ShellOptions& options) : m_options(options)
{
    Q_ASSERT(!current);
    current = this;
    store::initStarterResources();
    store::Clock::setFixedToday(options.fixedToday);
    registerAllScreens(*this);
}

Shell::~Shell()
{
    m_ending = true;
    for (const QPointer<Screen>& screen : std::as_const(m_loaded))
        delete screen.data();
    m_loaded.clear();
    current = nullptr;
}

Shell& Shell::instance()
{
    Q_ASSERT(current);
    return *current;
}

bool Shell::exists()
{
    return current != nullptr;
}

void Shell::registerScreen(const QString& name, Factory factory)
{
    m_factories.insert(name, std::move(factory));
}

void Shell::start()
{
    m_state = store::RunState();
    showScreen(QStringLiteral("Opening_Screen"));
}

Screen* Shell::load(const QString& name)
{
    if (Screen* screen = loadedScreen(name))
        return screen;
    const auto factory = m_factories.constFind(name);
    Q_ASSERT_X(factory != m_factories.constEnd(), "Shell::load", qPrintable(name));
    if (factory == m_factories.constEnd())
        return nullptr;
    Screen* screen = (*factory)();
    screen->setUpControls();
    widgets::nameControlsForScreenReaders(screen);
    m_loaded.insert(name, screen);
    screen->Form_Load();
    return screen;
}

Screen* Shell::showScreen(const QString& target)
{
    if (m_ending)
        return nullptr;
    Screen* screen = load(target);
    // A load may end the program (a declined first run) or leave for another
    // screen itself; only a screen that is still loaded is shown.
    if (m_ending || !screen || loadedScreen(target) != screen)
        return nullptr;
    screen->show();
    screen->raise();
    screen->activateWindow();
    return screen;
}

Screen* Shell::switchScreen(Screen* from, const QString& target, Leave leave)
{
    if (from) {
        from->hide();
        if (leave == Leave::Unload)
            unloadScreen(from);
    }
    return showScreen(target);
}

void Shell::unloadScreen(Screen* screen)
{
    if (!screen)
        return;
    screen->hide();
    const QString name = screen->screenName();
    if (m_loaded.value(name) == screen)
        m_loaded.remove(name);
    // The screen may be unloading itself from one of its own handlers.
    screen->deleteLater();
}

QStringList Shell::screenNames() const
{
    QStringList names = m_factories.keys();
    names.sort();
    return names;
}

Screen* Shell::loadedScreen(const QString& name) const
{
    return m_loaded.value(name).data();
}

Screen* Shell::visibleScreen() const
{
    for (const QPointer<Screen>& screen : m_loaded) {
        if (screen && screen->isVisible())
            return screen.data();
    }
    return nullptr;
}

QStringList Shell::loadedScreenNames() const
{
    QStringList names;
    for (auto it = m_loaded.cbegin(); it != m_loaded.cend(); ++it) {
        if (it.value())
            names << it.key();
    }
    names.sort();
    return names;
}

void Shell::exitProgram()
{
    if (m_ending)
        return;
    m_ending = true;
    const auto loaded = m_loaded;
    m_loaded.clear();
    for (const QPointer<Screen>& screen : loaded) {
        if (screen) {
            screen->hide();
            screen->deleteLater();
        }
    }
    Q_EMIT programEnded();
}

} // namespace app
