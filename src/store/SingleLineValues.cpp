#include "store/SingleLineValues.h"

#include "store/StoreError.h"

namespace store {

bool isLineBreak(QChar c)
{
    switch (c.unicode()) {
    case u'\n':
    case u'\r':
    case u'\v':
    case u'\f':
    case 0x0085:
    case 0x2028:
    case 0x2029:
        return true;
    default:
        return false;
    }
}

qsizetype lineBreakIn(QStringView value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (isLineBreak(value.at(i)))
            return i;
    }
    return -1;
}

void requireSingleLineValues(const QStringList& lines, const QString& what, const LineRules& rules)
{
    for (qsizetype line = 0; line < lines.size(); ++line) {
        const QString& value = lines.at(line);
        if (lineBreakIn(value) < 0 || rules.kept.contains(value))
            continue;
        const QString field =
            rules.fieldOf ? rules.fieldOf(line) : STORE_TR("line %1").arg(line + 1);
        throw StoreError(STORE_TR("Vintrelo did not write %1: %2 holds a line break, which would "
                                  "split it over two lines of the file. Nothing was changed. "
                                  "Type it on one line, then try again.")
                             .arg(what, field));
    }
}

} // namespace store
