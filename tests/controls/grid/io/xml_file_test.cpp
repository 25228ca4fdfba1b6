// XML files: the exact text of the writer, its checks, and flat and nested
// documents read into the grid.

#include <gtest/gtest.h>

#include <QFile>

#include "controls/grid/grid_error.h"
#include "controls/grid/io/xml_format.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "support/temp_folder.h"

using namespace grid;

namespace xml_file_test {

void Fill(TExStringGrid& g, const QList<QStringList>& rows)
{
    g.SetRowCount(int(rows.size()));
    g.SetColCount(int(rows.front().size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) g.SetCellEx(c, r, rows[r][c]);
}

QString Error(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EExGridError& e) {
        return e.what();
    }
    return "no error";
}

TEST(XmlWriter, ExactTextWithAndWithoutEmptyCells)
{
    testing_support::TempFolder folder;
    TExStringGrid g;
    Fill(g, {{"a", "b"}, {"c", ""}});
    g.SaveToXML(folder.file("a.xml"), "LIST", "ROW", nullptr, false);
    EXPECT_EQ(folder.read("a.xml"), QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n"
                                               "<LIST>\r\n"
                                               "<ROW>\r\n<FIELD0>a</FIELD0>\r\n<FIELD1>b</FIELD1>\r\n</ROW>\r\n"
                                               "<ROW>\r\n<FIELD0>c</FIELD0>\r\n</ROW>\r\n"
                                               "</LIST>\r\n"));
    const QStringList names{"name", "value"};
    g.SaveToXML(folder.file("e.xml"), "list", "item", &names, true);
    EXPECT_EQ(folder.read("e.xml"), QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n"
                                               "<list>\r\n"
                                               "<item>\r\n<name>a</name>\r\n<value>b</value>\r\n</item>\r\n"
                                               "<item>\r\n<name>c</name>\r\n<value>&quot;&quot;</value>\r\n</item>\r\n"
                                               "</list>\r\n"));
}

TEST(XmlWriter, EscapesAndWritesTheDeclaredEncoding)
{
    testing_support::TempFolder folder;
    TExStringGrid g;
    Fill(g, {{"a&b", "x<y>\"", QString::fromUtf8("\xC3\xA9\xE2\x82\xAC")}});
    g.SaveToXML(folder.file("l.xml"), "L", "R", nullptr, false);
    EXPECT_TRUE(folder.read("l.xml").contains("<FIELD0>a$amp;b</FIELD0>\r\n"
                                              "<FIELD1>x&lt;y&gt;&quot;</FIELD1>\r\n"
                                              "<FIELD2>\xE9&#8364;</FIELD2>\r\n"));
    g.XMLEncoding = "UTF-8";
    g.SaveToXML(folder.file("u.xml"), "L", "R", nullptr, false);
    EXPECT_TRUE(folder.read("u.xml").startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n"));
    EXPECT_TRUE(folder.read("u.xml").contains("<FIELD2>\xC3\xA9\xE2\x82\xAC</FIELD2>"));
    g.XMLEncoding = "windows-1252";
    g.SaveToXML(folder.file("w.xml"), "L", "R", nullptr, false);
    EXPECT_TRUE(folder.read("w.xml").contains("<FIELD2>\xE9\x80</FIELD2>"));
    for (const char* encoding : {"ISO-8859-1", "UTF-8", "windows-1252", "UTF-16"}) {
        SCOPED_TRACE(encoding);
        g.XMLEncoding = encoding;
        g.SaveToXML(folder.file("r.xml"), "L", "R", nullptr, false);
        TExStringGrid h;
        h.LoadFromXML(folder.file("r.xml"));
        EXPECT_EQ(h.GetGridCell(0, 0), "a&b");
        EXPECT_EQ(h.GetGridCell(1, 0), "x<y>\"");
        EXPECT_EQ(h.GetGridCell(2, 0), QString::fromUtf8("\xC3\xA9\xE2\x82\xAC"));
    }
}

TEST(XmlWriter, RefusesBadNamesAndEncodingsBeforeWriting)
{
    testing_support::TempFolder folder;
    TExStringGrid g;
    Fill(g, {{"a", "b"}});
    const QString path = folder.file("a.xml");
    EXPECT_EQ(Error([&] { g.SaveToXML(path, "my list", "R", nullptr, false); }), "Invalid XML element name my list");
    EXPECT_EQ(Error([&] { g.SaveToXML(path, "L", "1row", nullptr, false); }), "Invalid XML element name 1row");
    const QStringList names{"ok", "a<b"};
    EXPECT_EQ(Error([&] { g.SaveToXML(path, "L", "R", &names, false); }), "Invalid XML element name a<b");
    g.XMLEncoding = "EBCDIC";
    EXPECT_EQ(Error([&] { g.SaveToXML(path, "L", "R", nullptr, false); }), "Unsupported XML encoding EBCDIC");
    EXPECT_FALSE(QFile::exists(path));
}

TEST(XmlReader, FlatListsAtRowZeroOrBelowTheFieldNames)
{
    testing_support::TempFolder folder;
    TExStringGrid g;
    Fill(g, {{"a", "&lt;", "c"}, {"", "e", "f"}, {"g", "", ""}});
    g.SaveToXML(folder.file("a.xml"), "L", "R", nullptr, false);

    TExStringGrid h;
    h.LoadFromXML(folder.file("a.xml"));
    EXPECT_EQ(h.ColCount(), 3);
    EXPECT_EQ(h.RowCount(), 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_EQ(h.GetGridCell(c, r), g.GetGridCell(c, r)) << c << "," << r;

    TExStringGrid n;
    n.SetFixedRows(1);
    n.LoadFromXML(folder.file("a.xml"), false, true);
    EXPECT_EQ(n.RowCount(), 4);
    EXPECT_EQ(n.GetGridCell(0, 0), "FIELD0");
    EXPECT_EQ(n.GetGridCell(1, 0), "FIELD1");
    EXPECT_EQ(n.GetGridCell(2, 0), "FIELD2");
    EXPECT_EQ(n.GetGridCell(0, 1), "a");
    EXPECT_EQ(n.GetGridCell(2, 2), "f");
}

TEST(XmlReader, AttributesAndNestedDocuments)
{
    testing_support::TempFolder folder;
    const QString attributes = folder.write("a.xml", "<list>\n"
                                                     "  <item name=\"x\" value=\"1\"/>\n"
                                                     "  <item name=\"y\" value=\"$amp;2\"/>\n"
                                                     "</list>\n");
    TExStringGrid g;
    g.SetFixedRows(1);
    g.LoadFromXML(attributes, false, true);
    EXPECT_EQ(g.GetGridCell(0, 0), "name");
    EXPECT_EQ(g.GetGridCell(1, 0), "value");
    EXPECT_EQ(g.GetGridCell(0, 1), "x");
    EXPECT_EQ(g.GetGridCell(1, 2), "&2");
    EXPECT_EQ(g.RowCount(), 3);

    // Levels become columns: each record's values left to right.
    const QString nested = folder.write("n.xml", "<root>\n"
                                                 "<a><b><c>1</c><d>2</d></b><e>3</e></a>\n"
                                                 "<a><b><c>4</c><c>5</c></b><e>6</e></a>\n"
                                                 "</root>\n");
    TExStringGrid h;
    h.LoadFromXML(nested);
    ASSERT_EQ(h.ColCount(), 3);
    ASSERT_EQ(h.RowCount(), 2);
    EXPECT_EQ(QStringList({h.GetGridCell(0, 0), h.GetGridCell(1, 0), h.GetGridCell(2, 0)}),
              QStringList({"1", "2", "3"}));
    EXPECT_EQ(QStringList({h.GetGridCell(0, 1), h.GetGridCell(1, 1), h.GetGridCell(2, 1)}),
              QStringList({"4", "5", "6"}));

    // Levels become rows: a record with attributes starts a row, its
    // children follow one level in.
    const QString levels = folder.write("l.xml", "<root>\n"
                                                 "<group name=\"G1\"><v>1</v><v>2</v></group>\n"
                                                 "</root>\n");
    TExStringGrid k;
    k.SetFixedRows(0);
    k.LoadFromXML(levels, true, false);
    EXPECT_EQ(k.GetGridCell(0, 0), "G1");
    EXPECT_EQ(k.GetGridCell(1, 1), "1");
    EXPECT_EQ(k.GetGridCell(2, 1), "2");
}

// The reader keeps an element's leading text inside the element; the walk
// must read every document exactly as with every text a node of its own:
// mixed content, text before and after child elements and CDATA, texts at
// the list and record level, empty and whitespace texts, in every mode.
TEST(XmlReader, TextKeptInElementsReadsLikeSeparateTextNodes)
{
    const char* documents[] = {
        "<L><R><A>1</A><B>2</B></R><R><B>3</B><C/></R><R><A>$amp;lt;</A><A>x</A></R></L>",
        "<L>lead<R>r1<A>1</A>mid<B>2</B>tail</R>between<R><A>a<b>b</b>c</A><B/></R>end</L>",
        "<L><R><A><![CDATA[c1]]>t1</A><B>t2<![CDATA[c2]]></B></R><R><A>&amp;&lt;&#13;&#10;</A></R></L>",
        "<L><R k=\"v\">x<A>1</A></R><R><A k=\"w\">2</A><B>  </B></R><R>   <A> 3 </A></R></L>",
        "<L><G n=\"1\">t<V>1</V><V>2<W>3</W></V></G><G>only text</G><G><H><I>deep</I></H>after</G></L>",
        "<L><R><A>&#0;</A><B>&#0;x</B><C>&#65;</C></R><R><A>\"\"</A><B></B></R></L>",
        "<L>just text</L>",
        "<L><R><FIELD3>d</FIELD3><FIELD0>a</FIELD0><X>e</X></R><R><X>f</X><FIELD1>b</FIELD1></R></L>",
    };
    struct Mode {
        bool levelToRow, loadFieldDescr, fixedRow, quoteEmpty;
    };
    const Mode modes[] = {{false, false, false, false}, {true, false, false, false}, {false, true, true, false},
                          {true, true, true, true},     {false, false, true, true}};
    for (const char* document : documents) {
        for (const Mode& mode : modes) {
            SCOPED_TRACE(std::string(document) + " mode " + std::to_string(&mode - modes));
            auto read = [&](bool separate) {
                auto g = std::make_unique<TExStringGrid>();
                g->SetFixedRows(mode.fixedRow ? 1 : 0);
                g->SaveFixedRows = mode.fixedRow;
                g->QuoteEmptyCells = mode.quoteEmpty;
                io::TXmlReader reader;
                reader.LevelToRow = mode.levelToRow;
                reader.LoadFieldDescr = mode.loadFieldDescr;
                reader.SeparateTextNodes = separate;
                reader.Read(*g, QByteArray(document), "t.xml");
                QStringList cells{QString("%1 x %2").arg(g->ColCount()).arg(g->RowCount())};
                for (int r = 0; r < g->RowCount(); ++r)
                    for (int c = 0; c < g->ColCount(); ++c) cells << g->GetGridCell(c, r);
                return cells;
            };
            EXPECT_EQ(read(false), read(true));
        }
    }
}

TEST(XmlReader, MissingAndBrokenFilesAndWindowsCodePage)
{
    testing_support::TempFolder folder;
    TExStringGrid g;
    EXPECT_EQ(Error([&] { g.LoadFromXML(folder.file("none.xml")); }), "XML file not found");
    const QString broken = folder.write("b.xml", "<a>\n<b>\n</a>\n");
    EXPECT_TRUE(Error([&] { g.LoadFromXML(broken); }).startsWith("XMLDOM Parsing error "));
    EXPECT_TRUE(Error([&] { g.LoadFromXML(broken); }).endsWith(" on line 3"));
    const QString cp = folder.write("w.xml", "<?xml version=\"1.0\" encoding=\"windows-1252\" ?>\r\n"
                                             "<L><R><F>\x80</F><G>x</G></R></L>\r\n");
    g.LoadFromXML(cp);
    EXPECT_EQ(g.GetGridCell(0, 0), QString::fromUtf8("\xE2\x82\xAC"));
}

}  // namespace xml_file_test
