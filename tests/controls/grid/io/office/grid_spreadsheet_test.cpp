// The grid's spreadsheet exchange: column names and used-area addresses, and
// the calls the grid makes to the spreadsheet server, recorded line by line.

#include <gtest/gtest.h>

#include "controls/grid/grid_error.h"
#include "controls/grid/io/office/sheet_address.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/input_state.h"
#include "support/automation_recorder.h"
#include "support/temp_folder.h"

using namespace grid;
using namespace platform::automation;
using testing_support::AutomationRecorder;

namespace grid_spreadsheet_test {

TEST(SheetColumnNames, LettersBothWays)
{
    const std::pair<int, const char*> names[] = {{1, "A"},   {26, "Z"},   {27, "AA"}, {30, "AD"},
                                                 {52, "AZ"}, {53, "BA"}, {256, "IV"}, {702, "ZZ"}};
    for (const auto& [n, name] : names) {
        EXPECT_EQ(io::SheetColumnName(n), name);
        EXPECT_EQ(io::SheetColumnNumber(name), n);
    }
    EXPECT_EQ(io::SheetColumnName(0), "");
    EXPECT_EQ(io::SheetColumnName(703), "");
    EXPECT_EQ(io::SheetColumnNumber("ABC"), 28) << "only two letters count";
    EXPECT_EQ(io::SheetColumnNumber("iv"), 256);
    EXPECT_EQ(io::SheetColumnNumber(""), std::nullopt);
    EXPECT_EQ(io::SheetColumnNumber("1"), std::nullopt);
    EXPECT_EQ(io::SheetColumnNumber("B2"), std::nullopt);
}

TEST(SheetArea, AddressForms)
{
    struct Case {
        const char* address;
        std::optional<int> fc, fr, lc, lr;
        bool single;
        const char* range;
    };
    const Case cases[] = {
        {"$B$2:$D$10", 2, 2, 4, 10, false, "B2:D10"},
        {"$C$3", 3, 3, 3, 3, true, "C3:C3"},
        {"$1:$20", 1, 1, 256, 20, false, "A1:IV20"},
        {"A1", 1, 1, 1, 1, true, "A1:A1"},
        {"$AA$7:$AB$9", 27, 7, 28, 9, false, "AA7:AB9"},
        {"$A:$C", 1, std::nullopt, 256, std::nullopt, false, "A0:IV0"},
        {"$B$x:$D$4", 2, std::nullopt, 4, 4, false, "B0:D4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        const io::TSheetArea a = io::ParseSheetArea(c.address);
        EXPECT_EQ(a.FirstCol, c.fc);
        EXPECT_EQ(a.FirstRow, c.fr);
        EXPECT_EQ(a.LastCol, c.lc);
        EXPECT_EQ(a.LastRow, c.lr);
        EXPECT_EQ(a.SingleCell, c.single);
        EXPECT_EQ(a.RangeAddress(), c.range);
    }
}

// A grid of cols x rows whose cells read "c,r", no fixed cells.
void Fill(TExStringGrid& g, int cols, int rows)
{
    g.SetColCount(cols);
    g.SetRowCount(rows);
    g.SetFixedCols(0);
    g.SetFixedRows(0);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) g.SetCellEx(c, r, QStringLiteral("%1,%2").arg(c).arg(r));
}

// A server with a workbook "book" whose active sheet "sheet" has the used
// area `address`.
void ScriptWorkbook(AutomationRecorder& recorder, const QString& address)
{
    recorder.object("excel.application.WorkBooks.Open(*)", "book");
    recorder.object("book.ActiveSheet", "sheet");
    recorder.answer("sheet.UsedRange.Address", address);
}

std::shared_ptr<VariantArray> Values(int rows, int cols, std::initializer_list<Variant> items)
{
    auto array = std::make_shared<VariantArray>(rows, cols, 1, 1);
    int i = 0;
    for (const Variant& v : items) {
        array->at(1 + i / cols, 1 + i % cols) = v;
        ++i;
    }
    return array;
}

const QDateTime Day(QDate(2024, 3, 5), QTime(0, 0));

TEST(SheetImport, UsedAreaFillsTheGridWithTheCallsInOrder)
{
    AutomationRecorder recorder;
    ScriptWorkbook(recorder, "$B$2:$D$4");
    platform::TCursor during = platform::crDefault;
    recorder.respond("sheet.Range(\"B2:D4\").Value", [&](const Arguments&) {
        during = platform::screenCursor();
        return Variant(Values(3, 3, {"b2", 42, Variant(),                                      //
                                     Variant::ErrorValue(2042), Variant(recorder.objectNamed("pic")), true,  //
                                     Day, 2.5, "x\ny"}));
    });
    TExStringGrid g;
    Fill(g, 5, 5);
    g.SetCellEx(2, 0, "old");
    int changed = 0;
    g.OnCellsChanged = [&](QObject*, const QRect& r) {
        ++changed;
        EXPECT_EQ(r, QRect(QPoint(0, 0), QPoint(3, 3)));
    };

    g.LoadFromXLS("/data/book.xlsx");

    EXPECT_EQ(recorder.callsText(),
              "CreateObject(\"excel.application\")\n"
              "excel.application.WorkBooks\n"
              "excel.application.WorkBooks.Open(\"/data/book.xlsx\")\n"
              "book.ActiveSheet\n"
              "sheet.UsedRange\n"
              "sheet.UsedRange.Address\n"
              "sheet.Range(\"B2:D4\")\n"
              "sheet.Range(\"B2:D4\").Value\n"
              "book.Close(False)\n"
              "excel.application.Quit()");
    EXPECT_EQ(during, platform::crHourGlass);
    EXPECT_EQ(platform::screenCursor(), platform::crDefault);
    EXPECT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.GetCellEx(0, 0), "b2");
    EXPECT_EQ(g.GetCellEx(1, 0), "42");
    EXPECT_EQ(g.GetCellEx(2, 0), "") << "an empty sheet cell clears the grid cell";
    EXPECT_EQ(g.GetCellEx(0, 1), "0,1") << "an error value keeps the grid cell";
    EXPECT_EQ(g.GetCellEx(1, 1), "1,1") << "an object keeps the grid cell";
    EXPECT_EQ(g.GetCellEx(2, 1), "True");
    EXPECT_EQ(g.GetCellEx(0, 2), Variant(Day).toText());
    EXPECT_EQ(g.GetCellEx(1, 2), Variant(2.5).toText());
    EXPECT_EQ(g.GetCellEx(2, 2), "x\ny");
    EXPECT_EQ(changed, 1);
}

TEST(SheetImport, FixedCellsOffsetTheValuesWhenNotSaved)
{
    AutomationRecorder recorder;
    ScriptWorkbook(recorder, "$B$2:$D$4");
    recorder.answer("sheet.Range(\"B2:D4\").Value", Values(3, 3, {"b2", "c2", "d2", "b3", "c3", "d3", "b4", "c4", "d4"}));
    TExStringGrid g;
    Fill(g, 2, 2);
    g.SetFixedCols(1);
    g.SetFixedRows(1);
    g.SaveFixedCells = false;
    g.LoadFromXLS("book.xlsx");
    EXPECT_EQ(g.ColCount(), 4);
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.FixedCols(), 1);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.GetCellEx(1, 1), "b2");
    EXPECT_EQ(g.GetCellEx(3, 3), "d4");
    EXPECT_EQ(g.GetCellEx(0, 0), "0,0");
}

TEST(SheetImport, SingleCellAndNamedSheet)
{
    AutomationRecorder recorder;
    recorder.object("excel.application.WorkBooks.Open(*)", "book");
    recorder.answer("book.Sheets.Count", 3);
    recorder.object("book.Sheets(1)", "s1");
    recorder.object("book.Sheets(2)", "s2");
    recorder.object("book.Sheets(3)", "s3");
    recorder.answer("s1.Name", "Data");
    recorder.answer("s2.Name", "Other");
    recorder.answer("s3.Name", "Data");
    recorder.answer("s3.UsedRange.Address", "$C$3");
    recorder.answer("s3.Rows.Cells(3, 3).Value", "one");
    TExStringGrid g;
    Fill(g, 4, 4);
    g.LoadFromXLSSheet("book.xlsx", "Data");
    EXPECT_EQ(recorder.callsMatching("s3.*").join(u'|'),
              "s3.Name|s3.UsedRange|s3.UsedRange.Address|s3.Rows|s3.Rows.Cells(3, 3)|s3.Rows.Cells(3, 3).Value")
        << "the last sheet of the name is read";
    EXPECT_TRUE(recorder.callsMatching("s1.UsedRange*").isEmpty());
    EXPECT_EQ(g.ColCount(), 1);
    EXPECT_EQ(g.RowCount(), 1);
    EXPECT_EQ(g.GetCellEx(0, 0), "one");
}

TEST(SheetImport, FailuresEndTheConnectionAndLeaveTheGrid)
{
    struct Case {
        const char* name;
        std::function<void(AutomationRecorder&)> script;
        const char* message;
        bool serverReached;
    };
    const Case cases[] = {
        {"no server", [](AutomationRecorder& r) { r.noServer("excel.application"); }, "Excel OLE server not found",
         false},
        {"unreadable workbook",
         [](AutomationRecorder& r) { r.fail("excel.application.WorkBooks.Open(*)", "The file is no workbook"); },
         "The file is no workbook", true},
        {"missing sheet",
         [](AutomationRecorder& r) {
             r.object("excel.application.WorkBooks.Open(*)", "book");
             r.answer("book.Sheets.Count", 1);
             r.answer("book.Sheets(1).Name", "Data");
         },
         "Excel worksheet Nope not found", true},
        {"values short of the area",
         [](AutomationRecorder& r) {
             ScriptWorkbook(r, "$A$1:$C$3");
             r.answer("sheet.Range(*).Value", Values(2, 3, {"a", "b", "c", "d", "e", "f"}));
         },
         "Incorrect XLS file", true},
        {"values no array",
         [](AutomationRecorder& r) {
             ScriptWorkbook(r, "$A$1:$C$3");
             r.answer("sheet.Range(*).Value", "text");
         },
         "Incorrect XLS file", true},
        {"area beyond any grid",
         [](AutomationRecorder& r) { ScriptWorkbook(r, "$A$1:$ZZ$1048576"); }, "Incorrect XLS file", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AutomationRecorder recorder;
        c.script(recorder);
        TExStringGrid g;
        Fill(g, 2, 2);
        const bool sheetNamed = std::string(c.name) == "missing sheet";
        int changed = 0;
        g.OnCellsChanged = [&](QObject*, const QRect&) { ++changed; };
        platform::setScreenCursor(platform::crHandPoint);
        try {
            if (sheetNamed)
                g.LoadFromXLSSheet("book.xlsx", "Nope");
            else
                g.LoadFromXLS("book.xlsx");
            ADD_FAILURE() << "no failure";
        } catch (const EExGridError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_EQ(platform::screenCursor(), platform::crHandPoint);
        platform::setScreenCursor(platform::crDefault);
        EXPECT_EQ(g.ColCount(), 2);
        EXPECT_EQ(g.RowCount(), 2);
        EXPECT_EQ(g.GetCellEx(1, 1), "1,1");
        EXPECT_EQ(recorder.calls().back(), c.serverReached ? "excel.application.Quit()" : "CreateObject(\"excel.application\")");
        EXPECT_EQ(changed, c.serverReached ? 1 : 0);
        EXPECT_TRUE(recorder.callsMatching("*.Range(*)").isEmpty() || std::string(c.message) == "Incorrect XLS file");
    }
}

// An address the grid cannot read keeps the grid's size; the range it makes
// of it is still asked for, and the server's refusal is the error.
TEST(SheetImport, UnreadableUsedAreaStillAsksTheRangeAndPassesTheRefusalOn)
{
    AutomationRecorder recorder;
    ScriptWorkbook(recorder, "$B$x:$D$4");
    recorder.fail("sheet.Range(*)", "B0:D4 is no cell address");
    TExStringGrid g;
    Fill(g, 2, 2);
    try {
        g.LoadFromXLS("book.xlsx");
        ADD_FAILURE() << "no failure";
    } catch (const EExGridError& e) {
        EXPECT_STREQ(e.what(), "B0:D4 is no cell address");
    }
    EXPECT_EQ(recorder.callsMatching("sheet.Range(*)"), QStringList{"sheet.Range(\"B0:D4\")"});
    EXPECT_EQ(recorder.calls().back(), "excel.application.Quit()");
    EXPECT_EQ(g.ColCount(), 2);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.GetCellEx(1, 1), "1,1");
}

TEST(SheetNames, ListedInOrderAndTheWorkbookLeftUnchanged)
{
    AutomationRecorder recorder;
    recorder.object("excel.application.WorkBooks.Open(*)", "book");
    recorder.answer("book.WorkSheets.Count", 2);
    recorder.answer("book.WorkSheets.item(1).Name", "First");
    recorder.answer("book.WorkSheets.item(2).Name", "Second");
    TExStringGrid g;
    EXPECT_EQ(g.GetXLSSheets("b.xlsx"), QStringList({"First", "Second"}));
    EXPECT_EQ(recorder.callsText(),
              "CreateObject(\"excel.application\")\n"
              "excel.application.WorkBooks\n"
              "excel.application.WorkBooks.Open(\"b.xlsx\")\n"
              "book.WorkSheets\n"
              "book.WorkSheets.Count\n"
              "book.WorkSheets.item(1)\n"
              "book.WorkSheets.item(1).Name\n"
              "book.WorkSheets.item(2)\n"
              "book.WorkSheets.item(2).Name\n"
              "book.Saved = True\n"
              "excel.application.Quit()");
}

struct NotedGrid : TExStringGrid {
    QStringList noted;
    void ExportNotification(TGridExportState state, int row) override
    {
        noted << QStringLiteral("%1:%2").arg(int(state)).arg(row);
    }
};

TEST(SheetExport, NewWorkbookGetsTheSaveRangeAsOneBlock)
{
    AutomationRecorder recorder;
    recorder.object("excel.application.WorkBooks.Add()", "book");
    recorder.object("book.Sheets(1)", "sheet");
    NotedGrid g;
    Fill(g, 3, 2);
    g.SetCellEx(1, 1, "two\r\nlines");
    g.SaveToXLS("/out/grid.xlsx", true);
    EXPECT_EQ(recorder.callsText(),
              "GetActiveObject(\"excel.application\")\n"
              "CreateObject(\"excel.application\")\n"
              "excel.application.WorkBooks\n"
              "excel.application.WorkBooks.Add()\n"
              "book.Sheets(1)\n"
              "sheet.Range(\"A1:C2\")\n"
              "sheet.Range(\"A1:C2\").Value = {\"0,0\", \"1,0\", \"2,0\"; \"0,1\", \"two\nlines\", \"2,1\"}\n"
              "book.SaveAs(\"/out/grid.xlsx\")\n"
              "excel.application.Quit()");
    EXPECT_EQ(g.noted, QStringList({QStringLiteral("%1:0").arg(int(TExStringGrid::esExportStart)),
                                    QStringLiteral("%1:0").arg(int(TExStringGrid::esExportNextRow)),
                                    QStringLiteral("%1:1").arg(int(TExStringGrid::esExportNextRow)),
                                    QStringLiteral("%1:-1").arg(int(TExStringGrid::esExportDone))}));
}

TEST(SheetExport, BlockEndsInTheLastColumnsName)
{
    for (const auto& [cols, range] : {std::pair{30, "A1:AD1"}, std::pair{52, "A1:AZ1"}}) {
        AutomationRecorder recorder;
        recorder.object("excel.application.WorkBooks.Add()", "book");
        recorder.object("book.Sheets(1)", "sheet");
        TExStringGrid g;
        Fill(g, cols, 1);
        g.SaveToXLS("wide.xlsx", true);
        EXPECT_EQ(recorder.callsMatching("sheet.Range(*)").value(0), QStringLiteral("sheet.Range(\"%1\")").arg(range));
    }
    AutomationRecorder recorder;
    TExStringGrid g;
    Fill(g, 703, 1);
    EXPECT_THROW(g.SaveToXLS("too-wide.xlsx", true), EExGridError);
    EXPECT_TRUE(recorder.calls().isEmpty());
}

TEST(SheetExport, RunningServerWithAWorkbookTakesTheBlockAtTheActiveRow)
{
    AutomationRecorder recorder;
    recorder.running("excel.application");
    recorder.answer("excel.application.WorkBooks.Count", 1);
    recorder.object("excel.application.ActiveWorkBook", "book");
    recorder.object("book.ActiveSheet", "sheet");
    recorder.answer("excel.application.ActiveCell.Row", 5);
    TExStringGrid g;
    Fill(g, 2, 2);
    g.SaveToXLS("kept.xlsx", false);
    EXPECT_EQ(recorder.callsText(),
              "GetActiveObject(\"excel.application\")\n"
              "excel.application.WorkBooks\n"
              "excel.application.WorkBooks.Count\n"
              "excel.application.ActiveWorkBook\n"
              "book.ActiveSheet\n"
              "excel.application.ActiveCell\n"
              "excel.application.ActiveCell.Row\n"
              "sheet.Range(\"A5:B6\")\n"
              "sheet.Range(\"A5:B6\").Value = {\"0,0\", \"1,0\"; \"0,1\", \"1,1\"}\n"
              "book.SaveAs(\"kept.xlsx\")")
        << "an attached server keeps running";
}

TEST(SheetExport, NamedSheetOfAnExistingFileIsMadeAndSavedInPlace)
{
    testing_support::TempFolder folder;
    const QString path = folder.write("book.xlsx", "PK");
    AutomationRecorder recorder;
    recorder.object("excel.application.WorkBooks.Open(*)", "book");
    recorder.answer("book.Sheets.Count", 1);
    recorder.answer("book.Sheets(1).Name", "Other");
    recorder.object("book.WorkSheets.Add()", "added");
    TExStringGrid g;
    Fill(g, 1, 1);
    g.SaveToXLSSheet(path, "Data");
    EXPECT_EQ(recorder.callsMatching("book.*").join(u'\n'),
              "book.Sheets\n"
              "book.Sheets.Count\n"
              "book.Sheets(1)\n"
              "book.Sheets(1).Name\n"
              "book.WorkSheets\n"
              "book.WorkSheets.Add()\n"
              "book.Save()");
    EXPECT_EQ(recorder.callsMatching("added.*").join(u'\n'),
              "added.Name = \"Data\"\n"
              "added.Range(\"A1:A1\")\n"
              "added.Range(\"A1:A1\").Value = {\"0,0\"}");

    // A file that is there but cannot be opened is not replaced.
    AutomationRecorder refusing;
    refusing.fail("excel.application.WorkBooks.Open(*)", "locked");
    EXPECT_THROW(g.SaveToXLSSheet(path, "Data"), EExGridError);
    EXPECT_TRUE(refusing.callsMatching("*.Add()").isEmpty());
    EXPECT_EQ(refusing.calls().back(), "excel.application.Quit()");
}

TEST(SheetExport, AFailingSaveIsReported)
{
    AutomationRecorder recorder;
    recorder.object("excel.application.WorkBooks.Add()", "book");
    recorder.fail("book.SaveAs(*)", "The disk is full");
    TExStringGrid g;
    Fill(g, 1, 1);
    try {
        g.SaveToXLS("full.xlsx", true);
        ADD_FAILURE() << "no failure";
    } catch (const EExGridError& e) {
        EXPECT_STREQ(e.what(), "The disk is full");
    }
    EXPECT_EQ(recorder.calls().back(), "excel.application.Quit()");
    AutomationRecorder none;
    none.noServer("excel.application");
    EXPECT_THROW(g.SaveToXLS("x.xlsx", true), EExGridError);
}

}  // namespace grid_spreadsheet_test
