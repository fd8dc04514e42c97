#pragma once

#include <QString>

class QLineEdit;

namespace widgets {

// A value is one line of a data file, so it can never hold a line break: each
// line break (CR LF, LF or CR alone, NEL, line and paragraph separators,
// vertical tab, form feed) and each tab becomes one blank; the rest is kept.
QString singleLine(const QString& text);

// Makes a text box apply singleLine() to whatever reaches it: typed, pasted,
// dropped or set by the program. Applying it twice changes nothing; a box
// with a validator of its own is left alone.
void keepOnOneLine(QLineEdit* box);

} // namespace widgets
