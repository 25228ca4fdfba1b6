// Drawing a cell whose text is rich text, on the screen and in print.

#include <QPaintDevice>
#include <QPainter>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/rich_cell_text.h"

namespace grid {

void TExStringGrid::DrawRichTextCell(int ACol, int ARow, platform::TCanvas& Canvas, const platform::TRect& Rect)
{
    QPainter& painter = Canvas.Painter();
    const QPaintDevice* device = painter.device();
    const int dpiX = device != nullptr && device->logicalDpiX() > 0 ? device->logicalDpiX() : 96;
    const int dpiY = device != nullptr && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
    // The text keeps the cell's offsets from the edges, at the device's resolution.
    const int mx = XYOffset.x() * dpiX / 96, my = XYOffset.y() * dpiY / 96;
    const QRectF box(Rect.Left + mx, Rect.Top + my, Rect.Width() - 2 * mx, Rect.Height() - 2 * my);
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    DrawRichCellText(painter, GetFormattedCell(ACol, ARow), Canvas.Font, box);
    painter.restore();
}

}  // namespace grid
