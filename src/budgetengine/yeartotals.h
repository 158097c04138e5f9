#pragma once
// The totals panel's figures: the yearly totals and their percentages, each
// named item's yearly total and share, and the chart's series. They are
// computed from the budget's monthly figures and cells when the panel opens,
// when the percentage basis changes and on a recompute while it is open.
//
// The figures are numbers rounded to cents at the steps the panel shows them
// (each month's total, the running yearly sums, the balance, each item's
// total), so what the panel, the chart and the totals document show agree.
#include "budgetengine/budgetsheet.h"

#include <QList>
#include <QString>
#include <optional>

namespace tq {

class BudgetModel;

enum class PercentBasis { Income, Expenses };

// A share of a total as the panel, chart and documents show it: "##0.00%",
// never grouped ("1080.00%").
QString percentText(double ratio);

// Cents, as a figure that was shown is read back (1.005 gives 1.01).
double roundedToCents(double value);

// An item's year: the cells' leading numbers added month by month, where a
// running sum at or below 0 starts again from 0; nothing when it ends there.
// Unlike the monthly totals it reads "1,234.00" as 1.
std::optional<double> yearlyItemTotal(const BudgetRow &row);

// One row of the item list under its heading row.
struct ItemTotal {
    QString name;
    std::optional<double> total; // in cents
    double share = 0;            // of the basis total, when there is a total
    bool operator==(const ItemTotal &) const = default;
};
// The list's texts: "####.00" and the share with one space after it, both
// empty without a total.
QString listTotal(const ItemTotal &item);
QString listPercent(const ItemTotal &item);

// The yearly figures in cents. Expenses and income are each month's shown
// figure added up; the balance and the shares come only from a complete fill.
struct YearFigures {
    double expenses = 0;
    double income = 0;
    double balance = 0;
    double expensesShare = 0;
    double balanceShare = 0;
    bool complete = false;
    bool operator==(const YearFigures &) const = default;
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
    static std::optional<Notice> openCheck(const BudgetModel &model);
    // Shown when fill() answers MissingIncome on opening.
    static Notice missingIncomeMessage();
    static QString caption(int year);
    static QString basisText(PercentBasis basis); // Label19

    PercentBasis basis() const { return m_basis; }
    void setBasis(PercentBasis basis) { m_basis = basis; }
    void toggleBasis();

    // Opening the panel: the list goes back to one empty row.
    void resetList();
    Outcome fill(const BudgetModel &model);

    const YearFigures &figures() const { return m_figures; }
    // The incomes' 100.00% shows from the first complete fill on.
    bool showsIncomeShare() const { return m_incomeShare; }
    YearlyLabels labels() const;
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
    YearFigures m_figures;
    bool m_incomeShare = false;
    QList<ItemTotal> m_items{ItemTotal()};
    int m_itemsWithTotal = 0;
};

} // namespace tq
