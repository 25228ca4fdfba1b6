#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QScrollBar>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/grid_text_utils.h"

using namespace grid;

TEST(ScrollStyles, MetroSwapsTheBarsForThinControlsAndBack)
{
    TExStringGrid g;
    g.resize(300, 200);
    g.SetRowCount(40);
    g.show();
    g.SetScrollType(paint::ssFlat);
    EXPECT_FALSE(g.FlatScrollBarsActive());  // no flat scroll bar service here
    EXPECT_EQ(g.ScrollBars(), platform::ssBoth);

    g.SetScrollType(paint::ssMetro);
    EXPECT_EQ(g.ScrollBars(), platform::ssNone);
    ASSERT_NE(g.VScrollControl(), nullptr);
    ASSERT_NE(g.HScrollControl(), nullptr);
    EXPECT_EQ(g.VScrollControl()->width(), 6);
    EXPECT_EQ(g.HScrollControl()->height(), 6);
    QScrollBar* first = g.VScrollControl();
    g.CreateScrollControls();  // a second call makes none
    EXPECT_EQ(g.VScrollControl(), first);
    EXPECT_EQ(g.findChildren<QScrollBar*>().size() >= 2, true);
    // The thin control scrolls the grid and follows it.
    g.VScrollControl()->setValue(10);
    EXPECT_EQ(g.TopRow(), 10);
    g.SetTopRow(5);
    EXPECT_EQ(g.VScrollControl()->value(), 5);

    g.SetScrollType(paint::ssNormal);
    EXPECT_EQ(g.VScrollControl(), nullptr);
    EXPECT_EQ(g.HScrollControl(), nullptr);
    EXPECT_EQ(g.ScrollBars(), platform::ssBoth);
}

TEST(CellTextSize, LinesWrappingAndRotation)
{
    TExStringGrid g;
    g.resize(400, 200);
    g.SetColWidths(1, 80);
    const QFontMetrics fm(g.MeasureFont(1, 1));
    const int lineHeight = fm.boundingRect(QStringLiteral("gh")).height();
    g.SetCellEx(1, 1, "short");
    EXPECT_EQ(g.GetCellTextSize(1, 1, false, false), QPoint(fm.horizontalAdvance("short"), lineHeight));
    // Multi-line cells count their lines; the widest line gives the width.
    g.MultilineCells = true;
    g.SetCellEx(1, 2, "a\r\nmuch longer line\r\nc");
    const QPoint lines = g.GetCellTextSize(1, 2, false, false);
    EXPECT_EQ(lines.x(), fm.horizontalAdvance("much longer line"));
    EXPECT_EQ(lines.y(), 3 * lineHeight);
    // Wrapped at the cell's width a long text needs more height, and less
    // room (a scroll bar) needs still more.
    g.SetCellEx(1, 3, "one two three four five six seven eight nine ten");
    const QPoint wrapped = g.GetCellTextSize(1, 3, true, false);
    EXPECT_GT(wrapped.y(), 2 * lineHeight);
    EXPECT_LE(wrapped.x(), 80);
    g.SetColWidths(1, 120);
    const int wide = g.GetCellTextSize(1, 3, true, false).y();
    EXPECT_LT(wide, wrapped.y());
    EXPECT_GT(g.GetCellTextSize(1, 3, true, true).y(), wide);
    // Rotated by 90 degrees width and height trade places (plus 12).
    g.AddRotated(1, 4, 90, "turned");
    const QPoint turned = g.GetCellTextSize(1, 4, false, false);
    EXPECT_EQ(turned, QPoint(lineHeight + 12, fm.horizontalAdvance("turned") + 12));
}

TEST(CellTextSize, WideCellsByAllRowsIndex)
{
    TExStringGrid g;
    g.SetRowCount(6);
    g.SetWideCellsEx(1, 4, QStringLiteral("\u0394T"));
    EXPECT_EQ(g.GetCellEx(1, 4), PackWideText(QStringLiteral("\u0394T")));
    g.HideRow(2);
    EXPECT_EQ(g.WideCellsEx(1, 4), QStringLiteral("\u0394T"));  // now display row 3
}
