// The largest table the rate list and the year boxes allow: 50 rates by 100 years.
#include "actuarial/valuetables.h"

#include <benchmark/benchmark.h>

namespace {

const tq::ValueTableInputs kLargest{QStringLiteral("1000"), QStringLiteral("12"),  QStringLiteral("25.0"),
                                    QStringLiteral("0.5"),  QStringLiteral("100"), QStringLiteral("1")};

void computeTable(benchmark::State &state)
{
    for (auto _ : state) {
        auto outcome = tq::buildValueTable(tq::TableKind::FutureValueOfAnnuity, kLargest);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(computeTable)->Unit(benchmark::kMicrosecond);

// What the window pays to fill the grid: every cell in the locale's currency.
void computeTableAndCellTexts(benchmark::State &state)
{
    for (auto _ : state) {
        const auto outcome = tq::buildValueTable(tq::TableKind::FutureValueOfAnnuity, kLargest);
        const tq::ValueTable &t = *outcome.table;
        qsizetype chars = 0;
        for (int r = 0; r < t.rowCount(); ++r)
            for (int c = 0; c < t.columnCount(); ++c)
                chars += t.cellText(r, c).size();
        benchmark::DoNotOptimize(chars);
    }
}
BENCHMARK(computeTableAndCellTexts)->Unit(benchmark::kMillisecond);

} // namespace
