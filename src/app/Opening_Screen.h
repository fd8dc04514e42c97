#pragma once

#include "app/Screen.h"

#include <memory>

namespace Ui {
class Opening_Screen;
}

namespace store {
struct DataRootResult;
}

namespace app {

// The first screen: fixes the data folder and today's date for the whole run.
class Opening_Screen : public Screen
{
    Q_OBJECT

public:
    explicit Opening_Screen(QWidget* parent = nullptr);
    ~Opening_Screen() override;

public Q_SLOTS:
    void Form_Load() override;
    void AboutButton_Click();
    void CommandButton2_Click(); // Proceed to Main Menu
    void CommandButton1_Click(); // Exit Program

protected:
    void closeByTitleBar() override { CommandButton1_Click(); }

private:
    // A folder a restore replaced (on another PC) is not worked on unasked:
    // the restored folder is offered, and `found` follows the answer.
    void offerRestoredFolder(store::DataRootResult& found);

    std::unique_ptr<Ui::Opening_Screen> ui;
};

} // namespace app
