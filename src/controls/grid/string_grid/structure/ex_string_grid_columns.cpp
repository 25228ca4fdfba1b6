// Hidden columns: storage columns that keep their cells while the window
// does not show them, and the mapping between storage and display columns.

#include <algorithm>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/scoped_value.h"

namespace grid {

int TExStringGrid::RealToDisplCol(int c) const
{
    if (c > MaxHiddenColumnIndex || FNumHidden == 0) return c;
    int hiddenBefore = 0;
    for (int j = 0; j < c && j <= MaxHiddenColumnIndex; ++j)
        if (!FVisibleCol[size_t(j)]) ++hiddenBefore;
    return c - hiddenBefore;
}

int TExStringGrid::DisplToRealCol(int d) const
{
    if (d > MaxHiddenColumnIndex || FNumHidden == 0) return d;
    int visibleSeen = 0;
    const int last = std::min(MaxHiddenColumnIndex, TotalColCount() - 1);
    for (int j = 0; j <= last; ++j) {
        if (!FVisibleCol[size_t(j)]) continue;
        if (visibleSeen == d) return j;
        ++visibleSeen;
    }
    return 0;
}

int TExStringGrid::RealColIndex(int ACol) const { return DisplToRealCol(ACol); }

int TExStringGrid::DisplColIndex(int ACol) const { return RealToDisplCol(ACol); }

bool TExStringGrid::IsHiddenColumn(int Colindex) const
{
    if (Colindex < 0 || Colindex > MaxHiddenColumnIndex) return false;
    return !FVisibleCol[size_t(Colindex)];
}

bool TExStringGrid::GetColVisible(int index) const
{
    return index < 0 || index > 512 || FVisibleCol[size_t(index)];
}

void TExStringGrid::SetColVisible(int index, bool value)
{
    if (index >= 0 && index <= 512) FVisibleCol[size_t(index)] = value;
}

void TExStringGrid::HideColumns(int FromCol, int ToCol)
{
    HideInplaceEdit();
    for (int c = FromCol; c <= ToCol; ++c) {
        if (c < 0 || c > MaxHiddenColumnIndex || !FVisibleCol[size_t(c)] || c >= ColCount() + FNumHidden ||
            ColCount() < 2)
            continue;
        const int d = RealToDisplCol(c);
        FAllColWidths[size_t(c)] = int16_t(ColWidths(d));
        for (int i = d; i <= ColCount() - 2; ++i) SetColWidths(i, ColWidths(i + 1));
        ++FNumHidden;
        FVisibleCol[size_t(c)] = false;
        if (Col() == ColCount() - 1) SetCol(Col() - 1);
        SetColCount(ColCount() - 1);
    }
    RepaintGrid();
}

void TExStringGrid::UnHideColumns(int FromCol, int ToCol)
{
    HideInplaceEdit();
    for (int c = FromCol; c <= ToCol; ++c) {
        if (c < 0 || c > MaxHiddenColumnIndex || FVisibleCol[size_t(c)]) continue;
        --FNumHidden;
        FVisibleCol[size_t(c)] = true;
        SetColCount(ColCount() + 1);
        const int b = RealToDisplCol(c + 1);
        for (int i = ColCount() - 1; i >= b && i >= 1; --i) SetColWidths(i, ColWidths(i - 1));
        SetColWidths(RealToDisplCol(c), FAllColWidths[size_t(c)]);
    }
    RepaintGrid();
}

void TExStringGrid::UnHideColumnsAll() { UnHideColumns(0, ColCount() + FNumHidden); }


void TExStringGrid::ColumnMovedNotice(int FromIndex, int ToIndex)
{
    using platform::MovedIndex;
    // The window moved the display width and the current column; the cells,
    // the visibility flags and the saved widths of the storage columns move
    // with them.
    const int from = RealColIndex(FromIndex);
    const int to = RealColIndex(ToIndex);
    const bool hidden = FNumHidden > 0;
    if (from != to) {
        Cells().MoveCol(from, to);
        for (auto item : FGridItems) {
            TCellRow& cells = item->Items();
            if (from < int(cells.Cells.size()) && to < int(cells.Cells.size())) {
                TStoredCell moved = std::move(cells.Cells[size_t(from)]);
                cells.Cells.erase(cells.Cells.begin() + from);
                cells.Cells.insert(cells.Cells.begin() + to, std::move(moved));
            }
        }
        if (EnhRowColMove && hidden && from <= MaxHiddenColumnIndex && to <= MaxHiddenColumnIndex) {
            auto move = [&](auto& array) {
                auto value = array[size_t(from)];
                if (from < to) std::move(array.begin() + from + 1, array.begin() + to + 1, array.begin() + from);
                else std::move_backward(array.begin() + to, array.begin() + from, array.begin() + from + 1);
                array[size_t(to)] = value;
            };
            move(FVisibleCol);
            move(FAllColWidths);
        }
    }
    if (EnhRowColMove) ColMoveFlg = true;
    // The recorded order follows the move (storage positions).
    if (from < FColumnOrder.Count() && to < FColumnOrder.Count()) {
        const int entry = FColumnOrder[from];
        FColumnOrder.Delete(from);
        FColumnOrder.Insert(to, entry);
    }
    // With hidden columns the event tells storage columns.
    if (OnColumnMoved) OnColumnMoved(this, hidden ? from : FromIndex, hidden ? to : ToIndex);
    // The sort column and the sort index list follow the moved column.
    if (FSortSettings.Column >= 0) FSortSettings.Column = MovedIndex(FSortSettings.Column, from, to);
    if (FSortSettings.IndexShow)
        for (int i = 0; i < FSortIndexes.Count(); ++i)
            FSortIndexes.SetSortColumns(i, MovedIndex(FSortIndexes.SortColumns(i), from, to));
    UpdateFooter();
    // A synchronised grid moves the same column, once.
    TExStringGrid* other = FSyncGrid.Grid();
    if (other != nullptr && FSyncGrid.MoveColumn && !FSyncedMove) {
        TScopedValue<bool> synced(other->FSyncedMove, true);
        other->MoveColumn(FromIndex, ToIndex);
    }
}

}  // namespace grid
