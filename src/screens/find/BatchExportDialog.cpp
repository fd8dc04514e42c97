#include "screens/find/BatchExportDialog.h"

#include "app/Shell.h"
#include "store/StoreError.h"
#include "widgets/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace screens {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(screens::BatchExport)
};

QStringList headerTitles()
{
    return {Text::tr("Batch I.D."),
            Text::tr("Status"),
            Text::tr("Name"),
            Text::tr("Address"),
            Text::tr("City / Town"),
            Text::tr("Province / State"),
            Text::tr("Postal / Zip Code"),
            Text::tr("Phone Number #1"),
            Text::tr("Phone Number #2"),
            Text::tr("Email Address"),
            Text::tr("Other I.D."),
            Text::tr("Serial Number"),
            Text::tr("Variety"),
            Text::tr("Colour"),
            Text::tr("Vintage"),
            Text::tr("Must Type"),
            Text::tr("Source"),
            Text::tr("Batch Size"),
            Text::tr("Cost"),
            Text::tr("Vintner"),
            Text::tr("Start Date"),
            Text::tr("Recipe Number"),
            Text::tr("Next Action"),
            Text::tr("Next Action Due")};
}

QString suggestedPath(const QString& fileName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(fileName);
}

} // namespace

bool exportBatches(QWidget* parent, const QVector<store::ExportedBatch>& batches,
                   const QString& suggestedName)
{
    const QString path = widgets::Pickers::saveFileName(
        parent, Text::tr("Export to CSV File"), suggestedPath(suggestedName),
        Text::tr("CSV files (*.csv)"), QStringLiteral("csv"), false);
    if (path.isEmpty())
        return false;
    const QString shown = QDir::toNativeSeparators(path);
    // A name picked in the data folder could be a batch or recipe file.
    if (QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) != 0) {
        widgets::Messages::warning(
            parent, Text::tr("%1 is not a CSV file name. Nothing was exported; choose a name "
                             "ending in .csv.")
                        .arg(shown));
        return false;
    }
    if (QFileInfo::exists(path) &&
        !widgets::Messages::question(
            parent, Text::tr("%1 already exists.\nDo you want to replace it?").arg(shown)))
        return false;

    QVector<QStringList> rows;
    try {
        widgets::WaitCursor wait;
        const QString inProgress = Text::tr("In progress");
        const QString completed = Text::tr("Completed");
        const QString unreadable = Text::tr("Unreadable");
        const QString dataRoot = app::Shell::instance().state().DataRoot;
        for (const store::ExportRow& row : store::exportRows(dataRoot, batches)) {
            QStringList fields{row.batch.batchId, row.unreadable ? unreadable
                                                  : row.batch.folder == store::BatchFolder::Active
                                                      ? inProgress
                                                      : completed};
            fields << row.fields << row.nextAction << row.nextActionDue;
            rows << fields;
        }
        store::writeExportFile(path, store::csvBytes(headerTitles(), rows));
    } catch (const store::StoreError& error) {
        widgets::Messages::warning(parent, error.message());
        return false;
    }
    widgets::Messages::information(
        parent, rows.size() == 1
                    ? Text::tr("1 batch exported to %1.").arg(shown)
                    : Text::tr("%1 batches exported to %2.").arg(rows.size()).arg(shown));
    return true;
}

} // namespace screens
