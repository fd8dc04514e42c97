// The windows that hold a grid, on a desktop-sized screen: they open as large as
// their grid needs, give any room the user adds to the grid, and reopen at the
// size the user left them.
#include "AppHarness.h"
#include "DataFixture.h"
#include "MessageScript.h"
#include "TestMain.h"
#include "UserDriver.h"
#include "app/MainMenu.h"
#include "screens/batch/NewBatch2.h"
#include "screens/chart/Chart1.h"
#include "screens/recipes/ModifyRecipe.h"
#include "screens/recipes/ModifyRecipe2.h"
#include "screens/recipes/NewRecipe.h"
#include "screens/records/Completed1.h"
#include "screens/records/Completed2.h"
#include "screens/records/ExistingInventory.h"
#include "screens/records/ExistingInventory2.h"
#include "screens/tasks/ThingsToDoToday.h"
#include "store/LongDate.h"
#include "widgets/Grid.h"

#include <QDir>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>

namespace {

const QString kSettingsFile = QStringLiteral("window-sizes.ini");

// Everything the ten grid screens show: batches in progress and completed, a
// recipe, and actions due on the harness's "today".
void writeShop(const DataFixture& fx, int dueBatches = 2)
{
    fx.writeRecipe(QStringLiteral("0003"), QStringLiteral("Merlot six week kit"),
                   {{QStringLiteral("1"), QStringLiteral("Add yeast and stir")},
                    {QStringLiteral("8"), QStringLiteral("Rack into a clean carboy")}});
    for (int i = 0; i < dueBatches; ++i) {
        store::BatchFile batch = sampleBatch(6, QStringLiteral("Customer %1").arg(i + 1));
        batch.records[0].Notes = QStringLiteral("Started warm, stirred twice");
        fx.writeBatch(QStringLiteral("2026-0000%1").arg(40 + i), batch);
    }
    store::BatchFile done = sampleBatch(3, QStringLiteral("Carla Cruz"));
    for (store::ActionRecord& record : done.records)
        record.DateCompleted = record.DueDate;
    fx.writeBatch(QStringLiteral("2026-000030"), done, QStringLiteral("Completed Batches"));
}

// Opens a screen from the main menu with what its load reads in the run state.
app::Screen* openScreen(AppHarness& app, const QMetaObject* screen)
{
    store::RunState& state = app.state();
    if (screen == &screens::ExistingInventory2::staticMetaObject)
        state.SelectedBatchID = QStringLiteral("2026-000040");
    else if (screen == &screens::Completed2::staticMetaObject)
        state.SelectedBatchID = QStringLiteral("2026-000030");
    else if (screen == &screens::ModifyRecipe2::staticMetaObject)
        state.SelectedBatchID = QStringLiteral("0003");
    state.PendingBatch.BatchID = QStringLiteral("2026-000042");
    state.PendingBatch.CustomerName = QStringLiteral("Dana Lee");
    state.PendingBatch.StartDate = store::formatLongDate(QDate(2026, 9, 30));
    state.PendingBatch.RecipeNumber = QStringLiteral("0003");
    app::Screen* shown = app.shell().switchScreen(app.visible(), *screen);
    AppHarness::settle();
    return shown;
}

void backToMenu(AppHarness& app)
{
    app.shell().switchScreen<app::MainMenu>(app.visible());
    AppHarness::settle();
}

widgets::Grid* gridOf(app::Screen* screen)
{
    return screen ? screen->findChild<widgets::Grid*>(QStringLiteral("Grid1")) : nullptr;
}

} // namespace

class ScreenSizesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }
    void gridWindowsFitGrowAndRemember_data();
    void gridWindowsFitGrowAndRemember();
    void maximisedWindowReopensMaximised();
    void taskListKeepsRowsInViewWithItsPanelOpen();
};

void ScreenSizesTest::gridWindowsFitGrowAndRemember_data()
{
    using namespace screens;
    QTest::addColumn<const QMetaObject*>("screen");
    QTest::addColumn<QSize>("designed");
    QTest::addColumn<bool>("allColumns"); // whether every column can show at once
    QTest::newRow("batch list") << &ExistingInventory::staticMetaObject << QSize(1080, 600) << true;
    QTest::newRow("completed list") << &Completed1::staticMetaObject << QSize(1080, 600) << true;
    QTest::newRow("batch editor") << &ExistingInventory2::staticMetaObject << QSize(1120, 760)
                                  << true;
    QTest::newRow("completed batch") << &Completed2::staticMetaObject << QSize(1120, 760) << true;
    // Its action column is made wide to scroll sideways: no screen shows it all.
    QTest::newRow("things to do") << &ThingsToDoToday::staticMetaObject << QSize(860, 640) << false;
    QTest::newRow("schedule preview") << &NewBatch2::staticMetaObject << QSize(1000, 700) << true;
    QTest::newRow("new recipe") << &NewRecipe::staticMetaObject << QSize(840, 600) << true;
    QTest::newRow("recipe list") << &ModifyRecipe::staticMetaObject << QSize(780, 560) << true;
    QTest::newRow("recipe") << &ModifyRecipe2::staticMetaObject << QSize(840, 600) << true;
    QTest::newRow("chart") << &Chart1::staticMetaObject << QSize(1100, 640) << true;
}

void ScreenSizesTest::gridWindowsFitGrowAndRemember()
{
    QFETCH(const QMetaObject*, screen);
    QFETCH(QSize, designed);
    QFETCH(bool, allColumns);
    DataFixture fx;
    writeShop(fx);
    MessageScript script;
    AppHarness app(fx);
    app.start();
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
    QCOMPARE(room, QSize(1920, 1080));

    // Opened at least at its designed size, and wide and tall enough for its grid.
    app::Screen* window = openScreen(app, screen);
    QVERIFY(window);
    QCOMPARE(window->metaObject(), screen);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    widgets::Grid* grid = gridOf(window);
    QVERIFY(grid);
    const QSize opened = window->size();
    QVERIFY2(opened.width() >= designed.width() && opened.height() >= designed.height(),
             qPrintable(QStringLiteral("%1x%2").arg(opened.width()).arg(opened.height())));
    QVERIFY(opened.width() <= room.width() && opened.height() <= room.height());
    if (allColumns) {
        QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
    } else {
        // The window shows the texts of that column, not its blank end.
        QVERIFY(opened.width() < room.width() / 2);
        const int last = grid->cols() - 1;
        for (int row = 0; row < grid->rows(); ++row) {
            const int end = grid->columnViewportPosition(last) +
                            grid->fontMetrics().horizontalAdvance(grid->textAt(row, last));
            QVERIFY(end < grid->viewport()->width());
        }
    }
    QCOMPARE(grid->verticalScrollBar()->maximum(), 0);

    // Resized by the user (smaller where it already fills the screen): the
    // grid gets all the room added or taken.
    const QSize gridBefore = grid->size();
    const QSize resized(
        opened.width() + 150 <= room.width() ? opened.width() + 150 : opened.width() - 150,
        opened.height() + 100 <= room.height() ? opened.height() + 100 : opened.height() - 100);
    const QSize added = resized - opened;
    window->resize(resized);
    AppHarness::settle();
    QCOMPARE(window->size(), resized);
    QCOMPARE(grid->size(), gridBefore + added);

    // Left and opened again: at the size the user gave it, kept in the
    // configuration folder of this run (never the user's own).
    backToMenu(app);
    QVERIFY(QFile::exists(QDir(fx.configDir()).filePath(kSettingsFile)));
    window = openScreen(app, screen);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->size(), resized);
    QCOMPARE(gridOf(window)->size(), gridBefore + added);

    // Made smaller than designed, it reopens that small too: the user chose it.
    const QSize small = window->minimumSizeHint().expandedTo(QSize(400, 300));
    window->resize(small);
    AppHarness::settle();
    const QSize chosen = window->size();
    backToMenu(app);
    window = openScreen(app, screen);
    QVERIFY(window);
    QCOMPARE(window->size(), chosen);
    QVERIFY(script.unexpected().isEmpty());
}

void ScreenSizesTest::maximisedWindowReopensMaximised()
{
    DataFixture fx;
    writeShop(fx);
    MessageScript script;
    AppHarness app(fx);
    app.start();
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    app::Screen* window = openScreen(app, &screens::ExistingInventory2::staticMetaObject);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QSize normal = window->size();
    const QSize gridNormal = gridOf(window)->size();
    window->showMaximized();
    AppHarness::settle();
    QVERIFY(window->isMaximized());
    QVERIFY(gridOf(window)->height() > gridNormal.height() ||
            gridOf(window)->width() > gridNormal.width());

    backToMenu(app);
    window = openScreen(app, &screens::ExistingInventory2::staticMetaObject);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(window->isMaximized());
    window->showNormal();
    AppHarness::settle();
    QCOMPARE(window->size(), normal);
    QVERIFY(script.unexpected().isEmpty());
}

void ScreenSizesTest::taskListKeepsRowsInViewWithItsPanelOpen()
{
    // Thirty actions due today: the list is long, and the panel of an opened
    // action takes room below it.
    DataFixture fx;
    writeShop(fx, 30);
    MessageScript script;
    AppHarness app(fx, QDate(2026, 12, 1));
    app.start();
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    app::Screen* window = app.visible();
    QCOMPARE(window->screenName(), QStringLiteral("ThingsToDoToday"));
    QVERIFY(QTest::qWaitForWindowExposed(window));
    widgets::Grid* grid = gridOf(window);
    QCOMPARE(grid->rows(), 31);

    user::doubleClickCell(grid, 1, 1);
    QVERIFY(app.control<QWidget>(QStringLiteral("UpdateCommand"))->isVisible());
    const int rowsInView = grid->viewport()->height() / grid->rowHeight(1) - 1;
    QVERIFY2(rowsInView >= 20, qPrintable(QString::number(rowsInView)));
    QVERIFY(script.unexpected().isEmpty());
}

VINTRELO_TEST_MAIN_ON_DESKTOP(ScreenSizesTest)
#include "tst_screen_sizes.moc"
