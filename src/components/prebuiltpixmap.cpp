#include "components/prebuiltpixmap.h"

#include <QImage>
#include <QResource>

namespace tq {

QPixmap prebuiltPixmap(const QString &resource, QSize size)
{
    const QByteArray pixels = QResource(resource).uncompressedData();
    if (pixels.size() != qsizetype(size.width()) * size.height() * 4)
        return {};
    return QPixmap::fromImage(QImage(reinterpret_cast<const uchar *>(pixels.constData()), size.width(),
                                     size.height(), size.width() * 4, QImage::Format_ARGB32_Premultiplied));
}

QByteArray prebuiltPixels(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
}

} // namespace tq
