#pragma once

// Placing rotated text: where text rotated by an angle (degrees, counter-
// clockwise) must start so that its bounding box, Sh + Cw wide and Sw + Ch
// high, sits in a rectangle with the given alignment. Cw, Sh, Sw and Ch are
// |cos|·width, |sin|·height, |sin|·width and |cos|·height of the text
// (RotatedTextParts). HAlign 0 left, 1 right, 2 centre; VAlign 0 top,
// 1 centre, 2 bottom; other values leave that coordinate. Only Left and Top
// move.

#include "platform/geometry.h"

namespace grid {

struct TRotatedTextParts {
    int Cw = 0;
    int Sh = 0;
    int Sw = 0;
    int Ch = 0;
};

TRotatedTextParts RotatedTextParts(int angle, int textWidth, int textHeight);
void PlaceRotatedText(platform::TRect& rect, int hAlign, int vAlign, int angle, const TRotatedTextParts& parts);

}  // namespace grid
