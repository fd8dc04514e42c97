#pragma once

#include <QString>

namespace store {

// Numbers kept in text files and grid cells: read as the number at the start of
// the text, written as plain decimal text. A point is the decimal separator
// whatever the locale, so files read the same on every machine.

// Blanks and tabs skipped, an optional sign, digits with at most one point;
// reading stops at the first character that cannot continue the number.
// Text without a leading number reads as 0.
double readLeadingNumber(const QString& text);

// "15", "13.5", "-3": no blanks, no exponent, no trailing zeros, no "-0".
QString formatPlainNumber(double value);

} // namespace store
