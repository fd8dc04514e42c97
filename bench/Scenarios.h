#pragma once

#include <QString>
#include <QStringList>

namespace bench {

// What is timed, each in a process of its own so that its peak memory is its own.
enum class Scenario
{
    OpeningScreen,  // from process start to the opening screen painted
    ThingsToDo,     // main menu button to "Things to do today" painted
    InProgressList, // main menu button to "Batches in Progress" painted
    CompletedList,  // main menu button to "Completed wine" painted
    BatchEditor,    // double-click in the list to the editor painted on the big batch
    CompleteAction, // "Complete this action" to the reloaded task list painted
    Backup,         // the whole data folder read, archived, read back and verified
    FindOpened,     // main menu button to "Find a Batch" painted, every batch read
    FindTyping,     // each key of a search to its results painted; the slowest key
    ComingDays,     // "The Coming Days..." on the task list to the week view painted
};

QStringList scenarioNames();
QString scenarioTitle(Scenario scenario);

// The child side: runs the program in this process against the shop under
// `base`, goes to the starting point untimed, times the scenario and writes
// "<milliseconds> <rows shown>" to `resultFile`. Returns the exit code.
int runScenario(int argc, char** argv, Scenario scenario, const QString& base, int batches,
                const QString& resultFile);

// The anchors each measure is set beside, each in a process of its own:
// the files of `listFile` (one path relative to `dataFolder` a line) opened,
// read whole and closed with plain system calls, nothing parsed; and a bare Qt
// window, from process start to shown and painted. Both write "<milliseconds>"
// to `resultFile`.
int runInProcessRead(const QString& dataFolder, const QString& listFile, const QString& resultFile);
int runBareWindow(int argc, char** argv, const QString& resultFile);

} // namespace bench
