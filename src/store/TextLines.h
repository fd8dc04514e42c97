#pragma once

#include "store/SingleLineValues.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace store {

// Text files of the data folder: UTF-8 without a byte-order mark, every line
// ending in CR LF. Reading accepts LF alone too, and reads each line that is not
// valid UTF-8 as Windows-1252, so that files from older installations, and lines
// they added to ours, still read (LineDecoding.h).

// Decodes file bytes into lines by the rules of decodeTextLines.
QStringList decodeLines(const QByteArray& bytes);

// Encodes lines with CR LF after every line, the last one included.
QByteArray encodeLines(const QStringList& lines);

// Reads a whole file. Throws StoreError naming the file when it is missing or
// cannot be read; `what` says which file it is, for the message.
QStringList readTextLines(const QString& path, const FileSubject& what);

// The first line of a file, or an empty text for an empty file.
QString readFirstLine(const QString& path, const FileSubject& what);

// Writes `lines` to `scratchPath` completely and flushes them to the disk.
// On any failure the scratch file is removed and StoreError is thrown. A line
// holding a line break is refused first, by `rules` (SingleLineValues.h).
void writeScratchFile(const QString& scratchPath, const QStringList& lines, const FileSubject& what,
                      const LineRules& rules = {});

// Replaces `targetPath` by `scratchPath` with one rename (atomic on one file
// system). The target may or may not exist. On failure the scratch file is
// removed, the target is left as it was, and StoreError is thrown.
void replaceWithScratch(const QString& scratchPath, const QString& targetPath,
                        const FileSubject& what);

// Creates `targetPath` with `lines`, never replacing a file of that name (in any
// letter case): written to `scratchPath` first, then renamed into place.
void createTextFile(const QString& targetPath, const QString& scratchPath, const QStringList& lines,
                    const FileSubject& what, const LineRules& rules = {});

// Moves a file to another folder of the same file system, refusing to replace
// an existing file of that name (in any letter case).
void moveFileNoReplace(const QString& fromPath, const QString& toPath, const FileSubject& what);

// Removes a file, trying again for a moment while another PC has it open (a
// Windows or Samba share refuses that). True once it is gone.
bool removeFileWhenFree(const QString& path);

// The name under which `folder` holds `fileName` in any letter case, or empty.
QString existingNameAnyCase(const QString& folder, const QString& fileName);

// True when `folder` holds a file named `fileName` in any letter case.
bool fileExistsAnyCase(const QString& folder, const QString& fileName);

// A seam for tests of failure paths: called before each step of the writer with
// the step and the path; returning false makes that step fail as the device would.
enum class WriteStep
{
    OpenScratch,
    WriteScratch,
    FlushScratch,
    Rename,
    Move
};
using WriteFaultHook = std::function<bool(WriteStep step, const QString& path)>;
void setWriteFaultHook(WriteFaultHook hook);

} // namespace store
