#pragma once
// What the tools that copy and print a highlighted block of their table share:
// the seven columns a page has room for and the two messages about limits.
#include "components/gridtypes.h"
#include "components/prompter.h"

namespace tq {

inline constexpr int maxPrintedColumns = 7;

// Cuts a block to the first seven of its columns; true when it cut.
bool limitPrintedColumns(GridBlock &block);

// Said when a block was cut for printing.
Message printRestrictionMessage();
// Said when a block is too large to copy; nothing reached the clipboard.
Message tooLargeSelectionMessage();

} // namespace tq
