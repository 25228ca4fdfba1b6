#include <gtest/gtest.h>

#include "controls/grid/print/print_test_support.h"

using namespace grid;
using namespace print_test;

// Cells measured with the print font itself on the unit image (0.1 mm a
// pixel): widths through GetPrintColWidth, heights through OnPrintSetRowHeight
// (which sees h + h div 8 of the tallest cell).

namespace {

class TCountingGrid : public TRecordingGrid {
public:
    int Reads = 0;
    std::map<int, grid::TCellBorders> Lines;  // by column, of row 1
    QString GetFormattedCell(int ACol, int ARow) override
    {
        ++Reads;
        return TRecordingGrid::GetFormattedCell(ACol, ARow);
    }
    void GetCellPrintBorder(int ACol, int ARow, grid::TGridPen& APen, grid::TCellBorders& Borders) override
    {
        TRecordingGrid::GetCellPrintBorder(ACol, ARow, APen, Borders);
        if (ARow == 1) Lines[ACol] = Borders;
    }
};

struct Cells {
    TCountingGrid g;
    QImage image = UnitImage();
    std::map<int, int> heights;
    Cells(int cols, int rows)
    {
        g.SetColCount(cols);
        g.SetRowCount(rows);
        g.SetFixedRows(0);
        g.SetFixedCols(0);
        g.PrintSettings().UseDisplayFont = false;
        g.PrintSettings().Font.setPointSize(20);
        g.OnPrintSetRowHeight = [this](QObject*, int row, int& h) { heights[row] = h; };
    }
    // Extents in the print font, or in another one.
    int Text(const QString& text, const platform::TFont* font = nullptr)
    {
        const platform::TFont& f = font ? *font : g.PrintSettings().Font;
        grid::print::TPrintCanvas c(nullptr, &image, 254, 254);
        c.SetFont(f, g.MapFontHeight(f.pointSize()));
        return c.TextWidth(text);
    }
    int Line(const platform::TFont* font = nullptr)
    {
        return LineHeight(g, font ? *font : g.PrintSettings().Font, image);
    }
    void Preview() { PreviewPage(g, 1, image); }
};

int Grown(int h) { return h + h / 8; }

}  // namespace

TEST(PrintedCells, TextCellsMeasureTheirLinesAndEmptyCellsOneLine)
{
    Cells t(3, 2);
    t.g.MultilineCells = true;
    t.g.SetCellsEx(0, 0, "short\nthe longer line");
    t.g.SetCellsEx(1, 0, "one line");
    t.Preview();
    EXPECT_EQ(t.g.GetPrintColWidth(0), t.Text("the longer line"));
    EXPECT_EQ(t.g.GetPrintColWidth(1), t.Text("one line"));
    EXPECT_EQ(t.g.GetPrintColWidth(2), t.Text("gh"));  // empty: as "gh"
    EXPECT_EQ(t.heights[0], Grown(2 * t.Line()));
    EXPECT_EQ(t.heights[1], Grown(t.Line()));
}

TEST(PrintedCells, RichTextPrintsItsPlainText)
{
    Cells t(1, 1);
    t.g.SetCellsEx(0, 0, R"({\rtf1\ansi {\b Valve} open\par})");
    t.Preview();
    EXPECT_EQ(t.g.GetPrintColWidth(0), t.Text("Valve open"));
}

TEST(PrintedCells, RotatedTextSwapsItsExtentsAndScreenWidthsServeWithoutAutoSize)
{
    Cells t(2, 1);
    t.g.AddRotated(0, 0, 90, "turned");
    t.g.SetCellsEx(1, 0, "x");
    t.Preview();
    // A cell with properties of its own carries the grid's font.
    const platform::TFont cellFont = ToCanvasFont(t.g.Font());
    EXPECT_EQ(t.g.GetPrintColWidth(0), t.Line(&cellFont));
    EXPECT_EQ(t.heights[0], Grown(t.Text("turned", &cellFont)));

    t.g.PrintSettings().NoAutoSize = true;
    t.g.SetColWidths(1, 96);
    t.Preview();
    EXPECT_EQ(t.g.GetPrintColWidth(1), int(std::lrint(96 * 254.0 / t.g.logicalDpiX())));
}

TEST(PrintedCells, GraphicsCountOnlyWhenPrinted)
{
    Cells t(2, 2);
    t.g.PrintSettings().Font.setPointSize(8);
    t.g.AddCheckBox(0, 0, true, true);  // shows the cell's state: no text
    t.g.SetCellsEx(0, 0, "true");
    t.Preview();
    const int textOnly = t.heights[0];
    t.g.PrintSettings().PrintGraphics = true;
    t.heights.clear();
    t.Preview();
    const QPoint graphic = t.g.GetCellGraphicSize(0, 0);
    ASSERT_GT(graphic.y(), 0);
    const int graphicHeight = int(std::lrint(graphic.y() * 254.0 / t.g.logicalDpiX()));
    EXPECT_EQ(t.heights[0], Grown(std::max(graphicHeight, t.Line())));
    EXPECT_GT(t.heights[0], textOnly);
    EXPECT_EQ(t.g.GetPrintColWidth(0), t.Text("gh") + int(std::lrint(graphic.x() * 254.0 / t.g.logicalDpiX())));
}

TEST(PrintedCells, ImageListPicturesPrintOnlyWithGraphics)
{
    Cells t(2, 1);
    TGridImageList images(16, 16);
    QImage red(16, 16, QImage::Format_RGB32);
    red.fill(Qt::red);
    images.Add(red);
    t.g.SetGridImages(&images);
    t.g.AddImageIdx(0, 0, 0, haLeft, vaTop);
    auto redPixels = [&] {
        int n = 0;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 2000; ++x) n += t.image.pixel(x, y) == qRgb(255, 0, 0);
        return n;
    };
    t.Preview();
    EXPECT_EQ(redPixels(), 0);
    t.g.PrintSettings().PrintGraphics = true;
    t.image.fill(Qt::white);
    t.Preview();
    // 16 screen pixels square in 0.1 mm, give or take the edges.
    const int side = int(std::lrint(16 * 254.0 / t.g.logicalDpiX()));
    EXPECT_NEAR(redPixels(), side * side, 4 * side);
    t.g.SetGridImages(nullptr);

    // A radio button: a ring, with a dot when checked.
    auto darkWith = [](bool checked) {
        Cells r(1, 1);
        r.g.PrintSettings().PrintGraphics = true;
        r.g.PrintSettings().Borders = pbNoborder;
        r.g.AddRadioButton(0, 0, checked);
        r.Preview();
        int dark = 0;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 2000; ++x) dark += qGray(r.image.pixel(x, y)) < 100;
        return dark;
    };
    const int ring = darkWith(false);
    EXPECT_GT(ring, 20);
    EXPECT_GT(darkWith(true), ring + 20);

    // A progress pie in its colour.
    Cells p(1, 1);
    p.g.PrintSettings().PrintGraphics = true;
    p.g.AddProgressPie(0, 0, clBlue, 50);
    p.Preview();
    int blue = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 2000; ++x) blue += p.image.pixel(x, y) == qRgb(0, 0, 255);
    EXPECT_GT(blue, 100);
}

TEST(PrintedCells, CellLinesFollowTheBorderSettingAndMergedCellsShowTheirOutline)
{
    struct Case {
        TPrintBorders borders;
        grid::TCellBorders lines;
    };
    const grid::TCellBorders all = cbTop | cbLeft | cbRight | cbBottom;
    for (const Case& c : {Case{pbSingle, all}, Case{pbDouble, all}, Case{pbVertical, cbLeft | cbRight},
                          Case{pbHorizontal, cbTop | cbBottom}, Case{pbAroundVertical, cbLeft | cbRight},
                          Case{pbNoborder, 0}, Case{pbAround, 0}, Case{pbCustom, 0}}) {
        Cells t(4, 3);
        t.g.PrintSettings().Borders = c.borders;
        t.Preview();
        EXPECT_EQ(t.g.Lines[2], c.lines) << int(c.borders);
    }
    // Merged over three columns: one outline, no lines between its columns.
    // Columns 200 wide (no spacing with fixed widths) from x 600, rows 100 + 2 gaps high: on the unit
    // image row 1 runs from y 100 + 2 gaps down.
    Cells m(4, 3);
    m.g.PrintSettings().UseFixedWidth = true;
    m.g.PrintSettings().FixedWidth = 200;
    m.g.PrintSettings().UseFixedHeight = true;
    m.g.PrintSettings().FixedHeight = 100;
    m.g.MergeCells(0, 1, 3, 1);
    m.Preview();
    const int gap = m.Line() / 8;
    const int y = (100 + 2 * gap) * 3 / 2;
    auto line = [&](int x) {
        for (int d = -2; d <= 2; ++d)
            if (qGray(m.image.pixel(x + d, y)) < 100) return true;
        return false;
    };
    EXPECT_EQ(m.g.GetPrintColOffset(1), 800);
    EXPECT_TRUE(line(600));
    EXPECT_FALSE(line(800));
    EXPECT_FALSE(line(1000));
    EXPECT_TRUE(line(1200));
    EXPECT_TRUE(line(1400));
}

TEST(PrintedCells, EveryCellIsMeasuredOnceForTheWholeJob)
{
    Cells t(5, 200);
    for (int r = 0; r < 200; ++r)
        for (int c = 0; c < 5; ++c) t.g.SetCellsEx(c, r, QString::number(r * c));
    t.g.Reads = 0;
    t.g.SetPreviewPage(1);
    QPainter painter(&t.image);
    t.g.PrintPreview(painter, QRect(0, 0, 2000, 2800));
    // Counting and drawing pass, widths and heights: one measuring read per
    // cell, and one drawing read per cell of the drawn page.
    const int drawn = int(t.g.Rows[1].size()) * 5;
    EXPECT_EQ(t.g.Reads, 1000 + drawn);
}

TEST(PrintedCells, MiniHTMLCellsAndTitlesAreRenderedOnTheDevice)
{
    Cells t(2, 1);
    t.g.SetCellsEx(0, 0, "<B>Bold</B> text");
    t.Preview();
    const int width = t.g.GetPrintColWidth(0);
    EXPECT_GT(width, t.Text("Bold"));
    EXPECT_LT(width, 2 * t.Text("Bold text"));
    // Its text is drawn inside the column.
    const int left = t.g.GetPrintColOffset(0);
    int dark = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = left + 5; x < left + width; ++x) dark += qGray(t.image.pixel(x, y)) < 100;
    EXPECT_GT(dark, 50);

    // A mini-HTML title at the top widens the header band by its height.
    TRecordingGrid g;
    FixedSizeGrid(g, 2, 5);
    QImage image = UnitImage();
    int y = 0;
    g.OnPrintPageDone = [&](QObject*, print::TPrintCanvas&, int, int offset, int, int, int) { y = offset; };
    g.PrintSettings().Title = ppTopLeft;
    g.PrintSettings().TitleLines = {"plain"};
    PreviewPage(g, 1, image);
    const int plain = y;
    g.PrintSettings().HeaderFont.setPointSize(12);
    g.PrintSettings().TitleLines = {"<B>Process</B>", "<BR>data"};
    PreviewPage(g, 1, image);
    EXPECT_LT(y, plain - 2 * 40);  // two lines of a 12 point font: more than 8 mm
}

TEST(PrintedCells, TitleLinesWidenTheHeaderBand)
{
    // Rows 50 high, no gap: after the rows of page 1 the pass stands at
    // -(header band) - TitleSpacing - 50 x rows.
    TRecordingGrid g;
    FixedSizeGrid(g, 2, 5);
    QImage image = UnitImage();
    TPrintSettings& s = g.PrintSettings();
    s.HeaderSize = 30, s.TitleSpacing = 40;
    s.Title = ppTopCenter;
    s.TitleLines = {"one", "two", "three"};
    int y = 0;
    g.OnPrintPageDone = [&](QObject*, print::TPrintCanvas&, int, int offset, int, int, int) { y = offset; };
    PreviewPage(g, 1, image);
    const int header = LineHeight(g, s.HeaderFont, image);
    EXPECT_EQ(y, -(0 + header + 30 + 2 * header) - 40 - 5 * 50);
    s.Title = ppNone;
    PreviewPage(g, 1, image);
    EXPECT_EQ(y, -30 - 40 - 5 * 50);
}
