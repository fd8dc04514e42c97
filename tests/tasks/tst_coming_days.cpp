// The days ahead: counts per day over the next week, any chosen day's actions
// and its to-do sheet, on fixtures with a fixed today, and the today list left
// as it was.
#include "../print/PdfTools.h"
#include "AppHarness.h"
#include "DataFixture.h"
#include "MessageScript.h"
#include "TaskTesting.h"
#include "TestMain.h"
#include "print/PageSurface.h"
#include "print/PrintJob.h"
#include "print/ToDoList.h"
#include "screens/tasks/ComingDays.h"
#include "store/ComingDays.h"

#include <QDateEdit>
#include <QTemporaryDir>

using namespace tasks_testing;

Q_DECLARE_METATYPE(QVector<QDate>)

namespace {

// One batch per due date, each holding one open action named after its date,
// plus, where `done` is set, a completed action on the same date.
void writeDueDates(const DataFixture& fx, const QVector<QDate>& dues, bool done = false)
{
    for (int i = 0; i < dues.size(); ++i) {
        QVector<store::ActionRecord> records;
        if (done)
            records << tasks_testing::done(
                action(QStringLiteral("0"), longDate(dues.at(i)), QStringLiteral("Done already")),
                longDate(dues.at(i)));
        records << action(QStringLiteral("1"), longDate(dues.at(i)),
                          QStringLiteral("Task %1").arg(dues.at(i).toString(Qt::ISODate)));
        fx.writeBatch(QStringLiteral("2026-%1").arg(100 + i, 6, 10, QLatin1Char('0')),
                      batchOf(QStringLiteral("Customer %1").arg(i), records));
    }
}

QStringList column(widgets::Grid* grid, int col)
{
    QStringList texts;
    for (int row = 1; row < grid->rows(); ++row)
        texts << grid->textAt(row, col);
    return texts;
}

} // namespace

class ComingDaysTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        print::setDefaultPrinterLookup([] { return QString(); });
    }
    void cleanup()
    {
        print::setDefaultPrinterLookup(nullptr);
        store::Clock::setFixedToday(QDate());
        AppHarness::settle();
    }
    void weekCounts_data();
    void weekCounts();
    void chosenDaySheet();
    void theWeekFromTheTaskList();
};

void ComingDaysTest::weekCounts_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QVector<QDate>>("dues");
    QTest::addColumn<QVector<int>>("counts");
    QTest::addColumn<QDate>("chosen");
    QTest::addColumn<QStringList>("listed");

    QTest::newRow("year end")
        << QDate(2026, 12, 29)
        << QVector<QDate>{{2026, 12, 29}, {2026, 12, 31}, {2027, 1, 1}, {2027, 1, 4}, {2027, 1, 5}}
        << QVector<int>{1, 0, 1, 1, 0, 0, 1} << QDate(2027, 1, 1) << QStringList{"Task 2027-01-01"};
    QTest::newRow("leap day")
        << QDate(2028, 2, 26)
        << QVector<QDate>{{2028, 2, 28}, {2028, 2, 29}, {2028, 3, 1}, {2028, 3, 3}, {2028, 3, 4}}
        << QVector<int>{0, 0, 1, 1, 1, 0, 1} << QDate(2028, 2, 29)
        << QStringList{"Task 2028-02-29"};
    QTest::newRow("overdue on today")
        << QDate(2026, 12, 7) << QVector<QDate>{{2026, 11, 30}, {2026, 12, 7}, {2026, 12, 9}}
        << QVector<int>{2, 0, 1, 0, 0, 0, 0} << QDate(2026, 12, 7)
        << QStringList{"Task 2026-11-30", "Task 2026-12-07"};
    QTest::newRow("a past day lists what is still open")
        << QDate(2026, 12, 7) << QVector<QDate>{{2026, 11, 30}, {2026, 12, 7}}
        << QVector<int>{2, 0, 0, 0, 0, 0, 0} << QDate(2026, 11, 30)
        << QStringList{"Task 2026-11-30"};
    QTest::newRow("a day beyond the week")
        << QDate(2026, 12, 7) << QVector<QDate>{{2026, 12, 7}, {2027, 3, 15}}
        << QVector<int>{1, 0, 0, 0, 0, 0, 0} << QDate(2027, 3, 15)
        << QStringList{"Task 2027-03-15"};
}

void ComingDaysTest::weekCounts()
{
    QFETCH(QDate, today);
    QFETCH(QVector<QDate>, dues);
    QFETCH(QVector<int>, counts);
    QFETCH(QDate, chosen);
    QFETCH(QStringList, listed);
    DataFixture fx;
    // Completed actions on the same days are never counted.
    writeDueDates(fx, dues, true);

    const store::ComingDays coming = store::scanComingDays(fx.dataRoot(), today);
    QVector<int> counted;
    for (int i = 0; i < coming.days.size(); ++i) {
        QCOMPARE(coming.days.at(i).day, today.addDays(i));
        counted << coming.days.at(i).count;
    }
    QCOMPARE(counted, counts);
    QStringList actions;
    for (const store::DueAction& due :
         store::scanActionsOfDay(fx.dataRoot(), today, chosen).actions)
        actions << due.action;
    QCOMPARE(actions, listed);

    // The screen shows the same, day by day.
    MessageScript script;
    AppHarness app(fx, today);
    openTaskList(app);
    QVERIFY(app.click(QStringLiteral("ComingDays_Command")));
    QCOMPARE(app.visibleName(), QStringLiteral("ComingDays"));
    auto* week = app.control<widgets::Grid>(QStringLiteral("WeekGrid"));
    QStringList shownDays;
    QStringList shownCounts;
    QStringList wantedDays;
    QStringList wantedCounts;
    for (int i = 0; i < store::kWeekDays; ++i) {
        wantedDays << longDate(today.addDays(i));
        wantedCounts << QString::number(counts.at(i));
    }
    QCOMPARE(column(week, 0), wantedDays);
    QCOMPARE(column(week, 1), wantedCounts);
    app.control<QDateEdit>(QStringLiteral("DayPicker"))->setDate(chosen);
    QCOMPARE(column(grid(app), 3), listed);
    QVERIFY(script.unexpected().isEmpty());
}

void ComingDaysTest::chosenDaySheet()
{
    // The chosen day's sheet is the to-do sheet with that day's date.
    const QString day = longDate(2026, 12, 12);
    const QVector<print::ToDoRow> rows{
        {QStringLiteral("2026-000041"), day, QStringLiteral("Rack into a clean carboy")}};
    print::RecordingSurface chosen;
    print::drawToDoList(chosen, rows, day);
    QCOMPARE(chosen.texts().value(1).text, QStringLiteral("Date Printed : ") + day);
    QCOMPARE(print::toDoListFileName(day), QStringLiteral("To Do List 2026-12-12.pdf"));
}

void ComingDaysTest::theWeekFromTheTaskList()
{
    if (!pdftools::missingTools().isEmpty())
        QSKIP(qPrintable(pdftools::missingTools()));
    DataFixture fx;
    writeDueDates(fx, {{2026, 11, 30}, {2026, 12, 7}, {2026, 12, 12}, {2026, 12, 12}});
    MessageScript script;
    AppHarness app(fx, QDate(2026, 12, 7));
    openTaskList(app);
    const QStringList todayList = column(grid(app), 3);
    QCOMPARE(todayList, (QStringList{"Task 2026-11-30", "Task 2026-12-07"}));
    const QString todayCaption = labelText(app, QStringLiteral("Label1"));

    QVERIFY(app.click(QStringLiteral("ComingDays_Command")));
    QCOMPARE(app.visibleName(), QStringLiteral("ComingDays"));
    // It opens on today, listing what the task list lists.
    QCOMPARE(column(grid(app), 3), todayList);
    auto* week = app.control<widgets::Grid>(QStringLiteral("WeekGrid"));
    QCOMPARE(week->textAt(6, 1), QStringLiteral("2"));

    // A click on Saturday's row shows Saturday's actions; the sheet prints for it.
    user::clickCell(week, 6, 0);
    QCOMPARE(column(grid(app), 3), (QStringList{"Task 2026-12-12", "Task 2026-12-12"}));
    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("saturday.pdf"));
    QString suggested;
    script.answer(0).answer(0);
    widgets::Pickers::setResponder([&](const widgets::Pickers::Asked& asked) {
        suggested = asked.startPath;
        return path;
    });
    QVERIFY(app.click(QStringLiteral("PrintDay_Command")));
    QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("To Do List 2026-12-12.pdf"));
    const pdftools::Document pdf = pdftools::read(path);
    QCOMPARE(pdf.pages, 1);
    QVERIFY(pdf.pageText(1).contains(QStringLiteral("Date Printed : ") + longDate(2026, 12, 12)));
    QCOMPARE(pdf.count(QStringLiteral("2026-000102")), 1);
    QCOMPARE(pdf.count(QStringLiteral("2026-000103")), 1);

    // An empty day says so and prints nothing.
    app.control<QDateEdit>(QStringLiteral("DayPicker"))->setDate(QDate(2026, 12, 8));
    QCOMPARE(grid(app)->rows(), 1);
    // The week list marks the day picked, and nothing for a day past the week.
    QCOMPARE(week->row(), 2);
    app.control<QDateEdit>(QStringLiteral("DayPicker"))->setDate(QDate(2026, 12, 22));
    QVERIFY(!week->selectionModel()->hasSelection());
    app.control<QDateEdit>(QStringLiteral("DayPicker"))->setDate(QDate(2026, 12, 8));
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("PrintDay_Command")));
    QVERIFY(script.texts().last().contains(QStringLiteral("no actions")));

    // Nothing was written, and the task list comes back as it was.
    QVERIFY(app.click(QStringLiteral("Back_Command")));
    QCOMPARE(app.visibleName(), QStringLiteral("ThingsToDoToday"));
    QCOMPARE(column(grid(app), 3), todayList);
    QCOMPARE(labelText(app, QStringLiteral("Label1")), todayCaption);
    QVERIFY(script.unexpected().isEmpty());
}

VINTRELO_TEST_MAIN(ComingDaysTest)
#include "tst_coming_days.moc"
