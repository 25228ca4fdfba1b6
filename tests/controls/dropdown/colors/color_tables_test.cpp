#include <gtest/gtest.h>

#include <QApplication>

#include "controls/dropdown/colors/color_cube_panel.h"
#include "controls/dropdown/colors/color_selector.h"
#include "controls/dropdown/colors/color_tables.h"
#include "controls/dropdown/colors/color_text.h"
#include "controls/dropdown/colors/spectrum_image.h"
#include "controls/dropdown/colors/color_spectrum_panel.h"

using namespace dropdown;

TEST(ColorCube, CellsFormTheHexagonRowByRow)
{
    TExColorCubePanel cube;
    // (number, centre x, centre y, colour), worked out from the row rules.
    const struct { int n, x, y; TColor color; } cells[] = {
        {1, 55, 20, 0x663300},   {7, 127, 20, 0x660000},  {8, 49, 30, 0x666600},  {58, 19, 80, 0x003300},
        {64, 91, 80, 0xFFFFFF},  {70, 163, 80, 0x660066}, {71, 25, 90, 0x006633}, {118, 109, 130, 0x0000FF},
        {121, 55, 140, 0x003366}, {127, 127, 140, 0x2100A5},
    };
    for (const auto& c : cells) {
        EXPECT_EQ(cube.CubeCell(c.n).X, c.x) << c.n;
        EXPECT_EQ(cube.CubeCell(c.n).Y, c.y) << c.n;
        EXPECT_EQ(cube.CubeCell(c.n).Color, c.color) << c.n;
    }
}

TEST(ColorCube, HitTestsTakeTheLowestCellWithinSixPixels)
{
    TExColorCubePanel cube;
    const struct { int x, y, cell; } hits[] = {
        {55, 20, 1},   // a centre
        {55, 14, 1},   // exactly 6 above the centre
        {61, 20, 1},   // 6 from cells 1 and 2: the lower number wins
        {62, 20, 2},   // 5 from cell 2, 7 from cell 1
        {91, 80, 64},  // the white centre
        {0, 0, -1},    // off the hexagon
        {180, 80, -1},
        {50, 14, -1},  // beside the top row, more than 6 from any centre
        {59, 25, 9},   // between rows 1 and 2: within reach of cell 9 only
    };
    for (const auto& h : hits) EXPECT_EQ(cube.CellAtPos(h.x, h.y), h.cell) << h.x << "," << h.y;
}

TEST(ColorCube, ColoursFindTheirFirstCell)
{
    TExColorCubePanel cube;
    cube.SetSelectedColor(0x0000FF);
    EXPECT_EQ(cube.SelectedIndex(), 118);
    cube.SetSelectedColor(0xFFFFFF);
    EXPECT_EQ(cube.SelectedIndex(), 64);
    cube.SetSelectedColor(0x0000FE);
    EXPECT_EQ(cube.SelectedIndex(), -1);
    EXPECT_EQ(cube.SelectedColor(), 0x0000FEu);
    // An explicit cell number wins over the colour search.
    cube.SelectColor(0xFFFFFF, 3);
    EXPECT_EQ(cube.SelectedIndex(), 3);
}

TEST(ColorCube, PointerMarksTheHotCellAndItsHint)
{
    TExColorCubePanel cube;
    cube.show();
    QMouseEvent move(QEvent::MouseMove, QPointF(109, 130), QPointF(109, 130), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&cube, &move);
    EXPECT_EQ(cube.HotIndex(), 118);
    EXPECT_EQ(cube.toolTip(), QStringLiteral("Red: 255,  Green: 0,  Blue: 0"));
    // Off the hexagon the hot cell stays, the hint goes.
    QMouseEvent off(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&cube, &off);
    EXPECT_EQ(cube.HotIndex(), 118);
    EXPECT_TRUE(cube.toolTip().isEmpty());
    cube.Reset();
    EXPECT_EQ(cube.HotIndex(), -1);
    EXPECT_EQ(cube.size(), QSize(182, 160));
}

TEST(DiscreteColorSelector, DefaultPaletteLayout)
{
    TCustomColorSelector selector;
    EXPECT_EQ(selector.size(), QSize(100, 50));
    selector.AddDefaultColorBoxes();
    selector.UpdateSize();
    ASSERT_EQ(selector.Items().Count(), 60);
    EXPECT_EQ(selector.size(), QSize(165, 84));
    // The stand-alone row is followed by a gap; the strips below touch.
    const struct { int box, left, top; } boxes[] = {{0, 4, 4}, {9, 148, 4}, {10, 4, 20}, {20, 4, 32}, {59, 148, 68}};
    for (const auto& b : boxes)
        EXPECT_EQ(selector.GetColorBoxRect(b.box), platform::TRect(b.left, b.top, b.left + 12, b.top + 12)) << b.box;
    EXPECT_EQ(selector.ColorBoxAtPos(150, 70), 59);
    EXPECT_EQ(selector.ColorBoxAtPos(2, 2), -1);
    EXPECT_EQ(selector.Items()[5].Color, 0x4D50C0u);
    EXPECT_EQ(selector.Items()[50].ColorBoxPos, ipBottom);
}

TEST(DiscreteColorSelector, KeyMoves)
{
    using namespace platform;
    // (start index, key, editable, dropped down, index after)
    const struct { int start; Word key; bool editable, open; int after; } moves[] = {
        {-1, VK_UP, false, true, 0},    {3, VK_UP, false, true, 3},     {13, VK_UP, false, true, 3},
        {3, VK_DOWN, false, true, 13},  {55, VK_DOWN, false, true, 55}, {-1, VK_DOWN, false, true, 0},
        {3, VK_UP, false, false, 2},    {3, VK_DOWN, false, false, 4},  {3, VK_LEFT, true, false, 3},
        {3, VK_RIGHT, true, false, 3},  {3, VK_LEFT, true, true, 2},    {3, VK_RIGHT, false, false, 4},
        {3, VK_HOME, true, false, 0},   {3, VK_PRIOR, false, true, 0},  {3, VK_END, false, false, 59},
        {3, VK_NEXT, false, false, 59}, {0, VK_LEFT, false, true, 0},   {59, VK_RIGHT, false, true, 59},
        {3, VK_RETURN, false, true, 3},
    };
    for (const auto& m : moves) {
        TCustomColorSelector selector;
        selector.AddDefaultColorBoxes();
        selector.UpdateSize();
        selector.SetItemIndex(m.start);
        selector.HandleKey(m.key, m.editable, m.open);
        EXPECT_EQ(selector.ItemIndex(), m.after) << m.start << " key " << m.key << " editable " << m.editable
                                                 << " open " << m.open;
    }
}

TEST(DiscreteColorSelector, SelectionFollowsColoursAndSkipsDisabledBoxes)
{
    TCustomColorSelector selector;
    selector.AddDefaultColorBoxes();
    selector.UpdateSize();
    int selects = 0;
    selector.OnItemSelect = [&](QObject*) { ++selects; };
    selector.SetSelectedColor(0x000000);
    EXPECT_EQ(selector.ItemIndex(), 1);
    EXPECT_EQ(selects, 1);
    // 0x7F7F7F stands in boxes 11 and 50; box 11 disabled keeps the selection.
    selector.Items()[11].Enabled = false;
    selector.SetSelectedColor(0x7F7F7F);
    EXPECT_EQ(selector.ItemIndex(), 1);
    selector.SetSelectedColor(0x123456);
    EXPECT_EQ(selector.ItemIndex(), -1);
    selector.SetItemIndex(11);
    EXPECT_EQ(selector.ItemIndex(), -1);
    selector.SetItemHot(11);
    EXPECT_EQ(selector.ItemHot(), -1);
    // A named style puts the appearance back; scCustom leaves it.
    selector.ColorBoxAppearance().BorderColor = 0x123456;
    selector.SetItemColorStyle(scCustom);
    EXPECT_EQ(selector.ColorBoxAppearance().BorderColor, 0x123456u);
    selector.SetItemColorStyle(scWindows7);
    EXPECT_EQ(selector.ColorBoxAppearance().BorderColor, 0xC5C5C5u);
}

TEST(ColorText, Styles)
{
    const struct { TColor color; TColorValueText style; const char* text; } cases[] = {
        {0x0000FF, cvtNone, ""},
        {0x0000FF, cvtHex, "0000FF"},
        {0x0000FF, cvtWebName, "clWebRed"},
        {0x0000FF, cvtRGB, "Red:255,Green:0,Blue:0"},
        {0x0000FF, cvtHTML, "#FF0000"},
        {0x00A5FF, cvtWebName, "clWebOrange"},
        {0x010203, cvtWebName, "#030201"},
        {0x010203, cvtHTML, "#030201"},
        {0xFFFFFF, cvtWebName, "clWebWhite"},
        {0xFFFF00, cvtWebName, "clWebCyan"},  // aqua is cyan's value
        {0x000000, cvtWebName, "clWebBlack"},
        {0xD3D3D3, cvtWebName, "clWebLightgrey"},
        {clBtnFace, cvtHex, "FF00000F"},
        {clNone, cvtHex, "1FFFFFFF"},
        {0x0ABCDE, cvtHex, "0ABCDE"},
        {0x00000A, cvtHex, "00000A"},
    };
    for (const auto& c : cases) EXPECT_EQ(ColorValueText(c.color, c.style), QString::fromLatin1(c.text)) << c.text;
    // System colours give their present RGB values.
    const QColor face = QApplication::palette().color(QPalette::Button);
    EXPECT_EQ(ColorValueText(clBtnFace, cvtRGB),
              QStringLiteral("Red:%1,Green:%2,Blue:%3").arg(face.red()).arg(face.green()).arg(face.blue()));
}

TEST(ColorText, WebNamesAreCompleteAndDistinctByName)
{
    ASSERT_EQ(WebColors().size(), 138u);
    QSet<QString> names;
    for (const TWebColor& c : WebColors()) names.insert(QString::fromLatin1(c.Name));
    EXPECT_EQ(names.size(), 138);
    // Every named value finds a name (the first of its value).
    for (const TWebColor& c : WebColors()) {
        const TColor bgr = ((c.Rgb & 0xFF) << 16) | (c.Rgb & 0xFF00) | (c.Rgb >> 16);
        EXPECT_TRUE(ColorToWebColorName(bgr).startsWith(QLatin1String("clWeb"))) << c.Name;
    }
    EXPECT_EQ(ColorToWebColorName(0xFF00FF), QStringLiteral("clWebMagenta"));
}

TEST(ColorSpectrum, PictureRunsThroughTheHues)
{
    const QImage& image = SpectrumImage();
    ASSERT_EQ(image.size(), QSize(128, 128));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(64, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(30, 127), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(0, 63), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(127, 64), QColor(255, 0, 0));
    // A third of the way: green; two thirds: blue.
    const QColor green = image.pixelColor(42, 63), blue = image.pixelColor(85, 63);
    EXPECT_GT(green.green(), 240);
    EXPECT_LT(green.red(), 20);
    EXPECT_GT(blue.blue(), 240);
    EXPECT_LT(blue.green(), 20);
}

TEST(ColorSpectrum, LayoutAndPicking)
{
    TExColorSpectrumPanel panel;
    panel.UpdateLayout();
    EXPECT_EQ(panel.size(), QSize(150, 174));
    EXPECT_EQ(panel.SpectrumImage()->geometry(), QRect(11, 10, 128, 128));
    EXPECT_EQ(panel.SelectedRect(), platform::TRect(10, 146, 73, 166));
    EXPECT_EQ(panel.HotRect(), platform::TRect(77, 146, 140, 166));
    EXPECT_EQ(panel.HotColor(), clNone);
    EXPECT_EQ(panel.SelectedColor(), clWhite);
    int selects = 0, hides = 0;
    panel.OnSelect = [&](QObject*) { ++selects; };
    panel.OnShouldHide = [&](QObject*) { ++hides; };
    panel.SpectrumMouseMove(0, 63);
    EXPECT_EQ(panel.HotColor(), clRed);
    panel.SpectrumMouseDown(0, 63);
    panel.SpectrumMouseUp();
    EXPECT_EQ(panel.SelectedColor(), clRed);
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(hides, 1);
    panel.UpdateLayout();
    EXPECT_EQ(panel.HotColor(), clNone);
}
