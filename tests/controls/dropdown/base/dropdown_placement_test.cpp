#include <gtest/gtest.h>

#include "controls/dropdown/base/dropdown_placement.h"

using namespace dropdown;

namespace {

// A 1000 x 800 screen whose work area leaves out a 40-pixel panel at the bottom.
TDropDownPlacement placement(QPoint editTopLeft, QSize popup, TDropPosition position = dpAuto)
{
    TDropDownPlacement p;
    p.EditTopLeft = editTopLeft;
    p.EditHeight = 21;
    p.PopupSize = popup;
    p.Position = position;
    p.Screen = QRect(0, 0, 1000, 800);
    p.WorkArea = QRect(0, 0, 1000, 760);
    return p;
}

}  // namespace

TEST(DropDownPlacement, AutoOpensBelowUntilThePopupReachesTheScreenBottom)
{
    struct Case {
        int editTop;
        int popupHeight;
        QPoint expected;
    } cases[] = {
        // Below: overlapping the edit's last pixel row.
        {100, 200, {50, 120}},
        // 599 + 200 = 799 < 800: still below (the test takes the edit's top,
        // not its bottom, and the whole screen, not the work area).
        {599, 200, {50, 619}},
        // 600 + 200 reaches the screen height: above, ending at the edit's top.
        {600, 200, {50, 400}},
        {700, 200, {50, 500}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.editTop);
        EXPECT_EQ(DropDownPosition(placement(QPoint(50, c.editTop), QSize(150, c.popupHeight))), c.expected);
    }
}

TEST(DropDownPlacement, FixedPositionsIgnoreTheRoom)
{
    EXPECT_EQ(DropDownPosition(placement(QPoint(50, 700), QSize(150, 200), dpDown)), QPoint(50, 720));
    EXPECT_EQ(DropDownPosition(placement(QPoint(50, 10), QSize(150, 200), dpUp)), QPoint(50, -190));
}

TEST(DropDownPlacement, RightEdgeCorrection)
{
    struct Case {
        const char* name;
        QRect workArea;
        int editLeft;
        int expectedLeft;
    } cases[] = {
        {"fits", QRect(0, 0, 1000, 760), 800, 800},
        {"just fits", QRect(0, 0, 1000, 760), 850, 850},
        {"passes the right edge", QRect(0, 0, 1000, 760), 900, 850},
        {"starts beyond the work area", QRect(0, 0, 1000, 760), 1000, 1000},
        {"work area starting left of 0", QRect(-200, 0, 1000, 760), 700, 700},
        {"second screen", QRect(1000, 0, 800, 600), 1700, 1650},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TDropDownPlacement p = placement(QPoint(c.editLeft, 300), QSize(150, 200));
        p.WorkArea = c.workArea;
        p.Screen = c.workArea;
        EXPECT_EQ(DropDownPosition(p).x(), c.expectedLeft);
    }
}

TEST(DropDownPlacement, TheBottomIsNeverCorrected)
{
    // Opened downwards near the bottom: left where it is, past the screen.
    TDropDownPlacement p = placement(QPoint(50, 700), QSize(150, 300), dpDown);
    EXPECT_EQ(DropDownPosition(p), QPoint(50, 720));
}

TEST(DropDownPlacement, MinimumSize)
{
    EXPECT_EQ(ConstrainedDropDownSize(QSize(20, 10)), QSize(80, 50));
    EXPECT_EQ(ConstrainedDropDownSize(QSize(200, 30)), QSize(200, 50));
    EXPECT_EQ(ConstrainedDropDownSize(QSize(200, 300)), QSize(200, 300));
}
