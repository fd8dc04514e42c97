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
#include "print/PrintJob.h"
#include "print/ToDoList.h"
#include "print/TrackingTag.h"
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

VINTRELO_TEST_MAIN_ON_DESKTOP(ChartGalleryTest)
#include "tst_chart_gallery.moc"
