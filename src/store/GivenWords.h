#pragma once

#include "store/BatchFile.h"

#include <QString>
#include <QStringList>

namespace store {

// Words the program itself puts into batch files. PCs in different languages
// share one data folder, so the files hold the given English words on every PC,
// and each PC shows them in its own language. Files written before this rule
// may hold a translated word; it reads as the word it translates.

// The colours a new batch offers, as the files hold them: White, Red, Blush.
QStringList givenColours();
// A colour as it is written: a colour word of this PC's language becomes the
// given English one; any other text is written as typed.
QString colourToStore(const QString& colour);
// A stored colour as this PC shows it: a given colour word, in whatever
// language it was written, in this PC's language; any other text as stored.
QString shownColour(const QString& stored);

// The action text the note after a postponement starts with, as files hold it.
QString manualActionText();
// The action as typed on the note screen, as it is written: the default text
// in this PC's language is written in English.
QString actionToStore(const QString& typed);
// A stored action as this PC shows it: the default note text in this PC's
// language, any other action as stored.
QString shownAction(const QString& stored);

// A header field as this PC shows it: the start date in this PC's long form,
// the colour in its words, any other field as stored.
QString shownHeaderField(BatchHeader::Field field, const QString& stored);

} // namespace store
