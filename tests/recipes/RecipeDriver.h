#pragma once

// Drives the recipe screens as the shop's user does: through the main menu,
// clicking and typing into the real grid, list and boxes.
#include "AppHarness.h"
#include "UserDriver.h"
#include "screens/recipes/RecipeEditor.h"
#include "widgets/CellEditor.h"
#include "widgets/Grid.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace recipes_test {

using user::clickCell;
using user::doubleClickCell;
using user::enterCell;
using user::typeInCell;

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
    user::type(app.control<QLineEdit>(QStringLiteral("Name_TextBox")), text);
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
