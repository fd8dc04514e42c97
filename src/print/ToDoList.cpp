#include "print/ToDoList.h"

#include "print/PageSurface.h"
#include "print/PrintJob.h"
#include "store/LongDate.h"

#include <QCoreApplication>
#include <QLocale>

namespace print {

namespace {

const QString kFont = QStringLiteral("Arial");
const QString kWebAddress = QStringLiteral("www.vintrelo.example");

// Inches on the page.
constexpr double kPageWidth = 8.5;
constexpr double kTopRule = 0.75;
constexpr double kHeadingsY = 0.875;
constexpr double kHeadingRule = 1.187;
constexpr double kColumnBottom = 10.5;
constexpr double kFirstRowY = 1.25;
constexpr double kRowStep = 0.25;
constexpr double kRowRuleDrop = 0.187;
constexpr double kBatchIdX = 0.25;
constexpr double kDueDateX = 1.565;
constexpr double kActionX = 3.125;
constexpr double kColumnGap = 0.0625;
constexpr int kRowsPerPage = 35;
// Below the 35th row's rule, so the address never prints over a row.
constexpr double kWebAddressY = 10.1;

QString tr(const char* text)
{
    return QCoreApplication::translate("print", text);
}

// A long date does not fit its column and would print over the action: such a
// date is printed in the locale's numeric form instead, with the full year.
QString dueDateThatFits(const PageSurface& page, const QString& shown)
{
    if (page.textWidth(shown) <= kActionX - kDueDateX - kColumnGap)
        return shown;
    const QDate date = store::parseDate(shown);
    if (!date.isValid())
        return shown;
    const QLocale locale;
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return locale.toString(date, format);
}

void drawPageHeader(PageSurface& page, const QString& todayText)
{
    page.setFont(kFont, 18);
    page.text(2.625, 0.45, tr("Things To do Today"));
    page.setFont(kFont, 12);
    page.text(5.375, 0.53, tr("Date Printed : ") + todayText);
    page.line(0, kTopRule, kPageWidth, kTopRule);
    page.text(0.375, kHeadingsY, tr("Batch I.D."));
    page.text(1.875, kHeadingsY, tr("Due Date"));
    page.text(4.125, kHeadingsY, tr("Action"));
    page.text(7.0, kHeadingsY, tr("Notes"));
    page.line(0, kHeadingRule, kPageWidth, kHeadingRule);
    for (double x : {1.44, 3.0, 6.25})
        page.line(x, kTopRule, x, kColumnBottom);
    page.setFont(kFont, 14);
    page.text(3.2, kWebAddressY, kWebAddress);
    page.setFont(kFont, 12);
}

} // namespace

void drawToDoList(PageSurface& page, const QVector<ToDoRow>& rows, const QString& todayText)
{
    drawPageHeader(page, todayText);
    int onPage = 0;
    for (const ToDoRow& row : rows) {
        if (onPage == kRowsPerPage) {
            page.newPage();
            drawPageHeader(page, todayText);
            onPage = 0;
        }
        const double y = kFirstRowY + kRowStep * onPage;
        page.text(kBatchIdX, y, row.batchId);
        page.text(kDueDateX, y, dueDateThatFits(page, row.dueDate));
        page.text(kActionX, y, row.action);
        page.line(0, y + kRowRuleDrop, kPageWidth, y + kRowRuleDrop);
        ++onPage;
    }
}

QString toDoListFileName(const QString& todayText)
{
    const QDate day = store::parseDate(todayText);
    if (!day.isValid())
        return tr("To Do List.pdf");
    return tr("To Do List %1.pdf").arg(day.toString(Qt::ISODate));
}

bool printToDoList(QWidget* parent, const QVector<ToDoRow>& rows, const QString& todayText)
{
    Printout printout;
    printout.documentName = tr("Things To do Today");
    printout.what = tr("the to-do list");
    printout.suggestedFileName = toDoListFileName(todayText);
    return printWithPdfFallback(parent, printout, [&rows, &todayText](PageSurface& page) {
        drawToDoList(page, rows, todayText);
    });
}

} // namespace print
