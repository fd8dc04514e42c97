// Pictures of the three screens of a new batch; with VINTRELO_GALLERY set to a
// folder they are saved there for review.
#include "AppHarness.h"
#include "DataFixture.h"
#include "Gallery.h"
#include "MessageScript.h"
#include "TestMain.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>

class BatchGalleryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }
    void newBatchScreens();
};

void BatchGalleryTest::newBatchScreens()
{
    DataFixture fx;
    fx.writeRecipe(QStringLiteral("0001"), QStringLiteral("White kit, four weeks"),
                   {{QStringLiteral("1"), QStringLiteral("Add yeast and stir")},
                    {QStringLiteral("14"), QStringLiteral("Stabilize and clear")},
                    {QStringLiteral("28"), QStringLiteral("Bottle")}});
    fx.writeRecipe(QStringLiteral("0003"), QStringLiteral("Red kit, six weeks"),
                   {{QStringLiteral("1"), QStringLiteral("Add yeast and stir")},
                    {QStringLiteral("7"), QStringLiteral("Rack into a clean carboy")},
                    {QStringLiteral("21"), QStringLiteral("Stabilize and clear")},
                    {QStringLiteral("42"), QStringLiteral("Bottle")}});
    MessageScript script;
    AppHarness app(fx);
    app.start();
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch"));
    snapGallery(app, QStringLiteral("opened"));

    const QList<QPair<const char*, const char*>> entries = {
        {"Name_TextBox", "Ann Smith"},      {"Address_TextBox", "12 Vine St"},
        {"City_TextBox", "Kelowna"},        {"Province_TextBox", "BC"},
        {"Phone1_TextBox", "250-555-0101"}, {"Vintner_TextBox", "Joe"},
        {"BatchSize_TextBox", "23 L"},      {"Colour_Text", "Red"}};
    for (const auto& entry : entries)
        app.control<QLineEdit>(QString::fromLatin1(entry.first))
            ->setText(QString::fromLatin1(entry.second));
    auto* recipes = app.control<QListWidget>(QStringLiteral("List1"));
    recipes->setCurrentRow(1);
    QTest::mouseClick(app.control<QLineEdit>(QStringLiteral("Variety_Text")), Qt::LeftButton);
    QVERIFY(app.control<QListWidget>(QStringLiteral("Variety_List"))->isVisible());
    snapGallery(app, QStringLiteral("variety-list"));
    app.control<QLineEdit>(QStringLiteral("Variety_Text"))->setText(QStringLiteral("Merlot"));

    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch2"));
    snapGallery(app);
    QVERIFY(app.click(QStringLiteral("Continue_Command")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch3"));
    snapGallery(app);
    QVERIFY(script.unexpected().isEmpty());
}

VINTRELO_TEST_MAIN_ON_DESKTOP(BatchGalleryTest)
#include "tst_batch_gallery.moc"
