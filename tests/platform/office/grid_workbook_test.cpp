// The grid's spreadsheet exchange with the real spreadsheet server: grids
// written to workbook files and read back, named sheets, a running
// application, and damaged or unwritable files.

#include <gtest/gtest.h>

#include "controls/grid/grid_error.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "office_test_support.h"
#include "platform/office/spreadsheet/spreadsheet_server.h"
#include "support/grid_rows.h"
#include "support/temp_folder.h"

using namespace grid;
using namespace platform::automation;
using testing_support::GridRows;

namespace grid_workbook_test {

void Fill(TExStringGrid& g, const QStringList& rows)
{
    g.SetRowCount(int(rows.size()));
    g.SetColCount(int(rows[0].split(u'|').size()));
    g.SetFixedRows(0);
    g.SetFixedCols(0);
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList cells = rows[r].split(u'|');
        for (int c = 0; c < cells.size(); ++c) g.SetCellEx(c, r, cells[c]);
    }
}

TEST(GridWorkbook, GridWrittenAndReadBackKeepsItsTexts)
{
    office_test::RealServers servers;
    testing_support::TempFolder folder;
    const QString path = folder.file("grid.xlsx");
    const QString number = Variant(2.5).toText();
    TExStringGrid out;
    Fill(out, {"name|value|note", "speed|42|" + number, "007||two\r\nlines", "-3|x & <y>|end"});
    out.SaveToXLS(path, true);
    EXPECT_EQ(Objects().GetActiveObject("excel.application"), nullptr) << "the server the grid started has quit";

    TExStringGrid in;
    Fill(in, {"old"});
    in.LoadFromXLS(path);
    EXPECT_EQ(GridRows(in), QStringList({"name|value|note", "speed|42|" + number, "007||two\nlines", "-3|x & <y>|end"}));
    EXPECT_EQ(in.GetXLSSheets(path), QStringList({"Sheet1"}));
}

TEST(GridWorkbook, DatesNumbersAndNamedSheets)
{
    office_test::RealServers servers;
    testing_support::TempFolder folder;
    const QString path = folder.file("dates.xlsx");
    const QDateTime day(QDate(2024, 3, 5), QTime(0, 0));
    {
        ObjectRef excel = Objects().CreateObject("excel.application");
        ObjectRef book = excel->GetObject("WorkBooks")->CallObject("Add");
        book->GetObject("Sheets", {Argument(1)})->GetObject("Range", {Argument("A1")})->Put("Value", "first sheet");
        ObjectRef log = book->GetObject("Sheets")->CallObject("Add");
        log->Put("Name", "Log");
        auto values = std::make_shared<VariantArray>(1, 3);
        values->at(0, 0) = Variant(day);
        values->at(0, 1) = Variant(1234.5);
        values->at(0, 2) = Variant(false);
        log->GetObject("Range", {Argument("C2:E2")})->Put("Value", Variant(values));
        book->Call("SaveAs", {Argument(path)});
        excel->Call("Quit");
    }
    TExStringGrid g;
    EXPECT_EQ(g.GetXLSSheets(path), QStringList({"Sheet1", "Log"}));
    g.LoadFromXLSSheet(path, "Log");
    EXPECT_EQ(GridRows(g), QStringList({Variant(day).toText() + u'|' + Variant(1234.5).toText() + "|False"}));
    g.LoadFromXLSSheet(path, "Sheet1");
    EXPECT_EQ(GridRows(g), QStringList({"first sheet"}));
    g.LoadFromXLS(path);
    EXPECT_EQ(GridRows(g), QStringList({Variant(day).toText() + u'|' + Variant(1234.5).toText() + "|False"}))
        << "the active sheet is the one added last";
    EXPECT_THROW(g.LoadFromXLSSheet(path, "Missing"), EExGridError);
}

TEST(GridWorkbook, NamedSheetIsAddedToAnExistingWorkbook)
{
    office_test::RealServers servers;
    testing_support::TempFolder folder;
    const QString path = folder.file("two.xlsx");
    TExStringGrid g;
    Fill(g, {"a|b"});
    g.SaveToXLSSheet(path, "Ports");
    Fill(g, {"c", "d"});
    g.SaveToXLSSheet(path, "Topics");
    Fill(g, {"e"});
    g.SaveToXLSSheet(path, "Ports");  // the sheet is there: written over from A1
    EXPECT_EQ(g.GetXLSSheets(path), QStringList({"Sheet1", "Ports", "Topics"}));
    g.LoadFromXLSSheet(path, "Ports");
    EXPECT_EQ(GridRows(g), QStringList({"e|b"}));
    g.LoadFromXLSSheet(path, "Topics");
    EXPECT_EQ(GridRows(g), QStringList({"c", "d"}));
}

TEST(GridWorkbook, RunningApplicationGetsTheBlockAtItsActiveCellAndKeepsRunning)
{
    office_test::RealServers servers;
    testing_support::TempFolder folder;
    ObjectRef excel = Objects().CreateObject("excel.application");
    ObjectRef book = excel->GetObject("WorkBooks")->CallObject("Add");
    ObjectRef sheet = book->GetObject("ActiveSheet");
    sheet->GetObject("Range", {Argument("A1")})->Put("Value", "kept");
    sheet->GetObject("Range", {Argument("B3")})->Call("Select");

    TExStringGrid g;
    Fill(g, {"x|y", "z|w"});
    g.SaveToXLS(folder.file("running.xlsx"), false);

    EXPECT_EQ(Objects().GetActiveObject("excel.application"), excel);
    EXPECT_EQ(excel->GetObject("WorkBooks")->Get("Count").toInteger(), 1);
    EXPECT_EQ(sheet->GetObject("UsedRange")->Get("Address").toText(), "$A$1:$B$4");
    EXPECT_EQ(sheet->GetObject("Range", {Argument("A3")})->Get("Value").toText(), "x");
    EXPECT_EQ(book->Get("Name").toText(), "running.xlsx") << "saved under the file name";

    TExStringGrid back;
    back.LoadFromXLS(folder.file("running.xlsx"));
    EXPECT_EQ(GridRows(back), QStringList({"kept|", "|", "x|y", "z|w"}));
}

TEST(GridWorkbook, DamagedOrUnwritableFilesRaiseTheGridError)
{
    office_test::RealServers servers;
    testing_support::TempFolder folder;
    TExStringGrid g;
    Fill(g, {"a|b", "c|d"});
    for (const auto& [name, bytes] : {std::pair<QString, QByteArray>{"text.xlsx", "not a workbook"},
                                      std::pair<QString, QByteArray>{"empty.xlsx", ""},
                                      std::pair<QString, QByteArray>{"fake.xls", "not a workbook"}}) {
        SCOPED_TRACE(name.toStdString());
        const QString path = folder.write(name, bytes);
        EXPECT_THROW(g.LoadFromXLS(path), EExGridError);
        EXPECT_THROW(g.GetXLSSheets(path), EExGridError);
        EXPECT_EQ(GridRows(g), QStringList({"a|b", "c|d"}));
        EXPECT_EQ(Objects().GetActiveObject("excel.application"), nullptr);
        // Exporting into it opens it first: it is neither read nor replaced.
        EXPECT_THROW(g.SaveToXLSSheet(path, "Data"), EExGridError);
        EXPECT_EQ(folder.read(name), bytes);
    }
    EXPECT_THROW(g.LoadFromXLS(folder.file("missing.xlsx")), EExGridError);
    EXPECT_THROW(g.SaveToXLS(folder.file("no/folder/out.xlsx"), true), EExGridError);
    EXPECT_THROW(g.SaveToXLS(folder.file("legacy.xls"), true), EExGridError);
    EXPECT_EQ(Objects().GetActiveObject("excel.application"), nullptr);
}

}  // namespace grid_workbook_test
