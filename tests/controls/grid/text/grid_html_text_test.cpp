#include <gtest/gtest.h>

#include "controls/grid/text/grid_html_text.h"

using namespace grid;

namespace {

const QByteArray htmlDocumentStart =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"
    "<html><head><META http-equiv=Content-Type content=\"text/html; charset=iso-8859-1\"></head>"
    "<body><!--StartFragment-->";
const QByteArray htmlDocumentEnd = "<!--EndFragment--></body></html>";

}  // namespace

TEST(GridHtmlText, ClipboardHtmlOfAnAsciiFragment)
{
    // Worked out by hand: a 97-byte header, the fragment at 274.
    const QByteArray expected = "Version:1.0\r\n"
                                "StartHTML:00000097\r\n"
                                "EndHTML:00000314\r\n"
                                "StartFragment:00000274\r\n"
                                "EndFragment:00000282\r\n" +
                                htmlDocumentStart + "<b>x</b>" + htmlDocumentEnd;
    const QByteArray html = BuildClipboardHTML("<b>x</b>");
    EXPECT_EQ(html, expected);
    EXPECT_EQ(html.size(), 314);
    EXPECT_EQ(html.mid(97, 9), QByteArray("<!DOCTYPE"));
    EXPECT_EQ(html.mid(274, 8), QByteArray("<b>x</b>"));
}

TEST(GridHtmlText, ClipboardHtmlOffsetsCountTheBytesWritten)
{
    struct Case {
        QString fragment;
        QByteArray bytes;  // the fragment as written
    };
    const Case cases[] = {
        {QString::fromUtf8("Grüße"), QByteArray("Gr\xFC\xDF" "e")},           // ISO-8859-1, one byte each
        {QString::fromUtf8("5 €"), QByteArray("5 &#8364;")},                  // beyond it: a reference
        {QString::fromUtf8("x\U0001F600"), QByteArray("x&#128512;")},        // a surrogate pair is one character
        {QString(), QByteArray()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        const QByteArray html = BuildClipboardHTML(c.fragment);
        const qsizetype endFragment = 274 + c.bytes.size();
        const qsizetype endHtml = endFragment + htmlDocumentEnd.size();
        EXPECT_TRUE(html.contains("EndHTML:" + QByteArray::number(endHtml).rightJustified(8, '0') + "\r\n"));
        EXPECT_TRUE(html.contains("EndFragment:" + QByteArray::number(endFragment).rightJustified(8, '0') + "\r\n"));
        EXPECT_EQ(html.size(), endHtml);
        EXPECT_EQ(html.mid(274, c.bytes.size()), c.bytes);
        EXPECT_EQ(html.mid(endFragment), htmlDocumentEnd);
    }
}

TEST(GridHtmlText, ColoursAndLineBreaks)
{
    EXPECT_EQ(ColorToHTMLHex(0x00332211), QStringLiteral("112233"));
    EXPECT_EQ(ColorToHTMLHex(0x000000FF), QStringLiteral("FF0000"));
    EXPECT_EQ(ColorToHTMLHex(0x00A0B0C0), QStringLiteral("C0B0A0"));
    EXPECT_EQ(ColorToHTMLHex(0xFF00000F), QStringLiteral("0F0000"));  // system colour not resolved
    EXPECT_EQ(CRToBR("a\r\nb"), QStringLiteral("a<br>\nb"));
}

TEST(GridHtmlText, LinkifyURL)
{
    struct Case {
        QString text;
        QString scheme;
        bool linked;
        QString html;
    };
    const Case cases[] = {
        {"write to mailto:x now", "MAILTO:", true, "write to <a href=\"mailto:x\">mailto:x</a> now"},
        {"see FTP://host/dir_1/{a}(b) end", "FTP://", true,
         "see <a href=\"FTP://host/dir_1/{a}(b)\">FTP://host/dir_1/{a}(b)</a> end"},
        {"<b>http://a.b/c?d</b>", "HTTP://", true,
         "&lt;b&gt;<a href=\"http://a.b/c\">http://a.b/c</a>?d&lt;/b&gt;"},
        {"Http://x", "HTTP://", true, "<a href=\"Http://x\">Http://x</a>"},
        {"no link here", "HTTP://", false, "unchanged"},
        // A scheme that escaping changes is in the text but no longer in the escaped text.
        {"see a<b://x", "A<B://", false, "unchanged"},
        {"x>y:z", "X>Y:", false, "unchanged"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        QString html = "unchanged";
        EXPECT_EQ(LinkifyURL(c.text, c.scheme, html), c.linked);
        EXPECT_EQ(html, c.html);
    }
}

TEST(GridHtmlText, UrlsAndCellReferences)
{
    EXPECT_TRUE(IsURL("http://x"));
    EXPECT_TRUE(IsURL("mailto:me"));
    EXPECT_FALSE(IsURL("MAILTO:me"));
    EXPECT_FALSE(IsURL("plain"));

    const std::pair<QString, QString> strips[] = {
        {"http://x/y", "x/y"}, {"a mailto:me", "me"}, {"plain", "plain"}, {"mailto:a://b", "b"}};
    for (const auto& [text, expected] : strips) {
        QString s = text;
        StripURLScheme(s);
        EXPECT_EQ(s, expected) << text.toStdString();
    }

    struct Ref {
        QString text;
        bool ok;
        QPoint cell;
    };
    const Ref refs[] = {
        {"R3C2", true, {2, 3}}, {"r10c4", true, {4, 10}}, {"R3C", false, {}}, {"X3C2", false, {}},
        {"R3", false, {}},      {"RxC2", false, {}},      {"R1C2C", false, {}},
    };
    for (const Ref& r : refs) {
        SCOPED_TRACE(r.text.toStdString());
        QPoint cell(-7, -7);
        EXPECT_EQ(ParseCellRef(r.text, cell), r.ok);
        if (r.ok) {
            EXPECT_EQ(cell, r.cell);
        }
    }
}
