#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/paint/grid_draw_utils.h"
#include "controls/grid/paint/cell_faces.h"
#include "controls/grid/paint/grid_looks.h"
#include "controls/grid/paint/theme_notifier.h"

// Each test file keeps its names in its own namespace (the tests are built in batches).
namespace grid::paint_pipeline_grid_test {

using platform::TRect;

// Paints the grid's whole client area into an image, as its window would.
QImage Render(TExStringGrid& g)
{
    QImage image(g.viewport()->size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    g.PaintTo(painter, TRect(0, 0, image.width(), image.height()));
    painter.end();
    return image;
}

TColor At(const QImage& image, int x, int y) { return ColorFromQColor(image.pixelColor(x, y)); }

// Colours equal within a small tolerance per component (gradient bands).
bool Near(TColor a, TColor b, int tolerance = 6)
{
    a = ColorToRGB(a);
    b = ColorToRGB(b);
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance) return false;
    return true;
}

// Pixels of the rectangle whose colour is not c.
int CountNot(const QImage& image, const TRect& r, TColor c)
{
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (At(image, x, y) != ColorToRGB(c)) ++n;
    return n;
}

// The bounding box of the pixels in r that are not c (empty when none).
QRect Ink(const QImage& image, const TRect& r, TColor c)
{
    QRect box;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (At(image, x, y) != ColorToRGB(c)) box |= QRect(x, y, 1, 1);
    return box;
}

// A shown grid of 5 x 6 with wide columns, white cells and no focus.
struct GridFixture {
    TExStringGrid g;
    GridFixture()
    {
        g.resize(420, 200);
        g.SetColCount(5);
        g.SetRowCount(6);
        for (int c = 0; c < 5; ++c) g.SetColWidths(c, 80);
        g.SetColor(clWhite);
        g.show();
        // The current (and selected) cell out of the way of the samples.
        g.SetCol(4);
        g.SetRow(5);
    }
    TRect Cell(int c, int r) { return g.CellRect(c, r); }
};

// ------------------------------------------------------------ backgrounds

TEST(PaintPipelineGrid, CellBackgroundsOwnColourBandsAndGradient)
{
    GridFixture f;
    TExStringGrid& g = f.g;
    g.SetColors(1, 1, 0x0080FFFF);
    g.SetColors(2, 2, clRed);
    g.SetColorsTo(2, 2, clBlue);
    g.SetSelection({4, 5, 4, 5});
    QImage image = Render(g);
    const TRect plain = f.Cell(3, 1), own = f.Cell(1, 1), grad = f.Cell(2, 2);
    EXPECT_EQ(At(image, plain.Left + 5, plain.Top + 5), ColorToRGB(clWhite));
    EXPECT_EQ(At(image, own.Left + 5, own.Top + 5), 0x0080FFFFu);
    // A vertical gradient from red at the top to blue at the bottom.
    EXPECT_TRUE(Near(At(image, grad.Left + 5, grad.Top + 1), clRed, 24));
    EXPECT_TRUE(Near(At(image, grad.Left + 5, grad.Bottom - 3), clBlue, 24));
    const TColor mid = At(image, grad.Left + 5, grad.Top + grad.Height() / 2);
    EXPECT_GT(mid & 0xFF, 0x40u);
    EXPECT_GT((mid >> 16) & 0xFF, 0x40u);

    // Bands count from the first normal row: primary, secondary, primary ...
    g.Bands().SetPrimaryColor(0x00E0FFE0);
    g.Bands().SetSecondaryColor(0x00FFE0E0);
    g.Bands().SetActive(true);
    image = Render(g);
    EXPECT_EQ(At(image, f.Cell(3, 1).Left + 5, f.Cell(3, 1).Top + 5), 0x00E0FFE0u);
    EXPECT_EQ(At(image, f.Cell(3, 2).Left + 5, f.Cell(3, 2).Top + 5), 0x00FFE0E0u);
    EXPECT_EQ(At(image, f.Cell(3, 3).Left + 5, f.Cell(3, 3).Top + 5), 0x00E0FFE0u);
    // A cell's own colour wins over the bands.
    EXPECT_EQ(At(image, own.Left + 5, own.Top + 5), 0x0080FFFFu);
}

TEST(PaintPipelineGrid, FixedCellFaceAndLinesOfTheXPLook)
{
    GridFixture f;
    TExStringGrid& g = f.g;
    ASSERT_EQ(g.Look(), glXP);
    const paint::TFixedFaceColors& faces = g.FaceColors();
    const QImage image = Render(g);
    const TRect head = f.Cell(2, 0);
    // The two-part face: QVRGradientFrom at the top, QVRGradientTo at the bottom.
    EXPECT_TRUE(Near(At(image, head.Left + 10, head.Top + 3), faces.QVRGradientFrom, 10));
    EXPECT_TRUE(Near(At(image, head.Left + 10, head.Bottom - 4), faces.QVRGradientTo, 10));
    // The raised white line at top + 1 and the line in the halved fixed colour at the bottom.
    EXPECT_EQ(At(image, head.Left + 10, head.Top + 1), ColorToRGB(clWhite));
    bool darkLine = false;
    for (int y = head.Bottom - 4; y < head.Bottom; ++y)
        darkLine = darkLine || At(image, head.Left + 10, y) == ColorToRGB(HalveColor(g.FixedColor()));
    EXPECT_TRUE(darkLine);
    // A fixed cell with its own colour keeps it and gets no face.
    g.SetColors(0, 3, 0x0000C0FF);
    const QImage coloured = Render(g);
    const TRect rowHead = f.Cell(0, 3);
    EXPECT_EQ(At(coloured, rowHead.Left + 10, rowHead.Top + 6), 0x0000C0FFu);
    EXPECT_EQ(At(coloured, rowHead.Left + 10, rowHead.Bottom - 6), 0x0000C0FFu);
}

TEST(PaintPipelineGrid, HoveredAndPressedFixedCellFaces)
{
    GridFixture f;
    TExStringGrid& g = f.g;
    g.HoverFixedCells = hfAll;
    paint::TFixedFaceColors& faces = g.FaceColors();
    faces.QVRGradientHoverFrom = faces.QVRGradientHoverTo = 0x0000FF00;
    faces.QVRGradientHoverMirrorFrom = faces.QVRGradientHoverMirrorTo = 0x0000FF00;
    faces.QVRGradientHoverBorder = clBlue;
    faces.QVRGradientDownFrom = faces.QVRGradientDownTo = 0x00FF0000;
    faces.QVRGradientDownMirrorFrom = faces.QVRGradientDownMirrorTo = 0x00FF0000;
    g.SetFixedHover(2, 0, false, false);
    QImage image = Render(g);
    const TRect head = f.Cell(2, 0);
    EXPECT_EQ(At(image, head.Left + 10, head.Top + 8), 0x0000FF00u);
    EXPECT_EQ(At(image, head.Left, head.Top + 8), ColorToRGB(clBlue));  // the hover frame
    // Its neighbour keeps the normal face.
    EXPECT_NE(At(image, f.Cell(3, 0).Left + 10, head.Top + 8), 0x0000FF00u);
    g.SetFixedHover(2, 0, true, false);
    image = Render(g);
    EXPECT_EQ(At(image, head.Left + 10, head.Top + 8), 0x00FF0000u);
    // hfNone lights nothing.
    g.HoverFixedCells = hfNone;
    image = Render(g);
    EXPECT_NE(At(image, head.Left + 10, head.Top + 8), 0x00FF0000u);
}

// ------------------------------------------------------------ selection

TEST(PaintPipelineGrid, SelectionColoursMixerAndNoSelectionColour)
{
    GridFixture f;
    TExStringGrid& g = f.g;
    g.SetColors(3, 2, 0x000000FF);
    g.SetSelection({1, 2, 3, 2});
    QImage image = Render(g);
    const TRect sel = f.Cell(1, 2), coloured = f.Cell(3, 2);
    EXPECT_EQ(At(image, sel.Left + 5, sel.Top + 5), 0x00EACAB6u);
    // Without the mixer a coloured cell takes the selection colour.
    EXPECT_EQ(At(image, coloured.Left + 5, coloured.Top + 5), 0x00EACAB6u);
    // With the mixer at 50 % the average of both colours (rounded).
    g.SelectionColorMixer = true;
    image = Render(g);
    EXPECT_EQ(At(image, coloured.Left + 5, coloured.Top + 5), paint::BlendColors(0x00EACAB6, 0x000000FF, 50));
    EXPECT_EQ(At(image, coloured.Left + 5, coloured.Top + 5), 0x007565DBu);
    // No selection colour: a selected cell without focus is painted in clHighlight.
    g.SelectionColor = clNone;
    image = Render(g);
    EXPECT_EQ(At(image, sel.Left + 5, sel.Top + 5), ColorToRGB(clHighlight));
    // ShowSelection off: the cell keeps its own colours.
    g.SelectionColor = 0x00EACAB6;
    g.SetShowSelection(false);
    image = Render(g);
    EXPECT_EQ(At(image, sel.Left + 5, sel.Top + 5), ColorToRGB(clWhite));
}

TEST(PaintPipelineGrid, SelectedTextTakesTheSelectionTextColour)
{
    GridFixture f;
    TExStringGrid& g = f.g;
    g.SetCellEx(1, 2, "WWWW");
    g.SetCellEx(1, 3, "WWWW");
    g.SelectionTextColor = clRed;
    g.SetSelection({1, 2, 1, 2});
    const QImage image = Render(g);
    const TRect sel = f.Cell(1, 2), other = f.Cell(1, 3);
    int red = 0, redOther = 0;
    for (int y = sel.Top; y < sel.Bottom; ++y)
        for (int x = sel.Left; x < sel.Right; ++x) {
            if (Near(At(image, x, y), clRed, 40)) ++red;
            if (Near(At(image, x, other.Top + (y - sel.Top)), clRed, 40)) ++redOther;
        }
    EXPECT_GT(red, 10);
    EXPECT_EQ(redOther, 0);
}

// ------------------------------------------------------------ lines, focus, borders

TEST(PaintPipelineGrid, GridLinesAndCellBorders)
{
    GridFixture f;
    TExStringGrid& g = f.g;
    g.SetGridLineColor(0x00008000);
    QImage image = Render(g);
    const TRect cell = f.Cell(2, 2);
    EXPECT_EQ(At(image, cell.Right - 1, cell.Top + 8), 0x00008000u);
    EXPECT_EQ(At(image, cell.Left + 8, cell.Bottom - 1), 0x00008000u);
    EXPECT_EQ(At(image, cell.Left + 8, cell.Top + 8), ColorToRGB(clWhite));

    std::vector<std::pair<int, int>> asked;
    g.OnGetCellBorder = [&](QObject*, int ARow, int ACol, TGridPen& pen, TCellBorders& borders) {
        asked.emplace_back(ACol, ARow);
        if (ACol == 2 && ARow == 2) {
            pen.Color = clRed;
            borders = cbLeft | cbTop | cbRight | cbBottom;
        }
    };
    image = Render(g);
    EXPECT_FALSE(asked.empty());
    // Each side of the bordered cell shows red; a plain cell none.
    const auto hasRed = [&](const TRect& r, int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                if (At(image, x, y) == ColorToRGB(clRed)) return true;
        (void)r;
        return false;
    };
    EXPECT_TRUE(hasRed(cell, cell.Left - 1, cell.Top + 8, cell.Left + 1, cell.Top + 8));
    EXPECT_TRUE(hasRed(cell, cell.Right - 3, cell.Top + 8, cell.Right, cell.Top + 8));
    EXPECT_TRUE(hasRed(cell, cell.Left + 8, cell.Top - 1, cell.Left + 8, cell.Top + 1));
    EXPECT_TRUE(hasRed(cell, cell.Left + 8, cell.Bottom - 3, cell.Left + 8, cell.Bottom));
    const TRect plain = f.Cell(3, 3);
    EXPECT_EQ(CountNot(image, TRect(plain.Left + 2, plain.Top + 2, plain.Right - 2, plain.Bottom - 2), clWhite), 0);
    // Each side's own pen.
    g.OnGetCellBorderProp = [](QObject*, int, int, platform::TPen& left, platform::TPen&, platform::TPen&,
                               platform::TPen&) { left.Color = clBlue; };
    image = Render(g);
    EXPECT_TRUE([&] {
        for (int x = cell.Left - 1; x <= cell.Left + 1; ++x)
            if (At(image, x, cell.Top + 8) == ColorToRGB(clBlue)) return true;
        return false;
    }());
    EXPECT_TRUE(hasRed(cell, cell.Right - 3, cell.Top + 8, cell.Right, cell.Top + 8));
}

TEST(PaintPipelineGrid, FocusRectangleOnlyOnTheFocusedCurrentCell)
{
    GridFixture f;
    TExStringGrid& g = f.g;
    g.activateWindow();
    g.setFocus();
    QCoreApplication::processEvents();
    if (!g.IsActiveControl()) GTEST_SKIP() << "the window system gives no keyboard focus";
    g.SetCol(2);
    g.SetRow(3);
    g.SetShowSelection(false);
    const TRect cell = f.Cell(2, 3);
    // The dotted outline: every other pixel of the top edge differs from the cell colour.
    auto dotsOnTop = [&](const QImage& image) {
        int dots = 0;
        for (int x = cell.Left + 4; x < cell.Right - 4; ++x)
            for (int y = cell.Top - 1; y <= cell.Top + 1; ++y)
                if (At(image, x, y) == ColorToRGB(clBlack)) {
                    ++dots;
                    break;
                }
        return dots;
    };
    const int dots = dotsOnTop(Render(g));
    EXPECT_GT(dots, (cell.Width() - 8) / 2 - 3);
    EXPECT_LT(dots, (cell.Width() - 8) / 2 + 3);
    g.HideFocusRect = true;
    EXPECT_EQ(dotsOnTop(Render(g)), 0);
    g.HideFocusRect = false;
    g.SetOptions(g.Options() | platform::goRowSelect);
    EXPECT_EQ(dotsOnTop(Render(g)), 0);
}

TEST(PaintPipelineGrid, NoFocusRectangleWithoutFocus)
{
    GridFixture f;
    TExStringGrid& g = f.g;
    g.SetShowSelection(false);
    g.SetCol(2);
    g.SetRow(3);
    ASSERT_FALSE(g.IsActiveControl());
    const QImage image = Render(g);
    const TRect cell = f.Cell(2, 3);
    EXPECT_EQ(CountNot(image, TRect(cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 1), clWhite), 0);
}

// ------------------------------------------------------------ check boxes

TEST(PaintPipelineGrid, CheckBoxesDrawnInCells)
{
    GridFixture f;
    TExStringGrid& g = f.g;
    for (int r = 1; r <= 2; ++r) {
        auto graphic = std::make_unique<TCellGraphic>();
        graphic->SetCheckBox(r == 1, false, false, haLeft, vaCenter);
        g.SetGraphicObjectEx(1, r, std::move(graphic));
    }
    const QImage image = Render(g);
    const int size = g.ControlLook().CheckSize();
    const TRect on = f.Cell(1, 1), off = f.Cell(1, 2);
    const QRect onInk = Ink(image, TRect(on.Left, on.Top, on.Right - 1, on.Bottom - 1), clWhite);
    const QRect offInk = Ink(image, TRect(off.Left, off.Top, off.Right - 1, off.Bottom - 1), clWhite);
    // A box of CheckSize at the left, centred vertically; the checked one holds more ink.
    ASSERT_FALSE(onInk.isEmpty());
    ASSERT_FALSE(offInk.isEmpty());
    EXPECT_NEAR(onInk.width(), size, 2);
    EXPECT_NEAR(onInk.height(), size, 2);
    EXPECT_LT(onInk.left() - on.Left, 6);
    EXPECT_NEAR(onInk.center().y() - on.Top, on.Height() / 2, 3);
    int onDark = 0, offDark = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            if (qGray(image.pixel(onInk.left() + x, onInk.top() + y)) < 100) ++onDark;
            if (qGray(image.pixel(offInk.left() + x, offInk.top() + y)) < 100) ++offDark;
        }
    EXPECT_GT(onDark, offDark + 5);
}

// ------------------------------------------------------------ layer order and events

TEST(PaintPipelineGrid, EventsFireInTheLayerOrder)
{
    GridFixture f;
    TExStringGrid& g = f.g;
    g.SetCellEx(2, 2, "text");
    std::vector<std::string> order;
    const auto mine = [](int c, int r) { return c == 2 && r == 2; };
    g.OnGetCellColor = [&](QObject*, int ARow, int ACol, platform::TGridDrawState, platform::TBrush&,
                           platform::TFont&) {
        if (mine(ACol, ARow)) order.push_back("color");
    };
    g.OnGetCellGradient = [&](QObject*, int ARow, int ACol, TColor&, TColor&, TColor&, TColor&,
                              TCellGradientDirection&) {
        if (mine(ACol, ARow)) order.push_back("gradient");
    };
    g.OnCustomCellBkgDraw = [&](QObject*, platform::TCanvas&, int ACol, int ARow, platform::TGridDrawState,
                                const TRect&, bool printing) {
        EXPECT_FALSE(printing);
        if (mine(ACol, ARow)) order.push_back("bkg");
    };
    g.OnGetCellBorder = [&](QObject*, int ARow, int ACol, TGridPen&, TCellBorders&) {
        if (mine(ACol, ARow)) order.push_back("border");
    };
    TRect drawRect;
    g.OnDrawCell = [&](QObject*, int ACol, int ARow, const TRect& rect, platform::TGridDrawState) {
        if (mine(ACol, ARow)) {
            order.push_back("draw");
            drawRect = rect;
        }
    };
    g.OnCustomCellDraw = [&](QObject*, platform::TCanvas&, int ACol, int ARow, platform::TGridDrawState, const TRect&,
                             bool) {
        if (mine(ACol, ARow)) order.push_back("custom");
    };
    int painted = 0;
    g.OnPainted = [&](QObject*, platform::TCanvas&) {
        order.push_back("painted");
        ++painted;
    };
    Render(g);
    // The base painter and the contents painter each ask for the look (colour, gradient twice).
    const std::vector<std::string> expected{"color", "gradient", "color", "gradient", "bkg",
                                            "border", "draw", "custom", "painted"};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(painted, 1);
    // OnDrawCell's rectangle: the cell moved in by 1 at the top-left and by the line width at the bottom-right.
    const TRect cell = f.Cell(2, 2);
    EXPECT_EQ(drawRect, TRect(cell.Left + 1, cell.Top + 1, cell.Right - 1, cell.Bottom - 1));
}

TEST(PaintPipelineGrid, LayersLieInOrderAndNoDefaultDrawSuppressesText)
{
    GridFixture f;
    TExStringGrid& g = f.g;
    g.SetCellEx(2, 2, "WWWWW");
    // The background layer paints the cell green; the text goes on top of it,
    // and the last user layer draws a blue bar over the text's left part.
    g.OnCustomCellBkgDraw = [](QObject*, platform::TCanvas& c, int ACol, int ARow, platform::TGridDrawState,
                               const TRect& r, bool) {
        if (ACol == 2 && ARow == 2) FillRectColor(c, r, 0x0000FF00);
    };
    g.OnCustomCellDraw = [](QObject*, platform::TCanvas& c, int ACol, int ARow, platform::TGridDrawState,
                            const TRect& r, bool) {
        if (ACol == 2 && ARow == 2) FillRectColor(c, TRect(r.Left, r.Top, r.Left + 6, r.Bottom), clBlue);
    };
    QImage image = Render(g);
    const TRect cell = f.Cell(2, 2);
    const TRect inside(cell.Left + 8, cell.Top + 1, cell.Right - 2, cell.Bottom - 2);
    EXPECT_GT(CountNot(image, inside, 0x0000FF00), 20);  // the text on the green
    EXPECT_EQ(At(image, cell.Left + 2, cell.Top + 8), ColorToRGB(clBlue));
    EXPECT_EQ(At(image, cell.Right - 4, cell.Top + 3), 0x0000FF00u);
    // NoDefaultDraw with a drawing event: background and layers, no text.
    g.NoDefaultDraw = true;
    image = Render(g);
    EXPECT_EQ(CountNot(image, inside, 0x0000FF00), 0);
    g.OnCustomCellDraw = nullptr;
    g.OnCustomCellBkgDraw = nullptr;
    image = Render(g);
    EXPECT_GT(CountNot(image, inside, clWhite), 20);  // without the events the text shows again
}

// ------------------------------------------------------------ text

TEST(PaintPipelineGrid, TextAlignmentAndWordWrap)
{
    GridFixture f;
    TExStringGrid& g = f.g;
    g.SetColWidths(2, 160);
    g.SetRowHeights(2, 60);
    g.SetCellEx(2, 2, "WW");
    const TRect cell = f.Cell(2, 2);
    const TRect inside(cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 1);
    struct Case {
        TAlignment ha;
        TVAlignment va;
    };
    const Case cases[] = {{taLeftJustify, vtaTop}, {taCenter, vtaCenter}, {taRightJustify, vtaBottom}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.ha));
        g.SetAlignments(2, 2, c.ha);
        g.GetCellProperties(2, 2)->SetVAlignment(c.va);
        const QRect ink = Ink(Render(g), inside, clWhite);
        ASSERT_FALSE(ink.isEmpty());
        const int leftGap = ink.left() - cell.Left, rightGap = cell.Right - 1 - ink.right();
        const int topGap = ink.top() - cell.Top, bottomGap = cell.Bottom - 1 - ink.bottom();
        switch (c.ha) {
        case taLeftJustify: EXPECT_LT(leftGap, 8); break;
        case taRightJustify: EXPECT_LT(rightGap, 8); break;
        case taCenter: EXPECT_NEAR(leftGap, rightGap, 3); break;
        }
        switch (c.va) {
        case vtaTop: EXPECT_LT(topGap, 8); break;
        case vtaBottom: EXPECT_LT(bottomGap, 8); break;
        case vtaCenter: EXPECT_NEAR(topGap, bottomGap, 3); break;
        }
    }
    // Word wrap: a long text goes on several lines; without it one line.
    g.SetAlignments(2, 2, taLeftJustify);
    g.GetCellProperties(2, 2)->SetVAlignment(vtaTop);
    g.SetCellEx(2, 2, "alpha beta gamma delta epsilon zeta eta");
    g.SetWordWraps(2, 2, false);
    const QRect oneLine = Ink(Render(g), inside, clWhite);
    g.SetWordWraps(2, 2, true);
    const QRect wrapped = Ink(Render(g), inside, clWhite);
    const int lineHeight = QFontMetrics(ToCanvasFont(g.Font())).height();
    EXPECT_LT(oneLine.height(), lineHeight + 2);
    EXPECT_GT(wrapped.height(), lineHeight + 2);
    EXPECT_LE(wrapped.right(), cell.Right - 1);
}

// ------------------------------------------------------------ looks

TEST(PaintPipelineGrid, LooksWriteTheGridsColourSet)
{
    // The grid's colours after each look are those the look gives a fresh colour set.
    for (int l = int(glStandard); l <= int(glOffice2007); ++l) {
        const auto look = TGridLook(l);
        SCOPED_TRACE(l);
        TExStringGrid g;
        g.SetLook(glCustom);
        g.SetLook(look);
        paint::TGridLookColors expected;
        paint::TControlLook controlLook(&expected.Faces);
        paint::TGridLooks looks(expected, controlLook);
        looks.SetLook(glCustom);
        looks.SetLook(look);
        EXPECT_EQ(g.Look(), look);
        EXPECT_EQ(g.SelectionColor, expected.SelectionColor);
        EXPECT_EQ(g.SelectionTextColor, expected.SelectionTextColor);
        EXPECT_EQ(g.SelectionStyle(), expected.SelectionStyle);
        EXPECT_EQ(g.FixedColor(), expected.FixedColor);
        EXPECT_EQ(g.Color(), expected.Color);
        EXPECT_EQ(g.GridLineColor(), expected.GridLineColor);
        EXPECT_EQ(g.GridFixedLineColor(), expected.GridFixedLineColor);
        EXPECT_EQ(g.BorderColor(), expected.BorderColor);
        EXPECT_EQ(g.ActiveCellColor, expected.ActiveCellColor);
        EXPECT_TRUE(g.FaceColors() == expected.Faces);
    }
}

TEST(PaintPipelineGrid, ColourStylesAndTonesReachTheGrid)
{
    TExStringGrid g;
    g.SetComponentStyle(paint::tsOffice2007Luna);
    EXPECT_EQ(g.ComponentStyle(), paint::tsOffice2007Luna);
    const TColor face = g.FaceColors().QVRGradientFrom;
    EXPECT_EQ(g.LookColors().Faces.QVRGradientFrom, face);
    // A colour the user sets survives a change that does not write it.
    g.SetColor(0x00123456);
    g.SetTheme(paint::xpBlue);
    EXPECT_EQ(g.Color(), 0x00123456u);
    paint::TColorTones tones;
    tones.Background = {0x00F0F0F0, 0x00C0C0C0, 0x00202020};
    tones.Foreground = {0x00E0E0E0, 0x00A0A0A0, 0x00101010};
    tones.Selected = {0x00D07000, 0x00B06000, clWhite};
    tones.Hover = {0x00F0D0B0, 0x00D0B090, clBlack};
    tones.Disabled = {0x00EEEEEE, 0x00CCCCCC, 0x00888888};
    g.SetColorTones(tones);
    EXPECT_TRUE(g.LookColors().Tones == tones);
    EXPECT_EQ(g.SelectionColor, g.LookColors().SelectionColor);
    EXPECT_EQ(g.Color(), g.LookColors().Color);
    // Without an office suite there is no theme to follow.
    g.SetAutoThemeAdapt(true);
    EXPECT_TRUE(g.AutoThemeAdapt());
    EXPECT_FALSE(g.UpdateOfficeTheme(paint::otUnknown));
    // The watcher's message is taken by the grid and changes nothing here.
    const paint::TQVRStyle style = g.ComponentStyle();
    paint::TThemeChangedEvent changed(QStringLiteral("HKCU"), QStringLiteral("Software"));
    EXPECT_TRUE(QCoreApplication::sendEvent(&g, &changed));
    EXPECT_EQ(g.ComponentStyle(), style);
    // A detected theme applies its component style once: the grid's colours follow it.
    const paint::TFixedFaceColors before = g.FaceColors();
    EXPECT_TRUE(g.UpdateOfficeTheme(paint::ot2007Black));
    EXPECT_FALSE(g.FaceColors() == before);
    EXPECT_EQ(g.SelectionColor, g.LookColors().SelectionColor);
    EXPECT_FALSE(g.UpdateOfficeTheme(paint::ot2007Black));
    g.SetAutoThemeAdapt(false);
}

TEST(PaintPipelineGrid, FlatGridHasNoFixedFaces)
{
    GridFixture f;
    TExStringGrid& g = f.g;
    const TRect head = f.Cell(2, 0);
    const TColor dark = ColorToRGB(HalveColor(g.FixedColor()));
    const auto darkLines = [&](const QImage& image) {
        int n = 0;
        for (int y = head.Top; y < head.Bottom; ++y) n += At(image, head.Left + 10, y) == dark ? 1 : 0;
        return n;
    };
    EXPECT_GT(darkLines(Render(g)), 0);
    // Flat: the background gradient stays, the raised lines go.
    g.SetFlat(true);
    const QImage image = Render(g);
    EXPECT_EQ(darkLines(image), 0);
    EXPECT_TRUE(Near(At(image, head.Left + 10, head.Top + 2), g.FaceColors().QVRGradientFrom, 10));
}

TEST(PaintPipelineGrid, ModifiedMarkRowIndicatorAndAlwaysVisibleButtons)
{
    GridFixture f;
    TExStringGrid& g = f.g;
    g.ShowModified().Enabled = true;
    g.ShowModified().SetColor(clRed);
    g.SetRowModified(2, true);
    g.ControlLook().SetDropDownAlwaysVisible(true);
    g.DefaultEditor = edComboList;
    const QImage image = Render(g);
    const TRect mark = f.Cell(0, 2), unmarked = f.Cell(0, 3);
    EXPECT_EQ(At(image, mark.Right - 4, mark.Top + 8), ColorToRGB(clRed));
    EXPECT_NE(At(image, unmarked.Right - 4, unmarked.Top + 8), ColorToRGB(clRed));
    // The drop-down button strip at the right of every normal cell.
    const TRect cell = f.Cell(2, 2);
    EXPECT_GT(CountNot(image, TRect(cell.Right - 16, cell.Top + 2, cell.Right - 2, cell.Bottom - 2), clWhite), 20);
    EXPECT_EQ(CountNot(image, TRect(cell.Left + 2, cell.Top + 2, cell.Right - 22, cell.Bottom - 2), clWhite), 0);
}

TEST(PaintPipelineGrid, BackgroundGradientOutsideAndUnderCells)
{
    GridFixture f;
    TExStringGrid& g = f.g;
    g.resize(420, 300);
    g.BackGround().SetColor(clWhite);
    g.BackGround().SetColorTo(clBlack);
    g.BackGround().SetDisplay(paint::bdGradientVert);
    const QImage image = Render(g);
    // Below the last row the empty area takes the gradient too (dark near the bottom).
    const int y = g.viewport()->height() - 3;
    EXPECT_LT(qGray(image.pixel(10, y)), 40);
    // Normal cells get their share: darker further down.
    const TRect upper = f.Cell(2, 1), lower = f.Cell(2, 5);
    EXPECT_GT(qGray(image.pixel(upper.Left + 5, upper.Top + 5)), qGray(image.pixel(lower.Left + 5, lower.Top + 5)));
}

}  // namespace grid::paint_pipeline_grid_test

namespace grid::paint_pipeline_grid_test {

TEST(PaintPipelineGrid, FlatBorderOfTheWindow)
{
    QWidget parent;
    parent.resize(500, 300);
    auto* g = new TExStringGrid(&parent);  // owned by the parent
    g->setGeometry(10, 10, 400, 200);
    parent.show();
    ASSERT_TRUE(g->DrawsFlatFrame());
    QImage image = g->grab().toImage();
    EXPECT_EQ(ColorFromQColor(image.pixelColor(1, 50)), g->BorderColor());
    EXPECT_EQ(ColorFromQColor(image.pixelColor(50, 1)), g->BorderColor());
    EXPECT_EQ(ColorFromQColor(image.pixelColor(0, 50)),
              ColorFromQColor(parent.palette().color(QPalette::Window)));
    // Flat grids and the classic looks keep the window's own frame.
    g->SetFlat(true);
    EXPECT_FALSE(g->DrawsFlatFrame());
    image = g->grab().toImage();
    EXPECT_NE(ColorFromQColor(image.pixelColor(1, 50)), g->BorderColor());
    g->SetFlat(false);
    g->SetLook(glClassic);
    EXPECT_FALSE(g->DrawsFlatFrame());
}

TEST(PaintPipelineGrid, RowIndicatorAndBackgroundTiles)
{
    GridFixture f;
    TExStringGrid& g = f.g;
    QImage arrow(6, 6, QImage::Format_RGB32);
    arrow.fill(Qt::white);  // the corner colour is left out
    for (int y = 1; y < 5; ++y)
        for (int x = 1; x < 5; ++x) arrow.setPixelColor(x, y, Qt::red);
    g.RowIndicator = arrow;
    g.VAlignment = vtaCenter;
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(QColor(0, 200, 0));
    g.BackGround().SetBitmap(tile);
    g.SetColors(2, 2, clYellow);
    const QImage image = Render(g);
    // The indicator in column 0 of the current row (5), centred; no other row has it.
    const TRect ind = f.Cell(0, 5), other = f.Cell(0, 4);
    const QRect redInk = Ink(image, TRect(ind.Left, ind.Top, ind.Right - 1, ind.Bottom - 1), clWhite);
    int red = 0, redOther = 0;
    for (int y = 0; y < ind.Height(); ++y)
        for (int x = 0; x < 20; ++x) {
            red += At(image, ind.Left + x, ind.Top + y) == ColorToRGB(clRed) ? 1 : 0;
            redOther += At(image, other.Left + x, other.Top + y) == ColorToRGB(clRed) ? 1 : 0;
        }
    EXPECT_EQ(red, 16);
    EXPECT_EQ(redOther, 0);
    (void)redInk;
    // Tiles under normal cells without a colour; a coloured cell keeps its colour.
    const TRect plain = f.Cell(3, 3), coloured = f.Cell(2, 2);
    EXPECT_EQ(At(image, plain.Left + 10, plain.Top + 10), 0x0000C800u);
    EXPECT_EQ(At(image, coloured.Left + 10, coloured.Top + 10), ColorToRGB(clYellow));
    // Fixed cells are not covered with bcNormal.
    EXPECT_NE(At(image, f.Cell(2, 0).Left + 10, f.Cell(2, 0).Top + 10), 0x0000C800u);
}

}  // namespace grid::paint_pipeline_grid_test

namespace grid::paint_pipeline_grid_test {

// An interfaced cell object that fills its rectangle with one colour.
class FillObject : public QObject, public paint::TCellInterface {
public:
    FillObject(TColor color, bool under) : FColor(color), FUnder(under) {}
    void Draw(platform::TCanvas& canvas, const TRect& rect, int, int, bool) override
    {
        FillRectColor(canvas, TRect(rect.Left, rect.Top, rect.Left + 20, rect.Bottom), FColor);
    }
    int Width() const override { return 20; }
    int Height() const override { return 10; }
    bool DrawUnderText() const override { return FUnder; }

private:
    TColor FColor;
    bool FUnder;
};

TEST(PaintPipelineGrid, InterfacedGraphicUnderOrOverTheText)
{
    GridFixture f;
    TExStringGrid& g = f.g;
    // A background picture under the cells: a graphic drawn under the text still shows over it.
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(QColor(0, 200, 0));
    g.BackGround().SetBitmap(tile);
    FillObject under(clBlue, true), over(clRed, false);
    for (int r = 1; r <= 2; ++r) {
        auto graphic = std::make_unique<TCellGraphic>();
        graphic->SetInterfacedCell(r == 1 ? static_cast<QObject*>(&under) : static_cast<QObject*>(&over));
        g.SetGraphicObjectEx(1, r, std::move(graphic));
        g.SetCellEx(1, r, "WWWWWWWWWW");
    }
    const QImage image = Render(g);
    const TRect a = f.Cell(1, 1), b = f.Cell(1, 2);
    // Under the text: the blue strip shows over the picture.
    EXPECT_EQ(At(image, a.Left + 1, a.Top + 2), ColorToRGB(clBlue));
    // Over the text: the red strip is the graphic laid last.
    int red = 0;
    for (int y = b.Top + 2; y < b.Bottom - 2; ++y)
        for (int x = b.Left; x < b.Right; ++x) red += At(image, x, y) == ColorToRGB(clRed) ? 1 : 0;
    EXPECT_GT(red, 20);
    // Elsewhere the picture.
    EXPECT_EQ(At(image, f.Cell(3, 3).Left + 10, f.Cell(3, 3).Top + 10), 0x0000C800u);
}

}  // namespace grid::paint_pipeline_grid_test

namespace grid::paint_pipeline_grid_test {

TEST(PaintPipelineGrid, FormattedCellFollowsTheFloatFormatEvent)
{
    TExStringGrid g;
    g.SetCellEx(1, 1, "3.14159");
    g.SetCellEx(1, 2, "42");
    g.SetCellEx(1, 3, "text");
    // Without the event the stored text.
    EXPECT_EQ(g.GetFormattedCell(1, 1), "3.14159");
    QString format = "%.1f";
    bool isFloat = true;
    int asked = 0;
    g.OnGetFloatFormat = [&](QObject*, int, int, bool& f, QString& fmt) {
        ++asked;
        f = isFloat;
        fmt = format;
    };
    EXPECT_EQ(g.GetFormattedCell(1, 1), "3.1");
    format = "%5d";
    EXPECT_EQ(g.GetFormattedCell(1, 2), "   42");
    EXPECT_EQ(g.GetFormattedCell(1, 3), "text");  // no number: the event is not asked
    EXPECT_EQ(asked, 2);
    isFloat = false;
    EXPECT_EQ(g.GetFormattedCell(1, 1), "3.14159");
    isFloat = true;
    format.clear();
    EXPECT_EQ(g.GetFormattedCell(1, 1), "3.14159");
}

}  // namespace grid::paint_pipeline_grid_test

namespace grid::paint_pipeline_grid_test {

TEST(PaintPipelineGrid, SelectionRectangleOutlinesTheSelection)
{
    GridFixture f;
    TExStringGrid& g = f.g;
    g.SelectionRectangle = true;
    g.SelectionRectangleColor = clRed;
    g.SetSelection({1, 2, 3, 3});
    QImage image = Render(g);
    const auto redNear = [&](int x, int y) {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (At(image, x + dx, y + dy) == ColorToRGB(clRed)) return true;
        return false;
    };
    const TRect tl = f.Cell(1, 2), br = f.Cell(3, 3), mid = f.Cell(2, 2);
    EXPECT_TRUE(redNear(tl.Left, tl.Top + 10));          // left edge
    EXPECT_TRUE(redNear(tl.Left + 20, tl.Top));          // top edge
    EXPECT_TRUE(redNear(br.Right - 1, br.Top + 10));     // right edge
    EXPECT_TRUE(redNear(br.Left + 20, br.Bottom - 1));   // bottom edge
    EXPECT_FALSE(redNear(mid.Left + 20, mid.Bottom - 1)); // no line inside the selection
    // The resizer: a filled square at the bottom-right corner.
    g.SelectionResizer = true;
    image = Render(g);
    EXPECT_EQ(At(image, br.Right - 3, br.Bottom - 3), ColorToRGB(clRed));
}

}  // namespace grid::paint_pipeline_grid_test

namespace grid::paint_pipeline_grid_test {

TEST(PaintPipelineGrid, FocusRectangleOfAMergedBlockFollowsItsBaseCell)
{
    GridFixture f;
    TExStringGrid& g = f.g;
    g.SetShowSelection(false);
    g.MergeCells(1, 2, 2, 2);
    g.activateWindow();
    g.setFocus();
    QCoreApplication::processEvents();
    if (!g.IsActiveControl()) GTEST_SKIP() << "the window system gives no keyboard focus";
    // The current cell inside the block (not its base cell): the block shows the focus outline.
    g.SetCol(2);
    g.SetRow(3);
    const QImage image = Render(g);
    const TRect block = g.CellRect(1, 2);
    int dots = 0;
    for (int x = block.Left + 4; x < block.Right - 4; ++x)
        dots += At(image, x, block.Top) == ColorToRGB(clBlack) ? 1 : 0;
    EXPECT_GT(dots, (block.Width() - 8) / 2 - 3);
}

}  // namespace grid::paint_pipeline_grid_test
