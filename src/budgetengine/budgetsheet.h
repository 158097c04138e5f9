#pragma once
// The budget of one year as the user typed it: 50 item rows of 13 texts (the
// item name, then January to December) and the twelve income captions. The
// texts are the data; every figure is computed from them.
#include "common/notice.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace tq {

inline constexpr int budgetItemRows = 50;
inline constexpr int budgetMonths = 12;
inline constexpr int budgetColumns = 1 + budgetMonths; // item name + months

using BudgetRow = std::array<QString, budgetColumns>;

struct BudgetSheet {
    std::vector<BudgetRow> rows = std::vector<BudgetRow>(budgetItemRows);
    std::array<QString, budgetMonths> incomes;

    bool operator==(const BudgetSheet &) const = default;
};

// "Jan" to "Dec", as the grid's heading row, the printed budget and the
// monthly rows name the months.
inline const QStringList &monthNames()
{
    static const QStringList names{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return names;
}

// The captions of the three figure rows: under the grid, in the totals panel
// and on both printed documents.
inline const QStringList &figureCaptions()
{
    static const QStringList captions{"Total Expenses: ", "Total Income: ", "Balance: "};
    return captions;
}

// Messages for the window to show (always with the information icon).
using BudgetNotices = QList<Notice>;

} // namespace tq
