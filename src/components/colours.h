#pragma once
// Colour numbers (0x00BBGGRR, system colours with the top bit set) to QColor and back.
#include "common/colournumber.h"

#include <QColor>
#include <QPalette>

namespace tq {

QColor colorFromNumber(quint32 number, const QPalette &palette = QPalette());
quint32 numberFromColor(const QColor &color);
// The platform's 3-D face colour: the program's "system default colour".
QColor systemDefaultColor();
// Colour `index` (0 to 15) of the 16-colour palette: 4 is dark red, 11 light cyan.
QColor paletteColor(int index);

} // namespace tq
