#include "store/BatchExport.h"

#include "store/BatchLayout.h"
#include "store/StoreError.h"
#include "store/TextFileLines.h"

#include <QDir>
#include <QSaveFile>

namespace store {

QVector<ExportRow> exportRows(const QString& dataRoot, const QVector<ExportedBatch>& batches)
{
    QVector<ExportRow> rows;
    rows.reserve(batches.size());
    for (const ExportedBatch& batch : batches) {
        ExportRow row;
        row.batch = batch;
        TextFileLines lines;
        try {
            lines = TextFileLines::read(batchFilePath(dataRoot, batch.folder, batch.batchId),
                                        FileSubject::batchFile(batch.batchId));
        } catch (const StoreError&) {
            row.unreadable = true;
        }
        for (int i = 0; i < kHeaderFields; ++i)
            row.fields << (i < lines.size() ? lines.text(i) : QString());
        for (qsizetype start = kHeaderLines; start + kCompletedLine < lines.size();
             start += kRecordLines) {
            if (lines.at(start + kCompletedLine).isEmpty()) {
                row.nextAction = lines.text(start + kActionLine);
                row.nextActionDue = lines.text(start + kDueDateLine);
                break;
            }
        }
        rows << row;
    }
    return rows;
}

QString csvField(const QString& value)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    const bool formula = !value.isEmpty() && formulaStarts.contains(value.front());
    const bool quoted = formula || value.contains(QLatin1Char(',')) ||
                        value.contains(QLatin1Char('"')) || value.contains(QLatin1Char('\n')) ||
                        value.contains(QLatin1Char('\r'));
    if (!quoted)
        return value;
    QString text = value;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    if (formula)
        text.prepend(QLatin1Char('\''));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QByteArray csvBytes(const QStringList& header, const QVector<QStringList>& rows)
{
    QString text;
    const auto addRecord = [&text](const QStringList& fields) {
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i > 0)
                text += QLatin1Char(',');
            text += csvField(fields.at(i));
        }
        text += QStringLiteral("\r\n");
    };
    addRecord(header);
    for (const QStringList& row : rows)
        addRecord(row);
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

void writeExportFile(const QString& path, const QByteArray& bytes)
{
    const QString shown = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    // Never written in place: a failure leaves any file of that name as it was.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        throw StoreError(StoreText::tr("Vintrelo could not write the file %1 (%2). Nothing was "
                                       "exported; choose another folder and try again.")
                             .arg(shown, file.errorString()));
    }
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw StoreError(StoreText::tr("Vintrelo could not write the file %1 (%2). Nothing was "
                                       "exported; choose another folder and try again.")
                             .arg(shown, reason));
    }
}

} // namespace store
