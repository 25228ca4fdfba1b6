// Row and column insertion and removal. A row carries its texts and cell
// objects in every storage column (hidden columns included), its height, its
// modified, enabled and selection flags; hidden rows keep their places among
// all rows. A storage column carries its cells (hidden rows included), its
// width and whether it is shown.

#include <algorithm>
#include <set>

#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

// ------------------------------------------------------------ row flags

namespace structure_detail {
template <typename List> void eraseAt(List& list, int index, int count)
{
    if (index < 0 || index >= int(list.size())) return;
    const int last = std::min(int(list.size()), index + count);
    list.erase(list.begin() + index, list.begin() + last);
}
template <typename List, typename Value> void insertAt(List& list, int index, int count, Value value)
{
    if (index < 0 || index >= int(list.size())) return;
    list.insert(list.begin() + index, size_t(count), value);
}
}  // namespace structure_detail

void TExStringGrid::EraseRowFlags(int RowIndex, int RCount)
{
    structure_detail::eraseAt(FModifiedRows, RowIndex, RCount);
    structure_detail::eraseAt(FEnabledRows, RowIndex, RCount);
    structure_detail::eraseAt(FRowSelect, RealRowIndex(RowIndex), RCount);
}

void TExStringGrid::InsertRowFlags(int RowIndex, int RCount)
{
    structure_detail::insertAt(FModifiedRows, RowIndex, RCount, 0);
    structure_detail::insertAt(FEnabledRows, RowIndex, RCount, 0);
    structure_detail::insertAt(FRowSelect, RealRowIndex(RowIndex), RCount, false);
}

void TExStringGrid::ShiftHiddenRowIndexes(int fromAllRows, int delta)
{
    for (auto item : FGridItems)
        if (item->Idx() >= fromAllRows) item->SetIdx(item->Idx() + delta);
}

// ------------------------------------------------------------ rows

void TExStringGrid::RemoveRowRange(int RowIndex, int RCount, bool AdjustHidden, bool MoveFlags)
{
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
    RCount = std::min(RCount, RowCount() - RowIndex);
    HideInplaceEdit();
    if (MoveFlags && HasNodes()) {
        // A contracted node row deleted: its rows come back first, so that
        // none stays hidden with no node to open it; then the rows go one by one.
        bool contracted = false;
        for (int r = RowIndex; r < RowIndex + RCount && !contracted; ++r) contracted = GetNodeState(r);
        if (contracted) {
            const std::vector<int> rows = AllRowsOf(RowIndex, RCount);
            for (int idx : rows)
                if (GetNodeState(DisplRowIndex(idx))) ExpandNode(idx);
            for (auto idx = rows.rbegin(); idx != rows.rend(); ++idx)
                RemoveRowRange(DisplRowIndex(*idx), 1, AdjustHidden, MoveFlags);
            return;
        }
    }
    const int savedRow = Row();
    const int savedTop = TopRow();
    const int lastColWidth = ColCount() > 0 ? ColWidths(ColCount() - 1) : 0;
    BeginUpdate();
    if (MoveFlags) {
        EraseRowFlags(RowIndex, RCount);
        // Deleted node rows leave the tree's node count.
        for (int r = RowIndex; r < RowIndex + RCount; ++r)
            if (IsNode(r)) FNumNodes = std::max(0, FNumNodes - 1);
    }
    const std::vector<int> removed = AllRowsOf(RowIndex, RCount);  // all-rows indexes, ascending
    if (AdjustHidden) DropCellControlRows(removed);
    if (AdjustHidden && !FGridItems.empty()) {
        // A hidden row moves up by the removed rows that stood before it.
        for (auto item : FGridItems) {
            const auto before = std::lower_bound(removed.begin(), removed.end(), item->Idx()) - removed.begin();
            item->SetIdx(item->Idx() - int(before));
        }
    }
    std::vector<int> heights;
    for (int r = 0; r < RowCount(); ++r) heights.push_back(RowHeights(r));
    heights.erase(heights.begin() + RowIndex, heights.begin() + RowIndex + RCount);
    Cells().RemoveRows(RowIndex, RCount);
    TBaseGrid::SetRowCount(std::max(1, int(heights.size())));
    SetNormalRowCount(RowCount());
    FMaxRowCount = std::max(RowCount(), FMaxRowCount - RCount);
    for (int r = 0; r < int(heights.size()) && r < RowCount(); ++r) SetRowHeights(r, heights[size_t(r)]);
    if (ColCount() > 0) SetColWidths(ColCount() - 1, lastColWidth);
    const int lastNormal = RowCount() - FFixedFooters - 1;
    if (savedRow <= lastNormal) {
        if (!FMouseActions.DisjunctRowSelect() && savedRow >= GridBase::FixedRows()) SetRow(savedRow);
        SetTopRow(std::clamp(savedTop, GridBase::FixedRows(), std::max(GridBase::FixedRows(), RowCount() - 1)));
    } else if (lastNormal >= GridBase::FixedRows()) {
        SetRow(lastNormal);
    } else {
        HideSelection();
    }
    FSelHidden = false;
    EndUpdate();
    CellsChanged(QRect(QPoint(0, RowIndex), QPoint(ColCount() - 1, RowIndex + RCount)));
    // A row primitive inside a move leaves the view alone; removals pull it up.
    if (AdjustHidden) FitTopRowAfterRemoval();
}

void TExStringGrid::FitTopRowAfterRemoval()
{
    // The lowest top row from which the last row still shows whole.
    const int fixed = GridBase::FixedRows();
    if (RowCount() <= fixed) return;
    int room = viewport()->height();
    for (int r = 0; r < fixed && r < RowCount(); ++r) room -= RowHeights(r) + GridLineWidth();
    int maxTop = RowCount() - 1;
    int used = RowHeights(maxTop) + GridLineWidth();
    while (maxTop - 1 >= fixed && used + RowHeights(maxTop - 1) + GridLineWidth() <= room) {
        --maxTop;
        used += RowHeights(maxTop) + GridLineWidth();
    }
    if (maxTop >= fixed && TopRow() > maxTop) SetTopRow(maxTop);
}

void TExStringGrid::RemoveRows(int RowIndex, int RCount) { RemoveRowRange(RowIndex, RCount, true, true); }

void TExStringGrid::DeleteRowsInternal(int ARow, int ACount)
{
    if (ARow < 0 || ARow >= RowCount() || ACount <= 0) return;
    FreeCellPropsRect(0, ARow, TotalColCount() - 1, std::min(RowCount(), ARow + ACount) - 1);
    RemoveRowRange(ARow, ACount, true, true);
}

void TExStringGrid::DeleteRowRange(int ARow, int Count, bool Adjust) { RemoveRowRange(ARow, Count, Adjust, false); }

void TExStringGrid::RemoveRowsEx(int RowIndex, int RCount)
{
    // The callers have taken the rows' objects; heights stay where they are.
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
    RCount = std::min(RCount, RowCount() - RowIndex);
    const int savedRow = Row();
    const int savedTop = TopRow();
    BeginUpdate();
    if (FMouseActions.DisjunctRowSelect()) structure_detail::eraseAt(FRowSelect, RowIndex, RCount);
    Cells().RemoveRows(RowIndex, RCount);
    TBaseGrid::SetRowCount(std::max(1, Cells().RowCount()));
    SetNormalRowCount(RowCount());
    FMaxRowCount -= RCount;
    if (savedRow < RowCount()) {
        SetRow(savedRow);
        SetTopRow(savedTop);
    } else if (GridBase::FixedRows() < RowCount()) {
        SetRow(GridBase::FixedRows());
        SetTopRow(GridBase::FixedRows());
    }
    EndUpdate();
    CellsChanged(QRect(QPoint(0, RowIndex), QPoint(ColCount() - 1, RowIndex + RCount)));
}

void TExStringGrid::InsertRowRange(int ARow, int Count, bool Adjust)
{
    if (Count <= 0) return;
    const bool footer = FFloatingFooter.Visible && FFloatingFooter.FooterStyle == fsFixedLastRow;
    const int lastInsertable = footer ? std::max(0, RowCount() - 1) : RowCount();
    ARow = std::clamp(ARow, 0, lastInsertable);
    if (FSelHidden || Col() >= ColCount() || Row() >= RowCount()) UnHideSelection();
    if (DropFilterPlaceholderRow()) ARow = 0;
    const int lastColWidth = ColCount() > 0 ? ColWidths(ColCount() - 1) : 0;
    std::vector<int> heights;
    for (int r = 0; r < std::min(RowCount(), Cells().RowCount()); ++r) heights.push_back(RowHeights(r));
    heights.insert(heights.begin() + std::min(ARow, int(heights.size())), size_t(Count), DefaultRowHeight());
    if (Adjust) {
        InsertRowFlags(ARow, Count);
        ShiftHiddenRowIndexes(RealRowIndex(ARow), Count);
    }
    Cells().InsertRows(ARow, Count);
    TBaseGrid::SetRowCount(Cells().RowCount());
    SetNormalRowCount(RowCount());
    FMaxRowCount = std::max(FMaxRowCount, RowCount());
    for (int r = 0; r < int(heights.size()) && r < RowCount(); ++r) SetRowHeights(r, heights[size_t(r)]);
    if (ColCount() > 0) SetColWidths(ColCount() - 1, lastColWidth);
    RestoreHiddenFixedRows();
}

void TExStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls)
{
    if (RCount <= 0) return;
    if (UpdateCellControls && FControlList.Count() > 0)
        ShiftCellControlRows(RowIndex < RowCount() ? RealRowIndex(std::max(0, RowIndex)) : TotalRowCount(), RCount);
    InsertRowRange(RowIndex, RCount, true);
    if (!Destroying()) CellsChanged(QRect(QPoint(0, RowIndex), QPoint(ColCount() - 1, RowIndex + RCount)));
}

void TExStringGrid::AddRow()
{
    if (FFloatingFooter.Visible) {
        InsertRows(RowCount() - 1, 1, true);
        if (FFloatingFooter.FooterStyle == fsFixedLastRow) ClearRows(RowCount() - 2, 1);
    } else {
        InsertRows(RowCount(), 1, true);
        ClearRows(RowCount() - 1, 1);
    }
}

void TExStringGrid::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked)
{
    BeginUpdate();
    for (int r = RowCount() - 1; r >= GridBase::FixedRows(); --r)
        if (HasCheckBox(CheckBoxColumn, r) && IsChecked(CheckBoxColumn, r) == RemoveChecked) RemoveRows(r, 1);
    EndUpdate();
}

void TExStringGrid::RemoveDuplicates(int ACol, bool DoCase)
{
    BeginUpdate();
    const int c = RealColIndex(ACol);
    std::set<QString> seen;  // compared without regard to letter case
    int r = GridBase::FixedRows();
    while (r < RowCount() - FFixedFooters) {
        const QString text = GetCellEx(c, r);
        if (seen.count(text.toUpper()) > 0) {
            DeleteRowsInternal(r, 1);
            continue;
        }
        seen.insert(text.toUpper());
        if (!DoCase) SetCellEx(c, r, text.toUpper());
        ++r;
    }
    EndUpdate();
}

void TExStringGrid::RemoveSelectedRows()
{
    BeginUpdate();
    if (FMouseActions.DisjunctRowSelect()) {
        std::set<int> selected;
        for (int r = RowCount() - FFixedFooters - 1; r >= GridBase::FixedRows(); --r)
            if (RowSelect(FMouseActions.RowSelectPersistent ? RealRowIndex(r) : r)) selected.insert(r);
        for (int r = RowCount() - FFixedFooters - 1; r >= GridBase::FixedRows(); --r)
            if (selected.count(r) > 0) DeleteRowsInternal(r, 1);
        ClearRowSelect();
    } else {
        const platform::TGridRect sel = Selection();
        const int top = std::min(sel.Top, sel.Bottom);
        const int bottom = std::max(sel.Top, sel.Bottom);
        for (int r = bottom; r >= top; --r) DeleteRowsInternal(r, 1);
    }
    EndUpdate();
}

void TExStringGrid::RemoveUnSelectedRows()
{
    BeginUpdate();
    for (int r = RowCount() - FFixedFooters - 1; r >= GridBase::FixedRows(); --r)
        if (!RowSelect(r)) DeleteRowsInternal(r, 1);
    if (FMouseActions.RowSelectPersistent) SelectRows(GridBase::FixedRows(), RowCount() - GridBase::FixedRows());
    else ClearRowSelect();
    EndUpdate();
}

void TExStringGrid::HideSelectedRows()
{
    BeginUpdate();
    for (int r = RowCount() - 1; r >= GridBase::FixedRows(); --r) {
        const int real = RealRowIndex(r);
        if (RowSelect(FMouseActions.RowSelectPersistent ? real : r)) HideRows(real, real);
    }
    EndUpdate();
}

void TExStringGrid::HideUnSelectedRows()
{
    BeginUpdate();
    int r = GridBase::FixedRows();
    while (r < RowCount()) {
        if (RowSelect(r)) {
            ++r;
            continue;
        }
        const int before = RowCount();
        const int real = RealRowIndex(r);
        HideRows(real, real);
        if (RowCount() == before) ++r;  // nothing could be hidden
    }
    EndUpdate();
}

// ------------------------------------------------------------ cell controls

void TExStringGrid::DropCellControlRows(const std::vector<int>& removed)
{
    for (int i = FControlList.Count() - 1; i >= 0; --i) {
        TControlItem* item = FControlList.GetControl(i);
        if (std::binary_search(removed.begin(), removed.end(), item->Y)) {
            if (item->Control) item->Control->hide();
            FControlList.RemoveControl(i);
            continue;
        }
        item->Y -= int(std::lower_bound(removed.begin(), removed.end(), item->Y) - removed.begin());
    }
}

void TExStringGrid::ShiftCellControlRows(int fromAllRows, int delta)
{
    for (int i = 0; i < FControlList.Count(); ++i)
        if (TControlItem* item = FControlList.GetControl(i); item->Y >= fromAllRows) item->Y += delta;
}

void TExStringGrid::RemoveCellControlCols(int ColIndex, int CCount)
{
    for (int i = FControlList.Count() - 1; i >= 0; --i) {
        TControlItem* item = FControlList.GetControl(i);
        if (item->X >= ColIndex && item->X < ColIndex + CCount) {
            if (item->Control) item->Control->hide();
            FControlList.RemoveControl(i);
        } else if (item->X >= ColIndex + CCount) {
            item->X -= CCount;
        }
    }
}

void TExStringGrid::ShiftCellControlCols(int fromCol, int delta)
{
    for (int i = 0; i < FControlList.Count(); ++i)
        if (TControlItem* item = FControlList.GetControl(i); item->X >= fromCol) item->X += delta;
}

void TExStringGrid::SwapCellControls(bool rows, int a, int b)
{
    for (int i = 0; i < FControlList.Count(); ++i) {
        TControlItem* item = FControlList.GetControl(i);
        int& place = rows ? item->Y : item->X;
        if (place == a) place = b;
        else if (place == b) place = a;
    }
}

void TExStringGrid::MoveCellControlRows(int FromIndex, int ToIndex, int Count)
{
    if (FControlList.Count() == 0 || FromIndex == ToIndex || Count <= 0 || FromIndex < 0) return;
    Count = std::min(Count, RowCount() - FromIndex);
    if (Count <= 0) return;
    // The display order after the move, as MoveRows makes it.
    std::vector<int> order;
    for (int r = 0; r < RowCount(); ++r) order.push_back(r);
    std::vector<int> block(order.begin() + FromIndex, order.begin() + FromIndex + Count);
    order.erase(order.begin() + FromIndex, order.begin() + FromIndex + Count);
    if (FromIndex + Count < ToIndex) ToIndex -= Count;
    ToIndex = std::clamp(ToIndex, 0, int(order.size()));
    order.insert(order.begin() + ToIndex, block.begin(), block.end());
    std::vector<int> allRowsOf;  // all-rows index of every display row before the move
    for (int r = 0; r < RowCount(); ++r) allRowsOf.push_back(RealRowIndex(r));
    for (int i = 0; i < FControlList.Count(); ++i) {
        TControlItem* item = FControlList.GetControl(i);
        const auto at = std::find(allRowsOf.begin(), allRowsOf.end(), item->Y);
        if (at == allRowsOf.end()) continue;  // a hidden row keeps its control
        const int oldDisplay = int(at - allRowsOf.begin());
        const int newDisplay = int(std::find(order.begin(), order.end(), oldDisplay) - order.begin());
        item->Y = allRowsOf[size_t(newDisplay)];
    }
}

// ------------------------------------------------------------ columns

std::vector<TExStringGrid::TStorageColumnSlot> TExStringGrid::StorageColumnSlots() const
{
    std::vector<TStorageColumnSlot> columnSlots;
    for (int s = 0; s < TotalColCount(); ++s) {
        TStorageColumnSlot columnSlot;
        columnSlot.Visible = !IsHiddenColumn(s);
        columnSlot.Width = columnSlot.Visible ? ColWidths(DisplColIndex(s)) : FAllColWidths[size_t(std::min(s, 512))];
        columnSlots.push_back(columnSlot);
    }
    return columnSlots;
}

void TExStringGrid::ApplyStorageColumnSlots(const std::vector<TStorageColumnSlot>& columnSlots)
{
    // The store already holds the new storage columns; the flags, the hidden
    // widths and the display count follow, then the display widths.
    FVisibleCol.fill(true);
    FAllColWidths.fill(0);
    int hidden = 0;
    for (int s = 0; s < int(columnSlots.size()) && s <= 512; ++s) {
        FVisibleCol[size_t(s)] = columnSlots[size_t(s)].Visible;
        FAllColWidths[size_t(s)] = int16_t(columnSlots[size_t(s)].Width);
        if (!columnSlots[size_t(s)].Visible) ++hidden;
    }
    FNumHidden = hidden;
    TExStringGrid::SetColCount(int(columnSlots.size()) - hidden);
    int d = 0;
    for (const auto& columnSlot : columnSlots)
        if (columnSlot.Visible && d < ColCount()) SetColWidths(d++, columnSlot.Width);
    if (Col() >= ColCount() && ColCount() > 0) SetCol(ColCount() - 1);
}

void TExStringGrid::RemoveCols(int ColIndex, int CCount)
{
    const int total = TotalColCount();
    if (ColIndex < 0 || ColIndex >= total || CCount <= 0) return;
    CCount = std::min(CCount, total - ColIndex);
    HideInplaceEdit();
    RemoveCellControlCols(ColIndex, CCount);
    auto columnSlots = StorageColumnSlots();
    columnSlots.erase(columnSlots.begin() + ColIndex, columnSlots.begin() + ColIndex + CCount);
    BeginUpdate();
    Cells().RemoveCols(ColIndex, CCount);
    for (auto item : FGridItems) {
        auto& cells = item->Items().Cells;
        if (ColIndex < int(cells.size()))
            cells.erase(cells.begin() + ColIndex, cells.begin() + std::min(int(cells.size()), ColIndex + CCount));
    }
    ApplyStorageColumnSlots(columnSlots);
    EndUpdate();
    CellsChanged(QRect(QPoint(ColIndex, 0), QPoint(ColIndex + CCount, RowCount() - 1)));
}

void TExStringGrid::InsertCols(int ColIndex, int CCount)
{
    if (CCount <= 0) return;
    ColIndex = std::clamp(ColIndex, 0, TotalColCount());
    ShiftCellControlCols(ColIndex, CCount);
    auto columnSlots = StorageColumnSlots();
    columnSlots.insert(columnSlots.begin() + ColIndex, size_t(CCount), TStorageColumnSlot{true, DefaultColWidth()});
    BeginUpdate();
    Cells().InsertCols(ColIndex, CCount);
    for (auto item : FGridItems) {
        auto& cells = item->Items().Cells;
        if (ColIndex < int(cells.size())) {
            std::vector<TStoredCell> empty(static_cast<size_t>(CCount));
            cells.insert(cells.begin() + ColIndex, std::make_move_iterator(empty.begin()),
                         std::make_move_iterator(empty.end()));
        }
    }
    ApplyStorageColumnSlots(columnSlots);
    EndUpdate();
}

void TExStringGrid::RemoveSelectedCols()
{
    if (FMouseActions.DisjunctColSelect()) {
        for (int c = ColCount() - 1; c >= GridBase::FixedCols(); --c) {
            if (!ColSelect(c)) continue;
            RemoveCols(c, 1);
            structure_detail::eraseAt(FColSelect, c, 1);
        }
        return;
    }
    const platform::TGridRect sel = Selection();
    const int left = std::min(sel.Left, sel.Right);
    const int right = std::max(sel.Left, sel.Right);
    RemoveCols(left, right - left + 1);
}

void TExStringGrid::RemoveUnSelectedCols()
{
    if (FMouseActions.DisjunctColSelect()) {
        for (int c = ColCount() - 1; c >= GridBase::FixedCols(); --c)
            if (!ColSelect(c)) {
                RemoveCols(c, 1);
                structure_detail::eraseAt(FColSelect, c, 1);
            }
    } else {
        const platform::TGridRect sel = Selection();
        const int left = std::min(sel.Left, sel.Right);
        const int right = std::max(sel.Left, sel.Right);
        RemoveCols(right + 1, ColCount() - right);
        RemoveCols(GridBase::FixedCols(), left - GridBase::FixedCols());
    }
    ClearColSelect();
}

void TExStringGrid::MergeCols(int ColIndex1, int ColIndex2, const QString& Separator)
{
    for (int r = GridBase::FixedRows(); r < RowCount(); ++r)
        SetCellEx(ColIndex1, r, (GetCellEx(ColIndex1, r) + Separator + GetCellEx(ColIndex2, r)).trimmed());
    RemoveCols(ColIndex2, 1);
}

}  // namespace grid
