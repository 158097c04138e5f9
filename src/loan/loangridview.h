#pragma once
// What the loan calculator's grid shows: nothing, the payments table or an
// amortization schedule, and reading those texts back for copy and print.
#include "loan/loanengine.h"
#include "loan/paymentsblock.h"

#include <QPixmap>

namespace tq {

class Grid;
struct GridBlock;

class LoanGridView
{
public:
    explicit LoanGridView(Grid &grid);

    // Blank rows and headings; the picture in the corner stays as it is.
    void showEmpty(int rows);
    void showPayments(const PaymentTable &table);
    void showSchedule(const AmortizationSchedule &schedule);

    // The grid itself tells which view it shows, as the copy and print read it.
    bool isScheduleShown() const;
    // " Row 12: 6.5% " while the vertical scroll box is dragged.
    QString scrollTip(int row) const;

    PaymentsBlock paymentsBlock(const GridBlock &block) const;
    QList<QStringList> scheduleRows() const;

    // The corner picture of the payments view.
    static QPixmap calculatorPicture();
    // A line break (LF CR), then "10 Years": the heading of a length column.
    static QString lengthHeading(double length, LengthUnit unit);
    static double lengthOfHeading(const QString &heading);

private:
    void emptyTo(int rows);
    void sizeForPayments(int rates, int lengths);
    void centreColumns();

    Grid &m_grid;
};

} // namespace tq
