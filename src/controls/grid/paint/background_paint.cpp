#include "controls/grid/paint/background_paint.h"

#include <QPainter>

#include "controls/grid/paint/grid_draw_utils.h"

namespace grid::paint {

using namespace platform;

void PaintCellBackgroundBitmap(TCanvas& canvas, const TRect& rect, const QImage& bitmap, int left, int top)
{
    if (bitmap.isNull()) return;
    const TRect placed(left, top, left + bitmap.width(), top + bitmap.height());
    const TRect part = IntersectRect(rect, placed);
    if (part.IsEmpty()) return;
    canvas.Painter().drawImage(part.toQRect(), bitmap, part.Offset(-left, -top).toQRect());
}

int TileOffset(int sumBefore, int bitmapExtent)
{
    if (bitmapExtent <= 0) return 0;
    const int m = sumBefore % bitmapExtent;
    return m < 0 ? m + bitmapExtent : m;
}

void PaintCellBackgroundTiles(TCanvas& canvas, const TRect& rect, const QImage& bitmap, int x0, int y0)
{
    if (bitmap.isNull() || rect.IsEmpty()) return;
    const int bw = bitmap.width(), bh = bitmap.height();
    QPainter& p = canvas.Painter();
    p.save();
    p.setClipRect(rect.toQRect(), Qt::IntersectClip);
    int sy = TileOffset(y0, bh);
    for (int y = rect.Top - 1; y < rect.Bottom; sy = 0) {
        const int h = bh - sy;
        int sx = TileOffset(x0, bw);
        for (int x = rect.Left - 1; x < rect.Right; sx = 0) {
            const int w = bw - sx;
            p.drawImage(QPoint(x, y), bitmap, QRect(sx, sy, w, h));
            x += w;
        }
        y += h;
    }
    p.restore();
}

void CellGradientColors(const TRect& rect, const TBackGround& background, int gridExtent, TColor& from, TColor& to)
{
    if (gridExtent <= 0) {
        from = to = background.Color();
        return;
    }
    const bool horz = background.Display() == bdGradientHorz;
    const int p0 = horz ? rect.Left : rect.Top;
    const int p1 = horz ? rect.Right : rect.Bottom;
    from = BlendColorStep(background.Color(), background.ColorTo(), 0, p0, gridExtent);
    to = BlendColorStep(background.Color(), background.ColorTo(), 0, p1, gridExtent);
}

void PaintCellBackgroundGradient(TCanvas& canvas, const TRect& rect, const TBackGround& background, int gridExtent)
{
    TColor from, to;
    CellGradientColors(rect, background, gridExtent, from, to);
    canvas.Brush.Color = to;
    canvas.Pen.Color = to;
    canvas.GradientFill(rect, from, to, 128, background.Display() != bdGradientHorz);
}

}  // namespace grid::paint
