#pragma once
// The three monthly rows under the grid: a month's total expenses, its income
// caption and its balance, kept as numbers. Each rounding step the rows show
// is one function here; texts are made only where the rows are shown.
#include "budgetengine/budgetsheet.h"

namespace tq {

// What a cell counts in its month's total: one comma removed (a year file may
// hold 1,234.00), the whole text read as a number and kept in 32 bits; 0 when
// the text is not a number.
float monthAmount(const QString &cell);

// A month's sum of amounts, added up in 64 bits. `capped` when it reached
// 100,000; the total then counts as at most 99999.
struct MonthTotal {
    double total = 0;
    bool capped = false;
};
MonthTotal cappedMonthTotal(double sum);

// The income caption a month shows: "0.00" when it holds no amount above 0.
QString shownIncome(const QString &caption);
// What the balance subtracts from: the caption read like a cell, 0 when it is
// not a number.
double incomeAmount(const QString &caption);
// Income less expenses, kept in 32 bits as the row shows it.
float monthBalance(double income, double total);
// Red: the balance is below zero once rounded to cents (-0.004 is not).
bool isNegative(double figure);

struct MonthFigures {
    double expenses = 0;
    QString income; // the caption as shownIncome() leaves it
    float balance = 0;
    bool computed = false; // the rows stay empty until the first computation
    bool operator==(const MonthFigures &) const = default;
};
MonthFigures monthFigures(double total, const QString &incomeCaption);

// The rows' texts: figures in "#####.00", empty until computed.
struct MonthTexts {
    QString expenses;
    QString income;
    QString balance;
    bool negative = false;
    bool operator==(const MonthTexts &) const = default;
};
MonthTexts monthTexts(const MonthFigures &figures);

} // namespace tq
