#pragma once

// A canvas for measuring and hit-testing mini-HTML outside a paint: a
// one-pixel image at a widget's resolution, so that pictures take the room
// they take on that widget's screen.

#include <QImage>
#include <QPainter>

#include "platform/canvas.h"

class QWidget;

namespace grid {

class THTMLMeasureCanvas {
public:
    explicit THTMLMeasureCanvas(const QWidget* like, const platform::TFont& font);
    THTMLMeasureCanvas(const THTMLMeasureCanvas&) = delete;
    THTMLMeasureCanvas& operator=(const THTMLMeasureCanvas&) = delete;
    platform::TCanvas& Canvas() { return FCanvas; }

private:
    QImage FImage;
    QPainter FPainter;
    platform::TCanvas FCanvas;
};

}  // namespace grid
