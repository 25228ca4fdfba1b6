// Tagging found text in mini-HTML strings and taking the tags out again.

#include <gtest/gtest.h>

#include "controls/grid/highlight/tag_text.h"

namespace tag_text_test {

// Inside this file's namespace, so that it does not reach the files a unity
// build puts after it.
using namespace grid::highlight;

TEST(TagText, HighlightEnclosesVisibleOccurrencesOnly)
{
    struct Case {
        const char* name;
        QString text, find;
        bool caseSensitive;
        QString expected;
    } cases[] = {
        {"inside and outside tags", "<B>abc</B> abc", "b", false, "<B>a<HI>b</HI>c</B> a<HI>b</HI>c"},
        {"tag names are not searched", "<B>x</B>", "B", false, "<B>x</B>"},
        {"any case", "Abc", "ab", false, "<HI>Ab</HI>c"},
        {"case-sensitive", "Abc", "ab", true, "Abc"},
        {"across a tag", "a<B>b</B>c", "abc", false, "<HI>a<B>b</B>c</HI>"},
        {"adjacent occurrences", "aa", "a", false, "<HI>a</HI><HI>a</HI>"},
        {"inside the tags before it", "<B><I>ab</I></B>", "a", false, "<B><I><HI>a</HI>b</I></B>"},
        {"a mark before a closing tag", "<I>ab</I>", "b", false, "<I>a<HI>b</HI></I>"},
        {"longer than the text", "ab", "abc", false, "ab"},
        {"empty find", "ab", "", false, "ab"},
        {"own angle brackets become entities", "a>b", "b", false, "a&gt;<HI>b</HI>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HighlightHTMLText(c.text, c.find, "HI", c.caseSensitive), c.expected);
    }
}

TEST(TagText, UnHighlightGivesBackTheTextItStartedFrom)
{
    const QString start = "<B>abc</B> abc";
    EXPECT_EQ(UnHighlightHTMLText(HighlightHTMLText(start, "b", "HI", false), "hi"), start);
    EXPECT_EQ(UnHighlightHTMLText("<hi>a</HI> &lt;b&gt;", "hi"), "a <b>");
    EXPECT_EQ(UnMarkText("<hi><e>a</E></hi>"), "<hi>a</hi>") << "only the mark's own tags go";
    EXPECT_EQ(HilightText(true, "aA", "a"), "<hi>a</hi>A");
    EXPECT_EQ(MarkText(false, "aA", "a"), "<e>a</e><e>A</e>");
    EXPECT_EQ(UnHilightText("<e><hi>a</hi></e>"), "<e>a</e>");
}

TEST(TagText, EntitiesEachWayOnce)
{
    EXPECT_EQ(EncodeHTMLEntities("a<b & \"c\">"), "a&lt;b &amp; &quot;c&quot;&gt;");
    EXPECT_EQ(DecodeHTMLEntities("&lt;&amp;lt;&quot;&gt;&nbsp;"), "<&lt;\">&nbsp;");
}

TEST(TagText, CellTextsKeepTheirCharactersThroughTaggingAndBack)
{
    struct Case {
        const char* name;
        QString text, hi;
        QString tagged;
    } cases[] = {
        {"plain", "abc", "b", "a<hi>b</hi>c"},
        {"plain with markup characters", "a<b & b", "b", "a&lt;<hi>b</hi> &amp; <hi>b</hi>"},
        {"search text with an ampersand", "x & y", "& y", "x <hi>&amp; y</hi>"},
        {"mini-HTML keeps its tags", "<b>ab</b>", "a", "<b><hi>a</hi>b</b>"},
        {"no occurrence: unchanged, not encoded", "a<b", "x", "a<b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString tagged = TagCellText(c.text, c.hi, "hi", false);
        EXPECT_EQ(tagged, c.tagged);
        EXPECT_EQ(UnTagCellText(tagged, "hi"), c.text);
    }
    // A highlight over an error mark, and each removed on its own.
    const QString both = TagCellText(TagCellText("a<b x", "x", "e", false), "x", "hi", false);
    EXPECT_EQ(both, "a&lt;b <e><hi>x</hi></e>");
    EXPECT_EQ(UnTagCellText(both, "hi"), "a&lt;b <e>x</e>");
    EXPECT_EQ(UnTagCellText(UnTagCellText(both, "hi"), "e"), "a<b x");
}

}  // namespace tag_text_test
