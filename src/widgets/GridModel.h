#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <QStringList>
#include <QVector>

namespace widgets {

struct CellColour;

// The cells behind a Grid, kept in flat row-major arrays so that long lists
// cost one string, one alignment and one colour per cell and nothing more.
// Fixed cells (row 0 and/or column 0) look like headers and cannot be entered.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit GridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int rows() const { return m_rows; }
    int cols() const { return m_cols; }
    // Both keep the content of the cells that remain.
    void setRows(int rows);
    void setCols(int cols);
    void insertRowAt(int row); // an empty row before `row`; `row == rows()` appends
    void removeRowAt(int row);

    void setFixed(int fixedRows, int fixedCols);
    bool isFixed(int row, int col) const
    {
        return (row == 0 && m_fixedRows > 0) || (col == 0 && m_fixedCols > 0);
    }
    // The header look of fixed cells, from the grid's palette.
    void setFixedColours(const QColor& background, const QColor& text);

    bool contains(int row, int col) const
    {
        return row >= 0 && row < m_rows && col >= 0 && col < m_cols;
    }
    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    Qt::Alignment alignment(int row, int col) const;
    void setAlignment(int row, int col, Qt::Alignment alignment);
    QColor background(int row, int col) const;
    void setBackground(int row, int col, const QColor& colour);

    // Row 0's headings and their alignments, and the alignment and colour of
    // every cell below them, those there now and those added later. One signal
    // for the lot. Each list holds cols() items.
    void setColumns(const QStringList& headings, const QVector<Qt::Alignment>& headingAlignments,
                    const QVector<Qt::Alignment>& alignments, const QVector<QColor>& colours);

    // Texts row by row from `firstRow`, cols() to a row, growing as needed, and
    // colours of single cells. One model reset for the lot.
    void fillRows(int firstRow, const QStringList& texts, const QVector<CellColour>& colours);

    static constexpr Qt::Alignment defaultAlignment = Qt::AlignLeft | Qt::AlignVCenter;

private:
    // What a screen reader says for a cell: its column's heading and its text.
    QString spokenText(int row, int col) const;
    qsizetype at(int row, int col) const { return qsizetype(row) * m_cols + col; }
    void resizeStore(int rows, int cols);
    // What a new cell looks like: row 0 as plain text, the others as their column.
    quint16 newAlignment(int row, int col) const;
    QColor newColour(int row, int col) const;
    void cellChanged(int row, int col, const QList<int>& roles);

    int m_rows = 0;
    int m_cols = 0;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    QColor m_fixedBackground;
    QColor m_fixedText;
    QVector<QString> m_texts;
    QVector<quint16> m_alignments; // Qt::Alignment fits in 16 bits
    QVector<QColor> m_backgrounds; // invalid when uncoloured
    QVector<quint16> m_columnAlignments;
    QVector<QColor> m_columnColours;
};

} // namespace widgets
