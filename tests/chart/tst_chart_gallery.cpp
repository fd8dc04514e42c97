// Pictures of the chart screen and of the first page of every printout (drawn
// into a PDF by the real page code, then rendered); saved when VINTRELO_GALLERY
// names a folder.
#include "../print/PdfTools.h"
#include "AppHarness.h"
#include "DataFixture.h"
#include "Gallery.h"
#include "MessageScript.h"
#include "TestMain.h"
#include "app/Fonts.h"
#include "print/BatchReport.h"
#include "print/PrintJob.h"
#include "print/ToDoList.h"
#include "print/TrackingTag.h"
#include "store/LongDate.h"
#include "store/StarterData.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

class ChartGalleryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        app::installFontSubstitutes();
        store::initStarterResources();
    }
    void cleanup() { AppHarness::settle(); }
    void chartScreen();
    void printoutFirstPages();
    void batchReportPages();

private:
    static QString galleryFolder();
    void savePrintout(const QString& name, const print::DrawPages& draw);
    QTemporaryDir m_dir;
};

QString ChartGalleryTest::galleryFolder()
{
    const QString folder = qEnvironmentVariable("VINTRELO_GALLERY");
    if (!folder.isEmpty())
        QDir().mkpath(folder);
    return folder;
}

void ChartGalleryTest::chartScreen()
{
    DataFixture fx;
    // The chart the program ships with, as a shop would have it.
    QFile starter(QStringLiteral(":/starter/Misc/Chemical Ingredients.txt"));
    QVERIFY(starter.open(QIODevice::ReadOnly));
    fx.writeBytes(QStringLiteral("Misc/Chemical Ingredients.txt"), starter.readAll());
    MessageScript script;
    AppHarness app(fx);
    app.start();
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QVERIFY(app.click(QStringLiteral("CommandButton5")));
    QCOMPARE(app.visibleName(), QStringLiteral("Chart1"));
    QCOMPARE(app.visibleWindowCount(), 1);
    QVERIFY(script.shown().isEmpty());
    snapGallery(app);
}

void ChartGalleryTest::savePrintout(const QString& name, const print::DrawPages& draw)
{
    const QString pdf = m_dir.filePath(name + QStringLiteral(".pdf"));
    QVERIFY(print::writePdf(pdf, name, draw));
    const QString missing = pdftools::missingTools();
    if (!missing.isEmpty())
        QSKIP(qPrintable(missing));
    const QString folder = galleryFolder();
    const QString png = QDir(folder.isEmpty() ? m_dir.path() : folder)
                            .filePath(name + QStringLiteral("-page1.png"));
    QVERIFY(pdftools::renderFirstPage(pdf, png));
    const QImage image(png);
    // A letter page, portrait.
    QVERIFY(image.height() > image.width());
}

void ChartGalleryTest::printoutFirstPages()
{
    print::TagData tag;
    tag.batchId = QStringLiteral("2026-000041");
    tag.startDate = QStringLiteral("Tuesday, December 1, 2026");
    tag.customerName = QStringLiteral("Ann Smith");
    tag.address = QStringLiteral("12 Vine Street");
    tag.city = QStringLiteral("Kelowna");
    tag.province = QStringLiteral("BC");
    tag.postalCode = QStringLiteral("V1Y 2B3");
    tag.phone1 = QStringLiteral("555-0101");
    tag.variety = QStringLiteral("Merlot");
    tag.colour = QStringLiteral("Red");
    tag.mustType = QStringLiteral("Juice");
    tag.batchSize = QStringLiteral("23 L");
    const QStringList steps{"Add yeast and stir",
                            "Check specific gravity",
                            "Rack into a clean carboy",
                            "Stabilize and clear",
                            "Top up",
                            "Rack again",
                            "Filter",
                            "Bottle"};
    QDate due(2026, 12, 1);
    for (int i = 0; i < 32; ++i) {
        tag.schedule << print::TagLine{due.toString(QStringLiteral("dddd, MMMM d, yyyy")),
                                       steps[i % steps.size()], false};
        due = due.addDays(3);
    }
    savePrintout(QStringLiteral("tag"),
                 [&tag](print::PageSurface& page) { print::drawTrackingTag(page, tag); });

    print::TagData reprint = tag;
    for (int i = 0; i < 5; ++i)
        reprint.schedule[i].completed = true;
    savePrintout(QStringLiteral("tag-reprint"),
                 [&reprint](print::PageSurface& page) { print::drawTrackingTag(page, reprint); });

    QVector<print::ToDoRow> rows;
    for (int i = 0; i < 12; ++i)
        rows << print::ToDoRow{QStringLiteral("2026-%1").arg(30 + i, 6, 10, QLatin1Char('0')),
                               QStringLiteral("Monday, December 7, 2026"), steps[i % steps.size()]};
    savePrintout(QStringLiteral("todo"), [&rows](print::PageSurface& page) {
        print::drawToDoList(page, rows, QStringLiteral("Monday, December 7, 2026"));
    });
}

void ChartGalleryTest::batchReportPages()
{
    const QString missing = pdftools::missingTools();
    if (!missing.isEmpty())
        QSKIP(qPrintable(missing));
    // A batch handed over with its bottles: a fermentation read from 1.090 down
    // to 0.994, notes of every length.
    print::BatchReportData report;
    report.batchId = QStringLiteral("2026-000041");
    report.printedOn = QStringLiteral("Monday, December 7, 2026");
    const QStringList header{
        "Ann Smith", "12 Vine Street",  "Kelowna",  "BC",   "V1Y 2B3", "555-0101",
        "",          "ann@example.com", "",         "A-77", "Merlot",  "Red",
        "2025",      "Juice",           "Okanagan", "23 L", "145.00",  "Sam"};
    for (int f = 0; f < header.size(); ++f)
        report.header.setField(store::BatchHeader::Field(f), header.at(f));
    report.header.setField(store::BatchHeader::StartDate, store::formatLongDate({2026, 10, 1}));
    report.header.setField(store::BatchHeader::RecipeNumber, QStringLiteral("0003"));
    const QStringList gravity{"1.090",    "SG 1.072", "SG 1.050", "SG 1.031", "racked",
                              "SG 1.012", "SG 1.000", "SG 0.996", "SG 0.994"};
    QDate day(2026, 10, 1);
    for (int i = 0; i < 40; ++i) {
        store::ActionRecord record;
        record.DayNumber = QString::number(i * 2 + 1);
        record.DueDate = store::formatLongDate(day);
        record.Action = i % 3 ? QStringLiteral("Check specific gravity")
                              : QStringLiteral("Stir, top up and check the airlock");
        if (i < gravity.size()) {
            record.Measurement = gravity.at(i);
            record.Amount = i == 0 ? QStringLiteral("5 g yeast") : QString();
            record.DateCompleted = store::formatLongDate(day);
        }
        if (i % 4 == 1)
            record.Notes = QStringLiteral("Smells clean; the cap was punched down twice and the "
                                          "temperature held at 21 degrees through the week.");
        report.records << record;
        day = day.addDays(2);
    }
    const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
    QVERIFY(print::writePdf(pdf, QStringLiteral("report"), [&report](print::PageSurface& page) {
        print::drawBatchReport(page, report);
    }));
    const QString folder = galleryFolder();
    for (int page : {1, 2}) {
        const QString png = QDir(folder.isEmpty() ? m_dir.path() : folder)
                                .filePath(QStringLiteral("report-page%1.png").arg(page));
        QVERIFY(pdftools::renderPage(pdf, page, png));
        const QImage image(png);
        QVERIFY(image.height() > image.width());
    }
}

VINTRELO_TEST_MAIN_ON_DESKTOP(ChartGalleryTest)
#include "tst_chart_gallery.moc"
