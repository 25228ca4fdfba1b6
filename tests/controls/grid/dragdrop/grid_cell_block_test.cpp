// The cell stream carried by drags between grids: the grid's binary cell
// stream, its refusal of malformed streams, and placement in another grid.

#include <gtest/gtest.h>

#include "controls/grid/dragdrop/grid_cell_block.h"
#include "controls/grid/cells/cell_properties.h"
#include "controls/grid/string_grid/ex_string_grid.h"

using namespace grid;

namespace grid_cell_block_test {

TEST(CellBlock, TextsTravelAsTheBinaryCellStream)
{
    TCellBlock block;
    block.Cols = 2;
    block.Rows = 1;
    block.Texts = {"a", QString::fromUtf8("é")};
    const QByteArray bytes = EncodeCellBlock(block);
    EXPECT_TRUE(bytes.startsWith(QByteArray("TPF0\x0bTGridPropIO")));
    const io::TBinCellStream cells = io::DecodeBinCellStream(bytes);
    ASSERT_EQ(cells.Cells.size(), 2u);
    EXPECT_EQ(cells.Cells[1].Col, 1);
    EXPECT_EQ(cells.Cells[1].Text, QString::fromUtf8("é"));
    const auto read = DecodeCellBlock(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Cols, 2);
    EXPECT_EQ(read->Rows, 1);
    EXPECT_EQ(read->Texts, block.Texts);
}

TEST(CellBlock, MalformedOrTooLargeStreamsAreRefused)
{
    TCellBlock block;
    block.Cols = 2;
    block.Rows = 1;
    block.Texts = {"a", "b"};
    const QByteArray good = EncodeCellBlock(block);
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"empty", {}},
        {"wrong signature", QByteArray("TPF1") + good.mid(4)},
        {"cut in the last record", good.left(good.size() - 1)},
        {"a second cell missing", good.left(good.indexOf("TPF0", good.lastIndexOf("TGridCellIO") - 8))},
        {"two trailing bytes", good + "xx"},
        {"beyond the byte limit", good + QByteArray(MaxCellBlockBytes, '\0')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(DecodeCellBlock(c.bytes));
    }
}

TEST(CellBlock, PropertiesTravelWithTheTexts)
{
    TExStringGrid from, to;
    from.SetColCount(3);
    from.SetRowCount(3);
    from.SetCellEx(1, 1, "x");
    from.GetCellProperties(1, 1)->SetBrushColor(clYellow);
    to.SetColCount(3);
    to.SetRowCount(3);
    const auto block = DecodeCellBlock(SaveRectToCellStream(from, {1, 1, 1, 1}));
    ASSERT_TRUE(block);
    ASSERT_TRUE(PlaceCellBlock(to, QPoint(2, 0), *block));
    EXPECT_EQ(to.GetCellEx(2, 0), "x");
    ASSERT_TRUE(to.CellPropertiesOrNull(2, 0));
    EXPECT_EQ(to.CellPropertiesOrNull(2, 0)->BrushColor(), clYellow);
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
