#pragma once

// The user's column layout as one compact text, for the application to keep
// wherever it likes:
//
//   n#w0,w1,...#o0,o1,...#v0,v1,...
//
// n is the number of columns, hidden ones included; w the widths of the
// display columns 0 .. n-1 (past the shown columns the grid's default
// width); o the design-time index of the column at each position; v per
// storage column "1" when shown, "0" when hidden.
//
// A text is checked whole before the grid changes: the count must be the
// grid's, the widths numbers, the order a permutation, the visibility flags
// "0" or "1" with at least one column shown. A text that fails leaves the
// grid as it was.

#include <optional>
#include <vector>

#include <QString>

namespace grid {

class TExStringGrid;

struct TColumnStates {
    std::vector<int> Widths;   // per display column, one per column
    std::vector<int> Order;    // per position; empty: the design-time order
    std::vector<bool> Visible; // per storage column; empty: all shown

    int Count() const { return int(Widths.size()); }
    bool operator==(const TColumnStates&) const = default;
};

QString FormatColumnStates(const TColumnStates& states);

// The states a text holds for a grid of `columns` columns (hidden ones
// included); nothing, with the reason in `error`, when the text is not one.
std::optional<TColumnStates> ParseColumnStates(const QString& text, int columns, QString* error = nullptr);

// A width a stored layout may give a column: -1 .. 32767 (hidden columns
// keep theirs in 16 bits).
bool IsColumnWidth(int width);

// The entries of a column order for `columns` columns: entries -1 stand for
// no column and are dropped, the others must name every column once (or
// none at all); nothing when they do not.
std::optional<std::vector<int>> ColumnOrderOf(const std::vector<int>& entries, int columns);
// The grid's recorded column order as a full order of its columns (hidden
// ones included); empty while no column was moved.
std::vector<int> RecordedColumnOrder(const TExStringGrid& grid);
// Shows every column in its design-time place, then moves them so that
// position i holds design-time column order[i], and records that order
// (an empty order leaves the design-time order, with no record).
void ApplyColumnOrder(TExStringGrid& grid, const std::vector<int>& order);

// The grid's layout now.
TColumnStates CaptureColumnStates(const TExStringGrid& grid);
// Puts the columns in the given layout: every column shown again in its
// design-time place, then moved into the recorded order, the hidden ones
// hidden and the shown ones given their widths. `states` must suit the
// grid (as ParseColumnStates checks).
void ApplyColumnStates(TExStringGrid& grid, const TColumnStates& states);

}  // namespace grid
