#include "store/LineDecoding.h"

#include <QStringDecoder>
#include <cstdint>
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

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

bool isValidUtf8(QByteArrayView bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        // Most text is ASCII: eight bytes at a time while no high bit is set.
        while (i + 8 <= size) {
            std::uint64_t word;
            std::memcpy(&word, data + i, sizeof word);
            if (word & 0x8080808080808080u)
                break;
            i += 8;
        }
        if (i >= size)
            break;
        const unsigned char lead = data[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // The allowed range of the byte after the lead (Unicode's table of
        // well-formed sequences), and how many continuation bytes follow.
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        int extra = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            if (lead == 0xE0)
                low = 0xA0; // overlong below U+0800
            else if (lead == 0xED)
                high = 0x9F; // surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            if (lead == 0xF0)
                low = 0x90; // overlong below U+10000
            else if (lead == 0xF4)
                high = 0x8F; // beyond U+10FFFF
        } else {
            return false;
        }
        if (size - i <= extra)
            return false;
        if (data[i + 1] < low || data[i + 1] > high)
            return false;
        for (int k = 2; k <= extra; ++k) {
            if (!isContinuation(data[i + k]))
                return false;
        }
        i += extra + 1;
    }
    return true;
}

DecodedLines decodeTextLines(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    DecodedLines out;
    // Neither encoding gives more UTF-16 code units than it has bytes, so the
    // whole text fits in one allocation.
    out.text = QString(bytes.size(), Qt::Uninitialized);
    QChar* const begin = out.text.data();
    QChar* at = begin;
    // Stateless, and a byte-order mark opening a later line is kept as text.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
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
        at = isValidUtf8(line) ? utf8.appendToBuffer(at, line) : appendWindows1252(at, line);
        out.spans.append({lineStart - begin, at - lineStart});
        pos = lf ? stop + 1 : size;
    }
    out.text.truncate(at - begin);
    return out;
}

} // namespace store
