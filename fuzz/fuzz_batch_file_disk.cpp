// A batch file with any bytes at all, in a data folder: read by the quick
// reader of its first lines, listed, scanned for due actions and, when it is
// well formed, rewritten with one action completed. The checks that need no
// file are fuzz_batch_file's, which runs far faster.
#include "FuzzSupport.h"
#include "store/BatchFile.h"
#include "store/BatchRewrite.h"
#include "store/BatchSummary.h"
#include "store/DueActions.h"
#include "store/LongDate.h"
#include "store/StoreError.h"
#include "store/TextFileLines.h"
#include "store/TextLines.h"

#include <QLocale>

namespace {

const QString kBatchId = QStringLiteral("2026-000041");
const QString kFileName = kBatchId + QStringLiteral(".txt");
const QString kLabel = QStringLiteral("fuzzed batch file");
const store::FileSubject kSubject = store::FileSubject::batchFile(kBatchId);

QString root;

void resetDataFolder()
{
    for (const char* folder : {"Active Batches", "Completed Batches", "Recipes"}) {
        QDir dir(QDir(root).filePath(QString::fromLatin1(folder)));
        dir.removeRecursively();
        QDir().mkpath(dir.path());
    }
    fuzz::putFile(root, QStringLiteral("Recipes/0003.txt"),
                  "0003 - Red wine kit, six weeks\r\nDay 1            * Add yeast and stir\r\n");
}

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

// The lists read only the header lines they show; what they read must be what
// the editor reads.
void checkListing(const QStringList& lines)
{
    const QVector<store::BatchSummary> rows =
        store::listBatchSummaries(root, store::BatchFolder::Active);
    FUZZ_CHECK(rows.size() == 1, "the listing does not hold exactly the one batch");
    const store::BatchSummary& row = rows.constFirst();
    FUZZ_CHECK(row.batchId == kBatchId, "the listing names another batch");
    const bool shortHeader = lines.size() <= store::BatchHeader::RecipeNumber;
    FUZZ_CHECK((row.problem == store::BatchSummary::Problem::Damaged) == shortHeader,
               "the listing misjudged the file");
    const auto lineOr = [&](int index) {
        return index < lines.size() ? lines.at(index) : QString();
    };
    FUZZ_CHECK(row.customerName == lineOr(store::BatchHeader::CustomerName),
               "the listing shows another customer");
    FUZZ_CHECK(row.variety == lineOr(store::BatchHeader::Variety),
               "the listing shows another variety");
    FUZZ_CHECK(row.recipeNumber ==
                   (shortHeader ? QString() : lines.at(store::BatchHeader::RecipeNumber)),
               "the listing shows another recipe");
}

// The line reader of the lists and the scan reads as the whole-file reader does.
void checkLineReader(const QStringList& lines)
{
    const QString path = QDir(root).filePath(QStringLiteral("Active Batches/") + kFileName);
    FUZZ_CHECK(store::TextFileLines::read(path, kSubject).toStringList() == lines,
               "the quick reader reads the file differently");
    for (const int first : {1, 20}) {
        const store::TextFileLines head = store::TextFileLines::read(path, kSubject, first);
        FUZZ_CHECK(head.toStringList() == lines.mid(0, first),
                   "the first lines read alone differ from the whole file's");
    }
}

void checkScan(bool wellFormed, const store::BatchFile& batch)
{
    const QDate today(2026, 12, 15);
    const store::DueScan scan = store::scanDueActions(root, today);
    const bool datesOk = wellFormed && store::firstRecordWithBadDueDate(batch) == 0;
    FUZZ_CHECK(scan.skipped.isEmpty() == datesOk,
               "the scan skipped a sound file or kept a bad one");
    FUZZ_CHECK(datesOk || scan.actions.isEmpty(), "the scan listed actions of a skipped file");
    for (const store::DueAction& due : scan.actions) {
        FUZZ_CHECK(due.record >= 1 && due.record <= batch.records.size(), "no such action");
        const store::ActionRecord& record = batch.records.at(due.record - 1);
        FUZZ_CHECK(record.isOpen(), "a completed action was listed as due");
        FUZZ_CHECK(record.Action == due.action, "the scan shows another action's text");
        FUZZ_CHECK(store::parseDate(record.DueDate) <= today, "an action not yet due was listed");
        FUZZ_CHECK(store::findListedRecord(batch, due.dueDate, due.action) >= 1,
                   "a listed action cannot be found again");
    }
}

// Completes the first open action (or changes the first one) and checks that
// only its two lines changed and nothing is left in the scratch file.
void checkRewrite(const QStringList& lines, const store::BatchFile& batch)
{
    if (batch.records.isEmpty())
        return;
    int index = 1;
    for (int i = 0; i < batch.records.size(); ++i) {
        if (batch.records.at(i).isOpen()) {
            index = i + 1;
            break;
        }
    }
    const QString done = QStringLiteral("December 15, 2026");
    store::RewriteOutcome outcome;
    try {
        outcome = store::rewriteBatchFile(root, kBatchId, [&](store::BatchFile& b) {
            store::requireRecord(b, index, kBatchId);
            b.records[index - 1].Amount = QStringLiteral("15");
            b.records[index - 1].DateCompleted = done;
        });
    } catch (const store::StoreError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        FUZZ_CHECK(false, "a well-formed batch could not be rewritten");
        return;
    }
    QStringList expected = lines;
    const int at = store::kHeaderLines + (index - 1) * 13;
    expected[at + 3] = QStringLiteral("15");
    expected[at + 6] = done;
    const bool moved = outcome == store::RewriteOutcome::MovedToCompleted;
    FUZZ_CHECK(moved == (index == batch.records.size() || !batch.records.constLast().isOpen()),
               "moved to the completed batches at the wrong time");
    const QString folder =
        moved ? QStringLiteral("Completed Batches") : QStringLiteral("Active Batches");
    const QStringList after =
        store::readTextLines(QDir(root).filePath(folder + QLatin1Char('/') + kFileName), kSubject);
    FUZZ_CHECK(after == expected, "the rewrite changed more than the completed action");
    FUZZ_CHECK(!QFile::exists(QDir(root).filePath(QStringLiteral("Active Batches/temp.txt"))),
               "the scratch file was left behind");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    root = fuzz::scratchFolder("batch_file_disk") + QLatin1Char('/');
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QStringList lines = store::decodeLines(bytes);
    store::BatchFile batch;
    const bool wellFormed = readBatch(lines, batch);

    resetDataFolder();
    fuzz::putFile(root, QStringLiteral("Active Batches/") + kFileName, bytes);
    FUZZ_CHECK(
        store::readTextLines(QDir(root).filePath(QStringLiteral("Active Batches/") + kFileName),
                             kSubject) == lines,
        "the file reads other lines than its bytes hold");
    checkLineReader(lines);
    checkListing(lines);
    checkScan(wellFormed, batch);
    if (wellFormed)
        checkRewrite(lines, batch);
    return 0;
}
