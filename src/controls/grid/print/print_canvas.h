#pragma once

// The drawing layer of printing: a canvas in tenths of a millimetre with y
// growing upwards (so everything below the page top has a negative y) over a
// QPainter in device pixels. Logical (0, 0) sits at the device point Origin.
// Without a painter the canvas only measures.

#include <array>
#include <functional>
#include <limits>

#include <QFont>
#include <QFontMetricsF>
#include <QPointF>
#include <QRect>
#include <QString>

#include "platform/canvas.h"

class QPainter;
class QPaintDevice;

namespace grid::print {

// A rectangle in page units: Top above Bottom (Top > Bottom).
struct TPageRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Top - Bottom; }
};

class TPrintCanvas {
public:
    // Measures with the fonts of device (the painter's when it has one).
    TPrintCanvas(QPainter* painter, QPaintDevice* device, double dpiX, double dpiY, QPointF origin = {});

    QPainter* Painter() const { return FPainter; }
    double DpiX() const { return FDpiX; }
    double DpiY() const { return FDpiY; }
    QPointF Origin() const { return FOrigin; }

    QPointF ToDevice(double x, double y) const;
    QRectF ToDevice(const TPageRect& r) const;
    // Device pixels (relative to nothing) to page units, each axis on its own.
    double ToUnitsX(double px) const { return px * 254.0 / FDpiX; }
    double ToUnitsY(double px) const { return px * 254.0 / FDpiY; }

    // The font for text, its height in page units (negative: the character
    // height, as MapFontHeight gives it; positive: the cell height).
    void SetFont(const platform::TFont& font, int height);
    const platform::TFont& Font() const { return FFont; }
    int FontHeight() const { return FFontHeight; }
    // Extents in page units, of the current font.
    int TextWidth(const QString& text) const;
    int TextHeight() const;  // the height of a text line ("gh")
    // Lays text out in a box width wide, breaking lines at words: (width
    // used, height), in page units.
    QSize WrappedExtent(const QString& text, int width) const;

    // Text with its top-left at (x, y), in the font colour.
    void TextOut(int x, int y, const QString& text);
    // Text in a box with Qt alignment and wrap flags, clipped to the box.
    void TextIn(const TPageRect& box, const QString& text, int flags);
    void FillRect(const TPageRect& r, TColor color);
    // A vertical two-colour fill from top (from) to bottom (to).
    void GradientFill(const TPageRect& r, TColor from, TColor to);
    // Text turned by angle degrees (anticlockwise) about (x, y), the top-left
    // corner of the unturned text, clipped to the box.
    void TextRotated(const TPageRect& box, int x, int y, const QString& text, int angle);
    // Runs draw on a canvas in screen pixels laid over the box (its top-left
    // at (0, 0), screenToPrint page units a pixel) and gives it the box in
    // those pixels. The canvas font is the current font at screen size.
    void DrawScreenPixels(const TPageRect& box, double screenToPrint,
                          const std::function<void(platform::TCanvas&, const platform::TRect&)>& draw);
    // The target starts white (paper, a cleared preview): white fills are left out.
    void SetPaperWhite(bool value) { FPaperWhite = value; }
    // A line in the pen's colour, width (page units) and style.
    void SetPen(TColor color, int width, Qt::PenStyle style);
    void Line(int x0, int y0, int x1, int y1);
    // The four sides of a box with the pen.
    void Frame(const TPageRect& r);
    // An ellipse in the box with the pen, filled unless fill is clNone.
    void Ellipse(const TPageRect& r, TColor fill);
    // Draws an image stretched into a box.
    void DrawImage(const TPageRect& box, const QImage& image);
    // Keeps drawing inside a box until the next call (an empty box: no clip).
    void Clip(const TPageRect* box);

private:
    QPainter* FPainter;
    QPaintDevice* FDevice;
    double FDpiX, FDpiY;
    QPointF FOrigin;
    platform::TFont FFont;
    int FFontHeight = std::numeric_limits<int>::min();  // no font set yet
    QFont FDeviceFont;
    QFontMetricsF FMetrics;
    // Advances (device pixels) of the Latin-1 characters in the current
    // font, filled as they are asked for (negative: not yet known).
    mutable std::array<float, 256> FAdvance;
    TColor FPenColor = clBlack;
    int FPenWidth = 1;
    Qt::PenStyle FPenStyle = Qt::SolidLine;
    bool FPaperWhite = false;
};

}  // namespace grid::print
