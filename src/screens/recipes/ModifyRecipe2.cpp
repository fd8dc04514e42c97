#include "screens/recipes/ModifyRecipe2.h"

#include "app/MainMenu.h"
#include "app/Shell.h"
#include "screens/recipes/RecipeEditor.h"
#include "store/RecipeFile.h"
#include "store/StoreError.h"
#include "ui_ModifyRecipe2.h"
#include "widgets/Messages.h"

namespace screens {

ModifyRecipe2::ModifyRecipe2(QWidget* parent) : app::Screen(parent), ui(new Ui::ModifyRecipe2)
{
    ui->setupUi(this);
    connect(ui->CommandButton1, &QPushButton::clicked, this, &ModifyRecipe2::CommandButton1_Click);
    connect(ui->CommandButton2, &QPushButton::clicked, this, &ModifyRecipe2::CommandButton2_Click);
}

ModifyRecipe2::~ModifyRecipe2() = default;

RecipeEditor* ModifyRecipe2::editor() const
{
    return ui->Editor;
}

void ModifyRecipe2::Form_Load()
{
    ui->Editor->setUpGrid(0);
    const QString number = state().SelectedBatchID;
    store::Recipe recipe;
    try {
        recipe = store::readOwnRecipeFile(state().DataRoot, number);
    } catch (const store::StoreError& error) {
        widgets::Messages::warningWhenShown(this, error.message());
        backToMainMenu();
        return;
    }
    ui->RecipeNumber->setText(store::recipeNumberOf(recipe.line1));
    ui->Name_TextBox->setText(store::recipeDescriptionOf(recipe.line1));
    ui->Editor->loadSteps(recipe.steps);
    const QString problem = ui->Editor->loadActions(state().DataRoot);
    if (!problem.isEmpty())
        widgets::Messages::warningWhenShown(this, problem);
    m_loaded = content();
    m_shown = recipe;
}

QStringList ModifyRecipe2::content() const
{
    return QStringList{ui->Name_TextBox->text()} + ui->Editor->content();
}

bool ModifyRecipe2::mayLeave()
{
    return content() == m_loaded || widgets::Messages::leaveWithoutSaving(this);
}

void ModifyRecipe2::CommandButton1_Click()
{
    const QVector<store::RecipeRow> rows = ui->Editor->rows();
    if (!widgets::Messages::question(this, tr("Are you sure you want to save the changes ?"))) {
        if (mayLeave())
            backToMainMenu();
        return;
    }
    if (ui->Name_TextBox->text().isEmpty()) {
        widgets::Messages::warning(this, tr("You must enter a description of the recipe above"));
        ui->Name_TextBox->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString number = ui->RecipeNumber->text();
    try {
        // Checked again: the file may have been edited by hand since it was opened.
        store::readOwnRecipeFile(state().DataRoot, number);
        store::writeRecipeFile(state().DataRoot, number, ui->Name_TextBox->text(), rows,
                               store::RecipeWrite::Replace, &m_shown);
    } catch (const store::StoreError& error) {
        widgets::Messages::warning(this, error.message());
        return;
    }
    backToMainMenu();
}

void ModifyRecipe2::CommandButton2_Click()
{
    if (mayLeave())
        backToMainMenu();
}

void ModifyRecipe2::backToMainMenu()
{
    shell().switchScreen<app::MainMenu>(this);
}

} // namespace screens
