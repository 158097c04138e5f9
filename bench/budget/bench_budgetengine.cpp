#include "budget/budgetmodel.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tq;

namespace {

constexpr int year = 2007;

// Every cell and income filled, as in a budget kept for a whole year.
BudgetSheet fullYear()
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

void loadAndRecomputeFullYear(benchmark::State &state)
{
    SavedYear saved;
    BudgetModel model;
    for (auto _ : state) {
        const auto outcome = model.load(saved.folder(), year);
        benchmark::DoNotOptimize(outcome.status);
    }
}
BENCHMARK(loadAndRecomputeFullYear)->Unit(benchmark::kMillisecond);

// One amount typed into a full year and its month recomputed.
void oneCellEdit(benchmark::State &state)
{
    SavedYear saved;
    BudgetModel model;
    model.load(saved.folder(), year);
    int i = 0;
    for (auto _ : state) {
        const auto notices =
            model.enterCell(i % budgetItemRows, 1 + i % budgetMonths, i % 2 ? "12.50" : "99");
        benchmark::DoNotOptimize(notices.size());
        ++i;
    }
}
BENCHMARK(oneCellEdit)->Unit(benchmark::kMicrosecond);

void saveFullYear(benchmark::State &state)
{
    SavedYear saved;
    BudgetModel model;
    model.load(saved.folder(), year);
    for (auto _ : state)
        benchmark::DoNotOptimize(model.save(saved.folder(), year));
}
BENCHMARK(saveFullYear)->Unit(benchmark::kMillisecond);

} // namespace
