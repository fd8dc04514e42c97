// Times the program over a shop's years of data: data folders of 1,000 and
// 20,000 batch files, each screen timed in a process of its own beside two
// anchors taken in the same run: `cat` reading the same files, and a minimal
// in-process read of them (open, read, close, nothing parsed); start-up also
// beside a bare Qt window shown and painted. With the peak memory of each process.
//
//   vintrelo_benchmark [--sizes 1000,20000] [--runs 3] [--dir /var/tmp] [--keep 1]
//
// With --keep the shops stay, and one screen can be run under a profiler:
//   vintrelo_benchmark --child in-progress <shop folder> 20000 result.txt
//
// Not a test: the figures depend on the machine, so they are reported, never checked.
#include "Scenarios.h"
#include "ShopData.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QVector>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct Options
{
    QVector<int> sizes{1000, 20000};
    int runs = 3;
    QString dir;       // where the shops are written; the system's temporary folder when empty
    bool keep = false; // leave the shops in place, to profile one screen by hand
};

struct Run
{
    double ms = 0;
    double peakMiB = 0;
    int rows = 0;
};

// Runs a program to its end with its output thrown away; the time from spawn to
// exit and its peak resident memory (from wait4).
Run spawnAndWait(const QString& program, const QStringList& args, const QString& workDir)
{
    QVector<QByteArray> bytes;
    bytes << QFile::encodeName(program);
    for (const QString& arg : args)
        bytes << QFile::encodeName(arg);
    QVector<char*> argv;
    for (QByteArray& arg : bytes)
        argv << arg.data();
    argv << nullptr;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const QByteArray dir = QFile::encodeName(workDir);
    if (!workDir.isEmpty())
        posix_spawn_file_actions_addchdir_np(&actions, dir.constData());

    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv.at(0), &actions, nullptr, argv.data(), environ) != 0)
        qFatal("benchmark: cannot start %s", argv.at(0));
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        qFatal("benchmark: lost %s", argv.at(0));
    Run run;
    run.ms = timer.nsecsElapsed() / 1e6;
    run.peakMiB = usage.ru_maxrss / 1024.0; // kibibytes on Linux
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        qFatal("benchmark: %s %s failed", argv.at(0), argv.size() > 3 ? argv.at(2) : "");
    return run;
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    const auto n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
}

struct Row
{
    int batches = 0;
    QString title;
    QString reads;
    int rows = -1;
    double programMs = 0;
    double catMs = 0;
    double readMs = 0;
    double bareWindowMs = -1; // start-up only
    double peakMiB = 0;
};

// The files each screen reads, which cat reads too.
QStringList filesRead(bench::Scenario scenario, const bench::Shop& shop, QString* reads)
{
    using bench::Scenario;
    const QString big =
        QStringLiteral("Active Batches/") + shop.bigBatchId + QStringLiteral(".txt");
    switch (scenario) {
    case Scenario::OpeningScreen:
        *reads = QStringLiteral("VT.Loc");
        return {QDir(shop.programDir).filePath(QStringLiteral("VT.Loc"))};
    case Scenario::ThingsToDo:
        *reads = QStringLiteral("%1 batch files").arg(shop.activeFiles.size());
        return shop.activeFiles;
    case Scenario::InProgressList:
        *reads = QStringLiteral("%1 batch files, %2 recipes")
                     .arg(shop.activeFiles.size())
                     .arg(shop.recipeFiles.size());
        return shop.activeFiles + shop.recipeFiles;
    case Scenario::CompletedList:
        *reads = QStringLiteral("%1 batch files, %2 recipes")
                     .arg(shop.completedFiles.size())
                     .arg(shop.recipeFiles.size());
        return shop.completedFiles + shop.recipeFiles;
    case Scenario::BatchEditor:
        *reads = QStringLiteral("1 batch file (%1 KiB)")
                     .arg(QFileInfo(QDir(shop.dataFolder).filePath(big)).size() / 1024);
        return {big};
    case Scenario::CompleteAction:
        *reads = QStringLiteral("1 batch file rewritten, %1 read").arg(shop.activeFiles.size());
        return shop.activeFiles;
    case Scenario::Backup:
        *reads = QStringLiteral("every file: %1 batch files, %2 recipes")
                     .arg(shop.activeFiles.size() + shop.completedFiles.size())
                     .arg(shop.recipeFiles.size());
        return shop.activeFiles + shop.completedFiles + shop.recipeFiles;
    case Scenario::FindOpened:
        *reads = QStringLiteral("%1 batch files, %2 recipes")
                     .arg(shop.activeFiles.size() + shop.completedFiles.size())
                     .arg(shop.recipeFiles.size());
        return shop.activeFiles + shop.completedFiles + shop.recipeFiles;
    case Scenario::FindTyping:
        *reads = QStringLiteral("none (%1 batch files read on opening)")
                     .arg(shop.activeFiles.size() + shop.completedFiles.size());
        return shop.activeFiles + shop.completedFiles + shop.recipeFiles;
    case Scenario::ComingDays:
        *reads = QStringLiteral("%1 batch files").arg(shop.activeFiles.size());
        return shop.activeFiles;
    }
    return {};
}

QString machine()
{
    QString cpu = QStringLiteral("unknown processor");
    QFile info(QStringLiteral("/proc/cpuinfo"));
    if (info.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : info.readAll().split('\n')) {
            if (line.startsWith("model name")) {
                cpu = QString::fromUtf8(line.mid(line.indexOf(':') + 1).trimmed());
                break;
            }
        }
    }
    return QStringLiteral("%1, %2 cores, %3 %4, Qt %5, %6 build")
        .arg(cpu)
        .arg(sysconf(_SC_NPROCESSORS_ONLN))
        .arg(QSysInfo::prettyProductName(), QSysInfo::kernelVersion(),
             QString::fromLatin1(qVersion()), QStringLiteral(VINTRELO_BUILD_TYPE));
}

QString fileSystemOf(const QString& path)
{
    // The mount that holds the path: the longest mount point it starts with.
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    QString type = QStringLiteral("unknown");
    qsizetype longest = -1;
    if (mounts.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : mounts.readAll().split('\n')) {
            const QList<QByteArray> f = line.split(' ');
            if (f.size() < 3)
                continue;
            const QString point = QString::fromUtf8(f.at(1));
            if (path.startsWith(point) && point.size() > longest) {
                longest = point.size();
                type = QString::fromUtf8(f.at(2));
            }
        }
    }
    return type;
}

// Reads a child's result file: its first field, in milliseconds.
double resultMs(const QString& result, const QString& what)
{
    QFile out(result);
    if (!out.open(QIODevice::ReadOnly))
        qFatal("benchmark: %s gave no result", qPrintable(what));
    return out.readAll().trimmed().split(' ').value(0).toDouble();
}

QString formatRatio(double ms, double anchorMs)
{
    if (anchorMs <= 0)
        return QString();
    const double ratio = ms / anchorMs;
    return QString::number(ratio, 'f', ratio < 10 ? 1 : 0) + QStringLiteral("×");
}

QString formatMs(double ms)
{
    return ms >= 100 ? QString::number(ms, 'f', 0) : QString::number(ms, 'f', 1);
}

Options parse(int argc, char** argv)
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QByteArray name = argv[i];
        const QString value = QString::fromLocal8Bit(argv[i + 1]);
        if (name == "--sizes") {
            options.sizes.clear();
            for (const QString& size : value.split(QLatin1Char(',')))
                options.sizes << size.toInt();
        } else if (name == "--runs") {
            options.runs = std::max(1, value.toInt());
        } else if (name == "--dir") {
            options.dir = value;
        } else if (name == "--keep") {
            options.keep = value != QLatin1String("0");
        } else {
            std::fprintf(stderr,
                         "usage: %s [--sizes 1000,20000] [--runs 3] [--dir folder] "
                         "[--keep 1]\n",
                         argv[0]);
            std::exit(1);
        }
    }
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    // The children read dates in the same language the shop was written in.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (argc == 5 && std::strcmp(argv[1], "--read") == 0)
        return bench::runInProcessRead(QString::fromLocal8Bit(argv[2]),
                                       QString::fromLocal8Bit(argv[3]),
                                       QString::fromLocal8Bit(argv[4]));
    if (argc == 3 && std::strcmp(argv[1], "--bare-window") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        int childArgc = 1;
        return bench::runBareWindow(childArgc, argv, QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 6 && std::strcmp(argv[1], "--child") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        const int index = bench::scenarioNames().indexOf(QString::fromLatin1(argv[2]));
        if (index < 0)
            return 1;
        int childArgc = 1;
        return bench::runScenario(childArgc, argv, static_cast<bench::Scenario>(index),
                                  QString::fromLocal8Bit(argv[3]), std::atoi(argv[4]),
                                  QString::fromLocal8Bit(argv[5]));
    }

    const Options options = parse(argc, argv);
    const QString self = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C.UTF-8");

    QVector<Row> table;
    QString fileSystem;
    for (const int batches : options.sizes) {
        QTemporaryDir dir(
            options.dir.isEmpty()
                ? QDir::tempPath() + QStringLiteral("/vintrelo-bench-XXXXXX")
                : QDir(options.dir).filePath(QStringLiteral("vintrelo-bench-XXXXXX")));
        if (!dir.isValid())
            qFatal("benchmark: cannot make a temporary folder");
        fileSystem = fileSystemOf(dir.path());
        if (options.keep) {
            dir.setAutoRemove(false);
            std::fprintf(stderr, "shop of %d batch files kept in %s\n", batches,
                         qPrintable(dir.path()));
        }
        const bench::Shop shop = bench::planShop(dir.path(), batches);
        QElapsedTimer written;
        written.start();
        bench::writeShop(shop, batches);
        std::fprintf(stderr, "%d batch files and %d recipes written in %.1f s\n", batches,
                     bench::kRecipes, written.nsecsElapsed() / 1e9);
        // Every reader, cat and the program alike, finds the files in the page cache.
        spawnAndWait(QStringLiteral("/bin/cat"),
                     shop.activeFiles + shop.completedFiles + shop.recipeFiles, shop.dataFolder);

        const QString result = dir.filePath(QStringLiteral("result.txt"));
        const QStringList names = bench::scenarioNames();
        for (int s = 0; s < names.size(); ++s) {
            const auto scenario = static_cast<bench::Scenario>(s);
            Row row;
            row.batches = batches;
            row.title = bench::scenarioTitle(scenario);
            const QStringList files = filesRead(scenario, shop, &row.reads);
            const QString list = dir.filePath(QStringLiteral("files.txt"));
            {
                QFile listFile(list);
                if (!listFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
                    qFatal("benchmark: cannot write %s", qPrintable(list));
                for (const QString& file : files)
                    listFile.write(QFile::encodeName(file) + '\n');
            }
            const bool startUp = scenario == bench::Scenario::OpeningScreen;
            // The opening screen's own file lies in the program folder.
            const QString readFrom = startUp ? shop.programDir : shop.dataFolder;
            if (startUp) {
                QFile listFile(list);
                if (!listFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
                    qFatal("benchmark: cannot write %s", qPrintable(list));
                listFile.write("VT.Loc\n");
            }
            QVector<double> programMs, catMs, readMs, bareMs, peaks;
            for (int run = 0; run < options.runs; ++run) {
                Run child = spawnAndWait(self,
                                         {QStringLiteral("--child"), names.at(s), dir.path(),
                                          QString::number(batches), result},
                                         QString());
                QFile out(result);
                if (!out.open(QIODevice::ReadOnly))
                    qFatal("benchmark: %s gave no result", qPrintable(names.at(s)));
                const QList<QByteArray> fields = out.readAll().trimmed().split(' ');
                programMs << fields.value(0).toDouble();
                row.rows = fields.value(1).toInt();
                peaks << child.peakMiB;
                catMs << spawnAndWait(QStringLiteral("/bin/cat"), files, shop.dataFolder).ms;
                spawnAndWait(self, {QStringLiteral("--read"), readFrom, list, result}, QString());
                readMs << resultMs(result, QStringLiteral("the in-process read"));
                if (startUp) {
                    spawnAndWait(self, {QStringLiteral("--bare-window"), result}, QString());
                    bareMs << resultMs(result, QStringLiteral("the bare window"));
                }
            }
            row.programMs = median(programMs);
            row.catMs = median(catMs);
            row.readMs = median(readMs);
            if (startUp)
                row.bareWindowMs = median(bareMs);
            row.peakMiB = median(peaks);
            table << row;
            std::fprintf(stderr, "  %-45s %8.1f ms (cat %.1f ms, read %.2f ms)\n",
                         qPrintable(row.title), row.programMs, row.catMs, row.readMs);
        }
    }

    std::printf("Machine: %s; data folder on %s, files in the page cache; median of %d runs.\n\n",
                qPrintable(machine()), qPrintable(fileSystem), options.runs);
    std::printf("| Batch files | Measure | Files read | Rows shown | Vintrelo | cat, same files "
                "| Ratio to cat | In-process read, same files | Ratio to read "
                "| Bare Qt window | Ratio to window | Peak memory |\n");
    std::printf("|---:|---|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const Row& row : std::as_const(table)) {
        const bool window = row.bareWindowMs >= 0;
        std::printf(
            "| %s | %s | %s | %s | %s ms | %s ms | %s | %s ms | %s | %s | %s | %.0f MiB |\n",
            qPrintable(QLocale(QLocale::English).toString(row.batches)), qPrintable(row.title),
            qPrintable(row.reads), row.rows > 0 ? qPrintable(QString::number(row.rows)) : "",
            qPrintable(formatMs(row.programMs)), qPrintable(formatMs(row.catMs)),
            qPrintable(formatRatio(row.programMs, row.catMs)),
            qPrintable(QString::number(row.readMs, 'f', row.readMs < 1 ? 2 : 1)),
            qPrintable(formatRatio(row.programMs, row.readMs)),
            window ? qPrintable(formatMs(row.bareWindowMs) + QStringLiteral(" ms")) : "",
            window ? qPrintable(formatRatio(row.programMs, row.bareWindowMs)) : "", row.peakMiB);
    }
    return 0;
}
