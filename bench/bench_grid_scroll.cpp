// Scrolling a 100,000-row string grid from top to bottom with Page Down, the
// repaint of the client area included in every step.
#include "bench_support.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>

#include "controls/grid/string_grid/ex_string_grid.h"

namespace {

void pageDownToTheEnd(benchmark::State& state)
{
    const int rows = 100000;
    grid::TExStringGrid grid;
    grid.setFrameStyle(QFrame::NoFrame);
    grid.SetColCount(6);
    grid.SetRowCount(rows);
    grid.resize(800, 600);
    for (int r = 1; r < rows; ++r)
        for (int c = 1; c < 6; ++c) grid.SetCellEx(c, r, QStringLiteral("R%1 C%2").arg(r).arg(c));
    grid.show();
    QApplication::processEvents();
    QImage image(grid.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    const platform::TRect all(0, 0, image.width(), image.height());
    QKeyEvent pageDown(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
    int64_t steps = 0;
    // One iteration is one whole pass from the first row to the last.
    for (auto _ : state) {
        state.PauseTiming();
        grid.SetTopRow(1);
        grid.SetRow(1);
        state.ResumeTiming();
        while (grid.Row() < rows - 1) {
            QApplication::sendEvent(&grid, &pageDown);
            QPainter painter(&image);
            grid.PaintTo(painter, all);
            ++steps;
        }
    }
    state.counters["rows"] = rows;
    state.counters["rows_per_page"] = grid.VisibleRowCount();
    state.counters["steps"] = double(steps);
    // Time per Page Down step, repaint included.
    state.counters["per_step"] =
        benchmark::Counter(double(steps), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(pageDownToTheEnd)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
