#include "app/MainMenu.h"

#include "app/Shell.h"
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
}

MainMenu::~MainMenu() = default;

void MainMenu::go(const char* target)
{
    shell().switchScreen(this, QString::fromLatin1(target));
}

void MainMenu::CommandButton2_Click()
{
    go("NewBatch");
}

void MainMenu::CommandButton3_Click()
{
    go("ExistingInventory");
}

void MainMenu::CommandButton1_Click()
{
    go("ThingsToDoToday");
}

void MainMenu::CommandButton6_Click()
{
    go("Completed1");
}

void MainMenu::CommandButton4_Click()
{
    go("NewRecipe");
}

void MainMenu::CommandButton8_Click()
{
    go("ModifyRecipe");
}

void MainMenu::CommandButton5_Click()
{
    go("Chart1");
}

void MainMenu::CommandButton7_Click()
{
    go("Opening_Screen");
}

void MainMenu::AboutButton_Click()
{
    state().AboutReturnTarget = 0;
    go("AboutForm");
}

} // namespace app
