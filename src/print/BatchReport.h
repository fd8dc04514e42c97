#pragma once

#include "store/BatchFile.h"

#include <QString>
#include <QVector>

class QWidget;

namespace print {

class PageSurface;

// What a batch report shows: the batch as the screen holds it.
struct BatchReportData
{
    QString batchId;
    store::BatchHeader header;
    QVector<store::ActionRecord> records;
    QString printedOn; // the day's date as the program shows it
};

// Prints the report on the default printer (or offers a PDF when there is none
// or the job fails). True when pages were produced.
bool printBatchReport(QWidget* parent, const BatchReportData& report);

// Draws the report, in inches within the printable area: a heading, every
// header field, the measurement chart when there are two points to draw, and a
// table of every action whose cells wrap within their columns. A row that does
// not fit goes on over the next page, under the table's headings again; every
// page is numbered "Page n of m" at its foot.
void drawBatchReport(PageSurface& page, const BatchReportData& report);

// The name a saved PDF of the report is offered under.
QString batchReportFileName(const QString& batchId);

// Splits `text` into lines no wider than `width` in the surface's current font:
// at blanks where it can, within a word where a word alone is too wide. Line
// breaks in the text start new lines; an empty text is one empty line.
QStringList wrapText(const PageSurface& page, const QString& text, double width);

} // namespace print
