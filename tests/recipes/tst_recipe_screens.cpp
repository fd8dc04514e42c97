// Creating recipes, the recipe list and changing a recipe, end to end through
// the main menu, checked on the recipe files byte for byte.
#include "DataFixture.h"
#include "LockFixture.h"
#include "MessageScript.h"
#include "RecipeDriver.h"
#include "TestMain.h"
#include "screens/recipes/ModifyRecipe2.h"
#include "store/TextLines.h"

#include <QApplication>

using namespace recipes_test;

namespace {

const QString kRecipe3 = QStringLiteral("Recipes/0003.txt");
const QString kLeaveQuestion = QStringLiteral(
    "The changes made on this screen have not been saved.\n\nDo you want to leave without "
    "saving them?");

// Recipe 0003 as the shop's six-week red kit.
const QByteArray kRedKitBytes("0003 - Red kit, six weeks\r\n"
                              "Day 1            * Add yeast and stir\r\n"
                              "Day 14           * Rack into a clean carboy\r\n"
                              "Day 120          * Bottle\r\n");

void writeStarterRecipes(const DataFixture& fx, int count)
{
    for (int n = 1; n <= count; ++n) {
        fx.writeRecipe(QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0')),
                       QStringLiteral("Recipe %1").arg(n),
                       {{QStringLiteral("1"), QStringLiteral("Add yeast and stir")}});
    }
}

QString numberShown(AppHarness& app)
{
    return app.control<QLabel>(QStringLiteral("NewRecipeNumber"))->text();
}

// Makes one step of the write fail, as a full or read-only disk would.
class FailingWrites
{
public:
    explicit FailingWrites(store::WriteStep step)
    {
        store::setWriteFaultHook(
            [step](store::WriteStep now, const QString&) { return now != step; });
    }
    ~FailingWrites() { store::setWriteFaultHook(nullptr); }
};

} // namespace

class RecipeScreensTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }

    // Numbering
    void nextNumber_data();
    void nextNumber();
    void noNumberAfter9999();
    void strayFileSortingLastIsNeverOverwritten();
    void recipeSavedMeanwhileUnderTheSameNumberIsKept();
    void lockLeftByAnotherComputerIsTakenOverOnlyWhenTheUserSays();
    void aRecipeChangedOnAnotherComputerIsNotSavedOver();

    // Saving a new recipe
    void redKitIsWrittenByteForByte();
    void halfFilledRowsAreLeftOutAndOrderKept();
    void editOpenInTheFirstDayCellIsSaved();
    void longDayTextsAreCutAtThirteen();
    void emptyDescriptionIsRefused();
    void quitWritesNothing();
    void failedWriteKeepsTheScreenAndTheInput();

    // The list and changing a recipe
    void listShowsEveryRecipe();
    void emptyFolderListsNothingToOpen();
    void loadingThenSavingRewritesTheSameBytes();
    void dayTextsOfElevenToThirteenAreCutToTen();
    void changesAreSavedIntoTheSameFile();
    void declinedOrQuitChangesNothing();
    void emptyDescriptionIsRefusedAfterYes();
    void fileWhoseFirstLineNamesAnotherRecipe();
    void recipeGoneBeforeLoadingOrSaving();
    void failedRewriteKeepsTheScreenAndTheInput();
};

// --- Numbering ---------------------------------------------------------------

void RecipeScreensTest::nextNumber_data()
{
    QTest::addColumn<QStringList>("lines1"); // line 1 of each recipe file, by number
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QString>("offered");
    QTest::newRow("empty folder") << QStringList() << QString() << "0001";
    QTest::newRow("description starting with digits")
        << QStringList{"0011 - Merlot", "0012 - 5 gallon kit"} << QString() << "0013";
    QTest::newRow("gap not filled") << QStringList{"0001 - a", "0002 - b", "0003 - c", "0004 - d",
                                                   "0005 - e", "0006 - f", "0007 - g"}
                                    << "0005"
                                    << "0008";
}

void RecipeScreensTest::nextNumber()
{
    QFETCH(QStringList, lines1);
    QFETCH(QString, removed);
    QFETCH(QString, offered);
    DataFixture fx;
    for (const QString& line : lines1)
        fx.writeLines(QStringLiteral("Recipes/") + line.left(4) + QStringLiteral(".txt"), {line});
    if (!removed.isEmpty())
        QFile::remove(fx.path(QStringLiteral("Recipes/") + removed + QStringLiteral(".txt")));
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    QCOMPARE(app.visible()->windowTitle(), QStringLiteral("Vintrelo - New Recipe"));
    QCOMPARE(numberShown(app), offered);
    QVERIFY(app.control<QLineEdit>(QStringLiteral("Name_TextBox"))->text().isEmpty());
    typeDescription(app, QStringLiteral("Next one"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(fx.bytes(QStringLiteral("Recipes/") + offered + QStringLiteral(".txt")),
             QByteArray(offered.toLatin1() + " - Next one\r\n"));
    QVERIFY(script.shown().isEmpty());
}

void RecipeScreensTest::noNumberAfter9999()
{
    DataFixture fx;
    fx.writeRecipe(QStringLiteral("9999"), QStringLiteral("The last one"),
                   {{QStringLiteral("1"), QStringLiteral("Bottle")}});
    const auto before = fx.snapshot();
    MessageScript script;
    script.answer(0).answer(0);
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().first().contains(QStringLiteral("9999")));
    QVERIFY(numberShown(app).isEmpty());

    typeDescription(app, QStringLiteral("One too many"));
    enterCell(app, 1, 0, QStringLiteral("1"));
    enterCell(app, 1, 1, QStringLiteral("Stir"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(script.shown().size(), 2);
    QCOMPARE(app.visibleName(), QStringLiteral("NewRecipe"));
    QCOMPARE(app.control<QLineEdit>(QStringLiteral("Name_TextBox"))->text(),
             QStringLiteral("One too many"));
    QCOMPARE(gridRows(gridOf(app)).first(), QStringLiteral("1|Stir"));
    QCOMPARE(fx.snapshot(), before);
    QVERIFY(script.unexpected().isEmpty());
}

void RecipeScreensTest::strayFileSortingLastIsNeverOverwritten()
{
    DataFixture fx;
    writeStarterRecipes(fx, 4);
    // A copy kept by hand: it sorts last and its line 1 names recipe 0002.
    fx.writeLines(QStringLiteral("Recipes/old copy.txt"), {QStringLiteral("0002 - Recipe 2")});
    const auto before = fx.snapshot();
    MessageScript script;
    script.answer(0).answer(0);
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().first().contains(QStringLiteral("old copy.txt")));

    typeDescription(app, QStringLiteral("Rosé"));
    enterCell(app, 1, 0, QStringLiteral("1"));
    enterCell(app, 1, 1, QStringLiteral("Stir"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewRecipe"));
    QCOMPARE(fx.snapshot(), before);

    // Once the stray file is moved away, Save works with what was typed.
    QVERIFY(QFile::rename(fx.path(QStringLiteral("Recipes/old copy.txt")),
                          fx.path(QStringLiteral("old copy.txt"))));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(fx.bytes(QStringLiteral("Recipes/0005.txt")),
             QByteArray("0005 - Ros\xC3\xA9\r\nDay 1            * Stir\r\n"));
    QCOMPARE(fx.bytes(QStringLiteral("Recipes/0003.txt")),
             before.value(QStringLiteral("Recipes/0003.txt")));
    QVERIFY(script.unexpected().isEmpty());
}

void RecipeScreensTest::recipeSavedMeanwhileUnderTheSameNumberIsKept()
{
    DataFixture fx;
    writeStarterRecipes(fx, 3);
    MessageScript script;
    script.answer(0).answer(0);
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    QCOMPARE(numberShown(app), QStringLiteral("0004"));
    typeDescription(app, QStringLiteral("Mine"));
    enterCell(app, 1, 0, QStringLiteral("2"));
    enterCell(app, 1, 1, QStringLiteral("Stir"));

    // Someone else saves recipe 0004 first.
    fx.writeLines(QStringLiteral("Recipes/0004.txt"), {QStringLiteral("0004 - Theirs")});
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewRecipe"));
    QCOMPARE(fx.bytes(QStringLiteral("Recipes/0004.txt")), QByteArray("0004 - Theirs\r\n"));
    QCOMPARE(script.shown().size(), 2);
    QVERIFY(script.texts().at(0).contains(QStringLiteral("0004.txt")));
    QVERIFY(script.texts().at(1).contains(QStringLiteral("0005")));
    QCOMPARE(numberShown(app), QStringLiteral("0005"));

    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(fx.bytes(QStringLiteral("Recipes/0005.txt")),
             QByteArray("0005 - Mine\r\nDay 2            * Stir\r\n"));
    QVERIFY(script.unexpected().isEmpty());
}

void RecipeScreensTest::lockLeftByAnotherComputerIsTakenOverOnlyWhenTheUserSays()
{
    DataFixture fx;
    writeStarterRecipes(fx, 3);
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    typeDescription(app, QStringLiteral("Mine"));
    enterCell(app, 1, 0, QStringLiteral("2"));
    enterCell(app, 1, 1, QStringLiteral("Stir"));
    // The front-desk PC went off three and a half minutes ago while it saved.
    QVERIFY(plantFolderLock(fx.dataRoot(), QCoreApplication::applicationPid(),
                            QStringLiteral("FRONT-DESK"), 210));
    const QString question = QStringLiteral(
        "Vintrelo on FRONT-DESK has been saving for 3 minutes. If that computer is off, continue.");

    script.answer(1).answer(0); // No, then OK to what follows
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(script.shown().size(), 2);
    QCOMPARE(script.shown().at(0).kind, widgets::Messages::Shown::Question);
    QCOMPARE(script.texts().at(0), question);
    QCOMPARE(script.shown().at(1).kind, widgets::Messages::Shown::Warning);
    QVERIFY2(script.texts().at(1).contains(QStringLiteral("FRONT-DESK")),
             qPrintable(script.texts().at(1)));
    QCOMPARE(app.visibleName(), QStringLiteral("NewRecipe"));
    QVERIFY(!fx.exists(QStringLiteral("Recipes/0004.txt")));

    script.clear();
    script.answer(0); // Yes: that computer is off
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(script.texts(), QStringList{question});
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(fx.bytes(QStringLiteral("Recipes/0004.txt")),
             QByteArray("0004 - Mine\r\nDay 2            * Stir\r\n"));
    QVERIFY(!fx.exists(QStringLiteral("Vintrelo.lock")));
    QVERIFY(script.unexpected().isEmpty());
}

// Two PCs open the same recipe; the other one saves first.
void RecipeScreensTest::aRecipeChangedOnAnotherComputerIsNotSavedOver()
{
    DataFixture fx;
    fx.writeBytes(kRecipe3, "0003 - Red kit\r\nDay 1            * Add yeast and stir\r\n");
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openRecipeList(app));
    doubleClickCell(gridOf(app), 1, 0);
    QCOMPARE(app.visibleName(), QStringLiteral("ModifyRecipe2"));
    typeDescription(app, QStringLiteral("Red kit, mine"));

    const QByteArray theirs("0003 - Red kit, theirs\r\nDay 2            * Add yeast and stir\r\n");
    fx.writeBytes(kRecipe3, theirs);
    script.answer(0).answer(0); // Yes, save; OK to the refusal
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(script.shown().size(), 2);
    QCOMPARE(script.shown().at(1).kind, widgets::Messages::Shown::Warning);
    QVERIFY2(script.texts().at(1).contains(QStringLiteral("changed on another computer")),
             qPrintable(script.texts().at(1)));
    QCOMPARE(app.visibleName(), QStringLiteral("ModifyRecipe2"));
    QCOMPARE(fx.bytes(kRecipe3), theirs);
    QVERIFY(!fx.exists(QStringLiteral("Vintrelo.lock")));
}

// --- Saving a new recipe ------------------------------------------------------

void RecipeScreensTest::redKitIsWrittenByteForByte()
{
    DataFixture fx;
    writeStarterRecipes(fx, 2);
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    QCOMPARE(numberShown(app), QStringLiteral("0003"));
    typeDescription(app, QStringLiteral("Red kit, six weeks"));
    enterCell(app, 1, 0, QStringLiteral("1"));
    clickCell(gridOf(app), 1, 1);
    QVERIFY(pickAction(app, QStringLiteral("Add yeast and stir")));
    enterCell(app, 2, 0, QStringLiteral("14"));
    clickCell(gridOf(app), 2, 1);
    QVERIFY(pickAction(app, QStringLiteral("Rack into a clean carboy")));
    clickCell(gridOf(app), 3, 0);
    QTest::keyClicks(app.control<QLineEdit>(QStringLiteral("Text2")), QStringLiteral("106"));
    QVERIFY(app.click(QStringLiteral("NumberofDays")));
    enterCell(app, 3, 1, QStringLiteral("Bottle"));

    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(fx.bytes(kRecipe3), kRedKitBytes);
    QVERIFY(!fx.exists(QStringLiteral("Recipes/recipe.new")));

    // The recipe list now shows it, and the next new recipe is 0004.
    QVERIFY(app.click(QStringLiteral("CommandButton8")));
    QCOMPARE(gridOf(app)->textAt(3, 1), QStringLiteral("Red kit, six weeks"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QVERIFY(app.click(QStringLiteral("CommandButton4")));
    QCOMPARE(numberShown(app), QStringLiteral("0004"));
    QVERIFY(script.shown().isEmpty());
}

void RecipeScreensTest::halfFilledRowsAreLeftOutAndOrderKept()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    typeDescription(app, QStringLiteral("  Spaced - out  "));
    enterCell(app, 1, 0, QStringLiteral("14"));
    enterCell(app, 1, 1, QStringLiteral("  Rack  "));
    enterCell(app, 2, 1, QStringLiteral("No day given"));
    enterCell(app, 3, 0, QStringLiteral("1"));
    enterCell(app, 3, 1, QStringLiteral("Add yeast"));
    enterCell(app, 4, 0, QStringLiteral("30"));
    // Two more rows: blanks count as filled, an exactly empty cell does not.
    QVERIFY(app.click(QStringLiteral("InsertRow")));
    enterCell(app, 5, 0, QStringLiteral("   "));
    enterCell(app, 5, 1, QStringLiteral("Stir"));
    QVERIFY(app.click(QStringLiteral("InsertRow")));
    enterCell(app, 6, 0, QStringLiteral("40"));
    enterCell(app, 6, 1, QStringLiteral("  "));

    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(fx.bytes(QStringLiteral("Recipes/0001.txt")),
             QByteArray("0001 -   Spaced - out  \r\n"
                        "Day 14           * Rack\r\n"
                        "Day 1            * Add yeast\r\n"
                        "Day              * Stir\r\n"
                        "Day 40           * \r\n"));
    QVERIFY(script.shown().isEmpty());
}

void RecipeScreensTest::editOpenInTheFirstDayCellIsSaved()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    typeDescription(app, QStringLiteral("Quick"));
    enterCell(app, 1, 1, QStringLiteral("Add yeast"));
    enterCell(app, 2, 0, QStringLiteral("5"));
    typeInCell(app, 2, 1, QStringLiteral("Stir"));
    typeInCell(app, 1, 0, QStringLiteral("1")); // left open when Save is clicked
    QVERIFY(!overlayOf(app)->isHidden());
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(fx.bytes(QStringLiteral("Recipes/0001.txt")),
             QByteArray("0001 - Quick\r\nDay 1            * Add yeast\r\n"
                        "Day 5            * Stir\r\n"));
}

void RecipeScreensTest::longDayTextsAreCutAtThirteen()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    typeDescription(app, QStringLiteral("Long days"));
    enterCell(app, 1, 0, QStringLiteral("1234567890123"));
    enterCell(app, 1, 1, QStringLiteral("thirteen"));
    enterCell(app, 2, 0, QStringLiteral("12345678901234567"));
    enterCell(app, 2, 1, QStringLiteral("seventeen"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(fx.bytes(QStringLiteral("Recipes/0001.txt")),
             QByteArray("0001 - Long days\r\n"
                        "Day 1234567890123* thirteen\r\n"
                        "Day 1234567890123* seventeen\r\n"));
}

void RecipeScreensTest::emptyDescriptionIsRefused()
{
    DataFixture fx;
    MessageScript script;
    script.answer(0);
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    enterCell(app, 1, 0, QStringLiteral("1"));
    enterCell(app, 1, 1, QStringLiteral("Stir"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(script.texts(), QStringList{"You must enter a description of the recipe above"});
    QCOMPARE(script.shown().first().kind, widgets::Messages::Shown::Warning);
    QCOMPARE(script.shown().first().title, QStringLiteral("Vintrelo"));
    QCOMPARE(app.visibleName(), QStringLiteral("NewRecipe"));
    QCOMPARE(QApplication::focusWidget(), app.control<QWidget>(QStringLiteral("Name_TextBox")));
    QVERIFY(!fx.exists(QStringLiteral("Recipes/0001.txt")));
    QCOMPARE(gridRows(gridOf(app)).first(), QStringLiteral("1|Stir"));

    // A description of blanks only is a description.
    typeDescription(app, QStringLiteral("   "));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(fx.bytes(QStringLiteral("Recipes/0001.txt")),
             QByteArray("0001 -    \r\nDay 1            * Stir\r\n"));
}

void RecipeScreensTest::quitWritesNothing()
{
    DataFixture fx;
    writeStarterRecipes(fx, 1);
    const auto before = fx.snapshot();
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    typeDescription(app, QStringLiteral("Never mind"));
    enterCell(app, 1, 0, QStringLiteral("1"));
    enterCell(app, 1, 1, QStringLiteral("Stir"));
    script.answer(0); // yes, leave without the recipe
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(script.texts(), QStringList{kLeaveQuestion});
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(fx.snapshot(), before);
    // The next opening starts afresh with the same number.
    QVERIFY(app.click(QStringLiteral("CommandButton4")));
    QCOMPARE(numberShown(app), QStringLiteral("0002"));
    QVERIFY(app.control<QLineEdit>(QStringLiteral("Name_TextBox"))->text().isEmpty());
    QCOMPARE(gridRows(gridOf(app)), QStringList(4, QStringLiteral("|")));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.unexpected().isEmpty());
}

void RecipeScreensTest::failedWriteKeepsTheScreenAndTheInput()
{
    DataFixture fx;
    const auto before = fx.snapshot();
    MessageScript script;
    script.answer(0);
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    typeDescription(app, QStringLiteral("White kit"));
    enterCell(app, 1, 0, QStringLiteral("1"));
    enterCell(app, 1, 1, QStringLiteral("Stir"));
    {
        FailingWrites failing(store::WriteStep::FlushScratch);
        QVERIFY(app.click(QStringLiteral("CommandButton1")));
    }
    QCOMPARE(app.visibleName(), QStringLiteral("NewRecipe"));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().first().contains(QStringLiteral("0001.txt")));
    QCOMPARE(fx.snapshot(), before); // no recipe, no scratch file left behind
    QCOMPARE(numberShown(app), QStringLiteral("0001"));
    QCOMPARE(gridRows(gridOf(app)).first(), QStringLiteral("1|Stir"));

    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(fx.bytes(QStringLiteral("Recipes/0001.txt")),
             QByteArray("0001 - White kit\r\nDay 1            * Stir\r\n"));
    QVERIFY(script.unexpected().isEmpty());
}

// --- The list and changing a recipe -------------------------------------------

void RecipeScreensTest::listShowsEveryRecipe()
{
    DataFixture fx;
    writeStarterRecipes(fx, 2);
    fx.writeBytes(kRecipe3, kRedKitBytes);
    fx.writeLines(QStringLiteral("Recipes/0004.TXT"),
                  {QStringLiteral("0004 - Chardonnay - oaked")});
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openRecipeList(app));
    QCOMPARE(app.visible()->windowTitle(), QStringLiteral("Vintrelo - Modify Recipe"));
    widgets::Grid* grid = gridOf(app);
    QCOMPARE(grid->textAt(0, 0), QStringLiteral("Recipe Number"));
    QCOMPARE(grid->textAt(0, 1), QStringLiteral("Recipe Description"));
    // 2000 and 9000 twips, 15 to a pixel.
    QCOMPARE(grid->columnWidth(0), 133);
    QCOMPARE(grid->columnWidth(1), 600);
    QCOMPARE(gridRows(grid),
             (QStringList{"0001|Recipe 1", "0002|Recipe 2", "0003|Red kit, six weeks",
                          "0004|Chardonnay - oaked", "|"}));
    QCOMPARE(grid->alignmentAt(2, 0) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(grid->alignmentAt(2, 1) & Qt::AlignHorizontal_Mask, Qt::AlignLeft);

    // The header opens nothing; a double click anywhere in a row opens its recipe.
    clickCell(grid, 2, 1);
    doubleClickCell(grid, 0, 1);
    QCOMPARE(app.visibleName(), QStringLiteral("ModifyRecipe"));
    // Nor does the space below the rows, whichever recipe is selected.
    const QRect last = grid->visualRect(grid->model()->index(grid->rows() - 1, 1));
    const QPoint below(last.center().x(), last.bottom() + 20);
    QVERIFY(grid->viewport()->rect().contains(below));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, below);
    AppHarness::settle();
    QCOMPARE(app.visibleName(), QStringLiteral("ModifyRecipe"));
    QCOMPARE(grid->row(), 2);
    doubleClickCell(grid, 4, 1);
    QCOMPARE(app.visibleName(), QStringLiteral("ModifyRecipe2"));
    QCOMPARE(app.state().SelectedBatchID, QStringLiteral("0004"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("RecipeNumber"))->text(), QStringLiteral("0004"));
    QCOMPARE(app.control<QLineEdit>(QStringLiteral("Name_TextBox"))->text(),
             QStringLiteral("Chardonnay - oaked"));
    QCOMPARE(gridOf(app)->rows(), 1);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QVERIFY(script.shown().isEmpty());
}

void RecipeScreensTest::emptyFolderListsNothingToOpen()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openRecipeList(app));
    widgets::Grid* grid = gridOf(app);
    QCOMPARE(grid->rows(), 2);
    QCOMPARE(gridRows(grid), QStringList{"|"});
    doubleClickCell(grid, 1, 0);
    QCOMPARE(app.visibleName(), QStringLiteral("ModifyRecipe"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QVERIFY(script.shown().isEmpty());
}

void RecipeScreensTest::loadingThenSavingRewritesTheSameBytes()
{
    DataFixture fx;
    writeStarterRecipes(fx, 2);
    // Steps out of day order stay in file order.
    const QByteArray bytes("0003 - Red kit, six weeks\r\n"
                           "Day 14           * Rack into a clean carboy\r\n"
                           "Day 1            * Add yeast and stir\r\n"
                           "Day 1234567890   * Bottle\r\n");
    fx.writeBytes(kRecipe3, bytes);
    const auto before = fx.snapshot();
    MessageScript script;
    script.answer(0);
    AppHarness app(fx);
    QVERIFY(openRecipeList(app));
    doubleClickCell(gridOf(app), 3, 0);
    QCOMPARE(app.visibleName(), QStringLiteral("ModifyRecipe2"));
    QCOMPARE(app.visible()->windowTitle(), QStringLiteral("Vintrelo - Modify Existing Recipe"));
    widgets::Grid* grid = gridOf(app);
    QCOMPARE(gridRows(grid), (QStringList{"14|Rack into a clean carboy", "1|Add yeast and stir",
                                          "1234567890|Bottle"}));
    QCOMPARE(grid->row(), 3);
    QCOMPARE(grid->col(), 1);
    QCOMPARE(app.control<QListWidget>(QStringLiteral("List1"))->count(), 3);

    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(script.shown().size(), 1);
    QCOMPARE(script.shown().first().kind, widgets::Messages::Shown::Question);
    QCOMPARE(script.texts().first(), QStringLiteral("Are you sure you want to save the changes ?"));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(fx.snapshot(), before);
}

void RecipeScreensTest::dayTextsOfElevenToThirteenAreCutToTen()
{
    DataFixture fx;
    fx.writeBytes(kRecipe3, "0003 - Odd days\r\n"
                            "Day 12345678901  * eleven\r\n"
                            "Day 1234567890123* thirteen\r\n"
                            "\r\n"
                            "Day 7 * short line here\r\n");
    MessageScript script;
    script.answer(0);
    AppHarness app(fx);
    QVERIFY(openRecipeList(app));
    doubleClickCell(gridOf(app), 1, 0);
    QCOMPARE(gridRows(gridOf(app)),
             (QStringList{"1234567890|eleven", "1234567890|thirteen", "|", "7 * short|here"}));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(fx.bytes(kRecipe3), QByteArray("0003 - Odd days\r\n"
                                            "Day 1234567890   * eleven\r\n"
                                            "Day 1234567890   * thirteen\r\n"
                                            "Day 7 * short    * here\r\n"));
}

void RecipeScreensTest::changesAreSavedIntoTheSameFile()
{
    DataFixture fx;
    writeStarterRecipes(fx, 2);
    fx.writeBytes(kRecipe3, kRedKitBytes);
    const QByteArray other = fx.bytes(QStringLiteral("Recipes/0002.txt"));
    MessageScript script;
    script.answer(0);
    AppHarness app(fx);
    QVERIFY(openRecipeList(app));
    doubleClickCell(gridOf(app), 3, 1);
    widgets::Grid* grid = gridOf(app);
    typeDescription(app, QStringLiteral("Red kit, eight weeks"));
    // A step between the first two, one step emptied, the last one moved out.
    clickCell(grid, 2, 0);
    QVERIFY(app.click(QStringLiteral("InsertRow")));
    enterCell(app, 2, 0, QStringLiteral("7"));
    clickCell(grid, 2, 1);
    QVERIFY(pickAction(app, QStringLiteral("Bottle")));
    enterCell(app, 3, 1, QString());
    typeInCell(app, 4, 0, QStringLiteral("150")); // still open at Save
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(fx.bytes(kRecipe3), QByteArray("0003 - Red kit, eight weeks\r\n"
                                            "Day 1            * Add yeast and stir\r\n"
                                            "Day 7            * Bottle\r\n"
                                            "Day 150          * Bottle\r\n"));
    QCOMPARE(fx.bytes(QStringLiteral("Recipes/0002.txt")), other);
    QVERIFY(!fx.exists(QStringLiteral("Recipes/recipe.new")));
    QCOMPARE(script.shown().size(), 1);
}

void RecipeScreensTest::declinedOrQuitChangesNothing()
{
    DataFixture fx;
    fx.writeBytes(kRecipe3, kRedKitBytes);
    const auto before = fx.snapshot();
    MessageScript script;
    script.answer(1).answer(0); // no to saving, yes to leaving without the changes
    AppHarness app(fx);
    QVERIFY(openRecipeList(app));
    doubleClickCell(gridOf(app), 1, 0);
    typeDescription(app, QString()); // even with the description emptied
    enterCell(app, 1, 1, QStringLiteral("Changed"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(script.texts(),
             (QStringList{QStringLiteral("Are you sure you want to save the changes ?"),
                          kLeaveQuestion}));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(fx.snapshot(), before);

    QVERIFY(app.click(QStringLiteral("CommandButton8")));
    doubleClickCell(gridOf(app), 1, 0);
    enterCell(app, 1, 1, QStringLiteral("Changed"));
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(script.texts().mid(2), QStringList{kLeaveQuestion}); // Quit asks only that
    QCOMPARE(fx.snapshot(), before);
    QVERIFY(script.unexpected().isEmpty());
}

void RecipeScreensTest::emptyDescriptionIsRefusedAfterYes()
{
    DataFixture fx;
    fx.writeBytes(kRecipe3, kRedKitBytes);
    MessageScript script;
    script.answer(0).answer(0).answer(0);
    AppHarness app(fx);
    QVERIFY(openRecipeList(app));
    doubleClickCell(gridOf(app), 1, 0);
    typeDescription(app, QString());
    enterCell(app, 3, 1, QStringLiteral("Bottle and cork"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(script.texts(), (QStringList{"Are you sure you want to save the changes ?",
                                          "You must enter a description of the recipe above"}));
    QCOMPARE(app.visibleName(), QStringLiteral("ModifyRecipe2"));
    QCOMPARE(QApplication::focusWidget(), app.control<QWidget>(QStringLiteral("Name_TextBox")));
    QCOMPARE(fx.bytes(kRecipe3), kRedKitBytes);

    typeDescription(app, QStringLiteral("Red kit"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(fx.bytes(kRecipe3), QByteArray("0003 - Red kit\r\n"
                                            "Day 1            * Add yeast and stir\r\n"
                                            "Day 14           * Rack into a clean carboy\r\n"
                                            "Day 120          * Bottle and cork\r\n"));
}

void RecipeScreensTest::fileWhoseFirstLineNamesAnotherRecipe()
{
    DataFixture fx;
    writeStarterRecipes(fx, 2);
    // Recipe 0005 edited by hand: its line 1 names recipe 0002.
    fx.writeLines(QStringLiteral("Recipes/0005.txt"), {QStringLiteral("0002 - Copied by hand"),
                                                       QStringLiteral("Day 3            * Stir")});
    const auto before = fx.snapshot();
    MessageScript script;
    script.answer(0).answer(0);
    AppHarness app(fx);
    QVERIFY(openRecipeList(app));
    widgets::Grid* grid = gridOf(app);
    QCOMPARE(gridRows(grid),
             (QStringList{"0001|Recipe 1", "0002|Recipe 2", "0002|Copied by hand", "|"}));
    doubleClickCell(grid, 3, 0);
    QCOMPARE(app.visibleName(), QStringLiteral("ModifyRecipe"));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().first().contains(QStringLiteral("0005.txt")));

    // Sent straight to the editor by number, the mismatch is refused there too.
    fx.writeLines(QStringLiteral("Recipes/0002.txt"), {QStringLiteral("0005 - Swapped")});
    const auto swapped = fx.snapshot();
    app.state().SelectedBatchID = QStringLiteral("0002");
    app.shell().switchScreen<screens::ModifyRecipe2>(app.visible());
    AppHarness::settle();
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(script.shown().size(), 2);
    QVERIFY(script.texts().at(1).contains(QStringLiteral("0002.txt")));
    QCOMPARE(fx.snapshot(), swapped);
    QVERIFY(before != swapped);
    QVERIFY(script.unexpected().isEmpty());
}

void RecipeScreensTest::recipeGoneBeforeLoadingOrSaving()
{
    DataFixture fx;
    writeStarterRecipes(fx, 2);
    fx.writeBytes(kRecipe3, kRedKitBytes);
    MessageScript script;
    script.answer(0).answer(0).answer(0);
    AppHarness app(fx);

    // Removed after the list was shown.
    QVERIFY(openRecipeList(app));
    QFile::remove(fx.path(QStringLiteral("Recipes/0002.txt")));
    auto before = fx.snapshot();
    doubleClickCell(gridOf(app), 2, 0);
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().first().contains(QStringLiteral("0002.txt")));
    QCOMPARE(fx.snapshot(), before);

    // Removed while being changed: Save recreates nothing and keeps the input.
    QVERIFY(app.click(QStringLiteral("CommandButton8")));
    doubleClickCell(gridOf(app), 2, 0);
    QCOMPARE(app.control<QLabel>(QStringLiteral("RecipeNumber"))->text(), QStringLiteral("0003"));
    enterCell(app, 1, 1, QStringLiteral("Pitch yeast"));
    QFile::remove(fx.path(kRecipe3));
    before = fx.snapshot();
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("ModifyRecipe2"));
    QCOMPARE(script.shown().size(), 3);
    QVERIFY(script.texts().at(2).contains(QStringLiteral("0003.txt")));
    QCOMPARE(fx.snapshot(), before);
    QCOMPARE(gridRows(gridOf(app)).first(), QStringLiteral("1|Pitch yeast"));
    QVERIFY(script.unexpected().isEmpty());
}

void RecipeScreensTest::failedRewriteKeepsTheScreenAndTheInput()
{
    DataFixture fx;
    fx.writeBytes(kRecipe3, kRedKitBytes);
    const auto before = fx.snapshot();
    MessageScript script;
    script.answer(0).answer(0).answer(0);
    AppHarness app(fx);
    QVERIFY(openRecipeList(app));
    doubleClickCell(gridOf(app), 1, 0);
    typeDescription(app, QStringLiteral("Red kit, revised"));
    {
        FailingWrites failing(store::WriteStep::Rename);
        QVERIFY(app.click(QStringLiteral("CommandButton1")));
    }
    QCOMPARE(app.visibleName(), QStringLiteral("ModifyRecipe2"));
    QCOMPARE(script.shown().size(), 2);
    QVERIFY(script.texts().at(1).contains(QStringLiteral("0003.txt")));
    QCOMPARE(fx.snapshot(), before);
    QCOMPARE(app.control<QLineEdit>(QStringLiteral("Name_TextBox"))->text(),
             QStringLiteral("Red kit, revised"));

    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QVERIFY(fx.bytes(kRecipe3).startsWith("0003 - Red kit, revised\r\nDay 1 "));
    QVERIFY(script.unexpected().isEmpty());
}

VINTRELO_TEST_MAIN(RecipeScreensTest)
#include "tst_recipe_screens.moc"
