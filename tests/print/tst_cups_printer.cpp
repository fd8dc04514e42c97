// A real print through the system's printing path: a private CUPS server on
// loopback with a PDF printer as its default queue, the tag printed on it, and
// the printed PDF found and read back; and a PostScript printer with hardware
// margins, whose output shows where the printouts land on its paper.
#include "MessageScript.h"
#include "PdfTools.h"
#include "TestMain.h"
#include "app/Fonts.h"
#include "print/PageSurface.h"
#include "print/PrintJob.h"
#include "print/ToDoList.h"
#include "print/TrackingTag.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <arpa/inet.h>
#include <cmath>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QString kQueue = QStringLiteral("VintreloTestPDF");
const QString kCupsd = QStringLiteral("/usr/sbin/cupsd");
const QString kLpadmin = QStringLiteral("/usr/sbin/lpadmin");
const QString kBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString kPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString kMarginQueue = QStringLiteral("VintreloTestMargins");

// The margin printer cannot print the outer quarter inch at the sides and at
// the bottom of US letter paper, nor the outer eighth of an inch at its top (in
// points: 18 and 9). That leaves the 10.5 inches of height the tag needs.
constexpr double kLeftMargin = 0.25;
constexpr double kTopMargin = 0.125;
const char* const kMarginPpd = R"PPD(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "MARGINS.PPD"
*Manufacturer: "Vintrelo"
*Product: "(Margin Test)"
*ModelName: "Vintrelo margin test printer"
*ShortNickName: "Vintrelo margin test"
*NickName: "Vintrelo margin test printer"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*HWMargins: 18 18 18 9
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Letter
*PageSize Letter/US Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: Letter
*PageRegion Letter/US Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: Letter
*ImageableArea Letter/US Letter: "18 18 594 783"
*DefaultPaperDimension: Letter
*PaperDimension Letter/US Letter: "612 792"
*DefaultFont: Courier
*Font Courier: Standard "(002.004S)" Standard ROM
)PPD";

void writeFile(const QString& path, const QString& text)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text.toUtf8());
}

sockaddr_in loopback(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

int freeLoopbackPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    int port = 0;
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    if (fd >= 0)
        ::close(fd);
    return port;
}

bool accepting(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = loopback(port);
    const bool connected =
        fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    return connected;
}

// cups-pdf writes into the job owner's home, as configured by the system.
QString cupsPdfOutputFolder()
{
    const passwd* user = getpwuid(geteuid());
    return QDir(QString::fromLocal8Bit(user ? user->pw_dir : "/root"))
        .filePath(QStringLiteral("PDF"));
}

bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

} // namespace

class CupsPrinterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void tagPrintsOnTheDefaultPrinter();
    void printoutsStayClearOfTheHardwareMargins_data();
    void printoutsStayClearOfTheHardwareMargins();

private:
    QString startCups();
    QString logTail();
    QString marginPrinterOutput() const;

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString m_server;
};

// What the margin printer's file backend writes: the PostScript for the paper.
QString CupsPrinterTest::marginPrinterOutput() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("paper/margins.ps"));
}

QString CupsPrinterTest::logTail()
{
    QFile log(QDir(m_dir.path()).filePath(QStringLiteral("log/error_log")));
    if (!log.open(QIODevice::ReadOnly))
        return QString::fromLocal8Bit(m_cupsd.readAllStandardError()).right(400);
    return QString::fromLocal8Bit(log.readAll()).right(400);
}

// Empty when the server runs with the PDF queue as its default; otherwise why not.
QString CupsPrinterTest::startCups()
{
    if (geteuid() != 0)
        return QStringLiteral("the cups-pdf backend runs only under a CUPS server started as root");
    for (const QString& needed : {kCupsd, kLpadmin, kBackend, kPpd}) {
        if (!QFileInfo::exists(needed))
            return QStringLiteral(
                       "%1 is missing (cups, printer-driver-cups-pdf; scripts/install-deps)")
                .arg(needed);
    }
    const QString missing = pdftools::missingTools();
    if (!missing.isEmpty())
        return missing;
    if (!m_dir.isValid())
        return QStringLiteral("no temporary folder");

    // The filters run as the server's own user and read the spool from here.
    const QDir root(m_dir.path());
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                            QFile::ExeOther);
    for (const char* folder : {"conf", "spool/tmp", "cache", "state", "log", "paper"})
        root.mkpath(QString::fromLatin1(folder));
    for (const char* folder : {"spool/tmp", "paper"})
        QFile::setPermissions(root.filePath(QString::fromLatin1(folder)),
                              QFileDevice::Permissions(0x7777));
    writeFile(root.filePath(QStringLiteral("margins.ppd")), QString::fromLatin1(kMarginPpd));
    const int port = freeLoopbackPort();
    if (port == 0)
        return QStringLiteral("no loopback port is free");
    m_server = QStringLiteral("127.0.0.1:%1").arg(port);

    writeFile(root.filePath(QStringLiteral("conf/cupsd.conf")),
              QStringLiteral("Listen %1\n"
                             "LogLevel info\nWebInterface No\nBrowsing No\n"
                             "DefaultAuthType None\n"
                             "<Location />\n  Order allow,deny\n  Allow 127.0.0.1\n</Location>\n"
                             "<Location /admin>\n  Order allow,deny\n  Allow 127.0.0.1\n"
                             "</Location>\n"
                             "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                             "</Policy>\n")
                  .arg(m_server));
    writeFile(root.filePath(QStringLiteral("conf/cups-files.conf")),
              QStringLiteral("ServerRoot %1/conf\nRequestRoot %1/spool\nTempDir %1/spool/tmp\n"
                             "CacheDir %1/cache\nStateDir %1/state\n"
                             "AccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                             "PageLog %1/log/page_log\nPrintcap %1/printcap\n"
                             "SystemGroup root\nSandboxing Relaxed\nFileDevice Yes\n")
                  .arg(m_dir.path()));

    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(kCupsd, {QStringLiteral("-f"), QStringLiteral("-c"),
                           root.filePath(QStringLiteral("conf/cupsd.conf")), QStringLiteral("-s"),
                           root.filePath(QStringLiteral("conf/cups-files.conf"))});
    if (!m_cupsd.waitForStarted(5000))
        return QStringLiteral("cupsd could not be started: %1").arg(m_cupsd.errorString());
    const bool listening = QTest::qWaitFor(
        [&] { return m_cupsd.state() != QProcess::Running || accepting(port); }, 15000);
    if (!listening || m_cupsd.state() != QProcess::Running)
        return QStringLiteral("cupsd did not come up on %1 in this sandbox: %2")
            .arg(m_server, logTail());

    const auto admin = [this](const QStringList& arguments) {
        QProcess lpadmin;
        lpadmin.setProcessChannelMode(QProcess::MergedChannels);
        lpadmin.start(kLpadmin, QStringList{QStringLiteral("-h"), m_server} + arguments);
        const bool ok = lpadmin.waitForFinished(15000) && lpadmin.exitCode() == 0;
        return ok ? QString() : QString::fromLocal8Bit(lpadmin.readAll());
    };
    QString error =
        admin({QStringLiteral("-p"), kQueue, QStringLiteral("-E"), QStringLiteral("-v"),
               QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), kPpd,
               // Letter paper as the tag is laid out for; a renderer that
               // keeps the text readable in the printed PDF.
               QStringLiteral("-o"), QStringLiteral("PageSize=Letter"), QStringLiteral("-o"),
               QStringLiteral("pdftops-renderer-default=pdftocairo")});
    if (error.isEmpty())
        error = admin({QStringLiteral("-d"), kQueue});
    if (error.isEmpty()) {
        error =
            admin({QStringLiteral("-p"), kMarginQueue, QStringLiteral("-E"), QStringLiteral("-v"),
                   QUrl::fromLocalFile(marginPrinterOutput()).toString(), QStringLiteral("-P"),
                   root.filePath(QStringLiteral("margins.ppd")), QStringLiteral("-o"),
                   QStringLiteral("pdftops-renderer-default=pdftocairo")});
    }
    if (!error.isEmpty())
        return QStringLiteral("the PDF queue could not be set up: %1").arg(error);

    // Every CUPS call of this process now goes to the private server.
    qputenv("CUPS_SERVER", m_server.toLatin1());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    return QString();
}

void CupsPrinterTest::initTestCase()
{
    app::installFontSubstitutes();
    const QString why = startCups();
    if (!why.isEmpty())
        QSKIP(qPrintable(QStringLiteral("No private print server: ") + why));
}

void CupsPrinterTest::cleanupTestCase()
{
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(10000))
            m_cupsd.kill();
        m_cupsd.waitForFinished(5000);
    }
}

void CupsPrinterTest::tagPrintsOnTheDefaultPrinter()
{
    QCOMPARE(print::defaultPrinterName(), kQueue);

    print::TagData tag;
    tag.batchId = QStringLiteral("2026-9%1")
                      .arg(QCoreApplication::applicationPid() % 100000, 5, 10, QLatin1Char('0'));
    tag.startDate = QStringLiteral("Tuesday, December 1, 2026");
    tag.customerName = QStringLiteral("Ann Smith");
    for (int i = 1; i <= 30; ++i)
        tag.schedule << print::TagLine{QStringLiteral("D%1").arg(i), QStringLiteral("Act%1").arg(i),
                                       false};

    const QDir out(cupsPdfOutputFolder());
    const QStringList before = out.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    MessageScript script;
    QVERIFY(print::printTrackingTag(nullptr, tag));
    QVERIFY2(script.shown().isEmpty(), qPrintable(script.texts().join(QLatin1Char('\n'))));

    // The job goes through the server's filters; wait for its PDF to land.
    QString printed;
    const bool landed = QTest::qWaitFor(
        [&] {
            for (const QString& name : out.entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
                if (before.contains(name))
                    continue;
                const pdftools::Document pdf = pdftools::read(out.filePath(name));
                if (pdf.count(tag.batchId) > 0) {
                    printed = out.filePath(name);
                    return true;
                }
            }
            return false;
        },
        60000);
    QVERIFY2(landed, qPrintable(logTail()));

    const pdftools::Document pdf = pdftools::read(printed);
    QFile::remove(printed);
    QCOMPARE(pdf.pages, 1);
    QVERIFY(pdf.pageText(1).contains(QStringLiteral("Batch I.D.: ") + tag.batchId));
    QVERIFY(pdf.pageText(1).contains(QStringLiteral("Name: Ann Smith")));
    for (int i = 1; i <= 30; ++i)
        QCOMPARE(pdf.count(QStringLiteral("Act%1").arg(i)), 1);
    // Still where the page put it after the server's filters.
    QVERIFY(pdf.wordNear(1, QStringLiteral("D28"), 4.25, 5.5625, 0.1));
}

void CupsPrinterTest::printoutsStayClearOfTheHardwareMargins_data()
{
    QTest::addColumn<QString>("printout");
    QTest::newRow("carboy tag") << "tag";
    QTest::newRow("to-do sheet") << "todo";
}

// The same pages go to the margin printer and, as the reference, to a PDF file
// (which has no margins). On the printer's paper every word stands exactly the
// margins further in, so nothing that stands at x = 0 is cut off.
void CupsPrinterTest::printoutsStayClearOfTheHardwareMargins()
{
    QFETCH(QString, printout);
    if (QStandardPaths::findExecutable(QStringLiteral("ps2pdf")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdftocairo")).isEmpty())
        QSKIP("ps2pdf or pdftocairo is not installed (ghostscript, poppler-utils; "
              "scripts/install-deps)");

    print::TagData tag;
    tag.batchId = QStringLiteral("2026-000041");
    // Dates that fit the narrower printable width in full size, so both pages
    // have the same words in the same sizes.
    tag.startDate = QStringLiteral("12/1/2026");
    tag.customerName = QStringLiteral("Ann Smith");
    tag.address = QStringLiteral("12 Vine St");
    for (int i = 1; i <= 30; ++i)
        tag.schedule << print::TagLine{QStringLiteral("12/%1/2026").arg(i),
                                       QStringLiteral("Act%1").arg(i), i == 2};
    QVector<print::ToDoRow> rows;
    for (int i = 1; i <= 3; ++i)
        rows << print::ToDoRow{QStringLiteral("2026-00004%1").arg(i),
                               QStringLiteral("Monday, December %1, 2026").arg(i),
                               QStringLiteral("Rack%1").arg(i)};
    const print::DrawPages draw = [&](print::PageSurface& page) {
        if (printout == QStringLiteral("tag"))
            print::drawTrackingTag(page, tag);
        else
            print::drawToDoList(page, rows, QStringLiteral("12/7/2026"));
    };

    // The reference goes through the same PostScript and back as the printed
    // job, so that both carry the same fonts and their words the same boxes.
    const QDir dir(m_dir.path());
    const QString reference = dir.filePath(QStringLiteral("reference.pdf"));
    QVERIFY(print::writePdf(reference, QStringLiteral("Reference"), draw));
    QVERIFY(run(QStringLiteral("pdftocairo"),
                {QStringLiteral("-ps"), reference, dir.filePath(QStringLiteral("reference.ps"))}));
    QVERIFY(run(QStringLiteral("ps2pdf"), {dir.filePath(QStringLiteral("reference.ps")),
                                           dir.filePath(QStringLiteral("page.pdf"))}));
    const pdftools::Document onPage = pdftools::read(dir.filePath(QStringLiteral("page.pdf")));
    QVERIFY(onPage.words.size() > 20);

    QFile::remove(marginPrinterOutput());
    QVERIFY(print::printOnPrinter(kMarginQueue, QStringLiteral("Margins ") + printout, draw));
    // The backend writes the file as the job runs; it is whole once it ends.
    const bool printed = QTest::qWaitFor(
        [&] {
            QFile file(marginPrinterOutput());
            return file.open(QIODevice::ReadOnly) && file.readAll().contains("%%EOF");
        },
        60000);
    QVERIFY2(printed, qPrintable(logTail()));
    const QString paperPdf = dir.filePath(QStringLiteral("paper.pdf"));
    QVERIFY(run(QStringLiteral("ps2pdf"), {marginPrinterOutput(), paperPdf}));
    const pdftools::Document onPaper = pdftools::read(paperPdf);

    QCOMPARE(onPaper.pages, onPage.pages);
    QCOMPARE(onPaper.pageWidth, 8.5);
    QCOMPARE(onPaper.pageHeight, 11.0);
    QCOMPARE(onPaper.words.size(), onPage.words.size());
    for (const pdftools::Word& word : onPage.words) {
        const pdftools::Word* moved =
            onPaper.wordNear(word.page, word.text, word.x + kLeftMargin, word.y + kTopMargin, 0.01);
        QVERIFY2(moved, qPrintable(QStringLiteral("\"%1\" at (%2, %3) on the page")
                                       .arg(word.text)
                                       .arg(word.x)
                                       .arg(word.y)));
    }
    for (const pdftools::Word& word : onPaper.words) {
        QVERIFY2(word.x >= kLeftMargin - 0.01 && word.y >= kTopMargin - 0.01,
                 qPrintable(word.text));
    }
    // The tag's left column stands at x = 0 itself: on paper, at the margin.
    if (printout == QStringLiteral("tag")) {
        const auto atEdge = [](const pdftools::Document& pdf, double x) {
            int count = 0;
            for (const pdftools::Word& word : pdf.words)
                count += std::abs(word.x - x) < 0.01;
            return count;
        };
        QVERIFY(atEdge(onPage, 0) >= 30);
        QCOMPARE(atEdge(onPaper, kLeftMargin), atEdge(onPage, 0));
    }
}

VINTRELO_TEST_MAIN(CupsPrinterTest)
#include "tst_cups_printer.moc"
