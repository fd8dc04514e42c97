#include "store/BatchIndex.h"

#include "store/DataFolder.h"
#include "store/GivenWords.h"
#include "store/LongDate.h"
#include "store/RecipeFile.h"
#include "store/SearchText.h"
#include "store/StoreError.h"
#include "store/TextFileLines.h"
#include "store/TextLines.h"

#include <QDir>

namespace store {

namespace {

constexpr int kReadLines = BatchHeader::RecipeNumber + 1;

// The header lines a search looks in, beside the identifier and the recipe.
constexpr BatchHeader::Field kSearched[] = {
    BatchHeader::CustomerName, BatchHeader::Phone1,       BatchHeader::Phone2, BatchHeader::Email,
    BatchHeader::OtherID,      BatchHeader::SerialNumber, BatchHeader::Variety};

QStringView lineOr(const TextFileLines& lines, int index)
{
    return index < lines.size() ? lines.at(index) : QStringView();
}

FileSubject folderSubject(BatchFolder folder)
{
    return FileSubject(folder == BatchFolder::Active ? FileSubject::ActiveBatches
                                                     : FileSubject::CompletedBatches);
}

} // namespace

BatchIndex BatchIndex::load(const QString& dataRoot)
{
    BatchIndex index;
    for (const BatchFolder folder : {BatchFolder::Active, BatchFolder::Completed}) {
        const QString dir = batchFolderPath(dataRoot, folder);
        const QStringList names = listBatchFiles(dir, folderSubject(folder));
        index.m_batches.reserve(index.m_batches.size() + names.size());
        index.m_folded.reserve(index.m_folded.size() + names.size());
        for (const QString& name : names)
            index.add(dataRoot, folder, name);
    }
    index.rebuildLookup();
    return index;
}

void BatchIndex::add(const QString& dataRoot, BatchFolder folder, const QString& fileName)
{
    IndexedBatch batch;
    batch.batchId = batchIdFromFileName(fileName);
    batch.folder = folder;
    TextFileLines lines;
    try {
        lines = TextFileLines::read(QDir(batchFolderPath(dataRoot, folder)).filePath(fileName),
                                    FileSubject::batchFile(batch.batchId), kReadLines);
    } catch (const StoreError&) {
        batch.damaged = true;
    }
    if (lines.size() < kReadLines)
        batch.damaged = true;
    batch.customerName = lineOr(lines, BatchHeader::CustomerName).toString();
    batch.variety = lineOr(lines, BatchHeader::Variety).toString();
    batch.startDate = longFormIfDate(lineOr(lines, BatchHeader::StartDate).toString());

    QString searched = batch.batchId;
    for (const BatchHeader::Field field : kSearched) {
        searched += QLatin1Char('\n');
        searched += lineOr(lines, field);
    }
    // A colour is found by its word in this PC's language and in English,
    // whichever language wrote it.
    const QString colour = lineOr(lines, BatchHeader::Colour).toString();
    searched += QLatin1Char('\n') + colourToStore(colour) + QLatin1Char(' ') + shownColour(colour);
    const QString recipe = lineOr(lines, BatchHeader::RecipeNumber).toString();
    if (!recipe.isEmpty()) {
        auto found = m_recipes.constFind(recipe);
        if (found == m_recipes.constEnd()) {
            QString description;
            try {
                description = recipeDescriptionOf(readFirstLine(recipeFilePath(dataRoot, recipe),
                                                                FileSubject::recipeFile(recipe)));
            } catch (const StoreError&) {
                // A missing recipe only leaves its words out of the search.
            }
            found = m_recipes.insert(recipe, description);
        }
        searched += QLatin1Char('\n');
        searched += found.value();
    }
    m_batches << batch;
    m_folded << foldForSearchable(searched);
}

void BatchIndex::rebuildLookup()
{
    m_byId.clear();
    m_byId.reserve(m_batches.size());
    for (qsizetype i = 0; i < m_batches.size(); ++i)
        m_byId.insert(m_batches.at(i).batchId.toCaseFolded(), i);
}

QVector<qsizetype> BatchIndex::find(const QString& query) const
{
    QVector<qsizetype> found;
    const QStringList words = searchWords(query);
    if (words.isEmpty())
        return found;
    for (qsizetype i = 0; i < m_folded.size(); ++i) {
        if (containsEveryWord(m_folded.at(i), words))
            found << i;
    }
    return found;
}

qsizetype BatchIndex::indexOf(const QString& batchId) const
{
    return m_byId.value(batchId.trimmed().toCaseFolded(), -1);
}

void BatchIndex::refresh(const QString& dataRoot, const QString& batchId)
{
    const qsizetype old = indexOf(batchId);
    if (old >= 0) {
        m_batches.remove(old);
        m_folded.remove(old);
    }
    BatchFolder folder;
    QString foundId;
    if (locateBatch(dataRoot, batchId, &folder, &foundId)) {
        const QString name = existingNameAnyCase(batchFolderPath(dataRoot, folder),
                                                 foundId + QStringLiteral(".txt"));
        // Kept where it stood, so the rows of a search on screen do not jump about.
        const qsizetype at = old >= 0 ? old : m_batches.size();
        BatchIndex one;
        one.m_recipes = m_recipes;
        one.add(dataRoot, folder, name);
        m_batches.insert(at, one.m_batches.constFirst());
        m_folded.insert(at, one.m_folded.constFirst());
    }
    rebuildLookup();
}

bool locateBatch(const QString& dataRoot, const QString& batchId, BatchFolder* folder,
                 QString* foundId)
{
    const QString id = batchId.trimmed();
    if (!isSafeBatchId(id))
        return false;
    for (const BatchFolder where : {BatchFolder::Active, BatchFolder::Completed}) {
        const QString name =
            existingNameAnyCase(batchFolderPath(dataRoot, where), id + QStringLiteral(".txt"));
        if (!name.isEmpty()) {
            *folder = where;
            *foundId = batchIdFromFileName(name);
            return true;
        }
    }
    return false;
}

} // namespace store
