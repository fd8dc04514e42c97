#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace print {

class PageSurface;

// Draws a whole printout, every page of it, on the surface it is given.
using DrawPages = std::function<void(PageSurface&)>;

// The printer a print button uses: the system's default, or empty when there is
// none. Tests replace the lookup so that no test reaches a real printer by chance.
QString defaultPrinterName();
void setDefaultPrinterLookup(std::function<QString()> lookup); // null: the system's

// Prints portrait US letter pages on the named printer at its high resolution,
// measured from the corner of the area the printer can print on, so that its
// hardware margins never cut off what stands at x = 0. False when the printer
// cannot be opened or reports the job as failed.
bool printOnPrinter(const QString& printerName, const QString& documentName, const DrawPages& draw);

// Writes the pages to a PDF file of the same page size, measured from the
// page's corner (a PDF has no hardware margins). The file is replaced
// only once the whole document is written; `error` says why it was not.
bool writePdf(const QString& path, const QString& documentName, const DrawPages& draw,
              QString* error = nullptr);

// What a print button prints: its messages are worded for each.
enum class Printed
{
    CarboyTag,
    ToDoList,
    BatchReport
};

struct Printout
{
    QString documentName;      // the print job's name, also the PDF title
    Printed what;              // the messages' subject
    QString suggestedFileName; // "2026-000041 Tag.pdf", offered in the Documents folder
};

// Prints on the default printer under the wait cursor. When there is no default
// printer or the job fails, says so and offers to save a PDF file instead.
// True when a page was printed or saved.
bool printWithPdfFallback(QWidget* parent, const Printout& printout, const DrawPages& draw);

} // namespace print
