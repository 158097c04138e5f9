#pragma once
// The three monthly rows under the grid: a month's total expenses, its income
// caption and its balance.
#include "budget/budgetsheet.h"

namespace tq {

struct MonthFigures {
    QString expenses;      // "#####.00", empty until computed
    QString income;        // the stored caption; "0.00" once computed without income
    QString balance;       // "#####.00", empty until computed
    bool negative = false; // the balance shows red
    bool operator==(const MonthFigures &) const = default;
};

// The sum of a month's amounts: each cell read as a 32-bit amount (cells that
// are not numbers left out) and added up in 64 bits. `capped` when it reached
// 100,000; the total then counts as at most 99999.
struct MonthTotal {
    double total = 0;
    bool capped = false;
};
MonthTotal monthTotal(const BudgetSheet &sheet, int month);

// Expenses and balance of a month from its total and income caption; the
// caption becomes "0.00" when it holds no amount above 0.
MonthFigures monthFigures(double total, const QString &incomeCaption);

} // namespace tq
