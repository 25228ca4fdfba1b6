// The CSV reader in both dialects, with or without a set delimiter. The
// reader never hangs or fails on any line; what it read, written again and
// read into a fresh grid with the same delimiter, gives the same cells.
//
// Input: one settings byte, then the file.

#include "controls/grid/grid_error.h"
#include "controls/grid/io/csv_format.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "fuzz_support.h"
#include "grid_cells.h"
#include "fuzz_target.h"

FUZZ_TARGET(csv_file)
{
    fuzz::FuzzedData input(data, size);
    const uint8_t settings = input.takeByte();
    const QByteArray bytes = input.takeRest();
    const QString path = fuzz::scratchFile(QStringLiteral("grid.csv"), bytes);

    grid::TExStringGrid g;
    g.SetColCount(1);
    g.SetRowCount(1);
    g.JavaCSV = (settings & 1) != 0;
    g.Delimiter = (settings & 2) != 0 ? QChar(u';') : QChar(0);
    g.LoadFirstRow = (settings & 4) == 0;
    try {
        g.LoadFromCSV(path, (settings & 8) != 0 ? 3 : -1);
    } catch (const EExGridError& e) {
        FUZZ_CHECK_EQUAL(QString::fromUtf8(e.what()), QStringLiteral("File is empty"));
        return;
    }
    FUZZ_CHECK(g.Delimiter == ((settings & 2) != 0 ? QChar(u';') : QChar(0)));
    if (qint64(g.ColCount()) * g.RowCount() > 4096) return;

    // What was read, written and read again, stays.
    g.Delimiter = u',';
    const QString again = fuzz::scratchPath(QStringLiteral("again.csv"));
    g.SaveToCSV(again, true);
    grid::TExStringGrid h;
    h.SetColCount(1);
    h.SetRowCount(1);
    h.JavaCSV = g.JavaCSV;
    h.Delimiter = u',';
    h.LoadFromCSV(again);
    QStringList expected = fuzz::gridTexts(g);
    for (QString& cell : expected) {
        cell = fuzz::withCrLf(cell);
        if (g.JavaCSV) {
            cell.replace(u'~', QStringLiteral("\r\n"));
            if (cell == QStringLiteral("^")) cell.clear();
        } else {
            cell.replace(QChar(11), QStringLiteral("\r\n"));
        }
    }
    FUZZ_CHECK_EQUAL(fuzz::gridTexts(h).mid(0, expected.size()), expected);

    // Any line splits into fields without hanging.
    for (const QString& line : {QString::fromUtf8(bytes), QString::fromLatin1(bytes)})
        grid::io::SplitCsvLine(line, u',', g.JavaCSV);
}
