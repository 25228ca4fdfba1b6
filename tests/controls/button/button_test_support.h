#pragma once

#include <memory>

#include <QApplication>
#include <QColor>
#include <QEnterEvent>
#include <QImage>
#include <QTest>
#include <QWidget>

#include "controls/button/lb_button.h"

namespace button_testing {

// The look the forms give their buttons.
constexpr TColor kFormsFace = 0x00EDF7F8;    // RGB (248, 247, 237)
constexpr TColor kFormsOrange = 0x000080FF;  // RGB (255, 128, 0), the pressed colour

// A shown top-level form with a plain, known background colour.
inline std::unique_ptr<QWidget> makeForm(const QSize& size = QSize(320, 200), QColor background = QColor(0, 128, 0))
{
    auto form = std::make_unique<QWidget>();
    form->resize(size);
    QPalette palette = form->palette();
    palette.setColor(QPalette::Window, background);
    form->setPalette(palette);
    form->setAutoFillBackground(true);
    return form;
}

inline void showAndActivate(QWidget& form)
{
    form.show();
    form.activateWindow();
    (void)QTest::qWaitForWindowActive(&form, 1000);
}

// The pointer moves onto / off the button.
inline void sendEnter(QWidget& widget)
{
    const QPointF inside(widget.width() / 2.0, widget.height() / 2.0);
    QEnterEvent enter(inside, inside, widget.mapToGlobal(inside));
    QApplication::sendEvent(&widget, &enter);
}

inline void sendLeave(QWidget& widget)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&widget, &leave);
}

inline QColor pixelAt(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

// The widget as it paints itself now.
inline QImage grabImage(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32); }

// The colour as a pixel of an image holds it (8 bits a channel).
inline QColor tcolor(TColor color) { return QColor::fromRgb(toQColor(color).rgb()); }

}  // namespace button_testing
