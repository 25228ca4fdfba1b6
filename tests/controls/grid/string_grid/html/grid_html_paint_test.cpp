// Mini-HTML cells as the grid paints them, and a picture of a grid with
// such cells and a header hint for a person to look at.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHelpEvent>
#include <QPainter>

#include "controls/grid/cells/grid_image_list.h"
#include "controls/grid/paint/html_hint_window.h"
#include "controls/grid/string_grid/html/grid_html.h"
#include "controls/grid/string_grid/input/input_test_support.h"

namespace grid::grid_html_paint_test {

namespace {

QImage cellImage(TExStringGrid& g, int col, int row)
{
    const platform::TRect r = g.CellRect(col, row);
    return g.viewport()->grab().toImage().copy(r.toQRect());
}

int count(const QImage& image, const std::function<bool(QColor)>& pred)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (pred(image.pixelColor(x, y))) ++n;
    return n;
}

bool reddish(QColor c) { return c.red() > 150 && c.green() < 110 && c.blue() < 110; }
bool bluish(QColor c) { return c.blue() > 150 && c.red() < 110 && c.green() < 110; }

}  // namespace

TEST(GridHtmlPaint, CellsDrawTheirMarkUpNotTheirTags)
{
    input_test::GridUnderTest t;
    TExStringGrid& g = *t.g;
    g.SetColWidths(2, 200);
    TGridImageList images(16, 16);
    QImage green(16, 16, QImage::Format_RGB32);
    green.fill(Qt::green);
    images.Add(green);
    g.SetGridImages(&images);
    g.SetCellEx(2, 3, R"(<B>b</B> <FONT COLOR="clRed">red</FONT> <A HREF="x">link</A> <IMG SRC="idx:0">)");
    g.SetCellEx(2, 4, "plain text");
    g.repaint();
    const QImage cell = cellImage(g, 2, 3);
    EXPECT_GT(count(cell, reddish), 5);
    EXPECT_GT(count(cell, bluish), 5);
    EXPECT_EQ(count(cell, [](QColor c) { return c == QColor(Qt::green); }), 16 * 16);
    // No tag characters: the drawn text is far narrower than the source.
    const QFontMetrics fm(ToCanvasFont(g.Font()));
    int right = 0;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if (cell.pixelColor(x, y).lightness() < 140) right = std::max(right, x);
    EXPECT_LT(right, fm.horizontalAdvance("b red link ") + 16 + 10);
    g.SetGridImages(nullptr);
}

TEST(GridHtmlPaint, TheHoveredLinkAloneIsUnderlinedWithURLUnderlineOnHover)
{
    input_test::GridUnderTest t;
    TExStringGrid& g = *t.g;
    g.SetColWidths(2, 200);
    g.HTML().URLUnderlineOnHover = true;
    g.SetCellEx(2, 3, R"(<A HREF="a">link</A>)");
    g.repaint();
    const QImage before = cellImage(g, 2, 3);
    QTest::mouseMove(g.viewport(), t.at(2, 3, g.XYOffset.x() + 4, 8));
    g.repaint();
    const QImage hovered = cellImage(g, 2, 3);
    EXPECT_GT(count(hovered, bluish), count(before, bluish));  // the underline, in the link colour
    QTest::mouseMove(g.viewport(), t.at(4, 5));
    g.repaint();
    EXPECT_EQ(cellImage(g, 2, 3), before);
}

TEST(GridHtmlPaint, NodeTextsInMarkUpStartWhereTheirPlainTextWould)
{
    input_test::GridUnderTest t(4, 8);
    TExStringGrid& g = *t.g;
    g.SetFixedCols(0);
    g.SetColWidths(0, 160);
    g.AddNode(1, 3);
    // The first dark column of a cell's text, right of its node mark (or indent).
    auto textLeft = [&](int row, const QString& text) {
        g.SetCellEx(0, row, text);
        g.repaint();
        const QImage cell = cellImage(g, 0, row);
        for (int x = 13; x < cell.width(); ++x)
            for (int y = 0; y < cell.height(); ++y)
                if (cell.pixelColor(x, y).lightness() < 100) return x;
        return -1;
    };
    for (int row : {1, 2}) {  // the node row with its mark, a child row with its indent
        SCOPED_TRACE(row);
        const int plain = textLeft(row, "Wgroup");
        EXPECT_GT(plain, 0);
        EXPECT_NEAR(textLeft(row, "<B>Wgroup</B>"), plain, 1);
    }
}

TEST(GridHtmlPaint, ScreenshotOfHtmlCellsWithAHeaderHint)
{
    input_test::GridUnderTest t(5, 8);
    TExStringGrid& g = *t.g;
    g.setGeometry(0, 0, 620, 220);
    g.SetColWidths(1, 150);
    g.SetColWidths(2, 170);
    g.SetColWidths(3, 200);
    g.SetCellEx(1, 0, "<B>Name</B>");
    g.SetCellEx(2, 0, R"(<FONT COLOR="clNavy">Value</FONT> <I>(unit)</I>)");
    g.SetCellEx(3, 0, "Link");
    const QStringList names = {"Temperature", "Pressure", "Flow", "Level", "Speed", "Torque", "Power"};
    for (int r = 1; r < 8; ++r) {
        g.SetCellEx(1, r, QString("<B>%1</B> %2").arg(names[r - 1]).arg(r));
        g.SetCellEx(2, r, QString(R"(<FONT COLOR="%1">%2</FONT> <SUB>x</SUB>)")
                              .arg(r % 2 ? "clRed" : "clGreen")
                              .arg(r * 12.5));
        g.SetCellEx(3, r, QString(R"(<A HREF="http://device/%1">details %1</A> <HI>new</HI>)").arg(r));
    }
    g.OnGridHint = [](QObject*, int row, int col, QString& hint) {
        if (row == 0 && col == 2) hint = "<B>Value</B> of the variable<BR>in its <FONT COLOR=\"clRed\">unit</FONT>";
    };
    t.form->resize(700, 320);
    g.repaint();
    const QPoint at = t.at(2, 0, 20, 8);
    QHelpEvent help(QEvent::ToolTip, at, g.viewport()->mapToGlobal(at));
    QApplication::sendEvent(g.viewport(), &help);
    THTMLHintWindow* hint = g.HTML().HintWindow();
    ASSERT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->HintText(), "<B>Value</B> of the variable<BR>in its <FONT COLOR=\"clRed\">unit</FONT>");

    QImage shot = t.form->grab().toImage();
    {
        QPainter painter(&shot);
        painter.drawPixmap(t.form->mapFromGlobal(hint->mapToGlobal(QPoint(0, 0))), hint->grab());
    }
    EXPECT_TRUE(shot.save(QCoreApplication::applicationDirPath() + "/grid_html_cells_and_hint.png"));
}

}  // namespace grid::grid_html_paint_test
