#include "app/Fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace app {

namespace {

void substitute(const QString& family, const QStringList& candidates)
{
    if (QFontDatabase::hasFamily(family))
        return;
    QStringList available;
    for (const QString& candidate : candidates) {
        if (QFontDatabase::hasFamily(candidate))
            available << candidate;
    }
    if (!available.isEmpty())
        QFont::insertSubstitutions(family, available);
}

} // namespace

void installFontSubstitutes()
{
    // Liberation Sans has Arial's metrics, so printed columns keep their widths.
    substitute(QStringLiteral("Arial"),
               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    substitute(QStringLiteral("Georgia"),
               {QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif")});
}

} // namespace app
