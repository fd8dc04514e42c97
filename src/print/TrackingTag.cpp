#include "print/TrackingTag.h"

#include "print/PageSurface.h"
#include "print/PrintJob.h"
#include "print/QrCode.h"
#include "store/GivenWords.h"
#include "store/LongDate.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <utility>

namespace print {

namespace {

const QString kFont = QStringLiteral("Arial");

// Inches on the page.
constexpr double kCircleX = 4.0;
constexpr double kCircleY = 2.25;
constexpr double kCircleRadius = 1.5;
constexpr double kTitleY = 4.0;
constexpr double kRightX = 4.25;
constexpr double kParticularsY = 4.25;
constexpr double kLineStep = 0.1875;
constexpr double kRuleGap = 0.25;
constexpr double kPageWidth = 8.5;
constexpr double kColumnBottom = 10.5;
constexpr double kDividerX = 4.0;
constexpr double kScheduleGap = 0.375;
constexpr double kStrikeDrop = 0.08;
constexpr double kStrikeLength = 3.5;
constexpr double kTitlePoints = 18;
constexpr double kSmallestTitlePoints = 12;
// The QR code of the identifier stands left of the circle, above the title: a
// corner no other part of the tag reaches, its quiet zone included.
constexpr double kCodeX = 0.5;
constexpr double kCodeY = 0.4;
constexpr double kCodeSide = 1.1;
constexpr double kCodeCaptionPoints = 10;
constexpr double kCodeCaptionSmallestPoints = 6;
constexpr double kCodeCaptionRoom = 1.8; // centred under the code, from x = 0.15 to 1.95

// This file's texts, in one translation context.
class Text
{
    Q_DECLARE_TR_FUNCTIONS(print)
};

// Everything above the schedule; returns the y of the schedule's first line.
double drawParticulars(PageSurface& page, const TagData& tag, bool withCircle)
{
    if (withCircle) {
        page.circle(kCircleX, kCircleY, kCircleRadius);
        shrinkToFit(page, kFont, kCodeCaptionPoints, kCodeCaptionSmallestPoints, tag.batchId,
                    kCodeCaptionRoom);
        page.qrCode(kCodeX, kCodeY, kCodeSide, encodeQr(tag.batchId), tag.batchId);
    }

    page.setFont(kFont, kTitlePoints);
    page.text(0, kTitleY, Text::tr("Batch I.D.: ") + tag.batchId);
    // A long date in 18 points runs off the paper at 4.25 inches and loses its
    // year; such a date is printed a little smaller so it stays on the page.
    const QString startDate = Text::tr("Start Date: ") + tag.startDate;
    shrinkToFit(page, kFont, kTitlePoints, kSmallestTitlePoints, startDate,
                page.printableWidth() - kRightX);
    page.text(kRightX, kTitleY, startDate);

    page.setFont(kFont, 12);
    const QStringList left{Text::tr("Name: ") + tag.customerName,
                           Text::tr("Address: ") + tag.address,
                           Text::tr("City: ") + tag.city,
                           Text::tr("Province / State: ") + tag.province,
                           Text::tr("Postal Code / Zip Code: ") + tag.postalCode,
                           Text::tr("Phone #1 : ") + tag.phone1};
    const QStringList right{
        Text::tr("Other I.D. : ") + tag.otherId, Text::tr("Serial Number: ") + tag.serialNumber,
        Text::tr("Variety: ") + tag.variety,     Text::tr("Colour: ") + tag.colour,
        Text::tr("Must Type: ") + tag.mustType,  Text::tr("Batch Size: ") + tag.batchSize};
    double y = kParticularsY;
    for (int i = 0; i < left.size(); ++i) {
        page.text(0, y, left.at(i));
        if (i + 1 < left.size())
            y += kLineStep;
    }
    y += kRuleGap;
    page.line(0, y, kPageWidth, y);
    page.line(kDividerX, y, kDividerX, kColumnBottom);

    y = kParticularsY;
    for (int i = 0; i < right.size(); ++i) {
        page.text(kRightX, y, right.at(i));
        if (i + 1 < right.size())
            y += kLineStep;
    }
    return y + kScheduleGap;
}

} // namespace

void drawTrackingTag(PageSurface& page, const TagData& tag)
{
    const double columnTop = drawParticulars(page, tag, true);
    page.setFont(kFont, 10);
    double x = 0;
    double y = columnTop;
    bool pageFull = false;
    for (const TagLine& line : tag.schedule) {
        if (pageFull) {
            page.newPage();
            drawParticulars(page, tag, false);
            page.setFont(kFont, 10);
            x = 0;
            y = columnTop;
            pageFull = false;
        }
        page.text(x, y,
                  store::longFormIfDate(line.dueDate) + QStringLiteral(" = ") +
                      store::shownAction(line.action));
        if (line.completed)
            page.line(x, y + kStrikeDrop, x + kStrikeLength, y + kStrikeDrop);
        y += kLineStep;
        if (y > kColumnBottom) {
            if (x < kRightX) {
                x = kRightX;
                y = columnTop;
            } else {
                pageFull = true;
            }
        }
    }
}

QString tagFileName(const TagData& tag)
{
    QString id = tag.batchId.trimmed();
    id.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("-"));
    if (id.isEmpty())
        return Text::tr("Carboy Tag.pdf");
    return Text::tr("%1 Carboy Tag.pdf").arg(id);
}

TagData tagParticulars(const QString& batchId, const store::BatchHeader& header)
{
    using store::BatchHeader;
    static const std::pair<QString TagData::*, BatchHeader::Field> kPrinted[] = {
        {&TagData::startDate, BatchHeader::StartDate},
        {&TagData::customerName, BatchHeader::CustomerName},
        {&TagData::address, BatchHeader::Address},
        {&TagData::city, BatchHeader::City},
        {&TagData::province, BatchHeader::Province},
        {&TagData::postalCode, BatchHeader::PostalCode},
        {&TagData::phone1, BatchHeader::Phone1},
        {&TagData::otherId, BatchHeader::OtherID},
        {&TagData::serialNumber, BatchHeader::SerialNumber},
        {&TagData::variety, BatchHeader::Variety},
        {&TagData::colour, BatchHeader::Colour},
        {&TagData::mustType, BatchHeader::MustType},
        {&TagData::batchSize, BatchHeader::BatchSize}};
    TagData tag;
    tag.batchId = batchId;
    // In this PC's words, whatever language wrote the file.
    for (const auto& [member, field] : kPrinted)
        tag.*member = store::shownHeaderField(field, header.field(field));
    return tag;
}

bool printTrackingTag(QWidget* parent, const TagData& tag)
{
    Printout printout;
    printout.documentName = Text::tr("Carboy / Tracking Tag %1").arg(tag.batchId).trimmed();
    printout.what = Printed::CarboyTag;
    printout.suggestedFileName = tagFileName(tag);
    return printWithPdfFallback(parent, printout,
                                [&tag](PageSurface& page) { drawTrackingTag(page, tag); });
}

} // namespace print
