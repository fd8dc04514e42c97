#pragma once

#include "app/Screen.h"

#include <memory>

namespace Ui {
class Backups;
}

namespace backup {
struct BackupOutcome;
}

namespace screens {

// The backups of the data folder: where they go, the last one made, the
// archives kept, and the ways to back up now, choose the folder and restore.
class Backups : public app::Screen
{
    Q_OBJECT

public:
    explicit Backups(QWidget* parent = nullptr);
    ~Backups() override;

public Q_SLOTS:
    void Form_Load() override;
    void BackUpNow_Command_Click();
    void ChooseFolder_Command_Click();
    void Restore_Command_Click();
    void Back_Command_Click();

protected:
    void closeByTitleBar() override { Back_Command_Click(); }

private:
    void showFacts();
    void backupEnded(const backup::BackupOutcome& outcome);
    QString selectedArchive() const;
    // A warning for the restore question when the restored counter is behind.
    QString counterBehindNote(const QString& restoredRoot, const QString& currentRoot) const;

    std::unique_ptr<Ui::Backups> ui;
};

} // namespace screens
