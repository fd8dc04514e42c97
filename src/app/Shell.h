#pragma once

#include "store/DataFolder.h"
#include "store/RunState.h"

#include <QDate>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

namespace app {

class Screen;

// Where the program looks for its files. main() fills it from the system; tests
// give folders of their own.
struct ShellOptions
{
    store::LocationPlaces places; // where "VT.Loc" is looked for and written
    QString defaultDataFolder;    // offered when a new data folder is set up
    QDate fixedToday;             // invalid: the system clock
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

    using Factory = std::function<Screen*()>;
    void registerScreen(const QString& name, Factory factory);

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
    Screen* switchScreen(Screen* from, const QString& target, Leave leave = Leave::Unload);

    // Loads (if needed) and shows a screen without leaving another one.
    Screen* showScreen(const QString& target);

    // Hides and discards a screen and everything typed on it.
    void unloadScreen(Screen* screen);

    Screen* loadedScreen(const QString& name) const;
    QStringList screenNames() const; // every screen that can be loaded, by name
    Screen* visibleScreen() const;
    QStringList loadedScreenNames() const;

    // Ends the program: every screen closes, nothing is asked.
    void exitProgram();
    bool isEnding() const { return m_ending; }

Q_SIGNALS:
    void programEnded();

private:
    Screen* load(const QString& name);

    ShellOptions m_options;
    store::RunState m_state;
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<Screen>> m_loaded;
    bool m_ending = false;
};

// Registers every screen of the program with the shell.
void registerAllScreens(Shell& shell);

} // namespace app
