#include "screens/recipes/WrapButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace screens {

namespace {
constexpr int kMargin = 6;
constexpr int kFlags = Qt::AlignCenter | Qt::TextWordWrap;
} // namespace

WrapButton::WrapButton(QWidget* parent) : QPushButton(parent)
{
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QRect WrapButton::textRect(const QRect& within) const
{
    return within.adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

int WrapButton::heightForWidth(int width) const
{
    const QRect room = textRect(QRect(0, 0, width, 10000));
    const QRect needed = fontMetrics().boundingRect(room, kFlags, text());
    return std::max(needed.height() + 2 * kMargin, minimumHeight());
}

QSize WrapButton::sizeHint() const
{
    const int width = std::max(minimumWidth(), 120);
    return QSize(width, heightForWidth(width));
}

QSize WrapButton::minimumSizeHint() const
{
    return sizeHint();
}

void WrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(textRect(rect()), kFlags, text());
}

} // namespace screens
