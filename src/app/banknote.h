#pragma once
#include <QPixmap>

namespace tq {

// The launcher's decorative picture: an engraved banknote, 382 x 155 pixels.
QPixmap paintBanknote();

// The banknote from the picture file the build paints, an uncompressed bitmap
// (reading it costs a fraction of painting it or of decoding a PNG at
// start-up), or painted here when the file is missing, unreadable or of
// another size.
QPixmap banknotePicture(const QString &file);

} // namespace tq
