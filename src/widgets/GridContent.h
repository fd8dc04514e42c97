#pragma once

#include <QStringList>

namespace widgets {

class CellEditor;
class Grid;

// What a grid's data rows hold, for telling whether leaving a screen would lose
// anything: the texts of every row that is not wholly empty, in order, with an
// edit still open in `editor` counted as if stored with the text `openText`.
// Empty rows do not count, since saving drops them.
QStringList gridContent(const Grid* grid, const CellEditor* editor, const QString& openText);

} // namespace widgets
