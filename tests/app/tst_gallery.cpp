// Opens the shell's screens with fixture data; with VINTRELO_GALLERY set to a folder,
// saves a picture of each there for review.
#include "AppHarness.h"
#include "DataFixture.h"
#include "MessageScript.h"
#include "TestMain.h"

#include <QDir>

class GalleryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }
    void everyScreen();

private:
    void snap(AppHarness& app, const QString& state = QString());
};

void GalleryTest::snap(AppHarness& app, const QString& state)
{
    app::Screen* screen = app.visible();
    QVERIFY(screen);
    QCOMPARE(app.visibleWindowCount(), 1);
    const QString folder = qEnvironmentVariable("VINTRELO_GALLERY");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QString name = screen->screenName();
    if (!state.isEmpty())
        name += QLatin1Char('-') + state;
    QVERIFY(screen->grab().save(QDir(folder).filePath(name + QStringLiteral(".png"))));
}

void GalleryTest::everyScreen()
{
    // The shell's own screens; each subsystem's gallery test shows its screens.
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    app.start();
    snap(app);
    QVERIFY(app.click(QStringLiteral("AboutButton")));
    snap(app);
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    snap(app);
    QVERIFY(script.unexpected().isEmpty());
}

VINTRELO_TEST_MAIN(GalleryTest)
#include "tst_gallery.moc"
