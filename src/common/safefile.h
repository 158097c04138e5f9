#pragma once
#include <QByteArray>
#include <QString>

namespace tq {

// Writes a whole file through a temporary file in the same folder that is
// renamed over the old one, so a failed write leaves the previous file intact.
bool writeFileAtomically(const QString &path, const QByteArray &data);

} // namespace tq
