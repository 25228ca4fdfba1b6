// The .xlsx reader of the spreadsheet server. A package either is refused
// with the workbook file error or reads to at least one sheet whose cells
// lie inside the sheet bounds and hold values; a workbook read from a file
// that it writes reads back to the same sheets and cells, and writing that
// again reads back the same once more.
//
// Input: the bytes of a file.

#include <cmath>

#include "fuzz_support.h"
#include "fuzz_target.h"
#include "platform/office/spreadsheet/xlsx_reader.h"
#include "platform/office/spreadsheet/xlsx_writer.h"

namespace {

using namespace platform::office::spreadsheet;

// Sheets and cells in one text: names and cell places, and the kinds and
// values of the cells when `values`.
QString Described(const Workbook& book, bool values)
{
    QString text = QStringLiteral("active %1\n").arg(book.activeSheet);
    for (const auto& sheet : book.sheets) {
        text += sheet->name + u'\n';
        for (const auto& [key, value] : sheet->cells) {
            text += QStringLiteral("%1,%2").arg(key.row).arg(key.column);
            if (values) {
                text += QStringLiteral(":%1:").arg(int(value.kind()));
                switch (value.kind()) {
                case Variant::Kind::Number: text += QString::number(value.toNumber(), 'g', 17); break;
                case Variant::Kind::Date: text += value.toDate().toString(Qt::ISODateWithMs); break;
                case Variant::Kind::Error: text += QString::number(value.errorCode()); break;
                default: text += value.toText(); break;
                }
            }
            text += u'\n';
        }
    }
    return text;
}

// The workbook written to a scratch file and read again; nullopt when the
// writer refuses it (sheet names or texts a workbook file cannot take).
std::optional<Workbook> Rewritten(const Workbook& book)
{
    const QString path = fuzz::scratchPath(QStringLiteral("rewritten.xlsx"));
    try {
        WriteXlsx(book, path);
    } catch (const WorkbookFileError&) {
        return std::nullopt;
    }
    return ReadXlsx(fuzz::fileBytes(path));
}

}  // namespace

FUZZ_TARGET(xlsx_file)
{
    fuzz::FuzzedData input(data, size);
    const QByteArray bytes = input.takeRest();
    Workbook book;
    try {
        book = ReadXlsx(bytes);
    } catch (const WorkbookFileError&) {
        return;
    }
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

    const std::optional<Workbook> once = Rewritten(book);
    if (!once) return;
    FUZZ_CHECK_EQUAL(Described(*once, false), Described(book, false));
    const std::optional<Workbook> twice = Rewritten(*once);
    FUZZ_CHECK(twice.has_value());
    FUZZ_CHECK_EQUAL(Described(*twice, true), Described(*once, true));
}
