#pragma once

#include <QObject>
#include <functional>

class QLineEdit;
class QWidget;
class QKeyEvent;

namespace widgets {

class Grid;

// The in-cell editor the batch editor and the recipe editor share: an overlay
// line edit (the forms' `Text1`) laid over the grid's current cell.
//  - open() shows it over the current cell with the cell's text and the focus;
//  - any change of the grid's current cell first stores the open edit into the
//    cell being left (the grid's leaveCell);
//  - Enter stores it into the current cell, Escape discards it, Down and Up
//    move the current row, Tab and Shift+Tab the current cell, which stores it
//    through the leave-cell rule; past the grid's first or last cell Tab stores
//    it and the focus leaves the grid;
//  - a text the filter refuses is not stored: refused() says why, the cell
//    keeps what it held, and after Enter or Tab the box stays open to put it right.
// The overlay stays open when it loses the focus, until one of those closes it.
class CellEditor : public QObject
{
    Q_OBJECT

public:
    enum class Commit
    {
        LeaveCell,
        Enter
    };
    // What a cell stores for the text typed into it, or why it refuses it.
    struct Verdict
    {
        QString text;
        QString refusal; // not empty: the cell keeps what it held
    };
    // Judges the typed text against what the cell holds (the batch editor's
    // dates); the text is stored unchanged when no filter is set.
    using Filter = std::function<Verdict(int row, int col, const QString& typed,
                                         const QString& held, Commit how)>;

    CellEditor(Grid* grid, QLineEdit* overlay, QObject* parent = nullptr);

    void setFilter(Filter filter) { m_filter = std::move(filter); }

    bool isOpen() const;
    int row() const { return m_row; }
    int col() const { return m_col; }

    // Opens over the grid's current cell; does nothing without a current cell.
    // Already open over that cell, it keeps the typed text and takes the focus.
    void open();
    // Opens over a cell the user pointed at, making it current first. Fixed
    // cells and places beside the cells (-1) open nothing; returns whether it opened.
    bool openAt(int row, int col);
    // Opens as a key typed on the grid does: a key that gives a printable
    // character goes into the box (replacing the old text, which open() selects).
    void openTyping(const QString& typed);
    // Stores an open edit into its cell as leaving the cell would; used before a
    // screen reads the grid (saving, printing), so nothing typed is lost. False
    // when the filter refused the text (the cell keeps what it held).
    bool commitPending();

    // Handlers for the screens to connect.
    void Grid1_LeaveCell();
    bool Text1_KeyDown(QKeyEvent* event); // true when the key was handled

Q_SIGNALS:
    void opened(int row, int col);
    void committed(int row, int col, widgets::CellEditor::Commit how);
    void discarded(int row, int col);
    // The typed text was not stored; `message` says why, for the screen to show.
    void refused(int row, int col, const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    enum class Refused
    {
        StayOpen, // the current cell is not changing: the text can be put right
        Close
    };
    bool store(Commit how, Refused onRefusal);
    void close();
    void moveRow(int step);
    void moveCell(bool forward);

    Grid* m_grid;
    // Kept, not asked of the grid: events reach the filter while the grid is
    // being destroyed, when it is no longer a Grid.
    QWidget* m_viewport;
    QLineEdit* m_overlay;
    Filter m_filter;
    int m_row = -1;
    int m_col = -1;
};

} // namespace widgets
