#include "app/MainMenu.h"

#include "app/AboutForm.h"
#include "app/Opening_Screen.h"
#include "app/Shell.h"
#include "screens/backup/Backups.h"
#include "screens/batch/NewBatch.h"
#include "screens/chart/Chart1.h"
#include "screens/find/FindBatch.h"
#include "screens/find/OpenBatch.h"
#include "screens/find/ScanCatcher.h"
#include "screens/recipes/ModifyRecipe.h"
#include "screens/recipes/NewRecipe.h"
#include "screens/records/Completed1.h"
#include "screens/records/ExistingInventory.h"
#include "screens/tasks/ThingsToDoToday.h"
#include "ui_MainMenu.h"

namespace app {

MainMenu::MainMenu(QWidget* parent) : Screen(parent), ui(new Ui::MainMenu)
{
    ui->setupUi(this);
    connect(ui->CommandButton2, &QPushButton::clicked, this, &MainMenu::CommandButton2_Click);
    connect(ui->CommandButton3, &QPushButton::clicked, this, &MainMenu::CommandButton3_Click);
    connect(ui->CommandButton1, &QPushButton::clicked, this, &MainMenu::CommandButton1_Click);
    connect(ui->CommandButton6, &QPushButton::clicked, this, &MainMenu::CommandButton6_Click);
    connect(ui->CommandButton4, &QPushButton::clicked, this, &MainMenu::CommandButton4_Click);
    connect(ui->CommandButton8, &QPushButton::clicked, this, &MainMenu::CommandButton8_Click);
    connect(ui->CommandButton5, &QPushButton::clicked, this, &MainMenu::CommandButton5_Click);
    connect(ui->CommandButton7, &QPushButton::clicked, this, &MainMenu::CommandButton7_Click);
    connect(ui->AboutButton, &QPushButton::clicked, this, &MainMenu::AboutButton_Click);
    connect(ui->Backups_Command, &QPushButton::clicked, this, &MainMenu::Backups_Command_Click);
    connect(ui->FindBatch_Command, &QPushButton::clicked, this, &MainMenu::FindBatch_Command_Click);
    // A tag scanned here opens its batch.
    new screens::ScanCatcher(this, [this](const QString& typed) {
        screens::openBatchById(this, typed, store::BatchOpenedFrom::MainMenu);
    });
}

MainMenu::~MainMenu() = default;

void MainMenu::CommandButton2_Click()
{
    shell().switchScreen<screens::NewBatch>(this);
}

void MainMenu::CommandButton3_Click()
{
    shell().switchScreen<screens::ExistingInventory>(this);
}

void MainMenu::CommandButton1_Click()
{
    shell().switchScreen<screens::ThingsToDoToday>(this);
}

void MainMenu::CommandButton6_Click()
{
    shell().switchScreen<screens::Completed1>(this);
}

void MainMenu::CommandButton4_Click()
{
    shell().switchScreen<screens::NewRecipe>(this);
}

void MainMenu::CommandButton8_Click()
{
    shell().switchScreen<screens::ModifyRecipe>(this);
}

void MainMenu::CommandButton5_Click()
{
    shell().switchScreen<screens::Chart1>(this);
}

void MainMenu::CommandButton7_Click()
{
    shell().switchScreen<Opening_Screen>(this);
}

void MainMenu::AboutButton_Click()
{
    state().AboutReturnTarget = 0;
    shell().switchScreen<AboutForm>(this);
}

void MainMenu::Backups_Command_Click()
{
    shell().switchScreen<screens::Backups>(this);
}

void MainMenu::FindBatch_Command_Click()
{
    shell().switchScreen<screens::FindBatch>(this);
}

} // namespace app
