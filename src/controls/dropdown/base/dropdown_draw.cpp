#include "controls/dropdown/base/dropdown_draw.h"

#include <algorithm>
#include <cmath>

#include <QLocale>
#include <QPainter>
#include <QRegularExpression>

#include "controls/grid/cells/grid_image_list.h"
#include "controls/grid/html/html_text_utils.h"

namespace dropdown {

using platform::TCanvas;
using platform::TRect;

namespace dropdown_draw_detail {

// Rounding to the nearest integer, halves to the even neighbour.
int roundEven(double value) { return int(std::nearbyint(value)); }

int red(TColor rgb) { return int(rgb & 0xFFu); }
int green(TColor rgb) { return int((rgb >> 8) & 0xFFu); }
int blue(TColor rgb) { return int((rgb >> 16) & 0xFFu); }

}  // namespace dropdown_draw_detail

void DrawGradient(TCanvas& canvas, TColor fromColor, TColor toColor, int steps, const TRect& rect, bool horizontal)
{
    using namespace dropdown_draw_detail;
    TRect r = rect;
    if (horizontal)
        --r.Right;
    else
        --r.Bottom;
    const int count = steps < 1 ? 1 : std::max(1, int(uint16_t(steps)));
    const TColor from = ColorToRGB(fromColor);
    const TColor to = ColorToRGB(toColor);
    const double dr = double(red(to) - red(from)) / count;
    const double dg = double(green(to) - green(from)) / count;
    const double db = double(blue(to) - blue(from)) / count;
    const double band = double(horizontal ? r.Width() : r.Height()) / count;
    const int bandWidth = roundEven(band) + 1;
    for (int i = 0; i < count; ++i) {
        const TColor c = TColor(red(from) + roundEven(i * dr)) + TColor(green(from) + roundEven(i * dg)) * 256u
                         + TColor(blue(from) + roundEven(i * db)) * 65536u;
        canvas.Pen.Color = c;
        canvas.Brush.Color = c;
        canvas.Brush.Style = Qt::SolidPattern;
        const int off = uint16_t(roundEven(i * band));
        if (horizontal)
            canvas.Rectangle(r.Left + off, r.Top, r.Left + off + bandWidth, r.Bottom);
        else
            canvas.Rectangle(r.Left, r.Top + off, r.Right, r.Top + off + bandWidth);
    }
}

TColor BlendColor(TColor color1, TColor color2, int percent)
{
    using namespace dropdown_draw_detail;
    if (percent >= 100) return color1;
    if (percent <= 0) return color2;
    const TColor c1 = ColorToRGB(color1);
    const TColor c2 = ColorToRGB(color2);
    const double f = percent / 100.0;
    auto mix = [f](int a, int b) { return TColor(std::min(255, roundEven(f * a + (1 - f) * b))); };
    return mix(red(c1), red(c2)) | (mix(green(c1), green(c2)) << 8) | (mix(blue(c1), blue(c2)) << 16);
}

TColor AdjustColor(TColor color, int redPercent, int greenPercent, int bluePercent)
{
    using namespace dropdown_draw_detail;
    const TColor rgb = ColorToRGB(color);
    auto adjust = [](int c, int p) {
        if (c == 0) return TColor(std::max(0, p)) & 0xFFu;
        return TColor(roundEven(std::min(100, p + 100) / 100.0 * c)) & 0xFFu;
    };
    return adjust(red(rgb), redPercent) | (adjust(green(rgb), greenPercent) << 8)
           | (adjust(blue(rgb), bluePercent) << 16);
}

void DrawFilledRect(TCanvas* canvas, const TRect& rect, TColor color, TColor colorTo, TColor borderColor,
                    int borderWidth, TGradientDirection direction)
{
    if (!canvas) return;
    if (colorTo != clNone) {
        DrawGradient(*canvas, color, colorTo, 80, rect, direction == gdHorizontal);
    } else if (color != clNone) {
        canvas->Brush.Color = color;
        canvas->Brush.Style = Qt::SolidPattern;
        canvas->FillRect(rect);
    }
    if (borderColor != clNone && borderWidth > 0) {
        canvas->Brush.Style = Qt::NoBrush;
        canvas->Pen.Color = borderColor;
        canvas->Pen.Width = borderWidth;
        canvas->Rectangle(rect);
        canvas->Pen.Width = 1;
    }
}

void DrawImageText(TCanvas* canvas, const TRect& rect, const QString& text, int imageIndex, const TImageList* images)
{
    if (!canvas) return;
    TRect textRect = rect;
    bool imageDrawn = false;
    if (imageIndex >= 0 && images) {
        canvas->Draw(rect.Left + 4, rect.Top + (rect.Height() - images->Height()) / 2, images->Image(imageIndex));
        textRect.Left = rect.Left + images->Width() + 8;
        imageDrawn = true;
    }
    if (text.isEmpty()) return;
    const Qt::BrushStyle style = canvas->Brush.Style;
    canvas->Brush.Style = Qt::NoBrush;
    unsigned flags = platform::DT_SINGLELINE | platform::DT_VCENTER | platform::DT_END_ELLIPSIS;
    if (!imageDrawn) flags |= platform::DT_CENTER;
    canvas->DrawText(text, textRect, flags);
    canvas->Brush.Style = style;
}

void DrawBitmapOnColor(TCanvas& canvas, const QImage& bitmap, TColor color, const TRect& rect)
{
    if (bitmap.isNull()) return;
    QImage composed(bitmap.size(), QImage::Format_ARGB32);
    composed.fill(toQColor(color));
    {
        QPainter p(&composed);
        p.drawImage(0, 0, platform::MakeTransparent(bitmap, bitmap.pixel(0, 0)));
    }
    canvas.StretchDraw(rect, composed);
}

QSize GetTextExtent(TCanvas& canvas, const QString& text)
{
    if (text.isEmpty()) return QSize(0, 0);
    TRect r(0, 0, 1000, 500);
    canvas.DrawText(text, r, platform::DT_CALCRECT | platform::DT_SINGLELINE | platform::DT_LEFT);
    return QSize(r.Width(), r.Height());
}

QString TruncateText(TCanvas& canvas, const QString& text, int maxWidth, bool ellipsis)
{
    if (GetTextExtent(canvas, text).width() <= maxWidth) return text;
    for (int drop = 1; drop <= text.size(); ++drop) {
        const QString candidate = text.left(text.size() - drop) + (ellipsis ? QStringLiteral("...") : QString());
        if (GetTextExtent(canvas, candidate).width() < maxWidth) return candidate;
    }
    return text;
}

QSize DrawHTMLCaption(TCanvas& canvas, const QString& text, const TRect& rect, bool draw, const TImageList* images)
{
    Q_UNUSED(images);
    if (text.isEmpty()) return QSize(0, 0);
    // The caption's mark-up is left out until the mini-HTML renderer serves
    // the bars: its text with the character entities resolved, a line break
    // ("<br>") starting a new line.
    static const QRegularExpression lineBreak(QStringLiteral("<br\\s*/?>"), QRegularExpression::CaseInsensitiveOption);
    QString broken = text;
    broken.replace(lineBreak, QStringLiteral("\n"));
    const QString plain = grid::DecodeHTMLEntities(grid::StripHTMLTags(broken), true);
    const unsigned flags = platform::DT_LEFT | platform::DT_TOP | platform::DT_NOPREFIX;
    TRect measured = rect;
    canvas.DrawText(plain, measured, flags | platform::DT_CALCRECT);
    if (draw) {
        TRect target = rect;
        const Qt::BrushStyle style = canvas.Brush.Style;
        canvas.Brush.Style = Qt::NoBrush;
        canvas.DrawText(plain, target, flags);
        canvas.Brush.Style = style;
    }
    return QSize(measured.Width(), measured.Height());
}

QString CaseText(const QString& text, bool matchCase) { return matchCase ? text : QLocale().toUpper(text); }

}  // namespace dropdown
