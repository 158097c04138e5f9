#pragma once
// The clipboard text of a value table's highlighted block.
#include "actuarial/valueblock.h"
#include "common/padtowidth.h"

#include <QString>

namespace tq {

// Text widths in the window's font and in the printer's current font, used
// to pad the year headings of wide figures to the width of the figures.
struct CopyWidths {
    TextWidth window;
    TextWidth printer;
};

// Amount and payments, the year headings, one line per rate with TAB between
// the cells, then the explanatory sentence with no line end after it.
QString actuarialCopyText(const ValueBlock &block, const CopyWidths &widths);

} // namespace tq
