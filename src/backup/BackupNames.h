#pragma once

#include <QDateTime>
#include <QString>

namespace backup {

// "Vintrelo Backup 2026-12-07 0930.zip": the date and minute the archive was
// made. A second archive of the same minute gets " (2)" before ".zip".
QString archiveName(const QDateTime& made, int copy = 1);

// The time in the name of one of the program's archives; invalid for any other
// name.
QDateTime archiveTime(const QString& fileName);

// Which copy of its minute an archive is: 1, or n for " (n)".
int archiveCopy(const QString& fileName);

// The comment every archive of the program carries, so that rotation never
// deletes an archive someone else put in the folder under a similar name.
inline const char kArchiveComment[] = "Vintrelo backup of a data folder";

// "Vintrelo Backups" beside the data folder.
QString defaultBackupFolder(const QString& dataRoot);

// "Vintrelo Data restored 2026-12-07" beside the data folder, with " (2)",
// " (3)"... when that name is taken.
QString restoredFolderPath(const QString& dataRoot, const QDate& today);

// Where this process writes `path` before it gets its name: "<path>.partial-"
// with this installation and process, so that two PCs backing up in one minute
// never share one, and a copy that crashed is recognised by it.
QString scratchPath(const QString& path);

// Removes what writers stopped halfway left in `folder` under names that start
// with one of `prefixes` followed by ".partial": this installation's at once once
// its process is gone, any other (another PC's, an earlier version's, a
// temporary file of the zip library) once it is a day old. Nothing else.
void removeLeftScratch(const QString& folder, const QStringList& prefixes);

// The one rule for names inside an archive, kept by backup and restore alike:
// a relative path that stays inside the folder it is written into, also when
// read with Windows separators ("..\\x", "C:/x" are refused; "a:b notes.txt"
// and "prices 2026\\2027.txt" are names like any other).
bool restorableName(const QString& name);

// A folder path for messages: native separators, no trailing separator.
QString shownPath(const QString& path);

} // namespace backup
