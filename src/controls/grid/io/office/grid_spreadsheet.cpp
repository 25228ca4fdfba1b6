#include "controls/grid/io/office/grid_spreadsheet.h"

#include <exception>
#include <optional>
#include <vector>

#include <QFileInfo>

#include "controls/grid/grid_error.h"
#include "controls/grid/io/grid_export.h"
#include "controls/grid/io/office/office_connection.h"
#include "controls/grid/io/office/sheet_address.h"

namespace grid::io {

using namespace platform::automation;

namespace {

const char* const IncorrectXLSFile = "Incorrect XLS file";

// The text a sheet value gives a grid cell; nullopt keeps the cell's text
// (objects and error values).
std::optional<QString> SheetValueText(const Variant& value)
{
    switch (value.kind()) {
    case Variant::Kind::Empty: return QString();
    case Variant::Kind::Object:
    case Variant::Kind::Error: return std::nullopt;
    case Variant::Kind::Array: throw EExGridError(IncorrectXLSFile);
    default: return value.toText();
    }
}

// The sheet of the workbook whose name is `name`: the last one that has it.
ObjectRef NamedSheet(AutomationObject& book, const QString& name)
{
    ObjectRef found;
    const qint64 count = book.GetObject(QStringLiteral("Sheets"))->Get(QStringLiteral("Count")).toInteger();
    for (qint64 i = 1; i <= count; ++i) {
        ObjectRef sheet = book.GetObject(QStringLiteral("Sheets"), {Argument(i)});
        if (sheet->Get(QStringLiteral("Name")).toText() == name) found = sheet;
    }
    return found;
}

struct TLoadedCell {
    int Col;
    int Row;
    QString Text;
};

// Reads the used area of the sheet and puts it into the grid. Every value is
// read before the grid changes, so a sheet that cannot be read leaves it as
// it was.
void LoadSheetArea(TExStringGrid& grid, AutomationObject& sheet)
{
    const QString address =
        sheet.GetObject(QStringLiteral("UsedRange"))->Get(QStringLiteral("Address")).toText();
    const TSheetArea area = ParseSheetArea(address);

    const int colOffset = grid.SaveFixedCells || grid.SaveFixedCols ? 0 : grid.FixedCols();
    const int rowOffset = grid.SaveFixedCells || grid.SaveFixedRows ? 0 : grid.FixedRows();
    int cols = grid.ColCount();
    int rows = grid.RowCount();
    if (area.Complete()) {
        const qint64 areaCols = qint64(*area.LastCol) - *area.FirstCol + 1;
        const qint64 areaRows = qint64(*area.LastRow) - *area.FirstRow + 1;
        if (!IsSaneGridSize(areaCols + colOffset, areaRows + rowOffset)) throw EExGridError(IncorrectXLSFile);
        cols = int(areaCols) + colOffset;
        rows = int(areaRows) + rowOffset;
    }

    std::vector<TLoadedCell> cells;
    if (area.SingleCell) {
        const Variant value =
            sheet.GetObject(QStringLiteral("Rows"))
                ->GetObject(QStringLiteral("Cells"), {Argument(area.FirstRow.value_or(0)), Argument(area.FirstCol.value_or(0))})
                ->Get(QStringLiteral("Value"));
        try {
            if (const std::optional<QString> text = SheetValueText(value)) cells.push_back({colOffset, rowOffset, *text});
        } catch (const std::exception&) {
            throw EExGridError(IncorrectXLSFile);
        }
    } else {
        const Variant values =
            sheet.GetObject(QStringLiteral("Range"), {Argument(area.RangeAddress())})->Get(QStringLiteral("Value"));
        try {
            if (values.kind() != Variant::Kind::Array) throw EExGridError(IncorrectXLSFile);
            const VariantArray& array = *values.array();
            for (int i = 1; i <= rows - rowOffset; ++i)
                for (int j = 1; j <= cols - colOffset; ++j) {
                    const Variant& value = array.at(array.rowBase() + i - 1, array.columnBase() + j - 1);
                    if (const std::optional<QString> text = SheetValueText(value))
                        cells.push_back({colOffset + j - 1, rowOffset + i - 1, *text});
                }
        } catch (const std::exception&) {
            throw EExGridError(IncorrectXLSFile);
        }
    }

    const int fixedCols = grid.FixedCols();
    const int fixedRows = grid.FixedRows();
    if (area.Complete()) {
        grid.SetColCount(cols);
        grid.SetRowCount(rows);
        if (fixedCols < grid.ColCount()) grid.SetFixedCols(fixedCols);
        if (fixedRows < grid.RowCount()) grid.SetFixedRows(fixedRows);
    }
    for (const TLoadedCell& cell : cells)
        if (cell.Col < grid.ColCount() && cell.Row < grid.RowCount()) grid.LoadCellText(cell.Col, cell.Row, cell.Text);
}

// The grid's save range as one array indexed from 0, line breaks as LF.
std::shared_ptr<VariantArray> SaveRangeArray(TExStringGrid& grid, int rows, int cols)
{
    auto array = std::make_shared<VariantArray>(rows, cols);
    const int startRow = grid.SaveStartRow();
    const int startCol = grid.SaveStartCol();
    TExportRun run(grid, startRow);
    for (int e = startRow; e < grid.RowCount(); ++e) {
        run.NextRow(e);
        for (int f = startCol; f < grid.ColCount(); ++f)
            array->at(e - startRow, f - startCol) = Variant(grid.SaveCellText(grid.RealColIndex(f), e).remove(u'\r'));
    }
    run.Finish();
    return array;
}

}  // namespace

QStringList ReadSheetNames(const QString& FileName)
{
    TOfficeConnection link(SpreadsheetServer, ExcelNotFound, TOfficeConnection::NewInstance);
    return WithGridError([&] {
        ObjectRef book = link.Server().GetObject(QStringLiteral("WorkBooks"))->CallObject(QStringLiteral("Open"), {Argument(FileName)});
        ObjectRef sheets = book->GetObject(QStringLiteral("WorkSheets"));
        QStringList names;
        const qint64 count = sheets->Get(QStringLiteral("Count")).toInteger();
        for (qint64 i = 1; i <= count; ++i)
            names << sheets->GetObject(QStringLiteral("item"), {Argument(i)})->Get(QStringLiteral("Name")).toText();
        book->Put(QStringLiteral("Saved"), true);
        return names;
    });
}

void ImportSheet(TExStringGrid& grid, const QString& FileName, const QString& SheetName)
{
    std::optional<TOfficeConnection> link;
    link.emplace(SpreadsheetServer, ExcelNotFound, TOfficeConnection::NewInstance);
    std::exception_ptr failure;
    try {
        WithGridError([&] {
            ObjectRef book =
                link->Server().GetObject(QStringLiteral("WorkBooks"))->CallObject(QStringLiteral("Open"), {Argument(FileName)});
            ObjectRef sheet = SheetName.isEmpty() ? book->GetObject(QStringLiteral("ActiveSheet")) : NamedSheet(*book, SheetName);
            if (!sheet) throw EExGridError(QStringLiteral("Excel worksheet %1 not found").arg(SheetName).toStdString());
            LoadSheetArea(grid, *sheet);
            book->Call(QStringLiteral("Close"), {Argument(false)});
        });
    } catch (...) {
        failure = std::current_exception();
    }
    link.reset();
    ReportCellsLoaded(grid);
    if (failure) std::rethrow_exception(failure);
}

void ExportSheet(TExStringGrid& grid, const QString& FileName, const QString& SheetName, bool CreateNewSheet)
{
    const int rows = grid.RowCount() - grid.SaveStartRow();
    const int cols = grid.ColCount() - grid.SaveStartCol();
    if (cols > 702) throw EExGridError("A worksheet block takes at most 702 columns");

    TOfficeConnection link(SpreadsheetServer, ExcelNotFound, TOfficeConnection::AttachToRunning);
    WithGridError([&] {
        AutomationObject& server = link.Server();
        ObjectRef books = server.GetObject(QStringLiteral("WorkBooks"));
        ObjectRef book;
        ObjectRef sheet;
        qint64 startRow = 1;
        bool saveInPlace = false;
        if (SheetName.isEmpty()) {
            if (CreateNewSheet || books->Get(QStringLiteral("Count")).toInteger() == 0) {
                book = books->CallObject(QStringLiteral("Add"));
                sheet = book->GetObject(QStringLiteral("Sheets"), {Argument(1)});
            } else {
                book = server.GetObject(QStringLiteral("ActiveWorkBook"));
                sheet = book->GetObject(QStringLiteral("ActiveSheet"));
                startRow = server.GetObject(QStringLiteral("ActiveCell"))->Get(QStringLiteral("Row")).toInteger();
            }
        } else {
            // A workbook that is there but cannot be opened is never replaced
            // by a new one: the error stops the export.
            saveInPlace = QFileInfo::exists(FileName);
            book = saveInPlace ? books->CallObject(QStringLiteral("Open"), {Argument(FileName)})
                               : books->CallObject(QStringLiteral("Add"));
            sheet = NamedSheet(*book, SheetName);
            if (!sheet) {
                sheet = book->GetObject(QStringLiteral("WorkSheets"))->CallObject(QStringLiteral("Add"));
                sheet->Put(QStringLiteral("Name"), SheetName);
            }
        }
        if (rows > 0 && cols > 0) {
            const std::shared_ptr<VariantArray> array = SaveRangeArray(grid, rows, cols);
            const QString address = QStringLiteral("A%1:%2%3").arg(startRow).arg(SheetColumnName(cols)).arg(startRow + rows - 1);
            sheet->GetObject(QStringLiteral("Range"), {Argument(address)})->Put(QStringLiteral("Value"), Variant(array));
        }
        if (saveInPlace)
            book->Call(QStringLiteral("Save"));
        else
            book->Call(QStringLiteral("SaveAs"), {Argument(FileName)});
    });
}

}  // namespace grid::io
