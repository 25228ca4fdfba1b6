// The cell stream carried by drags between grids: its bytes, worked out by
// hand, and the refusal of every stream that deviates from them.

#include <gtest/gtest.h>

#include "controls/grid/dragdrop/grid_cell_block.h"
#include "controls/grid/string_grid/ex_string_grid.h"

using namespace grid;

namespace grid_cell_block_test {

// Two cells "a" and "é" side by side.
const QByteArray kTwoCells = QByteArray::fromHex("47434231"  // GCB1
                                                 "02000000"  // 2 columns
                                                 "01000000"  // 1 row
                                                 "01000000" "61"
                                                 "02000000" "c3a9");

TEST(CellBlock, BytesOfTwoCells)
{
    TCellBlock block;
    block.Cols = 2;
    block.Rows = 1;
    block.Texts = {"a", QString::fromUtf8("é")};
    EXPECT_EQ(EncodeCellBlock(block), kTwoCells);
    const auto read = DecodeCellBlock(kTwoCells);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Cols, 2);
    EXPECT_EQ(read->Rows, 1);
    EXPECT_EQ(read->Texts, block.Texts);
}

TEST(CellBlock, MalformedOrTooLargeStreamsAreRefused)
{
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"empty", {}},
        {"wrong signature", QByteArray("GCB2") + kTwoCells.mid(4)},
        {"cut in a length", kTwoCells.left(18)},
        {"cut in a text", kTwoCells.left(kTwoCells.size() - 1)},
        {"a trailing byte", kTwoCells + "x"},
        {"no columns", QByteArray::fromHex("474342310000000001000000")},
        {"more cells than the limit", QByteArray::fromHex("4743423141420f0041420f00")},
        {"a count the bytes cannot hold", QByteArray::fromHex("4743423110270000e8030000") + QByteArray(40, '\0')},
        {"a text length beyond the stream", QByteArray::fromHex("474342310100000001000000ffffffff61")},
        {"not UTF-8", QByteArray::fromHex("47434231010000000100000001000000ff")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(DecodeCellBlock(c.bytes));
    }
}

TEST(CellBlock, ARectangleTravelsToAnotherGridAndIsClippedAtItsEdges)
{
    TExStringGrid from, to;
    from.SetColCount(6);
    from.SetRowCount(6);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 6; ++c) from.SetCellEx(c, r, QString("%1,%2").arg(c).arg(r));
    const auto block = DecodeCellBlock(SaveRectToCellStream(from, {2, 3, 3, 4}));
    ASSERT_TRUE(block);
    EXPECT_EQ(block->Cols, 2);
    EXPECT_EQ(block->Rows, 2);
    to.SetColCount(5);
    to.SetRowCount(5);
    EXPECT_EQ(PlaceCellBlock(to, QPoint(1, 1), *block), (platform::TGridRect{1, 1, 2, 2}));
    EXPECT_EQ(to.GetCellEx(1, 1), "2,3");
    EXPECT_EQ(to.GetCellEx(2, 2), "3,4");
    EXPECT_EQ(PlaceCellBlock(to, QPoint(4, 4), *block), (platform::TGridRect{4, 4, 4, 4}));
    EXPECT_EQ(to.GetCellEx(4, 4), "2,3");
    EXPECT_FALSE(PlaceCellBlock(to, QPoint(-1, 2), *block));
}

}  // namespace grid_cell_block_test
