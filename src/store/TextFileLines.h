#pragma once

#include "store/FileSubject.h"
#include "store/LineDecoding.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

namespace store {

// The lines of a text file, decoded by decodeTextLines and kept as places in
// one text: readers that look at a few lines of thousands of files (the batch
// lists, the daily scan) then make no string per line.
class TextFileLines
{
public:
    TextFileLines() = default;

    // Reads `path` whole, or only up to its `maxLines`-th line break when
    // maxLines > 0: a reader that needs the first lines of a file reads no
    // further. Throws StoreError as readTextLines does, `what` naming the file.
    static TextFileLines read(const QString& path, const FileSubject& what, int maxLines = -1);
    // The same lines of bytes already read.
    static TextFileLines fromBytes(const QByteArray& bytes);

    qsizetype size() const { return m_lines.spans.size(); }
    QStringView at(qsizetype index) const;
    QString text(qsizetype index) const { return at(index).toString(); }
    QStringList toStringList() const;

private:
    DecodedLines m_lines;
};

} // namespace store
