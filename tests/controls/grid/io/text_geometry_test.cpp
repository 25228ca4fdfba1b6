// Text geometry: cell text offsets, the most lines of a row, the longest
// saved line of a column, and where rotated text starts.

#include <gtest/gtest.h>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/text_geometry.h"

using namespace grid;

namespace text_geometry_test {

TEST(TextGeometry, OffsetsLinesAndLongestLine)
{
    TExStringGrid g;
    g.XYOffset = QPoint(2, 3);
    g.XYOffsetTopLeftOnly = false;
    EXPECT_EQ(g.GetXOffsetTotal(), 4);
    EXPECT_EQ(g.GetYOffsetTotal(), 6);
    g.XYOffsetTopLeftOnly = true;
    EXPECT_EQ(g.GetXOffsetTotal(), 2);
    EXPECT_EQ(g.GetYOffsetTotal(), 3);

    g.SetColCount(4);
    g.SetRowCount(2);
    g.SetCellEx(0, 1, "one");
    g.SetCellEx(1, 1, "a\r\nb\r\nc");
    g.SetCellEx(2, 1, "d\r\nlongest line");
    g.HideColumn(3);
    EXPECT_EQ(g.GetMaxLinesInRow(1), 1);
    g.MultilineCells = true;
    EXPECT_EQ(g.GetMaxLinesInRow(1), 3);
    EXPECT_EQ(g.GetMaxLinesInRow(0), 1);

    EXPECT_EQ(g.GetMaxColTextLength(2), 12);
    g.MultilineCells = false;
    EXPECT_EQ(g.GetMaxColTextLength(2), 1);  // first lines only
    g.SetRowCount(0);
    EXPECT_EQ(g.GetMaxColTextLength(2), 0);
}

TEST(TextGeometry, PlaceRotatedTextByQuadrantAndAlignment)
{
    // Text 100 wide, 20 high; the rectangle (0, 0, 200, 200).
    struct Case {
        int angle, h, v;
        TRotatedTextParts parts;
        int left, top;
    };
    const TRotatedTextParts at0{100, 0, 0, 20}, at90{0, 20, 100, 0}, at180{100, 0, 0, 20}, at270{0, 20, 100, 0};
    const Case cases[] = {
        {0, 0, 0, at0, 0, 0},         {90, 2, 1, at90, 90, 150},  {90, 1, 2, at90, 180, 200},
        {0, 2, 1, at0, 50, 90},       {180, 0, 0, at180, 100, 20}, {180, 1, 2, at180, 200, 200},
        {180, 2, 1, at180, 150, 110}, {270, 0, 0, at270, 20, 0},   {270, 1, 2, at270, 200, 100},
        {270, 2, 1, at270, 110, 50},  {300, 0, 0, at0, 0, 0},      {300, 1, 2, at0, 100, 180},
        {45, 7, 9, at0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.angle << " " << c.h << " " << c.v);
        platform::TRect r(0, 0, 200, 200);
        PlaceRotatedText(r, c.h, c.v, c.angle, c.parts);
        EXPECT_EQ(r.Left, c.left);
        EXPECT_EQ(r.Top, c.top);
        EXPECT_EQ(r.Right, 200);
        EXPECT_EQ(r.Bottom, 200);
    }
    const TRotatedTextParts p = RotatedTextParts(90, 100, 20);
    EXPECT_EQ(p.Cw, 0);
    EXPECT_EQ(p.Sh, 20);
    EXPECT_EQ(p.Sw, 100);
    EXPECT_EQ(p.Ch, 0);
}

TEST(TextGeometry, RotatedTextPosShrinksTheRectangleFirst)
{
    TExStringGrid g;
    platform::TRect r(10, 20, 110, 220);
    g.GetRotatedTextPos(r, 0, "text", 0, 0);
    EXPECT_EQ(r, platform::TRect(12, 22, 108, 218));
    platform::TRect b(10, 20, 110, 220);
    g.GetRotatedTextPos(b, 90, "text", 0, 2);  // bottom: T := B - Ch, Ch = 0 at 90 degrees
    EXPECT_EQ(b.Left, 12);
    EXPECT_EQ(b.Top, 218);
}

}  // namespace text_geometry_test

namespace text_geometry_test {

TEST(RescaleControl, FixedAndActiveCellFontsFollowTheScale)
{
    TExStringGrid g;
    TCellFont fixed = g.FixedFont();
    fixed.Size = 9;
    g.SetFixedFont(fixed);
    TCellFont active = g.ActiveCellFont();
    active.Size = 10;
    g.SetActiveCellFont(active);
    g.RescaleControl(144, 96);
    EXPECT_EQ(g.FixedFont().Size, 14);  // 13.5 to the nearest
    EXPECT_EQ(g.ActiveCellFont().Size, 15);
    g.RescaleControl(96, 96);
    EXPECT_EQ(g.FixedFont().Size, 14);
    g.RescaleControl(1, 2);
    EXPECT_EQ(g.FixedFont().Size, 7);
    EXPECT_EQ(g.ActiveCellFont().Size, 8);  // 7.5 to the nearest
}

}  // namespace text_geometry_test
