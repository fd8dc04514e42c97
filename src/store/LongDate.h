#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace store {

// Dates are stored and shown in the locale's long format.
QString formatLongDate(const QDate& date, const QLocale& locale = QLocale());

// A stored date as the lists and the editor show it: in the long form when the
// text reads as a date, otherwise unchanged.
QString longFormIfDate(const QString& text, const QLocale& locale = QLocale());

// Reads back every date form the program meets, and nothing else:
//  - blanks simplified, case ignored;
//  - the locale's long form, with or without its weekday; a weekday that is
//    given must be the date's own ("Tuesday, December 7, 2026" is no date);
//  - month names in full or abbreviated, in the locale's language or English,
//    and a day before a month name in any locale ("25 December 2026", "25-Dec-2026");
//  - numeric dates in the order of the locale's short format, day and month of
//    one or two digits, year of two or four digits (two-digit years: 1930-2029);
//  - ISO yyyy-MM-dd;
//  - a month name and a day without a year ("March 4", "4 March"), and day and
//    month in the short format's order without a year ("12/25" in en_US, "25.12"
//    in de_DE): the nearest such day to Clock's today, within six months either
//    way ("Jan 2" on December 28 is next January 2).
// Returns an invalid QDate for anything else; it never guesses between readings.
QDate parseDate(const QString& text, const QLocale& locale = QLocale());

// True when `text` reads as a date only by taking the year from today: it
// would name another day a year later, so it is never stored as typed.
bool dateTextOmitsYear(const QString& text, const QLocale& locale = QLocale());

// The days a writer may store: those whose long form parseDate reads back to the
// same day (four-digit years, 1 to 9999).
QDate firstStorableDate();
QDate lastStorableDate();
bool isStorableDate(const QDate& date, const QLocale& locale = QLocale());

// An example of an accepted date for messages ("December 7, 2026" style).
QString exampleDateText(const QLocale& locale = QLocale());

} // namespace store
