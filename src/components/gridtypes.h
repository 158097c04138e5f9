#pragma once
// Small value types shared by the grid, its model and its view.
#include <QRect>

class QWidget;

namespace tq {

// The picture drawn centred in a cell, a QPixmap, in any model a Grid shows.
inline constexpr int GridPictureRole = Qt::UserRole + 1;

// How the highlighted block is shown.
enum class GridHighlight { Never, Always, WhenFocused };

// What a click highlights: the clicked cell and free ranges, or whole columns.
enum class GridSelection { FreeRanges, WholeColumns };

// Which scroll bars may appear (each shows only when the contents need it).
enum class GridScrollBars { None, Horizontal, Vertical, Both };

// A block of cells in grid coordinates, top <= bottom and left <= right.
struct GridBlock {
    int top = -1;
    int left = -1;
    int bottom = -1;
    int right = -1;
    bool isValid() const { return top >= 0 && left >= 0 && bottom >= top && right >= left; }
    bool contains(int row, int col) const
    {
        return row >= top && row <= bottom && col >= left && col <= right;
    }
    bool operator==(const GridBlock &) const = default;
};

// Where a cell is drawn: the widget that receives its mouse events and the
// cell's rectangle in that widget's coordinates (for tests and popups).
struct GridSpot {
    QWidget *widget = nullptr;
    QRect rect;
};

} // namespace tq
