#pragma once

// Grids whose columns can be told apart after moving and hiding: the header
// cell of each column names it by its design-time index ("c0", "c1", ...).

#include <vector>

#include <QStringList>

#include "controls/grid/string_grid/ex_string_grid.h"

namespace column_layout {

// `widths.size()` columns, none fixed, with these widths.
inline void makeColumns(grid::TExStringGrid& g, const std::vector<int>& widths)
{
    g.SetFixedCols(0);
    g.SetColCount(int(widths.size()));
    for (int c = 0; c < int(widths.size()); ++c) {
        g.SetColWidths(c, widths[size_t(c)]);
        g.SetCellEx(c, 0, QStringLiteral("c%1").arg(c));
    }
}

// The columns' names in storage order, hidden ones in brackets: "c2 [c0] c1".
inline QString columnNames(const grid::TExStringGrid& g)
{
    QStringList names;
    for (int c = 0; c < g.AllColCount(); ++c) {
        const QString name = g.GetCellEx(c, 0);
        names << (g.IsHiddenColumn(c) ? u'[' + name + u']' : name);
    }
    return names.join(u' ');
}

inline std::vector<int> displayWidths(const grid::TExStringGrid& g)
{
    std::vector<int> widths;
    for (int d = 0; d < g.ColCount(); ++d) widths.push_back(g.ColWidths(d));
    return widths;
}

}  // namespace column_layout
