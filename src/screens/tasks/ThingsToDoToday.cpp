#include "screens/tasks/ThingsToDoToday.h"

#include "app/MainMenu.h"
#include "app/Shell.h"
#include "print/ToDoList.h"
#include "screens/tasks/ComingDays.h"
#include "screens/tasks/DueRows.h"
#include "screens/tasks/InsertNewAction.h"
#include "store/Clock.h"
#include "store/DataFolder.h"
#include "store/DueActions.h"
#include "store/LongDate.h"
#include "store/RunState.h"
#include "store/StoreError.h"
#include "store/TextNumber.h"
#include "ui_ThingsToDoToday.h"
#include "widgets/Messages.h"
#include "widgets/Twips.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>
#include <limits>

namespace screens {

namespace {

using namespace duerows;

QDate todayOf(const store::RunState& state)
{
    const QDate date = store::parseDate(state.TodayText);
    return date.isValid() ? date : store::Clock::today();
}

} // namespace

ThingsToDoToday::ThingsToDoToday(QWidget* parent) : app::Screen(parent), ui(new Ui::ThingsToDoToday)
{
    ui->setupUi(this);
    connect(ui->Grid1, &widgets::Grid::cellDoubleClicked, this, &ThingsToDoToday::Grid1_DblClick);
    connect(ui->Grid1, &widgets::Grid::returnPressed, this, &ThingsToDoToday::Grid1_DblClick);
    connect(ui->CommandButton1, &QPushButton::clicked, this,
            &ThingsToDoToday::CommandButton1_Click);
    connect(ui->CommandButton2, &QPushButton::clicked, this,
            &ThingsToDoToday::CommandButton2_Click);
    connect(ui->CommandButton5, &QPushButton::clicked, this,
            &ThingsToDoToday::CommandButton5_Click);
    connect(ui->UpdateCommand, &QPushButton::clicked, this, &ThingsToDoToday::UpdateCommand_Click);
    connect(ui->PushCommand, &QPushButton::clicked, this, &ThingsToDoToday::PushCommand_Click);
    connect(ui->CommandButton3, &QPushButton::clicked, this,
            &ThingsToDoToday::CommandButton3_Click);
    // Return in the days box answers the frame's question, as "Accept" does.
    connect(ui->PushText, &QLineEdit::returnPressed, ui->CommandButton3, &QPushButton::click);
    connect(ui->CommandButton4, &QPushButton::clicked, this,
            &ThingsToDoToday::CommandButton4_Click);
    connect(ui->ComingDays_Command, &QPushButton::clicked, this,
            &ThingsToDoToday::ComingDays_Command_Click);
}

ThingsToDoToday::~ThingsToDoToday() = default;

void ThingsToDoToday::Form_Load()
{
    store::RunState& run = state();
    widgets::Grid* grid = ui->Grid1;
    ui->Frame2->hide();
    setDetailPanelVisible(false);
    ui->CommandButton5->hide();
    ui->CommandButton1->show();
    ui->Label1->setText(run.TodayText);

    duerows::setUp(grid);

    store::DueScan scan;
    try {
        widgets::WaitCursor wait;
        scan = store::scanDueActions(run.DataRoot, todayOf(run));
    } catch (const store::StoreError& error) {
        widgets::Messages::warningWhenShown(this, error.message());
    }

    duerows::fill(grid, scan.actions);
    ui->CommandButton2->show();

    tellOfDamagedFiles(scan);
}

void ThingsToDoToday::tellOfDamagedFiles(const store::DueScan& scan)
{
    store::RunState& run = state();
    bool news = false;
    for (const QString& name : scan.skipped)
        news = news || !run.DamagedFilesNamed.contains(name);
    run.DamagedFilesNamed = scan.skipped;
    if (!news)
        return;
    const QString folder =
        QDir::toNativeSeparators(store::batchFolderPath(run.DataRoot, store::BatchFolder::Active));
    widgets::Messages::warningWhenShown(
        this, tr("These batch files in \"%1\" are damaged, so their actions are not listed:"
                 "\n\n%2\n\n"
                 "To restore a file from a backup copy of the data folder, close Vintrelo and "
                 "copy the file back into \"%1\" (see \"Backups\" in the README). To repair "
                 "it instead, open it in a text editor: a batch file has 26 lines about the "
                 "batch, then 13 lines for each action. The batch editor cannot open a file "
                 "that is cut short.")
                  .arg(folder, scan.problems.join(QStringLiteral("\n\n"))));
}

void ThingsToDoToday::Grid1_DblClick(int row, int col)
{
    store::RunState& run = state();
    widgets::Grid* grid = ui->Grid1;
    // Only a double-click on a listed row opens anything; one on the heading or
    // below the last row must not act on whichever row was current.
    if (row < grid->fixedRows())
        return;
    grid->setCurrentCell(row, std::max(col, grid->fixedCols()));
    m_shownAction = {run.SelectedBatchID, run.SelectedActionIndex};
    run.SelectedActionIndex = 0;
    const int r = grid->row();
    const QString batchId = r >= 1 ? grid->textAt(r, BatchColumn) : QString();
    if (r < 1 || batchId.isEmpty()) {
        closeWithoutAction();
        return;
    }
    run.SelectedBatchID = batchId;

    // Actions of one batch are worked in order: only its topmost row opens.
    for (int i = 1; i < r; ++i) {
        if (grid->textAt(i, BatchColumn) == batchId) {
            closeWithoutAction();
            grid->setCurrentCell(i, CustomerColumn);
            widgets::Messages::warning(
                this, tr("A previous action with the same Batch I.D. should be completed 1st"));
            return;
        }
    }

    store::BatchFile batch;
    try {
        batch = store::readBatchFile(run.DataRoot, store::BatchFolder::Active, batchId);
    } catch (const store::StoreError& error) {
        closeWithoutAction();
        widgets::Messages::warning(this, error.message());
        return;
    }
    const int k = store::findListedRecord(batch, grid->textAt(r, DueDateColumn),
                                          grid->textAt(r, ActionColumn));
    if (k < 1 || k > std::numeric_limits<qint16>::max()) {
        closeWithoutAction();
        widgets::Messages::warning(
            this, tr("Batch %1 no longer holds the action \"%2\" due %3 as it is listed; its file "
                     "has changed since the list was made, probably on another computer. The "
                     "list now shows the batches as they are.")
                      .arg(batchId, grid->textAt(r, ActionColumn), grid->textAt(r, DueDateColumn)));
        reload();
        return;
    }

    // Only now would the panel take another action: what was typed for the
    // one shown is not dropped without a question.
    if (!mayDropTypedEntries()) {
        closeWithoutAction();
        selectShownAction();
        return;
    }
    const store::ActionRecord& record = batch.records.at(k - 1);
    ui->BatchIDLabel->setText(batchId);
    ui->DayNumberLabel->setText(record.DayNumber);
    // Shown in this PC's long form; the file's own text finds the record again.
    m_openedDueDate = record.DueDate;
    ui->DueDateLabel->setText(store::longFormIfDate(record.DueDate));
    ui->ActionLabel->setText(record.Action);
    ui->AmountText->setText(record.Amount);
    ui->MeasurementText->setText(record.Measurement);
    ui->NotesText->setText(record.Notes);
    m_openedEntries = typedEntries();
    setDetailPanelVisible(true);
    ui->CommandButton1->hide();
    ui->CommandButton5->show();
    run.SelectedActionIndex = static_cast<qint16>(k);
    ui->CommandButton2->hide();
    // Ready for typing, whether it was opened by a double-click or by Return.
    ui->AmountText->setFocus(Qt::OtherFocusReason);
    ui->AmountText->selectAll();
}

void ThingsToDoToday::selectShownAction()
{
    // The open action is its batch's topmost listed row.
    widgets::Grid* grid = ui->Grid1;
    for (int row = 1; row < grid->rows(); ++row) {
        if (grid->textAt(row, BatchColumn) == ui->BatchIDLabel->text()) {
            grid->setCurrentCell(row, CustomerColumn);
            return;
        }
    }
}

QStringList ThingsToDoToday::typedEntries() const
{
    return {ui->AmountText->text(), ui->MeasurementText->text(), ui->NotesText->text()};
}

bool ThingsToDoToday::mayDropTypedEntries()
{
    if (ui->UpdateCommand->isHidden() || typedEntries() == m_openedEntries)
        return true;
    // Each way out closes or replaces the panel, so the question comes once.
    return widgets::Messages::question(
        this, tr("The amount, measurement or notes typed for this action have not been "
                 "saved.\n\nDo you want to leave them without saving?"));
}

void ThingsToDoToday::setDetailPanelVisible(bool visible)
{
    for (QWidget* widget :
         {static_cast<QWidget*>(ui->BatchIDLabel), static_cast<QWidget*>(ui->Label5),
          static_cast<QWidget*>(ui->DayNumberLabel), static_cast<QWidget*>(ui->Label6),
          static_cast<QWidget*>(ui->DueDateLabel), static_cast<QWidget*>(ui->Label7),
          static_cast<QWidget*>(ui->ActionLabel), static_cast<QWidget*>(ui->Label8),
          static_cast<QWidget*>(ui->MeasurementText), static_cast<QWidget*>(ui->Label9),
          static_cast<QWidget*>(ui->NotesText), static_cast<QWidget*>(ui->Label10),
          static_cast<QWidget*>(ui->AmountText), static_cast<QWidget*>(ui->CheckBox1),
          static_cast<QWidget*>(ui->UpdateCommand), static_cast<QWidget*>(ui->PushCommand)})
        widget->setVisible(visible);
    // Leaving for the coming days would lose what was typed for the open action.
    ui->ComingDays_Command->setVisible(!visible);
}

void ThingsToDoToday::closeWithoutAction()
{
    store::RunState& run = state();
    if (!ui->UpdateCommand->isHidden() && m_shownAction.second >= 1) {
        // The panel stays with the action it shows, and with what was typed
        // for it; the buttons go on acting on that action.
        run.SelectedBatchID = m_shownAction.first;
        run.SelectedActionIndex = m_shownAction.second;
        return;
    }
    showListState();
}

void ThingsToDoToday::showListState()
{
    setDetailPanelVisible(false);
    // Its "Accept" would act on an action no longer shown.
    ui->Frame2->hide();
    ui->CommandButton5->hide();
    ui->CommandButton1->show();
    ui->CommandButton2->show();
}

void ThingsToDoToday::CommandButton5_Click()
{
    if (!mayDropTypedEntries())
        return;
    showListState();
    ui->Grid1->setFocus(Qt::OtherFocusReason);
}

void ThingsToDoToday::CommandButton1_Click()
{
    // The title bar's close comes here while an action is open.
    if (!mayDropTypedEntries())
        return;
    // The next visit names damaged files again.
    state().DamagedFilesNamed.clear();
    shell().switchScreen<app::MainMenu>(this);
}

void ThingsToDoToday::CommandButton2_Click()
{
    widgets::Grid* grid = ui->Grid1;
    if (grid->rows() <= 1) {
        widgets::Messages::warning(this, tr("You have no tasks to complete today"));
        for (int i = 0; i < 3; ++i)
            widgets::beep();
        return;
    }
    QVector<print::ToDoRow> rows;
    rows.reserve(grid->rows() - 1);
    for (int row = 1; row < grid->rows(); ++row) {
        rows.append({grid->textAt(row, BatchColumn), grid->textAt(row, DueDateColumn),
                     grid->textAt(row, ActionColumn)});
    }
    print::printToDoList(this, rows, state().TodayText);
}

store::OpenedAction ThingsToDoToday::openedAction() const
{
    return {ui->BatchIDLabel->text(), state().SelectedActionIndex, m_openedDueDate,
            ui->ActionLabel->text()};
}

bool ThingsToDoToday::requireOpenedAction()
{
    state().SelectedBatchID = ui->BatchIDLabel->text();
    if (state().SelectedActionIndex >= 1)
        return true;
    widgets::Messages::warning(this, tr("No action is open, so nothing was changed. Double-click "
                                        "the action in the list first."));
    return false;
}

bool ThingsToDoToday::openedActionNowCompleted() const
{
    const store::OpenedAction opened = openedAction();
    for (const store::BatchFolder folder :
         {store::BatchFolder::Active, store::BatchFolder::Completed}) {
        try {
            const store::BatchFile batch =
                store::readBatchFile(state().DataRoot, folder, opened.batchId);
            if (opened.record <= batch.records.size() &&
                !batch.records.at(opened.record - 1).isOpen())
                return true;
        } catch (const store::StoreError&) {
        }
    }
    return false;
}

void ThingsToDoToday::ComingDays_Command_Click()
{
    shell().switchScreen<ComingDays>(this);
}

void ThingsToDoToday::reload()
{
    shell().switchScreen<ThingsToDoToday>(this);
}

void ThingsToDoToday::UpdateCommand_Click()
{
    if (!ui->CheckBox1->isChecked()) {
        widgets::Messages::warning(
            this, tr("The action was not completed: the box \"%1\" is not ticked. Tick it, "
                     "then press \"%2\" again.")
                      .arg(ui->CheckBox1->text().remove(QLatin1Char('&')),
                           ui->UpdateCommand->text().remove(QLatin1Char('&'))));
        ui->CheckBox1->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!requireOpenedAction())
        return;
    const store::RunState& run = state();
    const QString completed = store::longFormIfDate(run.TodayText);
    try {
        store::completeAction(run.DataRoot, openedAction(), ui->AmountText->text(),
                              ui->MeasurementText->text(), ui->NotesText->text(), completed);
    } catch (const store::ChangedElsewhere& error) {
        // Another copy changed the batch: the list shows the files as they are now.
        widgets::Messages::warning(this, error.message());
        reload();
        return;
    } catch (const store::StoreError& error) {
        widgets::Messages::warning(this, error.message());
        // Saved but not moved: the list must show the action as done.
        if (openedActionNowCompleted())
            reload();
        return;
    }
    reload();
}

void ThingsToDoToday::PushCommand_Click()
{
    ui->CheckBox1->setChecked(false);
    ui->Frame2->show();
    // Ready for the number of days, from the keyboard too.
    ui->PushText->setFocus(Qt::OtherFocusReason);
    ui->PushText->selectAll();
}

void ThingsToDoToday::CommandButton4_Click()
{
    ui->Frame2->hide();
}

void ThingsToDoToday::CommandButton3_Click()
{
    if (!requireOpenedAction())
        return;
    if (ui->PushText->text().isEmpty())
        ui->PushText->setText(QStringLiteral("0"));
    // The days box ignores blanks and tabs anywhere, so "1 0" postpones by ten days.
    QString entry = ui->PushText->text();
    entry.remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));
    static const QRegularExpression wholeDays(QStringLiteral("^[+-]?[0-9]+$"));
    if (!wholeDays.match(entry).hasMatch()) {
        // The frame stays open with what was typed, to be put right.
        widgets::Messages::warning(
            this, tr("\"%1\" is not a whole number of days, so nothing was moved. Type the "
                     "number of days in digits, such as 3, or -2 to bring the action forward.")
                      .arg(widgets::Messages::quotedEntry(ui->PushText->text())));
        ui->PushText->setFocus(Qt::OtherFocusReason);
        ui->PushText->selectAll();
        return;
    }
    bool fits = false;
    const qint64 days = entry.toLongLong(&fits);
    if (!fits) {
        widgets::Messages::warning(
            this, tr("%1 days is more than any calendar holds, so nothing was moved. Type a "
                     "smaller number of days.")
                      .arg(widgets::Messages::quotedEntry(entry)));
        ui->PushText->setFocus(Qt::OtherFocusReason);
        ui->PushText->selectAll();
        return;
    }
    if (days == 0) {
        ui->Frame2->hide();
        return;
    }
    // The typed results are not part of a postponement.
    if (!mayDropTypedEntries())
        return;
    try {
        store::postponeActions(state().DataRoot, openedAction(), days);
    } catch (const store::ChangedElsewhere& error) {
        widgets::Messages::warning(this, error.message());
        reload();
        return;
    } catch (const store::StoreError& error) {
        widgets::Messages::warning(this, error.message());
        ui->PushText->setFocus(Qt::OtherFocusReason);
        return;
    }
    ui->Frame2->hide();
    // The note screen reads the batch and action from this screen's panel.
    shell().switchScreen<InsertNewAction>(this, app::Shell::Leave::KeepLoaded);
}

} // namespace screens
