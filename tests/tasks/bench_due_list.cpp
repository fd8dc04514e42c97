// Times the load of "Things to do today" over a large shop: 10,000 batches in
// progress of 12 actions each, beside reading the same files with cat.
// Run: QT_QPA_PLATFORM=offscreen tasks_due_list_benchmark [batches]
#include "AppHarness.h"
#include "DataFixture.h"
#include "MessageScript.h"
#include "store/DueActions.h"
#include "store/LongDate.h"
#include "store/TextLines.h"
#include "widgets/Grid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QProcess>
#include <QTest>
#include <cstdio>

namespace {

void writeShop(const DataFixture& fx, int batches, const QDate& today)
{
    const QDir active(fx.path(QStringLiteral("Active Batches")));
    for (int i = 0; i < batches; ++i) {
        store::BatchFile batch = sampleBatch(0, QStringLiteral("Customer %1").arg(i));
        // Started over the last two months, so each batch has a few actions due.
        const QDate start = today.addDays(-(i % 60));
        for (int a = 0; a < 12; ++a) {
            store::ActionRecord record;
            record.DayNumber = QString::number(1 + 5 * a);
            record.DueDate = store::formatLongDate(start.addDays(5 * a));
            record.Action = QStringLiteral("Scheduled action number %1").arg(a + 1);
            if (a < (i % 60) / 10)
                record.DateCompleted = record.DueDate;
            batch.records << record;
        }
        QFile file(active.filePath(QStringLiteral("2026-%1.txt").arg(i, 6, 10, QLatin1Char('0'))));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(file.fileName()));
        file.write(store::encodeLines(store::batchToLines(batch)));
    }
}

double catMilliseconds(const QString& folder)
{
    QElapsedTimer timer;
    timer.start();
    QProcess cat;
    cat.setWorkingDirectory(folder);
    cat.setStandardOutputFile(QProcess::nullDevice());
    cat.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("cat ./*.txt")});
    cat.waitForFinished(-1);
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    const int batches = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    const QDate today = AppHarness::defaultToday();

    DataFixture fx;
    writeShop(fx, batches, today);
    const QString folder = fx.path(QStringLiteral("Active Batches"));
    catMilliseconds(folder); // the page cache is warm for every reader alike
    const double cat = catMilliseconds(folder);

    QElapsedTimer timer;
    timer.start();
    const store::DueScan scan = store::scanDueActions(fx.dataRoot(), today);
    const double scanned = timer.nsecsElapsed() / 1e6;

    MessageScript script;
    AppHarness harness(fx, today);
    harness.start();
    harness.click(QStringLiteral("CommandButton2"));
    auto* open = harness.control<QAbstractButton>(QStringLiteral("CommandButton1"));
    timer.restart();
    QTest::mouseClick(open, Qt::LeftButton);
    AppHarness::settle();
    const double loaded = timer.nsecsElapsed() / 1e6;
    auto* grid = harness.control<widgets::Grid>(QStringLiteral("Grid1"));

    std::printf("%d batch files of 12 actions, %lld due actions listed (%d rows)\n", batches,
                static_cast<long long>(scan.actions.size()), grid ? grid->rows() - 1 : -1);
    std::printf("cat of the same files:            %8.1f ms\n", cat);
    std::printf("scan of the batch files:          %8.1f ms\n", scanned);
    std::printf("load of \"Things to do today\":   %8.1f ms\n", loaded);
    return 0;
}
