// Find, find next, replace and the sort-column lookup of the string grid.

#include <gtest/gtest.h>

#include <vector>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/grid_text_utils.h"

using namespace grid;
using namespace grid::search;

namespace grid_finder_test {

using Cells = std::vector<QPoint>;

// A 5 x 5 grid (one fixed row and column): normal cells 1..4 x 1..4, with
//   (1,1) "b"   (2,1) "abc"   (1,2) "BOX"   (4,4) "b"
// and every other normal cell holding "x", except (1,3), which is empty.
struct FinderGrid {
    TExStringGrid g;
    FinderGrid()
    {
        g.SetColCount(5);
        g.SetRowCount(5);
        for (int r = 1; r < 5; ++r)
            for (int c = 1; c < 5; ++c) g.SetCellEx(c, r, "x");
        g.SetCellEx(1, 1, "b");
        g.SetCellEx(2, 1, "abc");
        g.SetCellEx(1, 2, "BOX");
        g.SetCellEx(4, 4, "b");
        g.SetCellEx(1, 3, "");
        g.SetCellEx(0, 2, "lbl");  // fixed column
        g.SetCellEx(3, 0, "hdr b");  // fixed row
    }
    // Every cell FindFirst and then FindNext give, until none is left.
    Cells All(const QString& text, TFindParams params)
    {
        Cells found;
        for (QPoint p = g.FindFirst(text, params); p != QPoint(-1, -1) && found.size() < 30; p = g.FindNext())
            found.push_back(p);
        return found;
    }
};

TEST(GridFinder, CellsAndTheirOrderForTheFlagCombinations)
{
    struct Case {
        const char* name;
        QString text;
        TFindParams params;
        Cells expected;
    } cases[] = {
        {"top to bottom, any case", "b", {}, {{1, 1}, {1, 2}, {2, 1}, {4, 4}}},
        {"left to right", "b", {fnDirectionLeftRight}, {{1, 1}, {2, 1}, {1, 2}, {4, 4}}},
        {"backward", "b", {fnBackward}, {{4, 4}, {2, 1}, {1, 2}, {1, 1}}},
        {"left to right backward", "b", {fnDirectionLeftRight, fnBackward}, {{4, 4}, {1, 2}, {2, 1}, {1, 1}}},
        {"match case", "b", {fnMatchCase}, {{1, 1}, {2, 1}, {4, 4}}},
        {"capital B without match case", "B", {}, {{1, 1}, {1, 2}, {2, 1}, {4, 4}}},
        {"whole cell", "b", {fnMatchFull}, {{1, 1}, {4, 4}}},
        {"start of cell", "b", {fnMatchStart}, {{1, 1}, {1, 2}, {4, 4}}},
        {"two double quotes find empty cells", "\"\"", {}, {{1, 3}}},
        {"fixed cells too", "b", {fnIncludeFixed}, {{0, 2}, {1, 1}, {1, 2}, {2, 1}, {3, 0}, {4, 4}}},
        {"filter condition", "b*", {fnMatchRegular}, {{1, 1}, {1, 2}, {4, 4}}},
        {"tags stripped", "bc", {fnIgnoreHTMLTags}, {{2, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FinderGrid t;
        EXPECT_EQ(t.All(c.text, c.params), c.expected);
        EXPECT_FALSE(t.g.FindBusy()) << "the search that found nothing more clears FindBusy";
    }
}

TEST(GridFinder, RestrictionsToRowsColumnsAndTheSelection)
{
    FinderGrid t;
    t.g.SetFindCol(1);
    EXPECT_EQ(t.All("b", {fnFindInPresetCol}), (Cells{{1, 1}, {1, 2}}));
    t.g.SetFindRow(1);
    EXPECT_EQ(t.All("b", {fnFindInPresetRow}), (Cells{{1, 1}, {2, 1}}));
    // The current row and column, also when the step would leave them.
    t.g.SetCol(2);
    t.g.SetRow(1);
    EXPECT_EQ(t.All("b", {fnFindInCurrentRow}), (Cells{{1, 1}, {2, 1}}));
    EXPECT_EQ(t.All("b", {fnFindInCurrentRow, fnDirectionLeftRight}), (Cells{{1, 1}, {2, 1}}));
    EXPECT_EQ(t.All("b", {fnFindInCurrentCol, fnDirectionLeftRight}), (Cells{{2, 1}}));
    t.g.SetSelection({2, 1, 4, 4});
    EXPECT_EQ(t.All("b", {fnSelectedCells}), (Cells{{2, 1}, {4, 4}}));
}

TEST(GridFinder, IgnoredColumnsAreSkippedRowByRowOnly)
{
    FinderGrid t;
    t.g.IgnoreColumns().Add(2);
    EXPECT_EQ(t.All("b", {fnDirectionLeftRight}), (Cells{{1, 1}, {1, 2}, {4, 4}}));
    EXPECT_EQ(t.All("b", {}), (Cells{{1, 1}, {1, 2}, {2, 1}, {4, 4}}));
}

TEST(GridFinder, HiddenColumnsAndRowsAreSearchedOnlyWhenAsked)
{
    FinderGrid t;
    t.g.HideColumn(2);  // "abc" leaves the display; display column 3 is storage column 3
    EXPECT_EQ(t.All("b", {}), (Cells{{1, 1}, {1, 2}, {3, 4}})) << "display columns";
    EXPECT_EQ(t.All("b", {fnIncludeHiddenColumns}), (Cells{{1, 1}, {1, 2}, {2, 1}, {4, 4}})) << "storage columns";

    FinderGrid h;
    h.g.HideRow(2);  // "BOX"
    EXPECT_EQ(h.All("b", {}), (Cells{{1, 1}, {2, 1}, {4, 3}})) << "display rows";
    EXPECT_EQ(h.All("b", {fnIncludeHiddenRows}), (Cells{{1, 1}, {1, 2}, {2, 1}, {4, 4}})) << "all-rows indexes";
}

TEST(GridFinder, AutoGotoMovesTheCurrentCellAndOpensACollapsedGroup)
{
    FinderGrid t;
    t.g.SetCol(3);
    t.g.SetRow(3);
    EXPECT_EQ(t.g.FindFirst("abc", {}), QPoint(2, 1));
    EXPECT_EQ(QPoint(t.g.Col(), t.g.Row()), QPoint(3, 3)) << "without fnAutoGoto the current cell stays";
    EXPECT_EQ(t.g.FindFirst("abc", {fnAutoGoto}), QPoint(2, 1));
    EXPECT_EQ(QPoint(t.g.Col(), t.g.Row()), QPoint(2, 1));

    FinderGrid n;
    n.g.SetColCount(6);
    n.g.SetCellEx(5, 2, "node");
    n.g.SetCellEx(5, 3, "inside");
    n.g.AddNode(2, 3);  // rows 2..4
    n.g.ContractNode(2);
    ASSERT_TRUE(n.g.IsHiddenRow(3));
    EXPECT_EQ(n.g.FindFirst("inside", {}), QPoint(-1, -1)) << "hidden rows are not searched";
    EXPECT_EQ(n.g.FindFirst("inside", {fnIncludeHiddenRows, fnAutoGoto}), QPoint(5, 3));
    EXPECT_FALSE(n.g.IsHiddenRow(3)) << "the group holding the found row opened";
    EXPECT_EQ(n.g.GetCellEx(5, n.g.Row()), "inside");
}

TEST(GridFinder, NothingFollowsTheLastCellOfTheArea)
{
    FinderGrid t;
    EXPECT_EQ(t.g.Find({4, 4}, "b", {}), QPoint(-1, -1));
    EXPECT_EQ(t.g.Find({1, 1}, "b", {fnBackward}), QPoint(-1, -1));
    EXPECT_EQ(t.g.Find({3, 4}, "b", {}), QPoint(4, 4));
}

TEST(GridFinder, WideFindReadsPackedWideTexts)
{
    FinderGrid t;
    t.g.SetCellEx(3, 2, PackWideText(QStringLiteral("\u03a9mega")));
    EXPECT_EQ(t.g.FindWide({-1, -1}, QStringLiteral("\u03c9MEGA"), {}), QPoint(3, 2));
    EXPECT_EQ(t.g.FindWide({-1, -1}, QStringLiteral("\u03c9MEGA"), {fnMatchCase}), QPoint(-1, -1));
    EXPECT_EQ(t.g.Find({-1, -1}, QStringLiteral("\u03a9mega"), {}), QPoint(-1, -1))
        << "the packed form is not the text";
}

TEST(GridReplace, EachCellAtMostOnceWhateverTheCaseOfTheReplacement)
{
    // A replaced cell still matches "a" ignoring case; a find restricted to
    // one row or column must not come back to it.
    struct Case {
        const char* name;
        TFindParams params;
        int expected;
    } cases[] = {
        {"top to bottom", {}, 3},
        {"left to right", {fnDirectionLeftRight}, 3},
        {"backward", {fnBackward}, 3},
        {"current row, column by column", {fnFindInCurrentRow}, 1},
        {"current column, row by row", {fnFindInCurrentCol, fnDirectionLeftRight}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TExStringGrid g;
        g.SetColCount(3);
        g.SetRowCount(3);
        g.SetCellEx(1, 1, "a");
        g.SetCellEx(2, 1, "banana");
        g.SetCellEx(2, 2, "Aa");
        g.SetCol(2);
        g.SetRow(2);
        EXPECT_EQ(g.Replace("a", "A", c.params), c.expected);
        if (c.expected == 3) {
            EXPECT_EQ(g.GetCellEx(1, 1), "A");
            EXPECT_EQ(g.GetCellEx(2, 1), "bAnAnA");
            EXPECT_EQ(g.GetCellEx(2, 2), "AA");
        }
    }
}

TEST(GridReplace, HonoursMatchCaseCountsChangedCellsAndWritesTheStoredText)
{
    TExStringGrid g;
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetCellEx(1, 1, "aA");
    g.SetCellEx(2, 1, "Ab");
    EXPECT_EQ(g.Replace("a", "x", {fnMatchCase}), 1);
    EXPECT_EQ(g.GetCellEx(1, 1), "xA");
    EXPECT_EQ(g.GetCellEx(2, 1), "Ab");
    EXPECT_EQ(g.Replace("A", "A", {}), 0) << "a cell whose text stays the same does not count";
    EXPECT_EQ(g.Replace("zzz", "y", {}), 0);

    g.OnGetDisplText = [](int, int r, QString& v) {
        if (r > 0) v = "shown " + v;
    };
    g.ShowModified().Enabled = true;
    EXPECT_EQ(g.Replace("b", "c", {}), 1);
    EXPECT_EQ(g.GetGridCell(2, 1), "Ac") << "the stored text is replaced, not the shown one";
    EXPECT_TRUE(g.RowModified(1));
}

TEST(GridSearch, FirstRowOfTheSortColumnStartingWithTheText)
{
    TExStringGrid g;
    g.SetColCount(3);
    g.SetRowCount(5);
    g.SetCellEx(1, 1, "<b>Alpha</b>");
    g.SetCellEx(1, 2, "beta");
    g.SetCellEx(1, 3, "Bear");
    g.SetCellEx(2, 1, "bee");
    EXPECT_EQ(g.Search("BE"), 2) << "the first normal column, tags stripped, upper-cased";
    EXPECT_EQ(g.Search("AL"), 1);
    EXPECT_EQ(g.Search("X"), -1);
    g.SortSettings().SetShow(true);
    g.SortSettings().Column = 2;
    EXPECT_EQ(g.Search("BE"), 1);
    g.SortSettings().Column = -1;
    EXPECT_EQ(g.Search("BE"), -1);
}

}  // namespace grid_finder_test
