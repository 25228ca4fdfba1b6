// The grid's column state text ("n#widths#order#visibility") read into a
// grid whose columns were moved and hidden. A text that is refused leaves
// the grid as it was; one that is read gives a layout whose own text,
// read into another grid, gives that layout again.
//
// Input: the number of columns, two column moves and a column to hide
// (each one byte), then the text.

#include "controls/grid/grid_error.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

namespace {

void makeGrid(grid::TExStringGrid& grid, int count)
{
    grid.SetFixedCols(0);
    grid.SetColCount(count);
    for (int c = 0; c < count; ++c) grid.SetCellEx(c, 0, QString::number(c));
}

// Everything a column state can change: the columns' names in storage
// order with their visibility, and the display widths.
QString layout(const grid::TExStringGrid& grid)
{
    QStringList parts;
    for (int c = 0; c < grid.AllColCount(); ++c)
        parts << grid.GetCellEx(c, 0) + (grid.IsHiddenColumn(c) ? QStringLiteral("h") : QString());
    for (int d = 0; d < grid.ColCount(); ++d) parts << QString::number(grid.ColWidths(d));
    return parts.join(u' ');
}

}  // namespace

FUZZ_TARGET(column_states)
{
    fuzz::FuzzedData input(data, size);
    const int count = int(input.takeInt(1, 10));
    grid::TExStringGrid grid;
    makeGrid(grid, count);
    for (int move = 0; move < 2; ++move) {
        const int from = int(input.takeInt(0, count - 1));
        grid.MoveColumn(from, int(input.takeInt(0, count - 1)));
    }
    grid.HideColumn(int(input.takeInt(0, count - 1)));
    const QString text = input.takeRestText();

    const QString before = layout(grid);
    try {
        grid.StringToColumnStates(text);
    } catch (const EExGridError&) {
        FUZZ_CHECK_EQUAL(layout(grid), before);
        return;
    }
    if (!text.contains(u'#')) {
        FUZZ_CHECK_EQUAL(layout(grid), before);
        return;
    }
    const QString saved = grid.ColumnStatesToString();
    grid::TExStringGrid other;
    makeGrid(other, count);
    try {
        other.StringToColumnStates(saved);
    } catch (const EExGridError&) {
        FUZZ_CHECK(false);
    }
    FUZZ_CHECK_EQUAL(layout(other), layout(grid));
    FUZZ_CHECK_EQUAL(other.ColumnStatesToString(), saved);
}
