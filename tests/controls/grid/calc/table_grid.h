#pragma once

// A string grid filled from a small table: row 0 the header row (fixed),
// column 0 numbering the rows (fixed), the table's columns from column 1.

#include <vector>

#include <QStringList>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/grid_text_test_settings.h"

namespace grid_calc_testing {

template <typename Grid = grid::TExStringGrid> struct TableGrid {
    Grid g;
    grid_text_testing::FormatSettingsScope format{u'.', u','};

    explicit TableGrid(const std::vector<QStringList>& rows)
    {
        g.SetColCount(int(rows.front().size()) + 1);
        g.SetRowCount(int(rows.size()));
        g.SetFixedCols(1);
        g.SetFixedRows(1);
        for (int r = 0; r < int(rows.size()); ++r) {
            g.SetCellEx(0, r, r == 0 ? QString() : QString::number(r));
            for (int c = 0; c < int(rows[size_t(r)].size()); ++c) g.SetCellEx(c + 1, r, rows[size_t(r)][c]);
        }
    }
    QStringList column(int c, int fromRow = 1) const
    {
        QStringList out;
        for (int r = fromRow; r < g.RowCount(); ++r) out << g.GetCellEx(c, r);
        return out;
    }
};

// A header row and one column of values below it.
inline std::vector<QStringList> oneColumn(const QStringList& values)
{
    std::vector<QStringList> rows{{"V"}};
    for (const QString& v : values) rows.push_back({v});
    return rows;
}

}  // namespace grid_calc_testing
