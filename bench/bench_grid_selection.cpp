// Selection queries over a string grid of 100,000 rows by 5 columns: the
// count of the selected cells of a range selection of every normal row in
// one and in all five columns (the cell list is rebuilt each time), the
// selected rows of a disjunct row selection, and the selection as text.
#include "bench_support.h"

#include <benchmark/benchmark.h>

#include "controls/grid/string_grid/ex_string_grid.h"

namespace {

using namespace grid;

constexpr int kColumns = 5;

void fillGrid(TExStringGrid& grid, int rows)
{
    grid.SetColCount(kColumns + 1);
    grid.SetRowCount(rows + 1);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= kColumns; ++c) grid.SetGridCell(c, r, QStringLiteral("Cell %1-%2").arg(c).arg(r));
}

void selectedCellsCount(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const int columns = int(state.range(1));
    TExStringGrid grid;
    fillGrid(grid, rows);
    grid.SelectCells(1, 1, columns, rows);
    for (auto _ : state) benchmark::DoNotOptimize(grid.SelectedCellsCount());
    state.counters["cells"] = double(rows) * columns;
}

void selectedText(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const int columns = int(state.range(1));
    TExStringGrid grid;
    fillGrid(grid, rows);
    grid.SelectCells(1, 1, columns, rows);
    for (auto _ : state) benchmark::DoNotOptimize(grid.SelectedText());
    state.counters["cells"] = double(rows) * columns;
}

void selectedTextDisjunctRows(benchmark::State& state)
{
    const int rows = int(state.range(0));
    TExStringGrid grid;
    fillGrid(grid, rows);
    grid.MouseActions().SetDisjunctRowSelect(true);
    for (int r = 1; r <= rows; r += 2) grid.SetRowSelect(r, true);
    grid.SelectCells(1, 1, kColumns, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(grid.SelectedRowCount());
        benchmark::DoNotOptimize(grid.SelectedText());
    }
    state.counters["rows"] = rows / 2;
}

}  // namespace

BENCHMARK(selectedCellsCount)->Args({100000, 1})->Args({100000, kColumns})->Unit(benchmark::kMillisecond);
BENCHMARK(selectedText)->Args({100000, 1})->Args({100000, kColumns})->Unit(benchmark::kMillisecond);
BENCHMARK(selectedTextDisjunctRows)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return bench_support::runWithApplication(argc, argv); }
