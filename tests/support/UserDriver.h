#pragma once

// The test's hands: grids, boxes and cell editors worked as a person at the
// screen works them, through mouse and key events on what shows at the spot.
#include <QString>

class AppHarness;
class QDate;
class QLineEdit;
namespace widgets {
class Grid;
}

namespace user {

// Scrolls the cell into view and clicks it where it shows: a cell of the fixed
// row or column is clicked on the strip that keeps it in place.
void clickCell(widgets::Grid* grid, int row, int col);
// The same click, then a double-click on the same spot, as a mouse sends them.
void doubleClickCell(widgets::Grid* grid, int row, int col);
// On the visible screen's grid ("Grid1").
void doubleClickCell(AppHarness& app, int row, int col);

// Puts the focus in the box, selects what it holds with Ctrl+A and types over it
// key by key; an empty `text` deletes the selection.
void type(QLineEdit* box, const QString& text);
// Into a box of the visible screen, which then shows exactly what was typed.
void type(AppHarness& app, const QString& boxName, const QString& text);

// Opens the cell editor ("Text1") with a double-click on a cell of "Grid1" and
// types over its text; the editor is left open.
void typeInCell(AppHarness& app, int row, int col, const QString& text);
// The same, stored with Return.
void enterCell(AppHarness& app, int row, int col, const QString& text);

// A date as the program shows and stores it: the system's long form.
QString longDate(const QDate& date);
QString longDate(int year, int month, int day);

} // namespace user
