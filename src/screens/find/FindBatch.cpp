#include "screens/find/FindBatch.h"

#include "app/MainMenu.h"
#include "app/Shell.h"
#include "screens/find/BatchExportDialog.h"
#include "screens/find/OpenBatch.h"
#include "store/StoreError.h"
#include "ui_FindBatch.h"
#include "widgets/Grid.h"
#include "widgets/Messages.h"
#include "widgets/SingleLine.h"

#include <QFontMetrics>
#include <QRegularExpression>
#include <QSet>

namespace screens {

namespace {

enum Column
{
    IdColumn,
    CustomerColumn,
    VarietyColumn,
    StartDateColumn,
    StatusColumn,
    ColumnCount
};

} // namespace

FindBatch::FindBatch(QWidget* parent) : app::Screen(parent), ui(new Ui::FindBatch)
{
    ui->setupUi(this);
    widgets::keepOnOneLine(ui->Search_TextBox);
    connect(ui->Search_TextBox, &QLineEdit::textChanged, this, &FindBatch::Search_TextBox_Change);
    connect(ui->Search_TextBox, &QLineEdit::returnPressed, this, &FindBatch::Search_TextBox_Return);
    connect(ui->Grid1, &widgets::Grid::cellDoubleClicked, this, &FindBatch::Grid1_DblClick);
    connect(ui->Grid1, &widgets::Grid::returnPressed, this, &FindBatch::Grid1_DblClick);
    connect(ui->Export_Command, &QPushButton::clicked, this, &FindBatch::Export_Command_Click);
    connect(ui->CommandButton1, &QPushButton::clicked, this, &FindBatch::CommandButton1_Click);
}

FindBatch::~FindBatch() = default;

widgets::Grid* FindBatch::grid() const
{
    return ui->Grid1;
}

void FindBatch::Form_Load()
{
    widgets::Grid* grid = ui->Grid1;
    grid->setFixedRows(1);
    grid->setFixedCols(1);
    grid->setColumns({{tr("Batch I.D."), 1700},
                      {tr("Customer"), 3000},
                      {tr("Variety"), 2700},
                      {tr("Start Date"), 2600},
                      {tr("Status"), 1500}});
    try {
        widgets::WaitCursor wait;
        m_index = store::BatchIndex::load(state().DataRoot);
    } catch (const store::StoreError& error) {
        widgets::Messages::warningWhenShown(this, error.message());
    }
    fitColumnsOnce();
    showResults();
    ui->Search_TextBox->setFocus();
}

void FindBatch::fitColumnsOnce()
{
    // Identifiers, dates and states are never cut short. Every row a search can
    // show is in the index, so the widths are set once for all of them: measuring
    // the rows anew at each key would cost more than the search itself.
    QSet<QString> ids, dates;
    for (qsizetype i = 0; i < m_index.size(); ++i) {
        ids.insert(m_index.at(i).batchId);
        dates.insert(m_index.at(i).startDate);
    }
    const auto widen = [this](int col, const QSet<QString>& texts) {
        const QFontMetrics metrics(ui->Grid1->font());
        int widest = 0;
        for (const QString& text : texts)
            widest = std::max(widest, metrics.horizontalAdvance(text));
        const int needed = widest + 2 * metrics.averageCharWidth();
        if (needed > ui->Grid1->columnWidth(col))
            ui->Grid1->setColumnWidth(col, needed);
    };
    widen(IdColumn, ids);
    widen(StartDateColumn, dates);
    widen(StatusColumn, {tr("In progress"), tr("Completed")});
}

QVector<store::IndexedBatch> FindBatch::listed() const
{
    QVector<store::IndexedBatch> batches;
    batches.reserve(m_found.size());
    for (const qsizetype i : m_found)
        batches << m_index.at(i);
    return batches;
}

void FindBatch::Search_TextBox_Change()
{
    showResults();
}

void FindBatch::showResults()
{
    m_found = m_index.find(ui->Search_TextBox->text());
    widgets::Grid* grid = ui->Grid1;
    QStringList texts;
    texts.reserve((m_found.size() + 1) * ColumnCount);
    const QString inProgress = tr("In progress");
    const QString completed = tr("Completed");
    const QString damaged = tr("Damaged file");
    for (const qsizetype i : std::as_const(m_found)) {
        const store::IndexedBatch& batch = m_index.at(i);
        texts << batch.batchId << batch.customerName << batch.variety << batch.startDate
              << (batch.damaged                                ? damaged
                  : batch.folder == store::BatchFolder::Active ? inProgress
                                                               : completed);
    }
    // One empty row below the results, as the batch lists keep.
    for (int col = 0; col < ColumnCount; ++col)
        texts << QString();
    grid->setRows(int(m_found.size()) + 2);
    grid->fillRows(1, texts);
    grid->setCurrentCell(1, CustomerColumn);
    if (ui->Search_TextBox->text().trimmed().isEmpty())
        ui->Count_Label->setText(tr("Type a few letters of a name, phone number, e-mail, "
                                    "identifier, variety or recipe."));
    else
        ui->Count_Label->setText(m_found.size() == 1 ? tr("1 batch found.")
                                                     : tr("%1 batches found.").arg(m_found.size()));
    ui->Export_Command->setEnabled(!m_found.isEmpty());
}

void FindBatch::Search_TextBox_Return()
{
    const QString typed = ui->Search_TextBox->text();
    if (typed.trimmed().isEmpty())
        return;
    // A scanned tag: the identifier alone, then Return.
    const qsizetype exact = m_index.indexOf(typed);
    if (exact >= 0) {
        openBatchById(this, m_index.at(exact).batchId, store::BatchOpenedFrom::Find,
                      app::Shell::Leave::KeepLoaded);
        return;
    }
    if (m_found.size() == 1) {
        openRow(1);
        return;
    }
    if (m_found.isEmpty()) {
        // Not in the summary read when the screen opened: it may be new since,
        // and a scanned identifier that is nowhere is said to be so. Words that
        // found nothing need no message: the count above says it.
        const QString word = typed.trimmed();
        const bool identifierShape = !word.contains(QRegularExpression(QStringLiteral("\\s"))) &&
                                     word.contains(QRegularExpression(QStringLiteral("\\d")));
        if (identifierShape)
            openBatchById(this, word, store::BatchOpenedFrom::Find, app::Shell::Leave::KeepLoaded);
        return;
    }
    ui->Grid1->setFocus();
}

void FindBatch::Grid1_DblClick(int row, int)
{
    openRow(row);
}

void FindBatch::openRow(int row)
{
    if (row < ui->Grid1->fixedRows() || row - 1 >= m_found.size())
        return;
    ui->Grid1->setCurrentCell(row, CustomerColumn);
    openBatchById(this, m_index.at(m_found.at(row - 1)).batchId, store::BatchOpenedFrom::Find,
                  app::Shell::Leave::KeepLoaded);
}

void FindBatch::batchClosed(const QString& batchId)
{
    const int row = ui->Grid1->row();
    m_index.refresh(state().DataRoot, batchId);
    showResults();
    if (row < ui->Grid1->rows())
        ui->Grid1->setCurrentCell(row, CustomerColumn);
}

void FindBatch::Export_Command_Click()
{
    QVector<store::ExportedBatch> batches;
    for (const store::IndexedBatch& batch : listed())
        batches << store::ExportedBatch{batch.batchId, batch.folder};
    exportBatches(this, batches, tr("Found Batches.csv"));
}

void FindBatch::CommandButton1_Click()
{
    shell().switchScreen<app::MainMenu>(this);
}

} // namespace screens
