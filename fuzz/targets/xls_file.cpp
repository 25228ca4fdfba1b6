// The legacy .xls reader of the spreadsheet server: a file is either refused
// with the workbook file error or reads to at least one named sheet whose
// cells lie inside the sheet bounds and hold plain values.

#include "fuzz_support.h"
#include "fuzz_target.h"
#include "platform/office/spreadsheet/xls_reader.h"

FUZZ_TARGET(xls_file)
{
    using namespace platform::office::spreadsheet;
    fuzz::FuzzedData input(data, size);
    const QString path = fuzz::scratchFile(QStringLiteral("book.xls"), input.takeRest());
    Workbook book;
    try {
        book = ReadXls(path);
    } catch (const WorkbookFileError&) {
        return;
    }
    FUZZ_CHECK(!book.sheets.empty());
    FUZZ_CHECK(book.activeSheet >= 0 && book.activeSheet < int(book.sheets.size()));
    for (const auto& sheet : book.sheets) {
        FUZZ_CHECK(!sheet->name.isEmpty());
        for (const auto& [key, value] : sheet->cells) {
            FUZZ_CHECK(key.row >= 1 && key.row <= MaxSheetRows && key.column >= 1 && key.column <= MaxSheetColumns);
            FUZZ_CHECK(!value.isObject() && value.kind() != Variant::Kind::Array);
        }
    }
}
