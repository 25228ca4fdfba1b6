#include "platform/office/spreadsheet/xlsx_writer.h"

#include <memory>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <xlsxwriter.h>

#include "platform/atomic_file.h"

namespace platform::office::spreadsheet {

namespace {

[[noreturn]] void CannotWrite(const QString& path, const QString& reason)
{
    throw WorkbookFileError(QStringLiteral("The workbook %1 cannot be written: %2").arg(path, reason));
}

void Check(lxw_error error, const QString& path)
{
    if (error != LXW_NO_ERROR) CannotWrite(path, QString::fromUtf8(lxw_strerror(error)));
}

struct Formats {
    lxw_format* date;
    lxw_format* dateTime;
};

void WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const Variant& value, const Formats& formats,
               const QString& path)
{
    switch (value.kind()) {
    case Variant::Kind::Text: {
        // A text that holds _xHHHH_ itself keeps it: its "_" is escaped so
        // that readers do not take it for an escaped character.
        static const QRegularExpression escapeLike(QStringLiteral("_(x[0-9A-Fa-f]{4}_)"));
        const QByteArray text = value.toText().replace(escapeLike, QStringLiteral("_x005F_\\1")).toUtf8();
        Check(worksheet_write_string(sheet, row, column, text.constData(), nullptr), path);
        break;
    }
    case Variant::Kind::Integer:
    case Variant::Kind::Number: Check(worksheet_write_number(sheet, row, column, value.toNumber(), nullptr), path); break;
    case Variant::Kind::Boolean: Check(worksheet_write_boolean(sheet, row, column, value.toBool(), nullptr), path); break;
    case Variant::Kind::Date: {
        const QDateTime date = value.toDate();
        lxw_format* format = date.time() == QTime(0, 0) ? formats.date : formats.dateTime;
        Check(worksheet_write_number(sheet, row, column, DateNumber(date), format), path);
        break;
    }
    case Variant::Kind::Error: {
        // An error is kept as the formula of its name, whose result it is.
        const QByteArray name = ErrorName(value.errorCode()).toUtf8();
        Check(worksheet_write_formula_str(sheet, row, column, name.constData(), nullptr, name.constData()), path);
        break;
    }
    default: break;
    }
}

}  // namespace

void WriteXlsx(const Workbook& book, const QString& path)
{
    if (book.sheets.empty()) CannotWrite(path, QStringLiteral("it has no sheet"));
    QTemporaryDir scratch;
    if (!scratch.isValid()) CannotWrite(path, QStringLiteral("no scratch folder"));
    const QString built = scratch.filePath(QStringLiteral("book.xlsx"));
    const QByteArray builtName = built.toLocal8Bit();
    const QByteArray tmpdir = scratch.path().toLocal8Bit();
    lxw_workbook_options options{};
    options.tmpdir = const_cast<char*>(tmpdir.constData());
    lxw_workbook* workbook = workbook_new_opt(builtName.constData(), &options);
    if (!workbook) CannotWrite(path, QStringLiteral("out of memory"));
    bool closed = false;
    try {
        Formats formats{workbook_add_format(workbook), workbook_add_format(workbook)};
        format_set_num_format(formats.date, "yyyy-mm-dd");
        format_set_num_format(formats.dateTime, "yyyy-mm-dd hh:mm:ss");
        for (size_t i = 0; i < book.sheets.size(); ++i) {
            const Sheet& sheet = *book.sheets[i];
            const QByteArray name = sheet.name.toUtf8();
            Check(workbook_validate_sheet_name(workbook, name.constData()), path);
            lxw_worksheet* ws = workbook_add_worksheet(workbook, name.constData());
            if (!ws) CannotWrite(path, QStringLiteral("the sheet name %1 is refused").arg(sheet.name));
            if (int(i) == book.activeSheet) worksheet_activate(ws);
            for (const auto& [key, value] : sheet.cells)
                WriteCell(ws, lxw_row_t(key.row - 1), lxw_col_t(key.column - 1), value, formats, path);
        }
        closed = true;
        Check(workbook_close(workbook), path);
    } catch (...) {
        if (!closed) workbook_close(workbook);
        throw;
    }
    QFile file(built);
    if (!file.open(QIODevice::ReadOnly)) CannotWrite(path, file.errorString());
    QString error;
    if (!writeFileAtomically(path, file.readAll(), &error)) CannotWrite(path, error);
}

}  // namespace platform::office::spreadsheet
