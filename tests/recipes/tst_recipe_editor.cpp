// The recipe step grid: editing in place, the available actions, inserting rows
// and the day calculator, driven on the new-recipe screen.
#include "DataFixture.h"
#include "MessageScript.h"
#include "RecipeDriver.h"
#include "ShownCells.h"
#include "TestMain.h"

#include <QApplication>
#include <QPushButton>

using namespace recipes_test;

class RecipeEditorTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }
    void newScreenStartsWithFourEmptyStepsAndTheActions();
    void cellEditorLiesOverItsCell();
    void aKeyOpensTheEditorAndIsTypedIntoIt();
    void doubleClicksOpenOnlyCells();
    void escapeDiscardsAndEnterKeepsTheCell();
    void arrowsStoreTheEditAndMoveButNeverPastTheEnds();
    void actionsGoOnlyIntoTheActionColumn();
    void actionPickedWhileEditingIsWhatIsKept();
    void insertingRowsAtTheEndAndInTheMiddle();
    void dayCalculator_data();
    void dayCalculator();
    void dayCalculatorReplacesAnOpenEdit();
    void missingActionListLeavesAnEmptyList();
};

void RecipeEditorTest::newScreenStartsWithFourEmptyStepsAndTheActions()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    widgets::Grid* grid = gridOf(app);
    QCOMPARE(grid->rows(), 5);
    QCOMPARE(grid->cols(), 2);
    QCOMPARE(grid->textAt(0, 0), QStringLiteral("Day #"));
    QCOMPARE(grid->textAt(0, 1), QStringLiteral("Action"));
    QCOMPARE(grid->alignmentAt(0, 0) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    // 1000 and 8000 twips, 15 to a pixel.
    QCOMPARE(grid->columnWidth(0), 67);
    QCOMPARE(grid->columnWidth(1), 533);
    QCOMPARE(gridRows(grid), QStringList(4, QStringLiteral("|")));
    QCOMPARE(grid->row(), 1);
    QCOMPARE(grid->col(), 1);
    QVERIFY(overlayOf(app)->isHidden());

    auto* list = app.control<QListWidget>(QStringLiteral("List1"));
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Add yeast and stir"));
    QCOMPARE(list->item(2)->text(), QStringLiteral("Bottle")); // file order, not sorted
    QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(app.control<QPushButton>(QStringLiteral("NumberofDays"))->text(),
             QStringLiteral("To calculate a Day #  enter number of days in the box on left and "
                            "then click this button."));
    QVERIFY(script.shown().isEmpty());
}

void RecipeEditorTest::cellEditorLiesOverItsCell()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    widgets::Grid* grid = gridOf(app);
    QLineEdit* overlay = overlayOf(app);
    for (const auto& [row, col] : {std::pair{1, 0}, std::pair{3, 1}, std::pair{4, 0}}) {
        doubleClickCell(grid, row, col);
        QVERIFY(!overlay->isHidden());
        QCOMPARE(overlay->geometry(), grid->cellRect(row, col, overlay->parentWidget()));
        QTest::keyClick(overlay, Qt::Key_Escape);
    }
}

void RecipeEditorTest::aKeyOpensTheEditorAndIsTypedIntoIt()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    QVERIFY(QTest::qWaitForWindowActive(app.visible()));
    widgets::Grid* grid = gridOf(app);
    QLineEdit* overlay = overlayOf(app);
    enterCell(app, 2, 1, QStringLiteral("Rack into a clean carboy"));
    auto typeOnGrid = [&](const QString& text) {
        for (const QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        AppHarness::settle();
    };

    // Typed on a cell, every key counts: the first one opens the editor and is
    // its first character, so what is typed replaces the cell.
    clickCell(grid, 3, 0);
    typeOnGrid(QStringLiteral("14"));
    QCOMPARE(grid->textAt(3, 0), QStringLiteral("14"));
    clickCell(grid, 2, 1);
    typeOnGrid(QStringLiteral("Rack again"));
    QCOMPARE(grid->textAt(2, 1), QStringLiteral("Rack again"));
    QVERIFY(overlay->isHidden());

    // Enter, Escape and Backspace open it on the cell's text.
    for (const auto key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backspace}) {
        clickCell(grid, 2, 1);
        QVERIFY(overlay->isHidden());
        QTest::keyClick(grid, key);
        QVERIFY2(!overlay->isHidden(), qPrintable(QString::number(key, 16)));
        QCOMPARE(overlay->text(), QStringLiteral("Rack again"));
        QCOMPARE(grid->textAt(2, 1), QStringLiteral("Rack again"));
        QTest::keyClick(overlay, Qt::Key_Escape);
    }
    // A key that gives no character does not.
    clickCell(grid, 2, 1);
    QTest::keyClick(grid, Qt::Key_F2);
    QVERIFY(overlay->isHidden());

    // Tab in the editor stores the cell and moves on, and the next keys open
    // the next cell: the grid is filled by typing alone.
    clickCell(grid, 4, 0);
    for (const QChar c : QStringLiteral("21"))
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    typeOnGrid(QStringLiteral("Bottle"));
    QCOMPARE(grid->textAt(4, 0), QStringLiteral("21"));
    QCOMPARE(grid->textAt(4, 1), QStringLiteral("Bottle"));

    // Tab past the last step starts a new one below it, never step 1 again.
    const QStringList before = gridRows(grid);
    const auto typeAndTab = [&](const QString& text) {
        for (const QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    };
    QTest::keyClick(grid, Qt::Key_Return); // the box opens on "Bottle"
    typeAndTab(QString());
    QCOMPARE(grid->rows(), 6);
    QCOMPARE(QPoint(grid->row(), grid->col()), QPoint(5, 0));
    typeAndTab(QStringLiteral("28"));
    typeAndTab(QStringLiteral("Taste"));
    QCOMPARE(gridRows(grid), QStringList(before)
                                 << QStringLiteral("28|Taste") << QStringLiteral("|"));
    // A new empty row is as far as Tab goes: from there it leaves the grid.
    typeAndTab(QString());
    typeAndTab(QString());
    QCOMPARE(grid->rows(), 7);
    QVERIFY(!grid->hasFocus());
    QVERIFY(overlay->isHidden());
    QCOMPARE(gridRows(grid).first(), before.first());
}

void RecipeEditorTest::doubleClicksOpenOnlyCells()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    widgets::Grid* grid = gridOf(app);
    QLineEdit* overlay = overlayOf(app);
    clickCell(grid, 2, 1);

    // Below the last row, and on the headings: nothing opens, nothing moves.
    const QRect last = grid->visualRect(grid->model()->index(grid->rows() - 1, 1));
    const QPoint below(last.center().x(), last.bottom() + 20);
    QVERIFY(grid->viewport()->rect().contains(below));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, below);
    AppHarness::settle();
    QVERIFY(overlay->isHidden());
    doubleClickShown(*grid, grid->cellRect(0, 1).center());
    AppHarness::settle();
    QVERIFY(overlay->isHidden());
    QCOMPARE(grid->row(), 2);

    // On a cell: over that cell.
    doubleClickCell(grid, 3, 0);
    QVERIFY(!overlay->isHidden());
    QCOMPARE(overlay->geometry(), grid->cellRect(3, 0, overlay->parentWidget()));
    QVERIFY(script.shown().isEmpty());
}

void RecipeEditorTest::escapeDiscardsAndEnterKeepsTheCell()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    widgets::Grid* grid = gridOf(app);
    QLineEdit* overlay = overlayOf(app);
    enterCell(app, 3, 0, QStringLiteral("14"));
    QCOMPARE(grid->textAt(3, 0), QStringLiteral("14"));
    QCOMPARE(grid->row(), 3);
    QCOMPARE(grid->col(), 0);
    QVERIFY(overlay->isHidden());

    typeInCell(app, 3, 0, QStringLiteral("41"));
    QTest::keyClick(overlay, Qt::Key_Escape);
    QVERIFY(overlay->isHidden());
    QCOMPARE(grid->textAt(3, 0), QStringLiteral("14"));
    // The discarded text does not come back when the cell is left later.
    clickCell(grid, 1, 1);
    QCOMPARE(grid->textAt(3, 0), QStringLiteral("14"));
    QCOMPARE(gridRows(grid), (QStringList{"|", "|", "14|", "|"}));
}

void RecipeEditorTest::arrowsStoreTheEditAndMoveButNeverPastTheEnds()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    widgets::Grid* grid = gridOf(app);
    QLineEdit* overlay = overlayOf(app);

    typeInCell(app, 2, 1, QStringLiteral("Stir"));
    QTest::keyClick(overlay, Qt::Key_Down);
    AppHarness::settle();
    QCOMPARE(grid->textAt(2, 1), QStringLiteral("Stir"));
    QCOMPARE(grid->row(), 3);
    QVERIFY(overlay->isHidden());

    typeInCell(app, 2, 0, QStringLiteral("5"));
    QTest::keyClick(overlay, Qt::Key_Up);
    AppHarness::settle();
    QCOMPARE(grid->textAt(2, 0), QStringLiteral("5"));
    QCOMPARE(grid->row(), 1);
    QCOMPARE(grid->col(), 0);

    // Down on the last row: no new row, no move, the edit stays pending.
    typeInCell(app, 4, 1, QStringLiteral("Bottle"));
    QTest::keyClick(overlay, Qt::Key_Down);
    AppHarness::settle();
    QCOMPARE(grid->rows(), 5);
    QCOMPARE(grid->row(), 4);
    QVERIFY(!overlay->isHidden());
    QCOMPARE(grid->textAt(4, 1), QString());
    // Up on the first row likewise.
    clickCell(grid, 1, 1);
    QCOMPARE(grid->textAt(4, 1), QStringLiteral("Bottle"));
    QCOMPARE(grid->alignmentAt(4, 1), Qt::AlignLeft | Qt::AlignVCenter);
    typeInCell(app, 1, 1, QStringLiteral("Add yeast"));
    QTest::keyClick(overlay, Qt::Key_Up);
    AppHarness::settle();
    QCOMPARE(grid->row(), 1);
    QVERIFY(!overlay->isHidden());
    // Double-clicking the same cell again keeps what was typed.
    doubleClickCell(grid, 1, 1);
    QCOMPARE(overlay->text(), QStringLiteral("Add yeast"));
    QTest::keyClick(overlay, Qt::Key_Return);
    QCOMPARE(gridRows(grid), (QStringList{"|Add yeast", "5|Stir", "|", "|Bottle"}));
}

void RecipeEditorTest::actionsGoOnlyIntoTheActionColumn()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    widgets::Grid* grid = gridOf(app);
    auto* list = app.control<QListWidget>(QStringLiteral("List1"));

    clickCell(grid, 2, 0);
    QVERIFY(pickAction(app, QStringLiteral("Bottle")));
    QCOMPARE(gridRows(grid), QStringList(4, QStringLiteral("|")));

    clickCell(grid, 2, 1);
    QVERIFY(pickAction(app, QStringLiteral("Rack into a clean carboy")));
    QCOMPARE(grid->textAt(2, 1), QStringLiteral("Rack into a clean carboy"));
    QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(grid->row(), 2);
    QCOMPARE(gridRows(grid), (QStringList{"|", "|Rack into a clean carboy", "|", "|"}));
}

void RecipeEditorTest::actionPickedWhileEditingIsWhatIsKept()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    widgets::Grid* grid = gridOf(app);
    typeInCell(app, 1, 1, QStringLiteral("half typed"));
    QVERIFY(pickAction(app, QStringLiteral("Add yeast and stir")));
    QCOMPARE(grid->textAt(1, 1), QStringLiteral("Add yeast and stir"));
    clickCell(grid, 3, 0);
    QCOMPARE(grid->textAt(1, 1), QStringLiteral("Add yeast and stir"));
}

void RecipeEditorTest::insertingRowsAtTheEndAndInTheMiddle()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    widgets::Grid* grid = gridOf(app);
    for (int row = 1; row <= 4; ++row) {
        enterCell(app, row, 0, QString::number(row * 10));
        enterCell(app, row, 1, QStringLiteral("step %1").arg(row));
    }

    // In the middle: the current row makes way, everything from it moves down.
    clickCell(grid, 2, 0);
    QVERIFY(app.click(QStringLiteral("InsertRow")));
    QCOMPARE(gridRows(grid),
             (QStringList{"10|step 1", "|", "20|step 2", "30|step 3", "40|step 4"}));
    QCOMPARE(grid->row(), 3);
    QCOMPARE(grid->col(), 1);

    // At the end: a new empty row below, made current in the same column.
    clickCell(grid, 5, 0);
    QVERIFY(app.click(QStringLiteral("InsertRow")));
    QCOMPARE(grid->rows(), 7);
    QCOMPARE(grid->row(), 6);
    QCOMPARE(grid->col(), 0);
    QCOMPARE(gridRows(grid).last(), QStringLiteral("|"));

    // An edit still open moves down with its row.
    typeInCell(app, 1, 1, QStringLiteral("first, changed"));
    QVERIFY(app.click(QStringLiteral("InsertRow")));
    QCOMPARE(gridRows(grid), (QStringList{"|", "10|first, changed", "|", "20|step 2", "30|step 3",
                                          "40|step 4", "|"}));
    QVERIFY(overlayOf(app)->isHidden());
}

void RecipeEditorTest::dayCalculator_data()
{
    QTest::addColumn<QString>("above");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("day");     // the current Day # cell afterwards
    QTest::addColumn<QString>("boxLeft"); // the box afterwards

    QTest::newRow("7 and 14 days") << "7" << 2 << 0 << "14 days"
                                   << "21"
                                   << "";
    QTest::newRow("empty row above") << "" << 2 << 0 << "3"
                                     << "3"
                                     << "";
    QTest::newRow("row above not a number") << "rack" << 2 << 0 << " 5"
                                            << "5"
                                            << "";
    QTest::newRow("half days") << "10" << 2 << 0 << "0.5"
                               << "10.5"
                               << "";
    QTest::newRow("row 1 does nothing") << "7" << 1 << 0 << "14"
                                        << "7"
                                        << "14";
    QTest::newRow("Action column does nothing") << "7" << 2 << 1 << "14"
                                                << "old"
                                                << "14";
    QTest::newRow("empty box does nothing") << "7" << 2 << 0 << ""
                                            << "old"
                                            << "";
}

void RecipeEditorTest::dayCalculator()
{
    QFETCH(QString, above);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, box);
    QFETCH(QString, day);
    QFETCH(QString, boxLeft);
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    widgets::Grid* grid = gridOf(app);
    if (!above.isEmpty())
        enterCell(app, 1, 0, above);
    if (row == 2)
        enterCell(app, 2, 0, QStringLiteral("old"));
    clickCell(grid, row, col);
    auto* days = app.control<QLineEdit>(QStringLiteral("Text2"));
    QTest::keyClicks(days, box);
    QVERIFY(app.click(QStringLiteral("NumberofDays")));
    QCOMPARE(grid->textAt(row, 0), day);
    QCOMPARE(days->text(), boxLeft);
    QCOMPARE(grid->row(), row);
    QCOMPARE(grid->col(), col);
    // Only the current row's Day # cell may change.
    QCOMPARE(grid->textAt(3, 0), QString());
    QCOMPARE(grid->textAt(2, 1), QString());
}

void RecipeEditorTest::dayCalculatorReplacesAnOpenEdit()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openNewRecipe(app));
    widgets::Grid* grid = gridOf(app);
    enterCell(app, 2, 0, QStringLiteral("7"));
    typeInCell(app, 3, 0, QStringLiteral("99"));
    QTest::keyClicks(app.control<QLineEdit>(QStringLiteral("Text2")), QStringLiteral("7"));
    QVERIFY(app.click(QStringLiteral("NumberofDays")));
    QVERIFY(overlayOf(app)->isHidden());
    QCOMPARE(grid->textAt(3, 0), QStringLiteral("14"));
    clickCell(grid, 4, 1);
    QCOMPARE(grid->textAt(3, 0), QStringLiteral("14"));
}

void RecipeEditorTest::missingActionListLeavesAnEmptyList()
{
    DataFixture fx;
    QFile::remove(fx.path(QStringLiteral("Misc/Recipe Actions.txt")));
    MessageScript script;
    script.answer(0); // the start-up names what the data folder lacks
    AppHarness app(fx);
    QVERIFY(toMainMenu(app));
    script.clear();
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("CommandButton4")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewRecipe"));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().first().contains(QStringLiteral("Recipe Actions.txt")));
    QCOMPARE(app.control<QListWidget>(QStringLiteral("List1"))->count(), 0);
    QCOMPARE(app.control<QLabel>(QStringLiteral("NewRecipeNumber"))->text(),
             QStringLiteral("0001"));
    // Steps can still be typed and saved.
    typeDescription(app, QStringLiteral("Typed by hand"));
    enterCell(app, 1, 0, QStringLiteral("1"));
    enterCell(app, 1, 1, QStringLiteral("Add yeast"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(fx.bytes(QStringLiteral("Recipes/0001.txt")),
             QByteArray("0001 - Typed by hand\r\nDay 1            * Add yeast\r\n"));
    QVERIFY(script.unexpected().isEmpty());
}

VINTRELO_TEST_MAIN(RecipeEditorTest)
#include "tst_recipe_editor.moc"
