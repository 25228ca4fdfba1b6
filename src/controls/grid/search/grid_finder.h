#pragma once

// Find, find next and replace over the cells of a string grid, and the
// type-ahead lookup on its sort column. Columns are display columns and rows
// display rows unless fnIncludeHiddenColumns (storage columns) or
// fnIncludeHiddenRows (all-rows indexes) say otherwise; a found cell is given
// in the same numbering, (-1, -1) when there is none.

#include <QPoint>
#include <QString>

#include "controls/grid/search/find_params.h"
#include "controls/grid/search/find_state.h"

namespace grid {
class TExStringGrid;
}

namespace grid::search {

// The next matching cell after start ((-1, -1): from the beginning, or from
// the end with fnBackward). A start on the last cell of the area goes on at
// its first; the scan itself stops at the area's end. With fnAutoGoto the
// found cell becomes current (a collapsed group around a hidden found row
// expands first) and the grid scrolls so that it is not at the very bottom.
QPoint Find(TExStringGrid& grid, TFindState& state, QPoint start, const QString& text, TFindParams params);
// The same on the wide cell texts, without the final scrolling.
QPoint FindWide(TExStringGrid& grid, TFindState& state, QPoint start, const QString& text, TFindParams params);
// Find from the beginning / from the last found cell with the last text and
// flags; both store the result as the next start.
QPoint FindFirst(TExStringGrid& grid, TFindState& state, const QString& text, TFindParams params);
QPoint FindNext(TExStringGrid& grid, TFindState& state);

// Replaces every occurrence of origText by newText in the stored text of
// each cell the find reaches, visiting every cell at most once; the case of
// the occurrences counts as fnMatchCase says. Rows are marked modified when
// the grid shows modified rows. Returns the number of cells whose text
// changed.
int Replace(TExStringGrid& grid, TFindState& state, const QString& origText, const QString& newText,
            TFindParams params);

// The first normal row whose sort-column text, tags stripped, starts with
// text (which the caller passes upper-cased); -1 when none.
int SearchSortColumn(TExStringGrid& grid, const QString& text);

}  // namespace grid::search
