#pragma once

#include "app/Screen.h"

#include <memory>

namespace Ui {
class Chart1;
}

namespace screens {

// The chemical and ingredient chart: a read-only table filled from the chart
// file that the shop maintains in the data folder.
class Chart1 : public app::Screen
{
    Q_OBJECT

public:
    explicit Chart1(QWidget* parent = nullptr);
    ~Chart1() override;

public Q_SLOTS:
    void Form_Load() override;
    void CommandButton1_Click(); // Go Back to Main Menu

protected:
    void closeByTitleBar() override { CommandButton1_Click(); }

private:
    std::unique_ptr<Ui::Chart1> ui;
};

} // namespace screens
