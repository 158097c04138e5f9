#pragma once
#include <QByteArray>
#include <QString>

class QSaveFile;

namespace tq {

// Writes a whole file through a temporary file in the same folder that is
// renamed over the old one only when every byte reached the disk, so a failed
// write (full disk, read-only file, unwritable folder) leaves the previous
// file byte for byte as it was and returns false.
bool writeFileAtomically(const QString &path, const QByteArray &data);

// The same through a save file the caller made for `path`; tests hand in one
// whose writes fail.
bool writeFileAtomically(QSaveFile &file, const QByteArray &data);

} // namespace tq
