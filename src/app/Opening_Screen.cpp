#include "app/Opening_Screen.h"

#include "app/AboutForm.h"
#include "app/BackupService.h"
#include "app/FirstRun.h"
#include "app/MainMenu.h"
#include "app/Shell.h"
#include "app/Version.h"
#include "store/Clock.h"
#include "store/DataFolder.h"
#include "store/LongDate.h"
#include "store/ReplacedFolder.h"
#include "store/StoreError.h"
#include "ui_Opening_Screen.h"
#include "widgets/Messages.h"

#include <QDir>

namespace app {

Opening_Screen::Opening_Screen(QWidget* parent) : Screen(parent), ui(new Ui::Opening_Screen)
{
    ui->setupUi(this);
    ui->Label9->setText(tr("Version %1").arg(QStringLiteral(VINTRELO_VERSION)));
    connect(ui->AboutButton, &QPushButton::clicked, this, &Opening_Screen::AboutButton_Click);
    connect(ui->CommandButton2, &QPushButton::clicked, this, &Opening_Screen::CommandButton2_Click);
    connect(ui->CommandButton1, &QPushButton::clicked, this, &Opening_Screen::CommandButton1_Click);
    // Return at start-up proceeds: the default button starts with the focus.
    ui->CommandButton2->setFocus(Qt::OtherFocusReason);
}

Opening_Screen::~Opening_Screen() = default;

void Opening_Screen::Form_Load()
{
    const store::LocationPlaces& places = shell().options().places;
    store::DataRootResult found = store::loadDataRoot(places);
    while (found.problem != store::DataRootProblem::None) {
        // Without a usable data folder no screen can work: set one up or stop.
        if (!offerFirstRun(this, found, places, shell().options().defaultDataFolder)) {
            shell().exitProgram();
            return;
        }
        found = store::loadDataRoot(places);
    }
    offerRestoredFolder(found);
    state().DataRoot = found.dataRoot;

    const QStringList missing = store::missingDataFolderParts(found.dataRoot);
    if (!missing.isEmpty()) {
        widgets::Messages::warningWhenShown(
            this, tr("The data folder \"%1\" is missing:\n\n%2\n\nThe screens that need these "
                     "will not work until they are restored from your backup.")
                      .arg(QDir::toNativeSeparators(QDir::cleanPath(found.dataRoot)),
                           missing.join(QLatin1Char('\n'))));
    }

    state().TodayText = store::formatLongDate(store::Clock::today());
    ui->Label5->setText(state().TodayText);
    // The first start of a day backs the data folder up in the background.
    shell().backups().startIfDue(state().DataRoot);
}

void Opening_Screen::offerRestoredFolder(store::DataRootResult& found)
{
    if (!store::folderWasReplaced(found.dataRoot))
        return;
    const QString old = QDir::toNativeSeparators(QDir::cleanPath(found.dataRoot));
    const QString restored = store::replacingFolder(found.dataRoot);
    if (restored.isEmpty()) {
        widgets::Messages::warningWhenShown(
            this, tr("The data folder \"%1\" was replaced by a restored folder, probably on "
                     "another PC, but this PC cannot find that folder. Nothing can be saved in "
                     "\"%1\". Name the restored folder in \"VT.Loc\", then start Vintrelo "
                     "again.")
                      .arg(old));
        return;
    }
    if (!widgets::Messages::question(
            this, tr("The data folder \"%1\" was replaced by the restored folder \"%2\", "
                     "probably on another PC, and nothing can be saved in it any more.\n\n"
                     "Work on the restored folder from now on?")
                      .arg(old, QDir::toNativeSeparators(restored)))) {
        widgets::Messages::warningWhenShown(
            this, tr("Vintrelo shows \"%1\" as it was, but saves nothing there. To work, start "
                     "Vintrelo again and move to the restored folder.")
                      .arg(old));
        return;
    }
    try {
        store::writeLocationFile(shell().options().places, restored);
    } catch (const store::StoreError& error) {
        widgets::Messages::warningWhenShown(this, error.message());
        return;
    }
    const store::DataRootResult moved = store::loadDataRoot(shell().options().places);
    if (moved.problem == store::DataRootProblem::None)
        found = moved;
}

void Opening_Screen::AboutButton_Click()
{
    state().AboutReturnTarget = 1;
    shell().switchScreen<AboutForm>(this);
}

void Opening_Screen::CommandButton2_Click()
{
    shell().switchScreen<MainMenu>(this);
}

void Opening_Screen::CommandButton1_Click()
{
    shell().backups().finishBeforeExit(state().DataRoot);
    shell().exitProgram();
}

} // namespace app
