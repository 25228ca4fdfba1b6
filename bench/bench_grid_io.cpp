// The grid's HTML export and binary cell stream over 100,000 cells (10
// columns of 10,000 rows, a few distinct looks, texts that need escaping).
// The HTML document of 100,000 cells should take well under a second.
#include "bench_support.h"
#include <benchmark/benchmark.h>

#include "controls/grid/cells/cell_properties.h"
#include "controls/grid/io/grid_binary_stream.h"
#include "controls/grid/io/grid_html_export.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace {

using namespace grid;

constexpr int kRows = 10'000;
constexpr int kCols = 10;

void fill(TExStringGrid& g)
{
    g.SetColCount(kCols);
    g.SetRowCount(kRows);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) g.SetCellEx(c, r, QStringLiteral("R%1 <C%2> & caf\u00e9").arg(r).arg(c));
    for (int r = 1; r < kRows; r += 7) g.GetCellProperties(3, r)->SetBrushColor(clYellow);
    for (int r = 1; r < kRows; r += 11) g.GetCellProperties(5, r)->SetFontStyle(fsBold);
}

void htmlExport100kCells(benchmark::State& state)
{
    TExStringGrid g;
    fill(g);
    qsizetype size = 0;
    for (auto _ : state) size = io::HTMLDocumentWithoutPictures(g).size();
    state.counters["cells"] = kRows * kCols;
    state.counters["chars"] = double(size);
}

void binaryStream100kCells(benchmark::State& state)
{
    TExStringGrid g;
    fill(g);
    for (auto _ : state) {
        QByteArray bytes;
        io::SaveToBinStream(g, bytes);
        TExStringGrid t;
        io::LoadFromBinStream(t, bytes);
        benchmark::DoNotOptimize(t.RowCount());
    }
    state.counters["cells"] = kRows * kCols;
}

BENCHMARK(htmlExport100kCells)->Unit(benchmark::kMillisecond);
BENCHMARK(binaryStream100kCells)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
