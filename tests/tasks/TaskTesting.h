#pragma once

// Shared steps of the daily-task tests: batches with chosen due dates, the
// program opened on "Things to do today", and the grid driven by the mouse.
#include "AppHarness.h"
#include "DataFixture.h"
#include "UserDriver.h"
#include "store/Clock.h"
#include "store/LongDate.h"
#include "store/TextLines.h"
#include "widgets/Grid.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace tasks_testing {

using user::longDate;
using user::type;

// An open record as batch creation writes it.
inline store::ActionRecord action(const QString& dayNumber, const QString& dueDate,
                                  const QString& text)
{
    store::ActionRecord record;
    record.DayNumber = dayNumber;
    record.DueDate = dueDate;
    record.Action = text;
    return record;
}

inline store::ActionRecord done(store::ActionRecord record, const QString& on)
{
    record.Amount = QStringLiteral("2 g");
    record.Measurement = QStringLiteral("1.090");
    record.Notes = QStringLiteral("fine");
    record.DateCompleted = on;
    return record;
}

inline store::BatchFile batchOf(const QString& customer,
                                const QVector<store::ActionRecord>& records)
{
    store::BatchFile batch = sampleBatch(0, customer);
    batch.records = records;
    return batch;
}

inline QByteArray bytesOf(const store::BatchFile& batch)
{
    return store::encodeLines(store::batchToLines(batch));
}

inline QString activeFile(const QString& batchId)
{
    return QStringLiteral("Active Batches/") + batchId + QStringLiteral(".txt");
}

inline QString completedFile(const QString& batchId)
{
    return QStringLiteral("Completed Batches/") + batchId + QStringLiteral(".txt");
}

// Lines of a data file, without their CR LF.
inline QStringList linesOf(const DataFixture& fx, const QString& relative)
{
    return store::decodeLines(fx.bytes(relative));
}

// From the opening screen through the main menu to the task list.
inline void openTaskList(AppHarness& app)
{
    app.start();
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QVERIFY(app.click(QStringLiteral("CommandButton1")));
    QCOMPARE(app.visibleName(), QStringLiteral("ThingsToDoToday"));
}

inline widgets::Grid* grid(AppHarness& app)
{
    return app.control<widgets::Grid>(QStringLiteral("Grid1"));
}

inline void doubleClickRow(AppHarness& app, int row, int col = 1)
{
    user::doubleClickCell(app, row, col);
}

inline QString labelText(AppHarness& app, const QString& name)
{
    auto* label = app.control<QLabel>(name);
    return label ? label->text() : QStringLiteral("<no %1>").arg(name);
}

inline bool isShown(AppHarness& app, const QString& name)
{
    QWidget* widget = app.control<QWidget>(name);
    return widget && widget->isVisible();
}

inline void tick(AppHarness& app)
{
    auto* box = app.control<QAbstractButton>(QStringLiteral("CheckBox1"));
    QVERIFY(box);
    if (!box->isChecked())
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
    QVERIFY(box->isChecked());
}

// Postpones the opened action by what is typed into the box.
// Answered by "Accept", or by Return in the days box as a keyboard user does.
inline void postpone(AppHarness& app, const QString& days, bool byReturn = false)
{
    QVERIFY(app.click(QStringLiteral("PushCommand")));
    QVERIFY(isShown(app, QStringLiteral("Frame2")));
    type(app, QStringLiteral("PushText"), days);
    if (byReturn)
        QTest::keyClick(app.control<QLineEdit>(QStringLiteral("PushText")), Qt::Key_Return);
    else
        QVERIFY(app.click(QStringLiteral("CommandButton3")));
}

// Fails the named step of every write while it lives.
class FailStep
{
public:
    explicit FailStep(store::WriteStep step)
    {
        store::setWriteFaultHook(
            [step](store::WriteStep now, const QString&) { return now != step; });
    }
    ~FailStep() { store::setWriteFaultHook(nullptr); }
    FailStep(const FailStep&) = delete;
    FailStep& operator=(const FailStep&) = delete;
};

} // namespace tasks_testing
