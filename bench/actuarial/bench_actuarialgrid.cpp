// The largest table the rate list and the year boxes allow, 50 rates by 100
// years, computed and shown in the window's grid (layout, labels, figures,
// the deferred view notification and one repaint).
#include "actuarial/actuarialgrid.h"
#include "actuarial/valuetables.h"
#include "components/grid.h"

#include <QApplication>
#include <QPixmap>
#include <benchmark/benchmark.h>

namespace {

const tq::ValueTableInputs kLargest{QStringLiteral("1000"), QStringLiteral("12"),  QStringLiteral("25.0"),
                                    QStringLiteral("0.5"),  QStringLiteral("100"), QStringLiteral("1")};

struct ShownGrid {
    tq::Grid grid;
    tq::ActuarialGrid table;
    ShownGrid() : table(grid, QPixmap(45, 24))
    {
        grid.resizeTwips(5700, 5638);
        grid.show();
        QApplication::processEvents();
    }
};

void computeAndShowLargestTable(benchmark::State &state)
{
    ShownGrid shown;
    for (auto _ : state) {
        shown.table.empty([] {});
        const auto outcome = tq::buildValueTable(tq::TableKind::FutureValueOfAnnuity, kLargest);
        shown.table.show(*outcome.table);
        QApplication::processEvents();
    }
}
BENCHMARK(computeAndShowLargestTable)->Unit(benchmark::kMillisecond);

} // namespace
