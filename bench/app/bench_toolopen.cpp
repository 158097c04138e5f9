// What opening a tool window costs, piece by piece: the shared frame (its
// toolbar icons and menus), the budget's controls, panels and preview, its
// year loaded into the model, the first paint, and each tool window whole.
#include "actuarial/actua1.h"
#include "budget/budget1.h"
#include "budget/budget1print.h"
#include "budget/budgetgridcolours.h"
#include "budget/gridbackgroundselector.h"
#include "budget/totalspanel.h"
#include "components/grid.h"
#include "frame/activitytoolbar.h"
#include "frame/framemenus.h"
#include "frame/mainpanel.h"
#include "fullyearprogram.h"
#include "homecalc/homecalc.h"
#include "loan/loansheet.h"
#include "scicalc/scicalc.h"

#include <QApplication>
#include <QMenuBar>
#include <QPixmapCache>
#include <benchmark/benchmark.h>
#include <memory>

using namespace tq;
using tq::bench::FullYearProgram;

namespace {

const ToolWindowConfig budgetConfig = Budget1::budgetConfig(QString());

// The toolbar of 49 activity buttons with their icons.
void frameTopToolbar(benchmark::State &state)
{
    for (auto _ : state)
        delete new ActivityToolbar(budgetConfig.topButtonCount);
}
BENCHMARK(frameTopToolbar)->Unit(benchmark::kMillisecond);

void frameMenus(benchmark::State &state)
{
    for (auto _ : state) {
        QWidget window;
        QMenuBar bar(&window);
        FrameMenus menus(budgetConfig, &bar, &window);
        benchmark::DoNotOptimize(menus.options);
    }
}
BENCHMARK(frameMenus)->Unit(benchmark::kMillisecond);

// The whole frame with the budget's configuration: toolbars, menus, status bar, panel.
void frameWhole(benchmark::State &state)
{
    FullYearProgram p;
    for (auto _ : state)
        delete new ToolWindow(p.program, &p.launcher, budgetConfig);
}
BENCHMARK(frameWhole)->Unit(benchmark::kMillisecond);

// The budget's own controls, the grid among them, without a model.
void budgetControls(benchmark::State &state)
{
    for (auto _ : state) {
        QWidget panel;
        BudgetForm::build([&panel](QWidget *w, const QRect &) { w->setParent(&panel); });
    }
}
BENCHMARK(budgetControls)->Unit(benchmark::kMillisecond);

void budgetModelLoad(benchmark::State &state)
{
    FullYearProgram p;
    for (auto _ : state) {
        BudgetModel model;
        model.load(p.program.folder, bench::year);
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(budgetModelLoad)->Unit(benchmark::kMillisecond);

void budgetTotalsPanel(benchmark::State &state)
{
    for (auto _ : state) {
        QWidget parent;
        new TotalsPanel(&parent);
    }
}
BENCHMARK(budgetTotalsPanel)->Unit(benchmark::kMillisecond);

void budgetBackgroundSelector(benchmark::State &state)
{
    FullYearProgram p;
    QWidget window;
    Grid grid(&window);
    BudgetGridColours colours(p.program, grid, &window);
    for (auto _ : state) {
        QWidget parent;
        new GridBackgroundSelector(colours, &parent);
    }
}
BENCHMARK(budgetBackgroundSelector)->Unit(benchmark::kMillisecond);

void budgetPreview(benchmark::State &state)
{
    FullYearProgram p;
    for (auto _ : state) {
        QWidget window;
        makeBudgetPreview(p.program, &window);
    }
}
BENCHMARK(budgetPreview)->Unit(benchmark::kMillisecond);

// The budget window built over a full year, not yet shown.
void budgetBuilt(benchmark::State &state)
{
    FullYearProgram p;
    for (auto _ : state) {
        auto *window = new Budget1(p.program, &p.launcher);
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(budgetBuilt)->Unit(benchmark::kMillisecond);

// Showing the built window until its first paint has run: layout, activation,
// paint, as the first window a program opens (no icon painted yet).
void budgetFirstShow(benchmark::State &state)
{
    FullYearProgram p;
    for (auto _ : state) {
        state.PauseTiming();
        QPixmapCache::clear();
        auto *window = new Budget1(p.program, &p.launcher);
        state.ResumeTiming();
        window->show();
        QApplication::processEvents();
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(budgetFirstShow)->Unit(benchmark::kMillisecond);

// Each calculator window built, shown and painted once.
template <typename Window> void calculatorOpened(benchmark::State &state)
{
    FullYearProgram p;
    for (auto _ : state) {
        auto *window = new Window(p.program, &p.launcher);
        window->show();
        QApplication::processEvents();
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(calculatorOpened<HomeCalc>)->Unit(benchmark::kMillisecond);
BENCHMARK(calculatorOpened<LoanSheet>)->Unit(benchmark::kMillisecond);
BENCHMARK(calculatorOpened<Actua1>)->Unit(benchmark::kMillisecond);
BENCHMARK(calculatorOpened<SciCalc>)->Unit(benchmark::kMillisecond);

} // namespace
