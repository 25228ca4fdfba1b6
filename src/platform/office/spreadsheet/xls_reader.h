#pragma once

// Reads a legacy .xls workbook (read only): sheet names, texts, numbers and
// dates. Raises WorkbookFileError for a file that cannot be read.

#include <QString>

#include "platform/office/spreadsheet/workbook.h"

namespace platform::office::spreadsheet {

Workbook ReadXls(const QString& path);

}  // namespace platform::office::spreadsheet
