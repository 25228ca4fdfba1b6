// The mouse passing over the grid: the lit row and hovered cell buttons, the
// scroll bar over a long cell, the selection mode the cursor shows, header
// presses that go on selecting while the mouse is dragged, the sizing of
// fixed columns and rows by their borders, and the sizing events and hint.

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>

#include "controls/grid/string_grid/input/grid_mouse_tracker.h"
#include "controls/grid/string_grid/input/input_test_support.h"

using namespace grid;
using input_test::GridUnderTest;
using platform::TGridRect;

namespace input_hover_test {

struct HoverGrid : GridUnderTest {
    HoverGrid() : GridUnderTest(6, 30) {}
    QWidget* vp() const { return g->viewport(); }
    void move(QPoint p) { QTest::mouseMove(vp(), p); }
    void press(QPoint p) { QTest::mousePress(vp(), Qt::LeftButton, {}, p); }
    void release(QPoint p) { QTest::mouseRelease(vp(), Qt::LeftButton, {}, p); }
    TMouseSelectMode mode() const { return g->MouseTracker().MouseSelectMode(); }
    // The right border of a display column (its last pixel).
    int rightOf(int col) const { return g->CellRect(col, 0).Right; }
    int bottomOf(int row) const { return g->CellRect(0, row).Bottom; }
    void leave()
    {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(vp(), &e);
    }
};

TEST(GridHover, TheLitRowFollowsTheMouseAndGoesWhenItLeaves)
{
    HoverGrid t;
    t.g->SetHoverRow(true);
    t.move(t.at(2, 3));
    EXPECT_EQ(t.g->HoverRowIdx(), 3);
    t.move(t.at(4, 3));
    EXPECT_EQ(t.g->HoverRowIdx(), 3);
    t.move(t.at(4, 5));
    EXPECT_EQ(t.g->HoverRowIdx(), 5);
    t.leave();
    EXPECT_EQ(t.g->HoverRowIdx(), -1);

    HoverGrid off;
    off.move(off.at(2, 3));
    EXPECT_EQ(off.g->HoverRowIdx(), -1) << "without HoverRow no row lights";
}

TEST(GridHover, ACellButtonShowsHotOnlyWhileTheMouseIsOnIt)
{
    HoverGrid t;
    auto button = std::make_unique<TCellGraphic>();
    button->SetButton(20, 12, "Go", haLeft, vaTop);
    t.g->SetGraphicObjectEx(3, 2, std::move(button));
    const QRect r = t.g->CellRect(3, 2).toQRect();
    t.move(r.center() + QPoint(r.width() / 2 - 2, 0));  // in the cell, right of the button
    EXPECT_EQ(t.g->MouseTracker().HoverButton(), QPoint(-1, -1));
    bool found = false;
    for (int x = r.left(); x < r.right() && !found; ++x)
        for (int y = r.top(); y < r.bottom() && !found; ++y) {
            t.move(QPoint(x, y));
            found = t.g->MouseTracker().HoverButton() == QPoint(3, 2);
        }
    EXPECT_TRUE(found) << "somewhere in the cell the button is under the mouse";
    t.move(t.at(4, 4));
    EXPECT_EQ(t.g->MouseTracker().HoverButton(), QPoint(-1, -1));
}

TEST(GridHover, ALongCellShowsItsScrollBarWhileTheMouseIsOverIt)
{
    HoverGrid t;
    t.g->AddScrollBar(2, 3, false);
    t.g->SetScrollProp(2, 3, {10, 50});
    t.g->SetScrollPosition(2, 3, 7);
    t.g->AddScrollBar(2, 5, false);
    t.g->SetScrollProp(2, 5, {50, 50});  // everything shows: no bar
    t.move(t.at(2, 3));
    QScrollBar* bar = t.g->CellScrollBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    const QRect cell = t.g->CellRect(2, 3).toQRect();
    EXPECT_EQ(bar->geometry().right(), cell.right() - 1) << "at the cell's right edge inside the grid line";
    EXPECT_EQ(bar->width(), 17);
    EXPECT_EQ(bar->maximum(), 50);
    EXPECT_EQ(bar->pageStep(), 10);
    EXPECT_EQ(bar->value(), 7);
    bar->setValue(20);
    EXPECT_EQ(t.g->GetScrollPosition(2, 3), 20) << "the bar scrolls its cell";
    t.move(t.at(2, 5));
    EXPECT_TRUE(bar->isVisible()) << "a cell showing all of it neither shows nor hides the bar";
    t.move(t.at(4, 4));
    EXPECT_FALSE(bar->isVisible());
}

// Where the mouse is decides what a press would select, and the cursor shows it.
TEST(GridHover, TheSelectModeFollowsTheHeadersUnderTheMouse)
{
    struct Case {
        const char* where;
        int col, row, dx;
        TMouseSelectMode mode;
    };
    const Case cases[] = {
        {"column header", 3, 0, 20, msColumn},
        {"column header at a sizing border", 3, 0, 2, msNormal},
        {"top-left corner", 0, 0, 20, msAll},
        {"row header", 0, 4, 20, msRow},
        {"normal cell", 3, 4, 20, msNormal},
    };
    HoverGrid t;
    t.g->SetOptions(t.g->Options() | platform::goColSizing | platform::goRangeSelect);
    t.g->MouseActions().ColSelect = true;
    t.g->MouseActions().RowSelect = true;
    t.g->MouseActions().AllSelect = true;
    for (const Case& c : cases) {
        t.move(t.at(c.col, c.row, c.dx, 8));
        EXPECT_EQ(t.mode(), c.mode) << c.where;
        const bool own = TGridMouseTracker::SelectModeCursorId(c.mode) != 0;
        EXPECT_EQ(t.vp()->cursor().shape() == Qt::BitmapCursor, own) << c.where;
    }
    t.move(t.at(0, 4, 20, 8));
    t.leave();
    EXPECT_EQ(t.mode(), msNormal);

    HoverGrid plain;
    plain.move(plain.at(3, 0, 20, 8));
    EXPECT_EQ(plain.mode(), msNormal) << "without ColSelect a header is no selector";
}

TEST(GridHover, ACellMayChooseItsOwnCursor)
{
    HoverGrid t;
    std::vector<QPoint> asked;
    t.g->OnGetCellCursor = [&](QObject*, int c, int r, int, int, Qt::CursorShape& shape) {
        asked.emplace_back(c, r);
        if (c == 3 && r == 4) shape = Qt::CrossCursor;
    };
    t.move(t.at(3, 4, 20, 8));
    EXPECT_EQ(t.vp()->cursor().shape(), Qt::CrossCursor);
    t.move(t.at(2, 4, 20, 8));
    EXPECT_EQ(t.vp()->cursor().shape(), Qt::ArrowCursor);
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back(), QPoint(2, 4));
}

TEST(GridHover, DraggingFromARowHeaderSelectsTheRowsPassed)
{
    HoverGrid t;
    t.g->MouseActions().RowSelect = true;
    std::vector<TGridRect> seen;
    t.g->OnSelectionChanged = [&](QObject*, int l, int tp, int r, int b) { seen.push_back({l, tp, r, b}); };
    t.move(t.at(0, 3));
    t.press(t.at(0, 3));
    EXPECT_EQ(t.g->MouseTracker().MouseSelectStart(), 3);
    t.move(t.at(0, 6));
    EXPECT_EQ(t.g->Selection(), (TGridRect{1, 3, 5, 6}));
    t.move(t.at(0, 2));
    EXPECT_EQ(t.g->Selection(), (TGridRect{1, 2, 5, 3})) << "upwards past the start";
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), (TGridRect{1, 2, 5, 3})) << "each change is reported while dragging";
    t.release(t.at(0, 2));
    EXPECT_EQ(t.g->MouseTracker().MouseSelectStart(), -1);
    t.move(t.at(0, 8));
    EXPECT_EQ(t.g->Selection(), (TGridRect{1, 2, 5, 3})) << "after the release moves select nothing";
}

TEST(GridHover, DraggingARowHeaderToTheBottomEdgeScrollsOneRowPerMove)
{
    HoverGrid t;
    t.g->MouseActions().RowSelect = true;
    t.move(t.at(0, 2));
    t.press(t.at(0, 2));
    const int top = t.g->TopRow();
    const int h = t.vp()->height();
    t.move(QPoint(10, h - 4));  // exactly 4 pixels: not yet
    EXPECT_EQ(t.g->TopRow(), top);
    t.move(QPoint(10, h - 3));
    EXPECT_EQ(t.g->TopRow(), top + 1);
    t.move(QPoint(10, h - 2));
    EXPECT_EQ(t.g->TopRow(), top + 2);
    t.release(QPoint(10, h - 2));
}

TEST(GridHover, DraggingFromAColumnHeaderSelectsTheColumnsPassed)
{
    HoverGrid t;
    t.g->SetOptions(t.g->Options() | platform::goRangeSelect);
    t.g->MouseActions().ColSelect = true;
    t.move(t.at(4, 0, 20, 8));
    t.press(t.at(4, 0, 20, 8));
    t.move(t.at(2, 0, 20, 8));
    EXPECT_EQ(t.g->Selection(), (TGridRect{2, 1, 4, 29}));
    t.move(t.at(0, 5));  // over the fixed column: stops at the first normal one
    EXPECT_EQ(t.g->Selection(), (TGridRect{1, 1, 4, 29}));
    t.release(t.at(0, 5));
}

TEST(GridHover, AFixedColumnBorderIsMarkedWithinTwoPixels)
{
    HoverGrid t;
    t.g->MouseActions().SizeFixedCol = true;
    t.g->MouseActions().SizeFixedRow = true;
    const int border = t.g->ColWidths(0);
    const int y = t.at(0, 4).y();
    struct Case {
        int dx;
        bool marked;
    };
    for (const Case c : {Case{-3, false}, Case{-2, true}, Case{0, true}, Case{2, true}, Case{3, false}}) {
        t.move(QPoint(border + c.dx, y));
        EXPECT_EQ(t.g->MouseTracker().OnFixedColBorder(), c.marked) << "dx " << c.dx;
    }
    t.move(QPoint(border, y));
    EXPECT_EQ(t.vp()->cursor().shape(), Qt::SplitHCursor);
    const int rowBorder = t.g->RowHeights(0);
    t.move(QPoint(t.at(3, 0).x(), rowBorder + 1));
    EXPECT_TRUE(t.g->MouseTracker().OnFixedRowBorder());
    EXPECT_EQ(t.vp()->cursor().shape(), Qt::SplitVCursor);
    t.leave();
    EXPECT_FALSE(t.g->MouseTracker().OnFixedRowBorder());

    HoverGrid off;
    off.move(QPoint(off.g->ColWidths(0), y));
    EXPECT_FALSE(off.g->MouseTracker().OnFixedColBorder()) << "without SizeFixedCol";
}

TEST(GridHover, DraggingAFixedColumnBorderSizesItAndReportsOnTheWay)
{
    HoverGrid t;
    t.g->MouseActions().SizeFixedCol = true;
    t.g->SetFixedCols(2);
    t.g->SetColWidths(0, 30);
    t.g->SetColWidths(1, 40);
    std::vector<std::pair<int, int>> sizing;
    std::vector<int> ended;
    int clicks = 0;
    t.g->OnColumnSizing = [&](QObject*, int c, int w) { sizing.emplace_back(c, w); };
    t.g->OnEndColumnSize = [&](QObject*, int c) { ended.push_back(c); };
    t.g->OnClickCell = [&](QObject*, int, int) { ++clicks; };
    const int y = t.at(0, 4).y();
    const QPoint border(30 + 1 + 40, y);  // the second fixed column's right border
    t.move(border);
    t.press(border);
    EXPECT_TRUE(t.g->MouseTracker().SizingFixed());
    EXPECT_EQ(t.g->MouseTracker().SizingFixedCol(), 1);
    t.move(QPoint(100, y));
    ASSERT_FALSE(sizing.empty());
    EXPECT_EQ(sizing.back(), std::make_pair(1, 70)) << "the width the release will give";
    t.release(QPoint(100, y));
    EXPECT_EQ(t.g->ColWidths(1), 70);
    EXPECT_EQ(t.g->ColWidths(0), 30);
    EXPECT_EQ(ended, std::vector<int>{1});
    EXPECT_EQ(clicks, 0) << "the sizing press clicks no cell";
    EXPECT_FALSE(t.g->MouseTracker().SizingFixed());

    // OnUpdateColumnSize has the last word on the width.
    t.g->OnUpdateColumnSize = [](QObject*, int, int& w) { w = std::min(w, 50); };
    const QPoint again(30 + 1 + 70, y);
    t.move(again);
    t.press(again);
    t.move(QPoint(160, y));
    t.release(QPoint(160, y));
    EXPECT_EQ(t.g->ColWidths(1), 50);
}

TEST(GridHover, DraggingAFixedRowBorderSizesIt)
{
    HoverGrid t;
    t.g->MouseActions().SizeFixedRow = true;
    std::vector<int> ended;
    std::vector<int> heights;
    t.g->OnEndRowSize = [&](QObject*, int r) { ended.push_back(r); };
    t.g->OnRowSizing = [&](QObject*, int, int h) { heights.push_back(h); };
    const QPoint border(t.at(3, 0).x(), t.g->RowHeights(0));
    t.move(border);
    t.press(border);
    t.move(QPoint(border.x(), 45));
    t.release(QPoint(border.x(), 45));
    EXPECT_EQ(t.g->RowHeights(0), 45);
    EXPECT_EQ(ended, std::vector<int>{0});
    ASSERT_FALSE(heights.empty());
    EXPECT_EQ(heights.back(), 45);
}

TEST(GridHover, SizingANormalColumnReportsItsWidthAndShowsTheHint)
{
    HoverGrid t;
    t.g->SetOptions(t.g->Options() | platform::goColSizing);
    t.g->HintShowSizing = true;
    t.g->SetColWidths(2, 60);
    std::vector<std::pair<int, int>> sizing;
    t.g->OnColumnSizing = [&](QObject*, int c, int w) { sizing.emplace_back(c, w); };
    const QPoint border(t.rightOf(2), t.at(2, 0).y());
    t.move(border);
    t.press(border);
    ASSERT_EQ(t.g->GridState(), platform::gsColSizing);
    t.move(border + QPoint(25, 0));
    ASSERT_FALSE(sizing.empty());
    EXPECT_EQ(sizing.back(), std::make_pair(2, 85));
    auto* hint = qobject_cast<QLabel*>(t.g->ScrollHintWindow());
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text(), "cw=<b>85</b>");
    EXPECT_EQ(hint->textFormat(), Qt::RichText);
    const QPoint corner = t.vp()->mapToGlobal(t.g->CellRect(2, 0).toQRect().topLeft());
    EXPECT_EQ(hint->pos(), corner) << "at the sized column's header";
    t.release(border + QPoint(25, 0));
    EXPECT_EQ(t.g->ColWidths(2), 85);
    EXPECT_FALSE(hint->isVisible());
    EXPECT_FALSE(t.g->ScrollHintShown());
}

TEST(GridHover, ARowSelectGridKeepsItsHorizontalPositionWhileDragging)
{
    for (const bool keep : {false, true}) {
        GridUnderTest t(20, 12);
        t.g->SetOptions(t.g->Options() | platform::goRowSelect | platform::goRangeSelect);
        t.g->Navigation().KeepHorizScroll = keep;
        const int lastShown = t.g->LeftCol() + t.g->VisibleColCount();
        QTest::mousePress(t.g->viewport(), Qt::LeftButton, {}, t.at(2, 3));
        const int left = t.g->LeftCol();
        QTest::mouseMove(t.g->viewport(), t.at(lastShown, 6, 2, 6));
        if (keep)
            EXPECT_EQ(t.g->LeftCol(), left);
        else
            EXPECT_GT(t.g->LeftCol(), left) << "the base scrolls to the partly shown column";
        QTest::mouseRelease(t.g->viewport(), Qt::LeftButton, {}, t.at(lastShown, 6, 2, 6));
    }
}

TEST(GridHover, SizingHintTexts)
{
    EXPECT_EQ(TGridMouseTracker::SizingHintText(true, 80), "cw=<b>80</b>");
    EXPECT_EQ(TGridMouseTracker::SizingHintText(false, 0), "rh=<b>0</b>");
}

TEST(GridHover, DraggingAfterARangeSelectAndEditPressSelectsInsteadOfEditing)
{
    HoverGrid t;
    t.g->SetOptions(t.g->Options() | platform::goEditing | platform::goRangeSelect);
    t.g->MouseActions().RangeSelectAndEdit = true;
    t.g->SetSelection({2, 2, 3, 3});
    t.press(t.at(3, 3));  // inside the selection: editing stays on for the press
    EXPECT_TRUE(t.g->Options() & platform::goEditing);
    t.move(t.at(4, 5));
    EXPECT_FALSE(t.g->Options() & platform::goEditing);
    EXPECT_EQ(t.g->Selection(), (TGridRect{3, 3, 4, 5}));
    t.release(t.at(4, 5));
}

}  // namespace input_hover_test

namespace input_hover_test {

// A picture for a person to look at: the lit row under the mouse with a hot
// cell button, then a fixed column being sized with its size line and hint.
TEST(GridHover, ScreenshotOfHoverAndFixedColumnSizing)
{
    HoverGrid t;
    t.g->SetColumnHeaders({"#", "Name", "Type", "Offset", "Action", "Unit"});
    t.g->SetHoverRow(true);
    t.g->HintShowSizing = true;
    t.g->MouseActions().SizeFixedCol = true;
    t.g->SetColWidths(4, 90);
    for (int r = 1; r < 8; ++r) {
        auto button = std::make_unique<TCellGraphic>();
        button->SetButton(60, 18, "Edit", haCenter, vaCenter);
        t.g->SetGraphicObjectEx(4, r, std::move(button));
    }
    t.move(t.at(1, 3));
    const QRect cell = t.g->CellRect(4, 3).toQRect();
    t.move(cell.center());
    EXPECT_EQ(t.g->MouseTracker().HoverButton(), QPoint(4, 3));
    QTest::qWait(20);
    EXPECT_TRUE(t.form->grab().toImage().save(QDir::current().absoluteFilePath("grid_hover_row_button.png")));

    const int y = t.at(0, 6).y();
    const QPoint border(t.g->ColWidths(0), y);
    t.move(border);
    t.press(border);
    t.move(QPoint(border.x() + 30, y));
    QImage shot = t.form->grab().toImage();
    {
        QPainter p(&shot);
        if (QWidget* hint = t.g->ScrollHintWindow(); hint != nullptr && hint->isVisible())
            p.drawPixmap(t.form->mapFromGlobal(hint->pos()), hint->grab());
    }
    EXPECT_TRUE(shot.save(QDir::current().absoluteFilePath("grid_fixed_column_sizing.png")));
    t.release(QPoint(border.x() + 30, y));
}

}  // namespace input_hover_test
