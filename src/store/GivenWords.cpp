#include "store/GivenWords.h"

#include "store/LongDate.h"
#include "store/StoreError.h"

namespace store {

namespace {

struct GivenWord
{
    const char* english;
    // What the French translation shows, which French PCs once wrote into files.
    const char* french;
};

const GivenWord kColours[] = {{QT_TRANSLATE_NOOP("Store", "White"), "Blanc"},
                              {QT_TRANSLATE_NOOP("Store", "Red"), "Rouge"},
                              {QT_TRANSLATE_NOOP("Store", "Blush"), "Rosé"}};

const GivenWord kManualAction = {QT_TRANSLATE_NOOP("Store", "New action manually created"),
                                 "Nouvelle opération créée manuellement"};

bool names(const GivenWord& word, const QString& text)
{
    const QString trimmed = text.trimmed();
    for (const QString& form : {QString::fromUtf8(word.english), QString::fromUtf8(word.french),
                                StoreText::tr(word.english)}) {
        if (trimmed.compare(form, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

const GivenWord* colourNamed(const QString& text)
{
    for (const GivenWord& colour : kColours) {
        if (names(colour, text))
            return &colour;
    }
    return nullptr;
}

} // namespace

QStringList givenColours()
{
    QStringList colours;
    for (const GivenWord& colour : kColours)
        colours << QString::fromUtf8(colour.english);
    return colours;
}

QString colourToStore(const QString& colour)
{
    // Only this PC's own words for the colours it offers; anything else is kept as typed.
    for (const GivenWord& given : kColours) {
        const QString english = QString::fromUtf8(given.english);
        const QString translated = StoreText::tr(given.english);
        if (translated != english && colour.trimmed().compare(translated, Qt::CaseInsensitive) == 0)
            return english;
    }
    return colour;
}

QString shownColour(const QString& stored)
{
    const GivenWord* given = colourNamed(stored);
    return given ? StoreText::tr(given->english) : stored;
}

QString manualActionText()
{
    return QString::fromUtf8(kManualAction.english);
}

QString actionToStore(const QString& typed)
{
    // Only the default exactly as offered: an action a person typed is theirs.
    if (typed == StoreText::tr(kManualAction.english) || typed == kManualAction.french)
        return manualActionText();
    return typed;
}

QString shownAction(const QString& stored)
{
    if (stored == manualActionText() || stored == QString::fromUtf8(kManualAction.french))
        return StoreText::tr(kManualAction.english);
    return stored;
}

QString shownHeaderField(BatchHeader::Field field, const QString& stored)
{
    if (field == BatchHeader::StartDate)
        return longFormIfDate(stored);
    if (field == BatchHeader::Colour)
        return shownColour(stored);
    return stored;
}

} // namespace store
