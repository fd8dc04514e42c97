#pragma once

#include "store/RecipeFile.h"

#include <QStringList>
#include <QWidget>
#include <memory>

class QKeyEvent;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace Ui {
class RecipeEditor;
}

namespace widgets {
class CellEditor;
class Grid;
} // namespace widgets

namespace screens {

// The step grid and its aids, the same on the new-recipe and the modify-recipe
// screens: in-cell editing, inserting an available action, inserting an empty
// row, and the day calculator.
class RecipeEditor : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kDayCol = 0;
    static constexpr int kActionCol = 1;

    explicit RecipeEditor(QWidget* parent = nullptr);
    ~RecipeEditor() override;

    // Hides the cell editor and shapes the grid: the header row and `dataRows`
    // empty rows.
    void setUpGrid(int dataRows);
    // Fills the available actions from the data folder's action list. Returns an
    // empty text, or the message to show when the list cannot be read (the list
    // then stays empty).
    QString loadActions(const QString& dataRoot);
    // Puts steps into the grid, one row per step line, cut by the editor's columns;
    // the last step's Action cell becomes current.
    void loadSteps(const QStringList& stepLines);

    // The grid's rows for saving, with an edit still open stored first.
    QVector<store::RecipeRow> rows();
    // What the grid holds now, an open edit included, without closing it: for
    // telling whether leaving the screen would lose anything.
    QStringList content() const;

    widgets::Grid* grid() const;
    widgets::CellEditor* cellEditor() const { return m_cellEditor; }
    QLineEdit* cellOverlay() const;
    QListWidget* actionList() const;
    QLineEdit* daysBox() const;

public Q_SLOTS:
    void Grid1_DblClick(int row, int col);
    void Grid1_KeyPress(int key, const QString& text);
    void List1_DblClick();
    void InsertRow_Click();
    void NumberofDays_Click();

private:
    void editorCommitted(int row, int col, int how);

    std::unique_ptr<Ui::RecipeEditor> ui;
    widgets::CellEditor* m_cellEditor = nullptr;
};

} // namespace screens
