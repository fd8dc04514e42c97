#include "store/TextLines.h"

#include "store/BusyFiles.h"
#include "store/LineDecoding.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace store {

namespace {

constexpr int kBusyRetryMs = 2000;

WriteFaultHook& faultHook()
{
    static WriteFaultHook hook;
    return hook;
}

bool stepAllowed(WriteStep step, const QString& path)
{
    const WriteFaultHook& hook = faultHook();
    if (!hook || hook(step, path))
        return true;
    errno = EIO;
    return false;
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

QString nativePath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Flushes a folder's entries, so that a rename survives a power cut.
void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// On a Windows or Samba share a file that another PC has open (reading the
// task list, say) cannot be replaced or removed for that moment: such a refusal
// is tried again for a second or two before it counts.
template <typename Operation> bool retryWhileBusy(Operation operation)
{
    for (int waitedMs = 0;;) {
        if (operation())
            return true;
        if (errno != EBUSY && errno != ETXTBSY && errno != EACCES)
            return false;
        if (waitedMs >= kBusyRetryMs)
            return false;
        const int pause = waitedMs < 100 ? 5 : 25;
        ::usleep(pause * 1000);
        waitedMs += pause;
    }
}

// rename() that never replaces an existing file.
bool renameNoReplaceOnce(const QString& from, const QString& to)
{
    const QByteArray src = QFile::encodeName(from);
    const QByteArray dst = QFile::encodeName(to);
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, src.constData(), AT_FDCWD, dst.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
#endif
    // File systems without the no-replace rename: one user, one thread, so a
    // check just before the rename is enough.
    if (QFileInfo::exists(to)) {
        errno = EEXIST;
        return false;
    }
    return ::rename(src.constData(), dst.constData()) == 0;
}

bool renameNoReplace(const QString& from, const QString& to)
{
    return retryWhileBusy([&] { return renameNoReplaceOnce(from, to); });
}

bool renameReplacing(const QString& from, const QString& to)
{
    const QByteArray src = QFile::encodeName(from);
    const QByteArray dst = QFile::encodeName(to);
    return retryWhileBusy([&] { return ::rename(src.constData(), dst.constData()) == 0; });
}

} // namespace

bool renameWhenFree(const QString& from, const QString& to)
{
    return renameNoReplace(from, to);
}

bool removeFileWhenFree(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    return retryWhileBusy([&] { return ::unlink(name.constData()) == 0 || errno == ENOENT; });
}

QStringList decodeLines(const QByteArray& bytes)
{
    const DecodedLines decoded = decodeTextLines(bytes);
    QStringList lines(decoded.spans.size());
    QString* line = lines.data();
    for (const LineSpan& span : decoded.spans)
        *line++ = decoded.text.mid(span.start, span.length);
    return lines;
}

QByteArray encodeLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

QStringList readTextLines(const QString& path, const FileSubject& what)
{
    QFile file(path);
    if (!file.exists()) {
        throw StoreError(what.say(FileSubject::NotFound, {nativePath(path)}));
    }
    if (!file.open(QIODevice::ReadOnly)) {
        throw StoreError(what.say(FileSubject::CannotOpen, {nativePath(path), file.errorString()}));
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw StoreError(what.say(FileSubject::ReadFailed, {nativePath(path), file.errorString()}));
    }
    return decodeLines(bytes);
}

QString readFirstLine(const QString& path, const FileSubject& what)
{
    const QStringList lines = readTextLines(path, what);
    return lines.isEmpty() ? QString() : lines.constFirst();
}

void writeScratchFile(const QString& scratchPath, const QStringList& lines, const FileSubject& what,
                      const LineRules& rules)
{
    requireSingleLineValues(lines, what, rules);
    const auto fail = [&](const QString& reason) {
        QFile::remove(scratchPath);
        throw StoreError(what.say(FileSubject::ScratchFailed, {nativePath(scratchPath), reason}));
    };

    QFile file(scratchPath);
    if (!stepAllowed(WriteStep::OpenScratch, scratchPath))
        fail(StoreText::tr("the file could not be created"));
    // A working file left by an interrupted run is removed, never written
    // through: were it a link to a batch file, that batch would be overwritten.
    QFile::remove(scratchPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        fail(file.errorString());
    const QByteArray bytes = encodeLines(lines);
    if (!stepAllowed(WriteStep::WriteScratch, scratchPath) || file.write(bytes) != bytes.size()) {
        file.close();
        fail(StoreText::tr("the disk may be full"));
    }
    if (!file.flush() || ::fsync(file.handle()) != 0 ||
        !stepAllowed(WriteStep::FlushScratch, scratchPath)) {
        file.close();
        fail(StoreText::tr("the file could not be flushed to the disk"));
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        fail(file.errorString());
}

void replaceWithScratch(const QString& scratchPath, const QString& targetPath,
                        const FileSubject& what)
{
    if (!stepAllowed(WriteStep::Rename, targetPath) || !renameReplacing(scratchPath, targetPath)) {
        const QString reason = systemError();
        QFile::remove(scratchPath);
        throw StoreError(what.say(FileSubject::ReplaceFailed, {nativePath(targetPath), reason}));
    }
    syncFolder(QFileInfo(targetPath).absolutePath());
}

QString existingNameAnyCase(const QString& folder, const QString& fileName)
{
    const QDir dir(folder);
    if (dir.exists(fileName))
        return fileName;
    const QStringList names =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        if (name.compare(fileName, Qt::CaseInsensitive) == 0)
            return name;
    }
    return QString();
}

bool fileExistsAnyCase(const QString& folder, const QString& fileName)
{
    return !existingNameAnyCase(folder, fileName).isEmpty();
}

void createTextFile(const QString& targetPath, const QString& scratchPath, const QStringList& lines,
                    const FileSubject& what, const LineRules& rules)
{
    const QFileInfo target(targetPath);
    if (fileExistsAnyCase(target.absolutePath(), target.fileName())) {
        throw StoreError(what.say(FileSubject::CreateExists, {nativePath(targetPath)}));
    }
    writeScratchFile(scratchPath, lines, what, rules);
    if (!stepAllowed(WriteStep::Rename, targetPath) || !renameNoReplace(scratchPath, targetPath)) {
        const QString reason = systemError();
        QFile::remove(scratchPath);
        throw StoreError(what.say(FileSubject::CreateFailed, {nativePath(targetPath), reason}));
    }
    syncFolder(target.absolutePath());
}

void moveFileNoReplace(const QString& fromPath, const QString& toPath, const FileSubject& what)
{
    const QFileInfo target(toPath);
    if (!QFileInfo(target.absolutePath()).isDir()) {
        throw StoreError(what.say(FileSubject::MoveNoFolder,
                                  {nativePath(target.absolutePath()), nativePath(fromPath)}));
    }
    if (fileExistsAnyCase(target.absolutePath(), target.fileName())) {
        throw StoreError(
            what.say(FileSubject::MoveExists, {nativePath(toPath), nativePath(fromPath)}));
    }
    if (!stepAllowed(WriteStep::Move, toPath) || !renameNoReplace(fromPath, toPath)) {
        throw StoreError(what.say(FileSubject::MoveFailed,
                                  {nativePath(toPath), systemError(), nativePath(fromPath)}));
    }
    syncFolder(target.absolutePath());
    syncFolder(QFileInfo(fromPath).absolutePath());
}

void setWriteFaultHook(WriteFaultHook hook)
{
    faultHook() = std::move(hook);
}

} // namespace store
