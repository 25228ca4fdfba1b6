// Cell access by index space (all-rows, unsorted rows, recorded column
// positions, the current cell), widths of all storage columns, and the
// per-cell property accessors with the row-wide colour setters.

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/html/html_text_utils.h"
#include "controls/grid/text/grid_text_utils.h"

namespace grid {

// ------------------------------------------------------------ all-rows access

QString TExStringGrid::CellsEx(int c, int r) const
{
    if (c < 0 || r < 0) return QString();
    if (const auto item = HiddenRowItem(r)) {
        QString value = item->Items().Text(c);
        GetDisplText(c, r, value);
        return value;
    }
    return GetCellEx(c, DisplRowIndex(r));
}

void TExStringGrid::SetCellsEx(int c, int r, const QString& value)
{
    if (c < 0 || r < 0) return;
    if (const auto item = HiddenRowItem(r)) {
        auto& cells = item->Items().Cells;
        if (int(cells.size()) <= c) cells.resize(size_t(c + 1));
        cells[size_t(c)].SetText(value);
        return;
    }
    SetCellEx(c, DisplRowIndex(r), value);
}

QString TExStringGrid::GridCellsEx(int c, int r) const
{
    if (c < 0 || r < 0) return QString();
    if (const auto item = HiddenRowItem(r)) return item->Items().Text(c);
    return GetGridCell(c, DisplRowIndex(r));
}

void TExStringGrid::SetGridCellsEx(int c, int r, const QString& value)
{
    if (c < 0 || r < 0) return;
    if (const auto item = HiddenRowItem(r)) {
        auto& cells = item->Items().Cells;
        if (int(cells.size()) <= c) cells.resize(size_t(c + 1));
        cells[size_t(c)].SetText(value);
        return;
    }
    SetGridCell(c, DisplRowIndex(r), value);
}

uintptr_t TExStringGrid::ObjectsEx(int c, int r) const
{
    if (const auto item = HiddenRowItem(r)) {
        const TCellProperties* props = item->Items().Properties(c);
        return props != nullptr ? props->CellObject() : 0;
    }
    return GetObjectEx(c, DisplRowIndex(r));
}

void TExStringGrid::SetObjectsEx(int c, int r, uintptr_t value)
{
    if (const auto item = HiddenRowItem(r)) {
        auto& cells = item->Items().Cells;
        if (c < 0) return;
        if (int(cells.size()) <= c) cells.resize(size_t(c + 1));
        if (!cells[size_t(c)].Properties) cells[size_t(c)].Properties = std::make_unique<TCellProperties>(this, c, r);
        cells[size_t(c)].Properties->SetCellObject(value);
        return;
    }
    SetObjectEx(c, DisplRowIndex(r), value);
}

TCellProperties* TExStringGrid::GetRealRowObject(int c, int r) const
{
    if (const auto item = HiddenRowItem(r)) return item->Items().Properties(c);
    return CellPropertiesOrNull(c, DisplRowIndex(r));
}

const TCellRow* TExStringGrid::HiddenRowTexts(int r) const
{
    const auto item = HiddenRowItem(r);
    return item ? &item->Items() : nullptr;
}

int TExStringGrid::AllColWidths(int c) const
{
    if (IsHiddenColumn(c)) return FAllColWidths[size_t(c)];
    return ColWidths(DisplColIndex(c));
}

void TExStringGrid::SetAllColWidths(int c, int value)
{
    if (c < 0 || c > 512) return;
    FAllColWidths[size_t(c)] = int16_t(value);
    if (!IsHiddenColumn(c)) SetColWidths(DisplColIndex(c), value);
}

// ------------------------------------------------------------ current cell

QString TExStringGrid::CurrentCell() const
{
    const QPoint base = BaseCell(RealCol(), Row());
    return GetGridCell(base.x(), base.y());
}

void TExStringGrid::SetCurrentCell(const QString& value)
{
    const QPoint base = BaseCell(RealCol(), Row());
    SetCellEx(base.x(), base.y(), value);
}

QString TExStringGrid::GetCurrentCellEx() const
{
    const QPoint base = BaseCell(RealCol(), Row());
    return GetCellEx(base.x(), base.y());
}

void TExStringGrid::SetCurrentEditText(const QString& value)
{
    // The edit-text path: the base cell of a merged range, storage column.
    const QPoint base = BaseCell(RealCol(), Row());
    SetCellEx(base.x(), base.y(), value);
}

// ------------------------------------------------------------ rows before sorting

int TExStringGrid::SortedRowIndex(int ARow) const
{
    const int v = ARow < FSortRowXRef.Count() ? FSortRowXRef[ARow] : ARow;
    return RealRowIndex(v);
}

int TExStringGrid::UnSortedRowIndex(int ARow) const
{
    if (FSortRowXRef.Count() == 0) return ARow;
    for (int i = 0; i < FSortRowXRef.Count(); ++i)
        if (FSortRowXRef[i] == ARow) return i;
    return FSortRowXRef.Count();
}

QString TExStringGrid::UnSortedCells(int c, int r) const
{
    return GetCellEx(c, r <= FSortRowXRef.Count() ? UnSortedRowIndex(r) : r);
}

void TExStringGrid::SetUnSortedCells(int c, int r, const QString& value)
{
    SetCellEx(c, r <= FSortRowXRef.Count() ? UnSortedRowIndex(r) : r, value);
}

// ------------------------------------------------------------ column order

void TExStringGrid::SetColumnOrder()
{
    FColumnOrder.Clear();
    for (int c = 0; c < ColCount(); ++c) FColumnOrder.Insert(c, c);
}

int TExStringGrid::ColumnPosition(int ACol) const
{
    if (FColumnOrder.Count() == 0) return ACol;
    int position = ACol;
    for (int p = 0; p < FColumnOrder.Count(); ++p)
        if (FColumnOrder[p] == ACol) {
            position = p;
            break;
        }
    if (FGroupColumn >= 0 && FGroupColumn <= ACol) --position;
    return position;
}

int TExStringGrid::ColumnAtPosition(int APos)
{
    if (FColumnOrder.Count() == 0) SetColumnOrder();
    if (APos < 0 || APos >= FColumnOrder.Count()) return APos;
    int column = FColumnOrder[APos];
    if (FGroupColumn >= 0 && FGroupColumn <= column) ++column;
    return column;
}

void TExStringGrid::ResetColumnOrder()
{
    UnHideColumnsAll();
    if (FColumnOrder.Count() == 0) {
        SetColumnOrder();
        return;
    }
    bool moved = true;
    for (int pass = 0; moved && pass <= ColCount(); ++pass) {
        moved = false;
        for (int i = 0; i < ColCount() && i < FColumnOrder.Count(); ++i) {
            const int recorded = FColumnOrder[i];
            if (recorded < i) {
                MoveColumn(i, recorded);
                moved = true;
            }
        }
    }
}

QString TExStringGrid::OriginalCells(int c, int r) const
{
    const int p = ColumnPosition(c);
    return GetCellEx(p == -1 ? c : p, r);
}

void TExStringGrid::SetOriginalCells(int c, int r, const QString& value)
{
    const int p = ColumnPosition(c);
    SetCellEx(p == -1 ? c : p, r, value);
}

int TExStringGrid::ColumnByHeader(const QString& AValue) const
{
    for (int c = 0; c < AllColCount(); ++c)
        if (CellsEx(c, 0) == AValue) return c;
    return -1;
}

// ------------------------------------------------------------ per-cell properties

void TExStringGrid::RepaintStorageCell(int c, int r)
{
    if (FUpdateCount == 0) RepaintCell(c, r);
}

void TExStringGrid::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0) RepaintGrid();
}

namespace grid_cells_detail {
template <typename Read, typename T>
T readProperty(const TExStringGrid& grid, int c, int r, T fallback, Read read)
{
    if (!grid.HasCellProperties(c, r)) return fallback;
    return read(*grid.CellPropertiesOrNull(c, r));
}
}  // namespace grid_cells_detail

TColor TExStringGrid::Colors(int c, int r) const
{
    return grid_cells_detail::readProperty(*this, c, r, clNone, [](const TCellProperties& p) { return p.BrushColor(); });
}

void TExStringGrid::SetColors(int c, int r, TColor value)
{
    WriteCellProperty(c, r, &TCellProperties::SetBrushColor, value);
}

TColor TExStringGrid::ColorsTo(int c, int r) const
{
    return grid_cells_detail::readProperty(*this, c, r, clNone, [](const TCellProperties& p) { return p.BrushColorTo(); });
}

void TExStringGrid::SetColorsTo(int c, int r, TColor value)
{
    WriteCellProperty(c, r, &TCellProperties::SetBrushColorTo, value);
}

TCellGradientDirection TExStringGrid::GradientDir(int c, int r) const
{
    return grid_cells_detail::readProperty(*this, c, r, GradientVertical, [](const TCellProperties& p) { return p.GradientDirection(); });
}

void TExStringGrid::SetGradientDir(int c, int r, TCellGradientDirection value)
{
    WriteCellProperty(c, r, &TCellProperties::SetGradientDirection, value);
}

bool TExStringGrid::ReadOnly(int c, int r) const
{
    return grid_cells_detail::readProperty(*this, c, r, false, [](const TCellProperties& p) { return p.ReadOnly(); });
}

void TExStringGrid::SetReadOnly(int c, int r, bool value)
{
    WriteCellProperty(c, r, &TCellProperties::SetReadOnly, value);
}

bool TExStringGrid::WordWraps(int c, int r) { return GetCellProperties(c, r)->WordWrap(); }

void TExStringGrid::SetWordWraps(int c, int r, bool value)
{
    WriteCellProperty(c, r, &TCellProperties::SetWordWrap, value);
}

TColor TExStringGrid::FontColors(int c, int r) const
{
    return grid_cells_detail::readProperty(*this, c, r, clNone, [](const TCellProperties& p) { return p.FontColor(); });
}

void TExStringGrid::SetFontColors(int c, int r, TColor value)
{
    WriteCellProperty(c, r, &TCellProperties::SetFontColor, value);
}

TFontStyles TExStringGrid::FontStyles(int c, int r) const
{
    return grid_cells_detail::readProperty(*this, c, r, TFontStyles(0), [](const TCellProperties& p) { return p.FontStyle(); });
}

void TExStringGrid::SetFontStyles(int c, int r, TFontStyles value)
{
    WriteCellProperty(c, r, &TCellProperties::SetFontStyle, value);
}

QString TExStringGrid::FontNames(int c, int r) const
{
    return grid_cells_detail::readProperty(*this, c, r, QString(), [](const TCellProperties& p) { return p.FontName(); });
}

void TExStringGrid::SetFontNames(int c, int r, const QString& value)
{
    WriteCellProperty(c, r, &TCellProperties::SetFontName, value);
}

int TExStringGrid::FontSizes(int c, int r) const
{
    return grid_cells_detail::readProperty(*this, c, r, 0, [](const TCellProperties& p) { return p.FontSize(); });
}

void TExStringGrid::SetFontSizes(int c, int r, int value)
{
    WriteCellProperty(c, r, &TCellProperties::SetFontSize, value);
}

TAlignment TExStringGrid::Alignments(int c, int r) const
{
    return grid_cells_detail::readProperty(*this, c, r, taLeftJustify, [](const TCellProperties& p) { return p.Alignment(); });
}

void TExStringGrid::SetAlignments(int c, int r, TAlignment value)
{
    WriteCellProperty(c, r, &TCellProperties::SetAlignment, value);
}

void TExStringGrid::SetCellFont(int c, int r, const TCellFont& font)
{
    TCellProperties* props = GetCellProperties(c, r);
    props->SetFontName(font.Name);
    props->SetFontSize(font.Size);
    props->SetFontStyle(font.Style);
    props->SetFontColor(font.Color);
    RepaintStorageCell(c, r);
}

void TExStringGrid::SetRowColor(int r, TColor color)
{
    for (int c = GridBase::FixedCols(); c < AllColCount(); ++c) {
        if (color != clNone) {
            GetCellProperties(c, r)->SetBrushColor(color);
        } else if (GetCellType(c, r) == ctNone) {
            FreeCellProps(c, r);
        } else {
            GetCellProperties(c, r)->SetBrushColor(clNone);
        }
    }
    RepaintRow(r);
}

void TExStringGrid::SetRowColorTo(int r, TColor color)
{
    for (int c = GridBase::FixedCols(); c < AllColCount(); ++c) {
        const TCellType kind = GetCellType(c, r);
        if (color != clNone) GetCellProperties(c, r)->SetBrushColorTo(color);
        else if (kind != ctNone && kind != ctEmpty) GetCellProperties(c, r)->SetBrushColorTo(clNone);
        else if (HasCellProperties(c, r)) FreeCellProps(c, r);
    }
    RepaintRow(r);
}

void TExStringGrid::SetRowFontColor(int r, TColor color)
{
    for (int c = GridBase::FixedCols(); c < AllColCount(); ++c) {
        const TCellType kind = GetCellType(c, r);
        if (color != clNone) {
            GetCellProperties(c, r)->SetFontColor(color);
        } else if ((kind == ctNone || kind == ctEmpty) && HasCellProperties(c, r) && Colors(c, r) == clNone) {
            FreeCellProps(c, r);
        }
    }
    RepaintRow(r);
}

int TExStringGrid::GetLinesInCell(int c, int r) const { return TextLineCount(GetCellEx(c, r), true); }

QString TExStringGrid::GetStrippedCell(int c, int r) const { return StripHTMLTags(GetCellEx(c, r)); }

}  // namespace grid
