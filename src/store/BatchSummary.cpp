#include "store/BatchSummary.h"

#include "store/DataFolder.h"
#include "store/LongDate.h"
#include "store/RecipeFile.h"
#include "store/StoreError.h"
#include "store/TextFileLines.h"

#include <QDir>
#include <QHash>

namespace store {

namespace {

// The lists show header lines 1, 11, 19 and 20 and read no further: a file is
// opened, read to its 20th line and closed. Damage further down is found by the
// editor, which reads the whole file and refuses it.
constexpr int kListedLines = BatchHeader::RecipeNumber + 1;

QString lineOr(const TextFileLines& lines, int index)
{
    return index < lines.size() ? lines.text(index) : QString();
}

// Batches started on the same day share the text of their start date.
class StartDates
{
public:
    QString shown(const QString& text)
    {
        auto it = m_shown.constFind(text);
        if (it == m_shown.constEnd())
            it = m_shown.insert(text, longFormIfDate(text));
        return it.value();
    }

private:
    QHash<QString, QString> m_shown;
};

struct RecipeLookup
{
    QString description;
    QString error; // empty when the recipe was read
};

RecipeLookup lookUpRecipe(const QString& dataRoot, const QString& number)
{
    try {
        const QString path = recipeFilePath(dataRoot, number);
        const TextFileLines lines =
            TextFileLines::read(path, FileSubject::recipeFile(QDir::toNativeSeparators(path)), 1);
        return {recipeDescriptionOf(lineOr(lines, 0)), QString()};
    } catch (const StoreError& error) {
        return {QString(), error.message()};
    }
}

} // namespace

QVector<BatchSummary> listBatchSummaries(const QString& dataRoot, BatchFolder folder)
{
    const QString dir = batchFolderPath(dataRoot, folder);
    const QStringList names = listBatchFiles(dir, FileSubject(folder == BatchFolder::Active
                                                                  ? FileSubject::ActiveBatches
                                                                  : FileSubject::CompletedBatches));
    // One read per recipe and listing; nothing is kept between visits.
    QHash<QString, RecipeLookup> recipes;
    StartDates startDates;
    QVector<BatchSummary> rows;
    rows.reserve(names.size());
    for (const QString& name : names) {
        BatchSummary row;
        row.batchId = batchIdFromFileName(name);
        const QString path = QDir(dir).filePath(name);
        TextFileLines lines;
        try {
            lines = TextFileLines::read(path, FileSubject::batchFile(row.batchId), kListedLines);
            if (lines.size() < kListedLines) // the reader's own words for a short header
                batchFromLines(lines.toStringList(), QDir::toNativeSeparators(path));
        } catch (const StoreError& error) {
            row.problem = BatchSummary::Problem::Damaged;
            row.problemText = error.message();
        }
        row.customerName = lineOr(lines, BatchHeader::CustomerName);
        row.variety = lineOr(lines, BatchHeader::Variety);
        row.startDate = startDates.shown(lineOr(lines, BatchHeader::StartDate));
        if (lines.size() > BatchHeader::RecipeNumber) {
            row.recipeNumber = lines.text(BatchHeader::RecipeNumber);
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
