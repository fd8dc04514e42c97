// One data folder shared by a PC in English and a PC in French. Run once in
// each language: this PC shows what the other wrote in its own words, keeps
// the other's texts in every line nobody changed, and writes the program's
// own words (colours, the default note) in English.
#include "../tasks/TaskTesting.h"
#include "MessageScript.h"
#include "RecordScreens.h"
#include "TestMain.h"

#include <QListWidget>

using namespace records;
using store::BatchHeader;
using tasks_testing::action;
using tasks_testing::activeFile;
using tasks_testing::bytesOf;

namespace {

const QString kBatch = QStringLiteral("2026-000040"); // the counter names 41 next

bool inFrench()
{
    return QLocale().language() == QLocale::French;
}

// The PC that wrote the folder: the other language.
QLocale otherPc()
{
    return inFrench() ? QLocale(QLocale::English, QLocale::UnitedStates)
                      : QLocale(QLocale::French, QLocale::Canada);
}

QString otherDate(int month, int day)
{
    return store::formatLongDate(QDate(2026, month, day), otherPc());
}

QString thisDate(int month, int day)
{
    return store::formatLongDate(QDate(2026, month, day));
}

// What each PC shows and once wrote: the given words and their French.
QString otherWord(const QString& english, const QString& french)
{
    return inFrench() ? english : french;
}
QString thisWord(const QString& english, const QString& french)
{
    return inFrench() ? french : english;
}

const QString kNoteEnglish = QStringLiteral("New action manually created");
const QString kNoteFrench = QStringLiteral("Nouvelle opération créée manuellement");

// Started December 1 on the other PC: a note, then two actions still to do.
store::BatchFile otherPcsBatch()
{
    store::BatchFile batch = sampleBatch(0, QStringLiteral("Ann Smith"));
    batch.header.setField(BatchHeader::StartDate, otherDate(12, 1));
    batch.header.setField(BatchHeader::Colour,
                          otherWord(QStringLiteral("Red"), QStringLiteral("Rouge")));
    store::ActionRecord note =
        action(QString(), otherDate(12, 1), otherWord(kNoteEnglish, kNoteFrench));
    note.DateCompleted = otherDate(12, 1);
    batch.records = {note, action(QStringLiteral("8"), otherDate(12, 8), QStringLiteral("Rack")),
                     action(QStringLiteral("15"), otherDate(12, 15), QStringLiteral("Bottle"))};
    return batch;
}

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
    DataFixture fx;
    writeShopRecipe(fx);
    store::BatchFile batch = otherPcsBatch();
    fx.writeBatch(kBatch, batch);
    MessageScript script;

    // December 8: the action due today shows, and opens, with this PC's date.
    {
        AppHarness app(fx, QDate(2026, 12, 8));
        tasks_testing::openTaskList(app);
        QCOMPARE(tasks_testing::grid(app)->rows(), 2);
        tasks_testing::doubleClickRow(app, 1);
        QCOMPARE(tasks_testing::labelText(app, QStringLiteral("DueDateLabel")), thisDate(12, 8));
        tasks_testing::type(app, QStringLiteral("AmountText"), QStringLiteral("5 g"));
        tasks_testing::tick(app);
        QVERIFY(app.click(QStringLiteral("UpdateCommand")));
        // Only what was done is written; its due date stays as the other PC wrote it.
        batch.records[1].Amount = QStringLiteral("5 g");
        batch.records[1].DateCompleted = thisDate(12, 8);
        QCOMPARE(fx.bytes(activeFile(kBatch)), bytesOf(batch));
    }

    // The editor shows the other PC's dates and words in this PC's.
    {
        AppHarness app(fx, QDate(2026, 12, 9));
        QVERIFY(openEditor(app, kBatch));
        widgets::Grid* actions = grid(app);
        QCOMPARE(actions->textAt(1, 1), store::formatLongDate(QDate(2026, 12, 1)));
        QCOMPARE(actions->textAt(1, 2), thisWord(kNoteEnglish, kNoteFrench));
        QCOMPARE(actions->textAt(1, 6), thisDate(12, 1));
        QCOMPARE(actions->textAt(3, 1), thisDate(12, 15));
        QCOMPARE(tasks_testing::labelText(app, QStringLiteral("Colour_Label")),
                 thisWord(QStringLiteral("Red"), QStringLiteral("Rouge")));
        QCOMPARE(tasks_testing::labelText(app, QStringLiteral("StartDate_Label")), thisDate(12, 1));

        // A note typed in row 3 is all that changes: every other line stays as written.
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
        tasks_testing::openTaskList(app);
        tasks_testing::doubleClickRow(app, 1);
        tasks_testing::postpone(app, QStringLiteral("2"));
        QCOMPARE(app.visibleName(), QStringLiteral("InsertNewAction"));
        QCOMPARE(app.control<QLineEdit>(QStringLiteral("Text4"))->text(),
                 thisWord(kNoteEnglish, kNoteFrench));
        QVERIFY(app.click(QStringLiteral("CommandButton3")));
        store::ActionRecord note = action(QString(), thisDate(12, 15), kNoteEnglish);
        note.DateCompleted = thisDate(12, 15);
        batch.records[2].DayNumber = QStringLiteral("17");
        batch.records[2].DueDate = thisDate(12, 17);
        batch.records.insert(2, note);
        QCOMPARE(fx.bytes(activeFile(kBatch)), bytesOf(batch));
    }

    // A new batch: the colour offered in this PC's words is written in English.
    {
        AppHarness app(fx, QDate(2026, 12, 15));
        QVERIFY(openFromMenu(app, QStringLiteral("CommandButton2")));
        QCOMPARE(app.visibleName(), QStringLiteral("NewBatch"));
        tasks_testing::type(app, QStringLiteral("Name_TextBox"), QStringLiteral("Bo Li"));
        tasks_testing::type(app, QStringLiteral("Variety_Text"), QStringLiteral("Gamay"));
        auto* colours = app.control<QListWidget>(QStringLiteral("Colour_List"));
        QCOMPARE(colours->item(1)->text(),
                 thisWord(QStringLiteral("Red"), QStringLiteral("Rouge")));
        QCOMPARE(colours->item(2)->text(),
                 thisWord(QStringLiteral("Blush"), QStringLiteral("Rosé")));
        tasks_testing::type(app, QStringLiteral("Colour_Text"), colours->item(2)->text());
        auto* recipes = app.control<QListWidget>(QStringLiteral("List1"));
        recipes->setCurrentRow(0);
        QVERIFY(app.click(QStringLiteral("CommandButton2")));
        QCOMPARE(app.visibleName(), QStringLiteral("NewBatch2"));
        QCOMPARE(tasks_testing::labelText(app, QStringLiteral("Colour_Label")),
                 thisWord(QStringLiteral("Blush"), QStringLiteral("Rosé")));
        QVERIFY(app.click(QStringLiteral("Continue_Command")));
        const QStringList written =
            tasks_testing::linesOf(fx, activeFile(QStringLiteral("2026-000041")));
        QVERIFY(written.size() > BatchHeader::Colour);
        QCOMPARE(written.at(BatchHeader::Colour), QStringLiteral("Blush"));
    }
}

VINTRELO_TEST_MAIN(TwoLanguagesTest)
#include "tst_two_languages.moc"
