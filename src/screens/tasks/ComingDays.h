#pragma once

#include "app/Screen.h"
#include "store/ComingDays.h"

#include <QDate>
#include <memory>

namespace Ui {
class ComingDays;
}

namespace screens {

// The days ahead, read-only: how many actions fall on each of the next seven
// days, and the actions of any chosen day, whose to-do sheet can be printed.
// Overdue actions belong to today, as on the task list.
class ComingDays : public app::Screen
{
    Q_OBJECT

public:
    explicit ComingDays(QWidget* parent = nullptr);
    ~ComingDays() override;

    QDate chosenDay() const;

public Q_SLOTS:
    void Form_Load() override;
    void WeekGrid_Click();
    void DayPicker_Change();
    void PrintDay_Command_Click();
    void Back_Command_Click();

protected:
    void closeByTitleBar() override { Back_Command_Click(); }

private:
    void showDay(const QDate& day);

    std::unique_ptr<Ui::ComingDays> ui;
    QDate m_today;
    QDate m_shown; // the day Grid1 lists
    // Read once on load: a day of the week is listed from it without reading again.
    store::ComingDays m_coming;
};

} // namespace screens
