#pragma once

#include "app/Screen.h"

#include <memory>

namespace Ui {
class AboutForm;
}

namespace app {

// Returns to whichever screen opened it: the opening screen or the main menu.
class AboutForm : public Screen
{
    Q_OBJECT

public:
    explicit AboutForm(QWidget* parent = nullptr);
    ~AboutForm() override;

public Q_SLOTS:
    void CommandButton1_Click(); // Back

protected:
    void closeByTitleBar() override { CommandButton1_Click(); }

private:
    std::unique_ptr<Ui::AboutForm> ui;
};

} // namespace app
