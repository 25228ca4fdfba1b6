// The legacy .xls reader of the spreadsheet server: a file is either refused
// with the workbook file error or reads to at least one named sheet whose
// cells lie inside the sheet bounds and hold plain values.
// The library itself reads in a child process, and overruns its buffers on
// many damaged files there. The child inherits libFuzzer's crash handler, so
// those overruns are filed under findings too; they are the library's and stay
// in the child. A finding of ours is one that stops the fuzzing process.

#include "fuzz_support.h"
#include "fuzz_target.h"
#include "platform/office/spreadsheet/xls_reader.h"
#include "workbook_checks.h"

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
    fuzz::checkWorkbook(book);
}
