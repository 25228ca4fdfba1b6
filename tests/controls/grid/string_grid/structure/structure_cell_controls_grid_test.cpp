#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include <QWidget>

#include "controls/grid/string_grid/ex_string_grid.h"

using namespace grid;

namespace {

// The grid with one control per listed cell (storage column, all-rows index).
struct SccGrid {
    TExStringGrid grid;
    std::vector<std::unique_ptr<QWidget>> controls;

    QWidget* place(int c, int r)
    {
        controls.push_back(std::make_unique<QWidget>());
        grid.CellControlList().AddControl(c, r, controls.back().get());
        return controls.back().get();
    }
    // The cell of a control; (-1, -1) when the grid forgot it.
    QPoint cellOf(const QWidget* w)
    {
        const TControlList& list = grid.CellControlList();
        for (int i = 0; i < list.Count(); ++i)
            if (list.GetControl(i)->Control == w) return QPoint(list.GetControl(i)->X, list.GetControl(i)->Y);
        return QPoint(-1, -1);
    }
};

}  // namespace

TEST(StructureCellControls, ControlsMoveWithTheirRowsOnInsertRemoveSwapAndMove)
{
    SccGrid s;
    s.grid.SetRowCount(10);
    QWidget* a = s.place(1, 2);
    QWidget* b = s.place(2, 5);
    QWidget* c = s.place(1, 8);

    s.grid.InsertRows(3, 2);  // below row 2, above rows 5 and 8
    EXPECT_EQ(s.cellOf(a), QPoint(1, 2));
    EXPECT_EQ(s.cellOf(b), QPoint(2, 7));
    EXPECT_EQ(s.cellOf(c), QPoint(1, 10));

    s.grid.SwapRows(2, 7);
    EXPECT_EQ(s.cellOf(a), QPoint(1, 7));
    EXPECT_EQ(s.cellOf(b), QPoint(2, 2));

    s.grid.MoveRows(2, 5, 1);  // row 2 ends up at row 4
    EXPECT_EQ(s.cellOf(b), QPoint(2, 4));
    EXPECT_EQ(s.cellOf(a), QPoint(1, 7));

    // Removing a control's row hides it and forgets it; the rows below move up.
    a->show();
    s.grid.RemoveRows(6, 2);
    EXPECT_EQ(s.cellOf(a), QPoint(-1, -1));
    EXPECT_TRUE(a->isHidden());
    EXPECT_EQ(s.cellOf(c), QPoint(1, 8));
    EXPECT_EQ(s.cellOf(b), QPoint(2, 4));

    s.grid.DeleteRowsInternal(4, 1);
    EXPECT_EQ(s.cellOf(b), QPoint(-1, -1));
    EXPECT_EQ(s.cellOf(c), QPoint(1, 7));
    EXPECT_EQ(s.grid.CellControlList().Count(), 1);

    s.grid.InsertRows(0, 1, false);  // asked to leave the controls alone
    EXPECT_EQ(s.cellOf(c), QPoint(1, 7));
}

TEST(StructureCellControls, ControlsOfHiddenRowsKeepTheirPlacesAmongAllRows)
{
    SccGrid s;
    s.grid.SetRowCount(10);
    QWidget* hiddenRowControl = s.place(1, 4);
    QWidget* below = s.place(1, 7);
    s.grid.HideRow(4);
    EXPECT_EQ(s.cellOf(hiddenRowControl), QPoint(1, 4));
    // Display row 2 removed: the hidden row and the row below move up among all rows.
    s.grid.RemoveRows(2, 1);
    EXPECT_EQ(s.cellOf(hiddenRowControl), QPoint(1, 3));
    EXPECT_EQ(s.cellOf(below), QPoint(1, 6));
    s.grid.UnHideRowsAll();
    EXPECT_EQ(s.grid.RealRowIndex(3), 3);
}

TEST(StructureCellControls, ControlsFollowTheirColumns)
{
    SccGrid s;
    s.grid.SetColCount(6);
    QWidget* a = s.place(1, 1);
    QWidget* b = s.place(3, 1);
    QWidget* c = s.place(4, 2);
    s.grid.InsertCols(2, 1);
    EXPECT_EQ(s.cellOf(a), QPoint(1, 1));
    EXPECT_EQ(s.cellOf(b), QPoint(4, 1));
    EXPECT_EQ(s.cellOf(c), QPoint(5, 2));
    s.grid.SwapColumns(1, 5);
    EXPECT_EQ(s.cellOf(a), QPoint(5, 1));
    EXPECT_EQ(s.cellOf(c), QPoint(1, 2));
    s.grid.RemoveCols(4, 1);
    EXPECT_EQ(s.cellOf(b), QPoint(-1, -1));
    EXPECT_EQ(s.cellOf(a), QPoint(4, 1));
    EXPECT_EQ(s.cellOf(c), QPoint(1, 2));
}

TEST(StructureTopRow, RemovingRowsNearTheEndLeavesNoEmptySpaceBelowTheLastRow)
{
    TExStringGrid g;
    g.SetRowCount(40);
    g.resize(300, 10 * g.DefaultRowHeight() + 40);
    g.show();
    const int visible = g.VisibleRowCount();
    ASSERT_GT(visible, 3);
    ASSERT_LT(visible, 30);
    g.SetRow(39);
    g.SetTopRow(39 - visible + 1);
    const int topBefore = g.TopRow();
    g.RemoveRows(20, 10);  // 30 rows left
    EXPECT_EQ(g.TopRow(), 30 - visible);  // the last row at the bottom, whole
    EXPECT_LT(g.TopRow(), topBefore);
    // Far from the end the top row stays.
    g.SetTopRow(3);
    g.RemoveRows(25, 1);
    EXPECT_EQ(g.TopRow(), 3);
}

namespace {
class SccNotifyingGrid : public TExStringGrid {
public:
    std::vector<std::pair<int, int>> notes;
    void ExportNotification(TGridExportState AState, int ARow) override { notes.emplace_back(int(AState), ARow); }
};
}  // namespace

TEST(StructureSizingNotifications, AutoSizeRowsReportsStartEachRowAndDone)
{
    SccNotifyingGrid g;
    g.SetRowCount(4);
    g.AutoSizeRows(false);
    const std::vector<std::pair<int, int>> expected = {{TExStringGrid::esExportStart, 1},
                                                       {TExStringGrid::esExportNextRow, 1},
                                                       {TExStringGrid::esExportNextRow, 2},
                                                       {TExStringGrid::esExportNextRow, 3},
                                                       {TExStringGrid::esExportDone, -1}};
    EXPECT_EQ(g.notes, expected);
    g.notes.clear();
    g.AutoSizeRows(true);
    ASSERT_FALSE(g.notes.empty());
    EXPECT_EQ(g.notes.front(), std::make_pair(int(TExStringGrid::esExportStart), 0));
    EXPECT_EQ(g.notes.size(), 6u);
}

TEST(StructureSizingNotifications, AutoSizeColAsksTheSizeHookBeforeWriting)
{
    TExStringGrid g;
    g.SetCellEx(1, 1, "some text");
    std::vector<int> asked;
    g.OnUpdateColumnSize = [&](QObject*, int ACol, int& AWidth) {
        asked.push_back(ACol);
        AWidth = 77;
    };
    g.AutoSizeCol(1);
    EXPECT_EQ(asked, std::vector<int>{1});
    EXPECT_EQ(g.ColWidths(1), 77);
}
