#pragma once

#include "app/Screen.h"
#include "print/TrackingTag.h"

#include <memory>

namespace Ui {
class NewBatch3;
}

namespace screens {

// Shown once the batch file is written: the tag, another batch for the same
// customer, or the main menu.
class NewBatch3 : public app::Screen
{
    Q_OBJECT

public:
    explicit NewBatch3(QWidget* parent = nullptr);
    ~NewBatch3() override;

    // The tag of the batch just created: its entries and the preview's schedule.
    print::TagData tagData() const;

public Q_SLOTS:
    void Print_Command_Click();
    void NewBatch_Command_Click();
    void MainMenu_Command_Click();

protected:
    void closeByTitleBar() override { MainMenu_Command_Click(); }

private:
    std::unique_ptr<Ui::NewBatch3> ui;
};

} // namespace screens
