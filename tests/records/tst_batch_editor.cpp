// The batch editor: a batch in progress edited cell by cell and saved back.
#include "AppHarness.h"
#include "DataFixture.h"
#include "MessageScript.h"
#include "RecordScreens.h"
#include "ShownCells.h"
#include "TestMain.h"
#include "screens/records/ExistingInventory2.h"
#include "store/Clock.h"
#include "store/TextLines.h"
#include "widgets/CellEditor.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace records;
using store::BatchHeader;
using user::typeInCell;

namespace {

const QString kBatch = QStringLiteral("2026-000041");
const QString kActiveFile = QStringLiteral("Active Batches/2026-000041.txt");
const QString kCompletedFile = QStringLiteral("Completed Batches/2026-000041.txt");

enum Col
{
    Day,
    Due,
    Action,
    Amount,
    Measurement,
    Notes,
    Completed
};

// Three actions, the first already done, and a full header.
store::BatchFile shopBatch()
{
    store::BatchFile batch = sampleBatch(3, QStringLiteral("Ann Smith"));
    const QStringList values{"Ann Smith", "12 Vine St", "Kelowna",    "BC",          "V1Y 1A1",
                             "555-0101",  "555-0102",   "ann@x.test", "ID-7",        "SN-9",
                             "Merlot",    "Red",        "2026",       "Fresh juice", "Okanagan",
                             "23 L",      "$120.00",    "Joe",        "12/1/2026"};
    for (int line = 0; line < values.size(); ++line)
        batch.header.lines[line] = values.at(line);
    batch.records[0].Amount = QStringLiteral("5 g");
    batch.records[0].Measurement = QStringLiteral("SG 1.090");
    batch.records[0].Notes = QStringLiteral("started warm");
    batch.records[0].DateCompleted = longDate(2026, 12, 1);
    return batch;
}

struct Shop
{
    DataFixture fx;
    Shop(const store::BatchFile& batch = shopBatch())
    {
        writeShopRecipe(fx);
        fx.writeBatch(kBatch, batch);
    }
    QByteArray expected(const QVector<store::ActionRecord>& records) const
    {
        store::BatchFile batch = shopBatch();
        batch.records = records;
        return store::encodeLines(store::batchToLines(batch));
    }
};

store::ActionRecord record(const QString& day, const QString& due, const QString& action,
                           const QString& completed = QString())
{
    store::ActionRecord r;
    r.DayNumber = day;
    r.DueDate = due;
    r.Action = action;
    r.DateCompleted = completed;
    return r;
}

QLineEdit* overlay(AppHarness& app)
{
    return app.control<QLineEdit>(QStringLiteral("Text1"));
}

QString hint(AppHarness& app)
{
    return app.control<QLabel>(QStringLiteral("Label4"))->text();
}

screens::ExistingInventory2* editor(AppHarness& app)
{
    return qobject_cast<screens::ExistingInventory2*>(app.visible());
}

// How an edit is stored: a click on another cell, Return or Tab.
constexpr int Click = 0;
constexpr int Enter = 1;
constexpr int Tab = 2;

const QString kEditHint = QStringLiteral("Double Click in any Cell to edit the item.");
const QString kAcceptHint = QStringLiteral("Single click off that Cell to accept the change.");
const QString kSaveQuestion = QStringLiteral("Are you sure you want to save the changes ?");
const QString kDeleteQuestion = QStringLiteral("Are you sure you want to Delete the Row ?");
const QString kLeaveQuestion = QStringLiteral(
    "The changes made on this screen have not been saved.\n\nDo you want to leave without "
    "saving them?");

} // namespace

class TestBatchEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void showsTheHeaderAndTheActionsAsStored();
    void batchWithoutActionsShowsTheHeaderRowOnly();
    void datesAreNormalisedWhenCommitted_data();
    void datesAreNormalisedWhenCommitted();
    void escapeRestoresAndDownOnTheLastRowStaysOpen();
    void insertingRowsKeepsTheViewAndEveryRowsColour();
    void deletedRowIsDroppedBySave();
    void saveWithoutChangesRewritesTheSameBytes();
    void saveCommitsTheEditStillOpenInTheFirstCell();
    void completingTheLastActionArchivesTheBatch();
    void onlyTheLastActionDecidesTheMove();
    void saveAnsweredNoAndQuitWriteNothing();
    void failedSaveLeavesTheFileAndKeepsTheEdits_data();
    void failedSaveLeavesTheFileAndKeepsTheEdits();
    void damagedBatchIsNotOpened();
    void tagReprintTakesTheGridAsItStands();
    void tabInTheBoxStoresAndMovesOn_data();
    void tabInTheBoxStoresAndMovesOn();
    void committedDatesShowWhole();
    void headingsAndDaysStayInViewWhenScrolled();
};

void TestBatchEditor::cleanup()
{
    store::setWriteFaultHook(nullptr);
    AppHarness::settle();
}

void TestBatchEditor::showsTheHeaderAndTheActionsAsStored()
{
    Shop shop;
    MessageScript script;
    AppHarness app(shop.fx);
    QVERIFY(openEditor(app, kBatch));

    QCOMPARE(app.visible()->windowTitle(), QStringLiteral("Vintrelo"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("Label2"))->text(),
             QStringLiteral("Existing Batch"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("BatchID_Label"))->text(), kBatch);
    QCOMPARE(hint(app), kEditHint);
    QVERIFY(overlay(app)->isHidden());
    QCOMPARE(app.control<QPushButton>(QStringLiteral("CommandButton2"))->text(),
             QStringLiteral("Save && Go Back"));
    QCOMPARE(app.control<QPushButton>(QStringLiteral("CommandButton3"))->text(),
             QStringLiteral("Insert New Row"));
    QCOMPARE(app.control<QPushButton>(QStringLiteral("CommandButton4"))->text(),
             QStringLiteral("Delete Row"));
    QCOMPARE(app.control<QPushButton>(QStringLiteral("CommandButton5"))->text(),
             QStringLiteral("Print Carboy Tag"));
    QCOMPARE(app.control<QPushButton>(QStringLiteral("CommandButton1"))->text(),
             QStringLiteral("Quit && Go Back"));
    const QStringList labels{
        "Name_Label",      "Address_Label", "City_Label",    "Province_Label", "PostalCode_Label",
        "Phone1_Label",    "Phone2_Label",  "email_Label",   "OtherID_Label",  "SerialNumber_Label",
        "Variety_Label",   "Colour_Label",  "Vintage_Label", "MustType_Label", "Source_Label",
        "BatchSize_Label", "Cost_Label",    "Vintner_Label", "StartDate_Label"};
    const store::BatchFile batch = shopBatch();
    for (int line = 0; line < labels.size() - 1; ++line)
        QCOMPARE(app.control<QLabel>(labels.at(line))->text(), batch.header.lines.at(line));
    // Stored as "12/1/2026", shown in this PC's long form like every other date.
    QCOMPARE(app.control<QLabel>(QStringLiteral("StartDate_Label"))->text(), longDate(2026, 12, 1));

    widgets::Grid* actions = grid(app);
    QCOMPARE(actions->rows(), 4);
    QCOMPARE(actions->cols(), 7);
    const QStringList headers{"Day #",       "Due Date", "Action",        "Amount",
                              "Measurement", "Notes",    "Date Completed"};
    // 800, 2600, 5000, 4000, 4000, 6000 and 2600 twips, 15 to a pixel.
    const QList<int> widths{53, 173, 333, 267, 267, 400, 173};
    for (int col = 0; col < 7; ++col) {
        QCOMPARE(actions->textAt(0, col), headers.at(col));
        // Only the day and the two date columns widen, so no date is cut short.
        if (col == Day || col == Due || col == 6)
            QVERIFY(actions->columnWidth(col) >= widths.at(col));
        else
            QCOMPARE(actions->columnWidth(col), widths.at(col));
    }
    QVERIFY(actions->columnWidth(Due) >
            actions->fontMetrics().horizontalAdvance(longDate(2026, 12, 1)));
    QCOMPARE(actions->textAt(1, Day), QStringLiteral("1"));
    QCOMPARE(actions->textAt(1, Due), longDate(2026, 12, 1));
    QCOMPARE(actions->textAt(1, Measurement), QStringLiteral("SG 1.090"));
    QCOMPARE(actions->textAt(1, Completed), longDate(2026, 12, 1));
    QCOMPARE(actions->textAt(3, Day), QStringLiteral("15"));
    QCOMPARE(actions->textAt(3, Action), QStringLiteral("Step 3"));
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignVCenter;
    const QList<Qt::Alignment> aligned{centre, left, left, centre, centre, left, left};
    for (int col = 0; col < 7; ++col)
        QCOMPARE(actions->alignmentAt(2, col), aligned.at(col));
    // Only the completed action's due date is marked.
    QCOMPARE(actions->backgroundAt(1, Due), QColor(0, 255, 0));
    for (int row = 1; row < 4; ++row) {
        for (int col = 0; col < 7; ++col) {
            if (row != 1 || col != Due)
                QVERIFY(!actions->backgroundAt(row, col).isValid());
        }
    }
    // The day numbers cannot be edited.
    doubleClickCell(actions, 2, Day);
    QVERIFY(overlay(app)->isHidden());
    QVERIFY(script.shown().isEmpty());
}

void TestBatchEditor::batchWithoutActionsShowsTheHeaderRowOnly()
{
    Shop shop(sampleBatch(0));
    MessageScript script;
    AppHarness app(shop.fx);
    QVERIFY(openEditor(app, kBatch));
    QCOMPARE(grid(app)->rows(), 1);

    // A new row can still be added, and becomes the current row.
    QVERIFY(app.click(QStringLiteral("CommandButton3")));
    QCOMPARE(grid(app)->rows(), 2);
    QCOMPARE(grid(app)->row(), 1);
    typeInCell(app, 1, Due, QStringLiteral("12/24/2026"));
    QTest::keyClick(overlay(app), Qt::Key_Tab); // away, but still open
    typeInCell(app, 1, Action, QStringLiteral("Taste it"));
    QTest::keyClick(overlay(app), Qt::Key_Return);
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));
    store::BatchFile expected = sampleBatch(0);
    expected.records << record(QString(), longDate(2026, 12, 24), QStringLiteral("Taste it"));
    QCOMPARE(shop.fx.bytes(kActiveFile), store::encodeLines(store::batchToLines(expected)));
}

void TestBatchEditor::datesAreNormalisedWhenCommitted_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");        // that stores the cell
    QTest::addColumn<QString>("stored"); // empty when refused: the cell keeps what it held
    // Typed on December 9, 2026.
    const QString march4 = QStringLiteral("Wednesday, March 4, 2026");
    const QString refused;
    QTest::newRow("due short date, leave") << int(Due) << "3/4/2026" << Click << march4;
    QTest::newRow("due short date, enter") << int(Due) << "3/4/2026" << Enter << march4;
    QTest::newRow("due two-digit year") << int(Due) << "3/4/26" << Click << march4;
    QTest::newRow("due no weekday") << int(Due) << "March 4, 2026" << Enter << march4;
    QTest::newRow("due not a date, leave") << int(Due) << "next week" << Click << refused;
    QTest::newRow("due not a date, enter") << int(Due) << "tomorrow" << Enter << refused;
    QTest::newRow("due day first on an English PC") << int(Due) << "25/12/2026" << Click << refused;
    QTest::newRow("due emptied, leave") << int(Due) << "" << Click << refused;
    QTest::newRow("due emptied, enter") << int(Due) << "" << Enter << refused;
    QTest::newRow("due not a date, tab") << int(Due) << "soon" << Tab << refused;
    QTest::newRow("due short date, tab") << int(Due) << "3/4/2026" << Tab << march4;
    QTest::newRow("due year 9999 and beyond") << int(Due) << "1/1/10000" << Enter << refused;
    QTest::newRow("done short date, leave") << int(Completed) << "3/4/2026" << Click << march4;
    QTest::newRow("done short date, enter") << int(Completed) << "3/4/2026" << Enter << march4;
    QTest::newRow("done not a date, leave") << int(Completed) << "yes" << Click << refused;
    QTest::newRow("done not a date, enter") << int(Completed) << "nonsense" << Enter << refused;
    // An empty completion date is an action still to do, whichever key stores it.
    QTest::newRow("done a blank, leave") << int(Completed) << " " << Click << "";
    QTest::newRow("done emptied, leave") << int(Completed) << "" << Click << "";
    QTest::newRow("done emptied, enter") << int(Completed) << "" << Enter << "";
    // Dates as people type them; without a year, the nearest such day.
    const QString christmas = QStringLiteral("Friday, December 25, 2026");
    QTest::newRow("due day first") << int(Due) << "25 December 2026" << Click << christmas;
    QTest::newRow("due day first, hyphens") << int(Due) << "25-Dec-2026" << Enter << christmas;
    QTest::newRow("due ISO") << int(Due) << "2026-12-25" << Enter << christmas;
    QTest::newRow("due without year, next spring")
        << int(Due) << "March 4" << Click << "Thursday, March 4, 2027";
    QTest::newRow("due without year, past the year end")
        << int(Due) << "Jan 2" << Enter << "Saturday, January 2, 2027";
    QTest::newRow("due without year, last summer")
        << int(Due) << "Jul 1" << Enter << "Wednesday, July 1, 2026";
    QTest::newRow("due month/day") << int(Due) << "12/25" << Enter << christmas;
    QTest::newRow("done day first") << int(Completed) << "25 Dec 2026" << Click << christmas;
    QTest::newRow("done without year") << int(Completed) << "Dec 25" << Enter << christmas;
    QTest::newRow("done month/day") << int(Completed) << "12/25" << Click << christmas;
    // December 7, 2026 is a Monday: not a date, so never stored as one.
    QTest::newRow("due wrong weekday")
        << int(Due) << "Tuesday, December 7, 2026" << Click << refused;
    QTest::newRow("done wrong weekday")
        << int(Completed) << "Tuesday, December 7, 2026" << Enter << refused;
    QTest::newRow("notes keep a date as typed") << int(Notes) << "3/4/2026" << Click << "3/4/2026";
    QTest::newRow("amount kept as typed") << int(Amount) << " 5 g " << Enter << " 5 g ";
}

void TestBatchEditor::datesAreNormalisedWhenCommitted()
{
    QFETCH(int, col);
    QFETCH(QString, typed);
    QFETCH(int, key);
    const bool byEnter = key != Click;
    QFETCH(QString, stored);
    const bool refused = stored.isEmpty() && !(col == Completed && typed.trimmed().isEmpty());
    Shop shop;
    MessageScript script;
    AppHarness app(shop.fx);
    QVERIFY(openEditor(app, kBatch));
    store::Clock::setFixedToday(QDate(2026, 12, 9));

    widgets::Grid* actions = grid(app);
    const QString held = actions->textAt(2, col);
    const QString neighbour = actions->textAt(3, col);
    typeInCell(app, 2, col, typed);
    QCOMPARE(hint(app), kAcceptHint);
    if (byEnter) {
        QTest::keyClick(overlay(app), key == Tab ? Qt::Key_Tab : Qt::Key_Return);
        if (key == Tab && !refused) {
            QCOMPARE(actions->col(), col + 1); // on to the next cell, its box open
            QTest::keyClick(overlay(app), Qt::Key_Escape);
            QCOMPARE(actions->textAt(2, col), stored);
            return;
        }
        QCOMPARE(actions->row(), 2);
        QCOMPARE(hint(app), kAcceptHint); // until a cell is next left
        // Refused on Enter or Tab, the box stays open with the text to put right.
        QCOMPARE(overlay(app)->isVisible(), refused);
        if (refused) {
            QCOMPARE(overlay(app)->text(), typed);
            QTest::keyClick(overlay(app), Qt::Key_Escape);
        }
    } else {
        clickCell(actions, 3, col);
        QCOMPARE(hint(app), kEditHint);
        QCOMPARE(actions->alignmentAt(2, col), actions->alignmentAt(1, col));
    }
    QVERIFY(overlay(app)->isHidden());
    QCOMPARE(actions->textAt(2, col), refused ? held : stored);
    QCOMPARE(actions->textAt(3, col), neighbour);
    if (!refused) {
        QVERIFY(script.shown().isEmpty());
        return;
    }
    // Refused where it was typed, naming the cell and the text; nothing became today.
    QCOMPARE(script.shown().size(), 1);
    const QString message = script.shown().constFirst().text;
    QVERIFY2(message.contains(QStringLiteral("in row 2")) ||
                 message.contains(QStringLiteral("of row 2")),
             qPrintable(message));
    QVERIFY2(message.contains(typed), qPrintable(message));
    QVERIFY2(message.contains(held.isEmpty() ? QStringLiteral("stays empty") : held),
             qPrintable(message));
}

void TestBatchEditor::escapeRestoresAndDownOnTheLastRowStaysOpen()
{
    Shop shop;
    MessageScript script;
    AppHarness app(shop.fx);
    QVERIFY(openEditor(app, kBatch));
    widgets::Grid* actions = grid(app);

    typeInCell(app, 2, Notes, QStringLiteral("spilled"));
    QTest::keyClick(overlay(app), Qt::Key_Escape);
    QVERIFY(overlay(app)->isHidden());
    QCOMPARE(actions->textAt(2, Notes), QString());
    QVERIFY(actions->hasFocus());

    typeInCell(app, 3, Notes, QStringLiteral("racked twice"));
    QTest::keyClick(overlay(app), Qt::Key_Down);
    QCOMPARE(actions->row(), 3);
    QCOMPARE(actions->rows(), 4);
    QVERIFY(overlay(app)->isVisible());
    QCOMPARE(overlay(app)->text(), QStringLiteral("racked twice"));
    QCOMPARE(actions->textAt(3, Notes), QString());

    // Up from the last row moves on, storing the note in the row it was typed on.
    QTest::keyClick(actions, Qt::Key_Up);
    QCOMPARE(actions->textAt(3, Notes), QStringLiteral("racked twice"));
    QCOMPARE(actions->textAt(2, Notes), QString());
    QCOMPARE(actions->row(), 2);

    // Down in the overlay walks on and stores each edit where it was made.
    typeInCell(app, 1, Action, QStringLiteral("Add yeast"));
    QTest::keyClick(overlay(app), Qt::Key_Down);
    QCOMPARE(actions->row(), 2);
    QCOMPARE(actions->textAt(1, Action), QStringLiteral("Add yeast"));
    QCOMPARE(actions->textAt(2, Action), QStringLiteral("Step 2"));
}

void TestBatchEditor::insertingRowsKeepsTheViewAndEveryRowsColour()
{
    Shop shop;
    MessageScript script;
    AppHarness app(shop.fx);
    QVERIFY(openEditor(app, kBatch));
    widgets::Grid* actions = grid(app);

    // In the middle: the blank row takes the current row's place and becomes
    // current; the view stays where it was.
    clickCell(actions, 1, Action);
    const int scrolled = actions->horizontalScrollBar()->value();
    QVERIFY(app.click(QStringLiteral("CommandButton3")));
    QCOMPARE(actions->rows(), 5);
    for (int col = 0; col < 7; ++col)
        QCOMPARE(actions->textAt(1, col), QString());
    QCOMPARE(actions->textAt(2, Day), QStringLiteral("1"));
    QCOMPARE(actions->textAt(2, Notes), QStringLiteral("started warm"));
    QCOMPARE(actions->textAt(2, Completed), longDate(2026, 12, 1));
    QCOMPARE(actions->textAt(3, Action), QStringLiteral("Step 2"));
    QCOMPARE(actions->textAt(4, Action), QStringLiteral("Step 3"));
    QCOMPARE(actions->row(), 1);
    QCOMPARE(actions->col(), int(Action));
    QCOMPARE(actions->horizontalScrollBar()->value(), scrolled);
    // The completed mark moved with its row.
    QVERIFY(!actions->backgroundAt(1, Due).isValid());
    QCOMPARE(actions->backgroundAt(2, Due), QColor(0, 255, 0));

    // At the last row: appended below it, and current.
    clickCell(actions, 4, Notes);
    QVERIFY(app.click(QStringLiteral("CommandButton3")));
    QCOMPARE(actions->rows(), 6);
    QCOMPARE(actions->textAt(4, Action), QStringLiteral("Step 3"));
    QCOMPARE(actions->textAt(5, Action), QString());
    QCOMPARE(actions->row(), 5);
    QCOMPARE(actions->col(), int(Notes));

    // An edit open when inserting moves down with its row.
    typeInCell(app, 3, Notes, QStringLiteral("open edit"));
    QVERIFY(app.click(QStringLiteral("CommandButton3")));
    QVERIFY(overlay(app)->isHidden());
    QCOMPARE(actions->textAt(3, Notes), QString());
    QCOMPARE(actions->textAt(4, Notes), QStringLiteral("open edit"));
    QCOMPARE(actions->textAt(4, Action), QStringLiteral("Step 2"));

    // Blank rows, and a row with an action but no due date, are not saved: the
    // latter only once the user agrees, named by its row.
    typeInCell(app, 3, Action, QStringLiteral("no date given"));
    script.answer(0).answer(1);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory2"));
    QVERIFY(script.texts().last().contains(QStringLiteral("these rows hold something: 3.")));
    script.answer(0).answer(0);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));
    store::BatchFile saved = shopBatch();
    saved.records[1].Notes = QStringLiteral("open edit");
    QCOMPARE(shop.fx.bytes(kActiveFile), store::encodeLines(store::batchToLines(saved)));
    QVERIFY(!shop.fx.exists(QStringLiteral("Active Batches/temp.txt")));
}

void TestBatchEditor::deletedRowIsDroppedBySave()
{
    Shop shop;
    MessageScript script;
    AppHarness app(shop.fx);
    QVERIFY(openEditor(app, kBatch));
    widgets::Grid* actions = grid(app);

    clickCell(actions, 2, Notes);
    script.answer(1); // No: nothing happens
    QVERIFY(app.click(QStringLiteral("CommandButton4")));
    QCOMPARE(actions->textAt(2, Action), QStringLiteral("Step 2"));
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("CommandButton4")));
    QCOMPARE(script.texts(), (QStringList{kDeleteQuestion, kDeleteQuestion}));
    QCOMPARE(script.shown().at(0).kind, widgets::Messages::Shown::Question);
    QCOMPARE(actions->rows(), 4); // blanked, not removed
    for (int col = 0; col < 7; ++col)
        QCOMPARE(actions->textAt(2, col), QString());
    QCOMPARE(actions->textAt(3, Action), QStringLiteral("Step 3"));
    QCOMPARE(QPoint(actions->row(), actions->col()), QPoint(2, int(Notes)));

    script.answer(0);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(script.texts().last(), kSaveQuestion);
    const store::BatchFile batch = shopBatch();
    QCOMPARE(shop.fx.bytes(kActiveFile), shop.expected({batch.records[0], batch.records[2]}));
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));
}

void TestBatchEditor::saveWithoutChangesRewritesTheSameBytes()
{
    // Stored with a capital extension, and a completion date in long form.
    Shop shop;
    QVERIFY(QFile::rename(shop.fx.path(kActiveFile),
                          shop.fx.path(QStringLiteral("Active Batches/2026-000041.TXT"))));
    const auto before = shop.fx.snapshot();
    MessageScript script;
    script.answer(0);
    AppHarness app(shop.fx);
    QVERIFY(openEditor(app, kBatch));
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));
    QCOMPARE(shop.fx.snapshot(), before);
    QVERIFY(script.unexpected().isEmpty());
}

void TestBatchEditor::saveCommitsTheEditStillOpenInTheFirstCell()
{
    Shop shop;
    MessageScript script;
    AppHarness app(shop.fx);
    QVERIFY(openEditor(app, kBatch));
    QCOMPARE(grid(app)->row(), 1);
    typeInCell(app, 1, Due, QStringLiteral("12/2/2026"));
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));
    store::BatchFile batch = shopBatch();
    batch.records[0].DueDate = longDate(2026, 12, 2);
    QCOMPARE(shop.fx.bytes(kActiveFile), store::encodeLines(store::batchToLines(batch)));
}

void TestBatchEditor::completingTheLastActionArchivesTheBatch()
{
    Shop shop;
    shop.fx.writeBatch(QStringLiteral("2026-000040"), sampleBatch(1, QStringLiteral("Other")));
    const QByteArray otherBefore = shop.fx.bytes(QStringLiteral("Active Batches/2026-000040.txt"));
    MessageScript script;
    AppHarness app(shop.fx);
    QVERIFY(openEditor(app, kBatch));
    typeInCell(app, 3, Amount, QStringLiteral("6 bottles"));
    typeInCell(app, 3, Completed, QStringLiteral("12/20/26"));
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));

    QVERIFY(!shop.fx.exists(kActiveFile));
    store::BatchFile batch = shopBatch();
    batch.records[2].Amount = QStringLiteral("6 bottles");
    batch.records[2].DateCompleted = longDate(2026, 12, 20);
    QCOMPARE(shop.fx.bytes(kCompletedFile), store::encodeLines(store::batchToLines(batch)));
    QCOMPARE(shop.fx.bytes(QStringLiteral("Active Batches/2026-000040.txt")), otherBefore);
    QVERIFY(!shop.fx.exists(QStringLiteral("Active Batches/temp.txt")));

    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));
    QCOMPARE(listRowOf(grid(app), kBatch), -1);
    QCOMPARE(listRowOf(grid(app), QStringLiteral("2026-000040")), 1);
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QVERIFY(app.click(QStringLiteral("CommandButton6")));
    QCOMPARE(listRowOf(grid(app), kBatch), 1);
    QVERIFY(script.unexpected().isEmpty());
}

void TestBatchEditor::onlyTheLastActionDecidesTheMove()
{
    {
        // Every action but the last done: stays in progress.
        store::BatchFile batch = shopBatch();
        batch.records[1].DateCompleted = longDate(2026, 12, 8);
        Shop shop(batch);
        MessageScript script;
        script.answer(0);
        AppHarness app(shop.fx);
        QVERIFY(openEditor(app, kBatch));
        QVERIFY(app.click(QStringLiteral("CommandButton2")));
        QVERIFY(shop.fx.exists(kActiveFile));
        QVERIFY(!shop.fx.exists(kCompletedFile));
    }
    {
        // The last action done and the open one deleted: archived.
        store::BatchFile batch = shopBatch();
        batch.records[1].DateCompleted = longDate(2026, 12, 8);
        Shop shop(batch);
        MessageScript script;
        AppHarness app(shop.fx);
        QVERIFY(openEditor(app, kBatch));
        clickCell(grid(app), 3, Action);
        script.answer(0).answer(0);
        QVERIFY(app.click(QStringLiteral("CommandButton4")));
        QVERIFY(app.click(QStringLiteral("CommandButton2")));
        QVERIFY(!shop.fx.exists(kActiveFile));
        QCOMPARE(shop.fx.bytes(kCompletedFile),
                 shop.expected({batch.records[0], batch.records[1]}));
    }
}

void TestBatchEditor::saveAnsweredNoAndQuitWriteNothing()
{
    Shop shop;
    const auto before = shop.fx.snapshot();
    MessageScript script;
    AppHarness app(shop.fx);
    QVERIFY(openEditor(app, kBatch));
    typeInCell(app, 2, Completed, QStringLiteral("12/8/2026"));
    clickCell(grid(app), 1, Notes);
    // No to saving, then yes to leaving without the change.
    script.answer(1).answer(0);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(script.texts(), (QStringList{kSaveQuestion, kLeaveQuestion}));
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));
    QCOMPARE(shop.fx.snapshot(), before);

    doubleClickCell(grid(app), 1, 1);
    typeInCell(app, 3, Completed, QStringLiteral("12/8/2026"));
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));
    QCOMPARE(script.texts().mid(2), QStringList{kLeaveQuestion});
    QCOMPARE(shop.fx.snapshot(), before);
    QVERIFY(script.unexpected().isEmpty());
}

void TestBatchEditor::failedSaveLeavesTheFileAndKeepsTheEdits_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("named"); // what the message must name
    QTest::newRow("file gone") << "gone" << kBatch;
    QTest::newRow("file shortened") << "short" << kBatch;
    QTest::newRow("changed on another computer")
        << "changed" << QStringLiteral("Batch 2026-000041 was changed on another computer");
    QTest::newRow("cut inside an action") << "cut" << kBatch;
    QTest::newRow("scratch file cannot be written") << "scratch" << kBatch;
    QTest::newRow("rename refused") << "rename" << kBatch;
    QTest::newRow("already archived under that name") << "archived"
                                                      << "Completed Batches";
}

void TestBatchEditor::failedSaveLeavesTheFileAndKeepsTheEdits()
{
    QFETCH(QString, fault);
    QFETCH(QString, named);
    Shop shop;
    MessageScript script;
    AppHarness app(shop.fx);
    QVERIFY(openEditor(app, kBatch));
    typeInCell(app, 3, Completed, QStringLiteral("12/20/2026"));
    clickCell(grid(app), 2, Notes);

    // Something happens to the files while the editor is open.
    const QStringList lines = store::batchToLines(shopBatch());
    if (fault == QLatin1String("gone"))
        QVERIFY(QFile::remove(shop.fx.path(kActiveFile)));
    else if (fault == QLatin1String("short"))
        shop.fx.writeLines(kActiveFile, lines.mid(0, 25));
    else if (fault == QLatin1String("cut"))
        shop.fx.writeLines(kActiveFile, lines.mid(0, lines.size() - 3));
    else if (fault == QLatin1String("scratch"))
        store::setWriteFaultHook([](store::WriteStep step, const QString&) {
            return step != store::WriteStep::WriteScratch;
        });
    else if (fault == QLatin1String("rename"))
        store::setWriteFaultHook(
            [](store::WriteStep step, const QString&) { return step != store::WriteStep::Rename; });
    else if (fault == QLatin1String("changed")) {
        // Another PC completed the second action meanwhile: that must not be lost.
        store::BatchFile changed = shopBatch();
        changed.records[1].Notes = QStringLiteral("racked on the other PC");
        changed.records[1].DateCompleted = longDate(2026, 12, 5);
        shop.fx.writeBatch(kBatch, changed);
    } else if (fault == QLatin1String("archived"))
        shop.fx.writeBatch(kBatch, sampleBatch(1, QStringLiteral("Older Namesake")),
                           QStringLiteral("Completed Batches"));
    const auto before = shop.fx.snapshot();

    script.answer(0).answer(0);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(script.shown().size(), 2);
    QCOMPARE(script.shown().at(1).kind, widgets::Messages::Shown::Warning);
    QVERIFY2(script.texts().at(1).contains(named), qPrintable(script.texts().at(1)));
    QCOMPARE(shop.fx.snapshot(), before);
    QVERIFY(!shop.fx.exists(QStringLiteral("Active Batches/temp.txt")));

    // Still in the editor, with what was typed.
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory2"));
    QCOMPARE(grid(app)->textAt(3, Completed), longDate(2026, 12, 20));
    store::setWriteFaultHook(nullptr);
}

void TestBatchEditor::damagedBatchIsNotOpened()
{
    Shop shop;
    const QStringList lines = store::batchToLines(shopBatch());
    shop.fx.writeLines(kActiveFile, lines.mid(0, 30));
    const auto before = shop.fx.snapshot();
    MessageScript script;
    script.answer(0);
    AppHarness app(shop.fx);
    QVERIFY(openActiveList(app));
    doubleClickCell(grid(app), 1, 2);
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().at(0).contains(QStringLiteral("2026-000041.txt")));
    QCOMPARE(shop.fx.snapshot(), before);

    // Gone between the list and the editor: the same refusal.
    QVERIFY(QFile::remove(shop.fx.path(kActiveFile)));
    script.answer(0);
    app.state().SelectedBatchID = kBatch;
    app.shell().switchScreen<screens::ExistingInventory2>(app.visible());
    AppHarness::settle();
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));
    QCOMPARE(script.shown().size(), 2);
    QVERIFY(script.texts().at(1).contains(kBatch));
    QCOMPARE(app.visibleWindowCount(), 1);

    // Finished on another PC meanwhile: said so, and the list is read again.
    shop.fx.writeBatch(kBatch, shopBatch(), QStringLiteral("Completed Batches"));
    script.answer(0);
    app.shell().switchScreen<screens::ExistingInventory2>(app.visible());
    AppHarness::settle();
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));
    QCOMPARE(script.shown().size(), 3);
    QCOMPARE(script.texts().at(2),
             QStringLiteral("Batch %1 was finished on another computer since the list was "
                            "shown and is now among the completed batches. Nothing was changed.")
                 .arg(kBatch));
    for (int row = 1; row < grid(app)->rows(); ++row) {
        for (int col = 0; col < grid(app)->cols(); ++col)
            QVERIFY(grid(app)->textAt(row, col) != kBatch);
    }
}

void TestBatchEditor::tagReprintTakesTheGridAsItStands()
{
    Shop shop;
    const auto before = shop.fx.snapshot();
    MessageScript script;
    AppHarness app(shop.fx);
    QVERIFY(openEditor(app, kBatch));
    clickCell(grid(app), 2, Action);
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("CommandButton4")));    // blank row 2
    typeInCell(app, 3, Action, QStringLiteral("Bottle it")); // still open

    const print::TagData tag = editor(app)->carboyTagData();
    QVERIFY(overlay(app)->isHidden());
    QCOMPARE(tag.batchId, kBatch);
    QCOMPARE(tag.startDate, longDate(2026, 12, 1));
    QCOMPARE(tag.customerName, QStringLiteral("Ann Smith"));
    QCOMPARE(tag.address, QStringLiteral("12 Vine St"));
    QCOMPARE(tag.phone1, QStringLiteral("555-0101"));
    QCOMPARE(tag.otherId, QStringLiteral("ID-7"));
    QCOMPARE(tag.serialNumber, QStringLiteral("SN-9"));
    QCOMPARE(tag.variety, QStringLiteral("Merlot"));
    QCOMPARE(tag.colour, QStringLiteral("Red"));
    QCOMPARE(tag.mustType, QStringLiteral("Fresh juice"));
    QCOMPARE(tag.batchSize, QStringLiteral("23 L"));
    QCOMPARE(tag.schedule.size(), 3);
    QCOMPARE(tag.schedule[0].dueDate, longDate(2026, 12, 1));
    QCOMPARE(tag.schedule[0].action, QStringLiteral("Step 1"));
    QVERIFY(tag.schedule[0].completed);
    QCOMPARE(tag.schedule[1].dueDate, QString());
    QCOMPARE(tag.schedule[1].action, QString());
    QVERIFY(!tag.schedule[1].completed);
    QCOMPARE(tag.schedule[2].action, QStringLiteral("Bottle it"));
    QVERIFY(!tag.schedule[2].completed);

    // Printing itself saves nothing, whatever the printer says.
    script.clear();
    QVERIFY(app.click(QStringLiteral("CommandButton5")));
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory2"));
    QCOMPARE(shop.fx.snapshot(), before);
    QCOMPARE(grid(app)->textAt(3, Action), QStringLiteral("Bottle it"));
}

void TestBatchEditor::tabInTheBoxStoresAndMovesOn_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QPoint>("next"); // row, column
    QTest::newRow("Tab from an action") << int(Action) << false << "Rack"
                                        << "Rack" << QPoint(2, Amount);
    QTest::newRow("Shift+Tab from an amount") << int(Amount) << true << "5 g"
                                              << "5 g" << QPoint(2, Action);
    // Leaving by Tab is leaving the cell: an emptied completion date stays empty.
    QTest::newRow("Tab from an emptied completion date") << int(Completed) << false << ""
                                                         << "" << QPoint(3, Due);
    QTest::newRow("Shift+Tab from a due date, into the row above")
        << int(Due) << true << "3/4/2026"
        << "Wednesday, March 4, 2026" << QPoint(1, Completed);
}

void TestBatchEditor::tabInTheBoxStoresAndMovesOn()
{
    QFETCH(int, col);
    QFETCH(bool, backwards);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QPoint, next);
    Shop shop;
    MessageScript script;
    AppHarness app(shop.fx);
    QVERIFY(openEditor(app, kBatch));
    QVERIFY(QTest::qWaitForWindowActive(app.visible()));
    widgets::Grid* actions = grid(app);

    typeInCell(app, 2, col, typed);
    if (backwards)
        QTest::keyClick(overlay(app), Qt::Key_Tab, Qt::ShiftModifier);
    else
        QTest::keyClick(overlay(app), Qt::Key_Tab);
    QCOMPARE(actions->textAt(2, col), stored);
    QCOMPARE(QPoint(actions->row(), actions->col()), next);

    // Editing goes on in the next cell: what is typed next lands there, not on
    // "Insert New Row", where a blank would have inserted a row.
    QVERIFY(!overlay(app)->isHidden());
    QCOMPARE(QApplication::focusWidget(), overlay(app));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("more "));
    QCOMPARE(overlay(app)->text(), QStringLiteral("more "));
    QTest::keyClick(overlay(app), Qt::Key_Escape);
    QVERIFY(overlay(app)->isHidden());
    QCOMPARE(actions->rows(), 4);
    QCOMPARE(actions->textAt(2, col), stored);
    QVERIFY(script.shown().isEmpty());
}

void TestBatchEditor::committedDatesShowWhole()
{
    Shop shop;
    MessageScript script;
    AppHarness app(shop.fx);
    QVERIFY(openEditor(app, kBatch));
    store::Clock::setFixedToday(QDate(2026, 12, 9));
    widgets::Grid* actions = grid(app);
    const QFontMetrics metrics(actions->font());

    // Longer than any date the batch was loaded with, in both date columns.
    const QString september30 = QStringLiteral("Wednesday, September 30, 2026");
    typeInCell(app, 2, Due, QStringLiteral("9/30/2026"));
    QTest::keyClick(overlay(app), Qt::Key_Return);
    typeInCell(app, 3, Completed, QStringLiteral("September 30, 2026"));
    clickCell(actions, 3, Action);
    for (const int col : {int(Due), int(Completed)}) {
        const int row = col == Due ? 2 : 3;
        QCOMPARE(actions->textAt(row, col), september30);
        QVERIFY2(actions->columnWidth(col) >
                     metrics.horizontalAdvance(september30) + 2 * metrics.averageCharWidth() - 1,
                 qPrintable(QString::number(col)));
    }
    QVERIFY(script.shown().isEmpty());
}

void TestBatchEditor::headingsAndDaysStayInViewWhenScrolled()
{
    // Thirty actions: more than the editor shows at once.
    store::BatchFile batch = shopBatch();
    for (int i = 3; i < 30; ++i)
        batch.records << record(QString::number(1 + 7 * i),
                                longDate(QDate(2026, 12, 1).addDays(7 * i)),
                                QStringLiteral("Step %1").arg(i + 1));
    Shop shop(batch);
    MessageScript script;
    AppHarness app(shop.fx);
    QVERIFY(openEditor(app, kBatch));
    widgets::Grid* actions = grid(app);
    actions->window()->resize(900, 600); // narrower than its columns: it scrolls both ways
    AppHarness::settle();
    actions->setFocus();
    const QRect corner = actions->cellRect(0, Day);

    QTest::keyClick(actions, Qt::Key_PageDown);
    QTest::keyClick(actions, Qt::Key_PageDown);
    QTest::keyClick(actions, Qt::Key_End);
    const int row = actions->row();
    QVERIFY(row > 10);
    QCOMPARE(actions->col(), int(Completed));
    QVERIFY(actions->verticalScrollBar()->value() > 0);
    QVERIFY(actions->horizontalScrollBar()->value() > 0);

    QCOMPARE(actions->cellRect(0, Day), corner);
    QCOMPARE(cellShownAt(*actions, corner.center()), actions->model()->index(0, Day));
    const QRect heading = actions->cellRect(0, Completed);
    QCOMPARE(heading.top(), corner.top());
    QCOMPARE(cellShownAt(*actions, heading.center()), actions->model()->index(0, Completed));
    const QRect day = actions->cellRect(row, Day);
    QCOMPARE(day.left(), corner.left());
    QCOMPARE(cellShownAt(*actions, day.center()), actions->model()->index(row, Day));

    // The box opened there lies over its cell, below the heading and beside the day.
    doubleClickCell(actions, row, Completed);
    QVERIFY(overlay(app)->isVisible());
    const QRect box = overlay(app)->geometry();
    QCOMPARE(box, actions->cellRect(row, Completed, overlay(app)->parentWidget()));
    QVERIFY(box.top() >= actions->mapTo(overlay(app)->parentWidget(), heading.bottomLeft()).y());
    QTest::keyClick(overlay(app), Qt::Key_Escape);
    QVERIFY(script.shown().isEmpty());
}

VINTRELO_TEST_MAIN(TestBatchEditor)
#include "tst_batch_editor.moc"
