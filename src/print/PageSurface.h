#pragma once

#include "print/QrCode.h"

#include <QString>
#include <QVector>
#include <memory>

class QPagedPaintDevice;
class QPainter;

namespace print {

// Where the caption of a QR code starts: a little below the code's quiet zone.
inline double qrCaptionTop(double y, double side, const ModuleMatrix& matrix)
{
    return y + side + (matrix.isEmpty() ? 0.0 : kQrQuietModules * side / matrix.width) + 0.03;
}

// A printed page in inches from the top left corner of its printable area (on
// paper without hardware margins, the paper's corner). Printouts draw on this
// and never on a device directly, so that the same drawing goes to the
// printer, to a PDF file, or to a recording that tests read back.
class PageSurface
{
public:
    virtual ~PageSurface() = default;

    virtual void setFont(const QString& family, double points) = 0;
    // The text's top left corner at (x, y); never clipped or wrapped.
    virtual void text(double x, double y, const QString& text) = 0;
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    virtual void circle(double centreX, double centreY, double radius) = 0;
    // A QR code `side` inches square with its top left corner at (x, y), and
    // `caption` in the current font centred beneath it (qrCaptionTop).
    virtual void qrCode(double x, double y, double side, const ModuleMatrix& matrix,
                        const QString& caption) = 0;
    virtual void newPage() = 0;
    // How wide `text` prints in the current font, in inches.
    virtual double textWidth(const QString& text) const = 0;
    // How far across the page can be printed on, in inches from x = 0.
    virtual double printableWidth() const = 0;
    // How far down the page can be printed on, in inches from y = 0.
    virtual double printableHeight() const = 0;
    // Finishes the document; false when the device reports a failure.
    virtual bool end() = 0;
};

// Sets the font to the largest size from `points` down to `smallestPoints`, in
// half points, at which `text` fits within `width` inches, and returns that
// size; `smallestPoints` when even that is too wide.
double shrinkToFit(PageSurface& page, const QString& family, double points, double smallestPoints,
                   const QString& text, double width);

// One drawing operation as a test sees it.
struct PageOp
{
    enum Kind
    {
        Text,
        Line,
        Circle,
        NewPage,
        End,
        QrCode
    };
    Kind kind = Text;
    int page = 1; // the page the operation is drawn on
    double x = 0; // text corner, line start or circle centre
    double y = 0;
    double x2 = 0; // line end, or a QR code's bottom right corner
    double y2 = 0;
    double radius = 0;
    QString text;
    QString fontFamily; // the font in force for a text
    double fontPoints = 0;
    ModuleMatrix modules; // of a QR code, whose caption is `text`
};

// Keeps every operation in order instead of drawing it.
class RecordingSurface : public PageSurface
{
public:
    void setFont(const QString& family, double points) override;
    void text(double x, double y, const QString& text) override;
    void line(double x1, double y1, double x2, double y2) override;
    void circle(double centreX, double centreY, double radius) override;
    void qrCode(double x, double y, double side, const ModuleMatrix& matrix,
                const QString& caption) override;
    void newPage() override;
    double textWidth(const QString& text) const override;
    double printableWidth() const override { return m_printableWidth; }
    double printableHeight() const override { return m_printableHeight; }
    bool end() override;

    // Letter paper without hardware margins unless told otherwise.
    void setPrintableWidth(double inches) { m_printableWidth = inches; }
    void setPrintableHeight(double inches) { m_printableHeight = inches; }

    const QVector<PageOp>& ops() const { return m_ops; }
    int pageCount() const { return m_page; }
    QVector<PageOp> texts(int page = 0) const; // 0: every page
    QVector<PageOp> lines(int page = 0) const;

private:
    QVector<PageOp> m_ops;
    int m_page = 1;
    QString m_family;
    double m_points = 0;
    double m_printableWidth = 8.5;
    double m_printableHeight = 11;
};

// Draws on a printer or PDF writer that a QPainter has already begun on.
// `dotsPerInch` is the device's own resolution, so inches are exact on it. The
// painter's origin is the corner of the device's printable area.
class PainterSurface : public PageSurface
{
public:
    PainterSurface(QPagedPaintDevice& device, QPainter& painter, int dotsPerInch);

    void setFont(const QString& family, double points) override;
    void text(double x, double y, const QString& text) override;
    void line(double x1, double y1, double x2, double y2) override;
    void circle(double centreX, double centreY, double radius) override;
    void qrCode(double x, double y, double side, const ModuleMatrix& matrix,
                const QString& caption) override;
    void newPage() override;
    double textWidth(const QString& text) const override;
    double printableWidth() const override;
    double printableHeight() const override;
    bool end() override;

private:
    double dots(double inches) const { return inches * m_dpi; }

    QPagedPaintDevice& m_device;
    QPainter& m_painter;
    double m_dpi;
    bool m_failed = false;
};

} // namespace print
