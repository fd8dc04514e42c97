#pragma once

#include "app/Screen.h"

#include <memory>

namespace Ui {
class NewBatch;
}

namespace store {
struct PendingBatch;
}

class QKeyEvent;
class QLineEdit;
class QListWidget;

namespace screens {

struct ParticularControl;

// The start-up form of a new batch: the next identifier, the customer's
// particulars, the wine's start-up entries and the recipe to follow.
class NewBatch : public app::Screen
{
    Q_OBJECT

public:
    explicit NewBatch(QWidget* parent = nullptr);
    ~NewBatch() override;

    // Another batch for the same customer: the identifier given, the customer's
    // particulars, vintner and start date of `previous`, the wine's entries empty.
    void carryOverCustomer(const QString& batchId, const store::PendingBatch& previous);

    // Another computer took the identifier shown: the next free one, entries kept.
    void showIdentifier(const QString& batchId);

public Q_SLOTS:
    void Form_Load() override;
    void CommandButton1_Click(); // Go Back / Quit
    void CommandButton2_Click(); // Proceed to next screen
    void Variety_Text_Click();
    void Colour_Text_Click();
    void Variety_List_DblClick();
    void Colour_List_DblClick();
    void Variety_List_LostFocus();
    void Colour_List_LostFocus();
    void Frame_Click(); // Frame1, Frame2 or Frame3

protected:
    void closeByTitleBar() override { CommandButton1_Click(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadRecipeList();
    void loadVarietyList();
    void popUpUnder(QListWidget* list, QWidget* textBox, int heightTwips);
    void hidePickLists();
    void pick(QListWidget* list, QLineEdit* box);
    void openFromKeyboard(QListWidget* list, QLineEdit* box, int heightTwips);
    bool pickListKey(QListWidget* list, QLineEdit* box, QKeyEvent* key);
    bool refuse(const QString& text, QWidget* focus = nullptr);
    QLineEdit* entryBox(const ParticularControl& control) const;

    std::unique_ptr<Ui::NewBatch> ui;
};

} // namespace screens
