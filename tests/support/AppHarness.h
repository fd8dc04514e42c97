#pragma once

#include "app/Screen.h"
#include "app/Shell.h"

#include <QDate>
#include <QTimer>
#include <memory>

class DataFixture;

// Data tables name screens by their class's meta-object.
Q_DECLARE_METATYPE(const QMetaObject*)

// Runs the whole program in the test's process: a program folder of the test's
// choosing (where "VT.Loc" is looked for), a fixed "today", and the real screens.
// A watchdog closes any modal dialog that is not answered by the MessageScript,
// so a test fails instead of hanging.
class AppHarness
{
public:
    static QDate defaultToday() { return QDate(2026, 12, 7); }

    explicit AppHarness(const DataFixture& fixture, const QDate& today = defaultToday());
    explicit AppHarness(const app::ShellOptions& options);
    ~AppHarness();

    app::Shell& shell() { return *m_shell; }
    store::RunState& state() { return m_shell->state(); }

    void start();
    bool ended() const { return m_shell->isEnding(); }

    // The one visible screen (null when none), and its controls by objectName.
    app::Screen* visible() const;
    QString visibleName() const;
    template <typename T = QWidget> T* control(const QString& name) const
    {
        app::Screen* screen = visible();
        return screen ? screen->findChild<T*>(name) : nullptr;
    }
    // Clicks a button of the visible screen and lets deferred deletions run.
    bool click(const QString& buttonName);
    // Top-level windows currently visible, of any kind.
    int visibleWindowCount() const;
    // The screens whose windows exist, shown or hidden, by class name, sorted.
    static QStringList screenWindows();
    // Dialogs the watchdog had to close.
    QStringList strayDialogs() const { return m_stray; }

    static void settle(); // runs posted events, including deferred deletions

private:
    void watch();

    std::unique_ptr<app::Shell> m_shell;
    QTimer m_watchdog;
    QStringList m_stray;
};
