#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include "controls/grid/html/html_text_utils.h"

using namespace grid;

namespace {

std::string s(const QString& text) { return text.toStdString(); }

}  // namespace

// ------------------------------------------------------------------ entities

TEST(HtmlTextUtils, EntitiesAreEncodedOnce)
{
    EXPECT_EQ(EncodeHTMLEntities("a<b & c", false), "a&lt;b &amp; c");
    EXPECT_EQ(EncodeHTMLEntities(R"(say "x">y)", false), "say &quot;x&quot;&gt;y");
    EXPECT_EQ(EncodeHTMLEntities("&amp;", false), "&amp;amp;");
    EXPECT_EQ(EncodeHTMLEntities(QString::fromUtf8("é€"), false), QString::fromUtf8("é€"));
    EXPECT_EQ(EncodeHTMLEntities(QString::fromUtf8("é & € «Ø»"), true), "&eacute; &amp; &euro; &laquo;&Oslash;&raquo;");
    EXPECT_EQ(EncodeHTMLSpaces("a b  c"), "a&nbsp;b&nbsp;&nbsp;c");
}

TEST(HtmlTextUtils, EntitiesAreDecodedOnceAndExactlyAsWritten)
{
    const struct {
        QString in;
        bool named;
        QString out;
    } cases[] = {
        {"&lt;&amp;lt;", false, "<&lt;"},
        {"&quot;a&quot; &gt; b", false, "\"a\" > b"},
        {"&Eacute;t&eacute;", true, QString::fromUtf8("Été")},
        {"&Eacute;t&eacute;", false, "&Eacute;t&eacute;"},
        {"&EACUTE; &Lt;", true, "&EACUTE; &Lt;"},
        {"&amp;eacute;", true, QString::fromUtf8("é")},  // named entities after "&amp;"
        {"no entity", true, "no entity"},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeHTMLEntities(c.in, c.named), c.out) << s(c.in);
}

TEST(HtmlTextUtils, EveryTableCharacterSurvivesEncodingAndDecoding)
{
    const QString letters = QString::fromUtf8("éèëêóòöôíìïîúùüûáàäâÉÈËÊÓÒÖÔÍÌÏÎÚÙÜÛÁÀÄÂçÇøØåÅ©®€«» <&\">");
    const QString encoded = EncodeHTMLEntities(letters, true);
    EXPECT_FALSE(encoded.contains(u'é'));
    EXPECT_EQ(encoded.count(u'&'), 51 + 4);
    EXPECT_EQ(DecodeHTMLEntities(encoded, true), letters);
}

// ---------------------------------------------------------------- plain text

TEST(HtmlTextUtils, StripHTMLTagsKeepsWhatIsNoTag)
{
    const struct {
        QString in;
        QString out;
    } cases[] = {
        {"a<B>b</B><BR>c", "ab\r\nc"},
        {"x < y", "x < y"},
        {"a>b<c>d", "a>b<c>d"},
        {"<b>1</b> < 2 <i>3</i>", "1 3"},       // a "<" runs to the next ">", whatever stands between
        {"one<br>two<Hr>three", "one\r\ntwo\r\nthree"},
        {"one<BR/>two<BR >three", "onetwothree"},  // only "<BR>" itself breaks the line
        {"<A HREF=\"x\">link</A>", "link"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(StripHTMLTags(c.in), c.out) << s(c.in);
}

TEST(HtmlTextUtils, VisibleToSourcePosCountsCharactersOutsideTags)
{
    const QString text = "<B>ab</B>c";
    EXPECT_EQ(VisibleToSourcePos(text, 1), 1);
    EXPECT_EQ(VisibleToSourcePos(text, 2), 5);   // right after "a", before "b"
    EXPECT_EQ(VisibleToSourcePos(text, 3), 6);   // right after "b", before "</B>"
    EXPECT_EQ(VisibleToSourcePos(text, 4), 11);  // after the last visible character
    EXPECT_EQ(VisibleToSourcePos(text, 5), 0);
    EXPECT_EQ(VisibleToSourcePos("a<b", 3), 3);  // a "<" without ">" is text
}

// -------------------------------------------------------------- search marks

TEST(HtmlTextUtils, HighlightMarksVisibleTextAndUnHighlightGivesItBack)
{
    const QString text = "<B>abc</B> abc";
    const QString marked = HighlightHTMLText(text, "b", "HI", false);
    EXPECT_EQ(marked, "<B>a<HI>b</HI>c</B> a<HI>b</HI>c");
    EXPECT_EQ(UnHighlightHTMLText(marked, "hi"), text);

    const struct {
        QString text, find;
        bool caseSensitive;
        QString out;
    } cases[] = {
        {"bb", "b", true, "<HI>b</HI><HI>b</HI>"},
        {"Abc aBC", "bc", false, "A<HI>bc</HI> a<HI>BC</HI>"},
        {"Abc aBC", "bc", true, "A<HI>bc</HI> aBC"},
        {"<I>x</I>y", "xy", true, "<HI><I>x</I>y</HI>"},        // a find across a tag
        {"a < b", "b", true, "a &lt; <HI>b</HI>"},               // brackets in the visible text
        {"abc", "abcd", true, "abc"},                             // longer than the visible text
        {"abc", "", true, "abc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HighlightHTMLText(c.text, c.find, "HI", c.caseSensitive), c.out) << s(c.text) << " / " << s(c.find);
}

TEST(HtmlTextUtils, UnHighlightRemovesMarksInAnyCaseAndTheMarksItJoins)
{
    EXPECT_EQ(UnHighlightHTMLText("a<hi>b</Hi>c", "HI"), "abc");
    EXPECT_EQ(UnHighlightHTMLText("<<HI>HI>x</</HI>HI>", "hi"), "x");
    EXPECT_EQ(UnHighlightHTMLText("1 &lt; 2 &gt; 0 <B>b</B>", "HI"), "1 < 2 > 0 <B>b</B>");
}

// ------------------------------------------------------------- form controls

TEST(HtmlTextUtils, ControlAttributesAreFoundInAnyOrderAndCase)
{
    const THTMLControlAttributes a = ParseHTMLControlAttributes(
        uR"(CONTROL value="x &amp; y" Type="combo" id="c1" WIDTH="80" prop="p&lt;1&gt;" MaxLen="12" height="30">)");
    EXPECT_EQ(a.Type, "COMBO");
    EXPECT_EQ(a.Width, "80");
    EXPECT_EQ(a.Height, "30");
    EXPECT_EQ(a.ID, "c1");
    EXPECT_EQ(a.Value, "x & y");
    EXPECT_EQ(a.Prop, "p<1>");
    EXPECT_EQ(a.MaxLen, "12");

    const THTMLControlAttributes b = ParseHTMLControlAttributes(uR"(CONTROL TYPE=EDIT ID="e" VALUE="open>)");
    EXPECT_EQ(b.Type, "E");          // an unquoted value reads the next quoted one
    EXPECT_EQ(b.ID, "e");
    EXPECT_EQ(b.Value, "open>");     // a value without its closing quote runs to the end
    EXPECT_EQ(b.Width, "");
}

TEST(HtmlTextUtils, SetHTMLControlValueRewritesTheTagInItsFixedOrder)
{
    QString text = R"(Name: <control type="edit" width="80" id="e1" value="a"> and <CONTROL TYPE="EDIT" WIDTH="9" ID="e2">!)";
    EXPECT_TRUE(SetHTMLControlValue(text, "e1", R"(b"&>c)"));
    EXPECT_EQ(text, R"(Name: <CONTROL ID="e1" VALUE="b&quot;&amp;&gt;c" WIDTH="80" TYPE="EDIT"> and <CONTROL TYPE="EDIT" WIDTH="9" ID="e2">!)");
    QString value;
    EXPECT_TRUE(GetHTMLControlValue(text, "e1", value));
    EXPECT_EQ(value, R"(b"&>c)");

    QString full = R"(<CONTROL TYPE="MASK" ID="m" WIDTH="50" HEIGHT="30" PROP="99&lt;9" MAXLEN="5" VALUE="1">)";
    EXPECT_TRUE(SetHTMLControlValue(full, "m", QString::fromUtf8("é")));
    EXPECT_EQ(full, R"(<CONTROL ID="m" VALUE="&eacute;" WIDTH="50" TYPE="MASK" HEIGHT="30" PROP="99&lt;9" MAXLEN="5">)");

    QString unchanged = text;
    EXPECT_FALSE(SetHTMLControlValue(unchanged, "E1", "x"));  // IDs compare exactly
    EXPECT_EQ(unchanged, text);
    value = "kept";
    EXPECT_FALSE(GetHTMLControlValue(text, "none", value));
    EXPECT_EQ(value, "kept");
}

TEST(HtmlTextUtils, ControlReadersFindTheControlByItsID)
{
    const QString text = R"(<CONTROL TYPE="BUTTON" ID="b" WIDTH="40" VALUE="Go">)"
                         R"(<CONTROL TYPE="EDIT" ID="e" WIDTH="40" MAXLEN="8x" PROP="p">)"
                         R"(<CONTROL TYPE="CHECK" ID="c" WIDTH="16">)"
                         R"(<CONTROL TYPE="combo" ID="k" WIDTH="40">)"
                         R"(<CONTROL TYPE="RADIO" ID="r" WIDTH="16">)";
    EXPECT_EQ(GetNextHTMLControlID(text, ""), "e");
    EXPECT_EQ(GetNextHTMLControlID(text, "e"), "k");
    EXPECT_EQ(GetNextHTMLControlID(text, "c"), "k");
    EXPECT_EQ(GetNextHTMLControlID(text, "k"), "");
    EXPECT_EQ(GetNextHTMLControlID(text, "r"), "");
    EXPECT_EQ(GetHTMLControlMaxLen(text, "e"), 8);
    EXPECT_EQ(GetHTMLControlMaxLen(text, "b"), 0);
    EXPECT_EQ(GetHTMLControlMaxLen(text, "none"), 0);
    EXPECT_EQ(GetHTMLControlProp(text, "e"), "p");
    EXPECT_EQ(GetHTMLControlProp(text, "none"), "");
    EXPECT_TRUE(HasHTMLControl("a <control x"));
    EXPECT_FALSE(HasHTMLControl("a <contro"));
}

TEST(HtmlTextUtils, ClearHTMLRadioControlsSwitchesEveryRadioOff)
{
    const QString text = R"(<CONTROL TYPE="RADIO" ID="r1" WIDTH="16" VALUE="TRUE">A )"
                         R"(<CONTROL TYPE="CHECK" ID="c" WIDTH="16" VALUE="TRUE">B )"
                         R"(<CONTROL TYPE="radio" ID="r2" WIDTH="16" VALUE="true">C)";
    EXPECT_EQ(ClearHTMLRadioControls(text),
              R"(<CONTROL ID="r1" VALUE="FALSE" WIDTH="16" TYPE="RADIO">A )"
              R"(<CONTROL TYPE="CHECK" ID="c" WIDTH="16" VALUE="TRUE">B )"
              R"(<CONTROL ID="r2" VALUE="FALSE" WIDTH="16" TYPE="RADIO">C)");
    EXPECT_EQ(ClearHTMLRadioControls("no controls"), "no controls");
}

// ------------------------------------------------------------ shared helpers

TEST(HtmlTextUtils, SharedHelpers)
{
    EXPECT_EQ(PosText(u"bR", u"aBr"), 2);
    EXPECT_EQ(PosText(u"\u00e9", u"\u00c9\u00e9"), 2);  // only ASCII letters ignore case
    EXPECT_EQ(PosText(u"", u"abc"), 0);
    QString text = "one TWO two";
    EXPECT_TRUE(ReplaceFirstText(u"two", u"2", text));
    EXPECT_EQ(text, "one 2 two");
    EXPECT_FALSE(ReplaceFirstText(u"three", u"3", text));
    EXPECT_EQ(PasswordMask("abc"), "***");
    bool number = false;
    EXPECT_EQ(LeadingNumber(u"12px", &number), 12);
    EXPECT_TRUE(number);
    EXPECT_EQ(LeadingNumber(u"px", &number), 0);
    EXPECT_FALSE(number);
    EXPECT_EQ(LeadingNumber(u"99999999999999"), 1000000);
}
