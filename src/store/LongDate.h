#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace store {

// Dates are stored and shown in the locale's long format.
QString formatLongDate(const QDate& date, const QLocale& locale = QLocale());

// Reads back every date form the program meets, and nothing else:
//  - blanks simplified, case ignored;
//  - the locale's long form, with or without its weekday (not checked);
//  - month names in full or abbreviated, in the locale's language or English;
//  - numeric dates in the order of the locale's short format, day and month of
//    one or two digits, year of two or four digits (two-digit years: 1930-2029);
//  - ISO yyyy-MM-dd.
// Returns an invalid QDate for anything else; it never guesses.
QDate parseDate(const QString& text, const QLocale& locale = QLocale());

// An example of an accepted date for messages ("December 7, 2026" style).
QString exampleDateText(const QLocale& locale = QLocale());

} // namespace store
