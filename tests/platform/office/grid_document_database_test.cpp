// The grid's word-processor export and database import through the real
// servers: the document's XML as a word processor reads it, and databases
// made here.

#include <gtest/gtest.h>

#include <QFile>

#include "controls/grid/grid_error.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "office_test_support.h"
#include "platform/office/office_test_files.h"
#include "platform/office/word/word_application.h"
#include "support/grid_rows.h"
#include "support/temp_folder.h"

using namespace grid;
using namespace office_testing;
using platform::automation::ObjectRef;
using testing_support::GridRows;

namespace grid_document_database_test {

// The real servers, with no word processor running before or after.
struct Servers {
    office_test::RealServers servers;
    Servers() { platform::office::word::WordSession().QuitAll(); }
    ~Servers() { platform::office::word::WordSession().QuitAll(); }
};

void Fill(TExStringGrid& g, const QList<QStringList>& rows)
{
    g.SetRowCount(int(rows.size()));
    g.SetColCount(int(rows.front().size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) g.SetCellEx(c, r, rows[r][c]);
}

QString GridError(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EExGridError& e) {
        return QString::fromUtf8(e.what());
    }
    return "no error";
}

QByteArray Golden(const char* name)
{
    QFile file(QStringLiteral(TEST_DATA_DIR "/office/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(GridDocumentExport, NewDocumentHoldsTheGridAsATableBeforeItsCaption)
{
    Servers servers;
    testing_support::TempFolder folder;
    TExStringGrid g;
    g.SetFixedCols(0);
    Fill(g, {{"Name", "Flow"}, {"P1", "12.5"}, {"P&2 <x>", ""}});
    g.setWindowTitle("Pumps");
    g.OnGetAlignment = [](QObject*, int ARow, int ACol, TAlignment& HAlign, TVAlignment&) {
        HAlign = ARow == 0 && ACol == 0 ? taCenter : ARow == 1 && ACol == 1 ? taRightJustify : taLeftJustify;
    };
    g.SaveToDOC(folder.file("pumps.docx"), true);
    const QString path = folder.file("pumps.docx");
    EXPECT_EQ(DocumentXml(path).toStdString(), Golden("grid_table_document.xml").toStdString());
    // The package around it.
    EXPECT_EQ(office_test::ReadPart(path, "[Content_Types].xml").toStdString(),
              Golden("document_content_types.xml").toStdString());
    EXPECT_EQ(office_test::ReadPart(path, "_rels/.rels").toStdString(), Golden("document_relationships.xml").toStdString());
    // The server the export started has quit.
    EXPECT_EQ(platform::office::word::WordSession().Active(), nullptr);
}

TEST(GridDocumentExport, AppendGoesToTheBookmarkThenToTheEndOfTheDocument)
{
    Servers servers;
    testing_support::TempFolder folder;
    const QString path = folder.write(
        "report.docx", DocxWithBody("<w:p><w:r><w:t>Report</w:t></w:r></w:p>"
                                    "<w:p><w:bookmarkStart w:id=\"0\" w:name=\"Total\"/><w:bookmarkEnd w:id=\"0\"/></w:p>"
                                    "<w:p><w:r><w:t>End</w:t></w:r></w:p>"));
    TExStringGrid g;
    g.SetFixedCols(0);
    Fill(g, {{"a", "b"}, {"1", "2"}});
    g.OnGetAlignment = [](QObject*, int ARow, int, TAlignment& HAlign, TVAlignment&) {
        HAlign = ARow == 1 ? taRightJustify : taLeftJustify;
    };
    g.AppendToDoc(path, "Total");
    // The caption (empty here) is typed where an opened document's cursor
    // is: at its start.
    EXPECT_EQ(BodyBlocks(DocumentXml(path)), (QStringList{"p:", "p:Report", "tbl:2x2", "p:", "p:End"}));
    g.SetCellEx(0, 0, "again");
    g.AppendToDoc(path, "NoSuchMark");
    const QByteArray xml = DocumentXml(path);
    EXPECT_EQ(BodyBlocks(xml), (QStringList{"p:", "p:", "p:Report", "tbl:2x2", "p:", "p:End", "tbl:2x2", "p:"}));
    EXPECT_EQ(TableCells(xml, 0), (QStringList{"a", "b", "1[right]", "2[right]"}));
    EXPECT_EQ(TableCells(xml, 1), (QStringList{"again", "b", "1[right]", "2[right]"}));
    // The document's other parts stay as they were.
    EXPECT_EQ(office_test::ReadPart(path, "word/styles.xml"), StylesPart);
}

TEST(GridDocumentExport, RunningWordProcessorKeepsRunningWithTheTableInItsActiveDocument)
{
    Servers servers;
    testing_support::TempFolder folder;
    ObjectRef word = platform::office::word::NewWordApplication();
    word->GetObject("Documents")->Call("Add");
    word->GetObject("Selection")->Call("TypeText", {Arg("Intro")});
    TExStringGrid g;
    Fill(g, {{"x"}});
    g.SetFixedCols(0);
    g.SetFixedRows(0);
    g.SaveToDOC(folder.file("active.docx"), false);
    EXPECT_EQ(platform::office::word::WordSession().Active(), word);
    EXPECT_EQ(word->GetObject("Documents")->Get("Count").toInteger(), 1);
    EXPECT_EQ(word->GetObject("ActiveDocument")->Get("Name").toText(), "active.docx");
    EXPECT_EQ(BodyBlocks(DocumentXml(folder.file("active.docx"))), (QStringList{"tbl:1x1", "p:Intro", "p:"}));
}

TEST(GridDocumentExport, DamagedDocumentsAndUnwritableFilesRaiseTheGridError)
{
    Servers servers;
    testing_support::TempFolder folder;
    TExStringGrid g;
    Fill(g, {{"x", "y"}});
    const QByteArray damaged = DocxWithBody("<w:p><w:r><w:t>open</w:r></w:p>");
    const QString path = folder.write("damaged.docx", damaged);
    EXPECT_TRUE(GridError([&] { g.AppendToDoc(path, "x"); }).contains("is not a valid document"));
    EXPECT_EQ(folder.read("damaged.docx"), damaged);
    EXPECT_TRUE(GridError([&] { g.AppendToDoc(folder.file("missing.docx"), ""); }).contains("does not exist"));
    EXPECT_TRUE(GridError([&] { g.SaveToDOC(folder.file("no folder/x.docx"), true); }).contains("cannot be saved"));
    EXPECT_EQ(platform::office::word::WordSession().Active(), nullptr);
}

// ------------------------------------------------------------ databases

TEST(GridDatabaseImport, TableFillsHeaderFromFieldNamesAndRowsFromRecords)
{
    Servers servers;
    testing_support::TempFolder folder;
    const QString file = folder.file("plant.mdb");
    MakeSQLiteDatabase(file, {"CREATE TABLE \"Pump \"\"A\"\"\" (Id INTEGER, Name TEXT, Flow REAL)",
                        "INSERT INTO \"Pump \"\"A\"\"\" VALUES (1, 'P1', 12.5)",
                        "INSERT INTO \"Pump \"\"A\"\"\" VALUES (2, NULL, 0.25)"});
    TExStringGrid g;
    g.SetFixedCols(1);
    g.SetFixedRows(1);
    g.SetRowCount(2);
    g.LoadFromMDBTable(file, "Pump \"A\"");
    EXPECT_EQ(GridRows(g), (QStringList{"|Id|Name|Flow", "|1|P1|12.5", "|2||0.25"}));

    g.LoadFromMDBSQL(file, "SELECT Name FROM \"Pump \"\"A\"\"\" WHERE Id = 1");
    EXPECT_EQ(GridRows(g), (QStringList{"|Name", "|P1"}));
}

TEST(GridDatabaseImport, DamagedOrMissingDatabasesLeaveTheGridAsItWas)
{
    Servers servers;
    testing_support::TempFolder folder;
    const QString good = folder.file("good.db");
    MakeSQLiteDatabase(good, {"CREATE TABLE t (a TEXT)", "INSERT INTO t VALUES ('x')"});
    QByteArray bytes = folder.read("good.db");
    bytes.replace(16, 200, QByteArray(200, '\x7f'));
    const QString damaged = folder.write("damaged.db", bytes);
    const QString text = folder.write("text.mdb", "Standard Jet DB, or so it says");
    TExStringGrid g;
    Fill(g, {{"keep", "me"}, {"as", "is"}});
    for (const QString& file : {damaged, text, folder.file("missing.mdb")}) {
        EXPECT_NE(GridError([&] { g.LoadFromMDBTable(file, "t"); }), "no error") << file.toStdString();
        EXPECT_EQ(GridRows(g), (QStringList{"keep|me", "as|is"}));
    }
    EXPECT_NE(GridError([&] { g.LoadFromMDBTable(good, "missing"); }), "no error");
    EXPECT_EQ(GridRows(g), (QStringList{"keep|me", "as|is"}));
}

}  // namespace grid_document_database_test
