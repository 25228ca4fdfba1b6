// Full repaint of a grid's client area: the paint pass must cost the same
// whether the grid holds a thousand rows or a million.
#include "bench_support.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "platform/grid_base.h"

namespace {

using namespace platform;

void repaintGrid(benchmark::State& state)
{
    const int rows = int(state.range(0));
    GridBase grid;
    grid.setFrameStyle(QFrame::NoFrame);
    grid.SetColCount(11);  // one fixed column and 10 columns of text
    grid.SetRowCount(rows);
    grid.SetDefaultColWidth(72);
    grid.SetDefaultRowHeight(20);
    grid.resize(800, 600);
    grid.show();
    QApplication::processEvents();
    grid.SetTopRow(rows / 2);  // somewhere in the middle
    grid.OnDrawCell = [&grid](QObject*, int col, int row, const TRect& rect, TGridDrawState) {
        TCanvas* canvas = grid.Canvas();
        TRect r = rect.Inflated(-2, 0);
        canvas->Brush.Style = Qt::NoBrush;
        // Same-length texts at every row count, so only the grid's own cost can differ.
        const QString text = QStringLiteral("R%1 C%2").arg(row, 7, 10, QChar(u'0')).arg(col);
        canvas->DrawText(text, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    };
    bench_support::measureFullRepaint(state, grid, rows);
}

BENCHMARK(repaintGrid)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
