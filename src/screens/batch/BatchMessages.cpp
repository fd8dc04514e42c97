#include "screens/batch/BatchMessages.h"

#include "store/BatchCounter.h"
#include "store/BatchCreation.h"
#include "store/BatchFile.h"

#include <QCoreApplication>
#include <QDir>

namespace screens {

namespace {
// This file's texts, in one translation context.
class Text
{
    Q_DECLARE_TR_FUNCTIONS(BatchMessages)
};
} // namespace

QString identifierInUseMessage(const QString& dataRoot, const QString& batchId,
                               const QString& folder)
{
    return Text::tr(
               "Batch %1 already exists in the folder \"%2\", so Vintrelo will not create a new "
               "batch under that identifier; nothing was written and the existing batch is "
               "unchanged.\n\nThe batch counter file \"%3\" holds a number that was used "
               "before. To go on, put the number %4 alone on the first line of that file, then "
               "choose \"Start a New Batch\" from the Main Menu again.")
        .arg(batchId, folder, QDir::toNativeSeparators(store::batchCounterFilePath(dataRoot)),
             store::unusedCounterValue(dataRoot));
}

QString counterNotAdvancedMessage(const QString& dataRoot, const QString& batchId,
                                  const QString& reason)
{
    return Text::tr(
               "Batch %1 was created in the folder \"%2\", but the batch counter could not be "
               "advanced:\n\n%3\n\nBefore you start another batch, put the number %4 alone on "
               "the first line of \"%5\". Until then Vintrelo will refuse a new batch, because "
               "it would get the identifier %1 again.")
        .arg(batchId,
             QDir::toNativeSeparators(store::batchFolderPath(dataRoot, store::BatchFolder::Active)),
             reason, store::unusedCounterValue(dataRoot),
             QDir::toNativeSeparators(store::batchCounterFilePath(dataRoot)));
}

} // namespace screens
