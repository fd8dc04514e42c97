// What a data folder may hold after a power cut or a hand edit: a working file
// left behind, or a file whose text names a path. None of it is ever shown as
// a batch, overwrites one, or leads a screen outside the data folder.
#include "MessageScript.h"
#include "ShopFaults.h"
#include "TestMain.h"
#include "store/Clock.h"

#include <QAbstractButton>
#include <QLabel>
#include <unistd.h>

using namespace faults;

namespace {

QStringList column(AppHarness& app, int col)
{
    QStringList texts;
    auto* grid = app.control<widgets::Grid>(QStringLiteral("Grid1"));
    for (int row = 1; grid && row < grid->rows(); ++row)
        texts << grid->textAt(row, col);
    return texts;
}

QString activeFile(const QString& batchId)
{
    return QStringLiteral("Active Batches/") + batchId + QStringLiteral(".txt");
}

// Ann's last action completed from the task list, as the shop does it.
void completeAnnsAction(AppHarness& app)
{
    openFromMenu(app, QStringLiteral("CommandButton1"), QStringLiteral("ThingsToDoToday"));
    QCOMPARE(column(app, 0).value(0), kAnn);
    doubleClickCell(app, 1, 1);
    auto* tick = app.control<QAbstractButton>(QStringLiteral("CheckBox1"));
    QTest::mouseClick(tick, Qt::LeftButton, Qt::NoModifier, QPoint(8, tick->height() / 2));
    type(app, QStringLiteral("AmountText"), QStringLiteral("1 tsp"));
    QVERIFY(app.click(QStringLiteral("UpdateCommand")));
}

} // namespace

class UntrustedFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { store::Clock::setFixedToday(AppHarness::defaultToday()); }
    void cleanup()
    {
        store::setWriteFaultHook(nullptr);
        AppHarness::settle();
    }
    void leftoverWorkingFileIsNeverListed();
    void leftoverWorkingFileNeverOverwritesABatch_data();
    void leftoverWorkingFileNeverOverwritesABatch();
    void recipeNumberInABatchHeaderStaysInTheRecipeFolder_data();
    void recipeNumberInABatchHeaderStaysInTheRecipeFolder();
    void recipeListEntryNamingAPathIsNotPreviewed();
    void recipeFileNamingAPathIsNotOpenedForChange();
};

void UntrustedFilesTest::leftoverWorkingFileIsNeverListed()
{
    DataFixture fx;
    stockShop(fx);
    // Interrupted rewrites: whole batches, one with an action due today, under
    // the working file's name in either letter case.
    fx.writeBatch(QStringLiteral("temp"),
                  batchOf(QStringLiteral("Ghost Customer"),
                          {action(1, QDate(2026, 12, 7), QStringLiteral("Stir the ghost"))}));
    fx.writeBatch(QStringLiteral("TEMP"), batchOf(QStringLiteral("Ghost Customer"), {}),
                  QStringLiteral("Completed Batches"));
    const auto before = filesUnder(fx.dataFolder());

    MessageScript script;
    {
        AppHarness app(fx);
        openFromMenu(app, QStringLiteral("CommandButton1"), QStringLiteral("ThingsToDoToday"));
        QCOMPARE(column(app, 0), (QStringList{kAnn, kBob}));
        QVERIFY(!column(app, 1).contains(QStringLiteral("Ghost Customer")));
        QVERIFY(!column(app, 3).contains(QStringLiteral("Stir the ghost")));
    }
    {
        AppHarness app(fx);
        openFromMenu(app, QStringLiteral("CommandButton3"), QStringLiteral("ExistingInventory"));
        QCOMPARE(column(app, 0), (QStringList{kAnn, kBob, QString()}));
    }
    {
        AppHarness app(fx);
        openFromMenu(app, QStringLiteral("CommandButton6"), QStringLiteral("Completed1"));
        QCOMPARE(column(app, 0), (QStringList{kCathy, QString()}));
    }
    // Nothing was said about them, and reading them changed nothing.
    QVERIFY2(script.shown().isEmpty(), qPrintable(script.texts().join(QLatin1Char('\n'))));
    QCOMPARE(filesUnder(fx.dataFolder()), before);
}

void UntrustedFilesTest::leftoverWorkingFileNeverOverwritesABatch_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a half-written file") << QStringLiteral("file");
    QTest::newRow("a link to another batch") << QStringLiteral("symlink");
    QTest::newRow("a second name of another batch") << QStringLiteral("hardlink");
}

void UntrustedFilesTest::leftoverWorkingFileNeverOverwritesABatch()
{
    QFETCH(QString, kind);
    DataFixture fx;
    stockShop(fx);
    // The shop's folder without the leftover, for what completing must give.
    DataFixture clean;
    stockShop(clean);
    {
        MessageScript script;
        AppHarness app(clean);
        completeAnnsAction(app);
        QVERIFY(script.shown().isEmpty());
    }

    const QString temp = fx.path(QStringLiteral("Active Batches/temp.txt"));
    const QString bobs = fx.path(activeFile(kBob));
    if (kind == QStringLiteral("file"))
        fx.writeBytes(QStringLiteral("Active Batches/temp.txt"), "Ann Smith\r\n12 Vine St\r\nKel");
    else if (kind == QStringLiteral("symlink"))
        QVERIFY(QFile::link(bobs, temp));
    else
        QVERIFY(::link(QFile::encodeName(bobs).constData(), QFile::encodeName(temp).constData()) ==
                0);
    const QByteArray bobBefore = fx.bytes(activeFile(kBob));

    MessageScript script;
    AppHarness app(fx);
    completeAnnsAction(app);
    QVERIFY2(script.shown().isEmpty(), qPrintable(script.texts().join(QLatin1Char('\n'))));

    // Bob's batch, reachable through the leftover, is byte for byte as it was.
    QCOMPARE(fx.bytes(activeFile(kBob)), bobBefore);
    QVERIFY(QFileInfo(bobs).isFile() && !QFileInfo(bobs).isSymLink());
    // Ann's batch is the one completed, in the archive, and the leftover is gone.
    QVERIFY(!QFileInfo::exists(temp) && !QFileInfo(temp).isSymLink());
    QCOMPARE(filesUnder(fx.dataFolder()), filesUnder(clean.dataFolder()));
    QCOMPARE(column(app, 0), QStringList{kBob});
}

void UntrustedFilesTest::recipeNumberInABatchHeaderStaysInTheRecipeFolder_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("folder");
    // Each number, joined to the recipe folder, would name ../outside.txt.
    QTest::newRow("in progress, parent folders")
        << QStringLiteral("../../outside") << QStringLiteral("CommandButton3")
        << QStringLiteral("Active Batches");
    QTest::newRow("in progress, back slashes")
        << QStringLiteral("..\\..\\outside") << QStringLiteral("CommandButton3")
        << QStringLiteral("Active Batches");
    QTest::newRow("completed, absolute path")
        << QStringLiteral("<base>/outside") << QStringLiteral("CommandButton6")
        << QStringLiteral("Completed Batches");
    QTest::newRow("completed, parent folders")
        << QStringLiteral("../../outside") << QStringLiteral("CommandButton6")
        << QStringLiteral("Completed Batches");
}

void UntrustedFilesTest::recipeNumberInABatchHeaderStaysInTheRecipeFolder()
{
    QFETCH(QString, number);
    QFETCH(QString, list);
    QFETCH(QString, folder);
    DataFixture fx;
    stockShop(fx);
    number.replace(QStringLiteral("<base>"), fx.base());
    // A file beside the data folder that looks like a recipe.
    QFile outside(QDir(fx.base()).filePath(QStringLiteral("outside.txt")));
    QVERIFY(outside.open(QIODevice::WriteOnly));
    outside.write("0009 - Read from outside the data folder\r\n");
    outside.close();
    store::BatchFile edited = batchOf(QStringLiteral("Hal Edit"), {});
    edited.header.setField(store::BatchHeader::RecipeNumber, number);
    fx.writeBatch(QStringLiteral("2026-000035"), edited, folder);
    const auto before = filesUnder(fx.base());

    MessageScript script;
    AppHarness app(fx);
    openFromMenu(app, list,
                 folder == QStringLiteral("Active Batches") ? QStringLiteral("ExistingInventory")
                                                            : QStringLiteral("Completed1"));
    const int row = rowOf(app, QStringLiteral("2026-000035"));
    QVERIFY(row > 0);
    auto* grid = app.control<widgets::Grid>(QStringLiteral("Grid1"));
    QCOMPARE(grid->textAt(row, 1), QStringLiteral("Hal Edit"));
    QVERIFY2(!grid->textAt(row, 4).contains(QStringLiteral("Read from outside")),
             qPrintable(grid->textAt(row, 4)));
    QCOMPARE(grid->textAt(row, 4), QStringLiteral("(recipe %1 not found)").arg(number));
    // The other batches still show their recipe.
    QCOMPARE(
        grid->textAt(rowOf(app, folder == QStringLiteral("Active Batches") ? kAnn : kCathy), 4),
        QStringLiteral("Merlot six week kit"));
    QCOMPARE(filesUnder(fx.base()), before);
}

void UntrustedFilesTest::recipeListEntryNamingAPathIsNotPreviewed()
{
    DataFixture fx;
    stockShop(fx);
    // A recipe whose first line names a file of the data folder, not a number.
    fx.writeLines(QStringLiteral("Recipes/0007.txt"),
                  {QStringLiteral("../x - Sneaky kit"),
                   store::recipeStepLine(QStringLiteral("1"), QStringLiteral("Stir"))});
    fx.writeLines(QStringLiteral("x.txt"),
                  {QStringLiteral("0001 - Outside"),
                   store::recipeStepLine(QStringLiteral("1"), QStringLiteral("Drain the carboy"))});
    const auto before = filesUnder(fx.base());

    MessageScript script;
    AppHarness app(fx);
    openFromMenu(app, QStringLiteral("CommandButton2"), QStringLiteral("NewBatch"));
    auto* recipes = app.control<QListWidget>(QStringLiteral("List1"));
    QCOMPARE(recipes->item(2)->text(), QStringLiteral("../x - Sneaky kit"));
    type(app, QStringLiteral("Name_TextBox"), QStringLiteral("Dora Lee"));
    type(app, QStringLiteral("Variety_Text"), QStringLiteral("Merlot"));
    type(app, QStringLiteral("Colour_Text"), QStringLiteral("Red"));
    clickListItem(app, QStringLiteral("List1"), 2);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch2"));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY2(script.texts().at(0).contains(QStringLiteral("\"../x\"")),
             qPrintable(script.texts().at(0)));
    // Nothing of the outside file reached the preview, and "Continue" writes nothing.
    auto* grid = app.control<widgets::Grid>(QStringLiteral("Grid1"));
    for (int row = 1; row < grid->rows(); ++row)
        QCOMPARE(grid->textAt(row, 2), QString());
    QVERIFY(!app.control<QLabel>(QStringLiteral("Label41"))
                 ->text()
                 .contains(QStringLiteral("Outside")));
    QVERIFY(app.click(QStringLiteral("Continue_Command")));
    QCOMPARE(script.shown().size(), 2);
    QVERIFY(script.texts().at(1).contains(QStringLiteral("nothing was written")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch2"));
    QCOMPARE(filesUnder(fx.base()), before);
}

void UntrustedFilesTest::recipeFileNamingAPathIsNotOpenedForChange()
{
    DataFixture fx;
    stockShop(fx);
    fx.writeLines(QStringLiteral("Recipes/0007.txt"),
                  {QStringLiteral("../x - Sneaky kit"),
                   store::recipeStepLine(QStringLiteral("1"), QStringLiteral("Stir"))});
    fx.writeLines(QStringLiteral("x.txt"), {QStringLiteral("0001 - Outside")});
    const auto before = filesUnder(fx.base());

    MessageScript script;
    AppHarness app(fx);
    openFromMenu(app, QStringLiteral("CommandButton8"), QStringLiteral("ModifyRecipe"));
    const int row = rowOf(app, QStringLiteral("../x"));
    QVERIFY(row > 0);
    doubleClickCell(app, row, 1);
    // Refused with the file named; the recipe list stays, and no file changed.
    QCOMPARE(app.visibleName(), QStringLiteral("ModifyRecipe"));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().at(0).contains(QStringLiteral("0007.txt")));
    QCOMPARE(filesUnder(fx.base()), before);

    // The honest recipes beside it still open.
    doubleClickCell(app, rowOf(app, QStringLiteral("0003")), 1);
    QCOMPARE(app.visibleName(), QStringLiteral("ModifyRecipe2"));
    QCOMPARE(app.control<QLineEdit>(QStringLiteral("Name_TextBox"))->text(),
             QStringLiteral("Merlot six week kit"));
}

VINTRELO_TEST_MAIN(UntrustedFilesTest)
#include "tst_untrusted_files.moc"
