#include <gtest/gtest.h>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/grid_error.h"

using namespace grid;

namespace sorting_settings_test {

TEST(SortingSettings, NewGridDefaults)
{
    TExStringGrid g;
    const TSortSettings& s = g.SortSettings();
    EXPECT_EQ(s.Column, -1);
    EXPECT_FALSE(s.Show());
    EXPECT_TRUE(s.Full);
    EXPECT_TRUE(s.AutoFormat);
    EXPECT_TRUE(s.AutoSortForGrouping);
    EXPECT_TRUE(s.SortOnVirtualCells);
    EXPECT_FALSE(s.IndexShow);
    EXPECT_FALSE(s.UndoSort);
    EXPECT_EQ(s.Row(), 0);
    EXPECT_EQ(s.IndexColor, clYellow);
    EXPECT_EQ(s.IndexSortKey, ikShift);
    EXPECT_EQ(s.Direction, sdAscending);
    EXPECT_EQ(s.InitSortDirection, sdAscending);
    EXPECT_EQ(s.BlankPos, blFirst);
    EXPECT_EQ(s.HeaderColor(), clNone);
    EXPECT_EQ(s.HeaderColorTo(), clNone);
    EXPECT_EQ(s.HeaderMirrorColor(), clNone);
    EXPECT_EQ(s.HeaderMirrorColorTo(), clNone);
    EXPECT_TRUE(s.UpGlyph.isNull());
    EXPECT_EQ(g.SortDir(), 0);
}

TEST(SortingSettings, SortRowMustBeAFixedRow)
{
    TExStringGrid g;
    g.SetRowCount(5);
    g.SetFixedRows(1);
    try {
        g.SortSettings().SetRow(1);
        FAIL() << "no exception";
    } catch (const EExGridError& e) {
        EXPECT_STREQ(e.what(), "Sort row should be smaller than number of fixed rows");
    }
    EXPECT_EQ(g.SortSettings().Row(), 0);
    g.SetFixedRows(2);
    g.SortSettings().SetRow(1);
    EXPECT_EQ(g.SortSettings().Row(), 1);
}

TEST(SortingSettings, AssignCopiesAllButCaseAndVirtualCells)
{
    TExStringGrid a, b;
    TSortSettings& s = a.SortSettings();
    s.Column = 2;
    s.Direction = sdDescending;
    s.IndexShow = true;
    s.Full = false;
    s.IgnoreBlanks = true;
    s.BlankPos = blLast;
    s.UndoSort = true;
    s.IndexSortKey = ikCtrl;
    s.IgnoreCase = true;
    s.SortOnVirtualCells = false;
    s.SetHeaderColor(0x00FF00);
    s.SetShow(true);
    QImage glyph(8, 8, QImage::Format_ARGB32);
    glyph.fill(Qt::red);
    s.UpGlyph = glyph;

    b.SortSettings().Assign(s);
    const TSortSettings& t = b.SortSettings();
    EXPECT_EQ(t.Column, 2);
    EXPECT_EQ(t.Direction, sdDescending);
    EXPECT_TRUE(t.IndexShow);
    EXPECT_FALSE(t.Full);
    EXPECT_TRUE(t.IgnoreBlanks);
    EXPECT_EQ(t.BlankPos, blLast);
    EXPECT_TRUE(t.UndoSort);
    EXPECT_EQ(t.IndexSortKey, ikCtrl);
    EXPECT_EQ(t.HeaderColor(), TColor(0x00FF00));
    EXPECT_TRUE(t.Show());
    EXPECT_EQ(t.UpGlyph, glyph);
    EXPECT_FALSE(t.IgnoreCase);
    EXPECT_TRUE(t.SortOnVirtualCells);
}

TEST(SortingSettings, ToggleDirectionAndRemoveNeverReorder)
{
    TExStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(4);
    g.SetCellEx(1, 1, "b");
    g.SetCellEx(1, 2, "c");
    g.SetCellEx(1, 3, "a");
    TSortSettings& s = g.SortSettings();
    s.ToggleDirection();
    EXPECT_EQ(s.Direction, sdDescending);
    s.ToggleDirection();
    EXPECT_EQ(s.Direction, sdAscending);
    g.SortIndexes().AddIndex(1, true);
    s.Column = 1;
    s.Remove();
    EXPECT_EQ(s.Column, -1);
    EXPECT_EQ(g.SortIndexes().Count(), 0);
    EXPECT_EQ(g.GetCellEx(1, 1), "b");
    EXPECT_EQ(g.GetCellEx(1, 3), "a");
}

TEST(SortingSettings, HeaderColourWithoutFixedRowsIsStored)
{
    TExStringGrid g;
    g.SetRowCount(3);
    g.SetFixedRows(0);
    g.SortSettings().SetHeaderMirrorColorTo(0x123456);
    EXPECT_EQ(g.SortSettings().HeaderMirrorColorTo(), TColor(0x123456));
}

TEST(SortingSettings, LookStylesReachTheHeaderColours)
{
    TExStringGrid g;
    g.SortSettings().SetHeaderColor(0x00FF00);
    // The look's colour set reads the settings.
    EXPECT_EQ(g.LookColors().SortHeaderColor, TColor(0x00FF00));
}

}  // namespace sorting_settings_test
