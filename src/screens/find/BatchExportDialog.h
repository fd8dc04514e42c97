#pragma once

#include "store/BatchExport.h"

#include <QString>
#include <QVector>

class QWidget;

namespace screens {

// Exports `batches` to a CSV file the user names in a file dialog (offered as
// `suggestedName` in the Documents folder): one row per batch with its header
// fields and its next open action. A file already there is replaced only when
// the user says so. Tells the user what happened; true when a file was written.
bool exportBatches(QWidget* parent, const QVector<store::ExportedBatch>& batches,
                   const QString& suggestedName);

} // namespace screens
