#pragma once

// What a print or preview pass leaves behind and what its drivers set up:
// the printed width and left x on the page of every display column (0.1 mm),
// the page and band of the last pass, the page range to draw and the job's
// switches. The two column arrays hold at least 513 entries and grow with
// the grid's columns, so any number of columns prints.

#include <vector>

#include <QRect>

#include "platform/grid_base.h"

namespace grid::print {

class TPrintLayout {
public:
    static constexpr int MinColumns = 512;

    TPrintLayout() { Size(0); }
    // Makes room for columns 0..columns (the x after the last one included);
    // entries already there keep their values.
    void Size(int columns);
    // The readable columns: 0..Columns() - 1.
    int Columns() const { return int(MaxWidths.size()) - 1; }
    // Raise EExGridError "Columns is not in valid range" outside 0..Columns() - 1.
    int ColWidth(int col) const;
    int ColOffset(int col) const;

    std::vector<int> MaxWidths;
    std::vector<int> Indents;

    platform::TGridRect PrintRect;  // the cell range being printed
    // Preview: the display rectangle on the target (device pixels); printing:
    // the page size in 0.1 mm.
    QRect PrevRect;
    double Fontscalefactor = 1.0;   // the fit-to-page factor while rows are measured and drawn
    int PageWidth = 0;              // width used by the last column band
    QRect PageRect;                 // (0, 0, W, H) of the last pass
    int ColStart = 0, ColEnd = 0;   // display columns of the current band
    int PageFrom = 1, PageTo = 1;   // pages that are drawn
    int PageNum = 0;                // page count of the last counting pass
    bool IsPrintPreview = false;
    bool FastPrint = false;         // no counting pass
    bool PrinterDriverFix = false;  // rotated text: drivers that turn fonts the other way
};

}  // namespace grid::print
