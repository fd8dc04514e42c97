// The writers' line-break rule with any values, in memory: it refuses exactly the
// values that hold a line break as Unicode lists them for \R (LF, VT, FF, CR,
// NEL, U+2028, U+2029), unless the file being replaced already holds that very line; it
// names the field of the first one refused; and every value it lets through
// comes back unchanged from encoding and decoding.
#include "FuzzSupport.h"
#include "store/SingleLineValues.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Written out apart from the store's own list, so that a slip in either shows.
    static const char16_t lineEnds[] = {0x0A, 0x0B, 0x0C, 0x0D, 0x85, 0x2028, 0x2029};
    const auto breaksLine = [](const QString& value) {
        return std::any_of(value.cbegin(), value.cend(), [](QChar c) {
            return std::find(std::begin(lineEnds), std::end(lineEnds), c.unicode()) !=
                   std::end(lineEnds);
        });
    };
    const store::FileSubject what(store::FileSubject::StarterFile, QStringLiteral("fuzzed.txt"));

    // Pieces apart at 0xFF, a byte UTF-8 never uses: the first is the file being
    // replaced, every further one a value. An odd first byte writes that file's
    // own lines back after the values, as a rewrite does.
    const QList<QByteArray> pieces = fuzz::bytesOf(data, size).split('\xFF');
    const QStringList oldLines = store::decodeLines(pieces.constFirst());
    store::LineRules rules;
    rules.kept = QSet<QString>(oldLines.cbegin(), oldLines.cend());
    rules.fieldOf = [](qsizetype line) {
        return store::LineField{store::LineField::Line, {}, line};
    };
    QStringList values;
    for (qsizetype i = 1; i < pieces.size(); ++i)
        values << QString::fromUtf8(pieces.at(i));
    if (size > 0 && (data[0] & 1) != 0)
        values << oldLines;

    qsizetype firstRefused = -1;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const bool breaks = breaksLine(values.at(i));
        FUZZ_CHECK((store::lineBreakIn(values.at(i)) >= 0) == breaks,
                   "a line break missed, or another character taken for one");
        if (breaks && firstRefused < 0 && !rules.kept.contains(values.at(i)))
            firstRefused = i;
    }

    QString message;
    try {
        store::requireSingleLineValues(values, what, rules);
    } catch (const store::StoreError& error) {
        message = error.message();
    }
    if (firstRefused >= 0) {
        FUZZ_CHECK(!message.isEmpty(), "a value holding a line break was let through");
        FUZZ_CHECK(message.contains(QStringLiteral("\"fuzzed.txt\"")),
                   "the refusal does not name the file");
        FUZZ_CHECK(message.contains(QStringLiteral("line %1 holds").arg(firstRefused)),
                   "the refusal does not name the first field with a line break");
        return 0;
    }
    FUZZ_CHECK(message.isEmpty(), "a value without a line break was refused");
    // Files are written without a byte-order mark, so a leading one is dropped
    // when read, by design.
    if (values.isEmpty() || !values.constFirst().startsWith(QChar(0xFEFF)))
        FUZZ_CHECK(store::decodeLines(store::encodeLines(values)) == values,
                   "an accepted value does not come back from the file unchanged");
    return 0;
}
