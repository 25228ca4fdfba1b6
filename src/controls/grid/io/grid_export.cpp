#include "controls/grid/io/grid_export.h"

#include <algorithm>
#include <cmath>

namespace grid::io {

TSaveRange TSaveRange::Of(const TExStringGrid& grid, bool withHidden)
{
    TSaveRange range;
    range.StartCol = grid.SaveStartCol();
    range.EndCol = grid.SaveEndCol();
    range.StartRow = grid.SaveStartRow();
    range.EndRow = grid.SaveEndRow();
    if (withHidden && grid.SaveHiddenCells) {
        range.StorageColumns = true;
        range.Hidden = grid.NumHiddenColumns();
        range.EndCol += range.Hidden;
    }
    return range;
}

void TProgressReporter::Report(qint64 part, qint64 whole)
{
    if (!Active()) return;
    const int progress = int(std::lround(double(part) * 100.0 / double(std::max<qint64>(1, whole))));
    if (progress == FLast) return;
    FLast = progress;
    FGrid.DoFileProgress(progress);
}

bool TGridFileRun::MarkDone()
{
    if (FDone) return false;
    FDone = true;
    return true;
}

TExportRun::TExportRun(TExStringGrid& grid, int firstRow) : TGridFileRun(grid)
{
    FGrid.ExportNotification(TExStringGrid::esExportStart, firstRow);
}

TExportRun::~TExportRun()
{
    if (!FDone) FGrid.ExportNotification(TExStringGrid::esExportFail, -1);
}

void TExportRun::Finish()
{
    if (MarkDone()) FGrid.ExportNotification(TExStringGrid::esExportDone, -1);
}

TImportRun::TImportRun(TExStringGrid& grid, int firstRow) : TGridFileRun(grid)
{
    FGrid.ImportNotification(TExStringGrid::isImportStart, firstRow);
}

TImportRun::~TImportRun() { Finish(); }

void TImportRun::Finish()
{
    if (MarkDone()) FGrid.ImportNotification(TExStringGrid::isImportDone, -1);
}

void ReportCellsLoaded(TExStringGrid& grid)
{
    grid.CellsChanged(QRect(QPoint(0, 0), QPoint(grid.ColCount(), grid.RowCount())));
    grid.CellsLoaded();
}

bool IsSaneGridSize(qint64 cols, qint64 rows)
{
    return cols > 0 && rows > 0 && cols <= MaxFileColCount && rows <= MaxFileRowCount &&
           cols * rows <= MaxFileCellCount;
}

}  // namespace grid::io
