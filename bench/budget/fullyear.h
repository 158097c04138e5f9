#pragma once
// A budget kept for a whole year, for the budget benchmarks.
#include "budget/budgetsheet.h"

namespace tq::bench {

// Every cell and income filled.
inline BudgetSheet fullYear()
{
    BudgetSheet sheet;
    for (int r = 0; r < budgetItemRows; ++r) {
        sheet.rows[size_t(r)][0] = QStringLiteral("Household item %1").arg(r + 1);
        for (int m = 1; m <= budgetMonths; ++m)
            sheet.rows[size_t(r)][size_t(m)] =
                QStringLiteral("%1.%2").arg(10 * r + m).arg(m * 7 % 100, 2, 10, QChar(u'0'));
    }
    sheet.incomes.fill(QStringLiteral("45000.00"));
    return sheet;
}

} // namespace tq::bench
