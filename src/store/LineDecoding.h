#pragma once

#include <QByteArrayView>
#include <QString>
#include <QVector>

namespace store {

// The one decoder of the data folder's text files, used by every reader.
//
// Lines end at LF, a trailing CR dropped; the text after the last LF is a line
// only when it is not empty; the byte-order marks opening the file are dropped.
// Each line is decoded on its own: a line that is valid UTF-8 is UTF-8, any
// other line Windows-1252. Valid UTF-8 is the standard's: no overlong forms,
// no surrogates, nothing beyond U+10FFFF, no sequence cut short. A file
// written in UTF-8 with one line added by an older program in the old code
// page then reads correctly throughout, and a rewrite gives every UTF-8 line
// back byte for byte.

// Where one line lies in the decoded text.
struct LineSpan
{
    qsizetype start;
    qsizetype length;
};

// All lines of a file in one text, so that readers of a few lines of many files
// make no string per line.
struct DecodedLines
{
    QString text;
    QVector<LineSpan> spans;
};

DecodedLines decodeTextLines(QByteArrayView bytes);

} // namespace store
