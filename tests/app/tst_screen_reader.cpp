// What a screen reader hears: every screen is opened with data, and every
// control a person can reach with the Tab key must have a name, and every grid
// cell must be read with its column's heading.
#include "AppHarness.h"
#include "DataFixture.h"
#include "MessageScript.h"
#include "TestMain.h"
#include "screens/recipes/ModifyRecipe2.h"
#include "screens/recipes/NewRecipe.h"
#include "screens/records/Completed2.h"
#include "screens/records/ExistingInventory2.h"
#include "screens/tasks/ThingsToDoToday.h"
#include "widgets/Grid.h"

#include <QAccessible>
#include <QLineEdit>

namespace {

QString spokenName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// Reached by Tab, and not a part inside another such control.
bool reachedByTab(const QWidget* widget)
{
    if (!(widget->focusPolicy() & Qt::TabFocus))
        return false;
    for (const QWidget* parent = widget->parentWidget(); parent && !parent->isWindow();
         parent = parent->parentWidget()) {
        if (parent->focusPolicy() & Qt::TabFocus)
            return false;
    }
    return true;
}

// The run state each screen is opened with, as the screens before it leave it.
void prepare(store::RunState& state, const QMetaObject* screen)
{
    if (screen == &screens::ExistingInventory2::staticMetaObject)
        state.SelectedBatchID = QStringLiteral("2026-000041");
    else if (screen == &screens::Completed2::staticMetaObject)
        state.SelectedBatchID = QStringLiteral("2026-000030");
    else if (screen == &screens::ModifyRecipe2::staticMetaObject)
        state.SelectedBatchID = QStringLiteral("0001");
    state.PendingBatch.BatchID = QStringLiteral("2026-000042");
    state.PendingBatch.CustomerName = QStringLiteral("Ann Smith");
    state.PendingBatch.StartDate = QStringLiteral("Tuesday, December 1, 2026");
    state.PendingBatch.RecipeNumber = QStringLiteral("0001");
}

} // namespace

class ScreenReaderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }
    void everyScreenIsReadable();
    void textBoxesAreNamedByTheLabelBesideThem_data();
    void textBoxesAreNamedByTheLabelBesideThem();
};

void ScreenReaderTest::everyScreenIsReadable()
{
    DataFixture fx;
    fx.writeRecipe(QStringLiteral("0001"), QStringLiteral("White kit, four weeks"),
                   {{QStringLiteral("1"), QStringLiteral("Add yeast and stir")},
                    {QStringLiteral("8"), QStringLiteral("Rack")}});
    fx.writeBatch(QStringLiteral("2026-000041"), sampleBatch(3));
    fx.writeBatch(QStringLiteral("2026-000030"), sampleBatch(2),
                  QStringLiteral("Completed Batches"));
    MessageScript script;
    AppHarness app(fx);
    app.start();

    const QList<const QMetaObject*> types = app.shell().screenTypes();
    QVERIFY(types.size() >= 16);
    int gridsHeard = 0;
    for (const QMetaObject* type : types) {
        const QString name = app::Screen::screenName(*type);
        prepare(app.state(), type);
        app::Screen* screen = app.shell().showScreen(*type);
        AppHarness::settle();
        QVERIFY2(screen && screen->isVisible(), qPrintable(name));

        int controls = 0;
        for (QWidget* widget : screen->findChildren<QWidget*>()) {
            if (!reachedByTab(widget))
                continue;
            ++controls;
            QVERIFY2(!spokenName(widget).trimmed().isEmpty(),
                     qPrintable(name + QLatin1Char('/') + widget->objectName()));
        }
        QVERIFY2(controls > 0, qPrintable(name));

        for (widgets::Grid* grid : screen->findChildren<widgets::Grid*>()) {
            if (grid->fixedRows() == 0 || grid->rows() < 2)
                continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(grid);
            QVERIFY(face && face->tableInterface());
            for (int col = 0; col < grid->cols(); ++col) {
                QAccessibleInterface* cell = face->tableInterface()->cellAt(1, col);
                QVERIFY(cell);
                const QString heading = grid->textAt(0, col).simplified();
                const QString text = grid->textAt(1, col);
                const QString expected =
                    heading.isEmpty() ? text
                                      : heading + QStringLiteral(": ") +
                                            (text.isEmpty() ? QStringLiteral("blank") : text);
                QCOMPARE(cell->text(QAccessible::Name), expected);
                // The heading row itself is read as it stands.
                QCOMPARE(face->tableInterface()->cellAt(0, col)->text(QAccessible::Name),
                         grid->textAt(0, col));
            }
            ++gridsHeard;
        }
        app.shell().unloadScreen(screen);
        AppHarness::settle();
    }
    // The task list, both batch lists, the batch editor and view, the preview,
    // the recipe screens and the chart have grids with rows.
    QVERIFY(gridsHeard >= 8);
}

void ScreenReaderTest::textBoxesAreNamedByTheLabelBesideThem_data()
{
    QTest::addColumn<const QMetaObject*>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    const QMetaObject* tasks = &screens::ThingsToDoToday::staticMetaObject;
    QTest::newRow("amount") << tasks << "AmountText"
                            << "Amount";
    QTest::newRow("notes") << tasks << "NotesText"
                           << "Notes";
    QTest::newRow("days to postpone") << tasks << "PushText"
                                      << "How many days forward do you wish to move this action?";
    QTest::newRow("recipe description") << &screens::NewRecipe::staticMetaObject << "Name_TextBox"
                                        << "Give a brief description of this recipe";
}

void ScreenReaderTest::textBoxesAreNamedByTheLabelBesideThem()
{
    QFETCH(const QMetaObject*, screen);
    QFETCH(QString, control);
    QFETCH(QString, name);
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    app.start();
    app::Screen* shown = app.shell().showScreen(*screen);
    QVERIFY(shown);
    auto* box = shown->findChild<QLineEdit*>(control);
    QVERIFY(box);
    QCOMPARE(spokenName(box), name);
}

VINTRELO_TEST_MAIN(ScreenReaderTest)
#include "tst_screen_reader.moc"
