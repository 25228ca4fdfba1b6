#include "controls/grid/paint/cell_text.h"

#include <algorithm>

#include "controls/grid/html/html_renderer.h"
#include "controls/grid/text/grid_html_text.h"
#include "controls/grid/text/grid_text_utils.h"

namespace grid::paint {

using namespace platform;

unsigned CellTextFlags(QString& text, bool wordWrap, bool multiLineCells, bool enhTextSize, TAlignment ha,
                       TVAlignment va)
{
    unsigned flags = DT_EDITCONTROL;
    if (TextLineCount(text, multiLineCells) == 1 && !wordWrap) {
        QString rest = text;
        text = CutFirstLine(rest, false);
        flags = DT_SINGLELINE;
        if (enhTextSize) flags |= DT_END_ELLIPSIS;
    } else if (wordWrap && !multiLineCells && enhTextSize) {
        flags |= DT_END_ELLIPSIS;
    }
    flags |= DT_EXPANDTABS | DT_NOPREFIX;
    flags |= ha == taRightJustify ? DT_RIGHT : ha == taCenter ? DT_CENTER : 0u;
    flags |= va == vtaCenter ? DT_VCENTER : va == vtaBottom ? DT_BOTTOM : 0u;
    flags |= (wordWrap || multiLineCells) ? (DT_WORDBREAK | DT_EDITCONTROL) : DT_SINGLELINE;
    return flags;
}

QString URLShownText(const QString& text, bool urlFull)
{
    if (urlFull) return text;
    QString shown = text;
    StripURLScheme(shown);
    return shown;
}

TRect TextRectForGraphic(const TRect& cell, const TTextRoom& room, int& graphicOffset)
{
    TRect r = cell;
    if (!room.XYOffsetTopLeftOnly) r.Right -= room.XYOffset.x();
    r.Left += room.XYOffset.x();
    r.Top += room.XYOffset.y();
    const int W = room.GraphicWidth, H = room.GraphicHeight;
    graphicOffset = 0;
    if (room.GraphicHAlign == haBeforeText) r.Left += W;
    if (room.GraphicHAlign == haAfterText) r.Right -= W;
    if (room.GraphicVAlign == vaAboveText) r.Top += H;
    if (room.GraphicVAlign == vaUnderText) r.Bottom -= H;
    if (room.GraphicHAlign == haLeft || (room.GraphicHAlign == haBeforeText && room.TextAlign == taLeftJustify))
        graphicOffset = W;
    r.Left += room.RowIndent;
    return r;
}

int SortIndicatorX(const TRect& r, TAlignment ha, int textWidth, int graphicOffset)
{
    const int x = std::max(0, std::min(r.Width() - 16, textWidth));
    switch (ha) {
    case taLeftJustify: return r.Left + x + 10 + graphicOffset;
    case taRightJustify: return r.Right - x - 10;
    case taCenter: return r.Left + 8;
    }
    return r.Left + 8;
}

int SortIndicatorY(const TRect& r, TVAlignment va)
{
    switch (va) {
    case vtaTop: return r.Top + 8;
    case vtaCenter: return r.Top + r.Height() / 2;
    case vtaBottom: return r.Bottom - 8;
    }
    return r.Top + 8;
}

TCellTextResult DrawCellText(TCanvas& canvas, const TRect& cell, const TCellTextParams& p, const TCellObjectEnv& env)
{
    TCellTextResult result;
    const TColor brushIn = canvas.Brush.Color;
    const TColor fontIn = canvas.Font.Color;
    // Selected text colours.
    TColor urlColor = p.URLColor;
    if (p.SelectedText && p.ShowSelection) {
        if (p.SelectionColor != clNone) canvas.Brush.Color = p.SelectionColor;
        if (p.SelectionTextColor != clNone && p.GridEnabled) canvas.Font.Color = p.SelectionTextColor;
        urlColor = p.SelectionTextColor;
    }
    if (!p.ShowSelection && (!p.GridFocused || p.HasCheckBox)) {
        canvas.Brush.Color = p.SavedBrushColor;
        canvas.Font.Color = p.SavedFontColor;
        urlColor = p.URLColor;
    }
    // Text and kind; a formula shows the grid's plain text.
    QString text = p.Text;
    int kind = TextType(text, p.EnableHTML);
    if (kind == 3) {
        text = p.PlainText;
        kind = TextType(text, p.EnableHTML);
        if (kind == 3) kind = 0;
    }
    if (p.Password) text.fill(p.PasswordChar, text.size());

    TRect r = cell;
    if (p.Fixed) {
        r.Left += p.GridLineWidth;
        r.Top += p.GridLineWidth;
    }
    canvas.Save();
    if (p.ScrollOffset > 0) {
        canvas.IntersectClip(cell);
        r = r.Offset(0, -p.ScrollOffset);
    }
    if (p.FilterGlyph) DrawFilterGlyph(canvas, cell, p.FilterGlyphImage, p.FixedColor);

    result.LineHeight = canvas.TextHeight(QStringLiteral("hg"));
    if (!p.TextShown) {
        canvas.Restore();
        canvas.Brush.Color = brushIn;
        canvas.Font.Color = fontIn;
        return result;
    }
    int graphicOffset = 0;
    r = TextRectForGraphic(r, p.Room, graphicOffset);

    if (kind == 2) {
        // Rich text: the background repainted under it, then its renderer.
        canvas.Pen.Color = canvas.Brush.Color;
        canvas.FillRect(r);
        if (p.DrawRichTextCell) p.DrawRichTextCell(canvas, r);
    } else if (kind == TextKindHtml) {
        TRect hr = r;
        if (p.FilterGlyph) hr.Right -= 18;
        hr.Left -= 1;
        if (p.SortIndicatorCell) hr.Right -= 10;
        grid::THTMLRenderParams html = p.Html;
        html.X = hr.Left;
        html.Y = hr.Top;
        html.URLColor = urlColor;
        html.WordWrap = !p.EnhTextSize;
        grid::THTMLRenderResult out;
        grid::RenderHTMLText(canvas, text, hr, html, out);
        result.MeasuredWidth = out.XSize + 2;
        result.Html = true;
        result.HtmlRect = hr;
        if (p.SortIndicatorCell && p.SortDrawn)
            DrawSortIndicator(canvas, hr.Right + 2, SortIndicatorY(r, p.VA), p.Sort, env);
    } else {
        if (p.SortRowCentredShift && p.HA == taCenter) r.Left += 10;
        const bool url = p.URLShow && IsURL(p.Text);
        if (url) {
            text = URLShownText(text, p.URLFull);
            canvas.Font.setUnderline(true);
            canvas.Font.Color = urlColor;
        }
        const unsigned flags = CellTextFlags(text, p.WW, p.MultiLineCells, p.EnhTextSize, p.HA, p.VA);
        const Qt::BrushStyle saved = canvas.Brush.Style;
        canvas.Brush.Style = Qt::NoBrush;
        if (p.FilterGlyph) r.Right -= 16;
        TRect textRect = r;
        if (p.HasGraphic && !text.isEmpty()) {
            TRect measure = textRect;
            canvas.DrawText(text, measure, flags | DT_CALCRECT);
            result.MeasuredWidth = measure.Width() + 2;
        }
        canvas.DrawText(text, textRect, flags);
        canvas.Brush.Style = saved;
        if (p.MarkerLength > 0 && (p.GraphicType == ctEmpty || p.GraphicType == ctValue || !p.HasGraphic) &&
            p.DrawErrorUnderline)
            p.DrawErrorUnderline(canvas, text, p.MarkerLength, p.MarkerStart, result.LineHeight, r);
        if (p.SortIndicatorCell && p.SortDrawn) {
            const int w = result.MeasuredWidth > 0 ? result.MeasuredWidth - 2 : canvas.TextWidth(text);
            DrawSortIndicator(canvas, SortIndicatorX(r, p.HA, w, graphicOffset), SortIndicatorY(r, p.VA), p.Sort, env);
        }
        if (url) canvas.Font.setUnderline(false);
    }
    canvas.Restore();
    canvas.Brush.Color = brushIn;
    canvas.Font.Color = fontIn;
    return result;
}

}  // namespace grid::paint
