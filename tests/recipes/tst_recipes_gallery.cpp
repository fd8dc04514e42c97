// Pictures of the recipe screens with fixture data; with VINTRELO_GALLERY set to
// a folder, each is saved there for review.
#include "DataFixture.h"
#include "Gallery.h"
#include "MessageScript.h"
#include "RecipeDriver.h"
#include "TestMain.h"

#include <QDir>

using namespace recipes_test;

class RecipesGalleryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }
    void recipeScreens();
};

void RecipesGalleryTest::recipeScreens()
{
    DataFixture fx;
    fx.writeRecipe(QStringLiteral("0001"), QStringLiteral("White kit, four weeks"),
                   {{QStringLiteral("1"), QStringLiteral("Add yeast and stir")},
                    {QStringLiteral("10"), QStringLiteral("Rack into a clean carboy")},
                    {QStringLiteral("28"), QStringLiteral("Bottle")}});
    fx.writeRecipe(QStringLiteral("0002"), QStringLiteral("Red kit, six weeks"),
                   {{QStringLiteral("1"), QStringLiteral("Add yeast and stir")},
                    {QStringLiteral("14"), QStringLiteral("Rack into a clean carboy")},
                    {QStringLiteral("42"), QStringLiteral("Bottle")}});
    MessageScript script;
    AppHarness app(fx);

    QVERIFY(openNewRecipe(app));
    snapGallery(app);
    typeDescription(app, QStringLiteral("Fruit wine"));
    enterCell(app, 1, 0, QStringLiteral("1"));
    clickCell(gridOf(app), 1, 1);
    QVERIFY(pickAction(app, QStringLiteral("Add yeast and stir")));
    typeInCell(app, 2, 1, QStringLiteral("Stir daily"));
    snapGallery(app, QStringLiteral("editing"));
    script.answer(0); // leave the unsaved recipe
    QVERIFY(app.click(QStringLiteral("CommandButton2")));

    QVERIFY(app.click(QStringLiteral("CommandButton8")));
    QCOMPARE(app.visibleName(), QStringLiteral("ModifyRecipe"));
    snapGallery(app);
    doubleClickCell(gridOf(app), 2, 0);
    QCOMPARE(app.visibleName(), QStringLiteral("ModifyRecipe2"));
    snapGallery(app);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.unexpected().isEmpty());
}

VINTRELO_TEST_MAIN_ON_DESKTOP(RecipesGalleryTest)
#include "tst_recipes_gallery.moc"
