#pragma once

// Grouping of a string grid's normal rows into an outline. Columns are
// storage columns, rows display rows.
//
// Group sorts on the column (with SortSettings.AutoSortForGrouping), puts a
// header node above each run of equal texts (its text in column 1), with
// Grouping.Summary a summary row below each run, and removes the column.
// UnGroup takes away a second level first, then gives the column back with
// its width, header and footer texts and each row's value. SubGroup adds a
// second level inside the groups on a column that stays (its texts move into
// the sub-headers, in the column after it); SubUnGroup takes it away.
// GroupCalc writes a figure of each expanded group into its summary row
// (header row without summaries).

namespace grid {
class TExStringGrid;
}

namespace grid::grouping {

struct TGroupState;

// Nothing for a column below FixedCols, for column 0 (it carries the node
// marks), beyond the grid's columns, or without normal rows.
void Group(TExStringGrid& grid, TGroupState& state, int column);
void UnGroup(TExStringGrid& grid, TGroupState& state);
// Nothing on an ungrouped grid or for a column below FixedCols or the last one.
void SubGroup(TExStringGrid& grid, TGroupState& state, int column);
void SubUnGroup(TExStringGrid& grid, TGroupState& state, int column);

enum TGroupCalcMethod : int {
    gcSum = 1, gcAvg, gcMin, gcMax, gcCount, gcCustom, gcDistinct, gcStdDev
};
// Any other method writes nothing.
void GroupCalc(TExStringGrid& grid, int column, int method);

}  // namespace grid::grouping
