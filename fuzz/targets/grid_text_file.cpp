// The grid text format, file and stream form. A file that is read leaves a
// grid no larger than the header's sane limits, and, written again and read
// into a fresh grid, gives the same cells; a refused file changes nothing.
//
// Input: one settings byte, then the file (also tried as a stream of
// UTF-16 units).

#include <QBuffer>

#include "controls/grid/grid_error.h"
#include "controls/grid/io/grid_export.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "fuzz_support.h"
#include "grid_cells.h"
#include "fuzz_target.h"

FUZZ_TARGET(grid_text_file)
{
    fuzz::FuzzedData input(data, size);
    const uint8_t settings = input.takeByte();
    const QByteArray bytes = input.takeRest();
    const QString path = fuzz::scratchFile(QStringLiteral("grid.txt"), bytes);

    grid::TExStringGrid g;
    g.MultilineCells = (settings & 1) != 0;
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetCellEx(1, 1, QStringLiteral("before"));
    try {
        g.LoadFromFile(path);
    } catch (const EExGridError&) {
        FUZZ_CHECK(g.ColCount() == 3 && g.RowCount() == 3);
        FUZZ_CHECK_EQUAL(g.GetGridCell(1, 1), QStringLiteral("before"));
        return;
    }
    FUZZ_CHECK(grid::io::IsSaneGridSize(g.ColCount(), g.RowCount()));
    if (qint64(g.ColCount()) * g.RowCount() <= 4096) {
        const QString again = fuzz::scratchPath(QStringLiteral("again.txt"));
        g.SaveToFile(again, (settings & 2) != 0);
        grid::TExStringGrid h;
        h.MultilineCells = true;
        h.LoadFromFile(again);
        QStringList expected = fuzz::gridTexts(g);
        for (QString& cell : expected) cell = fuzz::withCrLf(cell);
        const QStringList got = fuzz::gridTexts(h);
        FUZZ_CHECK(h.ColCount() == g.ColCount() && h.RowCount() == g.RowCount());
        if ((settings & 2) != 0) FUZZ_CHECK_EQUAL(got, expected);  // Unicode keeps every character
    }

    QBuffer stream;
    stream.setData(bytes);
    stream.open(QIODevice::ReadOnly);
    grid::TExStringGrid s;
    try {
        s.LoadFromStream(stream);
        FUZZ_CHECK(grid::io::IsSaneGridSize(s.ColCount(), s.RowCount()));
    } catch (const EExGridError&) {
    }
}
