// How the batch lists and the daily scan read the shop's files: the lists only
// as far as line 20, the scan each file once; both must see the same lines as
// every other reader, whatever the encoding and line ends a file was saved with.
#include "DataFixture.h"
#include "TestMain.h"
#include "UserDriver.h"
#include "store/BatchRewrite.h"
#include "store/BatchSummary.h"
#include "store/DueActions.h"
#include "store/StoreError.h"
#include "store/TextFileLines.h"
#include "store/TextLines.h"

#include <QDir>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace store;
using user::longDate;

namespace {

const QDate kToday(2026, 12, 7);

// A batch of a customer and a variety with accents, four actions: two done,
// one due before today (overdue), one due later.
QStringList accentedBatchLines()
{
    BatchFile batch = sampleBatch(0, QStringLiteral("Zoë Brontë"));
    batch.header.setField(BatchHeader::Variety, QStringLiteral("Grüner Veltliner"));
    const QDate start(2026, 11, 20);
    const char* const actions[] = {"Add yeast", "Stir the must", "Soutirer – 2e fois", "Bottle"};
    for (int i = 0; i < 4; ++i) {
        ActionRecord record;
        record.DayNumber = QString::number(1 + 7 * i);
        record.DueDate = longDate(start.addDays(7 * i));
        record.Action = QString::fromUtf8(actions[i]);
        if (i < 2)
            record.DateCompleted = record.DueDate;
        batch.records << record;
    }
    return batchToLines(batch);
}

// The same lines saved as a shop's files have been saved over the years.
QByteArray asUtf8(const QStringList& lines)
{
    return encodeLines(lines);
}
QByteArray asUtf8WithBomAndLf(const QStringList& lines)
{
    return "\xEF\xBB\xBF" + lines.join(QLatin1Char('\n')).toUtf8() + '\n';
}
QByteArray asWindows1252(const QStringList& lines)
{
    QByteArray bytes = lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
    // Latin-1 has no en dash; Windows-1252 keeps it at 0x96.
    return bytes.replace("?", "\x96");
}
QByteArray withoutLastLineBreak(const QStringList& lines)
{
    QByteArray bytes = encodeLines(lines);
    bytes.chop(2);
    return bytes;
}

} // namespace

class ListAndScanReadingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { std::signal(SIGPIPE, SIG_IGN); }
    void linesSplitAsEveryOtherReaderSplitsThem_data();
    void linesSplitAsEveryOtherReaderSplitsThem();
    void eachLineIsReadInItsOwnEncoding_data();
    void eachLineIsReadInItsOwnEncoding();
    void headerReaderClosesTheFileAfterItsLastLine_data();
    void headerReaderClosesTheFileAfterItsLastLine();
    void wholeReaderReadsToTheEnd();
    void missingFileIsNamedAsTheOtherReadersNameIt();
    void listsShowEveryEncodingAndLineEndAlike();
    void mixedFileReadsAlikeEverywhereAndKeepsItsUtf8Lines();
    void listsMarkOnlyHeadersTheyCannotShow();
    void scanListsEveryEncodingAndLineEndAlike();
    void scanSkipsFilesTheEditorWouldRefuse();
};

void ListAndScanReadingTest::linesSplitAsEveryOtherReaderSplitsThem_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF") << QByteArray("Ann\r\n\r\nMerlot\r\n");
    QTest::newRow("LF only") << QByteArray("Ann\n\nMerlot\n");
    QTest::newRow("no last line break") << QByteArray("Ann\r\nMerlot");
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF"
                                                   "Ann\r\nMerlot\r\n");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("one empty line") << QByteArray("\r\n");
    QTest::newRow("empty lines at the end") << QByteArray("Ann\r\n\r\n\r\n");
    QTest::newRow("two CRs") << QByteArray("Ann\r\r\nMerlot\r\n");
    QTest::newRow("lone CR at the end") << QByteArray("Ann\n\r");
    QTest::newRow("blank values") << QByteArray("  Ann \r\n \r\n\t\r\n");
    QTest::newRow("UTF-8") << QByteArray("Zo\xC3\xAB\r\nGr\xC3\xBCner\r\n");
    QTest::newRow("Windows-1252") << QByteArray("Zo\xEB\r\n\x93quoted\x94\r\n");
    QTest::newRow("Windows-1252 after many lines")
        << QByteArray("a\r\nb\r\nc\r\nd\r\ne\r\nZo\xEB\r\n");
    QTest::newRow("long line") << QByteArray(40000, 'x') + "\r\nend\r\n";
}

void ListAndScanReadingTest::linesSplitAsEveryOtherReaderSplitsThem()
{
    QFETCH(QByteArray, bytes);
    DataFixture fx;
    fx.writeBytes(QStringLiteral("Misc/sample.txt"), bytes);
    const QString path = fx.path(QStringLiteral("Misc/sample.txt"));
    const QStringList expected = readTextLines(path, FileSubject(FileSubject::VarietyList));

    QCOMPARE(TextFileLines::read(path, FileSubject(FileSubject::VarietyList)).toStringList(),
             expected);
    QCOMPARE(TextFileLines::fromBytes(bytes).toStringList(), expected);
    // A reader of the first lines gets them as the whole-file reader has them.
    for (int first = 1; first <= 3; ++first)
        QCOMPARE(
            TextFileLines::read(path, FileSubject(FileSubject::VarietyList), first).toStringList(),
            expected.mid(0, first));
}

void ListAndScanReadingTest::eachLineIsReadInItsOwnEncoding_data()
{
    // `utf8`: one letter a line, U for a line that is UTF-8, W for Windows-1252.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("utf8");
    const QString juergen = QStringLiteral("J\u00FCrgen M\u00FCller");
    const QString stir = QStringLiteral("Stir \u2013 caf\u00E9");
    QTest::newRow("UTF-8, then Windows-1252")
        << QByteArray("J\xC3\xBCrgen M\xC3\xBCller\r\nStir \x96 caf\xE9\r\n")
        << QStringList{juergen, stir} << "UW";
    QTest::newRow("Windows-1252, then UTF-8")
        << QByteArray("Stir \x96 caf\xE9\r\nJ\xC3\xBCrgen M\xC3\xBCller\r\n")
        << QStringList{stir, juergen} << "WU";
    QTest::newRow("byte-order mark, then Windows-1252")
        << QByteArray("\xEF\xBB\xBFJ\xC3\xBCrgen M\xC3\xBCller\nStir \x96 caf\xE9")
        << QStringList{juergen, stir} << "UW";
    QTest::newRow("both in one line is Windows-1252")
        << QByteArray("J\xC3\xBCrgen \x96 caf\xE9\r\nplain\r\n")
        << QStringList{QStringLiteral("J\u00C3\u00BCrgen \u2013 caf\u00E9"),
                       QStringLiteral("plain")}
        << "WU";
    QTest::newRow("a character cut by the line break")
        << QByteArray("caf\xC3\r\n\xA9 2026\r\n")
        << QStringList{QStringLiteral("caf\u00C3"), QStringLiteral("\u00A9 2026")} << "WW";
    QTest::newRow("four-byte UTF-8") << QByteArray("\xF0\x9F\x8D\xB7 Merlot\r\n")
                                     << QStringList{QStringLiteral("\U0001F377 Merlot")} << "U";
    // Sequences UTF-8 does not allow read as the single bytes they are.
    QTest::newRow("overlong slash")
        << QByteArray("a\xC0\xAF\r\n") << QStringList{QStringLiteral("a\u00C0\u00AF")} << "W";
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80\r\n")
                                       << QStringList{QStringLiteral("\u00ED\u00A0\u20AC")} << "W";
    QTest::newRow("beyond U+10FFFF")
        << QByteArray("\xF4\x90\x80\x80\r\n")
        << QStringList{QStringLiteral("\u00F4\uFFFD\u20AC\u20AC")} << "W";
    // A marker, never text: a first line read with one would be written back
    // starting with bytes that read as a marker again, and lose it.
    QTest::newRow("byte-order mark twice") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                                                         "Ann\r\n")
                                           << QStringList{QStringLiteral("Ann")} << "U";
    QTest::newRow("a later byte-order mark is kept")
        << QByteArray("a\r\n\xEF\xBB\xBF"
                      "b\r\n")
        << QStringList{QStringLiteral("a"), QStringLiteral("\uFEFFb")} << "UU";
    QTest::newRow("a byte-order mark in a mixed file is kept")
        << QByteArray("caf\xE9\r\n\xEF\xBB\xBF"
                      "b\r\n")
        << QStringList{QStringLiteral("caf\u00E9"), QStringLiteral("\uFEFFb")} << "WU";
    QTest::newRow("noncharacter") << QByteArray("\xEF\xBF\xBF\r\n")
                                  << QStringList{QString(QChar(0xFFFF))} << "U";
}

void ListAndScanReadingTest::eachLineIsReadInItsOwnEncoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QFETCH(QString, utf8);
    DataFixture fx;
    fx.writeBytes(QStringLiteral("Misc/Varieties.txt"), bytes);
    const QString path = fx.path(QStringLiteral("Misc/Varieties.txt"));

    QCOMPARE(decodeLines(bytes), expected);
    QCOMPARE(readTextLines(path, FileSubject(FileSubject::VarietyList)), expected);
    QCOMPARE(TextFileLines::fromBytes(bytes).toStringList(), expected);
    QCOMPARE(TextFileLines::read(path, FileSubject(FileSubject::VarietyList)).toStringList(),
             expected);
    QCOMPARE(TextFileLines::read(path, FileSubject(FileSubject::VarietyList), 1).toStringList(),
             expected.mid(0, 1));

    // Written back, a line that was UTF-8 is the same bytes again, and the
    // lines read back as they were.
    QByteArray body = bytes;
    while (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    const QList<QByteArray> original = body.split('\n');
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QByteArray line = original.at(i);
        if (line.endsWith('\r'))
            line.chop(1);
        QCOMPARE(expected.at(i).toUtf8() == line, utf8.at(i) == QLatin1Char('U'));
    }
    QCOMPARE(decodeLines(encodeLines(expected)), expected);
}

void ListAndScanReadingTest::headerReaderClosesTheFileAfterItsLastLine_data()
{
    QTest::addColumn<QString>("customer");
    QTest::addColumn<QString>("variety");
    QTest::newRow("plain letters") << QStringLiteral("Ann Smith") << QStringLiteral("Merlot");
    // Each line tells its own encoding: nothing later in the file is needed.
    QTest::newRow("accented letters")
        << QStringLiteral("Zoë Brontë") << QStringLiteral("Grüner Veltliner");
}

void ListAndScanReadingTest::headerReaderClosesTheFileAfterItsLastLine()
{
    QFETCH(QString, customer);
    QFETCH(QString, variety);
    // A pipe tells whether the reader stopped: the writer, with far more to
    // write than the pipe holds, is refused once the reader has closed its end.
    DataFixture fx;
    const QString path = fx.path(QStringLiteral("Active Batches/2026-000041.txt"));
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QStringList lines = accentedBatchLines();
    lines[BatchHeader::CustomerName] = customer;
    lines[BatchHeader::Variety] = variety;
    const QByteArray header = encodeLines(lines.mid(0, 20));
    const qint64 restSize = 4 << 20;
    std::atomic<int> writeError{0};
    std::atomic<qint64> written{0};
    std::thread writer([&] {
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY);
        const QByteArray rest = QByteArray(restSize, '*');
        if (::write(fd, header.constData(), size_t(header.size())) == header.size()) {
            qint64 at = 0;
            while (at < rest.size()) {
                const ssize_t n = ::write(fd, rest.constData() + at, size_t(rest.size() - at));
                if (n < 0) {
                    writeError = errno;
                    break;
                }
                at += n;
            }
            written = at;
        }
        ::close(fd);
    });
    const TextFileLines read =
        TextFileLines::read(path, FileSubject::batchFile(QStringLiteral("2026-000001")), 20);
    writer.join();

    QCOMPARE(read.toStringList(), lines.mid(0, 20));
    QCOMPARE(writeError.load(), EPIPE);
    QVERIFY(written.load() < restSize);
}

void ListAndScanReadingTest::wholeReaderReadsToTheEnd()
{
    DataFixture fx;
    const QString path = fx.path(QStringLiteral("Active Batches/2026-000041.txt"));
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const QStringList expected = accentedBatchLines();
    // Written in small pieces, as a slow disk or a network share delivers them.
    std::thread writer([&] {
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY);
        const QByteArray bytes = encodeLines(expected);
        for (qsizetype at = 0; at < bytes.size(); at += 7) {
            const qsizetype n = std::min<qsizetype>(7, bytes.size() - at);
            if (::write(fd, bytes.constData() + at, size_t(n)) != n)
                break;
        }
        ::close(fd);
    });
    const TextFileLines lines =
        TextFileLines::read(path, FileSubject::batchFile(QStringLiteral("2026-000001")));
    writer.join();
    QCOMPARE(lines.toStringList(), expected);
}

void ListAndScanReadingTest::missingFileIsNamedAsTheOtherReadersNameIt()
{
    DataFixture fx;
    const QString path = fx.path(QStringLiteral("Active Batches/2026-000099.txt"));
    QString usual;
    try {
        readTextLines(path, FileSubject::batchFile(QStringLiteral("2026-000099")));
    } catch (const StoreError& error) {
        usual = error.message();
    }
    QVERIFY(usual.contains(QStringLiteral("2026-000099.txt")));
    for (const int maxLines : {-1, 20}) {
        try {
            TextFileLines::read(path, FileSubject::batchFile(QStringLiteral("2026-000099")),
                                maxLines);
            QFAIL("a missing file was read");
        } catch (const StoreError& error) {
            QCOMPARE(error.message(), usual);
        }
    }
}

void ListAndScanReadingTest::listsShowEveryEncodingAndLineEndAlike()
{
    DataFixture fx;
    fx.writeRecipe(QStringLiteral("0003"), QStringLiteral("Grüner Veltliner kit"),
                   {{QStringLiteral("1"), QStringLiteral("Add yeast")}});
    const QStringList lines = accentedBatchLines();
    fx.writeBytes(QStringLiteral("Active Batches/2026-000041.txt"), asUtf8(lines));
    fx.writeBytes(QStringLiteral("Active Batches/2026-000042.txt"), asUtf8WithBomAndLf(lines));
    fx.writeBytes(QStringLiteral("Active Batches/2026-000043.txt"), asWindows1252(lines));
    fx.writeBytes(QStringLiteral("Active Batches/2026-000044.txt"), withoutLastLineBreak(lines));
    const auto before = fx.snapshot();

    const QVector<BatchSummary> rows = listBatchSummaries(fx.dataRoot(), BatchFolder::Active);
    QCOMPARE(rows.size(), 4);
    for (int i = 0; i < 4; ++i) {
        const BatchSummary& row = rows.at(i);
        QCOMPARE(row.batchId, QStringLiteral("2026-00004%1").arg(i + 1));
        QCOMPARE(row.customerName, QStringLiteral("Zoë Brontë"));
        QCOMPARE(row.variety, QStringLiteral("Grüner Veltliner"));
        QCOMPARE(row.startDate, longDate(QDate(2026, 12, 1)));
        QCOMPARE(row.recipeNumber, QStringLiteral("0003"));
        QCOMPARE(row.recipeDescription, QStringLiteral("Grüner Veltliner kit"));
        QCOMPARE(row.problem, BatchSummary::Problem::None);
    }
    QCOMPARE(fx.snapshot(), before);
}

void ListAndScanReadingTest::mixedFileReadsAlikeEverywhereAndKeepsItsUtf8Lines()
{
    // A header saved as UTF-8, notes typed later in an editor of the old code
    // page: each line is read in its own encoding, by every reader alike.
    DataFixture fx;
    QStringList lines = accentedBatchLines();
    lines[BatchHeader::CustomerName] = QStringLiteral("Jürgen Müller");
    const int notes = kHeaderLines + 13 + 5; // the second action, done
    QList<QByteArray> original;
    for (const QString& line : lines)
        original << line.toUtf8();
    original[notes] = "Stir \x96 caf\xE9";
    const QByteArray bytes = original.join("\r\n") + "\r\n";
    const QString file = QStringLiteral("Active Batches/2026-000041.txt");
    fx.writeBytes(file, bytes);

    const QString path = fx.path(file);
    const QStringList whole =
        readTextLines(path, FileSubject::batchFile(QStringLiteral("2026-000001")));
    QCOMPARE(whole.at(BatchHeader::CustomerName), QStringLiteral("Jürgen Müller"));
    QCOMPARE(whole.at(notes), QStringLiteral("Stir – café"));
    QCOMPARE(TextFileLines::read(path, FileSubject::batchFile(QStringLiteral("2026-000001")))
                 .toStringList(),
             whole);
    QCOMPARE(TextFileLines::read(path, FileSubject::batchFile(QStringLiteral("2026-000001")), 20)
                 .toStringList(),
             whole.mid(0, 20));
    const BatchFile editor =
        readBatchFile(fx.dataRoot(), BatchFolder::Active, QStringLiteral("2026-000041"));
    QCOMPARE(editor.header.field(BatchHeader::CustomerName), QStringLiteral("Jürgen Müller"));
    QCOMPARE(editor.records.at(1).Notes, QStringLiteral("Stir – café"));
    const QVector<BatchSummary> rows = listBatchSummaries(fx.dataRoot(), BatchFolder::Active);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0).customerName, QStringLiteral("Jürgen Müller"));
    QCOMPARE(rows.at(0).variety, QStringLiteral("Grüner Veltliner"));
    const DueScan scan = scanDueActions(fx.dataRoot(), kToday);
    QCOMPARE(scan.actions.size(), 1);
    QCOMPARE(scan.actions.at(0).customer, QStringLiteral("Jürgen Müller"));
    QCOMPARE(scan.actions.at(0).action, QStringLiteral("Soutirer – 2e fois"));

    // Completing the third action rewrites the file: its four lines change, the
    // old code page's line becomes UTF-8, and every other line keeps its bytes.
    const int third = kHeaderLines + 2 * 13;
    QCOMPARE(rewriteBatchFile(fx.dataRoot(), QStringLiteral("2026-000041"),
                              [](BatchFile& batch) {
                                  batch.records[2].Amount = QStringLiteral("5 g");
                                  batch.records[2].DateCompleted = longDate(kToday);
                              }),
             RewriteOutcome::StillActive);
    QList<QByteArray> expected = original;
    expected[notes] = "Stir \xE2\x80\x93 caf\xC3\xA9";
    expected[third + 3] = "5 g";
    expected[third + 6] = longDate(kToday).toUtf8();
    QCOMPARE(fx.bytes(file), expected.join("\r\n") + "\r\n");
}

void ListAndScanReadingTest::listsMarkOnlyHeadersTheyCannotShow()
{
    DataFixture fx;
    fx.writeRecipe(QStringLiteral("0003"), QStringLiteral("Merlot six week kit"),
                   {{QStringLiteral("1"), QStringLiteral("Add yeast")}});
    const QStringList lines = batchToLines(sampleBatch(3, QStringLiteral("Cut Carl")));
    fx.writeLines(QStringLiteral("Active Batches/2026-000041.txt"), lines.mid(0, 19));
    fx.writeLines(QStringLiteral("Active Batches/2026-000042.txt"), lines.mid(0, 20));
    // Twenty good lines, then a record cut short and bytes no editor wrote.
    fx.writeBytes(QStringLiteral("Active Batches/2026-000043.txt"),
                  encodeLines(lines.mid(0, 30)) + QByteArray("\0\xFF\xFE garbage", 11));
    fx.writeLines(QStringLiteral("Active Batches/2026-000044.txt"), lines);

    const QVector<BatchSummary> rows = listBatchSummaries(fx.dataRoot(), BatchFolder::Active);
    QCOMPARE(rows.size(), 4);
    // Line 20, the recipe, is missing: the row says so and names the file.
    QCOMPARE(rows.at(0).problem, BatchSummary::Problem::Damaged);
    QVERIFY(rows.at(0).problemText.contains(QStringLiteral("2026-000041.txt")));
    QCOMPARE(rows.at(0).customerName, QStringLiteral("Cut Carl"));
    QCOMPARE(rows.at(0).startDate, longDate(QDate(2026, 12, 1)));
    QCOMPARE(rows.at(0).recipeNumber, QString());
    // The rest show all a list shows; the editor finds their damage.
    for (int i = 1; i < 4; ++i) {
        QCOMPARE(rows.at(i).problem, BatchSummary::Problem::None);
        QCOMPARE(rows.at(i).customerName, QStringLiteral("Cut Carl"));
        QCOMPARE(rows.at(i).recipeDescription, QStringLiteral("Merlot six week kit"));
    }
    for (const char* id : {"2026-000042", "2026-000043"}) {
        try {
            readBatchFile(fx.dataRoot(), BatchFolder::Active, QString::fromLatin1(id));
            QFAIL("the editor's reader took a damaged file");
        } catch (const StoreError& error) {
            QVERIFY(error.message().contains(QString::fromLatin1(id) + QStringLiteral(".txt")));
        }
    }
}

void ListAndScanReadingTest::scanListsEveryEncodingAndLineEndAlike()
{
    DataFixture fx;
    const QStringList lines = accentedBatchLines();
    fx.writeBytes(QStringLiteral("Active Batches/2026-000041.txt"), asUtf8(lines));
    fx.writeBytes(QStringLiteral("Active Batches/2026-000042.txt"), asUtf8WithBomAndLf(lines));
    fx.writeBytes(QStringLiteral("Active Batches/2026-000043.txt"), asWindows1252(lines));
    fx.writeBytes(QStringLiteral("Active Batches/2026-000044.txt"), withoutLastLineBreak(lines));
    // A single blank is a completion date: that action is done.
    QStringList blank = lines;
    blank[26 + 13 * 2 + 6] = QStringLiteral(" ");
    fx.writeLines(QStringLiteral("Active Batches/2026-000045.txt"), blank);
    const auto before = fx.snapshot();

    const DueScan scan = scanDueActions(fx.dataRoot(), kToday);
    QCOMPARE(scan.skipped, QStringList());
    // Record 3 is due on December 4 (overdue); record 4 on December 11 (later).
    QCOMPARE(scan.actions.size(), 4);
    for (int i = 0; i < 4; ++i) {
        const DueAction& due = scan.actions.at(i);
        QCOMPARE(due.batchId, QStringLiteral("2026-00004%1").arg(i + 1));
        QCOMPARE(due.customer, QStringLiteral("Zoë Brontë"));
        QCOMPARE(due.record, 3);
        QCOMPARE(due.action, QStringLiteral("Soutirer – 2e fois"));
        QCOMPARE(due.dueDate, longDate(QDate(2026, 12, 4)));
        QVERIFY(due.overdue);
    }
    // The record the list names is the one the editor's reader finds there.
    const BatchFile read =
        readBatchFile(fx.dataRoot(), BatchFolder::Active, QStringLiteral("2026-000043"));
    QCOMPARE(findListedRecord(read, scan.actions.at(2).dueDate, scan.actions.at(2).action), 3);
    QCOMPARE(fx.snapshot(), before);
}

void ListAndScanReadingTest::scanSkipsFilesTheEditorWouldRefuse()
{
    DataFixture fx;
    const QStringList lines = accentedBatchLines();
    fx.writeLines(QStringLiteral("Active Batches/2026-000041.txt"), lines);
    fx.writeLines(QStringLiteral("Active Batches/2026-000042.txt"), lines.mid(0, 25));
    fx.writeLines(QStringLiteral("Active Batches/2026-000043.txt"), lines.mid(0, lines.size() - 1));
    QStringList notADate = lines;
    notADate[26 + 13 * 3 + 1] = QStringLiteral("after the harvest");
    fx.writeLines(QStringLiteral("Active Batches/2026-000044.txt"), notADate);
    // The header alone: a batch without actions, nothing due, nothing wrong.
    fx.writeLines(QStringLiteral("Active Batches/2026-000045.txt"), lines.mid(0, 26));
    fx.writeLines(QStringLiteral("Active Batches/temp.txt"), lines);

    const DueScan scan = scanDueActions(fx.dataRoot(), kToday);
    QCOMPARE(scan.skipped, (QStringList{"2026-000042.txt", "2026-000043.txt", "2026-000044.txt"}));
    QCOMPARE(scan.actions.size(), 1);
    QCOMPARE(scan.actions.at(0).batchId, QStringLiteral("2026-000041"));
    for (const char* id : {"2026-000042", "2026-000043"}) {
        QVERIFY_THROWS_EXCEPTION(
            StoreError, readBatchFile(fx.dataRoot(), BatchFolder::Active, QString::fromLatin1(id)));
    }
    QVERIFY_THROWS_EXCEPTION(StoreError, readBatchFile(fx.dataRoot(), BatchFolder::Active,
                                                       QStringLiteral("2026-000044"),
                                                       BatchCheck::LayoutAndDueDates));
}

VINTRELO_TEST_MAIN(ListAndScanReadingTest)
#include "tst_list_and_scan_reading.moc"
