#include "TestMain.h"
#include "store/Clock.h"
#include "store/LongDate.h"
#include "store/TextNumber.h"

#include <QDate>
#include <QElapsedTimer>
#include <QLocale>
#include <QObject>
#include <QRandomGenerator>
#include <QTest>
#include <cmath>

using namespace store;

namespace {

QLocale localeNamed(const QString& name)
{
    if (name == QLatin1String("C"))
        return QLocale::c();
    if (name == QLatin1String("de_DE"))
        return QLocale(QLocale::German, QLocale::Germany);
    if (name == QLatin1String("fr_CA"))
        return QLocale(QLocale::French, QLocale::Canada);
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

const QDate Dec7(2026, 12, 7);

// While dates are read, "today" is August 1, 2027: the nearest December 25 or
// March 4 is in 2027, so a date without a year is told apart from one in 2026.
const QDate kToday(2027, 8, 1);
QDate thisYear(int month, int day)
{
    return QDate(kToday.year(), month, day);
}

} // namespace

class TestDatesNumbers : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixedToday(kToday); }
    void cleanup() { Clock::setFixedToday(QDate()); }
    void clockIsFixedForTests();

    void readsLeadingNumber_data();
    void readsLeadingNumber();
    void writesPlainNumber_data();
    void writesPlainNumber();
    void plainNumberReadsBackUnchanged_data();
    void plainNumberReadsBackUnchanged();

    void formatsLongDate_data();
    void formatsLongDate();
    void parsesDate_data();
    void parsesDate();
    void usesDefaultLocale();
    void storableDatesReadBack_data();
    void storableDatesReadBack();
    void longDatesRoundTrip_data();
    void longDatesRoundTrip();
    void shortDatesRoundTrip_data();
    void shortDatesRoundTrip();
    void exampleIsAccepted_data();
    void exampleIsAccepted();
};

void TestDatesNumbers::clockIsFixedForTests()
{
    Clock::setFixedToday(QDate(1999, 2, 28));
    QCOMPARE(Clock::today(), QDate(1999, 2, 28));
    Clock::setFixedToday(Dec7);
    QCOMPARE(Clock::today(), Dec7);

    Clock::setFixedToday(QDate());
    const QDate before = QDate::currentDate();
    const QDate today = Clock::today();
    QVERIFY(today == before || today == QDate::currentDate()); // midnight may pass
}

void TestDatesNumbers::readsLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("written"); // the plain text written back for it

    QTest::newRow("integer") << "15" << 15.0 << "15";
    QTest::newRow("decimal") << "13.5" << 13.5 << "13.5";
    QTest::newRow("kit name") << "12 - Red kit" << 12.0 << "12";
    QTest::newRow("leading zeros") << "0012 - 5 gallon kit" << 12.0 << "12";
    QTest::newRow("blanks, sign, tail") << "  -3.5x" << -3.5 << "-3.5";
    QTest::newRow("tab") << "\t7 L" << 7.0 << "7";
    QTest::newRow("plus") << "+2.25" << 2.25 << "2.25";
    QTest::newRow("comma ends") << "1,5" << 1.0 << "1";
    QTest::newRow("second point ends") << "1.2.3" << 1.2 << "1.2";
    QTest::newRow("no exponent") << "2e3" << 2.0 << "2";
    QTest::newRow("point first") << ".5" << 0.5 << "0.5";
    QTest::newRow("negative point first") << "-.25" << -0.25 << "-0.25";
    QTest::newRow("point last") << "5." << 5.0 << "5";
    QTest::newRow("many decimals") << "0.1234567891" << 0.1234567891 << "0.1234567891";
    QTest::newRow("big") << "12345678901234567" << 12345678901234567.0 << "12345678901234568";
    QTest::newRow("letters") << "abc" << 0.0 << "0";
    QTest::newRow("empty") << "" << 0.0 << "0";
    QTest::newRow("sign only") << "-" << 0.0 << "0";
    QTest::newRow("point only") << "." << 0.0 << "0";
    QTest::newRow("sign point") << "-." << 0.0 << "0";
    QTest::newRow("blank after sign") << "- 3" << 0.0 << "0";
    QTest::newRow("two signs") << "+-3" << 0.0 << "0";
    QTest::newRow("newline is not a blank") << "\n3" << 0.0 << "0";
    QTest::newRow("zero") << "0" << 0.0 << "0";
    QTest::newRow("negative zero") << "-0.0" << 0.0 << "0";
}

void TestDatesNumbers::readsLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QString, written);
    const double read = readLeadingNumber(text);
    QCOMPARE(read, value);
    QCOMPARE(std::signbit(read), std::signbit(value)); // a -0 would show as "-0" in the grid
    QCOMPARE(formatPlainNumber(read), written);
}

void TestDatesNumbers::writesPlainNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("integer") << 15.0 << "15";
    QTest::newRow("decimal") << 13.5 << "13.5";
    QTest::newRow("negative") << -3.0 << "-3";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("tiny negative rounds to zero") << -1e-12 << "0";
    QTest::newRow("1e16") << 1e16 << "10000000000000000";
    QTest::newRow("1e21") << 1e21 << "1000000000000000000000";
    QTest::newRow("0.1+0.2") << 0.1 + 0.2 << "0.3";
    QTest::newRow("small") << 0.00001 << "0.00001";
    QTest::newRow("ten decimals") << 3e-10 << "0.0000000003";
    QTest::newRow("below ten decimals") << 4e-11 << "0";
    QTest::newRow("third") << 1.0 / 3.0 << "0.3333333333";
    QTest::newRow("two thirds") << 2.0 / 3.0 << "0.6666666667";
    QTest::newRow("large with cents") << 123456789012.25 << "123456789012.25";
    QTest::newRow("gravity") << 1.0905 << "1.0905";
    QTest::newRow("negative decimal") << -0.75 << "-0.75";
    QTest::newRow("not a number") << std::nan("") << "0";
}

void TestDatesNumbers::writesPlainNumber()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatPlainNumber(value), text);
}

void TestDatesNumbers::plainNumberReadsBackUnchanged_data()
{
    QTest::addColumn<double>("value");
    for (const double value : {0.5, 1.0905, 13.5, -3.0, 23.0, 0.0001, 99.125, 1234567.0625,
                               0.1234567891, 9007199254740993.0, 1e300, -2.5e-7})
        QTest::newRow(qPrintable(QString::number(value, 'g', 17))) << value;
}

void TestDatesNumbers::plainNumberReadsBackUnchanged()
{
    QFETCH(double, value);
    const QString text = formatPlainNumber(value);
    QVERIFY2(!text.contains(u'e') && !text.contains(u','), qPrintable(text));
    QCOMPARE(readLeadingNumber(text), value);
}

void TestDatesNumbers::formatsLongDate_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");

    QTest::newRow("en_US") << "en_US" << Dec7 << "Monday, December 7, 2026";
    QTest::newRow("en_US leap") << "en_US" << QDate(2028, 2, 29) << "Tuesday, February 29, 2028";
    QTest::newRow("C") << "C" << Dec7 << "Monday, 7 December 2026";
    QTest::newRow("de_DE") << "de_DE" << Dec7 << "Montag, 7. Dezember 2026";
    QTest::newRow("de_DE umlaut") << "de_DE" << QDate(1930, 3, 1) << "Samstag, 1. März 1930";
}

void TestDatesNumbers::formatsLongDate()
{
    QFETCH(QString, locale);
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(formatLongDate(date, localeNamed(locale)), text);
}

void TestDatesNumbers::parsesDate_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date"); // invalid: refused
    QTest::addColumn<bool>("omitsYear");

    const QDate no;
    const bool takesThisYear = true;
    const struct
    {
        const char* locale;
        const char* text;
        QDate date;
        bool omitsYear = false;
    } rows[] = {
        // en_US: long "dddd, MMMM d, yyyy", short "M/d/yy"
        {"en_US", "Monday, December 7, 2026", Dec7},
        {"en_US", "December 7, 2026", Dec7},
        {"en_US", "  december   7 ,  2026  ", Dec7},
        {"en_US", "\tDecember 7,\t2026\n", Dec7},
        {"en_US", "DECEMBER 7, 2026", Dec7},
        {"en_US", "Dec 7 2026", Dec7},
        {"en_US", "Dec. 7, 2026", Dec7},
        {"en_US", "December 07, 2026", Dec7},
        {"en_US", "Mon, Dec 7, 2026", Dec7},
        {"en_US", "Monday December 7 2026", Dec7},
        {"en_US", "Friday, 25 December 2026", QDate(2026, 12, 25)},
        {"en_US", "25 December 2026", QDate(2026, 12, 25)},
        {"en_US", "25 Dec 2026", QDate(2026, 12, 25)},
        {"en_US", "25-Dec-2026", QDate(2026, 12, 25)},
        {"en_US", "25/dec/26", QDate(2026, 12, 25)},
        {"en_US", "25 Dec., 2026", QDate(2026, 12, 25)},
        {"en_US", "March 4", thisYear(3, 4), takesThisYear},
        {"en_US", "Dec 25", thisYear(12, 25), takesThisYear},
        {"en_US", "4 March", thisYear(3, 4), takesThisYear},
        {"en_US", "Saturday, Dec 25", thisYear(12, 25), takesThisYear},
        {"en_US", "12/25", thisYear(12, 25), takesThisYear},
        {"en_US", "3-4", thisYear(3, 4), takesThisYear},
        {"en_US", "Friday, December 7, 2026", no},
        {"en_US", "Tue, Dec 7, 2026", no},
        {"en_US", "Friday, 7 December 2026", no},
        {"en_US", "Friday, Dec 25", no},
        {"en_US", "Feb 29", no},
        {"en_US", "25/12", no},
        {"en_US", "12 25", no},
        {"en_US", "25 December 2026 Friday", no},
        {"en_US", "2026 December 25", no},
        {"en_US", "December", no},
        {"en_US", "Sept 3, 2026", QDate(2026, 9, 3)},
        {"en_US", "May 1, 1930", QDate(1930, 5, 1)},
        {"en_US", "March 1, 2026", QDate(2026, 3, 1)},
        {"en_US", "Mar 1, 2026", QDate(2026, 3, 1)},
        {"en_US", "February 29, 2028", QDate(2028, 2, 29)},
        {"en_US", "12/7/2026", Dec7},
        {"en_US", "12/7/26", Dec7},
        {"en_US", "12.7.2026", Dec7},
        {"en_US", "12-7-2026", Dec7},
        {"en_US", "12 / 07 / 2026", Dec7},
        {"en_US", "1/2/30", QDate(1930, 1, 2)},
        {"en_US", "1/2/29", QDate(2029, 1, 2)},
        {"en_US", "12/31/99", QDate(1999, 12, 31)},
        {"en_US", "1/1/00", QDate(2000, 1, 1)},
        {"en_US", "2026-12-07", Dec7},
        {"en_US", "2026-1-5", QDate(2026, 1, 5)},
        {"en_US", "", no},
        {"en_US", "   ", no},
        {"en_US", "tomorrow", no},
        {"en_US", "2026", no},
        {"en_US", "12/7", thisYear(12, 7), takesThisYear},
        {"en_US", "13/45/2026", no},
        {"en_US", "0/7/2026", no},
        {"en_US", "12/0/2026", no},
        {"en_US", "2/29/2026", no},
        {"en_US", "February 30, 2026", no},
        {"en_US", "February 29, 2026", no},
        {"en_US", "December 32, 2026", no},
        {"en_US", "7 Dec", thisYear(12, 7), takesThisYear},
        {"en_US", "Dec 7", thisYear(12, 7), takesThisYear},
        {"en_US", "Dec 2026", no},
        {"en_US", "Monday, 2026", no},
        {"en_US", "December 7, 202", no},
        {"en_US", "December 7, 02026", no},
        {"en_US", "December 72026", no},
        {"en_US", "12/7/202", no},
        {"en_US", "12/7/02026", no},
        {"en_US", "123/7/2026", no},
        {"en_US", "December 7, 2026 xyz", no},
        {"en_US", "December December 7, 2026", no},
        {"en_US", "December 7 Dec 2026", no},
        {"en_US", "Decembers 7, 2026", no},
        {"en_US", "MonDec 7, 2026", no},
        {"en_US", "December 7, 2026, Monday", no},
        {"en_US", "12/7-2026", no},
        {"en_US", "12 7 2026", no},
        {"en_US", "12/7/2026/1", no},
        {"en_US", "7 December 2026", Dec7},
        {"en_US", "Dezember 7, 2026", no},
        {"en_US", "2026/12/07", no},
        {"en_US", "26-12-07", no},
        // C: long "dddd, d MMMM yyyy", short "d MMM yyyy"
        {"C", "Monday, 7 December 2026", Dec7},
        {"C", "7 December 2026", Dec7},
        {"C", "7 dec 2026", Dec7},
        {"C", "Mon 7 Dec. 2026", Dec7},
        {"C", "7/12/2026", Dec7},
        {"C", "07.12.26", Dec7},
        {"C", "2026-12-07", Dec7},
        {"C", "December 7, 2026", Dec7}, // as a PC in English writes it
        {"C", "12/13/2026", no},
        {"C", "7 Dezember 2026", no},
        {"C", "7 December", thisYear(12, 7), takesThisYear},
        {"C", "7/12", thisYear(12, 7), takesThisYear},
        {"C", "25-Dec-2026", QDate(2026, 12, 25)},
        {"C", "Dec 7", thisYear(12, 7), takesThisYear},
        {"C", "Tuesday, 7 December 2026", no},
        // de_DE: long "dddd, d. MMMM yyyy", short "dd.MM.yy"
        {"de_DE", "Montag, 7. Dezember 2026", Dec7},
        {"de_DE", "7. Dezember 2026", Dec7},
        {"de_DE", "7 Dezember 2026", Dec7},
        {"de_DE", "7. dezember 2026", Dec7},
        {"de_DE", "7. Dez. 2026", Dec7},
        {"de_DE", "7. Dez 2026", Dec7},
        {"de_DE", "Mo., 7. Dez. 2026", Dec7},
        {"de_DE", "Mo 7. Dez. 2026", Dec7},
        {"de_DE", "Monday, 7. December 2026", Dec7},
        {"de_DE", "7. Dec 2026", Dec7},
        {"de_DE", "1. März 2026", QDate(2026, 3, 1)},
        {"de_DE", "1. MÄRZ 2026", QDate(2026, 3, 1)},
        {"de_DE", "1. Mär 2026", QDate(2026, 3, 1)},
        {"de_DE", "1. Mai 2026", QDate(2026, 5, 1)},
        {"de_DE", "3. Sept. 2026", QDate(2026, 9, 3)},
        {"de_DE", "3. Sep 2026", QDate(2026, 9, 3)},
        {"de_DE", "3. Okt. 2026", QDate(2026, 10, 3)},
        {"de_DE", "7.12.2026", Dec7},
        {"de_DE", "07.12.26", Dec7},
        {"de_DE", "7. 12. 2026", Dec7},
        {"de_DE", "12/7/2026", QDate(2026, 7, 12)},
        {"de_DE", "7-12-2026", Dec7},
        {"de_DE", "2026-12-07", Dec7},
        {"de_DE", "Dezember 7, 2026", Dec7},
        {"de_DE", "December 7, 2026", Dec7},
        {"de_DE", "7.12-2026", no},
        {"de_DE", "7. Dezember", thisYear(12, 7), takesThisYear},
        {"de_DE", "Di., 7. Dez.", thisYear(12, 7), takesThisYear},
        {"de_DE", "25.12.", thisYear(12, 25), takesThisYear},
        {"de_DE", "25.12", thisYear(12, 25), takesThisYear},
        {"de_DE", "25-Dez-2026", QDate(2026, 12, 25)},
        {"de_DE", "Dienstag, 7. Dezember 2026", no},
        {"de_DE", "Mo., 7. Dez.", no},
        {"de_DE", "12/25", no},
        {"de_DE", "Dez. 2026", no},
        {"de_DE", "32.12.2026", no},
        {"de_DE", "30.2.2026", no},
        {"de_DE", "7.13.2026", no},
        {"de_DE", "7. Dezember 2026 xyz", no},
        {"de_DE", "7. Dezember März 2026", no},
        {"de_DE", "7..12.2026", no},
        // One data folder, PCs in English and in French: each reads the other's long form.
        {"en_US", "lundi 7 décembre 2026", Dec7},
        {"en_US", "Lundi 7 Décembre 2026", Dec7},
        {"en_US", "7 déc. 2026", Dec7},
        {"en_US", "mardi 7 décembre 2026", no},
        {"fr_CA", "Monday, December 7, 2026", Dec7},
        {"fr_CA", "lundi 7 décembre 2026", Dec7},
        {"fr_CA", "Tuesday, December 7, 2026", no},
        {"fr_CA", "12/7/2026", no}, // numbers keep this PC's order (yyyy-MM-dd)
        {"fr_CA", "08/12", no},     // day or month first? Not guessed
        {"de_DE", "lundi 7 décembre 2026", Dec7},
        {"de_DE", "1 août 2026", QDate(2026, 8, 1)},
    };
    for (const auto& row : rows) {
        QString shown = QString::fromUtf8(row.text);
        shown.replace(u'\t', QStringLiteral("\\t")).replace(u'\n', QStringLiteral("\\n"));
        const QString tag = QString::fromLatin1(row.locale) + QStringLiteral(" \"") + shown + u'"';
        QTest::newRow(qPrintable(tag)) << QString::fromLatin1(row.locale)
                                       << QString::fromUtf8(row.text) << row.date << row.omitsYear;
    }
}

void TestDatesNumbers::parsesDate()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QFETCH(bool, omitsYear);
    QCOMPARE(parseDate(text, localeNamed(locale)), date);
    QCOMPARE(dateTextOmitsYear(text, localeNamed(locale)), omitsYear);
}

void TestDatesNumbers::usesDefaultLocale()
{
    QCOMPARE(formatLongDate(Dec7), QStringLiteral("Monday, December 7, 2026"));
    QCOMPARE(parseDate(QStringLiteral("12/7/26")), Dec7);
    QCOMPARE(parseDate(QStringLiteral("Monday, December 7, 2026")), Dec7);
}

void TestDatesNumbers::storableDatesReadBack_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("storable");

    QList<QDate> inside{firstStorableDate(), {1, 12, 31},  {99, 12, 31},      {100, 1, 1},
                        {999, 12, 31},       {1000, 1, 1}, {1929, 12, 31},    {2029, 12, 31},
                        {2030, 1, 1},        {9999, 1, 1}, lastStorableDate()};
    QRandomGenerator random(20261207);
    const qint64 span = firstStorableDate().daysTo(lastStorableDate());
    for (int i = 0; i < 40; ++i)
        inside << firstStorableDate().addDays(qint64(random.bounded(quint64(span) + 1)));
    // Where a postponement or a sum of days can lead: before year 1 or past 9999.
    const QList<QDate> outside{firstStorableDate().addDays(-1),     lastStorableDate().addDays(1),
                               QDate(2026, 12, 8).addDays(-800000), QDate(-4713, 1, 2),
                               QDate(2026, 12, 8).addDays(3652059), QDate()};
    for (const char* locale : {"en_US", "C", "de_DE"}) {
        for (const QDate& date : inside)
            QTest::newRow(
                qPrintable(QStringLiteral("%1 %2").arg(locale, date.toString(Qt::ISODate))))
                << QString::fromLatin1(locale) << date << true;
        for (const QDate& date : outside)
            QTest::newRow(
                qPrintable(QStringLiteral("%1 outside %2").arg(locale, date.toString(Qt::ISODate))))
                << QString::fromLatin1(locale) << date << false;
    }
}

// Every date a writer can produce reads back as itself; the rest are refused.
void TestDatesNumbers::storableDatesReadBack()
{
    QFETCH(QString, locale);
    QFETCH(QDate, date);
    QFETCH(bool, storable);
    const QLocale l = localeNamed(locale);
    QCOMPARE(isStorableDate(date, l), storable);
    if (storable) {
        const QString text = formatLongDate(date, l);
        QVERIFY2(parseDate(text, l) == date, qPrintable(text));
        QVERIFY(!dateTextOmitsYear(text, l));
    }
}

void TestDatesNumbers::longDatesRoundTrip_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("en_US") << "en_US";
    QTest::newRow("C") << "C";
    QTest::newRow("de_DE") << "de_DE";
}

void TestDatesNumbers::longDatesRoundTrip()
{
    QFETCH(QString, locale);
    const QLocale l = localeNamed(locale);
    for (QDate d(1930, 1, 1); d <= QDate(2030, 12, 31); d = d.addDays(1)) {
        const QString text = formatLongDate(d, l);
        if (parseDate(text, l) != d)
            QFAIL(qPrintable(text + QStringLiteral(" -> ") +
                             parseDate(text, l).toString(Qt::ISODate)));
    }
}

void TestDatesNumbers::shortDatesRoundTrip_data()
{
    longDatesRoundTrip_data();
}

void TestDatesNumbers::shortDatesRoundTrip()
{
    QFETCH(QString, locale);
    const QLocale l = localeNamed(locale);
    // en_US and de_DE write two-digit years, so stay inside their window.
    for (QDate d(1930, 1, 1); d <= QDate(2029, 12, 31); d = d.addDays(1)) {
        const QString text = l.toString(d, QLocale::ShortFormat);
        if (parseDate(text, l) != d)
            QFAIL(qPrintable(text + QStringLiteral(" -> ") +
                             parseDate(text, l).toString(Qt::ISODate)));
    }
}

void TestDatesNumbers::exampleIsAccepted_data()
{
    longDatesRoundTrip_data();
}

void TestDatesNumbers::exampleIsAccepted()
{
    QFETCH(QString, locale);
    const QLocale l = localeNamed(locale);
    QCOMPARE(exampleDateText(l), formatLongDate(Dec7, l));
    QCOMPARE(parseDate(exampleDateText(l), l), Dec7);
}

VINTRELO_TEST_MAIN(TestDatesNumbers)
#include "tst_dates_numbers.moc"
