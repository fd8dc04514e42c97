#pragma once

#include "store/BatchFile.h"

#include <QString>
#include <QVector>

namespace store {

// One row of a batch list: what the lists show of a batch file.
struct BatchSummary
{
    enum class Problem
    {
        None,
        Damaged,      // fewer than the 20 lines a list shows, or unreadable
        RecipeMissing // line 20 names no recipe file that can be read
    };

    QString batchId;           // the file name less its extension
    QString customerName;      // header line 1
    QString variety;           // header line 11
    QString startDate;         // header line 19, in long form when it reads as a date
    QString recipeNumber;      // header line 20
    QString recipeDescription; // line 1 of the recipe file from its 8th character
    Problem problem = Problem::None;
    QString problemText; // a sentence for the user naming the file, when there is a problem
};

// Every batch file of a folder in listing order (listBatchFiles), each read only
// to its 20th line. A damaged file or a missing recipe never stops the listing:
// the row keeps what could be read and says what is wrong; damage past line 20
// is left to the editor, which reads the whole file. Throws StoreError only when
// the folder itself cannot be listed.
QVector<BatchSummary> listBatchSummaries(const QString& dataRoot, BatchFolder folder);

} // namespace store
