#include "backup/backupcopy.h"

#include "backup/backuptexts.h"
#include "common/safefile.h"

#include <QFile>
#include <QFileInfo>

namespace tq::backup {

namespace {

QString comparable(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return QDir::cleanPath(canonical.isEmpty() ? info.absoluteFilePath() : canonical);
}

} // namespace

std::optional<QByteArray> DiskFileAccess::readWhole(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    // A medium that fails half way gives fewer bytes than the file holds.
    if (file.error() != QFileDevice::NoError || bytes.size() != file.size())
        return std::nullopt;
    return bytes;
}

bool DiskFileAccess::writeWhole(const QString &path, const QByteArray &data)
{
    return writeFileAtomically(path, data);
}

QString chosenFolder(const QString &path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}

bool isProgramFolder(const QString &path, const QDir &programFolder)
{
    return comparable(path.trimmed()) == comparable(programFolder.absolutePath());
}

BackupOutcome backupYear(FileAccess &files, const QDir &programFolder, const QString &folder, int year)
{
    const std::optional<QByteArray> bytes = files.readWhole(programFolder.filePath(yearFileName(year)));
    if (!bytes)
        return BackupOutcome::YearFileUnreadable;
    // The new copy replaces the old one only once it is complete: a medium that
    // fails half way must not cost the user the backup they already had.
    return files.writeWhole(QDir(folder).filePath(backupFileName(year)), *bytes) ? BackupOutcome::Copied
                                                                                 : BackupOutcome::WriteFailed;
}

RestoreOutcome restoreYear(FileAccess &files, const QDir &programFolder, const QString &folder, int year)
{
    const std::optional<QByteArray> bytes = files.readWhole(QDir(folder).filePath(backupFileName(year)));
    if (!bytes)
        return RestoreOutcome::BackupUnreadable;
    return files.writeWhole(programFolder.filePath(yearFileName(year)), *bytes) ? RestoreOutcome::Restored
                                                                                : RestoreOutcome::WriteFailed;
}

} // namespace tq::backup
