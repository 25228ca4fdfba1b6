// The grid's cell store beside QStandardItemModel doing the same work:
// fill 100,000 x 10 cells, read them all, insert and remove 1,000 rows at the
// top, and the heap memory per cell. Prints the ratios at the end.
//
// "Store" runs the cell store's own accessors (the text read by reference);
// "Grid" runs the same fill and read through the base grid's SetCellEx and
// GetCellEx (position checks, merge resolution, display hooks, text returned
// by value); "Qt" runs QStandardItemModel::setItem and item()->text().
//
// Memory is measured as the growth of glibc's allocated heap bytes
// (mallinfo2().uordblks, which covers every malloc/new of the process)
// between an empty container and the filled one. Two figures: with the cell
// texts shared with a prepared list (container overhead only), and with a
// fresh text per cell (text buffers included).

#include <malloc.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QStandardItem>
#include <QStandardItemModel>
#include <QString>
#include <benchmark/benchmark.h>

#include "controls/grid/base/base_grid_cells.h"

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;
constexpr int kMovedRows = 1000;

const std::vector<QString>& cellTexts()
{
    static const std::vector<QString> texts = [] {
        std::vector<QString> result;
        result.reserve(size_t(kRows) * kCols);
        for (int i = 0; i < kRows * kCols; ++i) result.push_back(QString::number(i * 7919LL));
        return result;
    }();
    return texts;
}

QString freshText(int i)
{
    return QString::number(i * 7919LL);
}

// ---------------------------------------------------------------- store

template <typename TextOf>
void fillStore(grid::TCellStore& store, TextOf textOf)
{
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) store.SetText(c, r, textOf(r * kCols + c));
}

void fillStoreShared(grid::TCellStore& store)
{
    const auto& texts = cellTexts();
    fillStore(store, [&texts](int i) -> const QString& { return texts[size_t(i)]; });
}

std::unique_ptr<grid::TBaseGridCells> newGrid()
{
    auto cells = std::make_unique<grid::TBaseGridCells>();
    cells->SetColCount(kCols);
    cells->SetRowCount(kRows);
    return cells;
}

template <typename TextOf>
void fillGrid(grid::TBaseGridCells& cells, TextOf textOf)
{
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) cells.SetCellEx(c, r, textOf(r * kCols + c));
}

void fillGridShared(grid::TBaseGridCells& cells)
{
    const auto& texts = cellTexts();
    fillGrid(cells, [&texts](int i) -> const QString& { return texts[size_t(i)]; });
}

// ------------------------------------------------------------- Qt model

std::unique_ptr<QStandardItemModel> newModel()
{
    auto model = std::make_unique<QStandardItemModel>();
    model->setColumnCount(kCols);
    model->setRowCount(kRows);
    return model;
}

template <typename TextOf>
void fillModel(QStandardItemModel& model, TextOf textOf)
{
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) model.setItem(r, c, new QStandardItem(textOf(r * kCols + c)));
}

void fillModelShared(QStandardItemModel& model)
{
    const auto& texts = cellTexts();
    fillModel(model, [&texts](int i) -> const QString& { return texts[size_t(i)]; });
}

// ----------------------------------------------------------- benchmarks

void BM_Store_Fill(benchmark::State& state)
{
    cellTexts();
    for (auto _ : state) {
        state.PauseTiming();
        auto store = std::make_unique<grid::TCellStore>();
        state.ResumeTiming();
        store->SetColCount(kCols);
        store->SetRowCount(kRows);
        fillStoreShared(*store);
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
}

void BM_Grid_Fill(benchmark::State& state)
{
    cellTexts();
    for (auto _ : state) {
        state.PauseTiming();
        auto cells = std::make_unique<grid::TBaseGridCells>();
        state.ResumeTiming();
        cells->SetColCount(kCols);
        cells->SetRowCount(kRows);
        fillGridShared(*cells);
        state.PauseTiming();
        cells.reset();
        state.ResumeTiming();
    }
}

void BM_Qt_Fill(benchmark::State& state)
{
    cellTexts();
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<QStandardItemModel>();
        state.ResumeTiming();
        model->setColumnCount(kCols);
        model->setRowCount(kRows);
        fillModelShared(*model);
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}

void BM_Store_Read(benchmark::State& state)
{
    grid::TCellStore store(kCols, kRows);
    fillStoreShared(store);
    for (auto _ : state) {
        qsizetype total = 0;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) total += store.Text(c, r).size();
        benchmark::DoNotOptimize(total);
    }
}

void BM_Grid_Read(benchmark::State& state)
{
    auto cells = newGrid();
    fillGridShared(*cells);
    for (auto _ : state) {
        qsizetype total = 0;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) total += cells->GetCellEx(c, r).size();
        benchmark::DoNotOptimize(total);
    }
}

void BM_Qt_Read(benchmark::State& state)
{
    auto model = newModel();
    fillModelShared(*model);
    for (auto _ : state) {
        qsizetype total = 0;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) total += model->item(r, c)->text().size();
        benchmark::DoNotOptimize(total);
    }
}

void BM_Store_InsertRemoveTop(benchmark::State& state)
{
    grid::TCellStore store(kCols, kRows);
    fillStoreShared(store);
    for (auto _ : state) {
        store.InsertRows(0, kMovedRows);
        store.RemoveRows(0, kMovedRows);
    }
}

void BM_Qt_InsertRemoveTop(benchmark::State& state)
{
    auto model = newModel();
    fillModelShared(*model);
    for (auto _ : state) {
        model->insertRows(0, kMovedRows);
        model->removeRows(0, kMovedRows);
    }
}

size_t heapInUse()
{
    malloc_trim(0);
    return mallinfo2().uordblks;
}

// Heap bytes per cell of a filled container; `shared` selects the texts.
template <typename Make, typename Fill>
double bytesPerCell(Make make, Fill fill)
{
    auto container = make();
    const size_t before = heapInUse();
    fill(*container);
    const size_t after = heapInUse();
    return double(after - before) / (double(kRows) * kCols);
}

void BM_Store_Memory(benchmark::State& state)
{
    cellTexts();
    double shared = 0, fresh = 0;
    for (auto _ : state) {
        // The empty rows are part of the store's cost: measure from an empty store.
        shared = bytesPerCell([] { return std::make_unique<grid::TCellStore>(); },
                              [](grid::TCellStore& store) {
                                  store.SetColCount(kCols);
                                  store.SetRowCount(kRows);
                                  fillStoreShared(store);
                              });
        fresh = bytesPerCell([] { return std::make_unique<grid::TCellStore>(); },
                             [](grid::TCellStore& store) {
                                 store.SetColCount(kCols);
                                 store.SetRowCount(kRows);
                                 fillStore(store, freshText);
                             });
    }
    state.counters["bytes_per_cell_shared_text"] = shared;
    state.counters["bytes_per_cell_own_text"] = fresh;
}

void BM_Qt_Memory(benchmark::State& state)
{
    cellTexts();
    double shared = 0, fresh = 0;
    for (auto _ : state) {
        shared = bytesPerCell([] { return std::make_unique<QStandardItemModel>(); },
                              [](QStandardItemModel& m) {
                                  m.setColumnCount(kCols);
                                  m.setRowCount(kRows);
                                  fillModelShared(m);
                              });
        fresh = bytesPerCell([] { return std::make_unique<QStandardItemModel>(); },
                             [](QStandardItemModel& m) {
                                 m.setColumnCount(kCols);
                                 m.setRowCount(kRows);
                                 fillModel(m, freshText);
                             });
    }
    state.counters["bytes_per_cell_shared_text"] = shared;
    state.counters["bytes_per_cell_own_text"] = fresh;
}

BENCHMARK(BM_Store_Fill)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Grid_Fill)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Qt_Fill)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Store_Read)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Grid_Read)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Qt_Read)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Store_InsertRemoveTop)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Qt_InsertRemoveTop)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Store_Memory)->Iterations(1);
BENCHMARK(BM_Qt_Memory)->Iterations(1);

// Keeps the figures of each run for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            times[name.substr(0, name.find('/'))] = run.GetAdjustedRealTime();
            for (const auto& [key, counter] : run.counters) counters[name.substr(0, name.find('/')) + ":" + key] = counter.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
    std::map<std::string, double> counters;
};

void printRatio(const char* what, double qt, double store)
{
    if (qt > 0 && store > 0) std::printf("  %-34s Qt / store = %.2f\n", what, qt / store);
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatios (above 1: the store is faster / smaller):\n");
    printRatio("fill time", reporter.times["BM_Qt_Fill"], reporter.times["BM_Store_Fill"]);
    printRatio("fill time, grid SetCellEx", reporter.times["BM_Qt_Fill"], reporter.times["BM_Grid_Fill"]);
    printRatio("read time", reporter.times["BM_Qt_Read"], reporter.times["BM_Store_Read"]);
    printRatio("read time, grid GetCellEx", reporter.times["BM_Qt_Read"], reporter.times["BM_Grid_Read"]);
    printRatio("insert+remove 1000 rows time", reporter.times["BM_Qt_InsertRemoveTop"],
               reporter.times["BM_Store_InsertRemoveTop"]);
    printRatio("memory per cell (shared texts)", reporter.counters["BM_Qt_Memory:bytes_per_cell_shared_text"],
               reporter.counters["BM_Store_Memory:bytes_per_cell_shared_text"]);
    printRatio("memory per cell (own texts)", reporter.counters["BM_Qt_Memory:bytes_per_cell_own_text"],
               reporter.counters["BM_Store_Memory:bytes_per_cell_own_text"]);
    benchmark::Shutdown();
    return 0;
}
