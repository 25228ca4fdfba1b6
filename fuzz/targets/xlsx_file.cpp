// The .xlsx reader of the spreadsheet server. A package either is refused
// with the workbook file error or reads to at least one sheet whose cells
// lie inside the sheet bounds and hold values; a workbook read from a file
// that it writes reads back to the same sheets and cells, and writing that
// again reads back the same once more.
//
// Input: a mode byte, then with an even mode the bytes of a file; with an odd
// mode the workbook part, the first sheet part, the shared strings and the
// styles, separated by NUL bytes, which the target packs into a file itself
// (so that the XML is fuzzed past the package's checksums).

#include <cmath>

#include "fuzz_support.h"
#include "fuzz_target.h"
#include "platform/office/package/zip_package.h"
#include "platform/office/spreadsheet/xlsx_reader.h"
#include "platform/office/spreadsheet/xlsx_writer.h"
#include "workbook_checks.h"

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

// A package of the given parts.
QByteArray Packed(const std::vector<std::pair<const char*, QByteArray>>& parts)
{
    platform::office::ZipPackage package;
    for (const auto& [name, bytes] : parts) package.SetPart(QString::fromUtf8(name), bytes);
    return package.Write();
}

QByteArray PackageFromParts(fuzz::FuzzedData& input)
{
    const QByteArray workbook = input.takeBytesUntil('\0');
    const QByteArray sheet = input.takeBytesUntil('\0');
    const QByteArray strings = input.takeBytesUntil('\0');
    const QByteArray styles = input.takeRest();
    const QByteArray rels =
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
        "Target=\"worksheets/sheet1.xml\"/>"
        "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings\" "
        "Target=\"sharedStrings.xml\"/>"
        "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
        "Target=\"styles.xml\"/></Relationships>";
    return Packed({{"xl/workbook.xml", workbook},
                   {"xl/_rels/workbook.xml.rels", rels},
                   {"xl/worksheets/sheet1.xml", sheet},
                   {"xl/sharedStrings.xml", strings},
                   {"xl/styles.xml", styles}});
}

}  // namespace

FUZZ_TARGET(xlsx_file)
{
    fuzz::FuzzedData input(data, size);
    const QByteArray bytes = (input.takeByte() & 1) != 0 ? PackageFromParts(input) : input.takeRest();
    Workbook book;
    try {
        book = ReadXlsx(bytes);
    } catch (const WorkbookFileError&) {
        return;
    }
    fuzz::checkWorkbook(book);

    const std::optional<Workbook> once = Rewritten(book);
    if (!once) return;
    FUZZ_CHECK_EQUAL(Described(*once, false), Described(book, false));
    const std::optional<Workbook> twice = Rewritten(*once);
    FUZZ_CHECK(twice.has_value());
    FUZZ_CHECK_EQUAL(Described(*twice, true), Described(*once, true));
}
