#pragma once

// Shared steps of the batch-record tests: reaching the screens through the
// main menu and pointing at grid cells as the user does.
#include "AppHarness.h"
#include "DataFixture.h"
#include "UserDriver.h"
#include "widgets/Grid.h"

#include <QTest>

namespace records {

using user::clickCell;
using user::doubleClickCell;
using user::longDate;

inline const QString kRecipeNumber = QStringLiteral("0003");
inline const QString kRecipeDescription = QStringLiteral("Merlot six week kit");

// A shop's data folder with the recipe the sample batches follow.
inline void writeShopRecipe(const DataFixture& fx)
{
    fx.writeRecipe(kRecipeNumber, kRecipeDescription,
                   {{QStringLiteral("1"), QStringLiteral("Add yeast and stir")},
                    {QStringLiteral("8"), QStringLiteral("Rack into a clean carboy")}});
}

inline widgets::Grid* grid(AppHarness& app)
{
    return app.control<widgets::Grid>(QStringLiteral("Grid1"));
}

// From the opening screen to the main menu, then one menu button.
inline bool openFromMenu(AppHarness& app, const QString& menuButton)
{
    app.start();
    if (!app.click(QStringLiteral("CommandButton2")))
        return false;
    if (!app.click(menuButton))
        return false;
    return QTest::qWaitForWindowExposed(app.visible());
}

inline bool openActiveList(AppHarness& app)
{
    return openFromMenu(app, QStringLiteral("CommandButton3"));
}

inline bool openCompletedList(AppHarness& app)
{
    return openFromMenu(app, QStringLiteral("CommandButton6"));
}

// The list row that names a batch, or -1.
inline int listRowOf(widgets::Grid* grid, const QString& batchId)
{
    for (int row = 1; row < grid->rows(); ++row) {
        if (grid->textAt(row, 0) == batchId)
            return row;
    }
    return -1;
}

// Active list, then a double-click on the batch's row: the editor.
inline bool openEditor(AppHarness& app, const QString& batchId)
{
    if (!openActiveList(app))
        return false;
    const int row = listRowOf(grid(app), batchId);
    if (row < 0)
        return false;
    doubleClickCell(grid(app), row, 1);
    return app.visibleName() == QStringLiteral("ExistingInventory2") &&
           QTest::qWaitForWindowExposed(app.visible());
}

} // namespace records
