#include "Gallery.h"

#include "AppHarness.h"
#include "FrenchScreens.h"
#include "TestMain.h"

#include <QDir>
#include <QTest>

void snapGallery(AppHarness& app, const QString& state)
{
    app::Screen* screen = app.visible();
    QVERIFY(screen);
    QCOMPARE(app.visibleWindowCount(), 1);
    if (testmain::testLocale().language() == QLocale::French) {
        const QStringList problems = frenchProblems(screen);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
    const QString folder = qEnvironmentVariable("VINTRELO_GALLERY");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QString name = screen->screenName();
    if (!state.isEmpty())
        name += QLatin1Char('-') + state;
    QVERIFY(screen->grab().save(QDir(folder).filePath(name + QStringLiteral(".png"))));
}
