#include "AppHarness.h"

#include "DataFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTest>

AppHarness::AppHarness(const DataFixture& fixture, const QDate& today)
    : AppHarness(app::ShellOptions{
          {fixture.programDir(), fixture.configDir()},
          QDir(fixture.base()).filePath(QStringLiteral("Documents/Vintrelo Data")),
          today})
{
}

AppHarness::AppHarness(const app::ShellOptions& options)
    : m_shell(std::make_unique<app::Shell>(options))
{
    m_watchdog.setInterval(250);
    QObject::connect(&m_watchdog, &QTimer::timeout, [this] { watch(); });
    m_watchdog.start();
}

AppHarness::~AppHarness()
{
    m_watchdog.stop();
    m_shell.reset();
    settle();
}

void AppHarness::start()
{
    m_shell->start();
    settle();
}

app::Screen* AppHarness::visible() const
{
    return m_shell->visibleScreen();
}

QString AppHarness::visibleName() const
{
    app::Screen* screen = visible();
    return screen ? screen->screenName() : QString();
}

bool AppHarness::click(const QString& buttonName)
{
    auto* button = control<QAbstractButton>(buttonName);
    if (!button)
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    settle();
    return true;
}

int AppHarness::visibleWindowCount() const
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            ++count;
    }
    return count;
}

QStringList AppHarness::screenWindows()
{
    QStringList names;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* screen = qobject_cast<app::Screen*>(widget))
            names << screen->screenName();
    }
    names.sort();
    return names;
}

void AppHarness::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void AppHarness::watch()
{
    if (QWidget* modal = QApplication::activeModalWidget()) {
        m_stray << modal->windowTitle();
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }
}
