#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include "platform/xml_document.h"
#include "support/temp_folder.h"

using platform::XmlDocument;
using platform::XmlElement;

TEST(XmlDocument, RootIsTheFirstElementWhateverStandsBeforeIt)
{
    const char* texts[] = {
        "<Root><a>1</a></Root>",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Root><a>1</a></Root>",
        "<!-- note --><?pi x?><Root><a>1</a></Root><!--SW_VERSION = 1.001-->",
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        XmlDocument doc;
        ASSERT_TRUE(doc.loadFromText(text));
        EXPECT_EQ(doc.root().name(), "Root");
        EXPECT_EQ(doc.root().childText("a"), "1");
    }
}

TEST(XmlDocument, MissingNodesReadAsEmpty)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.loadFromText("<R><row col1=\"x\"/></R>"));
    const XmlElement row = doc.root().child("row");
    EXPECT_EQ(row.attribute("col1"), "x");
    EXPECT_EQ(row.attribute("col2"), "");
    EXPECT_FALSE(row.hasAttribute("col2"));
    EXPECT_TRUE(doc.root().child("nothing").isNull());
    EXPECT_EQ(doc.root().child("nothing").child("deeper").attribute("a"), "");
    EXPECT_EQ(doc.root().childText("Row"), "");  // names are case-sensitive
}

TEST(XmlDocument, BadInputLeavesAnEmptyDocument)
{
    XmlDocument doc;
    QString error;
    EXPECT_FALSE(doc.loadFromText("<R><a>1</a>", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(doc.root().isNull());
    testing_support::TempFolder dir;
    EXPECT_FALSE(doc.load(dir.file("absent.xml"), &error));
    EXPECT_TRUE(doc.root().isNull());
}

TEST(XmlDocument, SavesWithoutDeclarationAndRoundTrips)
{
    testing_support::TempFolder dir;
    XmlDocument doc;
    XmlElement root = doc.appendRoot("EtherCAT_Slave");
    doc.appendComment("SW_VERSION = 1.001");
    XmlElement row = root.appendChild("Var");
    row.setAttribute("Name", "a<b & \"c\"");
    row.setAttribute("Text", QString::fromUtf8("line1\nline2 \xC3\xA9"));
    root.appendTextChild("Value", "  spaced  ");
    root.appendTextChild("Blank", " ");
    ASSERT_TRUE(doc.save(dir.file("p.xml")));

    const QByteArray bytes = dir.read("p.xml");
    EXPECT_TRUE(bytes.startsWith("<EtherCAT_Slave>")) << bytes.constData();
    EXPECT_TRUE(bytes.trimmed().endsWith("<!--SW_VERSION = 1.001-->")) << bytes.constData();

    XmlDocument back;
    ASSERT_TRUE(back.load(dir.file("p.xml")));
    const XmlElement var = back.root().child("Var");
    EXPECT_EQ(var.attribute("Name"), "a<b & \"c\"");
    EXPECT_EQ(var.attribute("Text"), QString::fromUtf8("line1\nline2 \xC3\xA9"));
    EXPECT_EQ(back.root().childText("Value"), "  spaced  ");
    EXPECT_EQ(back.root().childText("Blank"), " ");
    EXPECT_EQ(back.root().child("Var").text(), "");  // indentation is no text
}

TEST(XmlDocument, SetTextReplacesAndChildrenListsInOrder)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.loadFromText("<R><x>old</x><y/><x>2</x></R>"));
    XmlElement x = doc.root().child("x");
    x.setText("new");
    EXPECT_EQ(doc.root().childText("x"), "new");
    ASSERT_EQ(doc.root().children("x").size(), 2u);
    EXPECT_EQ(doc.root().children("x")[1].text(), "2");
    ASSERT_EQ(doc.root().children().size(), 3u);
    EXPECT_EQ(doc.root().children()[1].name(), "y");
}

namespace xml_document_tests {

// Parses `bytes` with a strict XML 1.0 reader; empty when they are
// well-formed, else its complaint.
QString strictParseError(const QByteArray& bytes)
{
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd())
        reader.readNext();
    return reader.hasError() ? reader.errorString() : QString();
}

TEST(XmlDocument, BytesThatAreNotTheDeclaredEncodingAreRefused)
{
    const QString umlaut = QString::fromUtf8("\xC3\xA4");  // ä
    QByteArray utf16("\xFF\xFE", 2);
    for (QChar c : QStringLiteral("<R>") + umlaut + QStringLiteral("</R>"))
        utf16.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* badAt;  // offset of the first bad byte; null when the text loads
    };
    const Case cases[] = {
        {"latin-1 without declaration", "<R>\xE4</R>", "3"},
        {"latin-1 declared as utf-8", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><R>\xE4</R>", "41"},
        {"utf-8 cut short at the end", "<R/>\xC3", "4"},
        {"overlong form of '<'", "<R>\xC0\xBC</R>", "3"},
        {"encoded surrogate", "<R>\xED\xA0\x80</R>", "3"},
        {"beyond U+10FFFF", "<R>\xF4\x90\x80\x80</R>", "3"},
        {"latin-1 declared", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><R>\xE4</R>", nullptr},
        {"utf-8", "<R>\xC3\xA4</R>", nullptr},
        {"utf-8 with byte order mark", "\xEF\xBB\xBF<R>\xC3\xA4</R>", nullptr},
        {"utf-16 with byte order mark", utf16, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        XmlDocument doc;
        QString error;
        const bool loaded = doc.loadFromText(c.bytes, &error);
        if (!c.badAt) {
            ASSERT_TRUE(loaded) << error.toStdString();
            EXPECT_EQ(doc.root().text().toStdString(), umlaut.toStdString());
            continue;
        }
        EXPECT_FALSE(loaded);
        EXPECT_TRUE(doc.root().isNull());
        EXPECT_EQ(error.toStdString(), "Not well-formed XML at offset " + std::string(c.badAt)
                                           + ": the text is not valid UTF-8");
    }
}

TEST(XmlDocument, TextComesBackExactlyAsItWasSet)
{
    // CR must be written as a reference: the reader turns a raw CR or CR LF
    // into LF. In attributes tab and LF must be too, or they read as blanks.
    const QString text = QString::fromUtf8("a\rb\r\nc\nd\te <&>\"' \xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80 ");
    XmlDocument doc;
    XmlElement root = doc.appendRoot("R");
    root.setAttribute("a", text);
    root.appendTextChild("t", text);
    root.appendTextChild("crlf", "\r\n");
    EXPECT_EQ(doc.toText().toStdString(), std::string("<R a=\"a&#13;b&#13;&#10;c&#10;d&#9;e &lt;&amp;>&quot;' \xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80 \">\n"
                                       "\t<t>a&#13;b&#13;\nc\nd\te &lt;&amp;&gt;\"' \xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80 </t>\n"
                                       "\t<crlf>&#13;\n</crlf>\n"
                                       "</R>\n"));

    testing_support::TempFolder dir;
    ASSERT_TRUE(doc.save(dir.file("t.xml")));
    XmlDocument back;
    ASSERT_TRUE(back.load(dir.file("t.xml")));
    EXPECT_EQ(back.root().attribute("a").toStdString(), text.toStdString());
    EXPECT_EQ(back.root().childText("t").toStdString(), text.toStdString());
    EXPECT_EQ(back.root().childText("crlf").toStdString(), "\r\n");
    // Saved again, nothing changes.
    EXPECT_EQ(back.toText().toStdString(), doc.toText().toStdString());
}

TEST(XmlDocument, WhatIsNoXmlCharacterIsNeverWritten)
{
    // Control characters other than tab, LF and CR, lone surrogates and
    // U+FFFE/U+FFFF are dropped; a surrogate pair (U+1F600) stays.
    QString text = QStringLiteral("a\x01" "b\x08" "c\x0B\x0C\x1F" "d");
    text += QChar(0xD800);
    text += QStringLiteral("e");
    text += QChar(0xDC00);
    text += QChar(0xFFFE);
    text += QChar(0xFFFF);
    text += QString::fromUtf8("\xF0\x9F\x98\x80");
    text += QChar(0xD83D);  // a high surrogate at the very end
    const QString kept = QString::fromUtf8("abcde\xF0\x9F\x98\x80");

    XmlDocument doc;
    XmlElement root = doc.appendRoot("R");
    root.setAttribute("a", text);
    root.setText(text);
    doc.appendComment(text);
    const std::string expected = "<R a=\"abcde\xF0\x9F\x98\x80\">abcde\xF0\x9F\x98\x80</R>\n<!--abcde\xF0\x9F\x98\x80-->\n";
    EXPECT_EQ(doc.toText().toStdString(), expected);
    EXPECT_EQ(root.text().toStdString(), kept.toStdString());
    EXPECT_EQ(root.attribute("a").toStdString(), kept.toStdString());

    // The same characters in a file read (as references or raw bytes) are
    // dropped when it is saved.
    ASSERT_TRUE(doc.loadFromText("<R a=\"a&#1;b\x01&#xFFFF;c\">a&#x1F;b\x01\xEF\xBF\xBE" "c&#13;</R><!--x\x02-->"));
    EXPECT_EQ(doc.toText().toStdString(), std::string("<R a=\"abc\">abc&#13;</R>\n<!--x-->\n"));
    EXPECT_EQ(strictParseError(doc.toText()).toStdString(), "");
}

// Every kind of node a file read may hold is written back in the layout of
// the files the program writes: one tab per level, text kept on the line of
// its element, no declaration (what is saved is always UTF-8).
TEST(XmlDocument, EveryKindOfNodeIsWrittenBack)
{
    struct Case {
        const char* read;
        const char* written;
    };
    const Case cases[] = {
        {"<R><a/><b>t</b><c><d x=\"1\" y=\"\"/></c></R>",
         "<R>\n\t<a />\n\t<b>t</b>\n\t<c>\n\t\t<d x=\"1\" y=\"\" />\n\t</c>\n</R>\n"},
        {"<R>a<!--c-->b<?p x?><![CDATA[<z>]]><e/>f</R>", "<R>a<!--c-->b<?p x?><![CDATA[<z>]]><e />f</R>\n"},
        {"<R><!--c--><e>t</e></R>", "<R>\n\t<!--c-->\n\t<e>t</e>\n</R>\n"},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<!DOCTYPE R>\n<!--before--><R/><!--after-->",
         "<!DOCTYPE R>\n<!--before-->\n<R />\n<!--after-->\n"},
        {"<R> </R>", "<R> </R>\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.read);
        XmlDocument doc;
        ASSERT_TRUE(doc.loadFromText(c.read));
        EXPECT_EQ(doc.toText().toStdString(), std::string(c.written));
    }
    // A comment is kept well-formed whatever its text.
    XmlDocument doc;
    doc.appendRoot("R");
    doc.appendComment("a--b-");
    EXPECT_EQ(doc.toText().toStdString(), std::string("<R />\n<!--a- -b- -->\n"));
}

}  // namespace xml_document_tests
