// Sorting the rows of a string grid by one column of mixed numbers
// (integers, decimals, negatives, a few empty cells): the sort must stay
// n log n and must not repaint while rows move. The same sort on Qt's item
// models (the numbers stored as numbers there) runs beside it in the same
// process, and the ratios are reported: the grid must be at least 4 times
// as fast as a QSortFilterProxyModel and twice as fast as
// QStandardItemModel::sort.
#include "bench_support.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QRandomGenerator>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/format_settings.h"

namespace {

using namespace grid;

// One value of the mixed column: a number, or nothing (an empty cell).
struct MixedValue {
    QString text;
    std::optional<double> number;
};

// The same pseudo-random column for every run.
std::vector<MixedValue> mixedNumbers(int count)
{
    QRandomGenerator random(1234);
    std::vector<MixedValue> values;
    values.reserve(size_t(count));
    auto number = [&values](const QString& text) { values.push_back({text, text.toDouble()}); };
    for (int i = 0; i < count; ++i) {
        switch (random.bounded(4)) {
        case 0: number(QString::number(random.bounded(1000000))); break;
        case 1: number(QString::number(random.bounded(100000) / 100.0, 'f', 2)); break;
        case 2: number(QString::number(-random.bounded(50000))); break;
        default:
            if (random.bounded(10) == 0) values.push_back({QString(), std::nullopt});
            else number(QString::number(random.bounded(1000) * 7));
            break;
        }
    }
    return values;
}

void setUpFormat()
{
    platform::formatSettings().DecimalSeparator = u'.';
    platform::formatSettings().ThousandSeparator = u',';
}

// A grid of 4 columns and a header row: the mixed column 1, the record
// number in column 2.
void fillGrid(TExStringGrid& grid, const std::vector<MixedValue>& values, bool heights)
{
    const int rows = int(values.size());
    grid.SetColCount(4);
    grid.SetRowCount(rows + 1);
    grid.SetFixedRows(1);
    for (int r = 0; r < rows; ++r) {
        grid.SetGridCell(1, r + 1, values[size_t(r)].text);
        grid.SetGridCell(2, r + 1, QString::number(r));
        if (heights) grid.SetRowHeights(r + 1, r % 3 == 0 ? 30 : grid.DefaultRowHeight());
    }
}

// The same table as an item model: numbers as numbers, an empty cell as an
// item without data.
void fillModel(QStandardItemModel& model, const std::vector<MixedValue>& values)
{
    const int rows = int(values.size());
    model.clear();
    model.setColumnCount(4);
    model.setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        auto* value = new QStandardItem();  // owned by the model
        if (values[size_t(r)].number) value->setData(*values[size_t(r)].number, Qt::DisplayRole);
        model.setItem(r, 1, value);
        auto* record = new QStandardItem();
        record->setData(r, Qt::DisplayRole);
        model.setItem(r, 2, record);
    }
}

double millisecondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// range(1) = 1: every third row is taller, so that swaps move row heights too.
void sortMixedNumbers(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const bool heights = state.range(1) != 0;
    setUpFormat();
    TExStringGrid grid;
    grid.resize(800, 600);
    const std::vector<MixedValue> values = mixedNumbers(rows);
    for (auto _ : state) {
        state.PauseTiming();
        fillGrid(grid, values, heights);
        state.ResumeTiming();
        grid.Sort(1, sdAscending);
    }
    state.counters["rows"] = rows;
    state.counters["compares"] = grid.Compares();
}

// The grid's sort of 100,000 rows against the same sort of a proxy model
// and of the item model itself, one after the other in every iteration.
// The machine is shared: each method's best time over the iterations is
// reported, and the ratios of those; the iteration time is the grid's.
void sortAgainstQtModels(benchmark::State& state)
{
    const int rows = int(state.range(0));
    setUpFormat();
    TExStringGrid grid;
    grid.resize(800, 600);
    const std::vector<MixedValue> values = mixedNumbers(rows);
    QStandardItemModel proxySource;
    fillModel(proxySource, values);
    QStandardItemModel sorted;
    double gridMs = 1e9, proxyMs = 1e9, modelMs = 1e9;
    for (auto _ : state) {
        fillGrid(grid, values, false);
        const double g = millisecondsOf([&] { grid.Sort(1, sdAscending); });
        QSortFilterProxyModel proxy;
        proxy.setSourceModel(&proxySource);
        proxyMs = std::min(proxyMs, millisecondsOf([&] { proxy.sort(1); }));
        fillModel(sorted, values);
        modelMs = std::min(modelMs, millisecondsOf([&] { sorted.sort(1); }));
        gridMs = std::min(gridMs, g);
        state.SetIterationTime(g / 1000.0);
    }
    state.counters["rows"] = rows;
    state.counters["grid_ms"] = gridMs;
    state.counters["proxy_ms"] = proxyMs;
    state.counters["model_ms"] = modelMs;
    state.counters["proxy/grid"] = proxyMs / gridMs;
    state.counters["model/grid"] = modelMs / gridMs;
}

BENCHMARK(sortMixedNumbers)
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(sortAgainstQtModels)->Arg(100000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(7);

}  // namespace

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
