#include "platform/canvas.h"

#include <algorithm>

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include "platform/text_engine.h"

namespace platform {

namespace canvas_detail {

QColor qcolor(TColor c)
{
    const QColor q = toQColor(c);
    return q.isValid() ? q : QColor(Qt::transparent);
}

int channel(TColor c, int shift) { return int((ColorToRGB(c) >> shift) & 0xFFu); }

}  // namespace canvas_detail

TCanvas::TCanvas(QPainter& painter) : Font(painter.font()), FPainter(painter)
{
    FPainter.setRenderHint(QPainter::Antialiasing, false);
}

void TCanvas::ApplyPen()
{
    if (Pen.Style == Qt::NoPen || Pen.Color == clNone) {
        FPainter.setPen(Qt::NoPen);
        return;
    }
    QPen pen(canvas_detail::qcolor(Pen.Color));
    pen.setWidth(Pen.Width <= 1 ? 0 : Pen.Width);  // cosmetic one-pixel pen for width 1
    pen.setStyle(Pen.Style);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    FPainter.setPen(pen);
}

void TCanvas::ApplyBrush()
{
    if (Brush.Style == Qt::NoBrush || Brush.Color == clNone)
        FPainter.setBrush(Qt::NoBrush);
    else
        FPainter.setBrush(QBrush(canvas_detail::qcolor(Brush.Color), Brush.Style));
}

void TCanvas::FillRect(const TRect& r)
{
    if (r.IsEmpty() || Brush.Style == Qt::NoBrush || Brush.Color == clNone) return;
    FPainter.fillRect(r.toQRect(), QBrush(canvas_detail::qcolor(Brush.Color), Brush.Style));
}

void TCanvas::FrameRect(const TRect& r)
{
    if (r.IsEmpty() || Brush.Color == clNone) return;
    const QColor c = canvas_detail::qcolor(Brush.Color);
    FPainter.fillRect(QRect(r.Left, r.Top, r.Width(), 1), c);
    FPainter.fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), c);
    FPainter.fillRect(QRect(r.Left, r.Top, 1, r.Height()), c);
    FPainter.fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), c);
}

void TCanvas::Rectangle(const TRect& r)
{
    if (r.IsEmpty()) return;
    FillRect(r);
    if (Pen.Style == Qt::NoPen || Pen.Color == clNone) return;
    ApplyPen();
    FPainter.setBrush(Qt::NoBrush);
    if (Pen.Width <= 1) {
        FPainter.drawRect(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
    } else {
        const int inset = Pen.Width / 2;
        FPainter.drawRect(QRectF(r.Left + inset, r.Top + inset, r.Width() - Pen.Width, r.Height() - Pen.Width));
    }
}

void TCanvas::Ellipse(const TRect& r)
{
    if (r.IsEmpty()) return;
    ApplyPen();
    ApplyBrush();
    FPainter.drawEllipse(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
}

void TCanvas::Polygon(const std::vector<QPoint>& points)
{
    ApplyPen();
    ApplyBrush();
    FPainter.drawPolygon(QPolygon(QList<QPoint>(points.begin(), points.end())));
}

void TCanvas::Polyline(const std::vector<QPoint>& points)
{
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        MoveTo(points[i].x(), points[i].y());
        LineTo(points[i + 1].x(), points[i + 1].y());
    }
}

void TCanvas::MoveTo(int x, int y) { FPenPos = QPoint(x, y); }

void TCanvas::LineTo(int x, int y)
{
    const QPoint from = FPenPos;
    FPenPos = QPoint(x, y);
    if (Pen.Style == Qt::NoPen || Pen.Color == clNone || from == FPenPos) return;
    ApplyPen();
    if (Pen.Width <= 1) {
        // Qt's one-pixel lines leave out their end point as LineTo does.
        FPainter.drawLine(from, FPenPos);
    } else {
        FPainter.drawLine(QPointF(from) + QPointF(0.5, 0.5), QPointF(x, y) + QPointF(0.5, 0.5));
    }
}

void TCanvas::Line(int x1, int y1, int x2, int y2, TColor color)
{
    // Inclusive one-pixel line, for edges.
    FPainter.fillRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))),
                      canvas_detail::qcolor(color));
}

int TCanvas::TextWidth(const QString& text) const
{
    return TextEngine::LineWidth(QFontMetrics(Font), text, DT_SINGLELINE | DT_NOPREFIX);
}

int TCanvas::TextHeight(const QString&) const { return QFontMetrics(Font).height(); }

void TCanvas::TextOut(int x, int y, const QString& text)
{
    TRect r(x, y, x + TextWidth(text), y + TextHeight(text));
    DrawText(text, r, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    FPenPos = QPoint(r.Right, y);
}

void TCanvas::TextRect(const TRect& r, int x, int y, const QString& text)
{
    FillRect(r);
    const TextLayout layout = TextEngine::Layout(Font, text, TRect(x, y, x + TextWidth(text), r.Bottom),
                                                 DT_SINGLELINE | DT_NOPREFIX);
    FPainter.setPen(canvas_detail::qcolor(Font.Color));
    TextEngine::DrawLayout(FPainter, Font, layout, r, DT_SINGLELINE | DT_NOPREFIX);
}

int TCanvas::DrawText(const QString& text, TRect& r, unsigned flags)
{
    if (flags & DT_CALCRECT) return TextEngine::DrawText(nullptr, Font, text, r, flags);
    FPainter.setPen(canvas_detail::qcolor(Font.Color));
    const bool opaque = Brush.Style != Qt::NoBrush && Brush.Color != clNone;
    return TextEngine::DrawText(&FPainter, Font, text, r, flags,
                                opaque ? canvas_detail::qcolor(Brush.Color) : QColor());
}

void TCanvas::DrawFocusRect(const TRect& r)
{
    if (r.IsEmpty()) return;
    FPainter.save();
    FPainter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QColor white(Qt::white);
    // Every other pixel along the outline, starting at the top-left corner.
    auto dot = [&](int x, int y) {
        if (((x + y) & 1) == ((r.Left + r.Top) & 1)) FPainter.fillRect(QRect(x, y, 1, 1), white);
    };
    for (int x = r.Left; x < r.Right; ++x) {
        dot(x, r.Top);
        if (r.Bottom - 1 > r.Top) dot(x, r.Bottom - 1);
    }
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        dot(r.Left, y);
        if (r.Right - 1 > r.Left) dot(r.Right - 1, y);
    }
    FPainter.restore();
}

void TCanvas::DrawEdge(TRect& r, unsigned edge, unsigned flags)
{
    struct Border {
        unsigned raised, sunken;
        TColor raisedTL, raisedBR, sunkenTL, sunkenBR;
    };
    const Border borders[2] = {
        {BDR_RAISEDOUTER, BDR_SUNKENOUTER, cl3DLight, cl3DDkShadow, clBtnShadow, clBtnHighlight},
        {BDR_RAISEDINNER, BDR_SUNKENINNER, clBtnHighlight, clBtnShadow, cl3DDkShadow, cl3DLight},
    };
    TRect box = r;
    for (const Border& b : borders) {
        const bool raised = edge & b.raised;
        const bool sunken = edge & b.sunken;
        if (!raised && !sunken) continue;
        TColor tl = raised ? b.raisedTL : b.sunkenTL;
        TColor br = raised ? b.raisedBR : b.sunkenBR;
        if (flags & BF_SOFT && raised && &b == &borders[0]) tl = clBtnHighlight;
        if (flags & BF_FLAT) tl = br = clBtnShadow;
        if (flags & BF_MONO) tl = br = clBlack;
        if (box.IsEmpty()) break;
        if (flags & BF_LEFT) Line(box.Left, box.Top, box.Left, box.Bottom - 1, tl);
        if (flags & BF_TOP) Line(box.Left, box.Top, box.Right - 1, box.Top, tl);
        if (flags & BF_RIGHT) Line(box.Right - 1, box.Top, box.Right - 1, box.Bottom - 1, br);
        if (flags & BF_BOTTOM) Line(box.Left, box.Bottom - 1, box.Right - 1, box.Bottom - 1, br);
        if (flags & BF_LEFT) ++box.Left;
        if (flags & BF_TOP) ++box.Top;
        if (flags & BF_RIGHT) --box.Right;
        if (flags & BF_BOTTOM) --box.Bottom;
    }
    if ((flags & BF_MIDDLE) && !box.IsEmpty()) FPainter.fillRect(box.toQRect(), canvas_detail::qcolor(clBtnFace));
    if (flags & BF_ADJUST) r = box;
}

void TCanvas::GradientFill(const TRect& r, TColor from, TColor to, int bands, bool vertical)
{
    if (r.IsEmpty() || from == clNone) return;
    if (to == clNone || bands <= 1) {
        FPainter.fillRect(r.toQRect(), canvas_detail::qcolor(from));
        return;
    }
    const int extent = vertical ? r.Height() : r.Width();
    const int n = std::max(1, std::min(bands, extent));
    for (int i = 0; i < n; ++i) {
        const int a = extent * i / n;
        const int b = extent * (i + 1) / n;
        auto mix = [&](int shift) {
            const int c1 = canvas_detail::channel(from, shift), c2 = canvas_detail::channel(to, shift);
            return n == 1 ? c1 : c1 + (c2 - c1) * i / (n - 1);
        };
        const QColor c(mix(0), mix(8), mix(16));
        if (vertical)
            FPainter.fillRect(QRect(r.Left, r.Top + a, r.Width(), b - a), c);
        else
            FPainter.fillRect(QRect(r.Left + a, r.Top, b - a, r.Height()), c);
    }
}

void TCanvas::DrawFrameControl(const TRect& r, unsigned type, unsigned state)
{
    if (r.IsEmpty()) return;
    const bool inactive = state & DFCS_INACTIVE;
    const bool pushed = state & DFCS_PUSHED;
    const bool flat = state & (DFCS_FLAT | DFCS_MONO);
    const QColor mark = canvas_detail::qcolor(inactive ? clBtnShadow : clWindowText);
    FPainter.save();
    FPainter.setRenderHint(QPainter::Antialiasing, false);
    TRect box = r;
    if (type == DFC_BUTTON && (state & DFCS_BUTTONPUSH)) {
        if (flat) {
            FPainter.fillRect(box.toQRect(), canvas_detail::qcolor(clBtnFace));
            Brush.Color = clBtnShadow;
            FrameRect(box);
        } else {
            DrawEdge(box, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT);
        }
    } else if (type == DFC_BUTTON && (state & DFCS_BUTTONRADIO) && !(state & DFCS_BUTTONPUSH)) {
        const int size = std::min(r.Width(), r.Height());
        const QRect circle(r.Left + (r.Width() - size) / 2, r.Top + (r.Height() - size) / 2, size - 1, size - 1);
        FPainter.setRenderHint(QPainter::Antialiasing, true);
        FPainter.setPen(QPen(canvas_detail::qcolor(flat ? clWindowText : clBtnShadow), 1));
        FPainter.setBrush(canvas_detail::qcolor(inactive || pushed ? clBtnFace : clWindow));
        FPainter.drawEllipse(QRectF(circle).adjusted(0.5, 0.5, -0.5, -0.5));
        if (state & DFCS_CHECKED) {
            FPainter.setPen(Qt::NoPen);
            FPainter.setBrush(mark);
            const double d = size / 3.0;
            FPainter.drawEllipse(QRectF(circle.center().x() - d / 2 + 0.5, circle.center().y() - d / 2 + 0.5, d, d));
        }
    } else if (type == DFC_BUTTON) {
        // Check box: a square box, the tick when checked (greyed for the third state).
        const int size = std::min(r.Width(), r.Height());
        box = TRect(r.Left + (r.Width() - size) / 2, r.Top + (r.Height() - size) / 2, 0, 0);
        box.Right = box.Left + size;
        box.Bottom = box.Top + size;
        const bool third = state & DFCS_BUTTON3STATE;
        const QColor face = canvas_detail::qcolor(inactive || pushed || (third && (state & DFCS_CHECKED)) ? clBtnFace : clWindow);
        if (flat) {
            FPainter.fillRect(box.toQRect(), face);
            Brush.Color = clWindowText;
            FrameRect(box);
            box = box.Inflated(-1, -1);
        } else {
            DrawEdge(box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
            FPainter.fillRect(box.toQRect(), face);
        }
        if (state & DFCS_CHECKED) {
            const QColor tick = third ? canvas_detail::qcolor(clBtnShadow) : mark;
            const int w = box.Width();
            // A tick of three-pixel thickness, scaled to the box.
            const int x0 = box.Left + std::max(1, w * 2 / 10);
            const int y0 = box.Top + w * 4 / 10;
            const int leg1 = std::max(1, w * 2 / 10);
            const int leg2 = std::max(2, w * 4 / 10);
            for (int i = 0; i <= leg1; ++i) FPainter.fillRect(QRect(x0 + i, y0 + i, 1, 3), tick);
            for (int i = 1; i <= leg2; ++i) FPainter.fillRect(QRect(x0 + leg1 + i, y0 + leg1 - i, 1, 3), tick);
        }
    } else if (type == DFC_SCROLL) {
        if (flat) {
            FPainter.fillRect(box.toQRect(), canvas_detail::qcolor(clBtnFace));
            Brush.Color = clBtnShadow;
            FrameRect(box);
        } else {
            DrawEdge(box, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT);
        }
        const unsigned dir = state & 0xFu;
        const int size = std::max(2, std::min(r.Width(), r.Height()) / 4);
        int cx = r.Left + r.Width() / 2 + (pushed ? 1 : 0);
        int cy = r.Top + r.Height() / 2 + (pushed ? 1 : 0);
        QPolygon tri;
        switch (dir) {
        case DFCS_SCROLLUP: tri << QPoint(cx - size, cy + size / 2) << QPoint(cx + size, cy + size / 2) << QPoint(cx, cy - size / 2 - 1); break;
        case DFCS_SCROLLLEFT: tri << QPoint(cx + size / 2, cy - size) << QPoint(cx + size / 2, cy + size) << QPoint(cx - size / 2 - 1, cy); break;
        case DFCS_SCROLLRIGHT: tri << QPoint(cx - size / 2, cy - size) << QPoint(cx - size / 2, cy + size) << QPoint(cx + size / 2 + 1, cy); break;
        default: tri << QPoint(cx - size, cy - size / 2) << QPoint(cx + size, cy - size / 2) << QPoint(cx, cy + size / 2 + 1); break;
        }
        FPainter.setPen(Qt::NoPen);
        FPainter.setBrush(mark);
        FPainter.drawPolygon(tri);
    }
    FPainter.restore();
}

void TCanvas::Draw(int x, int y, const QImage& image)
{
    if (!image.isNull()) FPainter.drawImage(QPoint(x, y), image);
}

void TCanvas::StretchDraw(const TRect& r, const QImage& image)
{
    if (!image.isNull() && !r.IsEmpty()) FPainter.drawImage(r.toQRect(), image);
}

void TCanvas::DrawTransparent(int x, int y, const QImage& image, TColor transparent)
{
    if (image.isNull()) return;
    QRgb key;
    if (transparent == clNone) {
        key = image.pixel(0, image.height() - 1);
    } else {
        const QColor c = canvas_detail::qcolor(transparent);
        key = c.rgb();
    }
    FPainter.drawImage(QPoint(x, y), MakeTransparent(image, key));
}

void TCanvas::IntersectClip(const TRect& r) { FPainter.setClipRect(r.toQRect(), Qt::IntersectClip); }

void TCanvas::Save() { FPainter.save(); }

void TCanvas::Restore() { FPainter.restore(); }

QImage MakeTransparent(const QImage& image, QRgb color)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = color | 0xFF000000u;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] | 0xFF000000u) == key) line[x] = 0;
    }
    return out;
}

}  // namespace platform
