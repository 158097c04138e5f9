#include "budgetengine/budgetmodel.h"
#include "fullyear.h"

#include <benchmark/benchmark.h>

using namespace tq;
using namespace tq::bench;

namespace {

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
