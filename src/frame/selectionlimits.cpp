#include "frame/selectionlimits.h"

namespace tq {

bool limitPrintedColumns(GridBlock &block)
{
    if (block.right - block.left < maxPrintedColumns)
        return false;
    block.right = block.left + maxPrintedColumns - 1;
    return true;
}

Message printRestrictionMessage()
{
    return {QStringLiteral("Print Restriction"),
            QStringLiteral("Due to program restraints only 7 columns of data can be printed!")};
}

Message tooLargeSelectionMessage()
{
    return {QStringLiteral("Too Large a Selection"),
            QStringLiteral("OverFlow has occurred. Select smaller number of cells and try again!")};
}

} // namespace tq
