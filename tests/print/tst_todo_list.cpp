// The ruled to-do sheet as drawn on the page: its header on every page, 35 rows
// a page, and nothing printed over anything else.
#include "PageChecks.h"
#include "TestMain.h"
#include "print/PageSurface.h"
#include "print/ToDoList.h"
#include "store/LongDate.h"

using namespace pagechecks;
using print::PageOp;
using print::RecordingSurface;
using print::ToDoRow;

namespace {

const QString kToday = QStringLiteral("Monday, December 7, 2026");

QVector<ToDoRow> dueActions(int count)
{
    QVector<ToDoRow> rows;
    for (int i = 1; i <= count; ++i)
        rows << ToDoRow{QStringLiteral("2026-%1").arg(i, 6, 10, QLatin1Char('0')),
                        QStringLiteral("Due %1").arg(i), QStringLiteral("Action %1").arg(i)};
    return rows;
}

RecordingSurface drawn(const QVector<ToDoRow>& rows)
{
    RecordingSurface page;
    print::drawToDoList(page, rows, kToday);
    return page;
}

// The batch-ID text of row `n` (from 1).
PageOp rowStart(const RecordingSurface& page, int n)
{
    const QString id = QStringLiteral("2026-%1").arg(n, 6, 10, QLatin1Char('0'));
    for (const PageOp& op : page.texts()) {
        if (op.text == id)
            return op;
    }
    return missing();
}

void verifyHeader(const RecordingSurface& page, int pageNo)
{
    const PageOp title = textsAt(page, pageNo, 2.625, 0.45).value(0);
    QCOMPARE(title.text, QStringLiteral("Things To do Today"));
    QCOMPARE(title.fontFamily, QStringLiteral("Arial"));
    QCOMPARE(title.fontPoints, 18.0);
    const PageOp date = textsAt(page, pageNo, 5.375, 0.53).value(0);
    QCOMPARE(date.text, QStringLiteral("Date Printed : ") + kToday);
    QCOMPARE(date.fontPoints, 12.0);
    QCOMPARE(textsAt(page, pageNo, 0.375, 0.875).value(0).text, QStringLiteral("Batch I.D."));
    QCOMPARE(textsAt(page, pageNo, 1.875, 0.875).value(0).text, QStringLiteral("Due Date"));
    QCOMPARE(textsAt(page, pageNo, 4.125, 0.875).value(0).text, QStringLiteral("Action"));
    QCOMPARE(textsAt(page, pageNo, 7.0, 0.875).value(0).text, QStringLiteral("Notes"));
    QCOMPARE(textsAt(page, pageNo, 7.0, 0.875).value(0).fontPoints, 12.0);
    QVERIFY(hasLine(page, pageNo, 0, 0.75, 8.5, 0.75));
    QVERIFY(hasLine(page, pageNo, 0, 1.187, 8.5, 1.187));
    for (double x : {1.44, 3.0, 6.25})
        QVERIFY(hasLine(page, pageNo, x, 0.75, x, 10.5));
    const PageOp web = textStarting(page, pageNo, QStringLiteral("www."));
    QCOMPARE(web.x, 3.2);
    QCOMPARE(web.fontPoints, 14.0);
}

} // namespace

class ToDoListTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneDueActionGivesOnePageWithOneRow();
    void rowsStandAtQuarterInchSteps_data();
    void rowsStandAtQuarterInchSteps();
    void fullPageIsNotFollowedByAHeaderOnlyPage();
    void thirtySixthRowStartsTheSecondPage();
    void everyPageCarriesTheHeader_data();
    void everyPageCarriesTheHeader();
    void webAddressStaysClearOfTheRows();
    void longActionRunsOnAcrossTheNotesColumn();
    void longDueDatesArePrintedShortSoTheyStayInTheirColumn_data();
    void longDueDatesArePrintedShortSoTheyStayInTheirColumn();
    void noDueDateReachesTheColumnRule();
    void aSheetPrintsAllItsDatesInOneForm();
    void datePrintedStaysWithinThePrintableWidthEveryDay_data();
    void datePrintedStaysWithinThePrintableWidthEveryDay();
    void savedPdfIsNamedAfterTheDay();
};

void ToDoListTest::oneDueActionGivesOnePageWithOneRow()
{
    const RecordingSurface page = drawn(dueActions(1));
    QCOMPARE(page.pageCount(), 1);
    verifyHeader(page, 1);
    QCOMPARE(textsAt(page, 1, 0.25, 1.25).value(0).text, QStringLiteral("2026-000001"));
    QCOMPARE(textsAt(page, 1, 1.565, 1.25).value(0).text, QStringLiteral("Due 1"));
    const PageOp action = textsAt(page, 1, 3.125, 1.25).value(0);
    QCOMPARE(action.text, QStringLiteral("Action 1"));
    QCOMPARE(action.fontFamily, QStringLiteral("Arial"));
    QCOMPARE(action.fontPoints, 12.0);
    QVERIFY(hasLine(page, 1, 0, 1.437, 8.5, 1.437));
    // Header: 7 texts and 5 rules; the row: 3 texts and its rule. Notes stay blank.
    QCOMPARE(page.texts().size(), 7 + 3);
    QCOMPARE(page.lines().size(), 5 + 1);
}

void ToDoListTest::rowsStandAtQuarterInchSteps_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("y");
    QTest::newRow("1st") << 1 << 1.25;
    QTest::newRow("2nd") << 2 << 1.5;
    QTest::newRow("10th") << 10 << 3.5;
    QTest::newRow("34th") << 34 << 9.5;
    QTest::newRow("35th") << 35 << 9.75;
}

void ToDoListTest::rowsStandAtQuarterInchSteps()
{
    QFETCH(int, row);
    QFETCH(double, y);
    const RecordingSurface page = drawn(dueActions(35));
    const PageOp op = rowStart(page, row);
    QCOMPARE(op.page, 1);
    QCOMPARE(op.x, 0.25);
    QVERIFY(near(op.y, y));
    QCOMPARE(textsAt(page, 1, 3.125, op.y).value(0).text, QStringLiteral("Action %1").arg(row));
    QVERIFY(hasLine(page, 1, 0, op.y + 0.187, 8.5, op.y + 0.187));
}

void ToDoListTest::fullPageIsNotFollowedByAHeaderOnlyPage()
{
    const RecordingSurface page = drawn(dueActions(35));
    QCOMPARE(page.pageCount(), 1);
    for (const PageOp& op : page.ops())
        QVERIFY(op.kind != PageOp::NewPage);
    QCOMPARE(page.texts().size(), 7 + 35 * 3);
}

void ToDoListTest::thirtySixthRowStartsTheSecondPage()
{
    const RecordingSurface page = drawn(dueActions(36));
    QCOMPARE(page.pageCount(), 2);
    verifyHeader(page, 2);
    const PageOp last = rowStart(page, 36);
    QCOMPARE(last.page, 2);
    QCOMPARE(last.y, 1.25);
    QCOMPARE(rowStart(page, 35).page, 1);
    QCOMPARE(page.texts(2).size(), 7 + 3);
    QCOMPARE(page.lines(2).size(), 5 + 1);
}

void ToDoListTest::everyPageCarriesTheHeader_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");
    QTest::newRow("70 rows") << 70 << 2;
    QTest::newRow("71 rows") << 71 << 3;
    QTest::newRow("105 rows") << 105 << 3;
    QTest::newRow("200 rows") << 200 << 6;
}

void ToDoListTest::everyPageCarriesTheHeader()
{
    QFETCH(int, rows);
    QFETCH(int, pages);
    const RecordingSurface page = drawn(dueActions(rows));
    QCOMPARE(page.pageCount(), pages);
    for (int p = 1; p <= pages; ++p)
        verifyHeader(page, p);
    // No row lost, none twice, none printed over another.
    for (int n = 1; n <= rows; ++n) {
        const PageOp op = rowStart(page, n);
        QCOMPARE(op.page, (n - 1) / 35 + 1);
        QVERIFY(near(op.y, 1.25 + 0.25 * ((n - 1) % 35)));
    }
    QCOMPARE(page.texts().size(), 7 * pages + 3 * rows);
    QCOMPARE(overprintedTexts(page), 0);
}

void ToDoListTest::webAddressStaysClearOfTheRows()
{
    // On a full page the address must not share a line with the 35th row's action.
    const RecordingSurface page = drawn(dueActions(35));
    const PageOp web = textStarting(page, 1, QStringLiteral("www."));
    QVERIFY(web.y > 9.75 + 0.187);
    QVERIFY(web.y + 14.0 / 72.0 * 1.2 < 10.5);
}

void ToDoListTest::longActionRunsOnAcrossTheNotesColumn()
{
    const QString action = QStringLiteral(
        "Stir in the bentonite slurry, then add the stabilizer packets and degas thoroughly for "
        "five minutes with the drill-mounted paddle");
    const RecordingSurface page =
        drawn({ToDoRow{QStringLiteral("2026-000040"), QStringLiteral("12/1/2026"), action}});
    QCOMPARE(textsAt(page, 1, 3.125, 1.25).value(0).text, action);
}

void ToDoListTest::longDueDatesArePrintedShortSoTheyStayInTheirColumn_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("printed");
    QTest::newRow("long date with weekday") << "Wednesday, September 30, 2026"
                                            << "9/30/2026";
    QTest::newRow("overdue long date") << "Monday, December 7, 2026"
                                       << "12/7/2026";
    QTest::newRow("one of the shortest long dates") << "Friday, May 1, 2026"
                                                    << "5/1/2026";
    QTest::newRow("short date kept") << "12/7/2026"
                                     << "12/7/2026";
    QTest::newRow("not a date kept") << "when the airlock stops bubbling"
                                     << "when the airlock stops bubbling";
}

void ToDoListTest::longDueDatesArePrintedShortSoTheyStayInTheirColumn()
{
    QFETCH(QString, shown);
    QFETCH(QString, printed);
    RecordingSurface page;
    print::drawToDoList(
        page, {ToDoRow{QStringLiteral("2026-000040"), shown, QStringLiteral("Rack")}}, kToday);
    QCOMPARE(textsAt(page, 1, 1.565, 1.25).value(0).text, printed);
    // Only a date that would reach the rule after its column is rewritten.
    if (printed != shown)
        QVERIFY(page.textWidth(shown) > 3.0 - 1.565);
}

void ToDoListTest::noDueDateReachesTheColumnRule()
{
    for (QDate day(2026, 1, 1); day.year() <= 2027; day = day.addDays(1)) {
        const QString shown = store::formatLongDate(day);
        RecordingSurface page;
        print::drawToDoList(
            page, {ToDoRow{QStringLiteral("2026-000040"), shown, QStringLiteral("Rack")}}, kToday);
        const PageOp date = textsAt(page, 1, 1.565, 1.25).value(0);
        QVERIFY(date.text == shown || date.text == day.toString(QStringLiteral("M/d/yyyy")));
        page.setFont(date.fontFamily, date.fontPoints);
        QCOMPARE(date.fontPoints, 12.0);
        // Clear of the rule at 3.0 inches by at least a thirty-second of an inch.
        QVERIFY2(1.565 + page.textWidth(date.text) <= 3.0 - 1.0 / 32, qPrintable(shown));
    }
}

void ToDoListTest::aSheetPrintsAllItsDatesInOneForm()
{
    const QVector<ToDoRow> rows{
        {QStringLiteral("2026-000040"), QStringLiteral("Friday, May 1, 2026"), QStringLiteral("A")},
        {QStringLiteral("2026-000041"), QStringLiteral("Wednesday, September 30, 2026"),
         QStringLiteral("B")},
        {QStringLiteral("2026-000042"), QStringLiteral("12/7/2026"), QStringLiteral("C")},
        {QStringLiteral("2026-000043"), QStringLiteral("when it clears"), QStringLiteral("D")}};
    QVector<ToDoRow> many;
    for (int i = 0; i < 20; ++i)
        many += rows; // 80 rows: three pages
    const RecordingSurface page = drawn(many);
    QCOMPARE(page.pageCount(), 3);
    const QStringList printed{QStringLiteral("5/1/2026"), QStringLiteral("9/30/2026"),
                              QStringLiteral("12/7/2026"), QStringLiteral("when it clears")};
    int row = 0;
    for (const PageOp& op : page.texts()) {
        if (near(op.x, 1.565))
            QCOMPARE(op.text, printed.at(row++ % printed.size()));
    }
    QCOMPARE(row, many.size());
}

void ToDoListTest::datePrintedStaysWithinThePrintableWidthEveryDay_data()
{
    QTest::addColumn<double>("printableWidth");
    QTest::newRow("paper without margins") << 8.5;
    QTest::newRow("printer with quarter-inch margins") << 8.0;
}

void ToDoListTest::datePrintedStaysWithinThePrintableWidthEveryDay()
{
    QFETCH(double, printableWidth);
    int smaller = 0;
    for (QDate day(2027, 1, 1); day.year() == 2027; day = day.addDays(1)) {
        const QString today = store::formatLongDate(day);
        RecordingSurface page;
        page.setPrintableWidth(printableWidth);
        print::drawToDoList(page, dueActions(1), today);
        const PageOp date = textsAt(page, 1, 5.375, 0.53).value(0);
        // The whole date, year and all, in the printout's own face.
        QCOMPARE(date.text, QStringLiteral("Date Printed : ") + today);
        QCOMPARE(date.fontFamily, QStringLiteral("Arial"));
        QVERIFY(date.fontPoints >= 8 && date.fontPoints <= 12);
        page.setFont(date.fontFamily, date.fontPoints);
        QVERIFY2(5.375 + page.textWidth(date.text) <= printableWidth, qPrintable(today));
        // Made smaller only when 12 points would not fit.
        page.setFont(date.fontFamily, 12);
        const bool fitsAt12 = 5.375 + page.textWidth(date.text) <= printableWidth;
        QCOMPARE(date.fontPoints == 12.0, fitsAt12);
        smaller += !fitsAt12;
        // The rows go on in 12 points.
        QCOMPARE(textsAt(page, 1, 3.125, 1.25).value(0).fontPoints, 12.0);
    }
    QVERIFY(smaller > 0);
}

void ToDoListTest::savedPdfIsNamedAfterTheDay()
{
    QCOMPARE(print::toDoListFileName(kToday), QStringLiteral("To Do List 2026-12-07.pdf"));
    QCOMPARE(print::toDoListFileName(QStringLiteral("not a date")),
             QStringLiteral("To Do List.pdf"));
}

VINTRELO_TEST_MAIN(ToDoListTest)
#include "tst_todo_list.moc"
