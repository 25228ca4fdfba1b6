#include "controls/grid/highlight/cell_tagging.h"

#include "controls/grid/highlight/tag_text.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid::highlight {

namespace cell_tagging_detail {

// Rewrites the base cells of the range whose stored text `change` alters.
template <typename Change> void RewriteCells(TExStringGrid& grid, const TCellRange& range, Change&& change)
{
    const int lastCol = std::min(range.ToCol, grid.AllColCount() - 1);
    const int lastRow = std::min(range.ToRow, grid.RowCount() - 1);
    for (int r = std::max(range.FromRow, 0); r <= lastRow; ++r) {
        for (int c = std::max(range.FromCol, 0); c <= lastCol; ++c) {
            if (!grid.IsBaseCell(c, r)) continue;
            const QString& stored = grid.GetGridCell(c, r);
            QString changed = change(stored);
            if (changed.size() != stored.size() || changed != stored) grid.SetCellEx(c, r, changed);
        }
    }
}

}  // namespace cell_tagging_detail

TCellRange CellRange(int col, int row) { return {col, row, col, row}; }

TCellRange ColRange(const TExStringGrid& grid, bool doFixed, int col)
{
    if (doFixed) return {col, 0, col, grid.RowCount() - 1};
    return {col, grid.FixedRows(), col, grid.RowCount() - 1 - grid.FixedFooters()};
}

TCellRange RowRange(const TExStringGrid& grid, bool doFixed, int row)
{
    if (doFixed) return {0, row, grid.AllColCount() - 1, row};
    return {grid.FixedCols(), row, grid.AllColCount() - 1 - grid.FixedRightCols(), row};
}

TCellRange GridRange(const TExStringGrid& grid, bool doFixed)
{
    if (doFixed) return {0, 0, grid.AllColCount() - 1, grid.RowCount() - 1};
    return {grid.FixedCols(), grid.FixedRows(), grid.AllColCount() - 1 - grid.FixedRightCols(),
            grid.RowCount() - 1 - grid.FixedFooters()};
}

void TagCells(TExStringGrid& grid, const QString& hiText, const char* tag, bool doCase, const TCellRange& range)
{
    const TCellTagger tagger(hiText, QLatin1String(tag), doCase);
    TGridUpdateLock lock(grid);
    cell_tagging_detail::RewriteCells(grid, range, [&](const QString& text) { return tagger.Tag(text); });
}

void UnTagCells(TExStringGrid& grid, const char* tag, const TCellRange& range)
{
    const TCellUntagger untagger{QLatin1String(tag)};
    TGridUpdateLock lock(grid);
    cell_tagging_detail::RewriteCells(grid, range, [&](const QString& text) { return untagger.Untag(text); });
}

}  // namespace grid::highlight
