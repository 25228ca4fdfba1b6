#pragma once

// Query results into the string grid through the data-access objects
// ("ADODB.Connection", "ADODB.RecordSet"): the field names fill the last
// fixed row, the records the rows below it, from the first non-fixed column.

#include <QString>

#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid::io {

// A name as one SQL identifier: in double quotes, inner ones doubled.
QString QuotedIdentifier(const QString& Name);

// Runs the query on the database file. Every record is read before the grid
// changes, so a failure (EExGridError with the server's message; also for a
// file name holding ';', '{' or '}', which a connection string cannot carry)
// leaves the grid as it was. The grid gets as many rows as the query gave
// records (one empty row when none).
void LoadDatabaseQuery(TExStringGrid& grid, const QString& FileName, const QString& SQL);

}  // namespace grid::io
