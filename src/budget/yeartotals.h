#pragma once
// The totals panel's figures: the yearly totals and their percentages, each
// named item's yearly total and share, and the chart's series. They are
// computed from the budget's texts and monthly rows when the panel opens,
// when the percentage basis changes and on a recompute while it is open.
//
// The yearly labels are accumulated month by month through their own texts,
// as the panel shows them ("######.00 " with its trailing space), and every
// figure after them is read back from those texts, so what the panel, the
// chart and the totals document show always agree.
#include "budget/budgetsheet.h"

#include <QList>
#include <QString>
#include <optional>

namespace tq {

class BudgetModel;

enum class PercentBasis { Income, Expenses };

// A message box with the question icon and an OK button.
struct TotalsMessage {
    QString title;
    QString text;
    bool operator==(const TotalsMessage &) const = default;
};

// One row of the item list under its heading row.
struct ItemTotal {
    QString name;
    QString total;   // "####.00"; empty when the year's running sum ended at or below 0
    QString percent; // "Percent" and one space; empty when the total is
    bool operator==(const ItemTotal &) const = default;
};

// Label13 to Label18 of the panel.
struct YearlyLabels {
    QString expenses; // "######.00 "
    QString income;
    QString balance;
    QString expensesPercent; // "Percent" and five spaces
    QString incomePercent;
    QString balancePercent;
    bool balanceNegative = false; // the balance shows red
    bool operator==(const YearlyLabels &) const = default;
};

// One series of the chart: a legend label and a value in percent.
struct ChartPoint {
    QString label;
    double value = 0;
    bool operator==(const ChartPoint &) const = default;
};

class YearTotals
{
public:
    enum class Outcome {
        Filled,        // labels, percentages and item list are new
        MissingIncome, // the year's income is not above 0: the panel stays closed
        NoExpenses,    // the year's expenses are 0: list and percentages stay as they were
    };

    // Nothing when the panel may open; otherwise the "View Totals" message.
    static std::optional<TotalsMessage> openCheck(const BudgetModel &model);
    // Shown when fill() answers MissingIncome on opening.
    static TotalsMessage missingIncomeMessage();
    static QString caption(int year);
    static QString basisText(PercentBasis basis); // Label19

    PercentBasis basis() const { return m_basis; }
    void setBasis(PercentBasis basis) { m_basis = basis; }
    void toggleBasis();

    // Opening the panel: the list goes back to one empty row.
    void resetList();
    Outcome fill(const BudgetModel &model);

    const YearlyLabels &labels() const { return m_labels; }
    const QList<ItemTotal> &items() const { return m_items; }
    // Items whose total is not empty, as counted by the last complete fill.
    int itemsWithTotal() const { return m_itemsWithTotal; }
    // One series per list row in list order, then the balance series.
    QList<ChartPoint> chartPoints() const;

private:
    void accumulateMonths(const BudgetModel &model);
    void fillPercentages();
    void fillItems(const BudgetSheet &sheet);
    double basisTotal() const;

    PercentBasis m_basis = PercentBasis::Income;
    YearlyLabels m_labels;
    QList<ItemTotal> m_items{ItemTotal()};
    int m_itemsWithTotal = 0;
};

} // namespace tq
