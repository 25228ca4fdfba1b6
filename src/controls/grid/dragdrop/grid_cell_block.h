#pragma once

// The stream of grid cells that a drag between grids carries: the texts of
// a rectangle of cells. It is the least the drop of cells needs; the grid's
// full binary cell stream (with cell properties and graphics) takes its
// place once it exists, behind the same three functions.
//
// Layout: "GCB1", the column and row count (32-bit little-endian each), then
// per cell, row by row, the byte length (32-bit little-endian) and the UTF-8
// text. Streams from other programs are untrusted: any deviation from that
// layout, trailing bytes, or a block beyond the limits below is refused.

#include <optional>

#include <QByteArray>
#include <QPoint>
#include <QStringList>

#include "platform/grid_base.h"

namespace grid {

class TExStringGrid;

struct TCellBlock {
    int Cols = 0;
    int Rows = 0;
    QStringList Texts;  // row by row
    const QString& Text(int col, int row) const { return Texts[qsizetype(row) * Cols + col]; }
};

inline constexpr int MaxCellBlockCells = 1'000'000;
inline constexpr qsizetype MaxCellBlockBytes = 64 * 1024 * 1024;

QByteArray EncodeCellBlock(const TCellBlock& block);
std::optional<TCellBlock> DecodeCellBlock(const QByteArray& stream);

// The texts of a rectangle of display cells (corners included).
QByteArray SaveRectToCellStream(const TExStringGrid& grid, const platform::TGridRect& rect);
// Writes the block's texts with their top-left at a display cell; cells
// beyond the grid's columns or rows are left out. The cells written, or
// nothing for an empty block or a point outside the grid.
std::optional<platform::TGridRect> PlaceCellBlock(TExStringGrid& grid, QPoint at, const TCellBlock& block);

}  // namespace grid
