// Hidden rows: a hidden row leaves the cell store with its cells and
// height and waits in the hidden-row store until it is shown again.

#include <algorithm>

#include "controls/grid/ex_string_grid.h"

namespace grid {

int TExStringGrid::HiddenBelow(int r) const
{
    int n = 0;
    for (const auto& item : FGridItems)
        if (item->Idx() < r) ++n;
    return n;
}

std::vector<int> TExStringGrid::HiddenIndexes() const
{
    std::vector<int> list;
    list.reserve(FGridItems.size());
    for (const auto& item : FGridItems) list.push_back(item->Idx());
    std::sort(list.begin(), list.end());
    return list;
}

TGridItem* TExStringGrid::HiddenRowItem(int r) const
{
    for (const auto& item : FGridItems)
        if (item->Idx() == r) return item.get();
    return nullptr;
}

bool TExStringGrid::IsHiddenRow(int Rowindex) const { return HiddenRowItem(Rowindex) != nullptr; }

int TExStringGrid::RealRowIndex(int ARow) const
{
    if (FGridItems.empty()) return ARow;
    if (ARow < 0) return -1;
    const std::vector<int> hidden = HiddenIndexes();
    int r = 0;
    int v = 0;
    while (v <= ARow) {
        if (!std::binary_search(hidden.begin(), hidden.end(), r)) ++v;
        ++r;
    }
    return r - 1;
}

int TExStringGrid::DisplRowIndex(int ARow) const { return ARow - HiddenBelow(ARow); }

void TExStringGrid::RestoreItemRow(int displayRow, TGridItem& item)
{
    Cells().InsertRow(displayRow, std::move(item.Items()));
    item.Items() = TCellRow();
    TBaseGrid::SetRowCount(Cells().RowCount());
    for (int i = RowCount() - 1; i > displayRow; --i) SetRowHeights(i, RowHeights(i - 1));
    SetRowHeights(displayRow, item.Height() > 0 ? item.Height() : DefaultRowHeight());
}

void TExStringGrid::HideRows(int FromRow, int ToRow)
{
    if (ToRow < FromRow) return;
    int n = 0;
    int p = 0;
    for (const auto& item : FGridItems) {
        if (item->Idx() >= FromRow && item->Idx() <= ToRow) ++n;
        if (item->Idx() < FromRow) ++p;
    }
    if (n == ToRow - FromRow + 1) return;
    const int D = FromRow - p;
    std::vector<int> heights;
    int k = 0;
    for (int a = FromRow; a <= ToRow; ++a) {
        if (IsHiddenRow(a)) continue;
        if (D >= Cells().RowCount()) break;
        auto item = std::make_unique<TGridItem>();
        item->SetIdx(a);
        item->SetHeight(RowHeights(D + k));
        heights.push_back(RowHeights(D + k));
        item->Items() = Cells().TakeRow(D);
        FGridItems.insert(FGridItems.begin() + p, std::move(item));
        ++p;
        ++k;
    }
    // The window loses the rows; the rows below keep their heights.
    const int remaining = Cells().RowCount();
    for (int i = D; i < remaining; ++i) SetRowHeights(i, RowHeights(i + k));
    TBaseGrid::SetRowCount(remaining);
    CellsChanged(QRect(QPoint(0, D), QPoint(TotalColCount() - 1, D + k - 1)));
}

void TExStringGrid::HideRowList(const std::vector<int>& RowList)
{
    std::vector<int> rows = RowList;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::vector<int> heights;
    for (int r = 0; r < RowCount(); ++r) heights.push_back(RowHeights(r));
    std::vector<std::unique_ptr<TGridItem>> added(rows.size());
    for (size_t i = rows.size(); i-- > 0;) {
        const int k = rows[i];
        if (k < 0 || k >= Cells().RowCount()) continue;
        auto item = std::make_unique<TGridItem>();
        item->SetIdx(k);
        item->SetHeight(heights[size_t(k)]);
        item->Level = FFilterLevel;
        item->Items() = Cells().TakeRow(k);
        added[i] = std::move(item);
    }
    for (auto& item : added)
        if (item) FGridItems.push_back(std::move(item));
    ++FFilterLevel;
    std::vector<int> kept;
    for (int r = 0; r < int(heights.size()); ++r)
        if (!std::binary_search(rows.begin(), rows.end(), r)) kept.push_back(heights[size_t(r)]);
    TBaseGrid::SetRowCount(Cells().RowCount());
    for (int r = 0; r < int(kept.size()) && r < RowCount(); ++r) SetRowHeights(r, kept[size_t(r)]);
}

void TExStringGrid::UnHideRowList()
{
    const int L = FFilterLevel - 1;
    if (Row() >= RowCount()) FocusCell(GridBase::FixedCols(), GridBase::FixedRows());
    std::vector<TGridItem*> level;
    for (const auto& item : FGridItems)
        if (item->Level == L) level.push_back(item.get());
    std::sort(level.begin(), level.end(), [](TGridItem* a, TGridItem* b) { return a->Idx() < b->Idx(); });
    const bool footer = FFloatingFooter.Visible && FFloatingFooter.FooterStyle == fsFixedLastRow;
    for (TGridItem* item : level) {
        int place = std::clamp(item->Idx(), 0, Cells().RowCount() - (footer ? 1 : 0));
        place = std::max(place, 0);
        RestoreItemRow(place, *item);
    }
    FGridItems.erase(std::remove_if(FGridItems.begin(), FGridItems.end(),
                                    [L](const std::unique_ptr<TGridItem>& item) { return item->Level == L; }),
                     FGridItems.end());
}

void TExStringGrid::HideRowsEx(int FromRow, int ToRow)
{
    if (IsHiddenRow(FromRow) || ToRow < FromRow) return;
    const int D = FromRow - HiddenBelow(FromRow);
    int k = 0;
    for (int a = FromRow; a <= ToRow; ++a) {
        if (IsHiddenRow(a)) continue;
        if (D >= Cells().RowCount()) break;
        auto item = std::make_unique<TGridItem>();
        item->SetIdx(a);
        item->Items() = Cells().TakeRow(D);
        FGridItems.push_back(std::move(item));
        ++k;
    }
    const int remaining = Cells().RowCount();
    for (int i = D; i < remaining; ++i) SetRowHeights(i, RowHeights(i + k));
    TBaseGrid::SetRowCount(remaining);
    CellsChanged(QRect(QPoint(0, D), QPoint(TotalColCount() - 1, D + k - 1)));
}

void TExStringGrid::UnHideRow(int Rowindex)
{
    const bool modified = FShowModified.Enabled;
    FShowModified.Enabled = false;
    auto it = std::find_if(FGridItems.begin(), FGridItems.end(),
                           [Rowindex](const std::unique_ptr<TGridItem>& item) { return item->Idx() == Rowindex; });
    if (it != FGridItems.end()) {
        const int D = Rowindex - HiddenBelow(Rowindex);
        std::unique_ptr<TGridItem> item = std::move(*it);
        FGridItems.erase(it);
        RestoreItemRow(D, *item);
    }
    FShowModified.Enabled = modified;
}

void TExStringGrid::UnHideRows(int FromRow, int ToRow)
{
    if (!IsHiddenRow(FromRow)) return;
    const bool modified = FShowModified.Enabled;
    FShowModified.Enabled = false;
    const int D = FromRow - HiddenBelow(FromRow);
    std::vector<int> indexes;
    for (const auto& item : FGridItems)
        if (item->Idx() >= FromRow && item->Idx() <= ToRow) indexes.push_back(item->Idx());
    std::sort(indexes.begin(), indexes.end());
    for (int idx : indexes) {
        auto it = std::find_if(FGridItems.begin(), FGridItems.end(),
                               [idx](const std::unique_ptr<TGridItem>& item) { return item->Idx() == idx; });
        std::unique_ptr<TGridItem> item = std::move(*it);
        FGridItems.erase(it);
        RestoreItemRow(std::min(D + (idx - FromRow), Cells().RowCount()), *item);
    }
    FShowModified.Enabled = modified;
}

void TExStringGrid::UnHideRowsAll()
{
    while (!FGridItems.empty()) {
        const int first = FGridItems.front()->Idx();
        int last = first;
        while (IsHiddenRow(last + 1)) ++last;
        UnHideRows(first, last);
    }
}

}  // namespace grid
