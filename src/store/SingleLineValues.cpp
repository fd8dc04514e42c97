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

void requireSingleLineValues(const QStringList& lines, const FileSubject& what,
                             const LineRules& rules)
{
    for (qsizetype line = 0; line < lines.size(); ++line) {
        const QString& value = lines.at(line);
        if (lineBreakIn(value) < 0 || rules.kept.contains(value))
            continue;
        const LineField field =
            rules.fieldOf ? rules.fieldOf(line) : LineField{LineField::Line, QString(), line + 1};
        throw StoreError(what.refuseLineBreak(field));
    }
}

} // namespace store
