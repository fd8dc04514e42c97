#pragma once

#include "store/BatchFile.h"
#include "store/SingleLineValues.h"

namespace store {

// What a batch file may be given, checked by its two writers before anything is
// written. `replaced` is the file being rewritten (null for a new batch): what
// it already holds and is written again unchanged is not judged again.

// The field a line of a batch file (from 0) holds: "Name", "Notes" of action 3.
LineField batchLineField(qsizetype line);

// The line-break rules for writing a batch over `replaced`.
LineRules batchLineRules(const BatchFile* replaced);

// The dates of a batch a message can name.
enum class BatchDate
{
    Start,
    Due,       // of the action numbered `action`
    Completion // of the action numbered `action`
};

// Refuses (StoreError naming the batch, the date and the text) a date text that
// the date reader could not read back as the same day on any later day: no date
// at all, or one without its year.
void requireDateReadsBack(const QString& batchId, BatchDate date, int action, const QString& text);

// The dates every reader parses: each new due date, and the start date of a new
// batch, must read back (completion dates are only ever tested for being empty;
// completing an action checks the one it writes).
void requireStorableDates(const BatchFile& batch, const QString& batchId,
                          const BatchFile* replaced);

} // namespace store
