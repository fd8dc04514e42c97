#include "screens/batch/NewBatch.h"

#include "app/MainMenu.h"
#include "app/Shell.h"
#include "screens/ParticularControls.h"
#include "screens/batch/BatchMessages.h"
#include "screens/batch/NewBatch2.h"
#include "store/BatchCreation.h"
#include "store/Clock.h"
#include "store/DataFolder.h"
#include "store/GivenWords.h"
#include "store/LongDate.h"
#include "store/Particulars.h"
#include "store/RecipeFile.h"
#include "store/RunState.h"
#include "store/StoreError.h"
#include "store/TextLines.h"
#include "ui_NewBatch.h"
#include "widgets/Messages.h"
#include "widgets/Twips.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QKeyEvent>

namespace screens {

namespace {

constexpr int kVarietyListTwips = 1800;
constexpr int kColourListTwips = 1100;

// Pick-list entries lose their surrounding blanks only; other characters stay.
QString trimBlanks(const QString& text)
{
    int first = 0;
    int last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

// The wine's own entries, which another batch for the same customer starts
// without: other I.D., serial number, variety, colour, vintage, must type,
// source, batch size and cost.
bool describesTheWine(store::BatchHeader::Field field)
{
    return field >= store::BatchHeader::OtherID && field <= store::BatchHeader::Cost;
}

} // namespace

NewBatch::NewBatch(QWidget* parent) : app::Screen(parent), ui(new Ui::NewBatch)
{
    ui->setupUi(this);
    connect(ui->CommandButton1, &QPushButton::clicked, this, &NewBatch::CommandButton1_Click);
    connect(ui->CommandButton2, &QPushButton::clicked, this, &NewBatch::CommandButton2_Click);
    connect(ui->Variety_List, &QListWidget::itemDoubleClicked, this,
            &NewBatch::Variety_List_DblClick);
    connect(ui->Colour_List, &QListWidget::itemDoubleClicked, this,
            &NewBatch::Colour_List_DblClick);
    // Line edits, lists and frames have no click or lost-focus signals of their own.
    for (QObject* watched :
         {static_cast<QObject*>(ui->Variety_Text), static_cast<QObject*>(ui->Colour_Text),
          static_cast<QObject*>(ui->Variety_List), static_cast<QObject*>(ui->Colour_List),
          static_cast<QObject*>(ui->Frame1), static_cast<QObject*>(ui->Frame2),
          static_cast<QObject*>(ui->Frame3)})
        watched->installEventFilter(this);
}

NewBatch::~NewBatch() = default;

QLineEdit* NewBatch::entryBox(const ParticularControl& control) const
{
    return findChild<QLineEdit*>(QLatin1String(control.entryBox));
}

void NewBatch::Form_Load()
{
    const QString root = state().DataRoot;
    QString batchId;
    try {
        batchId = store::nextBatchId(root, store::Clock::today());
    } catch (const store::StoreError& error) {
        widgets::Messages::warningWhenShown(this, error.message());
        // Without an identifier no batch can be started.
        shell().switchScreen<app::MainMenu>(this);
        return;
    }
    ui->BatchID->setText(batchId);
    loadRecipeList();
    ui->Date_TextBox->setText(store::formatLongDate(store::Clock::today()));
    loadVarietyList();
    ui->Colour_List->hide();
    ui->Colour_List->clear();
    for (const QString& colour : store::givenColours())
        ui->Colour_List->addItem(store::shownColour(colour));
    ui->Colour_List->setCurrentRow(-1);

    // Said now, before the user types a whole form that could not be saved.
    const QString holder = store::folderHoldingBatch(root, batchId);
    if (!holder.isEmpty())
        widgets::Messages::warningWhenShown(this, identifierInUseMessage(root, batchId, holder));
}

void NewBatch::loadRecipeList()
{
    ui->List1->clear();
    const QString folder = store::recipeFolderPath(state().DataRoot);
    QStringList files;
    try {
        files = store::listDataFiles(folder, store::FileSubject(store::FileSubject::Recipes));
    } catch (const store::StoreError& error) {
        widgets::Messages::warning(this, error.message());
        return;
    }
    for (const QString& file : files) {
        QString entry;
        try {
            entry = store::readFirstLine(QDir(folder).filePath(file),
                                         store::FileSubject(store::FileSubject::ListedRecipe));
        } catch (const store::StoreError&) {
            // Listed all the same: choosing it then says what is wrong with it.
        }
        if (entry.isEmpty())
            entry = file.left(file.size() - 4);
        ui->List1->addItem(entry);
    }
}

void NewBatch::loadVarietyList()
{
    ui->Variety_List->hide();
    ui->Variety_List->clear();
    try {
        ui->Variety_List->addItems(
            store::readTextLines(store::miscFilePath(state().DataRoot, store::kVarietiesFile),
                                 store::FileSubject(store::FileSubject::VarietyList)));
    } catch (const store::StoreError& error) {
        widgets::Messages::warning(this, error.message() +
                                             tr("\n\nThe variety can still be typed in by hand."));
    }
    ui->Variety_List->setCurrentRow(-1);
}

void NewBatch::showIdentifier(const QString& batchId)
{
    ui->BatchID->setText(batchId);
}

void NewBatch::carryOverCustomer(const QString& batchId, const store::PendingBatch& previous)
{
    ui->BatchID->setText(batchId);
    for (const ParticularControl& control : kParticularControls) {
        QLineEdit* box = entryBox(control);
        if (describesTheWine(control.field))
            box->clear();
        else
            box->setText(store::particular(previous, control.field));
    }
    ui->List1->clearSelection();
}

bool NewBatch::refuse(const QString& text, QWidget* focus)
{
    widgets::Messages::warning(this, text);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    return false;
}

void NewBatch::CommandButton1_Click()
{
    shell().switchScreen<app::MainMenu>(this);
}

void NewBatch::CommandButton2_Click()
{
    hidePickLists();
    if (ui->Name_TextBox->text().isEmpty()) {
        refuse(tr("Please fill in the Customer Name"));
        return;
    }
    if (ui->Variety_Text->text().isEmpty()) {
        refuse(tr("Please select the Variety from the list"));
        return;
    }
    if (ui->Colour_Text->text().isEmpty()) {
        refuse(tr("Please select the Colour from the list"));
        return;
    }
    const QList<QListWidgetItem*> recipe = ui->List1->selectedItems();
    if (recipe.isEmpty()) {
        refuse(tr("Please select a Recipe from the list"));
        return;
    }
    // Every due date is worked out from the start date, so it must read as a date.
    const QString startDate = ui->Date_TextBox->text();
    if (!store::parseDate(startDate).isValid()) {
        refuse(tr("The Start Date \"%1\" is not a date Vintrelo can read. Please type it like "
                  "this: %2")
                   .arg(startDate, store::exampleDateText()),
               ui->Date_TextBox);
        return;
    }

    store::PendingBatch pending;
    for (const ParticularControl& control : kParticularControls)
        store::particular(pending, control.field) = entryBox(control)->text();
    // The folder is shared by PCs in other languages: the colour is written in English.
    pending.Colour = store::colourToStore(pending.Colour);
    // Stored as typed, unless it names no year ("March 4"): that would be another
    // day next year, so its long form is stored instead.
    pending.StartDate = store::dateTextOmitsYear(startDate)
                            ? store::formatLongDate(store::parseDate(startDate))
                            : startDate;
    pending.RecipeNumber = recipe.constFirst()->text().left(4);
    pending.BatchID = ui->BatchID->text();
    state().PendingBatch = pending;

    // The preview reads from this form, and its "Go Back" shows it again as it is.
    shell().switchScreen<NewBatch2>(this, app::Shell::Leave::KeepLoaded);
}

void NewBatch::popUpUnder(QListWidget* list, QWidget* textBox, int heightTwips)
{
    const QPoint below = textBox->mapTo(this, QPoint(0, textBox->height()));
    list->setGeometry(below.x(), below.y(), textBox->width(), widgets::twipsToPixels(heightTwips));
    list->raise();
    list->show();
}

void NewBatch::hidePickLists()
{
    ui->Variety_List->hide();
    ui->Colour_List->hide();
}

void NewBatch::Variety_Text_Click()
{
    popUpUnder(ui->Variety_List, ui->Variety_Text, kVarietyListTwips);
}

void NewBatch::Colour_Text_Click()
{
    popUpUnder(ui->Colour_List, ui->Colour_Text, kColourListTwips);
}

void NewBatch::pick(QListWidget* list, QLineEdit* box)
{
    const QList<QListWidgetItem*> picked = list->selectedItems();
    if (!picked.isEmpty())
        box->setText(trimBlanks(picked.constFirst()->text()));
    // The focus goes back to the box before the list hides: a focused list that
    // hides hands the focus to the next box with its text selected, and the next
    // key typed would replace it.
    box->setFocus(Qt::OtherFocusReason);
    box->deselect();
    box->setCursorPosition(static_cast<int>(box->text().size()));
    list->hide();
}

void NewBatch::Variety_List_DblClick()
{
    pick(ui->Variety_List, ui->Variety_Text);
}

void NewBatch::Colour_List_DblClick()
{
    pick(ui->Colour_List, ui->Colour_Text);
}

void NewBatch::Variety_List_LostFocus()
{
    hidePickLists();
}

void NewBatch::Colour_List_LostFocus()
{
    hidePickLists();
}

void NewBatch::Frame_Click()
{
    hidePickLists();
}

bool NewBatch::pickListKey(QListWidget* list, QLineEdit* box, QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pick(list, box);
        return true;
    case Qt::Key_Escape:
        box->setFocus(Qt::OtherFocusReason);
        list->hide();
        return true;
    default:
        return false;
    }
}

void NewBatch::openFromKeyboard(QListWidget* list, QLineEdit* box, int heightTwips)
{
    popUpUnder(list, box, heightTwips);
    if (list->count() == 0)
        return;
    if (!list->currentItem())
        list->setCurrentRow(0);
    list->currentItem()->setSelected(true);
    list->setFocus(Qt::OtherFocusReason);
}

bool NewBatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == ui->Variety_Text)
            Variety_Text_Click();
        else if (watched == ui->Colour_Text)
            Colour_Text_Click();
        else if (watched == ui->Frame1 || watched == ui->Frame2 || watched == ui->Frame3)
            Frame_Click();
    } else if (event->type() == QEvent::FocusOut) {
        if (watched == ui->Variety_List)
            Variety_List_LostFocus();
        else if (watched == ui->Colour_List)
            Colour_List_LostFocus();
        // A box left for anything but its own list takes its list away, so the
        // list never stays open over the boxes below while the user types there.
        else if (watched == ui->Variety_Text && QApplication::focusWidget() != ui->Variety_List)
            ui->Variety_List->hide();
        else if (watched == ui->Colour_Text && QApplication::focusWidget() != ui->Colour_List)
            ui->Colour_List->hide();
    } else if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Down opens a box's list from the keyboard; Return picks, Escape closes.
        const bool down = key->key() == Qt::Key_Down &&
                          (key->modifiers() & ~(Qt::AltModifier | Qt::KeypadModifier)) == 0;
        if (watched == ui->Variety_Text && down) {
            openFromKeyboard(ui->Variety_List, ui->Variety_Text, kVarietyListTwips);
            return true;
        }
        if (watched == ui->Colour_Text && down) {
            openFromKeyboard(ui->Colour_List, ui->Colour_Text, kColourListTwips);
            return true;
        }
        if (watched == ui->Variety_List)
            return pickListKey(ui->Variety_List, ui->Variety_Text, key);
        if (watched == ui->Colour_List)
            return pickListKey(ui->Colour_List, ui->Colour_Text, key);
    }
    return app::Screen::eventFilter(watched, event);
}

} // namespace screens
