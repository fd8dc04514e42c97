#include "widgets/ValueLabel.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace widgets {

ValueLabel::ValueLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

int ValueLabel::textWidth() const
{
    return std::max(0, contentsRect().width() - 2 * margin());
}

QString ValueLabel::shownText() const
{
    const QString value = text();
    const QFontMetrics metrics = fontMetrics();
    if (metrics.horizontalAdvance(value) <= textWidth())
        return value;
    return metrics.elidedText(value, Qt::ElideRight, textWidth());
}

QSize ValueLabel::sizeHint() const
{
    return minimumSizeHint();
}

QSize ValueLabel::minimumSizeHint() const
{
    const QMargins frame = contentsMargins();
    const int height = fontMetrics().height() + frame.top() + frame.bottom() + 2 * margin();
    // Room for a few characters, so that a shortened value still says something.
    const int width =
        fontMetrics().horizontalAdvance(QLatin1Char('x')) * 8 + frame.left() + frame.right();
    return QSize(width, height);
}

bool ValueLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (isShortened())
            QToolTip::showText(help->globalPos(), plainToolTip(text()), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

void ValueLabel::paintEvent(QPaintEvent* event)
{
    if (!isShortened()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(), shownText(),
                          foregroundRole());
}

QString plainToolTip(const QString& value)
{
    // Rich text in which the value is escaped: shown as it is, blanks included,
    // and wrapped when long.
    return QStringLiteral("<p style=\"white-space:pre-wrap\">") + value.toHtmlEscaped() +
           QStringLiteral("</p>");
}

} // namespace widgets
