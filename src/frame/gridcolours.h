#pragma once
// The budget's stored grid background (a colour number, "Default" or a
// picture name beginning "WP") and text colour dress other tools' grids too.

namespace tq {

class Grid;
struct Program;

// Reads both settings and applies them to grid. A picture that does not load
// leaves the background as it is; a value that is neither a picture name nor
// a colour number gives the normal background; a text colour that is not a
// number gives black text.
void applyStoredGridColours(Grid &grid, const Program &program);

} // namespace tq
