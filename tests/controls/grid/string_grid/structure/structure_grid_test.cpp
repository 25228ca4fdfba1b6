#include <gtest/gtest.h>

#include <QFontMetrics>

#include "controls/grid/string_grid/ex_string_grid.h"

using namespace grid;

namespace {

void stFill(TExStringGrid& g)
{
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.AllColCount(); ++c) g.SetCellEx(c, r, QString("%1,%2").arg(c).arg(r));
}

// Column 1 of every display row.
QStringList stColumn(const TExStringGrid& g, int c = 1)
{
    QStringList texts;
    for (int r = 0; r < g.RowCount(); ++r) texts << g.GetCellEx(c, r);
    return texts;
}

// A row marked in every way a row can be marked: text, colour, height,
// modified flag, selection flag.
void stMarkRow(TExStringGrid& g, int r)
{
    g.SetCellEx(1, r, "marked");
    g.SetColors(2, r, 0x00102030);
    g.SetRowHeights(r, 40);
    g.SetRowModified(r, true);
    g.SetRowSelect(r, true);
}

void stExpectMarked(TExStringGrid& g, int r)
{
    SCOPED_TRACE(r);
    EXPECT_EQ(g.GetCellEx(1, r), "marked");
    EXPECT_EQ(g.Colors(2, r), 0x00102030u);
    EXPECT_EQ(g.RowHeights(r), 40);
    EXPECT_TRUE(g.RowModified(r));
    EXPECT_TRUE(g.RowSelect(r));
}

void stExpectPlain(TExStringGrid& g, int r)
{
    SCOPED_TRACE(r);
    EXPECT_NE(g.GetCellEx(1, r), "marked");
    EXPECT_FALSE(g.HasCellProperties(2, r));
    EXPECT_EQ(g.RowHeights(r), g.DefaultRowHeight());
    EXPECT_FALSE(g.RowModified(r));
    EXPECT_FALSE(g.RowSelect(r));
}

}  // namespace

// ------------------------------------------------------------ rows

TEST(GridStructureRows, EverythingARowCarriesMovesOnInsertDeleteAndSwap)
{
    TExStringGrid g;
    g.ShowModified().Enabled = true;
    g.MouseActions().SetDisjunctRowSelect(true);
    stFill(g);
    stMarkRow(g, 4);

    g.InsertRows(2, 2);
    stExpectMarked(g, 6);
    stExpectPlain(g, 2);
    stExpectPlain(g, 3);
    stExpectPlain(g, 4);

    g.RemoveRows(1, 3);
    stExpectMarked(g, 3);
    stExpectPlain(g, 4);

    g.SwapRows(3, 7);
    stExpectMarked(g, 7);
    stExpectPlain(g, 3);
    EXPECT_EQ(g.GetCellEx(1, 3), "1,8");
    EXPECT_EQ(g.RowCount(), 9);
}

TEST(GridStructureRows, RemovingRowsMovesHiddenColumnCellsAndKeepsTheLastWidth)
{
    TExStringGrid g;
    stFill(g);
    g.HideColumn(2);
    g.SetColWidths(g.ColCount() - 1, 91);
    g.RemoveRows(3, 2);
    EXPECT_EQ(g.RowCount(), 8);
    EXPECT_EQ(g.GetCellEx(2, 3), "2,5");  // the hidden column moved up too
    EXPECT_EQ(g.GetCellEx(4, 3), "4,5");
    EXPECT_EQ(g.ColWidths(g.ColCount() - 1), 91);
    g.UnHideColumn(2);
    EXPECT_EQ(g.GetCellEx(2, 7), "2,9");
}

TEST(GridStructureRows, RemovingTheCurrentLastRowMakesTheNewLastRowCurrent)
{
    TExStringGrid g;
    g.SetRow(9);
    g.RemoveRows(9, 1);
    EXPECT_EQ(g.Row(), 8);
    g.SetRow(3);
    g.RemoveRows(5, 2);
    EXPECT_EQ(g.Row(), 3);
}

TEST(GridStructureRows, RowsAroundHiddenRowsKeepTheirPlaces)
{
    TExStringGrid g;
    stFill(g);
    g.HideRow(6);
    g.InsertRows(2, 1);
    EXPECT_TRUE(g.IsHiddenRow(7));
    g.RemoveRows(1, 2);  // all-rows 1 and 2 go
    EXPECT_TRUE(g.IsHiddenRow(5));
    g.UnHideRowsAll();
    EXPECT_EQ(g.GetCellEx(1, 5), "1,6");
    EXPECT_EQ(g.GetCellEx(1, 4), "1,5");
}

TEST(GridStructureRows, DuplicatesSelectionAndAddRow)
{
    TExStringGrid g;
    g.SetRowCount(5);
    g.SetCellEx(1, 1, "alpha");
    g.SetCellEx(1, 2, "ALPHA");
    g.SetCellEx(1, 3, "beta");
    g.SetCellEx(1, 4, "Beta");
    g.RemoveDuplicates(1, true);
    EXPECT_EQ(stColumn(g), (QStringList{"", "alpha", "beta"}));

    g.AddRow();
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.GetCellEx(1, 3), "");

    g.SetCellEx(1, 3, "gamma");
    g.SetSelection({1, 1, 2, 2});
    g.RemoveSelectedRows();
    EXPECT_EQ(stColumn(g), (QStringList{"", "gamma"}));
}

// ------------------------------------------------------------ columns

TEST(GridStructureColumns, RemoveAndInsertColumnsKeepWidthsAndVisibility)
{
    TExStringGrid g;
    stFill(g);
    g.SetColWidths(1, 31);
    g.SetColWidths(3, 33);
    g.SetColWidths(4, 34);
    g.RemoveCols(2, 1);
    EXPECT_EQ(g.ColCount(), 4);
    EXPECT_EQ(g.GetCellEx(2, 1), "3,1");
    EXPECT_EQ(g.ColWidths(1), 31);
    EXPECT_EQ(g.ColWidths(2), 33);
    EXPECT_EQ(g.ColWidths(3), 34);

    g.HideColumn(2);
    g.RemoveCols(3, 10);  // cut to the last storage column
    EXPECT_EQ(g.AllColCount(), 3);
    EXPECT_TRUE(g.IsHiddenColumn(2));
    EXPECT_EQ(g.GetCellEx(2, 1), "3,1");

    g.InsertCols(1, 2);
    EXPECT_EQ(g.ColCount(), 4);
    EXPECT_EQ(g.ColWidths(1), g.DefaultColWidth());
    EXPECT_EQ(g.ColWidths(3), 31);
    EXPECT_EQ(g.GetCellEx(3, 1), "1,1");
    EXPECT_TRUE(g.IsHiddenColumn(4));
    EXPECT_EQ(g.GetCellEx(4, 1), "3,1");
}

TEST(GridStructureColumns, MergeColsJoinsTheTextsAndRemovesTheSecond)
{
    TExStringGrid g;
    g.SetCellEx(1, 1, "a");
    g.SetCellEx(2, 1, "b");
    g.SetCellEx(3, 1, "c");
    g.MergeCols(1, 2, ", ");
    EXPECT_EQ(g.GetCellEx(1, 1), "a, b");
    EXPECT_EQ(g.GetCellEx(2, 1), "c");
    EXPECT_EQ(g.ColCount(), 4);
}

// ------------------------------------------------------------ clearing

TEST(GridClearing, RowsColumnsAndNormalCells)
{
    TExStringGrid g;
    stFill(g);
    g.HideColumn(3);
    g.SetColors(3, 2, 0x00010203);
    g.ClearRows(2, 1);
    EXPECT_EQ(g.GetCellEx(3, 2), "");  // hidden column cleared too
    EXPECT_FALSE(g.HasCellProperties(3, 2));
    EXPECT_EQ(g.GetCellEx(3, 3), "3,3");
    g.ClearNormalRows(4, 1);
    EXPECT_EQ(g.GetCellEx(0, 4), "0,4");
    EXPECT_EQ(g.GetCellEx(1, 4), "");
    g.ClearNormalCells();
    EXPECT_EQ(g.GetCellEx(1, 0), "1,0");
    EXPECT_EQ(g.GetCellEx(0, 5), "0,5");
    EXPECT_EQ(g.GetCellEx(3, 5), "");
    g.Clear();
    EXPECT_EQ(g.GetCellEx(0, 0), "");
}

TEST(GridClearing, TrimMergeSplitAndFind)
{
    TExStringGrid g;
    g.SetCellEx(1, 1, "  a\t");
    g.SetCellEx(2, 1, "\tb ");
    g.TrimRow(1);
    EXPECT_EQ(g.GetCellEx(1, 1), "a");
    EXPECT_EQ(g.GetCellEx(2, 1), "b");

    g.SetRowCount(6);
    for (int r : {1, 2}) g.SetCellEx(3, r, "x");
    for (int r : {3, 4, 5}) g.SetCellEx(3, r, "y");
    g.MergeColumnCells(3, true);
    EXPECT_EQ(g.CellSpan(3, 1), QPoint(0, 1));
    EXPECT_EQ(g.CellSpan(3, 3), QPoint(0, 2));
    g.SplitColumnCells(3);
    EXPECT_FALSE(g.IsMergedCell(3, 1));

    g.SetCellEx(4, 2, "needle");
    g.HideColumn(1);
    int c = -1;
    int r = -1;
    EXPECT_FALSE(g.IsCell("needle", c, r));  // storage column 4 lies beyond ColCount now
    g.UnHideColumn(1);
    EXPECT_TRUE(g.IsCell("needle", c, r));
    EXPECT_EQ(QPoint(c, r), QPoint(4, 2));
}

// ------------------------------------------------------------ sizing

TEST(GridSizing, AutoSizeMeasuresWithTheFontTheCellIsPaintedWith)
{
    TExStringGrid g;
    const QString text = "A rather long cell text";
    g.SetCellEx(2, 3, text);
    g.OnGetCellColor = [](QObject*, int ARow, int ACol, platform::TGridDrawState, platform::TBrush&,
                          platform::TFont& f) {
        if (ACol == 2 && ARow > 0) {
            f.setBold(true);
            f.setPointSize(16);
        }
    };
    QFont used = ToCanvasFont(g.Font());
    used.setBold(true);
    used.setPointSize(16);
    const int padding = 2 * g.XYOffset.x() + 2 * g.GridLineWidth() + 2;
    g.AutoSizeCol(2);
    EXPECT_EQ(g.ColWidths(2), QFontMetrics(used).horizontalAdvance(text) + padding);
    g.AutoSizeCol(2, 5);
    EXPECT_EQ(g.ColWidths(2), QFontMetrics(used).horizontalAdvance(text) + padding + 5);

    g.SetCellEx(2, 0, "H");
    g.ColumnSize().Rows = arFixed;
    g.AutoSizeCol(2);
    EXPECT_EQ(g.ColWidths(2), QFontMetrics(ToCanvasFont(g.FixedFont())).horizontalAdvance("H") + padding);
}

TEST(GridSizing, GrowOnlyLimitsAndEmptyColumns)
{
    TExStringGrid g;
    const int padding = 2 * g.XYOffset.x() + 2 * g.GridLineWidth() + 2;
    g.SetColWidths(1, 200);
    g.SizeGrowOnly = true;
    g.AutoSizeCol(1);
    EXPECT_EQ(g.ColWidths(1), 200);
    g.SizeGrowOnly = false;
    g.AutoSizeCol(1);
    EXPECT_EQ(g.ColWidths(1), padding);
    g.MinColWidth = 30;
    g.AutoSizeCol(1);
    EXPECT_EQ(g.ColWidths(1), 30);
}

TEST(GridSizing, RowsWithCheckBoxesTakeAtLeastTheDefaultHeight)
{
    TExStringGrid g;
    g.SetRowHeights(2, 5);
    g.AddCheckBox(1, 2, true, false);
    g.AutoSizeRow(2);
    EXPECT_GE(g.RowHeights(2), g.DefaultRowHeight());
    g.SetCellEx(1, 3, "line one\nline two");
    g.AutoSizeRow(3);
    const QFontMetrics metrics(ToCanvasFont(g.Font()));
    EXPECT_EQ(g.RowHeights(3), 2 * metrics.height() + 2 * g.XYOffset.y() + 2 * g.GridLineWidth());
}

TEST(GridSizing, NumberingAndZoom)
{
    TExStringGrid g;
    g.SetRowCount(11);
    g.AutoNumberStart = 2;
    g.AutoNumberCol(1);
    EXPECT_EQ(g.GetCellEx(1, 2), "");
    EXPECT_EQ(g.GetCellEx(1, 3), "3");
    EXPECT_EQ(g.GetCellEx(1, 10), "10");
    g.AutoNumberAscending = false;
    g.AutoNumberCol(2);
    EXPECT_EQ(g.GetCellEx(2, 8), "3");
    EXPECT_EQ(g.GetCellEx(2, 1), "10");

    const int width = g.ColWidths(1);
    for (int i = 0; i < 11; ++i) g.Zoom(1);
    EXPECT_EQ(g.ZoomFactor, 10);
    EXPECT_EQ(g.ColWidths(1), width + 10);
}

TEST(GridSizing, SwapColumnsAndRowsTakeHiddenCellsAlong)
{
    TExStringGrid g;
    stFill(g);
    g.HideColumn(4);
    g.SwapRows(1, 2);
    EXPECT_EQ(g.GetCellEx(4, 1), "4,2");
    EXPECT_EQ(g.GetCellEx(1, 1), "1,2");
    g.SetColWidths(1, 11);
    g.SetColWidths(2, 22);
    g.SwapColumns(1, 2);
    EXPECT_EQ(g.GetCellEx(1, 3), "2,3");
    EXPECT_EQ(g.ColWidths(1), 22);
    EXPECT_EQ(g.ColWidths(2), 11);
}

TEST(GridSizing, CellsAndControlFollowTheirContents)
{
    TExStringGrid g;
    g.SetCellEx(1, 2, "wide text in one cell");
    g.SetColWidths(1, 10);
    g.AutoSizeCells(false, 4, 0);
    const QFontMetrics metrics(ToCanvasFont(g.Font()));
    EXPECT_EQ(g.ColWidths(1), metrics.horizontalAdvance("wide text in one cell") + 4 + g.XYOffset.x());

    g.show();
    g.SizeToCells();
    int widths = 0;
    for (int c = 0; c < g.ColCount(); ++c) widths += g.ColWidths(c);
    int heights = 0;
    for (int r = 0; r < g.RowCount(); ++r) heights += g.RowHeights(r);
    EXPECT_EQ(g.viewport()->width(), widths);
    EXPECT_EQ(g.viewport()->height(), heights);
}

TEST(GridStructureRows, DisjunctSelectionRemovesExactlyTheSelectedRows)
{
    TExStringGrid g;
    stFill(g);
    g.MouseActions().SetDisjunctRowSelect(true);
    g.SetRowSelect(2, true);
    g.SetRowSelect(5, true);
    g.RemoveSelectedRows();
    EXPECT_EQ(g.RowCount(), 8);
    EXPECT_EQ(stColumn(g), (QStringList{"1,0", "1,1", "1,3", "1,4", "1,6", "1,7", "1,8", "1,9"}));
    EXPECT_EQ(g.RowSelectCount(), 0);

    g.SetRowSelect(1, true);
    g.SetRowSelect(3, true);
    g.RemoveUnSelectedRows();
    EXPECT_EQ(stColumn(g), (QStringList{"1,0", "1,1", "1,4"}));
}

TEST(GridStructureColumns, UnselectedColumnsOfTheSelectionRectangleGo)
{
    TExStringGrid g;
    g.SetColCount(6);
    stFill(g);
    g.SetSelection({2, 1, 3, 1});
    g.RemoveUnSelectedCols();
    EXPECT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.GetCellEx(0, 1), "0,1");
    EXPECT_EQ(g.GetCellEx(1, 1), "2,1");
    EXPECT_EQ(g.GetCellEx(2, 1), "3,1");
}
