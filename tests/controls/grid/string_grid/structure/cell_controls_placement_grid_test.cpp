#include <memory>

#include <gtest/gtest.h>

#include <QLineEdit>

#include "controls/grid/string_grid/ex_string_grid.h"

using namespace grid;

namespace {

// A shown grid of 3 x 30 rows of 20 pixels, 150 pixels high: rows 1..6 in view.
struct PlaceGrid {
    TExStringGrid grid;
    QLineEdit edit;  // declared after the grid: destroyed first, the grid only forgets it
    PlaceGrid()
    {
        grid.resize(300, 150);
        grid.SetColCount(3);
        grid.SetRowCount(30);
        grid.SetDefaultRowHeight(20);
        for (int r = 1; r < 30; ++r) grid.SetCellEx(1, r, QString::number(100 - r));
        grid.show();
    }
    QRect cellArea(int c, int r)
    {
        const platform::TRect cell = grid.CellRect(c, r);
        return QRect(cell.Left - 1, cell.Top - 1, cell.Width() + 1, cell.Height() + 1);
    }
};

}  // namespace

TEST(CellControlsPlacement, AControlFollowsScrollingHidingAndSorting)
{
    PlaceGrid s;
    s.grid.SetCellControls(2, 3, &s.edit);
    EXPECT_EQ(s.grid.GetCellControls(2, 3), &s.edit);
    EXPECT_EQ(s.grid.NumCellControls(), 1);
    EXPECT_EQ(s.edit.parentWidget(), s.grid.viewport());
    EXPECT_TRUE(s.edit.isVisible());
    EXPECT_EQ(s.edit.geometry(), s.cellArea(2, 3));

    // Scrolled out of view: hidden; back in view: placed again.
    s.grid.SetTopRow(10);
    EXPECT_FALSE(s.edit.isVisible());
    s.grid.SetTopRow(2);
    EXPECT_TRUE(s.edit.isVisible());
    EXPECT_EQ(s.edit.geometry(), s.cellArea(2, 3));
    s.grid.SetTopRow(1);

    // A hidden row hides it; shown again it returns.
    s.grid.HideRow(3);
    EXPECT_FALSE(s.edit.isVisible());
    s.grid.UnHideRow(3);
    s.grid.CellControlsUpdate(false);
    EXPECT_TRUE(s.edit.isVisible());
    EXPECT_EQ(s.edit.geometry(), s.cellArea(2, 3));

    // Sorting moves the row (text 97) to the end: the control follows its cell.
    s.grid.SortSettings().Column = 1;
    s.grid.SortSettings().Direction = sdAscending;
    s.grid.QSort();
    int row = -1;
    for (int r = 1; r < 30; ++r)
        if (s.grid.GetCellEx(1, r) == "97") row = r;
    ASSERT_GT(row, 20);
    EXPECT_EQ(s.grid.GetCellControls(2, row), &s.edit);
    EXPECT_FALSE(s.edit.isVisible());  // out of view now
    s.grid.SetTopRow(row - 2);
    EXPECT_TRUE(s.edit.isVisible());
    EXPECT_EQ(s.edit.geometry(), s.cellArea(2, row));
}

TEST(CellControlsPlacement, ClearingAControlForgetsItAndKeepsItAlive)
{
    PlaceGrid s;
    s.grid.SetCellControls(1, 2, &s.edit);
    s.grid.SetCellControls(1, 2, &s.edit);  // again: still one
    EXPECT_EQ(s.grid.NumCellControls(), 1);
    EXPECT_EQ(s.grid.CellControlList().Count(), 1);
    s.grid.SetCellControls(1, 2, nullptr);
    EXPECT_EQ(s.grid.NumCellControls(), 0);
    EXPECT_EQ(s.grid.CellControlList().Count(), 0);
    EXPECT_EQ(s.grid.GetCellControls(1, 2), nullptr);
    s.grid.SetCellControls(1, 2, nullptr);  // nothing to clear
    EXPECT_EQ(s.grid.NumCellControls(), 0);
    // No longer placed by the grid.
    s.edit.move(0, 0);
    s.grid.CellControlsUpdate(true);
    EXPECT_EQ(s.edit.pos(), QPoint(0, 0));
    EXPECT_EQ(s.grid.GetVersionString(), "6.2.1.3 Sep, 2012");
}
