#include "loan/paymentsblock.h"

#include "common/numberformat.h"

namespace tq {

PaymentsBlock paymentsBlock(const PaymentTable &table, int top, int left, int bottom, int right)
{
    PaymentsBlock result;
    for (int c = left; c <= right; ++c)
        result.lengths.append(c <= table.columnCount() ? table.length(c) : 0);
    for (int r = top; r <= bottom && r <= table.rowCount(); ++r) {
        result.rates.append(LoanEngine::rateLabel(table.rate(r)));
        QStringList cells;
        for (int c = left; c <= right; ++c)
            cells.append(c <= table.columnCount() ? formatCurrency(table.payment(r, c)) : QString());
        result.cells.append(cells);
    }
    return result;
}

QStringList scheduleGridTexts(const ScheduleRow &row)
{
    return {QString::number(row.number), formatCurrency(row.principal), formatCurrency(row.interest),
            formatCurrency(row.balance), formatCurrency(row.interestToDate)};
}

QList<QStringList> scheduleTexts(const AmortizationSchedule &schedule)
{
    QList<QStringList> rows;
    for (const ScheduleRow &row : schedule.rows)
        rows.append(scheduleGridTexts(row));
    return rows;
}

} // namespace tq
