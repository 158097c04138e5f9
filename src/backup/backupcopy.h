#pragma once
// The copies the backup utility makes: a year file to "<year>.Bup" in the
// chosen folder and back. Every write replaces its file whole (a temporary
// file renamed over it when complete), so neither a backup nor the year file
// is ever left half written.
#include <QByteArray>
#include <QDir>
#include <QString>
#include <optional>

namespace tq::backup {

// The file operations the copies use; tests hand in one that fails.
class FileAccess
{
public:
    virtual ~FileAccess() = default;
    // Nothing when the file is missing or could not be read to its end.
    virtual std::optional<QByteArray> readWhole(const QString &path) = 0;
    // Replaces the file whole or leaves it as it was.
    virtual bool writeWhole(const QString &path, const QByteArray &data) = 0;
};

class DiskFileAccess : public FileAccess
{
public:
    std::optional<QByteArray> readWhole(const QString &path) override;
    bool writeWhole(const QString &path, const QByteArray &data) override;
};

// The folder list's path with one trailing separator.
QString chosenFolder(const QString &path);
// The operation is offered only away from the program folder (symbolic links
// and "." or ".." resolved; names compared as the file system does).
bool isProgramFolder(const QString &path, const QDir &programFolder);

enum class BackupOutcome {
    Copied,
    YearFileUnreadable, // nothing changed
    WriteFailed         // the medium refused the copy; an older backup stays as it was
};
// Writes the new backup whole, replacing an older one only when it is complete.
BackupOutcome backupYear(FileAccess &files, const QDir &programFolder, const QString &folder, int year);

enum class RestoreOutcome {
    Restored,
    BackupUnreadable, // the year file is untouched
    WriteFailed       // the year file is untouched
};
RestoreOutcome restoreYear(FileAccess &files, const QDir &programFolder, const QString &folder, int year);

} // namespace tq::backup
