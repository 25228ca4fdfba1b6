// Clipboard copy and paste of 100,000 cells (10,000 rows by 10 columns) of a
// string grid: the selection copied to the clipboard as text, the text
// pasted back from it (one undo step, an undo history linked), and a paste
// of one row filled down a 10,000-row selection by the smart clipboard.
#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>

#include "controls/grid/cells/grid_undo.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace {

using namespace grid;

constexpr int kColumns = 10;
constexpr int kRows = 10000;

void fillGrid(TExStringGrid& grid)
{
    grid.SetColCount(kColumns + 1);
    grid.SetRowCount(kRows + 1);
    grid.SetOptions(grid.Options() | platform::goEditing);
    for (int r = 1; r <= kRows; ++r)
        for (int c = 1; c <= kColumns; ++c) grid.SetGridCell(c, r, QStringLiteral("Cell %1-%2").arg(c).arg(r));
}

void copyCells(benchmark::State& state)
{
    TExStringGrid grid;
    grid.resize(800, 600);
    fillGrid(grid);
    grid.SetSelection({1, 1, kColumns, kRows});
    for (auto _ : state) {
        grid.CopySelectionToClipboard();
        state.PauseTiming();
        if (QApplication::clipboard()->text().size() < kRows * kColumns * 8) state.SkipWithError("short copy");
        state.ResumeTiming();
    }
    state.counters["cells"] = double(kRows) * kColumns;
}

void pasteCells(benchmark::State& state)
{
    TExStringGrid source;
    fillGrid(source);
    source.SetSelection({1, 1, kColumns, kRows});
    source.CopySelectionToClipboard();

    TExStringGrid grid;
    grid.resize(800, 600);
    grid.SetColCount(kColumns + 1);
    grid.SetRowCount(kRows + 1);
    grid.SetOptions(grid.Options() | platform::goEditing);
    TExGridUndoRedo undo;
    grid.SetUndoRedo(&undo);
    for (auto _ : state) {
        grid.SetSelection({1, 1, 1, 1});
        grid.PasteSelectionFromClipboard();
        state.PauseTiming();
        if (grid.GetCellEx(kColumns, kRows) != QStringLiteral("Cell %1-%2").arg(kColumns).arg(kRows))
            state.SkipWithError("not pasted");
        undo.Undo();
        if (!grid.GetCellEx(kColumns, kRows).isEmpty()) state.SkipWithError("not one undo step");
        undo.Reset();
        state.ResumeTiming();
    }
    state.counters["cells"] = double(kRows) * kColumns;
}

void fillDownCells(benchmark::State& state)
{
    TExStringGrid grid;
    grid.resize(800, 600);
    fillGrid(grid);
    grid.Navigation().AllowSmartClipboard = true;
    TExGridUndoRedo undo;
    grid.SetUndoRedo(&undo);
    QApplication::clipboard()->setText(QStringLiteral("a\tb\tc\td\te\tf\tg\th\ti\tj"));
    for (auto _ : state) {
        grid.SetSelection({1, 1, kColumns, kRows});
        grid.PasteSelectionFromClipboard();
        state.PauseTiming();
        if (grid.GetCellEx(kColumns, kRows) != QStringLiteral("j")) state.SkipWithError("not filled");
        undo.Undo();
        undo.Reset();
        state.ResumeTiming();
    }
    state.counters["cells"] = double(kRows) * kColumns;
}

BENCHMARK(copyCells)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(pasteCells)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(fillDownCells)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
