#include "DataFixture.h"

#include "store/LongDate.h"
#include "store/TextLines.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

DataFixture::DataFixture(Layout layout)
{
    QDir(base()).mkpath(QStringLiteral("program"));
    QDir(base()).mkpath(QStringLiteral("config"));
    QDir(base()).mkpath(QStringLiteral("data"));
    writeLines(QStringLiteral("../program/VT.Loc"), {dataFolder()});
    // One installation for every fixture, so that folders compare whole.
    writeLines(QStringLiteral("../config/installation.ini"),
               {QStringLiteral("[installation]"),
                QStringLiteral("id=6b1c0f3e-2d4a-4e8f-9a7b-5c3d2e1f0a9b")});
    if (layout == Layout::Bare)
        return;
    for (const char* folder : {"Recipes", "Active Batches", "Completed Batches", "Misc"})
        QDir(dataFolder()).mkpath(QString::fromLatin1(folder));
    writeLines(QStringLiteral("Batch-ID.txt"), {QStringLiteral("41")});
    writeLines(QStringLiteral("Misc/Varieties.txt"),
               {QStringLiteral("Cabernet Sauvignon"), QStringLiteral("Merlot"),
                QStringLiteral("Chardonnay")});
    writeLines(QStringLiteral("Misc/Recipe Actions.txt"),
               {QStringLiteral("Add yeast and stir"), QStringLiteral("Rack into a clean carboy"),
                QStringLiteral("Bottle")});
    writeLines(QStringLiteral("Misc/Chemical Ingredients.txt"),
               {QStringLiteral("Ingredient:        Bentonite"),
                QStringLiteral("Usage:             Clearing"),
                QStringLiteral("Typical Additions: 1 tbsp per 23 L"),
                QStringLiteral("Weights:           1 tbsp = 9 g"),
                QStringLiteral("Comments:          Stir into water first"),
                QString(40, QLatin1Char('-'))});
}

QString DataFixture::programDir() const
{
    return QDir(base()).filePath(QStringLiteral("program"));
}

QString DataFixture::configDir() const
{
    return QDir(base()).filePath(QStringLiteral("config"));
}

QString DataFixture::dataFolder() const
{
    return QDir(base()).filePath(QStringLiteral("data"));
}

QString DataFixture::path(const QString& relative) const
{
    return QDir::cleanPath(QDir(dataFolder()).filePath(relative));
}

void DataFixture::writeBytes(const QString& relative, const QByteArray& bytes) const
{
    QFile file(path(relative));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("fixture: cannot write %s", qPrintable(path(relative)));
    file.write(bytes);
}

void DataFixture::writeLines(const QString& relative, const QStringList& lines) const
{
    writeBytes(relative, store::encodeLines(lines));
}

QByteArray DataFixture::bytes(const QString& relative) const
{
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool DataFixture::exists(const QString& relative) const
{
    return QFile::exists(path(relative));
}

void DataFixture::writeRecipe(const QString& number, const QString& description,
                              const QVector<store::RecipeRow>& rows) const
{
    writeLines(QStringLiteral("Recipes/") + number + QStringLiteral(".txt"),
               store::recipeToLines(number, description, rows));
}

void DataFixture::writeBatch(const QString& batchId, const store::BatchFile& batch,
                             const QString& folder) const
{
    writeLines(folder + QLatin1Char('/') + batchId + QStringLiteral(".txt"),
               store::batchToLines(batch));
}

void DataFixture::renameToOtherLetterCase() const
{
    // Files inside a folder first, while the folder still has its usual name.
    const QList<QPair<QString, QString>> renames{
        {QStringLiteral("Misc/Varieties.txt"), QStringLiteral("Misc/VARIETIES.TXT")},
        {QStringLiteral("Misc/Recipe Actions.txt"), QStringLiteral("Misc/recipe actions.txt")},
        {QStringLiteral("Misc/Chemical Ingredients.txt"),
         QStringLiteral("Misc/CHEMICAL INGREDIENTS.TXT")},
        {QStringLiteral("Batch-ID.txt"), QStringLiteral("BATCH-ID.TXT")},
        {QStringLiteral("Recipes"), QStringLiteral("RECIPES")},
        {QStringLiteral("Active Batches"), QStringLiteral("active batches")},
        {QStringLiteral("Completed Batches"), QStringLiteral("COMPLETED BATCHES")},
        {QStringLiteral("Misc"), QStringLiteral("misc")}};
    for (const auto& [from, to] : renames) {
        if (!exists(from)) // a part the test has taken away stays away
            continue;
        if (!QDir(dataFolder()).rename(from, to))
            qFatal("DataFixture: cannot rename %s", qPrintable(from));
    }
}

QMap<QString, QByteArray> DataFixture::snapshot() const
{
    QMap<QString, QByteArray> files;
    const QDir root(dataFolder());
    QDirIterator it(dataFolder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        files.insert(root.relativeFilePath(file), f.readAll());
    }
    return files;
}

store::BatchFile sampleBatch(int actions, const QString& customer)
{
    using store::BatchHeader;
    store::BatchFile batch;
    batch.header.setField(BatchHeader::CustomerName, customer);
    batch.header.setField(BatchHeader::Phone1, QStringLiteral("555-0101"));
    batch.header.setField(BatchHeader::Variety, QStringLiteral("Merlot"));
    batch.header.setField(BatchHeader::Colour, QStringLiteral("Red"));
    batch.header.setField(BatchHeader::Vintner, QStringLiteral("Joe"));
    const QDate start(2026, 12, 1);
    batch.header.setField(BatchHeader::StartDate, store::formatLongDate(start));
    batch.header.setField(BatchHeader::RecipeNumber, QStringLiteral("0003"));
    for (int i = 0; i < actions; ++i) {
        store::ActionRecord record;
        record.DayNumber = QString::number(1 + 7 * i);
        record.DueDate = store::formatLongDate(start.addDays(7 * i));
        record.Action = QStringLiteral("Step %1").arg(i + 1);
        batch.records << record;
    }
    return batch;
}
