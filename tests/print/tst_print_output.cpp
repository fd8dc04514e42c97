// Printouts end to end: real PDF files from the real page drawing, read back
// with poppler, and what the user is told when no printer takes the job.
#include "MessageScript.h"
#include "PdfTools.h"
#include "TestMain.h"
#include "app/Fonts.h"
#include "print/PageSurface.h"
#include "print/PrintJob.h"
#include "print/ToDoList.h"
#include "print/TrackingTag.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

using pdftools::Document;
using print::TagData;
using print::TagLine;
using print::ToDoRow;

namespace {

TagData tagWithSchedule(int actions)
{
    TagData tag;
    tag.batchId = QStringLiteral("2026-000041");
    tag.startDate = QStringLiteral("Tuesday, December 1, 2026");
    tag.customerName = QStringLiteral("Ann Smith");
    tag.phone1 = QStringLiteral("555-0101");
    tag.variety = QStringLiteral("Merlot");
    tag.colour = QStringLiteral("Red");
    for (int i = 1; i <= actions; ++i)
        tag.schedule << TagLine{QStringLiteral("D%1").arg(i), QStringLiteral("Act%1").arg(i),
                                i == 2};
    return tag;
}

QVector<ToDoRow> dueRows(int count)
{
    QVector<ToDoRow> rows;
    for (int i = 1; i <= count; ++i)
        rows << ToDoRow{QStringLiteral("2026-%1").arg(i, 6, 10, QLatin1Char('0')),
                        QStringLiteral("12/%1/2026").arg(i % 28 + 1),
                        QStringLiteral("Task%1").arg(i)};
    return rows;
}

} // namespace

class PrintOutputTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void tagPdfHasEveryLineWhereItBelongs();
    void toDoPdfHasItsHeaderOnEveryPage();
    void withoutAPrinterTheTagCanBeSavedAsPdf();
    void withoutAPrinterTheToDoListCanBeSavedAsPdf();
    void decliningThePdfSavesNothing();
    void cancellingTheFileDialogSavesNothing();
    void aPrinterThatFailsIsNamed();
    void aPdfThatCannotBeWrittenIsReported();
    void aPrintoutIsNeverWrittenOverAnotherKindOfFile_data();
    void aPrintoutIsNeverWrittenOverAnotherKindOfFile();
    void waitCursorShowsWhileThePageIsBuiltAndIsRestored();

private:
    QTemporaryDir m_dir;
};

void PrintOutputTest::initTestCase()
{
    const QString missing = pdftools::missingTools();
    if (!missing.isEmpty())
        QSKIP(qPrintable(missing));
    app::installFontSubstitutes();
    QVERIFY(m_dir.isValid());
}

void PrintOutputTest::init()
{
    // No test may reach a real printer on the machine it runs on.
    print::setDefaultPrinterLookup([] { return QString(); });
}

void PrintOutputTest::cleanup()
{
    print::setDefaultPrinterLookup(nullptr);
    QVERIFY(!QApplication::overrideCursor());
}

void PrintOutputTest::tagPdfHasEveryLineWhereItBelongs()
{
    const TagData tag = tagWithSchedule(60);
    const QString path = m_dir.filePath(QStringLiteral("tag.pdf"));
    QString error;
    QVERIFY2(print::writePdf(
                 path, QStringLiteral("Tag"),
                 [&tag](print::PageSurface& page) { print::drawTrackingTag(page, tag); }, &error),
             qPrintable(error));
    const Document pdf = pdftools::read(path);
    QCOMPARE(pdf.pages, 2);
    QCOMPARE(qRound(pdf.pageWidth * 100), 850);
    QCOMPARE(qRound(pdf.pageHeight * 100), 1100);

    // Top left corners of the texts, as measured on the paper.
    QVERIFY(pdf.wordNear(1, QStringLiteral("Batch"), 0, 4.0));
    QVERIFY(pdf.wordNear(1, QStringLiteral("2026-000041"), 1.5, 4.0, 0.6));
    QVERIFY(pdf.wordNear(1, QStringLiteral("Start"), 4.25, 4.0));
    QVERIFY(pdf.wordNear(1, QStringLiteral("Name:"), 0, 4.25));
    QVERIFY(pdf.wordNear(1, QStringLiteral("Phone"), 0, 5.1875));
    QVERIFY(pdf.wordNear(1, QStringLiteral("Other"), 4.25, 4.25));
    QVERIFY(pdf.wordNear(1, QStringLiteral("Batch"), 4.25, 5.1875));
    QVERIFY(pdf.wordNear(1, QStringLiteral("D1"), 0, 5.5625));
    QVERIFY(pdf.wordNear(1, QStringLiteral("D27"), 0, 10.4375));
    QVERIFY(pdf.wordNear(1, QStringLiteral("D28"), 4.25, 5.5625));
    QVERIFY(pdf.wordNear(1, QStringLiteral("D54"), 4.25, 10.4375));
    QVERIFY(pdf.wordNear(2, QStringLiteral("D55"), 0, 5.5625));
    QVERIFY(pdf.wordNear(2, QStringLiteral("Batch"), 0, 4.0));

    // Every action once, none lost at a column or page break.
    for (int i = 1; i <= 60; ++i)
        QCOMPARE(pdf.count(QStringLiteral("Act%1").arg(i)), 1);
    // In the title of each page, and beneath the QR code on the first.
    QCOMPARE(pdf.count(QStringLiteral("2026-000041")), 3);
}

void PrintOutputTest::toDoPdfHasItsHeaderOnEveryPage()
{
    const QVector<ToDoRow> rows = dueRows(36);
    const QString path = m_dir.filePath(QStringLiteral("todo.pdf"));
    QVERIFY(print::writePdf(path, QStringLiteral("To do"), [&rows](print::PageSurface& page) {
        print::drawToDoList(page, rows, QStringLiteral("Monday, December 7, 2026"));
    }));
    const Document pdf = pdftools::read(path);
    QCOMPARE(pdf.pages, 2);
    for (int page : {1, 2}) {
        QVERIFY(pdf.wordNear(page, QStringLiteral("Things"), 2.625, 0.45));
        QVERIFY(pdf.wordNear(page, QStringLiteral("Date"), 5.375, 0.53));
        QVERIFY(pdf.wordNear(page, QStringLiteral("Batch"), 0.375, 0.875));
        QVERIFY(pdf.wordNear(page, QStringLiteral("Notes"), 7.0, 0.875));
        QCOMPARE(pdf.count(QStringLiteral("www.vintrelo.example"), page), 1);
    }
    QVERIFY(pdf.wordNear(1, QStringLiteral("2026-000001"), 0.25, 1.25));
    QVERIFY(pdf.wordNear(1, QStringLiteral("12/2/2026"), 1.565, 1.25));
    QVERIFY(pdf.wordNear(1, QStringLiteral("Task1"), 3.125, 1.25));
    QVERIFY(pdf.wordNear(1, QStringLiteral("Task35"), 3.125, 9.75));
    QVERIFY(pdf.wordNear(2, QStringLiteral("2026-000036"), 0.25, 1.25));
    for (int i = 1; i <= 36; ++i)
        QCOMPARE(pdf.count(QStringLiteral("Task%1").arg(i)), 1);
}

void PrintOutputTest::withoutAPrinterTheTagCanBeSavedAsPdf()
{
    const QString path = m_dir.filePath(QStringLiteral("saved tag.pdf"));
    MessageScript script;
    script.answer(0).pickFolder(path).answer(0);
    QVERIFY(print::printTrackingTag(nullptr, tagWithSchedule(3)));

    QCOMPARE(script.shown().size(), 2);
    QCOMPARE(script.shown()[0].kind, widgets::Messages::Shown::Question);
    QVERIFY(script.shown()[0].text.contains(QStringLiteral("no default printer")));
    QVERIFY(script.shown()[0].text.contains(QStringLiteral("the carboy tag")));
    QCOMPARE(script.shown()[1].kind, widgets::Messages::Shown::Information);
    QVERIFY(script.shown()[1].text.contains(path));
    QVERIFY(script.unexpected().isEmpty());

    const Document pdf = pdftools::read(path);
    QCOMPARE(pdf.pages, 1);
    QVERIFY(pdf.wordNear(1, QStringLiteral("D3"), 0, 5.9375));
}

void PrintOutputTest::withoutAPrinterTheToDoListCanBeSavedAsPdf()
{
    const QString path = m_dir.filePath(QStringLiteral("todo saved.pdf"));
    MessageScript script;
    script.answer(0).pickFolder(path).answer(0);
    QVERIFY(print::printToDoList(nullptr, dueRows(1), QStringLiteral("Monday, December 7, 2026")));
    QVERIFY(script.shown()[0].text.contains(QStringLiteral("the to-do list")));
    QVERIFY(script.unexpected().isEmpty());
    const Document pdf = pdftools::read(path);
    QCOMPARE(pdf.pages, 1);
    QVERIFY(pdf.pageText(1).contains(QStringLiteral("Date Printed : Monday, December 7, 2026")));
    QVERIFY(pdf.wordNear(1, QStringLiteral("Task1"), 3.125, 1.25));
}

void PrintOutputTest::decliningThePdfSavesNothing()
{
    const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);
    MessageScript script;
    script.answer(1);
    QVERIFY(!print::printTrackingTag(nullptr, tagWithSchedule(3)));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.unexpected().isEmpty()); // no file dialog was opened
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);
}

void PrintOutputTest::cancellingTheFileDialogSavesNothing()
{
    const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);
    MessageScript script;
    script.answer(0).pickFolder(QString());
    QVERIFY(!print::printToDoList(nullptr, dueRows(2), QStringLiteral("Monday, December 7, 2026")));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.unexpected().isEmpty());
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);
}

void PrintOutputTest::aPrinterThatFailsIsNamed()
{
    print::setDefaultPrinterLookup([] { return QStringLiteral("Back Room Laser"); });
    MessageScript script;
    script.answer(1);
    QVERIFY(!print::printTrackingTag(nullptr, tagWithSchedule(1)));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.shown()[0].text.contains(QStringLiteral("\"Back Room Laser\"")));
    QVERIFY(script.shown()[0].text.contains(QStringLiteral("save the carboy tag as a PDF")));
}

void PrintOutputTest::aPdfThatCannotBeWrittenIsReported()
{
    const QString path = m_dir.filePath(QStringLiteral("no such folder/tag.pdf"));
    MessageScript script;
    script.answer(0).pickFolder(path).answer(0);
    QVERIFY(!print::printTrackingTag(nullptr, tagWithSchedule(1)));
    QCOMPARE(script.shown().size(), 2);
    QCOMPARE(script.shown()[1].kind, widgets::Messages::Shown::Warning);
    QVERIFY(script.shown()[1].text.contains(path));
    QVERIFY(script.shown()[1].text.contains(QStringLiteral("Nothing was saved")));
    QVERIFY(!QFile::exists(path));
}

void PrintOutputTest::aPrintoutIsNeverWrittenOverAnotherKindOfFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("saved");
    QTest::newRow("a batch record") << "2026-000009.txt" << false;
    QTest::newRow("the location file") << "VT.Loc" << false;
    QTest::newRow("no extension") << "Carboy Tag" << false;
    QTest::newRow("a PDF in capitals") << "TAG.PDF" << true;
}

// Picking a batch file in the save dialog and confirming must not turn the
// record into a PDF.
void PrintOutputTest::aPrintoutIsNeverWrittenOverAnotherKindOfFile()
{
    QFETCH(QString, name);
    QFETCH(bool, saved);
    const QString path = m_dir.filePath(name);
    const QByteArray record("Jean M\xc3\xbcller\r\n\r\nMerlot\r\n");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(record);
    }
    const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);
    MessageScript script;
    script.answer(0).pickFolder(path).answer(0);
    QCOMPARE(print::printTrackingTag(nullptr, tagWithSchedule(1)), saved);
    QCOMPARE(script.shown().size(), 2);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    if (saved) {
        QVERIFY(file.readAll().startsWith("%PDF"));
        return;
    }
    QCOMPARE(script.shown()[1].kind, widgets::Messages::Shown::Warning);
    QVERIFY(script.shown()[1].text.contains(QStringLiteral("does not end in .pdf")));
    QVERIFY(script.shown()[1].text.contains(path));
    QCOMPARE(file.readAll(), record);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);
}

void PrintOutputTest::waitCursorShowsWhileThePageIsBuiltAndIsRestored()
{
    const QString path = m_dir.filePath(QStringLiteral("cursor.pdf"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an earlier file");
    old.close();

    MessageScript script;
    script.answer(0).pickFolder(path);
    bool waitShown = false;
    const print::Printout printout{QStringLiteral("Test"), print::Printed::CarboyTag,
                                   QStringLiteral("test.pdf")};
    // A page that fails while it is being built.
    QVERIFY_THROWS_EXCEPTION(
        std::runtime_error,
        print::printWithPdfFallback(nullptr, printout, [&](print::PageSurface& page) {
            const QCursor* cursor = QApplication::overrideCursor();
            waitShown = cursor && cursor->shape() == Qt::WaitCursor;
            page.text(1, 1, QStringLiteral("x"));
            throw std::runtime_error("broken");
        }));
    QVERIFY(waitShown);
    QVERIFY(!QApplication::overrideCursor());
    // The half-built page did not replace the file that was there.
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("an earlier file"));
}

VINTRELO_TEST_MAIN(PrintOutputTest)
#include "tst_print_output.moc"
