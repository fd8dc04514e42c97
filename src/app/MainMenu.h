#pragma once

#include "app/Screen.h"

#include <memory>

namespace Ui {
class MainMenu;
}

namespace app {

// The hub from which every task starts and to which every task screen returns.
class MainMenu : public Screen
{
    Q_OBJECT

public:
    explicit MainMenu(QWidget* parent = nullptr);
    ~MainMenu() override;

public Q_SLOTS:
    void CommandButton2_Click(); // Start a New Batch
    void CommandButton3_Click(); // Batches in Progress
    void CommandButton1_Click(); // Things to do Today
    void CommandButton6_Click(); // Completed wine
    void CommandButton4_Click(); // Create a new Recipe
    void CommandButton8_Click(); // Modify an existing Recipe
    void CommandButton5_Click(); // Chemical Charts
    void CommandButton7_Click(); // Exit Back
    void AboutButton_Click();
    void Backups_Command_Click();
    void FindBatch_Command_Click();

protected:
    void closeByTitleBar() override { CommandButton7_Click(); }

private:
    std::unique_ptr<Ui::MainMenu> ui;
};

} // namespace app
