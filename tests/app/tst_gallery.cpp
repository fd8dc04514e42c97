// Opens the shell's screens with fixture data; with VINTRELO_GALLERY set to a folder,
// saves a picture of each there for review.
#include "AppHarness.h"
#include "DataFixture.h"
#include "Gallery.h"
#include "MessageScript.h"
#include "TestMain.h"

#include <QDir>

class GalleryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }
    void everyScreen();
};

void GalleryTest::everyScreen()
{
    // The shell's own screens; each subsystem's gallery test shows its screens.
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    app.start();
    snapGallery(app);
    QVERIFY(app.click(QStringLiteral("AboutButton")));
    snapGallery(app);
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    snapGallery(app);
    QVERIFY(script.unexpected().isEmpty());
}

VINTRELO_TEST_MAIN(GalleryTest)
#include "tst_gallery.moc"
