// Operations per second of several driver processes on one data folder, with
// the folder's lock, beside one process without it: what the lock costs.
//
// Usage: vintrelo_shared_folder_bench [operations per process, default 500] [kills]
// With a number of kills, four processes run as in the suite's kill test but at
// that size instead, and only that run is reported.

#include "StressRun.h"
#include "store/StarterData.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int operations = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 500;
    if (argc > 2) {
        QTemporaryDir dir;
        store::createDataFolder(dir.path());
        stress::Options options;
        options.dataRoot = dir.path() + QLatin1Char('/');
        options.operations = operations;
        options.kills = QString::fromLocal8Bit(argv[2]).toInt();
        const stress::Result result = stress::run(options);
        const QStringList problems = stress::check(options.dataRoot, result);
        std::printf("4 processes, %d killed while saving: %d done, %d refused, %lld ms, %d "
                    "problems\n",
                    result.killed, result.count(QStringLiteral("done")),
                    result.count(QStringLiteral("refused")), result.milliseconds,
                    int(problems.size()));
        for (const QString& problem : problems)
            std::printf("  problem: %s\n", qPrintable(problem));
        return problems.isEmpty() ? 0 : 1;
    }
    struct Run
    {
        int processes;
        bool locking;
    };
    std::printf("%-10s %-8s %10s %10s %10s %12s\n", "processes", "lock", "done", "refused", "ms",
                "ops/second");
    bool allWhole = true;
    for (const Run run : {Run{1, false}, Run{1, true}, Run{2, true}, Run{4, true}}) {
        QTemporaryDir dir;
        store::createDataFolder(dir.path());
        stress::Options options;
        options.dataRoot = dir.path() + QLatin1Char('/');
        options.processes = run.processes;
        options.operations = operations;
        options.locking = run.locking;
        options.pauses = false;
        const stress::Result result = stress::run(options);
        const int done = result.count(QStringLiteral("done"));
        const int refused = result.count(QStringLiteral("refused"));
        std::printf("%-10d %-8s %10d %10d %10lld %12.0f\n", run.processes,
                    run.locking ? "yes" : "no", done, refused, result.milliseconds,
                    1000.0 * (done + refused) / std::max<qint64>(1, result.milliseconds));
        const QStringList problems = stress::check(options.dataRoot, result);
        for (const QString& problem : problems)
            std::printf("  problem: %s\n", qPrintable(problem));
        allWhole = allWhole && problems.isEmpty();
    }
    return allWhole ? 0 : 1;
}
