#include "widgets/Grid.h"

#include "widgets/GridModel.h"
#include "widgets/Twips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
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
    // By pixels: the fixed row and column cover the edges of the viewport, and
    // scrolling by whole rows would hide a row under them.
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    updateFixedColours();

    m_topStrip = makeStrip();
    m_leftStrip = makeStrip();
    m_cornerStrip = makeStrip(); // made last, so it lies over the other two
    // The strips follow this view's sizes and scrolling.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int col, int, int width) {
                for (QTableView* strip : {m_topStrip, m_leftStrip, m_cornerStrip})
                    strip->setColumnWidth(col, width);
                placeStrips();
            });
    connect(verticalHeader(), &QHeaderView::sectionResized, this, [this](int row, int, int height) {
        m_leftStrip->setRowHeight(row, height);
        if (row == 0) {
            m_topStrip->setRowHeight(0, height);
            m_cornerStrip->setRowHeight(0, height);
        }
        placeStrips();
    });
    auto follow = [](QScrollBar* leader, QScrollBar* follower) {
        connect(leader, &QScrollBar::valueChanged, follower, &QScrollBar::setValue);
        // A strip may learn of new rows or columns after this view scrolled there.
        connect(follower, &QScrollBar::rangeChanged, leader,
                [leader, follower] { follower->setValue(leader->value()); });
    };
    follow(horizontalScrollBar(), m_topStrip->horizontalScrollBar());
    follow(verticalScrollBar(), m_leftStrip->verticalScrollBar());
    syncStrips();
}

QTableView* Grid::makeStrip()
{
    auto* strip = new QTableView(this);
    strip->setModel(m_model);
    strip->horizontalHeader()->hide();
    strip->verticalHeader()->hide();
    strip->horizontalHeader()->setMinimumSectionSize(0);
    strip->verticalHeader()->setMinimumSectionSize(0);
    strip->setFrameShape(QFrame::NoFrame);
    strip->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    strip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    strip->setHorizontalScrollMode(ScrollPerPixel);
    strip->setVerticalScrollMode(ScrollPerPixel);
    // Only shows: the grid takes the focus, the clicks and the wheel.
    strip->setFocusPolicy(Qt::NoFocus);
    strip->setSelectionMode(QAbstractItemView::NoSelection);
    strip->setEditTriggers(QAbstractItemView::NoEditTriggers);
    strip->setAutoScroll(false);
    strip->setTabKeyNavigation(false);
    strip->viewport()->installEventFilter(this);
    strip->hide();
    return strip;
}

// Looks and sizes the strips take from this view.
void Grid::syncStrips()
{
    if (!m_cornerStrip)
        return; // still being built
    for (QTableView* strip : {m_topStrip, m_leftStrip, m_cornerStrip}) {
        strip->setWordWrap(wordWrap());
        strip->setShowGrid(showGrid());
        strip->setGridStyle(gridStyle());
        strip->setTextElideMode(textElideMode());
        for (int col = 0; col < cols(); ++col) {
            if (strip->columnWidth(col) != columnWidth(col))
                strip->setColumnWidth(col, columnWidth(col));
        }
        if (rows() > 0 && strip->rowHeight(0) != rowHeight(0))
            strip->setRowHeight(0, rowHeight(0));
    }
    placeStrips();
}

QSize Grid::fixedExtent() const
{
    const QSize area = viewport()->size();
    const int width = m_fixedCols > 0 && cols() > 0 ? std::min(columnWidth(0), area.width()) : 0;
    const int height = m_fixedRows > 0 && rows() > 0 ? std::min(rowHeight(0), area.height()) : 0;
    return QSize(width, height);
}

void Grid::placeStrips()
{
    if (!m_cornerStrip)
        return;
    const QRect area = viewport()->geometry();
    const QSize fixed = fixedExtent();
    const QRect top(area.topLeft(), QSize(area.width(), fixed.height()));
    const QRect left(area.topLeft(), QSize(fixed.width(), area.height()));
    const QRect corner(area.topLeft(), fixed);
    for (const auto& [strip, place] : {std::pair{m_topStrip, top}, std::pair{m_leftStrip, left},
                                       std::pair{m_cornerStrip, corner}}) {
        if (!place.isEmpty())
            strip->setGeometry(place);
        strip->setHidden(place.isEmpty());
    }
    m_topStrip->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    m_leftStrip->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

void Grid::updateGeometries()
{
    QTableView::updateGeometries();
    // Scrolled by pixels, the view would take a step of a few pixels in a long
    // list; the wheel and the arrows move by rows, as they would by items.
    if (verticalScrollBar()->singleStep() != verticalHeader()->defaultSectionSize())
        verticalScrollBar()->setSingleStep(verticalHeader()->defaultSectionSize());
    syncStrips();
}

bool Grid::eventFilter(QObject* watched, QEvent* event)
{
    for (QTableView* strip : {m_topStrip, m_leftStrip, m_cornerStrip}) {
        if (strip && watched == strip->viewport())
            return stripEvent(strip, event);
    }
    return QTableView::eventFilter(watched, event);
}

// What reaches a strip is meant for the grid: a click names a fixed cell (which
// never becomes current), a double-click is the grid's, the wheel scrolls the grid.
bool Grid::stripEvent(QTableView* strip, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex cell = strip->indexAt(mouse->position().toPoint());
        m_mouseRow = cell.isValid() ? cell.row() : -1;
        m_mouseCol = cell.isValid() ? cell.column() : -1;
        setFocus(Qt::MouseFocusReason);
        if (event->type() == QEvent::MouseButtonDblClick)
            Q_EMIT cellDoubleClicked(m_mouseRow, m_mouseCol);
        return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::ContextMenu:
        return true;
    case QEvent::Wheel:
        QCoreApplication::sendEvent(viewport(), event);
        return true;
    default:
        return false;
    }
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
    syncStrips();
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
    m_fitting.resize(cols, false);
    reshape([&] { m_model->setCols(cols); });
}

void Grid::setFixedRows(int fixedRows)
{
    fixedRows = std::clamp(fixedRows, 0, 1);
    if (fixedRows == m_fixedRows)
        return;
    m_fixedRows = fixedRows;
    m_model->setFixed(m_fixedRows, m_fixedCols);
    placeStrips();
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
    placeStrips();
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
    if (inRange(row, col) && m_fitting.at(col))
        widenColumnFor(col, text);
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

void Grid::setColumns(const QVector<GridColumn>& columns)
{
    setCols(static_cast<int>(columns.size()));
    if (rows() == 0)
        setRows(1);
    QStringList headings;
    QVector<Qt::Alignment> headingAlignments;
    QVector<Qt::Alignment> alignments;
    QVector<QColor> colours;
    for (const GridColumn& column : columns) {
        headings << column.heading;
        headingAlignments << column.headingAlignment;
        alignments << column.alignment;
        colours << column.colour;
    }
    m_model->setColumns(headings, headingAlignments, alignments, colours);
    for (int col = 0; col < cols(); ++col) {
        m_fitting[col] = columns.at(col).fitsText;
        setColumnWidthTwips(col, columns.at(col).widthTwips);
    }
}

void Grid::fillRows(int firstRow, const QStringList& texts, const QVector<CellColour>& colours)
{
    if (firstRow < 0 || cols() == 0 || texts.isEmpty())
        return;
    reshape([&] { m_model->fillRows(firstRow, texts, colours); });
    for (int col = 0; col < cols(); ++col) {
        if (m_fitting.at(col))
            widenColumnToFit(col);
    }
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

QPoint Grid::scrollPosition() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void Grid::setScrollPosition(const QPoint& position)
{
    updateGeometries(); // ranges that include rows just added
    horizontalScrollBar()->setValue(position.x());
    verticalScrollBar()->setValue(position.y());
    if (m_row >= 0)
        scrollTo(m_model->index(m_row, m_col));
}

bool Grid::rowIsEmpty(int row) const
{
    for (int col = m_fixedCols; col < cols(); ++col) {
        if (!textAt(row, col).isEmpty())
            return false;
    }
    return true;
}

bool Grid::stepCurrentCell(bool forward)
{
    if (m_row < 0)
        return false;
    int row = m_row;
    int col = m_col;
    if (forward && ++col >= cols()) {
        col = m_fixedCols;
        if (++row >= rows()) {
            // Wrapping would put the next thing typed over the first row. An
            // empty last row gets no other below it: there Tab leaves the grid.
            if (!m_growsOnTab || rowIsEmpty(m_row))
                return false;
            setRows(rows() + 1);
        }
    } else if (!forward && --col < m_fixedCols) {
        col = cols() - 1;
        if (--row < m_fixedRows)
            return false;
    }
    return setCurrentCell(row, col);
}

void Grid::setColumnWidthTwips(int col, int twips)
{
    if (col < 0 || col >= cols())
        return;
    setColumnWidth(col, twipsToPixels(std::max(twips, 0)));
    if (m_fitting.at(col))
        widenColumnToFit(col);
}

void Grid::keepColumnFitting(int col)
{
    if (col < 0 || col >= cols())
        return;
    m_fitting[col] = true;
    widenColumnToFit(col);
}

void Grid::widenColumnFor(int col, const QString& text)
{
    if (text.isEmpty())
        return;
    const QFontMetrics metrics(font());
    const int needed = metrics.horizontalAdvance(text) + 2 * metrics.averageCharWidth();
    if (needed > columnWidth(col))
        setColumnWidth(col, needed);
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
        setColumnWidth(col, needed);
}

QSize Grid::sizeShowingAllCells() const
{
    const int frame = 2 * frameWidth();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    // Room for the vertical scroll bar is kept: a window that cannot grow enough
    // for every row still shows every column.
    return QSize(horizontalHeader()->length() + frame + scrollBar,
                 verticalHeader()->length() + frame);
}

QSize Grid::sizeShowingAllTexts() const
{
    QSize size = sizeShowingAllCells();
    const int last = cols() - 1;
    if (last < 0)
        return size;
    // No window shows more rows than these at once.
    constexpr int kRowsMeasured = 200;
    const QFontMetrics metrics(font());
    int widest = 0;
    for (int row = 0; row < std::min(rows(), kRowsMeasured); ++row)
        widest = std::max(widest, metrics.horizontalAdvance(textAt(row, last)));
    const int needed = widest + 2 * metrics.averageCharWidth();
    size.rwidth() -= std::max(0, columnWidth(last) - needed);
    return size;
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
    const bool fixedRow = m_fixedRows > 0 && row == 0;
    const bool fixedCol = m_fixedCols > 0 && col == 0;
    // Where the cell shows: a fixed cell at its place before any scrolling.
    QRect cell = visualRect(m_model->index(row, col));
    if (fixedRow)
        cell.moveTop(cell.top() + verticalOffset());
    if (fixedCol)
        cell.moveLeft(cell.left() + horizontalOffset());
    // The part of the viewport where cells of its kind show.
    const QSize area = viewport()->size();
    const QSize fixed = fixedExtent();
    const int left = fixedCol ? 0 : fixed.width();
    const int right = fixedCol ? fixed.width() : area.width();
    const int top = fixedRow ? 0 : fixed.height();
    const int bottom = fixedRow ? fixed.height() : area.height();
    cell = cell.intersected(QRect(left, top, right - left, bottom - top));
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

namespace {

// How far to scroll along one axis so that the span [start, start + length)
// shows within [first, first + room).
int scrollDelta(int start, int length, int first, int room, QAbstractItemView::ScrollHint hint)
{
    switch (hint) {
    case QAbstractItemView::PositionAtTop:
        return start - first;
    case QAbstractItemView::PositionAtBottom:
        return start + length - (first + room);
    case QAbstractItemView::PositionAtCenter:
        return start + length / 2 - (first + room / 2);
    case QAbstractItemView::EnsureVisible:
        break;
    }
    // A cell wider than the view (the task list's Action column) stays put while
    // its start shows: a click on it must not throw the other columns out of view.
    if (length > room && start >= first && start < first + room)
        return 0;
    if (start < first || length > room)
        return start - first;
    if (start + length > first + room)
        return start + length - (first + room);
    return 0;
}

} // namespace

void Grid::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!index.isValid() || index.model() != m_model)
        return;
    const int row = index.row();
    const int col = index.column();
    const QSize area = viewport()->size();
    const QSize fixed = fixedExtent();
    // Fixed cells stay in view along the fixed edge whatever the scrolling.
    if (!(m_fixedCols > 0 && col == 0)) {
        const int delta = scrollDelta(columnViewportPosition(col), columnWidth(col), fixed.width(),
                                      area.width() - fixed.width(), EnsureVisible);
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + delta);
    }
    if (!(m_fixedRows > 0 && row == 0)) {
        const int delta = scrollDelta(rowViewportPosition(row), rowHeight(row), fixed.height(),
                                      area.height() - fixed.height(), hint);
        verticalScrollBar()->setValue(verticalScrollBar()->value() + delta);
    }
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
    const int row = m_mouseRow;
    const int col = m_mouseCol;
    const QPointer<Grid> self(this);
    QTableView::mouseDoubleClickEvent(event);
    if (self)
        Q_EMIT cellDoubleClicked(row, col);
}

void Grid::keyPressEvent(QKeyEvent* event)
{
    const QPointer<Grid> self(this);
    Q_EMIT keyPressed(event->key(), event->text(), event->modifiers());
    if (!self)
        return;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && m_row >= 0) {
        event->accept();
        Q_EMIT returnPressed(m_row, m_col);
        return;
    }
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const bool forward =
            event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
        // Past the first or last cell the focus leaves the grid, like any other control.
        if (stepCurrentCell(forward))
            event->accept();
        else
            event->ignore();
        return;
    }
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
