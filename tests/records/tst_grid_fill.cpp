// The action grid of the batch editor and the completed view, filled for a
// batch of years of work: everything in place after one repaint of the lot.
#include "DataFixture.h"
#include "TestMain.h"
#include "screens/records/BatchSheet.h"
#include "store/LongDate.h"
#include "widgets/Grid.h"

#include <QImage>
#include <QSignalSpy>

using namespace screens::batchsheet;

namespace {

// A completed action's due date lies on light green.
const QColor kLightGreen(0, 255, 0);

// How the cells below the headings are aligned, column by column: the day, the
// amount and the measurement centred, the rest from the left.
const Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignVCenter;
const Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
const Qt::Alignment kAlignments[ColumnCount] = {kCentred, kLeft, kLeft, kCentred,
                                                kCentred, kLeft, kLeft};

// `count` actions a day apart from 2026-06-01; the first `done` completed.
QVector<store::ActionRecord> actions(int count, int done)
{
    QVector<store::ActionRecord> records;
    const QDate start(2026, 6, 1);
    for (int i = 0; i < count; ++i) {
        store::ActionRecord record;
        record.DayNumber = QString::number(i + 1);
        record.DueDate = store::formatLongDate(start.addDays(i));
        record.Action = QStringLiteral("Check specific gravity %1").arg(i + 1);
        if (i < done) {
            record.Measurement = QStringLiteral("SG 1.0%1").arg(90 - i % 90);
            record.DateCompleted = record.DueDate;
        }
        records << record;
    }
    return records;
}

} // namespace

class GridFillTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void longBatchFillsInOneRepaint();
    void refillLeavesNothingOfTheBatchBefore();
};

void GridFillTest::longBatchFillsInOneRepaint()
{
    // What the view is told while a fresh, shown grid is filled.
    struct Told
    {
        qsizetype changes;
        qsizetype resets;
    };
    const auto fill = [](widgets::Grid& grid, int count) {
        grid.resize(900, 500);
        grid.show();
        if (!QTest::qWaitForWindowExposed(&grid))
            return Told{-1, -1};
        QSignalSpy changes(grid.model(), &QAbstractItemModel::dataChanged);
        QSignalSpy resets(grid.model(), &QAbstractItemModel::modelReset);
        fillActionGrid(&grid, actions(count, count * 3 / 5));
        return Told{changes.count(), resets.count()};
    };
    widgets::Grid shortGrid;
    const Told forThree = fill(shortGrid, 3);
    widgets::Grid grid;
    const Told forTwoHundred = fill(grid, 200);

    // One repaint of the lot: no change told cell by cell, so a batch of 200
    // actions tells the view no more than a batch of 3.
    QCOMPARE(forTwoHundred.resets, 1);
    QCOMPARE(forTwoHundred.changes, forThree.changes);
    QVERIFY(forTwoHundred.changes <= 2);
    QCOMPARE(grid.rows(), 201);
    QCOMPARE(grid.textAt(0, DueDateColumn), QStringLiteral("Due Date"));
    QCOMPARE(grid.alignmentAt(0, ActionColumn), Qt::AlignCenter);
    // The last completed action and the first open one, the last row too.
    QCOMPARE(grid.textAt(120, DayColumn), QStringLiteral("120"));
    QCOMPARE(grid.textAt(120, CompletedColumn), store::formatLongDate(QDate(2026, 9, 28)));
    QCOMPARE(grid.backgroundAt(120, DueDateColumn), kLightGreen);
    QCOMPARE(grid.textAt(121, CompletedColumn), QString());
    QVERIFY(!grid.backgroundAt(121, DueDateColumn).isValid());
    QCOMPARE(grid.textAt(200, ActionColumn), QStringLiteral("Check specific gravity 200"));
    for (int row : {1, 120, 121, 200}) {
        for (int col = 0; col < ColumnCount; ++col)
            QCOMPARE(grid.alignmentAt(row, col), kAlignments[col]);
        for (int col = 0; col < ColumnCount; ++col) {
            if (col != DueDateColumn)
                QVERIFY(!grid.backgroundAt(row, col).isValid());
        }
    }
    // What the screen shows: the first due date, done, on light green.
    const QRect due = grid.cellRect(1, DueDateColumn, grid.viewport());
    QVERIFY(!due.isEmpty());
    const QImage shown = grid.viewport()->grab().toImage();
    QCOMPARE(shown.pixelColor(due.topLeft() + QPoint(1, 1)), kLightGreen);
}

void GridFillTest::refillLeavesNothingOfTheBatchBefore()
{
    widgets::Grid grid;
    fillActionGrid(&grid, actions(200, 200));
    fillActionGrid(&grid, actions(3, 1));

    QCOMPARE(grid.rows(), 4);
    QCOMPARE(grid.backgroundAt(1, DueDateColumn), kLightGreen);
    for (int row = 2; row <= 3; ++row) {
        QVERIFY(!grid.backgroundAt(row, DueDateColumn).isValid());
        QCOMPARE(grid.textAt(row, CompletedColumn), QString());
    }
    // A row added by the editor later starts plain, not with an old row's marks.
    grid.setRows(5);
    QVERIFY(!grid.backgroundAt(4, DueDateColumn).isValid());
    QCOMPARE(grid.textAt(4, ActionColumn), QString());
}

VINTRELO_TEST_MAIN(GridFillTest)
#include "tst_grid_fill.moc"
