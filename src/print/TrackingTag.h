#pragma once

#include "store/BatchFile.h"

#include <QString>
#include <QVector>

class QWidget;

namespace print {

class PageSurface;

// One schedule line of a carboy tag: "due date = action", struck through when done.
struct TagLine
{
    QString dueDate;
    QString action;
    bool completed = false;
};

// What a carboy / tracking tag shows, as the screens hold it.
struct TagData
{
    QString batchId;
    QString startDate;
    QString customerName;
    QString address;
    QString city;
    QString province;
    QString postalCode;
    QString phone1;
    QString otherId;
    QString serialNumber;
    QString variety;
    QString colour;
    QString mustType;
    QString batchSize;
    QVector<TagLine> schedule;
};

// A tag with the particulars of `header` that the tag prints, and no schedule.
TagData tagParticulars(const QString& batchId, const store::BatchHeader& header);

// Prints the tag on the default printer (or, when there is none or the job
// fails, offers to save it as a PDF file). Shows the wait cursor while the page
// is built and tells the user what happened. True when a page was produced.
bool printTrackingTag(QWidget* parent, const TagData& tag);

// Draws the tag, in inches: the circle, the QR code of the identifier with the
// identifier beneath it, the particulars, the two rules and the
// schedule in two columns of 27 lines. A longer schedule continues on further
// pages that repeat the particulars and rules (without the circle and the
// code), so no line
// is ever printed over another.
void drawTrackingTag(PageSurface& page, const TagData& tag);

// The name a saved PDF of the tag is offered under.
QString tagFileName(const TagData& tag);

} // namespace print
