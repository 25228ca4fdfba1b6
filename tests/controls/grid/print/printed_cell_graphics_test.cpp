#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QTest>

#include "controls/grid/paint/cell_objects.h"
#include "controls/grid/print/print_test_support.h"

// Cell graphics, rich text and rotated text on the printed page (previewed
// onto the unit image: 0.1 mm a pixel) and, where the screen shares the
// drawing, in the grid's own painting.

namespace printed_cell_graphics_test {

using namespace grid;
using namespace print_test;

// One large cell (1000 x 1000 units) at the page's top-left, graphics
// printed, no cell lines.
struct Page {
    TRecordingGrid g;
    QImage image = UnitImage();
    Page()
    {
        g.SetColCount(1);
        g.SetRowCount(1);
        g.SetFixedRows(0);
        g.SetFixedCols(0);
        TPrintSettings& s = g.PrintSettings();
        s.UseDisplayFont = false;
        s.Font.setPointSize(12);
        s.PrintGraphics = true;
        s.Borders = pbNoborder;
        s.UseFixedWidth = true, s.FixedWidth = 1000;
        s.UseFixedHeight = true, s.FixedHeight = 1000;
    }
    void Preview()
    {
        image.fill(Qt::white);
        PreviewPage(g, 1, image);
    }
    int Count(const std::function<bool(QRgb)>& match) const
    {
        int n = 0;
        for (int y = 0; y < 1600; ++y)
            for (int x = 0; x < 1600; ++x) n += match(image.pixel(x, y));
        return n;
    }
    QRect Ink(const std::function<bool(QRgb)>& match) const
    {
        QRect box;
        for (int y = 0; y < 1600; ++y)
            for (int x = 0; x < 1600; ++x)
                if (match(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
        return box;
    }
};

bool Dark(QRgb c) { return qGray(c) < 100; }
bool MidGray(QRgb c) { return qGray(c) >= 100 && qGray(c) < 200 && qRed(c) == qGreen(c) && qGreen(c) == qBlue(c); }
bool Red(QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; }
bool Blue(QRgb c) { return qBlue(c) > 200 && qRed(c) < 80 && qGreen(c) < 80; }

// Fills whatever it is asked to draw in red.
class RedObject : public QObject, public paint::TCellInterface {
public:
    RedObject(int w, int h) : FW(w), FH(h) {}
    void Draw(platform::TCanvas& canvas, const platform::TRect& rect, int, int, bool) override
    {
        Drawn = rect;
        canvas.Painter().fillRect(QRect(rect.Left, rect.Top, rect.Width() + 1, rect.Height() + 1), Qt::red);
    }
    int Width() const override { return FW; }
    int Height() const override { return FH; }
    bool DrawUnderText() const override { return false; }
    platform::TRect Drawn;

private:
    int FW, FH;
};

TEST(PrintedCellGraphics, RadioGroupsPrintTheirChoicesInTheirDirection)
{
    auto print = [](int dir, int index, bool graphics) {
        auto t = std::make_unique<Page>();
        QStringList* items = t->g.CreateRadio(0, 0, dir, index);
        *items << "Auto" << "Manual" << "Off";
        t->g.PrintSettings().PrintGraphics = graphics;
        t->Preview();
        return t;
    };
    const auto none = print(0, -1, true);
    const auto second = print(0, 1, true);
    EXPECT_GT(none->Count(Dark), 100);                      // rings and captions
    EXPECT_GT(second->Count(Dark), none->Count(Dark) + 20);  // and the dot of the checked one
    const QRect vertical = none->Ink(Dark);
    EXPECT_GT(vertical.height(), vertical.width() / 2);
    const QRect horizontal = print(1, -1, true)->Ink(Dark);
    EXPECT_GT(horizontal.width(), 2 * horizontal.height());
    EXPECT_EQ(print(0, 1, false)->Count(Dark), 0);
}

TEST(PrintedCellGraphics, InterfacedCellsDrawAtTheirSizeStretchedIntoTheirBox)
{
    const double stp = 254.0 / Page().g.logicalDpiX();
    {
        Page t;
        RedObject object(20, -10);  // a negative height counts as positive
        t.g.AddInterfacedCell(0, 0, &object);
        t.Preview();
        EXPECT_EQ(object.Drawn.Width(), 19);
        EXPECT_EQ(object.Drawn.Height(), 9);
        const QRect ink = t.Ink(Red);
        EXPECT_NEAR(ink.width(), 20 * stp, 3);
        EXPECT_NEAR(ink.height(), 10 * stp, 3);
        t.g.PrintSettings().PrintGraphics = false;
        t.Preview();
        EXPECT_EQ(t.Count(Red), 0);
    }
    // Without a size of its own it takes the cell's.
    Page t;
    RedObject object(0, 0);
    t.g.AddInterfacedCell(0, 0, &object);
    t.Preview();
    EXPECT_GT(t.Ink(Red).width(), 500);
}

TEST(PrintedCellGraphics, RichTextCellsPrintAndPaintTheirFormatting)
{
    const QString text = R"({\rtf1\ansi{\colortbl ;\red255\green0\blue0;}\cf1 Alarm active\par})";
    Page t;
    t.g.SetCellsEx(0, 0, text);
    t.Preview();
    EXPECT_GT(t.Count(Red), 30);

    // The grid's own painting draws it the same way.
    TExStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(3);
    g.SetColWidths(1, 200);
    g.resize(400, 200);
    g.SetCellsEx(1, 2, text);  // outside the selection (the current cell 1, 1)
    QImage screen(g.viewport()->size(), QImage::Format_RGB32);
    screen.fill(Qt::white);
    {
        QPainter painter(&screen);
        g.PaintTo(painter, platform::TRect(0, 0, screen.width(), screen.height()));
    }
    const QRect cell = g.CellRect(1, 2).toQRect();
    int red = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x) red += Red(screen.pixel(x, y));
    EXPECT_GT(red, 10);
}

// Selected rich-text cells on the screen take the selection text colour over
// their own; printing, SelectionRTFKeep and unselected cells keep it.
TEST(PrintedCellGraphics, SelectedRichTextCellsTakeTheSelectionTextColourOnScreen)
{
    const QString text = R"({\rtf1\ansi{\colortbl ;\red255\green0\blue0;}\cf1 Alarm active\par})";
    TExStringGrid g;
    g.SetColCount(4);
    g.SetRowCount(4);
    for (int c = 1; c < 4; ++c) g.SetColWidths(c, 120);
    g.resize(420, 140);
    for (int c = 1; c < 4; ++c)
        for (int r = 1; r < 4; ++r) g.SetCellsEx(c, r, text);
    g.SelectionTextColor = clBlue;
    g.SetSelection({1, 1, 2, 2});  // current cell (1, 1)

    QImage screen;
    const auto paint = [&] {
        screen = QImage(g.viewport()->size(), QImage::Format_RGB32);
        screen.fill(Qt::white);
        QPainter painter(&screen);
        g.PaintTo(painter, platform::TRect(0, 0, screen.width(), screen.height()));
    };
    const auto count = [&](int c, int r, bool (*match)(QRgb)) {
        const QRect cell = g.CellRect(c, r).toQRect();
        int n = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x) n += match(screen.pixel(x, y));
        return n;
    };
    // Each cell's text is wholly red or wholly blue.
    const auto colours = [&](std::initializer_list<std::pair<int, int>> blue,
                             std::initializer_list<std::pair<int, int>> red, const char* when) {
        SCOPED_TRACE(when);
        paint();
        for (auto [c, r] : blue) {
            EXPECT_GT(count(c, r, Blue), 10) << c << "," << r;
            EXPECT_EQ(count(c, r, Red), 0) << c << "," << r;
        }
        for (auto [c, r] : red) {
            EXPECT_GT(count(c, r, Red), 10) << c << "," << r;
            EXPECT_EQ(count(c, r, Blue), 0) << c << "," << r;
        }
    };

    colours({{1, 1}, {2, 1}, {2, 2}}, {{3, 1}, {3, 2}}, "selection without focus");
    g.SelectionRTFKeep = true;
    colours({}, {{1, 1}, {2, 1}, {3, 1}}, "SelectionRTFKeep");
    g.SelectionRTFKeep = false;
    g.SelectionTextColor = clNone;
    colours({}, {{1, 1}, {2, 1}}, "no selection text colour");
    g.SelectionTextColor = clBlue;

    // Rows picked one by one are selected as a whole; the current cell stays in.
    g.MouseActions().SetDisjunctRowSelect(true);
    g.SetRowSelect(3, true);
    colours({{1, 1}, {1, 3}, {3, 3}}, {{3, 1}}, "disjunct rows");
    g.MouseActions().SetDisjunctRowSelect(false);

    // The focused current cell keeps its colours unless focus draws selected.
    g.show();
    g.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&g));
    g.setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(g.IsActiveControl());
    colours({{2, 1}, {2, 2}}, {{1, 1}}, "focused current cell");
    g.SetOptions(g.Options() | platform::goDrawFocusSelected);
    colours({{1, 1}, {2, 1}}, {}, "goDrawFocusSelected");

    // A printed page is never selected: the one cell is the current, selected one.
    Page t;
    t.g.SelectionTextColor = clBlue;
    t.g.SetCellsEx(0, 0, text);
    t.Preview();
    EXPECT_GT(t.Count(Red), 30);
    EXPECT_EQ(t.Count(Blue), 0);
}

TEST(PrintedCellGraphics, RotatedTextIsPlacedByTheCellsAlignment)
{
    struct Case {
        TAlignment ha;
        TVAlignment va;
    };
    auto ink = [](Case c) {
        Page t;
        t.g.OnGetAlignment = [c](QObject*, int, int, TAlignment& ha, TVAlignment& va) { ha = c.ha, va = c.va; };
        t.g.AddRotated(0, 0, 90, "turned text");
        t.Preview();
        return t.Ink(Dark);
    };
    const QRect topLeft = ink({taLeftJustify, vtaTop});
    const QRect bottomRight = ink({taRightJustify, vtaBottom});
    const QRect centred = ink({taCenter, vtaCenter});
    ASSERT_FALSE(topLeft.isEmpty());
    // Turned up by 90 degrees: taller than wide.
    EXPECT_GT(topLeft.height(), 2 * topLeft.width());
    // The cell box spans about 1000 units each way.
    EXPECT_GT(bottomRight.left() - topLeft.left(), 700);
    EXPECT_GT(bottomRight.top() - topLeft.top(), 400);
    EXPECT_NEAR(centred.center().x(), (topLeft.center().x() + bottomRight.center().x()) / 2, 40);
    EXPECT_NEAR(centred.center().y(), (topLeft.center().y() + bottomRight.center().y()) / 2, 40);
}

TEST(PrintedCellGraphics, RotatedTextOnScreenIsPlacedByTheCellsAlignment)
{
    auto ink = [](TAlignment ha, TVAlignment va) {
        TExStringGrid g;
        g.SetColCount(2);
        g.SetRowCount(2);
        g.SetColWidths(1, 300);
        g.SetRowHeights(1, 300);
        g.resize(500, 400);
        g.OnGetAlignment = [ha, va](QObject*, int, int, TAlignment& h, TVAlignment& v) { h = ha, v = va; };
        g.AddRotated(1, 1, 90, "turned text");
        QImage screen(g.viewport()->size(), QImage::Format_RGB32);
        screen.fill(Qt::white);
        {
            QPainter painter(&screen);
            g.PaintTo(painter, platform::TRect(0, 0, screen.width(), screen.height()));
        }
        const QRect cell = g.CellRect(1, 1).toQRect().adjusted(3, 3, -3, -3);
        QRect box;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                if (Dark(screen.pixel(x, y))) box |= QRect(x, y, 1, 1);
        return box;
    };
    const QRect topLeft = ink(taLeftJustify, vtaTop);
    const QRect bottomRight = ink(taRightJustify, vtaBottom);
    ASSERT_FALSE(topLeft.isEmpty());
    EXPECT_GT(bottomRight.left() - topLeft.left(), 200);
    EXPECT_GT(bottomRight.top() - topLeft.top(), 100);
}

TEST(PrintedCellGraphics, CheckBoxesFollowTheControlLooksFlatStyle)
{
    struct Result {
        int dark, gray;
    };
    auto print = [](bool checked, TControlStyle style) {
        Page t;
        t.g.ControlLook().SetControlStyle(style);
        t.g.AddCheckBox(0, 0, checked, false);
        t.Preview();
        return Result{t.Count(Dark), t.Count(MidGray)};
    };
    const Result classic = print(false, csClassic);
    const Result flat = print(false, csFlat);
    // The classic box has a sunken (grey) edge; the flat one a plain dark frame.
    EXPECT_GT(classic.gray, 20);
    EXPECT_EQ(flat.gray, 0);
    EXPECT_GT(flat.dark, 20);
    EXPECT_GT(print(true, csFlat).dark, flat.dark + 20);
    EXPECT_GT(print(true, csClassic).dark, classic.dark + 20);
}

TEST(PrintedCellGraphics, ProgressBarsUseTheGraphicsColoursAndTheControlLooksBorder)
{
    auto print = [](const QString& value, TColor border) {
        auto t = std::make_unique<Page>();
        t->g.ControlLook().ProgressBorderColor = border;
        t->g.AddProgress(0, 0, clBlue, clWhite);
        t->g.SetCellsEx(0, 0, value);
        t->Preview();
        return t;
    };
    const auto half = print("50", clRed);
    const auto full = print("100", clRed);
    const int blueHalf = half->Count(Blue), blueFull = full->Count(Blue);
    EXPECT_GT(blueHalf, 1000);
    EXPECT_NEAR(double(blueFull) / blueHalf, 2.0, 0.3);
    EXPECT_GT(half->Count(Red), 500);
    EXPECT_EQ(print("50", clBlack)->Count(Red), 0);
    EXPECT_EQ(print("0", clRed)->Count(Blue), 0);
}

}  // namespace printed_cell_graphics_test
