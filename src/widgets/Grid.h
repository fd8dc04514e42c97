#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QTableView>
#include <QVector>

namespace widgets {

class GridModel;

// One column as a screen lays it out: the heading in row 0, the design width,
// the alignment of the heading and of the cells below it, whether it widens so
// that its texts show whole, and the colour of the cells below the heading.
struct GridColumn
{
    QString heading;
    int widthTwips = 0;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    Qt::Alignment headingAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool fitsText = false; // a date or an identifier cut short would mislead
    QColor colour = {};    // invalid: uncoloured
};

// A cell's own colour, given with the texts of a fill.
struct CellColour
{
    int row;
    int col;
    QColor colour;
};

// The grid the screens use: a table whose row 0 (and column 0 when fixed) are
// header-style cells inside the grid, so row and column numbers are the screens'
// own. It keeps a current cell that the program can set; leaveCell() is emitted
// before the current cell changes, by the user or by the program, while row()
// and col() still name the cell being left. Fixed cells never become current.
// The fixed row stays at the top and the fixed column at the left while the
// other cells scroll: three small views over the edges of this one show them.
class Grid : public QTableView
{
    Q_OBJECT

public:
    explicit Grid(QWidget* parent = nullptr);

    // Shape. New cells are empty, left-aligned and uncoloured; existing cells keep
    // their content when the shape grows or shrinks.
    int rows() const;
    int cols() const;
    void setRows(int rows);
    void setCols(int cols);
    int fixedRows() const { return m_fixedRows; }
    int fixedCols() const { return m_fixedCols; }
    void setFixedRows(int fixedRows); // 0 or 1
    void setFixedCols(int fixedCols); // 0 or 1

    // Cells by position.
    QString textAt(int row, int col) const;
    void setTextAt(int row, int col, const QString& text);
    Qt::Alignment alignmentAt(int row, int col) const;
    void setAlignmentAt(int row, int col, Qt::Alignment alignment);
    QColor backgroundAt(int row, int col) const; // invalid when uncoloured
    void setBackgroundAt(int row, int col, const QColor& colour);
    // The columns, one for each entry: their number, headings, widths and looks.
    // Row 0 holds the headings; the cells below take their column's alignment
    // and colour, those there now and those added later.
    void setColumns(const QVector<GridColumn>& columns);
    // Fills many cells at once without a signal per cell: `texts` row by row,
    // starting at `firstRow`, `cols()` texts per row, and `colours` of single
    // cells; the grid grows to fit. One repaint for the lot.
    void fillRows(int firstRow, const QStringList& texts, const QVector<CellColour>& colours = {});
    // Remove or insert one row; later rows shift. The current cell keeps its
    // row number (so it now names the shifted row), unless that row is gone.
    void removeRow(int row);
    void insertRow(int row); // an empty row before `row`; `row == rows()` appends

    // The current cell; -1 while there is none.
    int row() const { return m_row; }
    int col() const { return m_col; }
    QString text() const { return textAt(m_row, m_col); }
    void setText(const QString& text) { setTextAt(m_row, m_col, text); }
    // Makes a cell current, emitting leaveCell() first when a current cell exists
    // and differs. Fixed or out-of-range cells are refused (returns false).
    // Also false when a leaveCell() slot sent the current cell elsewhere.
    bool setCurrentCell(int row, int col);
    // Moves the current cell as Tab (forward) or Shift+Tab does: to the next or
    // previous cell that can be current, row by row. It never wraps: past the
    // last cell a grid that grows on Tab gets a new row, any other grid stays
    // put. False when the current cell did not move.
    bool stepCurrentCell(bool forward);
    // Whether Tab from the last cell adds a row (a list the user extends), as
    // long as that row holds something.
    void setGrowsOnTab(bool grows) { m_growsOnTab = grows; }

    // How far the cells are scrolled, to put back after a change of rows; setting
    // it still keeps the current cell in view.
    QPoint scrollPosition() const;
    void setScrollPosition(const QPoint& position);

    // The cell under the mouse at the last press or double-click.
    int mouseRow() const { return m_mouseRow; }
    int mouseCol() const { return m_mouseCol; }

    // Sizes in twips (1/1440 inch; 15 twips to a pixel at 96 DPI).
    void setColumnWidthTwips(int col, int twips);
    void setRowHeightTwips(int row, int twips);
    // Widens a column, never narrows it, so that its widest text shows whole:
    // the design widths suit the original screen face, and a date cut to
    // "Tuesday, Decemb..." would not tell the shop when an action is due.
    void widenColumnToFit(int col);
    // Keeps a column that wide from now on: it widens again whenever a text put
    // into it (typed, filled or set by the program) would not show whole.
    void keepColumnFitting(int col);

    // The size at which the grid would show every cell without scrolling, for
    // windows that open as large as their grid needs.
    QSize sizeShowingAllCells() const;
    // The same with the last column only as wide as the texts at its top need:
    // for a grid whose last column is made wide to scroll sideways.
    QSize sizeShowingAllTexts() const;

    // A cell's rectangle in the coordinates of `relativeTo` (this grid when null),
    // for laying the in-cell editor over it: where the cell shows, so a fixed
    // cell is found at the edge where it stays. Clipped to the visible part of
    // the grid, so it is empty for a cell scrolled out of view, and a scrolling
    // cell is never reported under the fixed row or column.
    QRect cellRect(int row, int col, const QWidget* relativeTo = nullptr) const;

    // Typed text belongs to the screens' editors: no jumping to a matching cell.
    void keyboardSearch(const QString& search) override;
    // Scrolls so that the cell shows whole beside the fixed row and column.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

Q_SIGNALS:
    void leaveCell();          // before the current cell changes
    void currentCellChanged(); // after it changed
    // A double-click on a cell, fixed ones included; row and col are -1 when it
    // was beside or below the cells.
    void cellDoubleClicked(int row, int col);
    // Return or Enter on the current cell: the keyboard's way to open what a
    // double-click opens.
    void returnPressed(int row, int col);
    void keyPressed(int key, const QString& text, Qt::KeyboardModifiers modifiers);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    bool isFixed(int row, int col) const;
    bool rowIsEmpty(int row) const;
    bool inRange(int row, int col) const;
    void moveCurrent(int row, int col);
    void keepCurrentWithin(int rows, int cols);
    template <typename Change> void reshape(Change change);
    void syncView();
    void selectCurrentCell();
    void updateFixedColours();
    void widenColumnFor(int col, const QString& text);

    // The views that keep the fixed row, the fixed column and their corner in place.
    QTableView* makeStrip();
    void syncStrips();
    void placeStrips();
    QSize fixedExtent() const; // width of the fixed column, height of the fixed row shown
    bool stripEvent(QTableView* strip, QEvent* event);

    GridModel* m_model;
    int m_fixedRows = 1;
    int m_fixedCols = 0;
    int m_row = -1;
    int m_col = -1;
    int m_mouseRow = -1;
    int m_mouseCol = -1;
    bool m_leaving = false; // inside leaveCell()
    bool m_growsOnTab = false;
    bool m_syncing = false;  // the view follows m_row/m_col, not the other way round
    QVector<bool> m_fitting; // columns kept wide enough for their texts
    QTableView* m_topStrip = nullptr;
    QTableView* m_leftStrip = nullptr;
    QTableView* m_cornerStrip = nullptr;
};

} // namespace widgets
