// A full repaint of a real string grid in the editors' look glXP: 18 columns
// of short texts, banded and coloured cells, a check-box column and a
// selection, at 1,025 rows and at 100,000 rows. Only the visible cells are
// painted, so the time per frame must not grow with the row count.
#include "bench_support.h"
#include <benchmark/benchmark.h>

#include <memory>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "controls/grid/string_grid/ex_string_grid.h"

namespace {

using namespace grid;

void gridFullRepaint(benchmark::State& state)
{
    const int rows = int(state.range(0));
    TExStringGrid g;
    g.setFrameStyle(QFrame::NoFrame);
    g.SetColCount(18);
    g.SetRowCount(rows);
    g.SetLook(glXP);
    g.resize(1200, 800);
    for (int c = 0; c < 18; ++c) g.SetColWidths(c, 64);
    g.show();
    QApplication::processEvents();
    // Short texts everywhere, a colour in every fifth row, check boxes in every fourth column.
    g.BeginUpdate();
    for (int r = 1; r < rows; ++r) {
        for (int c = 1; c < 18; ++c) {
            if (c % 4 == 3) {
                auto check = std::make_unique<TCellGraphic>();
                check->SetCheckBox(r % 2 == 0, false, false, haCenter, vaCenter);
                g.SetGraphicObjectEx(c, r, std::move(check));
            } else {
                // One text length at every row count.
                g.SetCellEx(c, r, QStringLiteral("R%1C%2").arg(r % 1000, 3, 10, QChar(u'0')).arg(c, 2));
            }
        }
        if (r % 5 == 0) g.SetColors(2, r, 0x0080FFFF);
    }
    g.EndUpdate();
    g.Bands().SetActive(true);
    g.SetTopRow(rows / 2);
    g.SetSelection({2, rows / 2 + 1, 5, rows / 2 + 3});

    bench_support::measureFullRepaint(state, g, rows);
}

BENCHMARK(gridFullRepaint)->Arg(1025)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
