#include <gtest/gtest.h>

#include "controls/grid/paint/cell_faces.h"
#include "controls/grid/paint/paint_test_support.h"

// Each test file keeps its names in its own namespace (the tests are built in batches).
namespace grid::paint::paint_faces_test {

using namespace paint_test_support;
using platform::TRect;

TEST(PaintColorMix, BlendColorsAndSelectionMix)
{
    struct Case {
        TColor A, B;
        int Percent;
        TColor Expected;
    } cases[] = {
        {0x0000FF, 0xFF0000, 50, 0x800080},  // 127.5 rounds to 128
        {0x000064, 0x0000C8, 25, 0x0000AF},  // 25 + 150 = 175
        {0x123456, 0x654321, 100, 0x123456},
        {0x123456, 0x654321, 0, 0x654321},
        {clNone, 0x654321, 50, 0x654321},
        {0x123456, clNone, 50, 0x123456},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Percent);
        EXPECT_EQ(BlendColors(c.A, c.B, c.Percent), c.Expected);
    }
    EXPECT_EQ(SelectionMix(0x0000FF, 0xFF0000, false, 50), 0x0000FFu);
    EXPECT_EQ(SelectionMix(0x0000FF, 0xFF0000, true, 50), 0x800080u);
}

TEST(PaintFixedFace, NormalFaceIsATwoPartGradient)
{
    TFixedFaceColors colors;
    TFixedFace face;
    face.Color = 0xFFFFFF;
    face.ColorTo = 0x808080;
    face.MirrorColor = 0x0000FF;
    face.MirrorColorTo = 0x000080;
    PaintTarget t(60, 40);
    TRect r(0, 0, 60, 40);
    DrawFixedCellFace(*t.Canvas, r, face, colors, glXP, false);
    EXPECT_EQ(t.At(30, 0), 0xFFFFFFu);
    const TColor upperEnd = t.At(30, 19);
    EXPECT_NEAR(int(upperEnd & 0xFF), 0x80, 8);
    EXPECT_EQ(t.At(30, 20), 0x0000FFu);  // the lower half starts at top + height div 2
    EXPECT_NEAR(int(t.At(30, 39) & 0xFF), 0x80, 8);
    EXPECT_EQ(r, TRect(0, 0, 60, 40));

    // A flat grid gets no face; the classic looks none either.
    PaintTarget flat(60, 40);
    DrawFixedCellFace(*flat.Canvas, r, face, colors, glXP, true);
    DrawFixedCellFace(*flat.Canvas, r, face, colors, glStandard, false);
    EXPECT_EQ(flat.CountNot(QRect(0, 0, 60, 40), Qt::white), 0);

    // Vista adds white side lines.
    face.Color = face.ColorTo = 0x00FF00;
    face.MirrorColor = face.MirrorColorTo = clNone;
    PaintTarget vista(60, 40, Qt::black);
    DrawFixedCellFace(*vista.Canvas, r, face, colors, glVista, false);
    EXPECT_EQ(vista.At(0, 10), clWhite);
    EXPECT_EQ(vista.At(59, 10), clWhite);
    EXPECT_EQ(vista.At(30, 10), 0x00FF00u);
}

TEST(PaintFixedFace, HoverPressedActiveAndSortedFaces)
{
    TFixedFaceColors colors;
    colors.QVRGradientHoverFrom = colors.QVRGradientHoverTo = 0x00FF00;
    colors.QVRGradientHoverMirrorFrom = colors.QVRGradientHoverMirrorTo = 0x00FF00;
    colors.QVRGradientHoverBorder = 0x0000FF;
    colors.QVRGradientDownFrom = colors.QVRGradientDownTo = 0xFF0000;
    colors.QVRGradientDownMirrorFrom = colors.QVRGradientDownMirrorTo = 0xFF0000;
    colors.QVRGradientDownBorder = 0x000080;

    TFixedFace face;
    face.Lit = true;
    PaintTarget hover(60, 30);
    TRect r(0, 0, 60, 20);
    DrawFixedCellFace(*hover.Canvas, r, face, colors, glXP, false);
    EXPECT_EQ(r.Bottom, 21);  // grows by 1
    EXPECT_EQ(hover.At(0, 10), 0x0000FFu);
    EXPECT_EQ(hover.At(30, 20), 0x0000FFu);
    EXPECT_EQ(hover.At(30, 10), 0x00FF00u);

    face.Pressed = true;
    face.DropDownButton = true;
    face.DropDownPressed = true;
    PaintTarget split(60, 30);
    r = TRect(0, 0, 60, 20);
    DrawFixedCellFace(*split.Canvas, r, face, colors, glXP, false);
    EXPECT_EQ(split.At(50, 3), 0xFF0000u);  // the pressed button part
    EXPECT_EQ(split.At(20, 10), 0x00FF00u); // the rest hovered
    EXPECT_EQ(split.At(44, 15), 0x000080u); // the separator at right - 16 in the pressed border
    EXPECT_EQ(r.Right, 44);                 // the text ends before the button

    TFixedFace active;
    active.ActiveHeader = true;
    active.ActiveCellColor = 0x0000FF;
    PaintTarget a(60, 30);
    r = TRect(0, 0, 60, 20);
    DrawFixedCellFace(*a.Canvas, r, active, colors, glXP, true);  // also on a flat grid
    EXPECT_EQ(a.At(30, 10), 0x0000FFu);
    EXPECT_EQ(a.At(0, 10), 0x0000FFu);  // no frame

    TFixedFace sorted;
    sorted.SortedHeader = true;
    sorted.SortColor = sorted.SortColorTo = 0x111111;
    sorted.SortMirrorColor = sorted.SortMirrorColorTo = 0x222222;
    PaintTarget s(60, 30);
    r = TRect(0, 0, 60, 20);
    DrawFixedCellFace(*s.Canvas, r, sorted, colors, glVista, false);
    EXPECT_EQ(s.At(30, 5), 0x111111u);
    EXPECT_EQ(s.At(30, 15), 0x222222u);
}

TEST(PaintFixedFace, RaisedLinesOfTheLooks)
{
    PaintTarget xp(60, 30, Qt::gray);
    TRect r(0, 0, 60, 20);
    DrawFixedCellLines(*xp.Canvas, r, glXP, 0xC8C8C8, true, true);
    EXPECT_EQ(r.Bottom, 21);
    EXPECT_EQ(xp.At(30, 20), 0x646464u);  // halved fixed colour at the bottom
    EXPECT_EQ(xp.At(30, 1), clWhite);
    EXPECT_EQ(xp.At(1, 10), clWhite);

    PaintTarget soft(70, 30, Qt::gray);
    r = TRect(0, 0, 60, 20);
    DrawFixedCellLines(*soft.Canvas, r, glSoft, 0xC8C8C8, false, true);
    EXPECT_EQ(r, TRect(0, 0, 61, 21));
    EXPECT_EQ(soft.At(59, 10), 0x646464u);
    EXPECT_EQ(soft.At(60, 10), clWhite);

    PaintTarget classic(60, 30, Qt::gray);
    r = TRect(0, 0, 60, 20);
    DrawFixedCellLines(*classic.Canvas, r, glClassic, clBtnFace, true, true);
    EXPECT_EQ(classic.At(59, 10), clBlack);
    EXPECT_EQ(classic.At(20, 18), clBlack);
}

TEST(PaintFixedFace, TreeLinesAndFocusRectangle)
{
    PaintTarget t(80, 40);
    TTreeLines tree;
    tree.Level = 1;
    tree.NodeIndent = 12;
    tree.TreeColor = clRed;
    tree.ShowTreeFull = false;
    tree.SpanKind = 1;
    DrawTreeLines(*t.Canvas, TRect(0, 0, 80, 20), tree);
    // x = 12 - 12 + 2 + 6 = 8; a line right to left + 4 = 16 at mid 10; the span stub from the top.
    EXPECT_EQ(t.At(12, 10), clRed);
    EXPECT_EQ(t.At(8, 3), clRed);
    EXPECT_EQ(t.At(40, 10), clWhite);

    PaintTarget f(40, 30);
    DrawCellFocusRect(*f.Canvas, TRect(5, 5, 35, 25), 1);
    EXPECT_GT(f.CountNot(QRect(5, 5, 30, 1), Qt::white), 5);
    EXPECT_EQ(f.CountNot(QRect(8, 8, 20, 10), Qt::white), 0);
}

TEST(PaintFixedFace, ModifiedMarkRowIndicatorAndSelectionRectangle)
{
    PaintTarget m(40, 20);
    DrawModifiedMark(*m.Canvas, TRect(0, 0, 40, 20), clYellow);
    EXPECT_EQ(m.At(37, 10), clYellow);
    EXPECT_EQ(m.At(35, 10), clWhite);

    QImage indicator(6, 8, QImage::Format_RGB32);
    indicator.fill(Qt::red);
    indicator.setPixelColor(0, 7, Qt::green);  // the transparent colour: the bottom-left pixel
    PaintTarget i(40, 20);
    TRect r(0, 0, 40, 20);
    DrawRowIndicator(*i.Canvas, r, indicator, vtaCenter);
    EXPECT_EQ(r.Left, 8);
    EXPECT_EQ(i.At(4, 9), clRed);  // at left + 2, rows 6 .. 13
    EXPECT_EQ(i.At(2, 13), clWhite);
    EXPECT_EQ(i.At(4, 5), clWhite);

    PaintTarget s(60, 40);
    TSelectionEdges edges;
    edges.Left = edges.Top = edges.Resizer = true;
    DrawSelectionRectangle(*s.Canvas, TRect(10, 10, 50, 30), edges, clBlue, 1);
    EXPECT_EQ(s.At(10, 20), clBlue);  // the left edge at left - g + 1
    EXPECT_EQ(s.At(30, 10), clBlue);  // the top edge at top - g + 1
    EXPECT_EQ(s.At(48, 28), clBlue);  // the resizer square
    EXPECT_EQ(s.At(30, 20), clWhite);
}

}  // namespace grid::paint::paint_faces_test
