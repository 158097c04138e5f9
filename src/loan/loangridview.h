#pragma once
// What the loan calculator's grid shows: nothing, the payments table or an
// amortization schedule.
#include "loan/loanengine.h"
#include "loan/paymentsblock.h"

#include <QPixmap>

namespace tq {

class Grid;

class LoanGridView
{
public:
    explicit LoanGridView(Grid &grid);

    // Blank rows and headings; the picture in the corner stays as it is.
    void showEmpty(int rows);
    void showPayments(const PaymentTable &table);
    void showSchedule(const AmortizationSchedule &schedule);

    // " Row 12: 6.5% " while the vertical scroll box is dragged.
    QString scrollTip(int row) const;

    // The corner picture of the payments view.
    static QPixmap calculatorPicture();
    // A line break (LF CR), then "10 Years": the heading of a length column.
    static QString lengthHeading(double length, LengthUnit unit);

private:
    void emptyTo(int rows);
    void sizeForPayments(int rates, int lengths);
    void centreColumns();

    Grid &m_grid;
};

} // namespace tq
