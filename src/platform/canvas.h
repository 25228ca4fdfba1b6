#pragma once

#include <vector>

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

#include "platform/colors.h"
#include "platform/geometry.h"
#include "platform/text_engine.h"

class QPainter;

namespace platform {

// A font with its colour, as a canvas carries it.
struct TFont : QFont {
    TColor Color = clWindowText;

    TFont() = default;
    TFont(const QFont& font, TColor color = clWindowText) : QFont(font), Color(color) {}
};

// Brush: colour and style (Qt::NoBrush is a clear brush: fills nothing and
// lets text be drawn transparently).
struct TBrush {
    TColor Color = clWhite;
    Qt::BrushStyle Style = Qt::SolidPattern;
};

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    Qt::PenStyle Style = Qt::SolidLine;
};

// 3-D edges.
constexpr unsigned BDR_RAISEDOUTER = 0x1;
constexpr unsigned BDR_SUNKENOUTER = 0x2;
constexpr unsigned BDR_RAISEDINNER = 0x4;
constexpr unsigned BDR_SUNKENINNER = 0x8;
constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr unsigned BF_LEFT = 0x1;
constexpr unsigned BF_TOP = 0x2;
constexpr unsigned BF_RIGHT = 0x4;
constexpr unsigned BF_BOTTOM = 0x8;
constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr unsigned BF_MIDDLE = 0x800;
constexpr unsigned BF_SOFT = 0x1000;
constexpr unsigned BF_ADJUST = 0x2000;
constexpr unsigned BF_FLAT = 0x4000;
constexpr unsigned BF_MONO = 0x8000;

// Frame controls.
constexpr unsigned DFC_SCROLL = 3;
constexpr unsigned DFC_BUTTON = 4;
constexpr unsigned DFCS_BUTTONCHECK = 0x0;
constexpr unsigned DFCS_BUTTONRADIO = 0x4;
constexpr unsigned DFCS_BUTTON3STATE = 0x8;
constexpr unsigned DFCS_BUTTONPUSH = 0x10;
constexpr unsigned DFCS_SCROLLUP = 0x0;
constexpr unsigned DFCS_SCROLLDOWN = 0x1;
constexpr unsigned DFCS_SCROLLLEFT = 0x2;
constexpr unsigned DFCS_SCROLLRIGHT = 0x3;
constexpr unsigned DFCS_SCROLLCOMBOBOX = 0x5;
constexpr unsigned DFCS_INACTIVE = 0x100;
constexpr unsigned DFCS_PUSHED = 0x200;
constexpr unsigned DFCS_CHECKED = 0x400;
constexpr unsigned DFCS_FLAT = 0x4000;
constexpr unsigned DFCS_MONO = 0x8000;

// The canvas of a paint: the drawing services the grid family and the
// controls call, over a QPainter. Rectangles exclude their Right and Bottom;
// LineTo draws up to, not including, its end point; a solid brush makes text
// opaque on the brush colour, a clear one leaves it transparent.
class TCanvas {
public:
    explicit TCanvas(QPainter& painter);

    QPainter& Painter() { return FPainter; }

    TFont Font;
    TBrush Brush;
    TPen Pen;
    // Set on a canvas that draws a printed page: marks that only belong on
    // the screen (such as the selection) are left out.
    bool Printing = false;

    // Shapes.
    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);  // one-pixel frame in the brush colour
    void Rectangle(const TRect& r);  // outline with the pen, inside with the brush
    void Rectangle(int x1, int y1, int x2, int y2) { Rectangle(TRect(x1, y1, x2, y2)); }
    void Ellipse(const TRect& r);
    void Polygon(const std::vector<QPoint>& points);
    void Polyline(const std::vector<QPoint>& points);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    QPoint PenPos() const { return FPenPos; }

    // Text (through the text engine; the font colour is the text colour).
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    void TextOut(int x, int y, const QString& text);
    void TextRect(const TRect& r, int x, int y, const QString& text);
    int DrawText(const QString& text, TRect& r, unsigned flags);

    // Decorations.
    void DrawFocusRect(const TRect& r);  // dotted, inverting: drawing it twice removes it
    // Draws the edges asked for; with BF_ADJUST r shrinks by the drawn borders.
    void DrawEdge(TRect& r, unsigned edge, unsigned flags);
    // Fills r from one colour to another in bands of equal size (fewer when r
    // is smaller than bands pixels); vertical = top to bottom, else left to right.
    // A clNone end colour fills plainly with the start colour.
    void GradientFill(const TRect& r, TColor from, TColor to, int bands, bool vertical);
    // Classic frame controls: check box, radio, push button, scroll and combo arrows.
    void DrawFrameControl(const TRect& r, unsigned type, unsigned state);

    // Pictures.
    void Draw(int x, int y, const QImage& image);
    void StretchDraw(const TRect& r, const QImage& image);
    // Draws image with every pixel of the transparent colour left out; clNone
    // takes the colour of the picture's bottom-left pixel.
    void DrawTransparent(int x, int y, const QImage& image, TColor transparent = clNone);

    // Clipping (intersects with the present clip) and state.
    void IntersectClip(const TRect& r);
    void Save();
    void Restore();

private:
    void ApplyPen();
    void ApplyBrush();
    void Line(int x1, int y1, int x2, int y2, TColor color);

    QPainter& FPainter;
    QPoint FPenPos;
};

// A copy of image whose pixels of the given colour are fully transparent.
QImage MakeTransparent(const QImage& image, QRgb color);

}  // namespace platform
