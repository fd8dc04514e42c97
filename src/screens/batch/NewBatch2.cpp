#include "screens/batch/NewBatch2.h"

#include "app/Shell.h"
#include "screens/batch/BatchMessages.h"
#include "screens/batch/NewBatch.h"
#include "screens/batch/NewBatch3.h"
#include "store/BatchCounter.h"
#include "store/BatchCreation.h"
#include "store/Clock.h"
#include "store/LongDate.h"
#include "store/Particulars.h"
#include "store/RecipeFile.h"
#include "store/RunState.h"
#include "store/StoreError.h"
#include "ui_NewBatch2.h"
#include "widgets/Messages.h"

#include <QDir>
#include <QFileInfo>

namespace screens {

namespace {

enum Column
{
    DayColumn,
    DateColumn,
    ActionColumn,
    ColumnCount
};

} // namespace

NewBatch2::NewBatch2(QWidget* parent) : app::Screen(parent), ui(new Ui::NewBatch2)
{
    ui->setupUi(this);
    ui->Particulars->arrangeAsPreview();
    connect(ui->GoBack_Command, &QPushButton::clicked, this, &NewBatch2::GoBack_Command_Click);
    connect(ui->Continue_Command, &QPushButton::clicked, this, &NewBatch2::Continue_Command_Click);
}

NewBatch2::~NewBatch2() = default;

void NewBatch2::Form_Load()
{
    const store::PendingBatch& batch = state().PendingBatch;
    ui->BatchID_Label->setText(tr("Batch I.D.: ") + batch.BatchID);
    ui->Particulars->showHeader(store::headerOf(batch));
    ui->Label41->setText(tr("Selected Recipe: "));

    widgets::Grid* grid = ui->Grid1;
    grid->setFixedRows(1);
    grid->setFixedCols(1);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    // Long dates ("Wednesday, September 30, 2026") are wider than the design width.
    grid->setColumns(
        {{tr("Day #"), 1200}, {tr("Date"), 3000, left, left, true}, {tr("Action"), 10000}});
    grid->setRows(2);

    m_problem.clear();
    try {
        const QString path = store::recipeFilePath(state().DataRoot, batch.RecipeNumber);
        const store::Recipe recipe =
            store::readRecipeFile(state().DataRoot, QFileInfo(path).fileName());
        ui->Label41->setText(tr("Selected Recipe: ") + store::recipeDescriptionOf(recipe.line1));
        const QDate start = store::parseDate(batch.StartDate);
        if (!start.isValid()) {
            throw store::StoreError(
                tr("The Start Date \"%1\" is not a date Vintrelo can read. Go back and type it "
                   "like this: %2")
                    .arg(batch.StartDate, store::exampleDateText()));
        }
        showSchedule(store::scheduleFromRecipe(recipe, start, QDir::toNativeSeparators(path)));
    } catch (const store::StoreError& error) {
        // Shown over the preview once it is up, and "Continue" refuses with it, so
        // nothing half-planned is written.
        m_problem = error.message();
        widgets::Messages::warningWhenShown(this, m_problem);
    }
}

void NewBatch2::showSchedule(const QVector<store::ScheduleRow>& rows)
{
    QStringList cells;
    cells.reserve(rows.size() * ColumnCount);
    for (const store::ScheduleRow& row : rows)
        cells << row.DayNumber << row.DueDate << row.Action;
    ui->Grid1->fillRows(1, cells);
    // One empty row follows the actions; it is never written.
    ui->Grid1->setRows(rows.size() + 2);
}

QVector<store::ScheduleRow> NewBatch2::shownSchedule() const
{
    QVector<store::ScheduleRow> rows;
    const widgets::Grid* grid = ui->Grid1;
    for (int row = 1; row < grid->rows() - 1; ++row) {
        rows.append({grid->textAt(row, DayColumn), grid->textAt(row, DateColumn),
                     grid->textAt(row, ActionColumn)});
    }
    return rows;
}

void NewBatch2::GoBack_Command_Click()
{
    // The start-up form is still loaded and reappears exactly as it was left.
    shell().switchScreen<NewBatch>(this);
}

void NewBatch2::Continue_Command_Click()
{
    const QString root = state().DataRoot;
    const store::PendingBatch& batch = state().PendingBatch;
    if (!m_problem.isEmpty()) {
        widgets::Messages::warning(
            this, tr("The batch was not created, and nothing was written.\n\n%1").arg(m_problem));
        return;
    }
    // Both checks run under the folder lock, the counter first: a batch another
    // computer created meanwhile is reported as such, not as a counter to mend.
    QString counterProblem;
    try {
        widgets::WaitCursor wait;
        counterProblem =
            store::createBatch(root, batch.BatchID, store::newBatchFile(batch, shownSchedule()));
    } catch (const store::ChangedElsewhere& error) {
        // Going back then offers the next free identifier with every entry kept.
        NewBatch* form = shell().loadedScreen<NewBatch>();
        try {
            if (form)
                form->showIdentifier(store::nextBatchId(root, store::Clock::today()));
        } catch (const store::StoreError&) {
            // The start-up form says what is wrong with the counter when it opens again.
        }
        widgets::Messages::warning(this, error.message());
        return;
    } catch (const store::StoreError& error) {
        const QString holder = store::folderHoldingBatch(root, batch.BatchID);
        widgets::Messages::warning(this, holder.isEmpty()
                                             ? error.message()
                                             : identifierInUseMessage(root, batch.BatchID, holder));
        return;
    }

    const QString batchId = batch.BatchID;
    shell().unloadScreen(shell().loadedScreen<NewBatch>());
    app::Screen* created = shell().switchScreen<NewBatch3>(this, app::Shell::Leave::KeepLoaded);
    if (!counterProblem.isEmpty()) {
        widgets::Messages::warning(created ? created : this,
                                   counterNotAdvancedMessage(root, batchId, counterProblem));
    }
}

} // namespace screens
