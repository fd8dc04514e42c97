// Any bytes as a data file's lines, in memory: each line is decoded on its own,
// as UTF-8 when it is valid UTF-8 (and then written back byte for byte), as
// Windows-1252 otherwise; the quick reader of the lists and the scan, and a
// reader of the first lines only, see the lines the whole-file reader sees.
#include "FuzzSupport.h"
#include "store/TextFileLines.h"
#include "store/TextLines.h"

namespace {

// Well-formed UTF-8 by the standard's table of byte sequences, written out
// here on its own as the judge of what the decoder must read as UTF-8.
bool isWellFormedUtf8(QByteArrayView bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        const unsigned char lead = data[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        unsigned char low = 0x80; // the allowed range of the second byte
        unsigned char high = 0xBF;
        int extra = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;  // overlong below U+0800
            high = lead == 0xED ? 0x9F : 0xBF; // surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;  // overlong below U+10000
            high = lead == 0xF4 ? 0x8F : 0xBF; // beyond U+10FFFF
        } else {
            return false;
        }
        if (size - i <= extra || data[i + 1] < low || data[i + 1] > high)
            return false;
        for (int k = 2; k <= extra; ++k) {
            if ((data[i + k] & 0xC0) != 0x80)
                return false;
        }
        i += extra + 1;
    }
    return true;
}

// One line's bytes against what the reader made of them.
void checkLine(QByteArrayView raw, const QString& line)
{
    if (isWellFormedUtf8(raw)) {
        FUZZ_CHECK(line.toUtf8() == raw, "a UTF-8 line does not write back byte for byte");
        return;
    }
    FUZZ_CHECK(line.size() == raw.size(), "a Windows-1252 line is not one character a byte");
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const auto byte = static_cast<unsigned char>(raw.at(i));
        const char16_t shown = line.at(i).unicode();
        if (byte < 0x80 || byte >= 0xA0)
            FUZZ_CHECK(shown == byte, "a Windows-1252 byte read as another character");
        else // the bytes Windows-1252 gives other characters than Latin-1
            FUZZ_CHECK(shown > 0xFF, "a Windows-1252 byte read as Latin-1");
    }
}

// The bytes of each line: split at LF, one trailing CR dropped, the byte-order
// marks opening the file dropped, no line after a last LF; each checked in turn.
void checkEachLine(QByteArrayView bytes, const QStringList& lines)
{
    while (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    qsizetype index = 0;
    while (!bytes.isEmpty()) {
        qsizetype lf = bytes.indexOf('\n');
        QByteArrayView raw = bytes.first(lf < 0 ? bytes.size() : lf);
        bytes = lf < 0 ? QByteArrayView() : bytes.sliced(lf + 1);
        if (raw.endsWith('\r'))
            raw.chop(1);
        FUZZ_CHECK(index < lines.size(), "a line of the file was lost");
        checkLine(raw, lines.at(index++));
    }
    FUZZ_CHECK(index == lines.size(), "a line was found where the file has none");
}

bool sameLines(const store::TextFileLines& read, const QStringList& lines)
{
    if (read.size() != lines.size())
        return false;
    for (qsizetype i = 0; i < read.size(); ++i) {
        if (read.at(i) != lines.at(i))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QStringList lines = store::decodeLines(bytes);
    checkEachLine(bytes, lines);

    FUZZ_CHECK(sameLines(store::TextFileLines::fromBytes(bytes), lines),
               "the quick reader reads other lines than the whole-file reader");
    // Each line decodes alone: the first lines read without the rest are the same.
    for (const int first : {1, 20}) {
        FUZZ_CHECK(sameLines(store::TextFileLines::fromBytes(fuzz::firstLines(bytes, first)),
                             lines.mid(0, first)),
                   "the first lines read alone differ from the whole file's");
    }

    // Written back (as UTF-8) and read again, every line is the same text.
    FUZZ_CHECK(store::decodeLines(store::encodeLines(lines)) == lines,
               "lines do not survive writing and reading");
    return 0;
}
