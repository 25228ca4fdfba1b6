// The grid's sort state in its text form ("u3", "d0", "i;d3;u1") loaded into
// a grid of fuzzed cells, which sorts by it, and the comma text of the
// grid's integer lists. Sorting only reorders rows; a saved sort state and
// an integer list read back save the same text.
//
// Input: column and row counts, fixed rows and columns, the sort text up to
// the first line feed, an integer-list text up to the next, then one cell
// text per line.

#include <algorithm>

#include "controls/grid/cells/int_lists.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

namespace {

// The sort text as the grid saves it after loading `text`; a load the grid
// refuses (EExGridError) leaves the state it reached.
QString loadedSortText(grid::TExStringGrid& grid, const QString& text)
{
    try {
        grid.SortSettings().LoadFromString(text);
    } catch (const EExGridError&) {
    }
    return grid.SortSettings().SaveToString();
}

// Every row of the grid's normal rows as one text, sorted.
QStringList rowsAsSet(const grid::TExStringGrid& grid)
{
    QStringList rows;
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.ColCount(); ++c)
            cells << grid.GetGridCell(c, r);
        rows << cells.join(QChar(0));
    }
    rows.sort();
    return rows;
}

void checkIntLists(const QString& text)
{
    grid::TSortIndexList indexes;
    indexes.LoadFromString(text);
    const QString saved = indexes.SaveToString();
    indexes.LoadFromString(saved);
    FUZZ_CHECK_EQUAL(indexes.SaveToString(), saved);

    grid::TIntList list;
    try {
        list.SetStrValue(text);
    } catch (const EExGridError&) {
        return;
    }
    const QString values = list.StrValue();
    list.SetStrValue(values);
    FUZZ_CHECK_EQUAL(list.StrValue(), values);
}

}  // namespace

FUZZ_TARGET(grid_sort_settings)
{
    fuzz::FuzzedData input(data, size);
    const int cols = int(input.takeInt(1, 6));
    const int rows = int(input.takeInt(1, 10));
    const int fixedRows = int(input.takeInt(0, rows - 1));
    const int fixedCols = int(input.takeInt(0, cols - 1));
    const QString sortText = input.takeLine();
    checkIntLists(input.takeLine());

    grid::TExStringGrid grid;
    grid.SetColCount(cols);
    grid.SetRowCount(rows);
    grid.SetFixedRows(fixedRows);
    grid.SetFixedCols(fixedCols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            grid.SetCellEx(c, r, input.takeLine());
    const QStringList before = rowsAsSet(grid);
    const QString saved = loadedSortText(grid, sortText);
    FUZZ_CHECK_EQUAL(rowsAsSet(grid), before);

    grid::TExStringGrid other;
    other.SetColCount(cols);
    other.SetRowCount(rows);
    other.SetFixedRows(fixedRows);
    FUZZ_CHECK_EQUAL(loadedSortText(other, saved), saved);
}
