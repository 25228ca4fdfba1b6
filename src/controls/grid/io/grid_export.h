#pragma once

// What every exporter and importer of the grid shares: the save range to
// walk, the export / import notifications with the progress event, and the
// cell texts in and out.

#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid::io {

// The cells an export covers. Columns run StartCol .. EndCol (display
// numbers, with the hidden columns added at the end when SaveHiddenCells is
// on); StorageCol maps such a column to the storage column whose text is
// written: itself when hidden columns are saved, else the storage column of
// the display column.
struct TSaveRange {
    int StartCol = 0;
    int EndCol = -1;
    int StartRow = 0;
    int EndRow = -1;
    int Hidden = 0;               // hidden columns added to the range
    bool StorageColumns = false;  // the columns are storage columns

    // The grid's save range; `withHidden` adds the hidden columns when
    // SaveHiddenCells is on.
    static TSaveRange Of(const TExStringGrid& grid, bool withHidden = true);

    int ColCount() const { return EndCol - StartCol + 1; }
    int RowCount() const { return EndRow - StartRow + 1; }
    int StorageCol(const TExStringGrid& grid, int col) const
    {
        return StorageColumns ? col : grid.RealColIndex(col);
    }
};

// Fires OnFileProgress with a percentage only when it differs from the one
// fired before (the first is compared with -1).
class TProgressReporter {
public:
    explicit TProgressReporter(TExStringGrid& grid) : FGrid(grid) {}
    bool Active() const { return bool(FGrid.OnFileProgress); }
    // round(part * 100 / max(1, whole)).
    void Report(qint64 part, qint64 whole);

private:
    TExStringGrid& FGrid;
    int FLast = -1;
};

// What an export or an import run holds: its grid, the progress reporter
// and whether the run is done.
class TGridFileRun {
public:
    TGridFileRun(const TGridFileRun&) = delete;
    TGridFileRun& operator=(const TGridFileRun&) = delete;
    TProgressReporter& Progress() { return FProgress; }

protected:
    explicit TGridFileRun(TExStringGrid& grid) : FGrid(grid), FProgress(grid) {}
    ~TGridFileRun() = default;
    // True on the first call only: the run is done from then on.
    bool MarkDone();

    TExStringGrid& FGrid;
    TProgressReporter FProgress;
    bool FDone = false;
};

// One export run: start on creation, next-row per row, done at Finish.
// When an exception leaves the run unfinished, the grid hears esExportFail.
class TExportRun : public TGridFileRun {
public:
    TExportRun(TExStringGrid& grid, int firstRow);
    ~TExportRun();
    void NextRow(int row) { FGrid.ExportNotification(TExStringGrid::esExportNextRow, row); }
    void Finish();
};

// One import run: start on creation, new-row per row, done at Finish (also
// when an exception ends the run).
class TImportRun : public TGridFileRun {
public:
    TImportRun(TExStringGrid& grid, int firstRow);
    ~TImportRun();
    void NewRow(int row) { FGrid.ImportNotification(TExStringGrid::isImportNewRow, row); }
    void Finish();
};

// After a bulk load: cells-changed over the whole grid, then cells-loaded.
void ReportCellsLoaded(TExStringGrid& grid);

// The limits of a grid size read from a file: beyond them a file is corrupt.
inline constexpr qint64 MaxFileColCount = 65536;
inline constexpr qint64 MaxFileRowCount = 16 * 1024 * 1024;
inline constexpr qint64 MaxFileCellCount = 16 * 1024 * 1024;
// True when cols x rows is a size a file may give the grid.
bool IsSaneGridSize(qint64 cols, qint64 rows);

}  // namespace grid::io
