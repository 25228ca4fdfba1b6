#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include "controls/grid/paint/grid_draw_utils.h"
#include "controls/grid/paint/cell_faces.h"
#include "controls/grid/paint/cell_objects.h"
#include "controls/grid/paint/cell_text.h"
#include "controls/grid/paint/grid_looks.h"
#include "controls/grid/paint/paint_test_support.h"

// Each test file keeps its names in its own namespace (the tests are built in batches).
namespace grid::paint::paint_gallery_test {

using namespace paint_test_support;
// Renders sample grids in every look and the cell objects in every control
// style to PNG files in the build folder ("paint_gallery" next to the test
// program), for a person to look at; the checks sample a few pixels.
using platform::TCanvas;
using platform::TRect;

// Saves the picture and a three times enlarged copy (for looking at pixels).
bool SavePicture(const QImage& image, const QString& name)
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/paint_gallery");
    QDir().mkpath(folder);
    return image.save(folder + "/" + name + ".png") &&
           image.scaled(image.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation)
               .save(folder + "/" + name + "_x3.png");
}

constexpr int ColW = 90, RowH = 22, Cols = 4, Rows = 6;

struct SampleGrid {
    TGridLookColors G;
    TControlLook CL{&G.Faces};
    TGridLooks Looks{G, CL};
    TCellObjectEnv Env;
    explicit SampleGrid(TGridLook look)
    {
        Looks.SetLook(glCustom);
        Looks.SetLook(look);
        Env.ControlLook = &CL;
        Env.Look = look;
        Env.FixedColor = G.FixedColor;
        Env.SelectionColor = G.SelectionColor;
        Env.SelectionTextColor = G.SelectionTextColor;
        CL.SetControlStyle(csWinXP);
    }

    void Text(TCanvas& c, const TRect& r, const QString& text, bool fixed, bool selected, TAlignment ha = taLeftJustify,
              bool sorted = false)
    {
        TCellTextParams p;
        p.Text = text;
        p.Fixed = fixed;
        p.SelectedText = selected;
        p.SelectionColor = G.SelectionColor;
        p.SelectionTextColor = G.SelectionTextColor;
        p.HA = ha;
        p.VA = vtaCenter;
        p.SortIndicatorCell = sorted;
        c.Font = platform::TFont(QFont(QStringLiteral("Tahoma"), 8), fixed ? G.FixedFontColor : G.FontColor);
        DrawCellText(c, r, p, Env);
    }

    QImage Render(int hoverCol, int pressedCol)
    {
        PaintTarget t(ColW * Cols + 1, RowH * Rows + 1, QColor(Qt::white));
        TCanvas& c = *t.Canvas;
        const char* headers[] = {"Name", "Value", "Enabled", "Progress"};
        for (int row = 0; row < Rows; ++row)
            for (int col = 0; col < Cols; ++col) {
                const TRect cell(col * ColW, row * RowH, (col + 1) * ColW, (row + 1) * RowH);
                const bool fixed = row == 0;
                const bool selected = row == 2 && col < 2;
                TRect contents = cell;
                // Background and grid lines (the base painter's part).
                if (fixed) {
                    FillRectColor(c, cell, LookHasGradientFace(G.Look) ? G.Faces.QVRGradientFrom : G.FixedColor);
                    contents = TRect(cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 2);
                } else {
                    FillRectColor(c, cell, selected ? G.SelectionColor : G.Color);
                    contents = TRect(cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 1);
                }
                c.Pen.Color = fixed ? G.GridFixedLineColor : G.GridLineColor;
                c.MoveTo(cell.Left, cell.Bottom - 1);
                c.LineTo(cell.Right - 1, cell.Bottom - 1);
                c.LineTo(cell.Right - 1, cell.Top - 1);
                if (fixed) {
                    TFixedFace face;
                    face.Lit = col == hoverCol || col == pressedCol;
                    face.Pressed = col == pressedCol;
                    face.SortedHeader = col == 1 && G.SortHeaderColor != clNone;
                    face.SortColor = G.SortHeaderColor;
                    face.SortColorTo = G.SortHeaderColorTo;
                    face.SortMirrorColor = G.SortHeaderMirrorColor;
                    face.SortMirrorColorTo = G.SortHeaderMirrorColorTo;
                    face.Color = G.Faces.QVRGradientFrom;
                    face.ColorTo = G.Faces.QVRGradientTo;
                    face.MirrorColor = G.Faces.QVRGradientMirrorFrom;
                    face.MirrorColorTo = G.Faces.QVRGradientMirrorTo;
                    DrawFixedCellFace(c, contents, face, G.Faces, G.Look, G.Flat);
                    if (G.Look == glListView) DrawListViewFace(c, contents, true, col == hoverCol, col == pressedCol);
                    Text(c, contents, QString::fromLatin1(headers[col]), true, false, taLeftJustify, col == 1);
                    DrawFixedCellLines(c, contents, G.Look, G.FixedColor, true, true);
                    continue;
                }
                switch (col) {
                case 0: Text(c, contents, QStringLiteral("Item %1").arg(row), false, selected); break;
                case 1: Text(c, contents, QString::number(row * 125), false, selected, taRightJustify); break;
                case 2: {
                    TCellGraphic g;
                    g.SetCheckBox(row % 2 == 0, false, false, haBeforeText, vaCenter);
                    TCellGraphicContext ctx;
                    ctx.Width = ctx.Height = CL.CheckSize();
                    ctx.CellVAlign = vtaCenter;
                    DrawCellGraphic(c, contents, g, ctx, Env, TCellDrawServices());
                    break;
                }
                case 3: {
                    TCellGraphic g;
                    g.SetCellType(ctProgress);
                    g.SetCellBitmap(TColor(0x00C000));
                    g.SetCellIcon(TColor(clWhite));
                    g.SetCellErrLen(100);
                    TCellGraphicContext ctx;
                    ctx.FloatValue = row * 20;
                    c.Font = platform::TFont(QFont(QStringLiteral("Tahoma"), 7), clBlack);
                    DrawCellGraphic(c, contents, g, ctx, Env, TCellDrawServices());
                    break;
                }
                }
                if (row == 3 && col == 1) DrawCommentMark(c, GraphicArea(contents, Env.XYOffset), 0, false, Env);
                if (row == 4 && col == 0) DrawCellFocusRect(c, contents.Inflated(1, 1), 1);
            }
        t.Done();
        return t.Image;
    }
};


TEST(PaintGallery, OneGridInEachLook)
{
    const TGridLook looks[] = {glStandard, glSoft, glClassic, glQVR, glXP, glListView, glVista, glWin7, glOffice2007};
    for (TGridLook look : looks) {
        SampleGrid grid(look);
        const QImage image = grid.Render(2, 3);
        QString name;
        LookToString(look, name);
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(SavePicture(image, name));
        // A normal cell shows the grid colour, a selected one the selection colour.
        EXPECT_EQ(ColorFromQColor(image.pixelColor(ColW * 0 + 80, RowH * 1 + 3)), ColorToRGB(grid.G.Color));
        EXPECT_EQ(ColorFromQColor(image.pixelColor(ColW * 0 + 80, RowH * 2 + 3)), ColorToRGB(grid.G.SelectionColor));
        // Grid lines at the right edge of normal cells.
        EXPECT_EQ(ColorFromQColor(image.pixelColor(ColW - 1, RowH * 1 + 10)), ColorToRGB(grid.G.GridLineColor));
        // The hovered header is framed in the hover border in the gradient looks.
        if (LookHasGradientFace(look)) {
            EXPECT_EQ(ColorFromQColor(image.pixelColor(ColW * 2, 10)), ColorToRGB(grid.G.Faces.QVRGradientHoverBorder));
            EXPECT_EQ(ColorFromQColor(image.pixelColor(ColW * 0 + 60, 0)), ColorToRGB(grid.G.Faces.QVRGradientFrom));
        }
    }
}

TEST(PaintGallery, CellObjectsInEveryControlStyle)
{
    const TControlStyle styles[] = {csClassic, csFlat, csWinXP, csPelmora, csQVR, csGlyph, csTheme};
    PaintTarget t(7 * 100, 150);
    ObjectEnv e;
    e.Look.SetCheckedGlyph(QImage(QStringLiteral(":/none")));
    SampleGrid tones(glXP);
    TColorTones metro;
    metro.Background = {clWhite, 0xDDDDDD, clBlack};
    metro.Foreground = {0x643200, 0, clWhite};
    tones.Looks.SetColorTones(metro, QStringLiteral("Tahoma"));
    const QStringList items{"One", "Two", "Three"};
    TCanvas& c = *t.Canvas;
    c.Font = platform::TFont(QFont(QStringLiteral("Tahoma"), 8), clBlack);
    for (int s = 0; s < 7; ++s) {
        const int x = s * 100 + 4;
        const TCellObjectEnv& env = styles[s] == csGlyph ? tones.Env : e.Env;
        for (int k = 0; k < 4; ++k)
            DrawCheckBox(c, TRect(x + k * 20, 4, x + k * 20 + 15, 19), k % 2 == 1, cbUnchecked, false, styles[s], false,
                         k < 2, env);
        DrawCheckBox(c, TRect(x, 24, x + 15, 39), false, cbGrayed, true, styles[s], false, true, env);
        TRadioGroup group;
        group.Style = styles[s];
        group.Items = &items;
        group.Count = 3;
        group.Index = 1;
        DrawRadioGroup(c, TRect(x, 44, x + 96, 110), group, env);
        TSortIndicator sort;
        sort.Descending = s % 2 == 1;
        DrawSortIndicator(c, x + 60, 30, sort, env);
    }
    TNodeLook node;
    for (int n = 0; n < 5; ++n) {
        node.NodeType = TNodeType(n);
        TNodeRow row;
        row.Level = 1;
        row.Contracted = n % 2 == 0;
        row.Background = clWhite;
        DrawNodeMark(c, TRect(n * 40, 120, n * 40 + 40, 142), node, row, e.Env);
    }
    DrawFilterGlyph(c, TRect(200, 120, 240, 142), QImage(), clBtnFace);
    t.Done();
    ASSERT_TRUE(SavePicture(t.Image, QStringLiteral("objects")));
    EXPECT_GT(t.CountNot(QRect(0, 0, 700, 150), Qt::white), 2000);
}

}  // namespace grid::paint::paint_gallery_test
