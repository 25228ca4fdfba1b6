// The mouse over mini-HTML cells: clicks on anchors and drawn form
// controls, the link under the mouse and the anchor events.
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include <QLineEdit>

#include "controls/grid/string_grid/html/grid_html.h"
#include "controls/grid/string_grid/input/input_test_support.h"

namespace grid::grid_html_mouse_test {

namespace {

// A shown grid whose column 2 is wide enough for a small form.
struct HtmlGrid : input_test::GridUnderTest {
    HtmlGrid()
    {
        g->SetColWidths(2, 260);
        g->SetRowHeights(3, 30);
        g->SetOptions(g->Options() | platform::goEditing);
    }
    void Put(const QString& text)
    {
        g->SetCellEx(2, 3, text);
        g->repaint();
    }
    // A point dx pixels into the cell's text, in its first line.
    QPoint Text(int dx, int dy = 8) const { return at(2, 3, g->XYOffset.x() + dx, dy); }
    int Width(const QString& text) const { return QFontMetrics(ToCanvasFont(g->Font())).horizontalAdvance(text); }
    void Click(QPoint p) { QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, p); }
};

}  // namespace

TEST(GridHtmlMouse, AClickOnAnAnchorGivesItsTargetAndNoOtherClick)
{
    HtmlGrid t;
    t.Put(R"(go <A HREF="target">link</A> end)");
    QString clicked;
    int cellClicks = 0;
    t.g->OnAnchorClick = [&](QObject*, int row, int col, const QString& anchor, bool& autoHandle) {
        EXPECT_EQ(row, 3);
        EXPECT_EQ(col, 2);
        clicked = anchor;
        autoHandle = false;
    };
    t.g->OnClickCell = [&](QObject*, int, int) { ++cellClicks; };
    t.Click(t.Text(t.Width("go ") + 3));
    EXPECT_EQ(clicked, "target");
    EXPECT_EQ(cellClicks, 0);  // the press ends at the anchor
    clicked.clear();
    t.Click(t.Text(t.Width("go link ") + 4));
    EXPECT_EQ(clicked, "");
    EXPECT_EQ(cellClicks, 1);
}

TEST(GridHtmlMouse, ACellLinkMovesTheCurrentCell)
{
    HtmlGrid t;
    t.Put(R"(<A HREF="cell://R5C4">jump</A> <A HREF="CELL://nowhere">stay</A>)");
    t.Click(t.Text(3));
    EXPECT_EQ(t.cell(), QPoint(4, 5));
    t.Click(t.Text(t.Width("jump ") + 3));
    EXPECT_EQ(t.cell(), QPoint(4, 5));  // a reference that does not parse moves nothing
}

TEST(GridHtmlMouse, CheckAndRadioControlsAreSwitchedInTheCellText)
{
    HtmlGrid t;
    QStringList clicks;
    t.g->HTML().OnControlClick = [&](QObject*, int, int, const QString& id, const QString& type, const QString&) {
        clicks << type + ":" + id;
    };
    t.Put(R"(<CONTROL TYPE="CHECK" WIDTH="16" ID="c" VALUE="true">)"
          R"(<CONTROL TYPE="RADIO" WIDTH="16" ID="r1" VALUE="TRUE">)"
          R"(<CONTROL TYPE="RADIO" WIDTH="16" ID="r2" VALUE="FALSE">)");
    t.Click(t.Text(8, 12));
    EXPECT_EQ(t.g->ControlValues(2, 3, "c"), "FALSE");  // "true" in any case counts as on
    t.Click(t.Text(8, 12));
    EXPECT_EQ(t.g->ControlValues(2, 3, "c"), "TRUE");
    t.Click(t.Text(16 + 16 + 8, 12));
    EXPECT_EQ(t.g->ControlValues(2, 3, "r1"), "FALSE");
    EXPECT_EQ(t.g->ControlValues(2, 3, "r2"), "TRUE");
    EXPECT_EQ(clicks, (QStringList{"CHECK:c", "CHECK:c", "RADIO:r2"}));

    // A cell that may not be edited keeps its controls as they are.
    t.g->SetReadOnly(2, 3, true);
    t.Click(t.Text(8, 12));
    EXPECT_EQ(t.g->ControlValues(2, 3, "c"), "TRUE");
}

TEST(GridHtmlMouse, AButtonControlIsDownFromThePressToTheRelease)
{
    HtmlGrid t;
    t.Put(R"(<CONTROL TYPE="BUTTON" WIDTH="60" ID="go" VALUE="Go">)");
    QTest::mousePress(t.g->viewport(), Qt::LeftButton, Qt::NoModifier, t.Text(20, 14));
    EXPECT_TRUE(t.g->HTML().CtrlDown());
    EXPECT_EQ(t.g->HTML().CtrlXY(), QPoint(2, 3));
    QTest::mouseRelease(t.g->viewport(), Qt::LeftButton, Qt::NoModifier, t.Text(200, 14));
    EXPECT_FALSE(t.g->HTML().CtrlDown());
}

TEST(GridHtmlMouse, AnEditControlOpensItsEditorAndWritesTheValueBack)
{
    HtmlGrid t;
    QString done;
    t.g->HTML().OnControlEditDone = [&](QObject*, int row, int col, const QString& id, const QString& type,
                                        const QString& value) {
        done = QString("%1,%2 %3 %4 %5").arg(col).arg(row).arg(id, type, value);
    };
    t.Put(R"(Name: <CONTROL TYPE="EDIT" WIDTH="100" ID="name" VALUE="old" MAXLEN="8">)");
    t.Click(t.Text(t.Width("Name: ") + 20, 12));
    QLineEdit* edit = t.g->HTML().ControlEdit();
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_TRUE(t.g->HTML().CtrlEditing());
    EXPECT_EQ(edit->text(), "old");
    EXPECT_EQ(edit->maxLength(), 8);
    edit->setText(R"(new "x">)");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_FALSE(t.g->HTML().CtrlEditing());
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(t.g->ControlValues(2, 3, "name"), R"(new "x">)");
    EXPECT_EQ(done, R"(2,3 name EDIT new "x">)");
}

TEST(GridHtmlMouse, TheLinkUnderTheMouseIsHoveredAndAnnounced)
{
    HtmlGrid t;
    TGridHTML& html = t.g->HTML();
    html.URLUnderlineOnHover = true;
    QStringList events;
    html.OnAnchorEnter = [&](QObject*, int, int, const QString& a) { events << "enter " + a; };
    html.OnAnchorExit = [&](QObject*, int, int, const QString& a) { events << "exit " + a; };
    t.Put(R"(<A HREF="one">one</A> <A HREF="two">two</A> plain)");
    QTest::mouseMove(t.g->viewport(), t.Text(3));
    EXPECT_EQ(html.HoverCell(), QPoint(2, 3));
    EXPECT_EQ(html.HoverLink(), 1);
    EXPECT_EQ(t.g->viewport()->cursor().shape(), Qt::PointingHandCursor);
    // From one anchor straight to the next: no exit in between.
    QTest::mouseMove(t.g->viewport(), t.Text(t.Width("one ") + 3));
    EXPECT_EQ(html.HoverLink(), 2);
    QTest::mouseMove(t.g->viewport(), t.Text(t.Width("one two ") + 5));
    EXPECT_EQ(html.HoverLink(), -1);
    EXPECT_NE(t.g->viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(events, (QStringList{"enter one", "enter two", "exit "}));
}

}  // namespace grid::grid_html_mouse_test
