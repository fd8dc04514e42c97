#include "screens/recipes/ModifyRecipe.h"

#include "app/MainMenu.h"
#include "app/Shell.h"
#include "screens/recipes/ModifyRecipe2.h"
#include "store/DataFolder.h"
#include "store/RecipeFile.h"
#include "store/StoreError.h"
#include "ui_ModifyRecipe.h"
#include "widgets/Messages.h"

namespace screens {

namespace {
constexpr int kNumberCol = 0;
} // namespace

ModifyRecipe::ModifyRecipe(QWidget* parent) : app::Screen(parent), ui(new Ui::ModifyRecipe)
{
    ui->setupUi(this);
    connect(ui->Grid1, &widgets::Grid::cellDoubleClicked, this, &ModifyRecipe::Grid1_DblClick);
    connect(ui->Grid1, &widgets::Grid::returnPressed, this, &ModifyRecipe::Grid1_DblClick);
    connect(ui->CommandButton1, &QPushButton::clicked, this, &ModifyRecipe::CommandButton1_Click);
}

ModifyRecipe::~ModifyRecipe() = default;

void ModifyRecipe::Form_Load()
{
    widgets::Grid* grid = ui->Grid1;
    grid->setFixedRows(1);
    grid->setColumns({{tr("Recipe Number"), 2000, Qt::AlignCenter, Qt::AlignCenter},
                      {tr("Recipe Description"), 9000}});
    grid->setRows(2);

    const QString& root = state().DataRoot;
    QStringList files;
    try {
        files = store::listDataFiles(store::recipeFolderPath(root),
                                     store::FileSubject(store::FileSubject::Recipes));
    } catch (const store::StoreError& error) {
        widgets::Messages::warningWhenShown(this, error.message());
    }
    QStringList cells;
    QStringList unreadable;
    m_fileNames.clear();
    for (const QString& file : std::as_const(files)) {
        try {
            const QString line1 = store::readRecipeFile(root, file).line1;
            cells << store::recipeNumberOf(line1) << store::recipeDescriptionOf(line1);
            m_fileNames << file;
        } catch (const store::StoreError& error) {
            unreadable << error.message();
        }
    }
    grid->fillRows(1, cells);
    grid->setRows(static_cast<int>(m_fileNames.size()) + 2);
    grid->setCurrentCell(1, kNumberCol);
    if (!unreadable.isEmpty()) {
        widgets::Messages::warningWhenShown(
            this, tr("These recipe files could not be read and are not listed:") +
                      QStringLiteral("\n\n") + unreadable.join(QLatin1Char('\n')));
    }
}

void ModifyRecipe::Grid1_DblClick(int row, int)
{
    widgets::Grid* grid = ui->Grid1;
    // Only a double click on a recipe's row opens it: the heading and the space
    // below the rows name no recipe.
    if (row < grid->fixedRows() || !grid->setCurrentCell(row, kNumberCol))
        return;
    const QString number = grid->text().trimmed();
    if (number.isEmpty() || row > m_fileNames.size())
        return;
    // The editor opens a recipe by the number in its line 1; a file whose line 1
    // names another number is not opened, so saving can never land on the file of
    // a different recipe.
    const QString file = m_fileNames.at(row - 1);
    if (!store::isOwnRecipeNumber(file, number)) {
        widgets::Messages::warning(
            this, tr("The recipe file \"%1\" begins with the number \"%2\", which is not its own "
                     "number, so Vintrelo does not open it: saving it would change another "
                     "recipe's file. Correct the first line of the file, or rename the file after "
                     "its number, then open it again.")
                      .arg(file, number));
        return;
    }
    state().SelectedBatchID = number;
    shell().switchScreen<ModifyRecipe2>(this);
}

void ModifyRecipe::CommandButton1_Click()
{
    shell().switchScreen<app::MainMenu>(this);
}

} // namespace screens
