#pragma once

#include "app/Screen.h"

#include <QStringList>
#include <memory>

namespace Ui {
class ModifyRecipe;
}

namespace screens {

// Lists every recipe file by number and description; a double click opens one.
class ModifyRecipe : public app::Screen
{
    Q_OBJECT

public:
    explicit ModifyRecipe(QWidget* parent = nullptr);
    ~ModifyRecipe() override;

public Q_SLOTS:
    void Form_Load() override;
    void Grid1_DblClick(int row, int col);
    void CommandButton1_Click(); // Go Back to Main Menu

protected:
    void closeByTitleBar() override { CommandButton1_Click(); }

private:
    std::unique_ptr<Ui::ModifyRecipe> ui;
    QStringList m_fileNames; // the file behind each listed row, from row 1
};

} // namespace screens
