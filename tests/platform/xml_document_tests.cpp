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
