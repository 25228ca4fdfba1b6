// The database import as the data-access objects see it, through the
// recording stand-in of the automation servers, and the grid it leaves.

#include <gtest/gtest.h>

#include "controls/grid/grid_error.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "support/automation_recorder.h"
#include "support/grid_rows.h"

using namespace grid;
using platform::automation::Variant;
using testing_support::AutomationRecorder;
using testing_support::GridRows;

namespace grid_database_calls_test {

// Two fields, Id and Item, and two records: (1, "Pump") and (2, nothing:
// actual size 0).
void Script(AutomationRecorder& recorder)
{
    recorder.object("CreateObject(\"ADODB.Connection\")", "connection");
    recorder.object("CreateObject(\"ADODB.RecordSet\")", "records");
    recorder.object("records.Fields.Item(0)", "id");
    recorder.object("records.Fields.Item(1)", "item");
    recorder.answer("records.Fields.Count", 2);
    recorder.answer("id.Name", "Id");
    recorder.answer("item.Name", "Item");
    recorder.answer("records.RecordCount", -1);
    recorder.answers("records.EOF", {Variant(false), Variant(false), Variant(true)});
    recorder.answers("id.Value", {Variant(1), Variant(2)});
    recorder.answer("id.ActualSize", 4);
    recorder.answer("item.Value", "Pump");
    recorder.answers("item.ActualSize", {Variant(8), Variant(0)});
}

TEST(GridDatabaseCalls, TableImportFillsHeaderFromFieldNamesAndRowsFromRecords)
{
    AutomationRecorder recorder;
    Script(recorder);
    TExStringGrid g;
    g.SetColCount(5);
    g.SetRowCount(6);
    g.SetFixedCols(1);
    g.SetFixedRows(1);
    g.SetCellEx(0, 2, "kept");
    g.SetCellEx(2, 4, "stale");
    g.LoadFromMDBTable("plant.mdb", "Orders");
    EXPECT_EQ(recorder.callsText(),
              "CreateObject(\"ADODB.Connection\")\n"
              "connection.Open(\"Driver={Microsoft Access Driver (*.mdb)};DBQ=plant.mdb\")\n"
              "CreateObject(\"ADODB.RecordSet\")\n"
              "records.ActiveConnection = connection\n"
              "records.Open(\"SELECT * FROM \"\"Orders\"\"\")\n"
              "records.Fields\n"
              "records.Fields.Count\n"
              "records.Fields.Item(0)\n"
              "records.Fields.Item(1)\n"
              "id.Name\n"
              "item.Name\n"
              "records.RecordCount\n"
              "records.EOF\n"
              "id.ActualSize\n"
              "id.Value\n"
              "item.ActualSize\n"
              "item.Value\n"
              "records.MoveNext()\n"
              "records.EOF\n"
              "id.ActualSize\n"
              "id.Value\n"
              "item.ActualSize\n"
              "records.MoveNext()\n"
              "records.EOF\n"
              "records.Close()\n"
              "connection.Close()");
    // As many rows as records below the header; the fixed column keeps its
    // texts.
    EXPECT_EQ(GridRows(g), (QStringList{"|Id|Item", "|1|Pump", "kept|2|"}));
}

TEST(GridDatabaseCalls, WithoutFixedRowsNoNamesAndAnEmptyResultLeavesOneEmptyRow)
{
    AutomationRecorder recorder;
    Script(recorder);
    recorder.answers("records.EOF", {Variant(true)});
    TExStringGrid g;
    g.SetColCount(3);
    g.SetRowCount(4);
    g.SetFixedCols(0);
    g.SetFixedRows(0);
    g.SetCellEx(0, 0, "old");
    g.SetCellEx(0, 2, "old");
    g.LoadFromMDBSQL("plant.mdb", "SELECT Id, Item FROM Orders WHERE Id > 9");
    EXPECT_TRUE(recorder.callsMatching("*.Name").isEmpty());
    EXPECT_EQ(recorder.callsMatching("records.Open(*)"), QStringList{"records.Open(\"SELECT Id, Item FROM Orders WHERE Id > 9\")"});
    EXPECT_EQ(GridRows(g), QStringList{"|"});
}

TEST(GridDatabaseCalls, NamesAreQuotedAndFileNamesThatBreakTheConnectionStringAreRefused)
{
    {
        AutomationRecorder recorder;
        Script(recorder);
        recorder.answers("records.EOF", {Variant(true)});
        TExStringGrid g;
        g.LoadFromMDBTable("plant.mdb", "Orders\"; DROP TABLE x; --");
        EXPECT_EQ(recorder.callsMatching("records.Open(*)"),
                  QStringList{"records.Open(\"SELECT * FROM \"\"Orders\"\"\"\"; DROP TABLE x; --\"\"\")"});
    }
    for (const char* file : {"a;DBQ=b.mdb", "{x}.mdb", "x}.mdb"}) {
        AutomationRecorder recorder;
        TExStringGrid g;
        EXPECT_THROW(g.LoadFromMDBTable(file, "Orders"), EExGridError) << file;
        EXPECT_TRUE(recorder.calls().isEmpty()) << file;
    }
}

TEST(GridDatabaseCalls, AFailingServerLeavesTheGridAsItWas)
{
    for (const char* failing : {"connection.Open(*)", "records.Open(*)", "records.MoveNext()", "item.Value"}) {
        AutomationRecorder recorder;
        Script(recorder);
        recorder.fail(failing, "Syntax error in FROM clause.");
        TExStringGrid g;
        g.SetColCount(3);
        g.SetRowCount(3);
        g.SetCellEx(1, 1, "mine");
        try {
            g.LoadFromMDBTable("plant.mdb", "Orders");
            FAIL() << failing;
        } catch (const EExGridError& e) {
            EXPECT_STREQ(e.what(), "Syntax error in FROM clause.") << failing;
        }
        EXPECT_EQ(g.ColCount(), 3);
        EXPECT_EQ(g.RowCount(), 3);
        EXPECT_EQ(g.GetCellEx(1, 1), "mine");
    }
    AutomationRecorder recorder;
    recorder.noServer("ADODB.Connection");
    TExStringGrid g;
    EXPECT_THROW(g.LoadFromMDBSQL("plant.mdb", "SELECT 1"), EExGridError);
}

}  // namespace grid_database_calls_test
