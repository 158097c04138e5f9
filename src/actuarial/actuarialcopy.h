#pragma once
// The clipboard text of a value table's highlighted block.
#include "actuarial/valueblock.h"

#include <QString>
#include <functional>

namespace tq {

// Text widths in the window's font and in the printer's current font, used
// to pad the year headings of wide figures to the width of the figures.
struct CopyWidths {
    std::function<double(const QString &)> window;
    std::function<double(const QString &)> printer;
};

// Amount and payments, the year headings, one line per rate with TAB between
// the cells, then the explanatory sentence with no line end after it.
QString actuarialCopyText(const ValueBlock &block, const CopyWidths &widths);

} // namespace tq
