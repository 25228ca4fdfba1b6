#pragma once

// The drawing functions every drop-down part shares: the banded gradient, the
// colour arithmetic, filled and framed rectangles, image-and-text faces and
// text measuring. Each draws on the canvas it is given and leaves the pen,
// brush and font as it set them. Rectangles exclude their Right and Bottom.

#include <cstdint>

#include <QImage>
#include <QSize>
#include <QString>

#include "controls/grid/cells/grid_image_list.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/geometry.h"

namespace dropdown {

using TImageList = grid::TGridImageList;

// gdHorizontal: the colour changes from left to right; gdVertical: from top
// to bottom.
enum TGradientDirection : uint8_t { gdHorizontal, gdVertical };

// Fills rect from one colour to the other in `steps` bands (fewer than 1 taken
// as 1); pen and brush of each band take its colour, and each band overlaps
// the next by one pixel.
void DrawGradient(platform::TCanvas& canvas, TColor fromColor, TColor toColor, int steps, const platform::TRect& rect,
                  bool horizontal);

// percent >= 100 gives color1 as passed, percent <= 0 color2 as passed;
// otherwise the per-channel mix percent % of color1 and the rest of color2.
TColor BlendColor(TColor color1, TColor color2, int percent);

// Scales each channel c by its percentage p to min(100, 100 + p) % of c; a
// zero channel becomes max(0, p).
TColor AdjustColor(TColor color, int redPercent, int greenPercent, int bluePercent);

// A gradient in 80 bands when colorTo is set, else a plain fill in color when
// that is set; then a frame of borderWidth in borderColor when both are set.
// Nothing without a canvas.
void DrawFilledRect(platform::TCanvas* canvas, const platform::TRect& rect, TColor color, TColor colorTo,
                    TColor borderColor, int borderWidth, TGradientDirection direction);

// An image of the list at the left (4 pixels in, centred vertically) and the
// text after it; without an image the text is centred. The text is one line,
// centred vertically and cut with an ellipsis. Nothing without a canvas.
void DrawImageText(platform::TCanvas* canvas, const platform::TRect& rect, const QString& text, int imageIndex,
                   const TImageList* images);

// Copies the bitmap into rect with the colour of its top-left pixel replaced
// by color.
void DrawBitmapOnColor(platform::TCanvas& canvas, const QImage& bitmap, TColor color, const platform::TRect& rect);

// The one-line size of a text in the canvas font; (0, 0) for an empty text.
QSize GetTextExtent(platform::TCanvas& canvas, const QString& text);

// The text when it fits maxWidth; otherwise the longest start of it (with
// "..." appended when ellipsis) that is narrower than maxWidth; the text
// unchanged when nothing fits.
QString TruncateText(platform::TCanvas& canvas, const QString& text, int maxWidth, bool ellipsis);

// Measures (draw false) or draws a bar caption in rect and returns its size;
// (0, 0) for an empty text.
QSize DrawHTMLCaption(platform::TCanvas& canvas, const QString& text, const platform::TRect& rect, bool draw,
                      const TImageList* images);

// The text as it is when matchCase, else upper-cased by the locale's rules.
QString CaseText(const QString& text, bool matchCase);

}  // namespace dropdown
