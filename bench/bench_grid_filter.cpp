// Filtering the rows of a string grid: applying a condition that hides about
// half of the rows as one filter level and bringing them back; and filling
// the filter drop-down of a column with its distinct values.
#include "bench_support.h"
#include <benchmark/benchmark.h>

#include <QApplication>

#include "controls/grid/ex_string_grid.h"

namespace {

using namespace grid;

void fillWords(TExStringGrid& grid, int rows)
{
    grid.SetColCount(4);
    grid.SetRowCount(rows + 1);
    grid.SetFixedRows(1);
    for (int r = 0; r < rows; ++r) {
        grid.SetGridCell(1, r + 1, QStringLiteral("item %1").arg(r % 1000));
        grid.SetGridCell(2, r + 1, QString::number(r));
    }
}

// Apply ">=N/2" on column 2 (half the rows hidden), then undo the level.
void filterApplyAndRemove(benchmark::State& state)
{
    const int rows = int(state.range(0));
    TExStringGrid grid;
    grid.resize(800, 600);
    fillWords(grid, rows);
    TFilterData& f = grid.Filter().Add();
    f.Column = 2;
    f.Condition = QStringLiteral(">=%1").arg(rows / 2);
    int shown = 0;
    for (auto _ : state) {
        grid.SetFilterActive(true);
        shown = grid.RowCount();
        grid.RemoveAllFilters();
    }
    if (grid.RowCount() != rows + 1) state.SkipWithError("rows not restored");
    state.counters["rows"] = rows;
    state.counters["shown"] = shown;
}

// The distinct values of a column (1,000 of them) for the drop-down.
void filterDropDownValues(benchmark::State& state)
{
    const int rows = int(state.range(0));
    TExStringGrid grid;
    grid.resize(800, 600);
    fillWords(grid, rows);
    grid.FilterDropDownAuto = true;
    for (auto _ : state) benchmark::DoNotOptimize(grid.GetColumnFilter(1));
    state.counters["rows"] = rows;
    state.counters["entries"] = grid.FilterList.size();
}

BENCHMARK(filterApplyAndRemove)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(filterDropDownValues)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
