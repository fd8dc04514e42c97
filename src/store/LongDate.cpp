#include "store/LongDate.h"

#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QStringView>
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
    Mark
};

struct Atom
{
    Part part;
    QString text; // a Word or Mark of the format's literal text
    bool optional = false;
    bool joined = false; // a Word the format writes against the next field ("日" in "d日dddd")
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
    QList<Form> forms;        // the long and the short format
    QList<Part> numericOrder; // day, month and year as the short format orders them
    QList<Name> months;       // value 1..12
    QList<Name> weekdays;     // only matched, never checked
};

bool isField(Part part)
{
    return part != Part::Word && part != Part::Mark;
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

// Keeps only forms naming each of day, month and year once, and marks what
// the user may leave out.
bool prepareForm(Form& form)
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
    if (days != 1 || months != 1 || years != 1 || weekdays > 1)
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

std::shared_ptr<const Grammar> buildGrammar(const QLocale& locale)
{
    auto grammar = std::make_shared<Grammar>();
    for (const QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat}) {
        Form form = formOf(locale.dateFormat(type));
        if (prepareForm(form))
            grammar->forms.append(form);
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

    // en_GB adds "Sept" to the US names.
    const QLocale sources[] = {locale, QLocale(QLocale::English, QLocale::UnitedStates),
                               QLocale(QLocale::English, QLocale::UnitedKingdom)};
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
};

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
    Matcher(const Grammar& grammar, const QString& text) : m_grammar(grammar), m_text(text) {}

    void match(const Form& form, qsizetype index, qsizetype pos, Fields fields,
               QList<QDate>& dates) const
    {
        pos = skipBlank(m_text, pos);
        if (index == form.size()) {
            const QDate date(fields.year, fields.month, fields.day);
            if (pos == m_text.size() && date.isValid())
                dates.append(date);
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
                if (atom.part == Part::MonthName)
                    named.month = name.value;
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
};

void matchIso(const QString& text, QList<QDate>& dates)
{
    static const QRegularExpression iso(QStringLiteral("^([0-9]{4})-([0-9]{1,2})-([0-9]{1,2})$"));
    const QRegularExpressionMatch m = iso.match(text);
    if (!m.hasMatch())
        return;
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (date.isValid())
        dates.append(date);
}

void matchNumeric(const Grammar& grammar, const QString& text, QList<QDate>& dates)
{
    if (grammar.numericOrder.isEmpty())
        return;
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
    const QDate date(fields.year, fields.month, fields.day);
    if (date.isValid())
        dates.append(date);
}

} // namespace

QString formatLongDate(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, QLocale::LongFormat);
}

QDate parseDate(const QString& text, const QLocale& locale)
{
    const QString simple = text.simplified().toLower();
    if (simple.isEmpty())
        return QDate();

    const std::shared_ptr<const Grammar> grammar = grammarFor(locale);
    QList<QDate> dates;
    matchIso(simple, dates);
    matchNumeric(*grammar, simple, dates);
    const Matcher matcher(*grammar, simple);
    for (const Form& form : grammar->forms)
        matcher.match(form, 0, 0, Fields(), dates);

    // Readings that disagree mean the text is ambiguous: refuse rather than pick one.
    for (const QDate& date : dates) {
        if (date != dates.constFirst())
            return QDate();
    }
    return dates.isEmpty() ? QDate() : dates.constFirst();
}

QString exampleDateText(const QLocale& locale)
{
    return formatLongDate(QDate(2026, 12, 7), locale);
}

} // namespace store
