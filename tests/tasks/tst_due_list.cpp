// The day's list: which actions are due, how they show, and which row opens.
#include "AppHarness.h"
#include "DataFixture.h"
#include "MessageScript.h"
#include "TaskTesting.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>

using namespace tasks_testing;

class DueListTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }
    void emptyFolderListsNothingAndSaysSoOnPrint();
    void onlyOpenActionsDueByTodayAreListed();
    void batchesFollowInFileNameOrder();
    void onlyTheTopmostRowOfABatchOpens();
    void openedActionShowsItsRecordAndQuitShowsTheListAgain();
    void refusedDoubleClickKeepsTheOpenActionAndWhatWasTyped();
    void doubleClickOnHeadingOpensNothing();
    void completedTwinOfAListedActionIsNeverOpened();
    void actionStoredInAnotherDateFormOpens();
    void damagedFilesAreSkippedAndNamedOnce();
    void damagedFilesAreNamedOncePerVisitOverTheList();
    void fileGoneSinceTheListWasMadeIsReported();
};

void DueListTest::emptyFolderListsNothingAndSaysSoOnPrint()
{
    DataFixture fx;
    MessageScript script;
    script.answer(0);
    AppHarness app(fx);
    openTaskList(app);
    QCOMPARE(grid(app)->rows(), 1);
    QCOMPARE(grid(app)->textAt(0, 0), QStringLiteral("Batch I.D."));
    QCOMPARE(grid(app)->textAt(0, 3), QStringLiteral("Action"));
    QCOMPARE(labelText(app, QStringLiteral("Label1")), QStringLiteral("Monday, December 7, 2026"));
    QVERIFY(isShown(app, QStringLiteral("CommandButton2")));
    QVERIFY(!isShown(app, QStringLiteral("UpdateCommand")));
    QVERIFY(!isShown(app, QStringLiteral("Frame2")));

    doubleClickRow(app, 0); // the heading: nothing to open
    QVERIFY(script.shown().isEmpty());

    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(script.texts(), QStringList{QStringLiteral("You have no tasks to complete today")});
    QVERIFY(script.unexpected().isEmpty());
}

void DueListTest::onlyOpenActionsDueByTodayAreListed()
{
    DataFixture fx;
    const QString today = longDate(2026, 12, 7);
    fx.writeBatch(
        QStringLiteral("2026-000041"),
        batchOf(QStringLiteral("Ann Smith"),
                {done(action(QStringLiteral("1"), today, QStringLiteral("Add yeast")), today),
                 action(QStringLiteral("2"), today, QStringLiteral("Stir the must")),
                 action(QStringLiteral("3"), longDate(2026, 12, 8),
                        QStringLiteral("Check the gravity")),
                 action(QStringLiteral("4"), longDate(2026, 12, 6),
                        QStringLiteral("Top up the carboy"))}));
    // Copied from an older machine: capital extension, a short numeric due date,
    // and an earlier action that is not due yet in front of an overdue one.
    fx.writeLines(
        QStringLiteral("Active Batches/2026-000042.TXT"),
        store::batchToLines(batchOf(
            QStringLiteral("Bob Jones"),
            {action(QStringLiteral("1"), longDate(2026, 12, 20), QStringLiteral("Rack")),
             action(QStringLiteral("9"), QStringLiteral("12/1/2026"), QStringLiteral("Degas"))})));
    MessageScript script;
    AppHarness app(fx);
    openTaskList(app);

    widgets::Grid* g = grid(app);
    QCOMPARE(g->rows(), 4);
    const QStringList expected[] = {
        {QStringLiteral("2026-000041"), QStringLiteral("Ann Smith"), today,
         QStringLiteral("Stir the must")},
        {QStringLiteral("2026-000041"), QStringLiteral("Ann Smith"),
         QStringLiteral("Sunday, December 6, 2026"), QStringLiteral("Top up the carboy")},
        {QStringLiteral("2026-000042"), QStringLiteral("Bob Jones"),
         QStringLiteral("Tuesday, December 1, 2026"), QStringLiteral("Degas")}};
    for (int row = 1; row <= 3; ++row) {
        for (int col = 0; col < 4; ++col)
            QCOMPARE(g->textAt(row, col), expected[row - 1].at(col));
        QCOMPARE(g->alignmentAt(row, 0), Qt::AlignCenter);
        QCOMPARE(g->alignmentAt(row, 2), Qt::AlignCenter);
        QCOMPARE(g->alignmentAt(row, 3), Qt::AlignLeft | Qt::AlignVCenter);
    }
    // Due today: no colour; overdue: light red.
    QVERIFY(!g->backgroundAt(1, 2).isValid());
    QCOMPARE(g->backgroundAt(2, 2), QColor(255, 0, 0));
    QCOMPARE(g->backgroundAt(3, 2), QColor(255, 0, 0));
    QVERIFY(!g->backgroundAt(2, 3).isValid());
    // 1900 and 69000 twips, 15 to a pixel.
    QCOMPARE(g->columnWidth(0), 127);
    QCOMPARE(g->columnWidth(3), 4600);
    QVERIFY(script.shown().isEmpty());
}

void DueListTest::batchesFollowInFileNameOrder()
{
    DataFixture fx;
    const QString due = longDate(2026, 12, 5);
    // Written newest first, so the order cannot come from the disk.
    fx.writeBatch(
        QStringLiteral("2026-000043"),
        batchOf(QStringLiteral("Cy"), {action(QStringLiteral("1"), due, QStringLiteral("C1"))}));
    fx.writeBatch(
        QStringLiteral("2026-000041"),
        batchOf(QStringLiteral("Al"), {action(QStringLiteral("1"), due, QStringLiteral("A1")),
                                       action(QStringLiteral("2"), due, QStringLiteral("A2"))}));
    fx.writeLines(
        QStringLiteral("Active Batches/2026-000042.TXT"),
        store::batchToLines(batchOf(QStringLiteral("Bo"),
                                    {action(QStringLiteral("1"), due, QStringLiteral("B1"))})));
    MessageScript script;
    AppHarness app(fx);
    openTaskList(app);
    QStringList order;
    for (int row = 1; row < grid(app)->rows(); ++row)
        order << grid(app)->textAt(row, 0) + QLatin1Char(' ') + grid(app)->textAt(row, 3);
    QCOMPARE(order,
             (QStringList{"2026-000041 A1", "2026-000041 A2", "2026-000042 B1", "2026-000043 C1"}));
}

void DueListTest::onlyTheTopmostRowOfABatchOpens()
{
    DataFixture fx;
    const QString due = longDate(2026, 12, 7);
    fx.writeBatch(
        QStringLiteral("2026-000041"),
        batchOf(QStringLiteral("Al"), {action(QStringLiteral("1"), due, QStringLiteral("A1")),
                                       action(QStringLiteral("2"), due, QStringLiteral("A2"))}));
    fx.writeBatch(
        QStringLiteral("2026-000042"),
        batchOf(QStringLiteral("Bo"), {action(QStringLiteral("1"), due, QStringLiteral("B1"))}));
    const auto before = fx.snapshot();
    MessageScript script;
    script.answer(0);
    AppHarness app(fx);
    openTaskList(app);

    doubleClickRow(app, 2);
    QCOMPARE(script.texts(),
             QStringList{QStringLiteral("A previous action with the same Batch I.D. should be "
                                        "completed 1st")});
    QCOMPARE(script.shown().first().kind, widgets::Messages::Shown::Warning);
    QCOMPARE(grid(app)->row(), 1); // the earlier action is marked
    QCOMPARE(app.state().SelectedActionIndex, qint16(0));
    QVERIFY(!isShown(app, QStringLiteral("UpdateCommand")));
    QVERIFY(isShown(app, QStringLiteral("CommandButton2")));

    doubleClickRow(app, 3);
    QCOMPARE(labelText(app, QStringLiteral("BatchIDLabel")), QStringLiteral("2026-000042"));
    QCOMPARE(app.state().SelectedActionIndex, qint16(1));
    QCOMPARE(app.state().SelectedBatchID, QStringLiteral("2026-000042"));

    // Double-clicking the batch identifier itself opens that row too.
    doubleClickRow(app, 1, 0);
    QCOMPARE(labelText(app, QStringLiteral("BatchIDLabel")), QStringLiteral("2026-000041"));
    QCOMPARE(labelText(app, QStringLiteral("ActionLabel")), QStringLiteral("A1"));
    QCOMPARE(app.state().SelectedActionIndex, qint16(1));
    QCOMPARE(script.shown().size(), 1);
    QCOMPARE(fx.snapshot(), before); // opening reads only
}

void DueListTest::openedActionShowsItsRecordAndQuitShowsTheListAgain()
{
    DataFixture fx;
    store::ActionRecord third = action(QStringLiteral("15"), longDate(2026, 12, 7),
                                       QStringLiteral("Rack into a clean carboy"));
    third.Amount = QStringLiteral("half");
    third.Notes = QStringLiteral("  spaced  ");
    fx.writeBatch(
        QStringLiteral("2026-000041"),
        batchOf(
            QStringLiteral("Al"),
            {done(action(QStringLiteral("1"), longDate(2026, 12, 1), QStringLiteral("Add yeast")),
                  longDate(2026, 12, 1)),
             action(QStringLiteral("8"), longDate(2026, 12, 9), QStringLiteral("Stir")), third}));
    MessageScript script;
    AppHarness app(fx);
    openTaskList(app);
    QCOMPARE(grid(app)->rows(), 2);

    doubleClickRow(app, 1);
    QCOMPARE(app.state().SelectedActionIndex, qint16(3));
    QCOMPARE(labelText(app, QStringLiteral("DayNumberLabel")), QStringLiteral("15"));
    QCOMPARE(labelText(app, QStringLiteral("DueDateLabel")), longDate(2026, 12, 7));
    QCOMPARE(labelText(app, QStringLiteral("ActionLabel")),
             QStringLiteral("Rack into a clean carboy"));
    QCOMPARE(app.control<QLineEdit>(QStringLiteral("AmountText"))->text(), QStringLiteral("half"));
    QCOMPARE(app.control<QLineEdit>(QStringLiteral("MeasurementText"))->text(), QString());
    QCOMPARE(app.control<QLineEdit>(QStringLiteral("NotesText"))->text(),
             QStringLiteral("  spaced  "));
    for (const char* shown : {"UpdateCommand", "PushCommand", "CheckBox1", "CommandButton5"})
        QVERIFY2(isShown(app, QString::fromLatin1(shown)), shown);
    for (const char* hidden : {"CommandButton1", "CommandButton2", "Frame2"})
        QVERIFY2(!isShown(app, QString::fromLatin1(hidden)), hidden);

    // "Quit this screen" also takes the postpone frame away: its "Accept" would
    // act on an action no longer shown.
    QVERIFY(app.click(QStringLiteral("PushCommand")));
    QVERIFY(isShown(app, QStringLiteral("Frame2")));
    QVERIFY(app.click(QStringLiteral("CommandButton5")));
    QVERIFY(!isShown(app, QStringLiteral("Frame2")));
    QVERIFY(isShown(app, QStringLiteral("CommandButton1")));
    QVERIFY(!isShown(app, QStringLiteral("UpdateCommand")));
    QVERIFY(!isShown(app, QStringLiteral("CommandButton5")));
    // The list's own buttons are all back, "Print To Do List" too.
    QVERIFY(isShown(app, QStringLiteral("CommandButton2")));
    QCOMPARE(app.state().SelectedActionIndex, qint16(3));
    QVERIFY(script.shown().isEmpty());

    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
}

void DueListTest::refusedDoubleClickKeepsTheOpenActionAndWhatWasTyped()
{
    DataFixture fx;
    const QString due = longDate(2026, 12, 7);
    const store::BatchFile batch =
        batchOf(QStringLiteral("Al"), {action(QStringLiteral("1"), due, QStringLiteral("A1")),
                                       action(QStringLiteral("2"), due, QStringLiteral("A2"))});
    fx.writeBatch(QStringLiteral("2026-000041"), batch);
    const auto before = fx.snapshot();
    MessageScript script;
    script.answer(0);
    AppHarness app(fx);
    openTaskList(app);
    doubleClickRow(app, 1);
    QVERIFY(isShown(app, QStringLiteral("UpdateCommand")));
    type(app, QStringLiteral("AmountText"), QStringLiteral("5 g"));
    type(app, QStringLiteral("MeasurementText"), QStringLiteral("1.010"));
    type(app, QStringLiteral("NotesText"), QStringLiteral("typed before the refusal"));
    QVERIFY(app.click(QStringLiteral("PushCommand")));
    QVERIFY(isShown(app, QStringLiteral("Frame2")));

    // Row 2 is refused: the panel stays on row 1's action, with what was typed.
    doubleClickRow(app, 2);
    QCOMPARE(script.shown().size(), 1);
    QCOMPARE(app.state().SelectedActionIndex, qint16(1));
    QCOMPARE(app.state().SelectedBatchID, QStringLiteral("2026-000041"));
    QCOMPARE(labelText(app, QStringLiteral("ActionLabel")), QStringLiteral("A1"));
    for (const char* shown :
         {"UpdateCommand", "PushCommand", "CheckBox1", "Frame2", "CommandButton5"})
        QVERIFY2(isShown(app, QString::fromLatin1(shown)), shown);
    QVERIFY(!isShown(app, QStringLiteral("CommandButton1")));
    QCOMPARE(app.control<QLineEdit>(QStringLiteral("NotesText"))->text(),
             QStringLiteral("typed before the refusal"));
    QCOMPARE(fx.snapshot(), before);

    // And completing it then writes what was typed into that action.
    QVERIFY(app.click(QStringLiteral("CommandButton4")));
    tick(app);
    QVERIFY(app.click(QStringLiteral("UpdateCommand")));
    store::BatchFile expected = batch;
    expected.records[0].Amount = QStringLiteral("5 g");
    expected.records[0].Measurement = QStringLiteral("1.010");
    expected.records[0].Notes = QStringLiteral("typed before the refusal");
    expected.records[0].DateCompleted = due;
    QCOMPARE(fx.bytes(activeFile(QStringLiteral("2026-000041"))), bytesOf(expected));
    QVERIFY(script.unexpected().isEmpty());
}

void DueListTest::doubleClickOnHeadingOpensNothing()
{
    DataFixture fx;
    fx.writeBatch(QStringLiteral("2026-000041"),
                  batchOf(QStringLiteral("Al"), {action(QStringLiteral("1"), longDate(2026, 12, 7),
                                                        QStringLiteral("A1"))}));
    MessageScript script;
    AppHarness app(fx);
    openTaskList(app);
    QVERIFY(grid(app)->setCurrentCell(1, 2));
    doubleClickRow(app, 0, 2);
    QVERIFY(!isShown(app, QStringLiteral("UpdateCommand")));
    QCOMPARE(app.state().SelectedActionIndex, qint16(0));
    QVERIFY(script.shown().isEmpty());
}

void DueListTest::completedTwinOfAListedActionIsNeverOpened()
{
    DataFixture fx;
    const QString due = longDate(2026, 12, 7);
    fx.writeBatch(QStringLiteral("2026-000041"),
                  batchOf(QStringLiteral("Al"),
                          {done(action(QStringLiteral("1"), due, QStringLiteral("Stir")), due),
                           action(QStringLiteral("1"), due, QStringLiteral("Stir"))}));
    MessageScript script;
    AppHarness app(fx);
    openTaskList(app);
    QCOMPARE(grid(app)->rows(), 2);
    doubleClickRow(app, 1);
    // The listed action is the open one; the completed twin keeps its results.
    QCOMPARE(app.state().SelectedActionIndex, qint16(2));
    QCOMPARE(app.control<QLineEdit>(QStringLiteral("AmountText"))->text(), QString());
}

void DueListTest::actionStoredInAnotherDateFormOpens()
{
    DataFixture fx;
    fx.writeBatch(QStringLiteral("2026-000041"),
                  batchOf(QStringLiteral("Al"),
                          {action(QStringLiteral("1"), QStringLiteral("December 7, 2026"),
                                  QStringLiteral("Stir"))}));
    MessageScript script;
    AppHarness app(fx);
    openTaskList(app);
    QCOMPARE(grid(app)->textAt(1, 2), QStringLiteral("Monday, December 7, 2026"));
    QVERIFY(!grid(app)->backgroundAt(1, 2).isValid());
    doubleClickRow(app, 1);
    QCOMPARE(app.state().SelectedActionIndex, qint16(1));
    // The panel shows the date in this PC's long form, as the list does.
    QCOMPARE(labelText(app, QStringLiteral("DueDateLabel")),
             QStringLiteral("Monday, December 7, 2026"));
    QVERIFY(script.shown().isEmpty());
}

void DueListTest::damagedFilesAreSkippedAndNamedOnce()
{
    DataFixture fx;
    const QString due = longDate(2026, 12, 7);
    fx.writeBatch(
        QStringLiteral("2026-000041"),
        batchOf(QStringLiteral("Al"), {action(QStringLiteral("1"), due, QStringLiteral("A1"))}));
    QStringList cut = store::batchToLines(
        batchOf(QStringLiteral("Bo"), {action(QStringLiteral("1"), due, QStringLiteral("B1"))}));
    cut.removeLast();
    fx.writeLines(QStringLiteral("Active Batches/2026-000042.txt"), cut);
    fx.writeBatch(
        QStringLiteral("2026-000043"),
        batchOf(QStringLiteral("Cy"),
                {action(QStringLiteral("1"), due, QStringLiteral("C1")),
                 action(QStringLiteral("2"), QStringLiteral("soonish"), QStringLiteral("C2"))}));
    fx.writeLines(QStringLiteral("Active Batches/2026-000044.txt"), {QStringLiteral("Short")});
    fx.writeBatch(
        QStringLiteral("2026-000045"),
        batchOf(QStringLiteral("Di"), {action(QStringLiteral("1"), due, QStringLiteral("D1"))}));
    // A scratch file left by an interrupted save is no batch.
    fx.writeLines(QStringLiteral("Active Batches/temp.txt"), {QStringLiteral("half")});
    const auto before = fx.snapshot();
    MessageScript script;
    script.answer(0);
    AppHarness app(fx);
    openTaskList(app);

    QCOMPARE(grid(app)->rows(), 3);
    QCOMPARE(grid(app)->textAt(1, 3), QStringLiteral("A1"));
    QCOMPARE(grid(app)->textAt(2, 3), QStringLiteral("D1"));
    QCOMPARE(script.shown().size(), 1);
    const QString text = script.texts().first();
    for (const char* name : {"2026-000042.txt", "2026-000043.txt", "2026-000044.txt"})
        QVERIFY2(text.contains(QString::fromLatin1(name)), name);
    QVERIFY(!text.contains(QStringLiteral("2026-000041")));
    QVERIFY(!text.contains(QStringLiteral("temp.txt")));
    QCOMPARE(fx.snapshot(), before);
}

void DueListTest::damagedFilesAreNamedOncePerVisitOverTheList()
{
    DataFixture fx;
    const QString due = longDate(2026, 12, 7);
    fx.writeBatch(
        QStringLiteral("2026-000041"),
        batchOf(QStringLiteral("Al"), {action(QStringLiteral("1"), due, QStringLiteral("A1")),
                                       action(QStringLiteral("2"), due, QStringLiteral("A2")),
                                       action(QStringLiteral("3"), due, QStringLiteral("A3"))}));
    // Cut short inside its second record, as a full disk or a pulled stick leaves it.
    QStringList cut = store::batchToLines(
        batchOf(QStringLiteral("Bo"), {action(QStringLiteral("1"), due, QStringLiteral("B1")),
                                       action(QStringLiteral("2"), due, QStringLiteral("B2"))}));
    cut = cut.mid(0, cut.size() - 8);
    fx.writeLines(activeFile(QStringLiteral("2026-000042")), cut);
    fx.writeBatch(
        QStringLiteral("2026-000043"),
        batchOf(QStringLiteral("Cy"),
                {action(QStringLiteral("1"), QStringLiteral("soonish"), QStringLiteral("C1"))}));
    MessageScript script;
    script.answer(0);
    AppHarness app(fx);
    openTaskList(app);

    // Over the list, naming each file and what is wrong with it, and advice that works.
    QCOMPARE(script.shown().size(), 1);
    QCOMPARE(script.windowsBehind().at(0), QStringList{QStringLiteral("ThingsToDoToday")});
    const QString text = script.texts().at(0);
    for (const QString& part :
         {fx.path(activeFile(QStringLiteral("2026-000042"))), QStringLiteral("cut short"),
          fx.path(activeFile(QStringLiteral("2026-000043"))), QStringLiteral("\"soonish\""),
          QStringLiteral("\"Backups\" in the README"), QStringLiteral("text editor")})
        QVERIFY2(text.contains(QDir::toNativeSeparators(part)), qPrintable(part + "\n" + text));
    QVERIFY(!text.contains(QStringLiteral("Open them in the batch editor")));
    // Only the file whose due date is wrong can be corrected in the batch editor.
    QCOMPARE(text.count(QStringLiteral("batch editor")), 2);

    // A completion, a postponement and its note each reload the list: no repeat.
    doubleClickRow(app, 1);
    tick(app);
    QVERIFY(app.click(QStringLiteral("UpdateCommand")));
    QCOMPARE(grid(app)->rows(), 3);
    doubleClickRow(app, 1);
    postpone(app, QStringLiteral("2"));
    QCOMPARE(app.visibleName(), QStringLiteral("InsertNewAction"));
    type(app, QStringLiteral("Text4"), QStringLiteral("Waited"));
    QVERIFY(app.click(QStringLiteral("CommandButton3")));
    QCOMPARE(app.visibleName(), QStringLiteral("ThingsToDoToday"));
    QCOMPARE(grid(app)->rows(), 1); // both later actions moved out of today
    QCOMPARE(script.shown().size(), 1);

    // The next visit from the main menu names them again.
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(script.shown().size(), 2);
    QCOMPARE(script.windowsBehind().at(1), QStringList{QStringLiteral("ThingsToDoToday")});
    QCOMPARE(script.texts().at(1), text);
    QVERIFY(script.unexpected().isEmpty());
}

void DueListTest::fileGoneSinceTheListWasMadeIsReported()
{
    DataFixture fx;
    fx.writeBatch(QStringLiteral("2026-000041"),
                  batchOf(QStringLiteral("Al"), {action(QStringLiteral("1"), longDate(2026, 12, 7),
                                                        QStringLiteral("A1"))}));
    MessageScript script;
    script.answer(0);
    AppHarness app(fx);
    openTaskList(app);
    QVERIFY(QFile::remove(fx.path(activeFile(QStringLiteral("2026-000041")))));
    doubleClickRow(app, 1);
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().first().contains(QStringLiteral("2026-000041")));
    QCOMPARE(app.state().SelectedActionIndex, qint16(0));
    QVERIFY(!isShown(app, QStringLiteral("UpdateCommand")));
}

VINTRELO_TEST_MAIN(DueListTest)
#include "tst_due_list.moc"
