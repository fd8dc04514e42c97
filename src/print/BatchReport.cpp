#include "print/BatchReport.h"

#include "print/PageSurface.h"
#include "print/PrintJob.h"
#include "print/ReportChart.h"
#include "store/GivenWords.h"
#include "store/LongDate.h"
#include "store/MeasurementPoints.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <array>

namespace print {

namespace {

const QString kFont = QStringLiteral("Arial");

// Inches within the printable area.
constexpr double kMargin = 0.5;
constexpr double kTop = 0.5;
constexpr double kFootDrop = 0.5;    // the page number's top, above the printable bottom
constexpr double kBottomRoom = 0.75; // nothing else comes this close to the bottom
constexpr double kFieldPoints = 10;
constexpr double kFieldLine = 0.19;
constexpr double kTablePoints = 9;
constexpr double kTableLine = 0.17;
constexpr double kCellGap = 0.06;
constexpr double kChartHeight = 2.8;

// This file's texts, in one translation context.
class Text
{
    Q_DECLARE_TR_FUNCTIONS(print)
};

QString fieldLabel(store::BatchHeader::Field field)
{
    using F = store::BatchHeader;
    switch (field) {
    case F::CustomerName:
        return Text::tr("Name:");
    case F::Address:
        return Text::tr("Address:");
    case F::City:
        return Text::tr("City / Town:");
    case F::Province:
        return Text::tr("Province / State:");
    case F::PostalCode:
        return Text::tr("Postal / Zip Code:");
    case F::Phone1:
        return Text::tr("Phone Number #1:");
    case F::Phone2:
        return Text::tr("Phone Number #2:");
    case F::Email:
        return Text::tr("Email Address:");
    case F::OtherID:
        return Text::tr("Other I.D.:");
    case F::SerialNumber:
        return Text::tr("Serial Number:");
    case F::Variety:
        return Text::tr("Variety:");
    case F::Colour:
        return Text::tr("Colour:");
    case F::Vintage:
        return Text::tr("Vintage:");
    case F::MustType:
        return Text::tr("Must Type:");
    case F::Source:
        return Text::tr("Source:");
    case F::BatchSize:
        return Text::tr("Batch Size:");
    case F::Cost:
        return Text::tr("Cost:");
    case F::Vintner:
        return Text::tr("Vintner:");
    case F::StartDate:
        return Text::tr("Start Date:");
    case F::RecipeNumber:
        return Text::tr("Recipe #:");
    }
    return QString();
}

enum Column
{
    DayColumn,
    DueDateColumn,
    ActionColumn,
    AmountColumn,
    MeasurementColumn,
    NotesColumn,
    CompletedColumn,
    ColumnCount
};

// Shares of the table's width.
constexpr std::array<double, ColumnCount> kShares = {0.45, 1.25, 1.55, 0.85, 0.95, 1.7, 1.25};

QString columnHeading(int col)
{
    switch (col) {
    case DayColumn:
        return Text::tr("Day #");
    case DueDateColumn:
        return Text::tr("Due Date");
    case ActionColumn:
        return Text::tr("Action");
    case AmountColumn:
        return Text::tr("Amount");
    case MeasurementColumn:
        return Text::tr("Measurement");
    case NotesColumn:
        return Text::tr("Notes");
    default:
        return Text::tr("Date Completed");
    }
}

QString numericDate(const QDate& date)
{
    const QLocale locale;
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return locale.toString(date, format);
}

// Lays the report out; on the counting pass nothing is drawn and only the pages
// are counted, so that every page can say how many there are.
class Writer
{
public:
    Writer(PageSurface& page, const BatchReportData& report, bool drawing, int pages)
        : m_page(page), m_report(report), m_drawing(drawing), m_pages(pages)
    {
        m_left = kMargin;
        m_right = page.printableWidth() - kMargin;
        m_bottom = page.printableHeight() - kBottomRoom;
    }

    int run()
    {
        heading();
        fields();
        chart();
        table();
        foot();
        return m_pageNo;
    }

private:
    void text(double x, double y, const QString& s)
    {
        if (m_drawing)
            m_page.text(x, y, s);
    }
    void line(double x1, double y1, double x2, double y2)
    {
        if (m_drawing)
            m_page.line(x1, y1, x2, y2);
    }

    void heading()
    {
        m_page.setFont(kFont, 18);
        text(m_left, kTop, Text::tr("Batch Report"));
        const QString id = Text::tr("Batch I.D.: ") + m_report.batchId;
        shrinkToFit(m_page, kFont, 14, 8, id, (m_right - m_left) / 2);
        text(m_right - m_page.textWidth(id), kTop + 0.05, id);
        const QString printed = Text::tr("Date Printed : ") + m_report.printedOn;
        shrinkToFit(m_page, kFont, kFieldPoints, 6, printed, (m_right - m_left) / 2);
        text(m_right - m_page.textWidth(printed), kTop + 0.35, printed);
        m_y = kTop + 0.65;
        line(m_left, m_y, m_right, m_y);
        m_y += 0.12;
    }

    // Later pages name the batch above what continues.
    void continuedHeading()
    {
        m_page.setFont(kFont, kFieldPoints);
        const QString title = Text::tr("Batch Report, Batch I.D.: ") + m_report.batchId;
        for (const QString& part : wrapText(m_page, title, m_right - m_left)) {
            text(m_left, m_y, part);
            m_y += kFieldLine;
        }
        line(m_left, m_y + 0.02, m_right, m_y + 0.02);
        m_y += 0.12;
    }

    void foot()
    {
        m_page.setFont(kFont, kTablePoints);
        const QString number = Text::tr("Page %1 of %2").arg(m_pageNo).arg(m_pages);
        const double width = m_page.printableWidth();
        text((width - m_page.textWidth(number)) / 2, m_page.printableHeight() - kFootDrop, number);
    }

    void newPage()
    {
        foot();
        if (m_drawing)
            m_page.newPage();
        ++m_pageNo;
        m_y = kTop;
        continuedHeading();
        if (m_inTable)
            tableHeadings();
    }

    void needRoom(double height)
    {
        if (m_y + height > m_bottom)
            newPage();
    }

    // The header fields in two columns, read down the left one first.
    void fields()
    {
        m_page.setFont(kFont, kFieldPoints);
        const int count = store::BatchHeader::RecipeNumber + 1;
        const int half = (count + 1) / 2;
        const double columnWidth = (m_right - m_left - 0.25) / 2;
        for (int row = 0; row < half; ++row) {
            std::array<QStringList, 2> lines;
            for (int side = 0; side < 2; ++side) {
                const int f = row + side * half;
                if (f >= count)
                    continue;
                const auto field = store::BatchHeader::Field(f);
                lines[side] =
                    wrapText(m_page,
                             fieldLabel(field) + QLatin1Char(' ') +
                                 store::shownHeaderField(field, m_report.header.field(field)),
                             columnWidth);
            }
            const int tall = int(std::max(lines[0].size(), lines[1].size()));
            for (int i = 0; i < tall; ++i) {
                needRoom(kFieldLine);
                m_page.setFont(kFont, kFieldPoints);
                for (int side = 0; side < 2; ++side) {
                    if (i < lines[side].size())
                        text(m_left + side * (columnWidth + 0.25), m_y, lines[side].at(i));
                }
                m_y += kFieldLine;
            }
        }
        m_y += 0.15;
    }

    void chart()
    {
        const QVector<store::MeasurementPoint> points = store::measurementPoints(m_report.records);
        if (points.size() < store::kLeastChartPoints)
            return;
        needRoom(kFieldLine + kChartHeight + 0.2);
        m_page.setFont(kFont, 12);
        text(m_left, m_y, Text::tr("Measurements"));
        m_y += 0.25;
        if (m_drawing)
            drawMeasurementChart(m_page, points, m_left, m_y, m_right - m_left, kChartHeight);
        m_y += kChartHeight + 0.2;
    }

    void tableHeadings()
    {
        m_page.setFont(kFont, kTablePoints);
        std::array<QStringList, ColumnCount> cells;
        int tall = 1;
        for (int col = 0; col < ColumnCount; ++col) {
            cells[col] = wrapText(m_page, columnHeading(col), m_widths[col] - kCellGap);
            tall = std::max(tall, int(cells[col].size()));
        }
        for (int i = 0; i < tall; ++i) {
            for (int col = 0; col < ColumnCount; ++col) {
                if (i < cells[col].size())
                    text(m_x[col], m_y, cells[col].at(i));
            }
            m_y += kTableLine;
        }
        line(m_left, m_y + 0.02, m_right, m_y + 0.02);
        m_y += 0.06;
    }

    QString dateCell(const QString& shown, double width) const
    {
        const QDate date = store::parseDate(shown);
        if (date.isValid() && m_page.textWidth(shown) > width)
            return numericDate(date);
        return shown;
    }

    void table()
    {
        double shares = 0;
        for (double share : kShares)
            shares += share;
        double x = m_left;
        for (int col = 0; col < ColumnCount; ++col) {
            m_x[col] = x;
            m_widths[col] = kShares[col] / shares * (m_right - m_left);
            x += m_widths[col];
        }
        // The headings and at least one row's first line stay together.
        needRoom(3 * kTableLine + 0.1);
        m_inTable = true;
        tableHeadings();
        for (const store::ActionRecord& record : m_report.records) {
            m_page.setFont(kFont, kTablePoints);
            // In this PC's words, whatever language wrote the file.
            const std::array<QString, ColumnCount> values = {
                record.DayNumber,
                store::longFormIfDate(record.DueDate),
                store::shownAction(record.Action),
                record.Amount,
                record.Measurement,
                record.Notes,
                store::longFormIfDate(record.DateCompleted)};
            std::array<QStringList, ColumnCount> cells;
            int tall = 1;
            for (int col = 0; col < ColumnCount; ++col) {
                const double width = m_widths[col] - kCellGap;
                const bool isDate = col == DueDateColumn || col == CompletedColumn;
                cells[col] =
                    wrapText(m_page, isDate ? dateCell(values[col], width) : values[col], width);
                tall = std::max(tall, int(cells[col].size()));
            }
            // A row that fits on a page is not split over two.
            const double rowHeight = tall * kTableLine + 0.06;
            if (m_y + rowHeight > m_bottom && rowHeight <= m_bottom - kTop - 1.0)
                newPage();
            for (int i = 0; i < tall; ++i) {
                needRoom(kTableLine);
                m_page.setFont(kFont, kTablePoints);
                for (int col = 0; col < ColumnCount; ++col) {
                    if (i < cells[col].size())
                        text(m_x[col], m_y, cells[col].at(i));
                }
                m_y += kTableLine;
            }
            line(m_left, m_y + 0.02, m_right, m_y + 0.02);
            m_y += 0.06;
        }
        m_inTable = false;
    }

    PageSurface& m_page;
    const BatchReportData& m_report;
    bool m_drawing;
    int m_pages;
    int m_pageNo = 1;
    double m_y = 0;
    double m_left = 0;
    double m_right = 0;
    double m_bottom = 0;
    bool m_inTable = false;
    std::array<double, ColumnCount> m_x{};
    std::array<double, ColumnCount> m_widths{};
};

// The longest start of `word` that fits in `width`, at least one character.
int fittingPrefix(const PageSurface& page, const QString& word, double width)
{
    int low = 1;
    int high = int(word.size());
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (page.textWidth(word.left(mid)) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    // A surrogate pair stays whole.
    if (low < word.size() && word.at(low - 1).isHighSurrogate())
        low = low > 1 ? low - 1 : low + 1;
    return low;
}

} // namespace

QStringList wrapText(const PageSurface& page, const QString& text, double width)
{
    QString flat = text;
    flat.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    flat.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    flat.replace(QLatin1Char('\t'), QLatin1Char(' '));
    QStringList lines;
    for (const QString& paragraph : flat.split(QLatin1Char('\n'))) {
        QString current;
        for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString joined = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (page.textWidth(joined) <= width) {
                current = joined;
                continue;
            }
            if (!current.isEmpty())
                lines << current;
            current = word;
            while (current.size() > 1 && page.textWidth(current) > width) {
                const int fits = fittingPrefix(page, current, width);
                lines << current.left(fits);
                current = current.mid(fits);
            }
        }
        lines << current;
    }
    return lines;
}

void drawBatchReport(PageSurface& page, const BatchReportData& report)
{
    const int pages = Writer(page, report, false, 0).run();
    Writer(page, report, true, pages).run();
}

QString batchReportFileName(const QString& batchId)
{
    return Text::tr("%1 Batch Report.pdf").arg(batchId);
}

bool printBatchReport(QWidget* parent, const BatchReportData& report)
{
    Printout printout;
    printout.documentName = Text::tr("Batch Report %1").arg(report.batchId);
    printout.what = Printed::BatchReport;
    printout.suggestedFileName = batchReportFileName(report.batchId);
    return printWithPdfFallback(parent, printout,
                                [&report](PageSurface& page) { drawBatchReport(page, report); });
}

} // namespace print
