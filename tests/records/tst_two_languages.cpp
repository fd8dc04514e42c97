// One data folder shared by a PC in English and a PC in French, run once in
// each language: this PC shows what the other wrote in its own words, keeps the
// other's text in every line nobody changed, and writes its own words in English.
#include "../tasks/TaskTesting.h"
#include "MessageScript.h"
#include "RecordScreens.h"
#include "TestMain.h"

#include <QListWidget>

using namespace records;
using namespace tasks_testing;
using store::BatchHeader;

namespace {

const QString kBatch = QStringLiteral("2026-000040"); // the counter names 41 next

bool inFrench()
{
    return QLocale().language() == QLocale::French;
}

// A given word as this PC shows it (mine) and as the other PC wrote it.
QString mine(const char* english, const char* french)
{
    return QString::fromUtf8(inFrench() ? french : english);
}
QString theirs(const char* english, const char* french)
{
    return QString::fromUtf8(inFrench() ? english : french);
}

QString myDate(int day)
{
    return store::formatLongDate(QDate(2026, 12, day));
}
QString theirDate(int day)
{
    const QLocale other = inFrench() ? QLocale(QLocale::English, QLocale::UnitedStates)
                                     : QLocale(QLocale::French, QLocale::Canada);
    return store::formatLongDate(QDate(2026, 12, day), other);
}

const char* const kNote[] = {"New action manually created",
                             "Nouvelle opération créée manuellement"};

} // namespace

class TwoLanguagesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }
    void aWeekOnAFolderTheOtherPcWrote();
};

void TwoLanguagesTest::aWeekOnAFolderTheOtherPcWrote()
{
    // Started December 1 on the other PC: a note, then two actions to do.
    DataFixture fx;
    writeShopRecipe(fx);
    store::BatchFile batch = sampleBatch(0, QStringLiteral("Ann Smith"));
    batch.header.setField(BatchHeader::StartDate, theirDate(1));
    batch.header.setField(BatchHeader::Colour, theirs("Red", "Rouge"));
    store::ActionRecord note = action(QString(), theirDate(1), theirs(kNote[0], kNote[1]));
    note.DateCompleted = theirDate(1);
    batch.records = {note, action(QStringLiteral("8"), theirDate(8), QStringLiteral("Rack")),
                     action(QStringLiteral("15"), theirDate(15), QStringLiteral("Bottle"))};
    fx.writeBatch(kBatch, batch);
    MessageScript script;

    // December 8: the action opens with this PC's date; its own stays in the file.
    {
        AppHarness app(fx, QDate(2026, 12, 8));
        openTaskList(app);
        doubleClickRow(app, 1);
        QCOMPARE(labelText(app, QStringLiteral("DueDateLabel")), myDate(8));
        tick(app);
        QVERIFY(app.click(QStringLiteral("UpdateCommand")));
        batch.records[1].DateCompleted = myDate(8);
        QCOMPARE(fx.bytes(activeFile(kBatch)), bytesOf(batch));
    }
    // The editor shows the other PC's dates and words in this PC's; a note
    // typed in row 3 is all that changes in the file.
    {
        AppHarness app(fx, QDate(2026, 12, 9));
        QVERIFY(openEditor(app, kBatch));
        widgets::Grid* actions = records::grid(app);
        QCOMPARE(actions->textAt(1, 1), myDate(1));
        QCOMPARE(actions->textAt(1, 2), mine(kNote[0], kNote[1]));
        QCOMPARE(labelText(app, QStringLiteral("Colour_Label")), mine("Red", "Rouge"));
        user::typeInCell(app, 3, 5, QStringLiteral("racked once"));
        clickCell(actions, 2, 5);
        script.answer(0);
        QVERIFY(app.click(QStringLiteral("CommandButton2")));
        batch.records[2].Notes = QStringLiteral("racked once");
        QCOMPARE(fx.bytes(activeFile(kBatch)), bytesOf(batch));
    }
    // December 15: postponed two days; the default note is written in English.
    {
        AppHarness app(fx, QDate(2026, 12, 15));
        openTaskList(app);
        doubleClickRow(app, 1);
        postpone(app, QStringLiteral("2"));
        QCOMPARE(app.control<QLineEdit>(QStringLiteral("Text4"))->text(), mine(kNote[0], kNote[1]));
        QVERIFY(app.click(QStringLiteral("CommandButton3")));
        store::ActionRecord postponed = action(QString(), myDate(15), kNote[0]);
        postponed.DateCompleted = myDate(15);
        batch.records[2].DayNumber = QStringLiteral("17");
        batch.records[2].DueDate = myDate(17);
        batch.records.insert(2, postponed);
        QCOMPARE(fx.bytes(activeFile(kBatch)), bytesOf(batch));
    }
    // A new batch: the colour, offered and shown in this PC's words, is written in English.
    {
        AppHarness app(fx, QDate(2026, 12, 15));
        QVERIFY(openFromMenu(app, QStringLiteral("CommandButton2")));
        type(app, QStringLiteral("Name_TextBox"), QStringLiteral("Bo Li"));
        type(app, QStringLiteral("Variety_Text"), QStringLiteral("Gamay"));
        auto* colours = app.control<QListWidget>(QStringLiteral("Colour_List"));
        QCOMPARE(colours->item(2)->text(), mine("Blush", "Rosé"));
        type(app, QStringLiteral("Colour_Text"), colours->item(2)->text());
        app.control<QListWidget>(QStringLiteral("List1"))->setCurrentRow(0);
        QVERIFY(app.click(QStringLiteral("CommandButton2")));
        QVERIFY(app.click(QStringLiteral("Continue_Command")));
        QCOMPARE(linesOf(fx, activeFile(QStringLiteral("2026-000041"))).value(BatchHeader::Colour),
                 QStringLiteral("Blush"));
    }
}

VINTRELO_TEST_MAIN(TwoLanguagesTest)
#include "tst_two_languages.moc"
