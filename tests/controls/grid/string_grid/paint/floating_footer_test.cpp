#include <gtest/gtest.h>

#include <map>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/string_grid/paint/footer_panel.h"

using namespace grid;

namespace {

// A grid of 4 columns and 12 rows whose last row holds the column sums.
struct FooterGrid {
    TExStringGrid grid;
    FooterGrid()
    {
        grid.resize(380, 200);
        grid.SetColCount(4);
        grid.SetRowCount(12);
        for (int c = 0; c < 4; ++c) grid.SetColWidths(c, 80);
        grid.SetDefaultRowHeight(22);
        for (int r = 1; r < 11; ++r) {
            grid.SetCellEx(0, r, QString::number(r));
            grid.SetCellEx(1, r, QStringLiteral("item %1").arg(r));
            grid.SetCellEx(2, r, QString::number(r * 10));
        }
        grid.SetCellEx(1, 11, "Total");
        grid.SetCellEx(2, 11, "550");
    }
    TFooterPanel& panel() { return *grid.FooterPanel(); }
    QImage grabPanel() { return panel().grab().toImage(); }
};

int countColor(const QImage& image, QRgb rgb)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
    return n;
}

int countDark(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += qGray(image.pixel(x, y)) < 80;
    return n;
}

}  // namespace

TEST(FloatingFooter, VisibilityDecidesTheFooterRowAndThePanelHeight)
{
    FooterGrid s;
    ASSERT_NE(s.grid.FooterPanel(), nullptr);
    EXPECT_FALSE(s.panel().isVisible());
    EXPECT_EQ(s.panel().height(), 0);
    s.grid.FloatingFooter().SetVisible(true);
    // Before the grid is shown the panel is one pixel lower than the footer's height.
    EXPECT_EQ(s.panel().height(), 21);
    EXPECT_EQ(s.grid.FixedFooters(), 1);
    EXPECT_TRUE(s.grid.HideLastRow());

    int created = 0;
    s.grid.OnCreatedFloatingFooter = [&](QObject*) { ++created; };
    s.grid.show();
    EXPECT_EQ(created, 1);
    EXPECT_EQ(s.panel().height(), 22);
    EXPECT_TRUE(s.panel().isVisible());
    EXPECT_EQ(s.panel().geometry().bottom(), s.grid.viewport()->height() - 1);

    s.grid.FloatingFooter().SetVisible(false);
    EXPECT_FALSE(s.panel().isVisible());
    EXPECT_EQ(s.grid.FixedFooters(), 0);
    EXPECT_FALSE(s.grid.HideLastRow());

    // A column preview keeps the last row in the grid.
    s.grid.FloatingFooter().SetFooterStyle(fsColumnPreview);
    s.grid.FloatingFooter().SetVisible(true);
    EXPECT_EQ(s.grid.FixedFooters(), 0);
    EXPECT_FALSE(s.grid.HideLastRow());
    s.grid.FloatingFooter().SetFooterStyle(fsFixedLastRow);
    EXPECT_TRUE(s.grid.HideLastRow());

    // Assign copies the look and, through its setter, the visibility; not the height.
    TFloatingFooter other;
    other.Color = clRed;
    other.Column = 2;
    other.Height = 50;
    other.Visible = false;
    s.grid.FloatingFooter().Assign(other);
    EXPECT_EQ(s.grid.FloatingFooter().Color, clRed);
    EXPECT_EQ(s.grid.FloatingFooter().Height, 22);
    EXPECT_FALSE(s.panel().isVisible());
}

TEST(FloatingFooter, TemplateExpansion)
{
    const auto text = [](int c) { return QStringLiteral("[%1]").arg(c); };
    struct Case {
        const char* tmpl;
        const char* expected;
    } cases[] = {
        {"Name: <#2> done", "Name: [2] done"},
        {"<#0><#13>", "[0][13]"},
        {"a<#x>b", "ab"},            // no number: dropped
        {"a<#>b", "ab"},
        {"a<#-1>b", "ab"},
        {"open <#2", "open <#2"},    // no closing mark: kept as text
        {"<#1> and <#", "[1] and <#"},
        {"", ""},
        {"plain <b>bold</b>", "plain <b>bold</b>"},
    };
    for (const Case& c : cases) EXPECT_EQ(ExpandFooterTemplate(c.tmpl, text), QString(c.expected)) << c.tmpl;
}

TEST(FloatingFooter, TheFourStylesPaint)
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/paint_gallery");
    ASSERT_TRUE(QDir().mkpath(folder));
    struct Case {
        const char* name;
        TFooterStyle style;
    } cases[] = {{"fixed_last_row", fsFixedLastRow},
                 {"column_preview", fsColumnPreview},
                 {"custom_preview", fsCustomPreview},
                 {"custom_paint", fsCustomPaint}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FooterGrid s;
        s.grid.FloatingFooter().SetFooterStyle(c.style);
        s.grid.FloatingFooter().SetColor(0x00C0FFFF);  // light yellow
        s.grid.FloatingFooter().SetColumn(1);
        s.grid.FloatingFooter().SetCustomTemplate("Row <#0>: <b><#1></b> = <#2>");
        s.grid.FloatingFooter().SetBorderColor(clRed);
        int paintedColumn = -2;
        if (c.style == fsCustomPaint)
            s.grid.OnPaintFooter = [&](QObject*, int column, platform::TCanvas& canvas, const platform::TRect& r) {
                paintedColumn = column;
                canvas.Brush.Color = clBlue;
                canvas.FillRect(r);
            };
        s.grid.FloatingFooter().SetVisible(true);
        s.grid.show();
        s.grid.FocusCell(1, 3);
        const QImage image = s.grabPanel();
        ASSERT_TRUE(s.grid.grab().save(folder + "/floating_footer_" + c.name + ".png"));
        // The border line runs along the top to the painted right edge.
        EXPECT_EQ(image.pixel(1, 0) & 0xFFFFFF, qRgb(255, 0, 0) & 0xFFFFFF);
        switch (c.style) {
        case fsFixedLastRow:
            // The footer cells take the fixed look of the grid's own header cells.
            EXPECT_EQ(s.panel().PaintedRight(), 320);
            EXPECT_EQ(image.pixel(330, 10) & 0xFFFFFF, toQColor(s.grid.Color()).rgb() & 0xFFFFFF);
            break;
        case fsColumnPreview:
        case fsCustomPreview:
            EXPECT_EQ(s.panel().PaintedRight(), 320);
            EXPECT_GT(countColor(image, qRgb(255, 255, 192)), 200);
            break;
        case fsCustomPaint:
            EXPECT_EQ(paintedColumn, 1);
            EXPECT_EQ(s.panel().PaintedRight(), s.panel().width());
            EXPECT_GT(countColor(image, qRgb(0, 0, 255)), 1000);
            break;
        }
        // Dark text was drawn into the footer area.
        if (c.style != fsCustomPaint) { EXPECT_GT(countDark(image.copy(0, 2, 320, image.height() - 2)), 10); }
    }
}

TEST(FloatingFooter, ClicksNameTheFooterCellAndSortingKeepsTheFooterRow)
{
    FooterGrid s;
    s.grid.FloatingFooter().SetVisible(true);
    s.grid.show();
    int clicks = 0;
    QPoint clicked(-1, -1);
    s.grid.OnClick = [&](QObject*) { ++clicks; };
    s.grid.OnClickCell = [&](QObject*, int row, int col) { clicked = QPoint(col, row); };
    QTest::mouseClick(&s.panel(), Qt::LeftButton, {}, QPoint(170, 8));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(clicked, QPoint(2, 11));
    QTest::mouseClick(&s.panel(), Qt::LeftButton, {}, QPoint(350, 8));  // beyond the last column
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(clicked, QPoint(2, 11));
    EXPECT_EQ(s.panel().ColumnAt(330), -1);

    s.grid.SortSettings().Column = 2;
    s.grid.SortSettings().Direction = sdDescending;
    s.grid.QSort();
    EXPECT_EQ(s.grid.GetCellEx(1, 11), "Total");
    EXPECT_EQ(s.grid.GetCellEx(2, 1), "100");
    EXPECT_TRUE(s.panel().isVisible());  // shown again after the sort
}

TEST(FloatingFooter, MergedFooterCellsAndRightToLeft)
{
    // Footer cell 1 merged over columns 1 and 2; cells painted by the program
    // so that their rectangles can be read.
    for (const bool rtl : {false, true}) {
        SCOPED_TRACE(rtl ? "right to left" : "left to right");
        FooterGrid s;
        s.grid.MergeCells(1, 11, 2, 1);
        if (rtl) s.grid.setLayoutDirection(Qt::RightToLeft);
        std::map<int, platform::TRect> painted;
        s.grid.OnPaintFooter = [&](QObject*, int column, platform::TCanvas& canvas, const platform::TRect& r) {
            painted[column] = r;
            canvas.Brush.Color = clBlue;
            canvas.FillRect(r);
        };
        s.grid.FloatingFooter().SetBorderColor(clRed);
        s.grid.FloatingFooter().SetVisible(true);
        s.grid.show();
        const QImage image = s.grabPanel();
        const int cw = s.panel().width();
        // Column 2 is covered by the merged cell and gets no call of its own.
        ASSERT_EQ(painted.count(1), 1u);
        EXPECT_EQ(painted.count(2), 0u);
        EXPECT_EQ(painted.count(3), 1u);
        const platform::TRect merged = painted[1];
        // The raised default look starts a cell one pixel right of its column's line.
        const platform::TRect expected = rtl ? platform::TRect(cw - 239, 1, cw - 81, image.height())
                                             : platform::TRect(81, 1, 239, image.height());
        EXPECT_EQ(merged.Left, expected.Left);
        EXPECT_EQ(merged.Right, expected.Right);
        // The footer's columns and its top line start at the leading edge;
        // the rest of the width keeps the grid's colour.
        const int inside = rtl ? cw - 200 : 200, outside = rtl ? 10 : cw - 10;
        EXPECT_EQ(image.pixel(inside, 10) & 0xFFFFFF, qRgb(0, 0, 255) & 0xFFFFFF);
        EXPECT_EQ(image.pixel(outside, 10) & 0xFFFFFF, toQColor(s.grid.Color()).rgb() & 0xFFFFFF);
        EXPECT_EQ(image.pixel(rtl ? cw - 2 : 1, 0) & 0xFFFFFF, qRgb(255, 0, 0) & 0xFFFFFF);
        EXPECT_NE(image.pixel(outside, 0) & 0xFFFFFF, qRgb(255, 0, 0) & 0xFFFFFF);
        // Hints and clicks find the column under the mouse the same way.
        EXPECT_EQ(s.panel().ColumnAt(rtl ? cw - 5 : 5), 0);
        EXPECT_EQ(s.panel().ColumnAt(rtl ? cw - 250 : 250), 3);
        if (rtl) {
            const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/paint_gallery");
            ASSERT_TRUE(QDir().mkpath(folder));
            s.grid.OnPaintFooter = nullptr;
            s.grid.SetCellEx(3, 11, "rtl");
            ASSERT_TRUE(s.grid.grab().save(folder + "/floating_footer_rtl_merged.png"));
        }
    }
}
