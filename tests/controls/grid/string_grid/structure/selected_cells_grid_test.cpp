#include <gtest/gtest.h>

#include "controls/grid/string_grid/ex_string_grid.h"

using namespace grid;

namespace {

// 6 x 8 cells, texts "c:r" (storage column and row).
struct SelGrid {
    TExStringGrid g;
    SelGrid()
    {
        g.SetColCount(6);
        g.SetRowCount(8);
        for (int c = 0; c < 6; ++c)
            for (int r = 0; r < 8; ++r) g.SetCellEx(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
    }
};

}  // namespace

TEST(SelectedCells, RangeSelectionListsCellsColumnByColumn)
{
    SelGrid s;
    s.g.SelectCells(2, 3, 3, 5);  // 2 columns x 3 rows
    EXPECT_EQ(s.g.SelectedCellsCount(), 6);
    const std::vector<platform::TGridCoord> expected = {{2, 3}, {2, 4}, {2, 5}, {3, 3}, {3, 4}, {3, 5}};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(s.g.SelectedCell(i), expected[size_t(i)]) << i;
    EXPECT_TRUE(s.g.GetSelectedCells(3, 4));
    EXPECT_FALSE(s.g.GetSelectedCells(4, 4));
    EXPECT_THROW(s.g.SelectedCell(6), std::runtime_error);

    // A single-cell selection counts the current cell.
    s.g.FocusCell(4, 6);
    s.g.SelectCells(4, 6, 4, 6);
    EXPECT_EQ(s.g.SelectedCellsCount(), 1);
    EXPECT_EQ(s.g.SelectedCell(0), (platform::TGridCoord{4, 6}));

    s.g.SelectCells(1, 2, 3, 4);
    EXPECT_EQ(s.g.GetSelectedRow(0), 2);
    EXPECT_EQ(s.g.GetSelectedRow(2), 4);
    EXPECT_EQ(s.g.GetSelectedRow(3), -1);
    EXPECT_EQ(s.g.SelectedColCount(), 3);
    EXPECT_EQ(s.g.SelectedRowCount(), 3);
    EXPECT_TRUE(s.g.IsSelected(2, 3));
    EXPECT_FALSE(s.g.IsSelected(0, 3));  // fixed column
    EXPECT_FALSE(s.g.IsSelected(2, 0));  // fixed row
    s.g.ClearSelectedCells();
    EXPECT_EQ(s.g.Selection(), (platform::TGridRect{1, 1, 1, 1}));
}

TEST(SelectedCells, DisjunctCellsRowsAndColumns)
{
    SelGrid s;
    s.g.MouseActions().SetDisjunctCellSelect(true);
    s.g.SetSelectedCells(2, 2, true);
    s.g.SetSelectedCells(4, 5, true);
    s.g.SetSelectedCells(2, 2, true);  // already there
    EXPECT_EQ(s.g.SelectedCellsCount(), 2);
    EXPECT_TRUE(s.g.IsSelected(4, 5));
    EXPECT_FALSE(s.g.IsSelected(3, 5));
    s.g.SetSelectedCells(2, 2, false);
    EXPECT_EQ(s.g.SelectedCellsCount(), 1);
    EXPECT_EQ(s.g.SelectedCell(0), (platform::TGridCoord{4, 5}));
    s.g.MouseActions().SetDisjunctCellSelect(false);

    s.g.MouseActions().SetDisjunctRowSelect(true);
    for (int r : {2, 4, 6}) s.g.SetRowSelect(r, true);
    EXPECT_EQ(s.g.SelectedRowCount(), 3);
    EXPECT_EQ(s.g.GetSelectedRow(1), 4);
    EXPECT_EQ(s.g.GetSelectedRow(3), -1);
    EXPECT_TRUE(s.g.IsSelected(1, 4));
    EXPECT_FALSE(s.g.IsSelected(1, 3));
    s.g.SelectCells(1, 2, 2, 2);
    // Three selected rows: the text ends with the last row's last cell.
    EXPECT_EQ(s.g.SelectedText(), "1:2\t2:2\r\n1:4\t2:4\r\n1:6\t2:6");
    s.g.MouseActions().SetDisjunctRowSelect(false);

    s.g.MouseActions().SetDisjunctColSelect(true);
    s.g.SetColSelect(3, true);
    EXPECT_TRUE(s.g.IsSelected(3, 1));
    EXPECT_FALSE(s.g.IsSelected(2, 1));
    EXPECT_EQ(s.g.SelectedColCount(), 1);
}

TEST(SelectedCells, CountsOverMergedCellsAndFooters)
{
    SelGrid s;
    s.g.MergeCells(1, 2, 3, 1);  // columns 1..3 of row 2
    s.g.SelectCells(1, 2, 2, 2);  // right edge inside the merged cell
    EXPECT_EQ(s.g.SelectedColCount(), 3);
    s.g.SelectCells(1, 2, 5, 2);
    EXPECT_EQ(s.g.SelectedColCount(), 5);
    s.g.MergeCells(4, 4, 2, 1);
    s.g.SelectCells(3, 4, 4, 4);  // the right cell covers one further column
    EXPECT_EQ(s.g.SelectedColCount(), 3);

    s.g.MergeCells(2, 5, 1, 3);  // rows 5..7 of column 2
    s.g.SelectCells(2, 5, 2, 6);
    EXPECT_EQ(s.g.SelectedRowCount(), 3);
    s.g.SetFixedFooters(1);
    s.g.SelectCells(3, 3, 3, 7);  // the bottom lies in the footer row
    EXPECT_EQ(s.g.SelectedRowCount(), 4);
}

TEST(SelectedCells, SelectedTextJoinsCellsAndQuotesMultiLineCells)
{
    SelGrid s;
    s.g.SetCellEx(1, 1, "a");
    s.g.SetCellEx(2, 1, "b");
    s.g.SetCellEx(1, 2, "c");
    s.g.SetCellEx(2, 2, "d");
    s.g.SelectCells(1, 1, 2, 2);
    EXPECT_EQ(s.g.SelectedText(), "a\tb\r\nc\td");

    // Hidden columns are skipped: the display columns read their storage columns.
    s.g.HideColumn(2);
    EXPECT_EQ(s.g.SelectedText(), "a\t3:1\r\nc\t3:2");
    s.g.UnHideColumn(2);

    s.g.SetCellEx(2, 2, "two\r\nlines");
    s.g.MultilineCells = true;
    EXPECT_EQ(s.g.SelectedText(), "a\tb\r\nc\ttwo\r\nlines");
    s.g.ExcelClipboardFormat = true;
    EXPECT_EQ(s.g.SelectedText(), "a\tb\r\nc\t\"two\vlines\"");

    // Whole rows with row select and entire rows.
    s.g.SetOptions(s.g.Options() | platform::goRowSelect);
    s.g.OleEntireRows = true;
    s.g.SelectCells(1, 3, 1, 3);
    EXPECT_EQ(s.g.SelectedText(), "0:3\t1:3\t2:3\t3:3\t4:3\t5:3");
}

TEST(SelectedCells, ClearModifiedRows)
{
    SelGrid s;
    s.g.SetRowModified(2, true);
    s.g.SetRowModified(5, true);
    ASSERT_EQ(s.g.ModifiedRowCount(), 2);
    s.g.ClearModifiedRows();
    EXPECT_EQ(s.g.ModifiedRowCount(), 0);
    EXPECT_FALSE(s.g.RowModified(2));
}
