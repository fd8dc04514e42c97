// A batch counter file with any bytes: read, turned into a batch identifier,
// and advanced by one.
#include "FuzzSupport.h"
#include "store/BatchCounter.h"
#include "store/BatchFile.h"
#include "store/StoreError.h"
#include "store/TextLines.h"
#include "store/TextNumber.h"

#include <cmath>

namespace {

QString root;

void checkIdentifier(const QString& counterText)
{
    const QString id = store::makeBatchID(counterText, QDate(2026, 12, 7));
    FUZZ_CHECK(id.startsWith(QStringLiteral("2026-")), "the identifier lost its year");
    FUZZ_CHECK(id.size() == 11, "the identifier is not eleven characters");
    // An identifier made from the file can only name a file in the active folder.
    try {
        const QString path = store::batchFilePath(root, store::BatchFolder::Active, id);
        FUZZ_CHECK(fuzz::isInside(path, QDir(root).filePath(QStringLiteral("Active Batches"))),
                   "a batch path outside the active folder");
    } catch (const store::StoreError&) {
        FUZZ_CHECK(!store::isSafeBatchId(id), "a safe identifier was refused");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    root = fuzz::scratchFolder("counter") + QLatin1Char('/');
    QDir().mkpath(QDir(root).filePath(QStringLiteral("Active Batches")));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString counterFile = QDir(root).filePath(QStringLiteral("Batch-ID.txt"));
    fuzz::putFile(root, QStringLiteral("Batch-ID.txt"), bytes);

    const QString text = store::readBatchCounter(root);
    const QStringList lines = store::decodeLines(bytes);
    FUZZ_CHECK(text == (lines.isEmpty() ? QString() : lines.constFirst()),
               "the counter is not the file's first line");
    checkIdentifier(text);

    const QString next = store::advanceBatchCounter(root);
    const double before = std::trunc(store::readLeadingNumber(text));
    FUZZ_CHECK(store::startsWithNumber(next), "the new counter is not a number");
    FUZZ_CHECK(store::formatPlainNumber(store::readLeadingNumber(next)) == next,
               "the new counter does not read back as written");
    if (std::fabs(before) < 9.0e15) // beyond 2^53 a double cannot count in ones
        FUZZ_CHECK(store::readLeadingNumber(next) == before + 1,
                   "the counter did not go up by one");
    FUZZ_CHECK(store::readBatchCounter(root) == next, "the file does not hold the new counter");
    QFile file(counterFile);
    file.open(QIODevice::ReadOnly);
    FUZZ_CHECK(file.readAll() == next.toUtf8() + "\r\n",
               "the counter file holds more than the number");
    FUZZ_CHECK(!QFile::exists(QDir(root).filePath(QStringLiteral("Batch-ID.new"))),
               "the scratch file was left behind");
    checkIdentifier(next);
    return 0;
}
