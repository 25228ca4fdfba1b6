#pragma once

// Writes a workbook as an .xlsx file: texts, numbers, truth values, dates
// (numbers with a date format) and errors, the active sheet marked. The file
// is replaced whole or not at all. Raises WorkbookFileError on failure.

#include <QString>

#include "platform/office/spreadsheet/workbook.h"

namespace platform::office::spreadsheet {

void WriteXlsx(const Workbook& book, const QString& path);

}  // namespace platform::office::spreadsheet
