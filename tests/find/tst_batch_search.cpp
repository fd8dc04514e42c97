// Finding batches by what a customer says at the counter, and exporting them:
// the store alone, on a real data folder, no widgets.
#include "CsvReadBack.h"
#include "DataFixture.h"
#include "ShopOfNames.h"
#include "TestMain.h"
#include "store/BatchExport.h"
#include "store/BatchIndex.h"
#include "store/SearchText.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>

using store::BatchFolder;

namespace {

QStringList idsFound(const store::BatchIndex& index, const QString& query)
{
    QStringList ids;
    for (const qsizetype i : index.find(query))
        ids << index.at(i).batchId;
    return ids;
}

QStringList ids(std::initializer_list<int> numbers)
{
    QStringList list;
    for (const int n : numbers)
        list << QStringLiteral("2026-%1").arg(n, 6, 10, QLatin1Char('0'));
    return list;
}

} // namespace

class TestBatchSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void foldingIgnoresCaseAndAccents_data();
    void foldingIgnoresCaseAndAccents();
    void everyWordMustBeFound_data();
    void everyWordMustBeFound();
    void rowsShowWhatTheListsShow();
    void refreshFollowsABatchThatMoved();
    void identifierIsLocatedInEitherFolder_data();
    void identifierIsLocatedInEitherFolder();
    void formulaValuesOpenAsText_data();
    void formulaValuesOpenAsText();
    void exportReadsBackInPython();
    void failedExportLeavesTheOldFile();
};

void TestBatchSearch::foldingIgnoresCaseAndAccents_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folded");
    QTest::newRow("ascii") << "Ann SMITH"
                           << "ann smith";
    QTest::newRow("umlaut") << "Müller"
                            << "muller";
    QTest::newRow("decomposed umlaut") << QStringLiteral("Mu\u0308ller") << "muller";
    QTest::newRow("polish") << "Łódź"
                            << "lodz";
    QTest::newRow("sharp s") << "Straße"
                             << "strasse";
    QTest::newRow("french") << "Château Œuvre"
                            << "chateau oeuvre";
    QTest::newRow("greek") << "ΣΟΦΊΑ Σοφία"
                           << "σοφια σοφια";
    QTest::newRow("cyrillic") << "ИВАН"
                              << "иван";
    QTest::newRow("japanese unchanged") << "山田"
                                        << "山田";
    QTest::newRow("full-width") << "ＡＢＣ１"
                                << "abc1";
}

void TestBatchSearch::foldingIgnoresCaseAndAccents()
{
    QFETCH(QString, text);
    QFETCH(QString, folded);
    QCOMPARE(store::foldForSearch(text), folded);
}

void TestBatchSearch::everyWordMustBeFound_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("name without accents, Windows-1252 file") << "muller" << ids({1});
    QTest::newRow("two words, any case") << "  JÜRGEN   müller " << ids({1});
    QTest::newRow("e-mail") << "jm@example.de" << ids({1});
    QTest::newRow("words from two fields") << "muller riesling" << ids({1});
    QTest::newRow("a word found nowhere") << "muller merlot" << QStringList();
    QTest::newRow("polish name") << "lodz" << ids({2});
    QTest::newRow("second phone") << "42 555 0199" << ids({2});
    QTest::newRow("serial number") << "sn-7781" << ids({2});
    QTest::newRow("phone digits without their blanks") << "5550199" << ids({2});
    QTest::newRow("phone as dialled") << "(42) 555-0199" << ids({2});
    QTest::newRow("serial without its dash") << "sn7781" << ids({2});
    QTest::newRow("identifier digits only") << "2026000002" << ids({2});
    QTest::newRow("greek, completed") << "σοφια" << ids({3});
    QTest::newRow("greek capitals") << "ΠΑΠΑΔΟΠΟΥΛΟΥ" << ids({3});
    QTest::newRow("other id") << "locker 12" << ids({3});
    QTest::newRow("cyrillic") << "иван" << ids({4});
    QTest::newRow("recipe description") << "six week" << ids({2, 4});
    QTest::newRow("recipe with accent") << "chateau" << ids({1, 3});
    QTest::newRow("japanese") << "山田" << ids({5});
    QTest::newRow("variety") << "koshu" << ids({5});
    QTest::newRow("colour, whichever language wrote it") << "red" << ids({1, 2});
    QTest::newRow("damaged file by what it has") << "ann" << ids({6});
    QTest::newRow("identifier part: active, then completed")
        << "2026-00000" << ids({1, 2, 4, 6, 3, 5});
    QTest::newRow("the scratch file is no batch") << "left over" << QStringList();
    QTest::newRow("nothing typed") << "" << QStringList();
    QTest::newRow("blanks only") << " \t " << QStringList();
}

void TestBatchSearch::everyWordMustBeFound()
{
    QFETCH(QString, query);
    QFETCH(QStringList, found);
    DataFixture fx;
    shopofnames::writeShop(fx);
    const store::BatchIndex index = store::BatchIndex::load(fx.dataRoot());
    QCOMPARE(index.size(), 6);
    QCOMPARE(idsFound(index, query), found);
}

void TestBatchSearch::rowsShowWhatTheListsShow()
{
    DataFixture fx;
    shopofnames::writeShop(fx);
    const store::BatchIndex index = store::BatchIndex::load(fx.dataRoot());
    const store::IndexedBatch& muller = index.at(index.indexOf(QStringLiteral("2026-000001")));
    QCOMPARE(muller.customerName, QStringLiteral("Müller, Jürgen"));
    QCOMPARE(muller.variety, QStringLiteral("Riesling"));
    QCOMPARE(muller.startDate, QStringLiteral("Tuesday, December 1, 2026"));
    QCOMPARE(muller.folder, BatchFolder::Active);
    QVERIFY(!muller.damaged);
    const store::IndexedBatch& yamada = index.at(index.indexOf(QStringLiteral("2026-000005")));
    QCOMPARE(yamada.folder, BatchFolder::Completed);
    QVERIFY(index.at(index.indexOf(QStringLiteral("2026-000006"))).damaged);
}

void TestBatchSearch::refreshFollowsABatchThatMoved()
{
    DataFixture fx;
    shopofnames::writeShop(fx);
    store::BatchIndex index = store::BatchIndex::load(fx.dataRoot());
    const qsizetype before = index.indexOf(QStringLiteral("2026-000002"));
    // Completed elsewhere: the file moves, its customer renamed on the way.
    store::BatchFile lodz =
        store::readBatchFile(fx.dataRoot(), BatchFolder::Active, QStringLiteral("2026-000002"));
    lodz.header.setField(store::BatchHeader::CustomerName, QStringLiteral("Lodz Wine Society"));
    QVERIFY(QFile::remove(fx.path(QStringLiteral("Active Batches/2026-000002.txt"))));
    fx.writeBatch(QStringLiteral("2026-000002"), lodz, QStringLiteral("Completed Batches"));

    index.refresh(fx.dataRoot(), QStringLiteral("2026-000002"));
    QCOMPARE(index.indexOf(QStringLiteral("2026-000002")), before);
    QCOMPARE(index.at(before).folder, BatchFolder::Completed);
    QCOMPARE(idsFound(index, QStringLiteral("society")), ids({2}));
    QCOMPARE(idsFound(index, QStringLiteral("club")), QStringList());

    // Gone altogether: its row goes.
    QVERIFY(QFile::remove(fx.path(QStringLiteral("Completed Batches/2026-000002.txt"))));
    index.refresh(fx.dataRoot(), QStringLiteral("2026-000002"));
    QCOMPARE(index.indexOf(QStringLiteral("2026-000002")), -1);
    QCOMPARE(index.size(), 5);
    QCOMPARE(idsFound(index, QStringLiteral("2026")), ids({1, 4, 6, 3, 5}));
}

void TestBatchSearch::identifierIsLocatedInEitherFolder_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("batchId");
    QTest::addColumn<bool>("completed");
    QTest::newRow("active") << "2026-000001" << true << "2026-000001" << false;
    QTest::newRow("completed") << "2026-000005" << true << "2026-000005" << true;
    QTest::newRow("blanks around") << " 2026-000004\t" << true << "2026-000004" << false;
    QTest::newRow("file in capitals") << "2026-000007" << true << "2026-000007" << false;
    QTest::newRow("unknown") << "2026-999999" << false << "" << false;
    QTest::newRow("scratch file") << "temp" << false << "" << false;
    QTest::newRow("path") << "../Active Batches/2026-000001" << false << "" << false;
    QTest::newRow("empty") << "" << false << "" << false;
}

void TestBatchSearch::identifierIsLocatedInEitherFolder()
{
    QFETCH(QString, typed);
    QFETCH(bool, exists);
    QFETCH(QString, batchId);
    QFETCH(bool, completed);
    DataFixture fx;
    shopofnames::writeShop(fx);
    fx.writeLines(QStringLiteral("Active Batches/2026-000007.TXT"),
                  store::batchToLines(shopofnames::batchOf(
                      QStringLiteral("Carl"), QStringLiteral("Gamay"), QStringLiteral("0003"))));
    BatchFolder folder = BatchFolder::Active;
    QString found;
    QCOMPARE(store::locateBatch(fx.dataRoot(), typed, &folder, &found), exists);
    if (exists) {
        QCOMPARE(found, batchId);
        QCOMPARE(folder, completed ? BatchFolder::Completed : BatchFolder::Active);
    }
}

void TestBatchSearch::formulaValuesOpenAsText_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << "Ann Smith"
                           << "Ann Smith";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("comma") << "Merlot, 2025"
                           << "\"Merlot, 2025\"";
    QTest::newRow("quotes") << "Pinot \"Noir\""
                            << "\"Pinot \"\"Noir\"\"\"";
    QTest::newRow("equals") << "=1+2"
                            << "\"'=1+2\"";
    QTest::newRow("plus") << "+48 42"
                          << "\"'+48 42\"";
    QTest::newRow("minus") << "-3"
                           << "\"'-3\"";
    QTest::newRow("at") << "@SUM(A1)"
                        << "\"'@SUM(A1)\"";
    QTest::newRow("tab") << "\t=cmd"
                         << "\"'\t=cmd\"";
    QTest::newRow("carriage return") << "\r=cmd"
                                     << "\"'\r=cmd\"";
    QTest::newRow("formula with quotes") << "=HYPERLINK(\"x\")"
                                         << "\"'=HYPERLINK(\"\"x\"\")\"";
    QTest::newRow("minus inside") << "555-0101"
                                  << "555-0101";
    QTest::newRow("accents") << "Müller"
                             << "Müller";
}

void TestBatchSearch::formulaValuesOpenAsText()
{
    QFETCH(QString, value);
    QFETCH(QString, field);
    QCOMPARE(store::csvField(value), field);
}

void TestBatchSearch::exportReadsBackInPython()
{
    if (!csvreadback::havePython())
        QSKIP("python3 is not installed");
    DataFixture fx;
    shopofnames::writeShop(fx);
    const QVector<store::ExportedBatch> batches{
        {QStringLiteral("2026-000001"), BatchFolder::Active},
        {QStringLiteral("2026-000002"), BatchFolder::Active},
        {QStringLiteral("2026-000004"), BatchFolder::Active},
        {QStringLiteral("2026-000005"), BatchFolder::Completed},
        {QStringLiteral("2026-000006"), BatchFolder::Active},
        {QStringLiteral("2026-000099"), BatchFolder::Active}};
    const QVector<store::ExportRow> rows = store::exportRows(fx.dataRoot(), batches);
    QCOMPARE(rows.size(), 6);
    QVector<QStringList> table;
    for (const store::ExportRow& row : rows)
        table << (QStringList{row.batch.batchId} + row.fields << row.nextAction
                                                              << row.nextActionDue);
    const QStringList header{"Batch I.D.", "Name",        "Address", "City",    "Province",
                             "Postal",     "Phone 1",     "Phone 2", "Email",   "Other",
                             "Serial",     "Variety",     "Colour",  "Vintage", "Must",
                             "Source",     "Size",        "Cost",    "Vintner", "Start, date",
                             "Recipe",     "Next Action", "Due"};
    const QString path = QDir(fx.base()).filePath(QStringLiteral("export.csv"));
    store::writeExportFile(path, store::csvBytes(header, table));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"
                             "Batch I.D.,Name,"));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), 7);
    // Nothing is left beside it.
    QCOMPARE(QDir(fx.base()).entryList({QStringLiteral("export*")}, QDir::Files),
             QStringList{QStringLiteral("export.csv")});

    const QVector<QStringList> read = csvreadback::readWithPython(path);
    QCOMPARE(read.size(), 7);
    QCOMPARE(read.at(0), header);
    QCOMPARE(read.at(1).at(0), QStringLiteral("2026-000001"));
    QCOMPARE(read.at(1).at(1), QStringLiteral("Müller, Jürgen"));
    QCOMPARE(read.at(1).at(6), QStringLiteral("'=1+2")); // a formula opens as text
    QCOMPARE(read.at(1).at(8), QStringLiteral("jm@example.de"));
    QCOMPARE(read.at(1).at(21), QStringLiteral("Step 2"));
    QCOMPARE(read.at(1).at(22), QStringLiteral("Tuesday, December 8, 2026"));
    QCOMPARE(read.at(2).at(1), QStringLiteral("Łódź Wine Club"));
    QCOMPARE(read.at(2).at(7), QStringLiteral("'+48 42 555 0199"));
    QCOMPARE(read.at(2).at(11), QStringLiteral("Pinot \"Noir\""));
    QCOMPARE(read.at(3).at(1), QStringLiteral("Иван Петров"));
    QCOMPARE(read.at(3).at(11), QStringLiteral("Merlot, 2025"));
    // Completed: no open action.
    QCOMPARE(read.at(4).at(1), QStringLiteral("山田太郎"));
    QCOMPARE(read.at(4).at(21), QString());
    // A file cut short gives what it has; a missing one only its identifier.
    QCOMPARE(read.at(5).at(1), QStringLiteral("Ann Damaged"));
    QCOMPARE(read.at(5).at(11), QString());
    QVERIFY(!rows.at(4).unreadable);
    QVERIFY(rows.at(5).unreadable);
    QCOMPARE(read.at(6), QStringList{QStringLiteral("2026-000099")} + QStringList(22, QString()));
    for (const QStringList& record : read)
        QCOMPARE(record.size(), header.size());
}

void TestBatchSearch::failedExportLeavesTheOldFile()
{
    DataFixture fx;
    const QString path = QDir(fx.base()).filePath(QStringLiteral("old.csv"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("kept\r\n");
    old.close();
    // A folder in the file's place cannot be replaced by a rename.
    const QString blocked = QDir(fx.base()).filePath(QStringLiteral("folder.csv"));
    QVERIFY(QDir().mkpath(blocked + QStringLiteral("/inside")));
    try {
        store::writeExportFile(blocked, "new\r\n");
        QFAIL("a folder was replaced");
    } catch (const store::StoreError& error) {
        QVERIFY2(error.message().contains(QDir::toNativeSeparators(blocked)),
                 qPrintable(error.message()));
    }
    QVERIFY(QFileInfo(blocked).isDir());
    store::writeExportFile(path, "new\r\n");
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("new\r\n"));
    QCOMPARE(QDir(fx.base()).entryList({QStringLiteral("*.csv*")}, QDir::Files),
             QStringList{QStringLiteral("old.csv")});
}

VINTRELO_TEST_MAIN(TestBatchSearch)
#include "tst_batch_search.moc"
