#include "print/PageSurface.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace print {

double shrinkToFit(PageSurface& page, const QString& family, double points, double smallestPoints,
                   const QString& text, double width)
{
    page.setFont(family, points);
    while (points > smallestPoints && page.textWidth(text) > width) {
        points = std::max(smallestPoints, points - 0.5);
        page.setFont(family, points);
    }
    return points;
}

void RecordingSurface::setFont(const QString& family, double points)
{
    m_family = family;
    m_points = points;
}

void RecordingSurface::text(double x, double y, const QString& text)
{
    PageOp op;
    op.kind = PageOp::Text;
    op.page = m_page;
    op.x = x;
    op.y = y;
    op.text = text;
    op.fontFamily = m_family;
    op.fontPoints = m_points;
    m_ops << op;
}

void RecordingSurface::line(double x1, double y1, double x2, double y2)
{
    PageOp op;
    op.kind = PageOp::Line;
    op.page = m_page;
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    m_ops << op;
}

void RecordingSurface::circle(double centreX, double centreY, double radius)
{
    PageOp op;
    op.kind = PageOp::Circle;
    op.page = m_page;
    op.x = centreX;
    op.y = centreY;
    op.radius = radius;
    m_ops << op;
}

void RecordingSurface::qrCode(double x, double y, double side, const ModuleMatrix& matrix,
                              const QString& caption)
{
    PageOp op;
    op.kind = PageOp::QrCode;
    op.page = m_page;
    op.x = x;
    op.y = y;
    op.x2 = x + side;
    op.y2 = y + side;
    op.modules = matrix;
    op.text = caption;
    op.fontFamily = m_family;
    op.fontPoints = m_points;
    m_ops << op;
}

void RecordingSurface::newPage()
{
    PageOp op;
    op.kind = PageOp::NewPage;
    op.page = m_page;
    m_ops << op;
    ++m_page;
}

double RecordingSurface::textWidth(const QString& text) const
{
    // Measured as a printer of 1200 dots to the inch would, whatever the screen.
    constexpr int kDotsPerInch = 1200;
    QImage device(1, 1, QImage::Format_Mono);
    device.setDotsPerMeterX(qRound(kDotsPerInch / 0.0254));
    device.setDotsPerMeterY(qRound(kDotsPerInch / 0.0254));
    QFont font(m_family);
    font.setPointSizeF(m_points > 0 ? m_points : 12);
    return QFontMetricsF(font, &device).horizontalAdvance(text) / kDotsPerInch;
}

bool RecordingSurface::end()
{
    PageOp op;
    op.kind = PageOp::End;
    op.page = m_page;
    m_ops << op;
    return true;
}

QVector<PageOp> RecordingSurface::texts(int page) const
{
    QVector<PageOp> found;
    std::copy_if(m_ops.begin(), m_ops.end(), std::back_inserter(found), [page](const PageOp& op) {
        return op.kind == PageOp::Text && (page == 0 || op.page == page);
    });
    return found;
}

QVector<PageOp> RecordingSurface::lines(int page) const
{
    QVector<PageOp> found;
    std::copy_if(m_ops.begin(), m_ops.end(), std::back_inserter(found), [page](const PageOp& op) {
        return op.kind == PageOp::Line && (page == 0 || op.page == page);
    });
    return found;
}

PainterSurface::PainterSurface(QPagedPaintDevice& device, QPainter& painter, int dotsPerInch)
    : m_device(device), m_painter(painter), m_dpi(dotsPerInch)
{
    // A thin black line: a hundredth of an inch at any resolution.
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, m_dpi / 100.0));
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
}

void PainterSurface::setFont(const QString& family, double points)
{
    QFont font(family);
    font.setPointSizeF(points);
    m_painter.setFont(font);
}

void PainterSurface::text(double x, double y, const QString& text)
{
    // QPainter places text by its baseline; the page gives the top of the line.
    const QFontMetricsF metrics(m_painter.font(), &m_device);
    m_painter.drawText(QPointF(dots(x), dots(y) + metrics.ascent()), text);
}

void PainterSurface::line(double x1, double y1, double x2, double y2)
{
    m_painter.drawLine(QPointF(dots(x1), dots(y1)), QPointF(dots(x2), dots(y2)));
}

void PainterSurface::circle(double centreX, double centreY, double radius)
{
    m_painter.drawEllipse(QPointF(dots(centreX), dots(centreY)), dots(radius), dots(radius));
}

void PainterSurface::qrCode(double x, double y, double side, const ModuleMatrix& matrix,
                            const QString& caption)
{
    if (!caption.isEmpty())
        text(x + (side - textWidth(caption)) / 2, qrCaptionTop(y, side, matrix), caption);
    if (matrix.isEmpty())
        return;
    // Each run of dark modules in a row is one filled rectangle, without
    // antialiasing, so that neighbouring modules meet without seams.
    const double module = dots(side) / matrix.width;
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(Qt::black);
    for (int row = 0; row < matrix.width; ++row) {
        int col = 0;
        while (col < matrix.width) {
            if (!matrix.isDark(row, col)) {
                ++col;
                continue;
            }
            const int first = col;
            while (col < matrix.width && matrix.isDark(row, col))
                ++col;
            m_painter.drawRect(QRectF(dots(x) + first * module, dots(y) + row * module,
                                      (col - first) * module, module));
        }
    }
    m_painter.restore();
}

void PainterSurface::newPage()
{
    if (!m_device.newPage())
        m_failed = true;
}

double PainterSurface::textWidth(const QString& text) const
{
    return QFontMetricsF(m_painter.font(), &m_device).horizontalAdvance(text) / m_dpi;
}

double PainterSurface::printableWidth() const
{
    // The device's width is that of its printable area, in its own dots.
    return m_device.width() / m_dpi;
}

double PainterSurface::printableHeight() const
{
    return m_device.height() / m_dpi;
}

bool PainterSurface::end()
{
    const bool ended = m_painter.end();
    return ended && !m_failed;
}

} // namespace print
