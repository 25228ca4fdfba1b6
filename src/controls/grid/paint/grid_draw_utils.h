#pragma once

// Stateless drawing functions of the grid family: gradient and solid cell
// fills, the rounded selection face, progress bars, range indicators and
// colour arithmetic. Each draws on the canvas it is given (pen, brush and
// font are changed and not restored) into a rectangle whose Right and Bottom
// lie one pixel past the last pixel inside. System colours are resolved to
// RGB before any arithmetic; clNone means "no colour" where a function says so.

#include <vector>

#include <QImage>
#include <QString>

#include "controls/grid/paint/look_types.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/geometry.h"

namespace grid {

// Fills the rectangle with a gradient in steps + 1 bands (steps limited to
// the extent - 1 and at least 1), left to right when horizontal, else top to
// bottom. A clNone end draws the rectangle solid in the other colour.
void GradientFillRect(platform::TCanvas& canvas, TColor from, TColor to, bool horizontal,
                      const platform::TRect& rect, int steps);

// A cell background: solid, one gradient (colorTo), or two halves (colour ->
// colorTo, mirrorColor -> mirrorColorTo) split across the direction; then a
// frame, or only the side lines, unless borderColor is clNone.
void DrawCellFill(platform::TCanvas& canvas, const platform::TRect& rect, TColor color, bool fill,
                  bool borderSideLines, TColor borderColor, bool vertical, TColor mirrorColorTo,
                  TColor mirrorColor, TColor colorTo);

// The colour at position of a blend from c1 to c2 over from .. to; c2 = clNone gives c1.
TColor BlendColorStep(TColor c1, TColor c2, int from, int position, int to);
TColor HalveColor(TColor color);
// Each component c -> round(c + percent * c / 100), low 8 bits kept.
TColor ScaleColorPercent(TColor color, int percent);
void FillRectColor(platform::TCanvas& canvas, const platform::TRect& rect, TColor color);

// The rounded two-pixel face of a selected cell. Segment: 0 rounds both
// ends, 1 the left end (a run's first cell), 2 the right end, 3 neither.
struct TSelectionFrameColors {
    TColor FillFrom = clNone;
    TColor FillTo = clNone;
    TColor MirrorFrom = clNone;  // lower half start; clNone: one gradient
    TColor MirrorTo = clNone;
    TColor Outer = clNone;
    TColor InnerTop = clNone;
    TColor InnerBottom = clNone;
    TColor InnerCorner = clNone;
};
void DrawSelectionFrame(platform::TCanvas& canvas, const TSelectionFrameColors& colors, int segment,
                        const platform::TRect& rect, TColor cornerColor);

// Filled triangle with corners (x - 3, y), (x + 3, y), (x, y + 3).
void DrawDownTriangle(platform::TCanvas& canvas, int x, int y, TColor color);

// The classic bar. Without a format the text is round(value) + "%" and the
// value is the percentage; with one the text is the formatted value and the
// percentage is (value - minimum) * 100 / (maximum - minimum), 0 when
// maximum equals minimum. The percentage is kept to 0 .. 100.
struct TProgressBarLook {
    TColor DoneColor = clRed;
    TColor DoneTextColor = clWhite;
    TColor RemainingColor = clWhite;
    TColor RemainingTextColor = clBlack;
    TColor BorderColor = clNone;
    bool Flipped = false;
    int MarginX = 0;
    int MarginY = 0;
};
// The text and percentage DrawProgressBar shows.
QString ProgressBarText(const QString& format, double value, double maximum, double minimum, int& percentage);
void DrawProgressBar(platform::TCanvas& canvas, const platform::TRect& rect, const TProgressBarLook& look,
                     const QString& format, double maximum, double minimum, double value);

// A bar from the centre over round(half width * value / range) pixels: to the
// left in the negative colour, else to the right in the positive colour;
// the value is kept to -range .. range.
void DrawRangeIndicator(platform::TCanvas& canvas, const platform::TRect& rect, int value, TColor positiveColor,
                        TColor negativeColor, bool showValue, int range);

// Draws the bitmap at its own size at the rectangle's top-left corner, the
// colour of its pixel (0, 0) replaced by the background colour.
void DrawBitmapTransparent(platform::TCanvas& canvas, const QImage& bitmap, TColor background,
                           const platform::TRect& rect);

// ----- buttons: state 0 normal, 1 hot, 2 down, 3 disabled; look 0 themed,
// 1 3-D frame control, 2 flat frame control, 3 colour tones.
using paint::TColorTones;
void DrawCellButton(platform::TCanvas& canvas, const platform::TRect& rect, const TColorTones& tones, int state,
                    int look);
// The 17-pixel drop-down strip at the cell's right edge.
void DrawComboButton(platform::TCanvas& canvas, const platform::TRect& cellRect, const TColorTones& tones, int state,
                     int look);
// The 15-pixel up and down buttons at the cell's right edge.
void DrawSpinButtons(platform::TCanvas& canvas, const platform::TRect& cellRect, const TColorTones& tones, int state,
                     int look);

// A grey circle with the sector of the percentage (clockwise from the top)
// filled in the colour; flipped for canvases whose y axis runs upward.
void DrawProgressPie(platform::TCanvas& canvas, const platform::TRect& rect, TColor color, bool flipped, int percent);

// The look of the appearance-driven bar (filled from the grid's progress appearance).
struct TProgressAppearanceRecord {
    TColor Level0Color = 0x0000FF00, Level0ColorTo = 0x00E1FFE1;
    TColor Level1Color = 0x0000FFFF, Level1ColorTo = 0x00CAFFFF;
    TColor Level2Color = 0x0053A9FF, Level2ColorTo = 0x00A8D3FF;
    TColor Level3Color = 0x000000FF, Level3ColorTo = 0x00CACAFF;
    int Level1Perc = 70;
    int Level2Perc = 90;
    TColor BorderColor = clBlack;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = true;
    platform::TFont Font;
    TColor CompleteFontColor = clBlue;
    bool CompletionSmooth = true;
    bool ShowGradient = true;
    int Steps = 11;
    TColor UnCompleteColor = clWhite;
    bool Vertical = false;
};
// One segment of the bar as DrawXPProgressBar lays it out (offset and
// length along the bar, inside the frame).
struct TProgressSegment {
    int Offset = 0;
    int Length = 0;
    TColor Color = clNone;
    TColor ColorTo = clNone;
};
// The segments or blocks of a bar of length L at the percentage.
std::vector<TProgressSegment> XPProgressSegments(int L, int percent, const TProgressAppearanceRecord& look);
void DrawXPProgressBar(platform::TCanvas& canvas, const platform::TRect& rect, int percent,
                       const TProgressAppearanceRecord& look);

// A shape in the box (x, y, w, h); shape is the ordinal of the cell shape
// kinds: rectangle, circle, triangle left / right / up / down, diamond,
// vertical and horizontal line, rounded rectangle, ellipse, square, rounded
// square, star, arrow up / down / left / right, half star. Beyond the half
// star nothing is drawn.
void DrawCellShape(platform::TCanvas& canvas, int x, int y, TColor lineColor, TColor fillColor, uint8_t shape, int w,
                   int h);

// A red zig-zag under length characters of a one-line text from the 1-based
// position start, measured with the canvas font from the rectangle's left.
void DrawErrorUnderline(platform::TCanvas& canvas, const QString& text, int length, int start, int lineOffset,
                        const platform::TRect& rect);

}  // namespace grid
