// The program's shell: the opening screen, the main menu, About, and the switch.
#include "AppHarness.h"
#include "DataFixture.h"
#include "MessageScript.h"
#include "TestMain.h"
#include "app/MainMenu.h"
#include "store/BatchCounter.h"
#include "store/Clock.h"
#include "widgets/Grid.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

namespace {

// A screen of the test's own, counting its loads.
class CountingScreen : public app::Screen
{
    Q_OBJECT

public:
    static inline int loads = 0;
    void Form_Load() override { ++loads; }

protected:
    void closeByTitleBar() override {}
};

} // namespace

class ShellTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void openingScreenShowsTodayInLongForm();
    void aboutReturnsToTheScreenThatOpenedIt();
    void exitBackTakesTheLocationFileAndTheDateAgain();
    void everyMenuButtonOpensItsScreenAndComesBack_data();
    void everyMenuButtonOpensItsScreenAndComesBack();
    void titleBarCloseActsAsTheWayOut();
    void exitProgramEndsFromTheOpeningScreen();
    void missingPartsOfTheDataFolderAreNamedOnce();
    void namesInOtherLetterCaseAreFound();
    void screenKeptLoadedReappearsAsItWasLeft();
};

void ShellTest::cleanup()
{
    AppHarness::settle();
}

void ShellTest::openingScreenShowsTodayInLongForm()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx, QDate(2026, 12, 7));
    app.start();
    QCOMPARE(app.visibleName(), QStringLiteral("Opening_Screen"));
    QCOMPARE(app.visible()->windowTitle(), QStringLiteral("Vintrelo - Opening Screen"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("Label5"))->text(),
             QStringLiteral("Monday, December 7, 2026"));
    QCOMPARE(app.state().TodayText, QStringLiteral("Monday, December 7, 2026"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("Label9"))->text(), QStringLiteral("Version 1.02"));
    QCOMPARE(app.state().DataRoot, fx.dataRoot());
    QCOMPARE(app.visibleWindowCount(), 1);
    QVERIFY(script.shown().isEmpty());
}

void ShellTest::aboutReturnsToTheScreenThatOpenedIt()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    app.start();

    QVERIFY(app.click(QStringLiteral("AboutButton")));
    QCOMPARE(app.visibleName(), QStringLiteral("AboutForm"));
    QCOMPARE(app.visible()->windowTitle(), QStringLiteral("Vintrelo"));
    QCOMPARE(app.state().AboutReturnTarget, qint16(1));
    QCOMPARE(app.visibleWindowCount(), 1);
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("Opening_Screen"));
    QCOMPARE(app.state().AboutReturnTarget, qint16(0));

    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QVERIFY(app.click(QStringLiteral("AboutButton")));
    QCOMPARE(app.visibleName(), QStringLiteral("AboutForm"));
    QCOMPARE(app.state().AboutReturnTarget, qint16(0));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(app.state().AboutReturnTarget, qint16(0));
    QCOMPARE(app.visibleWindowCount(), 1);
    // Left screens are unloaded, not merely hidden.
    QCOMPARE(AppHarness::screenWindows(), QStringList{QStringLiteral("MainMenu")});
}

void ShellTest::exitBackTakesTheLocationFileAndTheDateAgain()
{
    DataFixture fx;
    DataFixture other;
    MessageScript script;
    AppHarness app(fx, QDate(2026, 12, 7));
    app.start();
    QVERIFY(app.click(QStringLiteral("CommandButton2")));

    // The program keeps running past midnight, and the shop points it elsewhere.
    fx.writeLines(QStringLiteral("../program/VT.Loc"), {other.dataFolder()});
    store::Clock::setFixedToday(QDate(2026, 12, 8));
    QCOMPARE(app.state().DataRoot, fx.dataRoot());

    QVERIFY(app.click(QStringLiteral("CommandButton7")));
    QCOMPARE(app.visibleName(), QStringLiteral("Opening_Screen"));
    QCOMPARE(app.state().DataRoot, other.dataRoot());
    QCOMPARE(app.state().TodayText, QStringLiteral("Tuesday, December 8, 2026"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("Label5"))->text(), app.state().TodayText);
    QCOMPARE(app.visibleWindowCount(), 1);
}

void ShellTest::everyMenuButtonOpensItsScreenAndComesBack_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("back");
    QTest::newRow("new batch") << "CommandButton2"
                               << "NewBatch"
                               << "Vintrelo - New Batch"
                               << "CommandButton1";
    QTest::newRow("in progress") << "CommandButton3"
                                 << "ExistingInventory"
                                 << "Vintrelo - Existing Batches on the go"
                                 << "CommandButton1";
    QTest::newRow("today") << "CommandButton1"
                           << "ThingsToDoToday"
                           << "Vintrelo - Things to do today"
                           << "CommandButton1";
    QTest::newRow("completed") << "CommandButton6"
                               << "Completed1"
                               << "Vintrelo - Completed Batches"
                               << "CommandButton1";
    QTest::newRow("new recipe") << "CommandButton4"
                                << "NewRecipe"
                                << "Vintrelo - New Recipe"
                                << "CommandButton2";
    QTest::newRow("modify recipe") << "CommandButton8"
                                   << "ModifyRecipe"
                                   << "Vintrelo - Modify Recipe"
                                   << "CommandButton1";
    QTest::newRow("chart") << "CommandButton5"
                           << "Chart1"
                           << "Vintrelo"
                           << "CommandButton1";
}

void ShellTest::everyMenuButtonOpensItsScreenAndComesBack()
{
    QFETCH(QString, button);
    QFETCH(QString, screen);
    QFETCH(QString, title);
    QFETCH(QString, back);
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    app.start();
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    for (int visit = 0; visit < 2; ++visit) {
        QVERIFY(app.click(button));
        QCOMPARE(app.visibleName(), screen);
        QCOMPARE(app.visible()->windowTitle(), title);
        QCOMPARE(app.visibleWindowCount(), 1);
        QVERIFY(app.click(back));
        QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
        QCOMPARE(app.visibleWindowCount(), 1);
    }
    QVERIFY(script.unexpected().isEmpty());
}

void ShellTest::titleBarCloseActsAsTheWayOut()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    app.start();
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QVERIFY(app.click(QStringLiteral("CommandButton5")));
    QCOMPARE(app.visibleName(), QStringLiteral("Chart1"));

    app.visible()->close(); // the title bar's close button
    AppHarness::settle();
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QVERIFY(app.click(QStringLiteral("AboutButton")));
    app.visible()->close();
    AppHarness::settle();
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    app.visible()->close();
    AppHarness::settle();
    QCOMPARE(app.visibleName(), QStringLiteral("Opening_Screen"));
    QCOMPARE(app.visibleWindowCount(), 1);
    QVERIFY(!app.ended());
    app.visible()->close();
    AppHarness::settle();
    QVERIFY(app.ended());
    QCOMPARE(app.visibleWindowCount(), 0);
}

void ShellTest::exitProgramEndsFromTheOpeningScreen()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    QSignalSpy ended(&app.shell(), &app::Shell::programEnded);
    app.start();
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(ended.count(), 1);
    QVERIFY(app.ended());
    QCOMPARE(app.visibleWindowCount(), 0);
    QVERIFY(AppHarness::screenWindows().isEmpty());
}

void ShellTest::missingPartsOfTheDataFolderAreNamedOnce()
{
    DataFixture fx;
    QFile::remove(fx.path(QStringLiteral("Batch-ID.txt")));
    QFile::remove(fx.path(QStringLiteral("Misc/Chemical Ingredients.txt")));
    const auto before = fx.snapshot();
    MessageScript script;
    script.answer(0);
    AppHarness app(fx);
    app.start();
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().first().contains(QStringLiteral("Batch-ID.txt")));
    QVERIFY(script.texts().first().contains(QStringLiteral("Misc/Chemical Ingredients.txt")));
    // The program runs on with the folder it was given, and writes nothing.
    QCOMPARE(app.visibleName(), QStringLiteral("Opening_Screen"));
    QCOMPARE(fx.snapshot(), before);
}

void ShellTest::namesInOtherLetterCaseAreFound()
{
    // A data folder copied from a system that ignores letter case.
    DataFixture fx;
    fx.writeRecipe(QStringLiteral("0003"), QStringLiteral("Red kit"),
                   {{QStringLiteral("1"), QStringLiteral("Add yeast")}});
    fx.writeBatch(QStringLiteral("2026-000040"), sampleBatch(2));
    fx.renameToOtherLetterCase();
    const QStringList names = fx.snapshot().keys();
    MessageScript script;
    AppHarness app(fx);
    app.start();
    QCOMPARE(app.visibleName(), QStringLiteral("Opening_Screen"));

    // The start-up form finds the counter, the varieties and the recipes.
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("BatchID"))->text(), QStringLiteral("2026-000041"));
    QCOMPARE(app.control<QListWidget>(QStringLiteral("Variety_List"))->count(), 3);
    QCOMPARE(app.control<QListWidget>(QStringLiteral("List1"))->count(), 1);
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    // The list of batches in progress finds the active folder.
    QVERIFY(app.click(QStringLiteral("CommandButton3")));
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));
    QCOMPARE(app.control<widgets::Grid>(QStringLiteral("Grid1"))->textAt(1, 0),
             QStringLiteral("2026-000040"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    // Back at the opening screen, which checks the folder again.
    QVERIFY(app.click(QStringLiteral("CommandButton7")));
    QCOMPARE(app.visibleName(), QStringLiteral("Opening_Screen"));
    QVERIFY2(script.shown().isEmpty(), qPrintable(script.texts().join(QLatin1Char('\n'))));

    // A new batch advances the counter in the file of that name, and no file
    // of the usual spelling appears beside any of them.
    QCOMPARE(store::advanceBatchCounter(app.state().DataRoot), QStringLiteral("42"));
    QCOMPARE(fx.bytes(QStringLiteral("BATCH-ID.TXT")), QByteArray("42\r\n"));
    QCOMPARE(fx.snapshot().keys(), names);
}

void ShellTest::screenKeptLoadedReappearsAsItWasLeft()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    app.shell().registerScreen<CountingScreen>();
    CountingScreen::loads = 0;
    app.start();
    QVERIFY(app.click(QStringLiteral("CommandButton2")));

    CountingScreen* counting = app.shell().switchScreen<CountingScreen>(app.visible());
    QCOMPARE(CountingScreen::loads, 1);
    counting->setWindowTitle(QStringLiteral("typed on it"));

    // Left for the main menu but kept loaded, as the hand-overs between screens need.
    app.shell().switchScreen<app::MainMenu>(counting, app::Shell::Leave::KeepLoaded);
    AppHarness::settle();
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(app.visibleWindowCount(), 1);
    QCOMPARE(app.shell().loadedScreen<CountingScreen>(), counting);

    // Shown again: the same instance as it was left, without a second load.
    QCOMPARE(app.shell().switchScreen<CountingScreen>(app.visible()), counting);
    AppHarness::settle();
    QCOMPARE(CountingScreen::loads, 1);
    QCOMPARE(counting->windowTitle(), QStringLiteral("typed on it"));
    QCOMPARE(app.visibleWindowCount(), 1);

    // Unloaded and shown again: a fresh instance, loaded afresh.
    app.shell().switchScreen<app::MainMenu>(counting);
    AppHarness::settle();
    QVERIFY(!app.shell().loadedScreen<CountingScreen>());
    app.shell().switchScreen<CountingScreen>(app.visible());
    QCOMPARE(CountingScreen::loads, 2);

    // Unloaded and shown again at once, as the note screen does with the task
    // list: the one being deleted is never shown again; a fresh one stays.
    app.shell().switchScreen<app::MainMenu>(app.visible());
    QVERIFY(!app.shell().loadedScreen<CountingScreen>());
    CountingScreen* fresh = app.shell().switchScreen<CountingScreen>(app.visible());
    AppHarness::settle();
    QCOMPARE(CountingScreen::loads, 3);
    QVERIFY(fresh);
    QCOMPARE(app.visible(), fresh);
    QCOMPARE(AppHarness::screenWindows(), QStringList{QStringLiteral("CountingScreen")});
}

VINTRELO_TEST_MAIN(ShellTest)
#include "tst_shell.moc"
