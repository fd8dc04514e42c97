#include "screens/records/BatchList.h"

#include "app/MainMenu.h"
#include "app/Shell.h"
#include "screens/find/BatchExportDialog.h"
#include "store/BatchSummary.h"
#include "store/StoreError.h"
#include "ui_BatchList.h"
#include "widgets/Messages.h"

namespace screens {

namespace {

enum Column
{
    IdColumn,
    CustomerColumn,
    VarietyColumn,
    StartDateColumn,
    RecipeColumn,
    ColumnCount
};

} // namespace

BatchList::BatchList(const Kind& kind, QWidget* parent)
    : app::Screen(parent), m_kind(kind), ui(new Ui::BatchList)
{
    ui->setupUi(this);
    setWindowTitle(m_kind.windowTitle);
    ui->Label2->setText(m_kind.heading);
    connect(ui->Grid1, &widgets::Grid::cellDoubleClicked, this, &BatchList::Grid1_DblClick);
    connect(ui->Grid1, &widgets::Grid::returnPressed, this, &BatchList::Grid1_DblClick);
    connect(ui->CommandButton1, &QPushButton::clicked, this, &BatchList::CommandButton1_Click);
    connect(ui->Export_Command, &QPushButton::clicked, this, &BatchList::Export_Command_Click);
}

BatchList::~BatchList() = default;

widgets::Grid* BatchList::grid() const
{
    return ui->Grid1;
}

void BatchList::Form_Load()
{
    widgets::Grid* grid = ui->Grid1;
    grid->setFixedRows(1);
    grid->setFixedCols(1);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    // Identifiers and dates are never cut short.
    grid->setColumns({{tr("Batch I.D."), 1700, left, left, true},
                      {tr("Customer"), 2700},
                      {tr("Variety"), 2500},
                      {tr("Start Date"), 2600, left, left, true},
                      {tr("Recipe Description"), 7000}});
    grid->setRows(2);

    QVector<store::BatchSummary> batches;
    try {
        batches = store::listBatchSummaries(state().DataRoot, m_kind.folder);
    } catch (const store::StoreError& error) {
        widgets::Messages::warningWhenShown(this, error.message());
    }

    QStringList texts;
    texts.reserve((batches.size() + 1) * ColumnCount);
    for (const store::BatchSummary& batch : std::as_const(batches)) {
        QString description = batch.recipeDescription;
        // A bad file stays listed with what could be read, and says why it will not open.
        if (batch.problem == store::BatchSummary::Problem::Damaged)
            description = tr("(damaged batch file - restore it from your backup)");
        else if (batch.problem == store::BatchSummary::Problem::RecipeMissing)
            description = tr("(recipe %1 not found)").arg(batch.recipeNumber);
        texts << batch.batchId << batch.customerName << batch.variety << batch.startDate
              << description;
    }
    for (int col = 0; col < ColumnCount; ++col)
        texts << QString();
    grid->fillRows(1, texts);
    grid->setRows(batches.size() + 2);
    if (grid->rows() > 1)
        grid->setCurrentCell(1, CustomerColumn);
}

void BatchList::Grid1_DblClick(int row, int)
{
    widgets::Grid* grid = ui->Grid1;
    // The row double-clicked, in any column (the fixed first one included); the
    // heading and the space below the rows open nothing.
    if (row >= grid->fixedRows())
        grid->setCurrentCell(row, CustomerColumn);
    const QString batchId = row >= grid->fixedRows() ? grid->textAt(row, IdColumn) : QString();
    state().SelectedBatchID = batchId;
    state().OpenedFrom = store::BatchOpenedFrom::List;
    if (!batchId.isEmpty())
        shell().switchScreen(this, *m_kind.opens);
}

void BatchList::Export_Command_Click()
{
    QVector<store::ExportedBatch> batches;
    const widgets::Grid* grid = ui->Grid1;
    for (int row = grid->fixedRows(); row < grid->rows(); ++row) {
        const QString batchId = grid->textAt(row, IdColumn);
        if (!batchId.isEmpty())
            batches << store::ExportedBatch{batchId, m_kind.folder};
    }
    exportBatches(this, batches, m_kind.heading + QStringLiteral(".csv"));
}

void BatchList::CommandButton1_Click()
{
    shell().switchScreen<app::MainMenu>(this);
}

} // namespace screens
