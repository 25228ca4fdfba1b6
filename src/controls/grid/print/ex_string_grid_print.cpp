// The string grid's print and preview members: they hand their cell range
// to the print jobs.

#include <cmath>

#include <QPrinter>

#include "controls/grid/print/print_jobs.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

namespace {
platform::TGridRect WholeGrid(const TExStringGrid& g) { return {0, 0, g.ColCount() - 1, g.RowCount() - 1}; }
}  // namespace

QPrinter& TExStringGrid::Printer()
{
    if (!FPrinter) FPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *FPrinter;
}

void TExStringGrid::Print() { print::PrintGridRect(*this, Printer(), WholeGrid(*this), false); }
void TExStringGrid::PrintRect(const platform::TGridRect& Gridrect) { print::PrintGridRect(*this, Printer(), Gridrect, false); }
void TExStringGrid::PrintSelection() { print::PrintGridRect(*this, Printer(), Selection(), false); }
void TExStringGrid::PrintSelectedRows() { print::PrintGridRect(*this, Printer(), WholeGrid(*this), true); }
void TExStringGrid::PrintSelectedCols() { print::PrintGridRect(*this, Printer(), WholeGrid(*this), true); }

void TExStringGrid::PrintPreview(QPainter& Canvas, const QRect& Displayrect)
{
    print::PreviewGridRect(*this, Canvas, Displayrect, false, WholeGrid(*this));
}
void TExStringGrid::PrintPreviewRect(QPainter& Canvas, const QRect& Displayrect, const platform::TGridRect& Gridrect)
{
    print::PreviewGridRect(*this, Canvas, Displayrect, false, Gridrect);
}
void TExStringGrid::PrintPreviewSelection(QPainter& Canvas, const QRect& Displayrect)
{
    print::PreviewGridRect(*this, Canvas, Displayrect, false, Selection());
}
void TExStringGrid::PrintPreviewSelectedRows(QPainter& Canvas, const QRect& Displayrect)
{
    print::PreviewGridRect(*this, Canvas, Displayrect, true, WholeGrid(*this));
}
void TExStringGrid::PrintPreviewSelectedCols(QPainter& Canvas, const QRect& Displayrect)
{
    print::PreviewGridRect(*this, Canvas, Displayrect, true, WholeGrid(*this));
}
void TExStringGrid::PrintDraw(QPainter& Canvas, const QRect& DrawRect)
{
    print::DrawGridRect(*this, Canvas, DrawRect, WholeGrid(*this));
}
void TExStringGrid::PrintDrawRect(QPainter& Canvas, const QRect& DrawRect, const platform::TGridRect& Gridrect)
{
    print::DrawGridRect(*this, Canvas, DrawRect, Gridrect);
}

int TExStringGrid::MapFontHeight(int PointSize) const
{
    return -int(std::trunc(double(PointSize * 254) / 72.0 * FPrintLayout.Fontscalefactor));
}

int TExStringGrid::MapFontSize(int Height) { return int(std::trunc(double(Height) * 72.0 / 254.0)); }

}  // namespace grid
