#include "screens/chart/Chart1.h"

#include "app/MainMenu.h"
#include "app/Shell.h"
#include "store/ChemicalChart.h"
#include "store/RunState.h"
#include "ui_Chart1.h"
#include "widgets/Messages.h"
#include "widgets/Twips.h"

#include <QColor>

namespace screens {

namespace {

constexpr int kColumns = 5;
constexpr int kColumnTwips[kColumns] = {3000, 4000, 4500, 4500, 5000};
constexpr int kMinRowTwips = 850;
const QColor kLightYellow(255, 255, 128);

} // namespace

Chart1::Chart1(QWidget* parent) : app::Screen(parent), ui(new Ui::Chart1)
{
    ui->setupUi(this);
    ui->Grid1->setWordWrap(true);
    connect(ui->CommandButton1, &QPushButton::clicked, this, &Chart1::CommandButton1_Click);
}

Chart1::~Chart1() = default;

void Chart1::Form_Load()
{
    widgets::Grid& grid = *ui->Grid1;
    grid.setCols(kColumns);
    grid.setRows(2);
    grid.setFixedRows(1);
    grid.setFixedCols(1);
    const QStringList headers{tr("Ingredient"), tr("Usage"), tr("Typical Additions"), tr("Weights"),
                              tr("Comments")};
    for (int col = 0; col < kColumns; ++col) {
        grid.setColumnWidthTwips(col, kColumnTwips[col]);
        grid.setTextAt(0, col, headers.at(col));
        grid.setAlignmentAt(0, col, Qt::AlignCenter);
    }

    const store::ChemicalChart chart = store::readChemicalChart(state().DataRoot);
    QStringList texts;
    texts.reserve(chart.entries.size() * kColumns);
    for (const store::ChartEntry& entry : chart.entries)
        texts << entry.ingredient << entry.usage << entry.typicalAdditions << entry.weights
              << entry.comments;
    grid.fillRows(1, texts);
    grid.setRows(1 + static_cast<int>(chart.entries.size()));
    for (int row = 1; row < grid.rows(); ++row) {
        for (int col = 0; col < kColumns; ++col) {
            grid.setAlignmentAt(row, col, Qt::AlignLeft | Qt::AlignVCenter);
            if (col >= grid.fixedCols())
                grid.setBackgroundAt(row, col, kLightYellow);
        }
    }
    // Long entries wrap; a row grows to show its text but is never lower than
    // the chart's minimum.
    for (int row = 0; row < grid.rows(); ++row) {
        grid.resizeRowToContents(row);
        if (grid.rowHeight(row) < widgets::twipsToPixels(kMinRowTwips))
            grid.setRowHeightTwips(row, kMinRowTwips);
    }
    grid.setCurrentCell(1, 1);

    if (!chart.problem.isEmpty())
        widgets::Messages::warningWhenShown(this, chart.problem);
}

void Chart1::CommandButton1_Click()
{
    shell().switchScreen<app::MainMenu>(this);
}

} // namespace screens
