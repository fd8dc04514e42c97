#include "screens/tasks/ComingDays.h"

#include "app/Shell.h"
#include "print/ToDoList.h"
#include "screens/tasks/DueRows.h"
#include "screens/tasks/ThingsToDoToday.h"
#include "store/Clock.h"
#include "store/ComingDays.h"
#include "store/LongDate.h"
#include "store/RunState.h"
#include "store/StoreError.h"
#include "ui_ComingDays.h"
#include "widgets/Grid.h"
#include "widgets/Messages.h"

#include <QLocale>

namespace screens {

namespace {

using namespace duerows;

enum WeekColumn
{
    DayColumn,
    CountColumn
};

} // namespace

ComingDays::ComingDays(QWidget* parent) : app::Screen(parent), ui(new Ui::ComingDays)
{
    ui->setupUi(this);
    ui->DayPicker->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
    connect(ui->WeekGrid, &widgets::Grid::currentCellChanged, this, &ComingDays::WeekGrid_Click);
    connect(ui->DayPicker, &QDateEdit::dateChanged, this, &ComingDays::DayPicker_Change);
    connect(ui->PrintDay_Command, &QPushButton::clicked, this, &ComingDays::PrintDay_Command_Click);
    connect(ui->Back_Command, &QPushButton::clicked, this, &ComingDays::Back_Command_Click);
}

ComingDays::~ComingDays() = default;

QDate ComingDays::chosenDay() const
{
    return m_shown;
}

void ComingDays::Form_Load()
{
    store::RunState& run = state();
    const QDate today = store::parseDate(run.TodayText);
    m_today = today.isValid() ? today : store::Clock::today();
    ui->Label1->setText(run.TodayText);

    widgets::Grid* week = ui->WeekGrid;
    week->setRows(1);
    week->setFixedRows(1);
    week->setFixedCols(0);
    week->setColumns({{tr("Day"), 3300, Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignCenter, true},
                      {tr("Actions"), 1700, Qt::AlignCenter, Qt::AlignCenter}});

    store::ComingDays& coming = m_coming;
    coming = store::ComingDays();
    try {
        widgets::WaitCursor wait;
        coming = store::scanComingDays(run.DataRoot, m_today);
    } catch (const store::StoreError& error) {
        widgets::Messages::warningWhenShown(this, error.message());
    }
    QStringList texts;
    for (const store::DayCount& day : std::as_const(coming.days))
        texts << store::formatLongDate(day.day) << QString::number(day.count);
    week->fillRows(1, texts);
    if (!coming.scan.skipped.isEmpty()) {
        widgets::Messages::warningWhenShown(
            this, tr("These batch files are damaged, so their actions are not counted or "
                     "listed here:\n\n%1")
                      .arg(coming.scan.skipped.join(QLatin1Char('\n'))));
    }

    {
        const QSignalBlocker quiet(ui->DayPicker);
        ui->DayPicker->setDate(m_today);
    }
    showDay(m_today);
    // Today is current, so the arrow keys walk the week from the start.
    week->setCurrentCell(1, DayColumn);
    week->setFocus(Qt::OtherFocusReason);
}

void ComingDays::WeekGrid_Click()
{
    const int row = ui->WeekGrid->row();
    if (row < 1)
        return;
    ui->DayPicker->setDate(m_today.addDays(row - 1));
}

void ComingDays::DayPicker_Change()
{
    const QDate day = ui->DayPicker->date();
    showDay(day);
    // The week list marks the day shown, or nothing when it lies outside the week.
    const qint64 ahead = m_today.daysTo(day);
    widgets::Grid* week = ui->WeekGrid;
    if (ahead >= 0 && ahead < week->rows() - 1) {
        if (week->row() != int(ahead) + 1)
            week->setCurrentCell(int(ahead) + 1, DayColumn);
    } else {
        week->clearSelection();
    }
}

void ComingDays::showDay(const QDate& day)
{
    m_shown = day;
    widgets::Grid* grid = ui->Grid1;
    duerows::setUp(grid);
    store::DueScan scan;
    const qint64 ahead = m_today.daysTo(day);
    if (ahead >= 0 && ahead < m_coming.days.size()) {
        for (const store::DueAction& due : std::as_const(m_coming.scan.actions)) {
            if (store::dayOfAction(due, m_today) == day)
                scan.actions << due;
        }
    } else {
        try {
            widgets::WaitCursor wait;
            scan = store::scanActionsOfDay(state().DataRoot, m_today, day);
        } catch (const store::StoreError& error) {
            widgets::Messages::warning(this, error.message());
        }
    }
    duerows::fill(grid, scan.actions);
}

void ComingDays::PrintDay_Command_Click()
{
    widgets::Grid* grid = ui->Grid1;
    const QString dayText = store::formatLongDate(m_shown);
    if (grid->rows() <= 1) {
        widgets::Messages::warning(this, tr("There are no actions to do on %1.").arg(dayText));
        return;
    }
    QVector<print::ToDoRow> rows;
    rows.reserve(grid->rows() - 1);
    for (int row = 1; row < grid->rows(); ++row) {
        rows.append({grid->textAt(row, BatchColumn), grid->textAt(row, DueDateColumn),
                     grid->textAt(row, ActionColumn)});
    }
    print::printToDoList(this, rows, dayText);
}

void ComingDays::Back_Command_Click()
{
    shell().switchScreen<ThingsToDoToday>(this);
}

} // namespace screens
