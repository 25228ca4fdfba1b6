// The page header, footer and frame of a print pass.

#include "controls/grid/print/page_furniture.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "controls/grid/editors/date_time_value.h"
#include "controls/grid/print/print_html.h"
#include "controls/grid/print/print_layout.h"
#include "controls/grid/print/print_pass.h"
#include "controls/grid/print/print_settings.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid::print {

namespace {

bool IsLeftSlot(TPrintPosition p) { return p == ppTopLeft || p == ppBottomLeft; }

void JoinSlot(std::array<QString, 7>& pageSlots, TPrintPosition p, const QString& text)
{
    if (p == ppNone) return;
    QString& target = pageSlots[p];
    target = IsLeftSlot(p) ? text + QLatin1Char(' ') + target : target + QLatin1Char(' ') + text;
}

}  // namespace

QString JoinWithBlank(const QString& a, const QString& b)
{
    if (a.isEmpty()) return b;
    if (b.isEmpty()) return a;
    return a + QLatin1Char(' ') + b;
}

TPageSlots FillPageSlots(const TPrintSettings& s, const QString& time, const QString& date, const QString& pageNum,
                         bool titleIsHTML)
{
    TPageSlots r;
    JoinSlot(r.Slot, s.Time, time);
    JoinSlot(r.Slot, s.Date, date);
    if (s.PageNr != ppNone)
        JoinSlot(r.Slot, s.PageNr, s.PagePrefix + QLatin1Char(' ') + pageNum + QLatin1Char(' ') + s.PageSuffix);
    if (!s.TitleText.isEmpty()) {
        JoinSlot(r.Slot, s.Title, s.TitleText);
    } else if (titleIsHTML) {
        r.HTMLTitle = s.TitleLines.join(QString());
    } else if (!s.TitleLines.isEmpty() && s.Title != ppNone) {
        QString& target = r.Slot[s.Title];
        target = IsLeftSlot(s.Title) ? JoinWithBlank(s.TitleLines.first(), target)
                                     : JoinWithBlank(target, s.TitleLines.first());
    }
    return r;
}

QString PageNumberText(const TPrintSettings& s, bool moreBands, int pageInBand, int band, int page, int totalPages)
{
    if (moreBands) return QString::number(pageInBand + 1) + QLatin1Char('-') + QString::number(band);
    QString text = QString::number(page + 1 + s.PageNumberOffset);
    // A fast printout does not count its pages: no total then.
    const bool known = totalPages < std::numeric_limits<int>::max();
    if (!s.PageNumSep.isEmpty() && totalPages > 1 && known)
        text += s.PageNumSep + QString::number(totalPages + s.MaxPagesOffset);
    return text;
}

// ----------------------------------------------------------- in the pass

QString TPrintPass::GetPrintPageNumText() const
{
    QString text = PageNumberText(S, FMoreBands, FPageInBand, FBandCounter, FPageCounter, FTotalPages);
    G.DoPrintGetPageNum(FMoreBands ? FPageInBand + 1 : FPageCounter + 1, FBandCounter, text);
    return text;
}

int TPrintPass::SlotX(int position, int textWidth) const
{
    switch (position) {
    case ppTopLeft:
    case ppBottomLeft: return S.LeftSize;
    case ppTopRight:
    case ppBottomRight: return W - textWidth - 20 - S.RightSize;
    default: return (W - textWidth) / 2;
    }
}

int TPrintPass::PrintPageHeaderFooter()
{
    if (!CurrentPageDrawn()) return 0;
    const double savedScale = L.Fontscalefactor;
    L.Fontscalefactor = ScaleFactor;
    const TDateTime now = NowDateTime();
    const QString joined = S.TitleLines.join(QString());
    const bool html = S.TitleText.isEmpty() && IsPrintHTML(G, joined);
    const TPageSlots pageSlots = FillPageSlots(S, FormatDateTimeText(QStringLiteral("hh:nn"), now),
                                           FormatDateTimeText(S.DateFormat, now), GetPrintPageNumText(), html);
    const platform::TFont savedFont = C.Font();
    const int savedHeight = C.FontHeight();
    int block = 0;
    const bool moreLines = S.TitleLines.size() > 1 && !html;
    // 3.-4. Header.
    C.SetFont(S.HeaderFont, G.MapFontHeight(S.HeaderFont.pointSize()));
    for (int p = ppTopLeft; p <= ppTopCenter; ++p)
        if (!pageSlots.Slot[p].isEmpty()) C.TextOut(SlotX(p, C.TextWidth(pageSlots.Slot[p])), -S.HeaderSize, pageSlots.Slot[p]);
    const int headerLine = C.TextHeight();
    if (IsTopPosition(S.Title) && moreLines)
        for (int i = 1; i < S.TitleLines.size(); ++i)
            C.TextOut(SlotX(S.Title, C.TextWidth(S.TitleLines[i])), -S.HeaderSize - i * headerLine, S.TitleLines[i]);
    // 5. A mini-HTML title at the top, measured, then drawn below the header texts.
    if (html && IsTopPosition(S.Title)) {
        const QRectF area = C.ToDevice(TPageRect{S.LeftSize, -S.HeaderSize, W, H});
        const QSize px = PrintHTML(G, C, pageSlots.HTMLTitle, S.HeaderFont, QRectF(0, 0, area.width(), 65535), false,
                                   DeviceRatio);
        block = int(std::lrint(C.ToUnitsY(px.height())));
        PrintHTML(G, C, pageSlots.HTMLTitle, S.HeaderFont, QRectF(area.left(), area.top(), area.width(), px.height()),
                  true, DeviceRatio);
    }
    // 6. Footer.
    C.SetFont(S.FooterFont, G.MapFontHeight(S.FooterFont.pointSize()));
    const int footerY = H + FooterTextHeight + Gap + S.FooterSize;
    for (int p = ppBottomLeft; p <= ppBottomCenter; ++p)
        if (!pageSlots.Slot[p].isEmpty()) C.TextOut(SlotX(p, C.TextWidth(pageSlots.Slot[p])), footerY, pageSlots.Slot[p]);
    const int footerLine = C.TextHeight();
    if (IsBottomPosition(S.Title) && moreLines)
        for (int i = 1; i < S.TitleLines.size(); ++i)
            C.TextOut(SlotX(S.Title, C.TextWidth(S.TitleLines[i])), footerY - i * footerLine, S.TitleLines[i]);
    // 7. A mini-HTML title anywhere else goes to the bottom.
    if (html && !IsTopPosition(S.Title))
        PrintHTML(G, C, pageSlots.HTMLTitle, S.HeaderFont, C.ToDevice(TPageRect{S.LeftSize, H + S.FooterSize, W, H}),
                  true, DeviceRatio);
    // 8.
    C.SetFont(savedFont, savedHeight);
    L.Fontscalefactor = savedScale;
    return block;
}

void TPrintPass::DrawPageFrame(int first, int last, int Y)
{
    if (!CurrentPageDrawn()) return;
    const int fixedCols = G.GridBase::FixedCols();
    const int x0 = FRepeatCols ? L.Indents[0] : L.Indents[size_t(first)];
    const int x1 = L.Indents[size_t(last) + 1];
    const int top = -FHB - S.TitleSpacing;
    const int bottom = Y + Gap / 2;
    C.SetPen(clBlack, FFrameWidth, ToQtPenStyle(S.BorderStyle));
    const TPrintBorders b = S.Borders;
    if (b == pbAround || b == pbAroundVertical || b == pbAroundHorizontal) {
        C.Frame(TPageRect{x0, top, x1, bottom});
    }
    if (b == pbDouble || b == pbHorizontal || b == pbAroundHorizontal) C.Line(x0, bottom, x1, bottom);
    if ((b == pbDouble || b == pbVertical || b == pbAroundVertical) && FRepeatCols)
        for (int i = 0; i < fixedCols; ++i) C.Line(L.Indents[size_t(i)], top, L.Indents[size_t(i)], bottom);
}

}  // namespace grid::print
