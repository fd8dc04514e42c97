// Starting a new batch at the counter: the start-up form, the schedule
// preview, the batch-created screen, and what each leaves in the data folder.
#include "AppHarness.h"
#include "DataFixture.h"
#include "MessageScript.h"
#include "TestMain.h"
#include "UserDriver.h"
#include "screens/batch/NewBatch3.h"
#include "store/BatchFile.h"
#include "store/Clock.h"
#include "store/TextLines.h"
#include "widgets/Grid.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

using user::type;

const QString kStars(40, QLatin1Char('*'));

// The recipes of the shop in these tests: file order 0001, 0002, 0003.
void writeRecipes(const DataFixture& fx)
{
    fx.writeRecipe(QStringLiteral("0001"), QStringLiteral("White kit, four weeks"),
                   {{QStringLiteral("1"), QStringLiteral("Add yeast and stir")}});
    fx.writeRecipe(QStringLiteral("0002"), QStringLiteral("Nothing planned yet"), {});
    fx.writeRecipe(QStringLiteral("0003"), QStringLiteral("Red kit, six weeks"),
                   {{QStringLiteral("1"), QStringLiteral("Add yeast and stir")},
                    {QStringLiteral("0"), QStringLiteral("Soak the oak chips")},
                    {QStringLiteral("15"), QStringLiteral("Rack into a clean carboy")}});
    fx.writeLines(QStringLiteral("Misc/Varieties.txt"),
                  {QStringLiteral("Cabernet Sauvignon"), QStringLiteral("  Pinot Noir  "),
                   QStringLiteral("Chardonnay")});
}

QByteArray crlf(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

QStringList emptyLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QString();
    return lines;
}

QLineEdit* box(AppHarness& app, const QString& name)
{
    return app.control<QLineEdit>(name);
}

QString labelText(AppHarness& app, const QString& name)
{
    auto* label = app.control<QLabel>(name);
    return label ? label->text() : QStringLiteral("<no label %1>").arg(name);
}

void clickItem(QListWidget* list, int row, bool twice = false)
{
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    if (twice) { // the second press of a double-click arrives as the double-click itself
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
    AppHarness::settle();
}

// Opens the start-up form from the main menu.
void openForm(AppHarness& app)
{
    if (app.visibleName() == QStringLiteral("Opening_Screen"))
        QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch"));
}

// Ann Smith's red wine, with the variety and colour picked from their lists.
const QList<QPair<QString, QString>> kAnnsEntries = {
    {QStringLiteral("Name_TextBox"), QStringLiteral("Ann Smith")},
    {QStringLiteral("Address_TextBox"), QStringLiteral("12 Vine St")},
    {QStringLiteral("City_TextBox"), QStringLiteral("Kelowna")},
    {QStringLiteral("Province_TextBox"), QStringLiteral("BC")},
    {QStringLiteral("PostalCode_TextBox"), QStringLiteral("V1Y 2K3")},
    {QStringLiteral("Phone1_TextBox"), QStringLiteral("250-555-0101")},
    {QStringLiteral("Phone2_TextBox"), QString()},
    {QStringLiteral("Email_TextBox"), QStringLiteral("ann@example.com")},
    {QStringLiteral("OtherID_TextBox"), QStringLiteral("Locker 7")},
    {QStringLiteral("SerialNumber_TextBox"), QStringLiteral("SN-88")},
    {QStringLiteral("Vintage_TextBox"), QStringLiteral("2025")},
    {QStringLiteral("MustType_TextBox"), QStringLiteral("Kit")},
    {QStringLiteral("Source_TextBox"), QStringLiteral("Okanagan")},
    {QStringLiteral("BatchSize_TextBox"), QStringLiteral("23 L")},
    {QStringLiteral("Cost_TextBox"), QStringLiteral("  $149.99 ")},
    {QStringLiteral("Vintner_TextBox"), QStringLiteral("Joe")},
};

void fillAnnsWine(AppHarness& app, int recipeRow = 2)
{
    for (const auto& entry : kAnnsEntries)
        type(app, entry.first, entry.second);
    QTest::mouseClick(box(app, QStringLiteral("Variety_Text")), Qt::LeftButton);
    clickItem(app.control<QListWidget>(QStringLiteral("Variety_List")), 1, true);
    QTest::mouseClick(box(app, QStringLiteral("Colour_Text")), Qt::LeftButton);
    clickItem(app.control<QListWidget>(QStringLiteral("Colour_List")), 1, true);
    clickItem(app.control<QListWidget>(QStringLiteral("List1")), recipeRow);
}

QStringList annsHeader(const QString& startDate, const QString& recipe)
{
    return QStringList{QStringLiteral("Ann Smith"),
                       QStringLiteral("12 Vine St"),
                       QStringLiteral("Kelowna"),
                       QStringLiteral("BC"),
                       QStringLiteral("V1Y 2K3"),
                       QStringLiteral("250-555-0101"),
                       QString(),
                       QStringLiteral("ann@example.com"),
                       QStringLiteral("Locker 7"),
                       QStringLiteral("SN-88"),
                       QStringLiteral("Pinot Noir"),
                       QStringLiteral("Red"),
                       QStringLiteral("2025"),
                       QStringLiteral("Kit"),
                       QStringLiteral("Okanagan"),
                       QStringLiteral("23 L"),
                       QStringLiteral("  $149.99 "),
                       QStringLiteral("Joe"),
                       startDate,
                       recipe} +
           emptyLines(5) + QStringList{kStars};
}

QStringList action(const QString& day, const QString& due, const QString& what)
{
    return QStringList{day, due, what} + emptyLines(9) + QStringList{kStars};
}

// Everything in the data folder but the files named.
QMap<QString, QByteArray> without(QMap<QString, QByteArray> files, const QStringList& names)
{
    for (const QString& name : names)
        files.remove(name);
    return files;
}

} // namespace

class NewBatchTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void wholeRoadWritesTheBatchAndOffersAFollowOn();
    void followOnBatchWithHandTypedEntriesAndNoSteps();
    void goBackKeepsEveryEntryAndQuitWritesNothing();
    void previewShowsWholeDates();
    void checksComeOneAtATimeInTheirOrder();
    void pickListsPopUpUnderTheirBoxes();
    void recipeProblemsAreRefusedOnThePreview_data();
    void recipeProblemsAreRefusedOnThePreview();
    void identifierAlreadyUsedIsRefused_data();
    void identifierAlreadyUsedIsRefused();
    void batchCreatedMeanwhileOnAnotherComputer();
    void unreadableCounterOrVarietiesAreNamed();
    void batchFileThatCannotBeWrittenLeavesNothing_data();
    void batchFileThatCannotBeWrittenLeavesNothing();
    void counterThatCannotBeAdvancedIsReportedAndGuarded();
    void tagCarriesTheBatchAndItsScheduleAndMenuUnloadsAll();
};

void NewBatchTest::init()
{
    store::Clock::setFixedToday(AppHarness::defaultToday());
}

void NewBatchTest::cleanup()
{
    store::setWriteFaultHook(nullptr);
    AppHarness::settle();
}

void NewBatchTest::wholeRoadWritesTheBatchAndOffersAFollowOn()
{
    DataFixture fx;
    writeRecipes(fx);
    MessageScript script;
    AppHarness app(fx); // Monday, December 7, 2026
    app.start();
    openForm(app);
    QCOMPARE(app.visible()->windowTitle(), QStringLiteral("Vintrelo - New Batch"));
    QCOMPARE(labelText(app, QStringLiteral("BatchID")), QStringLiteral("2026-000041"));
    QCOMPARE(box(app, QStringLiteral("Date_TextBox"))->text(),
             QStringLiteral("Monday, December 7, 2026"));
    auto* recipes = app.control<QListWidget>(QStringLiteral("List1"));
    QCOMPARE(recipes->count(), 3);
    QCOMPARE(recipes->item(0)->text(), QStringLiteral("0001 - White kit, four weeks"));
    QCOMPARE(recipes->item(2)->text(), QStringLiteral("0003 - Red kit, six weeks"));
    const auto before = fx.snapshot();

    fillAnnsWine(app);
    QCOMPARE(box(app, QStringLiteral("Variety_Text"))->text(), QStringLiteral("Pinot Noir"));
    QCOMPARE(box(app, QStringLiteral("Colour_Text"))->text(), QStringLiteral("Red"));
    QVERIFY(app.click(QStringLiteral("CommandButton2")));

    // The preview: every entry and the schedule from the Monday start.
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch2"));
    QCOMPARE(app.visible()->windowTitle(), QStringLiteral("Vintrelo - New Batch"));
    QCOMPARE(labelText(app, QStringLiteral("BatchID_Label")),
             QStringLiteral("Batch I.D.: 2026-000041"));
    QCOMPARE(labelText(app, QStringLiteral("Name_Label")), QStringLiteral("Ann Smith"));
    QCOMPARE(labelText(app, QStringLiteral("email_Label")), QStringLiteral("ann@example.com"));
    QCOMPARE(labelText(app, QStringLiteral("Phone2_Label")), QString());
    QCOMPARE(labelText(app, QStringLiteral("Cost_Label")), QStringLiteral("  $149.99 "));
    QCOMPARE(labelText(app, QStringLiteral("StartDate_Label")),
             QStringLiteral("Monday, December 7, 2026"));
    QCOMPARE(labelText(app, QStringLiteral("Label41")),
             QStringLiteral("Selected Recipe: Red kit, six weeks"));
    auto* grid = app.control<widgets::Grid>(QStringLiteral("Grid1"));
    QCOMPARE(grid->rows(), 5);
    QCOMPARE(grid->cols(), 3);
    QCOMPARE(grid->textAt(0, 0), QStringLiteral("Day #"));
    QCOMPARE(grid->columnWidth(2), 667); // 10000 twips, 15 to a pixel
    QCOMPARE(grid->textAt(2, 0), QStringLiteral("0"));
    QCOMPARE(grid->textAt(2, 1), QStringLiteral("Sunday, December 6, 2026"));
    QCOMPARE(grid->textAt(3, 1), QStringLiteral("Monday, December 21, 2026"));
    QCOMPARE(grid->textAt(4, 2), QString());
    QCOMPARE(fx.snapshot(), before);

    QVERIFY(app.click(QStringLiteral("Continue_Command")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch3"));
    QCOMPARE(app.visible()->windowTitle(), QStringLiteral("Vintrelo"));
    QCOMPARE(AppHarness::screenWindows(),
             (QStringList{QStringLiteral("NewBatch2"), QStringLiteral("NewBatch3")}));

    const QByteArray written = fx.bytes(QStringLiteral("Active Batches/2026-000041.txt"));
    const QByteArray expected =
        crlf(annsHeader(QStringLiteral("Monday, December 7, 2026"), QStringLiteral("0003")) +
             action(QStringLiteral("1"), QStringLiteral("Monday, December 7, 2026"),
                    QStringLiteral("Add yeast and stir")) +
             action(QStringLiteral("0"), QStringLiteral("Sunday, December 6, 2026"),
                    QStringLiteral("Soak the oak chips")) +
             action(QStringLiteral("15"), QStringLiteral("Monday, December 21, 2026"),
                    QStringLiteral("Rack into a clean carboy")));
    QCOMPARE(written, expected);
    const QList<QByteArray> lines = written.split('\n');
    QCOMPARE(lines.size() - 1, 65);
    QCOMPARE(lines.at(26), QByteArray("1\r"));
    QCOMPARE(lines.at(38), kStars.toLatin1() + '\r');
    QCOMPARE(lines.at(39), QByteArray("0\r"));
    QCOMPARE(fx.bytes(QStringLiteral("Batch-ID.txt")), QByteArray("42\r\n"));
    // Nothing else in the folder moved, and no working file is left behind.
    QCOMPARE(without(fx.snapshot(), {QStringLiteral("Active Batches/2026-000041.txt"),
                                     QStringLiteral("Batch-ID.txt")}),
             without(before, {QStringLiteral("Batch-ID.txt")}));

    // Another wine for Ann, opened the next morning: her particulars, vintner
    // and start date come along, the wine's entries do not.
    store::Clock::setFixedToday(QDate(2026, 12, 8));
    QVERIFY(app.click(QStringLiteral("NewBatch_Command")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch"));
    QCOMPARE(AppHarness::screenWindows(), QStringList{QStringLiteral("NewBatch")});
    QCOMPARE(labelText(app, QStringLiteral("BatchID")), QStringLiteral("2026-000042"));
    for (const auto& entry : kAnnsEntries) {
        const bool carried = entry.first.startsWith(QStringLiteral("Name")) ||
                             entry.first.startsWith(QStringLiteral("Address")) ||
                             entry.first.startsWith(QStringLiteral("City")) ||
                             entry.first.startsWith(QStringLiteral("Province")) ||
                             entry.first.startsWith(QStringLiteral("PostalCode")) ||
                             entry.first.startsWith(QStringLiteral("Phone")) ||
                             entry.first.startsWith(QStringLiteral("Email")) ||
                             entry.first.startsWith(QStringLiteral("Vintner"));
        QCOMPARE(box(app, entry.first)->text(), carried ? entry.second : QString());
    }
    QCOMPARE(box(app, QStringLiteral("Variety_Text"))->text(), QString());
    QCOMPARE(box(app, QStringLiteral("Colour_Text"))->text(), QString());
    QCOMPARE(box(app, QStringLiteral("Date_TextBox"))->text(),
             QStringLiteral("Monday, December 7, 2026"));
    QVERIFY(app.control<QListWidget>(QStringLiteral("List1"))->selectedItems().isEmpty());
    QCOMPARE(app.control<QListWidget>(QStringLiteral("List1"))->count(), 3);

    // Ann changes her mind: quitting the follow-on form writes nothing.
    const auto afterCreation = fx.snapshot();
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(fx.snapshot(), afterCreation);
    QVERIFY(script.shown().isEmpty());
}

void NewBatchTest::followOnBatchWithHandTypedEntriesAndNoSteps()
{
    DataFixture fx;
    writeRecipes(fx);
    MessageScript script;
    AppHarness app(fx);
    app.start();
    openForm(app);
    fillAnnsWine(app, 0);
    type(app, QStringLiteral("Date_TextBox"), QStringLiteral("12/9/26")); // a short date, by hand
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.control<widgets::Grid>(QStringLiteral("Grid1"))->textAt(1, 1),
             QStringLiteral("Wednesday, December 9, 2026"));
    QVERIFY(app.click(QStringLiteral("Continue_Command")));
    QVERIFY(app.click(QStringLiteral("NewBatch_Command")));
    QCOMPARE(box(app, QStringLiteral("Date_TextBox"))->text(), QStringLiteral("12/9/26"));

    // Variety and colour typed without their lists, and a recipe with no steps yet.
    type(app, QStringLiteral("Variety_Text"), QStringLiteral("Gamay"));
    type(app, QStringLiteral("Colour_Text"), QStringLiteral("Rosé"));
    clickItem(app.control<QListWidget>(QStringLiteral("List1")), 1);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch2"));
    QCOMPARE(labelText(app, QStringLiteral("BatchID_Label")),
             QStringLiteral("Batch I.D.: 2026-000042"));
    QCOMPARE(app.control<widgets::Grid>(QStringLiteral("Grid1"))->rows(), 2);
    QVERIFY(app.click(QStringLiteral("Continue_Command")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch3"));

    QStringList header = annsHeader(QStringLiteral("12/9/26"), QStringLiteral("0002"));
    for (int line : {8, 9, 12, 13, 14, 15, 16}) // the wine's own entries were cleared
        header[line] = QString();
    header[10] = QStringLiteral("Gamay");
    header[11] = QStringLiteral("Rosé");
    QCOMPARE(fx.bytes(QStringLiteral("Active Batches/2026-000042.txt")), crlf(header));
    QCOMPARE(store::decodeLines(fx.bytes(QStringLiteral("Active Batches/2026-000042.txt"))).size(),
             26);
    // The first batch is untouched by the second.
    QCOMPARE(store::decodeLines(fx.bytes(QStringLiteral("Active Batches/2026-000041.txt"))).size(),
             39);
    QCOMPARE(fx.bytes(QStringLiteral("Batch-ID.txt")), QByteArray("43\r\n"));
    QVERIFY(script.shown().isEmpty());
}

void NewBatchTest::goBackKeepsEveryEntryAndQuitWritesNothing()
{
    DataFixture fx;
    writeRecipes(fx);
    const auto before = fx.snapshot();
    MessageScript script;
    AppHarness app(fx);
    app.start();
    openForm(app);
    app::Screen* form = app.visible();
    fillAnnsWine(app);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch2"));

    QVERIFY(app.click(QStringLiteral("GoBack_Command")));
    QCOMPARE(app.visible(), form);
    QCOMPARE(AppHarness::screenWindows(), QStringList{QStringLiteral("NewBatch")});
    QCOMPARE(labelText(app, QStringLiteral("BatchID")), QStringLiteral("2026-000041"));
    for (const auto& entry : kAnnsEntries)
        QCOMPARE(box(app, entry.first)->text(), entry.second);
    QCOMPARE(box(app, QStringLiteral("Variety_Text"))->text(), QStringLiteral("Pinot Noir"));
    QCOMPARE(app.control<QListWidget>(QStringLiteral("List1"))->currentRow(), 2);

    // A week later start: the preview works the dates out afresh.
    type(app, QStringLiteral("Date_TextBox"), QStringLiteral("December 14, 2026"));
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    auto* grid = app.control<widgets::Grid>(QStringLiteral("Grid1"));
    QCOMPARE(grid->textAt(1, 1), QStringLiteral("Monday, December 14, 2026"));
    QCOMPARE(grid->textAt(3, 1), QStringLiteral("Monday, December 28, 2026"));

    // The title bar's close is the preview's own "Go Back".
    app.visible()->close();
    AppHarness::settle();
    QCOMPARE(app.visible(), form);
    QCOMPARE(box(app, QStringLiteral("Date_TextBox"))->text(), QStringLiteral("December 14, 2026"));

    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(fx.snapshot(), before);

    // Starting again gives a fresh, empty form.
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(labelText(app, QStringLiteral("BatchID")), QStringLiteral("2026-000041"));
    QCOMPARE(box(app, QStringLiteral("Name_TextBox"))->text(), QString());
    QCOMPARE(box(app, QStringLiteral("Date_TextBox"))->text(),
             QStringLiteral("Monday, December 7, 2026"));
    QVERIFY(app.control<QListWidget>(QStringLiteral("List1"))->selectedItems().isEmpty());
    QVERIFY(script.shown().isEmpty());
}

void NewBatchTest::previewShowsWholeDates()
{
    DataFixture fx;
    writeRecipes(fx);
    MessageScript script;
    AppHarness app(fx);
    app.start();
    openForm(app);
    fillAnnsWine(app);
    type(app, QStringLiteral("Date_TextBox"), QStringLiteral("September 30, 2026"));
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch2"));

    // The longest dates of the year are wider than the column's design width.
    auto* grid = app.control<widgets::Grid>(QStringLiteral("Grid1"));
    QCOMPARE(grid->textAt(1, 1), QStringLiteral("Wednesday, September 30, 2026"));
    const QFontMetrics metrics(grid->font());
    for (int row = 1; row < grid->rows() - 1; ++row) {
        const int needed =
            metrics.horizontalAdvance(grid->textAt(row, 1)) + 2 * metrics.averageCharWidth();
        QVERIFY2(grid->columnWidth(1) >= needed, qPrintable(grid->textAt(row, 1)));
    }
    QVERIFY(script.shown().isEmpty());
}

void NewBatchTest::checksComeOneAtATimeInTheirOrder()
{
    DataFixture fx;
    writeRecipes(fx);
    const auto before = fx.snapshot();
    MessageScript script;
    AppHarness app(fx);
    app.start();
    openForm(app);
    type(app, QStringLiteral("Cost_TextBox"), QStringLiteral("45"));

    const auto proceedRefusedWith = [&](const QString& text) {
        script.clear();
        script.answer(0);
        QVERIFY(app.click(QStringLiteral("CommandButton2")));
        QCOMPARE(script.texts(), QStringList{text});
        QCOMPARE(script.shown().constFirst().kind, widgets::Messages::Shown::Warning);
        QCOMPARE(app.visibleName(), QStringLiteral("NewBatch"));
        QCOMPARE(box(app, QStringLiteral("Cost_TextBox"))->text(), QStringLiteral("45"));
    };
    proceedRefusedWith(QStringLiteral("Please fill in the Customer Name"));
    type(app, QStringLiteral("Name_TextBox"), QStringLiteral(" ")); // one blank is a name
    proceedRefusedWith(QStringLiteral("Please select the Variety from the list"));
    type(app, QStringLiteral("Variety_Text"), QStringLiteral("Merlot"));
    proceedRefusedWith(QStringLiteral("Please select the Colour from the list"));
    type(app, QStringLiteral("Colour_Text"), QStringLiteral("Red"));
    proceedRefusedWith(QStringLiteral("Please select a Recipe from the list"));
    clickItem(app.control<QListWidget>(QStringLiteral("List1")), 2);

    // Only then the start date, which every due date rests on. December 7, 2026
    // is a Monday, so a Tuesday of that date is no date either.
    for (const QString& notADate :
         {QStringLiteral("Dec 47, 2026"), QStringLiteral("Tuesday, December 7, 2026")}) {
        type(app, QStringLiteral("Date_TextBox"), notADate);
        script.clear();
        script.answer(0);
        QVERIFY(app.click(QStringLiteral("CommandButton2")));
        QCOMPARE(script.shown().size(), 1);
        QVERIFY(script.texts().first().contains(u'"' + notADate + u'"'));
        QVERIFY(script.texts().first().contains(QStringLiteral("Monday, December 7, 2026")));
        QCOMPARE(app.visibleName(), QStringLiteral("NewBatch"));
        QCOMPARE(app.visible()->focusWidget(), box(app, QStringLiteral("Date_TextBox")));
        QCOMPARE(box(app, QStringLiteral("Name_TextBox"))->text(), QStringLiteral(" "));
        QCOMPARE(fx.snapshot(), before);
    }

    type(app, QStringLiteral("Date_TextBox"), QStringLiteral("2026-12-07"));
    script.clear();
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch2"));
    QCOMPARE(app.state().PendingBatch.CustomerName, QStringLiteral(" "));
    QCOMPARE(app.state().PendingBatch.RecipeNumber, QStringLiteral("0003"));
    QCOMPARE(app.state().PendingBatch.StartDate, QStringLiteral("2026-12-07"));
    QVERIFY(script.shown().isEmpty());
    QCOMPARE(fx.snapshot(), before);

    // A start date without its year is this year's, kept in full so that it
    // still names the same day next year.
    QVERIFY(app.click(QStringLiteral("GoBack_Command")));
    type(app, QStringLiteral("Date_TextBox"), QStringLiteral("Dec 25"));
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch2"));
    QCOMPARE(app.state().PendingBatch.StartDate, QStringLiteral("Friday, December 25, 2026"));
    QCOMPARE(app.control<widgets::Grid>(QStringLiteral("Grid1"))->textAt(1, 1),
             QStringLiteral("Friday, December 25, 2026"));
    QVERIFY(script.shown().isEmpty());
}

void NewBatchTest::pickListsPopUpUnderTheirBoxes()
{
    DataFixture fx;
    writeRecipes(fx);
    MessageScript script;
    AppHarness app(fx);
    app.start();
    openForm(app);
    auto* varieties = app.control<QListWidget>(QStringLiteral("Variety_List"));
    auto* colours = app.control<QListWidget>(QStringLiteral("Colour_List"));
    QLineEdit* variety = box(app, QStringLiteral("Variety_Text"));
    QVERIFY(!varieties->isVisible());
    QVERIFY(!colours->isVisible());
    QCOMPARE(varieties->count(), 3);
    QCOMPARE(varieties->item(1)->text(), QStringLiteral("  Pinot Noir  "));
    QCOMPARE(colours->count(), 3);
    QCOMPARE(colours->item(2)->text(), QStringLiteral("Blush"));

    QTest::mouseClick(variety, Qt::LeftButton);
    QVERIFY(varieties->isVisible());
    const QPoint under = variety->mapTo(app.visible(), QPoint(0, variety->height()));
    QCOMPARE(varieties->geometry().topLeft(), under);
    QCOMPARE(varieties->width(), variety->width());

    clickItem(varieties, 2); // one click only selects
    QCOMPARE(variety->text(), QString());
    QVERIFY(varieties->isVisible());
    clickItem(varieties, 1, true);
    QCOMPARE(variety->text(), QStringLiteral("Pinot Noir"));
    QVERIFY(!varieties->isVisible());

    QTest::mouseClick(box(app, QStringLiteral("Colour_Text")), Qt::LeftButton);
    QVERIFY(colours->isVisible());
    auto* frame = app.control<QGroupBox>(QStringLiteral("Frame3"));
    QTest::mouseClick(frame, Qt::LeftButton, Qt::NoModifier, QPoint(2, frame->height() - 2));
    QVERIFY(!colours->isVisible());
    QCOMPARE(box(app, QStringLiteral("Colour_Text"))->text(), QString());
    QVERIFY(script.shown().isEmpty());
}

void NewBatchTest::recipeProblemsAreRefusedOnThePreview_data()
{
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QStringList>("named");
    QTest::newRow("recipe removed") << "removed" << QStringList{QStringLiteral("0003.txt")};
    QTest::newRow("recipe emptied")
        << "emptied" << QStringList{QStringLiteral("0003.txt"), QStringLiteral("empty")};
    QTest::newRow("day not a number")
        << "day"
        << QStringList{QStringLiteral("0003.txt"), QStringLiteral("\"two weeks\""),
                       QStringLiteral("line 3 ")};
}

void NewBatchTest::recipeProblemsAreRefusedOnThePreview()
{
    QFETCH(QString, problem);
    QFETCH(QStringList, named);
    DataFixture fx;
    writeRecipes(fx);
    if (problem == QStringLiteral("day")) {
        fx.writeLines(QStringLiteral("Recipes/0003.txt"),
                      {QStringLiteral("0003 - Red kit, six weeks"),
                       QStringLiteral("Day 1            * Add yeast and stir"),
                       QStringLiteral("Day two weeks    * Rack into a clean carboy")});
    }
    MessageScript script;
    AppHarness app(fx);
    app.start();
    openForm(app);
    fillAnnsWine(app);
    // Someone tidies the recipe folder while the form is open.
    if (problem == QStringLiteral("removed"))
        QFile::remove(fx.path(QStringLiteral("Recipes/0003.txt")));
    if (problem == QStringLiteral("emptied"))
        fx.writeBytes(QStringLiteral("Recipes/0003.txt"), QByteArray());
    const auto before = fx.snapshot();

    script.answer(0).answer(0);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch2"));
    QCOMPARE(script.shown().size(), 1);
    // Said over the preview, not on an empty desktop before it.
    QCOMPARE(script.windowsBehind().at(0), QStringList{QStringLiteral("NewBatch2")});
    for (const QString& part : named)
        QVERIFY2(script.texts().at(0).contains(part), qPrintable(script.texts().at(0)));
    QCOMPARE(app.control<widgets::Grid>(QStringLiteral("Grid1"))->rows(), 2);

    QVERIFY(app.click(QStringLiteral("Continue_Command")));
    QCOMPARE(script.shown().size(), 2);
    QVERIFY(script.texts().at(1).contains(script.texts().at(0)));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch2"));
    QCOMPARE(fx.snapshot(), before);
    QVERIFY(app.click(QStringLiteral("GoBack_Command")));
    QCOMPARE(box(app, QStringLiteral("Name_TextBox"))->text(), QStringLiteral("Ann Smith"));
}

void NewBatchTest::identifierAlreadyUsedIsRefused_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("in progress") << "Active Batches";
    QTest::newRow("completed") << "Completed Batches";
}

void NewBatchTest::identifierAlreadyUsedIsRefused()
{
    QFETCH(QString, folder);
    DataFixture fx;
    writeRecipes(fx);
    // The counter was set back by hand to a number already used.
    fx.writeBatch(QStringLiteral("2026-000041"), sampleBatch(2, QStringLiteral("Bob Jones")),
                  folder);
    fx.writeBatch(QStringLiteral("2026-000044"), sampleBatch(1));
    const auto before = fx.snapshot();
    MessageScript script;
    script.answer(0);
    AppHarness app(fx);
    app.start();
    openForm(app);
    // Said as the form opens, before anything is typed.
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().at(0).contains(QStringLiteral("2026-000041")));

    fillAnnsWine(app);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("Continue_Command")));
    QCOMPARE(script.shown().size(), 2);
    const QString refusal = script.texts().at(1);
    QVERIFY2(refusal.contains(QStringLiteral("2026-000041")), qPrintable(refusal));
    QVERIFY2(refusal.contains(fx.path(folder)), qPrintable(refusal));
    QVERIFY2(refusal.contains(fx.path(QStringLiteral("Batch-ID.txt"))), qPrintable(refusal));
    QVERIFY2(refusal.contains(QStringLiteral("number 45 ")), qPrintable(refusal));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch2"));
    QCOMPARE(fx.snapshot(), before);

    // Following the advice lets the next batch through.
    QVERIFY(app.click(QStringLiteral("GoBack_Command")));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    fx.writeLines(QStringLiteral("Batch-ID.txt"), {QStringLiteral("45")});
    script.clear();
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(labelText(app, QStringLiteral("BatchID")), QStringLiteral("2026-000045"));
    QVERIFY(script.shown().isEmpty());
}

void NewBatchTest::batchCreatedMeanwhileOnAnotherComputer()
{
    DataFixture fx;
    writeRecipes(fx);
    MessageScript script;
    AppHarness app(fx);
    app.start();
    openForm(app);
    QCOMPARE(labelText(app, QStringLiteral("BatchID")), QStringLiteral("2026-000041"));
    fillAnnsWine(app);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));

    // The back-room PC saves its batch 41 while this one shows the preview.
    fx.writeBatch(QStringLiteral("2026-000041"), sampleBatch(2, QStringLiteral("Bob Jones")));
    fx.writeLines(QStringLiteral("Batch-ID.txt"), {QStringLiteral("42")});
    const auto before = fx.snapshot();
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("Continue_Command")));
    QCOMPARE(script.shown().size(), 1);
    const QString refusal = script.texts().at(0);
    // Not the advice to mend the counter by hand: the counter is right.
    QVERIFY2(refusal.contains(QStringLiteral("another computer")), qPrintable(refusal));
    QVERIFY2(!refusal.contains(QStringLiteral("alone on the first line")), qPrintable(refusal));
    QCOMPARE(fx.snapshot(), before);
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch2"));

    // Back on the form, everything typed is there under the next identifier.
    QVERIFY(app.click(QStringLiteral("GoBack_Command")));
    QCOMPARE(labelText(app, QStringLiteral("BatchID")), QStringLiteral("2026-000042"));
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QVERIFY(app.click(QStringLiteral("Continue_Command")));
    QCOMPARE(script.shown().size(), 1);
    QCOMPARE(store::readBatchFile(fx.dataRoot(), store::BatchFolder::Active,
                                  QStringLiteral("2026-000042"))
                 .header.field(store::BatchHeader::CustomerName),
             QStringLiteral("Ann Smith"));
}

void NewBatchTest::unreadableCounterOrVarietiesAreNamed()
{
    DataFixture fx;
    writeRecipes(fx);
    MessageScript script;
    AppHarness app(fx);
    app.start();
    QVERIFY(app.click(QStringLiteral("CommandButton2")));

    // No counter: no identifier, so no form.
    QFile::remove(fx.path(QStringLiteral("Batch-ID.txt")));
    auto before = fx.snapshot();
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().at(0).contains(fx.path(QStringLiteral("Batch-ID.txt"))));
    QCOMPARE(script.windowsBehind().at(0), QStringList{QStringLiteral("MainMenu")});
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(AppHarness::screenWindows(), QStringList{QStringLiteral("MainMenu")});
    QCOMPARE(fx.snapshot(), before);

    // A counter with a word in it would put the word into a file name.
    fx.writeLines(QStringLiteral("Batch-ID.txt"), {QStringLiteral("41a")});
    before = fx.snapshot();
    script.clear();
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().at(0).contains(QStringLiteral("\"41a\"")));
    QVERIFY(script.texts().at(0).contains(fx.path(QStringLiteral("Batch-ID.txt"))));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(fx.snapshot(), before);

    // Without the variety list the form still opens; the variety is typed.
    fx.writeLines(QStringLiteral("Batch-ID.txt"), {QStringLiteral("41")});
    QFile::remove(fx.path(QStringLiteral("Misc/Varieties.txt")));
    script.clear();
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch"));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY(script.texts().at(0).contains(fx.path(QStringLiteral("Misc/Varieties.txt"))));
    QCOMPARE(app.control<QListWidget>(QStringLiteral("Variety_List"))->count(), 0);
    QCOMPARE(app.control<QListWidget>(QStringLiteral("List1"))->count(), 3);
}

void NewBatchTest::batchFileThatCannotBeWrittenLeavesNothing_data()
{
    QTest::addColumn<int>("failingStep");
    QTest::newRow("disk full while writing") << int(store::WriteStep::WriteScratch);
    QTest::newRow("flush fails") << int(store::WriteStep::FlushScratch);
    QTest::newRow("rename refused") << int(store::WriteStep::Rename);
}

void NewBatchTest::batchFileThatCannotBeWrittenLeavesNothing()
{
    QFETCH(int, failingStep);
    DataFixture fx;
    writeRecipes(fx);
    MessageScript script;
    AppHarness app(fx);
    app.start();
    openForm(app);
    fillAnnsWine(app);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    const auto before = fx.snapshot();

    store::setWriteFaultHook([failingStep](store::WriteStep step, const QString& path) {
        return !(int(step) == failingStep && !path.contains(QStringLiteral("Batch-ID")));
    });
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("Continue_Command")));
    QCOMPARE(script.shown().size(), 1);
    QVERIFY2(script.texts().at(0).contains(QStringLiteral("2026-000041")),
             qPrintable(script.texts().at(0)));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch2"));
    QCOMPARE(fx.snapshot(), before); // no half-written batch, no temp.txt, counter at 41

    // Once the disk is right again the same preview goes through.
    store::setWriteFaultHook(nullptr);
    QVERIFY(app.click(QStringLiteral("Continue_Command")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch3"));
    QCOMPARE(store::decodeLines(fx.bytes(QStringLiteral("Active Batches/2026-000041.txt"))).size(),
             65);
    QCOMPARE(fx.bytes(QStringLiteral("Batch-ID.txt")), QByteArray("42\r\n"));
}

void NewBatchTest::counterThatCannotBeAdvancedIsReportedAndGuarded()
{
    DataFixture fx;
    writeRecipes(fx);
    MessageScript script;
    AppHarness app(fx);
    app.start();
    openForm(app);
    fillAnnsWine(app);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));

    store::setWriteFaultHook([](store::WriteStep step, const QString& path) {
        return !(step == store::WriteStep::Rename && path.endsWith(QStringLiteral("Batch-ID.txt")));
    });
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("Continue_Command")));
    store::setWriteFaultHook(nullptr);

    // The batch exists and says so; the counter is as it was, with no stray file.
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch3"));
    QCOMPARE(store::decodeLines(fx.bytes(QStringLiteral("Active Batches/2026-000041.txt"))).size(),
             65);
    QCOMPARE(fx.bytes(QStringLiteral("Batch-ID.txt")), QByteArray("41\r\n"));
    QVERIFY(!fx.exists(QStringLiteral("Batch-ID.new")));
    QVERIFY(!fx.exists(QStringLiteral("Active Batches/temp.txt")));
    QCOMPARE(script.shown().size(), 1);
    const QString report = script.texts().at(0);
    QVERIFY2(report.contains(QStringLiteral("2026-000041 was created")), qPrintable(report));
    QVERIFY2(report.contains(fx.path(QStringLiteral("Batch-ID.txt"))), qPrintable(report));
    QVERIFY2(report.contains(QStringLiteral("number 42 ")), qPrintable(report));

    // The follow-on batch would reuse the identifier: it is stopped at once,
    // and the batch just made is not touched.
    const QByteArray made = fx.bytes(QStringLiteral("Active Batches/2026-000041.txt"));
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("NewBatch_Command")));
    QCOMPARE(script.shown().size(), 2);
    QVERIFY(script.texts().at(1).contains(QStringLiteral("2026-000041")));
    QCOMPARE(script.windowsBehind().at(1), QStringList{QStringLiteral("NewBatch")});
    type(app, QStringLiteral("Variety_Text"), QStringLiteral("Merlot"));
    type(app, QStringLiteral("Colour_Text"), QStringLiteral("Red"));
    clickItem(app.control<QListWidget>(QStringLiteral("List1")), 0);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    script.answer(0);
    QVERIFY(app.click(QStringLiteral("Continue_Command")));
    QCOMPARE(script.shown().size(), 3);
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch2"));
    QCOMPARE(fx.bytes(QStringLiteral("Active Batches/2026-000041.txt")), made);
    QCOMPARE(fx.bytes(QStringLiteral("Batch-ID.txt")), QByteArray("41\r\n"));
}

void NewBatchTest::tagCarriesTheBatchAndItsScheduleAndMenuUnloadsAll()
{
    DataFixture fx;
    writeRecipes(fx);
    MessageScript script;
    AppHarness app(fx);
    app.start();
    openForm(app);
    fillAnnsWine(app);
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QVERIFY(app.click(QStringLiteral("Continue_Command")));
    auto* created = qobject_cast<screens::NewBatch3*>(app.visible());
    QVERIFY(created);

    const print::TagData tag = created->tagData();
    QCOMPARE(tag.batchId, QStringLiteral("2026-000041"));
    QCOMPARE(tag.startDate, QStringLiteral("Monday, December 7, 2026"));
    QCOMPARE(tag.customerName, QStringLiteral("Ann Smith"));
    QCOMPARE(tag.postalCode, QStringLiteral("V1Y 2K3"));
    QCOMPARE(tag.phone1, QStringLiteral("250-555-0101"));
    QCOMPARE(tag.otherId, QStringLiteral("Locker 7"));
    QCOMPARE(tag.serialNumber, QStringLiteral("SN-88"));
    QCOMPARE(tag.variety, QStringLiteral("Pinot Noir"));
    QCOMPARE(tag.colour, QStringLiteral("Red"));
    QCOMPARE(tag.mustType, QStringLiteral("Kit"));
    QCOMPARE(tag.batchSize, QStringLiteral("23 L"));
    QCOMPARE(tag.schedule.size(), 3);
    QCOMPARE(tag.schedule.at(1).dueDate, QStringLiteral("Sunday, December 6, 2026"));
    QCOMPARE(tag.schedule.at(1).action, QStringLiteral("Soak the oak chips"));
    QCOMPARE(tag.schedule.at(2).dueDate, QStringLiteral("Monday, December 21, 2026"));
    QVERIFY(!tag.schedule.at(2).completed);

    // Printing (twice) keeps the screen and writes nothing.
    const auto afterCreation = fx.snapshot();
    QVERIFY(app.click(QStringLiteral("Print_Command")));
    QVERIFY(app.click(QStringLiteral("Print_Command")));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch3"));
    QCOMPARE(created->tagData().schedule.size(), 3);

    QVERIFY(app.click(QStringLiteral("MainMenu_Command")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(AppHarness::screenWindows(), QStringList{QStringLiteral("MainMenu")});
    QCOMPARE(fx.snapshot(), afterCreation);

    // A recipe made in the meantime is offered on the next new batch.
    fx.writeRecipe(QStringLiteral("0004"), QStringLiteral("Port style"),
                   {{QStringLiteral("1"), QStringLiteral("Add brandy")}});
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QCOMPARE(labelText(app, QStringLiteral("BatchID")), QStringLiteral("2026-000042"));
    QCOMPARE(app.control<QListWidget>(QStringLiteral("List1"))->count(), 4);
    QCOMPARE(app.control<QListWidget>(QStringLiteral("List1"))->item(3)->text(),
             QStringLiteral("0004 - Port style"));
}

VINTRELO_TEST_MAIN(NewBatchTest)
#include "tst_new_batch.moc"
