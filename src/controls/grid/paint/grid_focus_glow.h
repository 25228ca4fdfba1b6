#pragma once

// The soft glow drawn around the cell being edited: a frame-shaped mask
// (a white rounded ring on black, blurred), merged with a colour into a
// premultiplied alpha image, shown by a borderless top-most tool window whose
// region leaves the cell itself out.

#include <array>
#include <cstdint>

#include <QImage>
#include <QPointer>
#include <QWidget>

#include "platform/colors.h"

namespace grid {

// ------------------------------------------------------------ mask and blur

// The weights w(-10) .. w(10) of a Gaussian blur, trimmed to -Size .. Size.
struct TBlurKernel {
    int Size = 0;
    std::array<float, 21> Weights{};  // index j + 10
    float W(int j) const { return Weights[size_t(j + 10)]; }
};
TBlurKernel BuildBlurKernel(double Radius, int MaxData, int Granularity);

// Blurs one line of N pixels of 3 bytes each in place.
void BlurLine(uint8_t* pixels, int N, const TBlurKernel& kernel);

// Blurs a 24-bit image (QImage::Format_BGR888) by rows, then by columns; the
// inner rows and columns (21 .. size - 21) take row / column 15, which is
// exact for the frame-shaped masks of the glow. Raises std::runtime_error
// "Blur only works for 24-bit bitmaps" for any other pixel format.
void BlurBitmap(QImage& bitmap, double Radius);

// A 24-bit black image of Width x Height with a white rounded rectangle from
// (h + 2, h + 2) to (Width - h - 2, Height - h - 2), h = PenWidth div 2, with
// corner ellipses of Corner x Corner: a ring of PenWidth, or filled when
// PenWidth is 0 or less; blurred when Radius > 0.
QImage CreateRoundRectMask(int Width, int Height, int PenWidth, int Corner, double Radius);

// A premultiplied 32-bit image with an overall opacity.
class TGridAlphaMask {
public:
    // Each pixel: the bitmap's colour times a / 255 with alpha a, a = the red
    // byte of the mask's pixel (rounded to nearest, ties to even). Nothing
    // unless the bitmap has 24-bit pixels.
    void MergeMask(const QImage& Mask, const QImage& Bitmap);
    void Assign(const TGridAlphaMask& source);
    QImage Image{0, 0, QImage::Format_ARGB32_Premultiplied};
    uint8_t Opacity = 255;
};

// ------------------------------------------------------------ the window

// The glow window of one grid: a top-most window of the tool-tip kind (which
// no platform activates, so the editor below keeps the focus), created
// hidden and empty, never taking the focus or the mouse.
class TGridFocusWindow : public QWidget {
public:
    explicit TGridFocusWindow(QWidget* owner);
    // Shows the alpha image (ApplyAlphaMaskToWindow): nothing for an empty image.
    void ApplyAlphaMask(const TGridAlphaMask& mask);
    const TGridAlphaMask& AlphaMask() const { return FMask; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TGridAlphaMask FMask;
};

// The glow colour (blue 0xFD, green 0xD3, red 0x97) and its opacity.
inline constexpr TColor FocusGlowColor = 0x00FDD397;
inline constexpr uint8_t FocusGlowOpacity = 230;

}  // namespace grid
