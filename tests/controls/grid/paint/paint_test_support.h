#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

#include "controls/grid/paint/control_look.h"
#include "controls/grid/paint/cell_objects.h"
#include "platform/canvas.h"

namespace paint_test_support {

// An image to paint into and sample: white, with a painter and a canvas on it.
struct PaintTarget {
    explicit PaintTarget(int w = 120, int h = 60, QColor background = Qt::white)
        : Image(w, h, QImage::Format_RGB32)
    {
        Image.fill(background);
        Painter = std::make_unique<QPainter>(&Image);
        Canvas = std::make_unique<platform::TCanvas>(*Painter);
    }
    // Ends the painting (needed before sampling).
    QImage& Done()
    {
        Canvas.reset();
        Painter.reset();
        return Image;
    }
    TColor At(int x, int y)
    {
        if (Painter) Done();
        return ColorFromQColor(Image.pixelColor(x, y));
    }
    // Pixels in r that differ from the colour c.
    int CountNot(const QRect& r, QColor c)
    {
        if (Painter) Done();
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (Image.pixelColor(x, y) != c) ++n;
        return n;
    }
    // The bounding box of pixels that differ from the colour c (null when none).
    QRect Ink(QColor c = Qt::white)
    {
        if (Painter) Done();
        QRect box;
        for (int y = 0; y < Image.height(); ++y)
            for (int x = 0; x < Image.width(); ++x)
                if (Image.pixelColor(x, y) != c) box |= QRect(x, y, 1, 1);
        return box;
    }
    QImage Image;
    std::unique_ptr<QPainter> Painter;
    std::unique_ptr<platform::TCanvas> Canvas;
};

// A control look and the environment of the cell objects around it.
struct ObjectEnv {
    grid::paint::TFixedFaceColors Faces;
    grid::paint::TControlLook Look{&Faces};
    grid::paint::TCellObjectEnv Env;
    ObjectEnv() { Env.ControlLook = &Look; }
};

}  // namespace paint_test_support
