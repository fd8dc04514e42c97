// The batch report as drawn on the page: every header field and action, the
// measurement chart, notes wrapped within their column, numbered pages, and
// nothing outside the printable area; once through the PDF back end.
#include "MessageScript.h"
#include "PageChecks.h"
#include "PdfTools.h"
#include "TestMain.h"
#include "app/Fonts.h"
#include "print/BatchReport.h"
#include "print/PageSurface.h"
#include "print/PrintJob.h"
#include "store/LongDate.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

using print::BatchReportData;
using print::PageOp;
using print::RecordingSurface;

namespace {

const QString kToday = QStringLiteral("Monday, December 7, 2026");

QString longNote(int i)
{
    QString note = QStringLiteral("Note%1 ").arg(i);
    for (int w = 0; w < 40; ++w)
        note += QStringLiteral("word%1x%2 ").arg(i).arg(w);
    return note.trimmed();
}

// 60 actions a day apart; the first 20 completed with a falling gravity, every
// fifth with a long note, one with a word too long for any column.
BatchReportData sixtyActions()
{
    BatchReportData report;
    report.batchId = QStringLiteral("2026-000041");
    report.printedOn = kToday;
    for (int f = 0; f <= store::BatchHeader::RecipeNumber; ++f)
        report.header.setField(store::BatchHeader::Field(f), QStringLiteral("Field%1").arg(f));
    report.header.setField(store::BatchHeader::StartDate, store::formatLongDate({2026, 10, 1}));
    for (int i = 1; i <= 60; ++i) {
        store::ActionRecord record;
        const QDate due = QDate(2026, 10, 1).addDays(i);
        record.DayNumber = QString::number(i);
        record.DueDate = store::formatLongDate(due);
        record.Action = QStringLiteral("Act%1 stir and check the airlock").arg(i);
        record.Amount = QStringLiteral("%1 g").arg(i);
        record.Notes = i % 5 == 0 ? longNote(i) : QStringLiteral("N%1").arg(i);
        if (i <= 20) {
            record.Measurement = QStringLiteral("SG %1").arg(1.090 - (i - 1) * 0.005, 0, 'f', 3);
            record.DateCompleted = store::formatLongDate(due);
        }
        report.records << record;
    }
    report.records[29].Notes = QString(300, QLatin1Char('Z'));
    return report;
}

double lineHeight(double points)
{
    return points / 72.0 * 1.25;
}

} // namespace

class BatchReportTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { app::installFontSubstitutes(); }
    void init()
    {
        print::setDefaultPrinterLookup([] { return QString(); });
    }
    void cleanup() { print::setDefaultPrinterLookup(nullptr); }
    void sixtyActionsOnNumberedPages_data();
    void sixtyActionsOnNumberedPages();
    void noChartWithoutTwoPoints();
    void extremeReadingsStayOnThePage();
    void wrappedLinesFit_data();
    void wrappedLinesFit();
    void throughThePdfBackEnd();
};

void BatchReportTest::sixtyActionsOnNumberedPages_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::newRow("paper without margins") << 8.5 << 11.0;
    QTest::newRow("a printer's quarter-inch margins") << 8.0 << 10.5;
}

void BatchReportTest::sixtyActionsOnNumberedPages()
{
    QFETCH(double, width);
    QFETCH(double, height);
    const BatchReportData report = sixtyActions();
    RecordingSurface page;
    page.setPrintableWidth(width);
    page.setPrintableHeight(height);
    print::drawBatchReport(page, report);
    const int pages = page.pageCount();
    QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));

    // Every page numbered once, at its foot.
    for (int p = 1; p <= pages; ++p) {
        const PageOp number =
            pagechecks::textStarting(page, p, QStringLiteral("Page %1 of %2").arg(p).arg(pages));
        QCOMPARE(number.kind, PageOp::Text);
        QVERIFY(number.y > height - 1.0);
    }

    // Nothing outside the printable area, nothing printed over anything else.
    RecordingSurface measure;
    for (const PageOp& op : page.ops()) {
        if (op.kind == PageOp::Text) {
            measure.setFont(op.fontFamily, op.fontPoints);
            const double right = op.x + measure.textWidth(op.text);
            QVERIFY2(op.x >= 0 && right <= width + 1e-9, qPrintable(op.text));
            QVERIFY2(op.y >= 0 && op.y + lineHeight(op.fontPoints) <= height, qPrintable(op.text));
        } else if (op.kind == PageOp::Line) {
            for (double x : {op.x, op.x2})
                QVERIFY(x >= 0 && x <= width);
            for (double y : {op.y, op.y2})
                QVERIFY(y >= 0 && y <= height);
        } else if (op.kind == PageOp::Circle) {
            QVERIFY(op.x - op.radius >= 0 && op.x + op.radius <= width);
            QVERIFY(op.y - op.radius >= 0 && op.y + op.radius <= height);
        }
    }
    QCOMPARE(pagechecks::overprintedTexts(page), 0);

    // Above the foot, no text of the table comes closer than a line to the one below.
    const QVector<PageOp> texts = page.texts();
    for (const PageOp& op : texts) {
        if (!op.text.startsWith(QLatin1String("Page ")))
            QVERIFY2(op.y + lineHeight(op.fontPoints) <= height - 0.5 + 1e-9, qPrintable(op.text));
    }

    // Every header field and every action, once.
    QStringList all;
    for (const PageOp& op : texts)
        all << op.text;
    const QString joined = all.join(QLatin1Char('\n'));
    for (int f = 0; f <= store::BatchHeader::RecipeNumber; ++f) {
        if (f != store::BatchHeader::StartDate)
            QVERIFY2(joined.contains(QStringLiteral("Field%1").arg(f)),
                     qPrintable(QString::number(f)));
    }
    for (int i = 1; i <= 60; ++i) {
        QCOMPARE(joined.count(QRegularExpression(QStringLiteral("\\bAct%1\\b").arg(i))), 1);
        QCOMPARE(joined.count(QRegularExpression(QStringLiteral("\\b%1 g\\b").arg(i))), 1);
    }

    // The notes column read top to bottom holds every note whole, in order.
    const PageOp notesHeading = pagechecks::textStarting(page, 1, QStringLiteral("Notes"));
    QCOMPARE(notesHeading.kind, PageOp::Text);
    QString notes;
    for (const PageOp& op : texts) {
        if (pagechecks::near(op.x, notesHeading.x) && op.text != QLatin1String("Notes"))
            notes += op.text;
    }
    QString wanted;
    for (const store::ActionRecord& record : report.records)
        wanted += record.Notes;
    wanted.remove(QLatin1Char(' '));
    notes.remove(QLatin1Char(' '));
    QCOMPARE(notes, wanted);

    // The chart: a circle for each of the 20 measurements, with its title.
    int circles = 0;
    for (const PageOp& op : page.ops())
        circles += op.kind == PageOp::Circle ? 1 : 0;
    QCOMPARE(circles, 20);
    QVERIFY(joined.contains(QStringLiteral("Measurements")));
    QVERIFY(joined.contains(QStringLiteral("1.09")));
}

void BatchReportTest::extremeReadingsStayOnThePage()
{
    BatchReportData report = sixtyActions();
    report.records[0].Measurement = QString(400, QLatin1Char('9'));
    report.records[1].Measurement = QStringLiteral("-") + QString(400, QLatin1Char('9'));
    RecordingSurface page;
    print::drawBatchReport(page, report);
    RecordingSurface measure;
    for (const PageOp& op : page.ops()) {
        for (double v : {op.x, op.y, op.x2, op.y2})
            QVERIFY(std::isfinite(v) && v >= 0 && v <= 11);
        if (op.kind == PageOp::Text) {
            measure.setFont(op.fontFamily, op.fontPoints);
            QVERIFY2(op.x + measure.textWidth(op.text) <= 8.5, qPrintable(op.text));
        }
    }
}

void BatchReportTest::noChartWithoutTwoPoints()
{
    BatchReportData report = sixtyActions();
    for (int i = 1; i < report.records.size(); ++i)
        report.records[i].Measurement = QStringLiteral("racked");
    RecordingSurface page;
    print::drawBatchReport(page, report);
    for (const PageOp& op : page.ops())
        QVERIFY(op.kind != PageOp::Circle);
    QVERIFY(pagechecks::textStarting(page, 1, QStringLiteral("Measurements")).kind == PageOp::End);
}

void BatchReportTest::wrappedLinesFit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    QTest::newRow("empty") << QString() << 1;
    QTest::newRow("short") << "Add yeast" << 1;
    QTest::newRow("line breaks") << "one\r\ntwo\nthree\rfour" << 4;
    QTest::newRow("long words") << QString(200, QLatin1Char('W')) << -1;
    QTest::newRow("accents and emoji") << QString::fromUtf8("Déjà vu \xF0\x9F\x8D\xB7 encore") << 1;
}

void BatchReportTest::wrappedLinesFit()
{
    QFETCH(QString, text);
    QFETCH(int, lines);
    RecordingSurface page;
    page.setFont(QStringLiteral("Arial"), 9);
    const double width = 1.0;
    const QStringList wrapped = print::wrapText(page, text, width);
    if (lines >= 0)
        QCOMPARE(wrapped.size(), lines);
    else
        QVERIFY(wrapped.size() > 1);
    for (const QString& line : wrapped)
        QVERIFY2(page.textWidth(line) <= width || line.size() == 1, qPrintable(line));
    QString flat = text;
    flat.remove(QRegularExpression(QStringLiteral("\\s")));
    QCOMPARE(wrapped.join(QString()).remove(QLatin1Char(' ')), flat);
}

void BatchReportTest::throughThePdfBackEnd()
{
    const QString missing = pdftools::missingTools();
    if (!missing.isEmpty())
        QSKIP(qPrintable(missing));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    const BatchReportData report = sixtyActions();
    RecordingSurface recorded;
    print::drawBatchReport(recorded, report);

    // Saved through the printer-or-PDF path, as the buttons do without a printer.
    MessageScript script;
    QString suggested;
    script.answer(0).answer(0);
    widgets::Pickers::setResponder([&](const widgets::Pickers::Asked& asked) {
        suggested = asked.startPath;
        return path;
    });
    QVERIFY(print::printBatchReport(nullptr, report));
    QVERIFY(script.shown().value(0).text.contains(QStringLiteral("the batch report")));
    QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("2026-000041 Batch Report.pdf"));

    const pdftools::Document pdf = pdftools::read(path);
    QCOMPARE(pdf.pages, recorded.pageCount());
    for (int p = 1; p <= pdf.pages; ++p) {
        QVERIFY(pdf.pageText(p).contains(QStringLiteral("Page %1 of %2").arg(p).arg(pdf.pages)));
        for (const pdftools::Word& word : pdf.words) {
            QVERIFY(word.x >= 0 && word.x < pdf.pageWidth);
            QVERIFY(word.y >= 0 && word.y < pdf.pageHeight);
        }
    }
    QVERIFY(pdf.pageText(1).contains(QStringLiteral("Batch Report")));
    QVERIFY(pdf.pageText(1).contains(QStringLiteral("Measurements")));
    QVERIFY(pdf.wordNear(1, QStringLiteral("Name:"), 0.5, 1.27, 0.1));
    for (int i = 1; i <= 60; ++i)
        QCOMPARE(pdf.count(QStringLiteral("Act%1").arg(i)), 1);
}

VINTRELO_TEST_MAIN(BatchReportTest)
#include "tst_batch_report.moc"
