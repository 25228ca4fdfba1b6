// Filtering the rows of a string grid: applying a condition that hides about
// half of the rows as one filter level and bringing them back, beside the
// same filter on a QSortFilterProxyModel (numbers stored as numbers there)
// in the same process, whose ratio is reported (the grid must be at least 4
// times as fast); filling the filter drop-down of a column with its distinct
// values (1,000, and 100,000 all different); and the filter row's per-column
// glyph question a repaint asks.
#include "bench_support.h"
#include <chrono>
#include <memory>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

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

// The proxy's filter of the same rows: column 2 at least a threshold, or
// every row while the threshold is off.
class ThresholdProxy : public QSortFilterProxyModel {
public:
    void SetThreshold(std::optional<double> threshold)
    {
        FThreshold = threshold;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        return !FThreshold || sourceModel()->index(row, 2, parent).data().toDouble() >= *FThreshold;
    }

private:
    std::optional<double> FThreshold;
};

double millisecondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The grid's filter level on 100,000 rows against the proxy's filter, one
// after the other in every iteration. The machine is shared: each one's best
// time over the iterations is reported, and the ratio; the iteration time is
// the grid's.
void filterAgainstQtProxy(benchmark::State& state)
{
    const int rows = int(state.range(0));
    TExStringGrid grid;
    grid.resize(800, 600);
    fillWords(grid, rows);
    TFilterData& f = grid.Filter().Add();
    f.Column = 2;
    f.Condition = QStringLiteral(">=%1").arg(rows / 2);
    QStandardItemModel model(rows, 4);
    for (int r = 0; r < rows; ++r) {
        model.setItem(r, 1, new QStandardItem(QStringLiteral("item %1").arg(r % 1000)));  // owned by the model
        auto* number = new QStandardItem();
        number->setData(r, Qt::DisplayRole);
        model.setItem(r, 2, number);
    }
    ThresholdProxy proxy;
    proxy.setSourceModel(&model);
    double gridMs = 1e9, proxyMs = 1e9;
    int gridShown = 0, proxyShown = 0;
    for (auto _ : state) {
        const double g = millisecondsOf([&] {
            grid.SetFilterActive(true);
            gridShown = grid.RowCount() - 1;
            grid.RemoveAllFilters();
        });
        proxyMs = std::min(proxyMs, millisecondsOf([&] {
                               proxy.SetThreshold(rows / 2);
                               proxyShown = proxy.rowCount();
                               proxy.SetThreshold(std::nullopt);
                           }));
        gridMs = std::min(gridMs, g);
        state.SetIterationTime(g / 1000.0);
    }
    if (grid.RowCount() != rows + 1 || proxy.rowCount() != rows) state.SkipWithError("rows not restored");
    if (gridShown != proxyShown) state.SkipWithError("grid and proxy keep different rows");
    state.counters["rows"] = rows;
    state.counters["shown"] = gridShown;
    state.counters["grid_ms"] = gridMs;
    state.counters["proxy_ms"] = proxyMs;
    state.counters["proxy/grid"] = proxyMs / gridMs;
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
BENCHMARK(filterAgainstQtProxy)->Arg(100000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(7);
BENCHMARK(filterDropDownValues)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(filterDropDownDistinctValues)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(filterGlyphOfColumn)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
