// Size and regions of the grid: counts, fixed rows and columns (header,
// footer, right), the current cell, save ranges and moving rows and cells.

#include <algorithm>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/scoped_value.h"

namespace grid {

// ------------------------------------------------------------ counts

void TExStringGrid::SetRowCount(int value)
{
    const int old = RowCount();
    if (old == GridBase::FixedRows() && FFixedRowAlways && FSelHidden) UnHideSelection();
    const bool footer = FFloatingFooter.Visible && FFloatingFooter.FooterStyle == fsFixedLastRow;
    TCellRow footerRow;
    if (footer && value != old && old > 0) {
        footerRow = Cells().TakeRow(old - 1);
        Cells().InsertRows(old - 1, 1);
    }
    // Node rows cut off leave the tree's node count.
    for (int r = std::max(0, value); r < old && FNumNodes > 0; ++r)
        if (IsNode(r)) --FNumNodes;
    TBaseGrid::SetRowCount(value);
    if (FFixedRowAlways && FFixedRowsMin < RowCount()) TBaseGrid::SetFixedRows(FFixedRowsMin);
    FMaxRowCount = std::max(FMaxRowCount, value);
    SetNormalRowCount(RowCount());
    UpdateFooter();
    UpdateScrollBarVisibility(false);
    if (footer && value != old && old > 0) {
        Cells().TakeRow(RowCount() - 1);
        Cells().InsertRow(RowCount() - 1, std::move(footerRow));
        CalcFooter(-1);
    }
}

void TExStringGrid::SetColCount(int value)
{
    TBaseGrid::SetColCount(value);
    if (FFixedColAlways && FFixedColsMin < ColCount()) TBaseGrid::SetFixedCols(FFixedColsMin);
    FMaxColCount = std::max(FMaxColCount, value);
    UpdateFooter();
    UpdateScrollBarVisibility(false);
}

// ------------------------------------------------------------ current cell

void TExStringGrid::SetRow(int value)
{
    if (Col() < 0 || Col() >= ColCount()) MoveToCell(GridBase::FixedCols(), value);
    TBaseGrid::SetRow(value);
    if (Row() != FOldRowSel && OnRowUpdate) {
        OnRowUpdate(this, FOldRowSel, Row());
        FOldRowSel = Row();
    }
    if (FMouseActions.DisjunctRowSelect()) SelectionToRowSelect(false);
    if (FSyncGrid.Grid() != nullptr && FSyncGrid.SelectionRow) FSyncGrid.Grid()->SetRow(value);
    if (value == RowCount() - 1 && FSearchFooter->Visible()) ShowLastRowAboveFooter();
}

void TExStringGrid::SetCol(int value)
{
    TBaseGrid::SetCol(value);
    if (FSyncGrid.Grid() != nullptr && FSyncGrid.SelectionColumn) FSyncGrid.Grid()->SetCol(value);
}

void TExStringGrid::SetTopRow(int value)
{
    if (value < GridBase::FixedRows() || value > RowCount() - 1) return;
    TBaseGrid::SetTopRow(value);
}

void TExStringGrid::MoveToCell(int ACol, int ARow)
{
    MoveColRow(ACol, ARow, true, true);
}

// ------------------------------------------------------------ fixed cells

int TExStringGrid::FixedRows() const
{
    const int value = GridBase::FixedRows();
    return value == 0 && FFixedRowAlways ? 1 : value;
}

int TExStringGrid::FixedCols() const
{
    const int value = GridBase::FixedCols();
    return value == 0 && FFixedColAlways ? 1 : value;
}

void TExStringGrid::SetFixedRows(int value)
{
    int stored = value;
    if (FFixedRowAlways && stored >= RowCount()) stored = RowCount() - 1;
    TBaseGrid::SetFixedRows(stored);
    if (!FLoading) FFixedRowsMin = value;
}

void TExStringGrid::SetFixedCols(int value)
{
    int stored = value;
    if (FFixedColAlways && stored >= ColCount()) stored = ColCount() - 1;
    TBaseGrid::SetFixedCols(stored);
    if (!FLoading) FFixedColsMin = value;
}

void TExStringGrid::SetFixedFooters(int value)
{
    FFixedFooters = value;
    RepaintGrid();
}

void TExStringGrid::SetFixedRightCols(int value)
{
    FFixedRightCols = value;
    RepaintGrid();
}

void TExStringGrid::SetFixedRowHeight(int value)
{
    FFixedRowHeight = value;
    if (FLoading) return;
    if (value == DefaultRowHeight()) {
        SetDefaultRowHeight(value);
    } else {
        for (int r = 0; r < GridBase::FixedRows(); ++r) SetRowHeights(r, value);
    }
}

void TExStringGrid::SetFixedColWidth(int value)
{
    if (FLoading || value == DefaultColWidth()) return;
    for (int c = 0; c < GridBase::FixedCols(); ++c) SetColWidths(c, value);
}

void TExStringGrid::SetDefaultRowHeight(int value)
{
    GridBase::SetDefaultRowHeight(value);
    if (IsDesigning()) FFixedRowHeight = value;
    FFloatingFooter.Height = value;
}

void TExStringGrid::SetDefaultAlignment(TAlignment value)
{
    if (value == FDefaultAlignment) return;
    FDefaultAlignment = value;
    RepaintGrid();
}

void TExStringGrid::SetWordWrap(bool value)
{
    FWordWrapEx = value;
    TBaseGridCells::SetWordWrap(value);
    PassWordWrapToEditor(value);
    if (FUpdateCount == 0) RepaintGrid();
}

// ------------------------------------------------------------ save ranges

int TExStringGrid::SaveStartCol() const { return SaveFixedCells || SaveFixedCols ? 0 : GridBase::FixedCols(); }

int TExStringGrid::SaveEndCol() const
{
    return SaveFixedCells || SaveFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
}

int TExStringGrid::SaveColCount() const
{
    return SaveFixedCells || SaveFixedCols ? ColCount() : ColCount() - GridBase::FixedCols() - FFixedRightCols;
}

int TExStringGrid::SaveStartRow() const { return SaveFixedCells || SaveFixedRows ? 0 : GridBase::FixedRows(); }

int TExStringGrid::SaveEndRow() const
{
    return SaveFixedCells || SaveFixedRows ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
}

int TExStringGrid::SaveRowCount() const
{
    return SaveFixedCells || SaveFixedRows ? RowCount() : RowCount() - GridBase::FixedRows() - FFixedFooters;
}

platform::TGridRect TExStringGrid::UsedCells() const
{
    bool any = false;
    platform::TGridRect r{0, 0, 0, 0};
    for (int c = 0; c < ColCount(); ++c)
        for (int row = 0; row < RowCount(); ++row) {
            if (GetCellEx(c, row).isEmpty()) continue;
            if (!any) {
                r = {c, row, c, row};
                any = true;
            }
            r.Left = std::min(r.Left, c);
            r.Top = std::min(r.Top, row);
            r.Right = std::max(r.Right, c);
            r.Bottom = std::max(r.Bottom, row);
        }
    return r;
}

// ------------------------------------------------------------ hit tests

void TExStringGrid::ScreenToCell(QPoint pt, int& ACol, int& ARow) const
{
    const QPoint client = viewport()->mapFromGlobal(pt);
    MouseToCell(client.x(), client.y(), ACol, ARow);
}

bool TExStringGrid::IsInSizingZone(int X, int Y) const
{
    int c = -1;
    int r = -1;
    MouseToCell(X, Y, c, r);
    if (c < 0 || r < 0) return false;
    const platform::TRect rect = GridBase::CellRect(c, r);
    if (r <= GridBase::FixedRows() && (Options() & platform::goColSizing)) {
        if (X - rect.Left < 4 || rect.Right - X < 4) return true;
    }
    if (c <= GridBase::FixedCols() && (Options() & platform::goRowSizing)) {
        if (Y - rect.Top < 4 || rect.Bottom - Y < 4) return true;
    }
    return false;
}

// ------------------------------------------------------------ moving

void TExStringGrid::MoveColumn(int FromIndex, int ToIndex)
{
    if (!HasColumnOrder()) SetColumnOrder();
    TBaseGrid::MoveColumn(FromIndex, ToIndex);
}

void TExStringGrid::MoveRow(int FromIndex, int ToIndex)
{
    // The footer row of a visible floating footer takes no other row's place.
    if (FFloatingFooter.Visible && FFloatingFooter.FooterStyle == fsFixedLastRow && ToIndex == RowCount() - 1) return;
    TBaseGrid::MoveRow(FromIndex, ToIndex);
}

void TExStringGrid::RowMovedNotice(int FromIndex, int ToIndex)
{
    // The window moved the row height; the row's cells move with it. The
    // footer row of a visible floating footer stays last.
    if (FFloatingFooter.Visible && FFloatingFooter.FooterStyle == fsFixedLastRow && ToIndex == RowCount() - 1) return;
    Cells().MoveRow(FromIndex, ToIndex);
    if (EnhRowColMove) ColMoveFlg = true;
    TBaseGrid::RowMovedNotice(FromIndex, ToIndex);
    // A synchronised grid moves the same row, once.
    TExStringGrid* other = FSyncGrid.Grid();
    if (other != nullptr && FSyncGrid.MoveRow && !FSyncedMove) {
        TScopedValue<bool> synced(other->FSyncedMove, true);
        other->MoveRow(FromIndex, ToIndex);
    }
}

void TExStringGrid::MoveRows(int FromIndex, int ToIndex, int Count)
{
    if (FromIndex == ToIndex || Count <= 0) return;
    Count = std::min(Count, RowCount() - FromIndex);
    if (Count <= 0) return;
    MoveCellControlRows(FromIndex, ToIndex, Count);
    std::vector<TCellRow> saved;
    for (int i = 0; i < Count; ++i) saved.push_back(Cells().TakeRow(FromIndex));
    Cells().InsertRows(FromIndex, Count);
    if (FromIndex + Count < ToIndex) ToIndex -= Count;
    DeleteRowRange(FromIndex, Count);
    ToIndex = std::clamp(ToIndex, 0, RowCount());
    InsertRowRange(ToIndex, Count);
    for (int i = 0; i < Count; ++i) {
        Cells().TakeRow(ToIndex + i);
        Cells().InsertRow(ToIndex + i, std::move(saved[size_t(i)]));
    }
    RepaintGrid();
}

void TExStringGrid::SwapCells(platform::TGridCoord FromCell, platform::TGridCoord ToCell)
{
    const QString text = GetGridCell(FromCell.X, FromCell.Y);
    SetGridCell(FromCell.X, FromCell.Y, GetGridCell(ToCell.X, ToCell.Y));
    SetGridCell(ToCell.X, ToCell.Y, text);
    std::unique_ptr<TCellProperties> a = Cells().TakeProperties(FromCell.X, FromCell.Y);
    std::unique_ptr<TCellProperties> b = Cells().TakeProperties(ToCell.X, ToCell.Y);
    Cells().SetProperties(FromCell.X, FromCell.Y, std::move(b));
    Cells().SetProperties(ToCell.X, ToCell.Y, std::move(a));
}

}  // namespace grid
