#include "controls/grid/html/html_renderer.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include <QLocale>
#include <QPainter>

#include "controls/grid/html/html_render_engine.h"
#include "platform/text_engine.h"
#include "platform/theme_painter.h"

namespace grid {

namespace html_render {

using platform::TRect;
using platform::TextEngine;

int MulDiv(int a, int b, int c)
{
    if (c == 0) return -1;
    const double q = std::round(double(a) * b / c);
    return int(std::clamp(q, double(INT_MIN), double(INT_MAX)));
}

namespace renderer_detail {

constexpr size_t kMaxFonts = 32;
constexpr qsizetype kMaxWidths = 4096;

TFontInfoCache& fontInfoCache()
{
    static TFontInfoCache cache;
    return cache;
}

}  // namespace renderer_detail

qsizetype TTextCursor::Find(QChar c)
{
    for (Next& n : FNext) {
        if (n.Char != c) continue;
        if (n.At == -2 || (n.At >= 0 && n.At < FPos)) n.At = FText.indexOf(c, FPos);
        return n.At < 0 ? -1 : n.At - FPos;
    }
    return Rest().indexOf(c);
}

// ---------------------------------------------------------------- entry

TRenderEngine::TRenderEngine(platform::TCanvas& canvas, const TRect& rect, const THTMLRenderParams& params,
                             THTMLRenderResult& result)
    : C(canvas), FRect(rect), P(params), R(result)
{
}

bool TRenderEngine::Run(const QString& text)
{
    renderer_detail::fontInfoCache().Trim();
    // 1. What the call changes on the canvas is put back at the end.
    const platform::TPen savedPen = C.Pen;
    const platform::TBrush savedBrush = C.Brush;
    FBaseFont = FMeasureFont = FDrawFont = C.Font;
    FEntryBackground = C.Brush.Color;
    // Text is drawn transparently until a tag sets a background colour.
    C.Brush.Color = clNone;
    C.Brush.Style = Qt::SolidPattern;

    R.ControlRect = TRect(0, 0, 0, 0);
    R.StripVal.clear();
    R.FocusAnchor.clear();
    R.AnchorTitle.clear();
    R.ControlValue.clear();
    R.ControlType.clear();
    R.ControlID = P.HitTestOnly ? P.ControlID : QString();
    R.XSize = R.YSize = R.AnchorCount = 0;
    R.MouseLink = -1;

    using namespace platform;
    FRunFormat = DT_SINGLELINE | DT_BOTTOM | DT_EXPANDTABS | DT_EXTERNALLEADING;
    if (QLocale::system().textDirection() == Qt::RightToLeft && P.BiDiMode != 0) {
        FRunFormat |= DT_RTLREADING;
        FRightToLeft = true;
    }
    if (!P.WordWrap) FRunFormat |= DT_END_ELLIPSIS;
    FThemed = ThemePainter::ThemesActive();

    LineLoop(PrepareHTMLText(text));

    if (R.YSize == 0) R.YSize = GhHeight();
    R.AnchorCount = FAnchorCount;
    C.Pen.Color = savedPen.Color;
    C.Pen.Width = savedPen.Width;
    C.Brush = savedBrush;
    C.Font = FBaseFont;
    return FResult;
}

// ------------------------------------------------------------ line loop

void TRenderEngine::LineLoop(const QString& prepared)
{
    const bool rightToLeftAlign = FRightToLeft && P.BiDiMode == 1;
    TRect lineBox = FRect;
    lineBox.Left += 1;
    TTextCursor rest(prepared);
    while (!rest.Empty()) {
        C.Font = FMeasureFont;
        const bool inAnchor = FInAnchor;
        const QString href = FHref;
        const QString title = FTitle;
        const int imageStart = FImageCount;
        const int anchorStart = FAnchorCount;
        const int listStart = FListLevel;
        FSub = FSup = false;
        const int h0 = GhHeight();
        FLineHeight = h0;
        FRise = FDrop = FLift = 0;

        const qsizetype before = rest.Size();
        const QString source = RenderLine(rest, lineBox, true, true);
        // The rules always consume something; should a line not, the rest goes.
        if (rest.Size() == before && source.isEmpty()) break;
        FMeasureFont = C.Font;
        FInAnchor = inAnchor;
        FHref = href;
        FTitle = title;

        // The line as drawn: its height, alignment and indent.
        const int lineWidth = FAdvance;
        TRect drawBox = lineBox;
        drawBox.Bottom = lineBox.Top + FLineHeight + FDrop + FRise;
        TParagraphAlign align = FAlign;
        if (rightToLeftAlign && align != TParagraphAlign::Center)
            align = align == TParagraphAlign::Left ? TParagraphAlign::Right : TParagraphAlign::Left;
        if (align == TParagraphAlign::Right && lineBox.Right - lineWidth > lineBox.Left)
            drawBox.Left = lineBox.Right - lineWidth;
        if (align == TParagraphAlign::Center && lineBox.Width() - lineWidth > 0)
            drawBox.Left += (lineBox.Width() - lineWidth) / 2;
        drawBox.Left += FIndent;

        if (!P.MeasureOnly) {
            FAnchorCount = anchorStart;
            FListLevel = listStart;
            FImageCount = imageStart;
            C.Font = FDrawFont;
            TTextCursor line(source);
            RenderLine(line, drawBox, P.HitTestOnly, false);
            FDrawFont = C.Font;
            const int textTop = drawBox.Bottom - FLift - GhHeight();
            if ((FAnchorHit && P.Y > textTop && P.Y < drawBox.Bottom - FLift) || FObjectHit) FResult = true;
        }
        const int step = FLineHeight + FDrop + FRise;
        lineBox.Top += step;
        R.YSize += step;
        // The next line must show at least one text height.
        if (!P.MeasureOnly && h0 + lineBox.Top > lineBox.Bottom) break;
    }
}

QString TRenderEngine::RenderLine(TTextCursor& text, TRect box, bool measuring, bool firstPass)
{
    FMeasuring = measuring;
    FFirstPass = firstPass;
    box.Bottom -= FDrop;
    FBox = box;
    FPen = box;
    FAdvance = 0;
    FTrailing = 0;
    FLineEnd = FCarry = false;
    FLineText.clear();
    FLineSource.clear();
    FListItemSeen = false;
    FAnchorHit = FObjectHit = false;
    if (!measuring && FParaBand) {
        const TColor band = C.Brush.Color;
        C.Pen.Color = band;
        C.FillRect(TRect(FRect.Left, box.Top, FRect.Right, box.Top + FLineHeight));
    }
    while (!text.Empty() && !FLineEnd && !FCarry) {
        // A run: the text before the next tag, or up to and including the
        // next space when lines break at spaces.
        const qsizetype tag = text.Find(u'<');
        const qsizetype space = P.WordWrap ? text.Find(u' ') : -1;
        qsizetype k;
        if (tag >= 0 && (space < 0 || space > tag))
            k = tag;
        else if (space >= 0)
            k = space + 1;
        else
            k = text.Size();
        if (k > 0) LayoutRun(text, k, DecodeHTMLRun(text.Rest().left(k)));
        if (text.Rest().startsWith(u'<') && text.Size() <= 2) text.Clear();
        if (FLineEnd || !text.Rest().startsWith(u'<') || text.Size() < 3) continue;

        const qsizetype close = text.Find(u'>');
        const QStringView tagText = close < 0 ? text.Rest() : text.Rest().left(close + 1);
        ApplyTag(ClassifyHTMLTag(tagText), tagText);
        if (FCarry) continue;
        if (close >= 0) {
            FLineSource += tagText;
            text.Skip(close + 1);
        } else {
            text.Clear();
        }
    }
    FAdvance -= FTrailing;
    R.XSize = std::max(R.XSize, FAdvance);
    if (!measuring && FInAnchor && FAnchorCount - 1 == P.FocusLink) CloseFocusPiece(true);
    return FLineSource;
}

void TRenderEngine::CloseFocusPiece(bool lineEnd)
{
    if (lineEnd) {
        FFocusRect.Right = FPen.Left;
        FFocusRect.Bottom = FPen.Bottom;
    } else {
        FFocusRect.Right = FPen.Left;
        FFocusRect.Bottom = FPen.Bottom - FLift;
        FFocusRect.Top = FFocusRect.Bottom - GhHeight();
    }
    const int bottom = FFocusRect.Bottom;
    FFocusRect = FFocusRect.Inflated(1, 1);
    if (!FMeasuring) C.DrawFocusRect(FFocusRect);
    if (lineEnd) {
        FFocusRect.Left = FBox.Left + 1;
        FFocusRect.Top = bottom;
    }
}

// ------------------------------------------------------------ text runs

void TRenderEngine::LayoutRun(TTextCursor& text, qsizetype sourceLength, const QString& run)
{
    const int h = RunHeight();
    if (FSub) FDrop = std::max(FDrop, h / 4);
    if (FSup) FRise = std::max(FRise, h / 4);
    FLineHeight = std::max(FLineHeight, h);
    if (FFirstPass) R.StripVal += run;
    if (FHidden) {
        text.Skip(sourceLength);
        return;
    }
    int w = 0;
    if (FMeasuring) {
        FPen = FBox;
        w = RunWidth(run);
        FAdvance += w;
        const int offset = P.X - FBox.Left;
        const int q = FRightToLeft ? FBox.Right - P.X - FBox.Left : offset;
        if (offset >= FAdvance - w && FAdvance >= q && FInAnchor) {
            FAnchorHit = true;
            if (P.Y > FPen.Top) {
                R.AnchorVal = FHref;
                R.AnchorTitle = FTitle;
                FPointInAnchor = true;
            }
        }
    } else {
        TRect pen = FPen;
        if (FSup) pen.Bottom -= FRise;
        if (FSub) pen.Bottom += FDrop;
        pen.Bottom -= FLift;
        DrawRun(run, pen, w);
        if (FInAnchor && FAnchorCount - 1 == P.FocusLink) R.FocusAnchor = FHref;
        if (FErrorMark) DrawErrorMark(pen.Left + w);
        if (FRightToLeft) {
            FPen.Right -= w;
        } else {
            FPen.Left = pen.Left + w;
            FPen.Right = FBox.Right;
        }
        FPen.Top = FBox.Top;
        FPen.Bottom = FBox.Bottom;
        FAdvance += w;
    }

    // A run fits while the line has room; a run wider than the whole line
    // is taken whole, and so is the rest of a word that tags cut.
    const int width = FBox.Width();
    bool fits = width > FAdvance || w >= width;
    if (!fits && !FLineText.isEmpty() && !FLineText.endsWith(u' ')) fits = true;
    // The measuring pass has decided the line's breaks; the second pass
    // lays out all of its source (an aligned or indented line has a
    // narrower box there).
    if (!FFirstPass) fits = true;
    FLineText += run;
    if (fits || !P.WordWrap) {
        FLineSource += text.Rest().left(sourceLength);
        if (FMeasuring && !fits && FLineText.size() > run.size())
            text.Clear();  // the line is cut here; the ellipsis ends it
        else
            text.Skip(sourceLength);
        FTrailing = run.size() >= sourceLength && run.at(sourceLength - 1) == u' ' ? Font().SpaceWidth : 0;
    } else {
        FLineEnd = true;
        FAdvance -= w;
    }
}

void TRenderEngine::DrawRun(const QString& run, TRect pen, int& width)
{
    const TColor textColor = C.Font.Color;
    auto draw = [&](TRect r) {
        if (FRotation == 0) {
            DrawRunText(run, r);
            return;
        }
        // A rotated run turns about the bottom-left corner of its place.
        QPainter& painter = C.Painter();
        painter.save();
        painter.translate(r.Left, r.Bottom);
        painter.rotate(-FRotation);
        TRect turned(0, -r.Height(), RunWidth(run) + 1, 0);
        C.DrawText(run, turned, FRunFormat & ~platform::DT_END_ELLIPSIS);
        painter.restore();
    };
    if (FShadow) {
        const TColor back = C.Brush.Color;
        C.Font.Color = P.ShadowColor;
        C.Brush.Color = clNone;
        draw(pen.Offset(P.ShadowOffset, P.ShadowOffset));
        C.Brush.Color = back;
        C.Font.Color = textColor;
    }
    draw(pen);
    width = RunWidth(run);
    if ((FRunFormat & platform::DT_END_ELLIPSIS) && width > pen.Width()) {
        // The width of the cut run, as the engine measures it.
        TRect measured = pen;
        C.DrawText(run, measured, FRunFormat | platform::DT_CALCRECT);
        width = measured.Width();
    }
}

void TRenderEngine::DrawRunText(const QString& run, const TRect& pen)
{
    const int width = RunWidth(run);
    if (run.contains(u'&') || ((FRunFormat & platform::DT_END_ELLIPSIS) && width > pen.Width())) {
        // Prefix characters and cut runs: the engine lays them out itself.
        TRect box = pen;
        C.DrawText(run, box, FRunFormat);
        return;
    }
    const bool opaque = C.Brush.Style != Qt::NoBrush && C.Brush.Color != clNone;
    // Blanks leave no ink unless they are underlined, struck out or on a background.
    const bool blank = std::all_of(run.begin(), run.end(), [](QChar c) { return c == u' ' || c == u'\t'; });
    if (blank && !opaque && !C.Font.underline() && !C.Font.strikeOut()) return;
    // One line of a known width, bottom-aligned in the pen rectangle: the
    // layout the engine would make, without measuring the run again.
    platform::TextLayout layout;
    layout.LineHeight = layout.TextHeight = RunHeight();
    platform::TextLine line;
    line.Text = run;
    line.X = pen.Left;
    line.Y = pen.Bottom - layout.LineHeight;
    line.Width = width;
    layout.Lines.push_back(std::move(line));
    layout.Bounds = TRect(pen.Left, pen.Bottom - layout.LineHeight, pen.Left + width, pen.Bottom);
    QPainter& painter = C.Painter();
    const QColor text = toQColor(C.Font.Color);
    painter.setPen(text.isValid() ? text : QColor(Qt::transparent));
    TextEngine::DrawLayout(painter, C.Font, layout, pen, FRunFormat, opaque ? toQColor(C.Brush.Color) : QColor());
}

void TRenderEngine::DrawErrorMark(int right)
{
    C.Pen.Color = clRed;
    C.Pen.Width = 1;
    int x = 2 * (FPen.Left / 2);
    int step = x % 4 == 0 ? 2 : 0;
    const int base = FBox.Bottom - 1;
    C.MoveTo(x, base + step);
    while (x < right) {
        step = step == 0 ? 2 : 0;
        C.LineTo(x + 2, base + step);
        x += 2;
    }
}

// ------------------------------------------------------------------ fonts

TFontInfo::TFontInfo(const QFont& font, unsigned runFormat) : Font(font), Metrics(font)
{
    LineHeight = TextEngine::Layout(font, QString(), TRect(), runFormat).LineHeight;
    SpaceWidth = TextEngine::LineWidth(Metrics, QStringLiteral(" "), runFormat);
    Gh = Metrics.height();
}

TFontInfo& TFontInfoCache::Of(const QFont& font, unsigned runFormat)
{
    for (const auto& info : FFonts)
        if (info->Font == font) return *info;
    FFonts.push_back(std::make_unique<TFontInfo>(font, runFormat));
    return *FFonts.back();
}

void TFontInfoCache::Trim()
{
    if (FFonts.size() > renderer_detail::kMaxFonts) FFonts.clear();
    for (const auto& info : FFonts)
        if (info->Widths.size() > renderer_detail::kMaxWidths) info->Widths.clear();
}

TFontInfo& TRenderEngine::Font()
{
    if (FFont == nullptr || !(FFont->Font == C.Font)) FFont = &renderer_detail::fontInfoCache().Of(C.Font, FRunFormat);
    return *FFont;
}

int TRenderEngine::RunWidth(const QString& run)
{
    TFontInfo& font = Font();
    const auto known = font.Widths.constFind(run);
    if (known != font.Widths.constEnd()) return *known;
    // Prefix characters ("&x", "&&") are resolved by the engine's layout.
    const int width = run.contains(u'&')
                          ? TextEngine::Layout(C.Font, run, TRect(), FRunFormat & ~platform::DT_END_ELLIPSIS).Bounds.Width()
                          : TextEngine::LineWidth(font.Metrics, run, FRunFormat);
    font.Widths.insert(run, width);
    return width;
}

int TRenderEngine::RunHeight() { return Font().LineHeight; }

int TRenderEngine::GhHeight() { return Font().Gh; }

}  // namespace html_render

bool RenderHTMLText(platform::TCanvas& Canvas, const QString& Text, const platform::TRect& Rect,
                    const THTMLRenderParams& Params, THTMLRenderResult& Result)
{
    html_render::TRenderEngine engine(Canvas, Rect, Params, Result);
    return engine.Run(Text);
}

}  // namespace grid
