// Highlighting and error marks in the cells of a string grid.

#include <gtest/gtest.h>

#include "controls/grid/string_grid/ex_string_grid.h"

using namespace grid;

namespace cell_tagging_test {

// 6 x 6 with a fixed row, a fixed column, a fixed footer row and a fixed
// right column; every cell holds "b<c,r>" (such as "b2,3").
struct TagGrid {
    TExStringGrid g;
    TagGrid()
    {
        g.SetColCount(6);
        g.SetRowCount(6);
        g.SetFixedFooters(1);
        g.SetFixedRightCols(1);
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 6; ++c) g.SetCellEx(c, r, Plain(c, r));
    }
    static QString Plain(int c, int r) { return QString("b%1,%2").arg(c).arg(r); }
    // The cells whose stored text is not their plain text.
    std::vector<QPoint> Changed()
    {
        std::vector<QPoint> cells;
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < g.AllColCount(); ++c)
                if (g.GetGridCell(c, r) != Plain(c, r)) cells.emplace_back(c, r);
        return cells;
    }
};

bool IsNormal(int c, int r) { return c >= 1 && c <= 4 && r >= 1 && r <= 4; }

TEST(CellTagging, DoFixedDecidesWhetherFixedCellsAreTouched)
{
    for (bool doFixed : {false, true}) {
        SCOPED_TRACE(doFixed ? "with fixed cells" : "normal cells only");
        TagGrid t;
        t.g.HilightInGrid(doFixed, false, "B");
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 6; ++c) {
                const QString plain = TagGrid::Plain(c, r);
                const bool tagged = doFixed || IsNormal(c, r);
                EXPECT_EQ(t.g.GetCellEx(c, r), tagged ? "<hi>b</hi>" + plain.mid(1) : plain) << c << "," << r;
            }
        t.g.UnHilightInGrid(doFixed);
        EXPECT_TRUE(t.Changed().empty());
    }
}

TEST(CellTagging, CaseOnlyOccurrencesAreWrittenAndEachRemovalKeepsTheOtherTag)
{
    TagGrid t;
    t.g.SetCellEx(2, 2, "Abc");
    t.g.HilightInCell(true, 2, 2, "ab");
    EXPECT_EQ(t.g.GetCellEx(2, 2), "Abc");
    t.g.HilightInCell(false, 2, 2, "ab");
    EXPECT_EQ(t.g.GetCellEx(2, 2), "<hi>Ab</hi>c");
    t.g.MarkInCell(false, 2, 2, "c");
    EXPECT_EQ(t.g.GetCellEx(2, 2), "<hi>Ab</hi><e>c</e>");
    t.g.UnHilightInGrid(false);
    EXPECT_EQ(t.g.GetCellEx(2, 2), "Ab<e>c</e>");
    t.g.HilightInCell(false, 2, 2, "b");
    t.g.UnMarkInGrid(false);
    EXPECT_EQ(t.g.GetCellEx(2, 2), "A<hi>b</hi>c");
    t.g.UnHilightInCell(2, 2);
    EXPECT_EQ(t.g.GetCellEx(2, 2), "Abc");
}

TEST(CellTagging, CellsWithoutOccurrenceAreLeftAsTheyAre)
{
    TagGrid t;
    t.g.SetCellEx(1, 1, "a<b & c");
    int writes = 0;
    t.g.OnCellsChanged = [&](QObject*, const QRect&) { ++writes; };
    t.g.HilightInGrid(false, false, "zz");
    EXPECT_EQ(t.g.GetCellEx(1, 1), "a<b & c") << "no entity encoding without an occurrence";
    t.g.HilightInCell(false, 1, 1, "c");
    EXPECT_EQ(t.g.GetCellEx(1, 1), "a&lt;b &amp; <hi>c</hi>");
    t.g.UnHilightInCell(1, 1);
    EXPECT_EQ(t.g.GetCellEx(1, 1), "a<b & c");
    t.g.UnMarkInGrid(true);
    EXPECT_EQ(t.Changed(), std::vector<QPoint>{QPoint(1, 1)});
}

TEST(CellTagging, ColumnAndRowRanges)
{
    TagGrid t;
    t.g.MarkInCol(false, false, 2, "b");
    t.g.HilightInRow(false, false, 3, "b");
    std::vector<QPoint> expected;
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 6; ++c)
            if ((c == 2 && r >= 1 && r <= 4) || (r == 3 && c >= 1 && c <= 4)) expected.emplace_back(c, r);
    EXPECT_EQ(t.Changed(), expected);
    EXPECT_EQ(t.g.GetCellEx(2, 3), "<e><hi>b</hi></e>2,3");
    t.g.UnMarkInCol(true, 2);
    t.g.UnHilightInRow(true, 3);
    EXPECT_TRUE(t.Changed().empty());
}

TEST(CellTagging, HiddenColumnsAreInTheSameRangeForTaggingAndRemoval)
{
    using Tag = void (TExStringGrid::*)(bool, bool, const QString&);
    using UnTag = void (TExStringGrid::*)(bool);
    struct Case {
        const char* name;
        Tag tag;
        UnTag untag;
    } cases[] = {
        {"highlight", &TExStringGrid::HilightInGrid, &TExStringGrid::UnHilightInGrid},
        {"mark", &TExStringGrid::MarkInGrid, &TExStringGrid::UnMarkInGrid},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TagGrid t;
        t.g.HideColumn(2);
        (t.g.*c.tag)(false, false, "b");
        EXPECT_NE(t.g.GetGridCell(2, 1), TagGrid::Plain(2, 1)) << "the hidden column is tagged";
        EXPECT_NE(t.g.GetGridCell(4, 1), TagGrid::Plain(4, 1)) << "so is the last normal column";
        EXPECT_EQ(t.g.GetGridCell(5, 1), TagGrid::Plain(5, 1)) << "the fixed right column is not";
        (t.g.*c.untag)(false);
        EXPECT_TRUE(t.Changed().empty());
    }
}

TEST(CellTagging, MergedCellsAreTaggedThroughTheirBaseCellOnly)
{
    TagGrid t;
    t.g.MergeCells(1, 1, 2, 1);
    t.g.SetGridCell(2, 1, "b covered");
    t.g.HilightInGrid(false, false, "b");
    EXPECT_EQ(t.g.GetGridCell(1, 1), "<hi>b</hi>1,1");
    EXPECT_EQ(t.g.GetGridCell(2, 1), "b covered");
}

TEST(CellTagging, TheStoredTextIsTaggedWhenTheGridShowsAnother)
{
    TagGrid t;
    t.g.OnGetDisplText = [](int, int, QString& v) { v = "shown " + v; };
    t.g.HilightInCell(false, 1, 1, "b");
    EXPECT_EQ(t.g.GetGridCell(1, 1), "<hi>b</hi>1,1");
    t.g.HilightInCell(false, 1, 2, "shown");
    EXPECT_EQ(t.g.GetGridCell(1, 2), "b1,2") << "the shown text is not the cell's";
}

}  // namespace cell_tagging_test
