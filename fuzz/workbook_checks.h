#pragma once

// What the workbook reader targets require of any workbook a reader gives:
// at least one named sheet, an active sheet among them, and cells inside the
// sheet bounds and the workbook's cell limit that hold plain values.

#include "fuzz_target.h"
#include "platform/office/spreadsheet/workbook.h"

namespace fuzz {

inline void checkWorkbook(const platform::office::spreadsheet::Workbook& book)
{
    using namespace platform::office::spreadsheet;
    FUZZ_CHECK(!book.sheets.empty());
    FUZZ_CHECK(book.activeSheet >= 0 && book.activeSheet < int(book.sheets.size()));
    qint64 cells = 0;
    for (const auto& sheet : book.sheets) {
        FUZZ_CHECK(!sheet->name.isEmpty());
        for (const auto& [key, value] : sheet->cells) {
            FUZZ_CHECK(key.row >= 1 && key.row <= MaxSheetRows && key.column >= 1 && key.column <= MaxSheetColumns);
            FUZZ_CHECK(!value.isEmpty() && !value.isObject() && value.kind() != Variant::Kind::Array);
            ++cells;
        }
    }
    FUZZ_CHECK(cells <= MaxWorkbookCells);
}

}  // namespace fuzz
