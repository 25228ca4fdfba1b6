#include <gtest/gtest.h>

#include <map>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/atomic_file.h"

using namespace grid;

namespace {

// Paints the grid's whole client area into an image.
QImage esgRender(TExStringGrid& g)
{
    QImage image(g.viewport()->size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    g.PaintTo(painter, platform::TRect(0, 0, image.width(), image.height()));
    painter.end();
    return image;
}

TColor esgPixel(const QImage& image, int x, int y) { return ColorFromQColor(image.pixelColor(x, y)); }

// A grid of 6 x 8 with merged cells, headers, a coloured cell and a selection.
void esgSetUpShowcase(TExStringGrid& g)
{
    g.resize(460, 230);
    g.SetColCount(6);
    g.SetRowCount(8);
    g.SetColumnHeaders({"", "Name", "Type", "Length", "Value", "Mnemonic"});
    for (int r = 1; r < 8; ++r) g.SetCellEx(0, r, QString::number(r));
    const char* names[] = {"Speed", "Torque", "Status", "Alarm", "Counter", "Mode", "Spare"};
    const char* types[] = {"Int16", "Float32", "UInt8", "Bool", "UInt32", "Int8", ""};
    for (int r = 1; r < 8; ++r) {
        g.SetCellEx(1, r, names[r - 1]);
        g.SetCellEx(2, r, types[r - 1]);
    }
    g.MergeCells(3, 2, 2, 2);
    g.SetCellEx(3, 2, "merged 2 x 2");
    g.SetAlignments(3, 2, taCenter);
    g.GetCellProperties(3, 2)->SetVAlignment(vtaCenter);
    g.MergeCells(1, 0, 2, 1);
    g.SetCellEx(1, 0, "Variable");
    g.SetColors(5, 6, 0x0080FFFF);
    g.SetCellEx(5, 6, "coloured");
    g.SelectRange(1, 2, 5, 6);
}

}  // namespace

TEST(ExStringGridPaint, MergedBlockIsPaintedAsOneCell)
{
    TExStringGrid g;
    g.show();
    g.resize(400, 250);
    g.MergeCells(1, 1, 3, 2);
    g.SetColors(1, 1, clRed);
    g.SetCellEx(1, 1, "");
    // The current (selected) cell elsewhere: a selected block shows the selection colour.
    g.SetCol(4);
    g.SetRow(4);
    const QImage image = esgRender(g);
    const platform::TRect block = g.CellRect(2, 2);
    EXPECT_EQ(block, g.CellRect(1, 1));
    EXPECT_EQ(block.Width(), 3 * g.ColWidths(1));
    EXPECT_EQ(block.Height(), 2 * g.RowHeights(1));
    // The block's inside is one fill: no grid line between its cells.
    const int lineX = g.GridBase::CellRect(1, 1).Right - 1;
    EXPECT_EQ(esgPixel(image, lineX, block.Top + 5), clRed);
    EXPECT_EQ(esgPixel(image, block.Left + 5, g.GridBase::CellRect(1, 1).Bottom - 1), clRed);
    // The block's own border lines are drawn.
    EXPECT_EQ(esgPixel(image, block.Right - 1, block.Top + 5), clSilver);
}

TEST(ExStringGridPaint, HiddenLastRowAndWideGridLines)
{
    TExStringGrid g;
    g.show();
    g.resize(400, 300);
    g.SetHideLastRow(true);
    g.SetGridLineWidth(3);
    g.SetCellEx(2, 9, "hidden");
    g.SetColor(clWhite);
    const QImage image = esgRender(g);
    const platform::TRect last = g.GridBase::CellRect(2, 9);
    for (int x = last.Left; x < last.Right; ++x) EXPECT_EQ(esgPixel(image, x, last.Bottom - 1), clWhite);
    // A 3 pixel line ends at the cell's edge: offset 2, pixels Bottom - 3 .. Bottom - 1.
    const platform::TRect cell = g.GridBase::CellRect(2, 3);
    EXPECT_EQ(esgPixel(image, cell.Left + 10, cell.Bottom - 1), clSilver);
    EXPECT_EQ(esgPixel(image, cell.Left + 10, cell.Bottom - 3), clSilver);
    EXPECT_EQ(esgPixel(image, cell.Left + 10, cell.Bottom - 4), clWhite);
}

TEST(ExStringGridPaint, SelectionSegmentsAndUnfocusedFace)
{
    TExStringGrid g;
    g.SetColCount(7);
    g.SetSelection({2, 3, 5, 3});
    EXPECT_EQ(g.SelectionSegment(2), 1);
    EXPECT_EQ(g.SelectionSegment(3), 3);
    EXPECT_EQ(g.SelectionSegment(4), 3);
    EXPECT_EQ(g.SelectionSegment(5), 2);
    g.SetSelection({3, 3, 3, 3});
    EXPECT_EQ(g.SelectionSegment(3), 0);

    g.show();
    g.SetSelectionStyle(ssWin7);
    const QImage image = esgRender(g);
    const platform::TRect r = g.GridBase::CellRect(3, 3);
    // Without the focus the face is the grey unfocused one.
    EXPECT_EQ(esgPixel(image, r.Left + r.Width() / 2, r.Top + 2), 0x00F8F8F8u);
}

TEST(ExStringGridPaint, PaintCellExtDrawsNoContents)
{
    TExStringGrid g;
    g.SetCellEx(0, 0, "XXXXXXXXXX");
    QImage image(64, 22, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        platform::TCanvas canvas(painter);
        g.PaintCellExt(canvas, 0, 0, platform::TRect(0, 0, 64, 22), platform::gdFixed);
    }
    // The face is one colour band per row: no text pixels in the middle row.
    const QColor left = image.pixelColor(5, 11);
    for (int x = 5; x < 55; ++x) EXPECT_EQ(image.pixelColor(x, 11), left) << x;
}

TEST(ExStringGridPaint, ScreenshotOfMergedFixedAndSelectedCells)
{
    TExStringGrid g;
    esgSetUpShowcase(g);
    g.show();
    const QImage image = esgRender(g);

    // The selection (columns 1..2, rows 5..6) shows the selection colour.
    const platform::TRect sel = g.GridBase::CellRect(2, 5);
    EXPECT_EQ(esgPixel(image, sel.Left + 3, sel.Top + 3), g.SelectionColor);
    // The fixed cells run from white at the top to the button face at the bottom.
    const platform::TRect head = g.GridBase::CellRect(4, 0);
    EXPECT_EQ(esgPixel(image, head.Left + 5, head.Top), clWhite);
    EXPECT_NE(esgPixel(image, head.Left + 5, head.Bottom - 2), clWhite);
    const platform::TRect merged = g.CellRect(3, 2);
    EXPECT_EQ(merged.Width(), g.ColWidths(3) + g.ColWidths(4));

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "PNG"));
    const QString folder = QCoreApplication::applicationDirPath() + "/../screenshots";
    QDir().mkpath(folder);
    EXPECT_TRUE(platform::writeFileAtomically(folder + "/ex_string_grid.png", png));
}

namespace {

// Counts the contents drawn per cell.
class EsgCountingGrid : public TExStringGrid {
public:
    void DrawCellContents(platform::TCanvas& canvas, int ACol, int ARow, const platform::TRect& ARect,
                          platform::TGridDrawState AState) override
    {
        ++Calls[{ACol, ARow}];
        Rects[{ACol, ARow}] = ARect;
        TExStringGrid::DrawCellContents(canvas, ACol, ARow, ARect, AState);
    }
    std::map<std::pair<int, int>, int> Calls;
    std::map<std::pair<int, int>, platform::TRect> Rects;
};

}  // namespace

TEST(ExStringGridPaint, BlockIsDrawnOncePerPassWithTheWholeRectangle)
{
    EsgCountingGrid g;
    g.show();
    g.MergeCells(1, 1, 3, 2);
    g.SetCellEx(1, 1, "block");
    for (int pass = 1; pass <= 2; ++pass) {
        g.Calls.clear();
        (void)esgRender(g);
        EXPECT_EQ((g.Calls[{1, 1}]), 1) << pass;
        for (int c = 1; c <= 3; ++c)
            for (int r = 1; r <= 2; ++r)
                if (c != 1 || r != 1) { EXPECT_EQ(g.Calls.count({c, r}), 0u); }
    }
    const platform::TRect block = g.CellRect(1, 1);
    EXPECT_EQ((g.Rects[{1, 1}]), block.Inflated(-1, -1));  // inside the grid line width
    // Scrolled so that the base cell is out of view, the block is still drawn from a visible cell.
    g.SetRowCount(60);
    g.GridBase::SetTopRow(2);
    g.Calls.clear();
    (void)esgRender(g);
    EXPECT_EQ((g.Calls[{1, 1}]), 1);
}

TEST(ExStringGridPaint, PaintCellExtShowsASelectedCellInTheActiveRowColours)
{
    TExStringGrid g;
    g.SetActiveRowColor(clYellow);
    QImage image(64, 22, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        platform::TCanvas canvas(painter);
        g.PaintCellExt(canvas, 2, 3, platform::TRect(0, 0, 64, 22), platform::gdSelected);
    }
    EXPECT_EQ(esgPixel(image, 10, 10), clYellow);
}
