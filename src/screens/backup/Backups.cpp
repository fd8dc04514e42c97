#include "screens/backup/Backups.h"

#include "app/BackupService.h"
#include "app/MainMenu.h"
#include "app/Shell.h"
#include "backup/BackupNames.h"
#include "backup/BackupRestore.h"
#include "backup/BackupRotation.h"
#include "store/BatchCounter.h"
#include "store/Clock.h"
#include "store/DataFolder.h"
#include "store/LongDate.h"
#include "store/ReplacedFolder.h"
#include "store/RunState.h"
#include "store/StoreError.h"
#include "ui_Backups.h"
#include "widgets/Messages.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace screens {

namespace {

QString sizeText(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

QString dataFolder(const store::RunState& state)
{
    return QDir::cleanPath(state.DataRoot);
}

} // namespace

Backups::Backups(QWidget* parent) : app::Screen(parent), ui(new Ui::Backups)
{
    ui->setupUi(this);
    connect(ui->BackUpNow_Command, &QPushButton::clicked, this, &Backups::BackUpNow_Command_Click);
    connect(ui->ChooseFolder_Command, &QPushButton::clicked, this,
            &Backups::ChooseFolder_Command_Click);
    connect(ui->Restore_Command, &QPushButton::clicked, this, &Backups::Restore_Command_Click);
    connect(ui->Back_Command, &QPushButton::clicked, this, &Backups::Back_Command_Click);
}

Backups::~Backups() = default;

void Backups::Form_Load()
{
    connect(&shell().backups(), &app::BackupService::backupEnded, this, &Backups::backupEnded);
    showFacts();
    if (shell().backups().isRunning())
        ui->Status_Label->setText(tr("A backup is being made in the background."));
    else
        ui->Status_Label->setText(tr("No backup is being made."));
}

void Backups::showFacts()
{
    const app::BackupService& backups = shell().backups();
    const QString folder = backups.backupFolder(state().DataRoot);
    ui->BackupFolder_Label->setText(backup::shownPath(folder));

    const backup::BackupSettings settings = backups.settings();
    const QDateTime last = settings.lastBackup();
    if (last.isValid()) {
        ui->LastBackup_Label->setText(
            tr("%1 at %2, %3")
                .arg(store::formatLongDate(last.date()),
                     QLocale().toString(last.time(), QLocale::ShortFormat),
                     sizeText(settings.lastBackupSize())));
    } else {
        ui->LastBackup_Label->setText(tr("No backup has been made on this computer yet."));
    }

    const QString selected = selectedArchive();
    ui->Archives_List->clear();
    if (!QFileInfo(folder).isDir()) {
        ui->Archives_List->addItem(
            tr("The backup folder is not there. Connect the drive that holds it, or choose "
               "another folder."));
        ui->Archives_List->item(0)->setFlags(Qt::NoItemFlags);
    }
    const QDir dir(folder);
    for (const backup::ArchiveFile& archive : backup::listArchives(folder)) {
        auto* item = new QListWidgetItem(
            tr("%1    (%2)")
                .arg(archive.name, sizeText(QFileInfo(dir.filePath(archive.name)).size())),
            ui->Archives_List);
        item->setData(Qt::UserRole, dir.filePath(archive.name));
        if (dir.filePath(archive.name) == selected)
            ui->Archives_List->setCurrentItem(item);
    }
    // The newest archive is the one a restore most often wants.
    if (!ui->Archives_List->currentItem() && ui->Archives_List->count() > 0 &&
        ui->Archives_List->item(0)->flags() != Qt::NoItemFlags)
        ui->Archives_List->setCurrentRow(0);
    const bool running = backups.isRunning();
    ui->BackUpNow_Command->setEnabled(!running);
    ui->Restore_Command->setEnabled(!running);
}

QString Backups::selectedArchive() const
{
    const QListWidgetItem* item = ui->Archives_List->currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toString() : QString();
}

void Backups::BackUpNow_Command_Click()
{
    if (!shell().backups().start(state().DataRoot))
        return;
    ui->Status_Label->setText(tr("A backup is being made in the background."));
    showFacts();
}

void Backups::backupEnded(const backup::BackupOutcome& outcome)
{
    if (outcome.ok) {
        ui->Status_Label->setText(tr("The backup \"%1\" was made and checked.")
                                      .arg(QFileInfo(outcome.record.path).fileName()));
    } else {
        ui->Status_Label->setText(tr("The last backup failed; nothing of it was kept."));
    }
    showFacts();
}

void Backups::ChooseFolder_Command_Click()
{
    const QString current = shell().backups().backupFolder(state().DataRoot);
    const QString start =
        QFileInfo(current).isDir() ? current : QFileInfo(dataFolder(state())).absolutePath();
    const QString chosen = widgets::Pickers::existingFolder(
        this, tr("Choose the folder for Vintrelo's backups"), start);
    if (chosen.isEmpty())
        return;
    const QString folder = QDir::cleanPath(chosen);
    const QString data = dataFolder(state());
    // Compared where they really are, so that a link into the data folder is seen.
    const auto real = [](const QString& path) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
    };
    const QString realFolder = real(folder);
    const QString realData = real(data);
    if (realFolder == realData || realFolder.startsWith(realData + QLatin1Char('/'))) {
        widgets::Messages::warning(
            this, tr("The backups cannot go into \"%1\", because it lies inside the data folder "
                     "\"%2\". A backup must outlast that folder: choose a folder outside it, "
                     "best on another disk or a USB stick.")
                      .arg(backup::shownPath(folder), backup::shownPath(data)));
        return;
    }
    shell().backups().settings().chooseFolder(folder);
    showFacts();
}

void Backups::Restore_Command_Click()
{
    const QString archive = selectedArchive();
    const QString folder = shell().backups().backupFolder(state().DataRoot);
    if (backup::listArchives(folder).isEmpty()) {
        widgets::Messages::warning(
            this, tr("The backup folder \"%1\" holds no backup of Vintrelo to restore. If your "
                     "backups are in another folder, choose it with \"Choose folder…\" first.")
                      .arg(backup::shownPath(folder)));
        return;
    }
    if (archive.isEmpty()) {
        widgets::Messages::warning(
            this, tr("Choose the archive to restore in the list, then click \"Restore…\" again."));
        return;
    }
    const QString current = dataFolder(state());
    const QString restored = backup::restoredFolderPath(state().DataRoot, store::Clock::today());
    try {
        widgets::WaitCursor wait;
        backup::restoreArchive(archive, restored);
    } catch (const store::StoreError& error) {
        widgets::Messages::warning(this, error.message());
        return;
    }

    // The folder in use is backed up before anything points away from it.
    backup::BackupOutcome before;
    {
        widgets::WaitCursor wait;
        before = shell().backups().runHere(state().DataRoot, false);
    }
    if (!before.ok) {
        widgets::Messages::warning(
            this, tr("The archive was restored into the new folder \"%1\", but Vintrelo keeps "
                     "using \"%2\", because that folder could not be backed up first. Mend what "
                     "the previous message names, then restore again.")
                      .arg(backup::shownPath(restored), backup::shownPath(current)));
        showFacts();
        return;
    }

    const bool use = widgets::Messages::question(
        this, tr("The archive \"%1\" was restored into the new folder\n\n%2\n\nThe data folder in "
                 "use was backed up first and stays as it is:\n\n%3\n\nShould Vintrelo work on "
                 "the restored folder from now on, instead of the data folder in use?\n\nOnly "
                 "this PC moves: every other PC that shares the data folder in use keeps "
                 "working on it, and what it saves there is not in the restored folder, until "
                 "its own \"VT.Loc\" names the restored folder too.")
                      .arg(QFileInfo(archive).fileName(), backup::shownPath(restored),
                           backup::shownPath(current)) +
                  counterBehindNote(restored + QLatin1Char('/'), state().DataRoot));
    if (!use) {
        widgets::Messages::information(
            this, tr("Vintrelo keeps working on \"%1\". The restored folder \"%2\" was kept; "
                     "delete it when you no longer need it.")
                      .arg(backup::shownPath(current), backup::shownPath(restored)));
        showFacts();
        return;
    }
    try {
        store::writeLocationFile(shell().options().places, restored);
    } catch (const store::StoreError& error) {
        widgets::Messages::warning(this, error.message());
        showFacts();
        return;
    }
    // Other PCs on the old folder are stopped from writing there and offered the
    // restored one when they start.
    try {
        store::markFolderReplaced(state().DataRoot, restored);
    } catch (const store::StoreError& error) {
        widgets::Messages::warning(
            this, error.message() + QStringLiteral("\n\n") +
                      tr("Other PCs that share \"%1\" are not told to move: point each of them "
                         "at \"%2\" yourself.")
                          .arg(backup::shownPath(current), backup::shownPath(restored)));
    }
    // Every screen reads its files from DataRoot as it loads: from here on they
    // show the restored folder, without a restart.
    state().DataRoot = restored + QLatin1Char('/');
    widgets::Messages::information(
        this, tr("Vintrelo now works on the restored folder \"%1\". The folder \"%2\" was left as "
                 "it was.")
                  .arg(backup::shownPath(restored), backup::shownPath(current)));
    showFacts();
}

QString Backups::counterBehindNote(const QString& restoredRoot, const QString& currentRoot) const
{
    // Batches made since the backup keep their numbers (and printed tags) in
    // the folder in use only: the restored counter would give them out again.
    QString restoredCounter;
    QString currentCounter;
    try {
        restoredCounter = store::readBatchCounter(restoredRoot);
        currentCounter = store::readBatchCounter(currentRoot);
    } catch (const store::StoreError&) {
        return QString();
    }
    bool restoredIsNumber = false;
    bool currentIsNumber = false;
    const qlonglong was = restoredCounter.toLongLong(&restoredIsNumber);
    const qlonglong now = currentCounter.toLongLong(&currentIsNumber);
    if (!restoredIsNumber || !currentIsNumber || was >= now)
        return QString();
    return tr("\n\nThe batch counter of the restored folder (%1) is behind the one of the data "
              "folder in use (%2): the batches made since this backup are only in the folder in "
              "use, and new batches in the restored folder would get their numbers again. "
              "Before you start a new batch there, put the number %2 alone on the first line of "
              "\"%3\".")
        .arg(restoredCounter, currentCounter,
             QDir::toNativeSeparators(store::batchCounterFilePath(restoredRoot)));
}

void Backups::Back_Command_Click()
{
    shell().switchScreen<app::MainMenu>(this);
}

} // namespace screens
