#include <gtest/gtest.h>

#include <QFontMetrics>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/rich_cell_text.h"

using namespace grid;

namespace {

// Two paragraphs, the first with a bold word.
const QString richCell = QStringLiteral("{\\rtf1\\ansi {\\b Bold} text\\par second line}");

}  // namespace

TEST(RichCellText, PlainTextLeavesTheFormattingOut)
{
    EXPECT_TRUE(HoldsRichText(richCell));
    EXPECT_FALSE(HoldsRichText(QStringLiteral("plain {text}")));
    EXPECT_EQ(RichCellPlainText(richCell), QStringLiteral("Bold text\nsecond line"));
}

TEST(RichCellText, SelectionTextAndBalloonShowThePlainText)
{
    TExStringGrid g;
    g.resize(400, 200);
    g.SetColCount(4);
    g.SetRowCount(5);
    g.show();
    g.SetCellEx(1, 1, "a");
    g.SetCellEx(2, 1, richCell);
    g.SelectCells(1, 1, 2, 1);
    EXPECT_EQ(g.SelectedText(), QStringLiteral("a\tBold text\nsecond line"));

    g.Balloon().SetEnable(true);
    QString title, text;
    int icon = 0;
    const platform::TRect cell = g.CellRect(2, 1);
    ASSERT_TRUE(g.BalloonTextAt(QPoint(cell.Left + 4, cell.Top + 4), title, text, icon));
    EXPECT_EQ(text, QStringLiteral("Bold text\nsecond line"));
}

TEST(RichCellText, TextSizeIsThatOfTheFormattedText)
{
    TExStringGrid g;
    g.resize(400, 200);
    g.SetColWidths(1, 200);
    g.SetCellEx(1, 1, richCell);
    const QFontMetrics fm(g.MeasureFont(1, 1));
    const QPoint size = g.GetCellTextSize(1, 1, false, false);
    // Two lines, about as wide as the longer paragraph: not the source's one long line.
    EXPECT_GE(size.y(), 2 * fm.height());
    EXPECT_LT(size.y(), 3 * fm.height() + 4);
    EXPECT_LT(size.x(), fm.horizontalAdvance(richCell) / 2);
    EXPECT_GE(size.x(), fm.horizontalAdvance(QStringLiteral("second line")) - 2);

    // With word wrap a narrow cell wraps the paragraphs into more lines.
    g.SetWordWrap(true);
    g.SetColWidths(1, 40);
    EXPECT_GT(g.GetCellTextSize(1, 1, false, false).y(), size.y());
}
