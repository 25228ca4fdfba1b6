// Fixed-width files: measured and given widths, multi-line cells kept on
// their line, and reading at field positions.

#include <gtest/gtest.h>

#include "controls/grid/cells/int_lists.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "support/temp_folder.h"

using namespace grid;

namespace fixed_width_test {

TEST(FixedWidth, WritesMeasuredOrGivenWidths)
{
    testing_support::TempFolder folder;
    TExStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetCellEx(0, 0, "ab");
    g.SetCellEx(1, 0, "c");
    g.SetCellEx(0, 1, "d");
    g.SetCellEx(1, 1, "x\r\ny");
    TIntList widths;
    g.SaveToFixed(folder.file("m.txt"), widths);
    EXPECT_EQ(widths.StrValue(), "3,5");  // the longest written text + 1
    EXPECT_EQ(folder.read("m.txt"), QByteArray("ab c    \r\nd  x\x09\x08y \r\n"));

    TIntList given;
    given.Add(1);
    g.SaveToFixed(folder.file("g.txt"), given);
    EXPECT_EQ(given.StrValue(), "1,5");
    EXPECT_EQ(folder.read("g.txt"), QByteArray("ac    \r\ndx\x09\x08y \r\n"));

    TIntList positions;
    positions.SetStrValue("1,4,9");
    TExStringGrid h;
    h.MultilineCells = true;
    h.LoadFromFixed(folder.file("m.txt"), positions);
    EXPECT_EQ(h.GetGridCell(0, 0), "ab");
    EXPECT_EQ(h.GetGridCell(1, 0), "c");
    EXPECT_EQ(h.GetGridCell(1, 1), "x\r\ny");
}

TEST(FixedWidth, ReadsAtSortedPositionsWithinTheLimit)
{
    testing_support::TempFolder folder;
    const QString path = folder.write("f.txt", "abcdefghij\r\n 12 34\r\nxy\r\n");
    TIntList positions;
    positions.SetStrValue("9,1,5");
    TExStringGrid g;
    g.SetFixedCols(0);
    g.SetColCount(7);
    g.SetRowCount(1);
    g.LoadFromFixed(path, positions, true, -1);
    EXPECT_EQ(positions.StrValue(), "1,5,9");
    EXPECT_EQ(g.ColCount(), 2);
    EXPECT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.GetGridCell(0, 0), "abcd");
    EXPECT_EQ(g.GetGridCell(1, 0), "efgh");
    EXPECT_EQ(g.GetGridCell(0, 1), "12");
    EXPECT_EQ(g.GetGridCell(1, 1), "34");
    EXPECT_EQ(g.GetGridCell(0, 2), "xy");
    EXPECT_EQ(g.GetGridCell(1, 2), "");

    TExStringGrid h;
    h.SetFixedCols(0);
    h.SetRowCount(1);
    h.LoadFromFixed(path, positions, false, 2);
    EXPECT_EQ(h.RowCount(), 2);
    EXPECT_EQ(h.GetGridCell(0, 1), " 12 ");

    EXPECT_THROW(h.LoadFromFixed(folder.file("missing.txt"), positions), EExGridError);
    TIntList one;
    one.Add(3);
    EXPECT_THROW(h.LoadFromFixed(path, one), EExGridError);
}

}  // namespace fixed_width_test
