#include <gtest/gtest.h>

#include "platform/office/office_test_files.h"
#include "platform/office/package/zip_package.h"
#include "platform/office/word/word_application.h"
#include "support/temp_folder.h"

using namespace platform::automation;
using namespace office_testing;
namespace word = platform::office::word;

namespace {

// A word processor started for one test and quit at its end.
struct WordServer {
    ObjectRef app = word::NewWordApplication();
    ~WordServer() { app->Call("Quit"); }
    ObjectRef documents() { return app->GetObject("Documents"); }
    ObjectRef selection() { return app->GetObject("Selection"); }
};

void fillTable(const ObjectRef& table, int rows, int columns)
{
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            table->CallObject("Cell", {Arg("Row", r), Arg("Column", c)})
                ->GetObject("Range")
                ->Call("InsertAfter", {Arg(QStringLiteral("%1.%2").arg(r).arg(c))});
}

}  // namespace

TEST(WordServer, NewDocumentGetsCaptionAndAlignedTableAndIsAValidPackage)
{
    testing_support::TempFolder folder;
    WordServer word;
    ObjectRef document = word.documents()->CallObject("Add");
    document->Put("ShowSpellingErrors", false);
    word.selection()->Call("TypeText", {"Pumps"});
    word.selection()->Call("TypeParaGraph");
    EXPECT_EQ(word.selection()->Get("End").toInteger(), 6);

    ObjectRef start = document->CallObject("Range", {Arg("start", 0), Arg("end", 0)});
    ObjectRef table = document->GetObject("Tables")->CallObject("Add", {Arg(start), Arg("numRows", 2), Arg("numColumns", 3)});
    fillTable(table, 2, 3);
    ObjectRef cell = table->CallObject("Cell", {Arg("Row", 2), Arg("Column", 3)});
    cell->GetObject("Range")->GetObject("ParagraphFormat")->Put("Alignment", 2);
    table->CallObject("Cell", {Arg("Row", 1), Arg("Column", 2)})->GetObject("Range")->GetObject("ParagraphFormat")->Put("Alignment", 1);
    // The selection moved on with the text the table put before it.
    EXPECT_EQ(word.selection()->Get("End").toInteger(), 6 + 2 * 4);

    const QString path = folder.file("new.docx");
    document->Call("SaveAs", {Arg(path)});
    EXPECT_EQ(document->Get("Name").toText(), "new.docx");

    const auto package = platform::office::ZipPackage::Read(folder.read("new.docx"));
    EXPECT_EQ(package.Names(), (QStringList{"[Content_Types].xml", "_rels/.rels", "word/document.xml"}));
    const QByteArray xml = DocumentXml(path);
    EXPECT_EQ(BodyBlocks(xml), (QStringList{"tbl:2x3", "p:Pumps", "p:"}));
    EXPECT_EQ(TableCells(xml), (QStringList{"1.1", "1.2[center]", "1.3", "2.1", "2.2", "2.3[right]"}));
}

TEST(WordServer, CellTextKeepsLinesTabsAndDropsWhatXmlCannotHold)
{
    testing_support::TempFolder folder;
    WordServer word;
    ObjectRef document = word.documents()->CallObject("Add");
    ObjectRef table = document->GetObject("Tables")->CallObject(
        "Add", {Arg(document->CallObject("Range", {Arg(0), Arg(0)})), Arg("NumRows", 1), Arg("NumColumns", 2)});
    ObjectRef range = table->CallObject("Cell", {Arg(1), Arg(1)})->GetObject("Range");
    range->Call("InsertAfter", {Arg(QString::fromUtf8("a\tb\r\nc\x01\x1f" "d\ne \u00e4"))});
    range->GetObject("ParagraphFormat")->Put("Alignment", 2);
    table->CallObject("Cell", {Arg(1), Arg(2)})->GetObject("Range")->Call("InsertAfter", {"x"});
    table->CallObject("Cell", {Arg(1), Arg(2)})->GetObject("Range")->Call("InsertAfter", {"y"});
    document->Call("SaveAs", {Arg(folder.file("lines.docx"))});
    // Every line of a cell is a paragraph of it, all of them aligned.
    EXPECT_EQ(TableCells(DocumentXml(folder.file("lines.docx"))),
              (QStringList{QString::fromUtf8("a\tb[right]|cd[right]|e \u00e4[right]"), "xy"}));
}

TEST(WordServer, TableGoesToABookmarkInTheMiddleOfAParagraphAndOtherPartsStay)
{
    testing_support::TempFolder folder;
    const QString path = folder.write(
        "report.docx",
        DocxWithBody("<w:p><w:r><w:rPr><w:b/></w:rPr><w:t>Before</w:t></w:r><w:bookmarkStart w:id=\"0\" w:name=\"Here\"/>"
                     "<w:bookmarkEnd w:id=\"0\"/><w:r><w:t xml:space=\"preserve\"> after</w:t></w:r></w:p>"
                     "<w:p><w:bookmarkStart w:id=\"1\" w:name=\"Empty\"/><w:bookmarkEnd w:id=\"1\"/></w:p>"
                     "<w:p><w:r><w:t>Inside</w:t></w:r><w:bookmarkStart w:id=\"2\" w:name=\"Split\"/><w:r><w:t>run</w:t>"
                     "</w:r><w:bookmarkEnd w:id=\"2\"/></w:p>"
                     "<w:sectPr><w:pgSz w:w=\"12240\" w:h=\"15840\"/><w:pgMar w:left=\"1440\" w:right=\"1440\" "
                     "w:top=\"1440\" w:bottom=\"1440\"/></w:sectPr>"));
    WordServer word;
    ObjectRef document = word.documents()->CallObject("Open", {Arg(path)});
    ObjectRef bookmarks = document->GetObject("Bookmarks");
    EXPECT_TRUE(bookmarks->Call("Exists", {"here"}).toBool());
    EXPECT_FALSE(bookmarks->Call("Exists", {"Missing"}).toBool());
    EXPECT_FALSE(bookmarks->Call("Exists", {""}).toBool());

    ObjectRef tables = document->GetObject("Tables");
    for (const char* name : {"Here", "Empty", "Split"}) {
        ObjectRef at = document->CallObject("Goto", {Arg("what", -1), Arg("name", name)});
        fillTable(tables->CallObject("Add", {Arg(at), Arg("numRows", 1), Arg("numColumns", 2)}), 1, 2);
    }
    // A second table at the same bookmark does not run into the first.
    tables->CallObject("Add", {Arg(document->CallObject("Goto", {Arg("what", -1), Arg("name", "Empty")})), Arg(1), Arg(1)});
    document->Call("SaveAs", {Arg(path)});

    const QByteArray xml = DocumentXml(path);
    EXPECT_EQ(BodyBlocks(xml), (QStringList{"p:Before", "tbl:1x2", "p: after", "tbl:1x2", "p:", "tbl:1x1", "p:",
                                            "p:Inside", "tbl:1x2", "p:run"}));
    // The page's text width (12240 - 2 x 1440) shared by the columns.
    EXPECT_NE(xml.indexOf("<w:gridCol w:w=\"4680\"/>"), -1);
    // The split run keeps its bold face.
    EXPECT_NE(xml.indexOf("<w:p><w:r><w:rPr><w:b/></w:rPr><w:t>Before</w:t></w:r><w:bookmarkStart"), -1) << xml.constData();
    const auto package = platform::office::ZipPackage::Read(folder.read("report.docx"));
    EXPECT_EQ(package.Part("word/styles.xml"), StylesPart);
    EXPECT_FALSE(package.Contains("word/document.xml"));
}

TEST(WordServer, AppendAtTheEndGoesAfterANewParagraph)
{
    testing_support::TempFolder folder;
    const QString path = folder.write("end.docx", DocxWithBody("<w:p><w:r><w:t>Text</w:t></w:r></w:p>"
                                                               "<w:tbl><w:tr><w:tc><w:p/></w:tc></w:tr></w:tbl>"));
    WordServer word;
    ObjectRef document = word.documents()->CallObject("Open", {Arg(path)});
    EXPECT_EQ(word.documents()->Get("Count").toInteger(), 1);
    document->GetObject("Paragraphs")->Call("Add");
    ObjectRef selection = word.selection();
    selection->Call("Goto", {Arg("what", 3), Arg("which", -1)});
    const Variant end = selection->Get("End");
    // "Text" and its mark, the cell's mark and the row's end.
    EXPECT_EQ(end.toInteger(), 5 + 2);
    ObjectRef at = document->CallObject("Range", {Arg("start", end), Arg("end", end)});
    fillTable(document->GetObject("Tables")->CallObject("Add", {Arg(at), Arg(1), Arg(1)}), 1, 1);
    document->Call("SaveAs", {Arg(path)});
    EXPECT_EQ(BodyBlocks(DocumentXml(path)), (QStringList{"p:Text", "tbl:1x1", "p:", "tbl:1x1", "p:"}));
}

TEST(WordServer, MalformedDocumentsAreRefusedAndNothingIsOpened)
{
    testing_support::TempFolder folder;
    const QByteArray deep = QByteArray("<w:p>") + QByteArray("<w:r>").repeated(300) + "</w:p>";
    platform::office::ZipPackage noMain;
    noMain.SetPart("word/styles.xml", StylesPart);
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"text", "just some text"},
        {"empty", ""},
        {"truncated", DocxWithBody("<w:p/>").left(100)},
        {"no main part", noMain.Write()},
        {"broken xml", DocxWithBody("<w:p><w:r></w:p>")},
        {"no body", DocxWithMainPart("<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"/>")},
        {"a spreadsheet", DocxWithMainPart("<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"/>")},
        {"other namespace", DocxWithMainPart("<w:document xmlns:w=\"urn:other\"><w:body/></w:document>")},
        {"too deep", DocxWithBody(deep)},
    };
    WordServer word;
    for (const auto& c : cases) {
        const QString path = folder.write(QString::fromLatin1(c.name) + ".docx", c.bytes);
        EXPECT_THROW(word.documents()->Call("Open", {Arg(path)}), AutomationError) << c.name;
    }
    EXPECT_THROW(word.documents()->Call("Open", {Arg(folder.file("missing.docx"))}), AutomationError);
    EXPECT_EQ(word.documents()->Get("Count").toInteger(), 0);
    EXPECT_THROW(word.app->Get("ActiveDocument"), AutomationError);
}

TEST(WordServer, SaveThatCannotWriteFailsAndLeavesNoFile)
{
    testing_support::TempFolder folder;
    WordServer word;
    ObjectRef document = word.documents()->CallObject("Add");
    const QString path = folder.file("no such folder/out.docx");
    try {
        document->Call("SaveAs", {Arg(path)});
        FAIL() << "saved";
    } catch (const AutomationError& error) {
        EXPECT_TRUE(error.message().contains("out.docx")) << error.message().toStdString();
    }
    EXPECT_THROW(document->Call("Save"), AutomationError);
}

TEST(WordServer, RunningApplicationIsAttachedToUntilItQuits)
{
    EXPECT_EQ(word::WordSession().Active(), nullptr);
    ObjectRef first = word::NewWordApplication();
    ObjectRef second = word::NewWordApplication();
    second->GetObject("Documents")->Call("Add");
    EXPECT_EQ(word::WordSession().Active(), second);
    // The attached instance shows the documents it has open.
    EXPECT_EQ(word::WordSession().Active()->GetObject("Documents")->Get("Count").toInteger(), 1);
    EXPECT_EQ(word::WordSession().Active()->GetObject("ActiveDocument")->Get("Name").toText(), "Document1");
    second->Call("Quit");
    EXPECT_EQ(word::WordSession().Active(), first);
    EXPECT_THROW(second->Get("Documents"), AutomationError);
    first->Call("Quit");
    EXPECT_EQ(word::WordSession().Active(), nullptr);
}

TEST(WordServer, UnknownMembersAndBadArgumentsAreServerErrors)
{
    WordServer word;
    ObjectRef document = word.documents()->CallObject("Add");
    EXPECT_THROW(document->Call("Print"), AutomationError);
    EXPECT_THROW(document->Put("Name", "x"), AutomationError);
    EXPECT_THROW(document->GetObject("Tables")->Call("Add", {Arg(document->CallObject("Range", {Arg(0), Arg(0)})), Arg(0), Arg(2)}), AutomationError);
    EXPECT_THROW(document->GetObject("Tables")->Call("Add", {Arg("not a range"), Arg(1), Arg(1)}), AutomationError);
    EXPECT_THROW(document->Call("Goto", {Arg("what", -1), Arg("name", "nowhere")}), AutomationError);
    ObjectRef table = document->GetObject("Tables")->CallObject("Add", {Arg(document->CallObject("Range", {Arg(0), Arg(0)})), Arg(1), Arg(1)});
    EXPECT_THROW(table->Call("Cell", {Arg(2), Arg(1)}), AutomationError);
    EXPECT_THROW(table->CallObject("Cell", {Arg(1), Arg(1)})->GetObject("Range")->GetObject("ParagraphFormat")->Put("Alignment", 7),
                 AutomationError);
}
