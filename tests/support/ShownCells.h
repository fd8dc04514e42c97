#pragma once

// What a person sees of a grid and where a person's mouse lands on it: the
// widget on top at a point, which for the fixed row and column is not the
// grid's own viewport.
#include "widgets/Grid.h"

#include <QAbstractItemView>
#include <QTest>

// The cell shown at a point of the grid (in the grid's coordinates), or an
// invalid index where no cell shows.
inline QModelIndex cellShownAt(const widgets::Grid& grid, QPoint point)
{
    QWidget* top = grid.childAt(point);
    auto* view = top ? qobject_cast<QAbstractItemView*>(top->parentWidget()) : nullptr;
    if (!view || top != view->viewport() || view->model() != grid.model())
        return QModelIndex();
    return view->indexAt(top->mapFrom(&grid, point));
}

// A double-click at a point of the grid, delivered to the widget on top there.
inline void doubleClickShown(widgets::Grid& grid, QPoint point)
{
    QWidget* top = grid.childAt(point);
    QVERIFY(top);
    QTest::mouseDClick(top, Qt::LeftButton, Qt::NoModifier, top->mapFrom(&grid, point));
}
