#include "budget/monthlyfigures.h"

#include "budget/entryrules.h"
#include "common/numberformat.h"

namespace tq {

namespace {

constexpr double capNotice = 100000;
constexpr double capValue = 99999;

} // namespace

MonthTotal monthTotal(const BudgetSheet &sheet, int month)
{
    MonthTotal t;
    for (const BudgetRow &row : sheet.rows) {
        const QString &cell = row[size_t(month + 1)];
        if (cell.isEmpty())
            continue;
        if (const auto value = entry::amountValue(cell))
            t.total += double(float(*value));
    }
    t.capped = t.total >= capNotice;
    if (t.total > capValue)
        t.total = capValue;
    return t;
}

MonthFigures monthFigures(double total, const QString &incomeCaption)
{
    MonthFigures f;
    f.expenses = entry::formatMonthFigure(total);
    f.income = leadingNumber(incomeCaption) > 0 ? incomeCaption : QStringLiteral("0.00");
    const double income = entry::amountValue(f.income).value_or(0);
    f.balance = entry::formatMonthFigure(double(float(income - total)));
    f.negative = leadingNumber(f.balance) < 0;
    return f;
}

} // namespace tq
