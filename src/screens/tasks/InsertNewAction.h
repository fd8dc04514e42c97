#pragma once

#include "app/Screen.h"

#include <memory>

namespace Ui {
class InsertNewAction;
}

namespace screens {

// After a postponement: a note for the batch's record, stored as an action of
// its own, dated today and already completed, just before the postponed action.
class InsertNewAction : public app::Screen
{
    Q_OBJECT

public:
    explicit InsertNewAction(QWidget* parent = nullptr);
    ~InsertNewAction() override;

public Q_SLOTS:
    void Form_Load() override;
    void CommandButton3_Click(); // Accept
    void Cancel_Command_Click();

protected:
    // Escape is Cancel.
    void keyPressEvent(QKeyEvent* event) override;
    // The postponement is already saved; closing only skips the note.
    void closeByTitleBar() override { returnToList(); }

private:
    void returnToList();

    std::unique_ptr<Ui::InsertNewAction> ui;
};

} // namespace screens
