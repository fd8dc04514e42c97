#include "store/TextFileLines.h"

#include "store/TextLines.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace store {

namespace {

// The first `maxLines` lines of `bytes[0, size)` as bytes: up to and including
// the maxLines-th LF; everything when there are fewer.
qsizetype headEnd(const char* data, qsizetype size, int maxLines, qsizetype* scanned, int* lines)
{
    for (; *scanned < size; ++*scanned) {
        if (data[*scanned] == '\n' && ++*lines == maxLines)
            return ++*scanned;
    }
    return -1;
}

// Whether lines read as UTF-8 could still turn out to be Windows-1252: when they
// hold non-ASCII text that is valid UTF-8, only the rest of the file tells.
// ASCII reads the same either way, and text that is not UTF-8 already decides.
bool encodingOpen(const char* data, qsizetype size)
{
    QByteArrayView head(data, size);
    if (head.startsWith("\xEF\xBB\xBF"))
        head = head.sliced(3);
    if (std::all_of(head.begin(), head.end(),
                    [](char c) { return (static_cast<unsigned char>(c) & 0x80) == 0; }))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(head);
    Q_UNUSED(decoded);
    return !utf8.hasError();
}

// Reads a file in one pass: whole when maxLines < 0, otherwise to the end of its
// `maxLines`-th line, or on to the end when only the whole file can tell how
// those lines decode (UTF-8 or Windows-1252 is a property of the whole file).
// False on any failure, with nothing said: the caller lets readTextLines say it.
bool readBytes(const QString& path, int maxLines, QByteArray* bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // A batch header is well under 1 KiB; a whole batch file a few KiB.
    qsizetype chunk = maxLines >= 0 ? 1024 : 16384;
    qsizetype used = 0;
    qsizetype scanned = 0;
    int lines = 0;
    qsizetype head = -1;
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
        used += got;
        if (got == 0)
            break;
        if (maxLines >= 0 && head < 0) {
            head = headEnd(bytes->constData(), used, maxLines, &scanned, &lines);
            if (head >= 0 && !encodingOpen(bytes->constData(), head)) {
                used = head;
                break;
            }
        }
        chunk = std::min<qsizetype>(chunk * 2, 1 << 20);
    }
    ::close(fd);
    bytes->resize(ok ? used : 0);
    return ok;
}

} // namespace

TextFileLines TextFileLines::read(const QString& path, const QString& what, int maxLines)
{
    if (maxLines == 0)
        return TextFileLines();
    QByteArray bytes;
    if (!readBytes(path, maxLines, &bytes)) {
        // The usual reader words the failure; should the file read after all, it
        // is taken as that reader has it.
        TextFileLines lines;
        lines.m_fallback = true;
        lines.m_lines = readTextLines(path, what);
        if (maxLines >= 0 && lines.m_lines.size() > maxLines)
            lines.m_lines.resize(maxLines);
        return lines;
    }
    TextFileLines lines = fromBytes(bytes);
    if (maxLines > 0) {
        // Read past the lines asked for only to learn the file's encoding.
        if (lines.m_fallback && lines.m_lines.size() > maxLines)
            lines.m_lines.resize(maxLines);
        if (!lines.m_fallback && lines.m_spans.size() > maxLines)
            lines.m_spans.resize(maxLines);
    }
    return lines;
}

TextFileLines TextFileLines::fromBytes(const QByteArray& bytes)
{
    TextFileLines lines;
    QByteArrayView data(bytes);
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    lines.m_text = utf8.decode(data);
    if (utf8.hasError()) {
        // Files from older installations: decodeLines knows their code page.
        lines.m_text.clear();
        lines.m_fallback = true;
        lines.m_lines = decodeLines(bytes);
        return lines;
    }
    // As decodeLines: split at LF, one trailing CR dropped, and the text after
    // the last LF a line only when it is not empty.
    const QString& text = lines.m_text;
    const qsizetype end = text.size();
    qsizetype start = 0;
    while (start < end) {
        qsizetype stop = text.indexOf(QLatin1Char('\n'), start);
        const qsizetype next = stop < 0 ? end : stop + 1;
        if (stop < 0)
            stop = end;
        qsizetype length = stop - start;
        if (length > 0 && text.at(stop - 1) == QLatin1Char('\r'))
            --length;
        lines.m_spans.append({start, length});
        start = next;
    }
    return lines;
}

QStringView TextFileLines::at(qsizetype index) const
{
    if (m_fallback)
        return m_lines.at(index);
    const Span& span = m_spans.at(index);
    return QStringView(m_text).mid(span.start, span.length);
}

QStringList TextFileLines::toStringList() const
{
    if (m_fallback)
        return m_lines;
    QStringList list;
    list.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        list << text(i);
    return list;
}

} // namespace store
