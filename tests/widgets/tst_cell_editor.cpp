// The overlay editor shared by the batch editor and the recipe editor, on a
// real grid in a real window.
#include "TestMain.h"
#include "widgets/CellEditor.h"
#include "widgets/Grid.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using widgets::CellEditor;
using widgets::Grid;

namespace {

// A grid with a fixed header row and day column, the overlay a sibling of the
// grid in one container, as the screens lay them out.
struct Sheet
{
    QWidget window;
    QWidget* container;
    Grid* grid;
    QLineEdit* text1;
    QPushButton* button;
    CellEditor* editor;
    QStringList log; // what the filter saw

    explicit Sheet(int rows = 5)
    {
        window.resize(640, 360);
        container = new QWidget(&window);
        container->setGeometry(15, 25, 600, 280);
        grid = new Grid(container);
        grid->setGeometry(10, 10, 560, 240);
        text1 = new QLineEdit(container);
        button = new QPushButton(QStringLiteral("Save"), &window);
        button->setGeometry(15, 310, 80, 30);
        grid->setCols(3);
        grid->setRows(rows);
        grid->setFixedCols(1);
        for (int row = 1; row < rows; ++row) {
            grid->setTextAt(row, 0, QString::number(row));
            grid->setTextAt(row, 1, QStringLiteral("due %1").arg(row));
            grid->setTextAt(row, 2, QStringLiteral("action %1").arg(row));
        }
        editor = new CellEditor(grid, text1, &window);
        window.show();
    }

    void filterLogging()
    {
        editor->setFilter(
            [this](int row, int col, const QString& text, const QString&, CellEditor::Commit how) {
                log << QStringLiteral("%1,%2 %3 %4")
                           .arg(row)
                           .arg(col)
                           .arg(how == CellEditor::Commit::Enter ? QStringLiteral("enter")
                                                                 : QStringLiteral("leave"))
                           .arg(text);
                return CellEditor::Verdict{text.toUpper(), QString()};
            });
    }

    QPoint centre(int row, int col) const
    {
        return grid->visualRect(grid->model()->index(row, col)).center();
    }
    void click(int row, int col)
    {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, centre(row, col));
    }
    void openAt(int row, int col)
    {
        QVERIFY(grid->setCurrentCell(row, col));
        editor->open();
        QVERIFY(editor->isOpen());
    }
    void retype(const QString& text)
    {
        text1->selectAll();
        QTest::keyClicks(text1, text);
    }
};

} // namespace

class TestCellEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensExactlyOverTheCurrentCell();
    void enterStoresInPlaceAndEscapeRestores();
    void clickingAnotherCellStoresIntoTheCellLeft();
    void programMovesStoreTheEditFirst();
    void downAndUpMoveRowsAndStore();
    void downOnLastRowAndUpOnFirstStayOpen();
    void reopeningKeepsWhatWasTyped();
    void commitPendingWithoutAnyMove();
    void staysOpenWhileFocusIsElsewhere();
    void withoutFilterTextIsStoredAsTyped();
    void followsItsCellWhenTheGridScrolls();
    void tabStoresAndMovesToTheNextCell_data();
    void tabStoresAndMovesToTheNextCell();
    void openingKeyGoesIntoTheBox_data();
    void openingKeyGoesIntoTheBox();
    void opensOnlyOverCellsPointedAt();
    void staysClearOfTheFixedRowWhenScrolled();
};

void TestCellEditor::opensExactlyOverTheCurrentCell()
{
    Sheet sheet;
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.window));
    QVERIFY(sheet.text1->isHidden());
    QSignalSpy opened(sheet.editor, &CellEditor::opened);

    sheet.editor->open(); // no current cell yet: nothing to open
    QVERIFY(!sheet.editor->isOpen());

    sheet.openAt(3, 2);
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.at(0).at(0).toInt(), 3);
    QCOMPARE(opened.at(0).at(1).toInt(), 2);
    QVERIFY(sheet.text1->isVisible());
    QCOMPARE(sheet.text1->text(), QStringLiteral("action 3"));
    QCOMPARE(sheet.text1->geometry(), sheet.grid->cellRect(3, 2, sheet.container));
    QVERIFY(sheet.text1->hasFocus());
    QCOMPARE(sheet.editor->row(), 3);
    QCOMPARE(sheet.editor->col(), 2);
}

void TestCellEditor::enterStoresInPlaceAndEscapeRestores()
{
    Sheet sheet;
    sheet.filterLogging();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.window));
    QSignalSpy committed(sheet.editor, &CellEditor::committed);
    QSignalSpy discarded(sheet.editor, &CellEditor::discarded);

    sheet.openAt(2, 2);
    sheet.retype(QStringLiteral("rack"));
    QTest::keyClick(sheet.text1, Qt::Key_Escape);
    QVERIFY(!sheet.editor->isOpen());
    QCOMPARE(sheet.grid->textAt(2, 2), QStringLiteral("action 2"));
    QCOMPARE(discarded.count(), 1);
    QCOMPARE(committed.count(), 0);
    QVERIFY(sheet.log.isEmpty());
    QVERIFY(sheet.grid->hasFocus());

    sheet.editor->open();
    QCOMPARE(sheet.text1->text(), QStringLiteral("action 2"));
    sheet.retype(QStringLiteral("rack"));
    QTest::keyClick(sheet.text1, Qt::Key_Return);
    QVERIFY(!sheet.editor->isOpen());
    QCOMPARE(sheet.grid->textAt(2, 2), QStringLiteral("RACK"));
    QCOMPARE(sheet.log, QStringList{QStringLiteral("2,2 enter rack")});
    QCOMPARE(committed.count(), 1);
    QCOMPARE(committed.at(0).at(2).value<CellEditor::Commit>(), CellEditor::Commit::Enter);
    // The current cell does not move on Enter.
    QCOMPARE(sheet.grid->row(), 2);
    QCOMPARE(sheet.grid->col(), 2);
    QVERIFY(sheet.grid->hasFocus());

    // The keypad's Enter does the same.
    sheet.editor->open();
    sheet.retype(QStringLiteral("bottle"));
    QTest::keyClick(sheet.text1, Qt::Key_Enter);
    QCOMPARE(sheet.grid->textAt(2, 2), QStringLiteral("BOTTLE"));
}

void TestCellEditor::clickingAnotherCellStoresIntoTheCellLeft()
{
    Sheet sheet;
    sheet.filterLogging();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.window));
    sheet.openAt(1, 1);
    sheet.retype(QStringLiteral("new due"));

    sheet.click(4, 2);
    QVERIFY(!sheet.editor->isOpen());
    QCOMPARE(sheet.grid->textAt(1, 1), QStringLiteral("NEW DUE"));
    QCOMPARE(sheet.grid->textAt(4, 2), QStringLiteral("action 4")); // not the cell clicked
    QCOMPARE(sheet.log, QStringList{QStringLiteral("1,1 leave new due")});
    QCOMPARE(sheet.grid->row(), 4);
    QCOMPARE(sheet.grid->col(), 2);

    // Moving on without an open edit changes nothing.
    sheet.click(2, 1);
    QCOMPARE(sheet.log.size(), 1);
    QCOMPARE(sheet.grid->textAt(4, 2), QStringLiteral("action 4"));
}

void TestCellEditor::programMovesStoreTheEditFirst()
{
    Sheet sheet;
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.window));
    sheet.openAt(3, 1);
    sheet.retype(QStringLiteral("moved by the program"));
    QVERIFY(sheet.grid->setCurrentCell(3, 2));
    QCOMPARE(sheet.grid->textAt(3, 1), QStringLiteral("moved by the program"));
    QVERIFY(!sheet.editor->isOpen());

    // Removing the row being edited still stores into it before it goes.
    sheet.openAt(4, 2);
    sheet.retype(QStringLiteral("last words"));
    QString stored;
    connect(sheet.editor, &CellEditor::committed, &sheet.window,
            [&](int row, int col) { stored = sheet.grid->textAt(row, col); });
    sheet.grid->setRows(4);
    QCOMPARE(stored, QStringLiteral("last words"));
    QVERIFY(!sheet.editor->isOpen());
}

void TestCellEditor::downAndUpMoveRowsAndStore()
{
    Sheet sheet;
    sheet.filterLogging();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.window));
    sheet.openAt(2, 2);
    sheet.retype(QStringLiteral("second"));
    QTest::keyClick(sheet.text1, Qt::Key_Down);
    QVERIFY(!sheet.editor->isOpen());
    QCOMPARE(sheet.grid->textAt(2, 2), QStringLiteral("SECOND"));
    QCOMPARE(sheet.grid->textAt(3, 2), QStringLiteral("action 3"));
    QCOMPARE(sheet.grid->row(), 3);
    QCOMPARE(sheet.grid->col(), 2);
    QVERIFY(sheet.grid->hasFocus());

    sheet.editor->open();
    sheet.retype(QStringLiteral("third"));
    QTest::keyClick(sheet.text1, Qt::Key_Up);
    QCOMPARE(sheet.grid->textAt(3, 2), QStringLiteral("THIRD"));
    QCOMPARE(sheet.grid->row(), 2);
    QCOMPARE(sheet.log,
             (QStringList{QStringLiteral("2,2 leave second"), QStringLiteral("3,2 leave third")}));
}

void TestCellEditor::downOnLastRowAndUpOnFirstStayOpen()
{
    Sheet sheet(4);
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.window));
    sheet.openAt(3, 1);
    sheet.retype(QStringLiteral("typed on the last row"));
    QTest::keyClick(sheet.text1, Qt::Key_Down);
    QCOMPARE(sheet.grid->rows(), 4); // no row added
    QCOMPARE(sheet.grid->row(), 3);
    QVERIFY(sheet.editor->isOpen());
    QVERIFY(sheet.text1->isVisible());
    QCOMPARE(sheet.text1->text(), QStringLiteral("typed on the last row"));
    QCOMPARE(sheet.grid->textAt(3, 1), QStringLiteral("due 3")); // not stored yet
    QVERIFY(sheet.grid->hasFocus());

    // The next change of cell stores it, into the row it was typed on.
    QTest::keyClick(sheet.grid, Qt::Key_Up);
    QCOMPARE(sheet.grid->textAt(3, 1), QStringLiteral("typed on the last row"));
    QCOMPARE(sheet.grid->textAt(2, 1), QStringLiteral("due 2"));
    QVERIFY(!sheet.editor->isOpen());

    // Up on the first data row never reaches the header row.
    sheet.openAt(1, 2);
    sheet.retype(QStringLiteral("first"));
    QTest::keyClick(sheet.text1, Qt::Key_Up);
    QCOMPARE(sheet.grid->row(), 1);
    QVERIFY(sheet.editor->isOpen());
    QCOMPARE(sheet.grid->textAt(0, 2), QString());
    QCOMPARE(sheet.grid->textAt(1, 2), QStringLiteral("action 1"));
    sheet.click(2, 2);
    QCOMPARE(sheet.grid->textAt(1, 2), QStringLiteral("first"));
}

void TestCellEditor::reopeningKeepsWhatWasTyped()
{
    Sheet sheet(3);
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.window));
    sheet.openAt(2, 2);
    sheet.retype(QStringLiteral("half typed"));
    QTest::keyClick(sheet.text1, Qt::Key_Down); // last row: stays open without the focus
    QVERIFY(!sheet.text1->hasFocus());

    sheet.editor->open(); // a key on the grid opens it again over the same cell
    QVERIFY(sheet.text1->hasFocus());
    QCOMPARE(sheet.text1->text(), QStringLiteral("half typed"));
    QTest::keyClick(sheet.text1, Qt::Key_Return);
    QCOMPARE(sheet.grid->textAt(2, 2), QStringLiteral("half typed"));
}

void TestCellEditor::commitPendingWithoutAnyMove()
{
    Sheet sheet;
    sheet.filterLogging();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.window));
    // Row 1, column 1: a save that walks the grid from here never leaves this cell.
    sheet.openAt(1, 1);
    sheet.retype(QStringLiteral("edited first cell"));
    sheet.editor->commitPending();
    QVERIFY(!sheet.editor->isOpen());
    QCOMPARE(sheet.grid->textAt(1, 1), QStringLiteral("EDITED FIRST CELL"));
    QCOMPARE(sheet.log, QStringList{QStringLiteral("1,1 leave edited first cell")});

    // Nothing open: nothing stored, nothing filtered.
    sheet.editor->commitPending();
    QCOMPARE(sheet.log.size(), 1);
}

void TestCellEditor::staysOpenWhileFocusIsElsewhere()
{
    Sheet sheet;
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.window));
    sheet.openAt(2, 1);
    sheet.retype(QStringLiteral("still here"));
    QTest::mouseClick(sheet.button, Qt::LeftButton);
    sheet.button->setFocus();
    QVERIFY(!sheet.text1->hasFocus());
    QVERIFY(sheet.editor->isOpen());
    QCOMPARE(sheet.text1->text(), QStringLiteral("still here"));
    QCOMPARE(sheet.grid->textAt(2, 1), QStringLiteral("due 2"));
    sheet.editor->commitPending();
    QCOMPARE(sheet.grid->textAt(2, 1), QStringLiteral("still here"));
}

void TestCellEditor::withoutFilterTextIsStoredAsTyped()
{
    Sheet sheet;
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.window));
    QSignalSpy committed(sheet.editor, &CellEditor::committed);
    sheet.openAt(3, 2);
    sheet.retype(QStringLiteral("  Add 5 g  bentonite "));
    sheet.click(1, 2);
    QCOMPARE(sheet.grid->textAt(3, 2), QStringLiteral("  Add 5 g  bentonite "));
    QCOMPARE(committed.count(), 1);
    QCOMPARE(committed.at(0).at(0).toInt(), 3);
    QCOMPARE(committed.at(0).at(1).toInt(), 2);
    QCOMPARE(committed.at(0).at(2).value<CellEditor::Commit>(), CellEditor::Commit::LeaveCell);
}

void TestCellEditor::followsItsCellWhenTheGridScrolls()
{
    Sheet sheet(40);
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.window));
    sheet.openAt(2, 2);
    QCOMPARE(sheet.text1->geometry(), sheet.grid->cellRect(2, 2, sheet.container));

    // Scrolled out of view, it no longer covers whatever cell took its place.
    sheet.grid->verticalScrollBar()->setValue(sheet.grid->verticalScrollBar()->maximum());
    QVERIFY(sheet.grid->cellRect(2, 2, sheet.container).isEmpty());
    QVERIFY(sheet.text1->geometry().isEmpty());
    QVERIFY(sheet.editor->isOpen());

    sheet.grid->verticalScrollBar()->setValue(0);
    QCOMPARE(sheet.text1->geometry(), sheet.grid->cellRect(2, 2, sheet.container));
    QTest::keyClick(sheet.text1, Qt::Key_Escape);
    QCOMPARE(sheet.grid->textAt(2, 2), QStringLiteral("action 2"));
}

void TestCellEditor::tabStoresAndMovesToTheNextCell_data()
{
    QTest::addColumn<QPoint>("from"); // row, column
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<bool>("grows"); // a grid the user extends with Tab
    QTest::addColumn<int>("rows");   // the grid's rows afterwards

    const int none = Qt::NoModifier;
    const int shift = Qt::ShiftModifier;
    const QPoint out(-1, -1); // the focus left the grid; the current cell stays
    QTest::newRow("Tab") << QPoint(2, 1) << int(Qt::Key_Tab) << none << QPoint(2, 2) << false << 5;
    QTest::newRow("Tab at the end of a row")
        << QPoint(2, 2) << int(Qt::Key_Tab) << none << QPoint(3, 1) << false << 5;
    QTest::newRow("Tab in the last cell leaves the grid, never wraps to row 1")
        << QPoint(4, 2) << int(Qt::Key_Tab) << none << out << false << 5;
    QTest::newRow("Tab in the last cell of a growing grid adds a row")
        << QPoint(4, 2) << int(Qt::Key_Tab) << none << QPoint(5, 1) << true << 6;
    QTest::newRow("Shift+Tab") << QPoint(2, 2) << int(Qt::Key_Tab) << shift << QPoint(2, 1) << false
                               << 5;
    QTest::newRow("Backtab at the start of a row")
        << QPoint(3, 1) << int(Qt::Key_Backtab) << shift << QPoint(2, 2) << false << 5;
    QTest::newRow("Backtab in the first cell leaves the grid backwards")
        << QPoint(1, 1) << int(Qt::Key_Backtab) << shift << out << true << 5;
}

void TestCellEditor::tabStoresAndMovesToTheNextCell()
{
    QFETCH(QPoint, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QPoint, to);
    QFETCH(bool, grows);
    QFETCH(int, rows);
    Sheet sheet;
    sheet.filterLogging();
    sheet.grid->setGrowsOnTab(grows);
    QVERIFY(QTest::qWaitForWindowActive(&sheet.window));
    int clicks = 0;
    connect(sheet.button, &QPushButton::clicked, &sheet.window, [&] { ++clicks; });

    sheet.openAt(from.x(), from.y());
    sheet.retype(QStringLiteral("typed"));
    QTest::keyClick(sheet.text1, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(sheet.grid->textAt(from.x(), from.y()), QStringLiteral("TYPED"));
    QCOMPARE(sheet.log,
             QStringList{QStringLiteral("%1,%2 leave typed").arg(from.x()).arg(from.y())});
    QCOMPARE(sheet.grid->rows(), rows);
    QCOMPARE(sheet.grid->textAt(1, 1),
             from == QPoint(1, 1) ? QStringLiteral("TYPED") : QStringLiteral("due 1"));
    if (to.x() < 0) {
        QVERIFY(!sheet.editor->isOpen());
        QCOMPARE(QPoint(sheet.grid->row(), sheet.grid->col()), from);
        QVERIFY(QApplication::focusWidget() != sheet.grid);
        QVERIFY(QApplication::focusWidget() != sheet.text1);
        return;
    }
    QCOMPARE(QPoint(sheet.grid->row(), sheet.grid->col()), to);

    // Editing goes on in the next cell: what is typed next lands there, never
    // in a button.
    QVERIFY(sheet.editor->isOpen());
    QCOMPARE(QPoint(sheet.editor->row(), sheet.editor->col()), to);
    QCOMPARE(QApplication::focusWidget(), sheet.text1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(clicks, 0);
    QTest::keyClick(sheet.text1, Qt::Key_Escape);
    QVERIFY(!sheet.editor->isOpen());
    QCOMPARE(sheet.grid->textAt(from.x(), from.y()), QStringLiteral("TYPED"));
}

void TestCellEditor::openingKeyGoesIntoTheBox_data()
{
    QTest::addColumn<QString>("typed"); // the key that opens the box
    QTest::addColumn<QString>("inBox"); // what the box then holds
    QTest::newRow("a digit") << QStringLiteral("1") << QStringLiteral("1");
    QTest::newRow("a letter") << QStringLiteral("R") << QStringLiteral("R");
    QTest::newRow("a blank") << QStringLiteral(" ") << QStringLiteral(" ");
    QTest::newRow("an accented letter") << QStringLiteral("\u00e9") << QStringLiteral("\u00e9");
    QTest::newRow("Enter") << QStringLiteral("\r") << QStringLiteral("due 2");
    QTest::newRow("Escape") << QStringLiteral("\x1b") << QStringLiteral("due 2");
    QTest::newRow("Backspace") << QStringLiteral("\b") << QStringLiteral("due 2");
}

void TestCellEditor::openingKeyGoesIntoTheBox()
{
    QFETCH(QString, typed);
    QFETCH(QString, inBox);
    Sheet sheet;
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.window));
    QVERIFY(sheet.grid->setCurrentCell(2, 1));
    sheet.editor->openTyping(typed);
    QVERIFY(sheet.editor->isOpen());
    QVERIFY(sheet.text1->hasFocus());
    QCOMPARE(sheet.text1->text(), inBox);

    // The next keys follow it.
    QTest::keyClicks(sheet.text1, QStringLiteral("4"));
    QTest::keyClick(sheet.text1, Qt::Key_Return);
    QCOMPARE(sheet.grid->textAt(2, 1),
             inBox == QLatin1String("due 2") ? QStringLiteral("4") : inBox + QLatin1Char('4'));
}

void TestCellEditor::opensOnlyOverCellsPointedAt()
{
    Sheet sheet;
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.window));
    QVERIFY(sheet.grid->setCurrentCell(2, 1));
    for (const QPoint& nowhere : {QPoint(-1, -1), QPoint(0, 2), QPoint(3, 0), QPoint(-1, 2)}) {
        QVERIFY(!sheet.editor->openAt(nowhere.x(), nowhere.y()));
        QVERIFY(!sheet.editor->isOpen());
        QCOMPARE(sheet.grid->row(), 2);
    }
    QVERIFY(sheet.editor->openAt(3, 2));
    QCOMPARE(sheet.grid->row(), 3);
    QCOMPARE(sheet.grid->col(), 2);
    QCOMPARE(sheet.text1->text(), QStringLiteral("action 3"));
}

void TestCellEditor::staysClearOfTheFixedRowWhenScrolled()
{
    Sheet sheet(40);
    QVERIFY(QTest::qWaitForWindowExposed(&sheet.window));
    Grid* grid = sheet.grid;
    sheet.openAt(20, 2);
    const QRect heading = grid->cellRect(0, 2, sheet.container);
    const QRect day = grid->cellRect(20, 0, sheet.container);
    // From just under the heading, scrolled on a pixel at a time: the box shrinks
    // with the part of its cell still in view, never covering the heading row or
    // the day column, until the cell is gone.
    QScrollBar* scroll = grid->verticalScrollBar();
    const int height = grid->visualRect(grid->model()->index(20, 2)).height();
    const int start = scroll->value() + grid->rowViewportPosition(20) - grid->rowHeight(0);
    for (int step = 0; step <= height + 2; ++step) {
        scroll->setValue(start + step);
        const QRect box = sheet.text1->geometry();
        const QRect cell = grid->cellRect(20, 2, sheet.container);
        QCOMPARE(box, cell.isEmpty() ? QRect(cell.topLeft(), QSize(0, 0)) : cell);
        QVERIFY(box.isEmpty() || box.top() > heading.bottom());
        QVERIFY(box.isEmpty() || box.left() > day.right());
        QCOMPARE(box.height(), std::max(0, height - step));
    }
}

VINTRELO_TEST_MAIN(TestCellEditor)
#include "tst_cell_editor.moc"
