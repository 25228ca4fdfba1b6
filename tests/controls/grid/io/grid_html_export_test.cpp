// The grid's HTML export: document texts for small grids worked out by hand
// from the export's rules, escaping, links, spans, widths and pictures.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "controls/grid/cells/cell_graphic.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/io/grid_html_export.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/jpeg_image.h"
#include "support/temp_folder.h"

using namespace grid;
using testing_support::TempFolder;

namespace grid_html_export_test {

// A grid with plain known looks: white cells, silver fixed cells, black
// 8 pt Tahoma everywhere.
std::unique_ptr<TExStringGrid> makeGrid(int cols, int rows)
{
    auto g = std::make_unique<TExStringGrid>();
    g->SetColCount(cols);
    g->SetRowCount(rows);
    g->SetColor(clWhite);
    g->SetFixedColor(clSilver);
    const TCellFont font{"Tahoma", 8, 0, clBlack};
    g->SetFont(font);
    g->SetFixedFont(font);
    return g;
}

QString doc(TExStringGrid& g) { return io::HTMLDocumentWithoutPictures(g); }

// The TD lines of a document.
QStringList cellLines(const QString& document)
{
    QStringList out;
    for (const QString& line : document.split("\r\n"))
        if (line.startsWith("<TD")) out << line;
    return out;
}

TEST(HTMLExport, SmallGridWithDefaultSettings)
{
    auto g = makeGrid(2, 2);
    g->SetCellEx(0, 0, "H");
    g->SetCellEx(0, 1, "a");
    // Row 0 is the header row; the fixed column and the header take the
    // fixed colour; empty cells are a non-breaking space.
    const QString expected =
        "<style>\r\n"
        ".c0 {background-color: #C0C0C0;color: #000000;font-size:8pt;font-family: Tahoma;vertical-align: top}\r\n"
        ".c1 {background-color: #FFFFFF;color: #000000;font-size:8pt;font-family: Tahoma;vertical-align: top}\r\n"
        "</style>\r\n"
        "<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\"  WIDTH=\"100%\">\r\n"
        "<TR>\r\n"
        "<TD class=\"c0\">H</td>\r\n"
        "<TD class=\"c0\">&nbsp;</td>\r\n"
        "</TR>\r\n"
        "<TR>\r\n"
        "<TD class=\"c0\">a</td>\r\n"
        "<TD class=\"c1\">&nbsp;</td>\r\n"
        "</TR>\r\n"
        "</TABLE>\r\n";
    EXPECT_EQ(doc(*g), expected);
}

TEST(HTMLExport, XHTMLPrologTableOptionsAndWidths)
{
    auto g = makeGrid(2, 2);
    g->HTMLSettings.XHTML = true;
    g->HTMLSettings.PrefixTag = "<!-- p -->";
    g->HTMLSettings.Summary = "S&P";
    g->HTMLSettings.TableStyle = "class=\"t\"";
    g->HTMLSettings.Width = 50;
    g->HTMLSettings.BorderSize = 2;
    g->HTMLSettings.SuffixTag = "<p>end</p>";
    g->HTMLSettings.ColWidths = {40, 60};
    const QString d = doc(*g);
    EXPECT_TRUE(d.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                             "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"\r\n"
                             "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\r\n"
                             "<HTML xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">\r\n"
                             "<!-- p --><style>\r\n"))
        << d.toStdString();
    EXPECT_TRUE(d.contains("<TABLE BORDER=\"2\" CELLSPACING=\"0\" CELLPADDING=\"0\" SUMMARY=\"S&amp;P\"  "
                           "class=\"t\"  WIDTH=\"50%\">\r\n"))
        << d.toStdString();
    EXPECT_TRUE(d.endsWith("</TABLE>\r\n<p>end</p>\r\n</HTML>\r\n"));
    // Widths go on the header cells only when there is a header row...
    EXPECT_EQ(cellLines(d), (QStringList{"<TD class=\"c0\" WIDTH=40>&nbsp;</td>", "<TD class=\"c0\" WIDTH=60>&nbsp;</td>",
                                         "<TD class=\"c0\">&nbsp;</td>", "<TD class=\"c1\">&nbsp;</td>"}));
    // ... and on the body cells when there is none.
    g->SaveFixedCells = false;
    g->SetFixedCols(0);
    EXPECT_EQ(cellLines(doc(*g)), (QStringList{"<TD class=\"c0\" width=40>&nbsp;</td>",
                                               "<TD class=\"c0\" width=60>&nbsp;</td>"}));
}

TEST(HTMLExport, MergedBlockIsOneCellWithSpans)
{
    auto g = makeGrid(3, 3);
    g->MergeCells(1, 1, 2, 2);
    g->SetCellEx(1, 1, "m");
    const QStringList cells = cellLines(doc(*g));
    ASSERT_EQ(cells.size(), 3 + 2 + 1);
    EXPECT_EQ(cells[4], "<TD class=\"c1\" COLSPAN=\"2\" ROWSPAN=\"2\">m</td>");
    EXPECT_EQ(cells[5], "<TD class=\"c0\">&nbsp;</td>");  // row 2: only the fixed column
}

TEST(HTMLExport, StylesAreSharedByLookAndNumberedByFirstUse)
{
    auto g = makeGrid(4, 2);
    g->SetFixedCols(0);
    g->GetCellProperties(0, 1)->SetBrushColor(0x00336699);
    g->GetCellProperties(1, 1)->SetBrushColor(0x00336699);
    g->GetCellProperties(2, 1)->SetFontStyle(fsBold | fsItalic);
    g->GetCellProperties(3, 1)->SetAlignment(taRightJustify);
    g->HTMLSettings.SaveFonts = false;
    const QString d = doc(*g);
    EXPECT_TRUE(d.contains(".c1 {background-color: #996633;color: #000000;font-size:8pt;font-family: Tahoma;"
                           "vertical-align: top}\r\n"))
        << d.toStdString();
    EXPECT_TRUE(d.contains(".c2 {background-color: #FFFFFF;color: #000000;font-size:8pt;font-style: italic;"
                           "font-weight: bold;font-family: Tahoma;vertical-align: top}\r\n"));
    EXPECT_TRUE(d.contains(".c3 {background-color: #FFFFFF;color: #000000;font-size:8pt;font-family: Tahoma;"
                           "text-align: right;vertical-align: top}\r\n"));
    const QStringList cells = cellLines(d);
    EXPECT_EQ(cells.mid(4), (QStringList{"<TD class=\"c1\">&nbsp;</td>", "<TD class=\"c1\">&nbsp;</td>",
                                         "<TD class=\"c2\">&nbsp;</td>", "<TD class=\"c3\">&nbsp;</td>"}));

    g->HTMLSettings.SaveColor = false;
    EXPECT_FALSE(doc(*g).contains("color:"));
}

TEST(HTMLExport, TextsAreEscapedAndBeyondASCIIAsReferences)
{
    struct Case {
        const char* name;
        QString text;
        QString html;
        bool header = false;
    };
    const Case cases[] = {
        {"markup characters", "a<b & \"c\">", "a&lt;b &amp; &quot;c&quot;&gt;"},
        {"accent", QString::fromUtf8("caf\u00e9"), "caf&#233;"},
        {"outside the BMP", QString::fromUtf8("\U0001F600"), "&#128512;"},
        {"line break", "one\r\ntwo", "one<br>\ntwo"},
        {"blank only", "  ", "&nbsp;"},
        {"mini-HTML kept", QString::fromUtf8("<b>b\u00f6ld</b>"), "<b>b&#246;ld</b>"},
        {"header escaped always", "<b>x</b>", "&lt;b&gt;x&lt;/b&gt;", true},
    };
    for (const Case& c : cases) {
        auto g = makeGrid(2, 2);
        g->SetCellEx(1, c.header ? 0 : 1, c.text);
        const QStringList cells = cellLines(doc(*g));
        const QString line = cells[c.header ? 1 : 3];
        EXPECT_EQ(line.mid(line.indexOf('>') + 1).chopped(5), c.html) << c.name;
    }

    auto g = makeGrid(2, 2);
    g->SetCellEx(1, 1, QString::fromUtf8("a \u00e9<"));
    g->HTMLSettings.ConvertSpecialChars = true;
    g->HTMLSettings.NonBreakingText = true;
    EXPECT_EQ(cellLines(doc(*g))[3], "<TD class=\"c1\">a&nbsp;&eacute;&lt;</td>");
    g->SaveWithHTML = false;
    g->SetCellEx(1, 1, "<b>x</b>");
    EXPECT_EQ(cellLines(doc(*g))[3], "<TD class=\"c1\">x</td>");
}

TEST(HTMLExport, LinksBecomeAnchorsWithQuotedEscapedTargets)
{
    struct Case {
        QString text;
        bool full;
        QString html;
    };
    const Case cases[] = {
        {"http://x", false, "<a href=\"http://x\">x</a>"},
        {"http://x", true, "<a href=\"http://x\">http://x</a>"},
        {"mailto:joe@x", false, "<a href=\"mailto:joe@x\">joe@x</a>"},
        {"http://x/\"><script>", false, "<a href=\"http://x/&quot;&gt;&lt;script&gt;\">x/&quot;&gt;&lt;script&gt;</a>"},
        {"<a href=\"http://y\">y</a>", false, "<a href=\"http://y\">y</a>"},  // already a link: mini-HTML kept
    };
    for (const Case& c : cases) {
        auto g = makeGrid(2, 2);
        g->URLShow = true;
        g->URLFull = c.full;
        g->SetCellEx(1, 1, c.text);
        EXPECT_EQ(cellLines(doc(*g))[3], "<TD class=\"c1\">" + c.html + "</td>") << c.text.toStdString();
    }
}

TEST(HTMLExport, PicturesAreJpegFilesThatNeverReplaceExistingOnes)
{
    testing_support::TempFolder folder;
    const QString dir = folder.path() + "/";
    auto g = makeGrid(2, 2);
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    g->CreateCellGraphic(1, 1)->SetCellType(ctPicture);
    g->GetGraphicObjectEx(1, 1)->AdoptCellBitmap(std::make_unique<QImage>(image));
    g->SetCellEx(1, 1, "pic");
    g->CreateCellGraphic(0, 0)->SetCellType(ctNode);

    folder.write("images/img1.jpg", "keep");
    const QString d = g->SaveToHTMLString(dir);
    EXPECT_EQ(cellLines(d)[0], "<TD class=\"c0\">+&nbsp;</td>");
    EXPECT_EQ(cellLines(d)[3], "<TD class=\"c1\">pic<img src= \"file://" + dir + "images/img2.jpg\"></td>");
    EXPECT_EQ(folder.read("images/img1.jpg"), "keep");
    const QImage written = platform::DecodeJpeg(folder.read("images/img2.jpg"));
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.size(), image.size());
    EXPECT_NEAR(written.pixelColor(2, 2).red(), 200, 8);

    // Without pictures (the clipboard's copy) nothing is written.
    EXPECT_EQ(cellLines(io::HTMLDocumentWithoutPictures(*g))[3], "<TD class=\"c1\">pic</td>");
    EXPECT_FALSE(QFile::exists(dir + "images/img3.jpg"));

    // A picture folder that cannot be made fails the export; no file is written.
    const QString blocked = folder.write("blocked", "a file") + "/";
    EXPECT_THROW(g->SaveToHTMLString(blocked), EExGridError);
    const QString out = blocked + "out.html";
    try {
        g->SaveToHTML(out);
        ADD_FAILURE() << "no error";
    } catch (const EExGridError& e) {
        EXPECT_EQ(std::string(e.what()), ("Cannot create " + blocked + "images").toStdString());
    }
}

TEST(HTMLExport, FilesWithHeaderFooterAppendAndUnicode)
{
    testing_support::TempFolder folder;
    auto g = makeGrid(1, 1);
    g->SetCellEx(0, 0, QString::fromUtf8("\u00e9"));
    g->HTMLSettings.HeaderFile = folder.write("head.txt", "<html>\r\n<body>\r\n");
    g->HTMLSettings.FooterFile = folder.write("foot.txt", "</body>\n</html>");
    const QString path = folder.path() + "/grid.html";
    g->SaveToHTML(path);
    const QByteArray ascii = folder.read("grid.html");
    EXPECT_TRUE(ascii.startsWith("<html>\r\n<body>\r\n<style>\r\n"));
    EXPECT_TRUE(ascii.contains("&#233;"));
    EXPECT_TRUE(ascii.endsWith("</TABLE>\r\n</body>\r\n</html>\r\n"));

    g->HTMLSettings.HeaderFile.clear();
    g->HTMLSettings.FooterFile.clear();
    g->AppendToHTML(path);
    const QByteArray appended = folder.read("grid.html");
    EXPECT_TRUE(appended.startsWith(ascii));
    EXPECT_EQ(appended.count("<TABLE"), 2);

    g->SaveToHTML(path, false, true);
    const QByteArray wide = folder.read("grid.html");
    ASSERT_TRUE(wide.startsWith("\xFF\xFE"));
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(wide.constData() + 2), (wide.size() - 2) / 2).left(9),
              "<style>\r\n");

    g->HTMLSettings.HeaderFile = folder.path() + "/missing.txt";
    EXPECT_THROW(g->SaveToHTML(path), EExGridError);
}

}  // namespace grid_html_export_test
