// A grid's column widths ("Col<c>") and order ("Pos<i>") read from a
// section of an INI file. The columns read are the grid's columns in some
// order; saved and read into another grid, they come back the same.
//
// Input: the number of columns, then the file (section "Grid").

#include <QFile>

#include "controls/grid/grid_error.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

namespace {

void makeGrid(grid::TExStringGrid& grid, int count, const QString& path)
{
    grid.SetFixedCols(0);
    grid.SetColCount(count);
    for (int c = 0; c < count; ++c) grid.SetCellEx(c, 0, QString::number(c));
    grid.ColumnSize().Location = grid::clIniFile;
    grid.ColumnSize().Key = path;
    grid.ColumnSize().Section = QStringLiteral("Grid");
}

QStringList names(const grid::TExStringGrid& grid)
{
    QStringList parts;
    for (int c = 0; c < grid.AllColCount(); ++c) parts << grid.GetCellEx(c, 0);
    return parts;
}

QString layout(const grid::TExStringGrid& grid)
{
    QStringList parts = names(grid);
    for (int d = 0; d < grid.ColCount(); ++d) parts << QString::number(grid.ColWidths(d));
    return parts.join(u' ');
}

}  // namespace

FUZZ_TARGET(column_size_file)
{
    fuzz::FuzzedData input(data, size);
    const int count = int(input.takeInt(1, 10));
    const QString path = fuzz::scratchFile(QStringLiteral("columns.ini"), input.takeRest());

    grid::TExStringGrid grid;
    makeGrid(grid, count, path);
    QStringList expected = names(grid);
    try {
        grid.LoadColPositions();
        grid.LoadColSizes();
    } catch (const EExGridError&) {
        return;  // a file that cannot be read
    }
    QStringList sorted = names(grid);
    sorted.sort();
    expected.sort();
    FUZZ_CHECK_EQUAL(sorted, expected);

    const QString copy = fuzz::scratchPath(QStringLiteral("columns copy.ini"));
    QFile::remove(copy);
    grid.ColumnSize().Key = copy;
    try {
        grid.SaveColPositions();
        grid.SaveColSizes();
    } catch (const EExGridError&) {
        FUZZ_CHECK(false);
    }
    grid::TExStringGrid other;
    makeGrid(other, count, copy);
    other.LoadColPositions();
    other.LoadColSizes();
    FUZZ_CHECK_EQUAL(layout(other), layout(grid));
    QFile::remove(copy);
}
