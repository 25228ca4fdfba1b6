#include "controls/grid/highlight/cell_checks.h"

#include <vector>

#include "controls/grid/cells/cell_checker.h"
#include "controls/grid/highlight/tag_text.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid::highlight {

namespace cell_checks_detail {

// The storage columns of the shown columns a check takes.
std::vector<int> ShownColumns(const TExStringGrid& grid, bool doFixed)
{
    const int first = doFixed ? 0 : grid.FixedCols();
    const int last = doFixed ? grid.ColCount() - 1 : grid.ColCount() - 1 - grid.FixedRightCols();
    std::vector<int> cols;
    for (int c = first; c <= last; ++c) cols.push_back(grid.RealColIndex(c));
    return cols;
}

bool Run(TExStringGrid& grid, const std::vector<int>& cols, int fromRow, int toRow)
{
    return CheckCells(grid, grid.CellChecker, cols, fromRow, toRow, [](const QString& s) { return UnMarkText(s); });
}

}  // namespace cell_checks_detail

bool CheckCellRange(TExStringGrid& grid, int FromCol, int FromRow, int ToCol, int ToRow)
{
    std::vector<int> cols;
    for (int c = FromCol; c <= ToCol; ++c) cols.push_back(c);
    return cell_checks_detail::Run(grid, cols, FromRow, ToRow);
}

bool CheckColumn(TExStringGrid& grid, bool doFixed, int col)
{
    const int first = doFixed ? 0 : grid.FixedRows();
    const int last = doFixed ? grid.RowCount() - 1 : grid.RowCount() - 1 - grid.FixedFooters();
    return cell_checks_detail::Run(grid, {col}, first, last);
}

bool CheckGridRow(TExStringGrid& grid, bool doFixed, int row)
{
    return cell_checks_detail::Run(grid, cell_checks_detail::ShownColumns(grid, doFixed), row, row);
}

bool CheckWholeGrid(TExStringGrid& grid, bool doFixed)
{
    const int first = doFixed ? 0 : grid.FixedRows();
    const int last = doFixed ? grid.RowCount() - 1 : grid.RowCount() - 1 - grid.FixedFooters();
    return cell_checks_detail::Run(grid, cell_checks_detail::ShownColumns(grid, doFixed), first, last);
}

}  // namespace grid::highlight
