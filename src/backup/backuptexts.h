#pragma once
// The words of the backup utility: captions, explanations, status lines and
// the titles and texts of its messages, for one year and mode.
#include "common/notice.h"

#include <QString>

namespace tq::backup {

enum class Mode { Backup, Restore };

QString yearText(int year);        // "2007"
QString fileDescription(int year); // "2007 Budget File"
QString yearFileName(int year);    // "2007.Fil"
QString backupFileName(int year);  // "2007.Bup"

QString windowTitle(Mode mode, int year);
QString explanation(Mode mode, int year);
QString operationCaption(Mode mode, int year);

// The Yes/No/Cancel question before an operation; `path` is the path label's text.
QString deleteQuestionTitle();
QString deleteQuestion(Mode mode, int year, const QString &path);

QString statusDeleting();
QString statusMaking(int year); // "Making 2007 Budget Backup Disk #1"
QString statusBackupComplete();
QString statusBackupCancelled();
QString statusRestoring(int year);
QString statusRestored();
QString statusRestoreFailed();

Notice driveUnavailable();
Notice backupDiskFull();
Notice backupCancelled();
Notice restoreDiskError();
// Not one of the disk's faults: the year file itself could not be read or written.
Notice yearFileUnreadable(const QString &path);
Notice restoreNotWritten(int year, const QString &path);

} // namespace tq::backup
