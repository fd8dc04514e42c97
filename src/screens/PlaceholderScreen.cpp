#include "screens/PlaceholderScreen.h"

#include "app/Shell.h"
#include "ui_PlaceholderScreen.h"

namespace screens {

PlaceholderScreen::PlaceholderScreen(const QString& title, const QString& heading, QWidget* parent)
    : app::Screen(parent), ui(new Ui::PlaceholderScreen)
{
    ui->setupUi(this);
    setWindowTitle(title);
    ui->Label2->setText(heading);
    connect(ui->CommandButton1, &QPushButton::clicked, this,
            &PlaceholderScreen::CommandButton1_Click);
}

PlaceholderScreen::~PlaceholderScreen() = default;

void PlaceholderScreen::CommandButton1_Click()
{
    shell().switchScreen(this, QStringLiteral("MainMenu"));
}

} // namespace screens
