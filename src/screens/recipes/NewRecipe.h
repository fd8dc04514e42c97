#pragma once

#include "app/Screen.h"

#include <QStringList>
#include <memory>

namespace Ui {
class NewRecipe;
}

namespace screens {

class RecipeEditor;

// Creates a recipe under the next free number; the number is shown, never typed.
class NewRecipe : public app::Screen
{
    Q_OBJECT

public:
    explicit NewRecipe(QWidget* parent = nullptr);
    ~NewRecipe() override;

    RecipeEditor* editor() const;

public Q_SLOTS:
    void Form_Load() override;
    void CommandButton1_Click(); // Save
    void CommandButton2_Click(); // Quit

protected:
    void closeByTitleBar() override { CommandButton2_Click(); }

private:
    // Works out the number to offer; shows why when there is none.
    bool offerNextNumber();

    // The description and the steps now, to compare with m_loaded.
    QStringList content() const;
    // True when nothing would be lost, or the user chose to lose it.
    bool mayLeave();

    std::unique_ptr<Ui::NewRecipe> ui;
    QStringList m_loaded;
    bool m_haveNumber = false;
};

} // namespace screens
