// Grouping: the row layout with headers and summaries, the figures written
// into them, merging, ungrouping back to the original table and the second
// level with its undo.

#include <gtest/gtest.h>

#include "controls/grid/calc/table_grid.h"
#include "controls/grid/cells/cell_properties.h"

using namespace grid;
using grid_calc_testing::TableGrid;

namespace {

// Key (column 1), name (column 2), amount (column 3); unsorted on purpose.
std::vector<QStringList> sales()
{
    return {{"Key", "Name", "Amount"}, {"B", "b1", "4"}, {"A", "a1", "1"}, {"A", "a2", "2"}};
}

// One letter a row: H header, S summary, D data.
QString kinds(const TExStringGrid& g)
{
    QString out;
    for (int r = g.FixedRows(); r < g.RowCount(); ++r) out += g.IsNode(r) ? 'H' : g.IsSummary(r) ? 'S' : 'D';
    return out;
}

int level(const TExStringGrid& g, int row)
{
    const TCellProperties* props = g.CellPropertiesOrNull(0, row);
    return props != nullptr ? props->NodeLevel() : 0;
}

}  // namespace

TEST(Grouping, HeadersAboveEachRunAndTheColumnRemoved)
{
    // Column 2 holds A, A, B (after sorting).
    TableGrid t({{"N", "Key", "V"}, {"x", "B", "3"}, {"y", "A", "1"}, {"z", "A", "2"}});
    t.g.Group(2);
    EXPECT_EQ(t.g.GroupColumn(), 2);
    EXPECT_EQ(kinds(t.g), "HDDHD");
    EXPECT_EQ(t.g.ColCount(), 3);
    EXPECT_EQ(t.g.GetNodeSpan(1), 3);
    EXPECT_EQ(t.g.GetNodeSpan(4), 2);
    EXPECT_EQ(t.column(1), (QStringList{"A", "y", "z", "B", "x"}));
    EXPECT_EQ(t.column(2), (QStringList{"", "1", "2", "", "3"}));
    EXPECT_EQ(t.g.GetCellEx(2, 0), "V");
    EXPECT_EQ(level(t.g, 2), 1);
    EXPECT_EQ(t.g.Row(), 1);
}

TEST(Grouping, GroupingOnColumnOnePutsTheHeaderTextWhereColumnOneWillBe)
{
    TableGrid t(sales());
    t.g.Group(1);
    EXPECT_EQ(kinds(t.g), "HDDHD");
    EXPECT_EQ(t.column(1), (QStringList{"A", "a1", "a2", "B", "b1"}));
    EXPECT_EQ(t.column(2), (QStringList{"", "1", "2", "", "4"}));
}

TEST(Grouping, SummaryRowsAndWhereTheFiguresGo)
{
    struct Case {
        bool summary;
        QString layout;
        int firstTarget, secondTarget;
    };
    for (const Case& c : {Case{true, "HDDSHDS", 4, 7}, Case{false, "HDDHD", 1, 4}}) {
        TableGrid t(sales());
        t.g.FloatFormat = "%g";
        t.g.Grouping().Summary = c.summary;
        t.g.Group(1);
        ASSERT_EQ(kinds(t.g), c.layout) << c.summary;
        const int amount = 2;
        t.g.GroupSum(amount);
        EXPECT_EQ(t.g.GetCellEx(amount, c.firstTarget), "3") << c.summary;
        EXPECT_EQ(t.g.GetCellEx(amount, c.secondTarget), "4") << c.summary;
        t.g.GroupCount(amount);
        EXPECT_EQ(t.g.GetCellEx(amount, c.firstTarget), "2") << c.summary;
        EXPECT_EQ(t.g.GetCellEx(amount, c.secondTarget), "1") << c.summary;
        t.g.GroupAvg(amount);
        EXPECT_EQ(t.g.GetCellEx(amount, c.firstTarget), "1.5") << c.summary;
        t.g.GroupMax(amount);
        EXPECT_EQ(t.g.GetCellEx(amount, c.firstTarget), "2") << c.summary;
        t.g.GroupDistinct(1);
        EXPECT_EQ(t.g.GetCellEx(1, c.secondTarget), "1") << c.summary;
        // Unknown methods write nothing; collapsed groups are passed.
        t.g.GroupCalc(amount, 9);
        EXPECT_EQ(t.g.GetCellEx(amount, c.secondTarget), "4") << c.summary;
        // Collapsed groups are passed: only B (header row 2 or 3 now) is reached.
        t.g.ContractNode(t.g.RealRowIndex(1));
        ASSERT_EQ(kinds(t.g), c.summary ? "HSHDS" : "HHD");
        t.g.SetCellEx(amount, 2, "");
        t.g.OnGroupCalc = [](QObject*, int, int from, int to, double& res) { res = from * 100 + to; };
        t.g.GroupCustomCalc(amount);
        EXPECT_EQ(t.g.GetCellEx(amount, 2), c.summary ? "" : "303");
        if (c.summary) { EXPECT_EQ(t.g.GetCellEx(amount, 5), "404"); }
    }
}

TEST(Grouping, UnGroupGivesBackTheTableExactly)
{
    for (bool summary : {false, true}) {
        for (bool merge : {false, true}) {
            TableGrid t(sales());
            t.g.SetFixedFooters(1);
            t.g.SetCellEx(1, 3, "total");  // the footer row's text in the grouped column
            t.g.SetColWidths(1, 77);
            t.g.Grouping().Summary = summary;
            t.g.Grouping().MergeHeader = merge;
            t.g.Grouping().MergeSummary = merge;
            t.g.Grouping().HeaderColor = clRed;
            t.g.SortSettings().AutoSortForGrouping = false;
            t.g.Group(1);
            ASSERT_EQ(kinds(t.g), summary ? "HDSHDSD" : "HDHDD") << summary << merge;
            if (merge) { EXPECT_TRUE(t.g.IsMergedCell(1, 1)); }
            // Into the headers without summaries: a merged header keeps its text.
            t.g.GroupSum(2);
            t.g.UnGroup();
            EXPECT_EQ(t.g.GroupColumn(), -1);
            EXPECT_EQ(t.g.NumNodes(), 0);
            EXPECT_EQ(t.g.RowCount(), 4);
            EXPECT_EQ(t.g.ColCount(), 4);
            EXPECT_EQ(t.g.ColWidths(1), 77);
            EXPECT_EQ(t.column(1, 0), (QStringList{"Key", "B", "A", "total"})) << summary << merge;
            EXPECT_EQ(t.column(2, 0), (QStringList{"Name", "b1", "a1", "a2"}));
            EXPECT_EQ(t.column(3, 0), (QStringList{"Amount", "4", "1", "2"}));
            for (int r = 1; r < 4; ++r) {
                EXPECT_EQ(level(t.g, r), 0) << r;
                EXPECT_FALSE(t.g.IsMergedCell(1, r)) << r;
            }
        }
    }
}

TEST(Grouping, RefusedColumnsAndTheGroupColumnProperty)
{
    TableGrid t(sales());
    t.g.SetGroupColumn(0);
    t.g.SetGroupColumn(-1);
    t.g.SetGroupColumn(-3);
    t.g.Group(9);
    EXPECT_EQ(t.g.GroupColumn(), -1);
    EXPECT_EQ(t.g.RowCount(), 4);
    // Column 0 carries the node marks: never grouped, also without fixed columns.
    t.g.SetFixedCols(0);
    t.g.Group(0);
    EXPECT_EQ(t.g.GroupColumn(), -1);
    EXPECT_EQ(t.g.ColCount(), 4);
    t.g.SetGroupColumn(2);
    EXPECT_EQ(t.g.GroupColumn(), 2);
    // Regrouping on another column ungroups first.
    t.g.SetGroupColumn(1);
    EXPECT_EQ(t.g.GroupColumn(), 1);
    EXPECT_EQ(t.column(1), (QStringList{"A", "a1", "a2", "B", "b1"}));
    t.g.SetGroupColumn(-1);
    EXPECT_EQ(t.g.RowCount(), 4);
    EXPECT_EQ(t.column(1), (QStringList{"A", "A", "B"}));
}

TEST(Grouping, ExpandOneLeavesOnlyTheFirstGroupOpen)
{
    TableGrid t({{"K", "V"}, {"A", "1"}, {"B", "2"}, {"C", "3"}});
    t.g.CellNode().ExpandOne = true;
    t.g.Group(1);
    EXPECT_EQ(kinds(t.g), "HDHH");
    EXPECT_FALSE(t.g.GetNodeState(1));
    EXPECT_TRUE(t.g.GetNodeState(3));
    t.g.UnGroup();
    EXPECT_TRUE(t.g.CellNode().ExpandOne);
    EXPECT_EQ(t.column(1), (QStringList{"A", "B", "C"}));
}

TEST(Grouping, SubGroupInsideEachGroupAndItsUndo)
{
    // Region (1), city (2), amount (3).
    TableGrid t({{"R", "City", "Amt"},
                 {"N", "Oslo", "1"},
                 {"N", "Oslo", "2"},
                 {"N", "Bergen", "3"},
                 {"S", "Rome", "4"}});
    t.g.SortSettings().AutoSortForGrouping = false;
    t.g.Grouping().Summary = true;
    t.g.Group(1);
    ASSERT_EQ(kinds(t.g), "HDDDSHDS");
    // City is column 1 now; its texts go into the sub-headers' column 2.
    t.g.SubGroup(1);
    EXPECT_EQ(t.g.GroupColumn(), 1);
    EXPECT_EQ(t.g.SubGroupColumn(), 1);
    EXPECT_EQ(kinds(t.g), "HHDDHDSHHDS");
    EXPECT_EQ(t.column(2), (QStringList{"", "Oslo", "1", "2", "Bergen", "3", "", "", "Rome", "4", ""}));
    EXPECT_EQ(t.column(1), (QStringList{"N", "", "", "", "", "", "", "S", "", "", ""}));
    EXPECT_EQ(t.g.GetNodeSpan(1), 6);
    EXPECT_EQ(t.g.GetNodeSpan(2), 3);
    EXPECT_EQ(t.g.GetNodeSpan(5), 2);
    EXPECT_EQ(t.g.GetNodeSpan(8), 3);
    EXPECT_EQ(t.g.GetNodeSpan(9), 2);
    EXPECT_EQ(t.g.GetSubNodeCount(1), 2);
    EXPECT_EQ(t.g.GetSubNodeCount(8), 1);
    // Headers on level 1, sub-headers and their rows (the groups' last rows too) on level 2.
    const int levels[] = {1, 2, 2, 2, 2, 2, 0, 1, 2, 2, 0};
    for (int r = 1; r <= 11; ++r) EXPECT_EQ(level(t.g, r), levels[r - 1]) << r;
    // A sub-group folds inside its group.
    t.g.ContractNode(t.g.RealRowIndex(2));
    EXPECT_EQ(kinds(t.g), "HHHDSHHDS");
    t.g.ExpandNode(t.g.RealRowIndex(2));
    // The group's count leaves its sub-headers out.
    t.g.GroupCount(2);
    EXPECT_EQ(t.g.GetCellEx(2, 7), "3");

    t.g.SubUnGroup(1);
    EXPECT_EQ(t.g.SubGroupColumn(), -1);
    EXPECT_EQ(kinds(t.g), "HDDDSHDS");
    EXPECT_EQ(t.column(1), (QStringList{"N", "Oslo", "Oslo", "Bergen", "", "S", "Rome", ""}));
    EXPECT_EQ(t.g.GetNodeSpan(1), 4);
    EXPECT_EQ(t.g.GetNodeSpan(6), 2);
    EXPECT_EQ(t.g.GetSubNodeCount(1), 0);
    EXPECT_EQ(t.g.NumNodes(), 2);
    const int flat[] = {1, 1, 1, 1, 0, 1, 1, 0};
    for (int r = 1; r <= 8; ++r) EXPECT_EQ(level(t.g, r), flat[r - 1]) << r;

    // UnGroup after SubGroup takes the second level away and gives back the
    // main column with its own data.
    t.g.SubGroup(1);
    t.g.UnGroup();
    EXPECT_EQ(t.g.NumNodes(), 0);
    EXPECT_EQ(t.column(1, 0), (QStringList{"R", "N", "N", "N", "S"}));
    EXPECT_EQ(t.column(2, 0), (QStringList{"City", "Oslo", "Oslo", "Bergen", "Rome"}));
    EXPECT_EQ(t.column(3, 0), (QStringList{"Amt", "1", "2", "3", "4"}));
}

TEST(Grouping, MergedHeadersCarryTheColours)
{
    TableGrid t(sales());
    t.g.Grouping().MergeHeader = true;
    t.g.Grouping().HeaderColor = clYellow;
    t.g.Group(1);
    EXPECT_TRUE(t.g.IsMergedCell(1, 1));
    EXPECT_FALSE(t.g.IsBaseCell(2, 1));
    EXPECT_EQ(t.g.Colors(1, 1), clYellow);
    EXPECT_TRUE(t.g.IsBaseCell(2, 2));
}

TEST(Grouping, GroupFiguresSetTheFloatingFooterCalculation)
{
    TableGrid t(sales());
    t.g.Group(1);
    t.g.GroupSum(2);
    const TCellProperties* before = t.g.CellPropertiesOrNull(2, t.g.RowCount() - 1);
    EXPECT_TRUE(before == nullptr || before->CalcType() == acNONE);
    t.g.FloatingFooter().Visible = true;
    for (auto [calc, kind] : {std::pair{&TExStringGrid::GroupSum, acSUM}, {&TExStringGrid::GroupAvg, acAVG},
                              {&TExStringGrid::GroupMin, acMIN}, {&TExStringGrid::GroupMax, acMAX},
                              {&TExStringGrid::GroupCount, acCOUNT}}) {
        (t.g.*calc)(2);
        const TCellProperties* props = t.g.CellPropertiesOrNull(2, t.g.RowCount() - 1);
        ASSERT_NE(props, nullptr);
        EXPECT_EQ(props->CalcType(), kind);
    }
}

TEST(Grouping, HeadersShowTheirGroupCount)
{
    struct Case {
        QString format;
        QString first, second;
    };
    for (const Case& c : {Case{"", "A (2)", "B (1)"}, Case{" [%d rows]", "A [2 rows]", "B [1 rows]"}}) {
        TableGrid t(sales());
        t.g.Grouping().ShowGroupCount = true;
        t.g.Grouping().GroupCountFormat = c.format;
        t.g.Group(1);
        ASSERT_EQ(kinds(t.g), "HDDHD");
        EXPECT_EQ(t.g.GetCellEx(1, 1), c.first) << qPrintable(c.format);
        EXPECT_EQ(t.g.GetCellEx(1, 4), c.second) << qPrintable(c.format);
        EXPECT_EQ(t.g.Cells().Text(1, 1), "A");
        // Only column 1 of a header row.
        EXPECT_EQ(t.g.GetCellEx(1, 2), "a1");
        EXPECT_EQ(t.g.GetCellEx(2, 1), "");
        // Ungrouping gives back the values, not what the headers show.
        t.g.UnGroup();
        EXPECT_EQ(t.column(1), (QStringList{"A", "A", "B"})) << qPrintable(c.format);
    }
    // Sub-headers are left out of the count.
    TableGrid t({{"R", "City", "Amt"}, {"N", "Oslo", "1"}, {"N", "Oslo", "2"}, {"N", "Bergen", "3"}});
    t.g.SortSettings().AutoSortForGrouping = false;
    t.g.Grouping().ShowGroupCount = true;
    t.g.Group(1);
    t.g.SubGroup(1);
    ASSERT_EQ(kinds(t.g), "HHDDHD");
    EXPECT_EQ(t.g.GetCellEx(1, 1), "N (3)");
}
