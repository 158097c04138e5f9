// The budget window over a full year file: opening it, and one cell edit
// through the grid with the monthly rows following.
#include "budget/budget1.h"
#include "budgetengine/yearfile.h"
#include "components/grid.h"
#include "fullyearprogram.h"

#include <QApplication>
#include <QPixmapCache>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tq;
using tq::bench::FullYearProgram;

namespace {

// As the first window of a program: no toolbar icon painted yet.
void openOnFullYear(benchmark::State &state)
{
    FullYearProgram p;
    for (auto _ : state) {
        state.PauseTiming();
        QPixmapCache::clear();
        state.ResumeTiming();
        auto *window = new Budget1(p.program, &p.launcher);
        window->show();
        QApplication::processEvents();
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(openOnFullYear)->Unit(benchmark::kMillisecond);

void oneCellEditThroughTheGrid(benchmark::State &state)
{
    FullYearProgram p;
    Budget1 window(p.program, &p.launcher);
    window.show();
    QApplication::processEvents();
    Grid *grid = window.form().grid;
    int i = 0;
    for (auto _ : state) {
        grid->setText(1 + i % budgetItemRows, 2 + i % budgetMonths,
                      i % 2 ? QStringLiteral("12.50") : QStringLiteral("99"));
        QApplication::processEvents(); // the repaint of the cell and its month
        ++i;
    }
    window.model().setModified(false);
}
BENCHMARK(oneCellEditThroughTheGrid)->Unit(benchmark::kMicrosecond);

} // namespace
