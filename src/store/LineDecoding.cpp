#include "store/LineDecoding.h"

#include <QStringDecoder>
#include <cstring>

namespace store {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; its five unassigned
// bytes there read as the replacement character.
QChar* appendWindows1252(QChar* out, QByteArrayView bytes)
{
    static const char16_t high[32] = {
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = byte >= 0x80 && byte < 0xA0 ? QChar(high[byte - 0x80]) : QChar(byte);
    }
    return out;
}

} // namespace

DecodedLines decodeTextLines(QByteArrayView bytes)
{
    // Some tools put a second mark before one already there. A first line kept
    // beginning with one would be written back beginning with a mark, and lose
    // it on the next reading.
    while (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    DecodedLines out;
    // Neither encoding gives more UTF-16 code units than it has bytes, so the
    // whole text fits in one allocation (of the size Qt's decoder asks for).
    out.text = QString(bytes.size() + 1, Qt::Uninitialized);
    QChar* const begin = out.text.data();
    // Qt's decoder refuses what UTF-8 does not allow (overlong forms,
    // surrogates, code points beyond U+10FFFF, a sequence cut short). Stateless,
    // and keeping a byte-order mark that opens a later line as text.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    // One span a line: at most one more than the file has line breaks.
    out.spans.resize(bytes.count('\n') + 1);
    LineSpan* const firstSpan = out.spans.data();
    LineSpan* span = firstSpan;

    // No UTF-8 sequence holds a CR or an LF, so a file that is valid UTF-8 as a
    // whole is exactly one whose every line is: the usual case, decoded in one
    // go, line breaks and all, then split.
    QChar* at = utf8.appendToBuffer(begin, bytes);
    if (!utf8.hasError()) {
        out.text.truncate(at - begin);
        const QString& text = out.text;
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
            *span++ = {start, length};
            start = next;
        }
        out.spans.resize(span - firstSpan);
        return out;
    }

    // Line by line, over what the attempt above wrote.
    at = begin;
    const char* const data = bytes.data();
    const qsizetype size = bytes.size();
    qsizetype pos = 0;
    while (pos < size) {
        const auto* lf =
            static_cast<const char*>(std::memchr(data + pos, '\n', size_t(size - pos)));
        const qsizetype stop = lf ? lf - data : size;
        qsizetype length = stop - pos;
        if (length > 0 && data[stop - 1] == '\r')
            --length;
        const QByteArrayView line(data + pos, length);
        QChar* const lineStart = at;
        utf8.resetState();
        at = utf8.appendToBuffer(lineStart, line);
        if (utf8.hasError())
            at = appendWindows1252(lineStart, line);
        *span++ = {lineStart - begin, at - lineStart};
        pos = lf ? stop + 1 : size;
    }
    out.spans.resize(span - firstSpan);
    out.text.truncate(at - begin);
    return out;
}

} // namespace store
