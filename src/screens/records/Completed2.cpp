#include "screens/records/Completed2.h"

#include "app/Shell.h"
#include "print/BatchReport.h"
#include "screens/find/OpenBatch.h"
#include "screens/records/BatchSheet.h"
#include "screens/records/Completed1.h"
#include "store/StoreError.h"
#include "ui_Completed2.h"
#include "widgets/MeasurementChart.h"
#include "widgets/Messages.h"

namespace screens {

Completed2::Completed2(QWidget* parent) : app::Screen(parent), ui(new Ui::Completed2)
{
    ui->setupUi(this);
    connect(ui->CommandButton1, &QPushButton::clicked, this, &Completed2::CommandButton1_Click);
    connect(ui->PrintReport_Command, &QPushButton::clicked, this,
            &Completed2::PrintReport_Command_Click);
}

Completed2::~Completed2() = default;

widgets::Grid* Completed2::grid() const
{
    return ui->Grid1;
}

void Completed2::Form_Load()
{
    const QString batchId = state().SelectedBatchID;
    ui->BatchID_Label->setText(batchId);
    store::BatchFile batch;
    try {
        batch = store::readBatchFile(state().DataRoot, store::BatchFolder::Completed, batchId);
    } catch (const store::StoreError& error) {
        widgets::Messages::warningWhenShown(this, error.message());
        CommandButton1_Click();
        return;
    }
    ui->Particulars->showHeader(batch.header);
    batchsheet::fillActionGrid(ui->Grid1, batch.records);
    ui->MeasurementChart->showRecords(batch.records);
    m_shown = batch;
}

void Completed2::PrintReport_Command_Click()
{
    print::BatchReportData report;
    report.batchId = ui->BatchID_Label->text();
    report.header = m_shown.header;
    report.records = m_shown.records;
    report.printedOn = state().TodayText;
    print::printBatchReport(this, report);
}

void Completed2::CommandButton1_Click()
{
    returnFromBatch(this, Completed1::staticMetaObject);
}

} // namespace screens
