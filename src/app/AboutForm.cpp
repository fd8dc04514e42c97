#include "app/AboutForm.h"

#include "app/Shell.h"
#include "store/RunState.h"
#include "ui_AboutForm.h"

namespace app {

AboutForm::AboutForm(QWidget* parent) : Screen(parent), ui(new Ui::AboutForm)
{
    ui->setupUi(this);
    connect(ui->CommandButton1, &QPushButton::clicked, this, &AboutForm::CommandButton1_Click);
}

AboutForm::~AboutForm() = default;

void AboutForm::CommandButton1_Click()
{
    const QString target = state().AboutReturnTarget == 1 ? QStringLiteral("Opening_Screen")
                                                          : QStringLiteral("MainMenu");
    shell().switchScreen(this, target);
    if (Shell::exists())
        state().AboutReturnTarget = 0;
}

} // namespace app
