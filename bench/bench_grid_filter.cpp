// Filtering the rows of a string grid: applying a condition that hides about
// half of the rows as one filter level and bringing them back; filling the
// filter drop-down of a column with its distinct values (1,000, and 100,000
// all different); and the filter row's per-column glyph question a repaint asks.
#include "bench_support.h"
#include <memory>

#include <benchmark/benchmark.h>

#include <QApplication>

#include "controls/grid/string_grid/ex_string_grid.h"

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
    grid.SetFilterDropDownAuto(true);
    for (auto _ : state) benchmark::DoNotOptimize(grid.GetColumnFilter(1));
    state.counters["rows"] = rows;
    state.counters["entries"] = grid.FilterList.size();
}

// A grid of words whose column 3 holds a different value in every row,
// with the automatic drop-down lists on.
std::unique_ptr<TExStringGrid> distinctValueGrid(int rows)
{
    auto grid = std::make_unique<TExStringGrid>();
    grid->resize(800, 600);
    fillWords(*grid, rows);
    for (int r = 0; r < rows; ++r) grid->SetGridCell(3, r + 1, QStringLiteral("value %1").arg(r));
    grid->SetFilterDropDownAuto(true);
    return grid;
}

// The drop-down of a column whose 100,000 values all differ.
void filterDropDownDistinctValues(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const auto grid = distinctValueGrid(rows);
    for (auto _ : state) benchmark::DoNotOptimize(grid->GetColumnFilter(3));
    state.counters["rows"] = rows;
    state.counters["entries"] = grid->FilterList.size();
}

// What a repaint of the filter row asks per column: whether it shows the
// filter button (the column of 100,000 distinct values).
void filterGlyphOfColumn(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const auto grid = distinctValueGrid(rows);
    grid->FilterDropDownClear.clear();  // the answer then needs a value
    QImage glyph;
    for (auto _ : state)
        for (int c = 1; c < 4; ++c) benchmark::DoNotOptimize(grid->FilterGlyphOf(c, 0, glyph));
    state.counters["rows"] = rows;
}

BENCHMARK(filterApplyAndRemove)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(filterDropDownValues)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(filterDropDownDistinctValues)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(filterGlyphOfColumn)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
