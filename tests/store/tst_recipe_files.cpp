// Recipe files in their fixed columns, and the numbering of new recipes.
#include "DataFixture.h"
#include "TestMain.h"
#include "store/RecipeFile.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

using namespace store;

class RecipeFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exampleRecipeIsByteExact();
    void rowsAreKeptInGridOrderAndHalfFilledRowsDropped();
    void blanksOnlyCellsCountAsFilled();
    void longDayTexts_data();
    void longDayTexts();
    void columnRulesOfTheReaders();
    void recipeWithoutStepsIsOneLine();
    void readingRefusesMissingAndEmptyFiles();
    void createNeverOverwritesAndReplaceNeedsTheFile();
    void nonRecipeNumbersNeverBecomePaths();
    void nextNumber_data();
    void nextNumber();
    void nextNumberRefusesAtTheLimitOrOnAClash();
};

void RecipeFilesTest::exampleRecipeIsByteExact()
{
    DataFixture fx;
    writeRecipeFile(fx.dataRoot(), QStringLiteral("0003"), QStringLiteral("Red kit, six weeks"),
                    {{QStringLiteral("1"), QStringLiteral("Add yeast and stir")},
                     {QStringLiteral("14"), QStringLiteral("Rack into a clean carboy")},
                     {QStringLiteral(" 120 "), QStringLiteral("  Bottle ")}},
                    RecipeWrite::Create);
    QCOMPARE(fx.bytes(QStringLiteral("Recipes/0003.txt")),
             QByteArray("0003 - Red kit, six weeks\r\n"
                        "Day 1            * Add yeast and stir\r\n"
                        "Day 14           * Rack into a clean carboy\r\n"
                        "Day 120          * Bottle\r\n"));
    QVERIFY(!fx.exists(QStringLiteral("Recipes/recipe.new")));
}

void RecipeFilesTest::rowsAreKeptInGridOrderAndHalfFilledRowsDropped()
{
    const QStringList lines =
        recipeToLines(QStringLiteral("0007"), QStringLiteral(" Blush - 5 gallon "),
                      {{QStringLiteral("14"), QStringLiteral("Rack")},
                       {QStringLiteral("3"), QString()},
                       {QString(), QStringLiteral("Stir")},
                       {QStringLiteral("1"), QStringLiteral("Add yeast")},
                       {QString(), QString()}});
    QCOMPARE(lines, (QStringList{QStringLiteral("0007 -  Blush - 5 gallon "),
                                 QStringLiteral("Day 14           * Rack"),
                                 QStringLiteral("Day 1            * Add yeast")}));
    // The description is read back whole, blanks and " - " included.
    QCOMPARE(recipeDescriptionOf(lines.first()), QStringLiteral(" Blush - 5 gallon "));
    QCOMPARE(recipeNumberOf(lines.first()), QStringLiteral("0007"));
}

void RecipeFilesTest::blanksOnlyCellsCountAsFilled()
{
    const QStringList lines = recipeToLines(QStringLiteral("0001"), QStringLiteral("x"),
                                            {{QStringLiteral("   "), QStringLiteral("Stir")},
                                             {QStringLiteral("5"), QStringLiteral(" ")}});
    QCOMPARE(lines.at(1), QStringLiteral("Day              * Stir"));
    QCOMPARE(lines.at(1).left(17), QStringLiteral("Day ") + QString(13, QLatin1Char(' ')));
    QCOMPARE(lines.at(2), QStringLiteral("Day 5            * "));
}

void RecipeFilesTest::longDayTexts_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("editorReads");
    QTest::newRow("10") << "1234567890"
                        << "1234567890"
                        << "1234567890";
    QTest::newRow("11") << "12345678901"
                        << "12345678901"
                        << "1234567890";
    QTest::newRow("13") << "1234567890123"
                        << "1234567890123"
                        << "1234567890";
    QTest::newRow("14") << "12345678901234"
                        << "1234567890123"
                        << "1234567890";
}

void RecipeFilesTest::longDayTexts()
{
    QFETCH(QString, day);
    QFETCH(QString, written);
    QFETCH(QString, editorReads);
    const QString line = recipeStepLine(day, QStringLiteral("Bottle"));
    QCOMPARE(line.left(17), (QStringLiteral("Day ") + written).leftJustified(17));
    QCOMPARE(line.mid(17), QStringLiteral("* Bottle"));
    QCOMPARE(editorDayOf(line), editorReads);
    QCOMPARE(scheduleDayOf(line), written);
}

void RecipeFilesTest::columnRulesOfTheReaders()
{
    const QString step = QStringLiteral("Day 14           * Rack into a clean carboy ");
    QCOMPARE(editorDayOf(step), QStringLiteral("14"));
    QCOMPARE(editorActionOf(step), QStringLiteral("Rack into a clean carboy"));
    QCOMPARE(scheduleDayOf(step), QStringLiteral("14"));
    QCOMPARE(scheduleActionOf(step), QStringLiteral("Rack into a clean carboy "));
    // Short and empty lines give empty fields, never an error.
    QCOMPARE(editorDayOf(QString()), QString());
    QCOMPARE(scheduleActionOf(QStringLiteral("Day 3")), QString());
    QCOMPARE(scheduleDayOf(QStringLiteral("Day 3")), QStringLiteral("3"));
    QCOMPARE(recipeDescriptionOf(QStringLiteral("0012")), QString());
}

void RecipeFilesTest::recipeWithoutStepsIsOneLine()
{
    DataFixture fx;
    writeRecipeFile(fx.dataRoot(), QStringLiteral("0001"), QStringLiteral("Plain"), {},
                    RecipeWrite::Create);
    QCOMPARE(fx.bytes(QStringLiteral("Recipes/0001.txt")), QByteArray("0001 - Plain\r\n"));
    const Recipe recipe = readRecipeFile(fx.dataRoot(), QStringLiteral("0001.txt"));
    QCOMPARE(recipe.line1, QStringLiteral("0001 - Plain"));
    QVERIFY(recipe.steps.isEmpty());

    // An empty line in a hand-edited file is a step with empty fields.
    fx.writeBytes(QStringLiteral("Recipes/0002.txt"), "0002 - Hand\r\n\r\nDay 3  * Stir\r\n");
    const Recipe hand = readRecipeFile(fx.dataRoot(), QStringLiteral("0002.txt"));
    QCOMPARE(hand.steps.size(), 2);
    QCOMPARE(editorActionOf(hand.steps.at(0)), QString());
}

void RecipeFilesTest::readingRefusesMissingAndEmptyFiles()
{
    DataFixture fx;
    fx.writeBytes(QStringLiteral("Recipes/0004.txt"), QByteArray());
    for (const char* name : {"0004.txt", "0009.txt", "../Batch-ID.txt"}) {
        try {
            readRecipeFile(fx.dataRoot(), QString::fromLatin1(name));
            QFAIL(name);
        } catch (const StoreError& error) {
            QVERIFY2(error.message().contains(QString::fromLatin1(name)),
                     qPrintable(error.message()));
        }
    }
}

void RecipeFilesTest::createNeverOverwritesAndReplaceNeedsTheFile()
{
    DataFixture fx;
    fx.writeBytes(QStringLiteral("Recipes/0005.TXT"), "0005 - Theirs\r\n");
    const auto before = fx.snapshot();
    QVERIFY_THROWS_EXCEPTION(StoreError,
                             writeRecipeFile(fx.dataRoot(), QStringLiteral("0005"),
                                             QStringLiteral("Mine"), {}, RecipeWrite::Create));
    QVERIFY_THROWS_EXCEPTION(StoreError,
                             writeRecipeFile(fx.dataRoot(), QStringLiteral("0006"),
                                             QStringLiteral("Gone"), {}, RecipeWrite::Replace));
    QCOMPARE(fx.snapshot(), before);

    // Replacing keeps the file's own name, capitals and all.
    writeRecipeFile(fx.dataRoot(), QStringLiteral("0005"), QStringLiteral("Changed"),
                    {{QStringLiteral("2"), QStringLiteral("Stir")}}, RecipeWrite::Replace);
    QCOMPARE(fx.bytes(QStringLiteral("Recipes/0005.TXT")),
             QByteArray("0005 - Changed\r\nDay 2            * Stir\r\n"));
    QVERIFY(!fx.exists(QStringLiteral("Recipes/0005.txt")) ||
            fx.bytes(QStringLiteral("Recipes/0005.txt")) ==
                fx.bytes(QStringLiteral("Recipes/0005.TXT")));
}

void RecipeFilesTest::nonRecipeNumbersNeverBecomePaths()
{
    DataFixture fx;
    for (const char* number : {"../x", "12", "00012", "abcd", "0 12", ""}) {
        QVERIFY(!isRecipeNumber(QString::fromLatin1(number)));
        QVERIFY_THROWS_EXCEPTION(StoreError,
                                 recipeFilePath(fx.dataRoot(), QString::fromLatin1(number)));
    }
    QVERIFY(recipeFilePath(fx.dataRoot(), QStringLiteral("0012"))
                .endsWith(QStringLiteral("Recipes/0012.txt")));
}

void RecipeFilesTest::nextNumber_data()
{
    QTest::addColumn<QStringList>("files"); // name, then line 1, pairs
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty folder") << QStringList{} << "0001";
    QTest::newRow("description begins with digits")
        << QStringList{"0003.txt", "0003 - Red", "0012.txt", "0012 - 5 gallon kit"} << "0013";
    QTest::newRow("gap is not filled")
        << QStringList{"0001.txt", "0001 - a", "0007.txt", "0007 - b"} << "0008";
    QTest::newRow("capitals sort by name")
        << QStringList{"0002.TXT", "0002 - a", "0010.txt", "0010 - b"} << "0011";
    QTest::newRow("9998 gives 9999") << QStringList{"9998.txt", "9998 - last"} << "9999";
    // A hand-edited last file that starts with a negative number, however long.
    QTest::newRow("negative number starts over")
        << QStringList{"0004.txt", "0004 - a", "notes.txt", "-5 - scratch"} << "0001";
    QTest::newRow("negative number beyond any int")
        << QStringList{"0004.txt", "0004 - a", "notes.txt", "-" + QString(90, '3') + " - scratch"}
        << "0001";
}

void RecipeFilesTest::nextNumber()
{
    QFETCH(QStringList, files);
    QFETCH(QString, expected);
    DataFixture fx;
    for (int i = 0; i + 1 < files.size(); i += 2)
        fx.writeLines(QStringLiteral("Recipes/") + files.at(i), {files.at(i + 1)});
    QCOMPARE(nextRecipeNumber(fx.dataRoot()), expected);
}

void RecipeFilesTest::nextNumberRefusesAtTheLimitOrOnAClash()
{
    DataFixture fx;
    fx.writeLines(QStringLiteral("Recipes/9999.txt"), {QStringLiteral("9999 - last")});
    QVERIFY_THROWS_EXCEPTION(StoreError, nextRecipeNumber(fx.dataRoot()));

    // A file that is not a recipe sorts last and would offer a taken number.
    DataFixture clash;
    clash.writeLines(QStringLiteral("Recipes/0001.txt"), {QStringLiteral("0001 - a")});
    clash.writeLines(QStringLiteral("Recipes/notes.txt"), {QStringLiteral("shop notes")});
    try {
        nextRecipeNumber(clash.dataRoot());
        QFAIL("a taken number was offered");
    } catch (const StoreError& error) {
        QVERIFY(error.message().contains(QStringLiteral("notes.txt")));
    }
}

VINTRELO_TEST_MAIN(RecipeFilesTest)
#include "tst_recipe_files.moc"
