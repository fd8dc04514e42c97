#pragma once

// Reaching screens as the user does, for tests that visit many of them: menu
// buttons, double-clicks on list rows, pasting through the real clipboard.
#include "AppHarness.h"
#include "DataFixture.h"
#include "UserDriver.h"
#include "widgets/Grid.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

namespace screen_walk {

using user::doubleClickCell;
using user::longDate;

inline const QString kActiveBatch = QStringLiteral("2026-000040");
inline const QString kCompletedBatch = QStringLiteral("2026-000030");
inline const QString kRecipe = QStringLiteral("0003");

// A shop with one recipe, one batch in progress (its first action due) and one
// completed batch.
inline void fillShop(const DataFixture& fx, store::BatchFile active = sampleBatch(2),
                     store::BatchFile completed = sampleBatch(1, QStringLiteral("Bo Lind")))
{
    fx.writeRecipe(kRecipe, QStringLiteral("Merlot six week kit"),
                   {{QStringLiteral("1"), QStringLiteral("Add yeast and stir")},
                    {QStringLiteral("8"), QStringLiteral("Rack into a clean carboy")}});
    fx.writeBatch(kActiveBatch, active);
    for (store::ActionRecord& record : completed.records)
        record.DateCompleted = record.DueDate;
    fx.writeBatch(kCompletedBatch, completed, QStringLiteral("Completed Batches"));
}

inline widgets::Grid* grid(AppHarness& app)
{
    return app.control<widgets::Grid>(QStringLiteral("Grid1"));
}

// Steps from the opening screen: a button's objectName clicks it, "row N" double-
// clicks row N of the visible screen's grid. True when every step was possible.
inline bool walk(AppHarness& app, const QStringList& steps)
{
    app.start();
    for (const QString& step : steps) {
        if (step.startsWith(QLatin1String("row "))) {
            widgets::Grid* list = grid(app);
            if (!list)
                return false;
            doubleClickCell(list, step.mid(4).toInt(), 1);
        } else if (!app.click(step)) {
            return false;
        }
    }
    return app.visible() && QTest::qWaitForWindowActive(app.visible());
}

// Menu paths to every screen, from the opening screen.
inline QStringList pathTo(const QString& screen)
{
    const QString menu = QStringLiteral("CommandButton2");
    static const QHash<QString, QStringList> paths{
        {QStringLiteral("Opening_Screen"), {}},
        {QStringLiteral("AboutForm"), {QStringLiteral("AboutButton")}},
        {QStringLiteral("MainMenu"), {menu}},
        {QStringLiteral("NewBatch"), {menu, QStringLiteral("CommandButton2")}},
        {QStringLiteral("ExistingInventory"), {menu, QStringLiteral("CommandButton3")}},
        {QStringLiteral("ExistingInventory2"),
         {menu, QStringLiteral("CommandButton3"), QStringLiteral("row 1")}},
        {QStringLiteral("ThingsToDoToday"), {menu, QStringLiteral("CommandButton1")}},
        {QStringLiteral("Completed1"), {menu, QStringLiteral("CommandButton6")}},
        {QStringLiteral("Completed2"),
         {menu, QStringLiteral("CommandButton6"), QStringLiteral("row 1")}},
        {QStringLiteral("NewRecipe"), {menu, QStringLiteral("CommandButton4")}},
        {QStringLiteral("ModifyRecipe"), {menu, QStringLiteral("CommandButton8")}},
        {QStringLiteral("ModifyRecipe2"),
         {menu, QStringLiteral("CommandButton8"), QStringLiteral("row 1")}},
        {QStringLiteral("Chart1"), {menu, QStringLiteral("CommandButton5")}},
        {QStringLiteral("FindBatch"), {menu, QStringLiteral("FindBatch_Command")}},
    };
    return paths.value(screen);
}

inline bool open(AppHarness& app, const QString& screen)
{
    return walk(app, pathTo(screen)) && app.visibleName() == screen;
}

// Puts `text` on the system clipboard and pastes it into `box` with Ctrl+V.
inline void paste(QLineEdit* box, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

} // namespace screen_walk
