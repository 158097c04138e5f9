#pragma once
// Pictures the build paints into the resources are kept as their pixels,
// premultiplied ARGB32 in the machine's byte order, row by row, so loading
// one decodes nothing.
#include <QByteArray>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tq {

// The pixmap of such a resource, or a null pixmap when it is missing or of another size.
QPixmap prebuiltPixmap(const QString &resource, QSize size);

// The pixels of a pixmap, to keep so.
QByteArray prebuiltPixels(const QPixmap &pixmap);

} // namespace tq
