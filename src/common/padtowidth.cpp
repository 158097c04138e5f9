#include "common/padtowidth.h"

namespace tq {

QString padToWidth(QString text, double width, const TextWidth &widthOf, qsizetype maxBlanks)
{
    for (qsizetype blanks = 0; blanks < maxBlanks && widthOf(text) < width; ++blanks)
        text += u' ';
    return text;
}

} // namespace tq
