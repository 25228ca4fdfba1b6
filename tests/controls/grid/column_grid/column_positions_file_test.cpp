#include <gtest/gtest.h>

#include "controls/grid/column_grid/column_positions_file.h"

using namespace grid;

namespace {

// The UTF-16 form of a text of characters up to U+00FF, given byte by byte.
QByteArray utf16(const QByteArray& latin1, bool bigEndian)
{
    QByteArray out = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (const char c : latin1) {
        if (bigEndian) out += '\0';
        out += c;
        if (!bigEndian) out += '\0';
    }
    return out;
}

}  // namespace

TEST(ColumnPositionsFile, WritingReplacesThePositionsAndKeepsEveryOtherByte)
{
    struct Case {
        const char* name;
        QByteArray file;
        QString section;
        std::vector<int> positions;
        QByteArray expected;
    };
    const Case cases[] = {
        {"a new file", "", "Columns", {0, 1}, "[Columns]\r\nCP0=0\r\nCP1=1\r\n"},
        {"UTF-8 with a mark, LF line ends, no line end at the end",
         "\xEF\xBB\xBF[Other]\nName=Caf\xC3\xA9", "Columns", {2, 0, 1},
         "\xEF\xBB\xBF[Other]\nName=Caf\xC3\xA9\n[Columns]\nCP0=2\nCP1=0\nCP2=1\n"},
        {"UTF-8 section name", "\xEF\xBB\xBF", QString::fromUtf8("Gr\xC3\xB6\xC3\x9F" "e"), {0},
         "\xEF\xBB\xBF[Gr\xC3\xB6\xC3\x9F" "e]\r\nCP0=0\r\n"},
        {"Windows-1252 section name", "[A]\r\nB=\xE9\r\n", QString::fromUtf8("Caf\xC3\xA9"), {0},
         "[A]\r\nB=\xE9\r\n[Caf\xE9]\r\nCP0=0\r\n"},
        {"a name Windows-1252 cannot hold makes the file UTF-8", "[Other]\r\nName=Caf\xE9\r\n",
         QString::fromUtf8("\xD0\x96"), {0},
         "\xEF\xBB\xBF[Other]\r\nName=Caf\xC3\xA9\r\n[\xD0\x96]\r\nCP0=0\r\n"},
        {"only CP keys with digits go, any case; the new ones follow the last line that is not blank",
         "[Columns]\r\ncp0=3\r\nCPU=4\r\nCP=1\r\n\r\n\r\n[Next]\r\n", "columns", {0},
         "[Columns]\r\nCPU=4\r\nCP=1\r\nCP0=0\r\n\r\n\r\n[Next]\r\n"},
        {"the section's header is the last line", "[Columns]", "Columns", {1, 0},
         "[Columns]\r\nCP0=1\r\nCP1=0\r\n"},
        {"fewer columns than before", "[Columns]\rCP0=2\rCP1=1\rCP2=0\r", "Columns", {0}, "[Columns]\rCP0=0\r"},
        {"UTF-16 LE", utf16("[Other]\r\nN=Caf\xE9\r\n[Columns]\r\nCP0=0\r\nCP1=1\r\n", false), "Columns", {1, 0},
         utf16("[Other]\r\nN=Caf\xE9\r\n[Columns]\r\nCP0=1\r\nCP1=0\r\n", false)},
        {"UTF-16 BE", utf16("[Other]\nN=\xE9", true), "Columns", {0},
         utf16("[Other]\nN=\xE9\n[Columns]\nCP0=0\n", true)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WriteColumnPositions(c.file, c.section, c.positions), c.expected);
    }
}

TEST(ColumnPositionsFile, ReadingNeedsEveryColumnOnceInTheSection)
{
    struct Case {
        const char* name;
        QByteArray file;
        QString section;
        int count;
        std::optional<std::vector<int>> expected;
    };
    const std::vector<int> swapped{1, 0};
    const Case cases[] = {
        {"keys and section in any case", "[columns]\r\ncp1=0\r\nCP0 = 1 \r\n", "Columns", 2, swapped},
        {"the first of a repeated key counts", "[C]\r\nCP0=1\r\nCP0=0\r\nCP1=0\r\n", "C", 2, swapped},
        {"UTF-16 BE", utf16("[C]\nCP0=1\nCP1=0\n", true), "C", 2, swapped},
        {"a Windows-1252 section name", "[Caf\xE9]\r\nCP0=1\r\nCP1=0", QString::fromUtf8("Caf\xC3\xA9"), 2, swapped},
        {"keys of the next section do not count", "[C]\r\nCP0=1\r\n[D]\r\nCP1=0\r\n", "C", 2, std::nullopt},
        {"a key missing", "[C]\r\nCP0=0\r\n", "C", 2, std::nullopt},
        {"a value repeated", "[C]\r\nCP0=0\r\nCP1=0\r\n", "C", 2, std::nullopt},
        {"a value out of range", "[C]\r\nCP0=0\r\nCP1=2\r\n", "C", 2, std::nullopt},
        {"no such section", "[D]\r\nCP0=0\r\n", "C", 1, std::nullopt},
        {"no columns", "[C]\r\n", "C", 0, std::vector<int>{}},
        {"an odd byte at the end of UTF-16", utf16("[C]\nCP0=0\n", false) + 'x', "C", 1, std::vector<int>{0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadColumnPositions(c.file, c.section, c.count), c.expected);
    }
}
