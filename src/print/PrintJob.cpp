#include "print/PrintJob.h"

#include "print/PageSurface.h"
#include "widgets/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace print {

namespace {

constexpr int kPdfDotsPerInch = 1200;

std::function<QString()>& printerLookup()
{
    static std::function<QString()> lookup;
    return lookup;
}

// This file's texts, in one translation context.
class Text
{
    Q_DECLARE_TR_FUNCTIONS(print)
};

// What the messages say about a printout, as whole sentences for each.
enum class Said
{
    SaveFailed,    // path, reason
    NotPdf,        // path
    Saved,         // path
    NoPrinter,     //
    PrinterFailed, // printer
    OfferPdf       //
};

QString reportSaid(Said message)
{
    switch (message) {
    case Said::SaveFailed:
        return Text::tr("Vintrelo could not save the batch report as the PDF file \"%1\" (%2). "
                        "Nothing was saved; choose another folder and try again.");
    case Said::NotPdf:
        return Text::tr("Vintrelo did not save the batch report as \"%1\": that name does not "
                        "end in .pdf, and a printout is never written over another kind of file, "
                        "such as a batch record. Nothing was changed; choose a name ending in "
                        ".pdf and try again.");
    case Said::Saved:
        return Text::tr("The batch report was saved as the PDF file \"%1\".");
    case Said::NoPrinter:
        return Text::tr("There is no default printer on this computer, so the batch report was "
                        "not printed.");
    case Said::PrinterFailed:
        return Text::tr("The printer \"%1\" could not print the batch report. Check that it is "
                        "switched on and connected.");
    case Said::OfferPdf:
        return Text::tr("Would you like to save the batch report as a PDF file instead?");
    }
    return QString();
}

QString said(Printed what, Said message)
{
    if (what == Printed::BatchReport)
        return reportSaid(message);
    const bool tag = what == Printed::CarboyTag;
    switch (message) {
    case Said::SaveFailed:
        return tag ? Text::tr("Vintrelo could not save the carboy tag as the PDF file \"%1\" "
                              "(%2). Nothing was saved; choose another folder and try again.")
                   : Text::tr("Vintrelo could not save the to-do list as the PDF file \"%1\" "
                              "(%2). Nothing was saved; choose another folder and try again.");
    case Said::NotPdf:
        return tag ? Text::tr("Vintrelo did not save the carboy tag as \"%1\": that name does not "
                              "end in .pdf, and a printout is never written over another kind of "
                              "file, such as a batch record. Nothing was changed; choose a name "
                              "ending in .pdf and try again.")
                   : Text::tr("Vintrelo did not save the to-do list as \"%1\": that name does "
                              "not end in .pdf, and a printout is never written over another kind "
                              "of file, such as a batch record. Nothing was changed; choose a "
                              "name ending in .pdf and try again.");
    case Said::Saved:
        return tag ? Text::tr("The carboy tag was saved as the PDF file \"%1\".")
                   : Text::tr("The to-do list was saved as the PDF file \"%1\".");
    case Said::NoPrinter:
        return tag ? Text::tr("There is no default printer on this computer, so the carboy tag "
                              "was not printed.")
                   : Text::tr("There is no default printer on this computer, so the to-do list "
                              "was not printed.");
    case Said::PrinterFailed:
        return tag ? Text::tr("The printer \"%1\" could not print the carboy tag. Check that it "
                              "is switched on and connected.")
                   : Text::tr("The printer \"%1\" could not print the to-do list. Check that it "
                              "is switched on and connected.");
    case Said::OfferPdf:
        return tag ? Text::tr("Would you like to save the carboy tag as a PDF file instead?")
                   : Text::tr("Would you like to save the to-do list as a PDF file instead?");
    }
    return QString();
}

QString suggestedPath(const QString& fileName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(fileName);
}

bool savePdf(QWidget* parent, const Printout& printout, const DrawPages& draw)
{
    const QString path = widgets::Pickers::saveFileName(
        parent, Text::tr("Save as PDF File"), suggestedPath(printout.suggestedFileName),
        Text::tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return false;
    // A name picked in the data folder could be a batch or recipe file.
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0) {
        widgets::Messages::warning(
            parent, said(printout.what, Said::NotPdf).arg(QDir::toNativeSeparators(path)));
        return false;
    }
    QString error;
    bool written = false;
    {
        widgets::WaitCursor wait;
        written = writePdf(path, printout.documentName, draw, &error);
    }
    if (!written) {
        widgets::Messages::warning(
            parent,
            said(printout.what, Said::SaveFailed).arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    widgets::Messages::information(
        parent, said(printout.what, Said::Saved).arg(QDir::toNativeSeparators(path)));
    return true;
}

} // namespace

QString defaultPrinterName()
{
    if (printerLookup())
        return printerLookup()();
    return QPrinterInfo::defaultPrinterName();
}

void setDefaultPrinterLookup(std::function<QString()> lookup)
{
    printerLookup() = std::move(lookup);
}

bool printOnPrinter(const QString& printerName, const QString& documentName, const DrawPages& draw)
{
    if (printerName.isEmpty())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(printerName);
    // An unknown name turns the printer into a PDF writer with no file; that is
    // not the printer the user expects.
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return false;
    printer.setDocName(documentName);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);
    // The page size brought the printer's own margins as the least it allows;
    // Qt would keep its wider default where they are narrower. With them, the
    // painter's origin is the corner of the printable area, in the printer's dots.
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    PainterSurface surface(printer, painter, printer.resolution());
    draw(surface);
    const bool ended = surface.end();
    return ended && printer.printerState() != QPrinter::Error &&
           printer.printerState() != QPrinter::Aborted;
}

bool writePdf(const QString& path, const QString& documentName, const DrawPages& draw,
              QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    bool drawn = false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(documentName);
        writer.setCreator(QStringLiteral("Vintrelo"));
        writer.setResolution(kPdfDotsPerInch);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (painter.begin(&writer)) {
            PainterSurface surface(writer, painter, kPdfDotsPerInch);
            draw(surface);
            drawn = surface.end();
        }
    }
    if (!drawn) {
        file.cancelWriting();
        if (error)
            *error = file.error() != QFileDevice::NoError ? file.errorString()
                                                          : Text::tr("the page could not be drawn");
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool printWithPdfFallback(QWidget* parent, const Printout& printout, const DrawPages& draw)
{
    const QString printer = defaultPrinterName();
    QString problem;
    if (printer.isEmpty()) {
        problem = said(printout.what, Said::NoPrinter);
    } else {
        bool printed = false;
        {
            widgets::WaitCursor wait;
            printed = printOnPrinter(printer, printout.documentName, draw);
        }
        if (printed)
            return true;
        problem = said(printout.what, Said::PrinterFailed).arg(printer);
    }
    if (!widgets::Messages::question(parent, problem + QStringLiteral("\n\n") +
                                                 said(printout.what, Said::OfferPdf)))
        return false;
    return savePdf(parent, printout, draw);
}

} // namespace print
