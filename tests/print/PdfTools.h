#pragma once

#include <QString>
#include <QVector>

// Reads a PDF the way a person would check a printout: the words on each page
// and where they stand, through poppler's command-line tools.
namespace pdftools {

struct Word
{
    int page = 0; // from 1
    double x = 0; // top left corner of the word, in inches from the paper's corner
    double y = 0;
    QString text;
};

struct Document
{
    int pages = 0;
    double pageWidth = 0; // inches
    double pageHeight = 0;
    QVector<Word> words;

    // Words of one page, in reading order, joined by single blanks.
    QString pageText(int page) const;
    // The first word `text` on `page` within `tolerance` inches of (x, y).
    const Word* wordNear(int page, const QString& text, double x, double y,
                         double tolerance = 0.04) const;
    int count(const QString& text, int page = 0) const;
};

// Empty when the tools are there; otherwise why not.
QString missingTools();

Document read(const QString& pdfPath);

// Renders the first page as a PNG; false when pdftoppm failed.
bool renderFirstPage(const QString& pdfPath, const QString& pngPath, int dotsPerInch = 60);
// Renders page `page` (from 1) as a PNG; false when pdftoppm failed.
bool renderPage(const QString& pdfPath, int page, const QString& pngPath, int dotsPerInch = 60);

} // namespace pdftools
