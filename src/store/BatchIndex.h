#pragma once

#include "store/BatchFile.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

namespace store {

// One batch as the search lists it.
struct IndexedBatch
{
    QString batchId;
    BatchFolder folder = BatchFolder::Active;
    QString customerName;
    QString variety;
    QString startDate; // in long form when it reads as a date
    bool damaged = false;
};

// The batches of both folders, kept in memory while a search screen is open so
// that each key typed searches without reading a file. Each batch file is read
// to its 20th line, as the lists read it; a damaged file stays searchable by what
// could be read.
class BatchIndex
{
public:
    // Reads the active then the completed folder, each in listing order. Throws
    // StoreError only when a folder cannot be listed.
    static BatchIndex load(const QString& dataRoot);

    qsizetype size() const { return m_batches.size(); }
    const IndexedBatch& at(qsizetype index) const { return m_batches.at(index); }

    // The batches whose identifier, customer name, phone numbers, e-mail, other
    // I.D., serial number, variety or recipe description contain every word of
    // `query`, case and accents ignored; in index order. An empty query finds nothing.
    QVector<qsizetype> find(const QString& query) const;

    // The batch of exactly this identifier (any letter case), or -1.
    qsizetype indexOf(const QString& batchId) const;

    // Reads one batch again, after it was edited, completed or moved: its entry
    // follows the file, or goes when the file is gone.
    void refresh(const QString& dataRoot, const QString& batchId);

private:
    void add(const QString& dataRoot, BatchFolder folder, const QString& fileName);
    void rebuildLookup();

    QVector<IndexedBatch> m_batches;
    QVector<QString> m_folded;         // the searched fields of each batch, folded, one text
    QHash<QString, qsizetype> m_byId;  // folded identifier to index
    QHash<QString, QString> m_recipes; // recipe number to description, read once per load
};

// Where a batch of this identifier lies, looked up in the active then the
// completed folder in any letter case; false when neither holds it. `foundId`
// receives the identifier as its file is named.
bool locateBatch(const QString& dataRoot, const QString& batchId, BatchFolder* folder,
                 QString* foundId);

} // namespace store
