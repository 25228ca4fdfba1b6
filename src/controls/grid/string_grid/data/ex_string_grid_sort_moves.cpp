// The move of sorted rows to their places in one pass: every list that
// follows a row (cells, heights, marks, selection, cell controls, the sort
// cross-reference, the tracked row) is put in its new order at once, where
// exchanging the rows pair by pair would jump through memory for each pair.

#include <algorithm>
#include <typeinfo>

#include "controls/grid/cells/row_places.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

namespace {

// Moves the entries of a list kept by display row; a list that is kept at
// all grows to hold every moved row.
template <typename List>
void moveRowList(List& list, const TPlaceCycles& cycles, int first)
{
    if (list.empty()) return;
    const size_t need = size_t(first + cycles.LastMoved() + 1);
    if (list.size() < need) list.resize(need, typename List::value_type{});
    cycles.Move(list, first);
}

}  // namespace

bool TExStringGrid::SortMovesRowsAtOnce() const { return typeid(*this) == typeid(TExStringGrid); }

void TExStringGrid::SortMoveRows(std::vector<int>& place, int first)
{
    const int count = int(place.size());
    const bool withinLists = first >= 0 && count <= RowCount() - first && count <= FSortRowXRef.Count() - first;
    if (FSortSettings.SingleColumn || !withinLists || !SortMovesRowsAtOnce()) {
        MoveRowsToPlaces(place, first, [this](int a, int b) { SortSwapRows(a, b); });
        return;
    }
    const TPlaceCycles cycles(place);
    if (cycles.Empty()) return;
    FSwaps += cycles.SwapCount();
    const int moved = cycles.LastMoved() + 1;  // the rows from first on that take part

    std::vector<int32_t> xref(static_cast<size_t>(moved));
    for (int k = 0; k < moved; ++k) xref[size_t(k)] = FSortRowXRef[first + k];
    cycles.Move(xref, 0);
    for (int k = 0; k < moved; ++k)
        if (FSortRowXRef[first + k] != xref[size_t(k)]) FSortRowXRef.SetInteger(first + k, xref[size_t(k)]);

    Cells().MoveRowsToPlaces(first, cycles);
    if (ShowModified().Enabled) moveRowList(FModifiedRows, cycles, first);
    moveRowList(FEnabledRows, cycles, first);

    // The selection flags and the cell controls are kept by all-rows index.
    const bool moveSelection = MouseActions().DisjunctRowSelect() && Navigation().MoveRowOnSort && !FRowSelect.empty();
    if (moveSelection || CellControlList().Count() > 0) {
        const std::vector<int> real = AllRowsOf(first, moved);
        if (moveSelection) {
            if (FRowSelect.size() <= size_t(real.back())) FRowSelect.resize(size_t(real.back()) + 1, false);
            std::vector<bool> selected(static_cast<size_t>(moved));
            for (int k = 0; k < moved; ++k) selected[size_t(k)] = FRowSelect[size_t(real[size_t(k)])];
            cycles.Move(selected, 0);
            for (int k = 0; k < moved; ++k) FRowSelect[size_t(real[size_t(k)])] = selected[size_t(k)];
        }
        for (int i = 0; i < CellControlList().Count(); ++i) {
            TControlItem* item = CellControlList().GetControl(i);
            const auto at = std::lower_bound(real.begin(), real.end(), item->Y);
            if (at != real.end() && *at == item->Y) item->Y = real[size_t(place[size_t(at - real.begin())])];
        }
    }

    // The heights last: their change places the cell controls, which by
    // now stand at their new rows.
    const auto& allHeights = AllRowHeights();
    std::vector<int> heights(allHeights.begin() + first, allHeights.begin() + first + moved);
    cycles.Move(heights, 0);
    AssignRowHeights(heights, first);  // one notification, and none when no height differs

    // The tracked current row stays on its record.
    if (SortRow >= first && SortRow < first + moved) SortRow = first + place[size_t(SortRow - first)];
    if (!UpdateRunning()) RepaintGrid();
}

}  // namespace grid
