// The screens from the keyboard, and leaving them: Return presses the focused
// button or the default one, Tab walks each screen in its visual order, a pick
// from a list leaves the focus in its box, and nothing typed is lost without a
// question.
#include "MessageScript.h"
#include "ScreenWalk.h"
#include "TestMain.h"
#include "store/TextLines.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QPushButton>

using namespace screen_walk;

namespace {

const QString kSaveQuestion = QStringLiteral("Are you sure you want to save the changes ?");
const QString kLeaveQuestion = QStringLiteral(
    "The changes made on this screen have not been saved.\n\nDo you want to leave without "
    "saving them?");

QWidget* focused()
{
    return QApplication::focusWidget();
}

QString focusedName()
{
    return focused() ? focused()->objectName() : QStringLiteral("<nothing>");
}

// A key as the keyboard sends it: to whatever has the focus.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = focused();
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key(key), modifiers);
    AppHarness::settle();
}

QLineEdit* box(AppHarness& app, const QString& name)
{
    return app.control<QLineEdit>(name);
}

void clickIn(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(5, widget->height() / 2));
}

void doubleClickItem(QListWidget* list, const QString& text)
{
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    const QPoint at = list->visualItemRect(found.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    AppHarness::settle();
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }
    void returnPressesTheFocusedButton_data();
    void returnPressesTheFocusedButton();
    void returnElsewherePressesTheDefault_data();
    void returnElsewherePressesTheDefault();
    void tabWalksTheVisualOrder_data();
    void tabWalksTheVisualOrder();
    void returnOnARowOpensIt_data();
    void returnOnARowOpensIt();
    void pickFromAListKeepsTheFocusInItsBox();
    void pickListsCloseWhenTheirBoxIsLeft();
    void leavingWithChangesAsksOnce_data();
    void leavingWithChangesAsksOnce();
};

void TestKeyboard::returnPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("then"); // the screen shown afterwards
    QTest::newRow("opening screen") << "Opening_Screen"
                                    << "AboutButton"
                                    << "AboutForm";
    QTest::newRow("about") << "AboutForm"
                           << "CommandButton1"
                           << "Opening_Screen";
    QTest::newRow("main menu") << "MainMenu"
                               << "CommandButton6"
                               << "Completed1";
    QTest::newRow("start-up form") << "NewBatch"
                                   << "CommandButton1"
                                   << "MainMenu";
    QTest::newRow("batches in progress") << "ExistingInventory"
                                         << "CommandButton1"
                                         << "MainMenu";
    QTest::newRow("batch editor") << "ExistingInventory2"
                                  << "CommandButton1"
                                  << "ExistingInventory";
    QTest::newRow("things to do") << "ThingsToDoToday"
                                  << "CommandButton1"
                                  << "MainMenu";
    QTest::newRow("completed list") << "Completed1"
                                    << "CommandButton1"
                                    << "MainMenu";
    QTest::newRow("completed view") << "Completed2"
                                    << "CommandButton1"
                                    << "Completed1";
    QTest::newRow("new recipe") << "NewRecipe"
                                << "CommandButton2"
                                << "MainMenu";
    QTest::newRow("recipe list") << "ModifyRecipe"
                                 << "CommandButton1"
                                 << "MainMenu";
    QTest::newRow("modify recipe") << "ModifyRecipe2"
                                   << "CommandButton2"
                                   << "MainMenu";
    QTest::newRow("chart") << "Chart1"
                           << "CommandButton1"
                           << "MainMenu";
}

void TestKeyboard::returnPressesTheFocusedButton()
{
    QFETCH(QString, screen);
    QFETCH(QString, button);
    QFETCH(QString, then);
    DataFixture fx;
    fillShop(fx);
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(open(app, screen));
    auto* target = app.control<QPushButton>(button);
    QVERIFY(target);
    target->setFocus(Qt::TabFocusReason);
    QCOMPARE(focused(), target);
    press(Qt::Key_Return);
    QCOMPARE(app.visibleName(), then);
    QVERIFY(script.shown().isEmpty());
}

void TestKeyboard::returnElsewherePressesTheDefault_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("focus"); // empty: where the screen puts it
    QTest::addColumn<QString>("then");
    QTest::newRow("program start") << "Opening_Screen"
                                   << ""
                                   << "MainMenu";
    QTest::newRow("manual action box") << "InsertNewAction"
                                       << "Text2"
                                       << "ThingsToDoToday";
    QTest::newRow("no default: start-up form") << "NewBatch"
                                               << "Name_TextBox"
                                               << "NewBatch";
    QTest::newRow("no default: recipe description") << "NewRecipe"
                                                    << "Name_TextBox"
                                                    << "NewRecipe";
    QTest::newRow("no default: task notes") << "ThingsToDoToday"
                                            << "NotesText"
                                            << "ThingsToDoToday";
}

void TestKeyboard::returnElsewherePressesTheDefault()
{
    QFETCH(QString, screen);
    QFETCH(QString, focus);
    QFETCH(QString, then);
    DataFixture fx;
    fillShop(fx);
    const auto before = fx.snapshot();
    MessageScript script;
    AppHarness app(fx);
    if (screen == QLatin1String("InsertNewAction") || screen == QLatin1String("ThingsToDoToday")) {
        QVERIFY(open(app, QStringLiteral("ThingsToDoToday")));
        doubleClickCell(grid(app), 1, 1);
        if (screen == QLatin1String("InsertNewAction")) {
            QVERIFY(app.click(QStringLiteral("PushCommand")));
            box(app, QStringLiteral("PushText"))->setText(QStringLiteral("2"));
            QVERIFY(app.click(QStringLiteral("CommandButton3")));
            QVERIFY(QTest::qWaitForWindowActive(app.visible()));
        }
    } else {
        QVERIFY(open(app, screen));
    }
    QCOMPARE(app.visibleName(), screen);
    if (!focus.isEmpty()) {
        QLineEdit* entry = box(app, focus);
        entry->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(entry, QStringLiteral("typed"));
    }
    press(Qt::Key_Return);
    QCOMPARE(app.visibleName(), then);
    QVERIFY(script.shown().isEmpty());
    if (screen == QLatin1String("InsertNewAction")) {
        // The note was written: the batch gained a record whose notes were typed.
        const QStringList lines = store::decodeLines(
            fx.bytes(QStringLiteral("Active Batches/") + kActiveBatch + QStringLiteral(".txt")));
        QCOMPARE(lines.size(), 26 + 3 * 13);
        QCOMPARE(lines.at(26 + 5), QStringLiteral("typed"));
    } else {
        QCOMPARE(fx.snapshot(), before);
    }
}

void TestKeyboard::tabWalksTheVisualOrder_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("order");
    const QStringList recipeEditor{"Name_TextBox", "Grid1", "Text2",          "NumberofDays",
                                   "InsertRow",    "List1", "CommandButton2", "CommandButton1"};
    QTest::newRow("opening screen")
        << "Opening_Screen" << QStringList{"AboutButton", "CommandButton2", "CommandButton1"};
    QTest::newRow("main menu") << "MainMenu" << QStringList{"CommandButton2",    "CommandButton3",
                                                            "CommandButton1",    "CommandButton6",
                                                            "CommandButton4",    "CommandButton8",
                                                            "CommandButton5",    "CommandButton7",
                                                            "FindBatch_Command", "Backups_Command",
                                                            "AboutButton"};
    QTest::newRow("start-up form")
        << "NewBatch"
        << QStringList{
               "Name_TextBox",       "Address_TextBox",      "City_TextBox",   "Province_TextBox",
               "PostalCode_TextBox", "Phone1_TextBox",       "Phone2_TextBox", "Email_TextBox",
               "OtherID_TextBox",    "SerialNumber_TextBox", "Variety_Text",   "Colour_Text",
               "Vintage_TextBox",    "MustType_TextBox",     "Source_TextBox", "BatchSize_TextBox",
               "Cost_TextBox",       "Vintner_TextBox",      "Date_TextBox",   "List1",
               "CommandButton1",     "CommandButton2"};
    QTest::newRow("schedule preview")
        << "NewBatch2" << QStringList{"Grid1", "GoBack_Command", "Continue_Command"};
    QTest::newRow("batch created")
        << "NewBatch3" << QStringList{"Print_Command", "NewBatch_Command", "MainMenu_Command"};
    QTest::newRow("batches in progress")
        << "ExistingInventory" << QStringList{"Grid1", "Export_Command", "CommandButton1"};
    QTest::newRow("batch editor")
        << "ExistingInventory2"
        << QStringList{"Grid1",          "CommandButton3", "CommandButton4",     "CommandButton5",
                       "CommandButton2", "CommandButton1", "PrintReport_Command"};
    QTest::newRow("things to do") << "ThingsToDoToday"
                                  << QStringList{"Grid1", "CommandButton2", "CommandButton1",
                                                 "ComingDays_Command"};
    QTest::newRow("an action opened")
        << "ThingsToDoToday opened"
        << QStringList{"Grid1",         "AmountText",  "MeasurementText", "NotesText",
                       "CheckBox1",     "PushText",    "CommandButton3",  "CommandButton4",
                       "UpdateCommand", "PushCommand", "CommandButton5"};
    QTest::newRow("manual action")
        << "InsertNewAction"
        << QStringList{"Text4", "Text3", "Text1", "Text2", "Cancel_Command", "CommandButton3"};
    QTest::newRow("completed list")
        << "Completed1" << QStringList{"Grid1", "Export_Command", "CommandButton1"};
    QTest::newRow("completed view")
        << "Completed2" << QStringList{"Grid1", "PrintReport_Command", "CommandButton1"};
    QTest::newRow("new recipe") << "NewRecipe" << recipeEditor;
    QTest::newRow("recipe list") << "ModifyRecipe" << QStringList{"Grid1", "CommandButton1"};
    QTest::newRow("modify recipe") << "ModifyRecipe2" << recipeEditor;
    QTest::newRow("chart") << "Chart1" << QStringList{"Grid1", "CommandButton1"};
    QTest::newRow("about") << "AboutForm" << QStringList{"CommandButton1"};
    // Nothing found yet, so nothing to export: the export button is disabled.
    QTest::newRow("find a batch") << "FindBatch"
                                  << QStringList{"Search_TextBox", "Grid1", "CommandButton1"};
}

void TestKeyboard::tabWalksTheVisualOrder()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, order);
    DataFixture fx;
    fillShop(fx);
    MessageScript script;
    AppHarness app(fx);
    if (screen.startsWith(QLatin1String("NewBatch")) && screen != QLatin1String("NewBatch")) {
        QVERIFY(open(app, QStringLiteral("NewBatch")));
        box(app, QStringLiteral("Name_TextBox"))->setText(QStringLiteral("Ann"));
        box(app, QStringLiteral("Variety_Text"))->setText(QStringLiteral("Merlot"));
        box(app, QStringLiteral("Colour_Text"))->setText(QStringLiteral("Red"));
        app.control<QListWidget>(QStringLiteral("List1"))->setCurrentRow(0);
        QVERIFY(app.click(QStringLiteral("CommandButton2")));
        if (screen == QLatin1String("NewBatch3"))
            QVERIFY(app.click(QStringLiteral("Continue_Command")));
    } else if (screen.startsWith(QLatin1String("ThingsToDoToday opened")) ||
               screen == QLatin1String("InsertNewAction")) {
        QVERIFY(open(app, QStringLiteral("ThingsToDoToday")));
        doubleClickCell(grid(app), 1, 1);
        QVERIFY(app.click(QStringLiteral("PushCommand")));
        if (screen == QLatin1String("InsertNewAction")) {
            box(app, QStringLiteral("PushText"))->setText(QStringLiteral("2"));
            QVERIFY(app.click(QStringLiteral("CommandButton3")));
        }
    } else {
        QVERIFY(open(app, screen));
    }
    QVERIFY(QTest::qWaitForWindowActive(app.visible()));

    QWidget* first = app.control<QWidget>(order.first());
    QVERIFY(first);
    first->setFocus(Qt::TabFocusReason);
    QStringList walked;
    for (int i = 0; i <= order.size(); ++i) {
        walked << focusedName();
        press(Qt::Key_Tab);
    }
    // Round the screen and back to the start.
    QCOMPARE(walked, QStringList(order) << order.first());
}

void TestKeyboard::returnOnARowOpensIt_data()
{
    // What a double-click on row 1 opens: another screen, or a control shown.
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("opens");
    QTest::addColumn<QString>("focus"); // where typing goes next ("" not checked)
    // The editor opens on its grid, so Return, or a second scan of the tag, edits a cell.
    QTest::newRow("batches in progress") << "ExistingInventory"
                                         << "ExistingInventory2"
                                         << "Grid1";
    QTest::newRow("completed list") << "Completed1"
                                    << "Completed2"
                                    << "";
    QTest::newRow("recipe list") << "ModifyRecipe"
                                 << "ModifyRecipe2"
                                 << "";
    QTest::newRow("things to do: the action panel") << "ThingsToDoToday"
                                                    << "UpdateCommand"
                                                    << "AmountText";
    QTest::newRow("batch editor: the cell box") << "ExistingInventory2"
                                                << "Text1"
                                                << "Text1";
}

void TestKeyboard::returnOnARowOpensIt()
{
    QFETCH(QString, screen);
    QFETCH(QString, opens);
    QFETCH(QString, focus);
    DataFixture fx;
    fillShop(fx);
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(open(app, screen));
    widgets::Grid* list = grid(app);
    QVERIFY(list);
    list->setFocus(Qt::TabFocusReason);
    QVERIFY(list->setCurrentCell(1, std::max(1, list->fixedCols())));
    press(Qt::Key_Return);
    AppHarness::settle();
    auto* control = app.control<QWidget>(opens);
    if (control)
        QVERIFY(control->isVisible());
    else
        QCOMPARE(app.visibleName(), opens);
    if (!focus.isEmpty())
        QCOMPARE(focusedName(), focus);
    QVERIFY(script.shown().isEmpty());
}

void TestKeyboard::pickFromAListKeepsTheFocusInItsBox()
{
    DataFixture fx;
    fillShop(fx);
    fx.writeLines(QStringLiteral("Misc/Varieties.txt"),
                  {QStringLiteral("Cabernet Sauvignon"), QStringLiteral("  Pinot Noir  "),
                   QStringLiteral("Chardonnay")});
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(open(app, QStringLiteral("NewBatch")));
    QLineEdit* name = box(app, QStringLiteral("Name_TextBox"));
    QLineEdit* variety = box(app, QStringLiteral("Variety_Text"));
    QLineEdit* colour = box(app, QStringLiteral("Colour_Text"));
    auto* varieties = app.control<QListWidget>(QStringLiteral("Variety_List"));
    auto* colours = app.control<QListWidget>(QStringLiteral("Colour_List"));
    name->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(name, QStringLiteral("Jane Doe"));

    // By mouse: the pick goes into the box, which keeps the focus, cursor at its end.
    clickIn(variety);
    QVERIFY(varieties->isVisible());
    doubleClickItem(varieties, QStringLiteral("  Pinot Noir  "));
    QVERIFY(!varieties->isVisible());
    QCOMPARE(focused(), variety);
    QVERIFY(!variety->hasSelectedText());
    QCOMPARE(variety->cursorPosition(), 10);
    press(Qt::Key_Exclam);
    QCOMPARE(variety->text(), QStringLiteral("Pinot Noir!"));
    QCOMPARE(name->text(), QStringLiteral("Jane Doe"));

    // By keyboard: Down opens the list, Return picks, Escape closes it.
    press(Qt::Key_Tab);
    QCOMPARE(focused(), colour);
    press(Qt::Key_Down);
    QVERIFY(colours->isVisible());
    QCOMPARE(focused(), colours);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    QVERIFY(!colours->isVisible());
    QCOMPARE(colour->text(), QStringLiteral("Red"));
    QCOMPARE(focused(), colour);
    QCOMPARE(colour->cursorPosition(), 3);
    press(Qt::Key_Down);
    QVERIFY(colours->isVisible());
    press(Qt::Key_Escape);
    QVERIFY(!colours->isVisible());
    QCOMPARE(focused(), colour);
    QCOMPARE(colour->text(), QStringLiteral("Red"));
    QCOMPARE(app.visibleName(), QStringLiteral("NewBatch"));
    QVERIFY(script.shown().isEmpty());
}

void TestKeyboard::pickListsCloseWhenTheirBoxIsLeft()
{
    DataFixture fx;
    fillShop(fx);
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(open(app, QStringLiteral("NewBatch")));
    QLineEdit* variety = box(app, QStringLiteral("Variety_Text"));
    QLineEdit* colour = box(app, QStringLiteral("Colour_Text"));
    auto* varieties = app.control<QListWidget>(QStringLiteral("Variety_List"));
    auto* colours = app.control<QListWidget>(QStringLiteral("Colour_List"));

    clickIn(variety);
    QVERIFY(varieties->isVisible());
    QTest::keyClicks(variety, QStringLiteral("Gam"));
    press(Qt::Key_Tab); // on to Colour_Text, under the list
    QCOMPARE(focused(), colour);
    QVERIFY(!varieties->isVisible());
    QCOMPARE(variety->text(), QStringLiteral("Gam"));

    clickIn(colour);
    QVERIFY(colours->isVisible());
    clickIn(box(app, QStringLiteral("Vintage_TextBox")));
    QVERIFY(!colours->isVisible());

    // Going into the list itself keeps it open.
    clickIn(variety);
    QVERIFY(varieties->isVisible());
    QTest::mouseClick(varieties->viewport(), Qt::LeftButton, Qt::NoModifier,
                      varieties->visualItemRect(varieties->item(0)).center());
    QVERIFY(varieties->isVisible());
    QCOMPARE(focused(), varieties);
    QVERIFY(script.shown().isEmpty());
}

void TestKeyboard::leavingWithChangesAsksOnce_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("way");    // "quit", "title bar" or "save no"
    QTest::addColumn<QString>("change"); // "", "typed" or "open edit"
    QTest::addColumn<int>("answer");     // to the question to leave: 0 leave, 1 stay
    QTest::addColumn<QString>("then");   // the screen shown afterwards
    QTest::addColumn<QStringList>("asked");
    const QStringList leave{kLeaveQuestion};
    const QStringList saveThenLeave{kSaveQuestion, kLeaveQuestion};
    const struct
    {
        const char* screen;
        const char* back;
    } editors[] = {{"ExistingInventory2", "ExistingInventory"},
                   {"NewRecipe", "MainMenu"},
                   {"ModifyRecipe2", "MainMenu"}};
    for (const auto& editor : editors) {
        for (const char* way : {"quit", "title bar", "save no"}) {
            if (QByteArray(editor.screen) == "NewRecipe" && QByteArray(way) == "save no")
                continue; // it saves without a question
            const QStringList before =
                QByteArray(way) == "save no" ? QStringList{kSaveQuestion} : QStringList();
            const QStringList both = QByteArray(way) == "save no" ? saveThenLeave : leave;
            const QByteArray row = QByteArray(editor.screen) + ", " + way;
            QTest::newRow(row + ", nothing changed")
                << editor.screen << way << "" << 1 << editor.back << before;
            QTest::newRow(row + ", changed, stay")
                << editor.screen << way << "typed" << 1 << editor.screen << both;
            QTest::newRow(row + ", edit still open, stay")
                << editor.screen << way << "open edit" << 1 << editor.screen << both;
            QTest::newRow(row + ", changed, leave")
                << editor.screen << way << "typed" << 0 << editor.back << both;
        }
    }
}

void TestKeyboard::leavingWithChangesAsksOnce()
{
    QFETCH(QString, screen);
    QFETCH(QString, way);
    QFETCH(QString, change);
    QFETCH(int, answer);
    QFETCH(QString, then);
    QFETCH(QStringList, asked);
    DataFixture fx;
    fillShop(fx);
    const auto before = fx.snapshot();
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(open(app, screen));

    // A change: a cell typed and stored, or still open in the cell editor.
    const bool recipe = screen != QLatin1String("ExistingInventory2");
    const int row = 1;
    const int col = recipe ? 1 : 5;
    QString typed;
    if (!change.isEmpty()) {
        user::typeInCell(app, row, col, QStringLiteral("stirred well"));
        QLineEdit* overlay = box(app, QStringLiteral("Text1"));
        typed = overlay->text();
        if (change == QLatin1String("typed"))
            QTest::keyClick(overlay, Qt::Key_Return);
    }

    if (way == QLatin1String("save no"))
        script.answer(1);
    if (!change.isEmpty())
        script.answer(answer);
    // Quit is CommandButton1 in the batch editor and CommandButton2 in a recipe
    // editor; Save is the other one.
    const QString quit = QStringLiteral("CommandButton%1").arg(recipe ? 2 : 1);
    const QString save = QStringLiteral("CommandButton%1").arg(recipe ? 1 : 2);
    if (way == QLatin1String("title bar"))
        app.visible()->close();
    else
        QVERIFY(app.click(way == QLatin1String("quit") ? quit : save));
    AppHarness::settle();

    QCOMPARE(script.texts(), asked);
    QCOMPARE(app.visibleName(), then);
    QCOMPARE(fx.snapshot(), before);
    if (then == screen) {
        // Back in the editor with what was typed, still open if it was (a recipe
        // editor's Save stores an open edit before it asks).
        const bool stillOpen =
            change == QLatin1String("open edit") && !(recipe && way == QLatin1String("save no"));
        QCOMPARE(box(app, QStringLiteral("Text1"))->isVisible(), stillOpen);
        QCOMPARE(stillOpen ? box(app, QStringLiteral("Text1"))->text()
                           : grid(app)->textAt(row, col),
                 typed);
    }
    QCOMPARE(script.pendingAnswers(), 0);
}

VINTRELO_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
