#include "FuzzSupport.h"

#include <unistd.h>

namespace fuzz {

namespace {

QString& scratchPath()
{
    static QString path;
    return path;
}

void removeScratch()
{
    if (!scratchPath().isEmpty())
        QDir(scratchPath()).removeRecursively();
}

} // namespace

QString scratchFolder(const char* target)
{
    QString& path = scratchPath();
    if (path.isEmpty()) {
        // Fixed under /tmp whatever TMPDIR says, so a run never writes elsewhere.
        path = QStringLiteral("/tmp/vintrelo-fuzz-%1-%2")
                   .arg(QString::fromLatin1(target))
                   .arg(static_cast<qint64>(::getpid()));
        QDir(path).removeRecursively();
        if (!QDir().mkpath(path)) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(path));
            std::abort();
        }
        std::atexit(removeScratch);
    }
    return path;
}

void putFile(const QString& root, const QString& relative, const QByteArray& bytes)
{
    const QString path = QDir(root).filePath(relative);
    FUZZ_CHECK(isInside(path, root), "a fuzz file outside the scratch folder");
    // A new file rather than a truncated one: ext4 flushes a truncated file on
    // close, which would slow every run down to the disk's pace.
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
}

bool isInside(const QString& path, const QString& folder)
{
    QString cleanFolder = QDir::cleanPath(folder);
    if (!cleanFolder.endsWith(QLatin1Char('/'))) // only "/" itself ends in one
        cleanFolder += QLatin1Char('/');
    const QString cleanPathText = QDir::cleanPath(path);
    return cleanPathText.startsWith(cleanFolder) && cleanPathText.size() > cleanFolder.size();
}

} // namespace fuzz
