#include "controls/grid/text/text_geometry.h"

#include <cmath>
#include <cstdlib>

namespace grid {

TRotatedTextParts RotatedTextParts(int angle, int textWidth, int textHeight)
{
    const double a = angle * M_PI / 180.0;
    auto part = [](double v) { return std::abs(int(std::trunc(v))); };
    return {part(std::cos(a) * textWidth), part(std::sin(a) * textHeight), part(std::sin(a) * textWidth),
            part(std::cos(a) * textHeight)};
}

void PlaceRotatedText(platform::TRect& rect, int hAlign, int vAlign, int angle, const TRotatedTextParts& p)
{
    const int quadrant = angle <= 90 ? 1 : angle <= 180 ? 2 : angle <= 270 ? 3 : 4;
    const int L = rect.Left, T = rect.Top, R = rect.Right, B = rect.Bottom;
    const int Cw = p.Cw, Sh = p.Sh, Sw = p.Sw, Ch = p.Ch;
    switch (hAlign) {
    case 0:
        rect.Left = quadrant == 1 ? L : quadrant == 2 ? L + Cw : quadrant == 3 ? L + Sh + Cw : L + Sh;
        break;
    case 1:
        rect.Left = quadrant == 1 ? R - Cw - Sh : quadrant == 2 ? R - Sh : quadrant == 3 ? R : R - Cw;
        break;
    case 2:
        rect.Left = quadrant == 1   ? L + (R - L - Sh - Cw) / 2
                    : quadrant == 2 ? R - (R - L + Sh - Cw) / 2
                    : quadrant == 3 ? R - (R - L - Sh - Cw) / 2
                                    : L + (R - L + Sh - Cw) / 2;
        break;
    default: break;
    }
    const int centre = (T + Ch + Sw - B) / 2;
    switch (vAlign) {
    case 0: rect.Top = quadrant == 1 ? T + Sw : quadrant == 2 ? T + Sw + Ch : quadrant == 3 ? T + Ch : T; break;
    case 1:
        rect.Top = quadrant == 1   ? T + Sw - centre
                   : quadrant == 2 ? T + Sw + Ch - centre
                   : quadrant == 3 ? T + Ch - centre
                                   : T - centre;
        break;
    case 2: rect.Top = quadrant == 1 ? B - Ch : quadrant == 2 ? B : quadrant == 3 ? B - Sw : B - Ch - Sw; break;
    default: break;
    }
}

}  // namespace grid
