// Scrolling: the hint window beside a dragged thumb, the horizontal bar of a
// proportional grid and ScrollBarAlways, the repaint under a fixed
// background picture, and the scroll bars held still while the grid zooms.

#include <QCursor>
#include <QLabel>
#include <QScrollBar>

#include <gtest/gtest.h>

#include "controls/grid/string_grid/input/input_test_support.h"

using namespace grid;
using input_test::GridUnderTest;

// ------------------------------------------------------------ scroll hint window

TEST(InputScrollHint, ShownWhileTheThumbIsDraggedAndHiddenOnRelease)
{
    struct Case {
        const char* name;
        Qt::Orientation bar;
        TScrollHintType hints;
        bool shown;
    };
    const Case cases[] = {
        {"vertical bar, vertical hints", Qt::Vertical, shVertical, true},
        {"vertical bar, both", Qt::Vertical, shBoth, true},
        {"vertical bar, horizontal hints only", Qt::Vertical, shHorizontal, false},
        {"vertical bar, none", Qt::Vertical, shNone, false},
        {"horizontal bar, horizontal hints", Qt::Horizontal, shHorizontal, true},
        {"horizontal bar, both", Qt::Horizontal, shBoth, true},
        {"horizontal bar, vertical hints only", Qt::Horizontal, shVertical, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridUnderTest t(60, 100);
        t.g->ScrollHints = c.hints;
        QScrollBar* bar = c.bar == Qt::Vertical ? t.g->verticalScrollBar() : t.g->horizontalScrollBar();
        ASSERT_TRUE(bar->isVisible());
        bar->setSliderDown(true);
        bar->setSliderPosition(20);
        EXPECT_EQ(t.g->ScrollHintShown(), c.shown);
        QWidget* wnd = t.g->ScrollHintWindow();
        if (c.shown) {
            ASSERT_NE(wnd, nullptr);
            EXPECT_TRUE(wnd->isVisible());
            EXPECT_TRUE(wnd->windowFlags() & Qt::ToolTip);
            auto* label = qobject_cast<QLabel*>(wnd);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), c.bar == Qt::Vertical ? "Row : 21" : "Col : 21");
            // Beside the mouse: 10 pixels to its right, at its height.
            EXPECT_EQ(wnd->pos(), QCursor::pos() + QPoint(10, 0));
            EXPECT_LE(wnd->width(), 100 + 12);
        } else {
            EXPECT_TRUE(wnd == nullptr || !wnd->isVisible());
        }
        bar->setSliderDown(false);
        EXPECT_FALSE(t.g->ScrollHintShown());
        if (wnd != nullptr) {
            EXPECT_FALSE(wnd->isVisible());
        }
    }
}

TEST(InputScrollHint, OnScrollHintChangesTheTextAndRowsMoveOnlyOnReleaseWithoutSynch)
{
    GridUnderTest t(6, 100);
    t.g->ScrollHints = shBoth;
    t.g->ScrollSynch = false;
    std::vector<int> numbers;
    t.g->OnScrollHint = [&](QObject*, int ARow, QString& hint) {
        numbers.push_back(ARow);
        hint = QString("Record %1").arg(ARow);
    };
    QScrollBar* bar = t.g->verticalScrollBar();
    bar->setSliderDown(true);
    bar->setSliderPosition(30);
    bar->setSliderPosition(40);
    auto* label = qobject_cast<QLabel*>(t.g->ScrollHintWindow());
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Record 41");
    EXPECT_EQ(numbers, (std::vector<int>{31, 41}));
    EXPECT_EQ(t.g->TopRow(), 1) << "without ScrollSynch the rows wait for the release";
    bar->setSliderDown(false);
    EXPECT_EQ(t.g->TopRow(), 41);
    EXPECT_FALSE(label->isVisible());
}

// ------------------------------------------------------------ horizontal bar and ScrollBarAlways

TEST(InputScrollBarsAlways, ProportionalHorizontalBarHiddenUnlessWantedOrNeeded)
{
    // Line width 5: ten columns of 56 pixels with their lines overflow the
    // 600 pixels wide grid (so the grid would scroll) while the widths alone
    // (560) still fit in it.
    struct Case {
        const char* name;
        TScrollBarAlways always;
        platform::TScrollStyle bars;
        int colWidth;
        bool visible;
    };
    const Case cases[] = {
        {"widths fit: hidden", saNone, platform::ssBoth, 56, false},
        {"widths fit, vertical always: hidden", saVert, platform::ssBoth, 56, false},
        {"widths fit, horizontal always: shown", saHorz, platform::ssBoth, 56, true},
        {"widths fit, both always: shown", saBoth, platform::ssBoth, 56, true},
        {"widths overflow: shown", saNone, platform::ssBoth, 70, true},
        {"widths overflow without a horizontal bar: hidden", saNone, platform::ssVertical, 70, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridUnderTest t(10, 100);
        t.g->ScrollProportional = true;
        t.g->SetScrollBarAlways(c.always);
        t.g->SetGridLineWidth(5);
        t.g->SetScrollBars(c.bars);
        for (int col = 0; col < t.g->ColCount(); ++col) t.g->SetColWidths(col, c.colWidth);
        t.g->SetRowCount(101);  // the bars follow
        QApplication::processEvents();
        EXPECT_EQ(t.g->horizontalScrollBar()->isVisible(), c.visible);
        EXPECT_EQ(t.g->KeepsHorizontalBar(), c.visible);
        // Whoever showed the bar, the proportional update decides.
        t.g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        EXPECT_TRUE(t.g->UpdateHScrollBar());
        EXPECT_EQ(t.g->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff, c.visible);
    }
}

// ------------------------------------------------------------ background picture

TEST(InputScrollBackground, FixedPictureRepaintsTheCellsItCoveredAndCovers)
{
    // Columns 50 and rows 20 pixels with 1-pixel lines: display column c of
    // the scrolled part starts at 51 * (c - LeftCol + 1), row r at
    // 21 * (r - TopRow + 1). The picture spans x 110 .. 189, y 50 .. 69.
    GridUnderTest t(20, 40);
    for (int c = 0; c < t.g->ColCount(); ++c) t.g->SetColWidths(c, 50);
    for (int r = 0; r < t.g->RowCount(); ++r) t.g->SetRowHeights(r, 20);
    QImage picture(80, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    t.g->BackGround().SetLeft(110);
    t.g->BackGround().SetTop(50);
    t.g->BackGround().SetBitmap(picture);
    t.g->BackGround().SetDisplay(paint::bdFixed);

    const platform::TGridRect none{0, 0, -1, -1};
    EXPECT_EQ(t.g->BackgroundPictureCells(), (platform::TGridRect{2, 2, 3, 3}));

    struct Step {
        const char* name;
        int leftCol, topRow;
        platform::TGridRect before, after;
    };
    const Step steps[] = {
        {"down three rows", 1, 4, {2, 2, 3, 3}, {2, 5, 3, 6}},
        {"right two columns", 3, 4, {2, 5, 3, 6}, {4, 5, 5, 6}},
        {"back to the start", 1, 1, {4, 5, 5, 6}, {2, 2, 3, 3}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        t.g->MoveTopLeft(s.leftCol, s.topRow);
        EXPECT_EQ(t.g->BackgroundOldArea(), s.before);
        EXPECT_EQ(t.g->BackgroundNewArea(), s.after);
    }

    // Tiles and plain backgrounds have no fixed place: nothing to note.
    t.g->BackGround().SetDisplay(paint::bdTile);
    t.g->MoveTopLeft(2, 2);
    EXPECT_EQ(t.g->BackgroundOldArea(), none);
    EXPECT_EQ(t.g->BackgroundPictureCells(), none);
}

// ------------------------------------------------------------ zoom lock

namespace input_scroll_test_detail {

// Notes whether the grid asked for its bars while the zoom held them.
class ZoomWatchGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    int lockedAsks = 0;
    int lockedUpdates = 0;

protected:
    bool SyncScrollBarRange(Qt::Orientation o, QScrollBar* bar) override
    {
        if (ScrollLocked()) {
            ++lockedAsks;
            if (UpdateVScrollBar() || UpdateHScrollBar()) ++lockedUpdates;
        }
        return TExStringGrid::SyncScrollBarRange(o, bar);
    }
};

}  // namespace input_scroll_test_detail

TEST(InputScrollZoom, BarsWaitForTheZoomThenFollowIt)
{
    QWidget form;
    form.resize(640, 480);
    auto* g = new input_scroll_test_detail::ZoomWatchGrid(&form);
    g->ScrollProportional = true;
    g->SetColCount(30);
    g->SetRowCount(300);
    g->setGeometry(0, 0, 600, 300);
    form.show();
    QApplication::processEvents();
    g->SetTopRow(150);
    const int pageBefore = g->VScrollInfo().Page;

    g->Zoom(8);
    EXPECT_GT(g->lockedAsks, 0) << "the sizes changed while the zoom held the bars";
    EXPECT_EQ(g->lockedUpdates, 0);
    EXPECT_FALSE(g->ScrollLocked());
    // After the zoom the bars show the new sizes at once.
    const auto shown = g->VScrollInfo();
    EXPECT_NE(shown.Page, pageBefore);
    ASSERT_TRUE(g->UpdateVScrollBar());
    EXPECT_EQ(g->VScrollInfo().Page, shown.Page);
    EXPECT_EQ(g->VScrollInfo().Position, shown.Position);
    EXPECT_EQ(g->verticalScrollBar()->value(), shown.Position);
}
