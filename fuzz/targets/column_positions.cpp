// The column grid's positions file (an INI file of "CP<i>=<column>" keys).
// A file that is read puts the columns in an order that names each once and
// that, saved and read into another grid, gives the same order; a file that
// is refused changes nothing.
//
// Input: the number of columns, then the file.

#include "controls/grid/column_grid/ex_column_grid.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

namespace {

const QString kSection = QStringLiteral("Columns");

// A grid of `count` columns named by their first place.
void nameColumns(grid::TExColumnGrid& grid, int count)
{
    grid.SetColCount(count);
    for (int c = 0; c < grid.Columns().Count(); ++c)
        grid.Columns()[c]->Name = QString::number(c);
    grid.Columns().SetOrganization();
}

QStringList columnNames(const grid::TExColumnGrid& grid)
{
    QStringList names;
    for (int c = 0; c < grid.Columns().Count(); ++c)
        names << grid.Columns()[c]->Name;
    return names;
}

}  // namespace

FUZZ_TARGET(column_positions)
{
    fuzz::FuzzedData input(data, size);
    const int count = int(input.takeInt(1, 12));
    const QString path = fuzz::scratchFile(QStringLiteral("positions.ini"), input.takeRest());

    grid::TExColumnGrid grid;
    nameColumns(grid, count);
    const QStringList before = columnNames(grid);
    if (!grid.LoadColumnPositions(path, kSection)) {
        FUZZ_CHECK_EQUAL(columnNames(grid), before);
        return;
    }
    QStringList sorted = columnNames(grid);
    sorted.sort();
    QStringList expected = before;
    expected.sort();
    FUZZ_CHECK_EQUAL(sorted, expected);

    grid.SaveColumnPositions(path, kSection);
    grid::TExColumnGrid other;
    nameColumns(other, count);
    FUZZ_CHECK(other.LoadColumnPositions(path, kSection));
    FUZZ_CHECK_EQUAL(columnNames(other), columnNames(grid));
}
