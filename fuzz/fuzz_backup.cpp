// Any bytes as a year file: the backup holds them byte for byte, and a
// restore from it brings them back unchanged.
#include "backup/backupcopy.h"
#include "backup/backuptexts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir program, media;
    const QDir programFolder(program.path());
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString yearFile = programFolder.filePath(tq::backup::yearFileName(2007));
    QFile file(yearFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();

    tq::backup::DiskFileAccess disk;
    if (tq::backup::backupYear(disk, programFolder, media.path(), 2007) !=
            tq::backup::BackupOutcome::Copied ||
        bytesOf(QDir(media.path()).filePath(tq::backup::backupFileName(2007))) != bytes)
        std::abort();
    QFile::remove(yearFile);
    if (tq::backup::restoreYear(disk, programFolder, media.path(), 2007) !=
            tq::backup::RestoreOutcome::Restored ||
        bytesOf(yearFile) != bytes)
        std::abort();
    return 0;
}
