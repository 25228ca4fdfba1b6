#pragma once

// One run of the pagination routine that every print, preview and draw job
// of the string grid shares: it measures the printed column widths and row
// heights, scales them to the page, cuts the cell range into column bands
// and pages, repeats fixed rows and columns, counts the pages, fires the
// print events and draws rows, page headers, footers and frames.
//
// Coordinates are tenths of a millimetre with y upwards: the page top is at
// y 0 and its bottom at H (negative). The pass is implemented in three
// files: print_pass.cpp (layout and pagination), print_cells.cpp (measuring
// and drawing cells) and page_furniture.cpp (header, footer, page frame).

#include <functional>
#include <unordered_map>

#include <QSize>
#include <QString>

#include "controls/grid/print/print_canvas.h"

namespace grid {
class TExStringGrid;
class TPrintSettings;
}

namespace grid::print {

class TPrintLayout;

// 0 preview drawing, 1 printer drawing, 2 printer counting, 3 preview counting.
enum TPassMode : uint8_t { pmPreviewDraw, pmPrinterDraw, pmPrinterCount, pmPreviewCount };

// Measured cell sizes kept for a whole job (its counting and its drawing
// pass), each under the font scale it was measured with.
class TCellSizeCache {
public:
    bool Find(int col, int row, double scale, QSize& size) const;
    void Store(int col, int row, double scale, QSize size);

private:
    static quint64 Key(int col, int row) { return (quint64(quint32(row)) << 32) | quint32(col); }
    std::unordered_map<quint64, QSize> FUnscaled;
    std::unordered_map<quint64, QSize> FScaled;
    double FScale = 1.0;
};

struct TPassSetup {
    TPassMode Mode = pmPreviewCount;
    int TotalPages = -1;  // -1 while counting
    bool SelectedOnly = false;
    // Mode 1: the page (the canvas's clipping box), in page units.
    QSize PageBox;
    // The grid's screen resolution (pixels per inch).
    double ScreenDpi = 96.0;
    // Mode 1: ejects the printed page.
    std::function<void()> NewPage;
    TCellSizeCache* Cache = nullptr;
};

class TPrintPass {
public:
    TPrintPass(TExStringGrid& grid, TPrintCanvas& canvas, const TPassSetup& setup);
    TPrintPass(const TPrintPass&) = delete;
    TPrintPass& operator=(const TPrintPass&) = delete;

    // Lays out (and in drawing modes draws) the range; the page count.
    int Run();

private:
    bool Drawing() const { return FMode == pmPreviewDraw || FMode == pmPrinterDraw; }
    bool PageDrawn(int page) const;
    bool CurrentPageDrawn() const { return Drawing() && PageDrawn(FPageCounter + 1); }

    // ----- layout and pagination (print_pass.cpp)
    void MeasureFonts();
    void PageSize();
    void ComputePrintColWidths();
    void FitColumnsToPage();
    void RunBand();
    void CutBand();
    void PlaceColumns();
    void BandHeights(bool bandStart);
    void PrintRows();
    void PrintRowWithFixedCols(int row);
    int PrintRowHeight(int row);
    void StartNextPrintPage();
    bool IsPrintRow(int row) const;
    bool IsPrintCol(int col) const;

    // ----- cells (print_cells.cpp)
    QSize MeasurePrintCell(int col, int ARow);
    QSize MeasureCellUncached(int col, int ARow);
    int PrintRowCells(int Y, int first, int last, int ARow);
    void PrintCell(int c, int ARow, int Y, int printedHeight, int rowHeight, int last);
    void PrintCellLines(int c, int ARow, int Y, int printedHeight, int last);
    int CellBoxHeight(int c, int ARow, int printedHeight);
    void SetCellFont(const platform::TFont& font);

    // ----- header, footer and page frame (page_furniture.cpp)
    int PrintPageHeaderFooter();
    QString GetPrintPageNumText() const;
    void DrawPageFrame(int first, int last, int Y);
    int SlotX(int position, int textWidth) const;

    TExStringGrid& G;
    const TPrintSettings& S;
    TPrintLayout& L;
    TPrintCanvas& C;
    TPassMode FMode;
    int FTotalPages;
    bool FSelectedOnly;
    QSize FPageBox;
    double FScreenDpi;
    std::function<void()> FNewPage;
    TCellSizeCache FOwnCache;
    TCellSizeCache* FCache;

    int W = 0, H = 0;
    double ScreenToPrint = 254.0 / 96.0;
    double DeviceRatio = 1.0;
    int HeaderTextHeight = 0, FooterTextHeight = 0, TextHeight = 0;
    int Gap = 0, InnerMargin = 0, Spacing = 0;
    int FFontSize = 8;
    double ScaleFactor = 1.0;
    // The pen of the pass (page frames).
    int FFrameWidth = 2;

    int FPageCounter = 0, FBandCounter = 0, FPageInBand = 0;
    bool FMoreBands = false, FCancel = false;
    int FRow = 0, FY = 0, FLineCount = 0, FLastRow = -1;
    // Rows of the range put on the current page (repeated fixed rows not counted).
    int FBodyRows = 0;
    bool FRepeatCols = false;
    int FFixedWidth = 0;
    int FHB = 0, FFB = 0;
    int FBandStart = 0, FBandEnd = 0;
    int FCachedRow = -1, FCachedHeight = 0;
};

}  // namespace grid::print
