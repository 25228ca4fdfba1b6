// The word-processor table export as the server sees it: the calls in their
// order, through the recording stand-in of the automation servers.

#include <gtest/gtest.h>

#include "controls/grid/grid_error.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/input_state.h"
#include "support/automation_recorder.h"

using namespace grid;
using platform::automation::Variant;
using testing_support::AutomationRecorder;

namespace grid_document_calls_test {

// A grid that notes its export notifications.
class TNotedGrid : public TExStringGrid {
public:
    void ExportNotification(TGridExportState AState, int ARow) override
    {
        Notes << QStringLiteral("%1:%2").arg(int(AState)).arg(ARow);
    }
    QStringList Notes;
};

// 2 x 2: "a" left, "b" right, "c" centred, "d" left.
void Fill(TExStringGrid& g)
{
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetCellEx(0, 0, "a");
    g.SetCellEx(1, 0, "b");
    g.SetCellEx(0, 1, "c");
    g.SetCellEx(1, 1, "d");
    g.OnGetAlignment = [](QObject*, int ARow, int ACol, TAlignment& HAlign, TVAlignment&) {
        HAlign = ACol == 1 && ARow == 0 ? taRightJustify : ACol == 0 && ARow == 1 ? taCenter : taLeftJustify;
    };
}

// The script of a word processor with one document object, "doc", its
// tables answering "table".
void Script(AutomationRecorder& recorder)
{
    recorder.object("word.application.Documents.Add()", "doc");
    recorder.object("word.application.Documents.Open(*)", "doc");
    recorder.object("word.application.ActiveDocument", "doc");
    recorder.object("doc.Range(*)", "here");
    recorder.object("doc.Goto(*)", "here");
    recorder.object("doc.Tables.Add(*)", "table");
    recorder.answer("word.application.Documents.Count", 0);
    recorder.answer("word.application.Selection.End", 17);
    recorder.answer("doc.Bookmarks.Exists(*)", false);
}

const char* const FilledTable =
    "table.Cell(Row:=1, Column:=1)\n"
    "table.Cell(Row:=1, Column:=1).Range\n"
    "table.Cell(Row:=1, Column:=1).Range.InsertAfter(\"a\")\n"
    "table.Cell(Row:=1, Column:=2)\n"
    "table.Cell(Row:=1, Column:=2).Range\n"
    "table.Cell(Row:=1, Column:=2).Range.InsertAfter(\"b\")\n"
    "table.Cell(Row:=1, Column:=2).Range\n"
    "table.Cell(Row:=1, Column:=2).Range.ParagraphFormat\n"
    "table.Cell(Row:=1, Column:=2).Range.ParagraphFormat.Alignment = 2\n"
    "table.Cell(Row:=2, Column:=1)\n"
    "table.Cell(Row:=2, Column:=1).Range\n"
    "table.Cell(Row:=2, Column:=1).Range.InsertAfter(\"c\")\n"
    "table.Cell(Row:=2, Column:=1).Range\n"
    "table.Cell(Row:=2, Column:=1).Range.ParagraphFormat\n"
    "table.Cell(Row:=2, Column:=1).Range.ParagraphFormat.Alignment = 1\n"
    "table.Cell(Row:=2, Column:=2)\n"
    "table.Cell(Row:=2, Column:=2).Range\n"
    "table.Cell(Row:=2, Column:=2).Range.InsertAfter(\"d\")\n";

TEST(GridDocumentCalls, NewDocumentOfANewServerGetsCaptionTableAtItsStartAndIsSaved)
{
    AutomationRecorder recorder;
    Script(recorder);
    TNotedGrid g;
    Fill(g);
    g.setWindowTitle("Pumps");
    g.SaveToDOC("out.docx", true);
    EXPECT_EQ(recorder.callsText(), QString("GetActiveObject(\"word.application\")\n"
                                            "CreateObject(\"word.application\")\n"
                                            "word.application.Documents\n"
                                            "word.application.Documents.Add()\n"
                                            "doc.ShowSpellingErrors = False\n"
                                            "word.application.Selection\n"
                                            "word.application.Selection.TypeText(\"Pumps\")\n"
                                            "word.application.Selection.TypeParaGraph()\n"
                                            "doc.Range(start:=0, end:=0)\n"
                                            "doc.Tables\n"
                                            "doc.Tables.Add(here, numRows:=2, numColumns:=2)\n") +
                                        FilledTable +
                                        "doc.SaveAs(\"out.docx\")\n"
                                        "word.application.Quit()");
    EXPECT_EQ(g.Notes, (QStringList{"0:0", "5:0", "5:1", "2:-1"}));
    EXPECT_EQ(platform::screenCursor(), platform::crDefault);
}

TEST(GridDocumentCalls, RunningServerKeepsRunningAndItsActiveDocumentTakesTheTable)
{
    AutomationRecorder recorder;
    Script(recorder);
    recorder.running("word.application");
    recorder.answer("word.application.Documents.Count", 1);
    TExStringGrid g;
    Fill(g);
    g.SaveToDOC("out.docx", false);
    const QStringList calls = recorder.calls();
    EXPECT_EQ(calls.mid(0, 6), (QStringList{"GetActiveObject(\"word.application\")", "word.application.Documents",
                                            "word.application.Documents.Count", "word.application.ActiveDocument",
                                            "doc.ShowSpellingErrors = False", "word.application.Selection"}));
    EXPECT_EQ(calls.back(), "doc.SaveAs(\"out.docx\")");
    EXPECT_TRUE(recorder.callsMatching("*Quit*").isEmpty());
    EXPECT_TRUE(recorder.callsMatching("CreateObject*").isEmpty());
}

TEST(GridDocumentCalls, AppendGoesToTheBookmarkOrToTheEndAfterANewParagraph)
{
    const QString common = "word.application.Documents\n"
                           "word.application.Documents.Open(\"report.docx\")\n"
                           "doc.ShowSpellingErrors = False\n"
                           "word.application.Selection\n"
                           "word.application.Selection.TypeText(\"\")\n"
                           "word.application.Selection.TypeParaGraph()\n";
    {
        AutomationRecorder recorder;
        Script(recorder);
        recorder.answer("doc.Bookmarks.Exists(\"Total\")", true);
        TExStringGrid g;
        Fill(g);
        g.AppendToDoc("report.docx", "Total");
        EXPECT_TRUE(recorder.callsText().contains(common + "doc.Bookmarks\n"
                                                           "doc.Bookmarks.Exists(\"Total\")\n"
                                                           "doc.Goto(what:=-1, name:=\"Total\")\n"
                                                           "doc.Tables\n"
                                                           "doc.Tables.Add(here, numRows:=2, numColumns:=2)\n"))
            << recorder.callsText().toStdString();
    }
    for (const QString bookmark : {"Missing", ""}) {
        AutomationRecorder recorder;
        Script(recorder);
        TExStringGrid g;
        Fill(g);
        g.AppendToDoc("report.docx", bookmark);
        const QString exists = bookmark.isEmpty() ? QString() : "doc.Bookmarks\ndoc.Bookmarks.Exists(\"Missing\")\n";
        EXPECT_TRUE(recorder.callsText().contains(common + exists +
                                                  "doc.Paragraphs\n"
                                                  "doc.Paragraphs.Add()\n"
                                                  "word.application.Selection\n"
                                                  "word.application.Selection.Goto(what:=3, which:=-1)\n"
                                                  "word.application.Selection.End\n"
                                                  "doc.Range(start:=17, end:=17)\n"
                                                  "doc.Tables\n"
                                                  "doc.Tables.Add(here, numRows:=2, numColumns:=2)\n"))
            << recorder.callsText().toStdString();
    }
}

TEST(GridDocumentCalls, FailuresRaiseTheGridErrorAndStillQuitTheServer)
{
    {
        AutomationRecorder recorder;
        recorder.noServer("word.application");
        TExStringGrid g;
        try {
            g.SaveToDOC("out.docx", true);
            FAIL() << "exported";
        } catch (const EExGridError& e) {
            EXPECT_STREQ(e.what(), "Word OLE server not found");
        }
        EXPECT_EQ(platform::screenCursor(), platform::crDefault);
    }
    // A save that fails (the Part's export would report success).
    for (const char* failing : {"doc.SaveAs(*)", "word.application.Documents.Open(*)", "table.Cell(*)"}) {
        AutomationRecorder recorder;
        Script(recorder);
        recorder.fail(failing, "The disk is full");
        TNotedGrid g;
        Fill(g);
        try {
            g.AppendToDoc("report.docx", "");
            FAIL() << failing;
        } catch (const EExGridError& e) {
            EXPECT_STREQ(e.what(), "The disk is full");
        }
        EXPECT_EQ(recorder.calls().back(), "word.application.Quit()") << failing;
        EXPECT_EQ(platform::screenCursor(), platform::crDefault);
    }
}

}  // namespace grid_document_calls_test
