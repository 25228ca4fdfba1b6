#include "controls/grid/paint/grid_draw_utils.h"

#include <algorithm>
#include <cmath>

#include <QFontMetrics>
#include <QPainter>

#include "controls/grid/text/grid_format.h"
#include "platform/theme_painter.h"

namespace grid {

using platform::TCanvas;
using platform::TRect;

namespace grid_draw_detail {

int red(TColor c) { return int(c & 0xFF); }
int green(TColor c) { return int((c >> 8) & 0xFF); }
int blue(TColor c) { return int((c >> 16) & 0xFF); }
TColor rgb(int r, int g, int b) { return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16); }
// Rounding to the nearest integer, halves to even.
long roundEven(double v) { return std::lrint(v); }

void solidBox(TCanvas& canvas, const TRect& r, TColor color)
{
    canvas.Brush.Color = color;
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.Pen.Color = color;
    canvas.FillRect(r);
}

void hLine(TCanvas& canvas, int x1, int x2, int y, TColor color)
{
    if (x2 > x1) solidBox(canvas, TRect(x1, y, x2, y + 1), color);
}

void vLine(TCanvas& canvas, int x, int y1, int y2, TColor color)
{
    if (y2 > y1) solidBox(canvas, TRect(x, y1, x + 1, y2), color);
}

void pixel(TCanvas& canvas, int x, int y, TColor color) { solidBox(canvas, TRect(x, y, x + 1, y + 1), color); }

}  // namespace grid_draw_detail

void GradientFillRect(TCanvas& canvas, TColor from, TColor to, bool horizontal, const TRect& rect, int steps)
{
    using namespace grid_draw_detail;
    TRect r = rect;
    if (r.Height() == 0) return;
    if (r.Bottom < r.Top) std::swap(r.Top, r.Bottom);
    if (from == clNone || to == clNone) {
        solidBox(canvas, r, from == clNone ? (to == clNone ? from : to) : from);
        return;
    }
    from = ColorToRGB(from);
    to = ColorToRGB(to);
    const int extent = (horizontal ? r.Width() : r.Height()) - 1;
    steps = std::max(1, std::min(steps, extent));
    const double band = double(std::max(extent, 0)) / steps;
    const int length = horizontal ? r.Width() : r.Height();
    for (int i = 0; i <= steps; ++i) {
        const TColor c = rgb(red(from) + int(roundEven(double(i) * (red(to) - red(from)) / steps)),
                             green(from) + int(roundEven(double(i) * (green(to) - green(from)) / steps)),
                             blue(from) + int(roundEven(double(i) * (blue(to) - blue(from)) / steps)));
        const int start = int(std::trunc(i * band));
        const int end = std::min(length, start + int(std::trunc(band + 1)));
        if (end <= start) continue;
        if (horizontal) solidBox(canvas, TRect(r.Left + start, r.Top, r.Left + end, r.Bottom), c);
        else solidBox(canvas, TRect(r.Left, r.Top + start, r.Right, r.Top + end), c);
    }
}

void DrawCellFill(TCanvas& canvas, const TRect& rect, TColor color, bool fill, bool borderSideLines,
                  TColor borderColor, bool vertical, TColor mirrorColorTo, TColor mirrorColor, TColor colorTo)
{
    using namespace grid_draw_detail;
    if (fill && color != clNone) {
        if (mirrorColor == clNone && colorTo == clNone) {
            solidBox(canvas, TRect(rect.Left, rect.Top, rect.Right, rect.Bottom + 1), color);
        } else if (mirrorColor == clNone) {
            GradientFillRect(canvas, color, colorTo, !vertical, rect, 128);
        } else if (vertical) {
            const int mid = rect.Top + rect.Height() / 2;
            GradientFillRect(canvas, color, colorTo, false, TRect(rect.Left, rect.Top, rect.Right, mid), 128);
            GradientFillRect(canvas, mirrorColor, mirrorColorTo, false, TRect(rect.Left, mid, rect.Right, rect.Bottom),
                             128);
        } else {
            const int mid = rect.Left + rect.Width() / 2;
            GradientFillRect(canvas, color, colorTo, true, TRect(rect.Left, rect.Top, mid, rect.Bottom), 128);
            GradientFillRect(canvas, mirrorColor, mirrorColorTo, true, TRect(mid, rect.Top, rect.Right, rect.Bottom),
                             128);
        }
    }
    if (borderColor == clNone) return;
    if (borderSideLines) {
        vLine(canvas, rect.Left, rect.Top, rect.Bottom, borderColor);
        vLine(canvas, rect.Right - 1, rect.Top, rect.Bottom, borderColor);
    } else {
        canvas.Brush.Color = borderColor;
        canvas.FrameRect(rect);
    }
}

TColor BlendColorStep(TColor c1, TColor c2, int from, int position, int to)
{
    using namespace grid_draw_detail;
    if (c2 == clNone) return c1;
    c1 = ColorToRGB(c1);
    c2 = ColorToRGB(c2);
    const int span = to - from;
    if (span == 0) return c1;
    auto mix = [&](int a, int b) { return a + int(roundEven(double(b - a) * position / span)); };
    return rgb(mix(red(c1), red(c2)), mix(green(c1), green(c2)), mix(blue(c1), blue(c2)));
}

TColor HalveColor(TColor color)
{
    using namespace grid_draw_detail;
    color = ColorToRGB(color);
    return rgb(red(color) / 2, green(color) / 2, blue(color) / 2);
}

TColor ScaleColorPercent(TColor color, int percent)
{
    using namespace grid_draw_detail;
    color = ColorToRGB(color);
    auto scale = [&](int c) { return int(roundEven(c + double(percent) * c / 100.0)) & 0xFF; };
    return rgb(scale(red(color)), scale(green(color)), scale(blue(color)));
}

void FillRectColor(TCanvas& canvas, const TRect& rect, TColor color)
{
    using namespace grid_draw_detail;
    canvas.Brush.Color = color;
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.FillRect(rect);
}

void DrawSelectionFrame(TCanvas& canvas, const TSelectionFrameColors& c, int segment, const TRect& rect,
                        TColor cornerColor)
{
    using namespace grid_draw_detail;
    // The face leaves one pixel at the right and two at the bottom.
    const int l = rect.Left;
    const int t = rect.Top;
    const int r = rect.Right - 2;   // outer right column
    const int b = rect.Bottom - 3;  // outer bottom row
    if (r - l < 4 || b - t < 4) return;
    const bool roundLeft = segment == 0 || segment == 1;
    const bool roundRight = segment == 0 || segment == 2;
    const int mid = t + (b - t) / 2;

    // Inside, from two pixels within the frame.
    const TRect inside(roundLeft ? l + 2 : l, t + 2, roundRight ? r - 1 : r + 1, b - 1);
    if (c.FillTo == clNone) {
        solidBox(canvas, inside, c.FillFrom);
    } else if (c.MirrorFrom == clNone) {
        GradientFillRect(canvas, c.FillFrom, c.FillTo, false, inside, 16);
    } else {
        const int half = inside.Top + inside.Height() / 2;
        GradientFillRect(canvas, c.FillFrom, c.FillTo, false, TRect(inside.Left, inside.Top, inside.Right, half), 16);
        GradientFillRect(canvas, c.MirrorFrom, c.MirrorTo, false, TRect(inside.Left, half, inside.Right, inside.Bottom),
                         16);
    }
    // Inner lines.
    const int innerLeft = roundLeft ? l + 1 : l;
    const int innerRight = roundRight ? r : r + 1;
    hLine(canvas, innerLeft, innerRight, t + 1, c.InnerTop);
    hLine(canvas, innerLeft, innerRight, b - 1, c.InnerBottom);
    if (roundLeft) {
        vLine(canvas, l + 1, t + 1, mid, c.InnerTop);
        vLine(canvas, l + 1, mid, b, c.InnerBottom);
    }
    if (roundRight) {
        vLine(canvas, r - 1, t + 1, mid, c.InnerTop);
        vLine(canvas, r - 1, mid, b, c.InnerBottom);
    }
    // Outer lines.
    const int outerLeft = roundLeft ? l + 2 : l;
    const int outerRight = roundRight ? r - 1 : r + 1;
    hLine(canvas, outerLeft, outerRight, t, c.Outer);
    hLine(canvas, outerLeft, outerRight, b, c.Outer);
    if (roundLeft) vLine(canvas, l, t + 2, b - 1, c.Outer);
    if (roundRight) vLine(canvas, r, t + 2, b - 1, c.Outer);
    // Rounded corners.
    auto corner = [&](int x, int y, int dx, int dy) {
        pixel(canvas, x + dx, y, c.InnerCorner);
        pixel(canvas, x, y + dy, c.InnerCorner);
        pixel(canvas, x + dx, y + dy, c.InnerCorner);
        pixel(canvas, x, y, cornerColor);
    };
    if (roundLeft) {
        corner(l, t, 1, 1);
        corner(l, b, 1, -1);
    }
    if (roundRight) {
        corner(r, t, -1, 1);
        corner(r, b, -1, -1);
    }
}

void DrawDownTriangle(TCanvas& canvas, int x, int y, TColor color)
{
    using namespace grid_draw_detail;
    canvas.Pen.Color = color;
    canvas.Brush.Color = color;
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.Polygon({QPoint(x - 3, y), QPoint(x + 3, y), QPoint(x, y + 3)});
}

QString ProgressBarText(const QString& format, double value, double maximum, double minimum, int& percentage)
{
    using namespace grid_draw_detail;
    QString text;
    if (format.isEmpty()) {
        const long rounded = roundEven(value);
        text = QString::number(rounded) + u'%';
        percentage = int(std::clamp<long>(rounded, -1000000, 1000000));
    } else {
        if (FormatTakesInteger(format)) text = FormatWithArgs(format, {int64_t(roundEven(value))});
        else text = FormatWithArgs(format, {value});
        // An empty range has no share done.
        percentage = maximum == minimum ? 0 : int(roundEven((value - minimum) * 100.0 / (maximum - minimum)));
    }
    percentage = std::clamp(percentage, 0, 100);
    return text;
}

void DrawProgressBar(TCanvas& canvas, const TRect& rect, const TProgressBarLook& look, const QString& format,
                     double maximum, double minimum, double value)
{
    using namespace grid_draw_detail;
    const TColor entryBrush = canvas.Brush.Color;
    int percentage = 0;
    const QString text = ProgressBarText(format, value, maximum, minimum, percentage);

    TRect r(rect.Left + look.MarginX, rect.Top + look.MarginY, rect.Right - look.MarginX, rect.Bottom - look.MarginY);
    const int doneRight = r.Left + int(roundEven(double(r.Width()) * percentage / 100.0));
    const TRect done(r.Left, r.Top, doneRight, r.Bottom);
    const TRect rest(doneRight, r.Top, r.Right, r.Bottom);

    QPainter& painter = canvas.Painter();
    auto drawPart = [&](const TRect& part, TColor fillColor, TColor textColor) {
        if (part.IsEmpty()) return;
        solidBox(canvas, part, fillColor);
        painter.save();
        painter.setClipRect(part.toQRect(), Qt::IntersectClip);
        canvas.Font.Color = textColor;
        canvas.Brush.Style = Qt::NoBrush;
        TRect textRect = r;
        canvas.DrawText(text, textRect, platform::DT_CENTER | platform::DT_VCENTER | platform::DT_SINGLELINE |
                                            platform::DT_NOPREFIX);
        canvas.Brush.Style = Qt::SolidPattern;
        painter.restore();
    };
    drawPart(done, look.DoneColor, look.DoneTextColor);
    drawPart(rest, look.RemainingColor, look.RemainingTextColor);

    TRect frame = r.Inflated(1, 1);
    if (look.BorderColor != clNone) {
        canvas.Brush.Color = look.BorderColor;
        canvas.FrameRect(frame);
    }
    frame = frame.Inflated(1, 1);
    canvas.Brush.Color = entryBrush;
    canvas.FrameRect(frame);
}

void DrawRangeIndicator(TCanvas& canvas, const TRect& rect, int value, TColor positiveColor, TColor negativeColor,
                        bool showValue, int range)
{
    using namespace grid_draw_detail;
    const TRect r = rect.Inflated(-2, -2);
    if (range <= 0 || r.IsEmpty()) return;
    value = std::clamp(value, -range, range);
    const int centre = r.Left + r.Width() / 2;
    const int length = int(roundEven(double(r.Width() / 2) * value / range));
    if (value < 0) solidBox(canvas, TRect(centre + length, r.Top, centre, r.Bottom), negativeColor);
    else solidBox(canvas, TRect(centre, r.Top, centre + length, r.Bottom), positiveColor);
    if (showValue) {
        // The value is written centred over the bar, transparently.
        canvas.Brush.Style = Qt::NoBrush;
        TRect textRect = r;
        canvas.DrawText(QString::number(value), textRect,
                        platform::DT_CENTER | platform::DT_VCENTER | platform::DT_SINGLELINE | platform::DT_NOPREFIX);
        canvas.Brush.Style = Qt::SolidPattern;
    }
}

void DrawBitmapTransparent(TCanvas& canvas, const QImage& bitmap, TColor background, const TRect& rect)
{
    using namespace grid_draw_detail;
    if (bitmap.isNull()) return;
    QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, 0);
    const QColor bg = toQColor(background);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == key) image.setPixel(x, y, bg.isValid() ? bg.rgba() : qRgba(0, 0, 0, 0));
    canvas.Draw(rect.Left, rect.Top, image);
}

}  // namespace grid

// ---------------------------------------------------------------- buttons

namespace grid {

namespace grid_draw_detail {

const paint::TColorTone& toneOfState(const TColorTones& tones, int state)
{
    switch (state) {
    case 1: return tones.Hover;
    case 2: return tones.Selected;
    case 3: return tones.Disabled;
    default: return tones.Background;
    }
}

platform::TThemeState themeState(int state)
{
    switch (state) {
    case 1: return platform::tsHot;
    case 2: return platform::tsPressed;
    case 3: return platform::tsDisabled;
    default: return platform::tsNormal;
    }
}

void arrow(TCanvas& canvas, std::vector<QPoint> points, TColor color)
{
    canvas.Pen.Color = color;
    canvas.Brush.Color = color;
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.Polygon(points);
}

}  // namespace grid_draw_detail

void DrawCellButton(TCanvas& canvas, const TRect& rect, const TColorTones& tones, int state, int look)
{
    using namespace grid_draw_detail;
    switch (look) {
    case 0: platform::ThemePainter::Draw(canvas.Painter(), platform::TThemePart::PushButton, rect, themeState(state)); break;
    case 1:
    case 2: {
        unsigned flags = platform::DFCS_BUTTONPUSH;
        if (state == 2) flags |= platform::DFCS_PUSHED;
        if (state == 3) flags |= platform::DFCS_INACTIVE;
        if (look == 2) flags |= platform::DFCS_FLAT;
        canvas.DrawFrameControl(rect, platform::DFC_BUTTON, flags);
        break;
    }
    default: {
        const paint::TColorTone& tone = toneOfState(tones, state);
        canvas.Brush.Color = tone.BrushColor;
        canvas.Brush.Style = Qt::SolidPattern;
        canvas.Pen.Color = tone.BorderColor;
        canvas.Rectangle(rect);
        break;
    }
    }
}

void DrawComboButton(TCanvas& canvas, const TRect& cellRect, const TColorTones& tones, int state, int look)
{
    using namespace grid_draw_detail;
    const TRect strip(cellRect.Right - 2 - 17, cellRect.Top + 1, cellRect.Right - 2, cellRect.Bottom - 1);
    switch (look) {
    case 0:
        platform::ThemePainter::Draw(canvas.Painter(), platform::TThemePart::ComboButton, strip,
                                     state == 3 ? platform::tsDisabled : platform::tsNormal);
        break;
    case 1:
    case 2: {
        unsigned flags = platform::DFCS_SCROLLCOMBOBOX;
        if (state == 3) flags |= platform::DFCS_INACTIVE;
        if (look == 2) flags |= platform::DFCS_FLAT;
        canvas.DrawFrameControl(strip, platform::DFC_SCROLL, flags);
        break;
    }
    default: {
        const TRect r(strip.Left + 3, strip.Top, strip.Right, strip.Bottom);
        solidBox(canvas, r, toneOfState(tones, state).BrushColor);
        vLine(canvas, r.Left + 1, r.Top, r.Bottom, tones.Background.BorderColor);
        arrow(canvas, {QPoint(r.Left + 5, r.Top + 8), QPoint(r.Left + 11, r.Top + 8), QPoint(r.Left + 8, r.Top + 11)},
              tones.Background.TextColor);
        break;
    }
    }
}

void DrawSpinButtons(TCanvas& canvas, const TRect& cellRect, const TColorTones& tones, int state, int look)
{
    using namespace grid_draw_detail;
    const TRect strip(cellRect.Right - 1 - 15, cellRect.Top - 1, cellRect.Right - 1, cellRect.Bottom - 1);
    const int mid = strip.Top + strip.Height() / 2;
    const TRect up(strip.Left, strip.Top, strip.Right, mid);
    const TRect down(strip.Left, mid, strip.Right, strip.Bottom);
    switch (look) {
    case 0: {
        const platform::TThemeState s = state == 3 ? platform::tsDisabled : platform::tsNormal;
        platform::ThemePainter::Draw(canvas.Painter(), platform::TThemePart::SpinUp, up, s);
        platform::ThemePainter::Draw(canvas.Painter(), platform::TThemePart::SpinDown, down, s);
        break;
    }
    case 1:
    case 2: {
        unsigned extra = state == 3 ? platform::DFCS_INACTIVE : 0;
        if (look == 2) extra |= platform::DFCS_FLAT;
        canvas.DrawFrameControl(up, platform::DFC_SCROLL, platform::DFCS_SCROLLUP | extra);
        canvas.DrawFrameControl(down, platform::DFC_SCROLL, platform::DFCS_SCROLLDOWN | extra);
        break;
    }
    default: {
        const paint::TColorTone& tone = toneOfState(tones, state);
        for (const TRect& r : {up, down}) {
            canvas.Brush.Color = tone.BrushColor;
            canvas.Brush.Style = Qt::SolidPattern;
            canvas.Pen.Color = tone.BorderColor;
            canvas.Rectangle(r);
        }
        const int x = strip.Left + 5;
        const int upY = up.Top + up.Height() / 2 - 1;
        const int downY = down.Top + down.Height() / 2 - 1;
        arrow(canvas, {QPoint(x, upY + 2), QPoint(x + 4, upY + 2), QPoint(x + 2, upY)}, tone.TextColor);
        arrow(canvas, {QPoint(x, downY), QPoint(x + 4, downY), QPoint(x + 2, downY + 2)}, tone.TextColor);
        break;
    }
    }
}

// ---------------------------------------------------------------- pie and XP bar

void DrawProgressPie(TCanvas& canvas, const TRect& rect, TColor color, bool flipped, int percent)
{
    using namespace grid_draw_detail;
    QPainter& painter = canvas.Painter();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect box(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1);
    percent = std::clamp(percent, 0, 100);
    if (percent != 0) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(toQColor(color));
        // Qt angles run counter-clockwise from three o'clock in 1/16 degrees.
        const int span = -percent * 360 * 16 / 100;
        painter.drawPie(box, (flipped ? -90 : 90) * 16, flipped ? -span : span);
    }
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(box);
    const QPoint centre = box.center();
    painter.drawLine(QPoint(centre.x(), flipped ? box.bottom() : box.top()), centre);
    const double angle = percent / 100.0 * 2 * M_PI;
    const double rx = rect.Width() / 2.0 + 1;
    const double ry = rect.Height() / 2.0 + 1;
    const int dy = int(std::lrint(std::cos(angle) * ry));
    painter.drawLine(centre, QPoint(centre.x() + int(std::lrint(std::sin(angle) * rx)),
                                    flipped ? centre.y() + dy : centre.y() - dy));
    painter.restore();
}

std::vector<TProgressSegment> XPProgressSegments(int L, int percent, const TProgressAppearanceRecord& look)
{
    using namespace grid_draw_detail;
    std::vector<TProgressSegment> out;
    if (percent <= 0 || L <= 0) return out;
    percent = std::min(percent, 100);
    auto length = [L](int share) { return int(roundEven(share / 100.0 * L)); };
    if (look.Stacked) {
        const int first = std::min(percent, look.Level1Perc);
        out.push_back({0, length(first), look.Level0Color, look.Level0ColorTo});
        if (percent >= look.Level1Perc) {
            const int second = std::min(percent, look.Level2Perc) - look.Level1Perc;
            out.push_back({length(look.Level1Perc), length(second), look.Level1Color, look.Level1ColorTo});
        }
        if (percent >= look.Level2Perc) {
            const int start = length(look.Level2Perc);
            const int len = percent == 100 ? L - start : length(percent - look.Level2Perc);
            out.push_back({start, len, look.Level3Color, look.Level3ColorTo});
        }
        return out;
    }
    TColor c = look.Level2Color, cTo = look.Level2ColorTo;
    if (percent < look.Level1Perc) c = look.Level0Color, cTo = look.Level0ColorTo;
    else if (percent < look.Level2Perc) c = look.Level1Color, cTo = look.Level1ColorTo;
    else if (percent > 99) c = look.Level3Color, cTo = look.Level3ColorTo;
    if (look.CompletionSmooth) {
        out.push_back({0, length(percent), c, cTo});
        return out;
    }
    const int t = int(roundEven(double(percent) * L / 100.0));
    if (t > 9) {
        for (int i = 0; i < t / 9; ++i) out.push_back({2 + i * 9, 7, c, cTo});
        if (t % 9 > 2) out.push_back({2 + (t / 9) * 9, t % 9 - 1, c, cTo});
    } else if (t >= 2) {
        out.push_back({2, t - 1, c, cTo});
    }
    return out;
}

void DrawXPProgressBar(TCanvas& canvas, const TRect& rect, int percent, const TProgressAppearanceRecord& look)
{
    using namespace grid_draw_detail;
    canvas.Brush.Color = look.UnCompleteColor;
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.Pen.Color = look.ShowBorder ? look.BorderColor : look.UnCompleteColor;
    canvas.Rectangle(rect);
    const int L = (look.Vertical ? rect.Height() : rect.Width()) - 2;
    const bool blocks = !look.Stacked && !look.CompletionSmooth;
    for (const TProgressSegment& seg : XPProgressSegments(L, percent, look)) {
        if (seg.Length <= 0) continue;
        const int across0 = blocks ? 2 : 1;
        TRect r;
        if (look.Vertical)
            r = TRect(rect.Left + across0, rect.Bottom - 1 - seg.Offset - seg.Length, rect.Right - across0,
                      rect.Bottom - 1 - seg.Offset);
        else
            r = TRect(rect.Left + 1 + seg.Offset, rect.Top + across0, rect.Left + 1 + seg.Offset + seg.Length,
                      rect.Bottom - across0);
        if (look.ShowGradient) {
            // Two halves across the bar: ColorTo -> Color, then Color -> ColorTo.
            if (look.Vertical) {
                const int mid = r.Left + r.Width() / 2;
                GradientFillRect(canvas, seg.ColorTo, seg.Color, true, TRect(r.Left, r.Top, mid, r.Bottom), look.Steps);
                GradientFillRect(canvas, seg.Color, seg.ColorTo, true, TRect(mid, r.Top, r.Right, r.Bottom), look.Steps);
            } else {
                const int mid = r.Top + r.Height() / 2;
                GradientFillRect(canvas, seg.ColorTo, seg.Color, false, TRect(r.Left, r.Top, r.Right, mid), look.Steps);
                GradientFillRect(canvas, seg.Color, seg.ColorTo, false, TRect(r.Left, mid, r.Right, r.Bottom), look.Steps);
            }
        } else {
            solidBox(canvas, r, seg.Color);
        }
    }
    if (look.ShowPercentage) {
        QPainter& painter = canvas.Painter();
        painter.save();
        painter.setFont(look.Font);
        painter.setPen(toQColor(look.CompleteFontColor));
        const QString text = QString::number(percent) + u'%';
        if (look.Vertical) {
            painter.translate(rect.Left + rect.Width() / 2.0, rect.Top + rect.Height() / 2.0);
            painter.rotate(-90);
            painter.drawText(QRectF(-rect.Height() / 2.0, -rect.Width() / 2.0, rect.Height(), rect.Width()),
                             Qt::AlignCenter, text);
        } else {
            painter.drawText(rect.toQRect(), Qt::AlignCenter, text);
        }
        painter.restore();
    }
    canvas.Brush.Style = Qt::NoBrush;
    canvas.Pen.Color = look.ShowBorder ? look.BorderColor : look.UnCompleteColor;
    canvas.Rectangle(rect);
    canvas.Brush.Style = Qt::SolidPattern;
}

// ---------------------------------------------------------------- shapes

void DrawCellShape(TCanvas& canvas, int x, int y, TColor lineColor, TColor fillColor, uint8_t shape, int w, int h)
{
    using namespace grid_draw_detail;
    enum : uint8_t {
        shRectangle, shCircle, shTriangleLeft, shTriangleRight, shTriangleUp, shTriangleDown, shDiamond, shLineVert,
        shLineHorz, shRoundRect, shEllips, shSquare, shRoundSquare, shStar, shArrowUp, shArrowDown, shArrowLeft,
        shArrowRight, shHalfStar
    };
    if (shape > shHalfStar) return;
    canvas.Pen.Color = lineColor;
    canvas.Brush.Color = fillColor;
    canvas.Brush.Style = Qt::SolidPattern;
    if (shape == shCircle || shape == shSquare || shape == shRoundSquare) w = h = std::min(w, h);
    const int r = x + w;
    const int b = y + h;
    const int mx = x + w / 2;
    const int my = y + h / 2;
    QPainter& painter = canvas.Painter();
    auto poly = [&](std::vector<QPoint> pts) { canvas.Polygon(pts); };
    switch (shape) {
    case shRectangle:
    case shSquare: canvas.Rectangle(TRect(x + 1, y + 1, r - 1, b - 1)); break;
    case shCircle:
    case shEllips: canvas.Ellipse(TRect(x, y, r, b)); break;
    case shTriangleLeft: poly({QPoint(x, my), QPoint(r - 1, y), QPoint(r - 1, b - 1)}); break;
    case shTriangleRight: poly({QPoint(r - 1, my), QPoint(x, y), QPoint(x, b - 1)}); break;
    case shTriangleUp: poly({QPoint(mx, y), QPoint(x, b - 1), QPoint(r - 1, b - 1)}); break;
    case shTriangleDown: poly({QPoint(mx, b - 1), QPoint(x, y), QPoint(r - 1, y)}); break;
    case shDiamond: poly({QPoint(mx, y), QPoint(r - 1, my), QPoint(mx, b - 1), QPoint(x, my)}); break;
    case shLineVert: solidBox(canvas, TRect(mx, y, mx + 1, b), lineColor); break;
    case shLineHorz: solidBox(canvas, TRect(x, my, r, my + 1), lineColor); break;
    case shRoundRect:
    case shRoundSquare: {
        painter.save();
        painter.setPen(toQColor(lineColor));
        painter.setBrush(toQColor(fillColor));
        painter.drawRoundedRect(QRect(x, y, w - 1, h - 1), 5, 5);
        painter.restore();
        break;
    }
    case shStar:
    case shHalfStar: {
        std::vector<QPoint> pts;
        const double rx = w / 2.0, ry = h / 2.0;
        for (int i = 0; i < 10; ++i) {
            const double f = i % 2 == 0 ? 1.0 : 1.0 / 3.0;
            const double a = i * M_PI / 5;
            const QPoint p(int(std::lrint(x + rx + std::sin(a) * rx * f)), int(std::lrint(y + ry - std::cos(a) * ry * f)));
            // The half star keeps the points on the left of the vertical axis.
            if (shape == shHalfStar && p.x() > mx) pts.push_back(QPoint(mx, p.y()));
            else pts.push_back(p);
        }
        poly(pts);
        break;
    }
    case shArrowUp:
        poly({QPoint(mx, y), QPoint(r - 1, my), QPoint(x + 3 * w / 4, my), QPoint(x + 3 * w / 4, b - 1),
              QPoint(x + w / 4, b - 1), QPoint(x + w / 4, my), QPoint(x, my)});
        break;
    case shArrowDown:
        poly({QPoint(mx, b - 1), QPoint(r - 1, my), QPoint(x + 3 * w / 4, my), QPoint(x + 3 * w / 4, y),
              QPoint(x + w / 4, y), QPoint(x + w / 4, my), QPoint(x, my)});
        break;
    case shArrowLeft:
        poly({QPoint(x, my), QPoint(mx, y), QPoint(mx, y + h / 4), QPoint(r - 1, y + h / 4), QPoint(r - 1, y + 3 * h / 4),
              QPoint(mx, y + 3 * h / 4), QPoint(mx, b - 1)});
        break;
    case shArrowRight:
        poly({QPoint(r - 1, my), QPoint(mx, y), QPoint(mx, y + h / 4), QPoint(x, y + h / 4), QPoint(x, y + 3 * h / 4),
              QPoint(mx, y + 3 * h / 4), QPoint(mx, b - 1)});
        break;
    default: break;
    }
}

void DrawErrorUnderline(TCanvas& canvas, const QString& text, int length, int start, int lineOffset, const TRect& rect)
{
    using namespace grid_draw_detail;
    if (length <= 0) return;
    const QFontMetrics fm(canvas.Font);
    auto xOf = [&](int pos) {  // left of the 1-based character; past the end: the end + 4
        if (pos > text.size()) return rect.Left + fm.horizontalAdvance(text) + 4;
        return rect.Left + fm.horizontalAdvance(text.left(std::max(0, pos - 1)));
    };
    const int x1 = xOf(start);
    const int endPos = start + length - 1;
    const int x2 = endPos > text.size() ? rect.Left + fm.horizontalAdvance(text) + 4
                                        : rect.Left + fm.horizontalAdvance(text.left(endPos));
    // The characters sit on the rectangle's first line (y 0 within it); the
    // line offset carries the zig-zag below that line.
    const int y = rect.Top + lineOffset + 3;
    QPainter& painter = canvas.Painter();
    painter.save();
    painter.setPen(QPen(QColor(255, 0, 0), 2));
    QPoint last(x1, y);
    bool up = true;
    for (int x = x1 + 3; x <= std::max(x2, x1 + 3); x += 3) {
        const QPoint next(x, up ? y + 3 : y);
        painter.drawLine(last, next);
        last = next;
        up = !up;
    }
    painter.restore();
}

}  // namespace grid
