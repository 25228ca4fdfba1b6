#pragma once

// The string grid's exchange with spreadsheet workbooks through the
// spreadsheet server ("excel.application"): the sheet names of a workbook,
// reading a sheet's used area into the grid, writing the grid as one block of
// a sheet. Server failures raise EExGridError with the server's message.

#include <QStringList>

#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid::io {

inline constexpr const char* SpreadsheetServer = "excel.application";

QStringList ReadSheetNames(const QString& FileName);
// SheetName empty: the workbook's active sheet.
void ImportSheet(TExStringGrid& grid, const QString& FileName, const QString& SheetName);
// SheetName empty: a new workbook (CreateNewSheet, or none open) or the
// running server's active sheet at its active cell's row; else the named
// sheet of the file, made when missing.
void ExportSheet(TExStringGrid& grid, const QString& FileName, const QString& SheetName, bool CreateNewSheet);

}  // namespace grid::io
