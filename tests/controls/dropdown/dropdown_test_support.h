#pragma once

#include <memory>

#include <QImage>
#include <QPainter>

#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/tick_clock.h"

namespace dropdown_testing {

// An image with a canvas on it; At ends the painting and samples a pixel.
struct PaintTarget {
    PaintTarget(int width, int height, TColor background = clWhite) : Image(width, height, QImage::Format_RGB32)
    {
        Image.fill(toQColor(background));
        Painter = std::make_unique<QPainter>(&Image);
        Canvas = std::make_unique<platform::TCanvas>(*Painter);
    }
    TColor At(int x, int y)
    {
        Finish();
        return ColorFromQColor(Image.pixelColor(x, y));
    }
    void Finish()
    {
        Canvas.reset();
        Painter.reset();
    }
    QImage Image;
    std::unique_ptr<QPainter> Painter;
    std::unique_ptr<platform::TCanvas> Canvas;
};

// The pixel of a grabbed image as a TColor.
inline TColor PixelAt(const QImage& image, int x, int y) { return ColorFromQColor(image.pixelColor(x, y)); }

// A clock that moves only when told; installed for its lifetime.
class ManualClock final : public platform::TickClock {
public:
    explicit ManualClock(uint32_t start = 100000) : now_(start) { previous_ = platform::setTickClock(this); }
    ~ManualClock() override { platform::setTickClock(previous_); }
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;

    uint32_t ticks() override { return now_; }
    void sleep(std::chrono::milliseconds duration) override { advance(uint32_t(duration.count())); }
    void advance(uint32_t ms) { now_ += ms; }

private:
    uint32_t now_;
    platform::TickClock* previous_;
};

}  // namespace dropdown_testing
