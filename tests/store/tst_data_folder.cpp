// Finding the data folder, the batch counter, listing, and setting up a new folder.
#include "DataFixture.h"
#include "TestMain.h"
#include "store/BatchCounter.h"
#include "store/DataFolder.h"
#include "store/RecipeFile.h"
#include "store/StarterData.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <QDir>

using namespace store;

class DataFolderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void locationFileNamesTheDataFolder();
    void trailingSeparatorsStillReachTheSameFiles();
    void locationProblemsAreReportedNotGuessed();
    void configurationFolderIsTheSecondPlace();
    void writingTheLocationFileFallsBackToConfiguration();
    void batchIdentifiers_data();
    void batchIdentifiers();
    void advancingTheCounter_data();
    void advancingTheCounter();
    void counterFailuresLeaveTheFileAlone();
    void listingIsByNameWithoutRegardToCase();
    void missingPartsAreNamed();
    void newDataFolderIsUsable();
    void settingUpNeverReplacesExistingFiles_data();
    void settingUpNeverReplacesExistingFiles();
};

void DataFolderTest::locationFileNamesTheDataFolder()
{
    DataFixture fx;
    const DataRootResult found = loadDataRoot({fx.programDir(), fx.configDir()});
    QCOMPARE(found.problem, DataRootProblem::None);
    QCOMPARE(found.dataRoot, fx.dataFolder() + QLatin1Char('/'));
    QCOMPARE(readBatchCounter(found.dataRoot), QStringLiteral("41"));
}

void DataFolderTest::trailingSeparatorsStillReachTheSameFiles()
{
    DataFixture fx;
    fx.writeLines(QStringLiteral("Recipes/0001.txt"), {QStringLiteral("0001 - a")});
    for (const QString& line :
         {fx.dataFolder() + QLatin1Char('/'), fx.dataFolder() + QStringLiteral("//")}) {
        fx.writeLines(QStringLiteral("../program/VT.Loc"), {line, QStringLiteral("ignored")});
        const DataRootResult found = loadDataRoot({fx.programDir(), fx.configDir()});
        QCOMPARE(found.problem, DataRootProblem::None);
        QVERIFY(found.dataRoot.endsWith(QLatin1Char('/')));
        QCOMPARE(readBatchCounter(found.dataRoot), QStringLiteral("41"));
        QCOMPARE(listDataFiles(folderPath(found.dataRoot, kRecipesFolder),
                               FileSubject(FileSubject::Recipes)),
                 QStringList{QStringLiteral("0001.txt")});
    }
}

void DataFolderTest::locationProblemsAreReportedNotGuessed()
{
    DataFixture fx;
    const LocationPlaces places{fx.programDir(), fx.configDir()};

    fx.writeBytes(QStringLiteral("../program/VT.Loc"), "\r\n" + fx.dataFolder().toUtf8());
    DataRootResult found = loadDataRoot(places);
    QCOMPARE(found.problem, DataRootProblem::EmptyFirstLine);
    QVERIFY(found.message.contains(QStringLiteral("VT.Loc")));

    // The line is taken as written: a trailing blank names another folder.
    fx.writeLines(QStringLiteral("../program/VT.Loc"), {fx.dataFolder() + QLatin1Char(' ')});
    found = loadDataRoot(places);
    QCOMPARE(found.problem, DataRootProblem::FolderMissing);
    QVERIFY(found.message.contains(fx.dataFolder() + QLatin1Char(' ')));

    QVERIFY(QFile::remove(QDir(fx.programDir()).filePath(QStringLiteral("VT.Loc"))));
    found = loadDataRoot(places);
    QCOMPARE(found.problem, DataRootProblem::NoLocationFile);
    QVERIFY(found.dataRoot.isEmpty());
    QVERIFY(found.message.contains(QStringLiteral("VT.Loc")));
}

void DataFolderTest::configurationFolderIsTheSecondPlace()
{
    DataFixture fx;
    QFile::remove(QDir(fx.programDir()).filePath(QStringLiteral("VT.Loc")));
    fx.writeLines(QStringLiteral("../config/VT.Loc"), {fx.dataFolder()});
    QCOMPARE(loadDataRoot({fx.programDir(), fx.configDir()}).problem, DataRootProblem::None);
}

void DataFolderTest::writingTheLocationFileFallsBackToConfiguration()
{
    DataFixture fx;
    const LocationPlaces places{fx.programDir(), fx.configDir()};
    QFile::remove(QDir(fx.programDir()).filePath(QStringLiteral("VT.Loc")));
    QCOMPARE(writeLocationFile(places, fx.dataFolder()),
             QDir(fx.programDir()).filePath(QStringLiteral("VT.Loc")));
    QCOMPARE(fx.bytes(QStringLiteral("../program/VT.Loc")), fx.dataFolder().toUtf8() + "\r\n");

    // A program folder that cannot take the file: something in the way of its scratch file.
    QFile::remove(QDir(fx.programDir()).filePath(QStringLiteral("VT.Loc")));
    QVERIFY(QDir(fx.programDir()).mkdir(QStringLiteral("VT.Loc.new")));
    QCOMPARE(writeLocationFile(places, fx.dataFolder()),
             QDir(fx.configDir()).filePath(QStringLiteral("VT.Loc")));
    QCOMPARE(loadDataRoot(places).dataRoot, fx.dataRoot());
}

void DataFolderTest::batchIdentifiers_data()
{
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("expected");
    QTest::newRow("41") << "41" << QDate(2026, 12, 7) << "2026-000041";
    QTest::newRow("0041") << "0041" << QDate(2026, 12, 7) << "2026-000041";
    QTest::newRow("seven digits keep the last six")
        << "1234567" << QDate(2026, 1, 1) << "2026-234567";
    QTest::newRow("year change keeps counting") << "42" << QDate(2027, 1, 1) << "2027-000042";
    QTest::newRow("1") << "1" << QDate(2026, 3, 9) << "2026-000001";
}

void DataFolderTest::batchIdentifiers()
{
    QFETCH(QString, counter);
    QFETCH(QDate, today);
    QFETCH(QString, expected);
    QCOMPARE(makeBatchID(counter, today), expected);
    QCOMPARE(makeBatchID(counter, today).size(), 11);
}

void DataFolderTest::advancingTheCounter_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("41") << QByteArray("41\r\n") << QByteArray("42\r\n");
    QTest::newRow("0041") << QByteArray("0041\r\n") << QByteArray("42\r\n");
    QTest::newRow("blanks and later lines")
        << QByteArray(" 99 \r\nold\r\n") << QByteArray("100\r\n");
    QTest::newRow("no number") << QByteArray("abc\r\n") << QByteArray("1\r\n");
    QTest::newRow("999999") << QByteArray("999999") << QByteArray("1000000\r\n");
}

void DataFolderTest::advancingTheCounter()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    DataFixture fx;
    fx.writeBytes(QStringLiteral("Batch-ID.txt"), before);
    advanceBatchCounter(fx.dataRoot());
    QCOMPARE(fx.bytes(QStringLiteral("Batch-ID.txt")), after);
    QVERIFY(!fx.exists(QStringLiteral("Batch-ID.new")));
}

void DataFolderTest::counterFailuresLeaveTheFileAlone()
{
    DataFixture fx;
    QVERIFY(QDir(fx.dataFolder()).mkdir(QStringLiteral("Batch-ID.new")));
    try {
        advanceBatchCounter(fx.dataRoot());
        QFAIL("a counter that could not be written was reported as advanced");
    } catch (const StoreError& error) {
        QVERIFY(error.message().contains(QStringLiteral("Batch-ID")));
    }
    QCOMPARE(fx.bytes(QStringLiteral("Batch-ID.txt")), QByteArray("41\r\n"));

    QFile::remove(fx.path(QStringLiteral("Batch-ID.txt")));
    try {
        readBatchCounter(fx.dataRoot());
        QFAIL("a missing counter was read");
    } catch (const StoreError& error) {
        QVERIFY(error.message().contains(QStringLiteral("Batch-ID.txt")));
    }
    QVERIFY_THROWS_EXCEPTION(StoreError, advanceBatchCounter(fx.dataRoot()));
    QVERIFY(!fx.exists(QStringLiteral("Batch-ID.txt")));
}

void DataFolderTest::listingIsByNameWithoutRegardToCase()
{
    DataFixture fx;
    for (const char* name : {"2026-000010.txt", "2025-000009.TXT", "2026-000002.Txt", "notes.doc",
                             "temp.txt", "b.txt", "A.txt"})
        fx.writeLines(QStringLiteral("Active Batches/") + QString::fromLatin1(name), {});
    QVERIFY(QDir(fx.path(QStringLiteral("Active Batches"))).mkdir(QStringLiteral("folder.txt")));
    const QString folder = fx.path(QStringLiteral("Active Batches"));
    QCOMPARE(listDataFiles(folder, FileSubject(FileSubject::ActiveBatches)),
             (QStringList{"2025-000009.TXT", "2026-000002.Txt", "2026-000010.txt", "A.txt", "b.txt",
                          "temp.txt"}));
    QCOMPARE(
        listBatchFiles(folder, FileSubject(FileSubject::ActiveBatches)),
        (QStringList{"2025-000009.TXT", "2026-000002.Txt", "2026-000010.txt", "A.txt", "b.txt"}));
    QVERIFY_THROWS_EXCEPTION(StoreError, listDataFiles(fx.path(QStringLiteral("Nowhere")),
                                                       FileSubject(FileSubject::ActiveBatches)));
}

void DataFolderTest::missingPartsAreNamed()
{
    DataFixture fx;
    QVERIFY(missingDataFolderParts(fx.dataRoot()).isEmpty());
    QFile::remove(fx.path(QStringLiteral("Misc/Varieties.txt")));
    QDir(fx.path(QStringLiteral("Completed Batches"))).removeRecursively();
    QCOMPARE(
        missingDataFolderParts(fx.dataRoot()),
        (QStringList{QStringLiteral("Completed Batches"), QStringLiteral("Misc/Varieties.txt")}));
}

void DataFolderTest::newDataFolderIsUsable()
{
    DataFixture fx(DataFixture::Layout::Bare);
    const QString folder = QDir(fx.base()).filePath(QStringLiteral("Documents/Vintrelo Data"));
    const QStringList created = createDataFolder(folder);
    QVERIFY(created.contains(QStringLiteral("Batch-ID.txt")));
    const QString root = folder + QLatin1Char('/');
    QVERIFY(missingDataFolderParts(root).isEmpty());
    QCOMPARE(readBatchCounter(root), QStringLiteral("1"));

    // Starter files follow the shop's formats: CR LF lines, whole chart records,
    // recipes in fixed columns numbered by their file names.
    const QStringList recipes =
        listDataFiles(folderPath(root, kRecipesFolder), FileSubject(FileSubject::Recipes));
    QVERIFY(recipes.size() >= 2);
    for (const QString& name : recipes) {
        const Recipe recipe = readRecipeFile(root, name);
        QCOMPARE(recipeNumberOf(recipe.line1) + QStringLiteral(".txt"), name);
        QVERIFY(!recipe.steps.isEmpty());
        for (const QString& step : recipe.steps) {
            QVERIFY2(step.startsWith(QStringLiteral("Day ")) &&
                         step.mid(17, 2) == QStringLiteral("* "),
                     qPrintable(step));
            QVERIFY(!editorDayOf(step).isEmpty() && !editorActionOf(step).isEmpty());
        }
    }
    QCOMPARE(nextRecipeNumber(root),
             QStringLiteral("%1").arg(recipes.size() + 1, 4, 10, QLatin1Char('0')));
    const QStringList chart =
        readTextLines(miscFilePath(root, kChemicalsFile), FileSubject(FileSubject::ChemicalChart));
    QVERIFY(chart.size() >= 6 * 10);
    QCOMPARE(chart.size() % 6, 0);
    QVERIFY(readTextLines(miscFilePath(root, kVarietiesFile), FileSubject(FileSubject::VarietyList))
                .size() > 20);
    QVERIFY(readTextLines(miscFilePath(root, kRecipeActionsFile),
                          FileSubject(FileSubject::RecipeActionList))
                .size() > 15);
    QFile raw(miscFilePath(root, kVarietiesFile));
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
}

void DataFolderTest::settingUpNeverReplacesExistingFiles_data()
{
    QTest::addColumn<bool>("otherLetterCase");
    QTest::newRow("usual names") << false;
    QTest::newRow("names in other letter case") << true;
}

void DataFolderTest::settingUpNeverReplacesExistingFiles()
{
    QFETCH(bool, otherLetterCase);
    DataFixture fx;
    fx.writeLines(QStringLiteral("Recipes/0001.txt"), {QStringLiteral("0001 - The shop's own")});
    fx.writeBatch(QStringLiteral("2026-000040"), sampleBatch(2));
    QFile::remove(fx.path(QStringLiteral("Misc/Recipe Actions.txt")));
    if (otherLetterCase)
        fx.renameToOtherLetterCase();
    const auto before = fx.snapshot();
    const QStringList top =
        QDir(fx.dataFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    const QStringList created = createDataFolder(fx.dataFolder());
    QCOMPARE(created, QStringList{QStringLiteral("Misc/Recipe Actions.txt")});
    const auto after = fx.snapshot();
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QCOMPARE(after.value(it.key()), it.value());
    // The missing list went into the shop's own Misc folder, beside no twin.
    const QString misc = otherLetterCase ? QStringLiteral("misc") : QStringLiteral("Misc");
    QVERIFY(after.contains(misc + QStringLiteral("/Recipe Actions.txt")));
    QCOMPARE(after.size(), before.size() + 1);
    QCOMPARE(QDir(fx.dataFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), top);
}

VINTRELO_TEST_MAIN(DataFolderTest)
#include "tst_data_folder.moc"
