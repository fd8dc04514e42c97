#pragma once

#include "store/BatchFile.h"
#include "store/RecipeFile.h"

#include <QMap>
#include <QTemporaryDir>

// A real data folder in a temporary directory, laid out as a shop has it: the
// four folders, the counter, the Misc lists, and a program folder holding a
// "VT.Loc" that names the data folder.
class DataFixture
{
public:
    enum class Layout
    {
        Full,
        Bare
    };
    explicit DataFixture(Layout layout = Layout::Full);

    QString base() const { return m_dir.path(); }
    QString programDir() const;
    QString configDir() const;
    QString dataFolder() const;
    QString dataRoot() const { return dataFolder() + QLatin1Char('/'); }
    QString path(const QString& relative) const;

    void writeBytes(const QString& relative, const QByteArray& bytes) const;
    void writeLines(const QString& relative, const QStringList& lines) const; // CR LF
    QByteArray bytes(const QString& relative) const;
    bool exists(const QString& relative) const;

    void writeRecipe(const QString& number, const QString& description,
                     const QVector<store::RecipeRow>& rows) const;
    // Writes a batch file into the active (or completed) folder.
    void writeBatch(const QString& batchId, const store::BatchFile& batch,
                    const QString& folder = QStringLiteral("Active Batches")) const;

    // Renames the counter, the four folders and the Misc files as a system that
    // ignores letter case may have written them: "BATCH-ID.TXT", "RECIPES",
    // "active batches", "COMPLETED BATCHES", "misc/VARIETIES.TXT",
    // "misc/recipe actions.txt", "misc/CHEMICAL INGREDIENTS.TXT".
    void renameToOtherLetterCase() const;

    // Every file under the data folder, by relative path, with its bytes.
    QMap<QString, QByteArray> snapshot() const;

private:
    QTemporaryDir m_dir;
};

// A batch as batch creation writes it: a customer, a variety, a start date, a
// recipe, and `actions` open records due one week apart from 2026-12-01.
store::BatchFile sampleBatch(int actions, const QString& customer = QStringLiteral("Ann Smith"));
