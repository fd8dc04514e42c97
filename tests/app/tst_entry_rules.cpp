// What the screens do with the values that pass through them: text pasted into
// any box stays on one line of its file, values show as plain text exactly as
// stored, and a long value never squeezes the values beside it.
#include "MessageScript.h"
#include "ScreenWalk.h"
#include "TestMain.h"
#include "store/TextLines.h"
#include "widgets/ValueLabel.h"

#include <QAbstractButton>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QToolTip>

using namespace screen_walk;

namespace {

// Every kind of line break, and a tab.
QString breaksEverywhere()
{
    return QStringLiteral("Jane\r\nDoe\nA\rB") + QChar(0x85) + QStringLiteral("C") + QChar(0x2028) +
           QStringLiteral("D") + QChar(0x2029) + QStringLiteral("E\vF\fG\tH");
}

const QString kOneLine = QStringLiteral("Jane Doe A B C D E F G H");

QStringList linesOf(const DataFixture& fx, const QString& relative)
{
    return store::decodeLines(fx.bytes(relative));
}

QString activeFile(const QString& batchId)
{
    return QStringLiteral("Active Batches/") + batchId + QStringLiteral(".txt");
}

QLineEdit* box(AppHarness& app, const QString& name)
{
    return app.control<QLineEdit>(name);
}

void openFirstTask(AppHarness& app)
{
    QVERIFY(open(app, QStringLiteral("ThingsToDoToday")));
    QCOMPARE(grid(app)->rows(), 2);
    doubleClickCell(grid(app), 1, 1);
    QVERIFY(box(app, QStringLiteral("NotesText"))->isVisible());
}

// A batch whose header values are `name` and `address`, and whose first action
// (due, so listed today) is `action`.
store::BatchFile batchShowing(const QString& name, const QString& address, const QString& action)
{
    store::BatchFile batch = sampleBatch(2, name);
    batch.header.setField(store::BatchHeader::Address, address);
    batch.records[0].Action = action;
    return batch;
}

// Header lines 1 to 19: a value label, the caption a user reads beside it (the
// province's caption differs between the preview and the batch screens), the
// start-up form's box for it, and a value distinct from all the others.
struct Particular
{
    const char* label;
    QString caption;
    const char* entryBox;
    QString value;
};

QVector<Particular> particulars(const QString& provinceCaption)
{
    return {
        {"Name_Label", "Name:", "Name_TextBox", QStringLiteral("Ann Smith")},
        {"Address_Label", "Address:", "Address_TextBox", QStringLiteral("12 Vine St")},
        {"City_Label", "City / Town: ", "City_TextBox", QStringLiteral("Kelowna")},
        {"Province_Label", provinceCaption, "Province_TextBox", QStringLiteral("BC")},
        {"PostalCode_Label", "Postal / Zip Code : ", "PostalCode_TextBox",
         QStringLiteral("V1Y 2K3")},
        {"Phone1_Label", "Phone Number #1 : ", "Phone1_TextBox", QStringLiteral("555-0101")},
        {"Phone2_Label", "Phone Number #2 : ", "Phone2_TextBox", QStringLiteral("555-0102")},
        {"email_Label", "Email Address:", "Email_TextBox", QStringLiteral("ann@example.com")},
        {"OtherID_Label", "Other I.D.:", "OtherID_TextBox", QStringLiteral("Locker 7")},
        {"SerialNumber_Label", "Serial Number:", "SerialNumber_TextBox", QStringLiteral("SN-88")},
        {"Variety_Label", "Variety:", "Variety_Text", QStringLiteral("Pinot Noir")},
        {"Colour_Label", "Colour:", "Colour_Text", QStringLiteral("Blush")},
        {"Vintage_Label", "Vintage:", "Vintage_TextBox", QStringLiteral("2025")},
        {"MustType_Label", "Must Type:", "MustType_TextBox", QStringLiteral("Kit")},
        {"Source_Label", "Source:", "Source_TextBox", QStringLiteral("Okanagan")},
        {"BatchSize_Label", "Batch Size:", "BatchSize_TextBox", QStringLiteral("23 L")},
        {"Cost_Label", "Cost:", "Cost_TextBox", QStringLiteral("$149.99")},
        {"Vintner_Label", "Vintner:", "Vintner_TextBox", QStringLiteral("Joe")},
        {"StartDate_Label", "Start Date:", "Date_TextBox", longDate(2026, 12, 1)}};
}

// The text of the nearest label to the left of `value`, on its line.
QString captionBeside(const QWidget* window, const QLabel* value)
{
    const QRect at(value->mapTo(window, QPoint(0, 0)), value->size());
    const QLabel* nearest = nullptr;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        const QRect other(label->mapTo(window, QPoint(0, 0)), label->size());
        if (!label->isVisible() || other.right() >= at.left() || other.center().y() < at.top() ||
            other.center().y() > at.bottom())
            continue;
        if (!nearest || other.right() > nearest->mapTo(window, QPoint(nearest->width(), 0)).x())
            nearest = label;
    }
    return nearest ? nearest->text() : QString();
}

} // namespace

class TestEntryRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }
    void pastedLineBreaksBecomeBlanks_data();
    void pastedLineBreaksBecomeBlanks();
    void valuesShowAsPlainText_data();
    void valuesShowAsPlainText();
    void longValueIsShortenedAndShownWholeInItsTooltip_data();
    void longValueIsShortenedAndShownWholeInItsTooltip();
    void valuesShowBesideTheirCaptions_data();
    void valuesShowBesideTheirCaptions();
};

void TestEntryRules::pastedLineBreaksBecomeBlanks_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("stored"); // what the file then holds
    const QString all = breaksEverywhere();
    QTest::newRow("start-up form") << "NewBatch" << all << kOneLine;
    QTest::newRow("batch editor cell") << "ExistingInventory2" << all << kOneLine;
    QTest::newRow("recipe step cell") << "recipe step" << all << kOneLine;
    QTest::newRow("recipe description") << "recipe description" << all << kOneLine;
    QTest::newRow("task notes") << "ThingsToDoToday" << all << kOneLine;
    QTest::newRow("postpone days")
        << "PushText" << QStringLiteral("1\r\n0") << longDate(2026, 12, 11);
    QTest::newRow("manual action") << "InsertNewAction" << all << kOneLine;
}

void TestEntryRules::pastedLineBreaksBecomeBlanks()
{
    QFETCH(QString, where);
    QFETCH(QString, pasted);
    QFETCH(QString, stored);
    DataFixture fx;
    fillShop(fx);
    MessageScript script;
    AppHarness app(fx);
    const QString batchFile = activeFile(kActiveBatch);

    if (where == QLatin1String("NewBatch")) {
        QVERIFY(open(app, where));
        paste(box(app, QStringLiteral("Name_TextBox")), pasted);
        QCOMPARE(box(app, QStringLiteral("Name_TextBox"))->text(), stored);
        box(app, QStringLiteral("Variety_Text"))->setText(QStringLiteral("Merlot"));
        box(app, QStringLiteral("Colour_Text"))->setText(QStringLiteral("Red"));
        app.control<QListWidget>(QStringLiteral("List1"))->setCurrentRow(0);
        QVERIFY(app.click(QStringLiteral("CommandButton2")));
        QVERIFY(app.click(QStringLiteral("Continue_Command")));
        QCOMPARE(app.visibleName(), QStringLiteral("NewBatch3"));
        const QStringList lines = linesOf(fx, activeFile(QStringLiteral("2026-000041")));
        QCOMPARE(lines.size(), 26 + 2 * 13);
        QCOMPARE(lines.at(0), stored);
    } else if (where == QLatin1String("ExistingInventory2")) {
        QVERIFY(open(app, where));
        doubleClickCell(grid(app), 1, 5);
        QLineEdit* overlay = box(app, QStringLiteral("Text1"));
        QVERIFY(overlay->isVisible());
        paste(overlay, pasted);
        QTest::keyClick(overlay, Qt::Key_Return);
        script.answer(0);
        QVERIFY(app.click(QStringLiteral("CommandButton2")));
        const QStringList lines = linesOf(fx, batchFile);
        QCOMPARE(lines.size(), 26 + 2 * 13);
        QCOMPARE(lines.at(26 + 5), stored);
    } else if (where.startsWith(QLatin1String("recipe"))) {
        QVERIFY(open(app, QStringLiteral("NewRecipe")));
        if (where == QLatin1String("recipe step")) {
            box(app, QStringLiteral("Name_TextBox"))->setText(QStringLiteral("Kit"));
            doubleClickCell(grid(app), 1, 1);
            paste(box(app, QStringLiteral("Text1")), pasted);
            QTest::keyClick(box(app, QStringLiteral("Text1")), Qt::Key_Return);
            doubleClickCell(grid(app), 1, 0);
            QTest::keyClicks(box(app, QStringLiteral("Text1")), QStringLiteral("1"));
            QTest::keyClick(box(app, QStringLiteral("Text1")), Qt::Key_Return);
        } else {
            paste(box(app, QStringLiteral("Name_TextBox")), pasted);
        }
        QVERIFY(app.click(QStringLiteral("CommandButton1")));
        QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
        const QStringList lines = linesOf(fx, QStringLiteral("Recipes/0004.txt"));
        if (where == QLatin1String("recipe step")) {
            QCOMPARE(lines.size(), 2);
            QVERIFY2(lines.at(1).endsWith(QLatin1Char(' ') + stored), qPrintable(lines.at(1)));
        } else {
            QCOMPARE(lines, QStringList{QStringLiteral("0004 - ") + stored});
        }
    } else if (where == QLatin1String("ThingsToDoToday")) {
        openFirstTask(app);
        paste(box(app, QStringLiteral("NotesText")), pasted);
        QTest::mouseClick(app.control<QAbstractButton>(QStringLiteral("CheckBox1")), Qt::LeftButton,
                          Qt::NoModifier, QPoint(8, 8));
        QVERIFY(app.click(QStringLiteral("UpdateCommand")));
        const QStringList lines = linesOf(fx, batchFile);
        QCOMPARE(lines.size(), 26 + 2 * 13);
        QCOMPARE(lines.at(26 + 5), stored);
    } else {
        openFirstTask(app);
        QVERIFY(app.click(QStringLiteral("PushCommand")));
        QLineEdit* days = box(app, QStringLiteral("PushText"));
        if (where == QLatin1String("PushText")) {
            paste(days, pasted);
        } else {
            user::type(days, QStringLiteral("3"));
        }
        QVERIFY(app.click(QStringLiteral("CommandButton3")));
        QCOMPARE(app.visibleName(), QStringLiteral("InsertNewAction"));
        if (where == QLatin1String("PushText")) {
            QCOMPARE(linesOf(fx, batchFile).at(26 + 1), stored);
        } else {
            paste(box(app, QStringLiteral("Text4")), pasted);
            QVERIFY(app.click(QStringLiteral("CommandButton3")));
            QCOMPARE(app.visibleName(), QStringLiteral("ThingsToDoToday"));
            const QStringList lines = linesOf(fx, batchFile);
            QCOMPARE(lines.size(), 26 + 3 * 13);
            QCOMPARE(lines.at(26 + 2), stored);
        }
    }
    QVERIFY(script.unexpected().isEmpty());
}

void TestEntryRules::valuesShowAsPlainText_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("labels"); // each must show exactly its value
    QTest::addColumn<QStringList>("values");
    const QString name = QStringLiteral("<b>Carl</b> Bold");
    const QString address = QStringLiteral("<i>1 Main</i> &amp; <font color=red>2nd</font>");
    const QString action = QStringLiteral("<u>Stir</u> <br>twice");
    QTest::newRow("batch editor") << "ExistingInventory2"
                                  << QStringList{"Name_Label", "Address_Label"}
                                  << QStringList{name, address};
    QTest::newRow("completed view")
        << "Completed2" << QStringList{"Name_Label", "Address_Label"} << QStringList{name, address};
    QTest::newRow("schedule preview") << "NewBatch2" << QStringList{"Name_Label", "Label41"}
                                      << QStringList{name, "Selected Recipe: " + name};
    QTest::newRow("things to do today")
        << "ThingsToDoToday" << QStringList{"ActionLabel"} << QStringList{action};
    QTest::newRow("recipe number")
        << "ModifyRecipe2" << QStringList{"RecipeNumber"} << QStringList{kRecipe};
}

void TestEntryRules::valuesShowAsPlainText()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, values);
    const QString name = QStringLiteral("<b>Carl</b> Bold");
    const QString address = QStringLiteral("<i>1 Main</i> &amp; <font color=red>2nd</font>");
    DataFixture fx;
    fillShop(fx, batchShowing(name, address, QStringLiteral("<u>Stir</u> <br>twice")),
             batchShowing(name, address, QStringLiteral("Stir")));
    fx.writeRecipe(QStringLiteral("0009"), name, {});
    MessageScript script;
    AppHarness app(fx);

    if (screen == QLatin1String("NewBatch2")) {
        QVERIFY(open(app, QStringLiteral("NewBatch")));
        box(app, QStringLiteral("Name_TextBox"))->setText(name);
        box(app, QStringLiteral("Variety_Text"))->setText(QStringLiteral("Merlot"));
        box(app, QStringLiteral("Colour_Text"))->setText(QStringLiteral("Red"));
        app.control<QListWidget>(QStringLiteral("List1"))->setCurrentRow(1); // recipe 0009
        QVERIFY(app.click(QStringLiteral("CommandButton2")));
        QCOMPARE(app.visibleName(), screen);
    } else if (screen == QLatin1String("ThingsToDoToday")) {
        openFirstTask(app);
    } else {
        QVERIFY(open(app, screen));
    }
    for (int i = 0; i < labels.size(); ++i) {
        auto* label = app.control<QLabel>(labels.at(i));
        QVERIFY2(label, qPrintable(labels.at(i)));
        QCOMPARE(label->text(), values.at(i));
    }
    // Not just the labels named: no label of the screen reads its text as markup.
    for (const QLabel* label : app.visible()->findChildren<QLabel*>())
        QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
    QVERIFY(script.unexpected().isEmpty());
}

void TestEntryRules::longValueIsShortenedAndShownWholeInItsTooltip_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("batch editor") << "ExistingInventory2";
    QTest::newRow("completed view") << "Completed2";
    QTest::newRow("schedule preview") << "NewBatch2";
}

void TestEntryRules::longValueIsShortenedAndShownWholeInItsTooltip()
{
    QFETCH(QString, screen);
    const QString address =
        QStringLiteral("Unit 4, 1200 Long Vineyard Road <north gate> ").repeated(60).trimmed();
    const QString startDate = longDate(2026, 11, 18);
    store::BatchFile batch =
        batchShowing(QStringLiteral("Ann Smith"), address, QStringLiteral("S"));
    batch.header.setField(store::BatchHeader::StartDate, startDate);
    DataFixture fx;
    fillShop(fx, batch, batch);
    MessageScript script;
    AppHarness app(fx);
    if (screen == QLatin1String("NewBatch2")) {
        QVERIFY(open(app, QStringLiteral("NewBatch")));
        box(app, QStringLiteral("Name_TextBox"))->setText(QStringLiteral("Ann Smith"));
        box(app, QStringLiteral("Address_TextBox"))->setText(address);
        box(app, QStringLiteral("Variety_Text"))->setText(QStringLiteral("Merlot"));
        box(app, QStringLiteral("Colour_Text"))->setText(QStringLiteral("Red"));
        box(app, QStringLiteral("Date_TextBox"))->setText(startDate);
        app.control<QListWidget>(QStringLiteral("List1"))->setCurrentRow(0);
        QVERIFY(app.click(QStringLiteral("CommandButton2")));
    } else {
        QVERIFY(open(app, screen));
    }
    QCOMPARE(app.visibleName(), screen);
    QVERIFY(QTest::qWaitForWindowExposed(app.visible()));

    auto* shownAddress = app.control<widgets::ValueLabel>(QStringLiteral("Address_Label"));
    auto* shownStart = app.control<widgets::ValueLabel>(QStringLiteral("StartDate_Label"));
    QVERIFY(shownAddress && shownStart);
    // The window keeps its size; the long value gives way, its neighbours do not.
    QVERIFY(app.visible()->width() < shownAddress->fontMetrics().horizontalAdvance(address) / 4);
    QCOMPARE(shownStart->shownText(), startDate);
    QCOMPARE(shownAddress->text(), address);
    QVERIFY(shownAddress->isShortened());
    QVERIFY(shownAddress->shownText().endsWith(QChar(0x2026)));
    QVERIFY(address.startsWith(shownAddress->shownText().chopped(1)));

    // Pointing at it shows the whole value, as plain text.
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), shownAddress->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(shownAddress, &help);
    QCOMPARE(QToolTip::text(), widgets::plainToolTip(address));
    QHelpEvent other(QEvent::ToolTip, QPoint(5, 5), shownStart->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(shownStart, &other);
    QTRY_VERIFY(!QToolTip::isVisible());
    QVERIFY(script.unexpected().isEmpty());
}

void TestEntryRules::valuesShowBesideTheirCaptions_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("provinceCaption");
    QTest::newRow("schedule preview") << "NewBatch2"
                                      << "Province / State : ";
    QTest::newRow("batch editor") << "ExistingInventory2"
                                  << "Province / State: ";
    QTest::newRow("completed view") << "Completed2"
                                    << "Province / State: ";
}

void TestEntryRules::valuesShowBesideTheirCaptions()
{
    QFETCH(QString, screen);
    QFETCH(QString, provinceCaption);
    const QVector<Particular> shown = particulars(provinceCaption);
    store::BatchFile batch = sampleBatch(2, shown.at(0).value);
    for (int line = 0; line < shown.size(); ++line)
        batch.header.lines[line] = shown.at(line).value;
    DataFixture fx;
    fillShop(fx, batch, batch);
    MessageScript script;
    AppHarness app(fx);
    if (screen == QLatin1String("NewBatch2")) {
        QVERIFY(open(app, QStringLiteral("NewBatch")));
        for (const Particular& particular : shown)
            box(app, QLatin1String(particular.entryBox))->setText(particular.value);
        app.control<QListWidget>(QStringLiteral("List1"))->setCurrentRow(0);
        QVERIFY(app.click(QStringLiteral("CommandButton2")));
    } else {
        QVERIFY(open(app, screen));
    }
    QCOMPARE(app.visibleName(), screen);
    QVERIFY(QTest::qWaitForWindowExposed(app.visible()));

    for (const Particular& particular : shown) {
        const auto* label = app.control<QLabel>(QLatin1String(particular.label));
        QVERIFY2(label, particular.label);
        QCOMPARE(label->text(), particular.value);
        QCOMPARE(captionBeside(app.visible(), label), particular.caption);
    }
    QVERIFY(script.unexpected().isEmpty());
}

VINTRELO_TEST_MAIN(TestEntryRules)
#include "tst_entry_rules.moc"
