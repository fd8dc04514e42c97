#pragma once

#include <QString>
#include <QVector>

class QWidget;

namespace print {

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

// Prints the tag on the default printer (or, when there is none or the job
// fails, offers to save it as a PDF file). Shows the wait cursor while the page
// is built and tells the user what happened. True when a page was produced.
bool printTrackingTag(QWidget* parent, const TagData& tag);

} // namespace print
