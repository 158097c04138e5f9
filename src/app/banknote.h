#pragma once
#include <QPixmap>

namespace tq {

// The launcher's decorative picture: an engraved banknote, 382 x 155 pixels.
QPixmap paintBanknote();

// The banknote from the picture file the build paints (loading it is faster
// at start-up than painting it), or painted here when the file is missing,
// unreadable or of another size.
QPixmap banknotePicture(const QString &file);

} // namespace tq
