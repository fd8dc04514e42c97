#include "store/LongDate.h"

#include "store/Clock.h"

#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QStringView>
#include <algorithm>
#include <cstdlib>
#include <memory>

namespace store {

namespace {

// One piece of a date format, as a pattern for the text the user typed.
enum class Part
{
    Weekday,
    Day,
    MonthNumber,
    MonthName,
    Year,
    Word,
    Mark,
    Separator // one of "-./," between the fields of a date with a month name
};

struct Atom
{
    Part part;
    QString text; // a Word or Mark of the format's literal text
    bool optional = false;
    bool joined = false; // a Word the format writes against the next field ("日" in "d日dddd")

    bool operator==(const Atom& other) const
    {
        return part == other.part && text == other.text && optional == other.optional &&
               joined == other.joined;
    }
};

using Form = QList<Atom>;

struct Name
{
    QString text; // lower case, without a trailing period
    int value;
};

// What one locale accepts, derived from its format strings and names.
struct Grammar
{
    QList<Form> forms;        // the long and the short format, and the forms derived from them
    QList<int> numbers;       // per form: its numeric fields, or -1 when its literals hold digits
    QList<Part> numericOrder; // day, month and year as the short format orders them
    QList<Name> months;       // value 1..12
    QList<Name> weekdays;     // value 1 (Monday) .. 7, as QDate::dayOfWeek
};

bool isField(Part part)
{
    return part != Part::Word && part != Part::Mark && part != Part::Separator;
}

void appendLiteral(Form& form, const QString& literal)
{
    QString word;
    auto flushWord = [&] {
        if (!word.isEmpty())
            form.append({Part::Word, word.toLower()});
        word.clear();
    };
    for (const QChar c : literal) {
        if (c.isLetter()) {
            word += c;
            continue;
        }
        flushWord();
        if (!c.isSpace())
            form.append({Part::Mark, QString(c)});
    }
    if (!word.isEmpty()) {
        flushWord();
        form.back().joined = true;
    }
}

// Reads a QLocale date format ("dddd, MMMM d, yyyy") into atoms.
Form formOf(const QString& format)
{
    Form form;
    QString literal;
    const qsizetype size = format.size();
    qsizetype i = 0;
    while (i < size) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            ++i;
            if (i < size && format.at(i) == u'\'') {
                literal += u'\'';
                ++i;
                continue;
            }
            while (i < size) {
                if (format.at(i) == u'\'') {
                    if (i + 1 < size && format.at(i + 1) == u'\'') {
                        literal += u'\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                literal += format.at(i++);
            }
            continue;
        }
        if (c == u'd' || c == u'M' || c == u'y') {
            qsizetype run = 0;
            while (i < size && format.at(i) == c) {
                ++run;
                ++i;
            }
            appendLiteral(form, literal);
            literal.clear();
            Part part = Part::Year;
            if (c == u'd')
                part = run >= 3 ? Part::Weekday : Part::Day;
            else if (c == u'M')
                part = run >= 3 ? Part::MonthName : Part::MonthNumber;
            form.append({part, QString()});
            continue;
        }
        literal += c;
        ++i;
    }
    appendLiteral(form, literal);
    return form;
}

// Keeps only forms naming each of day and month once and the year once (or,
// for a form that takes this year, never), and marks what the user may leave out.
bool prepareForm(Form& form, int yearFields = 1)
{
    int days = 0, months = 0, years = 0, weekdays = 0;
    bool monthName = false;
    for (const Atom& atom : form) {
        days += atom.part == Part::Day;
        months += atom.part == Part::MonthNumber || atom.part == Part::MonthName;
        years += atom.part == Part::Year;
        weekdays += atom.part == Part::Weekday;
        monthName = monthName || atom.part == Part::MonthName;
    }
    if (days != 1 || months != 1 || years != yearFields || weekdays > 1)
        return false;

    // With a month name the fields cannot be confused, so punctuation and
    // words like Spanish "de" are optional; all-number forms keep theirs so
    // that "12 7 2026" is not read as a date.
    for (Atom& atom : form)
        atom.optional = !isField(atom.part) ? monthName : atom.part == Part::Weekday;

    // The weekday goes together with the punctuation that joins it to the date.
    for (qsizetype i = 0; i < form.size(); ++i) {
        if (form.at(i).part != Part::Weekday)
            continue;
        for (qsizetype j = i + 1; j < form.size() && !isField(form.at(j).part); ++j)
            form[j].optional = true;
        for (qsizetype j = i - 1; j >= 0 && !isField(form.at(j).part); --j)
            form[j].optional = true;
    }
    return true;
}

void addName(QList<Name>& names, QString text, int value)
{
    text = text.simplified().toLower();
    if (text.endsWith(u'.'))
        text.chop(1);
    if (text.isEmpty())
        return;
    for (const Name& name : names) {
        if (name.text == text && name.value == value)
            return;
    }
    names.append({text, value});
}

bool hasMonthName(const Form& form)
{
    return std::any_of(form.cbegin(), form.cend(),
                       [](const Atom& atom) { return atom.part == Part::MonthName; });
}

// The form without its year and the literal text that belongs to the year ("年"
// after it, or ", " before a year that ends the date).
Form withoutYear(Form form)
{
    qsizetype year = 0;
    while (year < form.size() && form.at(year).part != Part::Year)
        ++year;
    if (year == form.size())
        return form;
    qsizetype end = year + 1;
    while (end < form.size() && !isField(form.at(end).part))
        ++end;
    qsizetype begin = year;
    if (end == form.size()) {
        while (begin > 0 && !isField(form.at(begin - 1).part))
            --begin;
    }
    form.erase(form.begin() + begin, form.begin() + end);
    return form;
}

// Each numeric field reads one run of digits whole, so a form can only match a
// text with as many runs as it has numeric fields: most forms are passed over
// without trying a name.
void addForm(Grammar& grammar, const Form& form)
{
    int numbers = 0;
    for (const Atom& atom : form) {
        if (atom.part == Part::Day || atom.part == Part::MonthNumber || atom.part == Part::Year)
            ++numbers;
        else if (std::any_of(atom.text.cbegin(), atom.text.cend(),
                             [](QChar c) { return c.isDigit(); }))
            numbers = -1000;
    }
    grammar.forms.append(form);
    grammar.numbers.append(numbers < 0 ? -1 : numbers);
}

int digitRuns(const QString& text)
{
    int runs = 0;
    bool inRun = false;
    for (const QChar c : text) {
        const bool digit = c >= u'0' && c <= u'9';
        runs += digit && !inRun;
        inRun = digit;
    }
    return runs;
}

// The languages the program is translated to, whose long dates may be in any file.
QList<QLocale> writerLocales()
{
    return {QLocale(QLocale::English, QLocale::UnitedStates),
            QLocale(QLocale::French, QLocale::Canada)};
}

std::shared_ptr<const Grammar> buildGrammar(const QLocale& locale)
{
    auto grammar = std::make_shared<Grammar>();
    QList<Form> named;
    for (const QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat}) {
        Form form = formOf(locale.dateFormat(type));
        if (prepareForm(form)) {
            addForm(*grammar, form);
            if (hasMonthName(form))
                named.append(form);
        }
    }
    // PCs in English and in French may share one data folder, each writing its
    // own long form: both are read everywhere. Only forms with a month name,
    // which cannot be confused; numeric dates keep this locale's order.
    for (const QLocale& writer : writerLocales()) {
        Form form = formOf(writer.dateFormat(QLocale::LongFormat));
        if (hasMonthName(form) && prepareForm(form) && !grammar->forms.contains(form)) {
            addForm(*grammar, form);
            named.append(form);
        }
    }
    // The day before a month name reads the same everywhere ("25 December 2026",
    // "25-Dec-2026"), also where the locale writes the month first.
    Form dayFirst{{Part::Weekday, QString()},   {Part::Mark, QStringLiteral(",")},
                  {Part::Day, QString()},       {Part::Separator, QString()},
                  {Part::MonthName, QString()}, {Part::Separator, QString()},
                  {Part::Year, QString()}};
    if (prepareForm(dayFirst)) {
        addForm(*grammar, dayFirst);
        named.append(dayFirst);
    }
    // A month name and a day without a year are a day of this year ("March 4").
    for (const Form& form : named) {
        Form thisYear = withoutYear(form);
        if (prepareForm(thisYear, 0))
            addForm(*grammar, thisYear);
    }

    for (const Atom& atom : formOf(locale.dateFormat(QLocale::ShortFormat))) {
        if (atom.part == Part::Day || atom.part == Part::Year)
            grammar->numericOrder.append(atom.part);
        else if (atom.part == Part::MonthNumber || atom.part == Part::MonthName)
            grammar->numericOrder.append(Part::MonthNumber);
    }
    if (grammar->numericOrder.size() != 3 || !grammar->numericOrder.contains(Part::Day) ||
        !grammar->numericOrder.contains(Part::MonthNumber) ||
        !grammar->numericOrder.contains(Part::Year))
        grammar->numericOrder.clear();

    // en_GB adds "Sept" to the US names; fr_FR's abbreviations differ from fr_CA's.
    const QLocale sources[] = {locale, QLocale(QLocale::English, QLocale::UnitedStates),
                               QLocale(QLocale::English, QLocale::UnitedKingdom),
                               QLocale(QLocale::French, QLocale::Canada),
                               QLocale(QLocale::French, QLocale::France)};
    for (const QLocale& source : sources) {
        for (const QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat}) {
            for (int month = 1; month <= 12; ++month) {
                addName(grammar->months, source.monthName(month, type), month);
                addName(grammar->months, source.standaloneMonthName(month, type), month);
            }
            for (int day = 1; day <= 7; ++day) {
                addName(grammar->weekdays, source.dayName(day, type), day);
                addName(grammar->weekdays, source.standaloneDayName(day, type), day);
            }
        }
    }
    return grammar;
}

// Building a grammar takes a few hundred locale calls; reading a file of dates
// would repeat them for every line.
std::shared_ptr<const Grammar> grammarFor(const QLocale& locale)
{
    thread_local QHash<QString, std::shared_ptr<const Grammar>> cache;
    const QString key = locale.name() + u'\n' + locale.bcp47Name() + u'\n' +
                        locale.dateFormat(QLocale::LongFormat) + u'\n' +
                        locale.dateFormat(QLocale::ShortFormat);
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return found.value();
    auto grammar = buildGrammar(locale);
    cache.insert(key, grammar);
    return grammar;
}

int yearOf(QStringView digits)
{
    const int year = digits.toInt();
    if (digits.size() == 2)
        return year < 30 ? 2000 + year : 1900 + year;
    return year;
}

struct Fields
{
    int day = 0;
    int month = 0;
    int year = 0;
    bool yearGiven = false;
    int weekday = 0; // 0: none named
};

// One way of reading a text, and whether it took the year from the clock.
struct Reading
{
    QDate date;
    bool thisYear = false;
};

// Today, asked of the clock only by a text without a year.
class TodayOnDemand
{
public:
    QDate today() const
    {
        if (!m_today.isValid())
            m_today = Clock::today();
        return m_today;
    }

private:
    mutable QDate m_today;
};

// A month and day without a year name the nearest such day, within six months
// either way: "Jan 2" typed on December 28 is next January 2, not one gone by.
QDate nearestDay(int month, int day, const QDate& today)
{
    constexpr qint64 kSixMonths = 184;
    QDate nearest;
    for (int year = today.year() - 1; year <= today.year() + 1; ++year) {
        const QDate date(year, month, day);
        const qint64 away = date.isValid() ? std::abs(today.daysTo(date)) : kSixMonths + 1;
        if (away <= kSixMonths && (!nearest.isValid() || away < std::abs(today.daysTo(nearest))))
            nearest = date;
    }
    return nearest; // none: "Feb 29" far from a leap year
}

// A reading of the fields, or none: a named weekday must be the date's own.
void addReading(const Fields& fields, const TodayOnDemand& thisYear, QList<Reading>& readings)
{
    const QDate date = fields.yearGiven ? QDate(fields.year, fields.month, fields.day)
                                        : nearestDay(fields.month, fields.day, thisYear.today());
    if (!date.isValid() || (fields.weekday != 0 && date.dayOfWeek() != fields.weekday))
        return;
    readings.append({date, !fields.yearGiven});
}

qsizetype skipBlank(const QString& text, qsizetype pos)
{
    return pos < text.size() && text.at(pos) == u' ' ? pos + 1 : pos;
}

qsizetype digitsAt(const QString& text, qsizetype pos)
{
    qsizetype end = pos;
    while (end < text.size() && text.at(end) >= u'0' && text.at(end) <= u'9')
        ++end;
    return end - pos;
}

class Matcher
{
public:
    Matcher(const Grammar& grammar, const QString& text, const TodayOnDemand& thisYear)
        : m_grammar(grammar), m_text(text), m_thisYear(thisYear)
    {
    }

    void match(const Form& form, qsizetype index, qsizetype pos, Fields fields,
               QList<Reading>& dates) const
    {
        pos = skipBlank(m_text, pos);
        if (index == form.size()) {
            if (pos == m_text.size())
                addReading(fields, m_thisYear, dates);
            return;
        }
        const Atom& atom = form.at(index);
        if (atom.optional)
            match(form, index + 1, pos, fields, dates);

        switch (atom.part) {
        case Part::Word:
        case Part::Mark:
            if (QStringView(m_text).mid(pos).startsWith(atom.text) &&
                (atom.part == Part::Mark || atom.joined || !letterAt(pos + atom.text.size())))
                match(form, index + 1, pos + atom.text.size(), fields, dates);
            break;
        case Part::Separator:
            if (pos < m_text.size() && QStringView(u"-./,").contains(m_text.at(pos)))
                match(form, index + 1, pos + 1, fields, dates);
            break;
        case Part::Weekday:
        case Part::MonthName:
            for (const Name& name :
                 atom.part == Part::Weekday ? m_grammar.weekdays : m_grammar.months) {
                if (!QStringView(m_text).mid(pos).startsWith(name.text))
                    continue;
                const qsizetype end = pos + name.text.size();
                if (name.text.back().isLetter() && letterAt(end))
                    continue; // "Mar" is not the start of "March"
                Fields named = fields;
                (atom.part == Part::MonthName ? named.month : named.weekday) = name.value;
                match(form, index + 1, end, named, dates);
                if (end < m_text.size() && m_text.at(end) == u'.')
                    match(form, index + 1, end + 1, named, dates);
            }
            break;
        case Part::Day:
        case Part::MonthNumber:
        case Part::Year: {
            const qsizetype count = digitsAt(m_text, pos);
            const QStringView digits = QStringView(m_text).mid(pos, count);
            if (atom.part == Part::Year) {
                if (count != 2 && count != 4)
                    break;
                fields.year = yearOf(digits);
                fields.yearGiven = true;
            } else {
                if (count < 1 || count > 2)
                    break;
                (atom.part == Part::Day ? fields.day : fields.month) = digits.toInt();
            }
            match(form, index + 1, pos + count, fields, dates);
            break;
        }
        }
    }

private:
    bool letterAt(qsizetype pos) const { return pos < m_text.size() && m_text.at(pos).isLetter(); }

    const Grammar& m_grammar;
    const QString& m_text;
    const TodayOnDemand& m_thisYear;
};

void matchIso(const QString& text, QList<Reading>& dates)
{
    static const QRegularExpression iso(QStringLiteral("^([0-9]{4})-([0-9]{1,2})-([0-9]{1,2})$"));
    const QRegularExpressionMatch m = iso.match(text);
    if (!m.hasMatch())
        return;
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (date.isValid())
        dates.append({date, false});
}

// Day and month in the short format's order, without a year: the nearest such
// day ("12/25" where the month comes first, "25.12." where the day does). Where
// the year comes first (fr_CA's 2026-12-25), what is left is no clear order:
// "08/12" may be meant day first, so it is not read as a date.
void matchDayAndMonth(const Grammar& grammar, const QString& text, const TodayOnDemand& thisYear,
                      QList<Reading>& dates)
{
    if (grammar.numericOrder.constFirst() == Part::Year)
        return;
    static const QRegularExpression numeric(
        QStringLiteral("^([0-9]{1,2}) ?([/.-]) ?([0-9]{1,2})(?: ?\\2)?$"));
    const QRegularExpressionMatch m = numeric.match(text);
    if (!m.hasMatch())
        return;
    Fields fields;
    int group = 1;
    for (const Part part : grammar.numericOrder) {
        if (part == Part::Year)
            continue;
        (part == Part::Day ? fields.day : fields.month) = m.capturedView(group).toInt();
        group = 3;
    }
    addReading(fields, thisYear, dates);
}

void matchNumeric(const Grammar& grammar, const QString& text, const TodayOnDemand& thisYear,
                  QList<Reading>& dates)
{
    if (grammar.numericOrder.isEmpty())
        return;
    matchDayAndMonth(grammar, text, thisYear, dates);
    // The backreference keeps one kind of separator within a date.
    static const QRegularExpression numeric(
        QStringLiteral("^([0-9]+) ?([/.-]) ?([0-9]+) ?\\2 ?([0-9]+)$"));
    const QRegularExpressionMatch m = numeric.match(text);
    if (!m.hasMatch())
        return;
    Fields fields;
    const int groups[] = {1, 3, 4};
    for (int i = 0; i < 3; ++i) {
        const QStringView digits = m.capturedView(groups[i]);
        const Part part = grammar.numericOrder.at(i);
        if (part == Part::Year) {
            if (digits.size() != 2 && digits.size() != 4)
                return;
            fields.year = yearOf(digits);
        } else {
            if (digits.size() > 2)
                return;
            (part == Part::Day ? fields.day : fields.month) = digits.toInt();
        }
    }
    fields.yearGiven = true;
    addReading(fields, thisYear, dates);
}

// Every reading of the text; readings that disagree mean it is no date.
Reading readDate(const QString& text, const QLocale& locale)
{
    const QString simple = text.simplified().toLower();
    if (simple.isEmpty())
        return {};

    const TodayOnDemand thisYear;
    const std::shared_ptr<const Grammar> grammar = grammarFor(locale);
    QList<Reading> readings;
    matchIso(simple, readings);
    matchNumeric(*grammar, simple, thisYear, readings);
    const Matcher matcher(*grammar, simple, thisYear);
    const int runs = digitRuns(simple);
    for (qsizetype i = 0; i < grammar->forms.size(); ++i) {
        if (grammar->numbers.at(i) < 0 || grammar->numbers.at(i) == runs)
            matcher.match(grammar->forms.at(i), 0, 0, Fields(), readings);
    }

    if (readings.isEmpty())
        return {};
    Reading read = readings.constFirst();
    for (const Reading& other : readings) {
        if (other.date != read.date)
            return {}; // ambiguous: refuse rather than pick one
        read.thisYear = read.thisYear || other.thisYear;
    }
    return read;
}

} // namespace

QString formatLongDate(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, QLocale::LongFormat);
}

QString longFormIfDate(const QString& text, const QLocale& locale)
{
    const QDate date = parseDate(text, locale);
    return date.isValid() ? formatLongDate(date, locale) : text;
}

QDate parseDate(const QString& text, const QLocale& locale)
{
    return readDate(text, locale).date;
}

bool dateTextOmitsYear(const QString& text, const QLocale& locale)
{
    return readDate(text, locale).thisYear;
}

QDate firstStorableDate()
{
    return QDate(1, 1, 1);
}

QDate lastStorableDate()
{
    return QDate(9999, 12, 31);
}

bool isStorableDate(const QDate& date, const QLocale& locale)
{
    return date.isValid() && date >= firstStorableDate() && date <= lastStorableDate() &&
           parseDate(formatLongDate(date, locale), locale) == date;
}

QString exampleDateText(const QLocale& locale)
{
    return formatLongDate(QDate(2026, 12, 7), locale);
}

} // namespace store
