#include <gtest/gtest.h>

#include "controls/grid/paint/background_paint.h"
#include "controls/grid/paint/grid_looks.h"
#include "controls/grid/paint/paint_test_support.h"

// Each test file keeps its names in its own namespace (the tests are built in batches).
namespace grid::paint::paint_looks_test {

using namespace paint_test_support;

struct PaintLookFixture : ::testing::Test {
    TGridLookColors G;
    TControlLook CL{&G.Faces};
    TGridLooks Looks{G, CL};
    int Repaints = 0;
    void SetUp() override { Looks.OnRepaint = [this] { ++Repaints; }; }
};

TEST(PaintControlLook, DefaultsAndWhichSettersRepaint)
{
    TControlLook cl;
    EXPECT_EQ(cl.Color(), clBlack);
    EXPECT_EQ(cl.CommentColor(), clRed);
    EXPECT_EQ(cl.CheckSize(), 15);
    EXPECT_EQ(cl.RadioSize(), 10);
    EXPECT_EQ(cl.ControlStyle(), csTheme);
    EXPECT_EQ(cl.DropDownCount, 8);
    EXPECT_EQ(cl.ProgressBorderColor, 0x808080u);
    EXPECT_EQ(cl.ProgressMarginX(), 2);
    EXPECT_EQ(cl.ProgressMarginY(), 2);
    EXPECT_EQ(cl.FixedGradientFrom(), clNone);
    EXPECT_EQ(cl.FixedGradientHoverFrom(), clWhite);
    EXPECT_EQ(cl.FixedGradientHoverTo(), 0x808080u);
    EXPECT_EQ(cl.FixedGradientHoverBorder(), 0xC0C0C0u);
    EXPECT_EQ(cl.FixedGradientDownFrom(), 0xC0C0C0u);
    EXPECT_EQ(cl.FixedGradientDownBorder(), 0x808080u);
    EXPECT_FALSE(cl.ProgressXP());

    int repaints = 0;
    cl.OnRepaint = [&] { ++repaints; };
    cl.SetCheckSize(13);
    cl.SetControlStyle(csFlat);
    cl.SetFlatButton(true);
    cl.SetCheckedGlyph(QImage(4, 4, QImage::Format_RGB32));
    EXPECT_EQ(repaints, 4);
    // Gradient colours and plain fields do not repaint.
    cl.SetFixedGradientFrom(0x123456);
    cl.CheckAlwaysActive = true;
    EXPECT_EQ(repaints, 4);
}

TEST(PaintControlLook, GradientSettersPassTheirValueOnToTheGridFaces)
{
    TFixedFaceColors faces;
    TControlLook cl(&faces);
    cl.SetFixedGradientFrom(0x111111);
    EXPECT_EQ(faces.QVRGradientFrom, 0x111111u);
    // clNone is stored but does not reach the grid ...
    cl.SetFixedGradientFrom(clNone);
    EXPECT_EQ(cl.FixedGradientFrom(), clNone);
    EXPECT_EQ(faces.QVRGradientFrom, 0x111111u);
    cl.SetFixedGradientHoverBorder(clNone);
    EXPECT_EQ(faces.QVRGradientHoverBorder, 0xC0C0C0u);
    // ... except for the mirror colours, which always do.
    cl.SetFixedGradientMirrorFrom(clNone);
    cl.SetFixedGradientDownMirrorTo(clNone);
    EXPECT_EQ(faces.QVRGradientMirrorFrom, clNone);
    EXPECT_EQ(faces.QVRGradientDownMirrorTo, clNone);
}

TEST(PaintControlLook, InitResetsAndPassesOnlyTheHoverAndPressedMirrors)
{
    TFixedFaceColors faces;  // glXP values: hover and pressed mirrors set
    TControlLook cl(&faces);
    cl.SetColor(0x00FF00);
    cl.SetFixedGradientFrom(0x222222);
    cl.Init();
    EXPECT_EQ(cl.Color(), clBlack);
    EXPECT_EQ(cl.FixedGradientFrom(), clNone);
    EXPECT_EQ(faces.QVRGradientFrom, 0x222222u);  // stored only
    EXPECT_EQ(faces.QVRGradientHoverMirrorFrom, clNone);
    EXPECT_EQ(faces.QVRGradientHoverMirrorTo, clNone);
    EXPECT_EQ(faces.QVRGradientDownMirrorFrom, clNone);
    EXPECT_EQ(faces.QVRGradientDownMirrorTo, clNone);
    EXPECT_EQ(faces.QVRGradientHoverFrom, 0xCFD0D1u);
}

TEST(PaintControlLook, AssignCopiesPropertyByPropertyButTheTargetGridKeepsItsFaces)
{
    TFixedFaceColors sourceFaces, targetFaces;
    TControlLook source(&sourceFaces), target(&targetFaces);
    source.SetFixedGradientFrom(0x0000AA);
    source.SetFixedGradientHoverTo(0x00AA00);
    source.SetCheckSize(20);
    source.SetFlatButton(true);
    source.SetProgressXP(true);
    int repaints = 0;
    target.OnRepaint = [&] { ++repaints; };
    target.Assign(source);
    EXPECT_EQ(target.FixedGradientFrom(), 0x0000AAu);
    EXPECT_EQ(target.FixedGradientHoverTo(), 0x00AA00u);
    EXPECT_EQ(target.CheckSize(), 20);
    EXPECT_FALSE(target.FlatButton());
    EXPECT_FALSE(target.ProgressXP());
    EXPECT_EQ(targetFaces, TFixedFaceColors());
    EXPECT_EQ(repaints, 0);
    // Writing the property again brings the colour to the grid.
    target.SetFixedGradientFrom(target.FixedGradientFrom());
    EXPECT_EQ(targetFaces.QVRGradientFrom, 0x0000AAu);
}

TEST_F(PaintLookFixture, SettingTheSameLookResetsNothing)
{
    G.SelectionColor = 0x010203;
    G.Faces.QVRGradientFrom = 0x040506;
    EXPECT_FALSE(Looks.SetLook(glXP));
    EXPECT_EQ(G.SelectionColor, 0x010203u);
    EXPECT_EQ(G.Faces.QVRGradientFrom, 0x040506u);
    EXPECT_EQ(Repaints, 0);
}

TEST_F(PaintLookFixture, ClassicLooksUseButtonFaceAndHighlightColours)
{
    G.ScrollType = ssMetro;
    G.BorderSingle = false;
    ASSERT_TRUE(Looks.SetLook(glSoft));
    EXPECT_EQ(G.FixedColor, clBtnFace);
    EXPECT_EQ(G.Faces.QVRGradientFrom, clBtnFace);
    EXPECT_EQ(CL.FixedGradientTo(), clNone);
    EXPECT_EQ(G.SelectionColor, clHighlight);
    EXPECT_EQ(G.SelectionTextColor, clHighlightText);
    EXPECT_EQ(G.ActiveCellColor, 0x808080u);
    EXPECT_EQ(G.SearchFooterColor, clBtnFace);
    EXPECT_EQ(G.GridLineColor, 0xC0C0C0u);
    EXPECT_EQ(G.GridFixedLineColor, 0x808080u);
    EXPECT_EQ(G.ScrollType, ssNormal);
    EXPECT_TRUE(G.BorderSingle);
    EXPECT_EQ(G.BorderColor, 0xB99D7Fu);
    EXPECT_GE(Repaints, 1);
}

TEST_F(PaintLookFixture, QVRLookGivesItsFaceHoverAndPressedColours)
{
    Looks.SetLook(glStandard);
    Looks.SetLook(glQVR);
    EXPECT_EQ(G.Faces.QVRGradientFrom, clWhite);
    EXPECT_EQ(G.Faces.QVRGradientTo, 0xC0C0C0u);
    EXPECT_EQ(G.Faces.QVRGradientMirrorFrom, clNone);
    EXPECT_EQ(G.SearchFooterColor, clWhite);
    EXPECT_EQ(G.SearchFooterColorTo, clBtnFace);  // read before the QVR end colour
    EXPECT_EQ(G.SelectionColor, 0xEACAB6u);
    EXPECT_EQ(G.SelectionTextColor, clBlack);
    EXPECT_EQ(G.Faces.QVRGradientHoverFrom, 0xCFD0D1u);
    EXPECT_EQ(G.Faces.QVRGradientHoverMirrorTo, 0xABBCBFu);
    EXPECT_EQ(G.Faces.QVRGradientDownFrom, 0x868788u);
    EXPECT_EQ(G.Faces.QVRGradientDownMirrorTo, 0x627376u);
    EXPECT_EQ(G.SelectionStyle, ssDefault);
}

TEST_F(PaintLookFixture, LoadingKeepsTheStoredColours)
{
    Looks.Loading = true;
    G.SelectionColor = 0x010203;
    Looks.SetLook(glStandard);
    EXPECT_EQ(G.SelectionColor, 0x010203u);
    EXPECT_EQ(G.Look, glStandard);
}

TEST_F(PaintLookFixture, VistaLookAppliesTheVistaStyle)
{
    Looks.SetLook(glVista);
    EXPECT_EQ(G.Style, tsWindowsVista);
    EXPECT_EQ(G.SelectionStyle, ssVista);
    EXPECT_EQ(G.Faces.QVRGradientFrom, 0xFFFFFFu);
    EXPECT_EQ(G.Faces.QVRGradientMirrorFrom, 0xFAF8F7u);
    EXPECT_EQ(G.Faces.QVRGradientMirrorTo, 0xF4F2F1u);
    EXPECT_EQ(G.Faces.QVRGradientHoverBorder, 0xE3C993u);
    EXPECT_EQ(G.Faces.QVRGradientDownBorder, 0xAE904Fu);
    EXPECT_EQ(G.ActiveCellColor, 0xFDF8F1u);
    EXPECT_EQ(G.SelectionColor, 0xEACAB6u);
    EXPECT_EQ(G.GridLineColor, 0xECECF0u);
    EXPECT_EQ(G.SortHeaderMirrorColorTo, 0xF6ECD8u);
    // The control look keeps clNone for the face start and end.
    EXPECT_EQ(CL.FixedGradientFrom(), clNone);
    EXPECT_EQ(CL.FixedGradientTo(), clNone);
    EXPECT_EQ(G.SearchFooterColor, 0xFFFFFFu);
    EXPECT_EQ(G.SearchFooterColorTo, 0xF4F2F1u);
}

TEST_F(PaintLookFixture, Office2007LookGivesLunaAndReportsItsStyle)
{
    Looks.SetLook(glOffice2007);
    EXPECT_EQ(G.Style, tsOffice2007Luna);
    EXPECT_EQ(G.SelectionStyle, ssOffice2007);
    EXPECT_EQ(G.Faces.QVRGradientFrom, 0xFBF9F6u);
    EXPECT_EQ(G.Faces.QVRGradientTo, 0xE8DBD2u);
    EXPECT_EQ(CL.FixedGradientFrom(), 0xFBF9F6u);
    EXPECT_EQ(G.Faces.QVRGradientHoverMirrorTo, 0xD2C5BCu);
    EXPECT_EQ(G.Faces.QVRGradientDownMirrorTo, 0xE4C19Du);
    EXPECT_EQ(G.SelectionColor, 0x5EC1F1u);
    EXPECT_EQ(G.GridFixedLineColor, 0xD1BBA4u);
}

// Each style's face start and end, selection colour and text, grid and fixed line colours (table of the styles).
TEST_F(PaintLookFixture, StylesSetTheirColourSets)
{
    struct Case {
        TQVRStyle Style;
        TGridLook Look;
        TColor From, To, Selection, SelectionText, Line, FixedLine;
    } cases[] = {
        {tsOffice2003Blue, glXP, 0xFCE1CB, 0xE0A57D, 0x94E6FB, clBlack, 0xC0C0C0, 0x808080},
        {tsOffice2003Silver, glXP, 0xECE2E1, 0xB39698, 0x94E6FB, clBlack, 0xC0C0C0, 0x808080},
        {tsOffice2003Olive, glXP, 0xCFF0EA, 0x8CC0B1, 0x94E6FB, clBlack, 0xC0C0C0, 0x808080},
        {tsOffice2003Classic, glXP, 0xFFFFFF, 0xCCD4D8, clHighlight, clHighlightText, 0xC0C0C0, 0x808080},
        {tsOffice2007Obsidian, glOffice2007, 0xF7F7F7, 0xDEDEDE, 0x5EC1F1, clBlack, 0xE5D7D0, 0x808080},
        {tsWindowsXP, glXP, clBtnFace, clBtnFace, clHighlight, clHighlightText, 0xC0C0C0, 0x808080},
        {tsOffice2007Silver, glOffice2007, 0xF3F3F1, 0xCAC9C8, 0x95C7F5, clBlack, 0xE5D7D0, 0x808080},
        {tsWindows7, glWin7, 0xFDFCFA, 0xFAF0E6, 0xEACAB6, clBlack, 0xECECF0, 0xD4D2D1},
        {tsOffice2010Blue, glOffice2007, 0xF5E7DA, 0xF5E7DA, 0xFFDBB7, clBlack, 0xC0C0C0, 0xC7B0A0},
        {tsOffice2010Silver, glOffice2007, 0xE8E3DF, 0xE8E3DF, 0xFFDBB7, clBlack, 0xC0C0C0, 0xBAB5B1},
        {tsOffice2010Black, glOffice2007, 0x6A6A6A, 0x6A6A6A, 0xFFDBB7, clBlack, 0xC0C0C0, 0x444444},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.Style));
        TGridLookColors g;
        TControlLook cl(&g.Faces);
        TGridLooks looks(g, cl);
        looks.SetComponentStyle(c.Style);
        EXPECT_EQ(g.Look, c.Look);
        EXPECT_EQ(g.Faces.QVRGradientFrom, c.From);
        EXPECT_EQ(g.Faces.QVRGradientTo, c.To);
        EXPECT_EQ(g.SelectionColor, c.Selection);
        EXPECT_EQ(g.SelectionTextColor, c.SelectionText);
        EXPECT_EQ(g.GridLineColor, c.Line);
        EXPECT_EQ(g.GridFixedLineColor, c.FixedLine);
        EXPECT_EQ(g.SearchFooterColor, g.Faces.QVRGradientFrom);
        EXPECT_EQ(g.SearchFooterColorTo, g.Faces.QVRGradientMirrorTo);
    }
}

TEST_F(PaintLookFixture, Office2003ColourStylesSetASelectionGradientAndOffice2010ClearsTheSelectionStyle)
{
    Looks.SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(G.SelectionColorTo, 0x1595EEu);
    EXPECT_EQ(CL.FixedGradientFrom(), 0xFCE1CBu);
    Looks.SetComponentStyle(tsOffice2010Silver);
    EXPECT_EQ(G.SelectionColorTo, clNone);
    EXPECT_EQ(G.SelectionStyle, ssDefault);
    EXPECT_EQ(G.SortHeaderColor, 0xAAAAAAu);
    EXPECT_EQ(G.Faces.QVRGradientHoverFrom, 0x6BDFFFu);
    EXPECT_EQ(CL.FixedGradientFrom(), clNone);
}

TEST_F(PaintLookFixture, StyleOutsideTheSixteenOnlyResets)
{
    G.SelectionColor = 0x123456;
    G.SortHeaderColor = 0x654321;
    Looks.SetStyle(99);
    EXPECT_EQ(G.SelectionColor, clHighlight);
    EXPECT_EQ(G.SortHeaderColor, clNone);
    EXPECT_EQ(G.Look, glXP);
}

TEST_F(PaintLookFixture, ComponentStyleSwitchesMetroScrollBarsBackExceptCustom)
{
    G.ScrollType = ssMetro;
    Looks.SetComponentStyle(tsCustom);
    EXPECT_EQ(G.ScrollType, ssMetro);
    EXPECT_EQ(G.Style, tsCustom);
    Looks.SetComponentStyle(tsWhidbey);
    EXPECT_EQ(G.ScrollType, ssNormal);
}

TEST_F(PaintLookFixture, TheSameOfficeThemeIsAppliedOnce)
{
    int applied = 0;
    Looks.OnEditorStyle = [&](TQVRStyle s) {
        if (s == tsOffice2010Black) ++applied;
    };
    EXPECT_TRUE(Looks.UpdateOfficeTheme(ot2010Black));
    EXPECT_FALSE(Looks.UpdateOfficeTheme(ot2010Black));
    EXPECT_EQ(applied, 1);
    // Applied from another look, the Office 2010 styles pass through the
    // look's Luna style, which stays the reported component style.
    EXPECT_EQ(G.Style, tsOffice2007Luna);
    EXPECT_EQ(G.Faces.QVRGradientFrom, 0x6A6A6Au);
    EXPECT_FALSE(Looks.UpdateOfficeTheme(otUnknown));
    EXPECT_EQ(G.OldOfficeTheme, otUnknown);
    EXPECT_EQ(G.Faces.QVRGradientFrom, 0x6A6A6Au);
    // From the Office 2007 look the style stays as applied.
    EXPECT_TRUE(Looks.UpdateOfficeTheme(ot2010Silver));
    EXPECT_EQ(G.Style, tsOffice2010Silver);
}

TEST_F(PaintLookFixture, ColourTonesMakeAFlatClassicGridWithGlyphChecks)
{
    TColorTones tones;
    tones.Background = {0xFFFFFF, 0xDDDDDD, 0x000000};
    tones.Foreground = {0x643200, 0x000000, 0xFFFFFF};
    tones.Selected = {0xFF8000, 0, 0xFFFFFF};
    Looks.SetColorTones(tones, QStringLiteral("Tahoma"));
    EXPECT_EQ(G.Look, glClassic);
    EXPECT_TRUE(G.Flat);
    EXPECT_EQ(G.ScrollType, ssMetro);
    EXPECT_EQ(CL.ControlStyle(), csGlyph);
    EXPECT_FALSE(CL.CheckedGlyph().isNull());
    EXPECT_FALSE(CL.RadioOffGlyph().isNull());
    EXPECT_TRUE(CL.FlatButton());
    EXPECT_EQ(G.FixedColor, 0x643200u);
    EXPECT_EQ(G.SelectionColor, 0xFF8000u);
    EXPECT_EQ(G.GridLineColor, 0xE6E6E6u);
    // 20 percent darker: 0x64 -> 80 = 0x50, 0x32 -> 40 = 0x28.
    EXPECT_EQ(G.GridFixedLineColor, 0x502800u);
    EXPECT_FALSE(G.BorderSingle);
    EXPECT_EQ(G.SearchFooterColorTo, 0x643200u);
    EXPECT_TRUE(G.NodeTypeFlat);
    EXPECT_EQ(G.Tones, tones);
}

TEST_F(PaintLookFixture, XPSchemesWriteFaceAndActiveColoursOnly)
{
    Looks.SetTheme(vistaAero);
    EXPECT_EQ(G.Look, glXP);
    EXPECT_EQ(G.Faces.QVRGradientMirrorFrom, 0xFAF8F7u);
    EXPECT_EQ(G.ActiveCellColor, 0x94E6FBu);
    EXPECT_EQ(CL.FixedGradientFrom(), 0xFFFFFFu);
    EXPECT_EQ(G.SearchFooterColor, 0xECE2E1u);
    Looks.SetTheme(xpNone);
    EXPECT_EQ(G.Faces.QVRGradientTo, clBtnFace);
    EXPECT_EQ(G.Faces.QVRGradientMirrorFrom, clNone);
    EXPECT_EQ(CL.FixedGradientFrom(), clNone);
    EXPECT_EQ(G.ActiveCellColorTo, 0xFFD9B3u);
    EXPECT_EQ(Repaints, 0);
}

TEST(PaintLookNames, NamesAndDisplayNames)
{
    const char* names[] = {"glStandard", "glSoft",   "glClassic", "glQVR",       "glXP",
                           "glListView", "glVista", "glWin7",    "glOffice2007"};
    const char* shown[] = {"Standard", "Soft",          "Classic",   "QVR",       "Windows XP",
                           "ListView", "Windows Vista", "Windows 7", "Office2007"};
    for (int i = 0; i < 9; ++i) {
        QString s, d;
        LookToString(TGridLook(i), s);
        LookDisplayName(TGridLook(i), d);
        EXPECT_EQ(s, QString::fromLatin1(names[i]));
        EXPECT_EQ(d, QString::fromLatin1(shown[i]));
    }
    QString s = QStringLiteral("kept");
    LookToString(glCustom, s);
    LookDisplayName(glCustom, s);
    EXPECT_EQ(s, QStringLiteral("kept"));
}

TEST(PaintBackGround, GradientCellTakesItsShareOfTheGridGradient)
{
    TBackGround bg;
    bg.SetDisplay(bdGradientHorz);
    bg.SetColor(0x000000);
    bg.SetColorTo(0x0000C8);  // red 200
    TColor from, to;
    CellGradientColors(platform::TRect(100, 0, 200, 20), bg, 400, from, to);
    EXPECT_EQ(from, 0x000032u);  // a quarter: 50
    EXPECT_EQ(to, 0x000064u);    // a half: 100

    PaintTarget t(220, 20);
    PaintCellBackgroundGradient(*t.Canvas, platform::TRect(100, 0, 200, 20), bg, 400);
    EXPECT_EQ(t.At(100, 10) & 0xFF, 50u);
    EXPECT_NEAR(int(t.At(199, 10) & 0xFF), 100, 1);
    EXPECT_EQ(t.At(50, 10), clWhite);

    // A grid without width paints plainly in the start colour, no division by zero.
    CellGradientColors(platform::TRect(0, 0, 10, 10), bg, 0, from, to);
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 0u);
    // Cells admitted.
    EXPECT_TRUE(bg.Admits(false));
    EXPECT_FALSE(bg.Admits(true));
    bg.SetCells(bcAll);
    EXPECT_TRUE(bg.Admits(true));
}

TEST(PaintBackGround, TilesRunOnAcrossCellsAndTheFixedBitmapIsCut)
{
    QImage tile(10, 10, QImage::Format_RGB32);
    tile.fill(Qt::blue);
    for (int y = 0; y < 10; ++y) tile.setPixelColor(3, y, Qt::red);  // a red column at x = 3
    PaintTarget t(60, 20);
    // The cell starts 7 pixels into the tiling: its first drawn column (x = 19) shows tile x 7.
    PaintCellBackgroundTiles(*t.Canvas, platform::TRect(20, 0, 50, 20), tile, TileOffset(27, 10), 0);
    EXPECT_EQ(t.At(10, 5), clWhite);
    // Tile column 3 lands at 19 - 7 + 10 + 3 = 25 and 35, 45.
    EXPECT_EQ(t.At(25, 5), clRed);
    EXPECT_EQ(t.At(35, 5), clRed);
    EXPECT_EQ(t.At(26, 5), clBlue);
    EXPECT_EQ(t.At(55, 5), clWhite);

    PaintTarget b(60, 20);
    PaintCellBackgroundBitmap(*b.Canvas, platform::TRect(0, 0, 60, 20), tile, 50, 15);
    EXPECT_EQ(b.At(49, 16), clWhite);
    EXPECT_EQ(b.At(50, 15), clBlue);
    EXPECT_EQ(b.At(53, 19), clRed);
}

}  // namespace grid::paint::paint_looks_test
