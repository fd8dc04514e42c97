#include "widgets/GridContent.h"

#include "widgets/CellEditor.h"
#include "widgets/Grid.h"

namespace widgets {

QStringList gridContent(const Grid* grid, const CellEditor* editor, const QString& openText)
{
    const bool open = editor && editor->isOpen();
    QStringList content;
    for (int row = grid->fixedRows(); row < grid->rows(); ++row) {
        QStringList cells;
        bool empty = true;
        for (int col = 0; col < grid->cols(); ++col) {
            const bool edited = open && editor->row() == row && editor->col() == col;
            const QString text = edited ? openText : grid->textAt(row, col);
            empty = empty && text.isEmpty();
            cells << text;
        }
        if (!empty)
            content << cells.join(QChar(u'\x1f'));
    }
    return content;
}

} // namespace widgets
