#include "store/TextNumber.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace store {

namespace {

// The leading number rewritten as "[-]int[.frac]", or an empty string when the
// text does not start with one. Rebuilding it keeps ".5" and "5." readable by
// QString::toDouble, which always uses the C locale.
QString leadingNumberText(const QString& text)
{
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;

    bool negative = false;
    if (i < size && (text.at(i) == u'+' || text.at(i) == u'-')) {
        negative = text.at(i) == u'-';
        ++i;
    }

    QString whole;
    QString fraction;
    bool point = false;
    for (; i < size; ++i) {
        const QChar c = text.at(i);
        if (c >= u'0' && c <= u'9')
            (point ? fraction : whole).append(c);
        else if (c == u'.' && !point)
            point = true;
        else
            break;
    }
    if (whole.isEmpty() && fraction.isEmpty())
        return QString();

    QString number = negative ? QStringLiteral("-") : QString();
    number += whole.isEmpty() ? QStringLiteral("0") : whole;
    if (!fraction.isEmpty())
        number += u'.' + fraction;
    return number;
}

} // namespace

double readLeadingNumber(const QString& text)
{
    const QString number = leadingNumberText(text);
    if (number.isEmpty())
        return 0.0;
    double value = number.toDouble();
    // Hundreds of digits overflow to infinity, which could not be written back.
    if (std::isinf(value))
        value = std::copysign(std::numeric_limits<double>::max(), value);
    return value == 0.0 ? 0.0 : value; // no -0
}

QString formatPlainNumber(double value)
{
    if (std::isnan(value))
        return QStringLiteral("0");
    if (std::isinf(value))
        value = std::copysign(std::numeric_limits<double>::max(), value);

    // Shortest digits that read back to the same double; only when that needs
    // more than ten decimals (0.1 + 0.2) is it rounded to ten.
    QString text = QString::number(value, 'f', QLocale::FloatingPointShortest);
    const qsizetype point = text.indexOf(u'.');
    if (point >= 0 && text.size() - point - 1 > 10)
        text = QString::number(value, 'f', 10);

    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    if (text == QStringLiteral("-0"))
        return QStringLiteral("0");
    return text;
}

} // namespace store
