#include "screens/recipes/NewRecipe.h"

#include "app/MainMenu.h"
#include "app/Shell.h"
#include "screens/recipes/RecipeEditor.h"
#include "store/RecipeFile.h"
#include "store/StoreError.h"
#include "ui_NewRecipe.h"
#include "widgets/Grid.h"
#include "widgets/Messages.h"

namespace screens {

NewRecipe::NewRecipe(QWidget* parent) : app::Screen(parent), ui(new Ui::NewRecipe)
{
    ui->setupUi(this);
    connect(ui->CommandButton1, &QPushButton::clicked, this, &NewRecipe::CommandButton1_Click);
    connect(ui->CommandButton2, &QPushButton::clicked, this, &NewRecipe::CommandButton2_Click);
}

NewRecipe::~NewRecipe() = default;

RecipeEditor* NewRecipe::editor() const
{
    return ui->Editor;
}

void NewRecipe::Form_Load()
{
    offerNextNumber();
    ui->Editor->setUpGrid(4);
    const QString problem = ui->Editor->loadActions(state().DataRoot);
    if (!problem.isEmpty())
        widgets::Messages::warningWhenShown(this, problem);
    ui->Editor->grid()->setCurrentCell(1, RecipeEditor::kActionCol);
    m_loaded = content();
}

QStringList NewRecipe::content() const
{
    return QStringList{ui->Name_TextBox->text()} + ui->Editor->content();
}

bool NewRecipe::mayLeave()
{
    return content() == m_loaded || widgets::Messages::leaveWithoutSaving(this);
}

bool NewRecipe::offerNextNumber()
{
    try {
        ui->NewRecipeNumber->setText(store::nextRecipeNumber(state().DataRoot));
        m_haveNumber = true;
    } catch (const store::StoreError& error) {
        // Without a free number nothing can be saved; the screen still opens so the
        // user sees why, and Save tries again once the folder is put right.
        ui->NewRecipeNumber->clear();
        m_haveNumber = false;
        widgets::Messages::warning(this, error.message());
    }
    return m_haveNumber;
}

void NewRecipe::CommandButton1_Click()
{
    const QVector<store::RecipeRow> rows = ui->Editor->rows();
    if (ui->Name_TextBox->text().isEmpty()) {
        widgets::Messages::warning(this, tr("You must enter a description of the recipe above"));
        ui->Name_TextBox->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!m_haveNumber && !offerNextNumber())
        return;
    try {
        store::writeRecipeFile(state().DataRoot, ui->NewRecipeNumber->text(),
                               ui->Name_TextBox->text(), rows, store::RecipeWrite::Create);
    } catch (const store::StoreError& error) {
        // A recipe saved meanwhile under this number is never replaced: the user
        // keeps everything typed and is offered the next number.
        const QString before = ui->NewRecipeNumber->text();
        widgets::Messages::warning(this, error.message());
        if (offerNextNumber() && ui->NewRecipeNumber->text() != before) {
            widgets::Messages::information(this,
                                           tr("Click Save again to save this recipe as number %1.")
                                               .arg(ui->NewRecipeNumber->text()));
        }
        return;
    }
    shell().switchScreen<app::MainMenu>(this);
}

void NewRecipe::CommandButton2_Click()
{
    if (mayLeave())
        shell().switchScreen<app::MainMenu>(this);
}

} // namespace screens
