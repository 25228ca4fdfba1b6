#pragma once

// Reads an .xlsx workbook (an Office Open XML package): sheet names and
// order, the active sheet, shared and inline strings, numbers, truth values,
// errors and dates (numbers whose cell style has a date format). Raises
// WorkbookFileError for anything that is not a readable workbook.

#include <QByteArray>

#include "platform/office/spreadsheet/workbook.h"

namespace platform::office::spreadsheet {

Workbook ReadXlsx(const QByteArray& bytes);

}  // namespace platform::office::spreadsheet
