#include "Scenarios.h"

#include "ShopData.h"
#include "app/Fonts.h"
#include "app/Screen.h"
#include "app/Shell.h"
#include "app/Version.h"
#include "backup/BackupRunner.h"
#include "screens/find/FindBatch.h"
#include "store/BatchFile.h"
#include "store/StarterData.h"
#include "widgets/Grid.h"
#include "widgets/Messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QIcon>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <unistd.h>

namespace bench {

namespace {

// Milliseconds since this process was started, from the kernel's own record of
// the start (in clock ticks since boot, so to 10 ms at the usual 100 ticks/s).
double msSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // Field 2 is the command in parentheses, which may hold blanks; field 22 is
    // the start time, the 20th field after the closing parenthesis.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20)
        return -1;
    const double startSeconds = fields.at(19).toDouble() / double(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return (double(now.tv_sec) + now.tv_nsec / 1e9 - startSeconds) * 1000.0;
}

// Notes when a widget that the test picks is painted: the moment a screen is
// really in front of the user, not merely loaded.
class PaintProbe : public QObject
{
public:
    using Target = std::function<bool(QWidget*)>;
    explicit PaintProbe(Target target) : m_target(std::move(target))
    {
        qApp->installEventFilter(this);
    }
    ~PaintProbe() override { qApp->removeEventFilter(this); }

    // Runs the event loop until the target has been painted.
    bool wait(int timeoutMs = 120000)
    {
        const QDeadlineTimer deadline(timeoutMs);
        while (!m_painted && !deadline.hasExpired()) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        return m_painted;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_painted && event->type() == QEvent::Paint && watched->isWidgetType() &&
            m_target(static_cast<QWidget*>(watched)))
            m_painted = true;
        return false;
    }

private:
    Target m_target;
    bool m_painted = false;
};

// The offscreen platform's notes on what it cannot do are not news to a benchmark.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg && (text.startsWith(QLatin1String("This plugin does not support")) ||
                                 text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR"))))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

[[noreturn]] void fail(const QString& why)
{
    std::fprintf(stderr, "benchmark child: %s\n", qPrintable(why));
    std::fflush(stderr);
    ::_exit(2);
}

// The program as main() starts it, against the shop's folders and its "today".
class Program
{
public:
    explicit Program(const Shop& shop)
    {
        QApplication::setApplicationName(QStringLiteral("Vintrelo"));
        QApplication::setApplicationVersion(QStringLiteral(VINTRELO_VERSION));
        store::initStarterResources();
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vintrelo.png")));
        app::installFontSubstitutes();
        // Any message box means the run did not go as planned: it is not timed.
        widgets::Messages::setResponder([](const widgets::Messages::Shown& shown) -> int {
            fail(QStringLiteral("unexpected message box: ") + shown.text);
        });
        app::ShellOptions options;
        options.places = {shop.programDir, shop.configDir};
        options.defaultDataFolder = shop.dataFolder;
        options.fixedToday = shopToday();
        m_shell = std::make_unique<app::Shell>(options);
    }
    ~Program() { widgets::Messages::setResponder({}); }

    app::Shell& shell() { return *m_shell; }

    app::Screen* visible() const { return m_shell->visibleScreen(); }
    QString visibleName() const { return visible() ? visible()->screenName() : QString(); }

    template <typename T> T* control(const QString& name) const
    {
        T* found = visible() ? visible()->findChild<T*>(name) : nullptr;
        if (!found)
            fail(QStringLiteral("no control %1 on %2").arg(name, visibleName()));
        return found;
    }

    // The visible screen's grid, once painted after `step`.
    widgets::Grid* gridPaintedAfter(const std::function<void()>& step)
    {
        PaintProbe probe([this](QWidget* widget) {
            return visible() && widget->window() == visible() &&
                   qobject_cast<widgets::Grid*>(widget->parentWidget());
        });
        step();
        if (!probe.wait())
            fail(QStringLiteral("the grid of %1 was never painted").arg(visibleName()));
        return control<widgets::Grid>(QStringLiteral("Grid1"));
    }

    void click(const QString& button)
    {
        QTest::mouseClick(control<QAbstractButton>(button), Qt::LeftButton);
    }
    void clickAndSettle(const QString& button)
    {
        click(button);
        settle();
    }

    void expectScreen(const QString& name) const
    {
        if (visibleName() != name)
            fail(QStringLiteral("expected %1, %2 is shown").arg(name, visibleName()));
    }

    void start()
    {
        m_shell->start();
        settle();
        expectScreen(QStringLiteral("Opening_Screen"));
    }
    void toMainMenu()
    {
        start();
        clickAndSettle(QStringLiteral("CommandButton2"));
        expectScreen(QStringLiteral("MainMenu"));
    }

private:
    std::unique_ptr<app::Shell> m_shell;
};

void doubleClickCell(widgets::Grid* grid, int row, int col)
{
    const QModelIndex cell = grid->model()->index(row, col);
    grid->scrollTo(cell);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                       grid->visualRect(cell).center());
}

int listedRows(widgets::Grid* grid)
{
    // Less the heading, and the empty row the lists keep at the bottom.
    int rows = grid->rows() - 1;
    if (rows > 0 && grid->textAt(grid->rows() - 1, 0).isEmpty())
        --rows;
    return rows;
}

struct Timed
{
    double ms = 0;
    int rows = 0;
};

Timed timeMenuToList(Program& program, const QString& menuButton, const QString& screen)
{
    program.toMainMenu();
    QElapsedTimer timer;
    timer.start();
    widgets::Grid* grid = program.gridPaintedAfter([&] { program.click(menuButton); });
    const double ms = timer.nsecsElapsed() / 1e6;
    program.expectScreen(screen);
    return {ms, listedRows(grid)};
}

Timed timeEditor(Program& program, const Shop& shop)
{
    program.toMainMenu();
    program.clickAndSettle(QStringLiteral("CommandButton3"));
    program.expectScreen(QStringLiteral("ExistingInventory"));
    auto* list = program.control<widgets::Grid>(QStringLiteral("Grid1"));
    int row = 1;
    while (row < list->rows() && list->textAt(row, 0) != shop.bigBatchId)
        ++row;
    if (row == list->rows())
        fail(QStringLiteral("batch %1 is not listed").arg(shop.bigBatchId));

    QElapsedTimer timer;
    timer.start();
    widgets::Grid* grid = program.gridPaintedAfter([&] { doubleClickCell(list, row, 1); });
    const double ms = timer.nsecsElapsed() / 1e6;
    program.expectScreen(QStringLiteral("ExistingInventory2"));
    if (grid->rows() - 1 != kBigBatchActions)
        fail(QStringLiteral("the editor shows %1 actions").arg(grid->rows() - 1));
    return {ms, grid->rows() - 1};
}

Timed timeCompleteAction(Program& program, const Shop& shop)
{
    program.toMainMenu();
    program.clickAndSettle(QStringLiteral("CommandButton1"));
    program.expectScreen(QStringLiteral("ThingsToDoToday"));
    auto* tasks = program.control<widgets::Grid>(QStringLiteral("Grid1"));
    if (listedRows(tasks) < 1)
        fail(QStringLiteral("nothing is due"));
    doubleClickCell(tasks, 1, 1);
    settle();
    const QString batchId = program.shell().state().SelectedBatchID;
    const int record = program.shell().state().SelectedActionIndex;
    if (record < 1)
        fail(QStringLiteral("the first listed action did not open"));
    auto* tick = program.control<QCheckBox>(QStringLiteral("CheckBox1"));
    QTest::mouseClick(tick, Qt::LeftButton, Qt::NoModifier, QPoint(8, tick->height() / 2));
    if (!tick->isChecked())
        fail(QStringLiteral("the action could not be ticked off"));

    QElapsedTimer timer;
    timer.start();
    widgets::Grid* grid =
        program.gridPaintedAfter([&] { program.click(QStringLiteral("UpdateCommand")); });
    const double ms = timer.nsecsElapsed() / 1e6;
    program.expectScreen(QStringLiteral("ThingsToDoToday"));

    const store::BatchFile batch = store::readBatchFile(shop.dataFolder + QLatin1Char('/'),
                                                        store::BatchFolder::Active, batchId);
    if (batch.records.at(record - 1).isOpen())
        fail(QStringLiteral("action %1 of batch %2 was not completed").arg(record).arg(batchId));
    return {ms, listedRows(grid)};
}

// A backup as the program makes it in the background: the folder read, the
// archive written, read back and compared, then renamed and rotated.
Timed timeBackup(const Shop& shop)
{
    backup::BackupJob job;
    job.dataRoot = shop.dataFolder + QLatin1Char('/');
    job.backupFolder = QDir(shop.base).filePath(QStringLiteral("backups"));
    job.createFolder = true;
    job.made = QDateTime(shopToday(), QTime(9, 30));
    QDir(job.backupFolder).removeRecursively();
    QElapsedTimer timer;
    timer.start();
    const backup::BackupOutcome outcome = backup::runBackup(job);
    const double ms = timer.nsecsElapsed() / 1e6;
    if (!outcome.ok)
        fail(outcome.problem);
    std::fprintf(stderr, "    archive of %d files: %.1f MiB\n", outcome.record.files,
                 outcome.record.size / 1048576.0);
    return {ms, outcome.record.files};
}

Timed timeFindTyping(Program& program, const QString& query)
{
    program.toMainMenu();
    program.clickAndSettle(QStringLiteral("FindBatch_Command"));
    program.expectScreen(QStringLiteral("FindBatch"));
    auto* box = program.control<QLineEdit>(QStringLiteral("Search_TextBox"));
    auto* grid = program.control<widgets::Grid>(QStringLiteral("Grid1"));
    settle();
    Timed slowest;
    for (const QChar c : query) {
        QElapsedTimer timer;
        timer.start();
        {
            PaintProbe probe([grid](QWidget* widget) { return widget->parentWidget() == grid; });
            QTest::keyClicks(box, QString(c));
            // A key that leaves the results as they were need not repaint them.
            probe.wait(1000);
        }
        const double ms = timer.nsecsElapsed() / 1e6;
        if (ms > 900)
            fail(QStringLiteral("the key %1 took %2 ms").arg(c).arg(ms));
        slowest.ms = std::max(slowest.ms, ms);
    }
    if (box->text() != query)
        fail(QStringLiteral("the search box holds %1").arg(box->text()));
    slowest.rows = listedRows(grid);
    return slowest;
}

Timed timeComingDays(Program& program)
{
    program.toMainMenu();
    program.clickAndSettle(QStringLiteral("CommandButton1"));
    program.expectScreen(QStringLiteral("ThingsToDoToday"));
    QElapsedTimer timer;
    timer.start();
    widgets::Grid* grid =
        program.gridPaintedAfter([&] { program.click(QStringLiteral("ComingDays_Command")); });
    const double ms = timer.nsecsElapsed() / 1e6;
    program.expectScreen(QStringLiteral("ComingDays"));
    // Rows: the actions of the whole week, as counted.
    auto* week = program.control<widgets::Grid>(QStringLiteral("WeekGrid"));
    int counted = 0;
    for (int row = 1; row < week->rows(); ++row)
        counted += week->textAt(row, 1).toInt();
    Q_UNUSED(grid);
    return {ms, counted};
}

} // namespace

const QString kSearchTyped = QStringLiteral("customer12");

QStringList scenarioNames()
{
    return {QStringLiteral("opening"),   QStringLiteral("todo"),   QStringLiteral("in-progress"),
            QStringLiteral("completed"), QStringLiteral("editor"), QStringLiteral("complete"),
            QStringLiteral("backup"),    QStringLiteral("find"),   QStringLiteral("search"),
            QStringLiteral("week")};
}

QString scenarioTitle(Scenario scenario)
{
    switch (scenario) {
    case Scenario::OpeningScreen:
        return QStringLiteral("Opening screen shown, from process start");
    case Scenario::ThingsToDo:
        return QStringLiteral("\"Things to do today\" loaded");
    case Scenario::InProgressList:
        return QStringLiteral("\"Batches in Progress\" loaded");
    case Scenario::CompletedList:
        return QStringLiteral("\"Completed wine\" loaded");
    case Scenario::BatchEditor:
        return QStringLiteral("Batch editor opened on a 200-action batch");
    case Scenario::CompleteAction:
        return QStringLiteral("One action completed, task list reloaded");
    case Scenario::Backup:
        return QStringLiteral("Backup made and verified (worker thread's work)");
    case Scenario::FindOpened:
        return QStringLiteral("\"Find a Batch\" loaded (both folders read)");
    case Scenario::FindTyping:
        return QStringLiteral("Search typed, slowest key of \"%1\" to results").arg(kSearchTyped);
    case Scenario::ComingDays:
        return QStringLiteral("\"The Coming Days\" loaded (7 days counted)");
    }
    return QString();
}

int runScenario(int argc, char** argv, Scenario scenario, const QString& base, int batches,
                const QString& resultFile)
{
    qInstallMessageHandler(quietOffscreenNotes);
    QApplication application(argc, argv);
    const Shop shop = planShop(base, batches);
    Program program(shop);
    Timed timed;
    switch (scenario) {
    case Scenario::OpeningScreen: {
        PaintProbe probe([&program](QWidget* widget) {
            return program.visibleName() == QStringLiteral("Opening_Screen") &&
                   widget->window() == program.visible();
        });
        program.shell().start();
        if (!probe.wait())
            fail(QStringLiteral("the opening screen was never painted"));
        timed.ms = msSinceProcessStart();
        program.expectScreen(QStringLiteral("Opening_Screen"));
        break;
    }
    case Scenario::ThingsToDo:
        timed = timeMenuToList(program, QStringLiteral("CommandButton1"),
                               QStringLiteral("ThingsToDoToday"));
        break;
    case Scenario::InProgressList:
        timed = timeMenuToList(program, QStringLiteral("CommandButton3"),
                               QStringLiteral("ExistingInventory"));
        break;
    case Scenario::CompletedList:
        timed =
            timeMenuToList(program, QStringLiteral("CommandButton6"), QStringLiteral("Completed1"));
        break;
    case Scenario::BatchEditor:
        timed = timeEditor(program, shop);
        break;
    case Scenario::CompleteAction:
        timed = timeCompleteAction(program, shop);
        break;
    case Scenario::Backup:
        timed = timeBackup(shop);
        break;
    case Scenario::FindOpened:
        timed = timeMenuToList(program, QStringLiteral("FindBatch_Command"),
                               QStringLiteral("FindBatch"));
        // Nothing is listed before a key is typed: the batches held in memory instead.
        timed.rows = int(program.shell().loadedScreen<screens::FindBatch>()->index().size());
        break;
    case Scenario::FindTyping:
        timed = timeFindTyping(program, kSearchTyped);
        break;
    case Scenario::ComingDays:
        timed = timeComingDays(program);
        break;
    }
    QFile out(resultFile);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail(QStringLiteral("cannot write %1").arg(resultFile));
    out.write(QByteArray::number(timed.ms, 'f', 3) + ' ' + QByteArray::number(timed.rows) + '\n');
    return 0;
}

namespace {

void writeResult(const QString& resultFile, double ms)
{
    QFile out(resultFile);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail(QStringLiteral("cannot write %1").arg(resultFile));
    out.write(QByteArray::number(ms, 'f', 3) + '\n');
}

} // namespace

int runInProcessRead(const QString& dataFolder, const QString& listFile, const QString& resultFile)
{
    QFile list(listFile);
    if (!list.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(listFile));
    QVector<QByteArray> paths;
    for (const QByteArray& line : list.readAll().split('\n')) {
        if (!line.isEmpty())
            paths << QFile::encodeName(dataFolder) + '/' + line;
    }
    static char buffer[1 << 16];
    QElapsedTimer timer;
    timer.start();
    qint64 bytes = 0;
    for (const QByteArray& path : std::as_const(paths)) {
        const int fd = ::open(path.constData(), O_RDONLY);
        if (fd < 0)
            fail(QStringLiteral("cannot open %1").arg(QFile::decodeName(path)));
        ssize_t got = 0;
        while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
            bytes += got;
        ::close(fd);
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    if (bytes == 0 && !paths.isEmpty())
        fail(QStringLiteral("nothing was read"));
    writeResult(resultFile, ms);
    return 0;
}

int runBareWindow(int argc, char** argv, const QString& resultFile)
{
    qInstallMessageHandler(quietOffscreenNotes);
    QApplication application(argc, argv);
    QWidget window;
    window.resize(600, 520);
    PaintProbe probe([&window](QWidget* widget) { return widget == &window; });
    window.show();
    if (!probe.wait())
        fail(QStringLiteral("the bare window was never painted"));
    writeResult(resultFile, msSinceProcessStart());
    return 0;
}

} // namespace bench
