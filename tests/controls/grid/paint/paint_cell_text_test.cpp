#include <gtest/gtest.h>

#include <QFontMetrics>

#include "controls/grid/paint/cell_text.h"
#include "controls/grid/paint/paint_test_support.h"
#include "platform/text_engine.h"

// Each test file keeps its names in its own namespace (the tests are built in batches).
namespace grid::paint::paint_text_test {

using namespace paint_test_support;
using namespace platform;

struct PaintTextFixture : ::testing::Test {
    ObjectEnv E;
    TCellTextParams P;
    // Draws the cell text black on white into a w x h image and returns it.
    PaintTarget Draw(int w = 160, int h = 40)
    {
        PaintTarget t(w, h);
        t.Canvas->Font = TFont(QFont(QStringLiteral("Tahoma"), 9), clBlack);
        t.Canvas->Brush.Color = clWhite;
        Last = DrawCellText(*t.Canvas, TRect(0, 0, w, h), P, E.Env);
        return t;
    }
    TCellTextResult Last;
};

TEST(PaintCellTextFlags, FlagsByWrapLinesAndAlignment)
{
    struct Case {
        const char* Text;
        bool WW, Multi, Enh;
        TAlignment HA;
        TVAlignment VA;
        unsigned Flags;
        const char* Shown;
    } cases[] = {
        {"ab\rcd", false, false, false, taLeftJustify, vtaTop, DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX, "ab"},
        {"ab", false, false, true, taRightJustify, vtaCenter,
         DT_SINGLELINE | DT_END_ELLIPSIS | DT_EXPANDTABS | DT_NOPREFIX | DT_RIGHT | DT_VCENTER, "ab"},
        {"ab\rcd\ref", false, true, false, taCenter, vtaBottom,
         DT_EDITCONTROL | DT_EXPANDTABS | DT_NOPREFIX | DT_CENTER | DT_BOTTOM | DT_WORDBREAK, "ab\rcd\ref"},
        {"ab cd", true, false, true, taLeftJustify, vtaTop,
         DT_EDITCONTROL | DT_END_ELLIPSIS | DT_EXPANDTABS | DT_NOPREFIX | DT_WORDBREAK, "ab cd"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        QString text = QString::fromLatin1(c.Text);
        EXPECT_EQ(CellTextFlags(text, c.WW, c.Multi, c.Enh, c.HA, c.VA), c.Flags);
        EXPECT_EQ(text, QString::fromLatin1(c.Shown));
    }
    EXPECT_EQ(URLShownText(QStringLiteral("http://host/x"), false), QStringLiteral("host/x"));
    EXPECT_EQ(URLShownText(QStringLiteral("mailto:me@host"), false), QStringLiteral("me@host"));
    EXPECT_EQ(URLShownText(QStringLiteral("http://host/x"), true), QStringLiteral("http://host/x"));
}

TEST(PaintCellTextRoom, GraphicAndOffsetsMoveTheTextRectangle)
{
    TTextRoom room;
    room.GraphicHAlign = haBeforeText;
    room.GraphicWidth = 15;
    room.GraphicHeight = 15;
    int offset = -1;
    EXPECT_EQ(TextRectForGraphic(TRect(0, 0, 100, 20), room, offset), TRect(17, 2, 98, 20));
    EXPECT_EQ(offset, 15);  // before left-aligned text counts for the sort indicator
    room.GraphicHAlign = haAfterText;
    room.XYOffsetTopLeftOnly = true;
    EXPECT_EQ(TextRectForGraphic(TRect(0, 0, 100, 20), room, offset), TRect(2, 2, 85, 20));
    EXPECT_EQ(offset, 0);
    room.GraphicHAlign = haLeft;
    room.GraphicVAlign = vaAboveText;
    room.RowIndent = 24;
    EXPECT_EQ(TextRectForGraphic(TRect(0, 0, 100, 40), room, offset), TRect(26, 17, 100, 40));
    EXPECT_EQ(offset, 15);

    EXPECT_EQ(SortIndicatorX(TRect(0, 0, 100, 20), taLeftJustify, 30, 15), 55);
    EXPECT_EQ(SortIndicatorX(TRect(0, 0, 100, 20), taLeftJustify, 300, 0), 94);  // text wider than the cell
    EXPECT_EQ(SortIndicatorX(TRect(0, 0, 100, 20), taRightJustify, 30, 0), 60);
    EXPECT_EQ(SortIndicatorX(TRect(0, 0, 100, 20), taCenter, 30, 0), 8);
    EXPECT_EQ(SortIndicatorY(TRect(0, 10, 100, 40), vtaTop), 18);
    EXPECT_EQ(SortIndicatorY(TRect(0, 10, 100, 40), vtaCenter), 25);
    EXPECT_EQ(SortIndicatorY(TRect(0, 10, 100, 40), vtaBottom), 32);
}

TEST_F(PaintTextFixture, AlignmentPlacesTheText)
{
    P.Text = QStringLiteral("MMMM");
    P.HA = taLeftJustify;
    QRect left = Draw().Ink();
    P.HA = taRightJustify;
    QRect right = Draw().Ink();
    P.HA = taCenter;
    P.VA = vtaBottom;
    QRect centre = Draw().Ink();
    ASSERT_FALSE(left.isNull());
    EXPECT_LE(left.left(), 4);          // XYOffset 2
    EXPECT_GE(right.right(), 160 - 5);  // right edge less XYOffset
    EXPECT_NEAR((centre.left() + centre.right()) / 2, 80, 3);
    EXPECT_GT(centre.top(), left.top() + 5);  // bottom-aligned below the top-aligned text
}

TEST_F(PaintTextFixture, SingleLineCellsShowTheFirstLineAndMultiLineCellsAll)
{
    P.Text = QStringLiteral("AAA\rBBB\rCCC");
    const QRect single = Draw(160, 80).Ink();
    P.MultiLineCells = true;
    const QRect multi = Draw(160, 80).Ink();
    const int line = QFontMetrics(QFont(QStringLiteral("Tahoma"), 9)).height();
    EXPECT_LT(single.height(), line + 2);
    EXPECT_GT(multi.height(), 2 * line);
}

TEST_F(PaintTextFixture, EnhancedTextSizeEndsATooLongLineInAnEllipsis)
{
    P.Text = QStringLiteral("A fairly long text that does not fit");
    P.EnhTextSize = true;
    P.HasGraphic = true;  // so the text is measured first
    PaintTarget t = Draw(60, 20);
    EXPECT_LE(t.Ink().right(), 58);
    EXPECT_LE(Last.MeasuredWidth, 60);
}

TEST_F(PaintTextFixture, PasswordCellsShowOneCharacterPerCharacter)
{
    P.Text = QStringLiteral("secret");
    P.Password = true;
    P.HasGraphic = true;
    Draw();
    const QFont font(QStringLiteral("Tahoma"), 9);
    EXPECT_EQ(Last.MeasuredWidth, TextEngine::LineWidth(QFontMetrics(font), QStringLiteral("******"), 0) + 2);
}

TEST_F(PaintTextFixture, HtmlTagsAreDetectedCaseSensitively)
{
    const QFont font(QStringLiteral("Tahoma"), 9);
    QFont bold = font;
    bold.setBold(true);
    // A lower-case opening tag alone is plain text, drawn with its tag.
    P.Text = QStringLiteral("<b>bold");
    PaintTarget plain = Draw();
    EXPECT_FALSE(Last.Html);
    EXPECT_GE(plain.Ink().width(), QFontMetrics(font).horizontalAdvance(QStringLiteral("<b>bold")) - 2);
    // In upper case it is mini-HTML: the renderer draws the bold word alone,
    // and its width + 2 is the measured width.
    P.Text = QStringLiteral("<B>bold");
    PaintTarget html = Draw();
    EXPECT_TRUE(Last.Html);
    EXPECT_EQ(Last.MeasuredWidth, QFontMetrics(bold).horizontalAdvance(QStringLiteral("bold")) + 2);
    EXPECT_LE(html.Ink().width(), QFontMetrics(bold).horizontalAdvance(QStringLiteral("bold")) + 1);
    // Without HTML the tags are text.
    P.EnableHTML = false;
    P.Text = QStringLiteral("<B>bold</B>");
    Draw();
    EXPECT_FALSE(Last.Html);
}

TEST_F(PaintTextFixture, UrlsShowWithoutSchemeUnderlinedInTheUrlColour)
{
    P.URLShow = true;
    P.Text = QStringLiteral("http://WWW");
    PaintTarget t = Draw();
    int blue = 0, black = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 160; ++x) {
            const QColor c = t.Image.pixelColor(x, y);
            if (c == QColor(0, 0, 255)) ++blue;
            if (c == QColor(0, 0, 0)) ++black;
        }
    EXPECT_GT(blue, 10);
    EXPECT_EQ(black, 0);
    // Only what follows "://" is shown: narrower than the whole text.
    const QFont font(QStringLiteral("Tahoma"), 9);
    EXPECT_LT(t.Ink().width(), QFontMetrics(font).horizontalAdvance(QStringLiteral("http://WWW")) - 10);

    // A selected URL cell takes the selection text colour.
    P.SelectedText = true;
    P.SelectionTextColor = clRed;
    PaintTarget s = Draw();
    int red = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 160; ++x)
            if (s.Image.pixelColor(x, y) == QColor(255, 0, 0)) ++red;
    EXPECT_GT(red, 10);
}

TEST_F(PaintTextFixture, HiddenTextDrawsNothingButReportsTheLineHeight)
{
    P.Text = QStringLiteral("Y");
    P.TextShown = false;  // a data check box cell
    PaintTarget t = Draw();
    EXPECT_TRUE(t.Ink().isNull());
    EXPECT_GT(Last.LineHeight, 5);
    EXPECT_EQ(Last.MeasuredWidth, 0);
}

TEST_F(PaintTextFixture, SortIndicatorFollowsTheText)
{
    P.Text = QStringLiteral("Name");
    P.SortIndicatorCell = true;
    P.VA = vtaCenter;
    PaintTarget t = Draw(160, 30);
    t.Done();
    // The indicator's white base ends right of the text.
    const QFont font(QStringLiteral("Tahoma"), 9);
    const int textRight = 2 + QFontMetrics(font).horizontalAdvance(QStringLiteral("Name"));
    bool grey = false;
    for (int y = 5; y < 25; ++y)
        for (int x = textRight + 4; x < textRight + 20; ++x)
            if (t.Image.pixelColor(x, y) == QColor(0x80, 0x80, 0x80)) grey = true;
    EXPECT_TRUE(grey);
}

TEST_F(PaintTextFixture, AnHtmlHeaderOfTheSortedColumnHasItsIndicatorAtTheRightInItsVerticalPlace)
{
    P.Text = QStringLiteral("<B>Name</B>");
    P.SortIndicatorCell = true;
    auto greyRows = [&](TVAlignment va) {
        P.VA = va;
        PaintTarget t = Draw(160, 40);
        t.Done();
        QRect grey;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 160; ++x)
                if (t.Image.pixelColor(x, y) == QColor(0x80, 0x80, 0x80)) grey |= QRect(x, y, 1, 1);
        return grey;
    };
    // At 2 pixels right of the text box, which leaves the last 10 pixels for
    // it; in the middle of the cell when centred, near its top otherwise.
    const QRect centred = greyRows(vtaCenter);
    ASSERT_FALSE(centred.isNull());
    EXPECT_NEAR(centred.center().x(), 160 - 2 - 10 + 2, 4);
    EXPECT_NEAR(centred.center().y(), 2 + (40 - 2) / 2, 3);
    const QRect top = greyRows(vtaTop);
    EXPECT_NEAR(top.center().y(), 2 + 8, 3);
}

TEST_F(PaintTextFixture, FormulasShowThePlainTextAndFixedCellsMoveIn)
{
    P.Text = QStringLiteral("=A1+B1");
    P.PlainText = QString();
    PaintTarget empty = Draw();
    EXPECT_TRUE(empty.Ink().isNull());  // a formula with empty plain text draws empty
    P.PlainText = QStringLiteral("III");
    P.Fixed = true;
    P.GridLineWidth = 3;
    const QRect ink = Draw().Ink();
    EXPECT_GE(ink.left(), 5);  // grid line width + XYOffset
}

}  // namespace grid::paint::paint_text_test
