#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Several separate processes of the shared-folder driver on one data folder,
// and the checks of what they leave.
namespace stress {

struct Options
{
    QString dataRoot;
    int processes = 4;
    int operations = 40; // each
    int kills = 0;       // drivers killed (SIGKILL) while they hold the folder's lock
    bool locking = true;
    bool pauses = true; // a moment between reading and saving, as a user takes
    quint32 seed = 1;
    // Each driver a PC of its own that shares this one's host name (cloned from
    // one disk image), in a process namespace of its own, so that all of them
    // run under one process number. Otherwise the drivers are copies on one PC.
    bool clonedPcs = false;
};

// Whether this machine lets the drivers run in process namespaces of their own
// (unshare, as root); `why` says what stops it.
bool processNamespacesAvailable(QString* why);

// One line a driver reported.
struct Report
{
    QString outcome; // "done" or "refused"
    QString kind;    // create, complete, postpone, manual, edit, recipe
    QString subject; // batch identifier or recipe number
    QString token;
};

struct Result
{
    QVector<Report> reports;
    int startCounter = 0;
    int killed = 0;
    qint64 milliseconds = 0;
    QStringList driverErrors; // what drivers wrote to their error output
    int count(const QString& outcome, const QString& kind = QString()) const;
};

// Runs the drivers to the end (replacing each killed one by a fresh driver) and,
// after kills, one more copy that only takes the lock, as the next start of the
// program on that folder would.
Result run(const Options& options);

// What is wrong with the folder after `result`: empty when every batch file is
// whole and unique, every reported operation is in the files exactly once, no
// refused one left anything, the counter matches the batches created and no
// scratch or lock file is left.
QStringList check(const QString& dataRoot, const Result& result);

} // namespace stress
