#include "print/ToDoList.h"

#include "print/PageSurface.h"
#include "print/PrintJob.h"
#include "store/LongDate.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSet>

namespace print {

namespace {

const QString kFont = QStringLiteral("Arial");
const QString kWebAddress = QStringLiteral("www.vintrelo.example");

// Inches on the page.
constexpr double kTopRule = 0.75;
constexpr double kHeadingsY = 0.875;
constexpr double kHeadingRule = 1.187;
constexpr double kColumnBottom = 10.5;
constexpr double kFirstRowY = 1.25;
constexpr double kRowStep = 0.25;
constexpr double kRowRuleDrop = 0.187;
constexpr double kBatchIdX = 0.25;
constexpr double kDueDateX = 1.565;
constexpr double kDueDateRule = 3.0;
constexpr double kActionX = 3.125;
constexpr double kDatePrintedX = 5.375;
constexpr double kDatePrintedY = 0.53;
constexpr double kPageWidth = 8.5;
// A thirty-second of an inch of white between a due date and the rule after it.
constexpr double kRuleClearance = 0.03125;
constexpr double kRowPoints = 12;
constexpr double kSmallestDatePrintedPoints = 8;
constexpr int kRowsPerPage = 35;
// Below the 35th row's rule, so the address never prints over a row.
constexpr double kWebAddressY = 10.1;

// This file's texts, in one translation context.
class Text
{
    Q_DECLARE_TR_FUNCTIONS(print)
};

// The locale's numeric form of a date, with the full year.
QString numericDate(const QDate& date)
{
    const QLocale locale;
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return locale.toString(date, format);
}

// The longer dates run past the paper's edge in 12 points from 5.375 inches
// and lose their year: they are printed smaller so the whole date stays within
// what the printer can print, and in numeric form where even 8 points would not.
void drawDatePrinted(PageSurface& page, const QString& todayText)
{
    const double room = page.printableWidth() - kDatePrintedX;
    QString text = Text::tr("Date Printed : ") + todayText;
    shrinkToFit(page, kFont, kRowPoints, kSmallestDatePrintedPoints, text, room);
    const QDate today = store::parseDate(todayText);
    if (page.textWidth(text) > room && today.isValid()) {
        text = Text::tr("Date Printed : ") + numericDate(today);
        shrinkToFit(page, kFont, kRowPoints, kSmallestDatePrintedPoints, text, room);
    }
    page.text(kDatePrintedX, kDatePrintedY, text);
}

void drawPageHeader(PageSurface& page, const QString& todayText)
{
    page.setFont(kFont, 18);
    page.text(2.625, 0.45, Text::tr("Things To do Today"));
    drawDatePrinted(page, todayText);
    page.setFont(kFont, 12);
    page.line(0, kTopRule, kPageWidth, kTopRule);
    page.text(0.375, kHeadingsY, Text::tr("Batch I.D."));
    page.text(1.875, kHeadingsY, Text::tr("Due Date"));
    page.text(4.125, kHeadingsY, Text::tr("Action"));
    page.text(7.0, kHeadingsY, Text::tr("Notes"));
    page.line(0, kHeadingRule, kPageWidth, kHeadingRule);
    for (double x : {1.44, kDueDateRule, 6.25})
        page.line(x, kTopRule, x, kColumnBottom);
    page.setFont(kFont, 14);
    page.text(3.2, kWebAddressY, kWebAddress);
    page.setFont(kFont, kRowPoints);
}

// A long date such as "Wednesday, September 30, 2026" would print through the
// rule after the due-date column. When any listed date does, every date of the
// sheet is printed in numeric form, so the column reads alike; a text that is
// not a date stays as shown.
bool dueDatesInNumericForm(const PageSurface& page, const QVector<ToDoRow>& rows)
{
    const double room = kDueDateRule - kRuleClearance - kDueDateX;
    QSet<QString> measured; // a list of many batches repeats its dates
    for (const ToDoRow& row : rows) {
        if (measured.contains(row.dueDate))
            continue;
        measured.insert(row.dueDate);
        if (page.textWidth(row.dueDate) > room && store::parseDate(row.dueDate).isValid())
            return true;
    }
    return false;
}

QString dueDateAsPrinted(const QString& shown, bool numeric)
{
    if (!numeric)
        return shown;
    const QDate date = store::parseDate(shown);
    return date.isValid() ? numericDate(date) : shown;
}

} // namespace

void drawToDoList(PageSurface& page, const QVector<ToDoRow>& rows, const QString& todayText)
{
    drawPageHeader(page, todayText);
    const bool numeric = dueDatesInNumericForm(page, rows);
    int onPage = 0;
    for (const ToDoRow& row : rows) {
        if (onPage == kRowsPerPage) {
            page.newPage();
            drawPageHeader(page, todayText);
            onPage = 0;
        }
        const double y = kFirstRowY + kRowStep * onPage;
        page.text(kBatchIdX, y, row.batchId);
        page.text(kDueDateX, y, dueDateAsPrinted(row.dueDate, numeric));
        page.text(kActionX, y, row.action);
        page.line(0, y + kRowRuleDrop, kPageWidth, y + kRowRuleDrop);
        ++onPage;
    }
}

QString toDoListFileName(const QString& todayText)
{
    const QDate day = store::parseDate(todayText);
    if (!day.isValid())
        return Text::tr("To Do List.pdf");
    return Text::tr("To Do List %1.pdf").arg(day.toString(Qt::ISODate));
}

bool printToDoList(QWidget* parent, const QVector<ToDoRow>& rows, const QString& todayText)
{
    Printout printout;
    printout.documentName = Text::tr("Things To do Today");
    printout.what = Printed::ToDoList;
    printout.suggestedFileName = toDoListFileName(todayText);
    return printWithPdfFallback(parent, printout, [&rows, &todayText](PageSurface& page) {
        drawToDoList(page, rows, todayText);
    });
}

} // namespace print
