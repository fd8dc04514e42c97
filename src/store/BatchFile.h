#pragma once

#include "store/BatchLayout.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace store {

// Lines 1 to 26 of a batch file. Lines 21 to 26 (five reserved lines and the
// separator) are kept as read so that a rewritten header is byte-identical.
struct BatchHeader
{
    enum Field
    {
        CustomerName,
        Address,
        City,
        Province,
        PostalCode,
        Phone1,
        Phone2,
        Email,
        OtherID,
        SerialNumber,
        Variety,
        Colour,
        Vintage,
        MustType,
        Source,
        BatchSize,
        Cost,
        Vintner,
        StartDate,
        RecipeNumber
    };
    QStringList lines; // always 26 lines

    BatchHeader();
    QString field(Field f) const { return lines.at(f); }
    void setField(Field f, const QString& value) { lines[f] = value; }
};

// One action of a batch: 13 lines, the first seven its fields. Lines 8 to 13
// (five reserved lines and the separator) are kept as read.
struct ActionRecord
{
    QString DayNumber;
    QString DueDate;
    QString Action;
    QString Amount;
    QString Measurement;
    QString Notes;
    QString DateCompleted;
    QStringList tail; // always 6 lines

    ActionRecord();
    // An action is open exactly while its completion date is empty (not trimmed).
    bool isOpen() const { return DateCompleted.isEmpty(); }
};

struct BatchFile
{
    BatchHeader header;
    QVector<ActionRecord> records;

    // The move to the completed folder is decided by the last record alone.
    bool lastRecordCompleted() const { return !records.isEmpty() && !records.constLast().isOpen(); }
};

// Which folder a batch lies in.
enum class BatchFolder
{
    Active,
    Completed
};
QString batchFolderPath(const QString& dataRoot, BatchFolder folder);
QString batchFilePath(const QString& dataRoot, BatchFolder folder, const QString& batchId);

// The identifier named by a listed file: the name without its last four characters.
QString batchIdFromFileName(const QString& fileName);

// True for an identifier that can name a file in a batch folder: not empty, no
// path separator, not "." or "..", not the scratch file.
bool isSafeBatchId(const QString& batchId);

// A header of 26 lines and whole records of 13: the only layout read as a batch.
inline bool isWholeBatchLayout(qsizetype lineCount)
{
    return lineCount >= kHeaderLines && (lineCount - kHeaderLines) % kRecordLines == 0;
}

// Lines to batch and back. fromLines throws StoreError naming `fileLabel` when
// the header is short or the last record is cut short.
QStringList batchToLines(const BatchFile& batch);
BatchFile batchFromLines(const QStringList& lines, const QString& fileLabel);

// The first record (from 1) whose due date does not parse as a date, or 0.
int firstRecordWithBadDueDate(const BatchFile& batch);

// Reads and checks a whole batch file. Throws StoreError naming the batch when
// it is missing, unreadable or damaged: a header shorter than 26 lines or a last
// record cut short, and with LayoutAndDueDates also a due date that is not a date.
enum class BatchCheck
{
    Layout,
    LayoutAndDueDates
};
BatchFile readBatchFile(const QString& dataRoot, BatchFolder folder, const QString& batchId,
                        BatchCheck check = BatchCheck::Layout);

// Creates a new batch file in the active folder. Refuses (StoreError) when a file
// of that identifier exists in the active or the completed folder; the file is
// written completely before it takes its name, so no half-written batch is left.
void writeBatchFile(const QString& dataRoot, const QString& batchId, const BatchFile& batch);

// Moves a batch file from the active to the completed folder under the same name;
// refuses when the completed folder already holds that name.
void moveBatchFile(const QString& dataRoot, const QString& batchId);

} // namespace store
