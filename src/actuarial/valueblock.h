#pragma once
// The highlighted block of a value table as the copy text and the printed
// report read it: cell texts in grid coordinates (year headings in row 0,
// rate labels in column 0) and the figures that go around the table.
#include "components/gridtypes.h"

#include <QString>
#include <functional>

namespace tq {

struct ValueBlock {
    std::function<QString(int row, int col)> cell;
    GridBlock block;       // data cells only
    QString amount;        // Text1 in the currency format
    QString payments;      // Text2 as typed
    QString sentence;      // the table's explanatory sentence, "\r" after its heading
    float cornerValue = 0; // the bottom-right value of the whole table

    QString rateLabel(int row) const { return cell(row, 0); }
    // A cleared rate label is a single space: the rows of the table end there.
    bool isBlankRow(int row) const { return rateLabel(row).trimmed().isEmpty(); }
    // The year of a column from its heading ("10 Years" gives 10).
    int year(int col) const;
};

class ValueTable;

// The text the grid shows for `table` in grid coordinates: year labels in
// row 0, rate labels in column 0 (a blank " " past the table), figures.
QString tableCellText(const ValueTable &table, int row, int col);

} // namespace tq
