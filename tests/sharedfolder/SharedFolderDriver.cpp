// One copy of the program's store working on a shared data folder, as a shop's
// second PC would: random batch creations, completions, postponements with their
// manual action, editor saves and recipe creations. Every operation is reported
// on its own line of standard output as soon as it is done or refused:
//   done <kind> <subject> <token>
//   refused <kind> <subject> <token>
// The token is written into the files by the operation (a customer name, a
// note or a recipe name; a postponement leaves none, its manual action does), so
// the files can be checked against the reports afterwards.
//
// Usage: vintrelo_shared_folder_driver <data folder> <name> <operations> <seed>
//        [--no-lock] [--no-pause]

#include "store/ActionChanges.h"
#include "store/BatchCreation.h"
#include "store/BatchFile.h"
#include "store/BatchRewrite.h"
#include "store/Clock.h"
#include "store/DataFolder.h"
#include "store/FolderLock.h"
#include "store/LongDate.h"
#include "store/RecipeFile.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QThread>
#include <cstdio>

namespace {

class Driver
{
public:
    Driver(const QString& root, const QString& name, quint32 seed, bool pause)
        : m_root(root), m_name(name), m_random(seed), m_pause(pause)
    {
    }

    void run(int operations)
    {
        for (int n = 0; n < operations; ++n) {
            const QString token = QStringLiteral("%1-%2").arg(m_name).arg(n);
            const int pick = int(m_random.bounded(10));
            if (pick < 3)
                create(token);
            else if (pick < 6)
                complete(token);
            else if (pick < 8)
                postpone(token);
            else if (pick < 9)
                edit(token);
            else
                recipe(token);
        }
    }

private:
    static void report(const char* outcome, const char* kind, const QString& subject,
                       const QString& token)
    {
        std::printf("%s %s %s %s\n", outcome, kind, qPrintable(subject), qPrintable(token));
        std::fflush(stdout);
    }

    // A user looks at the screen for a moment between reading and saving.
    void think()
    {
        if (m_pause)
            QThread::usleep(m_random.bounded(2000));
    }

    QString today() const { return store::formatLongDate(store::Clock::today()); }

    store::ActionRecord openAction(int day, const QString& action) const
    {
        store::ActionRecord record;
        record.DayNumber = QString::number(day);
        record.DueDate = store::formatLongDate(store::Clock::today().addDays(day - 1));
        record.Action = action;
        return record;
    }

    void create(const QString& token)
    {
        QString id;
        try {
            id = store::nextBatchId(m_root, store::Clock::today());
            store::BatchFile batch;
            batch.header.setField(store::BatchHeader::CustomerName, token);
            batch.header.setField(store::BatchHeader::StartDate, today());
            const int actions = 1 + int(m_random.bounded(4));
            for (int day = 1; day <= actions; ++day)
                batch.records << openAction(day, QStringLiteral("Stir the must"));
            think();
            const QString counterProblem = store::createBatch(m_root, id, batch);
            if (!counterProblem.isEmpty())
                std::fprintf(stderr, "%s\n", qPrintable(counterProblem));
            report("done", "create", id, token);
        } catch (const store::StoreError&) {
            report("refused", "create", id.isEmpty() ? QStringLiteral("-") : id, token);
        }
    }

    // A batch of the active folder and one of its open actions, as the task
    // list would show them; false when there is none.
    bool pickOpenAction(store::OpenedAction* opened)
    {
        try {
            const QStringList files =
                store::listBatchFiles(store::batchFolderPath(m_root, store::BatchFolder::Active),
                                      store::FileSubject(store::FileSubject::ActiveBatches));
            if (files.isEmpty())
                return false;
            const QString id =
                store::batchIdFromFileName(files.at(int(m_random.bounded(files.size()))));
            const store::BatchFile batch =
                store::readBatchFile(m_root, store::BatchFolder::Active, id);
            QVector<int> open;
            for (int i = 0; i < batch.records.size(); ++i) {
                if (batch.records.at(i).isOpen())
                    open << i;
            }
            if (open.isEmpty())
                return false;
            const int index = open.at(int(m_random.bounded(open.size())));
            opened->batchId = id;
            opened->record = index + 1;
            opened->dueDate = batch.records.at(index).DueDate;
            opened->action = batch.records.at(index).Action;
            return true;
        } catch (const store::StoreError&) {
            // Moved to the completed folder between the listing and the reading.
            return false;
        }
    }

    void complete(const QString& token)
    {
        store::OpenedAction opened;
        if (!pickOpenAction(&opened))
            return;
        think();
        try {
            store::completeAction(m_root, opened, QStringLiteral("1"), QStringLiteral("g"), token,
                                  today());
            report("done", "complete", opened.batchId, token);
        } catch (const store::StoreError&) {
            report("refused", "complete", opened.batchId, token);
        }
    }

    void postpone(const QString& token)
    {
        store::OpenedAction opened;
        if (!pickOpenAction(&opened))
            return;
        think();
        try {
            store::postponeActions(m_root, opened, 1 + int(m_random.bounded(3)));
        } catch (const store::StoreError&) {
            report("refused", "postpone", opened.batchId, token);
            return;
        }
        report("done", "postpone", opened.batchId, token);
        // The note of the postponement, a second write as on the screen.
        try {
            store::insertManualAction(m_root, opened.batchId, opened.record, opened.action,
                                      store::manualActionRecord(today(),
                                                                QStringLiteral("Postponed"),
                                                                QString(), QString(), token));
            report("done", "manual", opened.batchId, token);
        } catch (const store::StoreError&) {
            report("refused", "manual", opened.batchId, token);
        }
    }

    // The batch editor: the file as shown, one completed line added at the top.
    void edit(const QString& token)
    {
        QString id;
        store::BatchFile shown;
        try {
            const QStringList files =
                store::listBatchFiles(store::batchFolderPath(m_root, store::BatchFolder::Active),
                                      store::FileSubject(store::FileSubject::ActiveBatches));
            if (files.isEmpty())
                return;
            id = store::batchIdFromFileName(files.at(int(m_random.bounded(files.size()))));
            shown = store::readBatchFile(m_root, store::BatchFolder::Active, id);
        } catch (const store::StoreError&) {
            return;
        }
        QVector<store::ActionRecord> records = shown.records;
        store::ActionRecord tasted = openAction(1, QStringLiteral("Tasted"));
        tasted.Notes = token;
        tasted.DateCompleted = today();
        records.prepend(tasted);
        think();
        try {
            store::rewriteBatchFile(m_root, id, [&](store::BatchFile& batch) {
                store::requireUnchangedSinceShown(batch, shown, id);
                batch.records = records;
            });
            report("done", "edit", id, token);
        } catch (const store::StoreError&) {
            report("refused", "edit", id, token);
        }
    }

    void recipe(const QString& token)
    {
        QString number;
        try {
            number = store::nextRecipeNumber(m_root);
            think();
            store::writeRecipeFile(m_root, number, token,
                                   {{QStringLiteral("1"), QStringLiteral("Stir the must")}},
                                   store::RecipeWrite::Create);
            report("done", "recipe", number, token);
        } catch (const store::StoreError&) {
            report("refused", "recipe", number.isEmpty() ? QStringLiteral("-") : number, token);
        }
    }

    QString m_root;
    QString m_name;
    QRandomGenerator m_random;
    bool m_pause;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fprintf(stderr,
                     "usage: %s <data folder> <name> <operations> <seed> [--no-lock] [--no-pause] "
                     "[--config <settings folder>]\n",
                     argv[0]);
        return 2;
    }
    if (args.contains(QStringLiteral("--no-lock")))
        store::setFolderLocking(false);
    // The installation this copy belongs to, as the program keeps it in the user's settings.
    const qsizetype config = args.indexOf(QStringLiteral("--config"));
    if (config > 0 && config + 1 < args.size())
        store::setInstallationId(store::loadInstallationId(args.at(config + 1)));
    QString root = args.at(1);
    if (!root.endsWith(QLatin1Char('/')))
        root += QLatin1Char('/');
    // Taking the lock once recovers what a crashed copy left, even with no
    // operation to do.
    try {
        const store::FolderLock lock(root);
    } catch (const store::StoreError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
    }
    Driver(root, args.at(2), args.at(4).toUInt(), !args.contains(QStringLiteral("--no-pause")))
        .run(args.at(3).toInt());
    return 0;
}
