#pragma once

// The spreadsheet server ("excel.application"): the application object with
// its workbooks, sheets and ranges over .xlsx files (read and written) and
// legacy .xls files (read only).
//
// Application: WorkBooks, ActiveWorkBook, ActiveSheet, ActiveCell, Quit,
//   Visible, DisplayAlerts.
// WorkBooks: Count, Item(i), Open(FileName), Add().
// Workbook: Name, FullName, Sheets / WorkSheets (with an index or name: the
//   sheet), ActiveSheet, Saved, Save(), SaveAs(FileName), Close(SaveChanges).
// Sheets: Count, Item(index or name), Add().
// Worksheet: Name, Index, UsedRange, Range(address), Cells(row, column), Rows,
//   Columns, Activate().
// Range: Value (one value, or an array indexed from 1 for several cells;
//   writing takes an array of any lower bounds, or one value for every cell),
//   Text, Address, Row, Column, Cells(row, column), Count, Select() (its first
//   cell becomes the active cell).
//
// What a running application is, is kept by the server's session: an
// instance runs from its creation until "Quit", and GetActiveObject answers
// the one started last, with the workbooks it has open.

#include "platform/office/office_servers.h"
#include "platform/office/running_instances.h"

namespace platform::office::spreadsheet {

inline constexpr const char* ProgramName = "excel.application";

// A new application instance (running until told "Quit").
automation::ObjectRef NewSpreadsheetApplication();
RunningInstances& SpreadsheetSession();
void AddSpreadsheetServer(ServerRegistry& registry);

}  // namespace platform::office::spreadsheet
