#include "controls/grid/paint/cell_faces.h"

#include <algorithm>
#include <cmath>

#include "controls/grid/paint/grid_draw_utils.h"
#include "controls/grid/paint/pen_line.h"
#include "platform/theme_painter.h"

namespace grid::paint {

using namespace platform;

TColor BlendColors(TColor Color, TColor Color2, int Percent)
{
    if (Color == clNone || Percent < 1) return Color2;
    if (Color2 == clNone || Percent >= 100) return Color;
    const TColor c1 = ColorToRGB(Color), c2 = ColorToRGB(Color2);
    TColor out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double a = (c1 >> shift) & 0xFFu, b = (c2 >> shift) & 0xFFu;
        const long v = std::lround(Percent / 100.0 * a + (1 - Percent / 100.0) * b);
        out |= TColor(std::min<long>(255, v)) << shift;
    }
    return out;
}

TColor SelectionMix(TColor Color, TColor Color2, bool Mix, int Percent)
{
    return Mix ? BlendColors(Color, Color2, Percent) : Color;
}

bool LookHasGradientFace(TGridLook look)
{
    return look == glQVR || look == glXP || look == glVista || look == glWin7 || look == glOffice2007;
}

void DrawFixedCellFace(TCanvas& canvas, TRect& rect, const TFixedFace& face, const TFixedFaceColors& c,
                       TGridLook look, bool flat)
{
    if (!LookHasGradientFace(look)) return;
    auto hoverFace = [&](const TRect& r) {
        DrawCellFill(canvas, r, c.QVRGradientHoverFrom, true, false, c.QVRGradientHoverBorder, true,
                     c.QVRGradientHoverMirrorTo, c.QVRGradientHoverMirrorFrom, c.QVRGradientHoverTo);
    };
    auto pressedFace = [&](const TRect& r) {
        DrawCellFill(canvas, r, c.QVRGradientDownFrom, true, false, c.QVRGradientDownBorder, true,
                     c.QVRGradientDownMirrorTo, c.QVRGradientDownMirrorFrom, c.QVRGradientDownTo);
    };
    if (face.Lit) {
        rect.Bottom += 1;
        if (!face.Pressed) {
            hoverFace(rect);
        } else if (face.DropDownButton) {
            const TRect button(rect.Right - 16, rect.Top, rect.Right, rect.Bottom);
            const TRect rest(rect.Left, rect.Top, rect.Right - 16, rect.Bottom);
            if (face.DropDownPressed) {
                pressedFace(button);
                hoverFace(rest);
            } else {
                pressedFace(rest);
                hoverFace(button);
            }
        } else {
            pressedFace(rect);
        }
        if (face.DropDownButton) {
            PenLine(canvas, rect.Right - 16, rect.Top, rect.Right - 16, rect.Bottom,
                                        face.Pressed ? c.QVRGradientDownBorder : c.QVRGradientHoverBorder);
            DrawDownTriangle(canvas, rect.Right - 8, rect.Top + 8, clBlack);
            rect.Right -= 16;
        }
        return;
    }
    if (face.ActiveHeader) {
        DrawCellFill(canvas, rect, face.ActiveCellColor, true, false, clNone, true, clNone, clNone, face.ActiveCellColorTo);
        return;
    }
    if (face.SortedHeader) {
        DrawCellFill(canvas, rect, face.SortColor, true, false, clNone, true, face.SortMirrorColorTo, face.SortMirrorColor,
                     face.SortColorTo);
        return;
    }
    if (flat) return;
    DrawCellFill(canvas, rect, face.Color, true, true, look == glVista ? clWhite : clNone, true, face.MirrorColorTo,
                 face.MirrorColor, face.ColorTo);
}

void DrawFixedCellLines(TCanvas& canvas, TRect& r, TGridLook look, TColor fixedColor, bool fixedHorzLine,
                        bool fixedVertLine)
{
    const TColor dark = HalveColor(fixedColor);
    switch (look) {
    case glClassic: {
        r.Top += 1;
        r.Bottom -= 1;
        r.Left += 1;
        TRect inner = r;
        canvas.DrawEdge(inner, BDR_RAISEDINNER, BF_LEFT | BF_TOP);
        inner = r;
        canvas.DrawEdge(inner, EDGE_RAISED, BF_RIGHT | BF_BOTTOM);
        PenLine(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1, clBlack);
        canvas.LineTo(r.Left - 1, r.Bottom - 1);
        break;
    }
    case glQVR:
    case glXP:
        r.Bottom += 1;
        if (fixedHorzLine) {
            PenLine(canvas, r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1, dark);
            PenLine(canvas, r.Right - 2, r.Top + 1, r.Left + 1, r.Top + 1, clWhite);
            canvas.LineTo(r.Left + 1, r.Bottom - 1);
        }
        break;
    case glSoft:
        r.Right += 1;
        r.Bottom += 1;
        if (fixedHorzLine) {
            PenLine(canvas, r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1, dark);
            PenLine(canvas, r.Right, r.Top + 1, r.Left + 1, r.Top + 1, clWhite);
            canvas.LineTo(r.Left + 1, r.Bottom - 1);
        }
        if (fixedVertLine) {
            PenLine(canvas, r.Right - 2, r.Top, r.Right - 2, r.Bottom - 1, dark);
            PenLine(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1, clWhite);
        }
        break;
    default: break;
    }
}

void DrawListViewFace(TCanvas& canvas, TRect& rect, bool themes, bool hot, bool pressed)
{
    if (themes) {
        rect.Bottom += 1;
        ThemePainter::Draw(canvas.Painter(), TThemePart::Header, rect, pressed ? tsPressed : hot ? tsHot : tsNormal);
        PenLine(canvas, rect.Left, rect.Top, rect.Right, rect.Top, clWhite);
        return;
    }
    canvas.Brush.Color = clBtnFace;
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.Pen.Color = clWhite;
    canvas.Rectangle(rect);
}

void DrawFlatRightFixedLines(TCanvas& canvas, const TRect& r, bool fixedHorzLine, bool fixedVertLine)
{
    if (fixedHorzLine) {
        PenLine(canvas, r.Left - 1, r.Top - 1, r.Right + 1, r.Top - 1, 0x808080);
        PenLine(canvas, r.Left - 1, r.Bottom + 1, r.Right + 1, r.Bottom + 1, 0x808080);
    }
    if (fixedVertLine) {
        PenLine(canvas, r.Left - 1, r.Top - 1, r.Left - 1, r.Bottom + 1, 0x808080);
        PenLine(canvas, r.Right + 1, r.Top - 1, r.Right + 1, r.Bottom + 1, 0x808080);
    }
}

void DrawTreeLines(TCanvas& canvas, const TRect& rect, const TTreeLines& t)
{
    const int indent = t.Level * t.NodeIndent;
    const int left = rect.Left + indent;
    const int x = left - t.NodeIndent + 2 + t.NodeIndent / 2;
    const int mid = rect.Top + rect.Height() / 2;
    if (t.Level > 0) PenLine(canvas, x, mid, t.ShowTreeFull ? rect.Right : left + 4, mid, t.TreeColor);
    if (t.SpanKind == 1) PenLine(canvas, x, rect.Top, x, mid, t.TreeColor);
    else if (t.SpanKind == 2) PenLine(canvas, x, rect.Top, x, rect.Bottom + 4, t.TreeColor);
    for (int i = 1; i <= t.Level; ++i) {
        const int xi = x - t.NodeIndent * i;
        if (!t.LastRow) PenLine(canvas, xi, rect.Top, xi, mid, t.TreeColor);
        if (!t.LastRow && t.NextRowHasLevel)
            PenLine(canvas, xi, mid, xi, rect.Bottom + 4, t.TreeColor);
        else if (i < t.Level)
            PenLine(canvas, xi, mid, xi + t.NodeIndent, mid, t.TreeColor);
    }
}

void DrawModifiedMark(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Pen.Color = color;
    canvas.Brush.Color = color;
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.Rectangle(TRect(rect.Right - 4, rect.Top, rect.Right, rect.Bottom));
}

void DrawRowIndicator(TCanvas& canvas, TRect& rect, const QImage& bitmap, TVAlignment va)
{
    if (bitmap.isNull()) return;
    const int h = bitmap.height();
    const int y = va == vtaTop ? rect.Top : va == vtaCenter ? rect.Top + (rect.Height() - h) / 2 : rect.Bottom - h;
    canvas.DrawTransparent(rect.Left + 2, y, bitmap);
    rect.Left += bitmap.width() + 2;
}

void DrawSelectionRectangle(TCanvas& canvas, const TRect& cell, const TSelectionEdges& e, TColor color,
                            int gridLineWidth)
{
    const int g = gridLineWidth;
    const int L = cell.Left, T = cell.Top, R = cell.Right, B = cell.Bottom;
    const TPen saved = canvas.Pen;
    canvas.Pen = TPen{color, 2, Qt::SolidLine};
    auto edge = [&](int x1, int y1, int x2, int y2) {
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    if (e.Left) edge(L - g + 1, B, L - g + 1, T - g);
    if (e.Right) edge(R - 1, B, R - 1, T - g);
    if (e.Top) edge(L - g, T - g + 1, e.Right ? R - 1 : R, T - g + 1);
    if (e.Bottom) edge(L - g, B, e.Right ? R - 1 : R, B);
    if (e.Resizer) {
        const TBrush brush = canvas.Brush;
        canvas.Brush = TBrush{color, Qt::SolidPattern};
        canvas.FillRect(TRect(R - 4, B - 4, R, B));
        canvas.Brush = brush;
    }
    canvas.Pen = saved;
}

void DrawCellFocusRect(TCanvas& canvas, const TRect& bordersRect, int gridLineWidth)
{
    TRect r = bordersRect.Inflated(gridLineWidth - 1, gridLineWidth - 1);
    r.Right -= 1;
    r.Bottom -= 1;
    canvas.DrawFocusRect(r);
}

}  // namespace grid::paint
