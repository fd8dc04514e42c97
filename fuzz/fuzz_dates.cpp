// The lenient date reader with any text, under the three locales the tests
// use: whatever it accepts is a real date that writes and reads back the same,
// and every date the program writes reads back.
#include "FuzzSupport.h"
#include "store/LongDate.h"

#include <QLocale>

namespace {

const QLocale& localeAt(int i)
{
    static const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale::c(), QLocale(QLocale::German, QLocale::Germany)};
    return locales[i];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(fuzz::bytesOf(data, size));
    for (int i = 0; i < 3; ++i) {
        const QLocale& locale = localeAt(i);
        const QDate date = store::parseDate(text, locale);
        if (date.isValid()) {
            const QString written = store::formatLongDate(date, locale);
            FUZZ_CHECK(store::parseDate(written, locale) == date,
                       "an accepted date does not read back after writing");
        }
    }

    // The first bytes as a day of 1930 to 2029, where two-digit years fall.
    if (size >= 2) {
        const int offset = (data[0] << 8 | data[1]) % 36524;
        const QDate day = QDate(1930, 1, 1).addDays(offset);
        for (int i = 0; i < 3; ++i) {
            const QLocale& locale = localeAt(i);
            FUZZ_CHECK(store::parseDate(store::formatLongDate(day, locale), locale) == day,
                       "a written date does not read back");
            FUZZ_CHECK(store::parseDate(locale.toString(day, QLocale::ShortFormat), locale) == day,
                       "a short date does not read back");
        }
    }
    return 0;
}
