// The grid text format (file and stream), the aligned text table and the
// number in a cell: exact bytes for small grids, round trips, and files
// that must not change the grid.

#include <gtest/gtest.h>

#include <QBuffer>

#include "controls/grid/grid_error.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/grid_text_test_settings.h"
#include "support/temp_folder.h"

using namespace grid;

namespace grid_text_file_test {

QByteArray Utf16(const QString& s)
{
    return QByteArray(reinterpret_cast<const char*>(s.utf16()), s.size() * 2);
}

// Two columns 64 and 30 wide, two rows: a, (empty), e-acute, x CR LF y.
void FillSmall(TExStringGrid& g)
{
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetColWidths(0, 64);
    g.SetColWidths(1, 30);
    g.SetCellEx(0, 0, "a");
    g.SetCellEx(0, 1, QString::fromUtf8("\xC3\xA9"));
    g.SetCellEx(1, 1, "x\r\ny");
}

TEST(GridTextFile, WritesExactBytesInAnsiAndUtf16)
{
    testing_support::TempFolder folder;
    TExStringGrid g;
    FillSmall(g);
    g.SaveToFile(folder.file("a.txt"));
    EXPECT_EQ(folder.read("a.txt"), QByteArray("2,2\r\ncw 0,64\r\ncw 1,30\r\n0,0,a\r\n0,1,\xE9\r\n1,1,x\x09\x08y\r\n"));
    g.SaveToFile(folder.file("u.txt"), true);
    EXPECT_EQ(folder.read("u.txt"),
              QByteArray("\xFF\xFE") + Utf16(QString("2,2\r\ncw 0,64\r\ncw 1,30\r\n0,0,a\r\n0,1,") + QChar(0xE9) +
                                             "\r\n1,1,x\x09\x08y\r\n"));
}

TEST(GridTextFile, ReadsBackWithAndWithoutMultiLineCells)
{
    testing_support::TempFolder folder;
    TExStringGrid g;
    FillSmall(g);
    g.SetCellEx(0, 0, "tab\there\nand a lone LF");
    g.SaveToFile(folder.file("a.txt"), true);
    for (bool multi : {true, false}) {
        TExStringGrid h;
        h.MultilineCells = multi;
        h.SetColCount(5);
        h.SetRowCount(7);
        h.LoadFromFile(folder.file("a.txt"));
        EXPECT_EQ(h.ColCount(), 2);
        EXPECT_EQ(h.RowCount(), 2);
        EXPECT_EQ(h.ColWidths(0), 64);
        EXPECT_EQ(h.ColWidths(1), 30);
        EXPECT_EQ(h.GetGridCell(0, 0), multi ? "tab\there\r\nand a lone LF" : "tab\there");
        EXPECT_EQ(h.GetGridCell(0, 1), QString(QChar(0xE9)));
        EXPECT_EQ(h.GetGridCell(1, 1), multi ? "x\r\ny" : "x");
    }
}

TEST(GridTextFile, FixedCellsOffAndProgress)
{
    testing_support::TempFolder folder;
    TExStringGrid g;
    g.SetColCount(3);
    g.SetRowCount(6);
    g.SetFixedCols(1);
    g.SetFixedRows(1);
    g.SaveFixedCells = false;
    g.SetCellEx(0, 0, "fixed");
    g.SetCellEx(1, 1, "one");
    g.SetCellEx(2, 5, "last");
    QList<int> progress;
    g.OnFileProgress = [&](QObject*, int p) { progress << p; };
    g.SaveToFile(folder.file("a.txt"));
    EXPECT_EQ(folder.read("a.txt"), QByteArray("2,5\r\ncw 1,64\r\ncw 2,64\r\n1,1,one\r\n2,5,last\r\n"));
    // Rows 1..5 of the save range: 0 .. 100, each value once.
    EXPECT_EQ(progress, QList<int>({0, 25, 50, 75, 100}));

    TExStringGrid h;
    h.SetFixedCols(1);
    h.SetFixedRows(1);
    h.SaveFixedCells = false;
    h.LoadFromFile(folder.file("a.txt"));
    EXPECT_EQ(h.ColCount(), 3);
    EXPECT_EQ(h.RowCount(), 6);
    EXPECT_EQ(h.GetGridCell(1, 1), "one");
    EXPECT_EQ(h.GetGridCell(2, 5), "last");
}

TEST(GridTextFile, CorruptHeadersLeaveTheGridAsItWas)
{
    testing_support::TempFolder folder;
    for (const char* header : {"0,5", "3,0", "x,y", "99999999,99999999", "70000,1", "-4,2"}) {
        SCOPED_TRACE(header);
        const QString path = folder.write("bad.txt", QByteArray(header) + "\r\n0,0,new\r\n");
        TExStringGrid g;
        g.SetColCount(2);
        g.SetRowCount(3);
        g.SetCellEx(0, 0, "old");
        try {
            g.LoadFromFile(path);
            ADD_FAILURE() << "loaded";
        } catch (const EExGridError& e) {
            EXPECT_EQ(QString(e.what()), "File contains no data or corrupt file " + path);
        }
        EXPECT_EQ(g.ColCount(), 2);
        EXPECT_EQ(g.RowCount(), 3);
        EXPECT_EQ(g.GetGridCell(0, 0), "old");
    }
    // Lines outside the grid and lines that are no cell line are passed over.
    const QString path = folder.write("odd.txt", "2,2\r\n5,0,out\r\n0,9,out\r\nnonsense\r\ncw 7,10\r\n1,1,in\r\n");
    TExStringGrid g;
    g.LoadFromFile(path);
    EXPECT_EQ(g.GetGridCell(1, 1), "in");
    try {
        g.LoadFromFile(folder.file("missing.txt"));
        ADD_FAILURE() << "loaded a missing file";
    } catch (const EExGridError&) {
    }
}

TEST(GridTextStream, ExactBytesRelativeIndicesAndDataAfterTheCells)
{
    TExStringGrid g;
    g.SetColCount(3);
    g.SetRowCount(2);
    g.SetFixedCols(1);
    g.SetFixedRows(0);
    g.SaveFixedCells = false;
    g.SetColWidths(0, 10);
    g.SetColWidths(1, 20);
    g.SetColWidths(2, 30);
    g.SetCellEx(0, 1, "fixed");
    g.SetCellEx(2, 1, "b");
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    g.SaveToStream(buffer);
    EXPECT_EQ(buffer.data(), Utf16("2,2\r\ncw 0,10\r\ncw 1,20\r\ncw 2,30\r\n1,1,b\r\n"));
    buffer.write(Utf16("other data\r\n"));

    buffer.seek(0);
    TExStringGrid h;
    h.SetFixedCols(1);
    h.SetFixedRows(0);
    h.SaveFixedCells = false;
    h.LoadFromStream(buffer);
    EXPECT_EQ(h.ColCount(), 3);
    EXPECT_EQ(h.RowCount(), 2);
    EXPECT_EQ(h.GetGridCell(2, 1), "b");
    EXPECT_EQ(h.GetGridCell(0, 1), "");
    EXPECT_EQ(h.ColWidths(2), 30);
    EXPECT_EQ(buffer.pos(), Utf16("2,2\r\ncw 0,10\r\ncw 1,20\r\ncw 2,30\r\n1,1,b\r\n").size());
}

TEST(GridTextStream, HiddenColumnsCopyTheDisplayedCells)
{
    TExStringGrid g;
    g.SetColCount(4);
    g.SetRowCount(1);
    for (int c = 0; c < 4; ++c) g.SetCellEx(c, 0, QString("c%1").arg(c));
    g.HideColumn(1);
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    g.SaveToStream(buffer);
    buffer.seek(0);
    TExStringGrid h;
    h.LoadFromStream(buffer);
    ASSERT_EQ(h.ColCount(), 3);
    EXPECT_EQ(h.GetGridCell(0, 0), "c0");
    EXPECT_EQ(h.GetGridCell(1, 0), "c2");
    EXPECT_EQ(h.GetGridCell(2, 0), "c3");
}

TEST(GridTextStream, NumbersAreStrict)
{
    for (const char* bad : {"a,1\r\n", "2,2\r\ncw x,5\r\n", "2,2\r\n0,y,text\r\n", "999999,999999\r\n"}) {
        SCOPED_TRACE(bad);
        QBuffer buffer;
        buffer.setData(Utf16(bad));
        buffer.open(QIODevice::ReadOnly);
        TExStringGrid g;
        g.SetColCount(2);
        g.SetRowCount(2);
        EXPECT_THROW(g.LoadFromStream(buffer), EExGridError);
    }
}

// Two columns: "abc" / "7" (right-aligned), "xy" / multi-line cell.
TEST(AsciiTable, AlignsColumnsAndWritesContinuationLines)
{
    testing_support::TempFolder folder;
    TExStringGrid g;
    g.SetColCount(3);
    g.SetRowCount(2);
    g.SetCellEx(0, 0, "abc");
    g.SetCellEx(0, 1, "7");
    g.SetAlignments(0, 1, taRightJustify);
    g.SetCellEx(1, 0, "xy");
    g.SetCellEx(1, 1, "p\r\nqq");
    g.SetCellEx(2, 0, "a");
    g.SetAlignments(2, 0, taCenter);
    g.SetCellEx(2, 1, "long");
    g.SaveToASCII(folder.file("t.txt"));
    // Widths 3, 2 and 4; "a" centred in 4 grows to 5 and takes the blank.
    EXPECT_EQ(folder.read("t.txt"), QByteArray("abc xy   a  \r\n"
                                               "  7 p  long \r\n"));
    g.MultilineCells = true;
    g.SaveToASCII(folder.file("m.txt"));
    EXPECT_EQ(folder.read("m.txt"), QByteArray("abc xy   a  \r\n"
                                               "  7 p  long \r\n"
                                               "    qq\r\n"));
}

TEST(AsciiTable, AppendKeepsTheFileAndItsEncoding)
{
    testing_support::TempFolder folder;
    TExStringGrid g;
    g.SetColCount(1);
    g.SetRowCount(1);
    g.SetCellEx(0, 0, "n");
    const QString utf16 = folder.write("u.txt", QByteArray("\xFF\xFE") + Utf16("old\r\n"));
    g.AppendToASCII(utf16, false);  // the file is UTF-16: it stays so
    EXPECT_EQ(folder.read("u.txt"), QByteArray("\xFF\xFE") + Utf16("old\r\nn \r\n"));
    const QString ansi = folder.write("a.txt", "old\r\n");
    g.AppendToASCII(ansi, true);
    EXPECT_EQ(folder.read("a.txt"), QByteArray("old\r\nn \r\n"));
    g.AppendToASCII(folder.file("new.txt"), true);
    EXPECT_EQ(folder.read("new.txt"), QByteArray("\xFF\xFE") + Utf16("n \r\n"));
}

TEST(CellToReal, NumbersAndThePositionOfAnError)
{
    grid_text_testing::FormatSettingsScope formats(u'.', u',');
    TExStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(2);
    EXPECT_EQ(g.CellToReal(0, 0), 0.0);
    g.SetCellEx(0, 0, "(1,234.5)");
    EXPECT_DOUBLE_EQ(g.CellToReal(0, 0), -1234.5);
    g.SetCellEx(1, 1, "1-2");
    try {
        g.CellToReal(1, 1);
        ADD_FAILURE() << "1-2 read as a number";
    } catch (const EExGridError& e) {
        EXPECT_STREQ(e.what(), "Error at position: 2 in Cell [1, 1].");
    }
}

}  // namespace grid_text_file_test
