#pragma once

#include "platform/canvas.h"

namespace grid::paint {

// A solid one-pixel line from (x1, y1) up to (x2, y2) (end point excluded),
// leaving the pen in that colour at the end point for further LineTo calls.
inline void PenLine(platform::TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color)
{
    canvas.Pen.Color = color;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = Qt::SolidLine;
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

}  // namespace grid::paint
