#include "actuarial/actuarialgrid.h"

#include "actuarial/valuetables.h"
#include "common/twips.h"
#include "components/grid.h"

#include <QStringList>

namespace tq {

namespace {
constexpr int kBorderRoom = 30; // twips
}

ActuarialGrid::ActuarialGrid(Grid &grid, const QPixmap &cornerPicture) : m_grid(grid)
{
    m_grid.setRows(kEmptyTableRows);
    m_grid.setCols(kColsInView + 1);
    m_grid.setCellPicture(0, 0, cornerPicture);
    // The heading column and row are exactly as large as the picture.
    const double dpi = m_grid.logicalDpiX();
    const QSizeF picture = cornerPicture.deviceIndependentSize();
    m_grid.setColWidth(0, int(std::lround(pixelsToTwips(picture.width(), dpi))));
    m_grid.setRowHeight(0, int(std::lround(pixelsToTwips(picture.height(), m_grid.logicalDpiY()))));
    m_grid.setEditable(false);
    alignColumns();
}

void ActuarialGrid::empty(const std::function<void()> &yield)
{
    m_grid.setRows(1);
    yield();
    m_grid.setRows(kEmptyTableRows);
    yield();
}

void ActuarialGrid::showOpeningRows()
{
    m_grid.setRows(1);
    clearHeadings();
    layOut(kOpeningRows - 1, kColsInView);
}

void ActuarialGrid::show(const ValueTable &table)
{
    clearHeadings();
    layOut(table.rowCount(), table.columnCount());
    for (int c = 0; c < table.columnCount(); ++c)
        m_grid.setText(0, c + 1, table.yearLabel(c));
    for (int r = 0; r < table.rowCount(); ++r) {
        m_grid.setText(r + 1, 0, table.rateLabel(r));
        for (int c = 0; c < table.columnCount(); ++c)
            m_grid.setText(r + 1, c + 1, table.cellText(r, c));
    }
}

QString ActuarialGrid::scrollTip(int row) const
{
    return QStringLiteral(" Row ") + QString::number(row) + QStringLiteral(": ") + m_grid.text(row, 0) + u' ';
}

// Labels of an earlier, larger table must not linger beside a smaller one.
void ActuarialGrid::clearHeadings()
{
    const QString blank(QStringLiteral(" "));
    for (int row = 1; row < m_grid.rows(); ++row)
        m_grid.setText(row, 0, blank);
    for (int col = 1; col < m_grid.cols(); ++col)
        m_grid.setText(0, col, blank);
}

// The grid always shows 16 rows' and 3 columns' worth of cells; a table that
// needs more scrolls, and the scroll bar takes its room from the cells.
void ActuarialGrid::layOut(int dataRows, int dataCols)
{
    const bool tall = dataRows > kRowsInView;
    const bool wide = dataCols > kColsInView;
    const int availableHeight = m_grid.heightTwips() - m_grid.rowHeight(0) - kBorderRoom;
    const int availableWidth = m_grid.widthTwips() - m_grid.colWidth(0) - kBorderRoom;
    const int rowHeight = (availableHeight - (wide ? kScrollBarRoom : 0)) / kRowsInView;
    const int colWidth = (availableWidth - (tall ? kScrollBarRoom : 0)) / kColsInView;

    using Bars = Grid::ScrollBars;
    m_grid.setScrollBars(tall && wide ? Bars::Both
                         : tall       ? Bars::Vertical
                         : wide       ? Bars::Horizontal
                                      : Bars::None);
    const int rows = tall ? dataRows : kRowsInView;
    const int cols = wide ? dataCols : kColsInView;
    m_grid.setRows(rows + 1);
    m_grid.setCols(cols + 1);
    for (int row = 1; row <= rows; ++row)
        m_grid.setRowHeight(row, rowHeight);
    for (int col = 1; col <= cols; ++col)
        m_grid.setColWidth(col, colWidth);
    alignColumns();
}

void ActuarialGrid::alignColumns()
{
    for (int col = 1; col < m_grid.cols(); ++col) {
        m_grid.setColAlignment(col, Qt::AlignRight);
        m_grid.setFixedAlignment(col, Qt::AlignHCenter);
    }
    m_grid.setFixedAlignment(0, Qt::AlignHCenter);
}

} // namespace tq
