#include "controls/grid/print/print_canvas.h"

#include <algorithm>
#include <cmath>

#include <QLinearGradient>
#include <QPainter>
#include <QPen>

namespace grid::print {

TPrintCanvas::TPrintCanvas(QPainter* painter, QPaintDevice* device, double dpiX, double dpiY, QPointF origin)
    : FPainter(painter), FDevice(painter ? painter->device() : device), FDpiX(dpiX > 0 ? dpiX : 96), FDpiY(dpiY > 0 ? dpiY : 96), FOrigin(origin),
      FMetrics(QFont())
{
    FAdvance.fill(-1.0f);
}

QPointF TPrintCanvas::ToDevice(double x, double y) const
{
    return {FOrigin.x() + x * FDpiX / 254.0, FOrigin.y() - y * FDpiY / 254.0};
}

QRectF TPrintCanvas::ToDevice(const TPageRect& r) const
{
    return QRectF(ToDevice(r.Left, r.Top), ToDevice(r.Right, r.Bottom)).normalized();
}

void TPrintCanvas::SetFont(const platform::TFont& font, int height)
{
    // Most cells share a font: keep the metrics of the last one.
    if (height == FFontHeight && font.Color == FFont.Color && font == static_cast<const QFont&>(FFont)) return;
    FFont = font;
    FFontHeight = height;
    FDeviceFont = font;
    // The character height; a positive (cell) height holds some leading too.
    const double units = height < 0 ? -height : height * 0.87;
    FDeviceFont.setPixelSize(std::max(1, int(std::lround(units * FDpiY / 254.0))));
    // Without kerning a text is as wide as its characters' advances, so that
    // measuring needs no shaping and what is drawn matches what was measured.
    FDeviceFont.setKerning(false);
    FMetrics = FDevice ? QFontMetricsF(FDeviceFont, FDevice) : QFontMetricsF(FDeviceFont);
    FAdvance.fill(-1.0f);
}

int TPrintCanvas::TextWidth(const QString& text) const
{
    double width = 0;
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u >= 256 || u < 32) return int(std::lround(ToUnitsX(FMetrics.horizontalAdvance(text))));
        float& advance = FAdvance[u];
        if (advance < 0) advance = float(FMetrics.horizontalAdvance(ch));
        width += advance;
    }
    return int(std::lround(ToUnitsX(width)));
}

int TPrintCanvas::TextHeight() const
{
    return int(std::lround(ToUnitsY(FMetrics.height())));
}

QSize TPrintCanvas::WrappedExtent(const QString& text, int width) const
{
    const QRectF box(0, 0, std::max(1.0, width * FDpiX / 254.0), 1e6);
    const QRectF used = FMetrics.boundingRect(box, Qt::TextWordWrap | Qt::TextExpandTabs, text);
    return {int(std::lround(ToUnitsX(used.width()))), int(std::lround(ToUnitsY(used.height())))};
}

void TPrintCanvas::TextOut(int x, int y, const QString& text)
{
    if (!FPainter) return;
    FPainter->setFont(FDeviceFont);
    FPainter->setPen(toQColor(FFont.Color));
    const QPointF p = ToDevice(x, y);
    FPainter->drawText(QPointF(p.x(), p.y() + FMetrics.ascent()), text);
}

void TPrintCanvas::TextIn(const TPageRect& box, const QString& text, int flags)
{
    if (!FPainter || text.isEmpty()) return;
    FPainter->setFont(FDeviceFont);
    FPainter->setPen(toQColor(FFont.Color));
    const QRectF r = ToDevice(box);
    // A single line that fits needs no clipping (which would make every
    // cell a state block of its own in the printer's output).
    if ((flags & Qt::TextSingleLine) && TextWidth(text) <= box.Width() && FMetrics.height() <= r.height()) {
        FPainter->drawText(r, flags, text);
        return;
    }
    FPainter->save();
    FPainter->setClipRect(r, Qt::IntersectClip);
    FPainter->drawText(r, flags, text);
    FPainter->restore();
}

void TPrintCanvas::FillRect(const TPageRect& r, TColor color)
{
    if (!FPainter || color == clNone) return;
    const QColor c = toQColor(color);
    // White on white paper: nothing to draw.
    if (c == QColor(Qt::white) && FPaperWhite) return;
    FPainter->fillRect(ToDevice(r), c);
}

void TPrintCanvas::GradientFill(const TPageRect& r, TColor from, TColor to)
{
    if (!FPainter) return;
    const QRectF box = ToDevice(r);
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, toQColor(from));
    gradient.setColorAt(1, toQColor(to));
    FPainter->fillRect(box, gradient);
}

void TPrintCanvas::TextRotated(const TPageRect& box, int x, int y, const QString& text, int angle)
{
    if (!FPainter || text.isEmpty()) return;
    FPainter->save();
    FPainter->setClipRect(ToDevice(box), Qt::IntersectClip);
    FPainter->setFont(FDeviceFont);
    FPainter->setPen(toQColor(FFont.Color));
    FPainter->translate(ToDevice(x, y));
    FPainter->rotate(-angle);
    FPainter->drawText(QPointF(0, FMetrics.ascent()), text);
    FPainter->restore();
}

void TPrintCanvas::DrawScreenPixels(const TPageRect& box, double screenToPrint,
                                    const std::function<void(platform::TCanvas&, const platform::TRect&)>& draw)
{
    if (!FPainter || screenToPrint <= 0 || box.Width() <= 0 || box.Height() <= 0) return;
    const QRectF r = ToDevice(box);
    const double kx = screenToPrint * FDpiX / 254.0, ky = screenToPrint * FDpiY / 254.0;
    FPainter->save();
    FPainter->translate(r.topLeft());
    FPainter->scale(kx, ky);
    platform::TCanvas canvas(*FPainter);
    canvas.Font = FFont;
    if (FFontHeight != std::numeric_limits<int>::min()) {
        const double units = FFontHeight < 0 ? -double(FFontHeight) : FFontHeight * 0.87;
        canvas.Font.setPixelSize(std::max(1, int(std::lround(units / screenToPrint))));
    }
    canvas.Brush.Color = clWhite;
    draw(canvas, platform::TRect(0, 0, int(std::lround(r.width() / kx)), int(std::lround(r.height() / ky))));
    FPainter->restore();
}

void TPrintCanvas::SetPen(TColor color, int width, Qt::PenStyle style)
{
    FPenColor = color;
    FPenWidth = width;
    FPenStyle = style;
}

void TPrintCanvas::Line(int x0, int y0, int x1, int y1)
{
    if (!FPainter || FPenColor == clNone || FPenStyle == Qt::NoPen) return;
    QPen pen(toQColor(FPenColor));
    pen.setWidthF(std::max(1.0, FPenWidth * FDpiX / 254.0));
    pen.setStyle(FPenStyle);
    pen.setCapStyle(Qt::SquareCap);
    if (FPainter->pen() != pen) FPainter->setPen(pen);
    FPainter->drawLine(ToDevice(x0, y0), ToDevice(x1, y1));
}

void TPrintCanvas::Frame(const TPageRect& r)
{
    Line(r.Left, r.Top, r.Right, r.Top);
    Line(r.Right, r.Top, r.Right, r.Bottom);
    Line(r.Right, r.Bottom, r.Left, r.Bottom);
    Line(r.Left, r.Bottom, r.Left, r.Top);
}

void TPrintCanvas::Ellipse(const TPageRect& r, TColor fill)
{
    if (!FPainter) return;
    QPen pen(toQColor(FPenColor));
    pen.setWidthF(std::max(1.0, FPenWidth * FDpiX / 254.0));
    pen.setStyle(FPenStyle);
    FPainter->save();
    FPainter->setPen(pen);
    FPainter->setBrush(fill == clNone ? QBrush(Qt::NoBrush) : QBrush(toQColor(fill)));
    FPainter->drawEllipse(ToDevice(r));
    FPainter->restore();
}

void TPrintCanvas::DrawImage(const TPageRect& box, const QImage& image)
{
    if (!FPainter || image.isNull()) return;
    FPainter->drawImage(ToDevice(box), image);
}

void TPrintCanvas::Clip(const TPageRect* box)
{
    if (!FPainter) return;
    if (box) FPainter->setClipRect(ToDevice(*box));
    else FPainter->setClipping(false);
}

}  // namespace grid::print
