// Sorting the rows of a string grid by one column of mixed numbers
// (integers, decimals, negatives, a few empty cells): the sort must stay
// n log n and must not repaint while rows move.
#include "bench_support.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QRandomGenerator>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/format_settings.h"

namespace {

using namespace grid;

// The same pseudo-random column for every run.
QStringList mixedNumbers(int count)
{
    QRandomGenerator random(1234);
    QStringList values;
    values.reserve(count);
    for (int i = 0; i < count; ++i) {
        switch (random.bounded(4)) {
        case 0: values << QString::number(random.bounded(1000000)); break;
        case 1: values << QString::number(random.bounded(100000) / 100.0, 'f', 2); break;
        case 2: values << QString::number(-random.bounded(50000)); break;
        default: values << (random.bounded(10) == 0 ? QString() : QString::number(random.bounded(1000) * 7)); break;
        }
    }
    return values;
}

// range(1) = 1: every third row is taller, so that swaps move row heights too.
void sortMixedNumbers(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const bool heights = state.range(1) != 0;
    platform::formatSettings().DecimalSeparator = u'.';
    platform::formatSettings().ThousandSeparator = u',';
    TExStringGrid grid;
    grid.resize(800, 600);
    grid.SetColCount(4);
    grid.SetRowCount(rows + 1);
    grid.SetFixedRows(1);
    const QStringList values = mixedNumbers(rows);
    for (auto _ : state) {
        state.PauseTiming();
        for (int r = 0; r < rows; ++r) {
            grid.SetGridCell(1, r + 1, values[r]);
            grid.SetGridCell(2, r + 1, QString::number(r));
            if (heights) grid.SetRowHeights(r + 1, r % 3 == 0 ? 30 : grid.DefaultRowHeight());
        }
        state.ResumeTiming();
        grid.Sort(1, sdAscending);
    }
    state.counters["rows"] = rows;
    state.counters["compares"] = grid.Compares();
}

BENCHMARK(sortMixedNumbers)
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
