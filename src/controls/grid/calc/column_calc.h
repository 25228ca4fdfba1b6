#pragma once

// Reductions of a column range or a row range of a string grid to one
// number: sum, average, minimum, maximum, population standard deviation and
// the count of distinct texts. Columns are storage columns. They change no
// cell; the column reductions report their progress through the grid's
// ExportNotification.
//
// Column ranges: FromRow or ToRow -1 means the normal rows (fixed and fixed
// footer rows left out). Sum, minimum and maximum count over all rows
// (hidden ones included, all-rows indexes) when ToRow lies beyond the
// display rows (beyond the floating footer row while it shows); the others
// read display rows. In a grouped grid the header and summary rows are not
// counted unless hidden; cells covered by a merged block never are.
//
// Non-numbers are passed over, except in the seed cell of a minimum or
// maximum and anywhere in a standard deviation, where the grid's
// "Cell does not contain a float value" error reaches the caller. Cells
// outside the grid's store read as empty, which counts as 0.

namespace grid {
class TExStringGrid;
}

namespace grid::calc {

double ColumnSum(TExStringGrid& grid, int ACol, int FromRow, int ToRow);
// The sum divided by the number of rows of the range, counted or not.
double ColumnAvg(TExStringGrid& grid, int ACol, int FromRow, int ToRow);
// Seeded with the display row FromRow; an empty range returns the seed.
double ColumnMin(TExStringGrid& grid, int ACol, int FromRow, int ToRow);
double ColumnMax(TExStringGrid& grid, int ACol, int FromRow, int ToRow);
// Over every display row of the range, divisor the row count.
double ColumnStdDev(TExStringGrid& grid, int ACol, int FromRow, int ToRow);
// Different displayed texts, case ignored; the empty text counts as one.
double ColumnDistinct(TExStringGrid& grid, int ACol, int FromRow, int ToRow);

// Row reductions over the storage columns fromCol..toCol of display row ARow.
double RowSum(TExStringGrid& grid, int ARow, int fromCol, int toCol);
double RowAvg(TExStringGrid& grid, int ARow, int fromCol, int toCol);
// Seeded with the cell at fromCol; an empty range returns the seed.
double RowMin(TExStringGrid& grid, int ARow, int fromCol, int toCol);
double RowMax(TExStringGrid& grid, int ARow, int fromCol, int toCol);

}  // namespace grid::calc
