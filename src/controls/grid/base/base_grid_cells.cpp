#include "controls/grid/base/base_grid_cells.h"

#include <algorithm>
#include <utility>

#include "controls/grid/cells/cell_graphic.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/text/grid_text_utils.h"
#include "controls/grid/cells/grid_undo.h"

namespace grid {

TBaseGridCells::TBaseGridCells()
{
    FColCount = 5;
    FCells.SetColCount(5);
    FCells.SetRowCount(5);
}

TBaseGridCells::~TBaseGridCells()
{
    FDestroying = true;
    if (FUndoRedo != nullptr && FUndoRedo->Grid() == this) FUndoRedo->SetGrid(nullptr);
    FUndoRedo = nullptr;
    FCells.ClearCells();
}

// ----------------------------------------------------------------- size

void TBaseGridCells::SetColCount(int value)
{
    FColCount = std::max(0, value);
    UpdateStoreColumns();
}

void TBaseGridCells::SetRowCount(int value)
{
    FCells.SetRowCount(value);
}

void TBaseGridCells::UpdateStoreColumns()
{
    FCells.SetColCount(TotalColCount());
}

// ------------------------------------------------------------ cell text

QString TBaseGridCells::GetCellEx(int c, int r) const
{
    if (!FCells.Contains(c, r) || c >= TotalColCount()) return QString();
    int bc = c;
    int br = r;
    if (const TCellProperties* props = FCells.Properties(c, r); props != nullptr && !props->IsBaseCell()) {
        bc = c - props->CellSpanX();
        br = r - props->CellSpanY();
    }
    if (br >= FNormalRowCount) return FCells.Text(bc, br);
    QString value = FCells.Text(bc, br);
    GetDisplText(bc, br, value);
    if (OnGetDisplWideText) {
        QString wide = UnpackWideText(value);
        GetDisplWideText(bc, br, wide);
        return PackWideText(wide);
    }
    return value;
}

void TBaseGridCells::SetCellEx(int c, int r, const QString& value)
{
    if (!FCells.Contains(c, r)) return;
    if (HasCellProperties(c, r)) {
        const QPoint base = BaseCell(c, r);
        FCells.SetText(base.x(), base.y(), value);
        CellTextChanged(base.x(), base.y());
    } else {
        FCells.SetText(c, r, value);
    }
    if (HasParent()) RepaintCell(c, r);
    if (FHideLastRow && r == RowCount() - 1) LastRowChanged();
}

// ------------------------------------------------------ cell properties

bool TBaseGridCells::HasCellProperties(int ACol, int ARow) const
{
    return ACol >= 0 && ACol < TotalColCount() && FCells.Properties(ACol, ARow) != nullptr;
}

TCellProperties* TBaseGridCells::CreateCellProperties(int c, int r)
{
    FHasCellProps = true;
    FCells.SetProperties(c, r, std::make_unique<TCellProperties>(this, c, r));
    TCellProperties* props = FCells.Properties(c, r);

    TCellFont font;
    TColor brushColor = clNone;
    TColor colorTo = clNone;
    TColor mirrorColor = clNone;
    TColor mirrorColorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = FWordWrap;
    TCellGradientDirection gd = GradientVertical;
    GetDefaultCellProperties(c, r, font, brushColor, colorTo, mirrorColor, mirrorColorTo, ha, va, ww, gd);

    props->SetCalcType(acNONE);
    props->SetAlignment(ha);
    props->SetVAlignment(va);
    props->SetWordWrap(ww);
    props->SetFontName(font.Name);
    props->SetFontSize(font.Size);
    props->SetFontStyle(font.Style);
    props->SetFontColor(font.Color);
    props->SetBrushColor(brushColor);
    props->SetBrushColorTo(colorTo);
    props->SetGradientDirection(gd);
    return props;
}

TCellProperties* TBaseGridCells::GetCellProperties(int c, int r)
{
    if (!FCells.Contains(c, r)) throw EExGridError("Invalid cell");
    if (TCellProperties* props = FCells.Properties(c, r)) return props;
    return CreateCellProperties(c, r);
}

void TBaseGridCells::SetCellProperties(int c, int r, std::unique_ptr<TCellProperties> value)
{
    if (value) FHasCellProps = true;
    FCells.SetProperties(c, r, std::move(value));
}

uintptr_t TBaseGridCells::GetObjectEx(int c, int r) const
{
    const TCellProperties* props = FCells.Properties(c, r);
    return props != nullptr ? props->CellObject() : 0;
}

template <typename Store>
void TBaseGridCells::StoreObjectAt(int c, int r, Store&& store)
{
    if (!FCells.Contains(c, r)) return;
    TCellProperties* props = FCells.Properties(c, r);
    if (props == nullptr) props = CreateCellProperties(c, r);
    store(*props);
    if (HasParent()) RepaintCell(c, r);
}

void TBaseGridCells::SetObjectEx(int c, int r, uintptr_t value)
{
    StoreObjectAt(c, r, [value](TCellProperties& props) { props.SetCellObject(value); });
}

TCellGraphic* TBaseGridCells::GetGraphicObjectEx(int c, int r) const
{
    return PropertiesGraphic(FCells.Properties(c, r));
}

void TBaseGridCells::SetGraphicObjectEx(int c, int r, std::unique_ptr<TCellGraphic> value)
{
    if (FDestroying) return;
    StoreObjectAt(c, r, [&value](TCellProperties& props) { props.AdoptGraphic(std::move(value)); });
}

void TBaseGridCells::LendGraphicObjectEx(int c, int r, TCellGraphic* value)
{
    if (FDestroying) return;
    StoreObjectAt(c, r, [value](TCellProperties& props) { props.LendGraphic(value); });
}

void TBaseGridCells::LendOtherObjectEx(int c, int r, QObject* value)
{
    if (FDestroying) return;
    StoreObjectAt(c, r, [value](TCellProperties& props) { props.LendOtherObject(value); });
}

TCellGraphic* TBaseGridCells::PropertiesGraphic(const TCellProperties* props)
{
    return props != nullptr ? props->CellGraphic() : nullptr;
}

// --------------------------------------------------------- merged cells

void TBaseGridCells::MergeCells(int c, int r, int spanx, int spany)
{
    if (!FCells.Contains(c, r)) return;
    ++FMergeCount;
    if (spanx < 1 || spany < 1) return;
    // A block never reaches beyond the store.
    spanx = std::min(spanx, FCells.ColCount() - c);
    spany = std::min(spany, RowCount() - r);
    for (int i = c; i < c + spanx; ++i) {
        for (int j = r; j < r + spany; ++j) {
            TCellProperties* props = GetCellProperties(i, j);
            const bool isBase = i == c && j == r;
            props->SetIsBaseCell(isBase);
            props->SetCellSpanX(isBase ? spanx - 1 : i - c);
            props->SetCellSpanY(isBase ? spany - 1 : j - r);
        }
    }
    for (int i = c; i < c + spanx; ++i)
        for (int j = r; j < r + spany; ++j) RepaintCell(i, j);
}

void TBaseGridCells::SplitCells(int c, int r)
{
    if (!FCells.Contains(c, r)) return;
    GetCellProperties(c, r);
    const QPoint base = BaseCell(c, r);
    const TCellProperties* baseProps = FCells.Properties(base.x(), base.y());
    const int sx = baseProps != nullptr ? baseProps->CellSpanX() : -1;
    const int sy = baseProps != nullptr ? baseProps->CellSpanY() : -1;
    for (int i = base.x(); i <= base.x() + sx; ++i) {
        for (int j = base.y(); j <= base.y() + sy; ++j) {
            if (TCellProperties* props = FCells.Properties(i, j)) {
                props->SetIsBaseCell(true);
                props->SetCellSpanX(-1);
                props->SetCellSpanY(-1);
                RepaintCell(i, j);
            }
        }
    }
    --FMergeCount;
}

QPoint TBaseGridCells::BaseCell(int ACol, int ARow) const
{
    int baseCol = ACol;
    int baseRow = ARow;
    IsBaseCellEx(ACol, ARow, baseCol, baseRow);
    return QPoint(baseCol, baseRow);
}

bool TBaseGridCells::IsBaseCell(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow)) return true;
    return FCells.Properties(ACol, ARow)->IsBaseCell();
}

bool TBaseGridCells::IsBaseCellEx(int ACol, int ARow, int& BaseCol, int& BaseRow) const
{
    BaseCol = ACol;
    BaseRow = ARow;
    if (!HasCellProperties(ACol, ARow)) return true;
    const TCellProperties* props = FCells.Properties(ACol, ARow);
    if (props->IsBaseCell()) return true;
    BaseCol = ACol - props->CellSpanX();
    BaseRow = ARow - props->CellSpanY();
    return false;
}

bool TBaseGridCells::IsMergedCell(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow)) return false;
    const TCellProperties* props = FCells.Properties(ACol, ARow);
    return props->CellSpanX() > 0 || props->CellSpanY() > 0;
}

bool TBaseGridCells::IsMergedNonBaseCell(int ACol, int ARow) const
{
    return IsMergedCell(ACol, ARow) && !IsBaseCell(ACol, ARow);
}

bool TBaseGridCells::IsXMergedCell(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow)) return false;
    const QPoint base = BaseCell(ACol, ARow);
    const TCellProperties* baseProps = FCells.Properties(base.x(), base.y());
    return baseProps != nullptr && baseProps->CellSpanX() > 0;
}

bool TBaseGridCells::IsYMergedCell(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow)) return false;
    const QPoint base = BaseCell(ACol, ARow);
    const TCellProperties* baseProps = FCells.Properties(base.x(), base.y());
    return baseProps != nullptr && baseProps->CellSpanY() > 0;
}

const TCellProperties* TBaseGridCells::BlockBase(int ACol, int ARow, QPoint& base) const
{
    if (!HasCellProperties(ACol, ARow)) return nullptr;
    const TCellProperties* props = FCells.Properties(ACol, ARow);
    if (props->CellSpanX() == -1 || props->CellSpanY() == -1) return nullptr;
    base = BaseCell(ACol, ARow);
    return FCells.Properties(base.x(), base.y());
}

QPoint TBaseGridCells::CellSpan(int ACol, int ARow) const
{
    QPoint base;
    const TCellProperties* baseProps = BlockBase(ACol, ARow, base);
    if (baseProps == nullptr) return QPoint(0, 0);
    return QPoint(baseProps->CellSpanX(), baseProps->CellSpanY());
}

QPoint TBaseGridCells::CellExt(int ACol, int ARow) const
{
    QPoint base;
    const TCellProperties* baseProps = BlockBase(ACol, ARow, base);
    if (baseProps == nullptr) return QPoint(0, 0);
    return QPoint(base.x() + baseProps->CellSpanX() - ACol, base.y() + baseProps->CellSpanY() - ARow);
}

QRect TBaseGridCells::FullCell(int c, int r) const
{
    const QPoint base = BaseCell(c, r);
    const QPoint span = CellSpan(c, r);
    return QRect(base, QPoint(base.x() + span.x(), base.y() + span.y()));
}

int TBaseGridCells::MinRowSpan(int ARow) const
{
    int result = RowCount();
    for (int col = 0; col < ColCount(); ++col) {
        const int span = CellSpan(col, ARow).y();
        if (span > 0 && span < result) result = span;
    }
    return result;
}

int TBaseGridCells::MaxRowSpan(int ARow) const
{
    int result = 0;
    for (int col = 0; col < ColCount(); ++col) result = std::max(result, CellSpan(col, ARow).y());
    return result;
}

bool TBaseGridCells::RowSpanIdentical(int ARow1, int ARow2, bool& found) const
{
    found = false;
    for (int col = 0; col < ColCount(); ++col) {
        if (CellSpan(col, ARow1).y() > 0 && CellSpan(col, ARow2).y() > 0) {
            found = true;
            if (BaseCell(col, ARow1).y() != BaseCell(col, ARow2).y()) return false;
        }
    }
    return true;
}

bool TBaseGridCells::ColSpanIdentical(int ACol1, int ACol2, bool& found) const
{
    found = false;
    for (int row = 0; row < RowCount(); ++row) {
        const int span1 = CellSpan(ACol1, row).x();
        const int span2 = CellSpan(ACol2, row).x();
        if (span1 > 0 && span2 > 0) {
            found = true;
            if (BaseCell(ACol1, row).x() != BaseCell(ACol2, row).x()) return false;
        } else if (span1 != span2) {
            return false;
        }
    }
    return true;
}

void TBaseGridCells::SelectBaseCell()
{
    if (!HasCellProperties(Col(), Row())) return;
    const QPoint base = BaseCell(Col(), Row());
    if (base.x() != Col()) SetCol(base.x());
    if (base.y() != Row()) SetRow(base.y());
}

// ------------------------------------------------------------- clearing

void TBaseGridCells::FreeCellPropsRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    if (!FHasCellProps) return;
    const int firstCol = std::max(0, ACol1);
    const int lastCol = std::min(ACol2, FCells.ColCount() - 1);
    const int firstRow = std::max(0, ARow1);
    const int lastRow = std::min(ARow2, RowCount() - 1);
    for (int c = firstCol; c <= lastCol; ++c)
        for (int r = firstRow; r <= lastRow; ++r)
            if (FCells.Properties(c, r) != nullptr) FCells.SetProperties(c, r, nullptr);
}

void TBaseGridCells::FreeCellProps(int ACol, int ARow)
{
    FCells.SetProperties(ACol, ARow, nullptr);
}

void TBaseGridCells::FreeAllCellProps()
{
    FreeCellPropsRect(0, 0, TotalColCount() - 1, RowCount() - 1);
}

void TBaseGridCells::ResetCol(int ACol)
{
    if (ACol < 0 || ACol >= TotalColCount()) return;
    for (int r = 0; r < RowCount(); ++r) {
        FCells.SetProperties(ACol, r, nullptr);
        SetCellEx(ACol, r, QString());
    }
}

void TBaseGridCells::ResetRow(int ARow)
{
    if (ARow < 0 || ARow >= RowCount()) return;
    for (int c = 0; c < TotalColCount(); ++c) {
        FCells.SetProperties(c, ARow, nullptr);
        SetCellEx(c, ARow, QString());
    }
}

void TBaseGridCells::ResetCell(int ACol, int ARow)
{
    SetCellEx(ACol, ARow, QString());
    FCells.SetProperties(ACol, ARow, nullptr);
}

// ------------------------------------------------------------ undo link

void TBaseGridCells::SetUndoRedo(TExGridUndoRedo* value)
{
    if (FUndoRedo == value) return;
    if (FUndoRedo != nullptr && FUndoRedo->Grid() == this) FUndoRedo->SetGrid(nullptr);
    FUndoRedo = value;
    if (FUndoRedo != nullptr) FUndoRedo->SetGrid(this);
}

// ---------------------------------------------------------------- hooks

bool TBaseGridCells::IsFixed(int, int) const
{
    return false;
}

void TBaseGridCells::GetDisplText(int ACol, int ARow, QString& Value) const
{
    if (OnGetDisplText) OnGetDisplText(ACol, ARow, Value);
}

void TBaseGridCells::GetDisplWideText(int ACol, int ARow, QString& Value) const
{
    if (OnGetDisplWideText) OnGetDisplWideText(ACol, ARow, Value);
}

void TBaseGridCells::GetDefaultCellProperties(int, int, TCellFont& AFont, TColor& ABrushColor, TColor& AColorTo,
                                              TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                              TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    AFont = FFont;
    ABrushColor = FColor;
    AColorTo = clNone;
    AMirrorColor = clNone;
    AMirrorColorTo = clNone;
    HA = taLeftJustify;
    VA = vtaTop;
    WW = FWordWrap;
    GD = GradientVertical;
}

void TBaseGridCells::CellTextChanged(int, int) {}

void TBaseGridCells::LastRowChanged() {}

void TBaseGridCells::RepaintCell(int, int) {}

void TBaseGridCells::RepaintGrid() {}

}  // namespace grid
