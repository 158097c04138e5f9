#pragma once
// File access for the backup utility that uses the disk but can be told to
// fail as a full or unreadable medium does: a failed write leaves its target
// as it was, a failed read gives nothing.
#include "backup/backupcopy.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace tq::test {

class FailingFiles : public backup::DiskFileAccess
{
public:
    int failingWrites = 0; // this many writes fail
    bool readsFail = false;
    QStringList written; // every path a write was asked for

    std::optional<QByteArray> readWhole(const QString &path) override
    {
        return readsFail ? std::nullopt : DiskFileAccess::readWhole(path);
    }
    bool writeWhole(const QString &path, const QByteArray &data) override
    {
        written.append(path);
        if (failingWrites == 0)
            return DiskFileAccess::writeWhole(path, data);
        --failingWrites;
        return false;
    }
};

// Writes `bytes` to folder/name; false when that failed.
inline bool putFile(const QDir &folder, const QString &name, const QByteArray &bytes)
{
    QFile file(folder.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray fileBytes(const QDir &folder, const QString &name)
{
    QFile file(folder.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace tq::test
