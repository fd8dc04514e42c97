#pragma once

#include "store/DataFolder.h"
#include "store/RunState.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <type_traits>

namespace app {

class BackupService;
class Screen;

// Where the program looks for its files. main() fills it from the system; tests
// give folders of their own.
struct ShellOptions
{
    store::LocationPlaces places;  // where "VT.Loc" is looked for and written
    QString defaultDataFolder;     // offered when a new data folder is set up
    QDate fixedToday;              // invalid: the system clock
    bool automaticBackups = false; // the daily backup; main() turns it on
};

// The program's one run: the run state, and the switch between screens.
// At most one instance of each screen exists, and exactly one is visible.
class Shell : public QObject
{
    Q_OBJECT

public:
    explicit Shell(const ShellOptions& options);
    ~Shell() override;

    static Shell& instance();
    static bool exists();

    store::RunState& state() { return m_state; }
    const ShellOptions& options() const { return m_options; }
    BackupService& backups() { return *m_backups; }

    // Screens are known by their class: a screen that does not exist cannot be
    // named, and the switch keys each one by its class's meta-object.
    template <class T> void registerScreen()
    {
        registerScreen<T>([] { return new T; });
    }
    template <class T> void registerScreen(std::function<T*()> factory)
    {
        static_assert(std::is_base_of_v<Screen, T>, "only screens are registered");
        registerScreen(T::staticMetaObject, [factory]() -> Screen* { return factory(); });
    }

    // Creates the run state and shows the opening screen.
    void start();

    // How the screen being left is treated: unloaded (the usual switch), or kept
    // loaded but hidden because the next screen reads its controls.
    enum class Leave
    {
        Unload,
        KeepLoaded
    };

    // Hides `from`, unloads it unless told to keep it, then shows `target`, loading
    // it and running its Form_Load first when it is not loaded.
    template <class T> T* switchScreen(Screen* from, Leave leave = Leave::Unload)
    {
        return qobject_cast<T*>(switchScreen(from, T::staticMetaObject, leave));
    }
    Screen* switchScreen(Screen* from, const QMetaObject& target, Leave leave = Leave::Unload);

    // Loads (if needed) and shows a screen without leaving another one.
    template <class T> T* showScreen() { return qobject_cast<T*>(showScreen(T::staticMetaObject)); }
    Screen* showScreen(const QMetaObject& target);

    // Hides and discards a screen and everything typed on it.
    void unloadScreen(Screen* screen);

    template <class T> T* loadedScreen() const
    {
        return qobject_cast<T*>(loadedScreen(T::staticMetaObject));
    }
    Screen* loadedScreen(const QMetaObject& type) const;
    QList<const QMetaObject*> screenTypes() const; // every screen that can be loaded
    Screen* visibleScreen() const;

    // Ends the program: every screen closes, nothing is asked.
    void exitProgram();
    bool isEnding() const { return m_ending; }

Q_SIGNALS:
    void programEnded();

private:
    using Factory = std::function<Screen*()>;
    void registerScreen(const QMetaObject& type, Factory factory);
    Screen* load(const QMetaObject& type);

    ShellOptions m_options;
    store::RunState m_state;
    QHash<const QMetaObject*, Factory> m_factories;
    QHash<const QMetaObject*, QPointer<Screen>> m_loaded;
    bool m_ending = false;
    std::unique_ptr<BackupService> m_backups;
};

// Registers every screen of the program with the shell.
void registerAllScreens(Shell& shell);

} // namespace app
