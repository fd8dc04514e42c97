#pragma once

#include <QApplication>
#include <QLocale>
#include <QTest>

// Like QTEST_MAIN, with the platform and the locale every test expects:
// offscreen windows and English (United States) dates.
#define VINTRELO_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));                     \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
