#include "widgets/GridModel.h"

#include "widgets/Grid.h"

#include <QBrush>
#include <algorithm>

namespace widgets {

GridModel::GridModel(QObject* parent)
    : QAbstractTableModel(parent), m_fixedBackground(Qt::lightGray), m_fixedText(Qt::black)
{
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !contains(index.row(), index.column()))
        return QVariant();
    const qsizetype i = at(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_texts.at(i);
    case Qt::AccessibleTextRole:
        return spokenText(index.row(), index.column());
    case Qt::TextAlignmentRole: {
        Qt::Alignment alignment(m_alignments.at(i));
        if (!(alignment & Qt::AlignVertical_Mask))
            alignment |= Qt::AlignVCenter;
        return QVariant::fromValue(alignment);
    }
    case Qt::BackgroundRole:
        if (m_backgrounds.at(i).isValid())
            return QBrush(m_backgrounds.at(i));
        if (isFixed(index.row(), index.column()))
            return QBrush(m_fixedBackground);
        return QVariant();
    case Qt::ForegroundRole:
        // Fixed cells are disabled items; without this the style greys their text.
        if (isFixed(index.row(), index.column()))
            return QBrush(m_fixedText);
        return QVariant();
    default:
        return QVariant();
    }
}

QString GridModel::spokenText(int row, int col) const
{
    const QString& text = m_texts.at(at(row, col));
    // Row 0 holds the headings; a screen reader hears them with every cell,
    // since they are cells of the grid and not a header Qt knows of.
    if (m_fixedRows == 0 || row == 0)
        return text;
    const QString heading = m_texts.at(at(0, col)).simplified();
    if (heading.isEmpty())
        return text;
    if (text.isEmpty())
        return tr("%1: blank").arg(heading);
    return tr("%1: %2").arg(heading, text);
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || isFixed(index.row(), index.column()))
        return Qt::ItemNeverHasChildren;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

quint16 GridModel::newAlignment(int row, int col) const
{
    return row == 0 ? quint16(defaultAlignment.toInt()) : m_columnAlignments.at(col);
}

QColor GridModel::newColour(int row, int col) const
{
    return row == 0 ? QColor() : m_columnColours.at(col);
}

void GridModel::resizeStore(int rows, int cols)
{
    m_columnAlignments.resize(cols, quint16(defaultAlignment.toInt()));
    m_columnColours.resize(cols);
    const int oldRows = m_rows;
    const int oldCols = m_cols;
    if (cols == m_cols) {
        const qsizetype size = qsizetype(rows) * cols;
        m_texts.resize(size);
        m_alignments.resize(size);
        m_backgrounds.resize(size);
    } else {
        const qsizetype size = qsizetype(rows) * cols;
        QVector<QString> texts(size);
        QVector<quint16> alignments(size);
        QVector<QColor> backgrounds(size);
        const int keepRows = std::min(rows, m_rows);
        const int keepCols = std::min(cols, m_cols);
        for (int r = 0; r < keepRows; ++r) {
            for (int c = 0; c < keepCols; ++c) {
                const qsizetype from = at(r, c);
                const qsizetype to = qsizetype(r) * cols + c;
                texts[to] = std::move(m_texts[from]);
                alignments[to] = m_alignments.at(from);
                backgrounds[to] = m_backgrounds.at(from);
            }
        }
        m_texts = std::move(texts);
        m_alignments = std::move(alignments);
        m_backgrounds = std::move(backgrounds);
    }
    m_rows = rows;
    m_cols = cols;
    // The cells that are new take the look of their column.
    for (int r = 0; r < rows; ++r) {
        for (int c = r < oldRows ? oldCols : 0; c < cols; ++c) {
            m_alignments[at(r, c)] = newAlignment(r, c);
            m_backgrounds[at(r, c)] = newColour(r, c);
        }
    }
}

void GridModel::setRows(int rows)
{
    rows = std::max(rows, 0);
    if (rows > m_rows) {
        beginInsertRows(QModelIndex(), m_rows, rows - 1);
        resizeStore(rows, m_cols);
        endInsertRows();
    } else if (rows < m_rows) {
        beginRemoveRows(QModelIndex(), rows, m_rows - 1);
        resizeStore(rows, m_cols);
        endRemoveRows();
    }
}

void GridModel::setCols(int cols)
{
    cols = std::max(cols, 0);
    if (cols > m_cols) {
        beginInsertColumns(QModelIndex(), m_cols, cols - 1);
        resizeStore(m_rows, cols);
        endInsertColumns();
    } else if (cols < m_cols) {
        beginRemoveColumns(QModelIndex(), cols, m_cols - 1);
        resizeStore(m_rows, cols);
        endRemoveColumns();
    }
}

void GridModel::insertRowAt(int row)
{
    if (row < 0 || row > m_rows)
        return;
    beginInsertRows(QModelIndex(), row, row);
    const qsizetype i = qsizetype(row) * m_cols;
    m_texts.insert(i, m_cols, QString());
    m_alignments.insert(i, m_cols, 0);
    m_backgrounds.insert(i, m_cols, QColor());
    ++m_rows;
    for (int c = 0; c < m_cols; ++c) {
        m_alignments[at(row, c)] = newAlignment(row, c);
        m_backgrounds[at(row, c)] = newColour(row, c);
    }
    endInsertRows();
}

void GridModel::removeRowAt(int row)
{
    if (row < 0 || row >= m_rows)
        return;
    beginRemoveRows(QModelIndex(), row, row);
    const qsizetype i = qsizetype(row) * m_cols;
    m_texts.remove(i, m_cols);
    m_alignments.remove(i, m_cols);
    m_backgrounds.remove(i, m_cols);
    --m_rows;
    endRemoveRows();
}

void GridModel::setFixed(int fixedRows, int fixedCols)
{
    if (fixedRows == m_fixedRows && fixedCols == m_fixedCols)
        return;
    m_fixedRows = fixedRows;
    m_fixedCols = fixedCols;
    if (m_rows > 0 && m_cols > 0) {
        // Flags and looks of row 0 and column 0 may both have changed.
        Q_EMIT dataChanged(index(0, 0), index(0, m_cols - 1));
        Q_EMIT dataChanged(index(0, 0), index(m_rows - 1, 0));
    }
}

void GridModel::setFixedColours(const QColor& background, const QColor& text)
{
    if (background == m_fixedBackground && text == m_fixedText)
        return;
    m_fixedBackground = background;
    m_fixedText = text;
    if (m_rows > 0 && m_cols > 0) {
        const QList<int> roles{Qt::BackgroundRole, Qt::ForegroundRole};
        Q_EMIT dataChanged(index(0, 0), index(0, m_cols - 1), roles);
        Q_EMIT dataChanged(index(0, 0), index(m_rows - 1, 0), roles);
    }
}

void GridModel::cellChanged(int row, int col, const QList<int>& roles)
{
    const QModelIndex cell = index(row, col);
    Q_EMIT dataChanged(cell, cell, roles);
}

QString GridModel::text(int row, int col) const
{
    return contains(row, col) ? m_texts.at(at(row, col)) : QString();
}

void GridModel::setText(int row, int col, const QString& text)
{
    if (!contains(row, col) || m_texts.at(at(row, col)) == text)
        return;
    m_texts[at(row, col)] = text;
    cellChanged(row, col, {Qt::DisplayRole, Qt::EditRole});
}

Qt::Alignment GridModel::alignment(int row, int col) const
{
    return contains(row, col) ? Qt::Alignment(m_alignments.at(at(row, col))) : defaultAlignment;
}

void GridModel::setAlignment(int row, int col, Qt::Alignment alignment)
{
    const auto value = quint16(alignment.toInt());
    if (!contains(row, col) || m_alignments.at(at(row, col)) == value)
        return;
    m_alignments[at(row, col)] = value;
    cellChanged(row, col, {Qt::TextAlignmentRole});
}

QColor GridModel::background(int row, int col) const
{
    return contains(row, col) ? m_backgrounds.at(at(row, col)) : QColor();
}

void GridModel::setBackground(int row, int col, const QColor& colour)
{
    if (!contains(row, col) || m_backgrounds.at(at(row, col)) == colour)
        return;
    m_backgrounds[at(row, col)] = colour;
    cellChanged(row, col, {Qt::BackgroundRole});
}

void GridModel::setColumns(const QStringList& headings,
                           const QVector<Qt::Alignment>& headingAlignments,
                           const QVector<Qt::Alignment>& alignments, const QVector<QColor>& colours)
{
    if (m_rows == 0 || headings.size() != m_cols || headingAlignments.size() != m_cols ||
        alignments.size() != m_cols || colours.size() != m_cols)
        return;
    for (int c = 0; c < m_cols; ++c) {
        m_texts[at(0, c)] = headings.at(c);
        m_alignments[at(0, c)] = quint16(headingAlignments.at(c).toInt());
        m_columnAlignments[c] = quint16(alignments.at(c).toInt());
        m_columnColours[c] = colours.at(c);
        for (int r = 1; r < m_rows; ++r) {
            m_alignments[at(r, c)] = m_columnAlignments.at(c);
            m_backgrounds[at(r, c)] = m_columnColours.at(c);
        }
    }
    Q_EMIT dataChanged(index(0, 0), index(m_rows - 1, m_cols - 1));
}

void GridModel::fillRows(int firstRow, const QStringList& texts, const QVector<CellColour>& colours)
{
    if (firstRow < 0 || m_cols == 0 || texts.isEmpty())
        return;
    const int rowsNeeded = firstRow + int((texts.size() + m_cols - 1) / m_cols);
    beginResetModel();
    if (rowsNeeded > m_rows)
        resizeStore(rowsNeeded, m_cols);
    std::copy(texts.cbegin(), texts.cend(), m_texts.begin() + at(firstRow, 0));
    for (const CellColour& cell : colours) {
        if (contains(cell.row, cell.col))
            m_backgrounds[at(cell.row, cell.col)] = cell.colour;
    }
    endResetModel();
}

} // namespace widgets
