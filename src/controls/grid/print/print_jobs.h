#pragma once

// The drivers around the print pass: a printer job (count the pages, ask
// the grid's OnPrintStart, draw), a preview onto a painter and a one-page
// drawing into a rectangle. The grid's print members call them.

#include <QRect>

#include "platform/grid_base.h"

class QPainter;
class QPrinter;
class QPrintPreviewWidget;
class QWidget;

namespace grid {
class TExStringGrid;
}

namespace grid::print {

// Prints the cell range on the printer. Sends the job's start and end
// notifications; the end one also when OnPrintStart cancels or drawing fails.
// EExGridError when the printer cannot be opened.
void PrintGridRect(TExStringGrid& grid, QPrinter& printer, const platform::TGridRect& range, bool selectedOnly);
// Draws the preview pages (the grid's PreviewPage) of the range laid out in
// displayRect (device pixels of the painter).
void PreviewGridRect(TExStringGrid& grid, QPainter& painter, const QRect& displayRect, bool selectedOnly,
                     const platform::TGridRect& range);
// Page 1 of the range laid out in drawRect.
void DrawGridRect(TExStringGrid& grid, QPainter& painter, const QRect& drawRect, const platform::TGridRect& range);

// A preview widget whose pages are the grid's whole print job on the
// widget's printer (owned by the widget).
QPrintPreviewWidget* CreatePrintPreviewWidget(TExStringGrid& grid, QWidget* parent);
// The print preview dialog with its print button; returns its result.
int ShowPrintPreviewDialog(TExStringGrid& grid, QWidget* parent);

}  // namespace grid::print
