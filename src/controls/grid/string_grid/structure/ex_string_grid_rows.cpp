// Hidden rows: a hidden row leaves the cell store with its cells and
// height and waits in the hidden-row store until it is shown again.

#include <algorithm>

#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

int TExStringGrid::HiddenBelow(int r) const
{
    int n = 0;
    for (const auto& item : FGridItems)
        if (item->Idx() < r) ++n;
    return n;
}

std::vector<int> TExStringGrid::HiddenIndexes() const { return FGridItems.SortedIndexes(); }

THiddenRow TExStringGrid::HiddenRowItem(int r) { return FGridItems.Find(r); }

TConstHiddenRow TExStringGrid::HiddenRowItem(int r) const { return FGridItems.Find(r); }

bool TExStringGrid::IsHiddenRow(int Rowindex) const { return bool(HiddenRowItem(Rowindex)); }

int TExStringGrid::RealRowIndex(int ARow) const
{
    if (FGridItems.empty()) return ARow;
    if (ARow < 0) return -1;
    // Every hidden row at or before the place found pushes it one further.
    int r = ARow;
    for (int hidden : HiddenIndexes()) {
        if (hidden > r) break;
        ++r;
    }
    return r;
}

int TExStringGrid::DisplRowIndex(int ARow) const { return ARow - HiddenBelow(ARow); }

std::vector<int> TExStringGrid::AllRowsOf(int FromRow, int Count) const
{
    std::vector<int> rows;
    if (Count <= 0 || FromRow < 0) return rows;
    rows.reserve(size_t(Count));
    const std::vector<int> hidden = HiddenIndexes();
    size_t h = 0;
    int all = RealRowIndex(FromRow);
    while (h < hidden.size() && hidden[h] < all) ++h;
    for (int k = 0; k < Count; ++k, ++all) {
        while (h < hidden.size() && hidden[h] == all) {
            ++h;
            ++all;
        }
        rows.push_back(all);
    }
    return rows;
}

bool TExStringGrid::DropFilterPlaceholderRow()
{
    if (!std::exchange(FFilterPlaceholderRow, false) || Cells().RowCount() != 1) return false;
    TCellRow row = Cells().TakeRow(0);
    const bool empty = std::all_of(row.Cells.begin(), row.Cells.end(), [](const TStoredCell& cell) {
        return cell.Text().isEmpty() && !cell.Properties;
    });
    if (!empty) Cells().InsertRow(0, std::move(row));  // written to meanwhile: a record now
    return empty;
}

void TExStringGrid::ShrinkToShownRows(int count)
{
    // Hiding every normal row makes the window drop its fixed rows: they are
    // remembered, to be fixed again as soon as a row is back.
    if (count <= GridBase::FixedRows()) FFixedRowsBeforeHiding = std::max(FFixedRowsBeforeHiding, GridBase::FixedRows());
    TBaseGrid::SetRowCount(count);
}

void TExStringGrid::RestoreHiddenFixedRows()
{
    int wanted = FFixedRowsBeforeHiding;
    if (FFilterLevel > 0) wanted = std::max(wanted, FFilterFixedRows);
    if (wanted <= GridBase::FixedRows() || wanted >= RowCount()) return;
    SetFixedRows(wanted);
    FFixedRowsBeforeHiding = 0;
}

void TExStringGrid::RestoreItemRow(int displayRow, TGridItem& item)
{
    if (DropFilterPlaceholderRow()) displayRow = 0;
    Cells().InsertRow(displayRow, std::move(item.Items()));
    item.Items() = TCellRow();
    TBaseGrid::SetRowCount(Cells().RowCount());
    for (int i = RowCount() - 1; i > displayRow; --i) SetRowHeights(i, RowHeights(i - 1));
    SetRowHeights(displayRow, item.Height() > 0 ? item.Height() : DefaultRowHeight());
    RestoreHiddenFixedRows();
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
        TGridItem item;
        item.SetIdx(a);
        item.SetHeight(RowHeights(D + k));
        heights.push_back(RowHeights(D + k));
        item.Items() = Cells().TakeRow(D);
        FGridItems.Insert(size_t(p), std::move(item));
        ++p;
        ++k;
    }
    // The window loses the rows; the rows below keep their heights.
    const int remaining = Cells().RowCount();
    for (int i = D; i < remaining; ++i) SetRowHeights(i, RowHeights(i + k));
    ShrinkToShownRows(remaining);
    CellsChanged(QRect(QPoint(0, D), QPoint(TotalColCount() - 1, D + k - 1)));
}

void TExStringGrid::HideRowList(const std::vector<int>& RowList)
{
    // Filter levels count from 1: level 0 marks rows hidden by row ranges.
    HideRowListAt(RowList, FFilterLevel + 1);
    ++FFilterLevel;
}

void TExStringGrid::HideRowListAt(const std::vector<int>& RowList, int level)
{
    // The display rows ascending, each once, inside the store: most lists
    // come so and are taken as they are.
    const int stored = Cells().RowCount();
    bool tidy = true;
    for (size_t i = 0; i < RowList.size() && tidy; ++i)
        tidy = RowList[i] >= 0 && RowList[i] < stored && (i == 0 || RowList[i - 1] < RowList[i]);
    std::vector<int> tidied;
    if (!tidy) {
        tidied = RowList;
        std::sort(tidied.begin(), tidied.end());
        tidied.erase(std::unique(tidied.begin(), tidied.end()), tidied.end());
        std::erase_if(tidied, [stored](int k) { return k < 0 || k >= stored; });
    }
    const std::vector<int>& rows = tidy ? RowList : tidied;
    // The rows keep their all-rows indexes and texts aside.
    const bool numbersHold = FFilterIntegers.Holds(Cells(), FGridItems.size());
    // The rows go aside together, as one block.
    THiddenRowBlock block = FGridItems.TakeSpare();
    // The rows keep their all-rows indexes, so that the rows hidden before
    // (other levels, contracted nodes) and these stay apart; one walk maps
    // the display rows, hidden rows skipped.
    if (FGridItems.empty()) {
        block.Idx.assign(rows.begin(), rows.end());
    } else {
        block.Idx.resize(rows.size());
        const std::vector<int> hidden = HiddenIndexes();
        size_t h = 0;
        int all = 0;
        int display = 0;
        for (size_t i = 0; i < rows.size(); ++i) {
            for (;; ++all) {
                while (h < hidden.size() && hidden[h] < all) ++h;
                if (h < hidden.size() && hidden[h] == all) continue;
                if (display == rows[i]) break;
                ++display;
            }
            block.Idx[i] = all;
        }
    }
    // The heights part in one pass: the rows' own go along, the others
    // close up. The buffer is borrowed (a hook run meanwhile may hide rows
    // itself).
    std::vector<int> heights = std::move(FRowHeightScratch);
    heights.clear();
    block.Height.resize(rows.size());
    {
        const std::vector<int>& all = AllRowHeights();
        const int known = std::min(stored, int(all.size()));
        heights.reserve(size_t(known));
        // The heights between two hidden rows stay, as one run.
        int from = 0;
        for (size_t next = 0; next < rows.size(); ++next) {
            const int r = rows[next];
            if (r >= known) {
                block.Height[next] = DefaultRowHeight();
                continue;
            }
            heights.insert(heights.end(), all.begin() + from, all.begin() + r);
            block.Height[next] = all[size_t(r)];
            from = r + 1;
        }
        if (from < known) heights.insert(heights.end(), all.begin() + from, all.begin() + known);
    }
    block.Level.assign(rows.size(), level);
    // With no properties in the store, none of the rows carries any.
    block.WithoutProperties.assign(rows.size(), Cells().PropertiesCount() == 0 ? 1 : 0);
    block.Cells.resize(rows.size());
    Cells().TakeRowsEach(rows, [&block](size_t i, TCellRow&& cells) { block.Cells[i] = std::move(cells); });
    FGridItems.Append(std::move(block));
    if (numbersHold) FFilterIntegers.Renew(Cells());
    FFilterPlaceholderRow = FFilterPlaceholderRow || Cells().RowCount() == 0;
    ShrinkToShownRows(Cells().RowCount());
    AssignRowHeights(heights);
    FRowHeightScratch = std::move(heights);
}

void TExStringGrid::UnHideRowList()
{
    const int L = FFilterLevel;
    if (Row() >= RowCount()) FocusCell(GridBase::FixedCols(), GridBase::FixedRows());
    // Rows behind a contracted node stay hidden: they go with the node now.
    const std::vector<std::pair<int, int>> contracted = ContractedNodeRuns();
    auto behindNode = [&contracted](int idx) {
        return std::any_of(contracted.begin(), contracted.end(),
                           [idx](const std::pair<int, int>& run) { return idx >= run.first && idx <= run.second; });
    };
    if (L <= 0) return;
    // The rows come back with their all-rows indexes and, unless changed
    // aside, their texts.
    const bool numbersHeld = FFilterIntegers.Holds(Cells(), FGridItems.size());
    if (!contracted.empty())
        for (auto item : FGridItems)
            if (item->Level() == L && behindNode(item->Idx())) item->SetLevel(TGridItem::BehindNode);
    THiddenRowBlock level;
    FGridItems.TakeIf([L](const TConstHiddenRow& item) { return item->Level() == L; }, level);
    if (level.empty()) return;
    level.sortByIdx();
    // A row's display place is its all-rows index less the rows still
    // hidden above it; the rows on display fill the other places in order.
    const std::vector<int> still = HiddenIndexes();
    size_t below = 0;
    int place = 0;  // that of level row j
    const auto placeOf = [&](size_t j) {
        if (j >= level.size()) return;
        const int idx = level.Idx[j];
        while (below < still.size() && still[below] < idx) ++below;
        place = idx - int(below);
    };
    placeOf(0);
    // The empty row the window made while a filter hid every row goes
    // again, and its height with it.
    const bool placeholderDropped = DropFilterPlaceholderRow();
    const std::vector<int>& heights = AllRowHeights();
    const size_t knownHeights = placeholderDropped ? 0 : heights.size();
    // Where each row ends up (worked out on indexes), then the rows go in
    // at their places in one pass. The buffers are borrowed (a hook run
    // meanwhile may hide rows itself).
    const size_t current = size_t(Cells().RowCount());
    const bool footer = FFloatingFooter.Visible && FFloatingFooter.FooterStyle == fsFixedLastRow;
    std::vector<int> merged = std::move(FRowHeightMerge);
    merged.clear();
    merged.reserve(current + level.size());
    std::vector<int> at = std::move(FRowHeightScratch);
    at.clear();
    at.reserve(level.size());
    // The rows on display before level row j run up to its place (the
    // fixed footer row stays last); their heights go in as one run.
    const size_t beforeFooter = footer && current > 0 ? current - 1 : current;
    size_t ci = 0;
    const auto keepCurrent = [&](size_t until) {
        if (until <= ci) return;
        const size_t known = std::clamp(knownHeights, ci, until);
        merged.insert(merged.end(), heights.begin() + std::ptrdiff_t(ci), heights.begin() + std::ptrdiff_t(known));
        merged.insert(merged.end(), until - known, DefaultRowHeight());
        ci = until;
    };
    // Whether every row went back to the place its all-rows index gives
    // (the fixed footer row, kept last, can put a row before it).
    bool placedByIndex = true;
    for (size_t j = 0; j < level.size();) {
        keepCurrent(std::min(beforeFooter, size_t(std::max(place, int(j))) - j));
        placedByIndex = placedByIndex && int(merged.size()) == place;
        const int height = level.Height[j++];
        placeOf(j);
        at.push_back(int(merged.size()));
        merged.push_back(height > 0 ? height : DefaultRowHeight());
    }
    keepCurrent(current);
    Cells().InsertRowsAtEach(
        at, [&level](size_t i) { return std::move(level.Cells[i]); },
        [&level](size_t i) { return level.WithoutProperties[i] != 0; });
    if (numbersHeld && !level.Touched && !placeholderDropped && placedByIndex) FFilterIntegers.Renew(Cells());
    FGridItems.KeepSpare(std::move(level));
    TBaseGrid::SetRowCount(Cells().RowCount());
    AssignRowHeights(merged);
    FRowHeightMerge = std::move(merged);
    FRowHeightScratch = std::move(at);
    RestoreHiddenFixedRows();
}

void TExStringGrid::HideRowsEx(int FromRow, int ToRow)
{
    if (IsHiddenRow(FromRow) || ToRow < FromRow) return;
    const int D = FromRow - HiddenBelow(FromRow);
    int k = 0;
    for (int a = FromRow; a <= ToRow; ++a) {
        if (IsHiddenRow(a)) continue;
        if (D >= Cells().RowCount()) break;
        TGridItem item;
        item.SetIdx(a);
        item.Items() = Cells().TakeRow(D);
        FGridItems.PushBack(std::move(item));
        ++k;
    }
    const int remaining = Cells().RowCount();
    for (int i = D; i < remaining; ++i) SetRowHeights(i, RowHeights(i + k));
    ShrinkToShownRows(remaining);
    CellsChanged(QRect(QPoint(0, D), QPoint(TotalColCount() - 1, D + k - 1)));
}

void TExStringGrid::UnHideRow(int Rowindex)
{
    const bool modified = FShowModified.Enabled;
    FShowModified.Enabled = false;
    const size_t at = FGridItems.IndexOf(Rowindex);
    if (at < FGridItems.size()) {
        const int D = Rowindex - HiddenBelow(Rowindex);
        TGridItem item = FGridItems.Take(at);
        RestoreItemRow(D, item);
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
        TGridItem item = FGridItems.Take(FGridItems.IndexOf(idx));
        RestoreItemRow(std::min(D + (idx - FromRow), Cells().RowCount()), item);
    }
    FShowModified.Enabled = modified;
}

void TExStringGrid::UnHideRowsAll()
{
    while (!FGridItems.empty()) {
        const int first = FGridItems[0]->Idx();
        int last = first;
        while (IsHiddenRow(last + 1)) ++last;
        UnHideRows(first, last);
    }
}

}  // namespace grid
