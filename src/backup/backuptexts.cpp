#include "backup/backuptexts.h"

#include <QStringList>

namespace tq::backup {

namespace {

// Lines of a message are joined by a carriage return alone.
QString lines(const QStringList &parts)
{
    return parts.join(u'\r');
}

} // namespace

QString yearText(int year)
{
    return QString::number(year);
}
QString fileDescription(int year)
{
    return yearText(year) + QStringLiteral(" Budget File");
}
QString yearFileName(int year)
{
    return yearText(year) + QStringLiteral(".Fil");
}
QString backupFileName(int year)
{
    return yearText(year) + QStringLiteral(".Bup");
}

QString windowTitle(Mode mode, int year)
{
    if (mode == Mode::Backup)
        return QStringLiteral("Backup ") + fileDescription(year);
    return QStringLiteral("Restore ") + fileDescription(year) + QStringLiteral(" from Backup Media");
}

QString explanation(Mode mode, int year)
{
    const QString description = fileDescription(year);
    if (mode == Mode::Backup)
        return QStringLiteral("This utility allows you to make a backup disk(s) of the ") + description +
               QStringLiteral(
                   " contained within this program.  To make the backup disk(s), first insert a blank "
                   "formatted disk in Drive a: or select location for backup, then select Drive or "
                   "location from the Drives and or Folders lists below, then Click the &Make Backup "
                   "Button and follow directions as they appear.");
    return lines(
        {QStringLiteral("Restore ") + description +
             QStringLiteral(" from backup media to Tallyquill Program."),
         QStringLiteral("CAUTION: RESTORE FUNCTION WILL FIRST ERASE ALL EXISTING ") + description.toUpper() +
             QStringLiteral(" IN THE PROGRAM AND THEN RESTORE FILES."),
         QStringLiteral("To restore, first place backup disk in Drive a: or select backup files location, "
                        "then select Drive and or folder from the Drive/Folders lists below, then Click "
                        "&Restore ") +
             description + QStringLiteral(" Button and follow directions as they appear.")});
}

QString operationCaption(Mode mode, int year)
{
    return mode == Mode::Backup ? QStringLiteral("&Make Backup")
                                : QStringLiteral("&Restore ") + fileDescription(year);
}

QString deleteQuestionTitle()
{
    return QStringLiteral("Delete Files");
}

QString deleteQuestion(Mode mode, int year, const QString &path)
{
    // The files the question names are this year's budget files.
    const QString first = QStringLiteral("This utility will first Delete all existing ") + yearText(year) +
                          QStringLiteral(" Budget files");
    const QString where = mode == Mode::Backup ? QStringLiteral("located in Path: ") + path
                                               : QStringLiteral("located in Tallyquill Program!");
    return lines({first, where, QString(), QStringLiteral("Proceed?")});
}

QString statusDeleting()
{
    return QStringLiteral("Deleting Old Files");
}
QString statusMaking(int year)
{
    return QStringLiteral("Making ") + yearText(year) + QStringLiteral(" Budget Backup Disk #1");
}
QString statusBackupComplete()
{
    return QStringLiteral("Backup Complete");
}
QString statusBackupCancelled()
{
    return QStringLiteral("Backup Terminated by User");
}
QString statusRestoring(int year)
{
    return QStringLiteral("Restoring ") + yearText(year) + QStringLiteral(" Budget File");
}
QString statusRestored()
{
    return QStringLiteral("Restoration Completed");
}
QString statusRestoreFailed()
{
    return QStringLiteral("Restore Failed");
}

Notice driveUnavailable()
{
    return {QStringLiteral("Device/Drive Error"), QStringLiteral("Device/Drive is Unavailable!")};
}

Notice backupDiskFull()
{
    return {QStringLiteral("Backup Disk"),
            lines({QStringLiteral("Disk is either Full, or there is not enough room"),
                   QStringLiteral("remaining for the requested backup files!"),
                   QStringLiteral("Please Insert a New Blank Formatted"),
                   QStringLiteral("Backup Disk and then Click on OK."),
                   QStringLiteral("CAUTION: Wait till Disk Drive light goes out and"),
                   QStringLiteral("Be sure New Disk is inserted before Clicking OK")})};
}

Notice backupCancelled()
{
    return {QStringLiteral("Backup Proceedure Cancelation"),
            lines({QStringLiteral("You have cancelled the backup proceedure!"),
                   QStringLiteral("If backup files were on this disk they have been deleted!"),
                   QStringLiteral("May we suggest you initiate Backup for these files again!")})};
}

Notice restoreDiskError()
{
    return {QStringLiteral("Disk Error"),
            lines({QStringLiteral("Unable to find Backup Disk or Location containing requested files!"),
                   QStringLiteral("Please insert another backup Disk into selected Drive and Try again.")})};
}

Notice yearFileUnreadable(const QString &path)
{
    return {QStringLiteral("File Error"),
            lines({QStringLiteral("Unable to read ") + path, QStringLiteral("Nothing was backed up.")})};
}

Notice restoreNotWritten(int year, const QString &path)
{
    return {QStringLiteral("Restore Error"),
            lines({QStringLiteral("Unable to write ") + path,
                   QStringLiteral("The ") + fileDescription(year) +
                       QStringLiteral(" in the program has not been changed.")})};
}

} // namespace tq::backup
