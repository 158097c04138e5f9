#include "budgetengine/rowsort.h"

#include "common/numberformat.h"

#include <algorithm>

namespace tq {

namespace {

// Blank, number or text, in that order, and what compares within each.
struct Key {
    int rank = 0;
    double number = 0;
    QString text;
    size_t row = 0;
};

Key keyOf(const QString &text, size_t row)
{
    if (text.trimmed().isEmpty())
        return {0, 0, {}, row};
    if (const auto number = strictNumber(text))
        return {1, *number, {}, row};
    return {2, 0, text, row};
}

bool before(const Key &a, const Key &b)
{
    if (a.rank != b.rank)
        return a.rank < b.rank;
    if (a.rank == 1)
        return a.number < b.number;
    return a.rank == 2 && a.text.compare(b.text, Qt::CaseInsensitive) < 0;
}

} // namespace

bool isUnnamed(const BudgetRow &row)
{
    return row[0].trimmed().isEmpty();
}

std::vector<BudgetRow> sortedRows(const std::vector<BudgetRow> &rows, int column, Qt::SortOrder order)
{
    std::vector<Key> keys;
    keys.reserve(rows.size());
    for (size_t r = 0; r < rows.size(); ++r)
        keys.push_back(keyOf(rows[r][size_t(column)], r));
    const bool ascending = order == Qt::AscendingOrder;
    std::stable_sort(keys.begin(), keys.end(), [ascending](const Key &a, const Key &b) {
        return ascending ? before(a, b) : before(b, a);
    });
    std::vector<BudgetRow> out;
    out.reserve(rows.size());
    for (const Key &k : keys)
        if (!ascending || !isUnnamed(rows[k.row]))
            out.push_back(rows[k.row]);
    out.resize(rows.size());
    return out;
}

} // namespace tq
