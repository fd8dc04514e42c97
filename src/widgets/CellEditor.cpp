#include "widgets/CellEditor.h"

#include "widgets/Grid.h"
#include "widgets/SingleLine.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

namespace widgets {

CellEditor::CellEditor(Grid* grid, QLineEdit* overlay, QObject* parent)
    : QObject(parent), m_grid(grid), m_viewport(grid->viewport()), m_overlay(overlay)
{
    m_overlay->hide();
    m_overlay->setFont(m_grid->font());
    keepOnOneLine(m_overlay);
    m_overlay->installEventFilter(this);
    connect(m_grid, &Grid::leaveCell, this, &CellEditor::Grid1_LeaveCell);
    // The overlay follows its cell when the grid scrolls or is resized.
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { place(); });
    connect(m_grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { place(); });
    m_viewport->installEventFilter(this);
}

bool CellEditor::isOpen() const
{
    // "Not hidden" rather than "visible": the overlay stays open while its
    // window is itself hidden or the focus is elsewhere.
    return m_row >= 0 && !m_overlay->isHidden();
}

void CellEditor::open()
{
    if (m_grid->row() < 0 || m_grid->col() < 0)
        return;
    if (isOpen() && m_row == m_grid->row() && m_col == m_grid->col()) {
        // Already open over this cell (left open by Down on the last row): keep
        // what was typed rather than starting again from the cell's old text.
        m_overlay->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!commitPending())
        return;
    m_row = m_grid->row();
    m_col = m_grid->col();
    m_overlay->setText(m_grid->textAt(m_row, m_col));
    place();
    m_overlay->show();
    m_overlay->raise();
    m_overlay->setFocus(Qt::OtherFocusReason);
    m_overlay->selectAll();
    Q_EMIT opened(m_row, m_col);
}

bool CellEditor::openAt(int row, int col)
{
    if (row < m_grid->fixedRows() || col < m_grid->fixedCols())
        return false;
    if ((row != m_grid->row() || col != m_grid->col()) && !m_grid->setCurrentCell(row, col))
        return false;
    open();
    return isOpen();
}

void CellEditor::openTyping(const QString& typed)
{
    open();
    if (isOpen() && !typed.isEmpty() && typed.at(0).isPrint())
        m_overlay->insert(typed);
}

void CellEditor::place()
{
    if (m_row < 0)
        return;
    const QRect cell = m_grid->cellRect(m_row, m_col, m_overlay->parentWidget());
    // A cell scrolled out of view: the overlay must not sit over another cell.
    m_overlay->setGeometry(cell.isEmpty() ? QRect(cell.topLeft(), QSize(0, 0)) : cell);
}

void CellEditor::close()
{
    m_overlay->hide();
    m_row = -1;
    m_col = -1;
}

bool CellEditor::store(Commit how, Refused onRefusal)
{
    const int row = m_row;
    const int col = m_col;
    const QString held = m_grid->textAt(row, col);
    Verdict verdict{m_overlay->text(), QString()};
    if (m_filter)
        verdict = m_filter(row, col, verdict.text, held, how);
    if (!verdict.refusal.isEmpty()) {
        // Enter and Tab leave the current cell where it is, so the box stays
        // open over it for the text to be put right; a cell left by a click or
        // by the program keeps its text, and the keyboard stays in the grid.
        if (onRefusal == Refused::StayOpen) {
            m_overlay->setFocus(Qt::OtherFocusReason);
            m_overlay->selectAll();
        } else {
            close();
            m_grid->setFocus(Qt::OtherFocusReason);
        }
        Q_EMIT refused(row, col, verdict.refusal);
        return false;
    }
    // An unchanged text leaves the cell as it was filled (a date kept as written).
    if (verdict.text != held)
        m_grid->setTextAt(row, col, verdict.text);
    close();
    Q_EMIT committed(row, col, how);
    return true;
}

bool CellEditor::commitPending()
{
    if (!m_overlay->isHidden() && m_row >= 0)
        return store(Commit::LeaveCell, Refused::Close);
    return true;
}

void CellEditor::Grid1_LeaveCell()
{
    commitPending();
}

void CellEditor::moveRow(int step)
{
    m_grid->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    const int target = m_grid->row() + step;
    if (target >= m_grid->fixedRows() && target < m_grid->rows())
        m_grid->setCurrentCell(target, m_grid->col());
}

// Tab stores the cell and goes on editing in the next one, so what is typed
// next lands in a cell, never in a button the focus would otherwise reach.
void CellEditor::moveCell(bool forward)
{
    // Stored first, so that a grid growing on Tab sees what was typed in its last row.
    if (isOpen() && !store(Commit::LeaveCell, Refused::StayOpen))
        return;
    m_grid->setFocus(Qt::TabFocusReason);
    if (m_grid->stepCurrentCell(forward)) {
        open();
        return;
    }
    // Past the first or last cell the focus leaves the grid, as a Tab on the grid does.
    QKeyEvent tab(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                  forward ? Qt::NoModifier : Qt::ShiftModifier);
    QCoreApplication::sendEvent(m_grid, &tab);
}

bool CellEditor::Text1_KeyDown(QKeyEvent* event)
{
    if (!isOpen())
        return false;
    switch (event->key()) {
    case Qt::Key_Escape: {
        const int row = m_row;
        const int col = m_col;
        close();
        m_grid->setFocus(Qt::OtherFocusReason);
        Q_EMIT discarded(row, col);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (store(Commit::Enter, Refused::StayOpen))
            m_grid->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Down:
        moveRow(1);
        return true;
    case Qt::Key_Up:
        moveRow(-1);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        moveCell(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
        return true;
    default:
        return false;
    }
}

bool CellEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_overlay && event->type() == QEvent::KeyPress)
        return Text1_KeyDown(static_cast<QKeyEvent*>(event));
    if (watched == m_viewport && event->type() == QEvent::Resize)
        place();
    return QObject::eventFilter(watched, event);
}

} // namespace widgets
