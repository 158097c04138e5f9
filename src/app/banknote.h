#pragma once
#include <QPixmap>

namespace tq {

// The launcher's decorative picture: an engraved banknote, 382 x 155 pixels.
QPixmap paintBanknote();

} // namespace tq
