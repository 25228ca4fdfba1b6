// Cell hints: which text a hint request gives and where, from the comment,
// the anchor, the cell's text, a text too large for its cell and the
// application's handlers; and the window that shows it.
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include <QHelpEvent>
#include <QToolTip>

#include "controls/grid/paint/html_hint_window.h"
#include "controls/grid/string_grid/html/grid_html.h"
#include "controls/grid/text/grid_text_utils.h"
#include "controls/grid/string_grid/input/input_test_support.h"

namespace grid::grid_html_hints_test {

namespace {

// A shown grid of 6 x 12 cells ("c,r") with one fixed row and column.
struct HintGrid : input_test::GridUnderTest {
    THintInfo Ask(int col, int row, int dx = 6, int dy = 6)
    {
        THintInfo info;
        info.CursorPos = at(col, row, dx, dy);
        info.HintStr = "own hint";
        bool canShow = true;
        g->GetCellHintInfo(info.HintStr, canShow, info);
        return info;
    }
    QPoint Screen(int x, int y) const { return g->viewport()->mapToGlobal(QPoint(x, y)); }
    void Comment(int col, int row, const QString& text)
    {
        auto comment = std::make_unique<TCellGraphic>();
        comment->SetCellType(ctComment);
        comment->SetCellText(text);
        g->SetGraphicObjectEx(col, row, std::move(comment));
    }
};

}  // namespace

TEST(GridHtmlHints, TheStrongerSourceReplacesTheWeakerOne)
{
    HintGrid t;
    TGridHTML& html = t.g->HTML();
    const platform::TRect r = t.g->CellRect(2, 3);
    t.Comment(2, 3, "a comment");

    // The comment, beside the cell's top-right corner.
    THintInfo info = t.Ask(2, 3);
    EXPECT_EQ(info.HintStr, "a comment");
    EXPECT_EQ(info.HintPos, t.Screen(r.Right, r.Top));
    // Without a comment the grid's own hint stays, 6 pixels below the cell.
    info = t.Ask(3, 3, 7);
    EXPECT_EQ(info.HintStr, "own hint");
    EXPECT_EQ(info.HintPos, t.Screen(t.at(3, 3, 7).x(), t.g->CellRect(3, 3).Bottom + 6));
    // HintShowCells: the cell's text, at the cell's top.
    html.HintShowCells = true;
    info = t.Ask(2, 3);
    EXPECT_EQ(info.HintStr, "2,3");
    EXPECT_EQ(info.HintPos.y(), t.Screen(0, r.Top).y());
    // The application's handler has the last word and sees the text so far.
    QString seen;
    t.g->OnGridHint = [&](QObject*, int row, int col, QString& hint) {
        seen = hint;
        if (row == 3 && col == 2) hint = "from the handler";
    };
    EXPECT_EQ(t.Ask(2, 3).HintStr, "from the handler");
    EXPECT_EQ(seen, "2,3");
    // A wide handler that leaves its text empty changes nothing.
    t.g->OnGridWideHint = [](QObject*, int, int, QString&) {};
    EXPECT_EQ(t.Ask(2, 3).HintStr, "from the handler");
    EXPECT_EQ(info.HintColor, clInfoBk);
}

TEST(GridHtmlHints, FixedCellsFootersAndRightColumnsNeverShowTheirOwnText)
{
    HintGrid t;
    t.g->HTML().HintShowCells = true;
    t.g->SetFixedRightCols(1);
    t.g->SetFixedFooters(1);
    const int lastCol = t.g->ColCount() - 1, lastRow = t.g->RowCount() - 1;
    for (const QPoint cell : {QPoint(0, 3), QPoint(2, 0), QPoint(lastCol, 3), QPoint(2, lastRow)}) {
        SCOPED_TRACE(cell.x() * 100 + cell.y());
        if (cell.y() == lastRow) t.g->SetTopRow(t.g->RowCount() - t.g->VisibleRowCount());
        EXPECT_EQ(t.Ask(cell.x(), cell.y()).HintStr, "own hint");
    }
    // Their comments and the handler still give hints.
    t.g->SetTopRow(1);
    t.Comment(0, 3, "row note");
    EXPECT_EQ(t.Ask(0, 3).HintStr, "row note");
    t.g->OnGridHint = [](QObject*, int row, int col, QString& hint) {
        if (row == 0) hint = QString("header %1").arg(col);
    };
    EXPECT_EQ(t.Ask(2, 0).HintStr, "header 2");
}

TEST(GridHtmlHints, ATextLargerThanItsCellByOnePixelShowsWhole)
{
    HintGrid t;
    TGridHTML& html = t.g->HTML();
    html.HintShowLargeText = true;
    t.g->SetCellEx(2, 3, "a rather long cell text");
    const int textWidth = t.g->CellTextExtent(2, 3).width();
    // Make the cell exactly as wide as its text.
    t.g->SetColWidths(2, textWidth);
    t.g->SetColWidths(2, 2 * textWidth - t.g->CellRect(2, 3).Width());
    ASSERT_EQ(t.g->CellRect(2, 3).Width(), textWidth);
    ASSERT_GE(t.g->CellRect(2, 3).Height(), t.g->CellTextExtent(2, 3).height());
    EXPECT_EQ(t.Ask(2, 3).HintStr, "own hint");
    t.g->SetColWidths(2, t.g->ColWidths(2) - 1);
    THintInfo info = t.Ask(2, 3);
    EXPECT_EQ(info.HintStr, "a rather long cell text");
    const platform::TRect r = t.g->CellRect(2, 3);
    EXPECT_EQ(info.HintPos, t.Screen(r.Left, r.Top));  // hpCell: at the cell
    html.HintShowLargeTextPos = hpCursor;
    EXPECT_EQ(t.Ask(2, 3, 9).HintPos, t.Screen(t.at(2, 3, 9).x(), r.Bottom + 6));
}

TEST(GridHtmlHints, HtmlCellTextsAreStrippedUnlessHTMLHint)
{
    HintGrid t;
    TGridHTML& html = t.g->HTML();
    html.HintShowCells = true;
    t.g->SetCellEx(2, 3, "<B>bold</B> text");
    THintInfo info = t.Ask(2, 3);
    EXPECT_EQ(info.HintStr, "bold text");
    EXPECT_FALSE(info.HTMLHintWindow);
    html.HTMLHint = true;
    info = t.Ask(2, 3);
    EXPECT_EQ(info.HintStr, "<B>bold</B> text");
    EXPECT_TRUE(info.HTMLHintWindow);
    EXPECT_EQ(info.HintData, t.g);
    t.g->UseInternalHintClass = false;
    EXPECT_FALSE(t.Ask(2, 3).HTMLHintWindow);
    // A packed wide text: the cell's wide text, in the HTML window.
    t.g->UseInternalHintClass = true;
    t.g->SetCellEx(2, 4, PackWideText(QString::fromUtf8("Ωmega")));
    info = t.Ask(2, 4);
    EXPECT_EQ(info.HintStr, QString::fromUtf8("Ωmega"));
}

TEST(GridHtmlHints, AnAnchorShowsItsTitleOrTarget)
{
    HintGrid t;
    TGridHTML& html = t.g->HTML();
    html.AnchorHint = true;
    t.g->SetColWidths(2, 200);
    t.g->SetCellEx(2, 3, R"(<A HREF="http://target">link</A> <A HREF="x" TITLE="titled">two</A>)");
    t.g->repaint();
    const QFontMetrics fm(ToCanvasFont(t.g->Font()));
    const QPoint onLink = t.at(2, 3, t.g->XYOffset.x() + 4, 8);
    THintInfo info;
    info.CursorPos = onLink;
    bool canShow = true;
    t.g->GetCellHintInfo(info.HintStr, canShow, info);
    EXPECT_EQ(info.HintStr, "http://target");
    EXPECT_EQ(info.HintPos, t.g->viewport()->mapToGlobal(onLink + QPoint(8, -16)));
    EXPECT_EQ(html.LastAnchorHint(), "http://target");

    const QPoint onTitled = t.at(2, 3, t.g->XYOffset.x() + fm.horizontalAdvance("link ") + 4, 8);
    html.OnAnchorHint = [](QObject*, int, int, QString& hint) { hint = "[" + hint + "]"; };
    info = {};
    info.CursorPos = onTitled;
    t.g->GetCellHintInfo(info.HintStr, canShow, info);
    EXPECT_EQ(info.HintStr, "[titled]");
}

TEST(GridHtmlHints, MergedCellsAndTheFloatingFooterRow)
{
    HintGrid t;
    t.g->HTML().HintShowCells = true;
    t.g->MergeCells(2, 3, 2, 2);
    EXPECT_EQ(t.Ask(3, 4).HintStr, "2,3");
    EXPECT_EQ(t.g->HTML().LastHintPos(), QPoint(2, 3));

    int asked = 0;
    t.g->OnGridHint = [&](QObject*, int, int, QString&) { ++asked; };
    t.g->FloatingFooter().Visible = true;
    const int last = t.g->RowCount() - 1;
    t.g->SetTopRow(t.g->RowCount() - t.g->VisibleRowCount());
    t.Ask(2, last);
    EXPECT_EQ(asked, 0);
    t.Ask(2, last - 1);
    EXPECT_EQ(asked, 1);
}

TEST(GridHtmlHints, OutsideTheCellsOnlyColourAndWidthAreSet)
{
    HintGrid t;
    t.g->HintColor = clYellow;
    t.g->ControlLook().HintMaxWidth = 300;
    t.g->HTML().HintShowCells = true;
    THintInfo info;
    info.CursorPos = QPoint(t.g->viewport()->width() - 2, t.g->viewport()->height() - 2);
    t.g->SetColCount(2);
    t.g->SetRowCount(2);
    info.HintStr = "own hint";
    bool canShow = true;
    t.g->GetCellHintInfo(info.HintStr, canShow, info);
    EXPECT_EQ(info.HintStr, "own hint");
    EXPECT_EQ(info.HintColor, clYellow);
    EXPECT_EQ(info.HintMaxWidth, 300);
    EXPECT_EQ(t.g->HTML().LastHintPos(), QPoint(-1, -1));
}

TEST(GridHtmlHints, ARestingMouseShowsTheHintAndLeavingTheCellCancelsIt)
{
    HintGrid t;
    t.g->OnGridHint = [](QObject*, int row, int col, QString& hint) {
        if (row == 0 && col == 2) hint = "<B>Key</B> of the rule";
        if (row == 0 && col == 3) hint = "plain <b> text";
    };
    auto rest = [&](QPoint p) {
        QHelpEvent help(QEvent::ToolTip, p, t.g->viewport()->mapToGlobal(p));
        QApplication::sendEvent(t.g->viewport(), &help);
    };
    rest(t.at(2, 0));
    THTMLHintWindow* window = t.g->HTML().HintWindow();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->HintText(), "<B>Key</B> of the rule");
    EXPECT_EQ(window->parent(), t.g);
    // The mouse on another cell: the hint goes.
    QTest::mouseMove(t.g->viewport(), t.at(3, 0));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(t.g->HTML().LastHintPos(), QPoint(-1, -1));
    // A hint that is no mini-HTML goes to the plain tool tip, tags as text.
    rest(t.at(3, 0));
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_TRUE(QToolTip::text().contains("&lt;b&gt;"));
    QToolTip::hideText();
}

}  // namespace grid::grid_html_hints_test
