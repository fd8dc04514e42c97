// The chemical and ingredient chart: read from the shop's own file in the data
// folder and shown read-only, with what the user is told when the file is bad.
#include "AppHarness.h"
#include "DataFixture.h"
#include "MessageScript.h"
#include "ShownCells.h"
#include "TestMain.h"
#include "screens/chart/Chart1.h"
#include "store/ChemicalChart.h"
#include "widgets/Grid.h"
#include "widgets/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

const QString kChart = QStringLiteral("Misc/Chemical Ingredients.txt");

QStringList entry(const QString& name, const QString& usage = QStringLiteral("Clearing"))
{
    return {QStringLiteral("Ingredient:        ") + name,
            QStringLiteral("Usage:             ") + usage,
            QStringLiteral("Typical Additions: 1 tsp per 23 L"),
            QStringLiteral("Weights:           1 tsp = 3 g"),
            QStringLiteral("Comments:          Dissolve first"),
            QString(40, QLatin1Char('-'))};
}

} // namespace

class ChartTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { AppHarness::settle(); }

    void valuesStartAfterTheNineteenCharacterLabel_data();
    void valuesStartAfterTheNineteenCharacterLabel();
    void entriesKeepTheirFileOrder();
    void emptyFileIsAnEmptyChart();
    void missingSeparatorOrTrailingBlankLinesLoseNothing();
    void fileEndingInsideAnEntryKeepsTheWholeEntries();
    void missingFileIsNamed();

    void screenShowsTheChartFromTheMainMenu();
    void threeEntriesFillRowsOneToThree();
    void emptyChartShowsOnlyTheHeader();
    void damagedChartShowsWhatWasReadAndNamesTheFile();
    void missingChartLeavesTheScreenUsable();
    void titleBarCloseGoesBackToTheMainMenu();
    void namesAndHeadingsStayWhenScrolled();

private:
    widgets::Grid* openChart(AppHarness& app);
};

void ChartTest::valuesStartAfterTheNineteenCharacterLabel_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("value");
    QTest::newRow("label and name") << "Ingredient:        Bentonite"
                                    << "Bentonite";
    QTest::newRow("blanks after the label kept") << "Ingredient:          Bentonite"
                                                 << "  Bentonite";
    QTest::newRow("exactly 19 characters") << "Ingredient:        "
                                           << "";
    QTest::newRow("shorter than the label") << "Weights:"
                                            << "";
    QTest::newRow("any wording of the label") << "XXXXXXXXXXXXXXXXXXXTartaric acid"
                                              << "Tartaric acid";
}

void ChartTest::valuesStartAfterTheNineteenCharacterLabel()
{
    QFETCH(QString, line);
    QFETCH(QString, value);
    DataFixture fx;
    fx.writeLines(kChart, {line, line, line, line, line, QStringLiteral("--")});
    const store::ChemicalChart chart = store::readChemicalChart(fx.dataRoot());
    QCOMPARE(chart.entries.size(), 1);
    QCOMPARE(chart.entries[0].ingredient, value);
    QCOMPARE(chart.entries[0].comments, value);
    QVERIFY(chart.problem.isEmpty());
}

void ChartTest::entriesKeepTheirFileOrder()
{
    DataFixture fx;
    fx.writeLines(kChart,
                  entry(QStringLiteral("Bentonite")) +
                      entry(QStringLiteral("Potassium Sorbate"), QStringLiteral("Stabilizer")) +
                      entry(QStringLiteral("Tannin")));
    const store::ChemicalChart chart = store::readChemicalChart(fx.dataRoot());
    QCOMPARE(chart.entries.size(), 3);
    QCOMPARE(chart.entries[0].ingredient, QStringLiteral("Bentonite"));
    QCOMPARE(chart.entries[1].ingredient, QStringLiteral("Potassium Sorbate"));
    QCOMPARE(chart.entries[1].usage, QStringLiteral("Stabilizer"));
    QCOMPARE(chart.entries[1].typicalAdditions, QStringLiteral("1 tsp per 23 L"));
    QCOMPARE(chart.entries[1].weights, QStringLiteral("1 tsp = 3 g"));
    QCOMPARE(chart.entries[1].comments, QStringLiteral("Dissolve first"));
    QCOMPARE(chart.entries[2].ingredient, QStringLiteral("Tannin"));
}

void ChartTest::emptyFileIsAnEmptyChart()
{
    DataFixture fx;
    fx.writeBytes(kChart, QByteArray());
    const store::ChemicalChart chart = store::readChemicalChart(fx.dataRoot());
    QVERIFY(chart.entries.isEmpty());
    QVERIFY(chart.problem.isEmpty());
}

void ChartTest::missingSeparatorOrTrailingBlankLinesLoseNothing()
{
    DataFixture fx;
    QStringList lines = entry(QStringLiteral("Bentonite")) + entry(QStringLiteral("Tannin"));
    lines.removeLast();
    fx.writeLines(kChart, lines);
    store::ChemicalChart chart = store::readChemicalChart(fx.dataRoot());
    QCOMPARE(chart.entries.size(), 2);
    QCOMPARE(chart.entries[1].comments, QStringLiteral("Dissolve first"));
    QVERIFY(chart.problem.isEmpty());

    fx.writeLines(kChart, entry(QStringLiteral("Bentonite")) << QString() << QStringLiteral("  "));
    chart = store::readChemicalChart(fx.dataRoot());
    QCOMPARE(chart.entries.size(), 1);
    QVERIFY(chart.problem.isEmpty());
}

void ChartTest::fileEndingInsideAnEntryKeepsTheWholeEntries()
{
    DataFixture fx;
    fx.writeLines(kChart, entry(QStringLiteral("Bentonite")) + entry(QStringLiteral("Tannin")) +
                              entry(QStringLiteral("Sparkolloid")).mid(0, 3));
    const store::ChemicalChart chart = store::readChemicalChart(fx.dataRoot());
    QCOMPARE(chart.entries.size(), 2);
    QCOMPARE(chart.entries[1].ingredient, QStringLiteral("Tannin"));
    QVERIFY(chart.problem.contains(fx.path(kChart)));
    QVERIFY(chart.problem.contains(QStringLiteral("only 3 of its six lines")));
}

void ChartTest::missingFileIsNamed()
{
    DataFixture fx;
    QVERIFY(QFile::remove(fx.path(kChart)));
    const store::ChemicalChart chart = store::readChemicalChart(fx.dataRoot());
    QVERIFY(chart.entries.isEmpty());
    QVERIFY(chart.problem.contains(fx.path(kChart)));
}

widgets::Grid* ChartTest::openChart(AppHarness& app)
{
    app.start();
    if (!app.click(QStringLiteral("CommandButton2")) || app.visibleName() != "MainMenu")
        return nullptr;
    if (!app.click(QStringLiteral("CommandButton5")) || app.visibleName() != "Chart1")
        return nullptr;
    return app.control<widgets::Grid>(QStringLiteral("Grid1"));
}

void ChartTest::screenShowsTheChartFromTheMainMenu()
{
    DataFixture fx;
    const auto before = fx.snapshot();
    MessageScript script;
    AppHarness app(fx);
    widgets::Grid* grid = openChart(app);
    QVERIFY(grid);
    QCOMPARE(app.visible()->windowTitle(), QStringLiteral("Vintrelo"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("Label2"))->text(),
             QStringLiteral("Chemical and Ingredient Chart"));
    QCOMPARE(app.control<QPushButton>(QStringLiteral("CommandButton1"))->text(),
             QStringLiteral("Go Back to Main Menu"));

    QCOMPARE(grid->rows(), 2);
    QCOMPARE(grid->cols(), 5);
    QCOMPARE(grid->fixedRows(), 1);
    QCOMPARE(grid->fixedCols(), 1);
    const QStringList headers{"Ingredient", "Usage", "Typical Additions", "Weights", "Comments"};
    const int widths[] = {200, 267, 300, 300, 333}; // 3000, 4000, 4500, 4500, 5000 twips
    for (int col = 0; col < 5; ++col) {
        QCOMPARE(grid->textAt(0, col), headers[col]);
        QCOMPARE(grid->alignmentAt(0, col) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(grid->columnWidth(col), widths[col]);
        QCOMPARE(grid->alignmentAt(1, col), Qt::AlignLeft | Qt::AlignVCenter);
    }
    QCOMPARE(grid->textAt(1, 0), QStringLiteral("Bentonite"));
    QCOMPARE(grid->textAt(1, 1), QStringLiteral("Clearing"));
    QCOMPARE(grid->textAt(1, 2), QStringLiteral("1 tbsp per 23 L"));
    QCOMPARE(grid->textAt(1, 3), QStringLiteral("1 tbsp = 9 g"));
    QCOMPARE(grid->textAt(1, 4), QStringLiteral("Stir into water first"));
    for (int col = 1; col < 5; ++col)
        QCOMPARE(grid->backgroundAt(1, col), QColor(255, 255, 128));
    for (int row = 0; row < grid->rows(); ++row)
        QVERIFY(grid->rowHeight(row) >= widgets::twipsToPixels(850));
    QCOMPARE(grid->row(), 1);
    QCOMPARE(grid->col(), 1);
    QVERIFY(script.shown().isEmpty());

    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QVERIFY(!app.shell().loadedScreen<screens::Chart1>());
    QCOMPARE(fx.snapshot(), before);
}

void ChartTest::threeEntriesFillRowsOneToThree()
{
    DataFixture fx;
    const QString longComment = QStringLiteral(
        "Caution: do not inhale the fumes; asthmatics and sulphite-sensitive people must avoid "
        "exposure. Needed SO2 rises with pH. Store sealed, cool and dry, away from metal.");
    QStringList lines = entry(QStringLiteral("Bentonite")) + entry(QStringLiteral("Tannin")) +
                        entry(QStringLiteral("Metabisulphite"));
    lines[16] = QStringLiteral("Comments:          ") + longComment;
    fx.writeLines(kChart, lines);
    MessageScript script;
    AppHarness app(fx);
    widgets::Grid* grid = openChart(app);
    QVERIFY(grid);
    QCOMPARE(grid->rows(), 4);
    QCOMPARE(grid->textAt(1, 0), QStringLiteral("Bentonite"));
    QCOMPARE(grid->textAt(2, 0), QStringLiteral("Tannin"));
    QCOMPARE(grid->textAt(3, 0), QStringLiteral("Metabisulphite"));
    QCOMPARE(grid->textAt(3, 4), longComment);
    QCOMPARE(grid->row(), 1);
    QCOMPARE(grid->col(), 1);
    // The long comment is shown whole: its row grows rather than cutting it off.
    QVERIFY(grid->rowHeight(3) > grid->rowHeight(2));
    QVERIFY(script.shown().isEmpty());
}

void ChartTest::emptyChartShowsOnlyTheHeader()
{
    DataFixture fx;
    fx.writeBytes(kChart, QByteArray());
    MessageScript script;
    AppHarness app(fx);
    widgets::Grid* grid = openChart(app);
    QVERIFY(grid);
    QCOMPARE(grid->rows(), 1);
    QCOMPARE(grid->textAt(0, 4), QStringLiteral("Comments"));
    QVERIFY(script.shown().isEmpty());
}

void ChartTest::damagedChartShowsWhatWasReadAndNamesTheFile()
{
    DataFixture fx;
    fx.writeLines(kChart, entry(QStringLiteral("Bentonite")) + entry(QStringLiteral("Tannin")) +
                              entry(QStringLiteral("Sparkolloid")).mid(0, 2));
    const auto before = fx.snapshot();
    MessageScript script;
    script.answer(0);
    AppHarness app(fx);
    widgets::Grid* grid = openChart(app);
    QVERIFY(grid);
    QCOMPARE(grid->rows(), 3);
    QCOMPARE(grid->textAt(2, 0), QStringLiteral("Tannin"));
    QCOMPARE(script.shown().size(), 1);
    QCOMPARE(script.shown()[0].kind, widgets::Messages::Shown::Warning);
    QVERIFY(script.shown()[0].text.contains(fx.path(kChart)));
    // Over the chart, which is up with what could be read.
    QCOMPARE(script.windowsBehind().at(0), QStringList{QStringLiteral("Chart1")});
    QVERIFY(script.unexpected().isEmpty());
    QCOMPARE(fx.snapshot(), before);
}

void ChartTest::missingChartLeavesTheScreenUsable()
{
    DataFixture fx;
    QVERIFY(QFile::remove(fx.path(kChart)));
    MessageScript script;
    script.answer(0).answer(0); // the opening screen names the missing file too
    AppHarness app(fx);
    widgets::Grid* grid = openChart(app);
    QVERIFY(grid);
    QCOMPARE(grid->rows(), 1);
    QCOMPARE(script.shown().size(), 2);
    QVERIFY(
        script.shown()[1].text.startsWith(QStringLiteral("Vintrelo could not find the chemical")));
    QVERIFY(script.shown()[1].text.contains(fx.path(kChart)));
    QVERIFY(script.unexpected().isEmpty());
    QVERIFY(!fx.exists(kChart));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
}

void ChartTest::titleBarCloseGoesBackToTheMainMenu()
{
    DataFixture fx;
    MessageScript script;
    AppHarness app(fx);
    QVERIFY(openChart(app));
    app.visible()->close();
    AppHarness::settle();
    QCOMPARE(app.visibleName(), QStringLiteral("MainMenu"));
    QCOMPARE(app.visibleWindowCount(), 1);
}

void ChartTest::namesAndHeadingsStayWhenScrolled()
{
    DataFixture fx;
    QStringList lines;
    for (int i = 1; i <= 12; ++i)
        lines += entry(QStringLiteral("Ingredient %1").arg(i));
    fx.writeLines(kChart, lines);
    MessageScript script;
    AppHarness app(fx);
    widgets::Grid* grid = openChart(app);
    QVERIFY(grid);
    QVERIFY(QTest::qWaitForWindowExposed(app.visible()));
    const QRect corner = grid->cellRect(0, 0);

    // To the comments of the last entry: the chart scrolls right and down.
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(grid->row(), 12);
    QCOMPARE(grid->col(), 4);
    QVERIFY(grid->horizontalScrollBar()->value() > 0);
    QVERIFY(grid->verticalScrollBar()->value() > 0);

    // Every entry in view is still named at the left, under the kept headings.
    QCOMPARE(cellShownAt(*grid, corner.center()), grid->model()->index(0, 0));
    QCOMPARE(cellShownAt(*grid, grid->cellRect(0, 4).center()), grid->model()->index(0, 4));
    int named = 0;
    for (int row = 1; row < grid->rows(); ++row) {
        const QRect name = grid->cellRect(row, 0);
        if (name.isEmpty())
            continue;
        QCOMPARE(name.left(), corner.left());
        QCOMPARE(cellShownAt(*grid, name.center()), grid->model()->index(row, 0));
        ++named;
    }
    QVERIFY(named >= 2);
    QCOMPARE(grid->textAt(12, 0), QStringLiteral("Ingredient 12"));
    QVERIFY(script.shown().isEmpty());
}

VINTRELO_TEST_MAIN(ChartTest)
#include "tst_chart.moc"
