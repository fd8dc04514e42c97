#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace store {

// Text as a search compares it: letters in one case, accents and other marks
// dropped, and the few letters that carry no separable mark written plainly,
// so that "muller" finds "Müller" and "lodz" finds "Łódź".
QString foldForSearch(QStringView text);

// A field's text as the search keeps it: folded, then once more without its
// punctuation, so that "5550199" finds "(514) 555-0199" and "obrien" finds
// "O'Brien".
QString foldForSearchable(QStringView text);

// The words of a query, each folded and without punctuation (a word of
// punctuation alone stays as typed); blanks of any kind separate them.
QStringList searchWords(const QString& query);

// True when `folded` (a text already folded) contains every word.
bool containsEveryWord(QStringView folded, const QStringList& words);

} // namespace store
