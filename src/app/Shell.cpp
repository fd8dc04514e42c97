#include "app/Shell.h"

#include "app/BackupService.h"
#include "app/LockPrompts.h"
#include "app/Opening_Screen.h"
#include "app/Screen.h"
#include "store/Clock.h"
#include "store/FolderLock.h"
#include "store/StarterData.h"
#include "widgets/ScreenReader.h"

#include <algorithm>
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
    installLockPrompts();
    m_backups = std::make_unique<BackupService>(*this);
}

Shell::~Shell()
{
    m_ending = true;
    for (const QPointer<Screen>& screen : std::as_const(m_loaded))
        delete screen.data();
    m_loaded.clear();
    removeLockPrompts();
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

void Shell::registerScreen(const QMetaObject& type, Factory factory)
{
    m_factories.insert(&type, std::move(factory));
}

void Shell::start()
{
    // The folder's lock names this installation, kept with the user's settings.
    store::setInstallationId(store::loadInstallationId(m_options.places.configDir));
    m_state = store::RunState();
    showScreen<Opening_Screen>();
}

Screen* Shell::load(const QMetaObject& type)
{
    if (Screen* screen = loadedScreen(type))
        return screen;
    const auto factory = m_factories.constFind(&type);
    Q_ASSERT_X(factory != m_factories.constEnd(), "Shell::load", type.className());
    if (factory == m_factories.constEnd())
        return nullptr;
    Screen* screen = (*factory)();
    screen->setUpControls();
    widgets::nameControlsForScreenReaders(screen);
    m_loaded.insert(&type, screen);
    screen->Form_Load();
    return screen;
}

Screen* Shell::showScreen(const QMetaObject& target)
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

Screen* Shell::switchScreen(Screen* from, const QMetaObject& target, Leave leave)
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
    // Found by the instance, whatever it was loaded as.
    for (auto it = m_loaded.begin(); it != m_loaded.end();) {
        if (it.value() == screen)
            it = m_loaded.erase(it);
        else
            ++it;
    }
    // The screen may be unloading itself from one of its own handlers.
    screen->deleteLater();
}

QList<const QMetaObject*> Shell::screenTypes() const
{
    QList<const QMetaObject*> types = m_factories.keys();
    std::sort(types.begin(), types.end(), [](const QMetaObject* a, const QMetaObject* b) {
        return Screen::screenName(*a) < Screen::screenName(*b);
    });
    return types;
}

Screen* Shell::loadedScreen(const QMetaObject& type) const
{
    return m_loaded.value(&type).data();
}

Screen* Shell::visibleScreen() const
{
    for (const QPointer<Screen>& screen : m_loaded) {
        if (screen && screen->isVisible())
            return screen.data();
    }
    return nullptr;
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
