// The grid's binary cell stream (files, the clipboard's cell format, drops):
// a stream either raises the grid error or decodes to cells that encode to
// a stream reading back the same, and that land inside the grid wherever
// they are placed, growing it by no more than twice the stream's own rectangle.
//
// Input: the bytes of a stream.

#include "controls/grid/grid_error.h"
#include "controls/grid/io/grid_binary_stream.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

FUZZ_TARGET(grid_bin_stream)
{
    fuzz::FuzzedData input(data, size);
    const QByteArray bytes = input.takeRest();
    grid::io::TBinCellStream stream;
    try {
        stream = grid::io::DecodeBinCellStream(bytes);
    } catch (const EExGridError&) {
        return;
    }
    const grid::io::TBinGridHeader& h = stream.Header;
    FUZZ_CHECK(h.ColCount >= 1 && h.RowCount >= 1);
    FUZZ_CHECK(qint64(stream.Cells.size()) == qint64(h.ColCount) * h.RowCount);

    const QByteArray encoded = grid::io::EncodeBinCellStream(stream);
    const QByteArray again = grid::io::EncodeBinCellStream(grid::io::DecodeBinCellStream(encoded));
    FUZZ_CHECK_EQUAL(again, encoded);

    if (stream.Cells.size() > 400) return;
    for (const auto placement : {grid::io::TBinPlacement::Clip, grid::io::TBinPlacement::Grow}) {
        grid::TExStringGrid g;
        g.SetColCount(5);
        g.SetRowCount(5);
        try {
            const auto placed = grid::io::PlaceBinCells(g, QPoint(2, 1), stream, placement);
            FUZZ_CHECK(placed.has_value());
            FUZZ_CHECK(placed->Right < g.ColCount() && placed->Bottom < g.RowCount());
            FUZZ_CHECK(g.ColCount() <= std::max(5, 2 + 2 * h.ColCount));
            FUZZ_CHECK(g.RowCount() <= std::max(5, 1 + 2 * h.RowCount));
        } catch (const EExGridError&) {
            // Sizes of a whole-grid stream that do not fit its rectangle.
        }
    }
}
