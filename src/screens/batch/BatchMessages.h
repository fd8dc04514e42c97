#pragma once

#include <QString>

namespace screens {

// The texts both the start-up form and the preview show about the batch counter.

// `batchId` already names a batch file in `folder`: what happened and how to
// get past it.
QString identifierInUseMessage(const QString& dataRoot, const QString& batchId,
                               const QString& folder);

// The batch file was written but the counter did not move: the batch exists,
// and the counter must be put right before the next batch.
QString counterNotAdvancedMessage(const QString& dataRoot, const QString& batchId,
                                  const QString& reason);

} // namespace screens
