#include "controls/grid/print/print_jobs.h"

#include <algorithm>
#include <cmath>

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "controls/grid/grid_error.h"
#include "controls/grid/print/print_layout.h"
#include "controls/grid/print/print_pass.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid::print {

namespace {

double ScreenDpi(const TExStringGrid& grid)
{
    const int dpi = grid.logicalDpiX();
    return dpi > 0 ? dpi : 96.0;
}

// Sends the end notification (and clears the preview flag) however the job ends.
class TJobEnd {
public:
    explicit TJobEnd(TExStringGrid& grid) : FGrid(grid) { FGrid.ExportNotification(TExStringGrid::esExportStart, -1); }
    ~TJobEnd()
    {
        FGrid.PrintLayout().IsPrintPreview = false;
        FGrid.ExportNotification(TExStringGrid::esExportDone, -1);
    }
    TJobEnd(const TJobEnd&) = delete;
    TJobEnd& operator=(const TJobEnd&) = delete;

private:
    TExStringGrid& FGrid;
};

// The range within the grid's cells (a range reaching past them prints
// what there is).
platform::TGridRect InGrid(const TExStringGrid& grid, platform::TGridRect r)
{
    r.Left = std::max(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    r.Right = std::min(r.Right, grid.ColCount() - 1);
    r.Bottom = std::min(r.Bottom, grid.RowCount() - 1);
    return r;
}

// A canvas on a painter's device with logical (0, 0) at origin.
TPrintCanvas PainterCanvas(QPainter& painter, QPoint origin)
{
    QPaintDevice* device = painter.device();
    const double dpiX = device && device->logicalDpiX() > 0 ? device->logicalDpiX() : 96.0;
    const double dpiY = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96.0;
    return TPrintCanvas(&painter, device, dpiX, dpiY, origin);
}

TPassSetup JobSetup(const TExStringGrid& grid, TCellSizeCache& cache, bool selectedOnly)
{
    TPassSetup setup;
    setup.ScreenDpi = ScreenDpi(grid);
    setup.Cache = &cache;
    setup.SelectedOnly = selectedOnly;
    return setup;
}

// The whole grid on a preview's printer (a Qt signal: nothing may escape;
// a printer that cannot be opened leaves the preview empty).
void PrintWholeGrid(TExStringGrid& grid, QPrinter* printer)
{
    try {
        PrintGridRect(grid, *printer, {0, 0, grid.ColCount() - 1, grid.RowCount() - 1}, false);
    } catch (const std::exception&) {
    }
}

}  // namespace

void PrintGridRect(TExStringGrid& grid, QPrinter& printer, const platform::TGridRect& range, bool selectedOnly)
{
    TJobEnd end(grid);
    TPrintLayout& L = grid.PrintLayout();
    const TPrintSettings& s = grid.PrintSettings();
    L.PrintRect = InGrid(grid, range);
    if (!s.UseDefaultOrientation)
        printer.setPageOrientation(s.Orientation == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const QRect paint = printer.pageLayout().paintRectPixels(printer.resolution());
    const double dpiX = printer.logicalDpiX() > 0 ? printer.logicalDpiX() : printer.resolution();
    const double dpiY = printer.logicalDpiY() > 0 ? printer.logicalDpiY() : printer.resolution();
    const int pw = int(std::lrint(254.0 / dpiX * paint.width()));
    const int ph = int(std::lrint(254.0 / dpiY * paint.height()));
    L.PrevRect = QRect(0, 0, pw, ph);
    printer.setDocName(s.JobName);

    TCellSizeCache cache;
    TPassSetup setup = JobSetup(grid, cache, selectedOnly);
    int pages = 2147483647;
    if (!L.FastPrint) {
        TPrintCanvas counting(nullptr, &printer, dpiX, dpiY);
        setup.Mode = pmPrinterCount;
        setup.TotalPages = -1;
        pages = TPrintPass(grid, counting, setup).Run();
    }
    L.PageFrom = 1, L.PageTo = pages, L.PageNum = pages;
    if (grid.OnPrintStart) {
        grid.OnPrintStart(&grid, pages, L.PageFrom, L.PageTo);
        if (L.PageFrom == 0 || L.PageTo == 0 || L.PageFrom > L.PageTo) return;
    }
    L.PageNum = L.PageTo;

    QPainter painter;
    if (!painter.begin(&printer)) throw EExGridError("The printer could not be opened");
    struct TEnd {
        QPainter& p;
        ~TEnd() { p.end(); }
    } endPainter{painter};
    TPrintCanvas canvas(&painter, &printer, dpiX, dpiY);
    canvas.SetPaperWhite(true);
    setup.Mode = pmPrinterDraw;
    setup.TotalPages = pages;
    setup.PageBox = QSize(pw, ph);
    setup.NewPage = [&printer] { printer.newPage(); };
    TPrintPass(grid, canvas, setup).Run();
}

void PreviewGridRect(TExStringGrid& grid, QPainter& painter, const QRect& displayRect, bool selectedOnly,
                     const platform::TGridRect& range)
{
    TJobEnd end(grid);
    TPrintLayout& L = grid.PrintLayout();
    L.PrintRect = InGrid(grid, range);
    L.PrevRect = displayRect;
    TPrintCanvas canvas = PainterCanvas(painter, displayRect.topLeft());
    TCellSizeCache cache;
    TPassSetup setup = JobSetup(grid, cache, selectedOnly);
    int pages = 1;
    if (!L.FastPrint) {
        setup.Mode = pmPreviewCount;
        pages = TPrintPass(grid, canvas, setup).Run();
        L.PageNum = pages;
    }
    L.IsPrintPreview = true;
    int from = 1, to = pages;
    if (grid.OnPrintStart) grid.OnPrintStart(&grid, pages, from, to);
    if (from > 0 && to > 0 && to >= from) {
        L.PrevRect = displayRect;
        painter.save();
        painter.setClipRect(displayRect);
        setup.Mode = pmPreviewDraw;
        setup.TotalPages = pages;
        TPrintPass(grid, canvas, setup).Run();
        painter.restore();
    }
}

void DrawGridRect(TExStringGrid& grid, QPainter& painter, const QRect& drawRect, const platform::TGridRect& range)
{
    TPrintLayout& L = grid.PrintLayout();
    L.PrintRect = InGrid(grid, range);
    L.PrevRect = drawRect;
    L.PageFrom = L.PageTo = L.PageNum = 1;
    TPrintCanvas canvas = PainterCanvas(painter, drawRect.topLeft());
    TCellSizeCache cache;
    TPassSetup setup = JobSetup(grid, cache, false);
    setup.Mode = pmPrinterDraw;
    setup.TotalPages = 1;
    setup.PageBox = QSize(int(std::lrint(canvas.ToUnitsX(drawRect.width()))),
                          int(std::lrint(canvas.ToUnitsY(drawRect.height()))));
    painter.save();
    painter.setClipRect(drawRect);
    TPrintPass(grid, canvas, setup).Run();
    painter.restore();
}

QPrintPreviewWidget* CreatePrintPreviewWidget(TExStringGrid& grid, QWidget* parent)
{
    auto* widget = new QPrintPreviewWidget(parent);
    QObject::connect(widget, &QPrintPreviewWidget::paintRequested, widget,
                     [&grid](QPrinter* printer) { PrintWholeGrid(grid, printer); });
    return widget;
}

int ShowPrintPreviewDialog(TExStringGrid& grid, QWidget* parent)
{
    QPrintPreviewDialog dialog(&grid.Printer(), parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&grid](QPrinter* printer) { PrintWholeGrid(grid, printer); });
    return dialog.exec();
}

}  // namespace grid::print
