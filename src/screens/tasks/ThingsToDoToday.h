#pragma once

#include "app/Screen.h"
#include "store/ActionChanges.h"
#include "store/DueActions.h"

#include <QPair>
#include <memory>

namespace Ui {
class ThingsToDoToday;
}

namespace screens {

// The day's work list: every open action of every batch in progress that is due
// today or earlier. A row opens in the detail panel, where the action is
// completed or postponed.
class ThingsToDoToday : public app::Screen
{
    Q_OBJECT

public:
    explicit ThingsToDoToday(QWidget* parent = nullptr);
    ~ThingsToDoToday() override;

public Q_SLOTS:
    void Form_Load() override;
    void Grid1_DblClick(int row, int col);
    void CommandButton1_Click(); // Back to Main Menu
    void CommandButton2_Click(); // Print To Do List
    void CommandButton5_Click(); // Quit this screen
    void UpdateCommand_Click();  // Complete this action
    void PushCommand_Click();    // Not quite ready yet
    void CommandButton3_Click(); // Accept (postpone)
    void CommandButton4_Click(); // Quit (postpone)
    void ComingDays_Command_Click();

protected:
    void closeByTitleBar() override { CommandButton1_Click(); }

private:
    void setDetailPanelVisible(bool visible);
    // The panel closed, the list's buttons shown again.
    void showListState();
    // The amount, measurement and notes as typed in the panel.
    QStringList typedEntries() const;
    // True when nothing typed for the open action would be lost, or the user
    // chose to let it go.
    bool mayDropTypedEntries();
    // The list's current row back on the action the panel shows.
    void selectShownAction();
    // A double-click that opens nothing: an action already shown in the panel
    // stays open, with what was typed for it; otherwise the panel closes.
    void closeWithoutAction();
    store::OpenedAction openedAction() const;
    bool requireOpenedAction();
    bool openedActionNowCompleted() const;
    void reload();
    // Names damaged batch files the scan left out, once per visit to the list.
    void tellOfDamagedFiles(const store::DueScan& scan);

    std::unique_ptr<Ui::ThingsToDoToday> ui;
    // The batch and record shown in the panel before a double-click.
    QPair<QString, qint16> m_shownAction;
    // The open action's due date as its file holds it (the panel shows it in
    // this PC's long form), and its entries as they were opened.
    QString m_openedDueDate;
    QStringList m_openedEntries;
};

} // namespace screens
