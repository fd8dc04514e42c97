#pragma once

#include "app/Translations.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

namespace testmain {

// Tests run in English (United States), dates included, unless
// VINTRELO_TEST_LANGUAGE names another locale ("fr_CA"): then in that one, with
// its translation installed.
inline QLocale testLocale()
{
    const QString name = qEnvironmentVariable("VINTRELO_TEST_LANGUAGE");
    return name.isEmpty() ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(name);
}

// The offscreen platform with one screen of a shop's desktop monitor, for tests
// of how windows fit their screen (the platform's own screen is 800 by 800).
// The description is read while the application starts, from `folder`.
inline QByteArray desktopPlatform(const QTemporaryDir& folder)
{
    const QString path = folder.filePath(QStringLiteral("desktop-screen.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(R"({"synchronousWindowSystemEvents": false, "windowFrameMargins": true,
                   "screens": [{"name": "Desktop", "x": 0, "y": 0, "width": 1920,
                                "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96,
                                "dpr": 1.0}]})");
    return "offscreen:configfile=" + QFile::encodeName(path);
}

} // namespace testmain

// Like QTEST_MAIN, with the platform and the locale every test expects:
// offscreen windows and English (United States) dates and texts.
#define VINTRELO_TEST_MAIN_ON(TestClass, platform)                                                 \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        QTemporaryDir platformFolder;                                                              \
        qputenv("QT_QPA_PLATFORM", platform);                                                      \
        QLocale::setDefault(testmain::testLocale());                                               \
        QApplication app(argc, argv);                                                              \
        app::installTranslations(testmain::testLocale());                                          \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

#define VINTRELO_TEST_MAIN(TestClass) VINTRELO_TEST_MAIN_ON(TestClass, "offscreen")

// The same on a 1920 by 1080 desktop screen, where windows have room to grow.
#define VINTRELO_TEST_MAIN_ON_DESKTOP(TestClass)                                                   \
    VINTRELO_TEST_MAIN_ON(TestClass, testmain::desktopPlatform(platformFolder))
