#pragma once

#include "app/Screen.h"

#include <memory>

namespace Ui {
class PlaceholderScreen;
}

namespace screens {

// Stands in for a task screen that is not built yet: its own title and heading,
// and a way back to the main menu.
class PlaceholderScreen : public app::Screen
{
    Q_OBJECT

public:
    PlaceholderScreen(const QString& title, const QString& heading, QWidget* parent = nullptr);
    ~PlaceholderScreen() override;

public Q_SLOTS:
    void CommandButton1_Click(); // Go Back to Main Menu

protected:
    void closeByTitleBar() override { CommandButton1_Click(); }

private:
    std::unique_ptr<Ui::PlaceholderScreen> ui;
};

} // namespace screens
