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
    grid.setFixedRows(1);
    grid.setFixedCols(1);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    // The entries lie on light yellow beside the fixed ingredient column.
    grid.setColumns({{tr("Ingredient"), 3000, left, Qt::AlignCenter},
                     {tr("Usage"), 4000, left, Qt::AlignCenter, false, kLightYellow},
                     {tr("Typical Additions"), 4500, left, Qt::AlignCenter, false, kLightYellow},
                     {tr("Weights"), 4500, left, Qt::AlignCenter, false, kLightYellow},
                     {tr("Comments"), 5000, left, Qt::AlignCenter, false, kLightYellow}});
    grid.setRows(2);

    const store::ChemicalChart chart = store::readChemicalChart(state().DataRoot);
    QStringList texts;
    texts.reserve(chart.entries.size() * kColumns);
    for (const store::ChartEntry& entry : chart.entries)
        texts << entry.ingredient << entry.usage << entry.typicalAdditions << entry.weights
              << entry.comments;
    grid.fillRows(1, texts);
    grid.setRows(1 + static_cast<int>(chart.entries.size()));
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
