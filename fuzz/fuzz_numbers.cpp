// The leading-number reader with any text: a number is read, written as plain
// text, and that text reads back and writes the same.
#include "FuzzSupport.h"
#include "store/TextNumber.h"

#include <QRegularExpression>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QRegularExpression plain(QStringLiteral("^-?[0-9]+(\\.[0-9]*[1-9])?$"));
    // Blanks and tabs, a sign, a point, a digit: how every number read begins.
    static const QRegularExpression numberStart(QStringLiteral("^[ \t]*[+-]?\\.?[0-9]"));
    const QString text = QString::fromUtf8(fuzz::bytesOf(data, size));
    const double value = store::readLeadingNumber(text);
    FUZZ_CHECK(std::isfinite(value), "a number that cannot be written");
    FUZZ_CHECK(numberStart.match(text).hasMatch() || value == 0.0, "a number read from no number");

    const QString written = store::formatPlainNumber(value);
    FUZZ_CHECK(plain.match(written).hasMatch(), "not plain decimal text");
    FUZZ_CHECK(written != QStringLiteral("-0"), "minus zero written");
    const double again = store::readLeadingNumber(written);
    FUZZ_CHECK(store::formatPlainNumber(again) == written, "reading back writes other text");
    // Up to ten decimals are kept, so the written number is that close.
    FUZZ_CHECK(std::fabs(again - value) <= 1e-10 * std::max(1.0, std::fabs(value)),
               "the written number is not the one read");
    return 0;
}
