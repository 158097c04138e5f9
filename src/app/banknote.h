#pragma once
#include <QPixmap>

namespace tq {

// The launcher's decorative picture: an engraved banknote, 382 x 155 pixels.
QPixmap paintBanknote();

// The banknote as the build painted it into the resources (loading its pixels
// costs a fraction of painting it, or of decoding a picture file, at
// start-up), or painted here in a program built without them.
QPixmap banknotePicture();

// Where the build puts the banknote's pixels.
QString banknoteResource();

} // namespace tq
