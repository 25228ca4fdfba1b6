// Moving columns and rows with the mouse and by code: the widths, heights,
// cells, current column, sort column and hidden columns follow; the events
// fire once; the vetoes stop the move; the footer row stays; synchronised
// grids move each other once; the drag shows its images and arrows.

#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QPainterPath>

#include "controls/grid/dragdrop/grid_drag_drop.h"
#include "controls/grid/string_grid/input/input_test_support.h"

using namespace grid;
using input_test::GridUnderTest;

namespace input_moving_test {

struct MovingGrid : GridUnderTest {
    MovingGrid() : GridUnderTest(6, 12)
    {
        g->SetOptions(g->Options() | platform::goColMoving | platform::goRowMoving);
        for (int c = 1; c < 6; ++c) g->SetColWidths(c, 30 + 10 * c);  // 40 50 60 70 80 for columns 1 to 5
        for (int r = 1; r < 12; ++r) g->SetRowHeights(r, 18 + r);
    }
    QWidget* vp() const { return g->viewport(); }
    // Presses in a header cell, moves over each of the points, releases at the last.
    void drag(QPoint from, std::initializer_list<QPoint> via)
    {
        QTest::mousePress(vp(), Qt::LeftButton, {}, from);
        QPoint last = from;
        for (QPoint p : via) {
            QTest::mouseMove(vp(), p);
            last = p;
        }
        QTest::mouseRelease(vp(), Qt::LeftButton, {}, last);
    }
    void dragColumn(int from, int to) { drag(at(from, 0), {at(from, 0, 12, 6), at(to, 0), at(to, 0, 8, 6)}); }
    void dragRow(int from, int to) { drag(at(0, from), {at(0, from, 6, 9), at(0, to), at(0, to, 6, 8)}); }
};

TEST(GridMoving, DraggingAColumnHeaderMovesCellsAndWidthsAndFiresTheEventOnce)
{
    MovingGrid t;
    t.goTo(3, 4);
    std::vector<std::pair<int, int>> moved;
    int clicks = 0;
    t.g->OnColumnMoved = [&](QObject*, int f, int to) { moved.emplace_back(f, to); };
    t.g->OnClickSort = [&](QObject*, int) { ++clicks; };
    t.dragColumn(2, 5);
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0], std::make_pair(2, 5));
    const int widths[] = {60, 70, 80, 50};
    for (int c = 2; c <= 5; ++c) EXPECT_EQ(t.g->ColWidths(c), widths[c - 2]) << "column " << c;
    EXPECT_EQ(t.g->GetCellEx(5, 7), "2,7");
    EXPECT_EQ(t.g->GetCellEx(2, 7), "3,7");
    EXPECT_EQ(t.g->Col(), 2) << "the current column follows its cells";
    EXPECT_TRUE(t.g->ColMoveFlg);
    EXPECT_EQ(clicks, 0) << "the release of a move neither clicks nor sorts";
    EXPECT_EQ(t.g->GridState(), platform::gsNormal);
}

TEST(GridMoving, DraggingARowHeaderMovesCellsAndHeightsBeforeItsOneEvent)
{
    MovingGrid t;
    std::vector<int> heightSeen;
    t.g->OnRowMoved = [&](QObject*, int, int to) { heightSeen.push_back(t.g->RowHeights(to)); };
    t.dragRow(2, 5);
    ASSERT_EQ(heightSeen.size(), 1u);
    EXPECT_EQ(heightSeen[0], 20) << "row 2's height arrived before the event";
    EXPECT_EQ(t.g->GetCellEx(3, 5), "3,2");
    EXPECT_EQ(t.g->GetCellEx(3, 2), "3,3");
}

// Current column and sort column after moves by code, both following the
// column they stood on.
TEST(GridMoving, CurrentAndSortColumnFollowTheirColumns)
{
    struct Case {
        int from, to, col, expectedCol, sort, expectedSort;
    };
    const Case cases[] = {
        {2, 5, 3, 2, 3, 2}, {2, 5, 5, 4, 5, 4}, {2, 5, 2, 5, 2, 5},
        {5, 2, 2, 3, 2, 3}, {5, 2, 5, 2, 5, 2}, {5, 2, 1, 1, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << "->" << c.to << " col " << c.col);
        MovingGrid t;
        t.goTo(c.col, 3);
        t.g->SortSettings().Column = c.sort;
        t.g->MoveColumn(c.from, c.to);
        EXPECT_EQ(t.g->Col(), c.expectedCol);
        EXPECT_EQ(t.g->SortSettings().Column, c.expectedSort);
        EXPECT_EQ(t.g->GetCellEx(c.expectedCol, 3), QString("%1,3").arg(c.col));
    }
}

TEST(GridMoving, WithAHiddenColumnTheEventTellsStorageColumns)
{
    MovingGrid t;
    t.g->HideColumn(1);  // display 1.. = storage 2..
    std::vector<std::pair<int, int>> moved;
    t.g->OnColumnMoved = [&](QObject*, int f, int to) { moved.emplace_back(f, to); };
    t.dragColumn(1, 3);
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0], std::make_pair(2, 4));
    EXPECT_TRUE(t.g->IsHiddenColumn(1)) << "the hidden column keeps its place";
    EXPECT_EQ(t.g->GetCellEx(4, 6), "2,6");
    t.g->UnHideColumn(1);
    EXPECT_EQ(t.g->GetCellEx(1, 6), "1,6");
    EXPECT_EQ(t.g->ColWidths(1), 40) << "the hidden column's saved width stayed with it";
}

TEST(GridMoving, VetoesEndTheDragOrRefuseTheDrop)
{
    {
        MovingGrid t;
        int moves = 0, moved = 0;
        t.g->OnColumnMove = [&](QObject*, int col, bool& allow) {
            EXPECT_EQ(col, 2);
            ++moves;
            allow = false;
        };
        t.g->OnColumnMoved = [&](QObject*, int, int) { ++moved; };
        t.dragColumn(2, 4);
        EXPECT_EQ(moves, 1) << "the first move ends the drag";
        EXPECT_EQ(moved, 0);
        EXPECT_EQ(t.g->GetCellEx(2, 3), "2,3");
        EXPECT_EQ(t.g->DragDrop().MoveForm(), nullptr);
    }
    {
        MovingGrid t;
        int moved = 0;
        std::vector<int> positions;
        t.g->OnRowMoving = [&](QObject*, int row, bool& allow) {
            positions.push_back(row);
            allow = row != 6;
        };
        t.g->OnRowMoved = [&](QObject*, int, int) { ++moved; };
        t.dragRow(3, 6);
        EXPECT_EQ(moved, 0) << "the no-drop cursor at the release moves nothing";
        EXPECT_EQ(t.g->GetCellEx(2, 3), "2,3");
        EXPECT_EQ(positions.back(), 6);
        t.dragRow(3, 5);
        EXPECT_EQ(moved, 1);
        EXPECT_EQ(t.g->GetCellEx(2, 5), "2,3");
    }
}

TEST(GridMoving, ARowDoesNotTakeTheFloatingFootersPlace)
{
    MovingGrid t;
    t.g->FloatingFooter().Visible = true;
    t.g->FloatingFooter().FooterStyle = fsFixedLastRow;
    int moved = 0;
    t.g->OnRowMoved = [&](QObject*, int, int) { ++moved; };
    const int last = t.g->RowCount() - 1;
    t.g->MoveRow(2, last);
    EXPECT_EQ(moved, 0);
    EXPECT_EQ(t.g->GetCellEx(1, 2), "1,2");
    EXPECT_EQ(t.g->GetCellEx(1, last), QString("1,%1").arg(last));
    EXPECT_EQ(t.g->RowHeights(2), 20);
    EXPECT_EQ(t.g->RowHeights(last), 18 + last);
    t.g->MoveRow(2, last - 1);
    EXPECT_EQ(moved, 1) << "any other row moves";
}

TEST(GridMoving, GridsSynchronisedBothWaysMoveEachOtherOnce)
{
    MovingGrid a, b;
    for (TExStringGrid* g : {a.g, b.g}) {
        g->SyncGrid().MoveColumn = true;
        g->SyncGrid().MoveRow = true;
    }
    a.g->SyncGrid().SetGrid(b.g);
    b.g->SyncGrid().SetGrid(a.g);
    int aCols = 0, bCols = 0, aRows = 0, bRows = 0;
    a.g->OnColumnMoved = [&](QObject*, int, int) { ++aCols; };
    b.g->OnColumnMoved = [&](QObject*, int, int) { ++bCols; };
    a.g->OnRowMoved = [&](QObject*, int, int) { ++aRows; };
    b.g->OnRowMoved = [&](QObject*, int, int) { ++bRows; };
    a.dragColumn(1, 3);
    EXPECT_EQ(aCols, 1);
    EXPECT_EQ(bCols, 1);
    EXPECT_EQ(b.g->GetCellEx(3, 2), "1,2");
    b.g->MoveRow(4, 2);
    EXPECT_EQ(aRows, 1);
    EXPECT_EQ(bRows, 1);
    EXPECT_EQ(a.g->GetCellEx(2, 2), "3,4") << "column 3 stands at 2 since the column move";
}

TEST(GridMoving, TheDragShowsItsImageAndArrowsUntilTheRelease)
{
    MovingGrid t;
    TGridDragDrop& d = t.g->DragDrop();
    int started = 0, ended = 0;
    t.g->OnStartBlockFocus = [&](QObject*) { ++started; };
    t.g->OnEndBlockFocus = [&](QObject*) { ++ended; };
    QTest::mousePress(t.vp(), Qt::LeftButton, {}, t.at(2, 0));
    QTest::mouseMove(t.vp(), t.at(2, 0));
    EXPECT_EQ(d.MoveForm(), nullptr) << "no image while the mouse rests on the press point";
    EXPECT_FALSE(d.Arrows().Up().isVisible());
    QTest::mouseMove(t.vp(), t.at(4, 0));
    QTest::mouseMove(t.vp(), t.at(4, 0, 10, 6));
    ASSERT_NE(d.MoveForm(), nullptr);
    EXPECT_TRUE(d.MoveForm()->isVisible());
    EXPECT_FALSE(d.MoveButton()->isVisible()) << "the cells are the image";
    EXPECT_TRUE(d.Arrows().Up().isVisible());
    EXPECT_TRUE(d.Arrows().Down().isVisible());
    // The arrows stand right of column 4 (a drop after it), the up arrow below the header.
    const QRect header(t.vp()->mapToGlobal(t.at(4, 0, 0, 0)), QSize(t.g->ColWidths(4), t.g->RowHeights(0)));
    EXPECT_EQ(d.Arrows().Up().pos(), QPoint(header.left() - 5 + t.g->ColWidths(4), header.top() + header.height()));
    EXPECT_EQ(d.Arrows().Down().pos(), QPoint(header.left() - 5 + t.g->ColWidths(4), header.top() - 8));
    // The picture keeps the press offset to the mouse.
    EXPECT_EQ(d.MoveForm()->pos(), t.vp()->mapToGlobal(t.at(4, 0, 10, 6) - QPoint(6, 6)));
    EXPECT_EQ(t.vp()->cursor().shape(), Qt::DragMoveCursor);
    QTest::mouseRelease(t.vp(), Qt::LeftButton, {}, t.at(4, 0, 10, 6));
    EXPECT_EQ(d.MoveForm(), nullptr);
    EXPECT_FALSE(d.Arrows().Up().isVisible());
    EXPECT_EQ(started, 1);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(t.g->GetCellEx(4, 1), "2,1");

    // Without the cells as image, the header button shows the column's caption.
    t.g->DragDropSettings().ShowCells = false;
    QTest::mousePress(t.vp(), Qt::LeftButton, {}, t.at(1, 0));
    QTest::mouseMove(t.vp(), t.at(3, 0));
    EXPECT_TRUE(d.MoveButton()->isVisible());
    EXPECT_EQ(d.MoveButton()->Caption(), "1,0");
    EXPECT_EQ(d.MoveButton()->width(), t.g->ColWidths(1));
    QTest::mouseRelease(t.vp(), Qt::LeftButton, {}, t.at(3, 0));
    EXPECT_FALSE(d.MoveButton()->isVisible());
}

TEST(GridMoving, DraggingBeyondTheRightEdgeScrollsOneColumnPerMove)
{
    MovingGrid t;
    t.g->SetColCount(20);
    ASSERT_LT(t.g->VisibleColCount() + 1, 20);
    QTest::mousePress(t.vp(), Qt::LeftButton, {}, t.at(2, 0));
    const int y = t.at(2, 0).y();
    QTest::mouseMove(t.vp(), QPoint(t.vp()->width() + 5, y));
    EXPECT_EQ(t.g->LeftCol(), 2);
    QTest::mouseMove(t.vp(), QPoint(t.vp()->width() + 6, y));
    EXPECT_EQ(t.g->LeftCol(), 3);
    QTest::mouseMove(t.vp(), QPoint(3, y));
    EXPECT_EQ(t.g->LeftCol(), 2) << "left of the fixed columns it scrolls back";
    QTest::mouseRelease(t.vp(), Qt::LeftButton, {}, QPoint(3, y));
}

// A picture of a column being moved, for a person to look at: the grid, the
// picture of the dragged column and the two arrows at the drop position.
TEST(GridMoving, ScreenshotOfAColumnBeingMoved)
{
    MovingGrid t;
    t.g->SetColumnHeaders({"", "Name", "Type", "Offset", "Length", "Unit"});
    t.g->SetArrowColor(0x000000FF);
    t.g->move(20, 30);  // room above the header for the down arrow
    QTest::mousePress(t.vp(), Qt::LeftButton, {}, t.at(2, 0));
    QTest::mouseMove(t.vp(), t.at(4, 0, 20, 14));
    QTest::mouseMove(t.vp(), t.at(4, 0, 30, 16));
    TGridDragDrop& d = t.g->DragDrop();
    ASSERT_NE(d.MoveForm(), nullptr);
    QImage shot = t.form->grab().toImage();
    {
        QPainter p(&shot);
        auto put = [&](QWidget& w) {
            if (w.isVisible()) p.drawPixmap(t.form->mapFromGlobal(w.pos()), w.grab());
        };
        p.setOpacity(192.0 / 255.0);
        put(*d.MoveForm());
        p.setOpacity(1.0);
        for (TArrowWindow* a : {&d.Arrows().Up(), &d.Arrows().Down()}) {
            if (!a->isVisible()) continue;
            QPainterPath outline;
            outline.addPolygon(QPolygon(QList<QPoint>(a->Arrow().begin(), a->Arrow().end())));
            p.fillPath(outline.translated(t.form->mapFromGlobal(a->pos())), toQColor(a->Color()));
        }
    }
    const QString path = QDir::current().absoluteFilePath("grid_column_moving.png");
    EXPECT_TRUE(shot.save(path));
    QTest::mouseRelease(t.vp(), Qt::LeftButton, {}, t.at(4, 0, 30, 16));
    EXPECT_EQ(t.g->GetCellEx(4, 0), "Type");
}

}  // namespace input_moving_test
