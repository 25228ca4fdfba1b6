// The string grid's spreadsheet members: each runs the spreadsheet exchange
// of this folder.

#include "controls/grid/io/office/grid_spreadsheet.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

QStringList TExStringGrid::GetXLSSheets(const QString& FileName) { return io::ReadSheetNames(FileName); }

void TExStringGrid::LoadFromXLS(const QString& Filename) { ImportXLS(Filename, QString()); }

void TExStringGrid::LoadFromXLSSheet(const QString& Filename, const QString& SheetName)
{
    ImportXLS(Filename, SheetName);
}

void TExStringGrid::SaveToXLS(const QString& Filename, bool CreateNewSheet)
{
    ExportXLS(Filename, QString(), CreateNewSheet);
}

void TExStringGrid::SaveToXLSSheet(const QString& Filename, const QString& SheetName)
{
    ExportXLS(Filename, SheetName, true);
}

void TExStringGrid::ImportXLS(const QString& Filename, const QString& SheetName)
{
    io::ImportSheet(*this, Filename, SheetName);
}

void TExStringGrid::ExportXLS(const QString& Filename, const QString& SheetName, bool CreateNewSheet)
{
    io::ExportSheet(*this, Filename, SheetName, CreateNewSheet);
}

bool TExStringGrid::LoadDroppedXLS(const QString& FileName)
{
    // A workbook that cannot be read is refused; the grid keeps its cells.
    try {
        LoadFromXLS(FileName);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace grid
