// CSV files: the exact bytes of the writer in its dialects, the delimiter
// detection, the line parser's quoting rules, and loading into the grid.

#include <gtest/gtest.h>

#include <QBuffer>

#include "controls/grid/grid_error.h"
#include "controls/grid/io/csv_format.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "support/temp_folder.h"

using namespace grid;

namespace csv_file_test {

// Three rows of awkward cells.
void Fill(TExStringGrid& g)
{
    g.SetColCount(3);
    g.SetRowCount(3);
    const char* cells[3][3] = {{"a", "b,c", ""}, {"say \"hi\"", "x\r\ny", " lead"}, {"lone\nLF", "", "z"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) g.SetCellEx(c, r, cells[r][c]);
}

TEST(CsvWriter, ExactBytesInEachDialect)
{
    testing_support::TempFolder folder;
    TExStringGrid g;
    Fill(g);
    g.SaveToCSV(folder.file("d.csv"));
    EXPECT_EQ(folder.read("d.csv"), QByteArray("a,\"b,c\",\"\"\r\n"
                                               "\"say \"\"hi\"\"\",\"x\x0By\",\" lead\"\r\n"
                                               "\"lone\x0BLF\",\"\",z\r\n"));
    g.JavaCSV = true;
    g.SaveToCSV(folder.file("j.csv"));
    EXPECT_EQ(folder.read("j.csv"), QByteArray("a,\"b,c\",^\r\n"
                                               "\"say \"\"hi\"\"\",x~y,\" lead\"\r\n"
                                               "lone~LF,^,z\r\n"));
    g.JavaCSV = false;
    g.QuoteEmptyCells = false;
    g.Delimiter = u';';
    g.SaveToCSV(folder.file("s.csv"), true);
    EXPECT_EQ(folder.read("s.csv"), QByteArray("\xEF\xBB\xBF" "a;b,c;\r\n"
                                               "\"say \"\"hi\"\"\";\"x\x0By\";\" lead\"\r\n"
                                               "\"lone\x0BLF\";;z\r\n"));
    g.AlwaysQuotes = true;
    g.SaveToCSV(folder.file("q.csv"));
    EXPECT_EQ(folder.read("q.csv").left(16), QByteArray("\"a\";\"b,c\";\"\"\r\n\"s"));
}

TEST(CsvWriter, EveryDialectReadsBackWhatItWrote)
{
    testing_support::TempFolder folder;
    for (bool java : {false, true})
        for (bool quotes : {false, true}) {
            SCOPED_TRACE(testing::Message() << "java " << java << " quotes " << quotes);
            TExStringGrid g;
            Fill(g);
            g.SetCellEx(0, 0, "tab\tand ~ and ^");
            g.JavaCSV = java;
            g.AlwaysQuotes = quotes;
            g.SaveToCSV(folder.file("a.csv"));
            TExStringGrid h;
            h.SetColCount(1);  // the reader only adds columns
            h.JavaCSV = java;
            h.LoadFromCSV(folder.file("a.csv"));
            ASSERT_EQ(h.ColCount(), 3);
            ASSERT_EQ(h.RowCount(), 3);
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c) {
                    QString expected = g.GetGridCell(c, r);
                    expected.replace("\r\n", "\n").replace("\n", "\r\n");
                    if (java) expected.replace("~", "\r\n");  // the dialect's own mark
                    EXPECT_EQ(h.GetGridCell(c, r), expected) << c << "," << r;
                }
        }
}

TEST(CsvDelimiter, DetectedFromTheFirstTwoLines)
{
    struct Case {
        const char* line1;
        const char* line2;
        char16_t expected;
    };
    const Case cases[] = {
        {"a;b;c", "d;e;f", u';'},     // equal counts
        {"x,y;z", "1,2;3", u','},     // a tie: the earlier candidate
        {"a|b|c", "", u'|'},          // one line: the most frequent
        {"a,,b", "c,,d", u','},       // doubled only: plain counts
        {"1;2,3", "4;5,6,7", u';'},   // unequal commas lose
        {"a\tb\tc", "d\te\tf", u'\t'},
        {"abc", "def", 0},            // none: one field per line
        {"a&b", "c-d-e", u'-'},       // pass 3 takes the larger count
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line1);
        EXPECT_EQ(io::DetectCsvDelimiter(c.line1, c.line2), QChar(c.expected));
    }
}

TEST(CsvParser, QuotesBlanksAndBrokenLines)
{
    struct Case {
        QString line;
        QStringList fields;
    };
    const Case cases[] = {
        {"a,b,c", {"a", "b", "c"}},
        {"a,\"b,c\",d", {"a", "b,c", "d"}},
        {"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
        {"  x,  y", {"x", "y"}},
        {"\" x\",\" y\"", {" x", " y"}},
        {"a,", {"a"}},
        {",", {""}},
        {"\"\",\"\"", {"", ""}},
        {"a,\"bc,d", {"a", "bc,d"}},    // no closing quote: the rest of the line
        {"\"open", {"open"}},
        {"\"a\" ,b", {"a", "b"}},
        {"\"x\x0By\",z", {"x\r\ny", "z"}},
        {"\"\"\"\",\"a\"\"\"", {"\"", "a\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        EXPECT_EQ(io::SplitCsvLine(c.line, u',', false), c.fields);
    }
    EXPECT_EQ(io::SplitCsvLine("a~b,^,\"c,d\"", u',', true), QStringList({"a\r\nb", "", "c,d"}));
    EXPECT_EQ(io::SplitCsvLine(" a  b", u' ', false), QStringList({"", "a", "", "b"}));
}

TEST(CsvReader, LoadsGrowsInsertsAndLimits)
{
    testing_support::TempFolder folder;
    const QString path = folder.write("a.csv", "h1;h2\r\n1;2;3\r\n4\r\n");
    TExStringGrid g;
    g.SetColCount(1);
    g.SetRowCount(1);
    g.LoadFromCSV(path);
    EXPECT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.GetGridCell(0, 0), "h1");
    EXPECT_EQ(g.GetGridCell(2, 1), "3");
    EXPECT_EQ(g.GetGridCell(0, 2), "4");
    EXPECT_TRUE(g.Delimiter.isNull());  // detected for this read only

    g.InsertFromCSV(path, 2);
    EXPECT_EQ(g.RowCount(), 5);
    EXPECT_EQ(g.GetGridCell(0, 3), "h1");
    EXPECT_EQ(g.GetGridCell(2, 4), "3");

    TExStringGrid h;
    h.LoadFirstRow = false;
    h.Delimiter = u',';  // set by the user: kept, and used
    h.LoadFromCSV(path);
    EXPECT_EQ(h.Delimiter, QChar(u','));
    EXPECT_EQ(h.RowCount(), 2);
    EXPECT_EQ(h.GetGridCell(0, 0), "1;2;3");

    QList<int> progress;
    TExStringGrid p;
    p.OnFileProgress = [&](QObject*, int v) { progress << v; };
    p.LoadFromCSV(path);
    EXPECT_EQ(progress, QList<int>({33, 67, 100}));
    EXPECT_EQ(p.RowCount(), 3);
}

TEST(CsvReader, EmptyAndMissingFiles)
{
    testing_support::TempFolder folder;
    TExStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetCellEx(0, 0, "kept");
    g.LoadFromCSV(folder.write("empty.csv", ""));
    EXPECT_EQ(g.GetGridCell(0, 0), "kept");
    EXPECT_THROW(g.LoadFromCSV(folder.file("missing.csv")), EExGridError);
    QBuffer empty;
    empty.open(QIODevice::ReadOnly);
    try {
        g.LoadFromCSVStream(empty);
        ADD_FAILURE() << "an empty stream loaded";
    } catch (const EExGridError& e) {
        EXPECT_STREQ(e.what(), "File is empty");
    }
    EXPECT_THROW(g.AppendToCSV(folder.file("missing.csv")), EExGridError);
    const QString existing = folder.write("old.csv", "\xEF\xBB\xBFold\r\n");
    g.SetCellEx(0, 0, QString::fromUtf8("\xC3\xA9"));
    g.SetCellEx(1, 1, "x");
    g.AppendToCSV(existing);  // UTF-8 stays UTF-8
    EXPECT_EQ(folder.read("old.csv"), QByteArray("\xEF\xBB\xBFold\r\n\xC3\xA9,\"\"\r\n\"\",x\r\n"));
}

}  // namespace csv_file_test
