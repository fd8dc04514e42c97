// A batch counter file with any bytes, in a data folder: read, its identifier
// taken to a path, and advanced by one. The checks of the values themselves
// need no file and are fuzz_counter's, which runs far faster.
#include "FuzzSupport.h"
#include "store/BatchCounter.h"
#include "store/BatchFile.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

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
    root = fuzz::scratchFolder("counter_disk") + QLatin1Char('/');
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
    FUZZ_CHECK(next == store::nextCounterValue(text), "the counter went up by another rule");
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
