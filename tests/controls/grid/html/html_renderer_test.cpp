// The mini-HTML renderer on small texts: sizes, line breaks, cuts,
// alignment, anchors and what lies under a point. Sizes are worked out from
// the test font's metrics by the rules of the dialect.
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include "controls/grid/html/html_renderer.h"
#include "html_test_support.h"

using namespace grid;
using html_test::Sizes;
using html_test::Surface;
using platform::TRect;

namespace {

struct Rendered {
    bool Hit = false;
    THTMLRenderResult Out;
};

Rendered render(Surface& s, const QString& text, TRect rect, THTMLRenderParams p = {})
{
    Rendered r;
    r.Hit = RenderHTMLText(*s.Canvas, text, rect, p, r.Out);
    return r;
}

Rendered measure(const QString& text, int width = 1000, bool wordWrap = true)
{
    Surface s;
    THTMLRenderParams p;
    p.MeasureOnly = true;
    p.WordWrap = wordWrap;
    return render(s, text, TRect(0, 0, width, 0), p);
}

THTMLRenderParams hitTest(int x, int y)
{
    THTMLRenderParams p;
    p.HitTestOnly = true;
    p.X = x;
    p.Y = y;
    return p;
}

}  // namespace

// ------------------------------------------------------------------- measures

TEST(HtmlRenderer, EmptyTextHasOneTextHeightAndNothingElse)
{
    const Sizes f;
    const Rendered r = measure("");
    EXPECT_FALSE(r.Hit);
    EXPECT_EQ(r.Out.XSize, 0);
    EXPECT_EQ(r.Out.YSize, f.Gh);
    EXPECT_EQ(r.Out.StripVal, "");
    EXPECT_EQ(r.Out.MouseLink, -1);
}

TEST(HtmlRenderer, SizesAndPlainTextOfSmallTexts)
{
    const Sizes f;
    QFont bold = html_test::testFont();
    bold.setBold(true);
    const Sizes b(bold);
    QFont big = html_test::testFont();
    big.setPointSize(12);
    const Sizes size3(big);
    big.setPointSize(7);
    const Sizes size7(big);
    const struct {
        QString text;
        int x, y;
        QString strip;
    } cases[] = {
        {"ab", f.Width("ab"), f.Line, "ab"},
        {"ab<BR>cd", std::max(f.Width("ab"), f.Width("cd")), 2 * f.Line, "ab\rcd"},
        {"ab\r\ncd", std::max(f.Width("ab"), f.Width("cd")), 2 * f.Line, "ab\rcd"},
        {"<B>ab</B>c", b.Width("ab") + f.Width("c"), std::max(f.Line, b.Line), "abc"},
        // "&amp;" draws one "&" and stays two in the plain text, whatever its case.
        {"a&amp;b", f.Width("a&b"), f.Line, "a&&b"},
        {"a&AMP;b", f.Width("a&b"), f.Line, "a&&b"},
        {"a&nbsp;b", f.Width("a b"), f.Line, "a b"},
        {"a&NBSP;b", f.Width("aNBSP;b"), f.Line, "a&NBSP;b"},  // "&N" is a prefix: N underlined
        // Runs end at spaces and tags and are measured one by one.
        {"1 &lt; 2", f.Width("1 ") + f.Width("< ") + f.Width("2"), f.Line, "1 < 2"},
        // "<#" tags are text.
        {"<#x>y", f.Width("#xy"), f.Line, "#xy"},
        // The trailing space of a line does not count.
        {"ab ", f.Width("ab ") - f.Width(" "), f.Line, "ab "},
        {"<Z>hidden</Z>shown", f.Width("shown"), f.Line, "hiddenshown"},
        {"<FONT SIZE=\"3\">ab</FONT>", size3.Width("ab"), size3.Line, "ab"},
        {"<FONT SIZE=\"7\">ab</FONT>", size7.Width("ab"), std::max(f.Gh, size7.Line), "ab"},
        // Unknown tags are dropped; a "<" without ">" drops the rest.
        {"a<Q>b<x", f.Width("a") + f.Width("b"), f.Line, "ab"},
        {"a<", f.Width("a"), f.Line, "a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const Rendered r = measure(c.text);
        EXPECT_EQ(r.Out.XSize, c.x);
        EXPECT_EQ(r.Out.YSize, c.y);
        EXPECT_EQ(r.Out.StripVal, c.strip);
        EXPECT_FALSE(r.Hit);
    }
}

TEST(HtmlRenderer, WordWrapBreaksAtSpacesButNotInsideAWordCutByTags)
{
    const Sizes f;
    QFont bold = html_test::testFont();
    bold.setBold(true);
    const Sizes b(bold);
    // Room for one word: "one two" takes two lines.
    const int narrow = f.Width("one") + 6;
    Rendered r = measure("one two", narrow);
    EXPECT_EQ(r.Out.YSize, 2 * f.Line);
    EXPECT_EQ(r.Out.XSize, f.Width("two"));
    // A word whose second half is bold stays whole on its line.
    r = measure("ab<B>cd</B> ef", f.Width("ab") + 4);
    EXPECT_EQ(r.Out.YSize, 2 * std::max(f.Line, b.Line));
    EXPECT_EQ(r.Out.XSize, f.Width("ab") + b.Width("cd"));
    // A word wider than the box is taken whole, overflowing its line.
    r = measure("wordwiderthanthebox b", f.Width("a b") + 2);
    EXPECT_EQ(r.Out.YSize, 2 * f.Line);
    EXPECT_EQ(r.Out.XSize, f.Width("wordwiderthanthebox ") - f.Width(" "));
}

TEST(HtmlRenderer, WithoutWordWrapALineIsCutAfterItsFirstRunThatDoesNotFit)
{
    const Sizes f;
    QFont bold = html_test::testFont();
    bold.setBold(true);
    const Sizes b(bold);
    // The bold second word does not fit: it is cut with an ellipsis and
    // nothing after it is laid out, the later lines included.
    const int narrow = f.Width("first ") + b.Width("second") / 2;
    Rendered r = measure("first <B>second</B><BR>third", narrow, false);
    EXPECT_EQ(r.Out.YSize, std::max(f.Line, b.Line));
    EXPECT_EQ(r.Out.StripVal, "first second");
    // A single run wider than the box is taken whole and the next line follows.
    r = measure("averyverylongrun<BR>word", f.Width("avery"), false);
    EXPECT_EQ(r.Out.StripVal, "averyverylongrun\rword");
    EXPECT_EQ(r.Out.YSize, 2 * f.Line);

    // Drawn, the cut run ends in "..." inside the box.
    Surface s(200, 40);
    THTMLRenderParams p;
    p.WordWrap = false;
    render(s, "first <B>second</B><BR>third", TRect(10, 5, 10 + narrow, 5 + 30), p);
    const QRect ink = s.Ink();
    EXPECT_LE(ink.right(), 10 + narrow);
    EXPECT_LT(ink.bottom(), 5 + f.Line + 2);  // no second line
}

TEST(HtmlRenderer, ParagraphAlignmentMovesWholeLines)
{
    const Sizes f;
    const TRect box(10, 5, 210, 60);
    {
        Surface s(260, 70);
        render(s, "x<P ALIGN=\"RIGHT\">ab", box);
        const QRect ink = s.Ink();
        EXPECT_GE(ink.right(), box.Right - 3);
        EXPECT_LT(ink.right(), box.Right);
        EXPECT_GE(ink.left(), box.Right - f.Width("xab") - 1);
    }
    {
        Surface s(260, 70);
        // Met in the middle of the first line, CENTER centres it and the next.
        render(s, "ab<P ALIGN=\"CENTER\">cd<BR>ef", box);
        const QRect ink = s.Ink();
        const int lineLeft = box.Left + 1 + (box.Width() - 1 - f.Width("abcd")) / 2;
        EXPECT_NEAR(ink.left(), lineLeft, 2);
        EXPECT_NEAR((ink.left() + ink.right()) / 2, box.Left + box.Width() / 2, 3);
    }
    {
        Surface s(260, 70);
        render(s, "<P INDENT=\"30\">ab", box);
        EXPECT_NEAR(s.Ink().left(), box.Left + 1 + 30, 2);
    }
}

TEST(HtmlRenderer, ATooSmallRectangleShowsOnlyTheLinesThatFit)
{
    const Sizes f;
    Surface s(200, 80);
    const Rendered r = render(s, "one<BR>two<BR>three", TRect(0, 0, 200, f.Line + f.Gh - 1));
    EXPECT_EQ(r.Out.YSize, f.Line);  // the second line would not show a whole text height
    Surface s2(200, 80);
    const Rendered r2 = render(s2, "one<BR>two<BR>three", TRect(0, 0, 200, f.Line + f.Gh));
    EXPECT_EQ(r2.Out.YSize, 2 * f.Line);
}

// -------------------------------------------------------------------- anchors

TEST(HtmlRenderer, AnchorsAreCountedAndFoundUnderThePoint)
{
    const Sizes f;
    const QString text = R"(go <A HREF="first" TITLE="The first">one</A> or <A href="Second">two</A>)";
    const TRect box(0, 0, 400, 40);
    const int oneLeft = 1 + f.Width("go ");
    const int twoLeft = oneLeft + f.Width("one or ");
    const int y = f.Line - 3;

    Surface s;
    Rendered r = render(s, text, box, hitTest(oneLeft + 3, y));
    EXPECT_TRUE(r.Hit);
    EXPECT_EQ(r.Out.AnchorCount, 2);
    EXPECT_EQ(r.Out.AnchorVal, "first");
    EXPECT_EQ(r.Out.AnchorTitle, "The first");
    EXPECT_EQ(r.Out.MouseLink, 1);
    EXPECT_EQ(r.Out.AnchorRect, TRect(oneLeft, 0, oneLeft + f.Width("one"), f.Line));

    r = render(s, text, box, hitTest(twoLeft + 2, y));
    EXPECT_TRUE(r.Hit);
    EXPECT_EQ(r.Out.AnchorVal, "Second");  // its case kept
    EXPECT_EQ(r.Out.AnchorTitle, "");
    EXPECT_EQ(r.Out.MouseLink, 2);

    // Between the anchors, and below the text: nothing.
    r = render(s, text, box, hitTest(oneLeft + f.Width("one o"), y));
    EXPECT_FALSE(r.Hit);
    EXPECT_EQ(r.Out.MouseLink, -1);
    r = render(s, text, box, hitTest(oneLeft + 3, f.Line + 5));
    EXPECT_FALSE(r.Hit);

    // Measuring only never reports a hit.
    THTMLRenderParams measureOnly = hitTest(oneLeft + 3, y);
    measureOnly.MeasureOnly = true;
    r = render(s, text, box, measureOnly);
    EXPECT_FALSE(r.Hit);
    EXPECT_EQ(r.Out.AnchorCount, 2);

    // Drawn, the anchor under the point is found too.
    THTMLRenderParams drawn = hitTest(oneLeft + 3, y);
    drawn.HitTestOnly = false;
    r = render(s, text, box, drawn);
    EXPECT_EQ(r.Out.AnchorVal, "first");
}

TEST(HtmlRenderer, TheHitFollowsTheDrawnPlaceOfAnAlignedLine)
{
    const Sizes f;
    const QString text = R"(<P ALIGN="RIGHT"><A HREF="r">right</A>)";
    const TRect box(0, 0, 300, 40);
    const int left = box.Right - f.Width("right");
    Surface s;
    EXPECT_TRUE(render(s, text, box, hitTest(left + 3, f.Line - 3)).Hit);
    EXPECT_FALSE(render(s, text, box, hitTest(left - 3, f.Line - 3)).Hit);
}

TEST(HtmlRenderer, FocusedAndHoveredAnchors)
{
    const QString text = R"(<A HREF="a">one</A> <A HREF="b">two</A>)";
    Surface s;
    THTMLRenderParams p;
    p.FocusLink = 1;
    Rendered r = render(s, text, TRect(0, 0, 300, 40), p);
    EXPECT_EQ(r.Out.FocusAnchor, "b");

    // With HoverStyle only the hovered anchor keeps the hover text colour;
    // the other is drawn in the link colour.
    Surface hover(300, 40);
    p = {};
    p.HoverStyle = true;
    p.HoverLink = 2;
    p.URLColor = clBlue;
    p.HoverFontColor = clRed;
    render(hover, text, TRect(0, 0, 300, 40), p);
    const Sizes f;
    const int split = 1 + f.Width("one ");
    EXPECT_LT(hover.Bluish().right(), split);
    EXPECT_GE(hover.Reddish().left(), split);
}

// ---------------------------------------------------------- tags and colours

TEST(HtmlRenderer, FontColoursAndTheirEnd)
{
    const struct {
        QString text;
        bool red, blue;
    } cases[] = {
        {R"(<FONT COLOR="#FF0000">ab</FONT>)", true, false},
        {R"(<FONT COLOR="clBlue">ab</FONT>)", false, true},
        {R"(<FONT COLOR="red">ab</FONT>)", false, false},  // a name without "cl" is black
        // /FONT returns to the caller's colour, not to the outer FONT's.
        {R"(<FONT COLOR="clBlue"><FONT COLOR="clRed">a</FONT>bb</FONT>)", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        Surface s(200, 40);
        render(s, c.text, TRect(0, 0, 200, 40));
        EXPECT_EQ(!s.Reddish().isNull(), c.red);
        EXPECT_EQ(!s.Bluish().isNull(), c.blue);
    }
    // Selected: the colour of FONT is left alone, HI still applies.
    Surface s(200, 40);
    THTMLRenderParams p;
    p.Selected = true;
    render(s, R"(<FONT COLOR="clRed">ab</FONT>)", TRect(0, 0, 200, 40), p);
    EXPECT_TRUE(s.Reddish().isNull());
}

// ---------------------------------------------------------------- pixel tests

TEST(HtmlRenderer, BoldUnderlineAndColourRunsKeepToTheirExtents)
{
    const Sizes f;
    QFont boldFont = html_test::testFont();
    boldFont.setBold(true);
    const Sizes b(boldFont);
    const QString text = R"(<B>bold</B> <U>under</U> <FONT COLOR="clRed">red</FONT>)";
    Surface s(300, 40);
    render(s, text, TRect(0, 0, 300, 40));
    const int underLeft = 1 + b.Width("bold") + f.Width(" ");
    const int redLeft = underLeft + f.Width("under ");
    // The red run and nothing else is red.
    const QRect red = s.Reddish();
    EXPECT_GE(red.left(), redLeft);
    EXPECT_LE(red.right(), redLeft + f.Width("red"));
    // The underline is a full row of ink under "under", one that the plain
    // word lacks.
    const int baseline = f.Line - f.Metrics.descent();
    const QImage& img = s.Done();
    auto darkRow = [&](int y, int from, int to) {
        for (int x = from; x < to; ++x)
            if (img.pixelColor(x, y).lightness() > 128) return false;
        return true;
    };
    bool underlined = false;
    for (int y = baseline; y < f.Line + 2; ++y) underlined = underlined || darkRow(y, underLeft + 1, underLeft + f.Width("under") - 1);
    EXPECT_TRUE(underlined);
    // Bold ink reaches further than the same word plain.
    Surface plain(300, 40);
    render(plain, "bold", TRect(0, 0, 300, 40));
    const QRect boldInk = s.Ink(QRect(0, 0, underLeft - f.Width(" "), 40));
    EXPECT_GT(boldInk.width(), plain.Ink().width());
}

TEST(HtmlRenderer, ParagraphBandSpansTheWholeRectangle)
{
    const Sizes f;
    Surface s(300, 60);
    const TRect box(20, 10, 220, 50);
    render(s, R"(<P BGCOLOR="#00FF00">ab</P>cd)", box);
    const QRect green = s.Box([](QColor c) { return c == QColor(0, 255, 0); });
    EXPECT_EQ(green.left(), box.Left);
    EXPECT_EQ(green.right(), box.Right - 1);
    EXPECT_EQ(green.top(), box.Top);
    EXPECT_EQ(green.bottom(), box.Top + f.Line - 1);
    // The second line, after /P, has no band.
    EXPECT_EQ(s.Count(QRect(box.Left, box.Top + f.Line, box.Width(), f.Line), QColor(0, 255, 0)), 0);
}

TEST(HtmlRenderer, ListItemsStartLinesWithBulletsIndentedByLevel)
{
    const Sizes f;
    Surface s(300, 120);
    const TRect box(0, 0, 300, 120);
    const Rendered r = render(s, "<UL><LI>a<LI>b<UL><LI>c</UL></UL>", box);
    // UL's own line is empty; then one line per item (the nested UL ends
    // the line of "b").
    EXPECT_EQ(r.Out.YSize, f.Gh + 3 * f.Line);
    EXPECT_EQ(r.Out.StripVal, "abc");
    // Level 1: the bullet at the line start, the text 12 pixels on.
    // Level 2: both 12 pixels further right.
    auto dark = [](QColor c) { return c.lightness() < 200; };
    const QRect line1 = s.Box(dark, QRect(0, f.Gh, 300, f.Line));
    const QRect line3 = s.Box(dark, QRect(0, f.Gh + 2 * f.Line, 300, f.Line));
    EXPECT_NEAR(line1.left(), 1, 2);
    EXPECT_NEAR(line3.left(), 1 + 12, 2);
    // The text of an item begins 12 pixels after its bullet.
    EXPECT_NEAR(s.Box(dark, QRect(1 + 10, f.Gh, 100, f.Line)).left(), 1 + 12, 1);
    EXPECT_NEAR(s.Box(dark, QRect(1 + 22, f.Gh + 2 * f.Line, 100, f.Line)).left(), 1 + 24, 1);
    EXPECT_EQ(measure("<LI>x").Out.XSize, f.Width("x"));  // outside a list: no room taken
}

TEST(HtmlRenderer, RunsAreDrawnAsTheTextEngineDrawsThem)
{
    using namespace platform;
    const Sizes f;
    const unsigned format = DT_SINGLELINE | DT_BOTTOM | DT_EXPANDTABS | DT_EXTERNALLEADING;
    Surface html(220, 40);
    render(html, "ab c&amp;d", TRect(10, 5, 200, 40));
    // The same runs through the canvas, each bottom-aligned on the line.
    Surface engine(220, 40);
    TRect first(11, 5, 200, 5 + f.Line);
    engine.Canvas->Brush.Style = Qt::NoBrush;
    engine.Canvas->DrawText("ab ", first, format);
    TRect second(11 + f.Width("ab "), 5, 200, 5 + f.Line);
    engine.Canvas->DrawText("c&&d", second, format);
    EXPECT_EQ(html.Done(), engine.Done());
}
