#include "screens/records/ExistingInventory2.h"

#include "app/Shell.h"
#include "screens/find/OpenBatch.h"
#include "screens/records/BatchSheet.h"
#include "screens/records/ExistingInventory.h"
#include "store/BatchRewrite.h"
#include "store/StoreError.h"
#include "ui_ExistingInventory2.h"
#include "widgets/CellEditor.h"
#include "widgets/GridContent.h"
#include "widgets/MeasurementChart.h"
#include "widgets/Messages.h"

namespace screens {

using namespace batchsheet;

namespace {
QString editHint()
{
    return QCoreApplication::translate("screens::ExistingInventory2",
                                       "Double Click in any Cell to edit the item.");
}
QString acceptHint()
{
    return QCoreApplication::translate("screens::ExistingInventory2",
                                       "Single click off that Cell to accept the change.");
}

// What the user sees of the grid and the column worked in, kept while rows are
// inserted or blanked: the view must not jump away from Due Date and Action.
class KeptView
{
public:
    explicit KeptView(widgets::Grid* grid)
        : m_grid(grid), m_scroll(grid->scrollPosition()),
          m_column(grid->col() >= grid->fixedCols() ? grid->col() : DueDateColumn)
    {
    }
    int column() const { return m_column; }
    void restore() const { m_grid->setScrollPosition(m_scroll); }

private:
    widgets::Grid* m_grid;
    QPoint m_scroll;
    int m_column;
};

} // namespace

ExistingInventory2::ExistingInventory2(QWidget* parent)
    : app::Screen(parent), ui(new Ui::ExistingInventory2)
{
    ui->setupUi(this);
    // The overlay lies over the grid's cells, outside the frame's layout.
    ui->frameLayout->removeWidget(ui->Text1);
    m_editor = new widgets::CellEditor(ui->Grid1, ui->Text1, this);
    m_editor->setFilter(
        [](int row, int col, const QString& typed, const QString& held,
           widgets::CellEditor::Commit) { return checkCell(row, col, typed, held); });
    connect(m_editor, &widgets::CellEditor::refused, this,
            [this](int, int, const QString& message) {
                if (!m_editor->isOpen())
                    ui->Label4->setText(editHint());
                widgets::Messages::warning(this, message);
            });
    connect(m_editor, &widgets::CellEditor::opened, this,
            [this] { ui->Label4->setText(acceptHint()); });
    connect(m_editor, &widgets::CellEditor::committed, this,
            [this](int row, int col, widgets::CellEditor::Commit how) {
                if (col == CompletedColumn)
                    markCompletion(ui->Grid1, row);
                redrawChart();
                if (how != widgets::CellEditor::Commit::LeaveCell)
                    return;
                ui->Label4->setText(editHint());
            });
    connect(ui->Grid1, &widgets::Grid::cellDoubleClicked, this,
            &ExistingInventory2::Grid1_DblClick);
    connect(ui->Grid1, &widgets::Grid::returnPressed, this, &ExistingInventory2::Grid1_DblClick);
    connect(ui->CommandButton2, &QPushButton::clicked, this,
            &ExistingInventory2::CommandButton2_Click);
    connect(ui->CommandButton3, &QPushButton::clicked, this,
            &ExistingInventory2::CommandButton3_Click);
    connect(ui->CommandButton4, &QPushButton::clicked, this,
            &ExistingInventory2::CommandButton4_Click);
    connect(ui->CommandButton5, &QPushButton::clicked, this,
            &ExistingInventory2::CommandButton5_Click);
    connect(ui->CommandButton1, &QPushButton::clicked, this,
            &ExistingInventory2::CommandButton1_Click);
    connect(ui->PrintReport_Command, &QPushButton::clicked, this,
            &ExistingInventory2::PrintReport_Command_Click);
}

ExistingInventory2::~ExistingInventory2() = default;

widgets::Grid* ExistingInventory2::grid() const
{
    return ui->Grid1;
}

void ExistingInventory2::Form_Load()
{
    ui->Text1->hide();
    const QString batchId = state().SelectedBatchID;
    ui->BatchID_Label->setText(batchId);
    store::BatchFile batch;
    try {
        batch = store::readListedBatch(state().DataRoot, batchId);
    } catch (const store::StoreError& error) {
        // Half a batch on screen would be saved back as half a batch.
        widgets::Messages::warningWhenShown(this, error.message());
        backToList();
        return;
    }
    m_shown = batch;
    ui->Particulars->showHeader(batch.header);
    m_rows.fill(ui->Grid1, batch.records);
    ui->MeasurementChart->showRecords(batch.records);
    if (ui->Grid1->rows() > 1)
        ui->Grid1->setCurrentCell(1, DueDateColumn);
    // Return, or a second scan of the tag, then edits a cell rather than printing.
    ui->Grid1->setFocus(Qt::OtherFocusReason);
    m_loaded = content();
}

QStringList ExistingInventory2::content() const
{
    return widgets::gridContent(ui->Grid1, m_editor, ui->Text1->text());
}

bool ExistingInventory2::mayLeave()
{
    return content() == m_loaded || widgets::Messages::leaveWithoutSaving(this);
}

void ExistingInventory2::Grid1_DblClick(int row, int col)
{
    // Only over the cell pointed at: never a fixed cell, nothing below the rows.
    m_editor->openAt(row, col);
}

void ExistingInventory2::CommandButton2_Click()
{
    if (!widgets::Messages::question(this, tr("Are you sure you want to save the changes ?"))) {
        if (mayLeave())
            backToList();
        return;
    }
    // A refused cell is shown to the user before anything is written.
    if (!m_editor->commitPending())
        return;
    // A row without a due date is no action; what was typed in it is not
    // dropped without a word.
    const QStringList undated = rowsWithoutDueDate(ui->Grid1);
    if (!undated.isEmpty() &&
        !widgets::Messages::question(
            this, tr("Rows without a Due Date are not saved, and these rows hold something: "
                     "%1.\n\nSave without them? Answer No to give them a Due Date first, or "
                     "use \"Delete Row\" on them.")
                      .arg(undated.join(QStringLiteral(", ")))))
        return;
    const QVector<store::ActionRecord> records = recordsFromGrid(ui->Grid1, &m_rows);
    try {
        store::rewriteBatchFile(
            state().DataRoot, state().SelectedBatchID, [&](store::BatchFile& batch) {
                store::requireUnchangedSinceShown(batch, m_shown, state().SelectedBatchID);
                batch.records = records;
            });
    } catch (const store::StoreError& error) {
        // The editor stays open with every edit, so the user can put things right.
        widgets::Messages::warning(this, error.message());
        return;
    }
    backToList();
}

void ExistingInventory2::CommandButton3_Click()
{
    widgets::Grid* grid = ui->Grid1;
    if (!m_editor->commitPending())
        return;
    const KeptView kept(grid);
    const int current = grid->row();
    // The blank row goes above the current one, or after the last row; the
    // whole row moves, so every row keeps its colour.
    const int blank =
        current < grid->fixedRows() || current == grid->rows() - 1 ? grid->rows() : current;
    grid->insertRow(blank);
    m_rows.rowInserted(blank);
    grid->setCurrentCell(blank, kept.column());
    kept.restore();
    // Typing goes on in the new row.
    grid->setFocus(Qt::OtherFocusReason);
    redrawChart();
}

void ExistingInventory2::CommandButton4_Click()
{
    if (!widgets::Messages::question(this, tr("Are you sure you want to Delete the Row ?")))
        return;
    widgets::Grid* grid = ui->Grid1;
    const int row = grid->row();
    if (row < grid->fixedRows())
        return;
    if (!m_editor->commitPending())
        return;
    const KeptView kept(grid);
    for (int c = 0; c < ColumnCount; ++c)
        grid->setTextAt(row, c, QString());
    markCompletion(grid, row);
    kept.restore();
    grid->setFocus(Qt::OtherFocusReason);
    redrawChart();
}

void ExistingInventory2::redrawChart()
{
    ui->MeasurementChart->showRecords(recordsFromGrid(ui->Grid1));
}

print::BatchReportData ExistingInventory2::batchReportData()
{
    // A refused cell keeps what it held: that is what is printed.
    m_editor->commitPending();
    print::BatchReportData report;
    report.batchId = ui->BatchID_Label->text();
    // The header is read-only here; the file's holds the recipe number the panel does not show.
    report.header = m_shown.header;
    report.records = recordsFromGrid(ui->Grid1);
    report.printedOn = state().TodayText;
    return report;
}

void ExistingInventory2::PrintReport_Command_Click()
{
    print::printBatchReport(this, batchReportData());
}

print::TagData ExistingInventory2::carboyTagData()
{
    m_editor->commitPending();
    print::TagData tag =
        print::tagParticulars(ui->BatchID_Label->text(), ui->Particulars->shownHeader());
    const widgets::Grid* grid = ui->Grid1;
    for (int row = grid->fixedRows(); row < grid->rows(); ++row) {
        tag.schedule << print::TagLine{grid->textAt(row, DueDateColumn),
                                       grid->textAt(row, ActionColumn),
                                       !grid->textAt(row, CompletedColumn).isEmpty()};
    }
    return tag;
}

void ExistingInventory2::CommandButton5_Click()
{
    print::printTrackingTag(this, carboyTagData());
}

void ExistingInventory2::CommandButton1_Click()
{
    if (mayLeave())
        backToList();
}

void ExistingInventory2::backToList()
{
    returnFromBatch(this, ExistingInventory::staticMetaObject);
}

} // namespace screens
