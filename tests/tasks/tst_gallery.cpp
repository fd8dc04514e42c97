// Pictures of the daily-task screens in their states, for review; saved when
// VINTRELO_GALLERY names a folder.
#include "AppHarness.h"
#include "DataFixture.h"
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

private:
    void snap(AppHarness& app, const QString& state = QString());
};

void TasksGalleryTest::snap(AppHarness& app, const QString& state)
{
    app::Screen* screen = app.visible();
    QVERIFY(screen);
    QCOMPARE(app.visibleWindowCount(), 1);
    const QString folder = qEnvironmentVariable("VINTRELO_GALLERY");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QString name = screen->screenName();
    if (!state.isEmpty())
        name += QLatin1Char('-') + state;
    QVERIFY(screen->grab().save(QDir(folder).filePath(name + QStringLiteral(".png"))));
}

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
    snap(app);

    doubleClickRow(app, 1);
    QVERIFY(isShown(app, QStringLiteral("UpdateCommand")));
    snap(app, QStringLiteral("opened"));

    QVERIFY(app.click(QStringLiteral("PushCommand")));
    snap(app, QStringLiteral("postpone"));

    type(app, QStringLiteral("PushText"), QStringLiteral("2"));
    QVERIFY(app.click(QStringLiteral("CommandButton3")));
    QCOMPARE(app.visibleName(), QStringLiteral("InsertNewAction"));
    snap(app);
    QVERIFY(app.click(QStringLiteral("CommandButton3")));
    QCOMPARE(app.visibleName(), QStringLiteral("ThingsToDoToday"));
    QVERIFY(script.unexpected().isEmpty());
}

VINTRELO_TEST_MAIN(TasksGalleryTest)
#include "tst_gallery.moc"
