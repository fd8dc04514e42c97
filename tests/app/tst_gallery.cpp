// Opens every screen with fixture data; with VINTRELO_GALLERY set to a folder,
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
    DataFixture fx;
    fx.writeBatch(QStringLiteral("2026-000040"), sampleBatch(3));
    MessageScript script;
    AppHarness app(fx);
    app.start();
    snap(app);
    QVERIFY(app.click(QStringLiteral("AboutButton")));
    snap(app);
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    snap(app);
    for (const char* button :
         {"CommandButton2", "CommandButton3", "CommandButton1", "CommandButton6", "CommandButton4",
          "CommandButton8", "CommandButton5"}) {
        QVERIFY(app.click(QString::fromLatin1(button)));
        QVERIFY(app.visibleName() != QStringLiteral("MainMenu"));
        snap(app);
        QVERIFY(app.click(QStringLiteral("CommandButton1")));
        QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    }
    QVERIFY(script.unexpected().isEmpty());
}

VINTRELO_TEST_MAIN(GalleryTest)
#include "tst_gallery.moc"
