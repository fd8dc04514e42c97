#include "store/TextFileLines.h"

#include "store/TextLines.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace store {

namespace {

// Reads a file in one pass: whole when maxLines < 0, otherwise to the end of its
// `maxLines`-th line (each line tells its own encoding, so nothing after it is
// needed). False on any failure, with nothing said: the caller lets
// readTextLines say it.
bool readBytes(const QString& path, int maxLines, QByteArray* bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // A batch header is well under 1 KiB; a whole batch file a few KiB.
    qsizetype chunk = maxLines >= 0 ? 1024 : 16384;
    qsizetype used = 0;
    int lines = 0;
    bool ok = true;
    for (;;) {
        bytes->resize(used + chunk);
        const ssize_t got = ::read(fd, bytes->data() + used, size_t(chunk));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ok = false;
            break;
        }
        if (got == 0)
            break;
        if (maxLines >= 0) {
            const char* const data = bytes->constData();
            const char* at = data + used;
            const char* const end = at + got;
            while ((at = static_cast<const char*>(std::memchr(at, '\n', size_t(end - at))))) {
                ++at;
                if (++lines == maxLines)
                    break;
            }
            if (lines == maxLines) {
                used = at - data;
                break;
            }
        }
        used += got;
        chunk = std::min<qsizetype>(chunk * 2, 1 << 20);
    }
    ::close(fd);
    bytes->resize(ok ? used : 0);
    return ok;
}

} // namespace

TextFileLines TextFileLines::read(const QString& path, const FileSubject& what, int maxLines)
{
    if (maxLines == 0)
        return TextFileLines();
    QByteArray bytes;
    if (!readBytes(path, maxLines, &bytes)) {
        // The usual reader words the failure; should the file read after all, it
        // is taken as that reader has it.
        QStringList lines = readTextLines(path, what);
        if (maxLines > 0 && lines.size() > maxLines)
            lines.resize(maxLines);
        TextFileLines read;
        for (const QString& line : std::as_const(lines)) {
            read.m_lines.spans.append({read.m_lines.text.size(), line.size()});
            read.m_lines.text += line;
        }
        return read;
    }
    return fromBytes(bytes);
}

TextFileLines TextFileLines::fromBytes(const QByteArray& bytes)
{
    TextFileLines lines;
    lines.m_lines = decodeTextLines(bytes);
    return lines;
}

QStringView TextFileLines::at(qsizetype index) const
{
    const LineSpan& span = m_lines.spans.at(index);
    return QStringView(m_lines.text).mid(span.start, span.length);
}

QStringList TextFileLines::toStringList() const
{
    QStringList list;
    list.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        list << text(i);
    return list;
}

} // namespace store
