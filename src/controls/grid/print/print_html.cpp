#include "controls/grid/print/print_html.h"

#include <algorithm>
#include <cmath>

#include <QImage>
#include <QPainter>

#include "controls/grid/html/html_renderer.h"
#include "controls/grid/print/print_canvas.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/grid_text_utils.h"

namespace grid::print {

bool IsPrintHTML(const TExStringGrid& grid, const QString& text)
{
    return TextType(text, grid.EnableHTML) == TextKindHtml;
}

QSize PrintHTML(TExStringGrid& grid, TPrintCanvas& canvas, const QString& text, const platform::TFont& font,
                const QRectF& rect, bool draw, double deviceRatio)
{
    QImage scratch;
    QPainter local;
    QPainter* painter = draw ? canvas.Painter() : nullptr;
    if (!painter) {
        scratch = QImage(1, 1, QImage::Format_ARGB32);
        scratch.setDotsPerMeterX(int(std::lround(canvas.DpiX() / 0.0254)));
        scratch.setDotsPerMeterY(int(std::lround(canvas.DpiY() / 0.0254)));
        local.begin(&scratch);
        painter = &local;
        draw = false;
    }
    platform::TCanvas target(*painter);
    // The renderer measures without a device: a pixel size of the device
    // keeps its measuring and the drawing on the printer alike.
    target.Font = font;
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 8.0;
    target.Font.setPixelSize(std::max(1, int(std::lround(points * canvas.DpiY() / 72.0))));
    target.Brush.Style = Qt::NoBrush;
    THTMLRenderParams p;
    p.Images = grid.GridImages();
    p.HoverLink = 0;
    p.MeasureOnly = !draw;
    p.Print = true;
    p.ResFactor = deviceRatio;
    p.URLColor = grid.URLColor;
    p.ShadowColor = clGray;
    THTMLRenderResult result;
    const QRect r = rect.toRect();
    RenderHTMLText(target, text, platform::TRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1), p, result);
    return {result.XSize, result.YSize};
}

}  // namespace grid::print
