// A batch counter file's bytes, in memory: its first line turned into a batch
// identifier, and the value that follows it. fuzz_counter_disk reads and
// advances the same bytes in a counter file.
#include "FuzzSupport.h"
#include "store/BatchCounter.h"
#include "store/BatchFile.h"
#include "store/TextLines.h"
#include "store/TextNumber.h"

#include <QRegularExpression>
#include <cmath>

namespace {

void checkIdentifier(const QString& counterText)
{
    const QString id = store::makeBatchID(counterText, QDate(2026, 12, 7));
    FUZZ_CHECK(id.startsWith(QStringLiteral("2026-")), "the identifier lost its year");
    FUZZ_CHECK(id.size() == 11, "the identifier is not eleven characters");
    store::isSafeBatchId(id);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines = store::decodeLines(fuzz::bytesOf(data, size));
    const QString text = lines.isEmpty() ? QString() : lines.constFirst();
    checkIdentifier(text);

    const QString next = store::nextCounterValue(text);
    const double before = std::trunc(store::readLeadingNumber(text));
    static const QRegularExpression whole(QStringLiteral("^-?[0-9]+$"));
    FUZZ_CHECK(whole.match(next).hasMatch(), "the new counter is not a whole number");
    FUZZ_CHECK(store::formatPlainNumber(store::readLeadingNumber(next)) == next,
               "the new counter does not read back as written");
    if (std::fabs(before) < 9.0e15) // beyond 2^53 a double cannot count in ones
        FUZZ_CHECK(store::readLeadingNumber(next) == before + 1,
                   "the counter did not go up by one");
    FUZZ_CHECK(store::decodeLines(store::encodeLines({next})) == QStringList{next},
               "the new counter does not read back from its file");
    checkIdentifier(next);
    return 0;
}
