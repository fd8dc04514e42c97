// The QR code on the carboy tag: clear of every text, rule and circle the tag
// prints, large enough to scan, and read back by a real decoder from the page
// the PDF back end produces.
#include "PdfTools.h"
#include "TestMain.h"
#include "print/PageSurface.h"
#include "print/PrintJob.h"
#include "print/TrackingTag.h"

#include <QProcess>
#include <QRectF>
#include <QStandardPaths>
#include <QTemporaryDir>

using print::PageOp;
using print::RecordingSurface;
using print::TagData;
using print::TagLine;

namespace {

TagData tagOf(const QString& batchId, int actions, const QString& filler)
{
    TagData tag;
    tag.batchId = batchId;
    tag.startDate = QStringLiteral("Wednesday, September 30, 2026");
    for (QString TagData::*field :
         {&TagData::customerName, &TagData::address, &TagData::city, &TagData::province,
          &TagData::postalCode, &TagData::phone1, &TagData::otherId, &TagData::serialNumber,
          &TagData::variety, &TagData::colour, &TagData::mustType, &TagData::batchSize})
        tag.*field = filler;
    for (int i = 1; i <= actions; ++i)
        tag.schedule << TagLine{QStringLiteral("Friday, January %1, 2027").arg(i),
                                filler + QString::number(i), i % 2 == 0};
    return tag;
}

// Where a text prints: its top left corner, its width in its font, and a line's height.
QRectF textRect(const PageOp& op)
{
    RecordingSurface measure;
    measure.setFont(op.fontFamily, op.fontPoints);
    return QRectF(op.x, op.y, measure.textWidth(op.text), op.fontPoints / 72.0 * 1.25);
}

// What a drawing covers, a line as a hair-thin box and a circle as its square.
QRectF covered(const PageOp& op)
{
    constexpr double hair = 0.01;
    switch (op.kind) {
    case PageOp::Text:
        return textRect(op);
    case PageOp::Line:
        return QRectF(QPointF(std::min(op.x, op.x2), std::min(op.y, op.y2)),
                      QPointF(std::max(op.x, op.x2), std::max(op.y, op.y2)))
            .adjusted(-hair, -hair, hair, hair);
    case PageOp::Circle:
        return QRectF(op.x - op.radius, op.y - op.radius, 2 * op.radius, 2 * op.radius)
            .adjusted(-hair, -hair, hair, hair);
    default:
        return QRectF();
    }
}

// The code with the light margin a reader needs, and its caption beneath.
QRectF codeWithQuietZone(const PageOp& code)
{
    const double module = (code.x2 - code.x) / code.modules.width;
    const double quiet = print::kQrQuietModules * module;
    return QRectF(QPointF(code.x, code.y), QPointF(code.x2, code.y2))
        .adjusted(-quiet, -quiet, quiet, quiet);
}

QRectF captionRect(const PageOp& code)
{
    RecordingSurface measure;
    measure.setFont(code.fontFamily, code.fontPoints);
    const double width = measure.textWidth(code.text);
    return QRectF(code.x + (code.x2 - code.x - width) / 2,
                  print::qrCaptionTop(code.y, code.x2 - code.x, code.modules), width,
                  code.fontPoints / 72.0 * 1.25);
}

QVector<PageOp> codesOn(const RecordingSurface& page)
{
    QVector<PageOp> codes;
    for (const PageOp& op : page.ops()) {
        if (op.kind == PageOp::QrCode)
            codes << op;
    }
    return codes;
}

} // namespace

class TestTagCode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void codeTouchesNothingTheTagPrints_data();
    void codeTouchesNothingTheTagPrints();
    void codeOnThePdfPageScansToTheIdentifier_data();
    void codeOnThePdfPageScansToTheIdentifier();
};

void TestTagCode::codeTouchesNothingTheTagPrints_data()
{
    QTest::addColumn<QString>("batchId");
    QTest::addColumn<int>("actions");
    QTest::addColumn<QString>("filler");
    QTest::newRow("new batch") << "2026-000041" << 0 << "Ann";
    QTest::newRow("two pages of long values")
        << "2026-000041" << 80 << QString(120, QLatin1Char('W'));
    QTest::newRow("long identifier") << "Shop A 1999-000007 (old numbering)" << 30 << "Müller";
}

void TestTagCode::codeTouchesNothingTheTagPrints()
{
    QFETCH(QString, batchId);
    QFETCH(int, actions);
    QFETCH(QString, filler);
    RecordingSurface page;
    print::drawTrackingTag(page, tagOf(batchId, actions, filler));

    // One code, on the first page, with the identifier beneath it.
    const QVector<PageOp> codes = codesOn(page);
    QCOMPARE(codes.size(), 1);
    const PageOp& code = codes.first();
    QCOMPARE(code.page, 1);
    QCOMPARE(code.text, batchId);
    QVERIFY(code.modules.width >= 21);
    QCOMPARE(code.x2 - code.x, code.y2 - code.y);
    QVERIFY(code.x2 - code.x >= 0.75);

    // Clear of everything else drawn on its page, quiet zone and caption included,
    // and within the paper.
    const QRectF clear = codeWithQuietZone(code);
    const QRectF caption = captionRect(code);
    QVERIFY(clear.left() >= 0 && clear.top() >= 0);
    QVERIFY(caption.left() >= 0 && caption.right() <= 8.5);
    QVERIFY(!clear.intersects(caption));
    int checked = 0;
    for (const PageOp& op : page.ops()) {
        if (op.page != code.page || op.kind == PageOp::QrCode)
            continue;
        const QRectF drawn = covered(op);
        if (drawn.isNull())
            continue;
        ++checked;
        const QString what = QStringLiteral("%1 at %2, %3").arg(op.text).arg(op.x).arg(op.y);
        QVERIFY2(!drawn.intersects(clear), qPrintable(what));
        QVERIFY2(!drawn.intersects(caption), qPrintable(what));
    }
    QVERIFY(checked >= 14 + 2 + 1);
}

void TestTagCode::codeOnThePdfPageScansToTheIdentifier_data()
{
    QTest::addColumn<QString>("batchId");
    QTest::newRow("counter identifier") << "2026-000041";
    QTest::newRow("other identifier") << "Shop A 1999-000007 (old numbering)";
}

void TestTagCode::codeOnThePdfPageScansToTheIdentifier()
{
    QFETCH(QString, batchId);
    if (!pdftools::missingTools().isEmpty())
        QSKIP(qPrintable(pdftools::missingTools()));
    const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
    if (zbarimg.isEmpty())
        QSKIP("zbarimg (zbar-tools) is not installed");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("tag.pdf"));
    const QString png = dir.filePath(QStringLiteral("tag.png"));
    const TagData tag = tagOf(batchId, 60, QStringLiteral("Ann"));
    QVERIFY(print::writePdf(pdf, QStringLiteral("Tag"), [&tag](print::PageSurface& page) {
        print::drawTrackingTag(page, tag);
    }));
    // 150 dots to the inch: a laser printer's page seen by a phone's camera.
    QVERIFY(pdftools::renderFirstPage(pdf, png, 150));

    QProcess scan;
    scan.start(zbarimg, {QStringLiteral("--quiet"), QStringLiteral("--raw"),
                         QStringLiteral("-Sdisable"), QStringLiteral("-Sqrcode.enable"), png});
    QVERIFY(scan.waitForFinished(30000));
    QCOMPARE(scan.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(scan.readAllStandardOutput()).trimmed(), batchId);

    // The identifier is also printed beneath the code, as words a person reads.
    const pdftools::Document read = pdftools::read(pdf);
    const QString firstWord = batchId.section(QLatin1Char(' '), 0, 0);
    const pdftools::Word* caption = nullptr;
    for (const pdftools::Word& word : read.words) {
        if (word.page == 1 && word.text == firstWord && word.y < 2.0)
            caption = &word;
    }
    QVERIFY(caption);
    QVERIFY(caption->y > 1.5);
}

VINTRELO_TEST_MAIN(TestTagCode)
#include "tst_tag_code.moc"
