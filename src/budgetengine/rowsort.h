#pragma once
// The heading sort of the item rows.
#include "budgetengine/budgetsheet.h"

#include <Qt>

namespace tq {

bool isUnnamed(const BudgetRow &row);

// Stable sort by one column: blank texts first, then numbers by value, then
// other texts ignoring case (descending reverses it). After an ascending sort
// the unnamed rows, which sort first by item, are dropped with their amounts
// and empty rows fill the bottom, so a sort by a month keeps named rows on top.
std::vector<BudgetRow> sortedRows(const std::vector<BudgetRow> &rows, int column, Qt::SortOrder order);

} // namespace tq
