#pragma once

#include <QImage>

#include "controls/grid/paint/control_look.h"
#include "platform/canvas.h"

// The grid's background picture or gradient, painted cell by cell and over
// the empty area outside the cells.
namespace grid::paint {

using platform::TCanvas;
using platform::TRect;

// The part of the bitmap placed with its top-left at (left, top) that lies
// under rect (nothing when they do not meet).
void PaintCellBackgroundBitmap(TCanvas& canvas, const TRect& rect, const QImage& bitmap, int left, int top);
// Tiles from (rect.Left - 1, rect.Top - 1), the first column of tiles
// starting at bitmap x x0 and the first row at y y0, cut at rect's right and bottom.
void PaintCellBackgroundTiles(TCanvas& canvas, const TRect& rect, const QImage& bitmap, int x0, int y0);
// The same for the area outside the cells (tiles from its top-left, offset 0).
inline void PaintGridBackgroundBitmap(TCanvas& canvas, const TRect& rect, const QImage& bitmap, int left, int top)
{
    PaintCellBackgroundBitmap(canvas, rect, bitmap, left, top);
}
inline void PaintGridBackgroundTiles(TCanvas& canvas, const TRect& rect, const QImage& bitmap)
{
    PaintCellBackgroundTiles(canvas, rect, bitmap, 0, 0);
}
// The tile offset of a cell: the sum of the widths (heights) of the columns
// (rows) before it, from the first counted one, modulo the bitmap extent.
int TileOffset(int sumBefore, int bitmapExtent);

// The cell's share of one gradient over the whole grid: from the colour at
// the rectangle's start to the colour at its end of the blend from Color
// (at 0) to ColorTo (at gridExtent), in 128 bands. A grid extent of 0 or less
// fills with Color.
void PaintCellBackgroundGradient(TCanvas& canvas, const TRect& rect, const TBackGround& background, int gridExtent);
// The start and end colours of that gradient.
void CellGradientColors(const TRect& rect, const TBackGround& background, int gridExtent, TColor& from, TColor& to);

}  // namespace grid::paint
