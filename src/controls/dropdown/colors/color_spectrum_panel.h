#pragma once

// The colour spectrum: a 128 x 128 picture of colours with two swatches
// under it, the selected colour on the left and the colour under the pointer
// on the right. A click on the picture selects the colour under the pointer.

#include <functional>

#include <QLabel>

#include "controls/dropdown/colors/color_selector_panel.h"
#include "platform/colors.h"
#include "platform/geometry.h"

namespace dropdown {

class TExColorSpectrumPanel : public TExCustomColorSelectorPanel {
    Q_OBJECT
public:
    explicit TExColorSpectrumPanel(QWidget* parent = nullptr);

    QLabel* SpectrumImage() const { return FSpectrumImage; }
    TColor HotColor() const { return FHotColor; }
    TColor SelectedColor() const { return FSelectedColor; }
    // Stores only; the swatch shows it at the next paint.
    void SetSelectedColor(TColor value) { FSelectedColor = value; }
    platform::TRect HotRect() const { return FHotRect; }
    platform::TRect SelectedRect() const { return FSelectedRect; }

    // The panel 150 x 174, the picture centred at the top, the swatches
    // under it; no hot colour.
    void UpdateLayout();
    void DrawHotColor();
    void DrawSelectedColor();

    // The picture's mouse, in picture coordinates.
    void SpectrumMouseDown(int X, int Y);
    void SpectrumMouseMove(int X, int Y);
    void SpectrumMouseUp();

    std::function<void(QObject* Sender)> OnSelect;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* FSpectrumImage;
    TColor FHotColor = clNone;
    TColor FSelectedColor = clWhite;
    platform::TRect FHotRect;
    platform::TRect FSelectedRect;
};

}  // namespace dropdown
