// The column descriptions of a column grid from a stream: a stream either
// raises the grid error with the descriptions unchanged, or is read and
// written back to a stream that reads the same again.
//
// Input: the bytes of a stream.

#include "controls/grid/column_grid/ex_column_grid.h"
#include "controls/grid/column_grid/grid_column.h"
#include "controls/grid/grid_error.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

FUZZ_TARGET(column_grid_stream)
{
    fuzz::FuzzedData input(data, size);
    const QByteArray bytes = input.takeRest();
    grid::TExColumnGrid g;
    g.SetColCount(3);
    g.SetRowCount(2);
    g.Columns().Items(0)->SetHeader("keep");
    try {
        g.LoadColumnsFromStream(bytes);
    } catch (const EExGridError&) {
        FUZZ_CHECK_EQUAL(g.Columns().Items(0)->Header(), QString("keep"));
        return;
    }
    QByteArray written;
    g.SaveColumnsToStream(written);
    grid::TExColumnGrid other;
    other.SetColCount(3);
    other.SetRowCount(2);
    other.LoadColumnsFromStream(written);
    QByteArray again;
    other.SaveColumnsToStream(again);
    FUZZ_CHECK_EQUAL(again, written);
}
