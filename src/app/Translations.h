#pragma once

#include <QLocale>

namespace app {

// Installs the program's French texts, and Qt's own (the buttons of message
// boxes), when `locale` puts French first among its languages. English is the
// text of record and needs nothing. True when the French texts were installed.
bool installTranslations(const QLocale& locale = QLocale::system());

} // namespace app
