#pragma once
// The value table's grid: the window's picture in the corner cell, 16 rows
// and 3 columns always in view (larger tables scroll), rate labels down the
// left, year labels along the top, figures right-aligned.
#include <QPixmap>
#include <QString>
#include <functional>

namespace tq {

class Grid;
class ValueTable;

class ActuarialGrid
{
public:
    static constexpr int kRowsInView = 16;
    static constexpr int kColsInView = 3;
    static constexpr int kScrollBarRoom = 255; // twips
    static constexpr int kEmptyTableRows = 17;
    static constexpr int kOpeningRows = 23;

    ActuarialGrid(Grid &grid, const QPixmap &cornerPicture);

    // Before a table: every value and rate label goes, the year labels stay.
    // `yield` lets the window repaint between the two steps.
    void empty(const std::function<void()> &yield);
    // The empty grid the window opens with.
    void showOpeningRows();
    // Blank headings, the layout for the table, then every cell.
    void show(const ValueTable &table);
    // The tip beside the dragged scroll box: " Row 12: 5.5% ".
    QString scrollTip(int row) const;

private:
    void clearHeadings();
    void layOut(int dataRows, int dataCols);
    void alignColumns();

    Grid &m_grid;
};

} // namespace tq
