#pragma once

// A grid's texts as a test compares them: one line per row, the cells
// (GetCellEx) joined by '|'.

#include <QStringList>

#include "controls/grid/string_grid/ex_string_grid.h"

namespace testing_support {

inline QStringList GridRows(grid::TExStringGrid& g)
{
    QStringList rows;
    for (int r = 0; r < g.RowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < g.ColCount(); ++c) row << g.GetCellEx(c, r);
        rows << row.join(u'|');
    }
    return rows;
}

}  // namespace testing_support
