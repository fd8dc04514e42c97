#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class QWidget;

// The texts of translations/vintrelo_fr.ts: every English source text and every
// French translation.
struct TranslationTexts
{
    QSet<QString> sources;
    QSet<QString> translations;
};
const TranslationTexts& frenchTexts();

// What is wrong with a screen shown in French: each visible label (other than
// the values of a batch), button, frame title, grid heading and window title
// still in English (an English
// source text that is not also its own French translation, as "Notes" is), or
// a French text cut off (wider or taller than the room its control has).
// Empty when the whole screen reads in French.
QStringList frenchProblems(QWidget* screen);
