#pragma once

#include "app/Screen.h"
#include "store/Schedule.h"

#include <QVector>
#include <memory>

namespace Ui {
class NewBatch2;
}

namespace screens {

// The schedule preview: every entry of the new batch and the schedule its
// recipe gives from the start date. "Continue" writes the batch file.
class NewBatch2 : public app::Screen
{
    Q_OBJECT

public:
    explicit NewBatch2(QWidget* parent = nullptr);
    ~NewBatch2() override;

    // The action rows of the schedule grid, as shown (the trailing empty row left out).
    QVector<store::ScheduleRow> shownSchedule() const;

public Q_SLOTS:
    void Form_Load() override;
    void GoBack_Command_Click();
    void Continue_Command_Click();

protected:
    void closeByTitleBar() override { GoBack_Command_Click(); }

private:
    void showSchedule(const QVector<store::ScheduleRow>& rows);

    std::unique_ptr<Ui::NewBatch2> ui;
    QString m_problem; // why this batch cannot be created, once the recipe was read
};

} // namespace screens
