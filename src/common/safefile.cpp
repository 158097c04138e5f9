#include "common/safefile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace tq {

namespace {

// A read-only file stays as it is: the rename would replace it although the
// file itself refuses writes (and root passes every access check).
bool isReadOnly(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner));
}

} // namespace

bool writeFileAtomically(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    return writeFileAtomically(file, data);
}

bool writeFileAtomically(QSaveFile &file, const QByteArray &data)
{
    if (isReadOnly(file.fileName()))
        return false;
    // Unbuffered, so a failing write reports itself here and not only inside
    // commit(), which would otherwise rename the short file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const bool written =
        file.write(data) == data.size() && file.flush() && file.error() == QFileDevice::NoError;
    if (!written) {
        file.cancelWriting();
        file.commit(); // removes the temporary file; the old one is untouched
        return false;
    }
    return file.commit();
}

} // namespace tq
