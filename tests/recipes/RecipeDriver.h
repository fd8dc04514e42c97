#pragma once

// Drives the recipe screens as the shop's user does: through the main menu,
// clicking and typing into the real grid, list and boxes.
#include "AppHarness.h"
#include "screens/recipes/RecipeEditor.h"
#include "widgets/CellEditor.h"
#include "widgets/Grid.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace recipes_test {

inline bool toMainMenu(AppHarness& app)
{
    app.start();
    return app.click(QStringLiteral("CommandButton2")) &&
           app.visibleName() == QStringLiteral("MainMenu");
}

// "Create a new Recipe" from the main menu.
inline bool openNewRecipe(AppHarness& app)
{
    return toMainMenu(app) && app.click(QStringLiteral("CommandButton4")) &&
           app.visibleName() == QStringLiteral("NewRecipe");
}

// "Modify an existing Recipe" from the main menu.
inline bool openRecipeList(AppHarness& app)
{
    return toMainMenu(app) && app.click(QStringLiteral("CommandButton8")) &&
           app.visibleName() == QStringLiteral("ModifyRecipe");
}

inline screens::RecipeEditor* editorOf(AppHarness& app)
{
    return app.control<screens::RecipeEditor>(QStringLiteral("Editor"));
}

inline widgets::Grid* gridOf(AppHarness& app)
{
    return app.control<widgets::Grid>(QStringLiteral("Grid1"));
}

inline QLineEdit* overlayOf(AppHarness& app)
{
    return app.control<QLineEdit>(QStringLiteral("Text1"));
}

inline QPoint centreOf(widgets::Grid* grid, int row, int col)
{
    return grid->visualRect(grid->model()->index(row, col)).center();
}

inline void clickCell(widgets::Grid* grid, int row, int col)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(grid, row, col));
    AppHarness::settle();
}

inline void doubleClickCell(widgets::Grid* grid, int row, int col)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(grid, row, col));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(grid, row, col));
    AppHarness::settle();
}

// Opens the cell editor with a double click, replaces its text, and leaves it
// open (the caller decides how it closes).
inline void typeInCell(AppHarness& app, int row, int col, const QString& text)
{
    widgets::Grid* grid = gridOf(app);
    doubleClickCell(grid, row, col);
    QLineEdit* overlay = overlayOf(app);
    QTest::keyClick(overlay, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(overlay, Qt::Key_Delete);
    QTest::keyClicks(overlay, text);
}

// Types a cell and stores it with Enter.
inline void enterCell(AppHarness& app, int row, int col, const QString& text)
{
    typeInCell(app, row, col, text);
    QTest::keyClick(overlayOf(app), Qt::Key_Return);
    AppHarness::settle();
}

// Double-clicks an entry of "Available Actions".
inline bool pickAction(AppHarness& app, const QString& action)
{
    auto* list = app.control<QListWidget>(QStringLiteral("List1"));
    const QList<QListWidgetItem*> found = list->findItems(action, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    const QRect rect = list->visualItemRect(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    AppHarness::settle();
    return true;
}

inline void typeDescription(AppHarness& app, const QString& text)
{
    auto* box = app.control<QLineEdit>(QStringLiteral("Name_TextBox"));
    box->clear();
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(box, c.toLatin1());
        else // typed with a compose key: no key code of its own
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// The grid's data rows as "day|action".
inline QStringList gridRows(widgets::Grid* grid)
{
    QStringList rows;
    for (int row = 1; row < grid->rows(); ++row)
        rows << grid->textAt(row, 0) + QLatin1Char('|') + grid->textAt(row, 1);
    return rows;
}

} // namespace recipes_test
