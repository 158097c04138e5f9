// The totals panel and the budget's documents over a full year of 50 items.
#include "budget/budgetchart.h"
#include "budget/budgetdocument.h"
#include "budget/totalspanel.h"
#include "budgetengine/budgetmodel.h"
#include "components/printdocument.h"
#include "fullyear.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace tq;
using namespace tq::bench;

namespace {

struct LoadedYear {
    SavedYear saved;
    BudgetModel model;
    LoadedYear() { model.load(saved.folder(), year); }
};

// "&Totals (Yr)" on a window whose panel has not opened yet: the panel is
// made, filled, its chart built and the window painted once.
void openTotalsPanelFirstTime(benchmark::State &state)
{
    LoadedYear loaded;
    QWidget window;
    window.resize(1000, 650);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        auto *panel = new TotalsPanel(&window);
        panel->setGeometry(window.rect());
        benchmark::DoNotOptimize(panel->open(loaded.model, year));
        window.repaint();
        state.PauseTiming();
        delete panel;
        state.ResumeTiming();
    }
}
BENCHMARK(openTotalsPanelFirstTime)->Unit(benchmark::kMillisecond);

// Closing and opening it again: the chart is drawn again.
void reopenTotalsPanel(benchmark::State &state)
{
    LoadedYear loaded;
    QWidget window;
    window.resize(1000, 650);
    auto *panel = new TotalsPanel(&window);
    panel->setGeometry(window.rect());
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        benchmark::DoNotOptimize(panel->open(loaded.model, year));
        window.repaint();
        panel->closeTotals();
    }
}
BENCHMARK(reopenTotalsPanel)->Unit(benchmark::kMillisecond);

void buildBudgetDocument(benchmark::State &state)
{
    LoadedYear loaded;
    PrintDocument doc;
    doc.setFont(FontChoice{QStringLiteral("Times New Roman"), budgetPrintSize});
    doc.setMargins(0);
    for (auto _ : state) {
        doc.startDoc();
        writeBudgetDocument(doc, {loaded.model, year, QStringLiteral("Smith"), QDate(2007, 3, 14)}, {});
        doc.endDoc();
        benchmark::DoNotOptimize(doc.pageCount());
    }
}
BENCHMARK(buildBudgetDocument)->Unit(benchmark::kMillisecond);

void buildTotalsDocument(benchmark::State &state)
{
    LoadedYear loaded;
    YearTotals totals;
    totals.fill(loaded.model);
    PrintDocument doc;
    doc.setFont(FontChoice{QStringLiteral("Times New Roman"), budgetPrintSize});
    doc.setMargins(0);
    for (auto _ : state) {
        doc.startDoc();
        writeTotalsDocument(doc, {totals, QStringLiteral("2007"), QDate(2007, 3, 14)});
        doc.endDoc();
        benchmark::DoNotOptimize(doc.pageCount());
    }
}
BENCHMARK(buildTotalsDocument)->Unit(benchmark::kMillisecond);

} // namespace
