#pragma once

#include "store/BatchFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace store {

// A batch as an export names it.
struct ExportedBatch
{
    QString batchId;
    BatchFolder folder = BatchFolder::Active;
};

// What an export writes of one batch: its twenty header fields and its next
// open action (the first record in the file whose completion date is empty).
struct ExportRow
{
    ExportedBatch batch;
    QStringList fields; // always 20, empty where the file has no such line
    QString nextAction;
    QString nextActionDue;
    bool unreadable = false; // the file could not be read; its fields are empty
};

// Reads each batch whole, tolerating damage: a file cut short gives what it has.
QVector<ExportRow> exportRows(const QString& dataRoot, const QVector<ExportedBatch>& batches);

// One field as RFC 4180 writes it: quoted when it holds a comma, a quote or a
// line break (quotes doubled). A value a spreadsheet would run as a formula
// (starting with =, +, -, @, a tab or a carriage return) gets a leading
// apostrophe inside quotes, so that it opens as text.
QString csvField(const QString& value);

// The table as a CSV file's bytes: UTF-8 with a byte-order mark (so that
// spreadsheet programs read accents right), every record ending in CR LF.
QByteArray csvBytes(const QStringList& header, const QVector<QStringList>& rows);

// Writes `bytes` to `path` through a scratch file in the same folder, renamed
// over the target once complete. Throws StoreError naming the file on failure;
// a file already there is then left as it was.
void writeExportFile(const QString& path, const QByteArray& bytes);

} // namespace store
