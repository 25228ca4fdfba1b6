#pragma once

// Cell checks of a string grid through its CellChecker: each cell's text,
// without earlier error marks, passes the checker's Correct and MarkError and
// is written back when that changed it. True when every checked cell passed
// (and always without a checker, which changes nothing).

namespace grid {
class TExStringGrid;
}

namespace grid::highlight {

// Storage columns FromCol .. ToCol, display rows FromRow .. ToRow.
bool CheckCellRange(TExStringGrid& grid, int FromCol, int FromRow, int ToCol, int ToRow);
// One storage column; without doFixed its normal rows only.
bool CheckColumn(TExStringGrid& grid, bool doFixed, int col);
// The shown columns of one row, or of every row; without doFixed the fixed
// and fixed right columns (and for the grid the fixed and footer rows) are
// left out. Hidden columns are never checked.
bool CheckGridRow(TExStringGrid& grid, bool doFixed, int row);
bool CheckWholeGrid(TExStringGrid& grid, bool doFixed);

}  // namespace grid::highlight
