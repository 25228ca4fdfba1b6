// The spreadsheet server: workbooks written and read back through its
// object model, the .xlsx reader against packages written by hand, damaged
// packages, and the session that stands in for a running application.

#include <gtest/gtest.h>

#include "office_test_support.h"
#include "platform/office/package/zip_package.h"
#include "platform/office/spreadsheet/spreadsheet_server.h"
#include "platform/office/spreadsheet/workbook.h"
#include "platform/office/spreadsheet/xlsx_reader.h"
#include "support/temp_folder.h"

using namespace platform::automation;
using namespace platform::office::spreadsheet;
using office_test::Parts;

namespace spreadsheet_server_test {

const QDateTime Day(QDate(2024, 3, 5), QTime(0, 0));
const QDateTime Noon(QDate(2024, 3, 5), QTime(12, 0));

TEST(SheetReferences, LettersAddressesAndDateNumbers)
{
    EXPECT_EQ(ColumnLetters(1), "A");
    EXPECT_EQ(ColumnLetters(28), "AB");
    EXPECT_EQ(ColumnLetters(16384), "XFD");
    EXPECT_EQ(ParseCellReference("$XFD$1048576"), (CellKey{1048576, 16384}));
    EXPECT_EQ(ParseCellReference("b2"), (CellKey{2, 2}));
    for (const char* bad : {"", "A", "1", "A0", "XFE1", "A1048577", "A1x", "AAAA1", "$$A1"})
        EXPECT_EQ(ParseCellReference(bad), std::nullopt) << bad;
    EXPECT_EQ(ParseCellArea("D10:B2"), (CellArea{{2, 2}, {10, 4}}));
    EXPECT_EQ(AbsoluteAddress(CellArea{{2, 2}, {10, 4}}), "$B$2:$D$10");
    EXPECT_EQ(AbsoluteAddress(CellArea{{3, 3}, {3, 3}}), "$C$3");
    EXPECT_DOUBLE_EQ(DateNumber(Day), 45356);
    EXPECT_DOUBLE_EQ(DateNumber(Noon), 45356.5);
    EXPECT_EQ(DateFromNumber(45356.5), Noon);
    EXPECT_EQ(DateFromNumber(-1), std::nullopt);
}

// Values in the order of the cells of a block, row first.
std::shared_ptr<VariantArray> Block(int rows, int cols, std::initializer_list<Variant> items, int base = 0)
{
    auto array = std::make_shared<VariantArray>(rows, cols, base, base);
    int i = 0;
    for (const Variant& v : items) {
        array->at(base + i / cols, base + i % cols) = v;
        ++i;
    }
    return array;
}

// The kind and text form of a value, to compare values in one line.
QString Shown(const Variant& v)
{
    switch (v.kind()) {
    case Variant::Kind::Empty: return "empty";
    case Variant::Kind::Error: return QStringLiteral("error %1").arg(v.errorCode());
    case Variant::Kind::Date: return "date " + v.toDate().toString(Qt::ISODate);
    case Variant::Kind::Text: return "text " + v.toText();
    case Variant::Kind::Boolean: return "bool " + v.toText();
    case Variant::Kind::Number:
    case Variant::Kind::Integer: return "number " + QString::number(v.toNumber());
    default: return "other";
    }
}

QStringList ShownBlock(const Variant& v)
{
    QStringList shown;
    if (v.kind() != Variant::Kind::Array) return {"not an array: " + Shown(v)};
    const VariantArray& a = *v.array();
    for (int r = 0; r < a.rows(); ++r)
        for (int c = 0; c < a.columns(); ++c) shown << Shown(a.at(a.rowBase() + r, a.columnBase() + c));
    return shown;
}

TEST(SpreadsheetServer, WorkbookWrittenAndReadBackGivesTheSameCells)
{
    office_test::RealServers servers;
    testing_support::TempFolder folder;
    const QString path = folder.file("round.xlsx");
    {
        ObjectRef excel = Objects().CreateObject("Excel.Application");
        ASSERT_NE(excel, nullptr);
        ObjectRef book = excel->GetObject("workbooks")->CallObject("Add");
        ObjectRef data = book->GetObject("Sheets", {Argument(1)});
        data->Put("Name", "Data");
        data->GetObject("Range", {Argument("B2:D4")})
            ->Put("Value", Block(3, 3, {"text", 42, 2.5,                 //
                                        "007", "-3", Day,                 //
                                        Noon, true, Variant::ErrorValue(2042)}));
        ObjectRef other = book->GetObject("WorkSheets")->CallObject("Add");
        other->Put("Name", "Other");
        other->GetObject("Cells", {Argument(1), Argument(1)})->Put("Value", "x \"quoted\" & <tagged>");
        other->GetObject("Cells", {Argument(1), Argument(2)})->Put("Value", QString("tab\tbell\x07 _x0041_ kept"));
        book->Call("SaveAs", {Argument(path)});
        EXPECT_TRUE(book->Get("Saved").toBool());
        excel->Call("Quit");
    }
    ObjectRef excel = Objects().CreateObject("excel.application");
    ObjectRef book = excel->GetObject("WorkBooks")->CallObject("Open", {Argument(path)});
    EXPECT_EQ(book->Get("Name").toText(), "round.xlsx");
    EXPECT_EQ(book->GetObject("WorkSheets")->Get("Count").toInteger(), 2);
    EXPECT_EQ(book->GetObject("ActiveSheet")->Get("Name").toText(), "Other") << "the sheet added last was active";
    ObjectRef data = book->GetObject("Sheets", {Argument("data")});
    EXPECT_EQ(data->Get("Index").toInteger(), 1);
    EXPECT_EQ(data->GetObject("UsedRange")->Get("Address").toText(), "$B$2:$D$4");
    EXPECT_EQ(ShownBlock(data->GetObject("Range", {Argument("B2:D4")})->Get("Value")),
              QStringList({"text text", "number 42", "number 2.5",  //
                           "text 007", "number -3", "date 2024-03-05T00:00:00",
                           "date 2024-03-05T12:00:00", "bool True", "error 2042"}))
        << "texts that are numbers in their own form became numbers; others stayed texts";
    EXPECT_EQ(ShownBlock(data->GetObject("Range", {Argument("A1:B2")})->Get("Value")),
              QStringList({"empty", "empty", "empty", "text text"}));
    EXPECT_EQ(Shown(data->GetObject("Rows")->GetObject("Cells", {Argument(3), Argument(4)})->Get("Value")),
              "date 2024-03-05T00:00:00");
    ObjectRef other = book->GetObject("Sheets", {Argument(2)});
    EXPECT_EQ(other->Get("Name").toText(), "Other");
    EXPECT_EQ(other->GetObject("UsedRange")->Get("Address").toText(), "$A$1:$B$1");
    EXPECT_EQ(other->GetObject("Range", {Argument("B1")})->Get("Value").toText(), QString("tab\tbell\x07 _x0041_ kept"))
        << "control characters and texts that look escaped survive";
    EXPECT_EQ(other->GetObject("Range", {Argument("A1")})->Get("Value").toText(), "x \"quoted\" & <tagged>");

    // The package is one a spreadsheet program reads: named sheets, the
    // cells in the sheet parts.
    const QByteArray workbookXml = office_test::ReadPart(path, "xl/workbook.xml");
    EXPECT_TRUE(workbookXml.contains("name=\"Data\"")) << workbookXml.constData();
    EXPECT_TRUE(workbookXml.contains("name=\"Other\""));
    EXPECT_TRUE(office_test::ReadPart(path, "xl/worksheets/sheet1.xml").contains("<c r=\"C2\"><v>42</v></c>"));
    EXPECT_FALSE(office_test::ReadPart(path, "[Content_Types].xml").isEmpty());
}

TEST(SpreadsheetServer, RefusalsCarryTheirReason)
{
    office_test::RealServers servers;
    testing_support::TempFolder folder;
    ObjectRef excel = Objects().CreateObject("excel.application");
    ObjectRef books = excel->GetObject("WorkBooks");
    ObjectRef book = books->CallObject("Add");
    ObjectRef sheet = book->GetObject("Sheets", {Argument(1)});
    auto refused = [](const std::function<void()>& f) -> QString {
        try {
            f();
        } catch (const AutomationError& e) {
            return e.message();
        }
        return "accepted";
    };
    EXPECT_EQ(refused([&] { books->CallObject("Open", {Argument(folder.file("none.xlsx"))}); }),
              QStringLiteral("The workbook %1 cannot be found").arg(folder.file("none.xlsx")));
    {
        // Refused by its size alone: the (sparse) file is never read.
        QFile huge(folder.file("huge.xlsx"));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(platform::office::ZipPackage::MaxFileSize + 1));
        huge.close();
        EXPECT_EQ(refused([&] { books->CallObject("Open", {Argument(folder.file("huge.xlsx"))}); }),
                  QStringLiteral("The workbook %1 is too large").arg(folder.file("huge.xlsx")));
    }
    EXPECT_TRUE(refused([&] { book->Call("Save"); }).contains("has no file yet"));
    EXPECT_TRUE(refused([&] { book->Call("SaveAs", {Argument(folder.file("old.xls"))}); }).contains("read only"));
    EXPECT_TRUE(refused([&] { book->Call("SaveAs", {Argument(folder.file("no/such/folder.xlsx"))}); }).contains("cannot be written"));
    EXPECT_FALSE(QFile::exists(folder.file("old.xls")));
    EXPECT_TRUE(refused([&] { sheet->Put("Name", "a/b"); }).contains("no valid sheet name"));
    EXPECT_TRUE(refused([&] { sheet->Put("Name", QString(32, u'x')); }).contains("no valid sheet name"));
    book->GetObject("Sheets")->CallObject("Add");
    EXPECT_TRUE(refused([&] { sheet->Put("Name", "SHEET2"); }).contains("already has a sheet"));
    EXPECT_TRUE(refused([&] { sheet->GetObject("Range", {Argument("B0:C3")}); }).contains("no cell address"));
    EXPECT_TRUE(refused([&] { book->GetObject("Sheets", {Argument(3)}); }).contains("no sheet 3"));
    EXPECT_EQ(refused([&] { excel->Get("Nothing"); }), "Application has no member \"Nothing\"");
    EXPECT_EQ(refused([&] { book->Put("Name", "x"); }), "Workbook.Name cannot be set");
}

TEST(SpreadsheetServer, SessionStandsInForTheRunningApplication)
{
    office_test::RealServers servers;
    EXPECT_EQ(Objects().GetActiveObject("excel.application"), nullptr);
    ObjectRef first = Objects().CreateObject("excel.application");
    EXPECT_EQ(Objects().GetActiveObject("excel.application"), first);
    first->GetObject("WorkBooks")->CallObject("Add");
    ObjectRef second = Objects().CreateObject("excel.application");
    EXPECT_EQ(Objects().GetActiveObject("EXCEL.APPLICATION"), second) << "the one started last";
    second->Call("Quit");
    const std::weak_ptr<AutomationObject> watched = first;
    first.reset();
    // Let go of without quitting: still running, with its workbook.
    ObjectRef attached = Objects().GetActiveObject("excel.application");
    ASSERT_NE(attached, nullptr);
    EXPECT_EQ(attached->GetObject("WorkBooks")->Get("Count").toInteger(), 1);
    attached->Call("Quit");
    attached.reset();
    EXPECT_EQ(Objects().GetActiveObject("excel.application"), nullptr);
    EXPECT_TRUE(watched.expired()) << "a quit application is released";
    EXPECT_EQ(Objects().CreateObject("word.processor"), nullptr) << "no server answers to other names";
}

// ---------------------------------------------------------- the reader

QByteArray Relationships(std::initializer_list<std::pair<const char*, const char*>> typeAndTarget)
{
    QByteArray xml = "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    int id = 0;
    for (const auto& [type, target] : typeAndTarget)
        xml += QByteArray("<Relationship Id=\"rId") + QByteArray::number(++id) +
               "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/" + type +
               "\" Target=\"" + target + "\"/>";
    return xml + "</Relationships>";
}

// A package written by hand: two sheets (the second active) with a namespace
// prefix, shared strings with runs, an inline string, a custom date format
// and one that only quotes a "d", a built-in date format, a cell without a
// reference, and a sheet part named by an absolute target.
Parts HandMadeWorkbook(const QByteArray& firstSheetData)
{
    return {
        {"[Content_Types].xml", "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"},
        {"_rels/.rels", Relationships({{"officeDocument", "xl/workbook.xml"}})},
        {"xl/workbook.xml",
         "<x:workbook xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
         "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
         "<x:bookViews><x:workbookView activeTab=\"1\"/></x:bookViews>"
         "<x:sheets><x:sheet name=\"First\" sheetId=\"1\" r:id=\"rId1\"/>"
         "<x:sheet name=\"Second &amp; more\" sheetId=\"2\" r:id=\"rId2\"/></x:sheets></x:workbook>"},
        {"xl/_rels/workbook.xml.rels", Relationships({{"worksheet", "worksheets/sheet1.xml"},
                                                      {"worksheet", "/xl/worksheets/second.xml"},
                                                      {"styles", "styles.xml"},
                                                      {"sharedStrings", "sharedStrings.xml"}})},
        {"xl/styles.xml",
         "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
         "<numFmts count=\"2\"><numFmt numFmtId=\"164\" formatCode=\"dd/mm/yyyy\\ hh:mm\"/>"
         "<numFmt numFmtId=\"165\" formatCode=\"0.00&quot;d&quot;\"/></numFmts>"
         "<cellXfs count=\"4\"><xf numFmtId=\"0\"/><xf numFmtId=\"14\"/><xf numFmtId=\"164\"/><xf numFmtId=\"165\"/></cellXfs>"
         "</styleSheet>"},
        {"xl/sharedStrings.xml",
         "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
         "<si><t>plain</t></si>"
         "<si><r><t>rich </t></r><r><rPr><b/></rPr><t>text</t></r><rPh><t>ignored</t></rPh></si>"
         "<si><t xml:space=\"preserve\"> spaced </t></si></sst>"},
        {"xl/worksheets/sheet1.xml",
         "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>" + firstSheetData +
             "</sheetData></worksheet>"},
        {"xl/worksheets/second.xml",
         "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>"
         "<row><c><v>1</v></c></row></sheetData></worksheet>"},
    };
}

const QByteArray FirstSheet = "<row r=\"2\"><c r=\"B2\" t=\"s\"><v>0</v></c><c r=\"C2\" t=\"s\"><v>1</v></c>"
                              "<c t=\"inlineStr\"><is><t>inline</t></is></c></row>"
                              "<row r=\"3\"><c r=\"B3\"><v>2.5</v></c><c r=\"C3\" s=\"1\"><v>45356</v></c>"
                              "<c r=\"D3\" s=\"2\"><v>45356.5</v></c></row>"
                              "<row r=\"4\"><c r=\"B4\" t=\"b\"><v>1</v></c><c r=\"C4\" t=\"e\"><v>#DIV/0!</v></c>"
                              "<c r=\"D4\" s=\"3\"><v>7</v></c><c r=\"E4\" t=\"s\"><v>2</v></c><c r=\"F4\"/></row>";

TEST(XlsxReader, HandMadePackage)
{
    const Workbook book = ReadXlsx(office_test::ZipParts(HandMadeWorkbook(FirstSheet)));
    ASSERT_EQ(book.sheets.size(), 2u);
    EXPECT_EQ(book.sheets[0]->name, "First");
    EXPECT_EQ(book.sheets[1]->name, "Second & more");
    EXPECT_EQ(book.activeSheet, 1);
    const Sheet& s = *book.sheets[0];
    const std::pair<CellKey, const char*> expected[] = {
        {{2, 2}, "text plain"}, {{2, 3}, "text rich text"}, {{2, 4}, "text inline"},
        {{3, 2}, "number 2.5"}, {{3, 3}, "date 2024-03-05T00:00:00"}, {{3, 4}, "date 2024-03-05T12:00:00"},
        {{4, 2}, "bool True"},  {{4, 3}, "error 2007"},               {{4, 4}, "number 7"},
        {{4, 5}, "text  spaced "}, {{4, 6}, "empty"},
    };
    for (const auto& [key, shown] : expected) EXPECT_EQ(Shown(s.At(key)), shown) << key.row << "," << key.column;
    EXPECT_EQ(s.Used(), (CellArea{{2, 2}, {4, 5}}));
    EXPECT_EQ(Shown(book.sheets[1]->At({1, 1})), "number 1");
}

TEST(XlsxReader, DamagedPackagesAreRefused)
{
    const std::pair<const char*, QByteArray> damaged[] = {
        {"row before its predecessor", "<row r=\"3\"/><row r=\"2\"/>"},
        {"cell in another row", "<row r=\"1\"><c r=\"A2\"><v>1</v></c></row>"},
        {"no cell reference", "<row r=\"1\"><c r=\"A0\"><v>1</v></c></row>"},
        {"row beyond the sheet", "<row r=\"1048577\"/>"},
        {"string index too large", "<row><c t=\"s\"><v>3</v></c></row>"},
        {"negative string index", "<row><c t=\"s\"><v>-1</v></c></row>"},
        {"no number", "<row><c><v>abc</v></c></row>"},
        {"unknown type", "<row><c t=\"q\"><v>1</v></c></row>"},
        {"no date", "<row><c t=\"d\"><v>yesterday</v></c></row>"},
    };
    for (const auto& [what, sheetData] : damaged) {
        SCOPED_TRACE(what);
        EXPECT_THROW(ReadXlsx(office_test::ZipParts(HandMadeWorkbook(sheetData))), WorkbookFileError);
    }
    EXPECT_THROW(ReadXlsx("plain text, no package"), WorkbookFileError);
    EXPECT_THROW(ReadXlsx(QByteArray()), WorkbookFileError);
    Parts noWorkbook = HandMadeWorkbook(FirstSheet);
    noWorkbook.erase(noWorkbook.begin() + 2);
    EXPECT_THROW(ReadXlsx(office_test::ZipParts(noWorkbook)), WorkbookFileError);
    Parts brokenXml = HandMadeWorkbook(FirstSheet);
    brokenXml[2].second = "<workbook><sheets>";
    EXPECT_THROW(ReadXlsx(office_test::ZipParts(brokenXml)), WorkbookFileError);
    Parts missingSheetPart = HandMadeWorkbook(FirstSheet);
    missingSheetPart.pop_back();
    EXPECT_THROW(ReadXlsx(office_test::ZipParts(missingSheetPart)), WorkbookFileError);
    Parts noSheets = HandMadeWorkbook(FirstSheet);
    noSheets[2].second = "<workbook><sheets/></workbook>";
    EXPECT_THROW(ReadXlsx(office_test::ZipParts(noSheets)), WorkbookFileError);
}

TEST(SpreadsheetServer, LegacyWorkbookIsReadOnly)
{
    office_test::RealServers servers;
    // Made record by record by tests/data/office/make_two_sheets_xls.py.
    const QString path = TEST_DATA_DIR "/office/two_sheets.xls";
    ObjectRef excel = Objects().CreateObject("excel.application");
    ObjectRef book = excel->GetObject("WorkBooks")->CallObject("Open", {Argument(path)});
    EXPECT_EQ(book->GetObject("Sheets")->Get("Count").toInteger(), 2);
    ObjectRef ports = book->GetObject("Sheets", {Argument("Ports")});
    EXPECT_EQ(ports->GetObject("UsedRange")->Get("Address").toText(), "$A$1:$C$2");
    EXPECT_EQ(ShownBlock(ports->GetObject("Range", {Argument("A1:C2")})->Get("Value")),
              QStringList({"text name", "number 42", "empty",  //
                           "text speed", "date 2024-03-05T00:00:00", "date 2024-03-05T12:00:00"}));
    EXPECT_EQ(Shown(book->GetObject("Sheets", {Argument(2)})->GetObject("Range", {Argument("A1")})->Get("Value")), "number 1.5");
    EXPECT_THROW(book->Call("Save"), AutomationError);
}

TEST(SpreadsheetServer, LegacyWorkbookThatIsNoneIsRefused)
{
    office_test::RealServers servers;
    testing_support::TempFolder folder;
    const QString path = folder.write("old.xls", "not a compound document at all");
    ObjectRef excel = Objects().CreateObject("excel.application");
    EXPECT_THROW(excel->GetObject("WorkBooks")->CallObject("Open", {Argument(path)}), AutomationError);
}

TEST(SpreadsheetServer, LegacyWorkbookThatUpsetsTheLibraryIsRefusedAndTheProgramGoesOn)
{
    // A damaged file on which the legacy workbook library overruns a buffer
    // (found by fuzzing); its reading is kept in a child process.
    office_test::RealServers servers;
    ObjectRef excel = Objects().CreateObject("excel.application");
    EXPECT_THROW(excel->GetObject("WorkBooks")->CallObject("Open", {Argument(TEST_DATA_DIR "/office/library_overrun.xls")}),
                 AutomationError);
    // The server still reads a sound file afterwards.
    ObjectRef book = excel->GetObject("WorkBooks")->CallObject("Open", {Argument(TEST_DATA_DIR "/office/two_sheets.xls")});
    EXPECT_EQ(book->GetObject("Sheets")->Get("Count").toInteger(), 2);
}

}  // namespace spreadsheet_server_test
