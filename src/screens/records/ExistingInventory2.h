#pragma once

#include "app/Screen.h"
#include "print/BatchReport.h"
#include "print/TrackingTag.h"
#include "screens/records/BatchSheet.h"
#include "store/BatchFile.h"

#include <QStringList>
#include <memory>

class QKeyEvent;

namespace Ui {
class ExistingInventory2;
}

namespace widgets {
class CellEditor;
class Grid;
} // namespace widgets

namespace screens {

// The batch editor: the header of a batch in progress, read-only, and its
// actions in a grid whose cells are edited in place. Nothing is written until
// "Save & Go Back", which rewrites the file from the grid.
class ExistingInventory2 : public app::Screen
{
    Q_OBJECT

public:
    explicit ExistingInventory2(QWidget* parent = nullptr);
    ~ExistingInventory2() override;

    widgets::Grid* grid() const;
    widgets::CellEditor* cellEditor() const { return m_editor; }

    // The tag as the editor holds the batch now, unsaved edits and blank rows
    // included; an open edit is committed first.
    print::TagData carboyTagData();
    // The report of the batch as the editor holds it now; an open edit is committed first.
    print::BatchReportData batchReportData();

public Q_SLOTS:
    void Form_Load() override;
    void Grid1_DblClick(int row, int col);
    void CommandButton2_Click(); // Save & Go Back
    void CommandButton3_Click(); // Insert New Row
    void CommandButton4_Click(); // Delete Row
    void CommandButton5_Click(); // Print Carboy Tag
    void CommandButton1_Click(); // Quit & Go Back
    void PrintReport_Command_Click();

protected:
    void closeByTitleBar() override { CommandButton1_Click(); }

private:
    void backToList();
    // What the grid holds now, an open edit included, to compare with m_loaded.
    QStringList content() const;
    // True when nothing would be lost, or the user chose to lose it.
    bool mayLeave();
    // The chart follows the grid: after an edit, an inserted or a deleted row.
    void redrawChart();

    std::unique_ptr<Ui::ExistingInventory2> ui;
    widgets::CellEditor* m_editor;
    batchsheet::ShownRecords m_rows;
    QStringList m_loaded;
    // The batch as read when the screen opened: saving checks the file still holds it.
    store::BatchFile m_shown;
};

} // namespace screens
