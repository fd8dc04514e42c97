#pragma once

#include "app/Screen.h"
#include "store/RecipeFile.h"

#include <QStringList>
#include <memory>

namespace Ui {
class ModifyRecipe2;
}

namespace screens {

class RecipeEditor;

// Changes an existing recipe: the recipe chosen in the list (its number in the
// run state's SelectedBatchID), saved after a confirmation into the same file.
class ModifyRecipe2 : public app::Screen
{
    Q_OBJECT

public:
    explicit ModifyRecipe2(QWidget* parent = nullptr);
    ~ModifyRecipe2() override;

    RecipeEditor* editor() const;

public Q_SLOTS:
    void Form_Load() override;
    void CommandButton1_Click(); // Save
    void CommandButton2_Click(); // Quit

protected:
    void closeByTitleBar() override { CommandButton2_Click(); }

private:
    void backToMainMenu();

    // The description and the steps now, to compare with m_loaded.
    QStringList content() const;
    // True when nothing would be lost, or the user chose to lose it.
    bool mayLeave();

    std::unique_ptr<Ui::ModifyRecipe2> ui;
    QStringList m_loaded;
    store::Recipe m_shown; // the file as it was read, to refuse saving over another's change
};

} // namespace screens
