// Pictures of the daily-task screens in their states, for review; saved when
// VINTRELO_GALLERY names a folder.
#include "AppHarness.h"
#include "DataFixture.h"
#include "Gallery.h"
#include "MessageScript.h"
#include "TaskTesting.h"
#include "TestMain.h"

#include <QDir>

using namespace tasks_testing;

class TasksGalleryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }
    void everyState();
};

void TasksGalleryTest::everyState()
{
    DataFixture fx;
    fx.writeBatch(QStringLiteral("2026-000040"), sampleBatch(3, QStringLiteral("Ann Smith")));
    fx.writeBatch(
        QStringLiteral("2026-000041"),
        batchOf(QStringLiteral("Bob Jones"), {action(QStringLiteral("1"), longDate(2026, 12, 7),
                                                     QStringLiteral("Add the yeast and stir well")),
                                              action(QStringLiteral("6"), longDate(2026, 12, 12),
                                                     QStringLiteral("Rack into a clean carboy"))}));
    MessageScript script;
    AppHarness app(fx, QDate(2026, 12, 8));
    openTaskList(app);
    QCOMPARE(grid(app)->rows(), 4);
    snapGallery(app);

    // Made taller by the user: the room goes to the list.
    const int listHeight = grid(app)->height();
    app.visible()->resize(app.visible()->size() + QSize(0, 200));
    AppHarness::settle();
    QCOMPARE(grid(app)->height(), listHeight + 200);
    snapGallery(app, QStringLiteral("resized"));

    doubleClickRow(app, 1);
    QVERIFY(isShown(app, QStringLiteral("UpdateCommand")));
    snapGallery(app, QStringLiteral("opened"));

    QVERIFY(app.click(QStringLiteral("PushCommand")));
    snapGallery(app, QStringLiteral("postpone"));

    type(app, QStringLiteral("PushText"), QStringLiteral("2"));
    QVERIFY(app.click(QStringLiteral("CommandButton3")));
    QCOMPARE(app.visibleName(), QStringLiteral("InsertNewAction"));
    snapGallery(app);
    QVERIFY(app.click(QStringLiteral("CommandButton3")));
    QCOMPARE(app.visibleName(), QStringLiteral("ThingsToDoToday"));

    // The week ahead, then one day of it.
    QVERIFY(app.click(QStringLiteral("ComingDays_Command")));
    QCOMPARE(app.visibleName(), QStringLiteral("ComingDays"));
    snapGallery(app);
    auto* week = app.control<widgets::Grid>(QStringLiteral("WeekGrid"));
    user::clickCell(week, 5, 0);
    QVERIFY(grid(app)->rows() > 1);
    QCOMPARE(QString::number(grid(app)->rows() - 1), week->textAt(5, 1));
    snapGallery(app, QStringLiteral("day"));
    QVERIFY(app.click(QStringLiteral("Back_Command")));
    QCOMPARE(app.visibleName(), QStringLiteral("ThingsToDoToday"));
    QVERIFY(script.unexpected().isEmpty());
}

VINTRELO_TEST_MAIN_ON_DESKTOP(TasksGalleryTest)
#include "tst_gallery.moc"
