#pragma once

// The column descriptions of a column grid as a component stream: one
// "TExColumnGridIO" record whose property "Items" is a collection with one
// item per description, carrying the published properties of a column
// description (fonts and pens as nested properties, string lists as lists).
// Width is the grid's current width of the storage column.
//
// Reading is checked whole before the grid changes: a stream that is not
// such a record raises EExGridError and leaves the descriptions as they were.

#include <QByteArray>

namespace grid {
class TExColumnGrid;
}

namespace grid::io {

// More descriptions than this are not read (the grid's column limit).
inline constexpr int MaxStreamColumns = 512;

void SaveColumnsToStream(const TExColumnGrid& grid, QByteArray& out);
// Each description's width goes into the grid's storage column of the same
// index and, with fixed rows, its header into row 0; then the grid's
// descriptions become copies of those read. The column count stays.
void LoadColumnsFromStream(TExColumnGrid& grid, const QByteArray& bytes);

}  // namespace grid::io
