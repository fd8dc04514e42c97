#include "screens/batch/NewBatch3.h"

#include "app/MainMenu.h"
#include "app/Shell.h"
#include "screens/batch/NewBatch.h"
#include "screens/batch/NewBatch2.h"
#include "store/BatchCreation.h"
#include "store/Clock.h"
#include "store/Particulars.h"
#include "store/RunState.h"
#include "store/StoreError.h"
#include "ui_NewBatch3.h"
#include "widgets/Messages.h"

namespace screens {

NewBatch3::NewBatch3(QWidget* parent) : app::Screen(parent), ui(new Ui::NewBatch3)
{
    ui->setupUi(this);
    connect(ui->Print_Command, &QPushButton::clicked, this, &NewBatch3::Print_Command_Click);
    connect(ui->NewBatch_Command, &QPushButton::clicked, this, &NewBatch3::NewBatch_Command_Click);
    connect(ui->MainMenu_Command, &QPushButton::clicked, this, &NewBatch3::MainMenu_Command_Click);
}

NewBatch3::~NewBatch3() = default;

print::TagData NewBatch3::tagData() const
{
    const store::PendingBatch& batch = state().PendingBatch;
    print::TagData tag = print::tagParticulars(batch.BatchID, store::headerOf(batch));
    // The schedule as the preview showed it and the batch file received it.
    if (const NewBatch2* preview = shell().loadedScreen<NewBatch2>()) {
        for (const store::ScheduleRow& row : preview->shownSchedule())
            tag.schedule.append({row.DueDate, row.Action, false});
    }
    return tag;
}

void NewBatch3::Print_Command_Click()
{
    print::printTrackingTag(this, tagData());
}

void NewBatch3::NewBatch_Command_Click()
{
    // The counter moved when the batch was written: this is the next batch's number.
    QString batchId;
    try {
        batchId = store::nextBatchId(state().DataRoot, store::Clock::today());
    } catch (const store::StoreError& error) {
        widgets::Messages::warning(this, error.message());
        return;
    }
    const store::PendingBatch previous = state().PendingBatch;
    shell().unloadScreen(shell().loadedScreen<NewBatch2>());
    if (NewBatch* form = shell().switchScreen<NewBatch>(this))
        form->carryOverCustomer(batchId, previous);
}

void NewBatch3::MainMenu_Command_Click()
{
    shell().unloadScreen(shell().loadedScreen<NewBatch>());
    shell().unloadScreen(shell().loadedScreen<NewBatch2>());
    shell().switchScreen<app::MainMenu>(this);
}

} // namespace screens
