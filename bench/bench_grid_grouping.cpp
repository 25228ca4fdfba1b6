// Grouping 100,000 rows into 10,000 groups with summary rows, and
// ungrouping them again: each must take well under a second, so the rows
// are rebuilt in one pass, not one inserted row at a time.
#include "bench_support.h"
#include <benchmark/benchmark.h>

#include <chrono>

#include "controls/grid/string_grid/ex_string_grid.h"

namespace {

using namespace grid;

// Rows already in key order (10 a key) so that the measured time is the
// grouping's own; a key, a name and an amount a row.
void fill(TExStringGrid& g, int rows, int groups)
{
    g.SetColCount(4);
    g.SetRowCount(rows + 1);
    g.SetFixedRows(1);
    g.SetFixedCols(1);
    const int perGroup = rows / groups;
    for (int r = 1; r <= rows; ++r) {
        g.SetCellEx(1, r, QStringLiteral("K%1").arg((r - 1) / perGroup, 6, 10, QChar(u'0')));
        g.SetCellEx(2, r, QStringLiteral("n%1").arg(r));
        g.SetCellEx(3, r, QString::number(r % 97));
    }
}

void groupAndUnGroup(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const int groups = int(state.range(1));
    double groupMs = 0, unGroupMs = 0;
    for (auto _ : state) {
        TExStringGrid g;
        fill(g, rows, groups);
        g.Grouping().Summary = true;
        g.SortSettings().AutoSortForGrouping = false;
        const auto t0 = std::chrono::steady_clock::now();
        g.Group(1);
        const auto t1 = std::chrono::steady_clock::now();
        g.UnGroup();
        const auto t2 = std::chrono::steady_clock::now();
        groupMs = std::chrono::duration<double, std::milli>(t1 - t0).count();
        unGroupMs = std::chrono::duration<double, std::milli>(t2 - t1).count();
        if (g.RowCount() != rows + 1) state.SkipWithError("ungrouping lost rows");
        state.SetIterationTime(std::chrono::duration<double>(t2 - t0).count());
    }
    state.counters["group_ms"] = groupMs;
    state.counters["ungroup_ms"] = unGroupMs;
}

// A second level on the name column cut to 2 runs a group (its rows are 5
// and 5 names alike), then its undo, on the grouped 100,000 rows.
void subGroupAndUndo(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const int groups = int(state.range(1));
    double subMs = 0, undoMs = 0;
    for (auto _ : state) {
        TExStringGrid g;
        fill(g, rows, groups);
        for (int r = 1; r <= rows; ++r) g.SetCellEx(2, r, QStringLiteral("n%1").arg((r - 1) / 5));
        g.Grouping().Summary = true;
        g.SortSettings().AutoSortForGrouping = false;
        g.Group(1);
        const auto t0 = std::chrono::steady_clock::now();
        g.SubGroup(1);
        const auto t1 = std::chrono::steady_clock::now();
        g.SubUnGroup(1);
        const auto t2 = std::chrono::steady_clock::now();
        subMs = std::chrono::duration<double, std::milli>(t1 - t0).count();
        undoMs = std::chrono::duration<double, std::milli>(t2 - t1).count();
        if (g.RowCount() != rows + 1 + 2 * groups) state.SkipWithError("the second level's undo lost rows");
        state.SetIterationTime(std::chrono::duration<double>(t2 - t0).count());
    }
    state.counters["subgroup_ms"] = subMs;
    state.counters["subungroup_ms"] = undoMs;
}

void groupSum(benchmark::State& state)
{
    TExStringGrid g;
    fill(g, int(state.range(0)), int(state.range(1)));
    g.Grouping().Summary = true;
    g.SortSettings().AutoSortForGrouping = false;
    g.Group(1);
    for (auto _ : state) g.GroupSum(2);
}

}  // namespace

BENCHMARK(groupAndUnGroup)->Args({100000, 10000})->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(subGroupAndUndo)->Args({100000, 10000})->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(groupSum)->Args({100000, 10000})->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) { return bench_support::runWithApplication(argc, argv); }
