#include "controls/grid/dragdrop/grid_cell_block.h"

#include "controls/grid/grid_error.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

namespace cell_block_detail {

// The block's stream with its texts: the decoded cells when the block came
// from a stream, else plain cells row by row.
io::TBinCellStream streamOf(const TCellBlock& block)
{
    io::TBinCellStream s = block.Cells;
    if (qsizetype(s.Cells.size()) == block.Texts.size() && s.Header.ColCount == block.Cols &&
        s.Header.RowCount == block.Rows) {
        const int c0 = s.Cells.front().Col, r0 = s.Cells.front().Row;
        for (io::TBinCell& cell : s.Cells) cell.Text = block.Text(cell.Col - c0, cell.Row - r0);
        return s;
    }
    s = {};
    s.Header.ColCount = block.Cols;
    s.Header.RowCount = block.Rows;
    for (int r = 0; r < block.Rows; ++r)
        for (int c = 0; c < block.Cols; ++c) s.Cells.push_back({c, r, block.Text(c, r), std::nullopt, std::nullopt});
    return s;
}

}  // namespace cell_block_detail

QByteArray EncodeCellBlock(const TCellBlock& block)
{
    if (block.Cols <= 0 || block.Rows <= 0) return {};
    return io::EncodeBinCellStream(cell_block_detail::streamOf(block));
}

std::optional<TCellBlock> DecodeCellBlock(const QByteArray& stream)
{
    if (stream.size() > MaxCellBlockBytes) return std::nullopt;
    TCellBlock block;
    try {
        block.Cells = io::DecodeBinCellStream(stream);
    } catch (const EExGridError&) {
        return std::nullopt;
    }
    const io::TBinGridHeader& h = block.Cells.Header;
    if (qint64(h.ColCount) * h.RowCount > MaxCellBlockCells) return std::nullopt;
    block.Cols = h.ColCount;
    block.Rows = h.RowCount;
    // The decoder has checked that every cell lies in the rectangle.
    const int c0 = block.Cells.Cells.front().Col, r0 = block.Cells.Cells.front().Row;
    for (int i = 0; i < block.Cols * block.Rows; ++i) block.Texts << QString();
    for (const io::TBinCell& cell : block.Cells.Cells)
        block.Texts[qsizetype(cell.Row - r0) * block.Cols + (cell.Col - c0)] = cell.Text;
    return block;
}

QByteArray SaveRectToCellStream(const TExStringGrid& grid, const platform::TGridRect& rect)
{
    try {
        return io::EncodeBinCellStream(io::CollectBinCells(grid, rect));
    } catch (const EExGridError&) {
        return {};
    }
}

std::optional<platform::TGridRect> PlaceCellBlock(TExStringGrid& grid, QPoint at, const TCellBlock& block)
{
    if (block.Cols <= 0 || block.Rows <= 0 || at.x() < 0 || at.y() < 0 || at.x() >= grid.ColCount() ||
        at.y() >= grid.RowCount())
        return std::nullopt;
    io::TBinCellStream stream = cell_block_detail::streamOf(block);
    // A dropped whole-grid block lands as a rectangle: it does not resize
    // the grid it is dropped on.
    if (stream.Header.FullGrid) stream.Header.FullGrid = false;
    std::optional<platform::TGridRect> placed;
    try {
        placed = io::PlaceBinCells(grid, at, stream, io::TBinPlacement::Clip);
    } catch (const EExGridError&) {
        return std::nullopt;
    }
    if (placed) grid.CellsChanged(QRect(QPoint(placed->Left, placed->Top), QPoint(placed->Right, placed->Bottom)));
    return placed;
}

}  // namespace grid
