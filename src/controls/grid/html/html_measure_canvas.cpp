#include "controls/grid/html/html_measure_canvas.h"

#include <QWidget>

namespace grid {

namespace measure_canvas_detail {

QImage imageLike(const QWidget* like)
{
    QImage image(1, 1, QImage::Format_RGB32);
    if (like != nullptr) {
        image.setDotsPerMeterX(int(like->logicalDpiX() / 0.0254 + 0.5));
        image.setDotsPerMeterY(int(like->logicalDpiY() / 0.0254 + 0.5));
    }
    return image;
}

}  // namespace measure_canvas_detail

THTMLMeasureCanvas::THTMLMeasureCanvas(const QWidget* like, const platform::TFont& font)
    : FImage(measure_canvas_detail::imageLike(like)), FPainter(&FImage), FCanvas(FPainter)
{
    FCanvas.Font = font;
}

}  // namespace grid
