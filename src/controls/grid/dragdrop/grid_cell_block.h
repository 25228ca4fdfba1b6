#pragma once

// The stream of grid cells that a drag between grids carries: a rectangle
// of cells in the grid's binary cell stream (io/grid_binary_stream.h), with
// their texts, properties and graphics. Streams from other programs are
// untrusted: a stream that is not well formed, or a block beyond the limits
// below, is refused whole.

#include <optional>

#include <QByteArray>
#include <QPoint>
#include <QStringList>

#include "controls/grid/io/grid_binary_stream.h"
#include "platform/grid_base.h"

namespace grid {

class TExStringGrid;

struct TCellBlock {
    int Cols = 0;
    int Rows = 0;
    QStringList Texts;  // row by row
    const QString& Text(int col, int row) const { return Texts[qsizetype(row) * Cols + col]; }
    // The decoded stream with the cells' properties and graphics; empty for
    // a block made of texts alone. Texts hold the texts that are placed.
    io::TBinCellStream Cells;
};

inline constexpr int MaxCellBlockCells = 1'000'000;
inline constexpr qsizetype MaxCellBlockBytes = 64 * 1024 * 1024;

QByteArray EncodeCellBlock(const TCellBlock& block);
std::optional<TCellBlock> DecodeCellBlock(const QByteArray& stream);

// A rectangle of display cells (corners included); empty when it cannot be
// written (positions beyond the stream's 16 bits).
QByteArray SaveRectToCellStream(const TExStringGrid& grid, const platform::TGridRect& rect);
// Writes the block's cells with their top-left at a display cell; cells
// beyond the grid's columns or rows are left out. The cells written, or
// nothing for an empty block or a point outside the grid.
std::optional<platform::TGridRect> PlaceCellBlock(TExStringGrid& grid, QPoint at, const TCellBlock& block);

}  // namespace grid
