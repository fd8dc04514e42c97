#include "store/SearchText.h"

#include <QRegularExpression>

namespace store {

namespace {

bool isAscii(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// Letters that decomposition leaves whole, in their lower-case form.
QStringView plainLetters(char16_t c)
{
    switch (c) {
    case u'ß':
        return u"ss";
    case u'ł':
        return u"l";
    case u'ø':
        return u"o";
    case u'đ':
        return u"d";
    case u'æ':
        return u"ae";
    case u'œ':
        return u"oe";
    case u'ı':
        return u"i";
    case u'þ':
        return u"th";
    default:
        return {};
    }
}

} // namespace

QString foldForSearch(QStringView text)
{
    if (isAscii(text))
        return text.toString().toLower();
    const QString decomposed =
        text.toString().toCaseFolded().normalized(QString::NormalizationForm_KD).toCaseFolded();
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
            category == QChar::Mark_Enclosing)
            continue;
        const QStringView plain = plainLetters(c.unicode());
        if (plain.isEmpty())
            folded += c;
        else
            folded += plain;
    }
    return folded;
}

namespace {

QString withoutPunctuation(QStringView folded)
{
    QString plain;
    plain.reserve(folded.size());
    for (const QChar c : folded) {
        if (c.isLetterOrNumber() || c.isSpace())
            plain += c;
    }
    return plain;
}

// Digits run together across the blanks between them ("555 0199" as "5550199").
QString digitsJoined(const QString& plain)
{
    QString joined;
    joined.reserve(plain.size());
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const QChar c = plain.at(i);
        if (c.isSpace() && !joined.isEmpty() && joined.back().isDigit() && i + 1 < plain.size() &&
            plain.at(i + 1).isDigit())
            continue;
        joined += c;
    }
    return joined;
}

} // namespace

QString foldForSearchable(QStringView text)
{
    const QString folded = foldForSearch(text);
    const QString plain = withoutPunctuation(folded);
    return folded + QLatin1Char('\n') + plain + QLatin1Char('\n') + digitsJoined(plain);
}

QStringList searchWords(const QString& query)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QStringList words = foldForSearch(query).split(blanks, Qt::SkipEmptyParts);
    for (QString& word : words) {
        const QString plain = withoutPunctuation(word);
        if (!plain.isEmpty())
            word = plain;
    }
    words.removeDuplicates();
    return words;
}

bool containsEveryWord(QStringView folded, const QStringList& words)
{
    for (const QString& word : words) {
        if (!folded.contains(word))
            return false;
    }
    return true;
}

} // namespace store
