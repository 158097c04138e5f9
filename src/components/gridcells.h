#pragma once
// Grid coordinates over whichever model a Grid shows: the model's items are
// the data cells, its horizontal header sections the fixed heading row and its
// vertical ones the fixed heading column. Cell (0, 0) where both meet is not
// part of a model; only the grid's own string model keeps a text for it.
#include <QAbstractItemModel>

namespace tq {

class GridCells
{
public:
    const QAbstractItemModel *model = nullptr;
    int fixedRows = 1;
    int fixedCols = 1;

    int rows() const { return model->rowCount() + fixedRows; }
    int cols() const { return model->columnCount() + fixedCols; }
    bool isInside(int row, int col) const { return row >= 0 && col >= 0 && row < rows() && col < cols(); }
    bool isDataCell(int row, int col) const
    {
        return isInside(row, col) && row >= fixedRows && col >= fixedCols;
    }
    QModelIndex indexOf(int row, int col) const
    {
        return isDataCell(row, col) ? model->index(row - fixedRows, col - fixedCols) : QModelIndex();
    }
    int gridRow(const QModelIndex &index) const { return index.row() + fixedRows; }
    int gridCol(const QModelIndex &index) const { return index.column() + fixedCols; }

    // A data cell's item or a heading's header data.
    QVariant data(int row, int col, int role) const
    {
        if (!isInside(row, col) || (row < fixedRows && col < fixedCols))
            return {};
        if (row < fixedRows)
            return model->headerData(col - fixedCols, Qt::Horizontal, role);
        if (col < fixedCols)
            return model->headerData(row - fixedRows, Qt::Vertical, role);
        return model->index(row - fixedRows, col - fixedCols).data(role);
    }
    // The edit text, or the display text of a model that keeps none.
    QString text(int row, int col) const
    {
        const QVariant edit = data(row, col, Qt::EditRole);
        return edit.isValid() ? edit.toString() : data(row, col, Qt::DisplayRole).toString();
    }
};

} // namespace tq
