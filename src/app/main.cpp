#include "app/Fonts.h"
#include "app/Shell.h"
#include "app/Translations.h"
#include "app/Version.h"
#include "store/StarterData.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vintrelo"));
    QApplication::setApplicationVersion(QStringLiteral(VINTRELO_VERSION));
    // Lets desktops match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("vintrelo"));
    store::initStarterResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vintrelo.png")));
    app::installFontSubstitutes();
    app::installTranslations();

    app::ShellOptions options;
    options.places.programDir = QApplication::applicationDirPath();
    options.places.configDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    options.defaultDataFolder =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(QStringLiteral("Vintrelo Data"));
    options.automaticBackups = true;

    app::Shell shell(options);
    QObject::connect(&shell, &app::Shell::programEnded, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    shell.start();
    if (shell.isEnding())
        return 0;
    return QApplication::exec();
}
