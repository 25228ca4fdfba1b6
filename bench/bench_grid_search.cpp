// Finding and highlighting in a string grid of 100,000 rows by 10 columns:
// a find that scans every cell without a match (ignoring case, matching
// case, row by row), and highlighting a term that stands in one cell of
// every ten in the whole grid, and taking the highlights out again.
#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include "controls/grid/search/find_params.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace {

using namespace grid;
using namespace grid::search;

constexpr int kColumns = 10;

// Cells "Cell <c>-<r>"; every tenth holds the term "needle" as well.
void fillGrid(TExStringGrid& grid, int rows)
{
    grid.SetColCount(kColumns + 1);
    grid.SetRowCount(rows + 1);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= kColumns; ++c) {
            const bool term = (r * kColumns + c) % 10 == 0;
            grid.SetGridCell(c, r, term ? QStringLiteral("Cell %1-%2 needle").arg(c).arg(r)
                                        : QStringLiteral("Cell %1-%2").arg(c).arg(r));
        }
}

void findFullScan(benchmark::State& state, TFindParams params)
{
    const int rows = int(state.range(0));
    TExStringGrid grid;
    grid.resize(800, 600);
    fillGrid(grid, rows);
    for (auto _ : state) {
        const QPoint found = grid.FindFirst(QStringLiteral("absent"), params);
        if (found.x() >= 0) state.SkipWithError("found a cell");
        benchmark::DoNotOptimize(found);
    }
    state.counters["cells"] = double(rows) * kColumns;
}

void findNextIgnoringCase(benchmark::State& state) { findFullScan(state, {}); }
void findNextMatchingCase(benchmark::State& state) { findFullScan(state, {fnMatchCase}); }
void findNextRowByRow(benchmark::State& state) { findFullScan(state, {fnDirectionLeftRight}); }

void highlightWholeGrid(benchmark::State& state)
{
    const int rows = int(state.range(0));
    TExStringGrid grid;
    grid.resize(800, 600);
    fillGrid(grid, rows);
    for (auto _ : state) {
        grid.HilightInGrid(false, false, QStringLiteral("NEEDLE"));
        state.PauseTiming();
        if (!grid.GetGridCell(kColumns, 1).contains(QStringLiteral("<hi>"))) state.SkipWithError("not highlighted");
        grid.UnHilightInGrid(false);
        state.ResumeTiming();
    }
    state.counters["cells"] = double(rows) * kColumns;
}

void unhighlightWholeGrid(benchmark::State& state)
{
    const int rows = int(state.range(0));
    TExStringGrid grid;
    grid.resize(800, 600);
    fillGrid(grid, rows);
    for (auto _ : state) {
        state.PauseTiming();
        grid.HilightInGrid(false, false, QStringLiteral("NEEDLE"));
        state.ResumeTiming();
        grid.UnHilightInGrid(false);
    }
    state.counters["cells"] = double(rows) * kColumns;
}

BENCHMARK(findNextIgnoringCase)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(findNextMatchingCase)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(findNextRowByRow)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(highlightWholeGrid)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(unhighlightWholeGrid)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
