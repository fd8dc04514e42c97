#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace app {

bool installTranslations(const QLocale& locale)
{
    const QStringList languages = locale.uiLanguages();
    if (languages.isEmpty() || QLocale(languages.constFirst()).language() != QLocale::French)
        return false;
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(QStringLiteral(":/i18n/vintrelo_fr.qm"))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    // Present when the system has Qt's translations installed.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

} // namespace app
