#include "controls/dropdown/colors/color_spectrum_panel.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "controls/dropdown/base/guarded.h"
#include "controls/dropdown/colors/spectrum_image.h"
#include "platform/canvas.h"

namespace dropdown {

namespace color_spectrum_panel_detail {

// A fine cross-hair for picking single pixels.
QCursor PointerCursor()
{
    QPixmap pixmap(15, 15);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.drawLine(7, 0, 7, 5);
    p.drawLine(7, 9, 7, 14);
    p.drawLine(0, 7, 5, 7);
    p.drawLine(9, 7, 14, 7);
    p.end();
    return QCursor(pixmap, 7, 7);
}

}  // namespace color_spectrum_panel_detail

using namespace color_spectrum_panel_detail;

TExColorSpectrumPanel::TExColorSpectrumPanel(QWidget* parent)
    : TExCustomColorSelectorPanel(parent), FSpectrumImage(new QLabel(this))
{
    FSpectrumImage->setPixmap(QPixmap::fromImage(dropdown::SpectrumImage()));
    FSpectrumImage->resize(kSpectrumSize, kSpectrumSize);
    FSpectrumImage->setMouseTracking(true);
    FSpectrumImage->setCursor(PointerCursor());
    FSpectrumImage->installEventFilter(this);
    UpdateLayout();
}

void TExColorSpectrumPanel::UpdateLayout()
{
    resize(150, 174);
    FSpectrumImage->move((width() - FSpectrumImage->width()) / 2, 10);
    const int left = FSpectrumImage->x(), w = FSpectrumImage->width();
    const int bottom = FSpectrumImage->y() + FSpectrumImage->height();
    FSelectedRect = platform::TRect(left - 1, bottom + 8, left + w / 2 - 2, bottom + 28);
    FHotRect = platform::TRect(FSelectedRect.Right + 4, FSelectedRect.Top, left + w + 1, FSelectedRect.Bottom);
    FHotColor = clNone;
    update();
}

void TExColorSpectrumPanel::DrawHotColor() { update(FHotRect.Inflated(1, 1).toQRect()); }
void TExColorSpectrumPanel::DrawSelectedColor() { update(FSelectedRect.Inflated(1, 1).toQRect()); }

void TExColorSpectrumPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    platform::TCanvas canvas(painter);
    canvas.Brush.Color = Color();
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.FillRect(platform::TRect(0, 0, width(), height()));
    const platform::TRect picture = platform::TRect::fromQRect(FSpectrumImage->geometry());
    canvas.Brush.Style = Qt::NoBrush;
    canvas.Pen.Color = clWhite;
    canvas.Rectangle(picture.Inflated(1, 1));
    canvas.Pen.Color = clGray;
    canvas.Rectangle(picture.Inflated(2, 2));
    auto swatch = [&](const platform::TRect& r, TColor color) {
        canvas.Brush.Style = Qt::NoBrush;
        canvas.Pen.Color = clGray;
        canvas.Rectangle(r.Inflated(1, 1));
        canvas.Pen.Color = clWhite;
        canvas.Brush.Color = color;
        canvas.Brush.Style = color == clNone ? Qt::NoBrush : Qt::SolidPattern;
        canvas.Rectangle(r);
    };
    swatch(FSelectedRect, FSelectedColor);
    swatch(FHotRect, FHotColor);
}

void TExColorSpectrumPanel::SpectrumMouseMove(int X, int Y)
{
    const QImage& image = dropdown::SpectrumImage();
    if (X < 0 || Y < 0 || X >= image.width() || Y >= image.height()) return;
    FHotColor = ColorFromQColor(image.pixelColor(X, Y));
    DrawHotColor();
}

void TExColorSpectrumPanel::SpectrumMouseDown(int, int)
{
    FSelectedColor = FHotColor;
    DrawSelectedColor();
    if (OnSelect) OnSelect(this);
}

void TExColorSpectrumPanel::SpectrumMouseUp() { ShouldHide(); }

bool TExColorSpectrumPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FSpectrumImage) {
        Guarded([&] {
            switch (event->type()) {
            case QEvent::MouseMove: {
                const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
                SpectrumMouseMove(p.x(), p.y());
                break;
            }
            case QEvent::MouseButtonPress: {
                const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
                SpectrumMouseDown(p.x(), p.y());
                break;
            }
            case QEvent::MouseButtonRelease: SpectrumMouseUp(); break;
            default: break;
            }
        });
    }
    return TExCustomColorSelectorPanel::eventFilter(watched, event);
}

}  // namespace dropdown
