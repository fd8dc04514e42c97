#include "app/AboutForm.h"

#include "app/MainMenu.h"
#include "app/Opening_Screen.h"
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
    if (state().AboutReturnTarget == 1)
        shell().switchScreen<Opening_Screen>(this);
    else
        shell().switchScreen<MainMenu>(this);
    if (Shell::exists())
        state().AboutReturnTarget = 0;
}

} // namespace app
