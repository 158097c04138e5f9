#pragma once
// Copies that paste into a word processor line their columns up by padding a
// text with blanks until it is as wide, in the window's or printer's font, as
// another.
#include <QString>
#include <functional>

namespace tq {

// The width of a text in some font.
using TextWidth = std::function<double(const QString &)>;

// `text` with blanks added until `widthOf` gives at least `width`. At most
// `maxBlanks` are added, so a font whose blank has no width cannot stall.
QString padToWidth(QString text, double width, const TextWidth &widthOf, qsizetype maxBlanks);

} // namespace tq
