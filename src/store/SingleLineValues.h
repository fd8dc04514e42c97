#pragma once

#include "store/FileSubject.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>

namespace store {

// Every value is one line of a file. A value holding a line break would split
// into two lines and shift every field after it, so no writer writes one: CR,
// LF, vertical tab, form feed, NEL (U+0085) and the line and paragraph
// separators (U+2028, U+2029), which other programs take as line ends.
bool isLineBreak(QChar c);
qsizetype lineBreakIn(QStringView value); // index of the first, or -1

// How a writer's lines are judged.
struct LineRules
{
    // The field a line (from 0) holds, for the message ("the \"Notes\" of action
    // 3"); without it the line is named by its number.
    std::function<LineField(qsizetype line)> fieldOf;
    // Lines of the file being replaced. One of them written again unchanged is
    // not judged again: refusing it would lock a batch that a hand edit left
    // with a stray control character out of every change.
    QSet<QString> kept;
};

// Throws StoreError naming `what` (the file) and the field of the first line
// holding a line break; writers call it before anything is written.
void requireSingleLineValues(const QStringList& lines, const FileSubject& what,
                             const LineRules& rules = {});

} // namespace store
