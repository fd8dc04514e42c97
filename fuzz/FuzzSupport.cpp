#include "FuzzSupport.h"

#include <QFileInfo>
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
        // In memory (/dev/shm) where there is one: a target that writes files for
        // every input runs at the pace of the file system. Fixed there or under
        // /tmp whatever TMPDIR says, so a run never writes elsewhere.
        const QString base = QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm")
                                 : QStringLiteral("/tmp");
        path = QStringLiteral("%1/vintrelo-fuzz-%2-%3")
                   .arg(base, QString::fromLatin1(target))
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

QByteArray firstLines(const QByteArray& bytes, int count)
{
    qsizetype at = 0;
    for (int line = 0; line < count; ++line) {
        const qsizetype lf = bytes.indexOf('\n', at);
        if (lf < 0)
            return bytes;
        at = lf + 1;
    }
    return QByteArray::fromRawData(bytes.constData(), at);
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
