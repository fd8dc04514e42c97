// "Find a Batch", scanning a tag's code, and exporting batches, worked as a
// person at the counter works them: keys typed and scanned, rows opened, "Go
// Back", and CSV files read back by a real CSV reader.
#include "AppHarness.h"
#include "CsvReadBack.h"
#include "DataFixture.h"
#include "MessageScript.h"
#include "ShopOfNames.h"
#include "TestMain.h"
#include "UserDriver.h"
#include "widgets/Grid.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

widgets::Grid* grid(AppHarness& app)
{
    return app.control<widgets::Grid>(QStringLiteral("Grid1"));
}

QLineEdit* searchBox(AppHarness& app)
{
    return app.control<QLineEdit>(QStringLiteral("Search_TextBox"));
}

// The identifiers and states listed, row by row.
QStringList listed(AppHarness& app)
{
    QStringList rows;
    widgets::Grid* g = grid(app);
    for (int row = 1; row < g->rows(); ++row) {
        if (!g->textAt(row, 0).isEmpty())
            rows << g->textAt(row, 0) + QLatin1Char(' ') + g->textAt(row, 4);
    }
    return rows;
}

// A USB scanner: the characters, then Return, a few milliseconds apart, to
// whatever has the focus.
void scan(const QString& text)
{
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target);
    QTest::keyClicks(target, text, Qt::NoModifier, 4);
    // Return's release reaches whatever has the focus once the press opened a batch.
    QTest::keyPress(target, Qt::Key_Return, Qt::NoModifier, 4);
    AppHarness::settle();
    if (QWidget* now = QApplication::focusWidget())
        QTest::keyRelease(now, Qt::Key_Return, Qt::NoModifier, 4);
    AppHarness::settle();
}

bool toMainMenu(AppHarness& app)
{
    app.start();
    return app.click(QStringLiteral("CommandButton2")) &&
           app.visibleName() == QStringLiteral("MainMenu") &&
           QTest::qWaitForWindowExposed(app.visible());
}

bool toFind(AppHarness& app)
{
    return toMainMenu(app) && app.click(QStringLiteral("FindBatch_Command")) &&
           app.visibleName() == QStringLiteral("FindBatch") &&
           QTest::qWaitForWindowExposed(app.visible());
}

QString shownId(AppHarness& app)
{
    auto* label = app.control<QLabel>(QStringLiteral("BatchID_Label"));
    return label ? label->text() : QString();
}

} // namespace

class TestFindScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }
    void findButtonComesBelowTheGivenOnes();
    void searchOpensEitherKindAndGoBackKeepsTheSearch();
    void scannedOnTheMainMenu_data();
    void scannedOnTheMainMenu();
    void mainMenuKeysStillPressButtons();
    void scannedOnTheFindScreen();
    void damagedBatchRefusesAndLeavesTheUserWhereTheyWere();
    void exportsReadBackWithAccentsQuotesAndCommas();
};

void TestFindScreen::findButtonComesBelowTheGivenOnes()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(toMainMenu(app));
    const QStringList given{"CommandButton2", "CommandButton3", "CommandButton1", "CommandButton6",
                            "CommandButton4", "CommandButton8", "CommandButton5", "CommandButton7"};
    int lastY = -1;
    for (const QString& name : given) {
        auto* button = app.control<QPushButton>(name);
        QVERIFY2(button && button->y() > lastY, qPrintable(name));
        lastY = button->y();
    }
    auto* find = app.control<QPushButton>(QStringLiteral("FindBatch_Command"));
    QVERIFY(find);
    QCOMPARE(find->text(), QStringLiteral("Find a Batch"));
    QVERIFY(find->y() > lastY);
    QVERIFY(app.click(QStringLiteral("FindBatch_Command")));
    QCOMPARE(app.visibleName(), QStringLiteral("FindBatch"));
    QCOMPARE(app.visible()->windowTitle(), QStringLiteral("Vintrelo - Find a Batch"));
    // An empty shop: nothing found, nothing to export, and back.
    user::type(app, QStringLiteral("Search_TextBox"), QStringLiteral("anything"));
    QCOMPARE(listed(app), QStringList());
    QVERIFY(!app.control<QPushButton>(QStringLiteral("Export_Command"))->isEnabled());
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QVERIFY(script.shown().isEmpty());
}

void TestFindScreen::searchOpensEitherKindAndGoBackKeepsTheSearch()
{
    DataFixture fx;
    shopofnames::writeShop(fx);
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(toFind(app));
    QCOMPARE(QApplication::focusWidget(), searchBox(app));

    // Typed key by key, the list narrows with every key.
    user::type(app, QStringLiteral("Search_TextBox"), QStringLiteral("2026"));
    QCOMPARE(listed(app).size(), 6);
    user::type(app, QStringLiteral("Search_TextBox"), QStringLiteral("MULLER"));
    QCOMPARE(listed(app), QStringList{QStringLiteral("2026-000001 In progress")});
    QCOMPARE(grid(app)->textAt(1, 1), QStringLiteral("Müller, Jürgen"));
    QCOMPARE(grid(app)->textAt(1, 2), QStringLiteral("Riesling"));
    QCOMPARE(grid(app)->textAt(1, 3), QStringLiteral("Tuesday, December 1, 2026"));

    // Return with one batch found opens it in the editor; its "Quit & Go Back"
    // returns to the same search.
    QTest::keyPress(searchBox(app), Qt::Key_Return);
    AppHarness::settle();
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory2"));
    QCOMPARE(shownId(app), QStringLiteral("2026-000001"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("FindBatch"));
    QCOMPARE(searchBox(app)->text(), QStringLiteral("MULLER"));
    QCOMPARE(listed(app), QStringList{QStringLiteral("2026-000001 In progress")});

    // A completed batch opens in the read-only view, by double-click.
    user::type(app, QStringLiteral("Search_TextBox"), QStringLiteral("six week"));
    QCOMPARE(listed(app), (QStringList{QStringLiteral("2026-000002 In progress"),
                                       QStringLiteral("2026-000004 In progress")}));
    user::type(app, QStringLiteral("Search_TextBox"), QStringLiteral("σοφια"));
    QCOMPARE(listed(app), QStringList{QStringLiteral("2026-000003 Completed")});
    user::doubleClickCell(grid(app), 1, 2);
    QCOMPARE(app.visibleName(), QStringLiteral("Completed2"));
    QCOMPARE(shownId(app), QStringLiteral("2026-000003"));
    // Closing it by its title bar goes back as its button does.
    app.visible()->close();
    AppHarness::settle();
    QCOMPARE(app.visibleName(), QStringLiteral("FindBatch"));
    QCOMPARE(searchBox(app)->text(), QStringLiteral("σοφια"));
    QCOMPARE(listed(app), QStringList{QStringLiteral("2026-000003 Completed")});

    // Several found: Return moves to the list, and Return there opens the row.
    user::type(app, QStringLiteral("Search_TextBox"), QStringLiteral("six week"));
    QTest::keyClick(searchBox(app), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), grid(app));
    QTest::keyClick(grid(app), Qt::Key_Down);
    QTest::keyPress(grid(app), Qt::Key_Return);
    AppHarness::settle();
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory2"));
    QCOMPARE(shownId(app), QStringLiteral("2026-000004"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("FindBatch"));

    // The lists still return to themselves.
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QVERIFY(app.click(QStringLiteral("CommandButton3")));
    user::doubleClickCell(grid(app), 1, 1);
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory2"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));
    QVERIFY(script.shown().isEmpty());
    QVERIFY(app.strayDialogs().isEmpty());
}

void TestFindScreen::scannedOnTheMainMenu_data()
{
    QTest::addColumn<QString>("scanned");
    QTest::addColumn<QString>("opens");
    QTest::addColumn<QString>("batchId");
    QTest::newRow("in progress") << "2026-000004"
                                 << "ExistingInventory2"
                                 << "2026-000004";
    QTest::newRow("completed") << "2026-000005"
                               << "Completed2"
                               << "2026-000005";
    QTest::newRow("other letter case") << "2026-000007"
                                       << "ExistingInventory2"
                                       << "2026-000007";
    QTest::newRow("unknown") << "2026-999999"
                             << "MainMenu"
                             << "";
    QTest::newRow("the scratch file") << "temp"
                                      << "MainMenu"
                                      << "";
}

void TestFindScreen::scannedOnTheMainMenu()
{
    QFETCH(QString, scanned);
    QFETCH(QString, opens);
    QFETCH(QString, batchId);
    DataFixture fx;
    shopofnames::writeShop(fx);
    fx.writeLines(QStringLiteral("Active Batches/2026-000007.TXT"),
                  store::batchToLines(shopofnames::batchOf(
                      QStringLiteral("Carl"), QStringLiteral("Gamay"), QStringLiteral("0003"))));
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(toMainMenu(app));
    if (batchId.isEmpty())
        script.answer(0);
    scan(scanned);
    QCOMPARE(app.visibleName(), opens);
    if (batchId.isEmpty()) {
        const QString shown = scanned.size() > 60 ? scanned.left(59) + QChar(0x2026) : scanned;
        QCOMPARE(script.texts(),
                 QStringList{QStringLiteral("No batch has the identifier \"%1\".").arg(shown)});
        return;
    }
    QVERIFY(script.shown().isEmpty());
    QCOMPARE(shownId(app), batchId);
    // "Go Back" returns to where the tag was scanned.
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
}

void TestFindScreen::mainMenuKeysStillPressButtons()
{
    DataFixture fx;
    shopofnames::writeShop(fx);
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(toMainMenu(app));
    auto* inProgress = app.control<QPushButton>(QStringLiteral("CommandButton3"));
    inProgress->setFocus(Qt::TabFocusReason);
    // Typed and taken back, or abandoned with Escape: Return presses the button.
    QTest::keyClicks(inProgress, QStringLiteral("20"));
    QTest::keyClick(inProgress, Qt::Key_Backspace);
    QTest::keyClick(inProgress, Qt::Key_Backspace);
    QTest::keyPress(inProgress, Qt::Key_Return);
    AppHarness::settle();
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));

    auto* completed = app.control<QPushButton>(QStringLiteral("CommandButton6"));
    completed->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(completed, QStringLiteral("2026-0"));
    QTest::keyClick(completed, Qt::Key_Escape);
    QTest::keyPress(completed, Qt::Key_Return);
    AppHarness::settle();
    QCOMPARE(app.visibleName(), QStringLiteral("Completed1"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));

    // Space presses the focused button as before.
    auto* find = app.control<QPushButton>(QStringLiteral("FindBatch_Command"));
    find->setFocus(Qt::TabFocusReason);
    QTest::keyClick(find, Qt::Key_Space);
    AppHarness::settle();
    QCOMPARE(app.visibleName(), QStringLiteral("FindBatch"));
    QVERIFY(script.shown().isEmpty());
}

void TestFindScreen::scannedOnTheFindScreen()
{
    DataFixture fx;
    shopofnames::writeShop(fx);
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(toFind(app));
    // The identifier's first characters find all six; Return opens the one scanned.
    scan(QStringLiteral("2026-000002"));
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory2"));
    QCOMPARE(shownId(app), QStringLiteral("2026-000002"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("FindBatch"));
    QCOMPARE(searchBox(app)->text(), QStringLiteral("2026-000002"));

    // Unknown: said so, and the search stays as it was.
    searchBox(app)->clear();
    script.answer(0);
    scan(QStringLiteral("2031-000001"));
    QCOMPARE(app.visibleName(), QStringLiteral("FindBatch"));
    QCOMPARE(script.texts(),
             QStringList{QStringLiteral("No batch has the identifier \"2031-000001\".")});
    QCOMPARE(searchBox(app)->text(), QStringLiteral("2031-000001"));
}

void TestFindScreen::damagedBatchRefusesAndLeavesTheUserWhereTheyWere()
{
    DataFixture fx;
    shopofnames::writeShop(fx);
    const auto before = fx.snapshot();
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(toMainMenu(app));
    script.answer(0);
    scan(QStringLiteral("2026-000006"));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY2(script.texts().constFirst().contains(QStringLiteral("2026-000006")),
             qPrintable(script.texts().constFirst()));

    QVERIFY(app.click(QStringLiteral("FindBatch_Command")));
    user::type(app, QStringLiteral("Search_TextBox"), QStringLiteral("ann"));
    QCOMPARE(listed(app), QStringList{QStringLiteral("2026-000006 Damaged file")});
    script.answer(0);
    user::doubleClickCell(grid(app), 1, 1);
    AppHarness::settle();
    QCOMPARE(app.visibleName(), QStringLiteral("FindBatch"));
    QCOMPARE(script.shown().size(), 2);
    QCOMPARE(searchBox(app)->text(), QStringLiteral("ann"));
    QCOMPARE(listed(app), QStringList{QStringLiteral("2026-000006 Damaged file")});
    QCOMPARE(fx.snapshot(), before);
    QVERIFY(app.strayDialogs().isEmpty());
}

void TestFindScreen::exportsReadBackWithAccentsQuotesAndCommas()
{
    if (!csvreadback::havePython())
        QSKIP("python3 is not installed");
    DataFixture fx;
    shopofnames::writeShop(fx);
    const QString path = QDir(fx.base()).filePath(QStringLiteral("found.csv"));
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(toFind(app));

    user::type(app, QStringLiteral("Search_TextBox"), QStringLiteral("2026"));
    script.pickFolder(path).answer(0);
    QVERIFY(app.click(QStringLiteral("Export_Command")));
    QCOMPARE(script.texts(),
             QStringList{
                 QStringLiteral("6 batches exported to %1.").arg(QDir::toNativeSeparators(path))});
    QVector<QStringList> read = csvreadback::readWithPython(path);
    QCOMPARE(read.size(), 1 + 6);
    QCOMPARE(read.at(0).mid(0, 3), (QStringList{"Batch I.D.", "Status", "Name"}));
    QCOMPARE(read.at(0).mid(21), (QStringList{"Recipe Number", "Next Action", "Next Action Due"}));
    QCOMPARE(read.at(1).mid(0, 3), (QStringList{"2026-000001", "In progress", "Müller, Jürgen"}));
    QCOMPARE(read.at(1).at(7), QStringLiteral("'=1+2"));
    QCOMPARE(read.at(1).mid(22), (QStringList{"Step 2", "Tuesday, December 8, 2026"}));
    QCOMPARE(read.at(2).at(12), QStringLiteral("Pinot \"Noir\""));
    QCOMPARE(read.at(3).at(12), QStringLiteral("Merlot, 2025"));
    QCOMPARE(read.at(5).mid(0, 3), (QStringList{"2026-000003", "Completed", "Σοφία Παπαδοπούλου"}));
    QCOMPARE(read.at(6).at(2), QStringLiteral("山田太郎"));

    // The same name again: replaced only when the user says so.
    const QByteArray first = fx.bytes(QStringLiteral("found.csv"));
    user::type(app, QStringLiteral("Search_TextBox"), QStringLiteral("muller"));
    script.clear();
    script.pickFolder(path).answer(1);
    QVERIFY(app.click(QStringLiteral("Export_Command")));
    QCOMPARE(script.texts(),
             QStringList{QStringLiteral("%1 already exists.\nDo you want to replace it?")
                             .arg(QDir::toNativeSeparators(path))});
    QCOMPARE(fx.bytes(QStringLiteral("found.csv")), first);
    script.clear();
    script.pickFolder(path).answer(0).answer(0);
    QVERIFY(app.click(QStringLiteral("Export_Command")));
    QCOMPARE(script.shown().size(), 2);
    read = csvreadback::readWithPython(path);
    QCOMPARE(read.size(), 1 + 1);
    QCOMPARE(read.at(1).at(0), QStringLiteral("2026-000001"));
    // A name that is not a CSV file is refused: it could be a batch file.
    script.clear();
    const QString batchFile = fx.path(QStringLiteral("Active Batches/2026-000001.txt"));
    const QByteArray batchBytes = fx.bytes(QStringLiteral("Active Batches/2026-000001.txt"));
    script.pickFolder(batchFile).answer(0);
    QVERIFY(app.click(QStringLiteral("Export_Command")));
    QCOMPARE(script.shown().size(), 1);
    QCOMPARE(fx.bytes(QStringLiteral("Active Batches/2026-000001.txt")), batchBytes);

    // "Batches in Progress" and "Completed wine" export what they list.
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QVERIFY(app.click(QStringLiteral("CommandButton3")));
    const QString active = QDir(fx.base()).filePath(QStringLiteral("active.csv"));
    script.clear();
    script.pickFolder(active).answer(0);
    QVERIFY(app.click(QStringLiteral("Export_Command")));
    read = csvreadback::readWithPython(active);
    QCOMPARE(read.size(), 1 + 4);
    QCOMPARE(read.at(2).mid(0, 3), (QStringList{"2026-000002", "In progress", "Łódź Wine Club"}));
    QCOMPARE(read.at(2).at(8), QStringLiteral("'+48 42 555 0199"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QVERIFY(app.click(QStringLiteral("CommandButton6")));
    const QString completed = QDir(fx.base()).filePath(QStringLiteral("completed.csv"));
    script.clear();
    script.pickFolder(completed).answer(0);
    QVERIFY(app.click(QStringLiteral("Export_Command")));
    read = csvreadback::readWithPython(completed);
    QCOMPARE(read.size(), 1 + 2);
    QCOMPARE(read.at(1).mid(0, 3), (QStringList{"2026-000003", "Completed", "Σοφία Παπαδοπούλου"}));
    QVERIFY(script.unexpected().isEmpty());
    QVERIFY(app.strayDialogs().isEmpty());
}

VINTRELO_TEST_MAIN(TestFindScreen)
#include "tst_find_screen.moc"
