#pragma once
// A budget kept for a whole year, saved as a year file, for the budget benchmarks.
#include "budgetengine/yearfile.h"

#include <QTemporaryDir>

namespace tq::bench {

inline constexpr int year = 2007;

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

struct SavedYear {
    QTemporaryDir dir;
    QDir folder() const { return QDir(dir.path()); }
    SavedYear() { yearfile::save(folder(), year, fullYear()); }
};

} // namespace tq::bench
