#pragma once

#include "DataFixture.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTimeZone>
#include <fcntl.h>
#include <sys/stat.h>

namespace backuptest {

// A shop's folder as the years leave it: batches in UTF-8 and in
// Windows-1252, a completed batch, recipes, the Misc lists, an empty folder,
// and files whose times lie years back.
inline void writeShop(const DataFixture& fx)
{
    fx.writeRecipe(QStringLiteral("0003"), QStringLiteral("Merlot six week kit"),
                   {{QStringLiteral("1"), QStringLiteral("Add yeast and stir")},
                    {QStringLiteral("8"), QStringLiteral("Rack into a clean carboy")}});
    fx.writeBatch(QStringLiteral("2026-000038"), sampleBatch(3, QStringLiteral("Zoë Côté")));
    fx.writeBatch(QStringLiteral("2026-000039"), sampleBatch(2, QStringLiteral("Anna Schäfer")),
                  QStringLiteral("Completed Batches"));
    QByteArray older = fx.bytes(QStringLiteral("Active Batches/2026-000038.txt"));
    older.replace("Zo\xC3\xAB C\xC3\xB4t\xC3\xA9", "Ren\xE9 Lef\xE8vre \x96 caf\xE9");
    fx.writeBytes(QStringLiteral("Active Batches/2026-000040.txt"), older);
    QDir(fx.dataFolder()).mkpath(QStringLiteral("Old Records"));
    // Times from years back, to the second.
    const QDateTime then(QDate(2019, 3, 4), QTime(5, 6, 7), Qt::UTC);
    for (const char* file : {"Misc/Varieties.txt", "Active Batches/2026-000040.txt"}) {
        struct timespec times[2];
        times[0].tv_sec = then.toSecsSinceEpoch();
        times[0].tv_nsec = 0;
        times[1] = times[0];
        ::utimensat(AT_FDCWD, QFile::encodeName(fx.path(QString::fromLatin1(file))).constData(),
                    times, 0);
    }
}

// Every file and folder under `root` with its bytes and modification time.
inline QMap<QString, QString> tree(const QString& root)
{
    QMap<QString, QString> found;
    const QDir dir(root);
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        QString value = QString::number(info.lastModified().toSecsSinceEpoch());
        if (info.isDir()) {
            value += QStringLiteral(" folder");
        } else {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            value += QLatin1Char(' ') + QString::fromLatin1(file.readAll().toHex());
        }
        found.insert(dir.relativeFilePath(path), value);
    }
    return found;
}

inline QStringList names(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace backuptest
