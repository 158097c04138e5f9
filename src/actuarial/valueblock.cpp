#include "actuarial/valueblock.h"

#include "common/numberformat.h"
#include "common/wholenumber.h"

#include <cmath>
#include <utility>

namespace tq {

int ValueBlock::year(int col) const
{
    return truncatedInt(leadingNumber(cell(0, col)));
}

GridBlock highlightedBlock(int currentRow, int currentCol, int endRow, int endCol)
{
    GridBlock b{std::max(1, currentRow), std::max(1, currentCol), std::max(1, endRow), std::max(1, endCol)};
    if (b.top > b.bottom)
        std::swap(b.top, b.bottom);
    if (b.left > b.right)
        std::swap(b.left, b.right);
    return b;
}

} // namespace tq
