#pragma once
// The budget of one year as the user typed it: 50 item rows of 13 texts (the
// item name, then January to December) and the twelve income captions. The
// texts are the data; every figure is computed from them.
#include <QList>
#include <QString>
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

// A message for the window to show (always with the information icon).
struct BudgetNotice {
    QString title;
    QString text;
    bool operator==(const BudgetNotice &) const = default;
};
using BudgetNotices = QList<BudgetNotice>;

} // namespace tq
