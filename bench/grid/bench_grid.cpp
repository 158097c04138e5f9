// Filling a large grid: 200 rows by 1,200 columns of text, as a shown widget,
// including the deferred view notification and one repaint.
#include "components/grid.h"

#include <QApplication>
#include <QStringList>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

constexpr int rows = 200;
constexpr int cols = 1200;

// One text per cell, made once so that the benchmark times the grid only.
const std::vector<QStringList> &cellTexts()
{
    static const std::vector<QStringList> texts = [] {
        std::vector<QStringList> all(rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                all[size_t(r)]
                    << QStringLiteral("$%1.%2").arg(r * 13 + c).arg(c % 100, 2, 10, QLatin1Char('0'));
        return all;
    }();
    return texts;
}

struct ShownGrid {
    tq::Grid grid;
    ShownGrid()
    {
        grid.resize(800, 600);
        grid.show();
        QApplication::processEvents();
    }
    void reset()
    {
        grid.setRows(1);
        grid.setCols(1);
        grid.setRows(rows);
        grid.setCols(cols);
    }
};

void fillCellByCell(ShownGrid &shown, const std::vector<QStringList> &texts)
{
    shown.reset();
    for (int r = 0; r < rows; ++r) {
        const QStringList &row = texts[size_t(r)];
        for (int c = 0; c < cols; ++c)
            shown.grid.setText(r, c, row[c]);
    }
    QApplication::processEvents();
}

void BM_FillCellByCell(benchmark::State &state)
{
    const auto &texts = cellTexts();
    ShownGrid shown;
    for (auto _ : state) {
        fillCellByCell(shown, texts);
    }
}
BENCHMARK(BM_FillCellByCell)->Unit(benchmark::kMillisecond);

void BM_FillByRows(benchmark::State &state)
{
    const auto &texts = cellTexts();
    ShownGrid shown;
    for (auto _ : state) {
        shown.reset();
        for (int r = 0; r < rows; ++r)
            shown.grid.setRowTexts(r, texts[size_t(r)]);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FillByRows)->Unit(benchmark::kMillisecond);

// The budget listens to every cell change; a connected receiver costs this much more.
void BM_FillCellByCellObserved(benchmark::State &state)
{
    const auto &texts = cellTexts();
    ShownGrid shown;
    int changes = 0;
    QObject::connect(&shown.grid, &tq::Grid::cellChanged, &shown.grid, [&changes](int, int) { ++changes; });
    for (auto _ : state) {
        fillCellByCell(shown, texts);
    }
    benchmark::DoNotOptimize(changes);
}
BENCHMARK(BM_FillCellByCellObserved)->Unit(benchmark::kMillisecond);

} // namespace
