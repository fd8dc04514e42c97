#include "screens/tasks/InsertNewAction.h"

#include "app/Shell.h"
#include "screens/tasks/ThingsToDoToday.h"
#include "store/ActionChanges.h"
#include "store/GivenWords.h"
#include "store/RunState.h"
#include "store/StoreError.h"
#include "ui_InsertNewAction.h"
#include "widgets/Messages.h"

#include <QKeyEvent>
#include <QLabel>

namespace screens {

InsertNewAction::InsertNewAction(QWidget* parent) : app::Screen(parent), ui(new Ui::InsertNewAction)
{
    ui->setupUi(this);
    connect(ui->CommandButton3, &QPushButton::clicked, this,
            &InsertNewAction::CommandButton3_Click);
    connect(ui->Cancel_Command, &QPushButton::clicked, this,
            &InsertNewAction::Cancel_Command_Click);
}

InsertNewAction::~InsertNewAction() = default;

void InsertNewAction::Form_Load()
{
    ui->Label7->setText(state().TodayText);
    ui->Text4->setText(store::shownAction(store::manualActionText()));
    ui->Text4->setFocus(Qt::OtherFocusReason);
    ui->Text4->selectAll();
}

void InsertNewAction::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Cancel_Command_Click();
        return;
    }
    app::Screen::keyPressEvent(event);
}

void InsertNewAction::Cancel_Command_Click()
{
    // The postponement is already saved; only the note is left out.
    returnToList();
}

void InsertNewAction::CommandButton3_Click()
{
    store::RunState& run = state();
    app::Screen* tasks = shell().loadedScreen<ThingsToDoToday>();
    const QLabel* batchLabel =
        tasks ? tasks->findChild<QLabel*>(QStringLiteral("BatchIDLabel")) : nullptr;
    const QLabel* actionLabel =
        tasks ? tasks->findChild<QLabel*>(QStringLiteral("ActionLabel")) : nullptr;
    if (!batchLabel || !actionLabel || run.SelectedActionIndex < 1) {
        widgets::Messages::warning(this, tr("Vintrelo no longer knows which action was postponed, "
                                            "so this note was not added. The postponement itself "
                                            "is saved."));
        returnToList();
        return;
    }
    if (ui->Text4->text().trimmed().isEmpty()) {
        // A note without an action would print as a blank line on the tag.
        widgets::Messages::warning(
            this, tr("This note was not added: its Action is empty. Type what was done in "
                     "Action, or press \"Cancel\" to go back to the list without a note. The "
                     "postponement itself is saved."));
        ui->Text4->setFocus(Qt::OtherFocusReason);
        return;
    }
    run.SelectedBatchID = batchLabel->text();
    // The default text is written in English, as on every PC that shares the folder.
    const store::ActionRecord note =
        store::manualActionRecord(ui->Label7->text(), store::actionToStore(ui->Text4->text()),
                                  ui->Text3->text(), ui->Text1->text(), ui->Text2->text());
    try {
        store::insertManualAction(run.DataRoot, run.SelectedBatchID, run.SelectedActionIndex,
                                  actionLabel->text(), note);
    } catch (const store::ChangedElsewhere&) {
        // Trying again cannot help: the action it belongs to is not as shown any more.
        widgets::Messages::warning(
            this, tr("The actions of batch %1 were moved, but this note was not added to it, "
                     "because the batch was changed meanwhile, probably on another computer. "
                     "The list now shows the batches as they are.")
                      .arg(run.SelectedBatchID));
        returnToList();
        return;
    } catch (const store::StoreError& error) {
        // What was typed stays on the screen, so the note can be saved once the
        // cause is put right; closing the window is the way out when it cannot be.
        widgets::Messages::warning(
            this, tr("The actions of batch %1 were moved, but this note was not added to it.\n\n%2"
                     "\n\nPress \"Accept\" to try again, or \"Cancel\" to go back to the "
                     "list without the note.")
                      .arg(run.SelectedBatchID, error.message()));
        return;
    }
    returnToList();
}

void InsertNewAction::returnToList()
{
    shell().unloadScreen(shell().loadedScreen<ThingsToDoToday>());
    shell().switchScreen<ThingsToDoToday>(this);
}

} // namespace screens
