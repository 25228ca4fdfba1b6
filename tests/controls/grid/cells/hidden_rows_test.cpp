#include <gtest/gtest.h>

#include <vector>

#include "controls/grid/cells/hidden_rows.h"

using namespace grid;

namespace {

TCellRow rowOf(const QString& text)
{
    TCellRow row;
    row.Cells.resize(1);
    row.Cells[0].SetText(text);
    return row;
}

TGridItem record(int idx, int level)
{
    TGridItem item;
    item.SetIdx(idx);
    item.SetHeight(10 + idx);
    item.Level = level;
    item.SetItems(rowOf(QString::number(idx)));
    return item;
}

THiddenRowBlock blockOf(const std::vector<int>& indexes, int level)
{
    THiddenRowBlock block;
    for (int idx : indexes) block.push_back(idx, 10 + idx, level, rowOf(QString::number(idx)), true);
    return block;
}

std::vector<int> order(const THiddenRows& rows)
{
    std::vector<int> indexes;
    for (const auto& item : rows) indexes.push_back(item->Idx());
    return indexes;
}

}  // namespace

// Rows hidden one at a time and in blocks keep one order across the blocks:
// positions, lookups and the ascending index list all see it.
TEST(HiddenRows, KeepsOneOrderAcrossBlocksAndSingleRows)
{
    THiddenRows rows;
    EXPECT_TRUE(rows.empty());
    EXPECT_FALSE(rows.Find(3));
    rows.Append(blockOf({7, 3, 9}, 1));
    rows.Append(THiddenRowBlock());  // an empty block adds nothing
    rows.PushBack(record(1, 0));
    rows.Insert(1, record(5, 0));  // between the block's first two rows
    rows.Append(blockOf({12, 11}, 2));
    EXPECT_EQ(rows.size(), 7u);
    EXPECT_EQ(order(rows), (std::vector<int>{7, 5, 3, 9, 1, 12, 11}));
    EXPECT_EQ(rows[4]->Idx(), 1);
    EXPECT_EQ(rows[5]->Level(), 2);
    EXPECT_FALSE(rows[7]);
    EXPECT_EQ(rows.IndexOf(9), 3u);
    EXPECT_EQ(rows.IndexOf(4), rows.size());
    EXPECT_EQ(rows.SortedIndexes(), (std::vector<int>{1, 3, 5, 7, 9, 11, 12}));

    const THiddenRow found = rows.Find(12);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Height(), 22);
    EXPECT_EQ(found->Items().Text(0), QStringLiteral("12"));
}

// A row taken out gives back its whole record; a row's cells changed in
// place are no longer known to carry no properties.
TEST(HiddenRows, TakesSingleRowsAndForgetsPropertyFreedomOnChange)
{
    THiddenRows rows;
    rows.Append(blockOf({4, 8}, 3));
    EXPECT_TRUE(rows[0]->KnownWithoutProperties());
    rows[0]->Items().Cells[0].SetText(QStringLiteral("changed"));
    EXPECT_FALSE(rows[0]->KnownWithoutProperties());
    EXPECT_TRUE(rows[1]->KnownWithoutProperties());

    TGridItem taken = rows.Take(1);
    EXPECT_EQ(taken.Idx(), 8);
    EXPECT_EQ(taken.Height(), 18);
    EXPECT_EQ(taken.Level, 3);
    EXPECT_TRUE(taken.KnownWithoutProperties());
    EXPECT_EQ(taken.Items().Text(0), QStringLiteral("8"));
    TGridItem first = rows.Take(0);
    EXPECT_EQ(first.Items().Text(0), QStringLiteral("changed"));
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ(order(rows), std::vector<int>());
}

// Taking the rows of one level: whole blocks and rows mixed into other
// blocks alike, the rest closing up in its order; the rows taken sort by
// index with their heights and cells.
TEST(HiddenRows, TakesTheRowsOfALevelFromWholeAndMixedBlocks)
{
    THiddenRows rows;
    rows.Append(blockOf({20, 2, 14}, 2));
    rows.PushBack(record(6, 0));
    rows.PushBack(record(9, 2));
    rows.Append(blockOf({30, 31}, 1));
    THiddenRowBlock level;
    rows.TakeIf([](const TConstHiddenRow& item) { return item->Level() == 2; }, level);
    EXPECT_EQ(order(rows), (std::vector<int>{6, 30, 31}));
    EXPECT_EQ(rows.size(), 3u);
    EXPECT_EQ(level.Idx, (std::vector<int>{20, 2, 14, 9}));
    level.sortByIdx();
    EXPECT_EQ(level.Idx, (std::vector<int>{2, 9, 14, 20}));
    EXPECT_EQ(level.Height, (std::vector<int>{12, 19, 24, 30}));
    EXPECT_EQ(level.Cells[3].Text(0), QStringLiteral("20"));
    EXPECT_EQ(level.WithoutProperties, (std::vector<char>{1, 0, 1, 1}));
}
