// The windows that float over a grid: the thin scroll bar's thumb, page
// clicks and thumb drag; the arrows' outlines and colour; the drag-scroll
// delays counted on an injected clock.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "controls/grid/dragdrop/grid_drag_drop.h"
#include "controls/grid/floating/arrow_window.h"
#include "controls/grid/floating/thin_scroll_bar.h"
#include "controls/grid/string_grid/ex_string_grid.h"

using namespace grid;

namespace floating_windows_test {

// 100 rows of 18 pixels under a 20-pixel header, on a 200-pixel bar.
struct BarGrid {
    QWidget form;
    TExStringGrid* g = new TExStringGrid(&form);
    TScrollControl* bar = new TScrollControl(g, sdVertical);
    BarGrid()
    {
        form.resize(500, 400);
        g->setGeometry(0, 0, 300, 214);
        g->SetRowCount(100);
        g->SetDefaultRowHeight(18);
        g->SetRowHeights(0, 20);
        bar->setGeometry(290, 0, 6, 200);
        form.show();
        QApplication::processEvents();
    }
};

TEST(ThinScrollBar, ThumbGeometry)
{
    BarGrid t;
    const int visible = t.g->VisibleRowCount();
    ASSERT_GE(visible, 5);
    EXPECT_EQ(t.bar->TrackStart(), 20);
    EXPECT_EQ(t.bar->TrackLength(), 180);
    int pos = 0, size = 0;
    ASSERT_TRUE(t.bar->GetThumb(pos, size));
    EXPECT_EQ(pos, 20);
    EXPECT_EQ(size, 20) << "round(180 * visible / 100) is below 20";
    t.g->SetTopRow(50);
    ASSERT_TRUE(t.bar->GetThumb(pos, size));
    EXPECT_EQ(pos, 20 + int(std::lround(180.0 * 49 / 99)));
    t.g->SetFixedFooters(2);
    EXPECT_EQ(t.bar->TrackLength(), 180 - 36);
    t.g->SetRowCount(4);
    EXPECT_FALSE(t.bar->ThumbShown()) << "no thumb while every row shows";
}

TEST(ThinScrollBar, PageClicksAndThumbDrag)
{
    BarGrid t;
    const int page = t.g->VisibleRowCount();
    QTest::mouseClick(t.bar, Qt::LeftButton, {}, QPoint(2, 150));
    EXPECT_EQ(t.g->TopRow(), 1 + page) << "below the thumb: one page down";
    QTest::mouseClick(t.bar, Qt::LeftButton, {}, QPoint(2, 21));
    EXPECT_EQ(t.g->TopRow(), 1) << "above the thumb: one page up, not above the fixed rows";
    t.g->SetTopRow(100 - page - 2);
    int pos = 0, size = 0;
    t.bar->GetThumb(pos, size);
    QTest::mouseClick(t.bar, Qt::LeftButton, {}, QPoint(2, pos - 2));
    QTest::mouseClick(t.bar, Qt::LeftButton, {}, QPoint(2, std::min(199, pos + size + 20)));
    EXPECT_LE(t.g->TopRow(), 100 - page) << "never past the last page";

    // Thumb drag: the rows follow the mouse in proportion to the bar.
    t.g->SetTopRow(1);
    t.bar->GetThumb(pos, size);
    QTest::mousePress(t.bar, Qt::LeftButton, {}, QPoint(2, pos + 5));
    EXPECT_TRUE(t.bar->Dragging());
    QTest::mouseMove(t.bar, QPoint(2, pos + 5 + 36));
    EXPECT_EQ(t.g->TopRow(), 1 + int(std::lround(36.0 / (200 - 20) * 100)));
    QTest::mouseMove(t.bar, QPoint(2, pos + 5 - 100));
    EXPECT_EQ(t.g->TopRow(), 1) << "not above the fixed rows";
    QTest::mouseRelease(t.bar, Qt::LeftButton, {}, QPoint(2, pos));
    EXPECT_FALSE(t.bar->Dragging());
}

TEST(ThinScrollBar, OnAnythingButAGridItIgnoresTheMouse)
{
    QWidget parent;
    parent.resize(100, 100);
    TScrollControl bar(&parent);
    bar.setGeometry(90, 0, 6, 100);
    parent.show();
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(2, 50));
    EXPECT_EQ(bar.Grid(), nullptr);
    EXPECT_FALSE(bar.Dragging());
    int pos = 0, size = 0;
    EXPECT_FALSE(bar.GetThumb(pos, size));
}

TEST(ThinScrollBar, TheMetroScrollTypeShowsBothBarsInsteadOfTheWindows)
{
    BarGrid t;
    t.g->SetScrollType(paint::ssMetro);
    TScrollControl* v = t.g->DragDrop().ThinScrollBar(sdVertical);
    TScrollControl* h = t.g->DragDrop().ThinScrollBar(sdHorizontal);
    ASSERT_NE(v, nullptr);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(v->width(), 6);
    EXPECT_EQ(h->height(), 6);
    EXPECT_EQ(v->geometry().right(), t.g->viewport()->geometry().right());
    EXPECT_EQ(t.g->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    t.g->SetScrollType(paint::ssNormal);
    EXPECT_EQ(t.g->DragDrop().ThinScrollBar(sdVertical), nullptr);
    EXPECT_EQ(t.g->ScrollBars(), platform::ssBoth) << "the window's own bars are back";
    t.g->SetComponentStyle(paint::tsCustom);
    t.g->SetScrollType(paint::ssMetro);
    t.g->SetComponentStyle(paint::tsOffice2010Blue);
    EXPECT_EQ(t.g->DragDrop().ThinScrollBar(sdVertical), nullptr) << "a style other than the custom one ends them";
}

TEST(ArrowWindows, OutlinesSizesAndOneColour)
{
    QWidget owner;
    TArrowWindows arrows(&owner);
    EXPECT_EQ(arrows.Up().Arrow()[0], QPoint(5, 0));
    EXPECT_EQ(arrows.Down().Arrow()[4], QPoint(5, 8));
    EXPECT_EQ(arrows.Left().Arrow()[4], QPoint(8, 5)) << "the left arrow's tip points right";
    EXPECT_EQ(arrows.Right().Arrow()[0], QPoint(0, 5));
    EXPECT_EQ(arrows.Up().size(), QSize(11, 10));
    EXPECT_EQ(arrows.Color(), TColor(0x0000FF00)) << "lime";
    EXPECT_TRUE(arrows.Up().windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(arrows.Up().testAttribute(Qt::WA_ShowWithoutActivating));
    arrows.SetColor(0x000000FF);
    for (TArrowWindow* a : {&arrows.Up(), &arrows.Down(), &arrows.Left(), &arrows.Right()})
        EXPECT_EQ(a->Color(), TColor(0x000000FF));
    EXPECT_FALSE(arrows.Up().isVisible());
}

TEST(DragScroll, DelaysAndMarginsOnAnInjectedClock)
{
    TExStringGrid g;
    g.resize(300, 300);
    g.show();
    g.SetRowCount(80);
    g.SetTopRow(30);
    qint64 now = 0;
    g.DragScrollClock = [&] { return now; };
    g.DragScrollOptions().Active = true;
    EXPECT_EQ(g.DragScrollOptions().Delays.InitialDelay, 1000);
    EXPECT_EQ(g.DragScrollOptions().Delays.RepeatDelay, 250);
    EXPECT_EQ(g.DragScrollOptions().Margins.TopMargin, 50);
    bool accept = true;
    g.HandleDragOver(nullptr, 150, 60, dsDragMove, accept);
    EXPECT_FALSE(g.DragScrolling()) << "60 pixels from the top is outside the margin";
    g.HandleDragOver(nullptr, 150, 49, dsDragMove, accept);
    ASSERT_TRUE(g.DragScrolling());
    std::vector<int> tops;
    for (now = 0; now <= 1600; now += 50) {
        g.DragScrollPoll();
        tops.push_back(g.TopRow());
    }
    // Steps at 1000, 1250 and 1500 ms.
    EXPECT_EQ(tops[19], 30);  // 950 ms
    EXPECT_EQ(tops[20], 29);  // 1000 ms
    EXPECT_EQ(tops[24], 29);  // 1200 ms
    EXPECT_EQ(tops[25], 28);  // 1250 ms
    EXPECT_EQ(tops[30], 27);  // 1500 ms
    EXPECT_EQ(tops.back(), 27);
    g.HandleDragOver(nullptr, 150, 150, dsDragMove, accept);
    EXPECT_FALSE(g.DragScrolling()) << "leaving the margins stops it";
}

}  // namespace floating_windows_test
