#include "store/FolderLock.h"

#include "store/BatchCounter.h"
#include "store/BatchCreation.h"
#include "store/BusyFiles.h"
#include "store/Clock.h"
#include "store/DataFolder.h"
#include "store/ReplacedFolder.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSettings>
#include <QSysInfo>
#include <QThread>
#include <QUuid>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace store {

namespace {

OldLockAnswer& oldLockAnswer()
{
    static OldLockAnswer answer;
    return answer;
}

LockWaitNotice& lockWaitNotice()
{
    static LockWaitNotice notice;
    return notice;
}

bool& lockingOn()
{
    static bool on = true;
    return on;
}

int& waitLimit()
{
    static int limit = 5000;
    return limit;
}

// Locks this process holds, by lock file path: the thread holding each (a
// backup reads the folder on a thread of its own) and how often it took it.
struct Held
{
    Qt::HANDLE thread = nullptr;
    int count = 0;
};
QMutex heldMutex;
QHash<QString, Held>& heldLocks()
{
    static QHash<QString, Held> held;
    return held;
}

// Questions and the wait cursor belong to the thread that shows windows; a lock
// taken on another thread waits or fails without them.
bool onMainThread()
{
    const QCoreApplication* application = QCoreApplication::instance();
    return application && QThread::currentThread() == application->thread();
}

QString lockFilePath(const QString& dataRoot)
{
    return QDir::cleanPath(QDir(dataRoot).absoluteFilePath(kLockFile));
}

constexpr qint64 kClockToleranceSeconds = 10;

// The line that names the installation, after the lines QLockFile writes (and
// reads): earlier versions of the program read only the lines before it.
const QByteArray kInstallationLine = "vintrelo-installation=";

QMutex installationMutex;
QString& installation()
{
    static QString id;
    return id;
}

bool sameHolder(const LockHolder& a, const LockHolder& b)
{
    return a.host == b.host && a.pid == b.pid && a.installation == b.installation;
}

bool isThisHost(const QString& host)
{
    return host == QSysInfo::machineHostName();
}

// Provably this installation's: an unnamed installation may be any PC's.
bool isThisInstallation(const LockHolder& holder)
{
    return isThisHost(holder.host) && !holder.installation.isEmpty() &&
           holder.installation == installationId();
}

// The scratch files a writer removes once it is done: any of them that is there
// while this process holds the lock was left by a writer that stopped halfway.
void removeLeftScratchFiles(const QString& dataRoot)
{
    // A lock being taken over is renamed first: one left by a copy stopped
    // halfway is no one's any more.
    const QDir root(dataRoot);
    for (const QString& name :
         root.entryList({kLockFile + QStringLiteral(".*")}, QDir::Files | QDir::Hidden))
        QFile::remove(root.filePath(name));
    QFile::remove(dataPath(dataRoot, QDir(kActiveFolder).filePath(kScratchFile)));
    QFile::remove(dataPath(dataRoot, QStringLiteral("Batch-ID.new")));
    QFile::remove(dataPath(dataRoot, QDir(kRecipesFolder).filePath(QStringLiteral("recipe.new"))));
}

// A copy that stopped between writing a new batch and advancing the counter
// left a counter that names that batch: the next number nobody has used follows.
void repairCounterLeftBehind(const QString& dataRoot)
{
    try {
        const QString id = nextBatchId(dataRoot, Clock::today());
        if (folderHoldingBatch(dataRoot, id).isEmpty())
            return;
        const QString path = batchCounterFilePath(dataRoot);
        const QString scratch = dataPath(dataRoot, QStringLiteral("Batch-ID.new"));
        const FileSubject what(FileSubject::BatchCounter);
        writeScratchFile(scratch, {unusedCounterValue(dataRoot)}, what);
        replaceWithScratch(scratch, path, what);
    } catch (const StoreError&) {
        // A counter that cannot be read or repaired is reported by the write
        // that needs it.
    }
}

QString cannotLockMessage(const QString& path)
{
    return StoreText::tr("Vintrelo could not save, because it cannot create the lock file "
                         "\"%1\" in the data folder. Nothing was written. Check that you may "
                         "write to the data folder, then try again.")
        .arg(QDir::toNativeSeparators(path));
}

QString busyMessage(const LockHolder& holder, bool known)
{
    if (!known) {
        return StoreText::tr("Vintrelo could not save, because another copy of Vintrelo has "
                             "been saving to the data folder for several seconds. Nothing was "
                             "written. Try again in a moment.");
    }
    if (isThisInstallation(holder)) {
        return StoreText::tr("Vintrelo could not save, because another copy of Vintrelo on this "
                             "computer (%1) has been saving to the data folder for several "
                             "seconds. Nothing was written. Try again in a moment; if that copy "
                             "has stopped responding, close it first.")
            .arg(holder.host);
    }
    return StoreText::tr("Vintrelo could not save, because Vintrelo on %1 has been saving to "
                         "the data folder for several seconds. Nothing was written. Try again "
                         "in a moment.")
        .arg(holder.host);
}

} // namespace

QString oldLockQuestion(const LockHolder& holder)
{
    if (holder.datedAhead) {
        return StoreText::tr("Vintrelo on %1 is saving, but the clock of that computer is ahead "
                             "of this one's, so how long it has been saving is not known. If "
                             "that computer is off, continue.")
            .arg(holder.host);
    }
    const qint64 minutes = std::max<qint64>(1, holder.ageSeconds / 60);
    if (minutes == 1) {
        return StoreText::tr("Vintrelo on %1 has been saving for 1 minute. If that computer is "
                             "off, continue.")
            .arg(holder.host);
    }
    return StoreText::tr("Vintrelo on %1 has been saving for %2 minutes. If that computer is "
                         "off, continue.")
        .arg(holder.host)
        .arg(minutes);
}

void setInstallationId(const QString& id)
{
    QMutexLocker guard(&installationMutex);
    installation() = id;
}

QString installationId()
{
    QMutexLocker guard(&installationMutex);
    if (installation().isEmpty())
        installation() = QUuid::createUuid().toString(QUuid::WithoutBraces);
    return installation();
}

QString loadInstallationId(const QString& configDir)
{
    const QString made = QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (configDir.isEmpty() || !QDir().mkpath(configDir))
        return made;
    const QString path = QDir(configDir).filePath(QStringLiteral("installation.ini"));
    const auto kept = [&] {
        const QString id = QSettings(path, QSettings::IniFormat)
                               .value(QStringLiteral("installation/id"))
                               .toString();
        return QUuid::fromString(id).isNull() ? QString() : id;
    };
    QString id = kept();
    if (!id.isEmpty())
        return id;
    // Made whole beside it, then named without replacing: of copies starting
    // at once for the first time, the first one's identity is everyone's.
    const QString scratch = path + QStringLiteral(".%1").arg(QCoreApplication::applicationPid());
    QFile file(scratch);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write("[installation]\nid=" + made.toUtf8() + '\n');
        file.close();
        QFile::rename(scratch, path);
        QFile::remove(scratch);
    }
    id = kept();
    return id.isEmpty() ? made : id;
}

void setOldLockAnswer(OldLockAnswer answer)
{
    oldLockAnswer() = std::move(answer);
}

void setLockWaitNotice(LockWaitNotice notice)
{
    lockWaitNotice() = std::move(notice);
}

void setFolderLocking(bool on)
{
    lockingOn() = on;
}

void setLockWaitLimit(int milliseconds)
{
    waitLimit() = milliseconds;
}

int lockWaitLimit()
{
    return waitLimit();
}

namespace {

bool folderLockHolderAt(const QString& path, LockHolder* holder)
{
    // Read once: on a share every opening keeps the holder from removing it.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    bool numbered = false;
    const qint64 pid = lines.constFirst().trimmed().toLongLong(&numbered);
    if (!numbered || pid <= 0 || lines.size() < 3)
        return false;
    holder->pid = pid;
    holder->app = QString::fromUtf8(lines.at(1));
    holder->host = QString::fromUtf8(lines.at(2));
    holder->installation.clear();
    for (const QByteArray& line : lines) {
        if (line.startsWith(kInstallationLine))
            holder->installation = QString::fromUtf8(line.mid(kInstallationLine.size()).trimmed());
    }
    const QDateTime written = QFileInfo(path).lastModified();
    const qint64 age = written.isValid() ? written.secsTo(QDateTime::currentDateTime()) : 0;
    holder->ageSeconds = std::max<qint64>(0, age);
    // A few seconds ahead is a fresh lock of a computer whose clock runs a little fast.
    holder->datedAhead = age < -kClockToleranceSeconds;
    return true;
}

} // namespace

bool folderLockHolder(const QString& dataRoot, LockHolder* holder)
{
    return folderLockHolderAt(lockFilePath(dataRoot), holder);
}

namespace {

// Takes away the lock file at `path` if it still is `expected`'s (or, without
// one, still names no one). It is renamed away first: of several copies judging
// one stale lock at once only one moves it, and a lock another copy made
// meanwhile is put back, never deleted.
bool takeOverLock(const QString& path, const LockHolder* expected)
{
    const QString moved =
        path + QStringLiteral(".stale-") + QString::number(QCoreApplication::applicationPid());
    if (!renameWhenFree(path, moved))
        return !QFileInfo::exists(path);
    LockHolder was;
    const bool named = folderLockHolderAt(moved, &was);
    if (expected ? named && sameHolder(was, *expected) : !named) {
        removeFileWhenFree(moved);
        return true;
    }
    renameWhenFree(moved, path);
    return false;
}

// A process of this computer that still runs under the program's name: a
// number reused by another program does not hold the lock.
bool processRunning(const LockHolder& holder)
{
    if (holder.pid <= 0)
        return false;
    if (::kill(pid_t(holder.pid), 0) != 0 && errno != EPERM)
        return false;
    const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(holder.pid)).symLinkTarget();
    return exe.isEmpty() || holder.app.isEmpty() || QFileInfo(exe).fileName() == holder.app;
}

} // namespace

bool takeOverFolderLock(const QString& dataRoot, const LockHolder& holder)
{
    return takeOverLock(lockFilePath(dataRoot), &holder);
}

namespace {

enum class Made
{
    Made,
    Exists,
    Failed
};

// Makes the lock file, whole, in one write: the layout of QLockFile (process,
// program, host, machine and boot identities), which earlier versions read,
// then the installation. A copy that dies at that moment leaves an empty file,
// which holds no one back for long (unnamedLockIsOld).
Made makeLockFile(const QString& path)
{
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    const QByteArray content = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                               QFileInfo(exe).fileName().toUtf8() + '\n' +
                               QSysInfo::machineHostName().toUtf8() + '\n' +
                               QSysInfo::machineUniqueId() + '\n' + QSysInfo::bootUniqueId() +
                               '\n' + kInstallationLine + installationId().toUtf8() + '\n';
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == EEXIST ? Made::Exists : Made::Failed;
    const bool written = ::write(fd, content.constData(), size_t(content.size())) == content.size();
    ::close(fd);
    if (written)
        return Made::Made;
    QFile::remove(path);
    return Made::Failed;
}

bool unnamedLockIsOld(const QString& path)
{
    const QDateTime written = QFileInfo(path).lastModified();
    return written.isValid() && written.secsTo(QDateTime::currentDateTime()) >= kOldLockSeconds;
}

} // namespace

FolderLock::FolderLock(const QString& dataRoot) : m_key(lockFilePath(dataRoot))
{
    if (!lockingOn())
        return;
    const Qt::HANDLE thread = QThread::currentThreadId();
    const bool mainThread = onMainThread();
    const OldLockAnswer answerOldLock = mainThread ? oldLockAnswer() : OldLockAnswer();
    const LockWaitNotice notice = mainThread ? lockWaitNotice() : LockWaitNotice();
    QElapsedTimer waited;
    waited.start();
    bool waiting = false;
    const auto endWait = [&] {
        if (waiting && notice)
            notice(false);
        waiting = false;
    };
    // Another thread of this process holding the folder is waited for like
    // another copy; the same thread nests.
    for (;;) {
        {
            QMutexLocker guard(&heldMutex);
            auto it = heldLocks().find(m_key);
            if (it == heldLocks().end()) {
                heldLocks().insert(m_key, Held{thread, 1});
                break;
            }
            if (it->thread == thread) {
                ++it->count;
                return;
            }
        }
        if (waited.elapsed() >= waitLimit()) {
            endWait();
            throw StoreError(busyMessage(LockHolder(), false));
        }
        if (!waiting && notice)
            notice(true);
        waiting = true;
        QThread::msleep(20);
    }
    try {
        acquire(dataRoot, answerOldLock, notice, waited, waiting);
        // A restore on another PC moved the shop to a new folder: whatever was
        // written here now would be in neither the new folder nor its backups.
        if (folderWasReplaced(dataRoot)) {
            const QString moved = replacingFolder(dataRoot);
            throw StoreError(
                StoreText::tr("Nothing was written, because the data folder \"%1\" was replaced "
                              "by a restored folder%2, probably on another PC. Close Vintrelo and "
                              "start it again to switch to the restored folder.")
                    .arg(QDir::toNativeSeparators(QDir::cleanPath(dataRoot)),
                         moved.isEmpty()
                             ? QString()
                             : QStringLiteral(" \"%1\"").arg(QDir::toNativeSeparators(moved))));
        }
    } catch (...) {
        release();
        throw;
    }
}

void FolderLock::acquire(const QString& dataRoot, const OldLockAnswer& answerOldLock,
                         const LockWaitNotice& notice, QElapsedTimer& waited, bool& waiting)
{
    // Age alone never makes a lock stale: another computer's lock is taken over
    // only when the user says that computer is off. A dead process of this
    // installation is still recognised at once.
    bool wasLocked = false;
    const auto endWait = [&] {
        if (waiting && notice)
            notice(false);
        waiting = false;
    };
    for (;;) {
        const bool present = QFileInfo::exists(m_key);
        wasLocked = wasLocked || present;
        // QLockFile's own stale check trusts the machine id, which PCs cloned
        // from one disk image share, and removes a stale lock through helper
        // files that a share may keep open: the lock is made and judged here.
        if (!present) {
            const Made made = makeLockFile(m_key);
            if (made == Made::Made)
                break;
            if (made == Made::Failed) {
                endWait();
                throw StoreError(cannotLockMessage(m_key));
            }
            continue; // another copy made it just now: look at it
        }
        LockHolder holder;
        const bool known = folderLockHolderAt(m_key, &holder);
        // A lock file is named as it is made, so one that names no one a minute
        // later was cut short by a crash: no one holds it.
        if (!known && unnamedLockIsOld(m_key) && takeOverLock(m_key, nullptr)) {
            wasLocked = true;
            continue;
        }
        // This process's own lock that could not be removed (the folder was away
        // when the write ended) left nothing to mend; a crashed copy's may have.
        // Only this installation's: another PC of the same name, in its own
        // process namespace, may run under the same number.
        const bool ours = known && isThisInstallation(holder);
        if (ours) {
            const bool own = holder.pid == QCoreApplication::applicationPid();
            if ((own || !processRunning(holder)) && takeOverLock(m_key, &holder)) {
                wasLocked = !own;
                continue;
            }
        }
        // A lock dated ahead never grows old by this clock: once it has outlasted
        // the wait for a live lock, the user is asked as for an old one.
        const bool old = holder.ageSeconds >= kOldLockSeconds ||
                         (holder.datedAhead && waited.elapsed() >= waitLimit());
        if (known && !ours && old) {
            endWait();
            // Nobody to ask (a backup on its own thread): said, with what to do.
            if (!answerOldLock) {
                const QString file = QDir::toNativeSeparators(m_key);
                throw StoreError(
                    holder.datedAhead
                        ? StoreText::tr("Nothing was written, because Vintrelo on %1 holds the "
                                        "data folder's lock (the file \"%2\"), dated ahead of "
                                        "this computer's clock. If that computer is off, delete "
                                        "that file, then try again.")
                              .arg(holder.host, file)
                        : StoreText::tr("Nothing was written, because Vintrelo on %1 has held the "
                                        "data folder's lock for %2 minutes (the file \"%3\"). If "
                                        "that computer is off, delete that file, then try again.")
                              .arg(holder.host,
                                   QString::number(std::max<qint64>(1, holder.ageSeconds / 60)),
                                   file));
            }
            if (!answerOldLock(holder)) {
                throw StoreError(StoreText::tr("Nothing was written, because Vintrelo on %1 may "
                                               "still be saving to the data folder. Try again "
                                               "once that computer has finished.")
                                     .arg(holder.host));
            }
            takeOverFolderLock(dataRoot, holder);
            waited.restart();
            continue;
        }
        if (waited.elapsed() >= waitLimit()) {
            endWait();
            throw StoreError(busyMessage(holder, known));
        }
        if (!waiting && notice)
            notice(true);
        waiting = true;
        // Every look at the lock file opens it, which on a share keeps its holder
        // from removing it: after a first moment, look less often.
        QThread::msleep(waited.elapsed() < 250 ? 20 : 50);
    }
    endWait();
    m_made = true;
    if (wasLocked) {
        removeLeftScratchFiles(dataRoot);
        repairCounterLeftBehind(dataRoot);
    }
}

FolderLock::~FolderLock()
{
    release();
}

void FolderLock::release()
{
    QMutexLocker guard(&heldMutex);
    auto it = heldLocks().find(m_key);
    if (it == heldLocks().end())
        return;
    if (--it->count > 0)
        return;
    heldLocks().erase(it);
    if (!m_made)
        return;
    // Only while it still names this process: a lock taken over meanwhile is
    // another's. On a share, a PC reading it at that moment keeps it from being
    // removed; left there, it would hold every other PC back for good.
    LockHolder holder;
    if (folderLockHolderAt(m_key, &holder) && isThisInstallation(holder) &&
        holder.pid == QCoreApplication::applicationPid())
        removeFileWhenFree(m_key);
}

} // namespace store
