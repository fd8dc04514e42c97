// Pictures of "Find a Batch"; saved when VINTRELO_GALLERY names a folder.
#include "AppHarness.h"
#include "DataFixture.h"
#include "Gallery.h"
#include "MessageScript.h"
#include "ShopOfNames.h"
#include "TestMain.h"
#include "UserDriver.h"
#include "widgets/Grid.h"

class TestFindGallery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }
    void findScreen();
};

void TestFindGallery::findScreen()
{
    DataFixture fx;
    shopofnames::writeShop(fx);
    MessageScript script;
    AppHarness app(fx);
    app.start();
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QVERIFY(app.click(QStringLiteral("FindBatch_Command")));
    QCOMPARE(app.visibleName(), QStringLiteral("FindBatch"));
    QVERIFY(QTest::qWaitForWindowExposed(app.visible()));
    snapGallery(app);
    user::type(app, QStringLiteral("Search_TextBox"), QStringLiteral("2026"));
    QCOMPARE(app.control<widgets::Grid>(QStringLiteral("Grid1"))->textAt(6, 0),
             QStringLiteral("2026-000005"));
    snapGallery(app, QStringLiteral("results"));
    QVERIFY(script.shown().isEmpty());
}

VINTRELO_TEST_MAIN_ON_DESKTOP(TestFindGallery)
#include "tst_find_gallery.moc"
