#pragma once
// The cells behind a Grid: texts, colours and pictures in one flat row-major
// vector, addressed in grid coordinates (fixed heading rows and columns
// included). The view sees only the data cells as model items; the fixed row
// and column are served as header data.
#include "components/gridtypes.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QPixmap>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace tq {

class GridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The centred picture of a cell, a QPixmap (null when there is none).
    static constexpr int PictureRole = GridPictureRole;

    explicit GridModel(QObject *parent = nullptr);

    int rows() const { return m_rows; }
    int cols() const { return m_cols; }
    int fixedRows() const { return m_fixedRows; }
    int fixedCols() const { return m_fixedCols; }
    void setRows(int rows);
    void setCols(int cols);
    void setFixedRows(int count);
    void setFixedCols(int count);
    bool isInside(int row, int col) const { return row >= 0 && col >= 0 && row < m_rows && col < m_cols; }
    bool isDataCell(int row, int col) const;

    const QString &text(int row, int col) const;
    // Returns true when the text changed. Views hear of it a moment later, in
    // one notification for everything written meanwhile.
    bool setText(int row, int col, const QString &text);
    // Inserts a data row at `row` holding the given texts from column 0 on.
    bool insertGridRow(int row, const QStringList &texts);
    bool removeGridRow(int row);

    QColor background(int row, int col) const;
    void setBackground(const GridBlock &block, const QColor &colour);
    QPixmap picture(int row, int col) const;
    void setPicture(int row, int col, const QPixmap &picture);

    Qt::Alignment colAlignment(int col) const;
    void setColAlignment(int col, Qt::Alignment alignment);
    Qt::Alignment fixedAlignment(int col) const;
    void setFixedAlignment(int col, Qt::Alignment alignment);

    bool isEditable() const { return m_editable; }
    void setEditable(bool editable) { m_editable = editable; }

    // Stable sort of the data rows by one column's texts: empty texts first,
    // then numbers by value, then other texts case-insensitively.
    void sortRows(int col, Qt::SortOrder order);

    QModelIndex indexOf(int row, int col) const;
    int gridRow(const QModelIndex &index) const { return index.row() + m_fixedRows; }
    int gridCol(const QModelIndex &index) const { return index.column() + m_fixedCols; }

    // The text as it is drawn: "\r\n", "\n\r" and a lone "\r" become "\n".
    static QString displayText(const QString &text);

    // Sends the pending change notifications now.
    void flushChanges();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

Q_SIGNALS:
    // Cell (0, 0) changed; it is drawn outside the view's headers.
    void cornerChanged();

private:
    // Colours and pictures are rare, so a cell carries them only when set.
    struct CellStyle {
        QColor background;
        QPixmap picture;
    };
    struct Cell {
        QString text;
        std::unique_ptr<CellStyle> style;
    };
    Cell &cell(int row, int col) { return m_cells[size_t(row) * size_t(m_cols) + size_t(col)]; }
    const Cell &cell(int row, int col) const { return m_cells[size_t(row) * size_t(m_cols) + size_t(col)]; }
    QVariant cellData(int row, int col, int role, bool fixed) const;
    void markChanged(int row, int col);
    void scheduleFlush();
    void resizeAlignments();
    void changeStyle(int row, int col, const std::function<void(CellStyle &)> &change);

    int m_rows = 2;
    int m_cols = 2;
    int m_fixedRows = 1;
    int m_fixedCols = 1;
    bool m_editable = false;
    std::vector<Cell> m_cells;
    std::vector<Qt::Alignment> m_colAlign;
    std::vector<Qt::Alignment> m_fixedAlign;

    // Pending notifications: a block of data cells and ranges of header sections.
    GridBlock m_dirty;
    int m_dirtyColHeadFirst = -1, m_dirtyColHeadLast = -1;
    int m_dirtyRowHeadFirst = -1, m_dirtyRowHeadLast = -1;
    bool m_flushQueued = false;
};

} // namespace tq
