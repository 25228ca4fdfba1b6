// What the grid reads of mini-HTML cells: the plain text that search, HTML
// sort and HTML filter compare, and the values of CONTROL tags.
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include "controls/grid/string_grid/ex_string_grid.h"

using namespace grid;

TEST(GridHtmlCellText, StrippedCellKeepsTheTextAfterAStrayBracket)
{
    TExStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(2);
    const struct {
        QString cell;
        QString plain;
    } cases[] = {
        {"x < y", "x < y"},
        {"a>b<c>d", "a>b<c>d"},
        {"<B>1</B> < 2", "1 < 2"},
        {"a<B>b</B><BR>c", "ab\r\nc"},
    };
    for (const auto& c : cases) {
        g.SetCellEx(1, 1, c.cell);
        EXPECT_EQ(g.GetStrippedCell(1, 1), c.plain) << c.cell.toStdString();
    }
}

TEST(GridHtmlCellText, ControlValueWithQuoteAndBracketStaysInsideItsTag)
{
    TExStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetCellEx(1, 1, R"(Name: <CONTROL TYPE="EDIT" WIDTH="80" ID="e1" VALUE="a"> <CONTROL TYPE="CHECK" WIDTH="20" ID="c1" VALUE="TRUE">)");
    const QString hostile = R"(x" TYPE="BUTTON">y)";
    g.SetControlValues(1, 1, "e1", hostile);
    EXPECT_EQ(g.ControlValues(1, 1, "e1"), hostile);
    // The tag is still one EDIT control and the check box behind it is untouched.
    const QString text = g.GetCellEx(1, 1);
    EXPECT_EQ(text.count(u'>'), 2) << text.toStdString();
    EXPECT_TRUE(text.endsWith(R"(<CONTROL TYPE="CHECK" WIDTH="20" ID="c1" VALUE="TRUE">)")) << text.toStdString();
    EXPECT_EQ(g.ControlValues(1, 1, "c1"), "TRUE");
}

TEST(GridHtmlCellText, ControlValueIsReadDecoded)
{
    TExStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetCellEx(1, 1, R"(<CONTROL TYPE="EDIT" WIDTH="80" ID="e1" VALUE="R&amp;D &quot;1&quot; &lt;2&gt; caf&eacute;">)");
    EXPECT_EQ(g.ControlValues(1, 1, "e1"), QString::fromUtf8("R&D \"1\" <2> café"));
}
