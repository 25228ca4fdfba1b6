#include <vector>

#include <gtest/gtest.h>

#include <QApplication>

#include "controls/grid/string_grid/editing/editing_test_support.h"
#include "controls/grid/string_grid/ex_string_grid.h"

using namespace grid;

namespace {

// A shown grid 200 pixels wide with one fixed column left and one right:
// columns 40, 50, 60, 30.
struct SynchGrid {
    TExStringGrid grid;
    SynchGrid()
    {
        grid.SetColCount(4);
        grid.SetRowCount(3);
        grid.SetFixedRightCols(1);
        const int widths[] = {40, 50, 60, 30};
        for (int i = 0; i < 4; ++i) grid.SetColWidths(i, widths[i]);
        grid.resize(200, 100);
        grid.show();
        QApplication::processEvents();
    }
    void resizeTo(int w)
    {
        grid.resize(w, 100);
        QApplication::processEvents();
    }
    std::vector<int> widths() const
    {
        std::vector<int> out;
        for (int i = 0; i < grid.ColCount(); ++i) out.push_back(grid.ColWidths(i));
        return out;
    }
};

}  // namespace

TEST(ColumnSynch, RememberedWidthsScaleWithTheGridsWidth)
{
    struct Case {
        const char* name;
        bool synch;
        bool normalOnly;
        bool remember;        // InitOrigColSizes before resizing
        bool addColumnAfter;  // a fifth column (25 wide) added after remembering
        std::vector<int> resizes;
        std::vector<int> expect;
    };
    // Scaled widths are remembered width * new / 200, truncated.
    const Case cases[] = {
        {"off: widths stay", false, false, true, false, {300}, {40, 50, 60, 30}},
        {"nothing remembered: widths stay", true, false, false, false, {300}, {40, 50, 60, 30}},
        {"wider x1.5", true, false, true, false, {300}, {60, 75, 90, 45}},
        // 40*130/200 = 26, 50*130/200 = 32.5, 60*130/200 = 39, 30*130/200 = 19.5
        {"narrower x0.65 truncates halves", true, false, true, false, {130}, {26, 32, 39, 19}},
        // 66.6, 83.25, 99.9, 49.95: truncated, never rounded up
        {"x1.665 truncates, never rounds", true, false, true, false, {333}, {66, 83, 99, 49}},
        {"normal cells only: fixed left and right kept", true, true, true, false, {300}, {40, 75, 90, 30}},
        // each resize scales the remembered widths, not the current ones
        {"back to the remembered width: no drift", true, false, true, false, {333, 130, 200}, {40, 50, 60, 30}},
        {"a column added later is not scaled", true, false, true, true, {300}, {60, 75, 90, 45, 25}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SynchGrid s;
        s.grid.ColumnSize().SynchWithGrid = c.synch;
        s.grid.ColumnSize().SynchNormalCellsOnly = c.normalOnly;
        if (c.remember) {
            s.grid.InitOrigColSizes();
            EXPECT_EQ(s.grid.OldSize(), 200);
            EXPECT_EQ(s.grid.OrigColSizes(), (std::vector<int>{40, 50, 60, 30}));
        }
        if (c.addColumnAfter) {
            s.grid.SetColCount(5);
            s.grid.SetColWidths(4, 25);
        }
        for (int w : c.resizes) s.resizeTo(w);
        EXPECT_EQ(s.widths(), c.expect);
    }
}

TEST(ColumnSynch, ResizingClosesTheEditorOnlyWhenSynchronising)
{
    for (bool synch : {false, true}) {
        SCOPED_TRACE(synch ? "synch" : "no synch");
        editing_testing::EditingGrid g;
        g.grid->ColumnSize().SynchWithGrid = synch;
        g.grid->InitOrigColSizes();
        ASSERT_TRUE(g.show());
        g.open(2, 2);
        ASSERT_TRUE(g.grid->EditMode);
        g.grid->resize(600, 260);
        QApplication::processEvents();
        EXPECT_EQ(g.grid->EditMode, !synch);
        EXPECT_EQ(g.grid->ColWidths(2), synch ? 71 : 64);  // 64 * 600 / 540 = 71.1
    }
}
