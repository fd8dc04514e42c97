#include "widgets/Grid.h"

#include "widgets/GridModel.h"
#include "widgets/Twips.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScopedValueRollback>
#include <QSet>
#include <algorithm>

namespace widgets {

Grid::Grid(QWidget* parent) : QTableView(parent), m_model(new GridModel(this))
{
    m_model->setFixed(m_fixedRows, m_fixedCols);
    setModel(m_model);
    // Row 0 and column 0 are the headers, as cells of the grid itself.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    setCornerButtonEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(true);
    updateFixedColours();
}

int Grid::rows() const
{
    return m_model->rows();
}

int Grid::cols() const
{
    return m_model->cols();
}

bool Grid::isFixed(int row, int col) const
{
    return m_model->isFixed(row, col);
}

bool Grid::inRange(int row, int col) const
{
    return m_model->contains(row, col);
}

// Structural changes run with the view's current index detached, so the model
// moving it about is not taken for the user moving; the view is put back after.
template <typename Change> void Grid::reshape(Change change)
{
    {
        const QScopedValueRollback<bool> syncing(m_syncing, true);
        selectionModel()->clear();
        change();
    }
    if (m_row >= 0 && (!inRange(m_row, m_col) || isFixed(m_row, m_col))) {
        // Only reached when a leaveCell() slot moved into the rows being dropped.
        m_row = m_col = -1;
        Q_EMIT currentCellChanged();
    }
    syncView();
}

void Grid::syncView()
{
    const QScopedValueRollback<bool> syncing(m_syncing, true);
    // Resyncing is bookkeeping: it must not scroll away from what the user looks at.
    const bool autoScroll = hasAutoScroll();
    setAutoScroll(false);
    const QModelIndex cell = m_row >= 0 ? m_model->index(m_row, m_col) : QModelIndex();
    selectionModel()->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
    selectCurrentCell();
    setAutoScroll(autoScroll);
}

// The selection is the current cell and nothing else.
void Grid::selectCurrentCell()
{
    const QModelIndex cell = m_row >= 0 ? m_model->index(m_row, m_col) : QModelIndex();
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (!cell.isValid())
        selectionModel()->clearSelection();
    else if (selected.size() != 1 || selected.first() != cell)
        selectionModel()->select(cell, QItemSelectionModel::ClearAndSelect);
}

void Grid::moveCurrent(int row, int col)
{
    setCurrentIndex(row >= 0 ? m_model->index(row, col) : QModelIndex());
}

// Before rows or columns disappear: the current cell moves to the last cell
// that stays, through leaveCell() while the cell being left still exists.
void Grid::keepCurrentWithin(int rows, int cols)
{
    if (m_row < 0 || (m_row < rows && m_col < cols))
        return;
    const int row = std::min(m_row, rows - 1);
    const int col = std::min(m_col, cols - 1);
    if (row < m_fixedRows || col < m_fixedCols)
        moveCurrent(-1, -1);
    else
        moveCurrent(row, col);
}

void Grid::setRows(int rows)
{
    rows = std::max(rows, 0);
    if (rows == this->rows())
        return;
    keepCurrentWithin(rows, cols());
    reshape([&] { m_model->setRows(rows); });
}

void Grid::setCols(int cols)
{
    cols = std::max(cols, 0);
    if (cols == this->cols())
        return;
    keepCurrentWithin(rows(), cols);
    reshape([&] { m_model->setCols(cols); });
    m_colTwips.resize(cols, -1);
}

void Grid::setFixedRows(int fixedRows)
{
    fixedRows = std::clamp(fixedRows, 0, 1);
    if (fixedRows == m_fixedRows)
        return;
    m_fixedRows = fixedRows;
    m_model->setFixed(m_fixedRows, m_fixedCols);
    if (m_row >= 0 && isFixed(m_row, m_col)) {
        const int row = std::max(m_row, m_fixedRows);
        const int col = std::max(m_col, m_fixedCols);
        moveCurrent(inRange(row, col) ? row : -1, col);
    }
}

void Grid::setFixedCols(int fixedCols)
{
    fixedCols = std::clamp(fixedCols, 0, 1);
    if (fixedCols == m_fixedCols)
        return;
    m_fixedCols = fixedCols;
    m_model->setFixed(m_fixedRows, m_fixedCols);
    if (m_row >= 0 && isFixed(m_row, m_col)) {
        const int row = std::max(m_row, m_fixedRows);
        const int col = std::max(m_col, m_fixedCols);
        moveCurrent(inRange(row, col) ? row : -1, col);
    }
}

QString Grid::textAt(int row, int col) const
{
    return m_model->text(row, col);
}

void Grid::setTextAt(int row, int col, const QString& text)
{
    m_model->setText(row, col, text);
}

Qt::Alignment Grid::alignmentAt(int row, int col) const
{
    return m_model->alignment(row, col);
}

void Grid::setAlignmentAt(int row, int col, Qt::Alignment alignment)
{
    m_model->setAlignment(row, col, alignment);
}

QColor Grid::backgroundAt(int row, int col) const
{
    return m_model->background(row, col);
}

void Grid::setBackgroundAt(int row, int col, const QColor& colour)
{
    m_model->setBackground(row, col, colour);
}

void Grid::fillRows(int firstRow, const QStringList& texts)
{
    if (firstRow < 0 || cols() == 0 || texts.isEmpty())
        return;
    reshape([&] { m_model->fillRows(firstRow, texts); });
}

void Grid::removeRow(int row)
{
    if (row < 0 || row >= rows())
        return;
    keepCurrentWithin(rows() - 1, cols());
    reshape([&] { m_model->removeRowAt(row); });
}

void Grid::insertRow(int row)
{
    if (row < 0 || row > rows())
        return;
    reshape([&] { m_model->insertRowAt(row); });
}

bool Grid::setCurrentCell(int row, int col)
{
    if (!inRange(row, col) || isFixed(row, col))
        return false;
    if (row == m_row && col == m_col) {
        // Inside a leaveCell() slot the view may already be on the next cell.
        syncView();
        return true;
    }
    const QModelIndex cell = m_model->index(row, col);
    // Widths set just before are applied on a timer; the scroll ranges must
    // include them for the view to scroll to the new cell.
    if (isVisible())
        updateGeometries();
    setCurrentIndex(cell);
    return currentIndex() == cell && m_row == row && m_col == col;
}

void Grid::setColumnWidthTwips(int col, int twips)
{
    if (col < 0 || col >= cols())
        return;
    twips = std::max(twips, 0);
    m_colTwips[col] = twips;
    setColumnWidth(col, twipsToPixels(twips));
}

void Grid::widenColumnToFit(int col)
{
    if (col < 0 || col >= cols())
        return;
    const QFontMetrics metrics(font());
    // Long lists repeat their texts (the due dates of a task list): each
    // distinct text is measured once.
    QSet<QString> measured;
    int widest = 0;
    for (int row = 0; row < rows(); ++row) {
        const QString text = textAt(row, col);
        if (!text.isEmpty() && !measured.contains(text)) {
            measured.insert(text);
            widest = std::max(widest, metrics.horizontalAdvance(text));
        }
    }
    const int needed = widest + 2 * metrics.averageCharWidth();
    if (needed > columnWidth(col))
        setColumnWidthTwips(col, pixelsToTwips(needed));
}

int Grid::columnWidthTwips(int col) const
{
    if (col < 0 || col >= cols())
        return 0;
    const int pixels = columnWidth(col);
    const int twips = m_colTwips.at(col);
    // Pixels lose precision; give back what was set unless the width changed since.
    if (twips >= 0 && twipsToPixels(twips) == pixels)
        return twips;
    return pixelsToTwips(pixels);
}

void Grid::setRowHeightTwips(int row, int twips)
{
    if (row < 0 || row >= rows())
        return;
    setRowHeight(row, twipsToPixels(std::max(twips, 0)));
}

QRect Grid::cellRect(int row, int col, const QWidget* relativeTo) const
{
    if (!inRange(row, col))
        return QRect();
    const QRect cell = visualRect(m_model->index(row, col)).intersected(viewport()->rect());
    if (cell.isEmpty())
        return QRect();
    const QWidget* target = relativeTo ? relativeTo : this;
    QPoint topLeft;
    if (target == viewport())
        topLeft = cell.topLeft();
    else if (target->isAncestorOf(viewport()))
        topLeft = viewport()->mapTo(target, cell.topLeft());
    else
        topLeft = target->mapFromGlobal(viewport()->mapToGlobal(cell.topLeft()));
    return QRect(topLeft, cell.size());
}

void Grid::keyboardSearch(const QString& search)
{
    Q_UNUSED(search);
}

void Grid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    if (m_syncing) {
        QTableView::currentChanged(current, previous);
        return;
    }
    const int row = current.isValid() ? current.row() : -1;
    const int col = current.isValid() ? current.column() : -1;
    if (row >= 0 && isFixed(row, col)) {
        syncView(); // put it back
        return;
    }
    if (row == m_row && col == m_col) {
        QTableView::currentChanged(current, previous);
        return;
    }
    if (m_row >= 0 && !m_leaving) {
        const QScopedValueRollback<bool> leaving(m_leaving, true);
        const QPointer<Grid> self(this);
        Q_EMIT leaveCell();
        if (!self)
            return;
        // A slot that moves the current cell itself has the last word.
        if (currentIndex() != current)
            return;
    }
    m_row = row;
    m_col = col;
    QTableView::currentChanged(current, previous);
    selectCurrentCell();
    Q_EMIT currentCellChanged();
}

QItemSelectionModel::SelectionFlags Grid::selectionCommand(const QModelIndex& index,
                                                           const QEvent* event) const
{
    // A click selects after the current cell moved, so it would highlight a cell
    // that a leaveCell() slot refused; currentChanged() selects for it instead.
    // Keys cannot opt out the same way (some styles then refuse to move), so
    // keyPressEvent() puts the selection right afterwards.
    if (event &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
         event->type() == QEvent::MouseButtonDblClick || event->type() == QEvent::MouseMove))
        return QItemSelectionModel::NoUpdate;
    return QTableView::selectionCommand(index, event);
}

void Grid::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex cell = indexAt(event->position().toPoint());
    m_mouseRow = cell.isValid() ? cell.row() : -1;
    m_mouseCol = cell.isValid() ? cell.column() : -1;
    QTableView::mousePressEvent(event);
}

void Grid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex cell = indexAt(event->position().toPoint());
    m_mouseRow = cell.isValid() ? cell.row() : -1;
    m_mouseCol = cell.isValid() ? cell.column() : -1;
    const QPointer<Grid> self(this);
    QTableView::mouseDoubleClickEvent(event);
    if (self)
        Q_EMIT cellDoubleClicked();
}

void Grid::keyPressEvent(QKeyEvent* event)
{
    const QPointer<Grid> self(this);
    Q_EMIT keyPressed(event->key(), event->text(), event->modifiers());
    if (!self)
        return;
    QTableView::keyPressEvent(event);
    selectCurrentCell();
}

void Grid::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        updateFixedColours();
}

void Grid::updateFixedColours()
{
    m_model->setFixedColours(palette().color(QPalette::Active, QPalette::Button),
                             palette().color(QPalette::Active, QPalette::ButtonText));
}

} // namespace widgets
