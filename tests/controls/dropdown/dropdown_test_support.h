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

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "controls/dropdown/base/dropdown_form.h"
#include "controls/dropdown/base/ex_custom_dropdown.h"

namespace dropdown_testing {

// A shown window holding a drop-down edit and a second edit after it.
struct DropDownHost {
    explicit DropDownHost(QPoint editAt = QPoint(20, 20))
    {
        Window.resize(320, 240);
        Edit = new dropdown::TExCustomDropDown(&Window);
        Edit->move(editAt);
        Next = new QLineEdit(&Window);
        Next->move(editAt + QPoint(0, 40));
        Window.show();
        Window.activateWindow();
        (void)QTest::qWaitForWindowExposed(&Window, 1000);
        Edit->setFocus();
        QApplication::processEvents();
    }
    dropdown::TDropDownForm& Form() const { return *Edit->DropDownForm(); }

    QWidget Window;
    dropdown::TExCustomDropDown* Edit;
    QLineEdit* Next;
};

// Marks a dropped-down pop-up as left for another window of the program.
inline void deactivateFor(dropdown::TDropDownForm& form, QWidget* newActive)
{
    form.HandleActivation(false, newActive);
}

}  // namespace dropdown_testing
