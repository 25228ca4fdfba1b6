#include <gtest/gtest.h>

#include "controls/grid/paint/cell_objects.h"
#include "controls/grid/paint/paint_test_support.h"

// Each test file keeps its names in its own namespace (the tests are built in batches).
namespace grid::paint::paint_objects_test {

using namespace paint_test_support;
using platform::TRect;

// Pixels of r with a given colour.
int CountColor(PaintTarget& t, const QRect& r, TColor c)
{
    t.Done();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (ColorFromQColor(t.Image.pixelColor(x, y)) == c) ++n;
    return n;
}


TEST(PaintPlacement, GraphicBoxByAlignment)
{
    const TRect area(10, 20, 110, 60);  // 100 x 40
    struct Case {
        TCellHAlign HA;
        TCellVAlign VA;
        TAlignment Text;
        int T;
        TRect Expected;
    } cases[] = {
        {haLeft, vaTop, taLeftJustify, 0, {11, 21, 27, 37}},
        {haRight, vaBottom, taLeftJustify, 0, {93, 43, 109, 59}},
        {haCenter, vaCenter, taLeftJustify, 0, {52, 32, 68, 48}},
        {haBeforeText, vaTop, taRightJustify, 30, {64, 21, 80, 37}},
        {haBeforeText, vaTop, taCenter, 30, {37, 21, 53, 37}},   // 10 + (100 - 46) / 2
        {haBeforeText, vaTop, taCenter, 120, {11, 21, 27, 37}},  // never left of left + 1
        {haAfterText, vaTop, taLeftJustify, 30, {40, 21, 56, 37}},
        {haAfterText, vaTop, taCenter, 30, {67, 21, 83, 37}},    // 30 + 10 + 27
        {haFull, vaFull, taLeftJustify, 0, {10, 20, 110, 60}},
        {haLeft, vaUnderText, taLeftJustify, 0, {11, 44, 27, 60}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.HA) << "/" << int(c.VA) << "/" << int(c.Text));
        EXPECT_EQ(PlaceGraphic(area, c.HA, c.VA, 16, 16, c.T, c.Text), c.Expected);
    }
    // A graphic taller than the cell starts one pixel below the top.
    EXPECT_EQ(PlaceGraphic(area, haCenter, vaCenter, 200, 50, 0, taLeftJustify).Top, 21);
    EXPECT_EQ(GraphicArea(TRect(0, 0, 50, 20), QPoint(2, 3)), TRect(1, 2, 49, 18));
}

TEST(PaintPlacement, CheckBoxesFollowTheTextAlignment)
{
    const TRect area(0, 0, 100, 20);
    EXPECT_EQ(CheckBoxLeft(area, taLeftJustify, 15, 40, true), 1);
    EXPECT_EQ(CheckBoxLeft(area, taRightJustify, 15, 40, true), 44);   // 100 - 40 - 15 - 1
    EXPECT_EQ(CheckBoxLeft(area, taRightJustify, 15, 40, false), 84);  // no text: the rect right
    EXPECT_EQ(CheckBoxLeft(area, taCenter, 15, 0, true), 42);          // no measured text
    EXPECT_EQ(CheckBoxLeft(area, taCenter, 15, 40, true), 15);         // 60 div 2 - 15
    EXPECT_EQ(CheckBoxLeft(area, taCenter, 15, 40, false), 42);
    EXPECT_EQ(CheckBoxLeft(area, taCenter, 15, 90, true), 1);          // never left of left + 1
    EXPECT_EQ(CheckBoxVAlign(vaTop, vtaCenter, vtaTop), vaCenter);
    EXPECT_EQ(CheckBoxVAlign(vaTop, vtaBottom, vtaTop), vaBottom);
    EXPECT_EQ(CheckBoxVAlign(vaCenter, vtaTop, vtaTop), vaCenter);
}

TEST(PaintProgress, XPProgressPercentNeverDividesByZero)
{
    struct Case {
        int Value, Min, Max, Percent;
    } cases[] = {
        {50, 0, 200, 25}, {0, 0, 100, 0},   {100, 0, 100, 100}, {150, 0, 100, 100},
        {-30, 0, 100, 0},  // below the minimum: empty, not 30 %
        {5, 5, 5, 0},      {4, 5, 5, 0},    {6, 5, 5, 100},     {75, 100, 0, 25},  // a reversed range
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Value << " in " << c.Min << ".." << c.Max);
        EXPECT_EQ(XPProgressPercent(c.Value, c.Min, c.Max), c.Percent);
    }
    EXPECT_EQ(ThemedProgressPerMille(150), 1000);
    EXPECT_EQ(ThemedProgressPerMille(-5), 0);
    EXPECT_EQ(ThemedProgressPerMille(42.4), 424);
}

TEST(PaintProgress, XPProgressCellHandsThePercentToTheBar)
{
    ObjectEnv e;
    TCellGraphic g;
    g.SetCellType(ctXPProgress);
    g.SetCellErrFrom(10);
    g.SetCellErrLen(10);
    TCellDrawServices services;
    int percent = -1;
    TRect bar;
    services.DrawXPProgressBar = [&](platform::TCanvas&, const TRect& r, int p) {
        percent = p;
        bar = r;
    };
    TCellGraphicContext ctx;
    ctx.IntValue = 10;
    PaintTarget t;
    DrawCellGraphic(*t.Canvas, TRect(0, 0, 100, 20), g, ctx, e.Env, services);
    EXPECT_EQ(percent, 0);
    EXPECT_EQ(bar, TRect(2, 2, 97, 17));  // margins, one more pixel at right and bottom
    ctx.IntValue = 11;
    DrawCellGraphic(*t.Canvas, TRect(0, 0, 100, 20), g, ctx, e.Env, services);
    EXPECT_EQ(percent, 100);
}

TEST(PaintRating, WholeAndHalfStepsRoundedDown)
{
    EXPECT_EQ(RatingStars(2.3, 5), (std::vector<TStarFill>{sfFull, sfFull, sfEmpty, sfEmpty, sfEmpty}));
    EXPECT_EQ(RatingStars(2.6, 5), (std::vector<TStarFill>{sfFull, sfFull, sfHalf, sfEmpty, sfEmpty}));
    EXPECT_EQ(RatingStars(9, 2), (std::vector<TStarFill>{sfFull, sfFull}));
    EXPECT_TRUE(RatingStars(3, 0).empty());

    ObjectEnv e;
    TCellGraphic g;
    g.SetCellType(ctRating);
    g.SetCellAngle(3);
    g.SetCellIndex(int(clYellow));
    TCellDrawServices services;
    std::vector<std::pair<int, TCellShape>> drawn;
    services.DrawCellShape = [&](platform::TCanvas&, int x, int, TColor, TColor, TCellShape s, int, int) {
        drawn.emplace_back(x, s);
    };
    TCellGraphicContext ctx;
    ctx.FloatValue = 1.5;
    ctx.Width = 54;
    ctx.Height = 16;
    PaintTarget t;
    DrawCellGraphic(*t.Canvas, TRect(0, 0, 100, 20), g, ctx, e.Env, services);
    ASSERT_EQ(drawn.size(), 4u);  // three stars and a half star over the second
    EXPECT_EQ(drawn[1].first - drawn[0].first, 18);
    EXPECT_EQ(drawn[2].second, csHalfStar);
    EXPECT_EQ(drawn[2].first, drawn[1].first);
}

TEST(PaintCheckBox, EveryStyleShowsTheCheckedState)
{
    for (TControlStyle style : {csClassic, csFlat, csWinXP, csPelmora, csQVR, csTheme}) {
        SCOPED_TRACE(int(style));
        ObjectEnv e;
        e.Look.SetColor(clBlack);
        PaintTarget on(40, 40, Qt::magenta), off(40, 40, Qt::magenta);
        DrawCheckBox(*on.Canvas, TRect(10, 10, 25, 25), true, cbUnchecked, false, style, false, true, e.Env);
        DrawCheckBox(*off.Canvas, TRect(10, 10, 25, 25), false, cbUnchecked, false, style, false, true, e.Env);
        const QRect inner(13, 13, 9, 9);
        EXPECT_GT(on.CountNot(QRect(10, 10, 15, 15), Qt::magenta), 100);  // the box is drawn
        EXPECT_EQ(on.CountNot(QRect(0, 0, 40, 9), Qt::magenta), 0);     // and nothing above it
        EXPECT_NE(on.Image.copy(inner), off.Image.copy(inner));
    }
}

TEST(PaintCheckBox, GlyphStyleWithoutGlyphsDrawsNothingAndThemeFallsBackToClassic)
{
    ObjectEnv e;
    PaintTarget t(40, 40, Qt::magenta);
    DrawCheckBox(*t.Canvas, TRect(10, 10, 25, 25), true, cbUnchecked, false, csGlyph, false, true, e.Env);
    EXPECT_EQ(t.CountNot(QRect(0, 0, 40, 40), Qt::magenta), 0);

    e.Env.ThemesAvailable = false;
    PaintTarget themed(40, 40), classic(40, 40);
    DrawCheckBox(*themed.Canvas, TRect(10, 10, 25, 25), true, cbUnchecked, false, csTheme, false, true, e.Env);
    DrawCheckBox(*classic.Canvas, TRect(10, 10, 25, 25), true, cbUnchecked, false, csClassic, false, true, e.Env);
    EXPECT_EQ(themed.Done(), classic.Done());
}

TEST(PaintCheckBox, AlwaysActiveDrawsReadOnlyBoxesEnabled)
{
    ObjectEnv e;
    PaintTarget enabled(30, 30), disabled(30, 30), active(30, 30);
    DrawCheckBox(*enabled.Canvas, TRect(5, 5, 20, 20), true, cbUnchecked, false, csWinXP, false, true, e.Env);
    DrawCheckBox(*disabled.Canvas, TRect(5, 5, 20, 20), true, cbUnchecked, false, csWinXP, false, false, e.Env);
    e.Look.CheckAlwaysActive = true;
    DrawCheckBox(*active.Canvas, TRect(5, 5, 20, 20), true, cbUnchecked, false, csWinXP, false, false, e.Env);
    EXPECT_NE(enabled.Done(), disabled.Done());
    EXPECT_EQ(enabled.Done(), active.Done());
}

TEST(PaintCheckBox, TriStateGrayedIsNotCheckedAndDataBoxesCompareExactly)
{
    ObjectEnv e;
    PaintTarget grayed(30, 30), checked(30, 30), classicGrayed(30, 30);
    DrawCheckBox(*grayed.Canvas, TRect(5, 5, 20, 20), true, cbGrayed, true, csClassic, false, true, e.Env);
    DrawCheckBox(*checked.Canvas, TRect(5, 5, 20, 20), false, cbChecked, true, csClassic, false, true, e.Env);
    DrawCheckBox(*classicGrayed.Canvas, TRect(5, 5, 20, 20), false, cbUnchecked, false, csClassic, true, true, e.Env);
    EXPECT_NE(grayed.Done(), checked.Done());
    EXPECT_EQ(grayed.Done(), classicGrayed.Done());

    // A data check box is checked only when its text equals the check-true text exactly.
    e.Look.SetControlStyle(csWinXP);
    TCellGraphic g;
    g.SetCheckBox(false, true, false, haLeft, vaTop);
    TCellGraphicContext ctx;
    ctx.Width = ctx.Height = 15;
    auto draw = [&](const QString& text) {
        PaintTarget t(40, 20);
        ctx.CellText = text;
        DrawCellGraphic(*t.Canvas, TRect(0, 0, 40, 20), g, ctx, e.Env, TCellDrawServices());
        return t.Done();
    };
    EXPECT_EQ(draw(QStringLiteral("y")), draw(QStringLiteral("N")));
    EXPECT_NE(draw(QStringLiteral("Y")), draw(QStringLiteral("N")));
}

TEST(PaintCheckBox, CellCheckBoxSitsAtTheTextAlignment)
{
    ObjectEnv e;
    e.Look.SetControlStyle(csWinXP);
    TCellGraphic g;
    g.SetCheckBox(true, false, false, haBeforeText, vaTop);
    TCellGraphicContext ctx;
    ctx.Width = ctx.Height = 15;
    ctx.TextAlign = taRightJustify;
    ctx.CellVAlign = vtaCenter;
    PaintTarget t(100, 30);
    const TRect box = DrawCellGraphic(*t.Canvas, TRect(0, 0, 100, 30), g, ctx, e.Env, TCellDrawServices());
    // Area shrunk by 1 (XYOffset 2): right 99 - 15 - 1; centred vertically: 1 + (28 - 15) div 2.
    EXPECT_EQ(box, TRect(83, 7, 98, 22));
    EXPECT_GT(t.CountNot(QRect(83, 7, 15, 15), Qt::white), 50);
    EXPECT_EQ(t.CountNot(QRect(0, 0, 80, 30), Qt::white), 0);
}

TEST(PaintRadio, CheckedItemsByIndexOrByText)
{
    ObjectEnv e;
    const QStringList items{"A", "B", "A"};
    auto dots = [&](int index, const QString& cellText) {
        PaintTarget t(60, 60);
        TRadioGroup group;
        group.Style = csWinXP;
        group.Items = &items;
        group.Count = 3;
        group.Index = index;
        group.CellText = cellText;
        DrawRadioGroup(*t.Canvas, TRect(0, 0, 60, 60), group, e.Env);
        std::vector<bool> checked;
        const int h = std::max(16, t.Canvas->TextHeight(QStringLiteral("gh")));
        for (int i = 0; i < 3; ++i) checked.push_back(CountColor(t, QRect(2 + 6, 2 + h * i + 6, 4, 4), 0x21A121) > 8);
        return checked;
    };
    EXPECT_EQ(dots(1, QString()), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(dots(-1, QStringLiteral("A")), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(dots(-1, QStringLiteral("Z")), (std::vector<bool>{false, false, false}));
    // Items without captions are never checked by the (empty) cell text.
    PaintTarget t(60, 60);
    TRadioGroup group;
    group.Style = csWinXP;
    group.Count = 2;
    DrawRadioGroup(*t.Canvas, TRect(0, 0, 60, 60), group, e.Env);
    EXPECT_EQ(CountColor(t, QRect(0, 0, 60, 60), 0x21A121), 0);
}

TEST(PaintRadio, NothingBelowOneItem)
{
    ObjectEnv e;
    PaintTarget t(40, 40);
    TRadioGroup group;
    group.Count = 0;
    DrawRadioGroup(*t.Canvas, TRect(0, 0, 40, 40), group, e.Env);
    EXPECT_EQ(t.CountNot(QRect(0, 0, 40, 40), Qt::white), 0);
}

TEST(PaintComment, TriangleInTheCornerUnlessSwitchedOff)
{
    ObjectEnv e;
    PaintTarget t(60, 30);
    // The shrunk area (1, 1, 59, 29) gives back the corner (61, -1).
    DrawCommentMark(*t.Canvas, TRect(1, 1, 59, 29), 0, false, e.Env);
    EXPECT_EQ(t.At(57, 1), clRed);
    EXPECT_EQ(t.At(57, 4), clRed);
    EXPECT_EQ(t.At(50, 10), clWhite);

    e.Look.SetCommentColor(clNone);
    PaintTarget off(60, 30);
    DrawCommentMark(*off.Canvas, TRect(1, 1, 59, 29), clBlue, true, e.Env);
    EXPECT_EQ(off.CountNot(QRect(0, 0, 60, 30), Qt::white), 0);

    e.Look.SetCommentColor(clRed);
    PaintTarget own(60, 30);
    DrawCommentMark(*own.Canvas, TRect(1, 1, 59, 29), clBlue, true, e.Env);
    EXPECT_EQ(own.At(57, 1), clBlue);
}

TEST(PaintBorders, WidePensMoveInAndEachSideHasItsPen)
{
    PaintTarget t(60, 40);
    TCellBorderPens pens;
    pens.Left = {clRed, 3, Qt::SolidLine};
    pens.Right = {clRed, 3, Qt::SolidLine};
    pens.Top = {clBlue, 1, Qt::SolidLine};
    pens.Bottom = {clGreen, 1, Qt::SolidLine};
    DrawCellBorders(*t.Canvas, TRect(10, 10, 50, 30), {true, true, true, true}, pens, true, true, 1);
    // Left line at 10 + 2 (pen 3 spreads from 11 to 13), right line at 50 - 2 - 1.
    EXPECT_EQ(t.At(12, 20), clRed);
    EXPECT_EQ(t.At(9, 20), clWhite);
    EXPECT_EQ(t.At(47, 20), clRed);
    EXPECT_EQ(t.At(30, 10), clBlue);   // top at max(0, top + 1 - 1)
    EXPECT_EQ(t.At(30, 28), clGreen);  // bottom - 1 after moving in by 1
}

TEST(PaintSortIndicator, OutlinedTrianglesAndIndexNumbers)
{
    ObjectEnv e;
    PaintTarget up(40, 40, Qt::darkGray);
    TSortIndicator sort;
    DrawSortIndicator(*up.Canvas, 20, 20, sort, e.Env);
    EXPECT_EQ(up.At(20, 24), clWhite);    // white base from (16, 24) to (24, 24)
    EXPECT_EQ(up.At(18, 22), 0x808080u);  // grey left side back to the base
    sort.Descending = true;
    PaintTarget down(40, 40, Qt::darkGray);
    DrawSortIndicator(*down.Canvas, 20, 20, sort, e.Env);
    EXPECT_EQ(down.At(16, 16), 0x808080u);  // grey top edge
    EXPECT_EQ(down.At(22, 20), clWhite);    // white right side

    sort.IndexShow = true;
    sort.IndexPosition = 1;
    sort.IndexColor = clYellow;
    PaintTarget index(40, 40);
    DrawSortIndicator(*index.Canvas, 20, 20, sort, e.Env);
    EXPECT_EQ(index.At(15, 16), clYellow);  // inside the filled triangle, clear of the number
}

TEST(PaintButtons, LookStateAndPackedOffset)
{
    ObjectEnv e;
    EXPECT_EQ(CellButtonLook(e.Env), 0);
    e.Env.ThemesAvailable = false;
    EXPECT_EQ(CellButtonLook(e.Env), 1);
    e.Look.SetFlatButton(true);
    EXPECT_EQ(CellButtonLook(e.Env), 2);
    e.Env.Flat = true;
    e.Env.Tones.Background.BrushColor = clWhite;
    EXPECT_EQ(CellButtonLook(e.Env), 3);
    EXPECT_EQ(CellButtonState(true, true, true, false), 2);
    EXPECT_EQ(CellButtonState(false, true, true, false), 1);
    EXPECT_EQ(CellButtonState(true, false, false, false), 3);
    EXPECT_EQ(CellButtonState(false, false, false, true), 0);  // an expand button is never disabled
    EXPECT_EQ(PackButtonOffset(TRect(15, 27, 40, 40), TRect(10, 20, 50, 50)), (7 << 16) | 5);

    ObjectEnv f;
    TCellGraphic g;
    g.SetButton(30, 14, QStringLiteral("Go"), haRight, vaCenter);
    TCellDrawServices services;
    int state = -1;
    TRect drawn;
    services.DrawCellButton = [&](platform::TCanvas&, const TRect& r, int s, int) {
        drawn = r;
        state = s;
    };
    TCellGraphicContext ctx;
    ctx.Width = 30;
    ctx.Height = 14;
    ctx.CanEdit = false;
    PaintTarget t(100, 24);
    DrawCellGraphic(*t.Canvas, TRect(0, 0, 100, 24), g, ctx, f.Env, services);
    EXPECT_EQ(state, 3);
    EXPECT_EQ(drawn, TRect(68, 5, 98, 19));
    EXPECT_EQ(int(g.CellValue()), (5 << 16) | 68);
}

TEST(PaintNodes, MarksByTypeAndTreeStubs)
{
    ObjectEnv e;
    TNodeLook look;
    look.TreeColor = clRed;
    TNodeRow row;
    row.Level = 1;
    row.HasNextRow = true;
    row.NextIndent = 24;
    row.PreviousIndent = 12;
    row.Background = clWhite;
    // cnXP: the XP picture, 4 right of (indent - NodeIndent div 2 - 4) and centred; stubs at x = 0 + 6 + 2.
    PaintTarget xp(60, 20);
    DrawNodeMark(*xp.Canvas, TRect(0, 0, 60, 20), look, row, e.Env);
    EXPECT_EQ(xp.At(8, 15), clRed);  // down from the middle to the next (deeper) row
    EXPECT_EQ(xp.At(8, 3), clRed);   // up to the previous row at the same level
    EXPECT_GT(xp.CountNot(QRect(6, 5, 10, 10), Qt::white), 20);

    look.NodeType = cnFlat;
    look.Color = clYellow;
    look.NodeColor = clBlue;
    look.ShowTree = false;
    row.Contracted = true;
    PaintTarget flat(60, 20);
    DrawNodeMark(*flat.Canvas, TRect(0, 0, 60, 20), look, row, e.Env);
    // The 8 x 8 box at (indent - 6 - 4) + 4 = 6, top 6: outline blue, plus sign blue, inside yellow.
    EXPECT_EQ(flat.At(6, 8), clBlue);
    EXPECT_EQ(flat.At(10, 10), clBlue);  // the minus at top + 4
    EXPECT_EQ(flat.At(10, 8), clBlue);   // the vertical stroke of the plus
    EXPECT_EQ(flat.At(8, 8), clYellow);
    EXPECT_EQ(flat.At(8, 15), clWhite);  // no tree lines

    row.Contracted = false;
    PaintTarget open(60, 20);
    DrawNodeMark(*open.Canvas, TRect(0, 0, 60, 20), look, row, e.Env);
    EXPECT_EQ(open.At(10, 8), clYellow);  // a minus only
}

TEST(PaintDecorations, FilterGlyphAndExpandChevron)
{
    PaintTarget resource(40, 20);
    DrawFilterGlyph(*resource.Canvas, TRect(0, 0, 40, 20), QImage(), clYellow);
    EXPECT_EQ(resource.At(24, 0), clYellow);  // the corner colour replaced by the fixed colour
    EXPECT_EQ(resource.At(20, 5), clWhite);   // left of the 16 pixels at the right edge
    QImage glyph(16, 16, QImage::Format_RGB32);
    glyph.fill(Qt::blue);
    glyph.setPixelColor(0, 15, Qt::green);  // the transparent colour
    PaintTarget own(40, 20);
    DrawFilterGlyph(*own.Canvas, TRect(0, 0, 40, 20), glyph, clYellow);
    EXPECT_EQ(own.At(30, 5), clBlue);
    EXPECT_EQ(own.At(24, 15), clWhite);

    PaintTarget chevron(40, 20);
    DrawExpandChevron(*chevron.Canvas, 40, 0, false);
    DrawExpandChevron(*chevron.Canvas, 20, 0, true);
    EXPECT_EQ(chevron.At(33, 8), clBlack);  // (R - 7, T + 8): the tip points down
    EXPECT_EQ(chevron.At(13, 5), clBlack);  // the tip points up
}

TEST(PaintGraphics, BitmapsImagesRotatedTextAndInterfacedObjects)
{
    ObjectEnv e;
    QPixmap pm(8, 8);
    pm.fill(Qt::red);
    {
        QPainter p(&pm);
        p.fillRect(2, 2, 4, 4, Qt::blue);
    }
    TCellGraphic g;
    g.SetBitmap(&pm, true, haLeft, vaTop);
    TCellGraphicContext ctx;
    ctx.Width = ctx.Height = 8;
    PaintTarget t(40, 20);
    DrawCellGraphic(*t.Canvas, TRect(0, 0, 40, 20), g, ctx, e.Env, TCellDrawServices());
    // Area (1, 1, ...), haLeft: left + 1 = 2, top + 1 = 2; red is the corner colour: transparent.
    EXPECT_EQ(t.At(2, 2), clWhite);
    EXPECT_EQ(t.At(5, 5), clBlue);

    TIntList indexes;
    indexes.Add(1);
    indexes.Add(7);  // past the image count: skipped
    indexes.Add(0);
    TCellGraphic images;
    images.SetCellType(ctImages);
    images.SetCellBitmap(&indexes);
    images.SetCellBoolean(true);  // side by side
    TCellDrawServices services;
    services.ImageCount = 2;
    services.ImageWidth = 10;
    std::vector<int> drawn;
    services.Image = [&](int index) {
        drawn.push_back(index);
        QImage img(10, 10, QImage::Format_RGB32);
        img.fill(index == 0 ? Qt::green : Qt::magenta);
        return img;
    };
    PaintTarget m(60, 20);
    ctx.Width = 30;
    ctx.Height = 10;
    DrawCellGraphic(*m.Canvas, TRect(0, 0, 60, 20), images, ctx, e.Env, services);
    EXPECT_EQ(drawn, (std::vector<int>{1, 0}));
    EXPECT_EQ(m.At(3, 5), clFuchsia);
    EXPECT_EQ(m.At(23, 5), clLime);  // the third slot: the skipped index keeps its place

    TCellGraphic rotated;
    rotated.SetCellType(ctRotated);
    rotated.SetCellAngle(90);
    TCellGraphicContext rc;
    rc.CellText = QStringLiteral("WWWW");
    services.RotatedTextPos = [](const TRect& r, int, TVAlignment, TAlignment, const QString&) {
        return QPoint(r.Left + 2, r.Bottom - 4);
    };
    PaintTarget rt(30, 80);
    rt.Canvas->Font = platform::TFont(QFont(QStringLiteral("Tahoma"), 9), clBlack);
    DrawCellGraphic(*rt.Canvas, TRect(0, 0, 30, 80), rotated, rc, e.Env, services);
    const QRect ink = rt.Ink();
    EXPECT_GT(ink.height(), ink.width());  // upright: taller than wide

    struct Swatch : QObject, TCellInterface {
        void Draw(TCanvas& canvas, const TRect& r, int col, int row, bool) override
        {
            canvas.Brush.Color = clBlue;
            canvas.FillRect(r);
            Col = col;
        }
        int Width() const override { return 10; }
        int Height() const override { return 10; }
        bool DrawUnderText() const override { return false; }
        int Col = -1;
    } swatch;
    TCellGraphic object;
    object.SetInterfacedCell(&swatch);
    ASSERT_EQ(CellInterfaceOf(object), &swatch);
    TCellGraphicContext oc;
    oc.Width = oc.Height = 10;
    oc.Col = 3;
    PaintTarget o(40, 20);
    DrawCellGraphic(*o.Canvas, TRect(0, 0, 40, 20), object, oc, e.Env, TCellDrawServices());
    EXPECT_EQ(swatch.Col, 3);
    EXPECT_EQ(o.At(1, 1), clBlue);  // the box (2, 2, 12, 12) grown by one at left and top
    EXPECT_EQ(o.At(12, 12), clWhite);
    QObject plain;
    TCellGraphic other;
    other.SetInterfacedCell(&plain);
    EXPECT_EQ(CellInterfaceOf(other), nullptr);  // no drawing interface: nothing drawn
}

}  // namespace grid::paint::paint_objects_test
