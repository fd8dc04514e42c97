// "Batches in Progress" and "Completed wine": one row per batch file.
#include "AppHarness.h"
#include "DataFixture.h"
#include "MessageScript.h"
#include "RecordScreens.h"
#include "TestMain.h"

#include <QFontMetrics>
#include <QLabel>

using namespace records;
using store::BatchHeader;

namespace {

const QStringList kHeaders{"Batch I.D.", "Customer", "Variety", "Start Date", "Recipe Description"};

QStringList rowTexts(widgets::Grid* grid, int row)
{
    QStringList texts;
    for (int col = 0; col < grid->cols(); ++col)
        texts << grid->textAt(row, col);
    return texts;
}

// A batch file cut to its first `lines` lines.
void writeCut(const DataFixture& fx, const QString& batchId, int lines)
{
    fx.writeLines(QStringLiteral("Active Batches/") + batchId + QStringLiteral(".txt"),
                  store::batchToLines(sampleBatch(2, QStringLiteral("Cut Short"))).mid(0, lines));
}

} // namespace

class TestBatchLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }
    void activeBatchesInFileNameOrder();
    void startDatesAndDescriptionsAsTheFilesHaveThem();
    void doubleClickAnywhereInARowOpensThatBatch();
    void emptyRowAndHeadingOpenNothing();
    void emptyFolderShowsOnlyTheEmptyRow();
    void completedListOpensTheReadOnlyView();
    void damagedFilesStayListedAndRefuseToOpen();
    void missingRecipeIsMarkedButTheBatchOpens();
    void missingFolderIsReportedOnce();
};

void TestBatchLists::activeBatchesInFileNameOrder()
{
    DataFixture fx;
    writeShopRecipe(fx);
    // Written in another order than their names, customers sorting the other way.
    fx.writeBatch(QStringLiteral("2026-000042"), sampleBatch(1, QStringLiteral("Ann Adams")));
    fx.writeBatch(QStringLiteral("2026-000040"), sampleBatch(1, QStringLiteral("Zoe Zimmer")));
    fx.writeLines(QStringLiteral("Active Batches/2026-000041.TXT"),
                  store::batchToLines(sampleBatch(1, QStringLiteral("Carl Capitals"))));
    fx.writeLines(QStringLiteral("Active Batches/temp.txt"),
                  store::batchToLines(sampleBatch(1, QStringLiteral("Left Over"))));
    fx.writeBatch(QStringLiteral("2025-000007"), sampleBatch(1, QStringLiteral("Done Dora")),
                  QStringLiteral("Completed Batches"));
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openActiveList(app));

    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));
    QCOMPARE(app.visible()->windowTitle(), QStringLiteral("Vintrelo - Existing Batches on the go"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("Label2"))->text(),
             QStringLiteral("Existing Batches on the go"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("Label4"))->text(),
             QStringLiteral("Double Click on any Row above to open the item."));
    widgets::Grid* list = grid(app);
    QCOMPARE(list->cols(), 5);
    QCOMPARE(rowTexts(list, 0), kHeaders);
    // The design widths, widened only where an identifier or a date would be cut.
    // 1700, 2700, 2500, 2600 and 7000 twips, 15 to a pixel.
    const QList<int> widths{113, 180, 167, 173, 467};
    for (int col = 0; col < 5; ++col)
        QVERIFY(list->columnWidth(col) >= widths.at(col));
    for (int col : {1, 2, 4})
        QCOMPARE(list->columnWidth(col), widths.at(col));
    const QFontMetrics metrics(list->font());
    QVERIFY(list->columnWidth(0) > metrics.horizontalAdvance(QStringLiteral("2026-000040")));

    QCOMPARE(list->rows(), 5); // header, three batches, the empty row
    QCOMPARE(rowTexts(list, 1), (QStringList{"2026-000040", "Zoe Zimmer", "Merlot",
                                             longDate(2026, 12, 1), kRecipeDescription}));
    QCOMPARE(list->textAt(2, 0), QStringLiteral("2026-000041"));
    QCOMPARE(list->textAt(2, 1), QStringLiteral("Carl Capitals"));
    QCOMPARE(list->textAt(3, 0), QStringLiteral("2026-000042"));
    QCOMPARE(rowTexts(list, 4), QStringList(5, QString()));
    for (int col = 0; col < 5; ++col)
        QCOMPARE(list->alignmentAt(1, col), Qt::AlignLeft | Qt::AlignVCenter);
    QVERIFY(script.shown().isEmpty());
}

void TestBatchLists::startDatesAndDescriptionsAsTheFilesHaveThem()
{
    DataFixture fx;
    writeShopRecipe(fx);
    fx.writeLines(QStringLiteral("Recipes/0005.txt"), {QStringLiteral("0005 -")});
    store::BatchFile shortDate = sampleBatch(1, QStringLiteral("Numeric Date"));
    shortDate.header.setField(BatchHeader::StartDate, QStringLiteral("3/4/2026"));
    store::BatchFile notADate = sampleBatch(1, QStringLiteral("Free Text"));
    notADate.header.setField(BatchHeader::StartDate, QStringLiteral("  after the harvest"));
    notADate.header.setField(BatchHeader::RecipeNumber, QStringLiteral("0005"));
    fx.writeBatch(QStringLiteral("2026-000050"), shortDate);
    fx.writeBatch(QStringLiteral("2026-000051"), notADate);
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openActiveList(app));

    widgets::Grid* list = grid(app);
    QCOMPARE(list->textAt(1, 3), QStringLiteral("Wednesday, March 4, 2026"));
    QCOMPARE(list->textAt(1, 4), kRecipeDescription);
    QCOMPARE(list->textAt(2, 3), QStringLiteral("  after the harvest"));
    QCOMPARE(list->textAt(2, 4), QString()); // a header line too short for a description
    QVERIFY(script.shown().isEmpty());
}

void TestBatchLists::doubleClickAnywhereInARowOpensThatBatch()
{
    DataFixture fx;
    writeShopRecipe(fx);
    for (int n = 40; n <= 43; ++n) {
        fx.writeBatch(QStringLiteral("2026-0000%1").arg(n),
                      sampleBatch(2, QStringLiteral("Customer %1").arg(n)));
    }
    const auto before = fx.snapshot();
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openActiveList(app));

    // The start date column of the third batch.
    doubleClickCell(grid(app), 3, 3);
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory2"));
    QCOMPARE(app.state().SelectedBatchID, QStringLiteral("2026-000042"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("BatchID_Label"))->text(),
             QStringLiteral("2026-000042"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("Name_Label"))->text(),
             QStringLiteral("Customer 42"));
    QVERIFY(app.click(QStringLiteral("CommandButton1"))); // Quit & Go Back
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));

    // The batch number itself, a fixed cell, while another row is current.
    widgets::Grid* list = grid(app);
    clickCell(list, 1, 2);
    QCOMPARE(list->row(), 1);
    doubleClickCell(list, 4, 0);
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory2"));
    QCOMPARE(app.state().SelectedBatchID, QStringLiteral("2026-000043"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(fx.snapshot(), before);
    QVERIFY(script.shown().isEmpty());
}

void TestBatchLists::emptyRowAndHeadingOpenNothing()
{
    DataFixture fx;
    writeShopRecipe(fx);
    fx.writeBatch(QStringLiteral("2026-000040"), sampleBatch(1));
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openActiveList(app));
    app.state().SelectedBatchID = QStringLiteral("stale");

    widgets::Grid* list = grid(app);
    doubleClickCell(list, 2, 2);
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));
    QCOMPARE(app.state().SelectedBatchID, QString());

    clickCell(list, 1, 1);
    doubleClickCell(list, 0, 2);
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));
    QCOMPARE(app.visibleWindowCount(), 1);
    QVERIFY(script.shown().isEmpty());
}

void TestBatchLists::emptyFolderShowsOnlyTheEmptyRow()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openCompletedList(app));
    widgets::Grid* list = grid(app);
    QCOMPARE(list->rows(), 2);
    QCOMPARE(rowTexts(list, 0), kHeaders);
    QCOMPARE(rowTexts(list, 1), QStringList(5, QString()));
    doubleClickCell(list, 1, 1);
    QCOMPARE(app.visibleName(), QStringLiteral("Completed1"));
    QVERIFY(script.shown().isEmpty());
}

void TestBatchLists::completedListOpensTheReadOnlyView()
{
    DataFixture fx;
    writeShopRecipe(fx);
    store::BatchFile done = sampleBatch(2, QStringLiteral("Finished Fiona"));
    for (store::ActionRecord& record : done.records)
        record.DateCompleted = longDate(2026, 12, 20);
    fx.writeBatch(QStringLiteral("2026-000030"), done, QStringLiteral("Completed Batches"));
    fx.writeBatch(QStringLiteral("2026-000040"), sampleBatch(1, QStringLiteral("Still Going")));
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openCompletedList(app));

    QCOMPARE(app.visible()->windowTitle(), QStringLiteral("Vintrelo - Completed Batches"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("Label2"))->text(),
             QStringLiteral("Completed Batches"));
    widgets::Grid* list = grid(app);
    QCOMPARE(list->rows(), 3);
    QCOMPARE(list->textAt(1, 1), QStringLiteral("Finished Fiona"));

    doubleClickCell(list, 1, 4);
    QCOMPARE(app.visibleName(), QStringLiteral("Completed2"));
    QCOMPARE(app.state().SelectedBatchID, QStringLiteral("2026-000030"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("Completed1"));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QVERIFY(script.shown().isEmpty());
}

void TestBatchLists::damagedFilesStayListedAndRefuseToOpen()
{
    DataFixture fx;
    writeShopRecipe(fx);
    fx.writeBatch(QStringLiteral("2026-000040"), sampleBatch(2, QStringLiteral("Good Before")));
    writeCut(fx, QStringLiteral("2026-000041"), 12);      // inside the header
    writeCut(fx, QStringLiteral("2026-000042"), 26 + 20); // inside the second action
    fx.writeBatch(QStringLiteral("2026-000043"), sampleBatch(2, QStringLiteral("Good After")));
    const auto before = fx.snapshot();
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openActiveList(app));
    QVERIFY(script.shown().isEmpty());

    widgets::Grid* list = grid(app);
    QCOMPARE(list->rows(), 6);
    QCOMPARE(list->textAt(1, 1), QStringLiteral("Good Before"));
    QCOMPARE(list->textAt(1, 4), kRecipeDescription);
    QCOMPARE(list->textAt(4, 1), QStringLiteral("Good After"));
    QCOMPARE(list->textAt(4, 4), kRecipeDescription);
    // A header cut short: what could be read is shown; the description says what is wrong.
    QCOMPARE(list->textAt(2, 0), QStringLiteral("2026-000041"));
    QCOMPARE(list->textAt(2, 1), QStringLiteral("Cut Short"));
    QCOMPARE(list->textAt(2, 2), QStringLiteral("Merlot"));
    QCOMPARE(list->textAt(2, 3), QString());
    QVERIFY(list->textAt(2, 4).contains(QStringLiteral("damaged")));
    // The list reads no further than line 20, so a cut action is not seen there;
    // the editor, which reads the whole file, finds it.
    QCOMPARE(rowTexts(list, 3), (QStringList{"2026-000042", "Cut Short", "Merlot",
                                             longDate(2026, 12, 1), kRecipeDescription}));

    // The editor refuses it, naming the file, and the list is back.
    script.answer(0);
    doubleClickCell(list, 3, 1);
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));
    QCOMPARE(app.visibleWindowCount(), 1);
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().at(0).contains(QStringLiteral("2026-000042.txt")));
    QVERIFY(script.texts().at(0).contains(QStringLiteral("cut short")));

    script.answer(0);
    doubleClickCell(grid(app), 2, 2);
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory"));
    QCOMPARE(script.shown().size(), 2);
    QVERIFY(script.texts().at(1).contains(QStringLiteral("2026-000041.txt")));
    QVERIFY(script.unexpected().isEmpty());
    QCOMPARE(fx.snapshot(), before);
}

void TestBatchLists::missingRecipeIsMarkedButTheBatchOpens()
{
    DataFixture fx;
    writeShopRecipe(fx);
    store::BatchFile orphan = sampleBatch(1, QStringLiteral("Orphan Olga"));
    orphan.header.setField(BatchHeader::RecipeNumber, QStringLiteral("0099"));
    fx.writeBatch(QStringLiteral("2026-000040"), orphan);
    fx.writeBatch(QStringLiteral("2026-000041"), sampleBatch(1));
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openActiveList(app));

    widgets::Grid* list = grid(app);
    QVERIFY(list->textAt(1, 4).contains(QStringLiteral("0099")));
    QCOMPARE(list->textAt(2, 4), kRecipeDescription);
    doubleClickCell(list, 1, 1);
    QCOMPARE(app.visibleName(), QStringLiteral("ExistingInventory2"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("Name_Label"))->text(),
             QStringLiteral("Orphan Olga"));
    QVERIFY(script.shown().isEmpty());
}

void TestBatchLists::missingFolderIsReportedOnce()
{
    DataFixture fx;
    QVERIFY(QDir(fx.path(QStringLiteral("Completed Batches"))).removeRecursively());
    MessageScript script;
    script.answer(0); // the start-up notices the missing folder
    script.answer(0);
    AppHarness app(fx);
    QVERIFY(openCompletedList(app));
    QCOMPARE(app.visibleName(), QStringLiteral("Completed1"));
    QCOMPARE(grid(app)->rows(), 2);
    QVERIFY(script.texts().last().contains(QStringLiteral("Completed Batches")));
    QVERIFY(script.unexpected().isEmpty());
}

VINTRELO_TEST_MAIN(TestBatchLists)
#include "tst_batch_lists.moc"
