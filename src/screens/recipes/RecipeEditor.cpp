#include "screens/recipes/RecipeEditor.h"

#include "store/DataFolder.h"
#include "store/StoreError.h"
#include "store/TextLines.h"
#include "store/TextNumber.h"
#include "ui_RecipeEditor.h"
#include "widgets/CellEditor.h"
#include "widgets/Grid.h"
#include "widgets/GridContent.h"

#include <QListWidget>

namespace screens {

namespace {
constexpr int kDayColTwips = 1000;
constexpr int kActionColTwips = 8000;
} // namespace

RecipeEditor::RecipeEditor(QWidget* parent) : QWidget(parent), ui(new Ui::RecipeEditor)
{
    ui->setupUi(this);
    m_cellEditor = new widgets::CellEditor(ui->Grid1, ui->Text1, this);
    ui->Text1->setFont(ui->Grid1->font());
    // Tab past the last step starts the next one, never overwriting step 1.
    ui->Grid1->setGrowsOnTab(true);

    connect(ui->Grid1, &widgets::Grid::cellDoubleClicked, this, &RecipeEditor::Grid1_DblClick);
    connect(
        ui->Grid1, &widgets::Grid::keyPressed, this,
        [this](int key, const QString& text, Qt::KeyboardModifiers) { Grid1_KeyPress(key, text); });
    connect(ui->List1, &QListWidget::itemDoubleClicked, this, &RecipeEditor::List1_DblClick);
    connect(ui->InsertRow, &QPushButton::clicked, this, &RecipeEditor::InsertRow_Click);
    connect(ui->NumberofDays, &QPushButton::clicked, this, &RecipeEditor::NumberofDays_Click);
    connect(m_cellEditor, &widgets::CellEditor::committed, this,
            [this](int row, int col, widgets::CellEditor::Commit how) {
                editorCommitted(row, col, static_cast<int>(how));
            });
    setUpGrid(0);
}

RecipeEditor::~RecipeEditor() = default;

widgets::Grid* RecipeEditor::grid() const
{
    return ui->Grid1;
}

QLineEdit* RecipeEditor::cellOverlay() const
{
    return ui->Text1;
}

QListWidget* RecipeEditor::actionList() const
{
    return ui->List1;
}

QLineEdit* RecipeEditor::daysBox() const
{
    return ui->Text2;
}

void RecipeEditor::setUpGrid(int dataRows)
{
    ui->Text1->hide();
    widgets::Grid* grid = ui->Grid1;
    grid->setFixedRows(1);
    grid->setFixedCols(0);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    grid->setColumns({{tr("Day #"), kDayColTwips, left, Qt::AlignCenter},
                      {tr("Action"), kActionColTwips, left, Qt::AlignCenter}});
    grid->setRows(1 + dataRows);
}

QString RecipeEditor::loadActions(const QString& dataRoot)
{
    ui->List1->clear();
    const QString path = store::miscFilePath(dataRoot, store::kRecipeActionsFile);
    try {
        ui->List1->addItems(
            store::readTextLines(path, store::FileSubject(store::FileSubject::RecipeActionList)));
    } catch (const store::StoreError& error) {
        ui->List1->clear();
        return error.message() + QLatin1Char(' ') +
               tr("The list of Available Actions stays empty; you can still type the actions.");
    }
    ui->List1->clearSelection();
    ui->List1->setCurrentRow(-1);
    return QString();
}

void RecipeEditor::loadSteps(const QStringList& stepLines)
{
    QStringList cells;
    for (const QString& line : stepLines)
        cells << store::editorDayOf(line) << store::editorActionOf(line);
    setUpGrid(static_cast<int>(stepLines.size()));
    ui->Grid1->fillRows(1, cells);
    if (!stepLines.isEmpty())
        ui->Grid1->setCurrentCell(ui->Grid1->rows() - 1, kActionCol);
}

QVector<store::RecipeRow> RecipeEditor::rows()
{
    // Also an edit open in row 1's Day # cell, which walking the rows would miss.
    m_cellEditor->commitPending();
    QVector<store::RecipeRow> result;
    const widgets::Grid* grid = ui->Grid1;
    for (int row = 1; row < grid->rows(); ++row)
        result.append({grid->textAt(row, kDayCol), grid->textAt(row, kActionCol)});
    return result;
}

QStringList RecipeEditor::content() const
{
    return widgets::gridContent(ui->Grid1, m_cellEditor, ui->Text1->text());
}

void RecipeEditor::editorCommitted(int row, int col, int how)
{
    if (col == kActionCol && how == static_cast<int>(widgets::CellEditor::Commit::LeaveCell))
        ui->Grid1->setAlignmentAt(row, col, Qt::AlignLeft | Qt::AlignVCenter);
}

void RecipeEditor::Grid1_DblClick(int row, int col)
{
    // Only over the cell pointed at: not the heading, nothing below the rows.
    m_cellEditor->openAt(row, col);
}

void RecipeEditor::Grid1_KeyPress(int key, const QString& text)
{
    // Any key that gives a character opens the editor, and a printable one is
    // typed into it; Tab still moves between cells.
    if (text.isEmpty() || key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return;
    m_cellEditor->openTyping(text);
}

void RecipeEditor::List1_DblClick()
{
    widgets::Grid* grid = ui->Grid1;
    const QList<QListWidgetItem*> selected = ui->List1->selectedItems();
    if (grid->col() != kActionCol || grid->row() < 1 || selected.isEmpty())
        return;
    const QString action = selected.first()->text();
    grid->setText(action);
    // An editor open over this cell would store its own text on leaving; it takes
    // the chosen action too, so what the user sees is what is kept.
    if (m_cellEditor->isOpen() && m_cellEditor->row() == grid->row() &&
        m_cellEditor->col() == grid->col())
        ui->Text1->setText(action);
    grid->setFocus(Qt::OtherFocusReason);
    ui->List1->clearSelection();
}

void RecipeEditor::InsertRow_Click()
{
    widgets::Grid* grid = ui->Grid1;
    m_cellEditor->commitPending();
    const int n = grid->rows();
    const int r = grid->row();
    const int col = grid->col() < 0 ? kActionCol : grid->col();
    if (r < 1 || r == n - 1) {
        // The last row (or a grid without steps): a new empty row at the end.
        grid->setRows(n + 1);
        grid->setCurrentCell(n, col);
        return;
    }
    grid->setRows(n + 1);
    for (int i = n; i >= r + 1; --i) {
        grid->setTextAt(i, kDayCol, grid->textAt(i - 1, kDayCol));
        grid->setTextAt(i, kActionCol, grid->textAt(i - 1, kActionCol));
        grid->setTextAt(i - 1, kDayCol, QString());
        grid->setTextAt(i - 1, kActionCol, QString());
    }
    grid->setCurrentCell(r + 1, kActionCol);
}

void RecipeEditor::NumberofDays_Click()
{
    widgets::Grid* grid = ui->Grid1;
    const QString days = ui->Text2->text();
    const int r = grid->row();
    if (days.isEmpty() || r <= 1 || grid->col() != kDayCol)
        return;
    // The calculator writes the current cell: an open edit is stored first, then
    // replaced by the result.
    m_cellEditor->commitPending();
    const double previous = store::readLeadingNumber(grid->textAt(r - 1, kDayCol));
    const double added = store::readLeadingNumber(days);
    grid->setTextAt(r, kDayCol, store::formatPlainNumber(previous + added));
    ui->Text2->clear();
}

} // namespace screens
