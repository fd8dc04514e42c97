#include "screens/tasks/InsertNewAction.h"

#include "app/Shell.h"
#include "screens/tasks/ThingsToDoToday.h"
#include "store/ActionChanges.h"
#include "store/RunState.h"
#include "store/StoreError.h"
#include "ui_InsertNewAction.h"
#include "widgets/Messages.h"

#include <QLabel>

namespace screens {

InsertNewAction::InsertNewAction(QWidget* parent) : app::Screen(parent), ui(new Ui::InsertNewAction)
{
    ui->setupUi(this);
    connect(ui->CommandButton3, &QPushButton::clicked, this,
            &InsertNewAction::CommandButton3_Click);
}

InsertNewAction::~InsertNewAction() = default;

void InsertNewAction::Form_Load()
{
    ui->Label7->setText(state().TodayText);
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
    run.SelectedBatchID = batchLabel->text();
    const store::ActionRecord note =
        store::manualActionRecord(ui->Label7->text(), ui->Text4->text(), ui->Text3->text(),
                                  ui->Text1->text(), ui->Text2->text());
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
                     "\n\nPress \"Accept\" to try again, or close this window to go back to "
                     "the list without the note.")
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
