#pragma once

// Shared pieces of the benchmark programs.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "platform/geometry.h"
#include "platform/grid_base.h"

namespace bench_support {

// Paints the grid's whole viewport into an image once per iteration and
// reports the row counts beside the time.
inline void measureFullRepaint(benchmark::State& state, platform::GridBase& grid, int rows)
{
    QImage image(grid.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    const platform::TRect all(0, 0, image.width(), image.height());
    for (auto _ : state) {
        QPainter painter(&image);
        grid.PaintTo(painter, all);
    }
    state.counters["rows"] = rows;
    state.counters["visible_rows"] = grid.VisibleRowCount();
}

// The main of a benchmark program that needs widgets: headless unless a
// platform is asked for.
inline int runWithApplication(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench_support
