#pragma once

// Mini-HTML in print: the grid's renderer measures or draws a text on the
// print canvas's device in device pixels (a scratch image of the same
// resolution stands in while a pass only counts).

#include <QRectF>
#include <QSize>
#include <QString>

#include "platform/canvas.h"

namespace grid {
class TExStringGrid;
}

namespace grid::print {

class TPrintCanvas;

// The extent (device pixels) of text laid out in rect; drawn when draw is
// set and the canvas has a painter. font carries its point size, which is
// turned into device pixels.
QSize PrintHTML(TExStringGrid& grid, TPrintCanvas& canvas, const QString& text, const platform::TFont& font,
                const QRectF& rect, bool draw, double deviceRatio);

// Whether a text is mini-HTML for the grid.
bool IsPrintHTML(const TExStringGrid& grid, const QString& text);

}  // namespace grid::print
