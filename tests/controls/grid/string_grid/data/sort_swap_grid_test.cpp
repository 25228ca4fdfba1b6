#include <gtest/gtest.h>

#include "controls/grid/string_grid/ex_string_grid.h"

using namespace grid;

namespace sort_swap_grid_test {

// A 3 x 5 grid (one fixed row) with "c<col>r<row>" in every cell, an object
// per cell (100 + 10 * col + row), rows 1 and 3 of different heights, column 1
// sorted and the sort cross-reference at identity. SetUp runs again before
// each case of a table.
class SortSwapGrid : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.SetColCount(3);
        g.SetRowCount(5);
        for (int r = 0; r < 5; ++r) {
            for (int c = 0; c < 3; ++c) {
                g.SetCellEx(c, r, QString("c%1r%2").arg(c).arg(r));
                g.SetObjectEx(c, r, uintptr_t(100 + 10 * c + r));
            }
        }
        g.SetRowHeights(1, 30);
        g.SetRowHeights(3, 40);
        g.SortSettings().Column = 1;
        g.SortRowXRef().Clear();
        for (int r = 0; r < 5; ++r) g.SortRowXRef().Add(r);
        g.SortSettings().SingleColumn = false;
        g.SortRow = -1;
    }

    // Checks that row r of column c holds what row from held before the swap.
    void expectCellFrom(int c, int r, int from)
    {
        SCOPED_TRACE(QString("cell %1,%2").arg(c).arg(r).toStdString());
        EXPECT_EQ(g.GetCellEx(c, r), QString("c%1r%2").arg(c).arg(from));
        EXPECT_EQ(g.GetObjectEx(c, r), uintptr_t(100 + 10 * c + from));
    }

    TExStringGrid g;
};

}  // namespace sort_swap_grid_test
using namespace sort_swap_grid_test;

// ------------------------------------------------------------ whole rows or the sort column only

TEST_F(SortSwapGrid, WholeRowsOrOnlyTheSortColumnMove)
{
    struct Case {
        const char* name;
        bool singleColumn;
        int sortRowBefore;
        int sortRowAfter;
    };
    const Case cases[] = {
        {"whole rows, tracked row is the first", false, 1, 3},
        {"whole rows, tracked row is the second", false, 3, 1},
        {"whole rows, tracked row not swapped", false, 2, 2},
        {"whole rows, no tracked row", false, -1, -1},
        {"sort column only, the record stays", true, 1, 1},
        {"sort column only, other row", true, 3, 3},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.name);
        SetUp();
        g.SortSettings().SingleColumn = tc.singleColumn;
        g.SortRow = tc.sortRowBefore;
        const int swapsBefore = g.Swaps();

        g.SortSwapRows(1, 3);

        EXPECT_EQ(g.Swaps(), swapsBefore + 1);
        EXPECT_EQ(g.SortRowXRef()[1], 3);
        EXPECT_EQ(g.SortRowXRef()[3], 1);
        EXPECT_EQ(g.SortRow, tc.sortRowAfter);
        // The sort column always moves.
        expectCellFrom(1, 1, 3);
        expectCellFrom(1, 3, 1);
        // The other columns and the heights move only with whole rows.
        for (int c : {0, 2}) {
            expectCellFrom(c, 1, tc.singleColumn ? 1 : 3);
            expectCellFrom(c, 3, tc.singleColumn ? 3 : 1);
        }
        EXPECT_EQ(g.RowHeights(1), tc.singleColumn ? 30 : 40);
        EXPECT_EQ(g.RowHeights(3), tc.singleColumn ? 40 : 30);
        // Untouched rows stay.
        for (int c = 0; c < 3; ++c) expectCellFrom(c, 2, 2);
    }
}

TEST_F(SortSwapGrid, SingleColumnWithoutASortColumnOnlyCountsTheSwap)
{
    g.SortSettings().SingleColumn = true;
    g.SortSettings().Column = -1;
    g.SortSwapRows(1, 3);
    EXPECT_EQ(g.Swaps(), 1);
    EXPECT_EQ(g.SortRowXRef()[1], 3);
    for (int c = 0; c < 3; ++c) {
        expectCellFrom(c, 1, 1);
        expectCellFrom(c, 3, 3);
    }
}

TEST_F(SortSwapGrid, CrossReferenceMovesOnlyWhenBothRowsLieWithinIt)
{
    g.SortRowXRef().Clear();
    for (int r = 0; r < 3; ++r) g.SortRowXRef().Add(r);  // rows 0..2 only
    g.SortSwapRows(1, 3);
    EXPECT_EQ(g.SortRowXRef()[1], 1);
    EXPECT_EQ(g.Swaps(), 1);
    expectCellFrom(0, 1, 3);  // the rows are exchanged all the same
}

TEST_F(SortSwapGrid, SortSettingsCopyTheSingleColumnSwitch)
{
    TSortSettings copy;
    g.SortSettings().SingleColumn = true;
    copy.Assign(g.SortSettings());
    EXPECT_TRUE(copy.SingleColumn);
    EXPECT_EQ(copy.Column, 1);
}

// ------------------------------------------------------------ selection and modified marks

TEST_F(SortSwapGrid, SelectionAndModifiedMarksMoveOnlyWhenTheSettingsSaySo)
{
    struct Case {
        const char* name;
        bool disjunct;
        bool moveRowOnSort;
        bool showModified;
        bool selectionMoves;
        bool modifiedMoves;
    };
    const Case cases[] = {
        {"disjunct selection moved with the row", true, true, false, true, false},
        {"disjunct selection without move-row-on-sort stays", true, false, false, false, false},
        {"no disjunct selection: selection flags stay", false, true, false, false, false},
        {"modified marks shown move with the row", false, false, true, false, true},
        {"everything moves", true, true, true, true, true},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.name);
        SetUp();
        g.MouseActions().SetDisjunctRowSelectDirect(true);
        g.ClearRowSelect();
        g.SetRowSelect(1, true);
        g.SetRowModified(1, true);
        g.SetRowModified(3, false);
        g.MouseActions().SetDisjunctRowSelectDirect(tc.disjunct);
        g.Navigation().MoveRowOnSort = tc.moveRowOnSort;
        g.ShowModified().Enabled = tc.showModified;

        g.SortSwapRows(1, 3);

        g.MouseActions().SetDisjunctRowSelectDirect(true);  // to read the flags back
        EXPECT_EQ(g.RowSelect(1), !tc.selectionMoves);
        EXPECT_EQ(g.RowSelect(3), tc.selectionMoves);
        EXPECT_EQ(g.RowModified(1), !tc.modifiedMoves);
        EXPECT_EQ(g.RowModified(3), tc.modifiedMoves);
        expectCellFrom(0, 1, 3);
    }
}

TEST_F(SortSwapGrid, PlainRowSwapStillCarriesEveryMark)
{
    g.MouseActions().SetDisjunctRowSelectDirect(true);
    g.SetRowSelect(1, true);
    g.SetRowModified(1, true);
    g.SwapRows(1, 3);
    EXPECT_TRUE(g.RowSelect(3));
    EXPECT_FALSE(g.RowSelect(1));
    EXPECT_TRUE(g.RowModified(3));
    EXPECT_FALSE(g.RowModified(1));
    EXPECT_EQ(g.Swaps(), 0);  // only sort swaps are counted
}

TEST_F(SortSwapGrid, SelectionMovesByAllRowsIndexWhileRowsAreHidden)
{
    g.SetRowCount(6);
    g.MouseActions().SetDisjunctRowSelectDirect(true);
    g.Navigation().MoveRowOnSort = true;
    g.SetRowSelect(1, true);
    g.HideRow(2);  // display row 3 is now all-rows row 4
    g.SortSwapRows(1, 3);
    EXPECT_FALSE(g.RowSelect(1));
    EXPECT_FALSE(g.RowSelect(3));
    EXPECT_TRUE(g.RowSelect(4));
}
