#include "loan/loangridview.h"

#include "common/numberformat.h"
#include "common/twips.h"
#include "components/grid.h"

#include <QPainter>
#include <cmath>

namespace tq {

namespace {

const QString lineBreak = QStringLiteral("\n\r");
constexpr int edgeTwips = 30;       // the grid's border, left out of the room for cells
constexpr int scrollBarTwips = 255; // room a scroll bar takes
constexpr int visibleRows = 16;
constexpr int visibleLengths = 3;
constexpr int emptyRows = visibleRows + 1;

QString lines(std::initializer_list<QString> parts)
{
    QStringList list(parts);
    return list.join(lineBreak);
}

} // namespace

LoanGridView::LoanGridView(Grid &grid) : m_grid(grid) {}

QPixmap LoanGridView::calculatorPicture()
{
    // A small desk calculator, drawn rather than shipped.
    QPixmap picture(64, 44);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 60), 1.5));
    p.setBrush(QColor(90, 100, 120));
    p.drawRoundedRect(QRectF(18.5, 2.5, 27, 39), 4, 4);
    p.setBrush(QColor(200, 230, 200));
    p.drawRect(QRectF(22.5, 6.5, 19, 8));
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.setBrush(row == 3 && col == 2 ? QColor(230, 120, 60) : QColor(235, 235, 235));
            p.drawRect(QRectF(22.5 + col * 7, 18.5 + row * 5.5, 5, 4));
        }
    }
    return picture;
}

QString LoanGridView::lengthHeading(double length, LengthUnit unit)
{
    const QString name = unit == LengthUnit::Years ? QStringLiteral(" Years") : QStringLiteral(" Months");
    return lineBreak + formatGeneral(length) + name;
}

void LoanGridView::emptyTo(int rows)
{
    m_grid.setRows(1);
    for (int c = 0; c < m_grid.cols(); ++c)
        m_grid.setText(0, c, QString());
    m_grid.setRows(rows);
}

void LoanGridView::showEmpty(int rows)
{
    // New rows come at the default height; keep the height the view had.
    const int height = m_grid.rows() > 1 ? m_grid.rowHeight(1) : 0;
    emptyTo(rows);
    if (height > 0)
        for (int r = 1; r < m_grid.rows(); ++r)
            m_grid.setRowHeight(r, height);
}

void LoanGridView::centreColumns()
{
    for (int c = 0; c < m_grid.cols(); ++c) {
        m_grid.setFixedAlignment(c, Qt::AlignHCenter);
        m_grid.setColAlignment(c, Qt::AlignHCenter);
    }
}

// Sixteen rates and three lengths always fill the visible area; more of
// either scroll, and their scroll bar takes its room from the other direction.
void LoanGridView::sizeForPayments(int rates, int lengths)
{
    const bool manyRates = rates > visibleRows;
    const bool manyLengths = lengths > visibleLengths;
    const int availableHeight = m_grid.heightTwips() - m_grid.rowHeight(0) - edgeTwips;
    const int availableWidth = m_grid.widthTwips() - m_grid.colWidth(0) - edgeTwips;
    m_grid.setScrollBars(manyRates && manyLengths ? GridScrollBars::Both
                         : manyRates              ? GridScrollBars::Vertical
                         : manyLengths            ? GridScrollBars::Horizontal
                                                  : GridScrollBars::None);
    m_grid.setRows(manyRates ? rates + 1 : emptyRows);
    m_grid.setCols(manyLengths ? lengths + 1 : visibleLengths + 1);
    const int rowHeight = (availableHeight - (manyLengths ? scrollBarTwips : 0)) / visibleRows;
    const int colWidth = (availableWidth - (manyRates ? scrollBarTwips : 0)) / visibleLengths;
    for (int r = 1; r < m_grid.rows(); ++r)
        m_grid.setRowHeight(r, rowHeight);
    for (int c = 1; c < m_grid.cols(); ++c)
        m_grid.setColWidth(c, colWidth);
}

void LoanGridView::showPayments(const PaymentTable &table)
{
    emptyTo(emptyRows);
    const QPixmap picture = calculatorPicture();
    m_grid.setCellPicture(0, 0, picture);
    m_grid.setColWidth(0, int(std::lround(pixelsToTwips(picture.width(), m_grid.logicalDpiX()))));
    m_grid.setRowHeight(0, int(std::lround(pixelsToTwips(picture.height(), m_grid.logicalDpiY()))));
    sizeForPayments(table.rowCount(), table.columnCount());
    centreColumns();
    for (int c = 1; c <= table.columnCount(); ++c)
        m_grid.setText(0, c, lengthHeading(table.length(c), table.unit()));
    for (int r = 1; r <= table.rowCount(); ++r) {
        m_grid.setText(r, 0, LoanEngine::rateLabel(table.rate(r)));
        for (int c = 1; c <= table.columnCount(); ++c)
            m_grid.setText(r, c, formatCurrency(table.payment(r, c)));
    }
}

void LoanGridView::showSchedule(const AmortizationSchedule &s)
{
    m_grid.setColWidth(0, int(std::lround(m_grid.widthTwips() * 0.15)));
    m_grid.setRowHeight(0, int(std::lround(m_grid.heightTwips() * 0.20)));
    emptyTo(emptyRows);
    m_grid.setCols(5);
    m_grid.setCellPicture(0, 0, QPixmap());
    m_grid.setText(0, 0,
                   lines({QStringLiteral("Monthly"), QStringLiteral("Payment"), formatCurrency(s.payment)}));
    m_grid.setText(0, 1,
                   lines({QStringLiteral("Amount"), QStringLiteral("Towards"), QStringLiteral("Principal")}));
    m_grid.setText(
        0, 2,
        lines({QStringLiteral("Amount of"), QStringLiteral("Interest"), formatCurrency(s.totalInterest)}));
    m_grid.setText(0, 3, lines({QString(), QStringLiteral("Principal Balance")}));
    m_grid.setText(0, 4, lines({QString(), QStringLiteral("Total Interest")}));
    centreColumns();

    m_grid.setScrollBars(GridScrollBars::Both);
    const int count = int(s.rows.size());
    m_grid.setRows(std::max(count, visibleRows) + 1);
    const int availableHeight = m_grid.heightTwips() - m_grid.rowHeight(0) - edgeTwips;
    const int availableWidth = m_grid.widthTwips() - m_grid.colWidth(0) - edgeTwips;
    const int rowHeight = int(std::lround(availableHeight / double(visibleRows)));
    for (int r = 1; r < m_grid.rows(); ++r)
        m_grid.setRowHeight(r, rowHeight);
    for (int c = 1; c < 5; ++c)
        m_grid.setColWidth(c, (availableWidth - scrollBarTwips) / 2);
    for (int k = 0; k < count; ++k)
        m_grid.setRowTexts(k + 1, scheduleGridTexts(s.rows[std::size_t(k)]));
}

QString LoanGridView::scrollTip(int row) const
{
    return QStringLiteral(" Row %1: %2 ").arg(row).arg(m_grid.text(row, 0));
}

} // namespace tq
