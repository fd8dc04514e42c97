#include "UserDriver.h"

#include "AppHarness.h"
#include "store/LongDate.h"
#include "widgets/Grid.h"

#include <QDate>
#include <QLineEdit>
#include <QTest>

namespace user {

namespace {

// The widget on top at the centre of a cell, and that point in its coordinates.
bool cellSpot(widgets::Grid* grid, int row, int col, QWidget** target, QPoint* at)
{
    grid->scrollTo(grid->model()->index(row, col));
    const QRect shown = grid->cellRect(row, col, grid);
    if (shown.isEmpty())
        return false;
    QWidget* top = grid->childAt(shown.center());
    *target = top ? top : grid;
    *at = (*target)->mapFrom(grid, shown.center());
    return true;
}

// A double click is a click followed by a double click, as a mouse delivers it.
void clickCellTimes(widgets::Grid* grid, int row, int col, int times)
{
    QVERIFY(grid);
    QWidget* target = nullptr;
    QPoint at;
    QVERIFY2(cellSpot(grid, row, col, &target, &at),
             qPrintable(QStringLiteral("cell %1, %2 does not show").arg(row).arg(col)));
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
    if (times == 2)
        QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, at);
    AppHarness::settle();
}

QLineEdit* cellEditor(AppHarness& app)
{
    return app.control<QLineEdit>(QStringLiteral("Text1"));
}

} // namespace

void clickCell(widgets::Grid* grid, int row, int col)
{
    clickCellTimes(grid, row, col, 1);
}

void doubleClickCell(widgets::Grid* grid, int row, int col)
{
    clickCellTimes(grid, row, col, 2);
}

void doubleClickCell(AppHarness& app, int row, int col)
{
    doubleClickCell(app.control<widgets::Grid>(QStringLiteral("Grid1")), row, col);
}

void type(QLineEdit* box, const QString& text)
{
    QVERIFY(box);
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClicks(box, QString(c));
        else // a key of another layout, or a compose sequence: no key code of its own
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void type(AppHarness& app, const QString& boxName, const QString& text)
{
    auto* box = app.control<QLineEdit>(boxName);
    QVERIFY2(box, qPrintable(boxName));
    type(box, text);
    QCOMPARE(box->text(), text);
}

void typeInCell(AppHarness& app, int row, int col, const QString& text)
{
    doubleClickCell(app, row, col);
    QLineEdit* editor = cellEditor(app);
    QVERIFY(editor && editor->isVisible());
    type(editor, text);
}

void enterCell(AppHarness& app, int row, int col, const QString& text)
{
    typeInCell(app, row, col, text);
    QTest::keyClick(cellEditor(app), Qt::Key_Return);
    AppHarness::settle();
}

QString longDate(const QDate& date)
{
    return store::formatLongDate(date);
}

QString longDate(int year, int month, int day)
{
    return longDate(QDate(year, month, day));
}

} // namespace user
