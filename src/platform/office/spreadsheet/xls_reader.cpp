#include "platform/office/spreadsheet/xls_reader.h"

#include <freexl.h>

namespace platform::office::spreadsheet {

namespace {

class XlsHandle {
public:
    explicit XlsHandle(const QString& path)
    {
        if (freexl_open(path.toLocal8Bit().constData(), &handle_) != FREEXL_OK || !handle_)
            throw WorkbookFileError(QStringLiteral("The file %1 is no readable workbook").arg(path));
    }
    ~XlsHandle()
    {
        if (handle_) freexl_close(handle_);
    }
    XlsHandle(const XlsHandle&) = delete;
    XlsHandle& operator=(const XlsHandle&) = delete;
    const void* get() const { return handle_; }

private:
    const void* handle_ = nullptr;
};

[[noreturn]] void Damaged(const QString& what) { throw WorkbookFileError(QStringLiteral("The workbook is damaged: %1").arg(what)); }

Variant XlsValue(const FreeXL_CellValue& cell)
{
    switch (cell.type) {
    case FREEXL_CELL_INT: return qint64(cell.value.int_value);
    case FREEXL_CELL_DOUBLE: return cell.value.double_value;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT: return QString::fromUtf8(cell.value.text_value);
    case FREEXL_CELL_DATE: {
        const QDate date = QDate::fromString(QString::fromLatin1(cell.value.text_value), Qt::ISODate);
        if (!date.isValid()) Damaged(QStringLiteral("a date"));
        return QDateTime(date, QTime(0, 0));
    }
    case FREEXL_CELL_DATETIME: {
        const QDateTime date = QDateTime::fromString(QString::fromLatin1(cell.value.text_value), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!date.isValid()) Damaged(QStringLiteral("a date"));
        return date;
    }
    case FREEXL_CELL_TIME: {
        const QTime time = QTime::fromString(QString::fromLatin1(cell.value.text_value), QStringLiteral("HH:mm:ss"));
        if (!time.isValid()) Damaged(QStringLiteral("a time"));
        return QDateTime(QDate(1899, 12, 30), time);
    }
    default: return {};
    }
}

}  // namespace

Workbook ReadXls(const QString& path)
{
    const XlsHandle xls(path);
    unsigned int count = 0;
    if (freexl_get_info(xls.get(), FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK) Damaged(QStringLiteral("no sheet list"));
    Workbook book;
    qint64 cells = 0;
    for (unsigned short index = 0; index < count; ++index) {
        const char* name = nullptr;
        if (freexl_get_worksheet_name(xls.get(), index, &name) != FREEXL_OK || !name) Damaged(QStringLiteral("a sheet name"));
        auto sheet = std::make_shared<Sheet>();
        sheet->name = QString::fromUtf8(name);
        if (sheet->name.isEmpty()) Damaged(QStringLiteral("a sheet has no name"));
        unsigned int rows = 0;
        unsigned short columns = 0;
        if (freexl_select_active_worksheet(xls.get(), index) != FREEXL_OK ||
            freexl_worksheet_dimensions(xls.get(), &rows, &columns) != FREEXL_OK)
            Damaged(QStringLiteral("the sheet %1").arg(sheet->name));
        if (rows > unsigned(MaxSheetRows) || columns > MaxSheetColumns) Damaged(QStringLiteral("the size of %1").arg(sheet->name));
        cells += qint64(rows) * columns;
        if (cells > MaxWorkbookCells) Damaged(QStringLiteral("too many cells"));
        for (unsigned int r = 0; r < rows; ++r)
            for (unsigned short c = 0; c < columns; ++c) {
                FreeXL_CellValue cell;
                if (freexl_get_cell_value(xls.get(), r, c, &cell) != FREEXL_OK) Damaged(QStringLiteral("a cell of %1").arg(sheet->name));
                sheet->Set(CellKey{int(r) + 1, int(c) + 1}, XlsValue(cell));
            }
        book.sheets.push_back(sheet);
    }
    if (book.sheets.empty()) Damaged(QStringLiteral("no sheets"));
    return book;
}

}  // namespace platform::office::spreadsheet
