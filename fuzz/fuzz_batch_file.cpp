// A batch file with any bytes, in memory: read as lines, taken apart into
// header and actions and written back; its due actions found again as the task
// list finds them, and one completed as the daily task screen completes it.
// fuzz_batch_file_disk runs the same file through the readers of the folder.
#include "FuzzSupport.h"
#include "store/BatchFile.h"
#include "store/DueActions.h"
#include "store/LongDate.h"
#include "store/StoreError.h"
#include "store/TextFileLines.h"
#include "store/TextLines.h"

#include <QLocale>

namespace {

const QString kLabel = QStringLiteral("fuzzed batch file");

// Whether the reader refused, and what it made of the lines otherwise.
bool readBatch(const QStringList& lines, store::BatchFile& batch)
{
    try {
        batch = store::batchFromLines(lines, kLabel);
        return true;
    } catch (const store::StoreError& error) {
        FUZZ_CHECK(error.message().contains(kLabel), "a refusal that does not name the file");
        return false;
    }
}

void checkLayout(const QStringList& lines, bool wellFormed, const store::BatchFile& batch)
{
    const qsizetype n = lines.size();
    const bool layoutOk = n >= store::kHeaderLines && (n - store::kHeaderLines) % 13 == 0;
    FUZZ_CHECK(wellFormed == layoutOk, "refused a well-formed file or accepted a damaged one");
    if (!wellFormed)
        return;
    FUZZ_CHECK(batch.header.lines.size() == store::kHeaderLines, "header is not 26 lines");
    FUZZ_CHECK(batch.records.size() == (n - store::kHeaderLines) / 13, "wrong number of actions");
    for (const store::ActionRecord& record : batch.records)
        FUZZ_CHECK(record.tail.size() == 6, "an action's reserved lines were not kept");
    FUZZ_CHECK(store::batchToLines(batch) == lines, "writing the batch back changes its lines");
}

// The due dates the task list reads, and the action it opens from a listed row.
void checkDueActions(const store::BatchFile& batch)
{
    const int bad = store::firstRecordWithBadDueDate(batch);
    FUZZ_CHECK(bad >= 0 && bad <= batch.records.size(), "bad due date outside the actions");
    // Dates are read up to the first bad one; what follows it is never looked at.
    const int read = bad == 0 ? int(batch.records.size()) : bad;
    int firstOpen = -1;
    for (int i = 0; i < read; ++i) {
        const store::ActionRecord& record = batch.records.at(i);
        const bool valid = store::parseDate(record.DueDate).isValid();
        FUZZ_CHECK(valid == (i + 1 != bad), "a due date was misjudged");
        if (valid && firstOpen < 0 && record.isOpen())
            firstOpen = i;
    }
    if (firstOpen < 0)
        return;
    const store::ActionRecord& listed = batch.records.at(firstOpen);
    FUZZ_CHECK(store::findListedRecord(batch, store::longFormIfDate(listed.DueDate),
                                       listed.Action) == firstOpen + 1,
               "the first listed action opens another one");
}

// Completing the first open action changes its two lines and nothing else, and
// what is written reads back as written.
void checkCompletion(const QStringList& lines, store::BatchFile batch)
{
    int index = 0;
    while (index < batch.records.size() && !batch.records.at(index).isOpen())
        ++index;
    if (index == batch.records.size())
        return;
    batch.records[index].Amount = QStringLiteral("15");
    batch.records[index].DateCompleted = QStringLiteral("December 15, 2026");
    QStringList expected = lines;
    const int at = store::kHeaderLines + index * 13;
    expected[at + 3] = QStringLiteral("15");
    expected[at + 6] = QStringLiteral("December 15, 2026");
    const QStringList written = store::batchToLines(batch);
    FUZZ_CHECK(written == expected, "completing changed more than the completed action");
    FUZZ_CHECK(store::decodeLines(store::encodeLines(written)) == written,
               "a completed batch does not read back as written");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QStringList lines = store::decodeLines(bytes);
    for (const QString& line : lines)
        FUZZ_CHECK(!line.contains(QLatin1Char('\n')), "a line holds a line break");
    FUZZ_CHECK(store::decodeLines(store::encodeLines(lines)) == lines,
               "lines do not survive writing and reading");
    // The lists read the first 20 lines with the quick reader, the editor all.
    const store::TextFileLines header =
        store::TextFileLines::fromBytes(fuzz::firstLines(bytes, 20));
    FUZZ_CHECK(header.size() == std::min<qsizetype>(lines.size(), 20),
               "the lists read another number of header lines");
    for (qsizetype i = 0; i < header.size(); ++i)
        FUZZ_CHECK(header.at(i) == lines.at(i),
                   "the lists read other header lines than the editor");

    store::BatchFile batch;
    const bool wellFormed = readBatch(lines, batch);
    checkLayout(lines, wellFormed, batch);
    if (wellFormed) {
        checkDueActions(batch);
        checkCompletion(lines, batch);
    }
    return 0;
}
