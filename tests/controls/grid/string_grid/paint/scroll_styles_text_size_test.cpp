#include <gtest/gtest.h>

#include <QFontMetrics>

#include "controls/grid/dragdrop/grid_drag_drop.h"
#include "controls/grid/floating/thin_scroll_bar.h"
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
    TScrollControl* v = g.DragDrop().ThinScrollBar(sdVertical);
    ASSERT_NE(v, nullptr);
    ASSERT_NE(g.DragDrop().ThinScrollBar(sdHorizontal), nullptr);
    EXPECT_EQ(v->width(), 6);
    EXPECT_EQ(g.DragDrop().ThinScrollBar(sdHorizontal)->height(), 6);
    TScrollControl* h = g.DragDrop().ThinScrollBar(sdHorizontal);
    g.SetScrollType(paint::ssMetro);  // a second call makes none
    EXPECT_EQ(g.DragDrop().ThinScrollBar(sdVertical), v);
    EXPECT_EQ(g.DragDrop().ThinScrollBar(sdHorizontal), h);
    // The thin bar's thumb follows the grid.
    int before = 0, size = 0, after = 0;
    ASSERT_TRUE(v->GetThumb(before, size));
    g.SetTopRow(20);
    ASSERT_TRUE(v->GetThumb(after, size));
    EXPECT_GT(after, before);

    g.SetScrollType(paint::ssNormal);
    EXPECT_EQ(g.DragDrop().ThinScrollBar(sdVertical), nullptr);
    EXPECT_EQ(g.DragDrop().ThinScrollBar(sdHorizontal), nullptr);
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
