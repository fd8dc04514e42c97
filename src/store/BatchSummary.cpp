#include "store/BatchSummary.h"

#include "store/DataFolder.h"
#include "store/LongDate.h"
#include "store/RecipeFile.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <QDir>
#include <QHash>

namespace store {

namespace {

QString lineOr(const QStringList& lines, int index)
{
    return index < lines.size() ? lines.at(index) : QString();
}

QString shownStartDate(const QString& text)
{
    const QDate date = parseDate(text);
    return date.isValid() ? formatLongDate(date) : text;
}

struct RecipeLookup
{
    QString description;
    QString error; // empty when the recipe was read
};

RecipeLookup lookUpRecipe(const QString& dataRoot, const QString& number)
{
    try {
        const QString path = recipeFilePath(dataRoot, number);
        const QString line1 = readFirstLine(
            path, STORE_TR("the recipe file \"%1\"").arg(QDir::toNativeSeparators(path)));
        return {recipeDescriptionOf(line1), QString()};
    } catch (const StoreError& error) {
        return {QString(), error.message()};
    }
}

} // namespace

QVector<BatchSummary> listBatchSummaries(const QString& dataRoot, BatchFolder folder)
{
    const QString dir = batchFolderPath(dataRoot, folder);
    const QStringList names =
        listBatchFiles(dir, folder == BatchFolder::Active ? STORE_TR("the batches in progress")
                                                          : STORE_TR("the completed batches"));
    // One read per recipe and listing; nothing is kept between visits.
    QHash<QString, RecipeLookup> recipes;
    QVector<BatchSummary> rows;
    rows.reserve(names.size());
    for (const QString& name : names) {
        BatchSummary row;
        row.batchId = batchIdFromFileName(name);
        const QString path = QDir(dir).filePath(name);
        QStringList lines;
        try {
            lines = readTextLines(path, STORE_TR("the batch file of batch %1").arg(row.batchId));
            batchFromLines(lines, QDir::toNativeSeparators(path));
        } catch (const StoreError& error) {
            row.problem = BatchSummary::Problem::Damaged;
            row.problemText = error.message();
        }
        row.customerName = lineOr(lines, BatchHeader::CustomerName);
        row.variety = lineOr(lines, BatchHeader::Variety);
        row.startDate = shownStartDate(lineOr(lines, BatchHeader::StartDate));
        if (lines.size() > BatchHeader::RecipeNumber) {
            row.recipeNumber = lines.at(BatchHeader::RecipeNumber);
            auto found = recipes.constFind(row.recipeNumber);
            if (found == recipes.constEnd())
                found = recipes.insert(row.recipeNumber, lookUpRecipe(dataRoot, row.recipeNumber));
            row.recipeDescription = found->description;
            if (!found->error.isEmpty() && row.problem == BatchSummary::Problem::None) {
                row.problem = BatchSummary::Problem::RecipeMissing;
                row.problemText = found->error;
            }
        }
        rows << row;
    }
    return rows;
}

} // namespace store
