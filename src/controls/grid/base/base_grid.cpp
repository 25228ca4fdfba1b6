#include "controls/grid/base/base_grid.h"

#include <algorithm>

#include <QWidget>

#include "controls/grid/paint/grid_draw_utils.h"

namespace grid {

using platform::TCanvas;
using platform::TGridDrawState;
using platform::TRect;

platform::TFont ToCanvasFont(const TCellFont& font)
{
    QFont qf(font.Name);
    if (font.Size > 0) qf.setPointSize(font.Size);
    qf.setBold(font.Style & fsBold);
    qf.setItalic(font.Style & fsItalic);
    qf.setUnderline(font.Style & fsUnderline);
    qf.setStrikeOut(font.Style & fsStrikeOut);
    return platform::TFont(qf, font.Color);
}

TCellFont FromCanvasFont(const platform::TFont& font)
{
    TCellFont f;
    f.Name = font.family();
    f.Size = font.pointSize();
    f.Style = TFontStyles((font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0) |
                          (font.underline() ? fsUnderline : 0) | (font.strikeOut() ? fsStrikeOut : 0));
    f.Color = font.Color;
    return f;
}

TBaseGrid::TBaseGrid(QWidget* parent) : GridBase(parent)
{
    // The window draws no lines of its own: the base grid paints them inside the cells.
    GridBase::SetGridLineWidth(0);
    SetDefaultDrawing(false);
    TBaseGridCells::SetColCount(GridBase::ColCount());
    TBaseGridCells::SetRowCount(GridBase::RowCount());
}

TBaseGrid::~TBaseGrid()
{
    BeginDestroy();
    FreeAllCellProps();
}

// ------------------------------------------------------------ counts

void TBaseGrid::SetColCount(int value)
{
    GridBase::SetColCount(value);
    TBaseGridCells::SetColCount(GridBase::ColCount());
}

void TBaseGrid::SetRowCount(int value)
{
    // The store follows first, so that the window's size hooks see the cells.
    TBaseGridCells::SetRowCount(std::max(1, value));
    GridBase::SetRowCount(value);
    TBaseGridCells::SetRowCount(GridBase::RowCount());
}

void TBaseGrid::SetCol(int value) { GridBase::SetCol(value); }

void TBaseGrid::SetRow(int value) { GridBase::SetRow(value); }

void TBaseGrid::SetColor(TColor value) { GridBase::SetColor(value); }

// ------------------------------------------------------------ look

void TBaseGrid::SetGridLineWidth(int value)
{
    FGridLineWidth = value;
    GridBase::SetGridLineWidth(0);
    Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor value)
{
    FGridLineColor = value;
    Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(TColor value)
{
    FGridFixedLineColor = value;
    Invalidate();
}

namespace base_grid_detail {
template <typename T> bool changeField(T& field, T value)
{
    if (field == value) return false;
    field = value;
    return true;
}
}  // namespace base_grid_detail

void TBaseGrid::SetActiveRowShow(bool value)
{
    if (base_grid_detail::changeField(FActiveRowShow, value)) Invalidate();
}
void TBaseGrid::SetActiveRowColor(TColor value)
{
    if (base_grid_detail::changeField(FActiveRowColor, value)) Invalidate();
}
void TBaseGrid::SetActiveRowColorTo(TColor value)
{
    if (base_grid_detail::changeField(FActiveRowColorTo, value)) Invalidate();
}
void TBaseGrid::SetActiveRowMirrorColor(TColor value)
{
    if (base_grid_detail::changeField(FActiveRowMirrorColor, value)) Invalidate();
}
void TBaseGrid::SetActiveRowMirrorColorTo(TColor value)
{
    if (base_grid_detail::changeField(FActiveRowMirrorColorTo, value)) Invalidate();
}
void TBaseGrid::SetSelectionStyle(TGridSelectionStyle value)
{
    if (base_grid_detail::changeField(FSelectionStyle, value)) Invalidate();
}

// ------------------------------------------------------------ geometry

TRect TBaseGrid::VirtualCellRect(int ACol, int ARow) const
{
    auto size = [](int s) { return std::max(0, s); };
    int x = 0;
    for (int i = 0; i < ACol; ++i) x += size(ColWidths(i));
    int y = 0;
    for (int i = 0; i < ARow; ++i) y += size(RowHeights(i));
    if (ACol >= FixedCols())
        for (int i = FixedCols(); i < LeftCol(); ++i) x -= size(ColWidths(i));
    if (ARow >= FixedRows())
        for (int i = FixedRows(); i < TopRow(); ++i) y -= size(RowHeights(i));
    return TRect(x, y, x + size(ColWidths(ACol)), y + size(RowHeights(ARow)));
}

TRect TBaseGrid::CellRect(int ACol, int ARow) const
{
    const int sc = RealColIndex(ACol);
    if (const TCellProperties* props = CellPropertiesOrNull(sc, ARow); props != nullptr && sc < TotalColCount()) {
        if (props->CellSpanX() != -1 || props->CellSpanY() != -1) {
            const QPoint base = BaseCell(sc, ARow);
            const TCellProperties* bp = CellPropertiesOrNull(base.x(), base.y());
            const int sx = bp != nullptr ? std::max(0, bp->CellSpanX()) : 0;
            const int sy = bp != nullptr ? std::max(0, bp->CellSpanY()) : 0;
            const int dBase = DisplColIndex(base.x());
            TRect r1 = VirtualCellRect(dBase, base.y());
            if (r1.Width() == 0) r1.Right += 1;
            TRect r2 = VirtualCellRect(DisplColIndex(base.x() + sx), base.y() + sy);
            if (r2.Width() == 0) r2.Left -= 1;
            return platform::UnionRect(r1, r2);
        }
        if (props->Control() != nullptr) return VirtualCellRect(ACol, ARow);
    }
    return GridBase::CellRect(ACol, ARow);
}

QPoint TBaseGrid::CellSize(int c, int r) const
{
    const TRect rect = CellRect(c, r);
    const TRect v = rect.IsEmpty() ? VirtualCellRect(c, r) : rect;
    return QPoint(v.Width(), v.Height());
}

int TBaseGrid::FixedColsWidth() const
{
    int sum = 0;
    for (int i = 0; i < FixedCols(); ++i) sum += std::max(0, ColWidths(i));
    return sum;
}

int TBaseGrid::FixedRowsHeight() const
{
    int sum = 0;
    for (int i = 0; i < FixedRows(); ++i) sum += std::max(0, RowHeights(i));
    return sum;
}

// ------------------------------------------------------------ hooks of the cell side

void TBaseGrid::RepaintCell(int c, int r)
{
    if (Destroying() || !isVisible()) return;
    // A row below the view cannot show (a merged block starts at its top-left):
    // no need to walk the rows up to it.
    if (r > TopRow() + VisibleRowCount() + 1) return;
    const int d = DisplColIndex(c);
    const TRect rect = CellRect(d, r);
    if (!rect.IsEmpty()) viewport()->update(rect.toQRect());
}

void TBaseGrid::RepaintGrid()
{
    if (!Destroying()) Invalidate();
}

bool TBaseGrid::HasParent() const
{
    // Shown in a window: on a parent, or a window of its own that is visible.
    return parentWidget() != nullptr || isVisible();
}

void TBaseGrid::GetDefaultCellProperties(int, int, TCellFont& AFont, TColor& ABrushColor, TColor& AColorTo,
                                         TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                         TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    AFont = Font();
    ABrushColor = Color();
    AColorTo = clNone;
    AMirrorColor = clNone;
    AMirrorColorTo = clNone;
    HA = taLeftJustify;
    VA = vtaTop;
    WW = WordWrap();
    GD = GradientVertical;
}

int TBaseGrid::GetRowIndent(int) const { return 0; }
bool TBaseGrid::HasNodes() const { return false; }
bool TBaseGrid::HasCellBorders() const { return false; }
bool TBaseGrid::StyleEngineActive() const { return false; }

void TBaseGrid::GetVisualProperties(int, int, TGridDrawState&, bool, bool, bool, platform::TBrush&, TColor&, TColor&,
                                    TColor&, platform::TFont&, TAlignment&, TVAlignment&, bool&,
                                    TCellGradientDirection&)
{
}

void TBaseGrid::DrawCellContents(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState)
{
    TRect r = ARect;
    ACanvas.Brush.Style = Qt::NoBrush;
    ACanvas.DrawText(GetCellEx(RealColIndex(ACol), ARow), r,
                     platform::DT_SINGLELINE | platform::DT_VCENTER | platform::DT_CENTER | platform::DT_NOPREFIX);
    ACanvas.Brush.Style = Qt::SolidPattern;
}

// ------------------------------------------------------------ painting

void TBaseGrid::Paint()
{
    GridBase::Paint();
    ++FPaintID;
}

void TBaseGrid::RenderCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (Canvas() != nullptr) DoPaintCell(*Canvas(), ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    DoPaintCell(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    DoPaintCell(ACanvas, ACol, ARow, ARect, AState, false);
}

int TBaseGrid::SelectionSegment(int ACol) const
{
    const platform::TGridRect sel = Selection();
    const int l = std::min(sel.Left, sel.Right);
    const int rt = std::max(sel.Left, sel.Right);
    if (l == ACol && ACol < rt) return 1;
    if (rt == ACol && l < ACol) return 2;
    if (l < ACol && ACol < rt) return 3;
    return 0;
}

namespace base_grid_detail {

TSelectionFrameColors selectionFace(TGridSelectionStyle style, bool focused)
{
    if (!focused) return {0x00F8F8F8, 0x00E5E5E5, clNone, clNone, 0x00D9D9D9, 0x00FBFAFA, 0x00F0F0F0, 0x00EFEFEF};
    switch (style) {
    case ssVista: return {0x00FDF8F1, 0x00FCEFD5, clNone, clNone, 0x00FDDE99, 0x00FDFBF6, 0x00FDF5E7, 0x00FCEDCB};
    case ssWin7: return {0x00FCEBDC, 0x00FCDBC1, clNone, clNone, 0x00CEA27D, 0x00FDF4EB, 0x00FDEADB, 0x00E0C5AE};
    default:
        return {0x00D7FFFD, 0x0058D4FC, 0x0058D4FC, 0x00B3F1FC, 0x008DD7D3, 0x00F4FEFF, 0x00CAF8FF, 0x00C3D9DF};
    }
}

}  // namespace base_grid_detail

void TBaseGrid::DoPaintCell(TCanvas& canvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState,
                            bool UseCellRect)
{
    TRect R = ARect;
    // 1. A hidden last row is an empty band in the grid colour.
    if (ARow == RowCount() - 1 && HideLastRow()) {
        FillRectColor(canvas, R, Color());
        return;
    }
    // 2. A cell of a merged block paints its base cell once per pass.
    const int sc = RealColIndex(ACol);
    int bc = sc;
    int br = ARow;
    if (HasCellProperties(sc, ARow) && !IsBaseCellEx(sc, ARow, bc, br)) {
        if (TCellProperties* base = CellPropertiesOrNull(bc, br); base != nullptr && base->PaintID() != FPaintID) {
            base->SetPaintID(FPaintID);
            PaintCell(canvas, DisplColIndex(bc), br, R, AState);
        }
        return;
    }
    // A block's base cell painted directly marks the pass too, so that the
    // block is painted once per pass however many of its cells are asked for.
    if (UseCellRect && IsMergedCell(sc, ARow))
        if (TCellProperties* base = CellPropertiesOrNull(sc, ARow)) base->SetPaintID(FPaintID);
    // 3. Fixed look and the whole block's rectangle.
    if (UseCellRect) {
        if (IsFixed(ACol, ARow)) {
            AState |= platform::gdFixed;
            AState &= ~platform::gdSelected;
        }
        R = CellRect(ACol, ARow);
        if (R.IsEmpty()) R = ARect;
    }
    const bool fixed = AState & platform::gdFixed;
    canvas.Save();
    // 4. A block reaching under the fixed area does not paint over it.
    const int FW = ACol >= FixedCols() ? FixedColsWidth() : 0;
    const int FH = ARow >= FixedRows() ? FixedRowsHeight() : 0;
    // (Only in the grid's own window: a cell painted into another canvas has its own place.)
    if (UseCellRect &&
        ((ACol >= FixedCols() && FixedCols() > 0 && FW > R.Left) || (ARow >= FixedRows() && FixedRows() > 0 && R.Top < FH)))
        canvas.IntersectClip(TRect(FW, FH, viewport()->width(), viewport()->height()));

    // 5. The cell's look.
    canvas.Pen.Width = 1;
    canvas.Font = ToCanvasFont(Font());
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.Brush.Color = fixed ? FixedColor() : Color();
    TColor colorTo = clNone, mirrorColor = clNone, mirrorColorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = WordWrap();
    TCellGradientDirection gd = GradientVertical;
    GetVisualProperties(ACol, ARow, AState, false, true, true, canvas.Brush, colorTo, mirrorColor, mirrorColorTo,
                        canvas.Font, ha, va, ww, gd);
    canvas.Pen.Color = canvas.Brush.Color;
    const bool selected = AState & platform::gdSelected;

    // 6. Hover row.
    if (ARow == FHoverRowIdx && FHoverRow && !(selected && !(FHoverRowCells & hcSelected)) &&
        !(fixed && !(FHoverRowCells & hcFixed))) {
        canvas.Brush.Color = FHoverRowColor;
        colorTo = FHoverRowColorTo;
        mirrorColor = clNone;
        mirrorColorTo = clNone;
        gd = GradientVertical;
    }
    // 7. Active row.
    if ((FActiveRowShow && ARow == Row() && ACol >= FixedCols() && (ACol != Col() || !FShowSel)) ||
        (!UseCellRect && selected)) {
        canvas.Brush.Color = FActiveRowColor;
        colorTo = FActiveRowColorTo;
        mirrorColor = FActiveRowMirrorColor;
        mirrorColorTo = FActiveRowMirrorColorTo;
    }
    canvas.Pen.Color = canvas.Brush.Color;

    // 8. Background.
    if (selected && FSelectionStyle != ssDefault && FShowSel) {
        TRect face = R;
        if (!(Options() & platform::goHorzLine)) face.Bottom += 1;
        if (!(Options() & platform::goVertLine)) face.Right += 1;
        const bool focused = IsActiveControl() || (Options() & platform::goDrawFocusSelected);
        FillRectColor(canvas, R, Color());
        DrawSelectionFrame(canvas, base_grid_detail::selectionFace(FSelectionStyle, focused), SelectionSegment(ACol),
                           face, Color());
    } else if (!(StyleEngineActive() && (fixed || selected))) {
        PaintBackground(canvas, ACol, R, AState, colorTo, mirrorColor, mirrorColorTo, gd);
    }
    // 9. Grid lines.
    PaintGridLines(canvas, sc, R, fixed);
    // 10. Contents.
    if (UseCellRect) {
        TRect content = fixed ? TRect(R.Left, R.Top, R.Right - 1, R.Bottom - 2)
                              : R.Inflated(-FGridLineWidth, -FGridLineWidth);
        canvas.Brush.Style = Qt::SolidPattern;
        DrawCellContents(canvas, ACol, ARow, content, AState);
    }
    // 11.
    canvas.Restore();
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.Pen.Style = Qt::SolidLine;
}

void TBaseGrid::PaintBackground(TCanvas& canvas, int, const TRect& R, TGridDrawState, TColor colorTo,
                                TColor mirrorColor, TColor mirrorColorTo, TCellGradientDirection gd)
{
    const TColor brush = canvas.Brush.Color;
    if (brush == clNone) return;
    if (mirrorColorTo == clNone)
        GradientFillRect(canvas, brush, colorTo, gd == GradientHorizontal, R, 64);
    else
        DrawCellFill(canvas, R, brush, true, false, clNone, true, mirrorColorTo, mirrorColor, colorTo);
    canvas.Brush.Color = brush;
}

void TBaseGrid::PaintGridLines(TCanvas& canvas, int storageCol, const TRect& R, bool fixed)
{
    int O = 1;
    int width = 1;
    TColor color = FGridFixedLineColor;
    if (!fixed) {
        width = FGridLineWidth;
        if (width <= 0) return;
        color = FGridLineColor;
        O = (FGridLineWidth + 1) / 2;
    }
    const platform::TGridOptions opts = Options();
    // A line of width w centred on the edge: it covers w pixels ending at the edge.
    auto fill = [&](const TRect& r) { FillRectColor(canvas, r, color); };
    const bool bottom = ((opts & platform::goHorzLine) && !fixed) || ((opts & platform::goFixedHorzLine) && fixed);
    const bool right = ((opts & platform::goVertLine) && !fixed) || ((opts & platform::goFixedVertLine) && fixed);
    const int top = R.Bottom - O - (width - 1) / 2;
    if (bottom && !(storageCol == 0 && HasNodes()))
        fill(TRect(R.Left - O + 1, top, R.Right - O + 1, top + width));
    const int left = R.Right - O - (width - 1) / 2;
    if (right) fill(TRect(left, R.Top - O + 1, left + width, R.Bottom - O + 1));
}

// ------------------------------------------------------------ selection, keys, wheel, scrolling

bool TBaseGrid::CanSelectCell(int ACol, int ARow)
{
    InvalidateCell(Col(), Row());
    const bool result = GridBase::CanSelectCell(ACol, ARow);
    InvalidateCell(ACol, ARow);
    return result;
}

void TBaseGrid::HandleKeyDown(platform::Word& Key, platform::TShiftState Shift)
{
    enum : platform::Word { vkPageDown = 0x22, vkLeft = 0x25, vkUp = 0x26, vkRight = 0x27, vkDown = 0x28 };
    if (Key == vkPageDown && HideLastRow() && RowCount() > 1 &&
        VisibleRowCount() + TopRow() - FixedRows() == RowCount() - 1)
        SetRow(RowCount() - 2);
    const int sc = RealColIndex(Col());
    if (HasCellProperties(sc, Row())) {
        const QPoint base = BaseCell(sc, Row());
        const int bx = DisplColIndex(base.x());
        const int by = base.y();
        const TCellProperties* bp = CellPropertiesOrNull(base.x(), base.y());
        const int sx = bp != nullptr ? std::max(0, bp->CellSpanX()) : 0;
        const int sy = bp != nullptr ? std::max(0, bp->CellSpanY()) : 0;
        switch (Key) {
        case vkLeft:
            if (bx < Col() && Col() > FixedCols() && bx > 0) SetCol(bx);
            break;
        case vkUp:
            if (by < Row() && Row() > FixedRows() && by > 0) SetRow(by);
            break;
        case vkRight:
            if (bx + sx >= Col() && Col() < ColCount() - 1 && bx < ColCount() - 1 && bx + sx < ColCount())
                SetCol(bx + sx);
            break;
        case vkDown:
            if (by + sy >= Row() && Row() < RowCount() - 1 && by < RowCount() - 1) SetRow(by + sy);
            break;
        default: break;
        }
    }
    GridBase::HandleKeyDown(Key, Shift);
    SelectBaseCell();
}

bool TBaseGrid::HandleWheelDown(platform::TShiftState Shift, QPoint MousePos)
{
    const bool result = GridBase::HandleWheelDown(Shift, MousePos);
    if (HideLastRow() && Row() < RowCount() - 1 && VisibleRowCount() < Row() - TopRow()) SetTopRow(TopRow() + 1);
    SelectBaseCell();
    return result;
}

bool TBaseGrid::HandleWheelUp(platform::TShiftState Shift, QPoint MousePos)
{
    const bool result = GridBase::HandleWheelUp(Shift, MousePos);
    SelectBaseCell();
    return result;
}

void TBaseGrid::ScrollPositionChanged()
{
    GridBase::ScrollPositionChanged();
    RepaintFixedMerges();
}

void TBaseGrid::RepaintFixedMerges()
{
    if (FixedCols() > 0)
        for (int r = TopRow(); r <= TopRow() + VisibleRowCount() && r < RowCount(); ++r)
            for (int c = 0; c < FixedCols(); ++c)
                if (IsMergedCell(RealColIndex(c), r)) InvalidateCell(c, r);
    if (FixedRows() > 0)
        for (int c = LeftCol(); c <= LeftCol() + VisibleColCount() && c < ColCount(); ++c)
            for (int r = 0; r < FixedRows(); ++r)
                if (IsMergedCell(RealColIndex(c), r)) InvalidateCell(c, r);
}

}  // namespace grid
