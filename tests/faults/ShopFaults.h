#pragma once

// Shared steps of the fault tests: a shop's data folder, the screens driven as
// the user drives them, and faults that strike one step of one file write.
#include "AppHarness.h"
#include "DataFixture.h"
#include "UserDriver.h"
#include "store/LongDate.h"
#include "store/TextLines.h"
#include "widgets/Grid.h"

#include <QAbstractButton>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <functional>
#include <memory>

namespace faults {

using user::doubleClickCell;
using user::enterCell;
using user::longDate;
using user::type;

inline const QString kAnn = QStringLiteral("2026-000038");   // last action due today
inline const QString kBob = QStringLiteral("2026-000039");   // three open actions
inline const QString kCathy = QStringLiteral("2026-000030"); // finished last month
inline const QString kNextBatch = QStringLiteral("2026-000041");

inline store::ActionRecord action(int day, const QDate& due, const QString& text,
                                  const QString& completed = QString())
{
    store::ActionRecord record;
    record.DayNumber = QString::number(day);
    record.DueDate = store::formatLongDate(due);
    record.Action = text;
    record.DateCompleted = completed;
    if (!completed.isEmpty())
        record.Notes = QStringLiteral("done");
    return record;
}

inline store::BatchFile batchOf(const QString& customer,
                                const QVector<store::ActionRecord>& records)
{
    store::BatchFile batch = sampleBatch(0, customer);
    batch.records = records;
    return batch;
}

// The shop on Monday, December 7, 2026: two batches in progress, one finished,
// two recipes and the counter at 41.
inline void stockShop(const DataFixture& fx)
{
    fx.writeRecipe(QStringLiteral("0003"), QStringLiteral("Merlot six week kit"),
                   {{QStringLiteral("1"), QStringLiteral("Add yeast and stir")},
                    {QStringLiteral("8"), QStringLiteral("Rack into a clean carboy")}});
    fx.writeRecipe(QStringLiteral("0004"), QStringLiteral("Chardonnay four week kit"),
                   {{QStringLiteral("1"), QStringLiteral("Add yeast and stir")}});
    fx.writeBatch(
        kAnn, batchOf(QStringLiteral("Ann Smith"),
                      {action(1, QDate(2026, 12, 1), QStringLiteral("Add yeast and stir"),
                              longDate(2026, 12, 1)),
                       action(7, QDate(2026, 12, 7), QStringLiteral("Rack into a clean carboy"))}));
    fx.writeBatch(kBob, batchOf(QStringLiteral("Bob Jones"),
                                {action(1, QDate(2026, 12, 5), QStringLiteral("Stir")),
                                 action(8, QDate(2026, 12, 12), QStringLiteral("Rack")),
                                 action(15, QDate(2026, 12, 19), QStringLiteral("Bottle"))}));
    fx.writeBatch(
        kCathy,
        batchOf(QStringLiteral("Cathy Wu"),
                {action(1, QDate(2026, 11, 2), QStringLiteral("Bottle"), longDate(2026, 11, 2))}),
        QStringLiteral("Completed Batches"));
}

// Every file under `root` by relative path, with its bytes; `root` itself is
// written as "@" inside the bytes so that folders of two runs compare.
inline QMap<QString, QByteArray> filesUnder(const QString& root)
{
    QMap<QString, QByteArray> files;
    const QDir dir(root);
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QByteArray bytes = file.readAll();
        bytes.replace(QDir::toNativeSeparators(root).toUtf8(), "@");
        files.insert(dir.relativeFilePath(path), bytes);
    }
    return files;
}

// Names the writers use for their working files; none may outlive a write.
inline bool isScratchName(const QString& path)
{
    static const QStringList names{QStringLiteral("temp.txt"), QStringLiteral("Batch-ID.new"),
                                   QStringLiteral("recipe.new"), QStringLiteral("starter.new"),
                                   QStringLiteral("VT.Loc.new")};
    const QString name = path.section(QLatin1Char('/'), -1);
    for (const QString& scratch : names) {
        if (name.compare(scratch, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// One fault at one step of the store's writer, for one file: `strike` runs there
// and says whether the step goes on (it may delete a file or move a folder, so
// that the real call then fails) or fails as a broken device would.
class StepFault
{
public:
    StepFault(store::WriteStep step, const QString& path, std::function<bool()> strike)
        : m_state(std::make_shared<State>())
    {
        m_state->step = step;
        m_state->path = QDir::cleanPath(path);
        m_state->strike = std::move(strike);
        auto state = m_state;
        store::setWriteFaultHook([state](store::WriteStep now, const QString& at) {
            if (state->fired || now != state->step ||
                QDir::cleanPath(at).compare(state->path, Qt::CaseInsensitive) != 0)
                return true;
            state->fired = true;
            return state->strike();
        });
    }
    ~StepFault() { store::setWriteFaultHook(nullptr); }
    StepFault(const StepFault&) = delete;
    StepFault& operator=(const StepFault&) = delete;

    bool fired() const { return m_state->fired; }

private:
    struct State
    {
        store::WriteStep step;
        QString path;
        std::function<bool()> strike;
        bool fired = false;
    };
    std::shared_ptr<State> m_state;
};

// ---- the screens, driven as the user drives them

inline void clickListItem(AppHarness& app, const QString& list, int row)
{
    auto* widget = app.control<QListWidget>(list);
    QVERIFY(widget && widget->count() > row);
    const QPoint at = widget->visualItemRect(widget->item(row)).center();
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    AppHarness::settle();
}

// From the opening screen through the main menu to one of its screens.
inline void openFromMenu(AppHarness& app, const QString& menuButton, const QString& screen)
{
    app.start();
    QVERIFY(app.click(QStringLiteral("CommandButton2")));
    QVERIFY(app.click(menuButton));
    QCOMPARE(app.visibleName(), screen);
}

// The row of a grid whose first column holds `text`, or -1.
inline int rowOf(AppHarness& app, const QString& text)
{
    auto* grid = app.control<widgets::Grid>(QStringLiteral("Grid1"));
    for (int row = 1; grid && row < grid->rows(); ++row) {
        if (grid->textAt(row, 0) == text)
            return row;
    }
    return -1;
}

} // namespace faults
