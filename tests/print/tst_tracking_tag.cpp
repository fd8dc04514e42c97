// The carboy tag as drawn on the page: the circle, particulars, rules, and the
// schedule flowing down two columns and on to further pages.
#include "PageChecks.h"
#include "TestMain.h"
#include "print/PageSurface.h"
#include "print/TrackingTag.h"
#include "store/LongDate.h"

using namespace pagechecks;
using print::PageOp;
using print::RecordingSurface;
using print::TagData;
using print::TagLine;

namespace {

TagData annSmithsMerlot(int actions)
{
    TagData tag;
    tag.batchId = QStringLiteral("2026-000041");
    tag.startDate = QStringLiteral("Tuesday, December 1, 2026");
    tag.customerName = QStringLiteral("Ann Smith");
    tag.address = QStringLiteral("12 Vine Street");
    tag.city = QStringLiteral("Kelowna");
    tag.province = QStringLiteral("BC");
    tag.postalCode = QStringLiteral("V1Y 2B3");
    tag.phone1 = QStringLiteral("555-0101");
    tag.otherId = QStringLiteral("A-7");
    tag.serialNumber = QStringLiteral("SN 3321");
    tag.variety = QStringLiteral("Merlot");
    tag.colour = QStringLiteral("Red");
    tag.mustType = QStringLiteral("Juice");
    tag.batchSize = QStringLiteral("23 L");
    for (int i = 1; i <= actions; ++i)
        tag.schedule << TagLine{QStringLiteral("Day %1").arg(i), QStringLiteral("Step %1").arg(i)};
    return tag;
}

RecordingSurface drawn(const TagData& tag)
{
    RecordingSurface page;
    print::drawTrackingTag(page, tag);
    return page;
}

// Where schedule line `n` (from 1) of `tag` was printed.
PageOp scheduleLine(const RecordingSurface& page, int n)
{
    const QString text = QStringLiteral("Day %1 = Step %1").arg(n);
    for (const PageOp& op : page.texts()) {
        if (op.text == text)
            return op;
    }
    return missing();
}

} // namespace

class TrackingTagTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void batchWithoutActionsPrintsParticularsAndRulesOnly();
    void particularsStandInTheirTwoColumns_data();
    void particularsStandInTheirTwoColumns();
    void emptyValuesPrintTheLabelAlone();
    void longStartDateStaysOnThePage();
    void everyStartDateStaysWithinThePrintableWidth_data();
    void everyStartDateStaysWithinThePrintableWidth();
    void scheduleFlowsIntoTheSecondColumnAfter27Lines_data();
    void scheduleFlowsIntoTheSecondColumnAfter27Lines();
    void longScheduleContinuesOnASecondPageWithTheSameHeader();
    void noLineIsEverPrintedOverAnother_data();
    void noLineIsEverPrintedOverAnother();
    void longActionRunsOnUnclipped();
    void completedActionsAreStruckThroughInEitherColumn();
    void reprintKeepsBlankAndEditedRowsInTheirPlaces();
    void printingTwiceDrawsTheSamePage();
    void savedPdfIsNamedAfterTheBatch();
};

void TrackingTagTest::batchWithoutActionsPrintsParticularsAndRulesOnly()
{
    const RecordingSurface page = drawn(annSmithsMerlot(0));
    QCOMPARE(page.pageCount(), 1);

    QVector<PageOp> circles;
    for (const PageOp& op : page.ops()) {
        if (op.kind == PageOp::Circle)
            circles << op;
    }
    QCOMPARE(circles.size(), 1);
    QCOMPARE(circles[0].x, 4.0);
    QCOMPARE(circles[0].y, 2.25);
    QCOMPARE(circles[0].radius, 1.5);

    QCOMPARE(page.lines().size(), 2);
    QVERIFY(hasLine(page, 1, 0, 5.4375, 8.5, 5.4375));
    QVERIFY(hasLine(page, 1, 4.0, 5.4375, 4.0, 10.5));

    // Two title texts and twelve particulars; no schedule line.
    QCOMPARE(page.texts().size(), 14);
    const PageOp id = textStarting(page, 1, QStringLiteral("Batch I.D.: "));
    QCOMPARE(id.text, QStringLiteral("Batch I.D.: 2026-000041"));
    QCOMPARE(id.x, 0.0);
    QCOMPARE(id.y, 4.0);
    QCOMPARE(id.fontFamily, QStringLiteral("Arial"));
    QCOMPARE(id.fontPoints, 18.0);
    const PageOp start = textStarting(page, 1, QStringLiteral("Start Date: "));
    QCOMPARE(start.text, QStringLiteral("Start Date: Tuesday, December 1, 2026"));
    QCOMPARE(start.x, 4.25);
    QCOMPARE(start.y, 4.0);
    QVERIFY(start.fontPoints <= 18.0 && start.fontPoints >= 12.0);
}

void TrackingTagTest::particularsStandInTheirTwoColumns_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("name") << "Name: Ann Smith" << 0.0 << 4.25;
    QTest::newRow("address") << "Address: 12 Vine Street" << 0.0 << 4.4375;
    QTest::newRow("city") << "City: Kelowna" << 0.0 << 4.625;
    QTest::newRow("province") << "Province / State: BC" << 0.0 << 4.8125;
    QTest::newRow("postal code") << "Postal Code / Zip Code: V1Y 2B3" << 0.0 << 5.0;
    QTest::newRow("phone") << "Phone #1 : 555-0101" << 0.0 << 5.1875;
    QTest::newRow("other id") << "Other I.D. : A-7" << 4.25 << 4.25;
    QTest::newRow("serial") << "Serial Number: SN 3321" << 4.25 << 4.4375;
    QTest::newRow("variety") << "Variety: Merlot" << 4.25 << 4.625;
    QTest::newRow("colour") << "Colour: Red" << 4.25 << 4.8125;
    QTest::newRow("must type") << "Must Type: Juice" << 4.25 << 5.0;
    QTest::newRow("batch size") << "Batch Size: 23 L" << 4.25 << 5.1875;
}

void TrackingTagTest::particularsStandInTheirTwoColumns()
{
    QFETCH(QString, text);
    QFETCH(double, x);
    QFETCH(double, y);
    const RecordingSurface page = drawn(annSmithsMerlot(3));
    const QVector<PageOp> there = textsAt(page, 1, x, y);
    QCOMPARE(there.size(), 1);
    QCOMPARE(there[0].text, text);
    QCOMPARE(there[0].fontFamily, QStringLiteral("Arial"));
    QCOMPARE(there[0].fontPoints, 12.0);
}

void TrackingTagTest::emptyValuesPrintTheLabelAlone()
{
    TagData tag;
    tag.batchId = QStringLiteral("2026-000042");
    const RecordingSurface page = drawn(tag);
    QCOMPARE(textsAt(page, 1, 0, 4.25).value(0).text, QStringLiteral("Name: "));
    QCOMPARE(textsAt(page, 1, 4.25, 4.0).value(0).text, QStringLiteral("Start Date: "));
    QCOMPARE(textsAt(page, 1, 4.25, 5.1875).value(0).text, QStringLiteral("Batch Size: "));
}

void TrackingTagTest::longStartDateStaysOnThePage()
{
    TagData tag = annSmithsMerlot(1);
    tag.startDate = QStringLiteral("Wednesday, September 30, 2026");
    RecordingSurface page = drawn(tag);
    const PageOp date = textStarting(page, 1, QStringLiteral("Start Date: "));
    QCOMPARE(date.text, QStringLiteral("Start Date: Wednesday, September 30, 2026"));
    QCOMPARE(date.x, 4.25);
    QCOMPARE(date.y, 4.0);
    QVERIFY(date.fontPoints < 18);
    page.setFont(date.fontFamily, date.fontPoints);
    QVERIFY(4.25 + page.textWidth(date.text) <= 8.5);

    // A short one keeps the full 18 points, and so does the identifier.
    tag.startDate = QStringLiteral("12/1/2026");
    const RecordingSurface shortDate = drawn(tag);
    QCOMPARE(textStarting(shortDate, 1, QStringLiteral("Start Date: ")).fontPoints, 18.0);
    QCOMPARE(textStarting(shortDate, 1, QStringLiteral("Batch I.D.: ")).fontPoints, 18.0);
}

void TrackingTagTest::everyStartDateStaysWithinThePrintableWidth_data()
{
    QTest::addColumn<double>("printableWidth");
    QTest::newRow("paper without margins") << 8.5;
    QTest::newRow("printer with quarter-inch margins") << 8.0;
}

void TrackingTagTest::everyStartDateStaysWithinThePrintableWidth()
{
    QFETCH(double, printableWidth);
    TagData tag = annSmithsMerlot(1);
    for (QDate day(2027, 1, 1); day.year() == 2027; day = day.addDays(1)) {
        tag.startDate = store::formatLongDate(day);
        RecordingSurface page;
        page.setPrintableWidth(printableWidth);
        print::drawTrackingTag(page, tag);
        const PageOp date = textStarting(page, 1, QStringLiteral("Start Date: "));
        QCOMPARE(date.text, QStringLiteral("Start Date: ") + tag.startDate);
        QVERIFY(date.fontPoints >= 12 && date.fontPoints <= 18);
        page.setFont(date.fontFamily, date.fontPoints);
        QVERIFY2(4.25 + page.textWidth(date.text) <= printableWidth, qPrintable(date.text));
    }
}

void TrackingTagTest::scheduleFlowsIntoTheSecondColumnAfter27Lines_data()
{
    QTest::addColumn<int>("actions");
    QTest::addColumn<int>("line");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("first line under the rule") << 1 << 1 << 0.0 << 5.5625;
    QTest::newRow("second line one step down") << 2 << 2 << 0.0 << 5.75;
    QTest::newRow("27th closes the first column") << 27 << 27 << 0.0 << 10.4375;
    QTest::newRow("28th opens the second column") << 28 << 28 << 4.25 << 5.5625;
    QTest::newRow("29th below it") << 29 << 29 << 4.25 << 5.75;
    QTest::newRow("54th closes the second column") << 54 << 54 << 4.25 << 10.4375;
}

void TrackingTagTest::scheduleFlowsIntoTheSecondColumnAfter27Lines()
{
    QFETCH(int, actions);
    QFETCH(int, line);
    QFETCH(double, x);
    QFETCH(double, y);
    const RecordingSurface page = drawn(annSmithsMerlot(actions));
    QCOMPARE(page.pageCount(), 1);
    const PageOp op = scheduleLine(page, line);
    QCOMPARE(op.kind, PageOp::Text);
    QCOMPARE(op.x, x);
    QCOMPARE(op.y, y);
    QCOMPARE(op.fontFamily, QStringLiteral("Arial"));
    QCOMPARE(op.fontPoints, 10.0);
    // Every action is on the page, once.
    QCOMPARE(page.texts().size(), 14 + actions);
}

void TrackingTagTest::longScheduleContinuesOnASecondPageWithTheSameHeader()
{
    const RecordingSurface page = drawn(annSmithsMerlot(55));
    QCOMPARE(page.pageCount(), 2);
    const PageOp last = scheduleLine(page, 55);
    QCOMPARE(last.page, 2);
    QCOMPARE(last.x, 0.0);
    QCOMPARE(last.y, 5.5625);
    QCOMPARE(scheduleLine(page, 54).page, 1);

    // The second page carries the batch's identification, particulars and rules,
    // so it is known for what it is when it comes apart from the first.
    QCOMPARE(textsAt(page, 2, 0, 4.0).value(0).text, QStringLiteral("Batch I.D.: 2026-000041"));
    QCOMPARE(textsAt(page, 2, 0, 4.25).value(0).text, QStringLiteral("Name: Ann Smith"));
    QCOMPARE(textsAt(page, 2, 4.25, 5.1875).value(0).text, QStringLiteral("Batch Size: 23 L"));
    QVERIFY(hasLine(page, 2, 0, 5.4375, 8.5, 5.4375));
    QVERIFY(hasLine(page, 2, 4.0, 5.4375, 4.0, 10.5));
    QCOMPARE(page.texts(2).size(), 14 + 1);

    // The page break comes after the 54th line and only once.
    int breaks = 0;
    for (const PageOp& op : page.ops())
        breaks += op.kind == PageOp::NewPage;
    QCOMPARE(breaks, 1);

    // A full second page does not call for a third one.
    QCOMPARE(drawn(annSmithsMerlot(108)).pageCount(), 2);
    QCOMPARE(drawn(annSmithsMerlot(109)).pageCount(), 3);
}

void TrackingTagTest::noLineIsEverPrintedOverAnother_data()
{
    QTest::addColumn<int>("actions");
    for (int actions : {0, 1, 27, 28, 54, 55, 81, 82, 120})
        QTest::addRow("%d actions", actions) << actions;
}

void TrackingTagTest::noLineIsEverPrintedOverAnother()
{
    QFETCH(int, actions);
    const RecordingSurface page = drawn(annSmithsMerlot(actions));
    QCOMPARE(overprintedTexts(page), 0);
    for (const PageOp& op : page.texts()) {
        // Nothing of the schedule below the column rule's end or off the paper.
        QVERIFY2(op.y <= 10.4375, qPrintable(op.text));
        QVERIFY(op.x >= 0 && op.x < 8.5);
    }
    for (int n = 1; n <= actions; ++n)
        QVERIFY2(scheduleLine(page, n).kind == PageOp::Text, qPrintable(QString::number(n)));
}

void TrackingTagTest::longActionRunsOnUnclipped()
{
    TagData tag = annSmithsMerlot(0);
    const QString action = QStringLiteral(
        "Rack off the gross lees into a clean, sanitized carboy and top up with a similar wine "
        "so that the headspace stays under two inches; add 1/4 tsp metabisulphite");
    tag.schedule << TagLine{QStringLiteral("Friday, January 15, 2027"), action};
    const RecordingSurface page = drawn(tag);
    QCOMPARE(textsAt(page, 1, 0, 5.5625).value(0).text,
             QStringLiteral("Friday, January 15, 2027 = ") + action);
}

void TrackingTagTest::completedActionsAreStruckThroughInEitherColumn()
{
    TagData tag = annSmithsMerlot(30);
    tag.schedule[0].completed = true;  // first column, top
    tag.schedule[26].completed = true; // first column, bottom
    tag.schedule[28].completed = true; // second column
    const RecordingSurface page = drawn(tag);
    // The two rules and exactly one stroke per completed line.
    QCOMPARE(page.lines().size(), 2 + 3);
    QVERIFY(hasLine(page, 1, 0, 5.5625 + 0.08, 3.5, 5.5625 + 0.08));
    QVERIFY(hasLine(page, 1, 0, 10.4375 + 0.08, 3.5, 10.4375 + 0.08));
    QVERIFY(hasLine(page, 1, 4.25, 5.75 + 0.08, 7.75, 5.75 + 0.08));

    // The stroke follows its own line at once, before the next line is printed.
    const QVector<PageOp>& ops = page.ops();
    for (int i = 0; i < ops.size(); ++i) {
        if (ops[i].kind == PageOp::Text && ops[i].text == QStringLiteral("Day 29 = Step 29")) {
            QCOMPARE(ops.value(i + 1).kind, PageOp::Line);
            QCOMPARE(ops.value(i + 1).y, ops[i].y + 0.08);
        }
    }

    // A tag printed for a new batch has nothing struck through.
    QCOMPARE(drawn(annSmithsMerlot(30)).lines().size(), 2);
}

void TrackingTagTest::reprintKeepsBlankAndEditedRowsInTheirPlaces()
{
    // From the batch editor: row 2 blanked by "Delete Row", row 3 edited but not
    // saved, row 1 done.
    TagData tag = annSmithsMerlot(0);
    tag.schedule << TagLine{QStringLiteral("Tuesday, December 1, 2026"),
                            QStringLiteral("Add yeast and stir"), true}
                 << TagLine{QString(), QString(), false}
                 << TagLine{QStringLiteral("Friday, December 11, 2026"),
                            QStringLiteral("Rack (moved to Friday)"), false};
    const RecordingSurface page = drawn(tag);
    QCOMPARE(textsAt(page, 1, 0, 5.5625).value(0).text,
             QStringLiteral("Tuesday, December 1, 2026 = Add yeast and stir"));
    QCOMPARE(textsAt(page, 1, 0, 5.75).value(0).text, QStringLiteral(" = "));
    QCOMPARE(textsAt(page, 1, 0, 5.9375).value(0).text,
             QStringLiteral("Friday, December 11, 2026 = Rack (moved to Friday)"));
    QCOMPARE(page.lines().size(), 3);
    QVERIFY(hasLine(page, 1, 0, 5.6425, 3.5, 5.6425));
}

void TrackingTagTest::printingTwiceDrawsTheSamePage()
{
    const TagData tag = annSmithsMerlot(40);
    const RecordingSurface first = drawn(tag);
    const RecordingSurface second = drawn(tag);
    QCOMPARE(first.ops().size(), second.ops().size());
    for (int i = 0; i < first.ops().size(); ++i) {
        const PageOp& a = first.ops()[i];
        const PageOp& b = second.ops()[i];
        QVERIFY(a.kind == b.kind && a.page == b.page && a.x == b.x && a.y == b.y && a.x2 == b.x2 &&
                a.y2 == b.y2 && a.text == b.text && a.fontPoints == b.fontPoints);
    }
}

void TrackingTagTest::savedPdfIsNamedAfterTheBatch()
{
    TagData tag;
    tag.batchId = QStringLiteral("2026-000041");
    QCOMPARE(print::tagFileName(tag), QStringLiteral("2026-000041 Carboy Tag.pdf"));
    tag.batchId = QStringLiteral("2026/41: A");
    QCOMPARE(print::tagFileName(tag), QStringLiteral("2026-41- A Carboy Tag.pdf"));
    tag.batchId.clear();
    QCOMPARE(print::tagFileName(tag), QStringLiteral("Carboy Tag.pdf"));
}

VINTRELO_TEST_MAIN(TrackingTagTest)
#include "tst_tracking_tag.moc"
