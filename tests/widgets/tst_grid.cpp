#include "ShownCells.h"
#include "TestMain.h"
#include "widgets/Grid.h"

#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QWheelEvent>
#include <memory>

using widgets::Grid;

namespace {

// A grid shown inside a window, away from the window's corner, so that
// coordinates relative to the grid and to its parent differ.
struct Shown
{
    QWidget window;
    Grid* grid;

    Shown(int rows, int cols)
    {
        window.resize(520, 400);
        grid = new Grid(&window);
        grid->setGeometry(20, 30, 460, 320);
        grid->setRows(rows);
        grid->setCols(cols);
        window.show();
    }
};

// What the screens see, in order: each leaveCell() with the cell still named by
// row()/col() and its text, each currentCellChanged() with the new cell.
struct CellLog
{
    QStringList entries;

    explicit CellLog(Grid* grid)
    {
        QObject::connect(grid, &Grid::leaveCell, grid, [this, grid] {
            entries << QStringLiteral("leave %1,%2").arg(grid->row()).arg(grid->col());
        });
        QObject::connect(grid, &Grid::currentCellChanged, grid, [this, grid] {
            entries << QStringLiteral("now %1,%2").arg(grid->row()).arg(grid->col());
        });
    }
};

QModelIndex cell(const Grid& grid, int row, int col)
{
    return grid.model()->index(row, col);
}

QPoint centreOf(const Grid& grid, int row, int col)
{
    return grid.visualRect(cell(grid, row, col)).center();
}

void clickCell(Grid& grid, int row, int col)
{
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(grid, row, col));
}

QModelIndexList selected(const Grid& grid)
{
    return grid.selectionModel()->selectedIndexes();
}

} // namespace

class TestGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programSetsCurrentCell();
    void leaveCellBeforeProgramMove();
    void leaveCellBeforeMouseMove();
    void leaveCellBeforeKeyboardMoves();
    void noLeaveCellForSameCell();
    void leaveCellSlotMayKeepOrRedirect();
    void fixedCellsNeverCurrent();
    void fixingRowMovesCurrentCell();
    void fixedAndColouredCellsPaint();
    void contentSurvivesShapeChanges();
    void shrinkingMovesCurrentCell();
    void insertAndRemoveRowShiftContent();
    void removingLastRowMovesCurrentCell();
    void reshapingKeepsScrollPosition();
    void fillRowsLongList();
    void columnsFromOneTable();
    void sizesInTwips();
    void cellRectMatchesCellOnScreen();
    void doubleClickReportsMouseCell();
    void keyPressedForEveryKey();
    void fixedRowAndColumnStayInPlace_data();
    void fixedRowAndColumnStayInPlace();
    void aClickOnAWideCellKeepsTheView();
    void keptHeadingsAnswerTheMouse();
    void columnsKeptFittingWidenWithTheirText();
    void sizeShowingAllCells();
};

void TestGrid::programSetsCurrentCell()
{
    Grid grid;
    grid.setRows(5);
    grid.setCols(3);
    QCOMPARE(grid.row(), -1);
    QCOMPARE(grid.col(), -1);
    QSignalSpy changed(&grid, &Grid::currentCellChanged);
    QSignalSpy left(&grid, &Grid::leaveCell);

    QVERIFY(grid.setCurrentCell(2, 1));
    QCOMPARE(grid.row(), 2);
    QCOMPARE(grid.col(), 1);
    QCOMPARE(grid.currentIndex(), cell(grid, 2, 1));
    QCOMPARE(selected(grid), QModelIndexList{cell(grid, 2, 1)});
    QCOMPARE(changed.count(), 1);
    QCOMPARE(left.count(), 0); // there was no cell to leave

    grid.setText(QStringLiteral("here"));
    QCOMPARE(grid.textAt(2, 1), QStringLiteral("here"));
    QCOMPARE(grid.text(), QStringLiteral("here"));

    QVERIFY(!grid.setCurrentCell(5, 1));
    QVERIFY(!grid.setCurrentCell(2, 3));
    QVERIFY(!grid.setCurrentCell(-1, 0));
    QCOMPARE(grid.row(), 2);
    QCOMPARE(grid.col(), 1);
    QCOMPARE(changed.count(), 1);
}

void TestGrid::leaveCellBeforeProgramMove()
{
    Grid grid;
    grid.setRows(6);
    grid.setCols(4);
    grid.setTextAt(1, 1, QStringLiteral("first"));
    CellLog log(&grid);
    QString textLeft;
    connect(&grid, &Grid::leaveCell, &grid, [&] { textLeft = grid.text(); });

    QVERIFY(grid.setCurrentCell(1, 1));
    QVERIFY(grid.setCurrentCell(3, 2));
    QCOMPARE(log.entries, (QStringList{"now 1,1", "leave 1,1", "now 3,2"}));
    QCOMPARE(textLeft, QStringLiteral("first"));
}

void TestGrid::leaveCellBeforeMouseMove()
{
    Shown shown(6, 4);
    Grid& grid = *shown.grid;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
    QVERIFY(grid.setCurrentCell(1, 1));
    CellLog log(&grid);

    clickCell(grid, 4, 2);
    QCOMPARE(log.entries, (QStringList{"leave 1,1", "now 4,2"}));
    QCOMPARE(grid.currentIndex(), cell(grid, 4, 2));
    QCOMPARE(selected(grid), QModelIndexList{cell(grid, 4, 2)});
    QCOMPARE(grid.mouseRow(), 4);
    QCOMPARE(grid.mouseCol(), 2);
}

void TestGrid::leaveCellBeforeKeyboardMoves()
{
    Shown shown(60, 4);
    Grid& grid = *shown.grid;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
    QVERIFY(grid.setCurrentCell(1, 1));
    CellLog log(&grid);

    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Right);
    QTest::keyClick(&grid, Qt::Key_Tab);
    QCOMPARE(log.entries,
             (QStringList{"leave 1,1", "now 2,1", "leave 2,1", "now 2,2", "leave 2,2", "now 2,3"}));
    QCOMPARE(selected(grid), QModelIndexList{cell(grid, 2, 3)});

    log.entries.clear();
    QTest::keyClick(&grid, Qt::Key_PageDown);
    QCOMPARE(log.entries.size(), 2);
    QCOMPARE(log.entries.at(0), QStringLiteral("leave 2,3"));
    QVERIFY2(grid.row() > 3, qPrintable(log.entries.at(1)));
    QCOMPARE(grid.col(), 3);
}

void TestGrid::noLeaveCellForSameCell()
{
    Shown shown(6, 4);
    Grid& grid = *shown.grid;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
    QVERIFY(grid.setCurrentCell(2, 2));
    CellLog log(&grid);

    QVERIFY(grid.setCurrentCell(2, 2));
    clickCell(grid, 2, 2);
    QVERIFY(log.entries.isEmpty());
    QCOMPARE(selected(grid), QModelIndexList{cell(grid, 2, 2)});
}

void TestGrid::leaveCellSlotMayKeepOrRedirect()
{
    Shown shown(6, 4);
    Grid& grid = *shown.grid;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
    QVERIFY(grid.setCurrentCell(1, 1));
    CellLog log(&grid);

    // A screen refusing to leave a cell whose entry is wrong.
    auto refuse = connect(&grid, &Grid::leaveCell, &grid,
                          [&] { grid.setCurrentCell(grid.row(), grid.col()); });
    clickCell(grid, 3, 2);
    QCOMPARE(log.entries, QStringList{"leave 1,1"});
    QCOMPARE(grid.row(), 1);
    QCOMPARE(grid.col(), 1);
    QCOMPARE(grid.currentIndex(), cell(grid, 1, 1));
    QCOMPARE(selected(grid), QModelIndexList{cell(grid, 1, 1)});
    disconnect(refuse);

    // A screen sending the user somewhere else: leaveCell() is not repeated.
    log.entries.clear();
    auto redirect = connect(&grid, &Grid::leaveCell, &grid, [&] { grid.setCurrentCell(2, 3); });
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(log.entries, (QStringList{"leave 1,1", "now 2,3"}));
    QCOMPARE(grid.currentIndex(), cell(grid, 2, 3));
    QCOMPARE(selected(grid), QModelIndexList{cell(grid, 2, 3)});
    disconnect(redirect);
}

void TestGrid::fixedCellsNeverCurrent()
{
    Shown shown(6, 4);
    Grid& grid = *shown.grid;
    grid.setFixedCols(1);
    QCOMPARE(grid.fixedRows(), 1);
    QCOMPARE(grid.fixedCols(), 1);
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));

    QVERIFY(!grid.setCurrentCell(0, 2));
    QVERIFY(!grid.setCurrentCell(3, 0));
    QVERIFY(grid.setCurrentCell(1, 1));
    CellLog log(&grid);

    clickCell(grid, 0, 2);
    clickCell(grid, 3, 0);
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Left);
    QTest::keyClick(&grid, Qt::Key_Home);
    QVERIFY(log.entries.isEmpty());
    QCOMPARE(grid.row(), 1);
    QCOMPARE(grid.col(), 1);
    QCOMPARE(grid.mouseRow(), 3);
    QCOMPARE(grid.mouseCol(), 0);

    // Even when something reaches past the view, the grid puts the cell back.
    grid.selectionModel()->setCurrentIndex(cell(grid, 0, 2), QItemSelectionModel::NoUpdate);
    QVERIFY(log.entries.isEmpty());
    QCOMPARE(grid.currentIndex(), cell(grid, 1, 1));
    QCOMPARE(grid.row(), 1);
}

void TestGrid::fixingRowMovesCurrentCell()
{
    Grid grid;
    grid.setFixedRows(0);
    grid.setRows(4);
    grid.setCols(3);
    QVERIFY(grid.setCurrentCell(0, 2));
    CellLog log(&grid);

    grid.setFixedRows(1);
    QCOMPARE(log.entries, (QStringList{"leave 0,2", "now 1,2"}));
    QVERIFY(!grid.setCurrentCell(0, 2));

    log.entries.clear();
    QVERIFY(grid.setCurrentCell(1, 0));
    grid.setFixedCols(1);
    QCOMPARE(log.entries, (QStringList{"leave 1,2", "now 1,0", "leave 1,0", "now 1,1"}));
}

void TestGrid::fixedAndColouredCellsPaint()
{
    Shown shown(5, 4);
    Grid& grid = *shown.grid;
    grid.setFixedCols(1);
    grid.setBackgroundAt(2, 2, QColor(200, 30, 40));
    grid.setTextAt(0, 1, QStringLiteral("Heading"));
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
    QVERIFY(grid.setCurrentCell(3, 3));

    const QImage image = grid.viewport()->grab().toImage();
    auto pixel = [&](int row, int col) {
        const QRect r = grid.visualRect(cell(grid, row, col));
        // Near the bottom right corner, clear of text and grid lines.
        return image.pixelColor(r.right() - 3, r.bottom() - 3);
    };
    const QColor button = grid.palette().color(QPalette::Active, QPalette::Button);
    QCOMPARE(pixel(0, 2), button);
    QCOMPARE(pixel(2, 0), button);
    QCOMPARE(pixel(2, 2), QColor(200, 30, 40));
    QCOMPARE(pixel(1, 2), grid.palette().color(QPalette::Active, QPalette::Base));

    // Header text is drawn in the button text colour, not greyed out as disabled.
    const QColor black = grid.palette().color(QPalette::Active, QPalette::ButtonText);
    const QRect heading = grid.visualRect(cell(grid, 0, 1));
    bool headingInk = false;
    for (int x = heading.left(); x <= heading.right() && !headingInk; ++x) {
        for (int y = heading.top(); y <= heading.bottom() && !headingInk; ++y)
            headingInk = image.pixelColor(x, y) == black;
    }
    QVERIFY(headingInk);
}

void TestGrid::contentSurvivesShapeChanges()
{
    Grid grid;
    grid.setRows(4);
    grid.setCols(3);
    grid.setTextAt(2, 1, QStringLiteral("kept"));
    grid.setAlignmentAt(2, 1, Qt::AlignRight);
    grid.setBackgroundAt(2, 1, QColor(Qt::yellow));
    grid.setTextAt(1, 2, QStringLiteral("dropped"));
    grid.setTextAt(3, 0, QStringLiteral("last"));

    auto kept = [&] {
        return grid.textAt(2, 1) == QLatin1String("kept") &&
               grid.alignmentAt(2, 1) == Qt::AlignRight &&
               grid.backgroundAt(2, 1) == QColor(Qt::yellow);
    };

    grid.setRows(10);
    QVERIFY(kept());
    QCOMPARE(grid.textAt(3, 0), QStringLiteral("last"));
    QCOMPARE(grid.textAt(9, 2), QString());

    grid.setCols(6);
    QVERIFY(kept());
    QCOMPARE(grid.textAt(1, 2), QStringLiteral("dropped"));
    QCOMPARE(grid.textAt(3, 0), QStringLiteral("last"));
    QCOMPARE(grid.textAt(2, 5), QString());
    QVERIFY(!grid.backgroundAt(2, 5).isValid());
    QCOMPARE(grid.alignmentAt(2, 5) & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QCOMPARE(grid.model()->index(2, 1).data().toString(), QStringLiteral("kept"));

    grid.setRows(3);
    grid.setCols(2);
    QVERIFY(kept());
    QCOMPARE(grid.textAt(1, 2), QString()); // outside the grid now
    QCOMPARE(grid.textAt(3, 0), QString());

    // What was cut off does not come back when the grid grows again.
    grid.setRows(4);
    grid.setCols(3);
    QVERIFY(kept());
    QCOMPARE(grid.textAt(1, 2), QString());
    QCOMPARE(grid.textAt(3, 0), QString());
    QVERIFY(!grid.backgroundAt(1, 2).isValid());
}

void TestGrid::shrinkingMovesCurrentCell()
{
    Grid grid;
    grid.setRows(10);
    grid.setCols(4);
    grid.setTextAt(8, 3, QStringLiteral("eight"));
    QVERIFY(grid.setCurrentCell(8, 3));
    CellLog log(&grid);
    QString textLeft;
    connect(&grid, &Grid::leaveCell, &grid, [&] { textLeft = grid.text(); });

    grid.setRows(5);
    QCOMPARE(log.entries, (QStringList{"leave 8,3", "now 4,3"}));
    QCOMPARE(textLeft, QStringLiteral("eight")); // still there to be saved
    QCOMPARE(grid.currentIndex(), cell(grid, 4, 3));

    log.entries.clear();
    grid.setCols(2);
    QCOMPARE(log.entries, (QStringList{"leave 4,3", "now 4,1"}));

    log.entries.clear();
    grid.setRows(8); // growing leaves the current cell alone
    QVERIFY(log.entries.isEmpty());
    QCOMPARE(grid.currentIndex(), cell(grid, 4, 1));

    grid.setRows(1); // only the fixed row is left
    QCOMPARE(log.entries, (QStringList{"leave 4,1", "now -1,-1"}));
    QVERIFY(!grid.currentIndex().isValid());
    QVERIFY(selected(grid).isEmpty());
}

void TestGrid::insertAndRemoveRowShiftContent()
{
    Shown shown(7, 3);
    Grid& grid = *shown.grid;
    for (int row = 1; row < 7; ++row)
        grid.setTextAt(row, 1, QStringLiteral("r%1").arg(row));
    grid.setBackgroundAt(2, 1, QColor(Qt::green));
    grid.setAlignmentAt(2, 1, Qt::AlignCenter);
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
    QVERIFY(grid.setCurrentCell(3, 1));
    CellLog log(&grid);

    grid.insertRow(2);
    QCOMPARE(grid.rows(), 8);
    QCOMPARE(grid.textAt(1, 1), QStringLiteral("r1"));
    QCOMPARE(grid.textAt(2, 1), QString());
    QVERIFY(!grid.backgroundAt(2, 1).isValid());
    QCOMPARE(grid.textAt(3, 1), QStringLiteral("r2"));
    QCOMPARE(grid.backgroundAt(3, 1), QColor(Qt::green));
    QCOMPARE(grid.alignmentAt(3, 1), Qt::AlignCenter);
    QCOMPARE(grid.textAt(7, 1), QStringLiteral("r6"));

    // The current cell keeps its number, and the view agrees.
    QVERIFY(log.entries.isEmpty());
    QCOMPARE(grid.row(), 3);
    QCOMPARE(grid.currentIndex(), cell(grid, 3, 1));
    QCOMPARE(selected(grid), QModelIndexList{cell(grid, 3, 1)});
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(log.entries, (QStringList{"leave 3,1", "now 4,1"}));

    log.entries.clear();
    grid.removeRow(2);
    QCOMPARE(grid.rows(), 7);
    for (int row = 1; row < 7; ++row)
        QCOMPARE(grid.textAt(row, 1), QStringLiteral("r%1").arg(row));
    QCOMPARE(grid.backgroundAt(2, 1), QColor(Qt::green));

    grid.removeRow(4); // the current row itself, and only that row
    QCOMPARE(grid.rows(), 6);
    QCOMPARE(grid.textAt(3, 1), QStringLiteral("r3"));
    QCOMPARE(grid.textAt(4, 1), QStringLiteral("r5"));
    QCOMPARE(grid.textAt(5, 1), QStringLiteral("r6"));
    QVERIFY(log.entries.isEmpty());
    QCOMPARE(grid.row(), 4);
    QCOMPARE(grid.currentIndex(), cell(grid, 4, 1));
    QCOMPARE(selected(grid), QModelIndexList{cell(grid, 4, 1)});
    QCOMPARE(grid.text(), QStringLiteral("r5"));

    grid.insertRow(grid.rows()); // appends
    QCOMPARE(grid.rows(), 7);
    QCOMPARE(grid.textAt(6, 1), QString());
    QCOMPARE(grid.textAt(5, 1), QStringLiteral("r6"));
}

void TestGrid::removingLastRowMovesCurrentCell()
{
    Grid grid;
    grid.setRows(5);
    grid.setCols(3);
    grid.setTextAt(4, 1, QStringLiteral("last"));
    QVERIFY(grid.setCurrentCell(4, 1));
    CellLog log(&grid);

    grid.removeRow(2);
    QCOMPARE(log.entries, (QStringList{"leave 4,1", "now 3,1"}));
    QCOMPARE(grid.text(), QStringLiteral("last"));
    QCOMPARE(grid.currentIndex(), cell(grid, 3, 1));
}

void TestGrid::reshapingKeepsScrollPosition()
{
    Shown shown(80, 4);
    Grid& grid = *shown.grid;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
    QVERIFY(grid.setCurrentCell(1, 1));
    grid.verticalScrollBar()->setValue(40); // the user looks further down

    grid.setRows(100);
    grid.insertRow(50);
    grid.removeRow(60);
    grid.fillRows(90, {QStringLiteral("a"), QStringLiteral("b")});
    QCOMPARE(grid.verticalScrollBar()->value(), 40);
    QCOMPARE(grid.currentIndex(), cell(grid, 1, 1));
}

void TestGrid::fillRowsLongList()
{
    Shown shown(3, 5);
    Grid& grid = *shown.grid;
    grid.setTextAt(0, 0, QStringLiteral("Date"));
    grid.setAlignmentAt(2, 3, Qt::AlignRight);
    grid.setColumnWidthTwips(2, 1440);
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
    QVERIFY(grid.setCurrentCell(2, 3));
    CellLog log(&grid);

    const int count = 20000;
    QStringList texts;
    texts.reserve(count * 5);
    for (int row = 1; row <= count; ++row) {
        for (int col = 0; col < 5; ++col)
            texts << QStringLiteral("r%1c%2").arg(row).arg(col);
    }
    QSignalSpy changed(grid.model(), &QAbstractItemModel::dataChanged);
    grid.fillRows(1, texts);

    QCOMPARE(changed.count(), 0);
    QCOMPARE(grid.rows(), count + 1);
    QCOMPARE(grid.model()->rowCount(), count + 1);
    QCOMPARE(grid.textAt(0, 0), QStringLiteral("Date"));
    QCOMPARE(grid.textAt(1, 0), QStringLiteral("r1c0"));
    QCOMPARE(grid.textAt(count, 4), QStringLiteral("r20000c4"));
    QCOMPARE(grid.model()->index(count, 4).data().toString(), QStringLiteral("r20000c4"));
    QCOMPARE(grid.alignmentAt(2, 3), Qt::AlignRight);
    QCOMPARE(grid.columnWidth(2), 96);

    // The current cell outlives the model reset, quietly.
    QVERIFY(log.entries.isEmpty());
    QCOMPARE(grid.currentIndex(), cell(grid, 2, 3));
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(log.entries, (QStringList{"leave 2,3", "now 3,3"}));

    QVERIFY(grid.setCurrentCell(count, 4));
    QVERIFY(!grid.cellRect(count, 4).isEmpty()); // scrolled into view

    // A short last row fills only its first cells.
    grid.fillRows(count + 1, {QStringLiteral("x"), QStringLiteral("y")});
    QCOMPARE(grid.rows(), count + 2);
    QCOMPARE(grid.textAt(count + 1, 1), QStringLiteral("y"));
    QCOMPARE(grid.textAt(count + 1, 2), QString());
}

void TestGrid::columnsFromOneTable()
{
    Shown shown(0, 0);
    Grid& grid = *shown.grid;
    const QColor yellow(255, 255, 128);
    grid.setColumns(
        {{QStringLiteral("Day #"), 1200, Qt::AlignCenter, Qt::AlignCenter},
         {QStringLiteral("Due"), 1500, Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignCenter, true},
         {QStringLiteral("Notes"), 3000, Qt::AlignLeft | Qt::AlignVCenter,
          Qt::AlignLeft | Qt::AlignVCenter, false, yellow}});
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
    QCOMPARE(grid.cols(), 3);
    QCOMPARE(grid.rows(), 1);
    QCOMPARE(grid.textAt(0, 1), QStringLiteral("Due"));
    QCOMPARE(grid.alignmentAt(0, 1), Qt::AlignCenter);
    QCOMPARE(grid.alignmentAt(0, 2), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(grid.columnWidth(0), 80); // 1200 twips, 15 to a pixel
    QCOMPARE(grid.columnWidth(2), 200);

    // Filled quietly: the rows take their columns' looks, and the single
    // cells given a colour take theirs, without a signal per cell.
    QSignalSpy changed(grid.model(), &QAbstractItemModel::dataChanged);
    const QString longDate = QStringLiteral("Wednesday, September 30, 2026");
    grid.fillRows(1, {"1", longDate, "Stir", "2", "Thursday", "Rack"}, {{2, 1, Qt::green}});
    QCOMPARE(changed.count(), 0);
    QCOMPARE(grid.rows(), 3);
    for (int row = 1; row <= 2; ++row) {
        QCOMPARE(grid.alignmentAt(row, 0), Qt::AlignCenter);
        QCOMPARE(grid.alignmentAt(row, 1), Qt::AlignLeft | Qt::AlignVCenter);
        QVERIFY(!grid.backgroundAt(row, 0).isValid());
        QCOMPARE(grid.backgroundAt(row, 2), yellow);
    }
    QVERIFY(!grid.backgroundAt(1, 1).isValid());
    QCOMPARE(grid.backgroundAt(2, 1), QColor(Qt::green));
    QVERIFY(grid.columnWidth(1) > grid.fontMetrics().horizontalAdvance(longDate));

    // Rows added later look like the others; the heading stays as it was.
    grid.insertRow(1);
    grid.setRows(5);
    for (int row : {1, 4}) {
        QCOMPARE(grid.alignmentAt(row, 0), Qt::AlignCenter);
        QCOMPARE(grid.backgroundAt(row, 2), yellow);
    }
    QCOMPARE(grid.textAt(0, 0), QStringLiteral("Day #"));
    QCOMPARE(grid.alignmentAt(0, 2), Qt::AlignLeft | Qt::AlignVCenter);
}

void TestGrid::sizesInTwips()
{
    Grid grid;
    grid.setRows(4);
    grid.setCols(3);
    grid.setColumnWidthTwips(1, 1440);
    QCOMPARE(grid.columnWidth(1), 96);

    grid.setColumnWidthTwips(2, 1000); // not a whole number of pixels: the nearest
    QCOMPARE(grid.columnWidth(2), 67);
    grid.setColumnWidthTwips(2, 1010);
    QCOMPARE(grid.columnWidth(2), 67);
    grid.setColumnWidthTwips(2, 1013);
    QCOMPARE(grid.columnWidth(2), 68);

    grid.setColumnWidthTwips(0, 150); // narrow columns are allowed
    QCOMPARE(grid.columnWidth(0), 10);

    grid.setRowHeightTwips(2, 450);
    QCOMPARE(grid.rowHeight(2), 30);
    grid.insertRow(1);
    QCOMPARE(grid.rowHeight(3), 30);

    grid.setCols(5);
    QCOMPARE(grid.columnWidth(1), 96);
}

void TestGrid::cellRectMatchesCellOnScreen()
{
    Shown shown(80, 4);
    Grid& grid = *shown.grid;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));

    auto check = [&](int row, int col) {
        const QRect visual = grid.visualRect(cell(grid, row, col));
        QVERIFY(grid.viewport()->rect().contains(visual));
        const QRect onGrid = grid.cellRect(row, col);
        QCOMPARE(onGrid, visual.translated(grid.viewport()->mapTo(&grid, QPoint(0, 0))));
        const QRect onWindow = grid.cellRect(row, col, &shown.window);
        QCOMPARE(onWindow.size(), visual.size());
        // An editor laid there would sit over that very cell.
        QCOMPARE(shown.window.childAt(onWindow.center()), grid.viewport());
        const QPoint inViewport = grid.viewport()->mapFrom(&shown.window, onWindow.center());
        QCOMPARE(grid.indexAt(inViewport), cell(grid, row, col));
        QCOMPARE(grid.cellRect(row, col, grid.viewport()), visual);
    };

    check(2, 1);
    if (QTest::currentTestFailed())
        return;

    QVERIFY(grid.setCurrentCell(60, 2));
    QVERIFY(grid.verticalScrollBar()->value() > 0);
    check(60, 2);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(grid.cellRect(2, 1).isEmpty()); // scrolled out of view
    QVERIFY(grid.cellRect(80, 1).isEmpty());

    grid.setColumnWidthTwips(0, 4000);
    grid.setColumnWidthTwips(1, 4000);
    grid.setColumnWidthTwips(2, 4000);
    QVERIFY(grid.setCurrentCell(61, 3));
    QVERIFY(grid.horizontalScrollBar()->value() > 0);
    check(61, 3);
}

void TestGrid::doubleClickReportsMouseCell()
{
    Shown shown(5, 4);
    Grid& grid = *shown.grid;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
    QVERIFY(grid.setCurrentCell(1, 1));
    QSignalSpy doubled(&grid, &Grid::cellDoubleClicked);
    int rowAtSignal = -2;
    connect(&grid, &Grid::cellDoubleClicked, &grid, [&] { rowAtSignal = grid.row(); });
    auto cellOf = [&](int i) {
        return QPoint(doubled.at(i).at(0).toInt(), doubled.at(i).at(1).toInt());
    };

    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(grid, 3, 2));
    QCOMPARE(doubled.count(), 1);
    QCOMPARE(cellOf(0), QPoint(3, 2));
    QCOMPARE(grid.mouseRow(), 3);
    QCOMPARE(grid.mouseCol(), 2);
    QCOMPARE(rowAtSignal, 3);

    // On a heading: reported, but the current cell stays.
    doubleClickShown(grid, grid.cellRect(0, 1).center());
    QCOMPARE(doubled.count(), 2);
    QCOMPARE(cellOf(1), QPoint(0, 1));
    QCOMPARE(grid.mouseRow(), 0);
    QCOMPARE(grid.mouseCol(), 1);
    QCOMPARE(grid.row(), 3);
    QCOMPARE(grid.col(), 2);

    // Below the last row.
    const QRect last = grid.visualRect(cell(grid, 4, 1));
    const QPoint below(last.center().x(), last.bottom() + 20);
    QVERIFY(grid.viewport()->rect().contains(below));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, below);
    QCOMPARE(doubled.count(), 3);
    QCOMPARE(cellOf(2), QPoint(-1, -1));
    QCOMPARE(grid.mouseRow(), -1);
    QCOMPARE(grid.mouseCol(), -1);
    QCOMPARE(grid.row(), 3);
}

void TestGrid::keyPressedForEveryKey()
{
    Shown shown(6, 3);
    Grid& grid = *shown.grid;
    grid.setTextAt(4, 1, QStringLiteral("apple"));
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
    QVERIFY(grid.setCurrentCell(1, 1));
    QSignalSpy keys(&grid, &Grid::keyPressed);
    CellLog log(&grid);

    QTest::keyClick(&grid, 'a');
    QCOMPARE(keys.count(), 1);
    QCOMPARE(keys.at(0).at(0).toInt(), int(Qt::Key_A));
    QCOMPARE(keys.at(0).at(1).toString(), QStringLiteral("a"));
    QCOMPARE(keys.at(0).at(2).value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers());
    // Typing is for the screen's editor: it does not jump to the "apple" cell.
    QVERIFY(log.entries.isEmpty());

    // Shift itself is a key press too; then Down with Shift held.
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(keys.count(), 3);
    QCOMPARE(keys.at(1).at(0).toInt(), int(Qt::Key_Shift));
    QCOMPARE(keys.at(2).at(0).toInt(), int(Qt::Key_Down));
    QCOMPARE(keys.at(2).at(2).value<Qt::KeyboardModifiers>(),
             Qt::KeyboardModifiers(Qt::ShiftModifier));
    QCOMPARE(grid.row(), 2); // navigation still works

    QTest::keyClick(&grid, Qt::Key_Return);
    QTest::keyClick(&grid, Qt::Key_Escape);
    QTest::keyClick(&grid, Qt::Key_Tab);
    QCOMPARE(keys.count(), 6);
    QCOMPARE(keys.at(5).at(0).toInt(), int(Qt::Key_Tab));
    QCOMPARE(grid.col(), 2);
}

// A grid that scrolls both ways, with a fixed heading row and a fixed first
// column, as the batch lists, the batch editor and the chart have it.
struct Sheet : Shown
{
    Sheet() : Shown(60, 8)
    {
        grid->setFixedCols(1);
        for (int col = 0; col < 8; ++col) {
            grid->setColumnWidthTwips(col, 1500);
            grid->setTextAt(0, col, QStringLiteral("Heading %1").arg(col));
        }
        for (int row = 1; row < 60; ++row)
            grid->setTextAt(row, 0, QString::number(row));
    }
};

void TestGrid::fixedRowAndColumnStayInPlace_data()
{
    QTest::addColumn<QList<int>>("keys"); // key combinations, pressed in turn
    QTest::addColumn<QPoint>("reached");  // row and column they lead to; row -1: any below 5
    QTest::addColumn<bool>("down");       // the grid scrolled down
    QTest::addColumn<bool>("right");      // the grid scrolled right

    const int pageDown = Qt::Key_PageDown;
    const int right = Qt::Key_Right;
    const int end = Qt::Key_End;
    const int ctrlEnd = QKeyCombination(Qt::ControlModifier, Qt::Key_End).toCombined();
    QTest::newRow("Page Down") << QList{pageDown} << QPoint(-1, 1) << true << false;
    QTest::newRow("Right to the last column")
        << QList<int>(7, right) << QPoint(1, 7) << false << true;
    QTest::newRow("End") << QList{end} << QPoint(1, 7) << false << true;
    QTest::newRow("Ctrl+End") << QList{ctrlEnd} << QPoint(59, 7) << true << true;
    QTest::newRow("Down past the page, then back up")
        << QList<int>(30, Qt::Key_Down) + QList<int>(28, Qt::Key_Up) << QPoint(3, 1) << true
        << false;
}

void TestGrid::fixedRowAndColumnStayInPlace()
{
    QFETCH(QList<int>, keys);
    QFETCH(QPoint, reached);
    QFETCH(bool, down);
    QFETCH(bool, right);
    Sheet sheet;
    Grid& grid = *sheet.grid;
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.window));
    QVERIFY(grid.setCurrentCell(1, 1));
    const QRect corner = grid.cellRect(0, 0);
    QVERIFY(!corner.isEmpty());

    for (const int combined : keys) {
        const QKeyCombination key = QKeyCombination::fromCombined(combined);
        QTest::keyClick(&grid, key.key(), key.keyboardModifiers());
    }
    const int row = grid.row();
    const int col = grid.col();
    if (reached.x() >= 0)
        QCOMPARE(row, reached.x());
    else
        QVERIFY(row > 5);
    QCOMPARE(col, reached.y());
    QCOMPARE(grid.verticalScrollBar()->value() > 0, down);
    QCOMPARE(grid.horizontalScrollBar()->value() > 0, right);

    // The corner, the heading above the current cell and the day of its row
    // show at the top and at the left edge, where they were before scrolling.
    QCOMPARE(grid.cellRect(0, 0), corner);
    QCOMPARE(cellShownAt(grid, corner.center()), cell(grid, 0, 0));
    const QRect heading = grid.cellRect(0, col);
    QCOMPARE(heading.top(), corner.top());
    QCOMPARE(heading.height(), corner.height());
    QCOMPARE(cellShownAt(grid, heading.center()), cell(grid, 0, col));
    const QRect first = grid.cellRect(row, 0);
    QCOMPARE(first.left(), corner.left());
    QCOMPARE(first.width(), corner.width());
    QCOMPARE(cellShownAt(grid, first.center()), cell(grid, row, 0));

    // The current cell shows whole beside them, and is the cell it names.
    const QRect current = grid.cellRect(row, col);
    const QRect visual = grid.visualRect(cell(grid, row, col));
    QCOMPARE(current, visual.translated(grid.viewport()->mapTo(&grid, QPoint(0, 0))));
    QVERIFY(current.top() > heading.bottom());
    QVERIFY(current.left() > first.right());
    QCOMPARE(cellShownAt(grid, current.center()), cell(grid, row, col));

    // What a person sees there: the heading's text at the top.
    const QImage image = grid.grab().toImage();
    const QColor ink = grid.palette().color(QPalette::Active, QPalette::ButtonText);
    bool inked = false;
    for (int x = heading.left(); x <= heading.right() && !inked; ++x) {
        for (int y = heading.top(); y <= heading.bottom() && !inked; ++y)
            inked = image.pixelColor(x, y) == ink;
    }
    QVERIFY(inked);
}

void TestGrid::keptHeadingsAnswerTheMouse()
{
    Sheet sheet;
    Grid& grid = *sheet.grid;
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.window));
    QVERIFY(grid.setCurrentCell(50, 6));
    QVERIFY(grid.verticalScrollBar()->value() > 0);
    QVERIFY(grid.horizontalScrollBar()->value() > 0);
    CellLog log(&grid);
    QSignalSpy doubled(&grid, &Grid::cellDoubleClicked);

    // A double-click on a kept heading or day names that cell, and moves nothing.
    doubleClickShown(grid, grid.cellRect(0, 6).center());
    doubleClickShown(grid, grid.cellRect(50, 0).center());
    doubleClickShown(grid, grid.cellRect(0, 0).center());
    QCOMPARE(doubled.count(), 3);
    QCOMPARE(doubled.at(0), (QList<QVariant>{0, 6}));
    QCOMPARE(doubled.at(1), (QList<QVariant>{50, 0}));
    QCOMPARE(doubled.at(2), (QList<QVariant>{0, 0}));
    QVERIFY(log.entries.isEmpty());
    QCOMPARE(grid.row(), 50);
    QCOMPARE(grid.col(), 6);
    QVERIFY(grid.hasFocus());

    // The wheel over the headings scrolls the grid, and the day column follows.
    const int before = grid.verticalScrollBar()->value();
    QWidget* headings = grid.childAt(grid.cellRect(0, 6).center());
    QWheelEvent wheel(QPointF(5, 5), headings->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(headings, &wheel);
    // By whole rows, however long the list: three to a notch.
    QCOMPARE(before - grid.verticalScrollBar()->value(),
             QApplication::wheelScrollLines() * grid.rowHeight(1));
    for (int row = 1; row < 60; ++row) {
        const QRect day = grid.cellRect(row, 0);
        if (!day.isEmpty() && day.height() == grid.rowHeight(row))
            QCOMPARE(cellShownAt(grid, day.center()), cell(grid, row, 0));
    }
}

void TestGrid::columnsKeptFittingWidenWithTheirText()
{
    Shown shown(4, 3);
    Grid& grid = *shown.grid;
    grid.setColumnWidthTwips(1, 1500);
    const QFontMetrics metrics(grid.font());
    const QString longDate = QStringLiteral("Wednesday, September 30, 2026");
    QVERIFY(metrics.horizontalAdvance(longDate) > 100);

    // Not kept: a column keeps its width, and a long text is cut.
    const int plain = grid.columnWidth(2);
    grid.setTextAt(2, 2, longDate);
    QCOMPARE(grid.columnWidth(2), plain);

    grid.keepColumnFitting(1);
    QCOMPARE(grid.columnWidth(1), 100); // short texts: the design width
    grid.setTextAt(2, 1, longDate);     // as a committed edit writes it
    QVERIFY(grid.columnWidth(1) > metrics.horizontalAdvance(longDate));
    const int fitted = grid.columnWidth(1);
    grid.setTextAt(3, 1, QStringLiteral("1/2/27")); // never narrows
    QCOMPARE(grid.columnWidth(1), fitted);
    grid.setColumnWidthTwips(1, 1500); // nor below its widest text
    QCOMPARE(grid.columnWidth(1), fitted);
    grid.setTextAt(2, 1, QString());
    grid.setColumnWidthTwips(1, 1500); // once that text is gone it may
    QCOMPARE(grid.columnWidth(1), 100);

    const QString longer = QStringLiteral("Wednesday, September 30, 2026 (moved)");
    grid.fillRows(1, {QString(), longer, QString()});
    QVERIFY(grid.columnWidth(1) > metrics.horizontalAdvance(longer));
}

void TestGrid::sizeShowingAllCells()
{
    Sheet sheet;
    Grid& grid = *sheet.grid;
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.window));
    const QSize all = grid.sizeShowingAllCells();
    const int scrollBar = grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &grid);
    QCOMPARE(all.width() - 2 * grid.frameWidth() - scrollBar, 8 * 100);
    QCOMPARE(all.height() - 2 * grid.frameWidth(), 60 * grid.rowHeight(1));
    grid.resize(all);
    QCOMPARE(grid.horizontalScrollBar()->maximum(), 0);
    QCOMPARE(grid.verticalScrollBar()->maximum(), 0);
    QVERIFY(!grid.cellRect(59, 7).isEmpty());
}

void TestGrid::aClickOnAWideCellKeepsTheView()
{
    // The task list's Action column is far wider than any window: a click on
    // its start must not scroll the batch and due-date columns out of view.
    Sheet sheet;
    Grid& grid = *sheet.grid;
    grid.setColumnWidthTwips(2, 69000);
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.window));
    QVERIFY(grid.setCurrentCell(1, 1));
    const QRect wide = grid.visualRect(cell(grid, 1, 2));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(wide.left() + 10, wide.center().y()));
    QCOMPARE(grid.col(), 2);
    QCOMPARE(grid.horizontalScrollBar()->value(), 0);

    // Reached from the far side, its start is brought into view.
    QVERIFY(grid.setCurrentCell(1, 7));
    QVERIFY(grid.horizontalScrollBar()->value() > 0);
    QVERIFY(grid.setCurrentCell(1, 2));
    QCOMPARE(grid.visualRect(cell(grid, 1, 2)).left(), grid.columnWidth(0));
}

VINTRELO_TEST_MAIN(TestGrid)
#include "tst_grid.moc"
