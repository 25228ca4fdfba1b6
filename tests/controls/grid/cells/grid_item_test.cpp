#include <gtest/gtest.h>

#include "controls/grid/cells/grid_item.h"

using namespace grid;

TEST(GridItem, HoldsAHiddenRowAndReplacesItsCellsWhole)
{
    TGridItem item;
    EXPECT_EQ(item.Idx(), 0);
    EXPECT_EQ(item.Level, 0);
    EXPECT_TRUE(item.Items().Cells.empty());

    item.SetIdx(12);
    item.SetHeight(24);
    item.Level = 2;
    TCellRow row;
    row.Cells.resize(3);
    row.Cells[0].SetText("a");
    row.Cells[2].SetText("c");
    item.SetItems(std::move(row));
    EXPECT_EQ(item.Idx(), 12);
    EXPECT_EQ(item.Height(), 24);
    EXPECT_EQ(item.Items().Text(0), QStringLiteral("a"));
    EXPECT_EQ(item.Items().Text(2), QStringLiteral("c"));

    TCellRow other;
    other.Cells.resize(1);
    other.Cells[0].SetText("x");
    item.SetItems(std::move(other));
    EXPECT_EQ(item.Items().Cells.size(), 1u);
    EXPECT_EQ(item.Items().Text(0), QStringLiteral("x"));
    EXPECT_EQ(item.Items().Text(5), QString());  // beyond the row: empty
}
