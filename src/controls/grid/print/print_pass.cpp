// The pagination routine: column widths, fit to page, column bands, pages,
// repeated fixed rows and columns, page events.

#include "controls/grid/print/print_pass.h"

#include <algorithm>
#include <cmath>

#include "controls/grid/print/print_layout.h"
#include "controls/grid/print/print_settings.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid::print {

// ------------------------------------------------------------ size cache

bool TCellSizeCache::Find(int col, int row, double scale, QSize& size) const
{
    const auto& map = scale == 1.0 ? FUnscaled : FScaled;
    if (scale != 1.0 && scale != FScale) return false;
    const auto it = map.find(Key(col, row));
    if (it == map.end()) return false;
    size = it->second;
    return true;
}

void TCellSizeCache::Store(int col, int row, double scale, QSize size)
{
    if (scale == 1.0) {
        FUnscaled[Key(col, row)] = size;
        return;
    }
    if (scale != FScale) FScaled.clear(), FScale = scale;
    FScaled[Key(col, row)] = size;
}

// ------------------------------------------------------------------ pass

TPrintPass::TPrintPass(TExStringGrid& grid, TPrintCanvas& canvas, const TPassSetup& setup)
    : G(grid), S(grid.PrintSettings()), L(grid.PrintLayout()), C(canvas), FMode(setup.Mode),
      FTotalPages(setup.TotalPages), FSelectedOnly(setup.SelectedOnly), FPageBox(setup.PageBox),
      FScreenDpi(setup.ScreenDpi > 0 ? setup.ScreenDpi : 96.0), FNewPage(setup.NewPage),
      FCache(setup.Cache ? setup.Cache : &FOwnCache)
{
}

bool TPrintPass::PageDrawn(int page) const { return page >= L.PageFrom && page <= L.PageTo; }

int TPrintPass::Run()
{
    // 1.
    DeviceRatio = C.DpiX() / FScreenDpi;
    ScreenToPrint = 254.0 / FScreenDpi;
    L.Fontscalefactor = 1.0;
    L.Size(std::max(G.ColCount(), L.PrintRect.Right + 1));
    // 2. The pass pen.
    FFrameWidth = S.Borders == pbDouble ? 10 : 2;
    // 3.-4.
    MeasureFonts();
    PageSize();
    // 5.
    ComputePrintColWidths();
    FitColumnsToPage();
    if (G.OnPrintSetColumnWidth)
        for (int c = L.PrintRect.Left; c <= L.PrintRect.Right; ++c) G.OnPrintSetColumnWidth(&G, c, L.MaxWidths[size_t(c)]);
    // 6.
    FBandStart = FBandEnd = L.PrintRect.Left;
    FPageCounter = 0, FBandCounter = 0, FPageInBand = 0, FLastRow = -1;
    FMoreBands = false, FCancel = false;
    while (FBandEnd <= L.PrintRect.Right && !FCancel) RunBand();
    L.Fontscalefactor = 1.0;
    return FPageCounter;
}

void TPrintPass::MeasureFonts()
{
    C.SetFont(S.HeaderFont, G.MapFontHeight(S.HeaderFont.pointSize()));
    HeaderTextHeight = C.TextHeight();
    C.SetFont(S.FooterFont, G.MapFontHeight(S.FooterFont.pointSize()));
    FooterTextHeight = C.TextHeight();
    C.SetFont(S.Font, G.MapFontHeight(S.Font.pointSize()));
    TextHeight = C.TextHeight();
    Gap = uint16_t(TextHeight / 8);
    InnerMargin = uint16_t(C.TextWidth(QStringLiteral("g")) / 2);
    FFontSize = S.Font.pointSize();
    Spacing = S.UseFixedWidth ? 0 : S.ColumnSpacing + 20;
}

void TPrintPass::PageSize()
{
    const QRect& p = L.PrevRect;
    switch (FMode) {
    case pmPrinterDraw:
        W = FPageBox.width();
        H = -FPageBox.height();
        break;
    case pmPrinterCount:
        W = p.right() + 1 - p.left();
        H = -(p.bottom() + 1) - p.top();
        break;
    default:
        W = int(std::lround(C.ToUnitsX(p.width())));
        H = -int(std::lround(C.ToUnitsY(p.height())));
        break;
    }
    L.PageRect = QRect(0, 0, W, H);
}

bool TPrintPass::IsPrintRow(int row) const
{
    if (!FSelectedOnly) return true;
    if (row < G.GridBase::FixedRows() && S.FixedCellsAlways) return true;
    TMouseActions& ma = G.MouseActions();
    if (ma.DisjunctRowSelect())
        return G.RowSelect(ma.RowSelectPersistent ? G.RealRowIndex(row) : row);
    const platform::TGridRect sel = G.Selection();
    return row >= sel.Top && row <= sel.Bottom;
}

bool TPrintPass::IsPrintCol(int col) const
{
    if (!FSelectedOnly) return true;
    TMouseActions& ma = G.MouseActions();
    if (ma.DisjunctRowSelect()) return true;
    if (col < G.GridBase::FixedCols() && S.FixedCellsAlways) return true;
    if (ma.DisjunctColSelect()) return G.ColSelect(G.RealColIndex(col));
    const platform::TGridRect sel = G.Selection();
    return col >= sel.Left && col <= sel.Right;
}

void TPrintPass::ComputePrintColWidths()
{
    const platform::TGridRect& r = L.PrintRect;
    std::fill(L.MaxWidths.begin(), L.MaxWidths.end(), 0);
    if (S.NoAutoSize) {
        for (int c = r.Left; c <= r.Right; ++c)
            if (IsPrintCol(c)) L.MaxWidths[size_t(c)] = int(std::lrint(G.ColWidths(c) * ScreenToPrint));
        return;
    }
    const int fixedRows = G.GridBase::FixedRows();
    for (int row = 0; row <= r.Bottom || (S.RepeatFixedRows && row <= fixedRows); ++row) {
        if (row >= G.RowCount()) break;
        if (row < r.Top && !(S.RepeatFixedRows && row < fixedRows)) continue;
        for (int c = r.Left; c <= r.Right; ++c) {
            if (!IsPrintCol(c)) continue;
            const int s = G.RealColIndex(c);
            const int w = S.UseFixedWidth ? S.FixedWidth : MeasurePrintCell(c, row).width();
            int& max = L.MaxWidths[size_t(c)];
            if (w > max && G.CellSpan(s, row).x() == 0) max = w;
        }
    }
}

void TPrintPass::FitColumnsToPage()
{
    ScaleFactor = 1.0;
    if (S.FitToPage == fpNever) return;
    const platform::TGridRect& r = L.PrintRect;
    long long sum = 0;
    for (int c = r.Left; c <= r.Right; ++c)
        if (IsPrintCol(c)) sum += L.MaxWidths[size_t(c)] + Spacing;
    const long long v = (long long)(r.Right - r.Left + 1) * Spacing;
    if (sum != v) ScaleFactor = double(W - S.RightSize - S.LeftSize - v) / double(sum - v);
    if ((ScaleFactor > 1 && S.FitToPage == fpShrink) || (ScaleFactor < 1 && S.FitToPage == fpGrow)) ScaleFactor = 1.0;
    if (ScaleFactor != 1.0 && S.FitToPage == fpCustom) {
        bool allow = true;
        if (G.OnFitToPage) G.OnFitToPage(&G, ScaleFactor, allow);
        if (!allow) ScaleFactor = 1.0;
    }
    // Margins and spacing that leave no room (or a handler's answer) give no
    // usable factor: the columns print unscaled, cut into bands.
    if (!(ScaleFactor > 0) || !std::isfinite(ScaleFactor)) ScaleFactor = 1.0;
    if (ScaleFactor != 1.0)
        for (int c = r.Left; c <= r.Right; ++c)
            L.MaxWidths[size_t(c)] = int(std::trunc(L.MaxWidths[size_t(c)] * ScaleFactor));
}

void TPrintPass::CutBand()
{
    const int right = L.PrintRect.Right;
    const int limit = W - S.RightSize;
    int used = FFixedWidth;
    FBandEnd = FBandStart;
    bool overflow = false;
    while (used <= limit && FBandEnd <= right) {
        used += L.MaxWidths[size_t(FBandEnd)] + Spacing;
        if (used <= limit) {
            ++FBandEnd;
        } else {
            overflow = true;
        }
    }
    if (overflow) {
        used -= L.MaxWidths[size_t(FBandEnd)] + Spacing;
        --FBandEnd;
    }
    if (FBandEnd <= FBandStart) FBandEnd = FBandStart + 1;
    FBandEnd = std::min(FBandEnd, right);
    FMoreBands = FMoreBands || FBandEnd < right;
    L.PageWidth = used;
    L.ColStart = FBandStart;
    L.ColEnd = FBandEnd;
}

void TPrintPass::PlaceColumns()
{
    std::vector<int>& x = L.Indents;
    const int fixedCols = G.GridBase::FixedCols();
    const int base = S.Centered ? 0 : S.LeftSize;
    x[size_t(FBandStart)] = base;
    x[0] = base;
    for (int c = FBandStart; c <= FBandEnd; ++c)
        x[size_t(c) + 1] = x[size_t(c)] + (IsPrintCol(c) ? L.MaxWidths[size_t(c)] + Spacing : 0);
    if (FRepeatCols)
        for (int p = 1; p < fixedCols; ++p) x[size_t(p)] = x[size_t(p) - 1] + L.MaxWidths[size_t(p) - 1] + Spacing;
    if (S.Centered && L.PageWidth < W) {
        const int shift = (W - L.PageWidth) / 2;
        for (int c = FBandStart; c <= FBandEnd + 1; ++c) x[size_t(c)] += shift;
        if (FRepeatCols)
            for (int p = 0; p <= fixedCols && p < FBandStart; ++p) x[size_t(p)] += shift;
    }
    for (int c = FBandStart; c <= FBandEnd + 1; ++c) x[size_t(c)] += FFixedWidth;
}

void TPrintPass::BandHeights(bool bandStart)
{
    const bool top = IsTopPosition(S.Time) || IsTopPosition(S.Date) || IsTopPosition(S.PageNr) ||
                     IsTopPosition(S.Title);
    const bool bottom = IsBottomPosition(S.Time) || IsBottomPosition(S.Date) || IsBottomPosition(S.PageNr) ||
                        IsBottomPosition(S.Title);
    const int lines = int(S.TitleLines.size());
    const bool titleTop = lines > 0 && IsTopPosition(S.Title);
    if (top) {
        FHB = Gap + HeaderTextHeight + S.HeaderSize;
        int block = 0;
        if (bandStart && titleTop) block = PrintPageHeaderFooter();
        if (block > 0) FHB += block + S.HeaderSize;
        else if (titleTop) FHB += (lines - 1) * HeaderTextHeight;
    } else {
        FHB = S.HeaderSize;
    }
    if (bottom) {
        FFB = 2 * (Gap + FooterTextHeight) + S.FooterSize;
        if (lines > 0 && IsBottomPosition(S.Title)) FFB += (lines - 1) * FooterTextHeight;
    } else {
        FFB = Gap + FooterTextHeight + S.FooterSize;
    }
}

void TPrintPass::RunBand()
{
    // 7.
    FPageInBand = 0;
    ++FBandCounter;
    const int fixedCols = G.GridBase::FixedCols();
    const platform::TGridRect& r = L.PrintRect;
    FRepeatCols = fixedCols > 0 && S.RepeatFixedCols && (r.Left < FBandStart || fixedCols < r.Left);
    FFixedWidth = 0;
    if (FRepeatCols)
        for (int c = 0; c < fixedCols; ++c) FFixedWidth += L.MaxWidths[size_t(c)] + Spacing;
    // 8.-10.
    CutBand();
    PlaceColumns();
    BandHeights(true);
    // 11.
    PrintRows();
    // 12.
    if (!(FLastRow != -1 && FLastRow == FRow)) DrawPageFrame(FBandStart, FBandEnd, FY);
    FBandStart = FBandEnd = FBandEnd + 1;
    if (FBandEnd <= r.Right) StartNextPrintPage();
    ++FPageCounter;
}

void TPrintPass::PrintRowWithFixedCols(int row)
{
    int h = 0;
    if (FRepeatCols) PrintRowCells(FY, 0, G.GridBase::FixedCols() - 1, row);
    h = PrintRowCells(FY, FBandStart, FBandEnd, row);
    FY -= h;
}

void TPrintPass::PrintRows()
{
    const platform::TGridRect& r = L.PrintRect;
    const int fixedRows = G.GridBase::FixedRows();
    const bool coversAll = r.Top <= fixedRows && r.Bottom >= G.RowCount() - 1 - G.FixedFooters();
    FRow = r.Top;
    FLineCount = 0;
    FBodyRows = 0;
    if (Drawing() && G.OnPrintPage) G.OnPrintPage(&G, C, FPageCounter + 1, W, H);
    while (FRow <= r.Bottom && !FCancel) {
        G.ExportNotification(coversAll ? TExStringGrid::esExportNewRow : TExStringGrid::esExportSelRow, FRow);
        // 2. Page start.
        if (FLineCount == 0) {
            FY = -FHB;
            const int block = PrintPageHeaderFooter();
            FY -= S.TitleSpacing + block;
            FBodyRows = 0;
        }
        // 3. Repeated fixed rows.
        if (FLineCount == 0 && FRow > 0 && (FPageCounter > 0 || r.Top >= fixedRows) && S.RepeatFixedRows &&
            fixedRows > 0) {
            for (int fr = 0; fr < fixedRows; ++fr) PrintRowWithFixedCols(fr);
            ++FLineCount;
        }
        // 4. The row, when it fits; a row taller than the whole printable
        // height goes alone on its page, clipped there, so the pass moves on.
        bool printed = true;
        if (IsPrintRow(FRow)) {
            if (FY - PrintRowHeight(FRow) > H + FFB || FBodyRows == 0) {
                PrintRowWithFixedCols(FRow);
                ++FBodyRows;
            } else {
                printed = false;
            }
        }
        if (printed) ++FRow;
        // 5.
        ++FLineCount;
        bool newPage = false;
        if (G.OnPrintNewPage) G.OnPrintNewPage(&G, FRow, newPage);
        // 6.
        const bool rowsRemain = FRow <= r.Bottom;
        // The page is full when the next row would not pass the fit test
        // above; a row ending exactly on the footer band does not fit.
        const bool noRoom = rowsRemain && FY - PrintRowHeight(FRow) <= H + FFB;
        if ((noRoom || !rowsRemain || newPage) && Drawing()) {
            if (G.OnPrintPageDone) G.OnPrintPageDone(&G, C, FRow, FY, FPageCounter + 1, W, H);
            if (G.OnPrintCancel) G.OnPrintCancel(&G, FPageCounter + 1, FCancel);
        }
        // 7.
        if (noRoom || newPage) {
            DrawPageFrame(FBandStart, FBandEnd, FY);
            FLineCount = 0;
            FLastRow = FRow;
            StartNextPrintPage();
            // A fast preview stops a band two pages past the previewed one;
            // a fast printout goes on, or pages would be lost.
            if (L.FastPrint && L.PageFrom < FPageCounter && (FMode == pmPreviewDraw || FMode == pmPreviewCount))
                FRow = r.Bottom + 1;
            ++FPageCounter;
            ++FPageInBand;
            BandHeights(false);
        }
    }
}

int TPrintPass::PrintRowHeight(int row)
{
    if (S.NoAutoSizeRow) return int(std::lrint(G.RowHeights(row) * ScreenToPrint)) - 4;
    if (S.UseFixedHeight) return S.FixedHeight;
    if (row == FCachedRow) return FCachedHeight;
    const double saved = L.Fontscalefactor;
    L.Fontscalefactor = ScaleFactor;
    int h = 0, last = 0;
    for (int c = L.PrintRect.Left; c <= L.PrintRect.Right; ++c) {
        const int s = G.RealColIndex(c);
        if (G.CellSpan(s, row).y() != 0) continue;
        last = MeasurePrintCell(c, row).height();
        h = std::max(h, last);
    }
    L.Fontscalefactor = saved;
    if (h == 0) h = last;
    unsigned u = unsigned(std::max(h, 0));
    int height = int(u + u / 8);
    if (G.OnPrintSetRowHeight) G.OnPrintSetRowHeight(&G, row, height);
    FCachedRow = row;
    FCachedHeight = height;
    return height;
}

void TPrintPass::StartNextPrintPage()
{
    const int next = FPageCounter + 2;
    if (!PageDrawn(next)) return;
    if (FMode == pmPrinterDraw && FPageCounter + 1 >= L.PageFrom && FNewPage) FNewPage();
    if (Drawing() && G.OnPrintPage) G.OnPrintPage(&G, C, next, W, H);
}

}  // namespace grid::print
