#include "StressRun.h"

#include "store/BatchCounter.h"
#include "store/BatchFile.h"
#include "store/DataFolder.h"
#include "store/FolderLock.h"
#include "store/RecipeFile.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <memory>
#include <vector>

namespace stress {

namespace {

struct Running
{
    std::unique_ptr<QProcess> process;
    QString output;
    QString errors;
};

const QStringList kUnshare{QStringLiteral("--pid"), QStringLiteral("--fork"),
                           QStringLiteral("--mount-proc")};

std::unique_ptr<QProcess> startDriver(const Options& options, const QString& name, int operations,
                                      quint32 seed, const QString& output, const QString& errors,
                                      const QString& configDir)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // One date format for every copy, as on the PCs of one shop.
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    process->setProcessEnvironment(env);
    process->setStandardOutputFile(output);
    process->setStandardErrorFile(errors);
    QStringList args{options.dataRoot, name, QString::number(operations), QString::number(seed)};
    if (!options.locking)
        args << QStringLiteral("--no-lock");
    if (!options.pauses)
        args << QStringLiteral("--no-pause");
    args << QStringLiteral("--config") << configDir;
    if (options.clonedPcs)
        process->start(QStringLiteral("unshare"),
                       (QStringList(kUnshare) << QStringLiteral(VINTRELO_SHARED_FOLDER_DRIVER)) +
                           args);
    else
        process->start(QStringLiteral(VINTRELO_SHARED_FOLDER_DRIVER), args);
    process->waitForStarted();
    return process;
}

QStringList fileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

int counterValue(const QString& dataRoot)
{
    return store::readBatchCounter(dataRoot).toInt();
}

} // namespace

int Result::count(const QString& outcome, const QString& kind) const
{
    int n = 0;
    for (const Report& report : reports) {
        if (report.outcome == outcome && (kind.isEmpty() || report.kind == kind))
            ++n;
    }
    return n;
}

bool processNamespacesAvailable(QString* why)
{
    QProcess probe;
    probe.start(QStringLiteral("unshare"), QStringList(kUnshare) << QStringLiteral("true"));
    if (probe.waitForFinished() && probe.exitStatus() == QProcess::NormalExit &&
        probe.exitCode() == 0)
        return true;
    *why = QStringLiteral("unshare --pid --fork --mount-proc is refused here (%1); it needs root")
               .arg(QString::fromLocal8Bit(probe.readAllStandardError()).trimmed() +
                    probe.errorString());
    return false;
}

Result run(const Options& options)
{
    Result result;
    result.startCounter = counterValue(options.dataRoot);
    QTemporaryDir logs;
    std::vector<Running> drivers;
    int started = 0;
    const auto start = [&](int operations) {
        const QString name = QStringLiteral("P%1").arg(started);
        Running driver;
        driver.output = logs.filePath(name + QStringLiteral(".out"));
        driver.errors = logs.filePath(name + QStringLiteral(".err"));
        // The user settings that name the installation: one PC's, or each clone's own.
        const QString config =
            logs.filePath(options.clonedPcs ? QStringLiteral("pc-") + name : QStringLiteral("pc"));
        driver.process = startDriver(options, name, operations, options.seed * 1000 + started,
                                     driver.output, driver.errors, config);
        ++started;
        drivers.push_back(std::move(driver));
    };

    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < options.processes; ++i)
        start(options.operations);

    QRandomGenerator random(options.seed);
    const auto anyRunning = [&] {
        bool running = false;
        for (const Running& driver : drivers) {
            // The state follows the process only when asked.
            if (driver.process->state() != QProcess::NotRunning &&
                !driver.process->waitForFinished(0))
                running = true;
        }
        return running;
    };
    while (result.killed < options.kills && anyRunning()) {
        // A random moment at which some driver holds the lock.
        QThread::usleep(random.bounded(3000));
        store::LockHolder holder;
        if (!store::folderLockHolder(options.dataRoot, &holder))
            continue;
        for (Running& driver : drivers) {
            if (driver.process->state() == QProcess::Running &&
                driver.process->processId() == holder.pid) {
                driver.process->kill(); // SIGKILL
                driver.process->waitForFinished();
                ++result.killed;
                start(options.operations / 2);
                break;
            }
        }
    }
    for (Running& driver : drivers)
        driver.process->waitForFinished(-1);
    result.milliseconds = timer.elapsed();

    if (result.killed > 0) {
        const QString name = QStringLiteral("recover");
        const auto process = startDriver(
            options, name, 0, 0, logs.filePath(name + QStringLiteral(".out")),
            logs.filePath(name + QStringLiteral(".err")), logs.filePath(QStringLiteral("pc")));
        process->waitForFinished(-1);
    }

    for (const Running& driver : drivers) {
        for (const QString& line : fileLines(driver.output)) {
            const QStringList parts = line.split(QLatin1Char(' '));
            if (parts.size() == 4)
                result.reports.append({parts.at(0), parts.at(1), parts.at(2), parts.at(3)});
        }
        result.driverErrors << fileLines(driver.errors);
    }
    return result;
}

QStringList check(const QString& dataRoot, const Result& result)
{
    QStringList problems;
    const auto problem = [&](const QString& text) { problems << text; };

    // Where each token is, and how often.
    QHash<QString, QStringList> found; // token -> places ("batch <id>", "recipe <number>")
    int batches = 0;
    QHash<QString, QString> batchFolder; // identifier in upper case -> folder
    for (const store::BatchFolder folder :
         {store::BatchFolder::Active, store::BatchFolder::Completed}) {
        const QString path = store::batchFolderPath(dataRoot, folder);
        const QStringList names = QDir(path).entryList(QDir::Files | QDir::Hidden);
        for (const QString& name : names) {
            if (!name.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) ||
                name.compare(store::kScratchFile, Qt::CaseInsensitive) == 0) {
                problem(QStringLiteral("left behind: %1/%2").arg(path, name));
                continue;
            }
            const QString id = store::batchIdFromFileName(name);
            if (batchFolder.contains(id.toUpper()))
                problem(QStringLiteral("batch %1 is in two files").arg(id));
            batchFolder.insert(id.toUpper(), path);
            ++batches;

            QFile file(QDir(path).filePath(name));
            file.open(QIODevice::ReadOnly);
            const QByteArray bytes = file.readAll();
            const int lineCount = int(bytes.count('\n'));
            if (!bytes.endsWith("\r\n") || bytes.count("\r\n") != lineCount ||
                bytes.count('\r') != lineCount) {
                problem(QStringLiteral("batch %1 has a line not ending in CR LF").arg(id));
            }
            if (lineCount < store::kHeaderLines ||
                (lineCount - store::kHeaderLines) % store::kRecordLines != 0) {
                problem(QStringLiteral("batch %1 has %2 lines").arg(id).arg(lineCount));
                continue;
            }
            try {
                const store::BatchFile batch =
                    store::readBatchFile(dataRoot, folder, id, store::BatchCheck::Layout);
                found[batch.header.field(store::BatchHeader::CustomerName)]
                    << QStringLiteral("create ") + id;
                for (const store::ActionRecord& record : batch.records) {
                    if (!record.Notes.isEmpty())
                        found[record.Notes] << QStringLiteral("note ") + id;
                }
            } catch (const store::StoreError& error) {
                problem(error.message());
            }
        }
    }

    const QString recipes = store::recipeFolderPath(dataRoot);
    for (const QString& name : QDir(recipes).entryList(QDir::Files | QDir::Hidden)) {
        if (!name.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) {
            problem(QStringLiteral("left behind: %1/%2").arg(recipes, name));
            continue;
        }
        try {
            const store::Recipe recipe = store::readRecipeFile(dataRoot, name);
            found[store::recipeDescriptionOf(recipe.line1)]
                << QStringLiteral("recipe ") + store::recipeNumberOf(recipe.line1);
        } catch (const store::StoreError& error) {
            problem(error.message());
        }
    }

    for (const QString& name : QDir(dataRoot).entryList(QDir::Files | QDir::Hidden)) {
        if (name != store::kCounterFile && name != store::kLocationFileName)
            problem(QStringLiteral("left behind: %1").arg(name));
    }

    // Every reported operation against the files.
    QSet<QString> reported;
    for (const Report& report : result.reports) {
        reported.insert(report.token);
        if (report.kind == QStringLiteral("postpone"))
            continue; // its token goes with the manual action
        const QStringList places = found.value(report.token);
        if (report.outcome == QStringLiteral("refused")) {
            if (!places.isEmpty()) {
                problem(QStringLiteral("refused %1 %2 left %3")
                            .arg(report.kind, report.token, places.join(QLatin1Char(','))));
            }
            continue;
        }
        QString want;
        if (report.kind == QStringLiteral("create"))
            want = QStringLiteral("create ") + report.subject;
        else if (report.kind == QStringLiteral("recipe"))
            want = QStringLiteral("recipe ") + report.subject;
        else
            want = QStringLiteral("note ") + report.subject;
        if (places != QStringList{want}) {
            problem(
                QStringLiteral("done %1 %2 on %3 found as [%4]")
                    .arg(report.kind, report.token, report.subject, places.join(QLatin1Char(','))));
        }
    }
    // What no driver reported may come only from one killed halfway.
    static const QRegularExpression driverToken(QStringLiteral("^P\\d+-\\d+$"));
    int unreported = 0;
    for (auto it = found.cbegin(); it != found.cend(); ++it) {
        if (driverToken.match(it.key()).hasMatch() && !reported.contains(it.key()))
            ++unreported;
    }
    if (unreported > result.killed)
        problem(QStringLiteral("%1 changes in the files were never reported").arg(unreported));

    // The counter: one step for each batch file, every one of them created here.
    const int counter = counterValue(dataRoot);
    if (counter - result.startCounter != batches)
        problem(QStringLiteral("counter %1 after %2 batches from %3")
                    .arg(counter)
                    .arg(batches)
                    .arg(result.startCounter));
    const int created = result.count(QStringLiteral("done"), QStringLiteral("create"));
    if (batches < created || batches > created + result.killed)
        problem(
            QStringLiteral("%1 batch files after %2 reported creations").arg(batches).arg(created));
    return problems;
}

} // namespace stress
