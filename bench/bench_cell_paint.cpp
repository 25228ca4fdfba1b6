// The cell layers of the grid's look (faces, text, check boxes, focus) over a
// full repaint of the client area in the editors' look glXP: the cost per
// frame must not grow with the row count.
#include "bench_support.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "controls/grid/paint/grid_draw_utils.h"
#include "controls/grid/paint/cell_faces.h"
#include "controls/grid/paint/cell_objects.h"
#include "controls/grid/paint/cell_text.h"
#include "controls/grid/paint/grid_looks.h"
#include "platform/grid_base.h"

namespace {

using namespace platform;
using namespace grid::paint;

void paintCellLayers(benchmark::State& state)
{
    const int rows = int(state.range(0));
    TGridLookColors colors;
    TControlLook look(&colors.Faces);
    TGridLooks looks(colors, look);
    looks.SetLook(glCustom);
    looks.SetLook(glXP);
    look.SetControlStyle(csWinXP);
    TCellObjectEnv env;
    env.ControlLook = &look;

    GridBase grid;
    grid.setFrameStyle(QFrame::NoFrame);
    grid.SetColCount(18);
    grid.SetRowCount(rows);
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    grid.SetDefaultColWidth(64);
    grid.SetDefaultRowHeight(20);
    grid.resize(1200, 800);
    grid.show();
    QApplication::processEvents();
    grid.SetTopRow(rows / 2);

    grid::TCellGraphic check;
    check.SetCheckBox(false, true, false, grid::haCenter, grid::vaCenter);
    grid.OnDrawCell = [&](QObject*, int col, int row, const TRect& rect, TGridDrawState state) {
        TCanvas& canvas = *grid.Canvas();
        const bool fixed = state & gdFixed;
        TRect r = rect;
        if (fixed) {
            TFixedFace face;
            face.Color = colors.Faces.QVRGradientFrom;
            face.ColorTo = colors.Faces.QVRGradientTo;
            DrawFixedCellFace(canvas, r, face, colors.Faces, glXP, false);
        } else {
            grid::FillRectColor(canvas, r, row % 3 == 0 ? TColor(0xE0FFE0) : colors.Color);
        }
        if (!fixed && col % 4 == 3) {
            TCellGraphicContext ctx;
            ctx.Width = ctx.Height = look.CheckSize();
            ctx.CellText = row % 2 == 0 ? QStringLiteral("Y") : QStringLiteral("N");
            DrawCellGraphic(canvas, r, check, ctx, env, TCellDrawServices());
            return;
        }
        TCellTextParams p;
        p.Text = QStringLiteral("R%1 C%2").arg(row % 1000, 3, 10, QChar(u'0')).arg(col, 2);  // same length at every row count
        p.Fixed = fixed;
        p.VA = grid::vtaCenter;
        DrawCellText(canvas, r, p, env);
        if (fixed) DrawFixedCellLines(canvas, r, glXP, colors.FixedColor, true, true);
    };
    bench_support::measureFullRepaint(state, grid, rows);
}

BENCHMARK(paintCellLayers)->Arg(1025)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
