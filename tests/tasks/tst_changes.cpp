// Completing, postponing and noting actions: exactly the right lines change,
// and a refused or failed save leaves every file as it was.
#include "AppHarness.h"
#include "DataFixture.h"
#include "MessageScript.h"
#include "TaskTesting.h"
#include "TestMain.h"
#include "screens/tasks/InsertNewAction.h"
#include "screens/tasks/ThingsToDoToday.h"

#include <QDir>
#include <QFile>

using namespace tasks_testing;
using store::formatLongDate;
using store::WriteStep;

namespace {

const QString kBatch = QStringLiteral("2026-000041");

// Four actions a week apart from December 1, day numbers 1, 8, 15, 22; the
// first is done, so on December 8 the second is the one to work.
store::BatchFile weeklyBatch()
{
    store::BatchFile batch = sampleBatch(4);
    batch.records[0] = done(batch.records[0], longDate(2026, 12, 1));
    return batch;
}

} // namespace

class ChangesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        store::setWriteFaultHook(nullptr);
        AppHarness::settle();
    }
    void completingChangesOnlyLines30To33();
    void completingInAMixedEncodingFileKeepsItsUtf8Lines();
    void completingTheLastRecordMovesTheBatch();
    void aOneActionBatchMovesOnItsFirstCompletion();
    void withoutTheTickItSaysWhatToDo();
    void postponingMovesTheActionAndEveryLaterOne();
    void zeroOrEmptyDaysChangesNothing_data();
    void zeroOrEmptyDaysChangesNothing();
    void postponingByOddEntries_data();
    void postponingByOddEntries();
    void postponingAcrossTheYearEnd();
    void quitLeavesTheFrameAndFileAlone();
    void leavingTheNoteScreenKeepsThePostponement_data();
    void leavingTheNoteScreenKeepsThePostponement();
    void refusalsLeaveEveryFileAsItWas_data();
    void refusalsLeaveEveryFileAsItWas();
    void dueDateThatIsNotADateRefusesThePostponement();
    void finishedBatchWithANameTakenStaysWhereItIs();
    void failedWriteStepLosesNothing_data();
    void failedWriteStepLosesNothing();
    void failedMoveKeepsTheCompletion();
    void failedNoteKeepsPostponementAndTypedText();
    void noteForAnActionCompletedElsewhereIsNotAdded();
    void rowChangedElsewhereBeforeItIsOpenedRefreshesTheList();
    void postponingAndNotingNeverArchiveTheBatch();
    void postponingOffTheCalendarIsRefused_data();
    void postponingOffTheCalendarIsRefused();
};

void ChangesTest::completingChangesOnlyLines30To33()
{
    DataFixture fx;
    fx.writeBatch(kBatch, sampleBatch(3));
    const QStringList before = linesOf(fx, activeFile(kBatch));
    MessageScript script;
    AppHarness app(fx);
    openTaskList(app);
    QCOMPARE(grid(app)->rows(), 2); // December 1 is due; 8 and 15 are not
    app::Screen* listed = app.visible();

    doubleClickRow(app, 1);
    type(app, QStringLiteral("AmountText"), QStringLiteral("5 g"));
    type(app, QStringLiteral("MeasurementText"), QStringLiteral("1.095"));
    tick(app);
    QVERIFY(app.click(QStringLiteral("UpdateCommand")));

    const QStringList after = linesOf(fx, activeFile(kBatch));
    QCOMPARE(after.size(), before.size());
    QStringList expected = before;
    expected[29] = QStringLiteral("5 g");
    expected[30] = QStringLiteral("1.095");
    expected[31] = QString();
    expected[32] = QStringLiteral("Monday, December 7, 2026");
    QCOMPARE(after, expected);
    QVERIFY(fx.bytes(activeFile(kBatch)).endsWith("****************************************\r\n"));
    QVERIFY(!fx.exists(QStringLiteral("Active Batches/temp.txt")));
    QVERIFY(!fx.exists(completedFile(kBatch)));

    // The list was made afresh: the done action is gone and the panel is closed.
    QCOMPARE(app.visibleName(), QStringLiteral("ThingsToDoToday"));
    QVERIFY(app.visible() != listed);
    QCOMPARE(grid(app)->rows(), 1);
    QVERIFY(!isShown(app, QStringLiteral("UpdateCommand")));
    QVERIFY(!app.control<QAbstractButton>(QStringLiteral("CheckBox1"))->isChecked());
    QVERIFY(script.shown().isEmpty());
}

void ChangesTest::completingInAMixedEncodingFileKeepsItsUtf8Lines()
{
    // Written as UTF-8, with one note added later by a program of the old code page.
    DataFixture fx;
    const store::BatchFile batch = batchOf(
        QStringLiteral("Jürgen Müller"),
        {done(action(QStringLiteral("1"), longDate(2026, 12, 1), QStringLiteral("Add yeast")),
              longDate(2026, 12, 1)),
         action(QStringLiteral("5"), longDate(2026, 12, 5), QStringLiteral("Stir – gently")),
         action(QStringLiteral("30"), longDate(2026, 12, 30), QStringLiteral("Bottle"))});
    QList<QByteArray> lines;
    for (const QString& line : store::batchToLines(batch))
        lines << line.toUtf8();
    const int notes = store::kHeaderLines + 5;
    lines[notes] = "Stir \x96 caf\xE9";
    fx.writeBytes(activeFile(kBatch), lines.join("\r\n") + "\r\n");
    MessageScript script;
    AppHarness app(fx);
    openTaskList(app);
    QCOMPARE(grid(app)->rows(), 2);
    QCOMPARE(grid(app)->textAt(1, 1), QStringLiteral("Jürgen Müller"));
    QCOMPARE(grid(app)->textAt(1, 3), QStringLiteral("Stir – gently"));

    doubleClickRow(app, 1);
    QCOMPARE(labelText(app, QStringLiteral("ActionLabel")), QStringLiteral("Stir – gently"));
    type(app, QStringLiteral("AmountText"), QStringLiteral("5 g"));
    tick(app);
    QVERIFY(app.click(QStringLiteral("UpdateCommand")));

    // The old code page's line is now UTF-8; every other line but the four of
    // the completed action is byte for byte as it was.
    QList<QByteArray> expected = lines;
    expected[notes] = "Stir \xE2\x80\x93 caf\xC3\xA9";
    const int second = store::kHeaderLines + 13;
    expected[second + 3] = "5 g";
    expected[second + 4] = "";
    expected[second + 5] = "";
    expected[second + 6] = longDate(2026, 12, 7).toUtf8();
    QCOMPARE(fx.bytes(activeFile(kBatch)), expected.join("\r\n") + "\r\n");
    QVERIFY(script.shown().isEmpty());
}

void ChangesTest::completingTheLastRecordMovesTheBatch()
{
    DataFixture fx;
    // The second action is due after the third, so the third is listed while it is open.
    store::BatchFile batch =
        batchOf(QStringLiteral("Ann Smith"),
                {done(action(QStringLiteral("1"), longDate(2026, 12, 1), QStringLiteral("Yeast")),
                      longDate(2026, 12, 1)),
                 action(QStringLiteral("30"), longDate(2026, 12, 30), QStringLiteral("Bottle")),
                 action(QStringLiteral("5"), longDate(2026, 12, 5), QStringLiteral("Stir"))});
    fx.writeBatch(kBatch, batch);
    fx.writeBatch(QStringLiteral("2026-000042"), sampleBatch(2, QStringLiteral("Other")));
    const QByteArray other = fx.bytes(activeFile(QStringLiteral("2026-000042")));
    MessageScript script;
    AppHarness app(fx);
    openTaskList(app);
    QCOMPARE(grid(app)->textAt(1, 3), QStringLiteral("Stir"));

    doubleClickRow(app, 1);
    QCOMPARE(app.state().SelectedActionIndex, qint16(3));
    type(app, QStringLiteral("NotesText"), QStringLiteral("smells right"));
    tick(app);
    QVERIFY(app.click(QStringLiteral("UpdateCommand")));

    batch.records[2].Notes = QStringLiteral("smells right");
    batch.records[2].DateCompleted = longDate(2026, 12, 7);
    QVERIFY(!fx.exists(activeFile(kBatch)));
    QCOMPARE(fx.bytes(completedFile(kBatch)), bytesOf(batch));
    QCOMPARE(fx.bytes(activeFile(QStringLiteral("2026-000042"))), other);
    QCOMPARE(grid(app)->rows(), 2);
    QCOMPARE(grid(app)->textAt(1, 0), QStringLiteral("2026-000042"));
    QVERIFY(script.shown().isEmpty());
}

void ChangesTest::aOneActionBatchMovesOnItsFirstCompletion()
{
    DataFixture fx;
    fx.writeBatch(kBatch, sampleBatch(1));
    MessageScript script;
    AppHarness app(fx);
    openTaskList(app);
    doubleClickRow(app, 1);
    tick(app);
    QVERIFY(app.click(QStringLiteral("UpdateCommand")));
    QVERIFY(!fx.exists(activeFile(kBatch)));
    const QStringList lines = linesOf(fx, completedFile(kBatch));
    QCOMPARE(lines.size(), 39);
    QCOMPARE(lines.at(32), QStringLiteral("Monday, December 7, 2026"));
    QCOMPARE(lines.at(29), QString());
}

void ChangesTest::withoutTheTickItSaysWhatToDo()
{
    DataFixture fx;
    fx.writeBatch(kBatch, sampleBatch(3));
    const auto before = fx.snapshot();
    MessageScript script;
    AppHarness app(fx);
    openTaskList(app);
    app::Screen* screen = app.visible();
    doubleClickRow(app, 1);
    type(app, QStringLiteral("AmountText"), QStringLiteral("5 g"));
    QVERIFY(app.click(QStringLiteral("UpdateCommand")));
    QCOMPARE(fx.snapshot(), before);
    QCOMPARE(app.visible(), screen);
    QVERIFY(isShown(app, QStringLiteral("UpdateCommand")));
    QCOMPARE(app.control<QLineEdit>(QStringLiteral("AmountText"))->text(), QStringLiteral("5 g"));
    // Said, naming the box to tick.
    QCOMPARE(script.shown().size(), 1);
    QVERIFY2(script.texts().first().contains(QStringLiteral("Please check off")),
             qPrintable(script.texts().first()));

    // Leaving with the amount typed but not saved asks once; No stays.
    script.answer(1);
    QVERIFY(app.click(QStringLiteral("CommandButton5")));
    QCOMPARE(script.shown().size(), 2);
    QVERIFY(script.texts().last().contains(QStringLiteral("have not been saved")));
    QVERIFY(isShown(app, QStringLiteral("UpdateCommand")));
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("CommandButton5")));
    QVERIFY(!isShown(app, QStringLiteral("UpdateCommand")));
    QCOMPARE(script.shown().size(), 3);
    QCOMPARE(fx.snapshot(), before);
}

void ChangesTest::postponingMovesTheActionAndEveryLaterOne()
{
    DataFixture fx;
    const store::BatchFile before = weeklyBatch();
    fx.writeBatch(kBatch, before);
    MessageScript script;
    AppHarness app(fx, QDate(2026, 12, 8));
    openTaskList(app);
    QCOMPARE(grid(app)->rows(), 2);
    doubleClickRow(app, 1);
    QCOMPARE(app.state().SelectedActionIndex, qint16(2));
    tick(app);
    postpone(app, QStringLiteral("3"), true);
    app::Screen* tasks = app.shell().loadedScreen<screens::ThingsToDoToday>();
    QVERIFY(tasks);
    QVERIFY(!tasks->findChild<QAbstractButton*>(QStringLiteral("CheckBox1"))->isChecked());

    store::BatchFile moved = before;
    const QString days[] = {QStringLiteral("1"), QStringLiteral("11"), QStringLiteral("18"),
                            QStringLiteral("25")};
    const QDate dates[] = {QDate(2026, 12, 1), QDate(2026, 12, 11), QDate(2026, 12, 18),
                           QDate(2026, 12, 25)};
    for (int i = 0; i < 4; ++i) {
        moved.records[i].DayNumber = days[i];
        moved.records[i].DueDate = store::formatLongDate(dates[i]);
    }
    QCOMPARE(fx.bytes(activeFile(kBatch)), bytesOf(moved));

    // The note screen follows, with today's date and the default action.
    QCOMPARE(app.visibleName(), QStringLiteral("InsertNewAction"));
    QCOMPARE(app.visible()->windowTitle(), QStringLiteral("Vintrelo"));
    QCOMPARE(labelText(app, QStringLiteral("Label7")), QStringLiteral("Tuesday, December 8, 2026"));
    QCOMPARE(app.control<QLineEdit>(QStringLiteral("Text4"))->text(),
             QStringLiteral("New action manually created"));
    QVERIFY(app.shell().loadedScreen<screens::ThingsToDoToday>());
    QCOMPARE(app.visibleWindowCount(), 1);
    QVERIFY(app.click(QStringLiteral("CommandButton3")));

    store::ActionRecord note;
    note.DueDate = QStringLiteral("Tuesday, December 8, 2026");
    note.Action = QStringLiteral("New action manually created");
    note.DateCompleted = note.DueDate;
    moved.records.insert(1, note);
    QCOMPARE(fx.bytes(activeFile(kBatch)), bytesOf(moved));
    QVERIFY(!fx.exists(completedFile(kBatch)));
    QVERIFY(!fx.exists(QStringLiteral("Active Batches/temp.txt")));

    // Back on a fresh list: the moved action is no longer due, the note never listed.
    QCOMPARE(app.visibleName(), QStringLiteral("ThingsToDoToday"));
    QCOMPARE(AppHarness::screenWindows(), QStringList{QStringLiteral("ThingsToDoToday")});
    QCOMPARE(grid(app)->rows(), 1);
    QVERIFY(script.shown().isEmpty());

    // A later postponement from before the note gives the note the days as its day number.
    store::Clock::setFixedToday(QDate(2026, 12, 11));
    app.state().TodayText = longDate(2026, 12, 11);
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(grid(app)->rows(), 2);
    QCOMPARE(grid(app)->textAt(1, 3), QStringLiteral("Step 2"));
    doubleClickRow(app, 1);
    QCOMPARE(app.state().SelectedActionIndex, qint16(3));
    postpone(app, QStringLiteral("2"));
    QCOMPARE(linesOf(fx, activeFile(kBatch)).at(26 + 13), QStringLiteral(""));
    QCOMPARE(linesOf(fx, activeFile(kBatch)).at(26 + 26), QStringLiteral("13"));
}

void ChangesTest::zeroOrEmptyDaysChangesNothing_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("zero") << "0";
    QTest::newRow("emptied") << "";
    QTest::newRow("minus zero") << "-0";
}

void ChangesTest::zeroOrEmptyDaysChangesNothing()
{
    QFETCH(QString, entry);
    DataFixture fx;
    store::BatchFile batch = weeklyBatch();
    batch.records[3].DayNumber.clear(); // a noted action keeps its empty day number
    batch.records[2].DueDate = QStringLiteral("12/15/2026");
    fx.writeBatch(kBatch, batch);
    const auto before = fx.snapshot();
    MessageScript script;
    AppHarness app(fx, QDate(2026, 12, 8));
    openTaskList(app);
    app::Screen* screen = app.visible();
    doubleClickRow(app, 1);
    postpone(app, entry);
    QCOMPARE(fx.snapshot(), before);
    QCOMPARE(app.visible(), screen);
    QCOMPARE(app.control<QLineEdit>(QStringLiteral("PushText"))->text(),
             entry.isEmpty() ? QStringLiteral("0") : entry);
    QVERIFY(!isShown(app, QStringLiteral("Frame2")));
    QVERIFY(isShown(app, QStringLiteral("UpdateCommand")));
    QVERIFY(!app.shell().loadedScreen<screens::InsertNewAction>());
    QVERIFY(script.shown().isEmpty());
}

void ChangesTest::postponingByOddEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("dayNumbers"); // empty: refused, nothing written
    QTest::addColumn<QList<QDate>>("dueDates");
    QTest::addColumn<QString>("named"); // what the refusal names
    // The batch started on December 1; its action 2, due December 8, is postponed.
    QTest::newRow("back two days")
        << "-2" << QStringList{"1", "6", "13", "20"}
        << QList<QDate>{{2026, 12, 1}, {2026, 12, 6}, {2026, 12, 13}, {2026, 12, 20}} << QString();
    QTest::newRow("with a sign")
        << "+3" << QStringList{"1", "11", "18", "25"}
        << QList<QDate>{{2026, 12, 1}, {2026, 12, 11}, {2026, 12, 18}, {2026, 12, 25}} << QString();
    // Blanks inside the entry are skipped: " 1 0" is ten days.
    QTest::newRow("blanks inside")
        << " 1 0" << QStringList{"1", "18", "25", "32"}
        << QList<QDate>{{2026, 12, 1}, {2026, 12, 18}, {2026, 12, 25}, {2027, 1, 1}} << QString();
    // Anything but a whole number of days is refused, saying what to type.
    const QStringList refused;
    const QList<QDate> unchanged;
    const QString whatToType = QStringLiteral("such as 3");
    QTest::newRow("and a half") << "1.5" << refused << unchanged << whatToType;
    QTest::newRow("back half a day") << "-0.5" << refused << unchanged << whatToType;
    QTest::newRow("with a word") << "3 days" << refused << unchanged << whatToType;
    QTest::newRow("in words") << "two days" << refused << unchanged << whatToType;
    QTest::newRow("an exponent") << "1e12" << refused << unchanged << whatToType;
    QTest::newRow("a sign alone") << "-" << refused << unchanged << whatToType;
    QTest::newRow("more digits than a number holds")
        << "99999999999999999999" << refused << unchanged << "99999999999999999999 days";
    // Before the batch's start date: the start date is named.
    QTest::newRow("before the start")
        << "-8" << refused << unchanged << QStringLiteral("Tuesday, December 1, 2026");
}

void ChangesTest::postponingByOddEntries()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, dayNumbers);
    QFETCH(QList<QDate>, dueDates);
    QFETCH(QString, named);
    DataFixture fx;
    store::BatchFile batch = weeklyBatch();
    fx.writeBatch(kBatch, batch);
    const auto before = fx.snapshot();
    MessageScript script;
    AppHarness app(fx, QDate(2026, 12, 8));
    openTaskList(app);
    doubleClickRow(app, 1);
    postpone(app, entry);
    if (dayNumbers.isEmpty()) {
        QCOMPARE(fx.snapshot(), before);
        QCOMPARE(script.shown().size(), 1);
        QVERIFY2(script.texts().first().contains(named), qPrintable(script.texts().first()));
        // The question stays open with the entry, to be put right.
        QCOMPARE(app.visibleName(), QStringLiteral("ThingsToDoToday"));
        QVERIFY(isShown(app, QStringLiteral("Frame2")));
        QCOMPARE(app.control<QLineEdit>(QStringLiteral("PushText"))->text(), entry);
        return;
    }
    for (int i = 0; i < 4; ++i) {
        batch.records[i].DayNumber = dayNumbers.at(i);
        batch.records[i].DueDate = store::formatLongDate(dueDates.at(i));
    }
    QCOMPARE(fx.bytes(activeFile(kBatch)), bytesOf(batch));
    QCOMPARE(app.visibleName(), QStringLiteral("InsertNewAction"));
    QVERIFY(script.shown().isEmpty());
}

void ChangesTest::postponingAcrossTheYearEnd()
{
    DataFixture fx;
    store::BatchFile batch = batchOf(
        QStringLiteral("Ann Smith"),
        {action(QStringLiteral("29"), longDate(2026, 12, 30), QStringLiteral("Rack")),
         action(QString(), longDate(2026, 12, 31), QStringLiteral("Noted by hand")),
         action(QStringLiteral("60"), QStringLiteral("1/30/2027"), QStringLiteral("Bottle"))});
    fx.writeBatch(kBatch, batch);
    MessageScript script;
    AppHarness app(fx, QDate(2026, 12, 30));
    openTaskList(app);
    doubleClickRow(app, 1);
    postpone(app, QStringLiteral("3"));
    batch.records[0].DayNumber = QStringLiteral("32");
    batch.records[0].DueDate = QStringLiteral("Saturday, January 2, 2027");
    batch.records[1].DayNumber = QStringLiteral("3"); // empty counts as 0
    batch.records[1].DueDate = QStringLiteral("Sunday, January 3, 2027");
    batch.records[2].DayNumber = QStringLiteral("63");
    batch.records[2].DueDate = QStringLiteral("Tuesday, February 2, 2027");
    QCOMPARE(fx.bytes(activeFile(kBatch)), bytesOf(batch));

    // The note, with what the shop typed.
    type(app, QStringLiteral("Text4"), QStringLiteral("Waited for the yeast"));
    type(app, QStringLiteral("Text3"), QStringLiteral("1 pack"));
    type(app, QStringLiteral("Text2"), QStringLiteral("  slow start "));
    QVERIFY(app.click(QStringLiteral("CommandButton3")));
    store::ActionRecord note =
        action(QString(), longDate(2026, 12, 30), QStringLiteral("Waited for the yeast"));
    note.Amount = QStringLiteral("1 pack");
    note.Notes = QStringLiteral("  slow start ");
    note.DateCompleted = longDate(2026, 12, 30);
    batch.records.insert(0, note);
    QCOMPARE(fx.bytes(activeFile(kBatch)), bytesOf(batch));
    QCOMPARE(grid(app)->rows(), 1);
}

void ChangesTest::quitLeavesTheFrameAndFileAlone()
{
    DataFixture fx;
    fx.writeBatch(kBatch, weeklyBatch());
    const auto before = fx.snapshot();
    MessageScript script;
    AppHarness app(fx, QDate(2026, 12, 8));
    openTaskList(app);
    doubleClickRow(app, 1);
    QVERIFY(app.click(QStringLiteral("PushCommand")));
    type(app, QStringLiteral("PushText"), QStringLiteral("4"));
    QVERIFY(app.click(QStringLiteral("CommandButton4")));
    QVERIFY(!isShown(app, QStringLiteral("Frame2")));
    QVERIFY(isShown(app, QStringLiteral("UpdateCommand")));
    QCOMPARE(fx.snapshot(), before);
    QVERIFY(script.shown().isEmpty());
}

void ChangesTest::leavingTheNoteScreenKeepsThePostponement_data()
{
    QTest::addColumn<QString>("way"); // out of the note screen
    QTest::newRow("Cancel") << "Cancel";
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("title bar") << "title bar";
}

void ChangesTest::leavingTheNoteScreenKeepsThePostponement()
{
    QFETCH(QString, way);
    DataFixture fx;
    fx.writeBatch(kBatch, weeklyBatch());
    MessageScript script;
    AppHarness app(fx, QDate(2026, 12, 8));
    openTaskList(app);
    doubleClickRow(app, 1);
    postpone(app, QStringLiteral("3"));
    const QByteArray postponed = fx.bytes(activeFile(kBatch));
    QCOMPARE(app.visibleName(), QStringLiteral("InsertNewAction"));
    // The screen says the postponement is done, and offers a way back.
    QVERIFY(labelText(app, QStringLiteral("Postponed_Label")).contains(QStringLiteral("moved")));

    // An emptied action adds nothing: said, and the screen stays.
    type(app, QStringLiteral("Text4"), QString());
    type(app, QStringLiteral("Text2"), QStringLiteral("typed anyway"));
    QVERIFY(app.click(QStringLiteral("CommandButton3")));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().first().contains(QStringLiteral("Action is empty")));
    QCOMPARE(app.visibleName(), QStringLiteral("InsertNewAction"));
    QCOMPARE(fx.bytes(activeFile(kBatch)), postponed);

    if (way == QLatin1String("Cancel"))
        QVERIFY(app.click(QStringLiteral("Cancel_Command")));
    else if (way == QLatin1String("Escape"))
        QTest::keyClick(app.control<QLineEdit>(QStringLiteral("Text2")), Qt::Key_Escape);
    else
        app.visible()->close();
    AppHarness::settle();
    QCOMPARE(app.visibleName(), QStringLiteral("ThingsToDoToday"));
    QCOMPARE(AppHarness::screenWindows(), QStringList{QStringLiteral("ThingsToDoToday")});
    QCOMPARE(fx.bytes(activeFile(kBatch)), postponed);
    QCOMPARE(script.shown().size(), 1);
}

void ChangesTest::refusalsLeaveEveryFileAsItWas_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("damage");
    for (const char* button : {"UpdateCommand", "CommandButton3"}) {
        for (const char* damage : {"no record", "beyond the last", "file gone", "file cut short",
                                   "record changed", "finished elsewhere"})
            QTest::newRow(qPrintable(
                QStringLiteral("%1, %2").arg(QLatin1String(button), QLatin1String(damage))))
                << QString::fromLatin1(button) << QString::fromLatin1(damage);
    }
}

void ChangesTest::refusalsLeaveEveryFileAsItWas()
{
    QFETCH(QString, button);
    QFETCH(QString, damage);
    DataFixture fx;
    fx.writeBatch(kBatch, weeklyBatch());
    fx.writeBatch(QStringLiteral("2026-000042"), sampleBatch(2, QStringLiteral("Other")));
    MessageScript script;
    script.answer(0);
    AppHarness app(fx, QDate(2026, 12, 8));
    openTaskList(app);
    doubleClickRow(app, 1);
    QCOMPARE(app.state().SelectedActionIndex, qint16(2));
    const app::Screen* listed = app.visible();

    if (damage == QLatin1String("no record")) {
        app.state().SelectedActionIndex = 0;
    } else if (damage == QLatin1String("beyond the last")) {
        app.state().SelectedActionIndex = 5;
    } else if (damage == QLatin1String("file gone")) {
        QVERIFY(QFile::rename(fx.path(activeFile(kBatch)), fx.path(QStringLiteral("moved.txt"))));
    } else if (damage == QLatin1String("file cut short")) {
        QStringList lines = linesOf(fx, activeFile(kBatch));
        lines.removeLast();
        fx.writeLines(activeFile(kBatch), lines);
    } else if (damage == QLatin1String("finished elsewhere")) {
        // Completed to the end on another PC, which moved it to the completed folder.
        QVERIFY(QFile::rename(fx.path(activeFile(kBatch)), fx.path(completedFile(kBatch))));
    } else {
        // Edited elsewhere since it was opened: record 2 is now another action.
        store::BatchFile changed = weeklyBatch();
        changed.records.removeAt(1);
        fx.writeBatch(kBatch, changed);
    }
    const auto before = fx.snapshot();
    tick(app);
    if (button == QLatin1String("CommandButton3"))
        postpone(app, QStringLiteral("3"));
    else
        QVERIFY(app.click(button));

    QCOMPARE(fx.snapshot(), before);
    QCOMPARE(script.shown().size(), 1);
    QCOMPARE(script.shown().first().kind, widgets::Messages::Shown::Warning);
    if (damage != QLatin1String("no record"))
        QVERIFY2(script.texts().first().contains(kBatch), qPrintable(script.texts().first()));
    QCOMPARE(app.visibleName(), QStringLiteral("ThingsToDoToday"));
    QVERIFY(!app.shell().loadedScreen<screens::InsertNewAction>());
    // A change made elsewhere is shown at once: the list is made afresh.
    if (damage == QLatin1String("record changed") ||
        damage == QLatin1String("finished elsewhere")) {
        QVERIFY(app.visible() != listed);
        QVERIFY(!isShown(app, QStringLiteral("UpdateCommand")));
    }
}

void ChangesTest::dueDateThatIsNotADateRefusesThePostponement()
{
    DataFixture fx;
    fx.writeBatch(kBatch, weeklyBatch());
    MessageScript script;
    script.answer(0);
    AppHarness app(fx, QDate(2026, 12, 8));
    openTaskList(app);
    doubleClickRow(app, 1);
    // Damaged after the list was made: a later due date is no date.
    store::BatchFile damaged = weeklyBatch();
    damaged.records[3].DueDate = QStringLiteral("when ready");
    fx.writeBatch(kBatch, damaged);
    const auto before = fx.snapshot();
    postpone(app, QStringLiteral("3"));
    QCOMPARE(fx.snapshot(), before);
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().first().contains(QStringLiteral("when ready")));
    QCOMPARE(app.visibleName(), QStringLiteral("ThingsToDoToday"));
}

void ChangesTest::finishedBatchWithANameTakenStaysWhereItIs()
{
    DataFixture fx;
    fx.writeBatch(kBatch, sampleBatch(1));
    fx.writeLines(completedFile(kBatch), {QStringLiteral("an older batch of the same name")});
    const auto before = fx.snapshot();
    MessageScript script;
    script.answer(0);
    AppHarness app(fx);
    openTaskList(app);
    doubleClickRow(app, 1);
    tick(app);
    QVERIFY(app.click(QStringLiteral("UpdateCommand")));
    QCOMPARE(fx.snapshot(), before);
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().first().contains(kBatch));
    QVERIFY(isShown(app, QStringLiteral("UpdateCommand")));
}

void ChangesTest::failedWriteStepLosesNothing_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("step");
    const QPair<const char*, WriteStep> steps[] = {{"temp not creatable", WriteStep::OpenScratch},
                                                   {"disk full", WriteStep::WriteScratch},
                                                   {"flush refused", WriteStep::FlushScratch},
                                                   {"rename refused", WriteStep::Rename}};
    for (const char* button : {"UpdateCommand", "CommandButton3"}) {
        for (const auto& step : steps)
            QTest::newRow(qPrintable(
                QStringLiteral("%1, %2").arg(QLatin1String(button), QLatin1String(step.first))))
                << QString::fromLatin1(button) << int(step.second);
    }
}

void ChangesTest::failedWriteStepLosesNothing()
{
    QFETCH(QString, button);
    QFETCH(int, step);
    DataFixture fx;
    fx.writeBatch(kBatch, weeklyBatch());
    const auto before = fx.snapshot();
    MessageScript script;
    script.answer(0);
    AppHarness app(fx, QDate(2026, 12, 8));
    openTaskList(app);
    doubleClickRow(app, 1);
    tick(app);
    {
        FailStep fail(static_cast<WriteStep>(step));
        if (button == QLatin1String("CommandButton3"))
            postpone(app, QStringLiteral("3"));
        else
            QVERIFY(app.click(button));
    }
    QCOMPARE(fx.snapshot(), before); // no temp.txt either
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().first().contains(kBatch));
    QCOMPARE(app.visibleName(), QStringLiteral("ThingsToDoToday"));
    QCOMPARE(app.state().SelectedActionIndex, qint16(2));
}

void ChangesTest::failedMoveKeepsTheCompletion()
{
    DataFixture fx;
    fx.writeBatch(kBatch, sampleBatch(1));
    MessageScript script;
    script.answer(0);
    AppHarness app(fx);
    openTaskList(app);
    doubleClickRow(app, 1);
    tick(app);
    {
        FailStep fail(WriteStep::Move);
        QVERIFY(app.click(QStringLiteral("UpdateCommand")));
    }
    // Saved in place, not moved: the completion is kept and no longer listed.
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(!fx.exists(completedFile(kBatch)));
    QCOMPARE(linesOf(fx, activeFile(kBatch)).at(32), QStringLiteral("Monday, December 7, 2026"));
    QVERIFY(!fx.exists(QStringLiteral("Active Batches/temp.txt")));
    QCOMPARE(grid(app)->rows(), 1);
}

void ChangesTest::failedNoteKeepsPostponementAndTypedText()
{
    DataFixture fx;
    fx.writeBatch(kBatch, weeklyBatch());
    MessageScript script;
    script.answer(0);
    AppHarness app(fx, QDate(2026, 12, 8));
    openTaskList(app);
    doubleClickRow(app, 1);
    postpone(app, QStringLiteral("3"));
    const auto postponed = fx.snapshot();
    type(app, QStringLiteral("Text2"), QStringLiteral("customer away"));
    {
        FailStep fail(WriteStep::OpenScratch);
        QVERIFY(app.click(QStringLiteral("CommandButton3")));
    }
    // The schedule stays moved, nothing half-written, and the note can be saved again.
    QCOMPARE(fx.snapshot(), postponed);
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().first().contains(kBatch));
    QCOMPARE(app.visibleName(), QStringLiteral("InsertNewAction"));
    QCOMPARE(app.control<QLineEdit>(QStringLiteral("Text2"))->text(),
             QStringLiteral("customer away"));
    QVERIFY(app.click(QStringLiteral("CommandButton3")));
    const QStringList lines = linesOf(fx, activeFile(kBatch));
    QCOMPARE(lines.size(), 26 + 5 * 13);
    QCOMPARE(lines.mid(39, 7), (QStringList{QString(), QStringLiteral("Tuesday, December 8, 2026"),
                                            QStringLiteral("New action manually created"),
                                            QString(), QString(), QStringLiteral("customer away"),
                                            QStringLiteral("Tuesday, December 8, 2026")}));
    QCOMPARE(lines.at(52), QStringLiteral("11")); // the postponed action follows the note
    QCOMPARE(app.visibleName(), QStringLiteral("ThingsToDoToday"));
}

// The list is minutes old; another PC has completed the first listed action.
void ChangesTest::rowChangedElsewhereBeforeItIsOpenedRefreshesTheList()
{
    DataFixture fx;
    fx.writeBatch(kBatch, weeklyBatch());
    fx.writeBatch(QStringLiteral("2026-000042"), weeklyBatch());
    MessageScript script;
    AppHarness app(fx, QDate(2026, 12, 8));
    openTaskList(app);
    QCOMPARE(grid(app)->rows(), 3);
    const QString first = grid(app)->textAt(1, 0);
    const QString other = grid(app)->textAt(2, 0);
    store::BatchFile done = weeklyBatch();
    done.records[1].DateCompleted = longDate(2026, 12, 8);
    fx.writeBatch(first, done);
    const auto before = fx.snapshot();

    script.answer(0);
    doubleClickRow(app, 1);
    QCOMPARE(script.shown().size(), 1);
    QVERIFY2(script.texts().at(0).contains(QStringLiteral("now shows the batches as they are")),
             qPrintable(script.texts().at(0)));
    QCOMPARE(grid(app)->rows(), 2); // read again: only the other batch is due
    QCOMPARE(grid(app)->textAt(1, 0), other);
    QVERIFY(app.control<QWidget>(QStringLiteral("CommandButton2"))->isVisible());
    QCOMPARE(fx.snapshot(), before);
}

// Another PC completes the postponed action before the note is accepted: no
// note under a completed action, no "try again", and the list as it is now.
void ChangesTest::noteForAnActionCompletedElsewhereIsNotAdded()
{
    DataFixture fx;
    fx.writeBatch(kBatch, weeklyBatch());
    MessageScript script;
    AppHarness app(fx, QDate(2026, 12, 8));
    openTaskList(app);
    doubleClickRow(app, 1);
    postpone(app, QStringLiteral("2"));
    type(app, QStringLiteral("Text2"), QStringLiteral("customer away"));
    store::BatchFile other =
        store::readBatchFile(fx.dataRoot(), store::BatchFolder::Active, kBatch);
    for (store::ActionRecord& record : other.records) {
        if (record.isOpen())
            record.DateCompleted = longDate(2026, 12, 8);
    }
    fx.writeBatch(kBatch, other);
    const auto changed = fx.snapshot();
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("CommandButton3")));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY2(script.texts().at(0).contains(QStringLiteral("changed meanwhile")),
             qPrintable(script.texts().at(0)));
    QVERIFY(!script.texts().at(0).contains(QStringLiteral("try again")));
    QCOMPARE(fx.snapshot(), changed);
    QCOMPARE(app.visibleName(), QStringLiteral("ThingsToDoToday"));
    QCOMPARE(grid(app)->rows(), 1); // nothing of that batch is open any more
}

// A batch whose last record is already completed (edited by hand, or left by a
// move that failed) while earlier ones are open: only completing an action
// archives it, and the note screen can always be left.
void ChangesTest::postponingAndNotingNeverArchiveTheBatch()
{
    DataFixture fx;
    store::BatchFile batch =
        batchOf(QStringLiteral("Ann Smith"),
                {action(QStringLiteral("1"), longDate(2026, 12, 1), QStringLiteral("Yeast")),
                 action(QStringLiteral("15"), longDate(2026, 12, 15), QStringLiteral("Rack")),
                 done(action(QStringLiteral("8"), longDate(2026, 12, 8), QStringLiteral("Stir")),
                      longDate(2026, 12, 5))});
    fx.writeBatch(kBatch, batch);
    MessageScript script;
    AppHarness app(fx, QDate(2026, 12, 8));
    openTaskList(app);
    QCOMPARE(grid(app)->textAt(1, 3), QStringLiteral("Yeast"));

    // Postponed: the file stays with the batches in progress.
    doubleClickRow(app, 1);
    postpone(app, QStringLiteral("3"));
    QVERIFY(!fx.exists(completedFile(kBatch)));
    QCOMPARE(linesOf(fx, activeFile(kBatch)).at(27), longDate(2026, 12, 4));
    const auto postponed = fx.snapshot();

    // The note cannot be saved: the screen keeps it and says so, and closing the
    // window returns to the list with the postponement kept.
    QCOMPARE(app.visibleName(), QStringLiteral("InsertNewAction"));
    type(app, QStringLiteral("Text2"), QStringLiteral("waiting for yeast"));
    script.answer(0);
    {
        FailStep fail(WriteStep::OpenScratch);
        QVERIFY(app.click(QStringLiteral("CommandButton3")));
    }
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().first().contains(kBatch));
    QVERIFY(script.texts().first().contains(QStringLiteral("\"Cancel\"")));
    QCOMPARE(fx.snapshot(), postponed);
    QCOMPARE(app.visibleName(), QStringLiteral("InsertNewAction"));
    QCOMPARE(app.control<QLineEdit>(QStringLiteral("Text2"))->text(),
             QStringLiteral("waiting for yeast"));
    app.visible()->close();
    AppHarness::settle();
    QCOMPARE(app.visibleName(), QStringLiteral("ThingsToDoToday"));
    QCOMPARE(fx.snapshot(), postponed);

    // Postponed again and noted: still in progress, the note before the action.
    QCOMPARE(grid(app)->rows(), 2);
    doubleClickRow(app, 1);
    postpone(app, QStringLiteral("-1"));
    type(app, QStringLiteral("Text2"), QStringLiteral("yeast came early"));
    QVERIFY(app.click(QStringLiteral("CommandButton3")));
    QCOMPARE(app.visibleName(), QStringLiteral("ThingsToDoToday"));
    QVERIFY(!fx.exists(completedFile(kBatch)));
    QStringList lines = linesOf(fx, activeFile(kBatch));
    QCOMPARE(lines.size(), 26 + 4 * 13);
    QCOMPARE(lines.at(26 + 5), QStringLiteral("yeast came early"));
    QCOMPARE(lines.at(26 + 13 + 1), longDate(2026, 12, 3));

    // Completing an action is what archives it.
    QCOMPARE(grid(app)->rows(), 2);
    doubleClickRow(app, 1);
    tick(app);
    QVERIFY(app.click(QStringLiteral("UpdateCommand")));
    QVERIFY(!fx.exists(activeFile(kBatch)));
    lines = linesOf(fx, completedFile(kBatch));
    QCOMPARE(lines.at(26 + 13 + 6), QStringLiteral("Tuesday, December 8, 2026"));
    QCOMPARE(grid(app)->rows(), 1);
    QCOMPARE(script.shown().size(), 1);
}

void ChangesTest::postponingOffTheCalendarIsRefused_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("named");
    // From December 8, 2026, the action being postponed.
    QTest::newRow("back before year 1")
        << "-800000" << QStringList{formatLongDate(QDate(2026, 12, 8).addDays(-800000))};
    const QString year10000 = formatLongDate(store::lastStorableDate().addDays(1));
    QTest::newRow("past year 9999") << "2912102" << QStringList{year10000};
    // The opened action stays inside the calendar; the last one would not.
    QTest::newRow("a later action past year 9999")
        << "2912088" << QStringList{"action 4", year10000};
    QTest::newRow("thirteen digits")
        << "1234567890123" << QStringList{"1234567890123", "off the calendar"};
    QTest::newRow("thirteen digits back")
        << "-1234567890123" << QStringList{"-1234567890123", "off the calendar"};
}

void ChangesTest::postponingOffTheCalendarIsRefused()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, named);
    DataFixture fx;
    fx.writeBatch(kBatch, weeklyBatch());
    const auto before = fx.snapshot();
    MessageScript script;
    script.answer(0);
    AppHarness app(fx, QDate(2026, 12, 8));
    openTaskList(app);
    doubleClickRow(app, 1);
    postpone(app, entry);
    QCOMPARE(fx.snapshot(), before);
    QCOMPARE(script.shown().size(), 1);
    const QString message = script.texts().first();
    QVERIFY2(message.contains(kBatch), qPrintable(message));
    for (const QString& text : named)
        QVERIFY2(message.contains(text), qPrintable(message));
    QVERIFY2(!message.contains(QStringLiteral("such as 3")), qPrintable(message));
    QCOMPARE(app.visibleName(), QStringLiteral("ThingsToDoToday"));
    QVERIFY(isShown(app, QStringLiteral("UpdateCommand")));
}

VINTRELO_TEST_MAIN(ChangesTest)
#include "tst_changes.moc"
