#pragma once

// What the grid reader targets compare: a grid's stored texts row by row,
// and a text as a reader gives it back once its line breaks were written
// (every lone CR or LF a CR LF).

#include <QStringList>

#include "controls/grid/string_grid/ex_string_grid.h"

namespace fuzz {

inline QStringList gridTexts(const grid::TExStringGrid& g)
{
    QStringList cells;
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.ColCount(); ++c) cells << g.GetGridCell(c, r);
    return cells;
}

inline QString withCrLf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

}  // namespace fuzz
