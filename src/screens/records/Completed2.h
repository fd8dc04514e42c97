#pragma once

#include "app/Screen.h"
#include "store/BatchFile.h"

#include <memory>

namespace Ui {
class Completed2;
}

namespace widgets {
class Grid;
}

namespace screens {

// A completed batch, read-only: its header and its actions, nothing to change.
class Completed2 : public app::Screen
{
    Q_OBJECT

public:
    explicit Completed2(QWidget* parent = nullptr);
    ~Completed2() override;

    widgets::Grid* grid() const;

public Q_SLOTS:
    void Form_Load() override;
    void CommandButton1_Click(); // Quit & Go Back
    void PrintReport_Command_Click();

protected:
    void closeByTitleBar() override { CommandButton1_Click(); }

private:
    std::unique_ptr<Ui::Completed2> ui;
    store::BatchFile m_shown; // what the report prints
};

} // namespace screens
