#include "actuarial/valueblock.h"

#include "actuarial/valuetables.h"
#include "common/numberformat.h"
#include "common/wholenumber.h"

#include <cmath>
#include <utility>

namespace tq {

int ValueBlock::year(int col) const
{
    return truncatedInt(leadingNumber(cell(0, col)));
}

QString tableCellText(const ValueTable &table, int row, int col)
{
    const bool inRows = row >= 1 && row <= table.rowCount();
    const bool inCols = col >= 1 && col <= table.columnCount();
    if (row == 0 && col == 0)
        return {};
    if (row == 0)
        return inCols ? table.yearLabel(col - 1) : QStringLiteral(" ");
    if (col == 0)
        return inRows ? table.rateLabel(row - 1) : QStringLiteral(" ");
    return inRows && inCols ? table.cellText(row - 1, col - 1) : QString();
}

} // namespace tq
