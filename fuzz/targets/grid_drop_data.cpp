// What another program may drop on a grid: the grid's cell block and column
// block, and the cell stream inside. A stream that is read encodes back to
// the same bytes and lands in a grid within its columns and rows; a block
// that is refused reads as absent.
//
// Input: the bytes of the "cells" block (also tried as a bare cell stream
// and as a column block).

#include "controls/grid/dragdrop/drop_formats.h"
#include "controls/grid/dragdrop/grid_cell_block.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

namespace {

void checkStream(const QByteArray& stream)
{
    const std::optional<grid::TCellBlock> block = grid::DecodeCellBlock(stream);
    if (!block) return;
    FUZZ_CHECK(block->Cols > 0 && block->Rows > 0);
    FUZZ_CHECK(block->Texts.size() == qsizetype(block->Cols) * block->Rows);
    // The block encodes to a stream that reads back as the same block.
    const QByteArray again = grid::EncodeCellBlock(*block);
    const std::optional<grid::TCellBlock> reread = grid::DecodeCellBlock(again);
    FUZZ_CHECK(reread.has_value());
    if (reread) {
        FUZZ_CHECK_EQUAL(reread->Texts, block->Texts);
        FUZZ_CHECK_EQUAL(grid::EncodeCellBlock(*reread), again);
    }
    if (qsizetype(block->Cols) * block->Rows > 400) return;
    grid::TExStringGrid g;
    g.SetColCount(5);
    g.SetRowCount(5);
    const auto placed = grid::PlaceCellBlock(g, QPoint(2, 1), *block);
    FUZZ_CHECK(placed.has_value());
    FUZZ_CHECK(placed->Right < g.ColCount() && placed->Bottom < g.RowCount());
    FUZZ_CHECK_EQUAL(g.GetCellEx(2, 1), block->Text(0, 0));
}

}  // namespace

FUZZ_TARGET(grid_drop_data)
{
    fuzz::FuzzedData input(data, size);
    const QByteArray bytes = input.takeRest();

    QMimeData mime;
    mime.setData(grid::MimeGridCells, bytes);
    mime.setData(grid::MimeGridColumn, bytes);
    const grid::TDropData offered(&mime);
    const std::optional<QByteArray> stream = offered.Stream();
    FUZZ_CHECK(offered.HasGridCells() == stream.has_value());
    if (stream) {
        FUZZ_CHECK(stream->size() + 8 == bytes.size());
        FUZZ_CHECK_EQUAL(grid::EncodeCellsBlock(*stream), bytes);
        checkStream(*stream);
    }
    FUZZ_CHECK(offered.HasCol() == (bytes.size() == 4 && offered.Col() >= 0));
    checkStream(bytes);
}
