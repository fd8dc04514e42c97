#pragma once

#include <QString>
#include <functional>

class QElapsedTimer;

namespace store {

// Several copies of the program may share one data folder (two PCs on a shared
// drive). Every write to the folder runs while this process holds the folder's
// lock file, and only for the write itself: a screen never holds it while it
// waits for the user. The lock records host, process and installation, so that
// a lock left by a crashed copy of this installation is taken over at once.
inline const QString kLockFile = QStringLiteral("Vintrelo.lock");

// This installation: a random identifier made on its first run and kept in the
// user's settings. PCs may share a host name (cloned from one disk image, or
// left on a default name) and, in separate process namespaces, even process
// numbers: only the installation tells this PC's lock from theirs.
void setInstallationId(const QString& id);
// The identifier set, or one made for this run when none was.
QString installationId();
// The identifier kept in `configDir`, made and kept there on first use; when the
// folder cannot be written, one for this run only (its locks are then treated
// as another PC's after a crash: asked about, never taken at once).
QString loadInstallationId(const QString& configDir);

// Who holds the folder's lock, as its lock file says.
struct LockHolder
{
    QString host;
    qint64 pid = 0;
    QString app;          // the program's name, as the lock file gives it
    QString installation; // empty: a lock of an earlier version, or cut short
    qint64 ageSeconds = 0;
    // Dated ahead of this computer's clock (the two clocks disagree), so its
    // age is not known.
    bool datedAhead = false;
};

// A lock of another computer older than this is probably left by a computer
// that was switched off or lost the network while it saved.
inline constexpr qint64 kOldLockSeconds = 60;

// "Vintrelo on FRONT-DESK has been saving for 3 minutes. If that computer is
// off, continue."
QString oldLockQuestion(const LockHolder& holder);

// Asked, without any lock held by this process, when another computer's lock is
// older than kOldLockSeconds, or is dated ahead of this clock and outlasts the
// wait for a live lock: true takes the lock over. Without a question set,
// such a lock refuses the write with a StoreError naming the computer.
using OldLockAnswer = std::function<bool(const LockHolder& holder)>;
void setOldLockAnswer(OldLockAnswer answer);

// Told true when a write starts waiting for another copy's lock and false when
// the wait ends, so that screens can show a wait cursor.
using LockWaitNotice = std::function<void(bool waiting)>;
void setLockWaitNotice(LockWaitNotice notice);

// How long a write waits for a live lock before it gives up with a StoreError
// (a few seconds: never long enough to look hung).
void setLockWaitLimit(int milliseconds);
int lockWaitLimit();

// Only to measure what the lock costs (the shared-folder benchmark): with false,
// FolderLock takes nothing. Never for a copy that shares its folder.
void setFolderLocking(bool on);

// The folder's lock for one write. The constructor waits for the lock (see
// above) and throws StoreError when it cannot be had; the destructor releases
// it. Nested locks of one thread on one folder share the outer one, so a write
// made of smaller writes holds the lock throughout; another thread of the same
// process waits as another copy would, without questions or a wait cursor.
class FolderLock
{
public:
    explicit FolderLock(const QString& dataRoot);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    void release();
    void acquire(const QString& dataRoot, const OldLockAnswer& answerOldLock,
                 const LockWaitNotice& notice, QElapsedTimer& waited, bool& waiting);

    QString m_key;
    bool m_made = false; // the lock file is this one's to remove
};

// What the folder's lock file says now, or false when there is none (or it
// cannot be read).
bool folderLockHolder(const QString& dataRoot, LockHolder* holder);

// Takes away the lock file of `holder`, but only if it still is that holder's:
// for the answer to oldLockQuestion. Returns true when the file is gone.
bool takeOverFolderLock(const QString& dataRoot, const LockHolder& holder);

} // namespace store
