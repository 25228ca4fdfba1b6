#pragma once

// Highlighting and error marks in the cells of a string grid. A range is
// given in storage columns and display rows; only base cells are read and
// written (cells covered by a merged block are left alone), on their stored
// text, and only cells holding an occurrence (or a tag to remove) change.

#include <QString>

namespace grid {
class TExStringGrid;
}

namespace grid::highlight {

struct TCellRange {
    int FromCol = 0, FromRow = 0, ToCol = -1, ToRow = -1;
};

// The ranges of the cell, column, row and whole-grid procedures. Columns run
// over the storage columns, hidden ones included; without doFixed the fixed
// columns, the fixed right columns, the fixed rows and the fixed footer rows
// are left out.
TCellRange CellRange(int col, int row);
TCellRange ColRange(const TExStringGrid& grid, bool doFixed, int col);
TCellRange RowRange(const TExStringGrid& grid, bool doFixed, int row);
TCellRange GridRange(const TExStringGrid& grid, bool doFixed);

// Encloses every occurrence of hiText in the tag (doCase: case-sensitive).
void TagCells(TExStringGrid& grid, const QString& hiText, const char* tag, bool doCase, const TCellRange& range);
// Removes the tag from the cells.
void UnTagCells(TExStringGrid& grid, const char* tag, const TCellRange& range);

}  // namespace grid::highlight
