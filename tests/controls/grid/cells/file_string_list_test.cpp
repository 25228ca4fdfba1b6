#include <gtest/gtest.h>

#include "controls/grid/cells/file_string_list.h"
#include "controls/grid/grid_error.h"

using namespace grid;

TEST(FileStringList, WriteBuildsLinesAtTheEnd)
{
    TFileStringList list;
    list.Write("a");
    list.Write("b");
    EXPECT_TRUE(list.isEmpty());
    list.WriteLn("c");
    list.WriteLn("d");
    EXPECT_EQ(list, QStringList({"abc", "d"}));
    EXPECT_TRUE(list.cache.isEmpty());
    EXPECT_EQ(list.fp, 0);  // writing does not move the read position
}

TEST(FileStringList, ReadLnWalksTheLines)
{
    TFileStringList empty;
    EXPECT_TRUE(empty.Eof());
    QString line = "untouched";
    EXPECT_THROW(empty.ReadLn(line), EExGridError);
    EXPECT_EQ(line, QStringLiteral("untouched"));

    TFileStringList list{"one", "two"};
    EXPECT_FALSE(list.Eof());
    list.ReadLn(line);
    EXPECT_EQ(line, QStringLiteral("one"));
    list.ReadLn(line);
    EXPECT_EQ(line, QStringLiteral("two"));
    EXPECT_TRUE(list.Eof());
    EXPECT_THROW(list.ReadLn(line), EExGridError);

    list.Write("pending");
    list.Reset();
    EXPECT_EQ(list.fp, 0);
    EXPECT_TRUE(list.cache.isEmpty());
    list.ReadLn(line);
    EXPECT_EQ(line, QStringLiteral("one"));
}
