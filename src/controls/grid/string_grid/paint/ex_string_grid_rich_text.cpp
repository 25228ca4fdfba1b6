// Drawing a cell whose text is rich text, on the screen and in print.

#include <QPaintDevice>
#include <QPainter>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/rich_cell_text.h"
#include "platform/colors.h"

namespace grid {

// The cell is drawn as selected: inside the selection (but not the focused
// current cell, unless rows are selected one by one), or in a selected row or
// column of disjunct row or column selection.
bool TExStringGrid::RichTextCellSelected(int ACol, int ARow)
{
    const bool disjunctRows = FMouseActions.DisjunctRowSelect();
    if (Selection().Contains(ACol, ARow)) {
        const bool focusedCurrent = ACol == Col() && ARow == Row() && IsActiveControl() &&
                                    !(Options() & platform::goDrawFocusSelected);
        if (disjunctRows || !focusedCurrent) return true;
    }
    if (disjunctRows && RowSelect(FMouseActions.RowSelectPersistent ? RealRowIndex(ARow) : ARow)) return true;
    return FMouseActions.DisjunctColSelect() && ACol >= 0 && ACol < ColCount() && ColSelect(ACol);
}

void TExStringGrid::DrawRichTextCell(int ACol, int ARow, platform::TCanvas& Canvas, const platform::TRect& Rect)
{
    if (IsDesigning()) return;
    QPainter& painter = Canvas.Painter();
    const QPaintDevice* device = painter.device();
    const int dpiX = device != nullptr && device->logicalDpiX() > 0 ? device->logicalDpiX() : 96;
    const int dpiY = device != nullptr && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
    // The text keeps the cell's offsets from the edges, at the device's resolution.
    const int mx = XYOffset.x() * dpiX / 96, my = XYOffset.y() * dpiY / 96;
    const QRectF box(Rect.Left + mx, Rect.Top + my, Rect.Width() - 2 * mx, Rect.Height() - 2 * my);
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    const bool recolour = !Canvas.Printing && !SelectionRTFKeep && SelectionTextColor != clNone &&
                          RichTextCellSelected(ACol, ARow);
    DrawRichCellText(painter, GetFormattedCell(ACol, ARow), Canvas.Font, box,
                     recolour ? toQColor(SelectionTextColor) : QColor());
    painter.restore();
}

}  // namespace grid
