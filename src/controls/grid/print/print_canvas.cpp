#include "controls/grid/print/print_canvas.h"

#include <algorithm>
#include <cmath>

#include <QPainter>
#include <QPen>

namespace grid::print {

TPrintCanvas::TPrintCanvas(QPainter* painter, QPaintDevice* device, double dpiX, double dpiY, QPointF origin)
    : FPainter(painter), FDevice(painter ? painter->device() : device), FDpiX(dpiX > 0 ? dpiX : 96), FDpiY(dpiY > 0 ? dpiY : 96), FOrigin(origin),
      FMetrics(QFont())
{
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
    FFont = font;
    FFontHeight = height;
    FDeviceFont = font;
    // The character height; a positive (cell) height holds some leading too.
    const double units = height < 0 ? -height : height * 0.87;
    FDeviceFont.setPixelSize(std::max(1, int(std::lround(units * FDpiY / 254.0))));
    FMetrics = FDevice ? QFontMetricsF(FDeviceFont, FDevice) : QFontMetricsF(FDeviceFont);
}

int TPrintCanvas::TextWidth(const QString& text) const
{
    return int(std::lround(ToUnitsX(FMetrics.horizontalAdvance(text))));
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
    if (!FPainter) return;
    FPainter->save();
    FPainter->setFont(FDeviceFont);
    FPainter->setPen(toQColor(FFont.Color));
    const QRectF r = ToDevice(box);
    FPainter->setClipRect(r, Qt::IntersectClip);
    FPainter->drawText(r, flags, text);
    FPainter->restore();
}

void TPrintCanvas::FillRect(const TPageRect& r, TColor color)
{
    if (!FPainter || color == clNone) return;
    FPainter->fillRect(ToDevice(r), toQColor(color));
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
    FPainter->setPen(pen);
    FPainter->drawLine(ToDevice(x0, y0), ToDevice(x1, y1));
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
